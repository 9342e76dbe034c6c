#include "core/Formule.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

enum Code : int {
    Getal = 0,  // a value item of the postfix list
    Haakje = 2,
    SluitHaakje = 3,
    Min = 4,
    Plus = 5,
    Deel = 6,
    Maal = 7,
    Macht = 8,
};

constexpr std::size_t MaxPostfix = 55;
constexpr std::size_t MaxOperatoren = 30;  // the bottom marker included
constexpr std::size_t MaxWaarden = 55;

struct Item {
    int code;
    double waarde;
};

struct Operator {
    int code;
    int prioriteit;
};

bool IsCijfer(char ch) { return ch >= '0' && ch <= '9'; }

// Converts the formula to postfix order. Returns false with foutcode and
// positie set when the formula is refused or does not fit the tables.
class Lezer {
public:
    Lezer(std::string& f, int modus, double c) : f_(f), modus_(modus), c_(c)
    {
        stapel_.push_back({0, 0});  // bottom marker
    }

    bool Lees()
    {
        for (;;) {
            // An operand is expected.
            OverslaanBlanco();
            if (Einde())
                return Fout(77);
            const char ch = f_[pos_];
            const auto uch = static_cast<unsigned char>(ch);
            const bool naProduct = naProduct_;
            naProduct_ = false;
            if (ch == '+') {
                ++pos_;
                continue;
            }
            if (ch == '-') {
                // A sign: -1 times what follows, without popping, so -2^2 is -4.
                if (!NaarPostfix({Getal, -1.0}) || !Duw({Maal, 3}))
                    return false;
                ++pos_;
                continue;
            }
            if (ch == '(') {
                if (!Duw({Haakje, 0}))
                    return false;
                ++open_;
                ++pos_;
                continue;
            }
            if (IsCijfer(ch) || ch == '.' || ch == ',') {
                if (naProduct)
                    return Fout(77);  // c2 is refused, 2c is a product
                if (!LeesGetal())
                    return false;
            } else if (ch == 'e') {
                if (!NaarPostfix({Getal, std::exp(1.0)}))
                    return false;
                ++pos_;
            } else if (uch == 227) {
                if (!NaarPostfix({Getal, 4.0 * std::atan(1.0)}))
                    return false;
                ++pos_;
            } else if (ch == 'C' || ch == 'c' || ch == 'S' || ch == 's' || ch == 'P' || ch == 'p') {
                if (modus_ == 1)
                    return Fout(77);
                if (!NaarPostfix({Getal, c_}))
                    return false;
                ++pos_;
            } else {
                return Fout(77);
            }

            // After an operand: closing parentheses, then an operator, an
            // implicit product or the end.
            for (;;) {
                OverslaanBlanco();
                if (Einde()) {
                    if (open_ > 0)
                        return Fout(77);
                    while (stapel_.size() > 1) {
                        if (!NaarPostfix({stapel_.back().code, 0}))
                            return false;
                        stapel_.pop_back();
                    }
                    return true;
                }
                if (f_[pos_] != ')')
                    break;
                if (open_ == 0)
                    return Fout(77);
                while (stapel_.back().code != Haakje) {
                    if (!NaarPostfix({stapel_.back().code, 0}))
                        return false;
                    stapel_.pop_back();
                }
                stapel_.pop_back();
                --open_;
                ++pos_;
            }
            Operator op{Maal, 3};
            bool gelezen = true;
            switch (f_[pos_]) {
            case '-': op = {Min, 1}; break;
            case '+': op = {Plus, 1}; break;
            case '/':
            case ':': op = {Deel, 2}; break;
            case '*': op = {Maal, 2}; break;
            case '^': op = {Macht, 4}; break;
            default: gelezen = false; break;  // implicit product: read the character again as an operand
            }
            if (!DuwOperator(op))
                return false;
            if (gelezen)
                ++pos_;
            else
                naProduct_ = true;
        }
    }

    const std::vector<Item>& Postfix() const { return postfix_; }
    int foutcode = 0;
    int positie = 0;

private:
    bool Einde() const { return pos_ >= f_.size(); }

    void OverslaanBlanco()
    {
        while (!Einde() && f_[pos_] == ' ')
            ++pos_;
    }

    bool Fout(int code)
    {
        foutcode = code;
        positie = static_cast<int>(pos_) + 1;
        return false;
    }

    bool NaarPostfix(Item it)
    {
        if (postfix_.size() >= MaxPostfix)
            return Fout(78);
        postfix_.push_back(it);
        return true;
    }

    bool Duw(Operator op)
    {
        if (stapel_.size() >= MaxOperatoren)
            return Fout(78);
        stapel_.push_back(op);
        return true;
    }

    // Left-associative: operators of equal or higher priority go first,
    // down to the nearest "(" or the bottom marker.
    bool DuwOperator(Operator op)
    {
        while (stapel_.back().prioriteit > 0 && stapel_.back().prioriteit >= op.prioriteit) {
            if (!NaarPostfix({stapel_.back().code, 0}))
                return false;
            stapel_.pop_back();
        }
        return Duw(op);
    }

    // Digits, an optional "." or "," with more digits, an optional exponent
    // "E" or "D" with an optional sign and at least one digit.
    bool LeesGetal()
    {
        const std::size_t begin = pos_;
        std::string tekst;
        while (!Einde() && IsCijfer(f_[pos_]))
            tekst += f_[pos_++];
        if (!Einde() && (f_[pos_] == '.' || f_[pos_] == ',')) {
            if (tekst.empty() && (pos_ + 1 >= f_.size() || !IsCijfer(f_[pos_ + 1])))
                return Fout(77);
            f_[pos_++] = '.';
            tekst += '.';
            while (!Einde() && IsCijfer(f_[pos_]))
                tekst += f_[pos_++];
        }
        if (!Einde() && (f_[pos_] == 'E' || f_[pos_] == 'D')) {
            ++pos_;
            tekst += 'e';
            if (!Einde() && (f_[pos_] == '+' || f_[pos_] == '-'))
                tekst += f_[pos_++];
            if (Einde() || !IsCijfer(f_[pos_]))
                return Fout(77);
            while (!Einde() && IsCijfer(f_[pos_]))
                tekst += f_[pos_++];
        }
        double w = 0;
        const auto r = std::from_chars(tekst.data(), tekst.data() + tekst.size(), w);
        if (r.ec == std::errc::result_out_of_range) {
            if (Grootte(tekst) > 0) {
                pos_ = begin;
                return Fout(6);
            }
            w = 0;  // too small for a double
        }
        const std::size_t na = pos_;
        pos_ = begin;  // a number that does not fit is reported at its start
        if (!NaarPostfix({Getal, w}))
            return false;
        pos_ = na;
        return true;
    }

    // The decimal exponent of the number's first significant digit plus one.
    static long Grootte(const std::string& tekst)
    {
        long mag = 0;
        bool voorPunt = true, gevonden = false;
        std::size_t i = 0;
        for (; i < tekst.size() && tekst[i] != 'e'; ++i) {
            const char ch = tekst[i];
            if (ch == '.') {
                voorPunt = false;
            } else if (gevonden) {
                if (voorPunt)
                    ++mag;
            } else if (ch != '0') {
                gevonden = true;
                if (voorPunt)
                    mag = 1;
            } else if (!voorPunt) {
                --mag;
            }
        }
        if (!gevonden)
            return LONG_MIN;
        long exp = 0;
        bool neg = false;
        if (i < tekst.size()) {
            ++i;
            if (tekst[i] == '+' || tekst[i] == '-')
                neg = tekst[i++] == '-';
            for (; i < tekst.size(); ++i)
                exp = std::min(exp * 10 + (tekst[i] - '0'), 100000000L);
        }
        return mag + (neg ? -exp : exp);
    }

    std::string& f_;
    int modus_;
    double c_;
    std::size_t pos_ = 0;
    int open_ = 0;
    bool naProduct_ = false;
    std::vector<Item> postfix_;
    std::vector<Operator> stapel_;
};

// Evaluates the postfix list; 0 or an error code.
int Bereken(const std::vector<Item>& postfix, double& resultaat)
{
    std::vector<double> stapel;
    for (const Item& it : postfix) {
        if (it.code == Getal) {
            if (stapel.size() >= MaxWaarden)
                return FormuleTeLang;
            stapel.push_back(it.waarde);
            continue;
        }
        if (it.code == Haakje || it.code == SluitHaakje)
            return FormuleOnleesbaar;
        if (stapel.size() < 2)
            return FormuleGeenEnkeleWaarde;
        const double b = stapel.back();
        stapel.pop_back();
        const double a = stapel.back();
        double r = 0;
        switch (it.code) {
        case Min: r = a - b; break;
        case Plus: r = a + b; break;
        case Maal: r = a * b; break;
        case Deel:
            if (b == 0)
                return FormuleDelingDoorNul;
            r = a / b;
            break;
        case Macht:
            if ((a < 0 && b != std::floor(b)) || (a == 0 && b < 0))
                return FormuleOngeldigeMacht;
            r = std::pow(a, b);
            break;
        default: return FormuleOnleesbaar;
        }
        if (!std::isfinite(r))
            return FormuleOverloop;
        stapel.back() = r;
    }
    if (stapel.size() != 1)
        return FormuleGeenEnkeleWaarde;
    if (!std::isfinite(stapel[0]))
        return FormuleOverloop;  // a variable value without a finite value
    resultaat = stapel[0];
    return FormuleGoed;
}

}  // namespace

void FormuleBerekenen(std::string& formule, double& resultaat, int& positie, int& foutcode, int modus, double c)
{
    Lezer lezer(formule, modus, c);
    if (!lezer.Lees()) {
        foutcode = lezer.foutcode;
        positie = lezer.positie;
        return;
    }
    foutcode = Bereken(lezer.Postfix(), resultaat);
    positie = foutcode == FormuleGoed ? static_cast<int>(formule.size()) + 1 : 1;
}

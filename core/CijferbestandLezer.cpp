#include "core/CijferbestandLezer.h"

#include "core/Bestand.h"
#include "core/Fout.h"
#include "core/Getallen.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <new>

// ---------------------------------------------------------------- Regellezer

bool Regellezer::kopLengtes(std::size_t a, std::size_t b, std::size_t c, std::size_t d) const
{
    return regels_.size() >= 4 && regels_[0].lengte == a && regels_[1].lengte == b && regels_[2].lengte == c &&
           regels_[3].lengte == d;
}

std::string_view Regellezer::regel()
{
    if (einde())
        fout(FoutVoorbijEinde);
    return Regel(i_++);
}

void Regellezer::overslaan(std::size_t n)
{
    while (n-- > 0)
        regel();
}

void Regellezer::fout(int code) const
{
    std::string t = Fouttekst(code);
    if (code != FoutVerkeerdBestand && code != FoutVoorbijEinde)
        t += " (regel " + std::to_string(i_) + ")";
    throw Bestandsfout(code, t + ": " + pad_);
}

namespace {

// True for a number too large for a double ("1E400"), which the parse does
// not give as a value. Locale-free, unlike strtod.
bool BuitenBereik(std::string_view t)
{
    std::string kaal;
    for (char c : t) {
        if (c == ' ' || c == '\t' || c == '\n')
            continue;
        if (c == 'D' || c == 'd')
            c = 'E';
        if (std::string_view("0123456789+-.Ee").find(c) == std::string_view::npos)
            return false;
        kaal += c;
    }
    std::string_view k = kaal;
    if (!k.empty() && k[0] == '+')
        k.remove_prefix(1);
    double x = 0;
    const auto [eind, fout] = std::from_chars(k.data(), k.data() + k.size(), x);
    if (eind != k.data() + k.size() || fout != std::errc::result_out_of_range)
        return false;
    // Out of range either way: too large when the first significant digit
    // stands at a positive power of ten.
    const auto e = k.find_first_of("Ee");
    const auto mantisse = k.substr(0, e);
    const auto punt = std::min(mantisse.find('.'), mantisse.size());
    const auto eerste = mantisse.find_first_of("123456789");
    long macht = eerste < punt ? static_cast<long>(punt - eerste) - 1 : -static_cast<long>(eerste - punt);
    if (e != std::string_view::npos) {
        auto exp = k.substr(e + 1);
        const bool min = !exp.empty() && exp[0] == '-';
        if (!exp.empty() && (exp[0] == '-' || exp[0] == '+'))
            exp.remove_prefix(1);
        long w = 0;
        for (char c : exp)
            w = std::min(w * 10 + (c - '0'), 100000L);
        macht += min ? -w : w;
    }
    return macht > 0;
}

}  // namespace

double Regellezer::getalUit(std::string_view tekst) const
{
    // Read in place where no comma needs to become a point; the value is
    // TekstNaarGetal's either way.
    if (getallen == Getallen::Leidend && tekst.find(',') == std::string_view::npos) {
        const double x = LeidendGetal(tekst);
        if (x == 0 && BuitenBereik(tekst))
            return GeenWaarde;
        return x;
    }
    std::string t(tekst);
    if (getallen == Getallen::Leidend) {
        const double x = TekstNaarGetal(t);
        // A number beyond the range of a double reads as 0 there; in a file
        // it is no value.
        if (x == 0 && BuitenBereik(t))
            return GeenWaarde;
        return x;
    }
    std::replace(t.begin(), t.end(), ',', '.');
    std::size_t gelezen = 0;
    const double x = LeidendGetal(t, &gelezen);
    const bool geheel = gelezen > 0 && gelezen == t.size();
    if (geheel && x != 0 && std::isfinite(x))
        return x;
    if (BuitenBereik(t))
        return GeenWaarde;
    if (!geheel)
        fout(FoutTypeOngeldig);
    return std::isfinite(x) ? x : GeenWaarde;
}

int Regellezer::geheelUit(double x) const
{
    const double r = std::nearbyint(x);
    if (!(r >= -32768 && r <= 32767))
        fout(FoutOverloop);
    return static_cast<int>(r);
}

double Regellezer::getal()
{
    return getalUit(regel());
}

int Regellezer::geheel()
{
    return geheelUit(getal());
}

std::vector<int> Regellezer::gehelen(std::size_t aantal)
{
    const std::string_view t = regel();
    std::vector<int> w;
    std::size_t i = 0;
    const bool leidend = getallen == Getallen::Leidend;
    while (i < t.size() && (!leidend || w.size() < aantal)) {
        if (t[i] == ' ' || t[i] == ',' || t[i] == '\t') {
            ++i;
            continue;
        }
        const auto j = t.find_first_of(" ,\t", i);
        const auto stuk = t.substr(i, j == std::string_view::npos ? std::string_view::npos : j - i);
        w.push_back(geheelUit(getalUit(stuk)));
        i += stuk.size();
    }
    if (leidend)
        w.resize(aantal, 0);  // an item that is not there reads as 0
    else if (w.size() != aantal)
        fout(FoutTypeOngeldig);
    return w;
}

// ---------------------------------------------------------------- loading

void CijferbestandInlezen(AdmMain& adm, const std::string& pad, void (*lees)(AdmMain&, Regellezer&),
                          Laadherstel herstel)
{
    try {
        std::string inhoud = LeesInhoud(pad);
        StuurtekensInRegelsBlanco(inhoud);
        std::vector<Regelplaats> regels;
        RegelsVan(inhoud, regels, pad, MaxRegel);
        AdmMain nieuw = adm;  // keeps folders, dialog state and DocentCode
        NieuwCijferbestand(nieuw);
        Regellezer r(inhoud, regels, pad);
        lees(nieuw, r);
        if (herstel)
            herstel(nieuw);
        adm = std::move(nieuw);
    } catch (const std::bad_alloc&) {
        NieuwCijferbestand(adm);
        throw Foutbij(FoutGeenGeheugen, pad);
    } catch (...) {
        NieuwCijferbestand(adm);
        throw;
    }
}

// ---------------------------------------------------------------- range checks

void RapportOptiesControleren(AdmMain& a)
{
    constexpr std::array<int, 5> nieuw{0, 1, 1, 1, 3};
    for (int k = 1; k <= 4; ++k)
        if (a.RapportOptie[k] < 1 || a.RapportOptie[k] > 3)
            a.RapportOptie[k] = nieuw[k];
    // A calculation method outside 1..4 computes nothing, as method 1 (typed
    // by hand) does: read as 1, so no grade change overwrites typed reports.
    if (a.RapportOptie[5] < 1 || a.RapportOptie[5] > 4)
        a.RapportOptie[5] = 1;
}

int AantalControleren(int n)
{
    return n >= 0 && n <= AantalLeerlingen ? n : 0;
}

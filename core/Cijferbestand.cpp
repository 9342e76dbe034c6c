#include "core/Cijferbestand.h"

#include "core/Bestand.h"
#include "core/CijferbestandLezer.h"
#include "core/Fout.h"
#include "core/Getallen.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <new>

namespace {

// ---------------------------------------------------------------- writing

class Schrijver {
public:
    Schrijver() { s_.reserve(160000); }

    // A text on its own line. Line ends, NUL bytes and overlong texts would
    // make the file unreadable, so they never reach it.
    void tekst(std::string_view t)
    {
        t = t.substr(0, MaxRegel);
        const auto begin = s_.size();
        s_ += t;
        for (auto i = begin; i < s_.size(); ++i)
            if (s_[i] == '\r' || s_[i] == '\n' || s_[i] == '\0')
                s_[i] = ' ';
        s_ += "\r\n";
    }
    void getal(double x)
    {
        s_ += GetalNaarTekst(x);  // never inf or nan: those give "-1"
        s_ += "\r\n";
    }
    void schermregel(std::initializer_list<int> waarden)
    {
        for (int w : waarden) {
            s_ += GetalNaarTekst(w);
            s_ += ' ';
        }
        s_ += "\r\n";
    }
    std::string klaar() { return std::move(s_); }

private:
    std::string s_;
};

// ---------------------------------------------------------------- reading

void LeesVersie2(AdmMain& a, Regellezer& r)
{
    r.getallen = Regellezer::Getallen::Leidend;
    if (!r.kopLengtes(30, 9, 6, 6))
        r.fout(FoutVerkeerdBestand, "Bad file mode");

    a.School = r.regel();
    a.Cursus = r.regel();
    a.Klas = r.regel();
    a.Vak = r.regel();
    a.Deelvak = r.regel();
    a.NiveauNaam(1) = r.regel();
    a.NiveauNaam(2) = r.regel();
    a.Docent = r.regel();
    a.DocentPersNr = r.regel();
    a.KlasMentor = r.regel();
    a.MentorPersNr = r.regel();

    for (int p = 1; p <= AantalLeerlingen; ++p) {
        a.Achternaam(p) = r.regel();
        a.Roepnaam(p) = r.regel();
        a.Adres(p) = r.regel();
        a.Postcode(p) = r.regel();
        a.Woonplaats(p) = r.regel();
        a.Telefoon(p) = r.regel();
        a.LeerlingPersNr(p) = r.regel();
        a.Geslacht(p) = r.regel();
        a.Basisgroep(p) = r.regel();
        a.Kenmerk(p) = r.regel();
        a.Mentor(p) = r.regel();
        r.overslaan(3);
        for (int c = 1; c <= AantalKolommen; ++c)
            for (int l = 1; l <= 2; ++l)
                a.Cijfer(p, c, l) = r.regel();
        for (int k = 1; k <= 4; ++k) {
            a.RapportTxt(p, k, 1) = r.regel();
            a.RapportTxt(p, k, 2) = r.regel();
            a.Rapport(p, k, 1) = r.getal();
            a.Rapport(p, k, 2) = r.getal();
        }
    }

    const auto s = r.gehelen(8);
    a.Scherm = s[0];
    a.HuidigeRij = s[1];
    a.HuidigeKolom = s[2];
    a.EersteKolom = s[3];
    a.LaatsteKolom = s[4];
    a.EersteRij = s[5];
    a.LaatsteRij = s[6];
    a.Niveau = s[7];
    SchermstandControleren(a);
    if (r.einde())
        return;

    for (int l = 1; l <= 2; ++l) {
        for (int c = 1; c <= AantalKolommen; ++c) {
            a.KolomSoort(c, l) = r.regel();
            a.KolomDatum(c, l) = r.regel();
            a.KolomOpmerking(c, l) = r.regel();
            a.KolomGewicht(c, l) = r.regel();
            a.GewichtWaarde(c, l) = r.getal();
            a.KlGemTxt(c, l) = r.regel();
            a.KlGem(c, l) = r.getal();
            a.KlAantal(c, l) = AantalControleren(r.geheel());
            a.KlSprTxt(c, l) = r.regel();
            a.KlSpr(c, l) = r.getal();
        }
        for (int t = 1; t <= 3; ++t) {
            a.TrimGewichtTekst(t, l) = r.regel();
            a.TrimesterWeging(t, l) = r.getal();
        }
        for (int p = 1; p <= AantalLeerlingen; ++p) {
            for (int t = 1; t <= 3; ++t) {
                a.TrGemTxt(p, t, l) = r.regel();
                a.TrGem(p, t, l) = r.getal();
                a.SomGewicht(p, t, l) = r.getal();
            }
            a.JrGemTxt(p, l) = r.regel();
            a.JrGem(p, l) = r.getal();
            a.SomGewichtJaar(p, l) = r.getal();
            a.EindGemTxt(p, l) = r.regel();
            a.EindGem(p, l) = r.getal();
        }
        for (int t = 1; t <= 3; ++t) {
            a.KlTrGemTxt(t, l) = r.regel();
            a.KlTrGem(t, l) = r.getal();
            a.KlTrAantal(t, l) = AantalControleren(r.geheel());
            a.KlTrSprTxt(t, l) = r.regel();
            a.KlTrSpr(t, l) = r.getal();
        }
        a.KlJrGemTxt(l) = r.regel();
        a.KlJrGem(l) = r.getal();
        a.KlJrAantal(l) = AantalControleren(r.geheel());
        a.KlJrSprTxt(l) = r.regel();
        a.KlJrSpr(l) = r.getal();
    }

    for (int k = 1; k <= 5; ++k)
        a.RapportOptie[k] = r.geheel();
    RapportOptiesControleren(a);
    a.RapportOptieNieuw = a.RapportOptie;
    if (r.einde())
        return;

    for (auto& f : a.Omrekenformule)
        f = r.regel();
}

}  // namespace

// ---------------------------------------------------------------- Regellezer

bool Regellezer::kopLengtes(std::size_t a, std::size_t b, std::size_t c, std::size_t d) const
{
    return regels_.size() >= 4 && regels_[0].size() == a && regels_[1].size() == b && regels_[2].size() == c &&
           regels_[3].size() == d;
}

const std::string& Regellezer::regel()
{
    if (einde())
        fout(FoutVoorbijEinde, "Input past end of file");
    return regels_[i_++];
}

void Regellezer::overslaan(std::size_t n)
{
    while (n-- > 0)
        regel();
}

void Regellezer::fout(int code, const char* omschrijving) const
{
    std::string t = omschrijving;
    if (code != FoutVerkeerdBestand && code != FoutVoorbijEinde)
        t += " (line " + std::to_string(i_) + ")";
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
        fout(FoutTypeOngeldig, "Type mismatch");
    return std::isfinite(x) ? x : GeenWaarde;
}

int Regellezer::geheelUit(double x) const
{
    const double r = std::nearbyint(x);
    if (!(r >= -32768 && r <= 32767))
        fout(FoutOverloop, "Overflow");
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
    const std::string& t = regel();
    std::vector<int> w;
    std::size_t i = 0;
    const bool leidend = getallen == Getallen::Leidend;
    while (i < t.size() && (!leidend || w.size() < aantal)) {
        if (t[i] == ' ' || t[i] == ',' || t[i] == '\t') {
            ++i;
            continue;
        }
        const auto j = t.find_first_of(" ,\t", i);
        const auto stuk = std::string_view(t).substr(i, j == std::string::npos ? std::string::npos : j - i);
        w.push_back(geheelUit(getalUit(stuk)));
        i += stuk.size();
    }
    if (leidend)
        w.resize(aantal, 0);  // an item that is not there reads as 0
    else if (w.size() != aantal)
        fout(FoutTypeOngeldig, "Type mismatch");
    return w;
}

// ---------------------------------------------------------------- loading

void CijferbestandInlezen(AdmMain& adm, const std::string& pad, void (*lees)(AdmMain&, Regellezer&))
{
    try {
        const auto regels = LeesRegels(pad, MaxRegel);
        AdmMain nieuw = adm;  // keeps folders, dialog state and DocentCode
        NieuwCijferbestand(nieuw);
        Regellezer r(regels, pad);
        lees(nieuw, r);
        adm = std::move(nieuw);
    } catch (const std::bad_alloc&) {
        NieuwCijferbestand(adm);
        throw Bestandsfout(FoutGeenGeheugen, "Out of memory: " + pad);
    } catch (...) {
        NieuwCijferbestand(adm);
        throw;
    }
}

// ---------------------------------------------------------------- range checks

void SchermstandControleren(AdmMain& a)
{
    // The start-up state is view 6, rows 1-8, columns 1-8, pupil 1, column 1, level 1.
    if (a.Scherm < SchermTrimester1 || a.Scherm > SchermNamen)
        a.Scherm = SchermNamen;

    // The current pupil may lie outside the row window (the year overview
    // leaves it so); the views show it without a highlighted line.
    const bool rijen = a.EersteRij >= 1 && a.EersteRij <= AantalLeerlingen - 7 && a.LaatsteRij == a.EersteRij + 7;
    if (!rijen) {
        a.EersteRij = 1;
        a.LaatsteRij = 8;
    }
    if (a.HuidigeRij < 1 || a.HuidigeRij > AantalLeerlingen)
        a.HuidigeRij = a.EersteRij;

    // Eight columns within one term, in the term shown when a term sheet is.
    const bool termijnScherm = a.Scherm >= SchermTrimester1 && a.Scherm <= SchermTrimester3;
    const int termijn = a.EersteKolom >= 1 ? (a.EersteKolom - 1) / KolommenPerTrimester + 1 : 0;
    const int binnen = a.EersteKolom >= 1 ? (a.EersteKolom - 1) % KolommenPerTrimester : -1;
    const bool kolommen = termijn >= 1 && termijn <= 3 && binnen >= 0 && binnen <= KolommenPerTrimester - 8 &&
                          a.LaatsteKolom == a.EersteKolom + 7 && a.HuidigeKolom >= a.EersteKolom &&
                          a.HuidigeKolom <= a.LaatsteKolom && (!termijnScherm || termijn == a.Scherm);
    if (!kolommen) {
        // The term's first window, as a switch to that term gives; columns 1-8 otherwise.
        a.EersteKolom = AbsoluteKolom(termijnScherm ? a.Scherm : 1, 1);
        a.LaatsteKolom = a.EersteKolom + 7;
        a.HuidigeKolom = a.EersteKolom;
    }

    if (a.Niveau < 1 || a.Niveau > 2)
        a.Niveau = 1;
}

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

// ---------------------------------------------------------------- interface

std::string CijferbestandTekst(const AdmMain& a)
{
    Schrijver s;
    s.tekst(a.School);
    s.tekst(a.Cursus);
    // The reader requires 6 characters here; a file it would refuse is never written.
    s.tekst(Pas(a.Klas, 6));
    s.tekst(Pas(a.Vak, 6));
    s.tekst(a.Deelvak);
    s.tekst(a.NiveauNaam(1));
    s.tekst(a.NiveauNaam(2));
    s.tekst(a.Docent);
    s.tekst(a.DocentPersNr);
    s.tekst(a.KlasMentor);
    s.tekst(a.MentorPersNr);

    for (int p = 1; p <= AantalLeerlingen; ++p) {
        s.tekst(a.Achternaam(p));
        s.tekst(a.Roepnaam(p));
        s.tekst(a.Adres(p));
        s.tekst(a.Postcode(p));
        s.tekst(a.Woonplaats(p));
        s.tekst(a.Telefoon(p));
        s.tekst(a.LeerlingPersNr(p));
        s.tekst(a.Geslacht(p));
        s.tekst(a.Basisgroep(p));
        s.tekst(a.Kenmerk(p));
        s.tekst(a.Mentor(p));
        for (int i = 0; i < 3; ++i)
            s.tekst("   ");
        for (int c = 1; c <= AantalKolommen; ++c)
            for (int l = 1; l <= 2; ++l)
                s.tekst(a.Cijfer(p, c, l));
        for (int k = 1; k <= 4; ++k) {
            s.tekst(a.RapportTxt(p, k, 1));
            s.tekst(a.RapportTxt(p, k, 2));
            s.getal(a.Rapport(p, k, 1));
            s.getal(a.Rapport(p, k, 2));
        }
    }

    s.schermregel({a.Scherm, a.HuidigeRij, a.HuidigeKolom, a.EersteKolom, a.LaatsteKolom, a.EersteRij,
                   a.LaatsteRij, a.Niveau});

    for (int l = 1; l <= 2; ++l) {
        for (int c = 1; c <= AantalKolommen; ++c) {
            s.tekst(a.KolomSoort(c, l));
            s.tekst(a.KolomDatum(c, l));
            s.tekst(a.KolomOpmerking(c, l));
            s.tekst(a.KolomGewicht(c, l));
            s.getal(a.GewichtWaarde(c, l));
            s.tekst(a.KlGemTxt(c, l));
            s.getal(a.KlGem(c, l));
            s.getal(a.KlAantal(c, l));
            s.tekst(a.KlSprTxt(c, l));
            s.getal(a.KlSpr(c, l));
        }
        for (int t = 1; t <= 3; ++t) {
            s.tekst(a.TrimGewichtTekst(t, l));
            s.getal(a.TrimesterWeging(t, l));
        }
        for (int p = 1; p <= AantalLeerlingen; ++p) {
            for (int t = 1; t <= 3; ++t) {
                s.tekst(a.TrGemTxt(p, t, l));
                s.getal(a.TrGem(p, t, l));
                s.getal(a.SomGewicht(p, t, l));
            }
            s.tekst(a.JrGemTxt(p, l));
            s.getal(a.JrGem(p, l));
            s.getal(a.SomGewichtJaar(p, l));
            s.tekst(a.EindGemTxt(p, l));
            s.getal(a.EindGem(p, l));
        }
        for (int t = 1; t <= 3; ++t) {
            s.tekst(a.KlTrGemTxt(t, l));
            s.getal(a.KlTrGem(t, l));
            s.getal(a.KlTrAantal(t, l));
            s.tekst(a.KlTrSprTxt(t, l));
            s.getal(a.KlTrSpr(t, l));
        }
        s.tekst(a.KlJrGemTxt(l));
        s.getal(a.KlJrGem(l));
        s.getal(a.KlJrAantal(l));
        s.tekst(a.KlJrSprTxt(l));
        s.getal(a.KlJrSpr(l));
    }

    for (int k = 1; k <= 5; ++k)
        s.getal(a.RapportOptie[k]);
    for (const auto& f : a.Omrekenformule)
        s.tekst(f);
    return s.klaar();
}

void CijferbestandOpslaan(AdmMain& adm, const std::string& pad)
{
    SchrijfBestandVeilig(pad, CijferbestandTekst(adm));
    adm.Gewijzigd = 0;
}

void CijferbestandLaden(AdmMain& adm, const std::string& pad)
{
    CijferbestandInlezen(adm, pad, LeesVersie2);
}

int CijferbestandVersie(const std::string& pad)
{
    // Only the first four lines count, so a large or binary file costs nothing;
    // a folder or a pipe is never opened.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(pad, ec))
        return 0;
    std::ifstream in(pad, std::ios::binary);
    if (!in)
        return 0;
    std::size_t som = 0;
    for (int n = 0; n < 4; ++n) {
        std::string regel;
        char c;
        bool einde = true;
        while (in.get(c)) {
            if (c == '\n') {
                einde = false;
                break;
            }
            if (c == '\0' || regel.size() > MaxRegel)
                return 0;
            regel += c;
        }
        if (einde && (regel.empty() || n < 3))
            return 0;  // fewer than four lines
        if (!regel.empty() && regel.back() == '\r')
            regel.pop_back();
        som += regel.size();
    }
    return som == 51 ? 2 : som == 47 ? 1 : 0;
}

void CijferbestandOpenen(AdmMain& adm, const std::string& pad)
{
    switch (CijferbestandVersie(pad)) {
    case 2:
        CijferbestandLaden(adm, pad);
        break;
    case 1:
        OudCijferbestandLaden(adm, pad);
        break;
    default:
        NieuwCijferbestand(adm);
        throw Bestandsfout(FoutVerkeerdBestand, "Bad file mode: " + pad);
    }
}

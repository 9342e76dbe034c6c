#include "reports/Rapportberekening.h"

#include "core/Getallen.h"
#include "core/Statistiek.h"

#include <array>
#include <cmath>
#include <span>

namespace {

// Term-weighted mean of terms 1..n. Every term of the range needs a typed
// weight (-1 takes the report away); weight 0 or no average leaves a term out.
double TermijnGewogen(const AdmMain& a, int p, int n, int l)
{
    double w = 0, s = 0;
    for (int t = 1; t <= n; ++t) {
        const double tw = a.TrimesterWeging(t, l);
        if (tw <= -1) {
            w = 0;
            break;
        }
        const double gem = a.TrGem(p, t, l);
        if (tw <= 0 || gem <= -1)
            continue;
        w += tw;
        s += tw * gem;
    }
    return w == 0 ? GeenWaarde : s / w;
}

// Mean of every weighted grade of terms 1..n by its column weight: the term
// averages weighted by the pupil's weight sums. A term report needs a
// weighted grade in its own term.
double CijferGewogen(const AdmMain& a, int p, int k, int n, int l)
{
    if (k != 4 && a.SomGewicht(p, n, l) <= 0)
        return GeenWaarde;
    double w = 0, s = 0;
    for (int t = 1; t <= n; ++t) {
        const double sw = a.SomGewicht(p, t, l);
        w += sw;
        s += sw * a.TrGem(p, t, l);
    }
    return w == 0 ? GeenWaarde : s / w;
}

void RapportZetten(AdmMain& a, int p, int k, int l, double v)
{
    // Weights from a damaged file could overflow; no infinity is stored.
    if (!std::isfinite(v))
        v = GeenWaarde;
    a.Rapport(p, k, l) = v;
    a.RapportTxt(p, k, l) = RondAf(v, a.RapportOptie[k]);
}

void RapportenHerberekenen(AdmMain& a, int k)
{
    for (int p = 1; p <= AantalLeerlingen; ++p)
        for (int l = 1; l <= 2; ++l)
            BerekenRapportcijfer(a, p, k, l);
    Rapportgemiddelde(a, k);
}

// The plain decimal text of x without a leading blank: 15 significant
// digits, no zero before the point.
std::string PlatteTekst(double x)
{
    // Only the nudge of a report 0 under a code outside 1..3 gets below
    // 0.0001; it shows as the 0 it is.
    if (std::fabs(x) < 0.0001)
        return "0";
    std::string t = GetalNaarTekst(x);
    if (!t.empty() && t[0] == ' ')
        t.erase(0, 1);
    return t;
}

// A report statistic's texts: the grade text, rounded to tenths.
std::string Rapporttekst(double x) { return CijferNaarTekst(x); }

// The values above -1 of pupils 1..36, in pupil order.
template <class Waarde>
std::span<const double> Gegeven(std::array<double, AantalLeerlingen>& v, Waarde waarde)
{
    std::size_t n = 0;
    for (int p = 1; p <= AantalLeerlingen; ++p)
        if (const double x = waarde(p); x > -1)
            v[n++] = x;
    return {v.data(), n};
}

}  // namespace

std::string RondAf(double waarde, int afrondcode)
{
    if (waarde == GeenWaarde)
        return "   ";
    double x = waarde + 0.0000001;
    switch (afrondcode) {
    case 1:
        x = std::floor(x * 10 + 0.5) * 0.1;
        break;
    case 2:
        x = std::floor(x + x + 0.5) * 0.5;
        break;
    case 3:
        x = std::floor(x + 0.5);
        break;
    default:
        break;
    }
    // A value of at most one decimal from 1 up to 100 (every rounded report)
    // written at once: when x * 10 lies this close to a whole number k, the
    // 15-digit form of x is k / 10, and the text its first three characters.
    if (x >= 1 && x < 100) {
        const double t = x * 10;
        const double k = std::floor(t + 0.5);
        if (std::fabs(t - k) < (x < 10 ? 4e-14 : 4e-13)) {
            const int n = static_cast<int>(k);
            char tekst[3];
            if (n < 100) {
                tekst[0] = static_cast<char>('0' + n / 10);
                tekst[1] = n % 10 ? '.' : ' ';
                tekst[2] = n % 10 ? static_cast<char>('0' + n % 10) : ' ';
            } else {
                tekst[0] = static_cast<char>('0' + n / 100);
                tekst[1] = static_cast<char>('0' + n / 10 % 10);
                tekst[2] = n % 10 ? '.' : ' ';
            }
            return std::string(tekst, 3);
        }
    }
    return Pas(PlatteTekst(x), 3);
}

void BerekenRapportcijfer(AdmMain& a, int p, int k, int l)
{
    const int n = k == 4 ? 3 : k;
    (void)a.Rapport(p, k, l);  // bounds of p, k and l, also under method 1
    switch (a.RapportOptie[5]) {
    case 2:
        if (k == 4) {
            RapportZetten(a, p, k, l, TermijnGewogen(a, p, 3, l));
        } else {
            a.Rapport(p, k, l) = a.TrGem(p, k, l);
            a.RapportTxt(p, k, l) = RondAf(a.TrGem(p, k, l), a.RapportOptie[k]);
        }
        break;
    case 3:
        RapportZetten(a, p, k, l, TermijnGewogen(a, p, n, l));
        break;
    case 4:
        RapportZetten(a, p, k, l, CijferGewogen(a, p, k, n, l));
        break;
    default:
        break;
    }
}

void RapportenVanaf(AdmMain& a, int p, int t, int l)
{
    for (int r = t; r <= 3; ++r)
        BerekenRapportcijfer(a, p, r, l);
    BerekenRapportcijfer(a, p, 4, l);
}

void JaarGemiddeldeBerekenen(AdmMain& a, int p, int l)
{
    double w = 0, s = 0;
    for (int t = 1; t <= 3; ++t) {
        const double tw = a.TrimesterWeging(t, l), gem = a.TrGem(p, t, l);
        if (tw > 0 && gem > -1) {
            w += tw;
            s += gem * tw;
        }
    }
    const double e = w == 0 ? GeenWaarde : s / w;
    if (e == GeenWaarde || !std::isfinite(e)) {
        a.EindGem(p, l) = GeenWaarde;
        a.EindGemTxt(p, l) = "";
    } else {
        // The plain mode, like every other pupil average.
        a.EindGem(p, l) = e;
        a.EindGemTxt(p, l) = GemiddeldeNaarTekst(e, false);
    }
}

void Rapportgemiddelde(AdmMain& a, int k)
{
    for (int l = 1; l <= 2; ++l) {
        std::array<double, AantalLeerlingen> buffer;
        const auto v = Gegeven(buffer, [&](int p) { return a.Rapport(p, k, l); });
        MiddelEnSpreiding st;
        if (!v.empty()) {
            st.middel = ExacteStatistiek(v).middel;
            // The spread is taken around the mean as its text shows it:
            // rounded to tenths.
            double getoond = st.middel;
            CijferNaarTekst(getoond);
            st.spreiding = ExacteSpreidingRond(v, getoond);
        }
        StatistiekSchrijven<3>({nullptr, a.RpGem(k, l), a.RpGemTxt(k, l), a.RpSpr(k, l), a.RpSprTxt(k, l)},
                               static_cast<int>(v.size()), st, Rapporttekst);
    }
}

void BerekenJaarKlasgemiddelde(AdmMain& a, int l)
{
    std::array<double, AantalLeerlingen> buffer;
    const auto v = Gegeven(buffer, [&](int p) { return a.EindGem(p, l); });
    StatistiekSchrijven<4>({nullptr, a.KlEindGem(l), a.KlEindGemTxt(l), a.KlEindSpr(l), a.KlEindSprTxt(l)},
                           static_cast<int>(v.size()), v.empty() ? MiddelEnSpreiding{} : ExacteStatistiek(v));
}

void NiveauHerberekenen(AdmMain& a, int l)
{
    for (int k = 1; k <= 4; ++k) {
        for (int p = 1; p <= AantalLeerlingen; ++p)
            BerekenRapportcijfer(a, p, k, l);
        Rapportgemiddelde(a, k);
    }
    for (int p = 1; p <= AantalLeerlingen; ++p)
        JaarGemiddeldeBerekenen(a, p, l);
    BerekenJaarKlasgemiddelde(a, l);
}

namespace {

bool TrimGewichtVerwerken(AdmMain& a, std::string& tekst, int t, int l)
{
    auto& opgeslagen = a.TrimGewichtTekst(t, l);
    const Getalinvoer in = LeesGetalinvoer(tekst, 10, opgeslagen);
    if (in.herhaald)
        return false;
    if (in.leeg) {
        if (opgeslagen.leeg())
            return in.geweigerd;
        if (OpgeslagenWaarde(opgeslagen) == 0) {
            opgeslagen = "";
            return in.geweigerd;
        }
        // A cleared weight leaves the term out (0), it does not take the
        // report away as a never typed one (-1) does.
        opgeslagen = "";
        a.TrimesterWeging(t, l) = 0;
        NiveauHerberekenen(a, l);
        return in.geweigerd;
    }
    const double w = Opslagwaarde(tekst, in.waarde);
    if (opgeslagen.leeg()) {
        opgeslagen = tekst;
        if (w != 0) {
            a.TrimesterWeging(t, l) = w;
            NiveauHerberekenen(a, l);
        }
        return false;
    }
    if (HoudtWaarde(opgeslagen, w))
        return false;
    opgeslagen = tekst;
    a.TrimesterWeging(t, l) = w;
    NiveauHerberekenen(a, l);
    return false;
}

bool RapportcijferVerwerken(AdmMain& a, std::string& tekst, int p, int k, int l)
{
    auto& opgeslagen = a.RapportTxt(p, k, l);
    const Getalinvoer in = LeesGetalinvoer(tekst, 10, opgeslagen);
    if (in.herhaald)
        return false;
    if (in.leeg) {
        if (opgeslagen.leeg())
            return in.geweigerd;
        opgeslagen = "";
        a.Rapport(p, k, l) = GeenWaarde;
        Rapportgemiddelde(a, k);
        return in.geweigerd;
    }
    const double g = Opslagwaarde(tekst, in.waarde);
    // Compared with the stored text, not with Rapport: a computed report
    // keeps its exact value when its own text is typed again.
    if (HoudtWaarde(opgeslagen, g))
        return false;
    opgeslagen = tekst;
    a.Rapport(p, k, l) = g;
    Rapportgemiddelde(a, k);
    return false;
}

}  // namespace

Verwerking VerwerkTrimGewicht(AdmMain& a, std::string& tekst, int t, int l)
{
    const auto voor = a.TrimGewichtTekst(t, l);
    const double voorWaarde = a.TrimesterWeging(t, l);
    const bool geweigerd = TrimGewichtVerwerken(a, tekst, t, l);
    return {geweigerd, a.TrimGewichtTekst(t, l) != voor || a.TrimesterWeging(t, l) != voorWaarde};
}

Verwerking VerwerkRapportcijfer(AdmMain& a, std::string& tekst, int p, int k, int l)
{
    const auto voor = a.RapportTxt(p, k, l);
    const double voorWaarde = a.Rapport(p, k, l);
    const bool geweigerd = RapportcijferVerwerken(a, tekst, p, k, l);
    return {geweigerd, a.RapportTxt(p, k, l) != voor || a.Rapport(p, k, l) != voorWaarde};
}

void RapportHerstellen(AdmMain& a, int p, int k, int l)
{
    auto& tekst = a.RapportTxt(p, k, l);
    double& waarde = a.Rapport(p, k, l);
    if (tekst.leeg()) {
        waarde = GeenWaarde;
        return;
    }
    // Computed: the rounding codes may have changed since (under method 1
    // nothing is recomputed), and a code outside 1..3 leaves it unrounded.
    if (waarde >= 0 && waarde <= 200)
        for (int code = 1; code <= 4; ++code)
            if (tekst == RondAf(waarde, code))
                return;
    double getypt = 0;
    if (!Invoerbaar(tekst, 10, getypt)) {
        tekst = "";
        waarde = GeenWaarde;
        return;
    }
    waarde = getypt;
}

bool TrimGewichtHerstellen(AdmMain& a, int t, int l)
{
    auto& tekst = a.TrimGewichtTekst(t, l);
    double& weging = a.TrimesterWeging(t, l);
    double w = 0;
    if (!Invoerbaar(tekst, 10, w))
        tekst = "";
    const double oud = weging;
    if (w != 0)
        weging = w;
    else if (weging != GeenWaarde)
        weging = 0;  // never typed (-1) or left out (0); anything else was cleared
    return weging != oud;
}

void AfrondcodesToepassen(AdmMain& a)
{
    for (int k = 1; k <= 4; ++k) {
        a.RapportOptie[k] = a.RapportOptieNieuw[k];
        RapportenHerberekenen(a, k);
    }
}

void BerekeningsmethodeToepassen(AdmMain& a)
{
    a.RapportOptie[5] = a.RapportOptieNieuw[5];
    for (int k = 1; k <= 4; ++k)
        RapportenHerberekenen(a, k);
}

#include "termsheet/Cijferverwerking.h"

#include "core/Getallen.h"
#include "core/Statistiek.h"
#include "reports/Rapportberekening.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Every grade and weight the entry points store is a whole number of tenths
// (a grade from 0 to 200, a weight from 0.1 to 10). The running statistics
// are therefore kept as whole numbers: the stored mean and spread give back
// the count, the sum of the tenths and the sum of their squares exactly,
// the change is applied to those, and the new mean and spread are taken
// from them. That is the running update from the stored mean and spread,
// without the rounding errors it would otherwise pile up (the spread of a
// single remaining grade would come out as the root of a rounding error).
//
// Stored statistics that give back no such whole numbers, or give back
// impossible ones, do not fit the grades (a damaged or hand-edited file):
// that statistic is then taken afresh from the grades.

namespace {

using Geheel = std::int64_t;

constexpr double Speling = 0.01;  // how far a stored sum may lie from a whole number

bool NaarGeheel(double x, Geheel& n)
{
    if (!(std::fabs(x) < 1e15))  // also NaN
        return false;
    // The whole number nearest to x wherever x lies within Speling of one
    // (elsewhere x is refused whichever neighbour this gives).
    const double r = static_cast<double>(static_cast<Geheel>(x + (x < 0 ? -0.5 : 0.5)));
    if (std::fabs(x - r) > Speling)
        return false;
    n = static_cast<Geheel>(r);
    return true;
}

// A value as a whole number of tenths, when it is one within 0..200.
bool Tienden(double x, Geheel& n)
{
    return x >= 0 && x <= 200 && NaarGeheel(x * 10, n) && std::fabs(x * 10 - static_cast<double>(n)) < 1e-6;
}

double CelWaarde(const AdmMain& a, int p, int c, int l) { return OpgeslagenWaarde(a.Cijfer(p, c, l)); }

// A grade as the statistics read it: whether the cell holds one, its value,
// and its tenths when it is a whole number of them within 0..200.
struct Celwaarde {
    bool gevuld = false;
    bool tienden = false;
    double x = 0;
    Geheel x10 = 0;
};

Celwaarde Cel(double x)
{
    Celwaarde w;
    w.gevuld = true;
    w.x = x;
    w.tienden = Tienden(x, w.x10);
    return w;
}

Celwaarde LeesCel(const AdmMain& a, int p, int c, int l)
{
    return a.Cijfer(p, c, l).leeg() ? Celwaarde{} : Cel(CelWaarde(a, p, c, l));
}

// The weight with which the grades of a column count in the pupil averages,
// 0 for none. Only -1 (no weight) and 0.1..10 are ever stored; anything else
// comes from a damaged file and counts as no weight.
double Weging(const AdmMain& a, int c, int l)
{
    const double w = a.GewichtWaarde(c, l);
    return w > 0 && w <= 10 ? w : 0;
}

// ---- Column statistics ---------------------------------------------------

struct Kolomsom {
    Geheel n = 0, s1 = 0, s2 = 0;  // count, sum of tenths, sum of squared tenths
};

// Whether the sums can be those of k.n grades from 0 to 200.
bool KolomsomGeldig(const Kolomsom& k)
{
    if (k.n < 0 || k.n > AantalLeerlingen)
        return false;
    if (k.n == 0)
        return k.s1 == 0 && k.s2 == 0;
    // Every x within 0..200 has x^2 <= 200x, so the squares are bounded by the sum.
    const Geheel d = k.n * k.s2 - k.s1 * k.s1;  // n^2 * 100 * variance
    return k.s1 >= 0 && k.s1 <= 2000 * k.n && k.s2 <= 2000 * k.s1 && d >= 0 && (k.n > 1 || d == 0);
}

bool KolomsomLezen(const AdmMain& a, int c, int l, Kolomsom& k)
{
    const int n = a.KlAantal(c, l);
    if (n < 0 || n > AantalLeerlingen)
        return false;
    k = {};
    if (n == 0)
        return true;
    const double m = a.KlGem(c, l), s = a.KlSpr(c, l);
    if (!(m >= 0 && m <= 200 && s >= 0 && s <= 200))
        return false;
    k.n = n;
    return NaarGeheel(10.0 * n * m, k.s1) && NaarGeheel(100.0 * n * (m * m + s * s), k.s2) && KolomsomGeldig(k);
}

Statistiekvelden<4> Kolomstatistiek(AdmMain& a, int c, int l)
{
    return {&a.KlAantal(c, l), a.KlGem(c, l), a.KlGemTxt(c, l), a.KlSpr(c, l), a.KlSprTxt(c, l)};
}

void KolomsomSchrijven(AdmMain& a, int c, int l, const Kolomsom& k)
{
    MiddelEnSpreiding st;
    if (k.n > 0) {
        st.middel = static_cast<double>(k.s1) / static_cast<double>(10 * k.n);
        st.spreiding = std::sqrt(static_cast<double>(k.n * k.s2 - k.s1 * k.s1)) / static_cast<double>(10 * k.n);
    }
    StatistiekSchrijven(Kolomstatistiek(a, c, l), static_cast<int>(k.n), st);
}

// The statistics of a column taken from its grades, each read by cel(p).
template <class Cellen>
void KolomOpnieuw(AdmMain& a, int c, int l, const Cellen& cel)
{
    Kolomsom k;
    bool tienden = true;
    std::array<double, AantalLeerlingen> v;
    int n = 0;
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        const Celwaarde w = cel(p);
        if (!w.gevuld)
            continue;
        tienden = tienden && w.tienden;
        k.n += 1;
        k.s1 += w.x10;
        k.s2 += w.x10 * w.x10;
        v[static_cast<std::size_t>(n++)] = w.x;
    }
    if (tienden) {
        KolomsomSchrijven(a, c, l, k);
        return;
    }
    // Values no entry stores (a damaged cell, so n > 0): exactly from the values.
    const auto st = ExacteStatistiek(std::span(v.data(), static_cast<std::size_t>(n)));
    StatistiekSchrijven(Kolomstatistiek(a, c, l), n, st);
}

void KolomOpnieuw(AdmMain& a, int c, int l)
{
    KolomOpnieuw(a, c, l, [&](int p) { return LeesCel(a, p, c, l); });
}

// A grade old (when `wasGevuld`) becomes x (when `wordtGevuld`) in column c.
// Cijfer(p, c, l) already holds the new text.
void KolomBijwerken(AdmMain& a, int c, int l, bool wasGevuld, double oud, bool wordtGevuld, double x)
{
    Kolomsom k;
    Geheel o10 = 0, x10 = 0;
    bool past = KolomsomLezen(a, c, l, k) && (!wasGevuld || Tienden(oud, o10)) && (!wordtGevuld || Tienden(x, x10));
    // The old grade must have been part of the sums before the new one goes in.
    if (past && wasGevuld) {
        k.n -= 1;
        k.s1 -= o10;
        k.s2 -= o10 * o10;
        past = KolomsomGeldig(k);
    }
    if (past && wordtGevuld) {
        k.n += 1;
        k.s1 += x10;
        k.s2 += x10 * x10;
        past = KolomsomGeldig(k);
    }
    if (past)
        KolomsomSchrijven(a, c, l, k);
    else
        KolomOpnieuw(a, c, l);
}

// ---- Pupil averages --------------------------------------------------------

struct Gewogen {
    Geheel w10 = 0;   // sum of the weights in tenths
    Geheel p100 = 0;  // sum of grade times weight in hundredths
};

bool GewogenLezen(double somGewicht, double gem, Gewogen& g)
{
    g = {};
    if (!(somGewicht >= 0 && somGewicht <= 480) || !NaarGeheel(somGewicht * 10, g.w10))
        return false;
    if (g.w10 == 0)
        return true;  // the first weighted grade sets the average, whatever was stored
    return gem >= 0 && gem <= 200 && NaarGeheel(100 * somGewicht * gem, g.p100);
}

// The average from its sums, GeenWaarde without weight; false when they are
// no sums of grades and weights.
bool GewogenWaarde(const Gewogen& g, double& gem)
{
    if (g.w10 < 0 || (g.w10 == 0 && g.p100 != 0) || g.p100 < 0 || g.p100 > 2000 * g.w10)
        return false;
    gem = g.w10 == 0 ? GeenWaarde : static_cast<double>(g.p100) / static_cast<double>(10 * g.w10);
    return true;
}

// A column's weight as the averages read it (0: none), with its tenths.
struct Kolomgewicht {
    double w = 0;
    bool tienden = false;
    Geheel w10 = 0;
};

Kolomgewicht Gewicht(const AdmMain& a, int c, int l)
{
    Kolomgewicht g;
    g.w = Weging(a, c, l);
    g.tienden = Tienden(g.w, g.w10);
    return g;
}

// Weight sum and average of the columns van..tot of one pupil, from the
// weights, each read by gewicht(c), and the grades, by cel(c).
template <class Gewichten, class Cellen>
void GewogenOpnieuw(int van, int tot, const Gewichten& gewicht, const Cellen& cel, double& somGewicht, double& gem)
{
    Gewogen g;
    bool tienden = true;
    double sw = 0, sgw = 0;
    for (int c = van; c <= tot; ++c) {
        const Kolomgewicht w = gewicht(c);
        if (w.w == 0)
            continue;
        const Celwaarde x = cel(c);
        if (!x.gevuld)
            continue;
        tienden = tienden && w.tienden && x.tienden;
        g.w10 += w.w10;
        g.p100 += w.w10 * x.x10;
        sw += w.w;
        sgw += w.w * x.x;
    }
    if (tienden && GewogenWaarde(g, gem)) {
        somGewicht = static_cast<double>(g.w10) / 10;
        return;
    }
    somGewicht = sw;
    gem = sw > 0 ? sgw / sw : GeenWaarde;
    if (!std::isfinite(gem)) {
        somGewicht = 0;
        gem = GeenWaarde;
    }
}

void GewogenOpnieuw(const AdmMain& a, int p, int van, int tot, int l, double& somGewicht, double& gem)
{
    GewogenOpnieuw(
        van, tot, [&](int c) { return Gewicht(a, c, l); }, [&](int c) { return LeesCel(a, p, c, l); }, somGewicht,
        gem);
}

// One weighted average of a pupil (a term or the year) whose part of grade
// x changes from weight wOud to weight wNieuw (0: the grade does not count
// there). Writes the weight sum and the text; returns the new average, which
// the class statistics store. van..tot are the columns it covers.
double GewogenBijwerken(AdmMain& a, double& somGewicht, Tekst<4>& tekst, double gem, int p, int van, int tot,
                        int l, double oud, double wOud, double x, double wNieuw)
{
    Gewogen g;
    Geheel wo10 = 0, wn10 = 0, o10 = 0, x10 = 0;
    double nieuw = GeenWaarde;
    bool past = GewogenLezen(somGewicht, gem, g) && (wOud == 0 || (Tienden(wOud, wo10) && Tienden(oud, o10))) &&
                (wNieuw == 0 || (Tienden(wNieuw, wn10) && Tienden(x, x10)));
    // The old part must have been in the sums before the new one goes in.
    if (past) {
        g.w10 -= wo10;
        g.p100 -= wo10 * o10;
        past = GewogenWaarde(g, nieuw);
    }
    if (past) {
        g.w10 += wn10;
        g.p100 += wn10 * x10;
        past = GewogenWaarde(g, nieuw);
        if (past)
            somGewicht = static_cast<double>(g.w10) / 10;
    }
    if (!past)
        GewogenOpnieuw(a, p, van, tot, l, somGewicht, nieuw);
    tekst = nieuw == GeenWaarde ? std::string() : GemiddeldeNaarTekst(nieuw, false);
    return nieuw;
}

// ---- Class statistics of the term and year averages -------------------------

// One class statistic: where pupil 1's average is (the others follow at
// distance stap) and where its count, mean, spread and texts go.
struct Klasreeks {
    const double* gem;
    std::size_t stap;
    int& aantal;
    double& m;
    Tekst<4>& mTxt;
    double& s;
    Tekst<4>& sTxt;
};

// Mean and spread of the pupils' averages that have a value. A stored mean
// and spread alone cannot carry this without error (two equal averages would
// get the root of a rounding error as spread), so they are taken over the 36
// stored averages, exactly, so that the pupils' order does not matter; no
// grade is read.
void Klasstatistiek(const Klasreeks& r)
{
    std::array<double, AantalLeerlingen> v;
    std::size_t n = 0;
    for (std::size_t p = 0; p < AantalLeerlingen; ++p) {
        const double x = r.gem[p * r.stap];
        if (x != GeenWaarde)
            v[n++] = x;
    }
    StatistiekSchrijven<4>({&r.aantal, r.m, r.mTxt, r.s, r.sTxt}, static_cast<int>(n),
                           n > 0 ? ExacteStatistiek(std::span(v.data(), n)) : MiddelEnSpreiding{});
}

Klasreeks KlasTrGem(AdmMain& a, int t, int l)
{
    return {&a.TrGem(1, t, l), a.TrGem.stap, a.KlTrAantal(t, l), a.KlTrGem(t, l), a.KlTrGemTxt(t, l),
            a.KlTrSpr(t, l), a.KlTrSprTxt(t, l)};
}

Klasreeks KlasJrGem(AdmMain& a, int l)
{
    return {&a.JrGem(1, l), a.JrGem.stap, a.KlJrAantal(l), a.KlJrGem(l), a.KlJrGemTxt(l), a.KlJrSpr(l),
            a.KlJrSprTxt(l)};
}

// Stores a pupil's new term average; the class statistics follow when it
// really changed. Returns whether it did.
bool TrGemZetten(AdmMain& a, double nieuw, int p, int t, int l)
{
    if (a.TrGem(p, t, l) == nieuw)
        return false;
    a.TrGem(p, t, l) = nieuw;
    return true;
}

bool JrGemZetten(AdmMain& a, double nieuw, int p, int l)
{
    if (a.JrGem(p, l) == nieuw)
        return false;
    a.JrGem(p, l) = nieuw;
    return true;
}

// ---- Shared steps ------------------------------------------------------------

// The caller names the term it works in (the sheet's, a column window's);
// a term that does not hold the column is the caller's error.
void TermijnControleren(int c, int t)
{
    if (c < 1 || c > AantalKolommen || t != TrimesterVan(c))
        throw std::out_of_range("column " + std::to_string(c) + " is not in term " + std::to_string(t));
}

// A grade of pupil p counts in its term and year with weight w instead of
// wOud (or grade x instead of oud): both averages, then the reports from the
// term on, the end report and the end average. Returns which class
// statistics need renewing: bit 1 the term's, bit 2 the year's.
int LeerlingBijwerken(AdmMain& a, int p, int t, int l, double oud, double wOud, double x, double wNieuw)
{
    int gewijzigd = 0;
    if (wOud != 0 || wNieuw != 0) {
        const double tr = GewogenBijwerken(a, a.SomGewicht(p, t, l), a.TrGemTxt(p, t, l), a.TrGem(p, t, l), p,
                                           AbsoluteKolom(t, 1), AbsoluteKolom(t, KolommenPerTrimester), l, oud,
                                           wOud, x, wNieuw);
        const double jr = GewogenBijwerken(a, a.SomGewichtJaar(p, l), a.JrGemTxt(p, l), a.JrGem(p, l), p, 1,
                                           AantalKolommen, l, oud, wOud, x, wNieuw);
        if (TrGemZetten(a, tr, p, t, l))
            gewijzigd |= 1;
        if (JrGemZetten(a, jr, p, l))
            gewijzigd |= 2;
    }
    RapportenVanaf(a, p, t, l);
    JaarGemiddeldeBerekenen(a, p, l);
    return gewijzigd;
}

void KlasBijwerken(AdmMain& a, int gewijzigd, int t, int l)
{
    if (gewijzigd & 1)
        Klasstatistiek(KlasTrGem(a, t, l));
    if (gewijzigd & 2)
        Klasstatistiek(KlasJrGem(a, l));
}

bool CijferVerwerken(AdmMain& a, std::string& tekst, int p, int c, int t, int l)
{
    TermijnControleren(c, t);
    auto& cel = a.Cijfer(p, c, l);
    const Getalinvoer in = LeesGetalinvoer(tekst, 200, cel);
    if (in.herhaald)
        return false;
    const bool wasGevuld = !cel.leeg();
    double oud = 0, x = 0;
    if (in.leeg) {
        if (!wasGevuld)
            return in.geweigerd;
        oud = CelWaarde(a, p, c, l);
    } else {
        if (wasGevuld) {
            oud = CelWaarde(a, p, c, l);
            if (in.waarde == oud)
                return false;
        }
        x = Opslagwaarde(tekst, in.waarde);
    }
    const bool wordtGevuld = !in.leeg;
    cel = tekst;
    KolomBijwerken(a, c, l, wasGevuld, oud, wordtGevuld, x);
    const double w = Weging(a, c, l);
    const int klas = LeerlingBijwerken(a, p, t, l, oud, wasGevuld ? w : 0, x, wordtGevuld ? w : 0);
    KlasBijwerken(a, klas, t, l);
    return in.geweigerd;
}

bool GewichtVerwerken(AdmMain& a, std::string& tekst, int c, int t, int l)
{
    TermijnControleren(c, t);
    auto& gewicht = a.KolomGewicht(c, l);
    const Getalinvoer in = LeesGetalinvoer(tekst, 10, gewicht);
    if (in.herhaald)
        return false;
    if (in.leeg) {
        if (gewicht.leeg())
            return in.geweigerd;
        // A blank removes the weight (of a stored "0  ", which had none, only the text).
        gewicht = tekst;
    } else {
        if (HoudtWaarde(gewicht, Opslagwaarde(tekst, in.waarde)))
            return false;
        gewicht = tekst;
    }
    // The weight value follows the text: a weight 0 or none counts as none.
    const double wOud = Weging(a, c, l);
    const double nieuw = in.leeg ? 0 : TekstNaarGetal(tekst);
    a.GewichtWaarde(c, l) = nieuw == 0 ? GeenWaarde : nieuw;
    const double wNieuw = Weging(a, c, l);
    if (wNieuw == wOud)
        return in.geweigerd;
    int klas = 0;
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        if (a.Cijfer(p, c, l).leeg())
            continue;
        const double g = CelWaarde(a, p, c, l);
        klas |= LeerlingBijwerken(a, p, t, l, g, wOud, g, wNieuw);
    }
    KlasBijwerken(a, klas, t, l);
    return in.geweigerd;
}

}  // namespace

Verwerking VerwerkCijfer(AdmMain& a, std::string& tekst, int p, int c, int t, int l)
{
    const auto voor = a.Cijfer(p, c, l);
    const bool geweigerd = CijferVerwerken(a, tekst, p, c, t, l);
    return {geweigerd, a.Cijfer(p, c, l) != voor};
}

Verwerking VerwerkGewicht(AdmMain& a, std::string& tekst, int c, int t, int l)
{
    const auto voor = a.KolomGewicht(c, l);
    const double voorWaarde = a.GewichtWaarde(c, l);
    const bool geweigerd = GewichtVerwerken(a, tekst, c, t, l);
    return {geweigerd, a.KolomGewicht(c, l) != voor || a.GewichtWaarde(c, l) != voorWaarde};
}

// ---- A loaded file ---------------------------------------------------------------

namespace {

// A stored value against the one taken afresh: both none, or apart by no
// more than the last digits in which a file of an earlier version, which
// kept its statistics by running updates, may differ.
bool Past(double opgeslagen, double vers)
{
    if (opgeslagen == vers)
        return true;
    if (opgeslagen == GeenWaarde || vers == GeenWaarde)
        return false;
    return std::fabs(opgeslagen - vers) <= 1e-9 * std::max(1.0, std::fabs(vers));
}

// A spread by its square beside the mean m: a running update leaves the
// root of a rounding error where the spread is 0.
bool SpreidingPast(double opgeslagen, double vers, double m)
{
    if (opgeslagen == vers)
        return true;
    if (opgeslagen == GeenWaarde || vers == GeenWaarde || !(opgeslagen >= 0))
        return false;
    return std::fabs(opgeslagen * opgeslagen - vers * vers) <= 1e-10 * std::max(1.0, m * m + vers * vers);
}

// A stored text fits when it is the text of the value taken afresh, or of
// its own stored value (blank for none).
bool TekstPast(const Tekst<4>& tekst, double opgeslagen, const Tekst<4>& versTekst, double vers, bool tweeDecimalen)
{
    if (tekst == versTekst)
        return true;
    if (opgeslagen == vers)
        return false;
    return tekst == Tekst<4>(opgeslagen == GeenWaarde ? std::string() : GemiddeldeNaarTekst(opgeslagen, tweeDecimalen));
}

// A pupil's average as its text: blank for none.
Tekst<4> GemiddeldeTekst(double x) { return x == GeenWaarde ? std::string() : GemiddeldeNaarTekst(x, false); }

// The grades of one level, each read once.
class Niveaucellen {
public:
    Celwaarde& operator()(int p, int c) { return w_[Plaats(p, c)]; }
    const Celwaarde& operator()(int p, int c) const { return w_[Plaats(p, c)]; }

private:
    static std::size_t Plaats(int p, int c) { return static_cast<std::size_t>((p - 1) * AantalKolommen + c - 1); }
    std::vector<Celwaarde> w_ = std::vector<Celwaarde>(AantalLeerlingen * AantalKolommen);
};

void KolomHerstellen(AdmMain& a, int c, int l, const Niveaucellen& cel)
{
    const int n = a.KlAantal(c, l);
    const double m = a.KlGem(c, l), s = a.KlSpr(c, l);
    const Tekst<4> mTxt = a.KlGemTxt(c, l), sTxt = a.KlSprTxt(c, l);
    KolomOpnieuw(a, c, l, [&](int p) { return cel(p, c); });
    if (n == a.KlAantal(c, l) && Past(m, a.KlGem(c, l)) && SpreidingPast(s, a.KlSpr(c, l), a.KlGem(c, l)) &&
        TekstPast(mTxt, m, a.KlGemTxt(c, l), a.KlGem(c, l), true) &&
        TekstPast(sTxt, s, a.KlSprTxt(c, l), a.KlSpr(c, l), true)) {
        a.KlGem(c, l) = m;
        a.KlSpr(c, l) = s;
        a.KlGemTxt(c, l) = mTxt;
        a.KlSprTxt(c, l) = sTxt;
    }
}

// One weighted average of pupil p over columns van..tot; true when it was rebuilt.
bool GemiddeldeHerstellen(int p, int van, int tot, const std::array<Kolomgewicht, AantalKolommen + 1>& gewicht,
                          const Niveaucellen& cel, double& somGewicht, double& gem, Tekst<4>& tekst)
{
    double som = 0, vers = GeenWaarde;
    GewogenOpnieuw(
        van, tot, [&](int c) { return gewicht[static_cast<std::size_t>(c)]; }, [&](int c) { return cel(p, c); }, som,
        vers);
    const Tekst<4> versTekst = GemiddeldeTekst(vers);
    if (Past(somGewicht, som) && Past(gem, vers) && TekstPast(tekst, gem, versTekst, vers, false))
        return false;
    somGewicht = som;
    gem = vers;
    tekst = versTekst;
    return true;
}

// A class statistic taken afresh by the commits' own routine, and the
// stored one put back when it fits.
void KlasHerstellen(const Klasreeks& r)
{
    const int n0 = r.aantal;
    const double m0 = r.m, s0 = r.s;
    const Tekst<4> mTxt0 = r.mTxt, sTxt0 = r.sTxt;
    Klasstatistiek(r);
    if (n0 == r.aantal && Past(m0, r.m) && SpreidingPast(s0, r.s, r.m) && TekstPast(mTxt0, m0, r.mTxt, r.m, true) &&
        TekstPast(sTxt0, s0, r.sTxt, r.s, true)) {
        r.m = m0;
        r.s = s0;
        r.mTxt = mTxt0;
        r.sTxt = sTxt0;
    }
}

void EindHerstellen(AdmMain& a, int p, int l)
{
    const double e = a.EindGem(p, l);
    const Tekst<4> tekst = a.EindGemTxt(p, l);
    JaarGemiddeldeBerekenen(a, p, l);
    if (Past(e, a.EindGem(p, l)) && TekstPast(tekst, e, a.EindGemTxt(p, l), a.EindGem(p, l), false)) {
        a.EindGem(p, l) = e;
        a.EindGemTxt(p, l) = tekst;
    }
}

void NiveauHerstellen(AdmMain& a, int l)
{
    // What was typed: a text no entry takes is blank, as typed, and the
    // value beside a text is the one a commit of that text leaves.
    Niveaucellen cel;
    for (int p = 1; p <= AantalLeerlingen; ++p)
        for (int c = 1; c <= AantalKolommen; ++c) {
            auto& tekst = a.Cijfer(p, c, l);
            if (tekst.leeg())
                continue;
            double x = 0;
            if (Invoerbaar(tekst, 200, x))
                cel(p, c) = Cel(x);
            else
                tekst = "";
        }
    std::array<Kolomgewicht, AantalKolommen + 1> gewicht;
    for (int c = 1; c <= AantalKolommen; ++c) {
        auto& tekst = a.KolomGewicht(c, l);
        double w = 0;
        if (!Invoerbaar(tekst, 10, w))
            tekst = "";
        a.GewichtWaarde(c, l) = w == 0 ? GeenWaarde : w;
        gewicht[static_cast<std::size_t>(c)] = Gewicht(a, c, l);
    }
    bool trimGewicht = false;
    for (int t = 1; t <= 3; ++t)
        trimGewicht |= TrimGewichtHerstellen(a, t, l);
    for (int p = 1; p <= AantalLeerlingen; ++p)
        for (int k = 1; k <= 4; ++k)
            RapportHerstellen(a, p, k, l);

    // What is computed from it, where the stored value does not fit.
    for (int c = 1; c <= AantalKolommen; ++c)
        KolomHerstellen(a, c, l, cel);
    std::array<int, AantalLeerlingen + 1> vanaf{};  // the first term whose average was rebuilt
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        for (int t = 1; t <= 3; ++t) {
            const bool herbouwd =
                GemiddeldeHerstellen(p, AbsoluteKolom(t, 1), AbsoluteKolom(t, KolommenPerTrimester), gewicht, cel,
                                     a.SomGewicht(p, t, l), a.TrGem(p, t, l), a.TrGemTxt(p, t, l));
            auto& eerste = vanaf[static_cast<std::size_t>(p)];
            if (herbouwd && eerste == 0)
                eerste = t;
        }
        GemiddeldeHerstellen(p, 1, AantalKolommen, gewicht, cel, a.SomGewichtJaar(p, l), a.JrGem(p, l),
                             a.JrGemTxt(p, l));
    }
    for (int t = 1; t <= 3; ++t)
        KlasHerstellen(KlasTrGem(a, t, l));
    KlasHerstellen(KlasJrGem(a, l));

    // The reports follow a rebuilt term average from its term on, as after
    // a grade; a term weight that changed, the whole level, as when typed.
    if (trimGewicht) {
        NiveauHerberekenen(a, l);
    } else {
        for (int p = 1; p <= AantalLeerlingen; ++p) {
            if (const int t = vanaf[static_cast<std::size_t>(p)]; t != 0)
                RapportenVanaf(a, p, t, l);
        }
    }
    for (int p = 1; p <= AantalLeerlingen; ++p)
        EindHerstellen(a, p, l);
}

}  // namespace

void GeladenHerstellen(AdmMain& a)
{
    for (int l = 1; l <= 2; ++l)
        NiveauHerstellen(a, l);
}

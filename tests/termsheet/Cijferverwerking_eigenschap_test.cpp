// Long random sequences of commits through the entry points, after which
// every statistic, average and report must equal its value recomputed here
// straight from the grades, weights and options.

#include "termsheet/Cijferverwerking.h"

#include "core/Cijferbestand.h"
#include "core/Getallen.h"
#include "reports/Rapportberekening.h"
#include "termsheet/Herberekening.h"

#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

int TermVan(int c) { return (c - 1) / 16 + 1; }

using namespace herberekening;

// Everything the random sequence typed, kept by the rules of the entry
// boxes, and which reports stand as typed (or as they were when the method
// stopped computing).
struct Model {
    std::array<std::array<std::array<std::string, 3>, 49>, 37> cel;
    std::array<std::array<std::string, 3>, 49> kolomGewicht;
    std::array<std::array<double, 3>, 49> gewichtWaarde;
    std::array<std::array<std::string, 3>, 4> trimTekst;
    std::array<std::array<double, 3>, 4> trimWeging;
    std::array<int, 6> optie{0, 1, 1, 1, 3, 2};
    std::array<std::array<std::array<bool, 3>, 5>, 37> vast{};
    std::array<std::array<std::array<double, 3>, 5>, 37> vastWaarde{};
    std::array<std::array<std::array<std::string, 3>, 5>, 37> vastTekst{};
    std::array<bool, 5> rpActueel{true, true, true, true, true};
    std::array<bool, 3> eindActueel{true, true, true};

    Model()
    {
        for (auto& p : cel)
            for (auto& c : p)
                c.fill("   ");
        for (auto& c : kolomGewicht)
            c.fill("   ");
        for (auto& c : gewichtWaarde)
            c.fill(G);
        for (auto& t : trimTekst)
            t.fill("   ");
        for (auto& t : trimWeging)
            t.fill(G);
    }

    // Pupil p's reports from term t on at level l were recomputed.
    void Herberekend(int p, int t, int l)
    {
        eindActueel[l] = false;
        if (!Rekent(optie[5]))
            return;
        for (int k = t; k <= 4; ++k) {
            vast[p][k][l] = false;
            rpActueel[k] = false;
        }
    }
};

struct Gelezen {
    std::string tekst;
    double v;
    bool getal, leeg;
};

Gelezen Lees(const std::string& invoer)
{
    Gelezen g{invoer, 0, false, false};
    for (char& c : g.tekst)
        if (c == ',')
            c = '.';
    std::size_t n = 0;
    g.v = LeidendGetal(g.tekst, &n);
    g.getal = n > 0;
    g.leeg = IsLeeg(g.tekst);
    return g;
}

// Applies the refusal rule; returns whether the text was refused.
bool Weigeren(Gelezen& g, double hoogste)
{
    if (g.leeg || (g.getal && g.v >= 0 && g.v <= hoogste))
        return false;
    g.tekst = "   ";
    g.leeg = true;
    return true;
}

std::string GradeTekst(double v) { return CijferNaarTekst(v); }

class Reeks {
public:
    explicit Reeks(unsigned zaad) : r_(zaad) {}

    void Stap(int i)
    {
        SCOPED_TRACE("step " + std::to_string(i));
        const int soort = Getal(100);
        if (soort < 62)
            CijferStap();
        else if (soort < 80)
            GewichtStap();
        else if (soort < 88)
            TrimStap();
        else if (soort < 96)
            RapportStap();
        else
            OptieStap();
    }

    void Controleer()
    {
        for (int l = 1; l <= 2; ++l) {
            for (int c = 1; c <= 48; ++c) {
                for (int p = 1; p <= 36; ++p)
                    ASSERT_EQ(a_.Cijfer(p, c, l), m_.cel[p][c][l]) << p << " " << c << " " << l;
                ASSERT_EQ(a_.KolomGewicht(c, l), m_.kolomGewicht[c][l]);
                ASSERT_EQ(a_.GewichtWaarde(c, l), m_.gewichtWaarde[c][l]);
            }
            for (int t = 1; t <= 3; ++t) {
                ASSERT_EQ(a_.TrimGewichtTekst(t, l), m_.trimTekst[t][l]);
                ASSERT_EQ(a_.TrimesterWeging(t, l), m_.trimWeging[t][l]);
            }
        }
        ASSERT_EQ(a_.RapportOptie, m_.optie);
        const Afgeleid d = ControleerAfgeleid(a_);
        for (int l = 1; l <= 2; ++l) {
            for (int c = 1; c <= 48; ++c) {
                bereikt.eenCijfer += a_.KlAantal(c, l) == 1;
                bereikt.gelijkeCijfers += a_.KlAantal(c, l) > 1 && a_.KlSpr(c, l) == 0;
            }
            for (int t = 1; t <= 3; ++t)
                bereikt.gelijkeGemiddelden += a_.KlTrAantal(t, l) > 1 && a_.KlTrSpr(t, l) < 1e-6;
            for (int p = 1; p <= 36; ++p)
                bereikt.boven10 += a_.Rapport(p, 4, l) > 10;
        }
        for (int l = 1; l <= 2; ++l)
            for (int p = 1; p <= 36; ++p)
                for (int k = 1; k <= 4; ++k) {
                    if (m_.vast[p][k][l]) {
                        SCOPED_TRACE("report " + std::to_string(k) + " pupil " + std::to_string(p) + " level " +
                                     std::to_string(l));
                        EXPECT_EQ(a_.Rapport(p, k, l), m_.vastWaarde[p][k][l]);
                        EXPECT_EQ(a_.RapportTxt(p, k, l), m_.vastTekst[p][k][l]);
                        continue;
                    }
                    ControleerRapport(a_, d, p, k, l);
                }
        for (int k = 1; k <= 4; ++k)
            if (m_.rpActueel[k])
                RapportStatistiek(k);
        for (int l = 1; l <= 2; ++l)
            if (m_.eindActueel[l])
                EindStatistiek(l);
        // What the report list does when it becomes active.
        for (int k = 1; k <= 4; ++k) {
            Rapportgemiddelde(a_, k);
            RapportStatistiek(k);
            m_.rpActueel[k] = true;
        }
        for (int l = 1; l <= 2; ++l) {
            BerekenJaarKlasgemiddelde(a_, l);
            EindStatistiek(l);
            m_.eindActueel[l] = true;
        }
    }

    const AdmMain& adm() const { return a_; }

    // How often the checks met the states worth checking.
    struct {
        int eenCijfer = 0, gelijkeCijfers = 0, gelijkeGemiddelden = 0, boven10 = 0;
    } bereikt;

private:
    int Getal(int n) { return static_cast<int>(r_() % static_cast<unsigned>(n)); }
    template <class T>
    const T& Uit(std::initializer_list<T> l) { return *(l.begin() + Getal(static_cast<int>(l.size()))); }

    // Columns with many grades, and now and then any other; level 2 mostly
    // one column a term, so that its few pupils often share an average.
    int Kolom(int l)
    {
        if (l == 2 && Getal(8))
            return Uit({1, 17, 33});
        return Getal(4) ? Uit({1, 2, 3, 6, 17, 18, 20, 33, 34, 40, 48}) : 1 + Getal(48);
    }

    std::string Cijfertekst(int p, int c, int l)
    {
        const int k = Getal(100);
        char buf[16];
        if (l == 2 && Getal(5))
            return Uit<std::string>({"7", "7", "8", ""});
        if (k < 35) {
            const int t = Getal(101);
            std::snprintf(buf, sizeof buf, "%d%c%d", t / 10, Getal(3) ? '.' : ',', t % 10);
            return buf;
        }
        if (k < 50)
            return Uit<std::string>({"6", "7", "7.5", "8", "7,5", "6.1"});
        if (k < 58) {
            std::snprintf(buf, sizeof buf, "%d%s", 11 + Getal(190), Getal(2) ? "" : ".5");
            return buf;
        }
        if (k < 70)
            return Uit<std::string>({"", "   ", " "});
        if (k < 76) {
            std::snprintf(buf, sizeof buf, "%d.%02d", Getal(10), Getal(100));
            return buf;
        }
        if (k < 81)
            return Uit<std::string>({"-1", "201", "200.04", "-0.06", "199.96", "200", "0"});
        if (k < 85)
            return Uit<std::string>({"ziek", "abc", ".", "-", "x7", "7a"});
        return m_.cel[p][c][l];  // entered and left
    }

    std::string Gewichttekst(std::string_view opgeslagen)
    {
        const int k = Getal(100);
        if (k < 50) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "%d%s", Getal(11), Getal(3) ? "" : Uit<std::string>({".5", ",5", ".25"}).c_str());
            return buf;
        }
        if (k < 65)
            return Uit<std::string>({"", "   ", "0", "0.0"});
        if (k < 75)
            return Uit<std::string>({"11", "10.04", "-1", "abc", "10", "0.04", "0.05"});
        return std::string(opgeslagen);
    }

    // Level 2 is a small group, where equal averages are common.
    int Leerling(int l) { return l == 2 ? 1 + Getal(3) : 1 + Getal(36); }

    void CijferStap()
    {
        const int l = 1 + Getal(2), c = Kolom(l), p = Leerling(l), t = TermVan(c);
        const std::string invoer = Cijfertekst(p, c, l);
        SCOPED_TRACE("grade '" + invoer + "' pupil " + std::to_string(p) + " column " + std::to_string(c));
        Gelezen g = Lees(invoer);
        const bool geweigerd = Weigeren(g, 200);
        std::string& cel = m_.cel[p][c][l];
        const std::string celVoor = cel;
        bool gevolgen = false;
        if (g.leeg) {
            gevolgen = !IsLeeg(cel);
            cel = "   ";
        } else if (IsLeeg(cel) || g.v != Waarde(cel)) {
            g.tekst = GradeTekst(g.v);
            cel = Pas(g.tekst, 3);
            gevolgen = true;
        }
        std::string tekst = invoer;
        const Verwerking v = VerwerkCijfer(a_, tekst, p, c, t, l);
        EXPECT_EQ(v.geweigerd, geweigerd);
        EXPECT_EQ(v.gewijzigd, cel != celVoor);
        EXPECT_EQ(tekst, g.tekst);
        if (gevolgen)
            m_.Herberekend(p, t, l);
    }

    void GewichtStap()
    {
        const int l = 1 + Getal(2), c = Kolom(l), t = TermVan(c);
        std::string& kg = m_.kolomGewicht[c][l];
        double& gw = m_.gewichtWaarde[c][l];
        const std::string invoer = Gewichttekst(kg);
        SCOPED_TRACE("weight '" + invoer + "' column " + std::to_string(c));
        Gelezen g = Lees(invoer);
        const bool geweigerd = Weigeren(g, 10);
        const double oud = gw;
        const std::string kgVoor = kg;
        if (g.leeg) {
            if (!IsLeeg(kg)) {
                if (Waarde(kg) != 0)
                    gw = G;
                kg = "   ";
            }
        } else {
            g.tekst = GradeTekst(g.v);
            const double w = Waarde(g.tekst);
            if (IsLeeg(kg) || w != Waarde(kg)) {
                kg = Pas(g.tekst, 3);
                gw = w == 0 ? G : w;
            }
        }
        std::string tekst = invoer;
        const Verwerking v = VerwerkGewicht(a_, tekst, c, t, l);
        EXPECT_EQ(v.geweigerd, geweigerd);
        EXPECT_EQ(v.gewijzigd, kg != kgVoor || gw != oud);
        EXPECT_EQ(tekst, g.tekst);
        if (gw != oud)
            for (int p = 1; p <= 36; ++p)
                if (!IsLeeg(m_.cel[p][c][l]))
                    m_.Herberekend(p, t, l);
    }

    void TrimStap()
    {
        const int t = 1 + Getal(3), l = 1 + Getal(2);
        std::string& tt = m_.trimTekst[t][l];
        double& tw = m_.trimWeging[t][l];
        const std::string invoer = Gewichttekst(tt);
        SCOPED_TRACE("term weight '" + invoer + "' term " + std::to_string(t));
        Gelezen g = Lees(invoer);
        const bool geweigerd = Weigeren(g, 10);
        const std::string ttVoor = tt;
        const double twVoor = tw;
        bool herberekend = false;
        if (g.leeg) {
            if (!IsLeeg(tt)) {
                if (Waarde(tt) != 0) {
                    tw = 0;
                    herberekend = true;
                }
                tt = "   ";
            }
        } else {
            g.tekst = GradeTekst(g.v);
            const double w = Waarde(g.tekst);
            if (IsLeeg(tt)) {
                tt = Pas(g.tekst, 3);
                if (w != 0) {
                    tw = w;
                    herberekend = true;
                }
            } else if (w != Waarde(tt)) {
                tt = Pas(g.tekst, 3);
                tw = w;
                herberekend = true;
            }
        }
        std::string tekst = invoer;
        const Verwerking v = VerwerkTrimGewicht(a_, tekst, t, l);
        EXPECT_EQ(v.geweigerd, geweigerd);
        EXPECT_EQ(v.gewijzigd, tt != ttVoor || tw != twVoor);
        EXPECT_EQ(tekst, g.tekst);
        if (herberekend) {
            if (Rekent(m_.optie[5]))
                for (int p = 1; p <= 36; ++p)
                    for (int k = 1; k <= 4; ++k)
                        m_.vast[p][k][l] = false;
            m_.rpActueel.fill(true);
            m_.eindActueel[l] = true;
        }
    }

    void RapportStap()
    {
        const int k = 1 + Getal(4), l = 1 + Getal(2), p = Leerling(l);
        const std::string opgeslagen = a_.RapportTxt(p, k, l).str();
        const int keus = Getal(100);
        const std::string invoer = keus < 30 ? opgeslagen
                                             : Uit<std::string>({"", "5", "7,3", "6.25", "11", "abc", "10", "0", "9.9"});
        SCOPED_TRACE("report '" + invoer + "' pupil " + std::to_string(p) + " report " + std::to_string(k));
        Gelezen g = Lees(invoer);
        bool geweigerd = false;
        bool herhaald = false;
        if (!g.leeg && !(g.getal && g.v >= 0 && g.v <= 10)) {
            // A computed report above 10 that is only entered and left stays.
            herhaald = !IsLeeg(opgeslagen) &&
                       ((Pas(g.tekst, 3) == opgeslagen && IsLeeg(Pas(g.tekst, 40).substr(3))) ||
                        (g.getal && g.v == Waarde(opgeslagen)));
            if (!herhaald)
                geweigerd = Weigeren(g, 10);
        }
        bool vast = false;
        double waarde = 0;
        if (herhaald) {
        } else if (g.leeg) {
            if (!IsLeeg(opgeslagen)) {
                vast = true;
                waarde = G;
            }
        } else {
            g.tekst = GradeTekst(g.v);
            waarde = Waarde(g.tekst);
            vast = IsLeeg(opgeslagen) || waarde != Waarde(opgeslagen);
        }
        std::string tekst = invoer;
        const Verwerking v = VerwerkRapportcijfer(a_, tekst, p, k, l);
        EXPECT_EQ(v.geweigerd, geweigerd);
        EXPECT_EQ(v.gewijzigd, vast);
        EXPECT_EQ(tekst, g.tekst);
        if (vast) {
            m_.vast[p][k][l] = true;
            m_.vastWaarde[p][k][l] = waarde;
            m_.vastTekst[p][k][l] = waarde == G ? "   " : Pas(g.tekst, 3);
            m_.rpActueel[k] = true;
        }
    }

    void OptieStap()
    {
        if (Getal(2)) {
            for (int k = 1; k <= 4; ++k)
                m_.optie[k] = a_.RapportOptieNieuw[k] = Getal(8) ? 1 + Getal(3) : Uit({0, 4});
            AfrondcodesToepassen(a_);
            if (Rekent(m_.optie[5]))
                for (auto& p : m_.vast)
                    for (auto& k : p)
                        k.fill(false);
        } else {
            // A method that stops computing keeps every report as it stands.
            Controleer();
            const int methode = Getal(8) ? 1 + Getal(4) : Uit({0, 7});
            m_.optie[5] = a_.RapportOptieNieuw[5] = methode;
            for (int l = 1; l <= 2; ++l)
                for (int p = 1; p <= 36; ++p)
                    for (int k = 1; k <= 4; ++k) {
                        if (Rekent(methode)) {
                            m_.vast[p][k][l] = false;
                        } else if (!m_.vast[p][k][l]) {
                            m_.vast[p][k][l] = true;
                            m_.vastWaarde[p][k][l] = a_.Rapport(p, k, l);
                            m_.vastTekst[p][k][l] = a_.RapportTxt(p, k, l).str();
                        }
                    }
            BerekeningsmethodeToepassen(a_);
        }
        m_.rpActueel.fill(true);
    }

    void RapportStatistiek(int k)
    {
        for (int l = 1; l <= 2; ++l) {
            SCOPED_TRACE("report statistics " + std::to_string(k) + " level " + std::to_string(l));
            std::vector<double> v;
            for (int p = 1; p <= 36; ++p)
                if (a_.Rapport(p, k, l) > -1)
                    v.push_back(a_.Rapport(p, k, l));
            if (v.empty()) {
                EXPECT_EQ(a_.RpGem(k, l), G);
                EXPECT_EQ(a_.RpGemTxt(k, l), "   ");
                EXPECT_EQ(a_.RpSpr(k, l), G);
                continue;
            }
            EXPECT_TRUE(exact::IsExactMiddel(v, a_.RpGem(k, l))) << std::hexfloat << a_.RpGem(k, l);
            double m = a_.RpGem(k, l);
            EXPECT_EQ(a_.RpGemTxt(k, l), Pas(CijferNaarTekst(m), 3));
            // Around the mean as its text shows it.
            const double m1 = std::floor(10 * a_.RpGem(k, l) + 0.500001) / 10;
            EXPECT_TRUE(exact::IsExacteSpreidingRond(v, m1, a_.RpSpr(k, l))) << std::hexfloat << a_.RpSpr(k, l);
            double s = a_.RpSpr(k, l);
            EXPECT_EQ(a_.RpSprTxt(k, l), Pas(CijferNaarTekst(s), 3));
        }
    }

    void EindStatistiek(int l)
    {
        std::vector<double> v;
        for (int p = 1; p <= 36; ++p)
            if (a_.EindGem(p, l) > -1)
                v.push_back(a_.EindGem(p, l));
        KlasVergelijken("end averages", v, static_cast<int>(v.size()), a_.KlEindGem(l), a_.KlEindGemTxt(l),
                        a_.KlEindSpr(l), a_.KlEindSprTxt(l));
    }

    std::mt19937 r_;
    AdmMain a_;
    Model m_;
};

TEST(Cijferverwerking, LongRandomSequenceKeepsEverythingConsistent)
{
    Reeks reeks(20240917);
    for (int i = 1; i <= 30000; ++i) {
        reeks.Stap(i);
        if (i % 25 == 0) {
            SCOPED_TRACE("after step " + std::to_string(i));
            reeks.Controleer();
        }
        ASSERT_FALSE(testing::Test::HasFailure()) << "at step " << i;
    }
    // The sequence did reach the states worth checking: columns with one
    // grade left, columns and classes whose values are all equal, computed
    // reports above 10.
    EXPECT_GT(reeks.bereikt.eenCijfer, 1000);
    EXPECT_GT(reeks.bereikt.gelijkeCijfers, 1000);
    EXPECT_GT(reeks.bereikt.gelijkeGemiddelden, 50);
    EXPECT_GT(reeks.bereikt.boven10, 1000);
}

// A file the program wrote fits: loaded again, nothing is mended, whatever
// the commits that made it (the load itself puts rounding codes and methods
// out of range back, so it is compared with the load as the file stands).
TEST(Cijferverwerking, EveryFileTheSequenceSavesLoadsAsItStands)
{
    Reeks reeks(20250311);
    Tijdelijkemap map;
    const std::string pad = map / "reeks.vlk";
    for (int i = 1; i <= 30000; ++i) {
        reeks.Stap(i);
        ASSERT_FALSE(testing::Test::HasFailure()) << "at step " << i;
        if (i % 100 != 0)
            continue;
        std::ofstream(pad, std::ios::binary) << CijferbestandTekst(reeks.adm());
        AdmMain zo, hersteld;
        CijferbestandLaden(zo, pad);
        CijferbestandLaden(hersteld, pad, GeladenHerstellen);
        ASSERT_EQ(Regelverschil(CijferbestandTekst(hersteld), CijferbestandTekst(zo)), "") << "after step " << i;
    }
}

// ---- Stored statistics that do not fit the grades --------------------------------

AdmMain Basis()
{
    AdmMain a;
    const auto cijfer = [&](int p, int c, int l, std::string t) { VerwerkCijfer(a, t, p, c, TermVan(c), l); };
    const auto gewicht = [&](int c, int l, std::string t) { VerwerkGewicht(a, t, c, TermVan(c), l); };
    const auto trim = [&](int t, int l, std::string s) { VerwerkTrimGewicht(a, s, t, l); };
    gewicht(1, 1, "2");
    gewicht(2, 1, "1");
    gewicht(17, 1, "1");
    trim(1, 1, "1");
    trim(2, 1, "1");
    for (int p = 1; p <= 5; ++p) {
        cijfer(p, 1, 1, std::to_string(4 + p));
        cijfer(p, 2, 1, std::to_string(10 - p));
        cijfer(p, 17, 1, "7");
        cijfer(p, 3, 1, "6.5");
    }
    return a;
}

bool AllesEindig(const AdmMain& a)
{
    bool ok = true;
    const auto veld = [&](const auto& v) {
        for (double x : v)
            ok = ok && std::isfinite(x);
    };
    veld(a.KlGem), veld(a.KlSpr), veld(a.TrGem), veld(a.SomGewicht), veld(a.JrGem), veld(a.SomGewichtJaar);
    veld(a.EindGem), veld(a.KlTrGem), veld(a.KlTrSpr), veld(a.KlJrGem), veld(a.KlJrSpr), veld(a.Rapport);
    return ok;
}

struct Schade {
    const char* naam;
    std::function<void(AdmMain&)> beschadig;
    std::function<void(AdmMain&)> invoer;
};

void PrintTo(const Schade& s, std::ostream* os) { *os << s.naam; }

class SchadeTest : public testing::TestWithParam<Schade> {};

TEST_P(SchadeTest, EntryPointsStayFiniteAndPutTheStatisticRight)
{
    AdmMain a = Basis();
    GetParam().beschadig(a);
    GetParam().invoer(a);
    EXPECT_TRUE(AllesEindig(a));
    const Afgeleid d = ControleerAfgeleid(a);
    for (int p = 1; p <= 36; ++p)
        for (int k = 1; k <= 4; ++k) {
            const double e = RapportFormule(a, d, p, k, 1);
            if (e == G)
                EXPECT_EQ(a.Rapport(p, k, 1), G) << p << " " << k;
            else
                EXPECT_NEAR(a.Rapport(p, k, 1), e, Marge) << p << " " << k;
        }
}

std::function<void(AdmMain&)> Cijfer(int p, int c, const char* t)
{
    return [=](AdmMain& a) {
        std::string s = t;
        VerwerkCijfer(a, s, p, c, TermVan(c), 1);
    };
}

std::function<void(AdmMain&)> Gewicht(int c, const char* t)
{
    return [=](AdmMain& a) {
        std::string s = t;
        VerwerkGewicht(a, s, c, TermVan(c), 1);
    };
}

INSTANTIATE_TEST_SUITE_P(
    Cijferverwerking, SchadeTest,
    testing::Values(
        Schade{"count 0, a grade removed", [](AdmMain& a) { a.KlAantal(1, 1) = 0; }, Cijfer(2, 1, "")},
        Schade{"count 0, a grade changed", [](AdmMain& a) { a.KlAantal(1, 1) = 0; }, Cijfer(2, 1, "9")},
        Schade{"count 1 of five, a grade removed", [](AdmMain& a) { a.KlAantal(1, 1) = 1; }, Cijfer(2, 1, "")},
        Schade{"count above the class", [](AdmMain& a) { a.KlAantal(1, 1) = 500; }, Cijfer(6, 1, "7")},
        Schade{"negative count", [](AdmMain& a) { a.KlAantal(1, 1) = -3; }, Cijfer(6, 1, "7")},
        Schade{"spread -1 with grades", [](AdmMain& a) { a.KlSpr(2, 1) = -1; }, Cijfer(6, 2, "7")},
        Schade{"mean far out", [](AdmMain& a) { a.KlGem(2, 1) = 1e300; }, Cijfer(3, 2, "2")},
        Schade{"mean -1 with grades", [](AdmMain& a) { a.KlGem(2, 1) = -1; }, Cijfer(3, 2, "")},
        Schade{"mean off the tenths", [](AdmMain& a) { a.KlGem(3, 1) += 0.0123; }, Cijfer(1, 3, "4")},
        Schade{"spread too large for the mean", [](AdmMain& a) { a.KlSpr(3, 1) = 50; }, Cijfer(1, 3, "")},
        Schade{"weight sum 0, a grade changed", [](AdmMain& a) { a.SomGewicht(2, 1, 1) = 0; }, Cijfer(2, 1, "9")},
        Schade{"weight sum 0, the same grade retyped rounded",
               [](AdmMain& a) { a.SomGewicht(2, 1, 1) = 0; }, Cijfer(2, 1, "6.04")},
        Schade{"weight sum 0, a grade removed", [](AdmMain& a) { a.SomGewicht(2, 1, 1) = 0; }, Cijfer(2, 2, "")},
        Schade{"year weight sum 0", [](AdmMain& a) { a.SomGewichtJaar(4, 1) = 0; }, Cijfer(4, 17, "3")},
        Schade{"term average -1 with a weight sum", [](AdmMain& a) { a.TrGem(3, 1, 1) = -1; }, Cijfer(3, 1, "")},
        Schade{"weight sum of one weight for two grades",
               [](AdmMain& a) { a.SomGewichtJaar(5, 1) = 1; }, Cijfer(5, 17, "")},
        Schade{"weight sum off the tenths", [](AdmMain& a) { a.SomGewicht(1, 1, 1) = 2.95; }, Cijfer(1, 2, "8")},
        Schade{"weight sum 0, a weight changed", [](AdmMain& a) { a.SomGewicht(4, 1, 1) = 0; }, Gewicht(2, "3")},
        Schade{"weight sum 0, a weight removed", [](AdmMain& a) { a.SomGewicht(4, 1, 1) = 0; }, Gewicht(1, "")},
        Schade{"class term count 0", [](AdmMain& a) { a.KlTrAantal(1, 1) = 0; }, Cijfer(1, 1, "10")},
        Schade{"class term mean out of range", [](AdmMain& a) { a.KlTrGem(2, 1) = 1e308; }, Cijfer(1, 17, "")},
        Schade{"class year spread negative", [](AdmMain& a) { a.KlJrSpr(1) = -7; }, Cijfer(1, 2, "1")},
        Schade{"a cell off the tenths, changed",
               [](AdmMain& a) {
                   a.Cijfer(5, 2, 1) = ".05";
               },
               Cijfer(5, 2, "5")},
        Schade{"a cell off the tenths among the grades",
               [](AdmMain& a) {
                   // As a file would hold it, statistics included.
                   a.Cijfer(6, 3, 1) = ".05";
                   const double m = (6.5 * 5 + 0.05) / 6;
                   a.KlAantal(3, 1) = 6;
                   a.KlGem(3, 1) = m;
                   a.KlSpr(3, 1) = std::sqrt((5 * (6.5 - m) * (6.5 - m) + (0.05 - m) * (0.05 - m)) / 6);
               },
               Cijfer(1, 3, "5")}));

}  // namespace

#include "termsheet/AfdrukTrimester.h"

#include "termsheet/AfdrukVoorbeeld.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double w = 120, h = 226.5625;
constexpr double L = 6 * w, T = 4 * h;
const Datum datum{5, 3, 2024};

// Every text of the model, page by page, as (page, y, text) in order.
struct Noot {
    std::size_t pagina;
    double y;
    std::string tekst;
    friend bool operator==(const Noot&, const Noot&) = default;
};

std::vector<Noot> Noten(const Paginamodel& pm)
{
    std::vector<Noot> r;
    for (std::size_t i = 0; i < pm.Paginas().size(); ++i)
        for (const Tekstdeel& t : pm.Paginas()[i].Teksten)
            if (t.Tekst.rfind("Kolom ", 0) == 0)
                r.push_back({i, t.Y, t.Tekst});
    return r;
}

}  // namespace

TEST(AfdrukToelichting, ListsOnlyTextsLongerThanThree)
{
    auto adm = std::make_unique<AdmMain>();
    adm->Klas = "4H2   ";
    adm->Vak = "WISK  ";
    adm->Deelvak = "A     ";
    const int k3 = AbsoluteKolom(2, 3), k5 = AbsoluteKolom(2, 5), k16 = AbsoluteKolom(2, 16);
    adm->KolomSoort(k3, 2) = "SO";
    adm->KolomOpmerking(k3, 2) = "Inleveren via portal";
    adm->KolomSoort(k5, 2) = "ABC";
    adm->KolomDatum(k5, 2) = "ABCD";
    adm->KolomOpmerking(k5, 2) = "  xy";  // leading blanks count, trailing ones do not
    adm->KolomSoort(k16, 2) = "Eindopdracht";
    adm->KolomSoort(k3, 1) = "Niet dit niveau";
    adm->KolomSoort(AbsoluteKolom(1, 3), 2) = "Niet deze term";

    const Paginamodel pm = AfdrukToelichting(*adm, 2, 2, datum, A4Afdrukvlak);
    ASSERT_EQ(pm.Paginas().size(), 1u);
    EXPECT_TRUE(pm.Beeindigd());
    const Pagina& p = pm.Paginas()[0];
    EXPECT_EQ(p.Regel(3 * h, L, w), "DOCENTEN-MORVALDIEK Versie 7.762" + std::string(22, ' ') + "Datum: 05-03-2024");
    EXPECT_EQ(p.Regel(T + h, L, w), "Klas: 4H2     Vak: WISK    Deelvak: A     ");
    EXPECT_EQ(p.Regel(T + 3 * h, L, w), "Toelichting  2-e Trimester     Nivo 2        ");
    EXPECT_EQ(Noten(pm), (std::vector<Noot>{
                             {0, T + 5 * h, "Kolom  3  Opmerking : " + Pas("Inleveren via portal", 39)},
                             {0, T + 7 * h, "Kolom  5  Datum     : " + Pas("ABCD", 39)},
                             {0, T + 8 * h, "Kolom  5  Opmerking : " + Pas("  xy", 39)},
                             {0, T + 10 * h, "Kolom 16  Soort     : " + Pas("Eindopdracht", 39)},
                         }));
    // The rule under the title is the only line.
    EXPECT_EQ(p.Lijnen, (std::vector<Lijn>{{L, T + 0.5 * h, L + 79 * w, T + 0.5 * h, 0}}));
}

TEST(AfdrukToelichting, NothingToExplainStartsNoDocument)
{
    auto adm = std::make_unique<AdmMain>();
    for (int k = 1; k <= KolommenPerTrimester; ++k) {
        adm->KolomSoort(AbsoluteKolom(1, k), 1) = "SO";
        adm->KolomDatum(AbsoluteKolom(1, k), 1) = "1-9";
        adm->KolomOpmerking(AbsoluteKolom(1, k), 1) = "abc";
    }
    adm->KolomOpmerking(AbsoluteKolom(2, 1), 1) = "another term";
    const Paginamodel pm = AfdrukToelichting(*adm, 1, 1, datum, A4Afdrukvlak);
    EXPECT_TRUE(pm.Paginas().empty());
}

TEST(AfdrukToelichting, FilledTermListsItsColumnsInOrder)
{
    auto adm = std::make_unique<AdmMain>();
    voorbeeld::VulKlas(*adm);
    const auto noten = Noten(AfdrukToelichting(*adm, 1, 1, datum, A4Afdrukvlak));
    ASSERT_EQ(noten.size(), 18u);
    EXPECT_EQ(noten[0].tekst.substr(0, 34), "Kolom  1  Soort     : Proefwerk H1");
    EXPECT_EQ(noten[3].tekst.substr(0, 27), "Kolom  2  Datum     : 26-09");
    EXPECT_EQ(noten[3].y, T + 9 * h);  // after column 1's three lines and an empty line
    EXPECT_EQ(noten.back().tekst.substr(0, 46), "Kolom  9  Opmerking : Alleen voor onvoldoendes");
}

TEST(AfdrukToelichting, LongListContinuesOnANewPage)
{
    auto adm = std::make_unique<AdmMain>();
    for (int k = 1; k <= KolommenPerTrimester; ++k) {
        adm->KolomSoort(AbsoluteKolom(3, k), 1) = "Soort " + std::to_string(k);
        adm->KolomDatum(AbsoluteKolom(3, k), 1) = "Datum " + std::to_string(k);
        adm->KolomOpmerking(AbsoluteKolom(3, k), 1) = "Opmerking " + std::to_string(k);
    }
    const Paginamodel pm = AfdrukToelichting(*adm, 3, 1, datum, A4Afdrukvlak);
    ASSERT_EQ(pm.Paginas().size(), 2u);
    const auto noten = Noten(pm);
    ASSERT_EQ(noten.size(), 48u);
    for (const Noot& n : noten)
        EXPECT_LE(n.y + h, pm.ScaleHeight());
    // A4 holds 71 lines: column 16's remark is the one line of page 2, where page 1 has its title.
    EXPECT_EQ(noten[46].pagina, 0u);
    EXPECT_EQ(noten[47], (Noot{1, 3 * h, "Kolom 16  Opmerking : " + Pas("Opmerking 16", 39)}));
    EXPECT_TRUE(pm.Paginas()[1].Lijnen.empty());
}

TEST(AfdrukToelichting, ArgumentsOutsideTheirRangeAreRefused)
{
    auto adm = std::make_unique<AdmMain>();
    EXPECT_THROW(AfdrukToelichting(*adm, 4, 1, datum, A4Afdrukvlak), std::out_of_range);
    EXPECT_THROW(AfdrukToelichting(*adm, 1, 0, datum, A4Afdrukvlak), std::out_of_range);
}

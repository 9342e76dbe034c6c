#include "names/AfdrukNamen.h"

#include "Paginahulp.h"
#include "Voorbeeldklas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double w = 120, h = 226.5625;
constexpr double L = 9 * w, R = L + 79 * w, T = 3 * h;
constexpr double Eerste = T + 10.5 * h;  // top of the first pupil line
const Datum datum{5, 3, 2024};
const double Rasterlijnen[] = {L, L + 3 * w, L + 38 * w, L + 46 * w, L + 49 * w, L + 57 * w, L + 74 * w, R};

Paginamodel Druk(const AdmMain& adm) { return AfdrukNamen(adm, datum, A4Afdrukvlak); }

using paginahulp::Verticaal;
using paginahulp::Zet;

// The text of the line at y from x, without trailing blanks.
std::string Tekst(const Pagina& p, double y, double x = L) { return std::string(ZonderStaart(p.Regel(y, x, w))); }

// The text of the pupil line at y, from half a character right of L.
std::string Leerlingregel(const Pagina& p, double y) { return Tekst(p, y, L + 0.5 * w); }

// The slot numbers printed on the pupil lines, with the line each stands on.
std::vector<std::pair<std::string, int>> Nummers(const Pagina& p)
{
    std::vector<std::pair<std::string, int>> r;
    for (const Tekstdeel& t : p.Teksten)
        if (t.X == L + 0.5 * w && t.Y >= Eerste)
            r.emplace_back(t.Tekst.substr(0, 2), static_cast<int>((t.Y - Eerste) / h + 0.5));
    return r;
}

// The y of every rule across the list.
std::set<double> Regels(const Pagina& p) { return paginahulp::Regels(p, L, R); }

TEST(AfdrukNamen, FrameHeaderAndColumnTitles)
{
    AdmMain adm;
    voorbeeld::VulNamen(adm);
    const Paginamodel pm = Druk(adm);
    ASSERT_EQ(pm.Paginas().size(), 1u);
    EXPECT_TRUE(pm.Beeindigd());
    const Pagina& p = pm.Paginas()[0];

    EXPECT_EQ(Tekst(p, 2 * h), "DOCENTEN-MORVALDIEK Versie 7.762" + std::string(22, ' ') + "Datum: 05-03-2024");
    EXPECT_EQ(Tekst(p, T + h), "School: Scholengemeenschap Het Baken" + std::string(25, ' ') + " Cursus: 2024-2025");
    EXPECT_EQ(Tekst(p, T + 2 * h), "Docent: J.P. de Vries");
    EXPECT_EQ(Tekst(p, T + 3 * h), "Klas  : 4H2");
    EXPECT_EQ(Tekst(p, T + 4 * h), "Vak   : WISK   Deelvak  : A");
    EXPECT_EQ(Tekst(p, T + 5 * h), "Mentor: Marieke van den Heuvel");
    EXPECT_EQ(Tekst(p, T + 6.5 * h), std::string(35, ' ') + "Namenlijst");
    EXPECT_EQ(Leerlingregel(p, T + 8.5 * h),
              "Nr Achternaam          Roepnaam       Persnr. G Basisgrp     Kenmerk      Mnt");

    // 29 printed lines (the hidden pupil and the empty slots give none) and four empty ones.
    const double einde = Eerste + (29 + 4) * h;
    EXPECT_EQ(Regels(p), (std::set<double>{T + 0.5 * h, T + 6.5 * h, T + 8 * h, T + 10 * h, einde + 0.5 * h,
                                          einde + 1.5 * h}));
    // The edges run unbroken from the heading box down to the bottom rule,
    // the grid from the heading to the rule under the last line.
    const std::vector<std::pair<double, double>> rand{{T + 8 * h, einde + 1.5 * h}};
    EXPECT_EQ(Verticaal(p, L), rand);
    EXPECT_EQ(Verticaal(p, R), rand);
    for (double x : Rasterlijnen) {
        if (x != L && x != R) {
            EXPECT_EQ(Verticaal(p, x), (std::vector<std::pair<double, double>>{{T + 10 * h, einde + 0.5 * h}})) << x;
        }
    }
}

TEST(AfdrukNamen, PupilLinesInSlotOrderInGroupsOfSix)
{
    AdmMain adm;
    voorbeeld::VulNamen(adm);
    const Paginamodel pm = Druk(adm);
    const Pagina& p = pm.Paginas()[0];

    // Slot 9 ("*") counts and shows only its number; slot 14 (".") leaves no
    // trace; an empty line comes before the 7th, 13th, 19th and 25th line.
    std::vector<std::pair<std::string, int>> verwacht;
    int regel = 0, c = 0;
    for (int s = 1; s <= 30; ++s) {
        if (s == 14)
            continue;
        ++c;
        if (c > 1 && (c - 1) % 6 == 0)
            ++regel;
        verwacht.emplace_back((s < 10 ? "0" : "") + std::to_string(s), regel++);
    }
    EXPECT_EQ(Nummers(p), verwacht);
    EXPECT_EQ(Leerlingregel(p, Eerste + 9 * h), "09");  // the 9th line stands after one empty line

    EXPECT_EQ(Leerlingregel(p, Eerste),
              Zet({{0, "01"}, {3, "Bakker"}, {23, "Sanne"}, {38, "231045"}, {46, "V"}, {49, "4H2a"}, {74, "HEU"}}));
    // A long surname prints its first 18 characters.
    const auto p28 = std::find_if(verwacht.begin(), verwacht.end(), [](const auto& n) { return n.first == "28"; });
    EXPECT_EQ(Leerlingregel(p, Eerste + p28->second * h),
              Zet({{0, "28"}, {3, "van Wijngaarden-Oo"}, {23, "Maximiliaan"}, {38, "231072"}, {46, "M"},
                   {49, "4H2a"}, {74, "HEU"}}));
}

TEST(AfdrukNamen, FieldsStandInTheirColumns)
{
    AdmMain adm;
    adm.Achternaam(1) = "Achternaam-van-25-tekens!";
    adm.Roepnaam(1) = "Roepnaam13tkn";
    adm.LeerlingPersNr(1) = "123456";
    adm.Geslacht(1) = "V";
    adm.Basisgroep(1) = "BASIS6";
    adm.Kenmerk(1) = "kenmerk15tekens";
    adm.Mentor(1) = "MNT";
    adm.Roepnaam(2) = "Alleen";  // a first name alone is a pupil
    const Paginamodel pm = Druk(adm);
    const Pagina& p = pm.Paginas()[0];
    // The fields start at characters 0, 3, 23, 38, 46, 49, 57 and 74, two
    // blanks apart; a surname of 25 characters prints its first 18.
    EXPECT_EQ(Leerlingregel(p, Eerste), "01 Achternaam-van-25-  Roepnaam13tkn  123456  V  BASIS6  kenmerk15tekens  MNT");
    // Blank fields stay blank inside the grid.
    EXPECT_EQ(Leerlingregel(p, Eerste + h), Zet({{0, "02"}, {23, "Alleen"}, {38, "000000"}}));
}

TEST(AfdrukNamen, WithoutPupilsTheFrameStillCloses)
{
    AdmMain adm;
    const Paginamodel pm = Druk(adm);
    ASSERT_EQ(pm.Paginas().size(), 1u);
    const Pagina& p = pm.Paginas()[0];
    EXPECT_TRUE(Nummers(p).empty());
    EXPECT_EQ(Regels(p), (std::set<double>{T + 0.5 * h, T + 6.5 * h, T + 8 * h, T + 10 * h, Eerste + 0.5 * h,
                                          Eerste + 1.5 * h}));
    EXPECT_EQ(Tekst(p, T + 2 * h), "Docent:");
}

TEST(AfdrukNamen, AFullClassFitsOnePage)
{
    AdmMain adm;
    for (int s = 1; s <= AantalLeerlingen; ++s)
        adm.Achternaam(s) = "Leerling " + std::to_string(s);
    const Paginamodel pm = Druk(adm);
    ASSERT_EQ(pm.Paginas().size(), 1u);
    const auto n = Nummers(pm.Paginas()[0]);
    ASSERT_EQ(n.size(), 36u);
    EXPECT_EQ(n.back(), (std::pair<std::string, int>{"36", 35 + 5}));
    EXPECT_LT(*Regels(pm.Paginas()[0]).rbegin(), A4Afdrukvlak.Hoogte);
}

}  // namespace

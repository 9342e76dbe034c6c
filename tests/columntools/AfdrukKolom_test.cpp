#include "columntools/AfdrukKolom.h"

#include "Paginahulp.h"
#include "termsheet/AfdrukVoorbeeld.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using paginahulp::Verticaal;
using paginahulp::Zet;

constexpr double w = 120, h = 226.5625;
constexpr double L = 7 * w;
constexpr double T = 4 * h;  // the line after the title
const Datum datum{5, 3, 2024};
const double Lijnen[] = {L + 41.5 * w, L + 46.5 * w, L + 67.5 * w, L + 72.5 * w, L + 79 * w};

// The rows printed between the heading and the footer: (text, y).
std::vector<std::pair<std::string, double>> Rijen(const Pagina& p)
{
    std::vector<std::pair<std::string, double>> r;
    for (const Tekstdeel& t : p.Teksten)
        if (t.X == L && std::isdigit(static_cast<unsigned char>(t.Tekst[0])) && t.Tekst.size() >= 4 &&
            t.Tekst.substr(2, 2) == "  ")
            r.emplace_back(t.Tekst, t.Y);
    return r;
}

// Every rule runs across the page: their y in order.
std::vector<double> Regels(const Pagina& p)
{
    std::vector<double> r;
    for (const Lijn& l : p.Lijnen)
        if (l.Y1 == l.Y2) {
            EXPECT_EQ(l.X1, L);
            EXPECT_EQ(l.X2, L + 79 * w);
            r.push_back(l.Y1);
        }
    return r;
}

class AfdrukKolomTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        voorbeeld::VulKlas(*adm);
        adm->KlGemTxt(3, 1) = "6.31";
        adm->KlSprTxt(3, 1) = "1.29";
    }

    Pagina Pagina1(const Kolomkeuze& k = {1, 1, 3}) const
    {
        const Paginamodel pm = AfdrukKolom(*adm, k, datum, A4Afdrukvlak);
        EXPECT_EQ(pm.Paginas().size(), 1u);
        EXPECT_TRUE(pm.Beeindigd());
        return pm.Paginas().at(0);
    }

    std::unique_ptr<AdmMain> adm = std::make_unique<AdmMain>();
};

TEST_F(AfdrukKolomTest, HeaderBoxAndHeading)
{
    const Pagina p = Pagina1();
    auto regel = [&](double y) { return p.Regel(y, L, w); };
    EXPECT_EQ(regel(3 * h), "DOCENTEN-MORVALDIEK Versie 7.762" + std::string(22, ' ') + "Datum: 05-03-2024");
    const double Y = T + h / 2;
    EXPECT_EQ(regel(Y + h / 2), Pas("School : " + Pas("Scholengemeenschap Het Baken", 30) + " Cursus 2024-2025", 78));
    EXPECT_EQ(regel(Y + 1.5 * h), Pas("Docent : J.P. de Vries", 78));
    EXPECT_EQ(regel(Y + 3.5 * h), "1-e Trimester Niveau 1 : HAVO       Kolom 3");
    EXPECT_EQ(regel(Y + 5.5 * h), Zet({{0, "Klas  : 4H2"}, {36, "Soort"}, {42, Pas("PO", 39)}}));
    EXPECT_EQ(regel(Y + 6.5 * h), Zet({{0, "Vak   : WISK"}, {36, "Datum"}, {42, Pas("3 oktober", 39)}}));
    EXPECT_EQ(regel(Y + 7.5 * h), Zet({{0, "Dvak  : A"}, {32, "Opmerking"}, {42, Pas("Praktische opdracht", 39)}}));
    EXPECT_EQ(regel(Y + 8.5 * h), Zet({{0, "Mentor:"}, {34, "Gewicht"}, {42, "2  "}}));
    EXPECT_EQ(regel(Y + 10.5 * h), Zet({{0, "Nr"}, {4, "Achternaam"}, {22, "Roepnaam"}, {38, "Cijfer/Score"},
                                        {68, "Tgem"}, {74, "Mnt "}}));
    EXPECT_EQ(regel(Y + 10.5 * h).size(), 78u);

    // Column 2 of term 2, level 2.
    adm->KolomSoort(18, 2) = "Luistertoets";
    const Pagina q = Pagina1({2, 2, 2});
    EXPECT_EQ(q.Regel(Y + 3.5 * h, L, w), "2-e Trimester Niveau 2 : VWO        Kolom 2");
    EXPECT_EQ(q.Regel(Y + 5.5 * h, L, w).substr(42, 12), "Luistertoets");
}

TEST_F(AfdrukKolomTest, PupilRowsKeepSlotNumbersAndGroupsOfSix)
{
    adm->Achternaam(12) = "";  // a first name only: a full row
    const Pagina p = Pagina1();
    const auto rijen = Rijen(p);
    // 28 rows: slot 14 (".") and slot 20 (empty) print nothing; slot 9 ("*")
    // prints its number only and counts.
    ASSERT_EQ(rijen.size(), 28u);
    const double eerste = T + 13 * h;  // half a row under the heading's rule
    std::vector<std::string> nummers;
    for (std::size_t i = 0; i < rijen.size(); ++i) {
        nummers.push_back(rijen[i].first.substr(0, 2));
        // An empty row before the 7th, 13th, 19th and 25th.
        EXPECT_DOUBLE_EQ(rijen[i].second, eerste + (static_cast<double>(i) + static_cast<double>(i / 6)) * h) << i;
    }
    EXPECT_EQ(nummers.front(), "01");
    EXPECT_EQ(nummers[8], "09");
    EXPECT_EQ(nummers[12], "13");
    EXPECT_EQ(nummers[13], "15");
    EXPECT_EQ(nummers[18], "21");
    EXPECT_EQ(rijen[8].first, "09  ");

    EXPECT_EQ(p.Regel(rijen[0].second, L, w),
              Zet({{0, "01  Bakker"}, {22, "Sanne"}, {42, adm->Cijfer(1, 3, 1).str()}, {68, adm->TrGemTxt(1, 1, 1).str()},
                   {74, adm->Mentor(1).str()}}));
    EXPECT_EQ(p.Regel(rijen[11].second, L, w).substr(0, 27), "12                    Sem  ");
    // A long surname is cut to 17 characters; a blank grade keeps its place.
    adm->Cijfer(29, 3, 1) = "   ";
    const auto lang = Rijen(Pagina1()).at(26);
    EXPECT_EQ(lang.first.substr(0, 22), "29  van Wijngaarden-O ");
    EXPECT_EQ(lang.first.size(), 77u);
    EXPECT_EQ(lang.first.substr(42, 3), "   ");

    // The column lines run unbroken from the heading's rule to the footer.
    for (double x : Lijnen)
        EXPECT_EQ(Verticaal(p, x).back().first, x == Lijnen[4] ? T + h / 2 : T + 12.5 * h) << x;
}

TEST_F(AfdrukKolomTest, EmptyRowsForSixSevenAndThirtySixPupils)
{
    const auto tel = [&](int aantal) {
        NieuwCijferbestand(*adm);
        for (int q = 1; q <= aantal; ++q)
            adm->Achternaam(q) = "Leerling";
        const auto rijen = Rijen(Pagina1());
        int leeg = 0;
        for (std::size_t i = 1; i < rijen.size(); ++i)
            leeg += rijen[i].second - rijen[i - 1].second > 1.5 * h;
        EXPECT_EQ(static_cast<int>(rijen.size()), aantal);
        return leeg;
    };
    EXPECT_EQ(tel(6), 0);
    EXPECT_EQ(tel(7), 1);
    EXPECT_EQ(tel(36), 5);
}

TEST_F(AfdrukKolomTest, AClassWithoutPupilsAndTheFooter)
{
    for (int q = 1; q <= AantalLeerlingen; ++q) {
        adm->Achternaam(q) = "";
        adm->Roepnaam(q) = "";
    }
    const Pagina p = Pagina1();
    EXPECT_TRUE(Rijen(p).empty());
    // Rules: top, above the header box, above the heading, under it, a gap
    // of one row, above the footer, and the closing rule.
    const double kop = T + 12.5 * h;
    EXPECT_EQ(Regels(p), (std::vector<double>{T + h / 2, T + 5.5 * h, T + 10.5 * h, kop, kop + h, kop + 4 * h}));
    for (double x : Lijnen)
        EXPECT_EQ(Verticaal(p, x).back(), std::make_pair(x == Lijnen[4] ? T + h / 2 : kop, kop + 4 * h)) << x;
    EXPECT_EQ(p.Regel(kop + 1.5 * h, L, w), Zet({{24, "Klassengemiddelde"}, {42, "6.31"}, {68, "6.53"}}));
    EXPECT_EQ(p.Regel(kop + 2.5 * h, L, w), Zet({{32, "Spreiding"}, {42, "1.29"}, {68, "0.94"}}));
}

}  // namespace

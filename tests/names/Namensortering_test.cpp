#include "names/Namensortering.h"

#include "core/Cp1252.h"

#include "Cp1252Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Leerling {
    const char* achternaam;
    const char* roepnaam;
    const char* veld;  // base group, characteristic or mentor code, by the test
};

// The pupils into slots 1.., the field of each into the one the order uses.
AdmMain Klas(const std::vector<Leerling>& leerlingen, Namensortering volgorde)
{
    AdmMain adm;
    int p = 1;
    for (const Leerling& l : leerlingen) {
        adm.Achternaam(p) = Utf8NaarCp1252(l.achternaam);
        adm.Roepnaam(p) = Utf8NaarCp1252(l.roepnaam);
        switch (volgorde) {
        case Namensortering::Basisgroep: adm.Basisgroep(p) = l.veld; break;
        case Namensortering::Kenmerk: adm.Kenmerk(p) = l.veld; break;
        case Namensortering::Mentor: adm.Mentor(p) = l.veld; break;
        case Namensortering::Achternaam: break;
        }
        adm.Cijfer(p, 20, 2) = std::to_string(p);  // follows its pupil
        ++p;
    }
    return adm;
}

// "surname first name" of slots 1..n, trimmed, in UTF-8.
std::vector<std::string> Namen(const AdmMain& adm, int n)
{
    std::vector<std::string> r;
    for (int p = 1; p <= n; ++p) {
        std::string s = std::string(Trim(adm.Achternaam(p).view()));
        if (!adm.Roepnaam(p).leeg())
            s += " " + std::string(Trim(adm.Roepnaam(p).view()));
        r.push_back(Cp1252NaarUtf8(s));
    }
    return r;
}

struct Geval {
    const char* naam;
    Namensortering volgorde;
    std::vector<Leerling> leerlingen;
    std::vector<std::string> verwacht;
    std::vector<std::string> daarna;  // after them, in no particular order
};

const Geval gevallen[] = {
    {"surname with accents folded, first name breaks ties, marked and empty last",
     Namensortering::Achternaam,
     {{"Ezel", "Bo", ""}, {"*Weg", "Ad", ""}, {"Élan", "Cor", ""}, {"Jansen", "Piet", ""}, {"", "", ""},
      {"Eck", "Dirk", ""}, {"jansen", "Anna", ""}, {".Stil", "Eef", ""}, {"Dam", "Fien", ""}},
     {"Dam Fien", "Eck Dirk", "Élan Cor", "Ezel Bo", "jansen Anna", "Jansen Piet"},
     {"", ".Stil Eef", "*Weg Ad"}},
    {"base group, then surname; no base group after the others",
     Namensortering::Basisgroep,
     {{"Zwart", "Noa", "4H2a"}, {"Bos", "Daan", ""}, {"Meijer", "Eva", "4H2b"}, {"Kok", "Sem", "4H2a"},
      {"Aarts", "Bo", "4H2b"}},
     {"Kok Sem", "Zwart Noa", "Aarts Bo", "Meijer Eva"},
     {"Bos Daan"}},
    {"characteristic, then surname",
     Namensortering::Kenmerk,
     {{"Smit", "Jesse", "topsport"}, {"Bos", "Daan", "dyslexie"}, {"Aarts", "Bo", ""}, {"Dekker", "Lot", "topsport"}},
     {"Bos Daan", "Dekker Lot", "Smit Jesse"},
     {"Aarts Bo"}},
    {"mentor, then surname; no mentor after those with one",
     Namensortering::Mentor,
     {{"Visser", "Iris", "DVR"}, {"Bakker", "Sanne", ""}, {"Postma", "Ruben", "HEU"}, {"de Vries", "Luuk", "DVR"},
      {"Aarts", "Bo", ""}},
     {"de Vries Luuk", "Visser Iris", "Postma Ruben"},
     {"Aarts Bo", "Bakker Sanne"}},
};

void PrintTo(const Geval& g, std::ostream* os) { *os << g.naam; }

class Sorteervolgorden : public ::testing::TestWithParam<Geval> {};

TEST_P(Sorteervolgorden, OrdersThePupilsAndMovesTheirGrades)
{
    const Geval& g = GetParam();
    AdmMain adm = Klas(g.leerlingen, g.volgorde);
    const AdmMain voor = adm;
    adm.EersteRij = 3;
    adm.LaatsteRij = 10;
    adm.HuidigeRij = 4;
    NamenSorteren(adm, g.volgorde);
    // Keys that begin with a blank, "." or "*" (no field, empty or marked)
    // go after the others without being sorted among themselves.
    const int n = static_cast<int>(g.verwacht.size() + g.daarna.size());
    std::vector<std::string> namen = Namen(adm, n);
    std::vector<std::string> rest(namen.begin() + static_cast<long>(g.verwacht.size()), namen.end());
    namen.resize(g.verwacht.size());
    EXPECT_EQ(namen, g.verwacht);
    std::vector<std::string> daarna = g.daarna;
    std::sort(rest.begin(), rest.end());
    std::sort(daarna.begin(), daarna.end());
    EXPECT_EQ(rest, daarna);
    // Each pupil took its grade along; the window and the current row stay.
    for (int p = 1; p <= n; ++p) {
        if (LeegLeerling(adm, p))
            continue;
        const int oud = std::stoi(std::string(Trim(adm.Cijfer(p, 20, 2).view())));
        EXPECT_EQ(adm.Achternaam(p), voor.Achternaam(oud));
    }
    EXPECT_EQ(adm.HuidigeRij, 4);
    EXPECT_EQ(adm.EersteRij, 3);
    EXPECT_EQ(adm.Gewijzigd, 0);
}

INSTANTIATE_TEST_SUITE_P(Namenlijst, Sorteervolgorden, ::testing::ValuesIn(gevallen));

TEST(Sorteersleutels, AsTheMenuBuildsThem)
{
    AdmMain adm;
    adm.Achternaam(1) = "\xC9lan";  // Élan
    adm.Roepnaam(1) = "Zo\xEB";     // Zoë
    adm.Basisgroep(1) = "4H2a";
    adm.Kenmerk(1) = "dyslexie";
    adm.Mentor(1) = "HEU";
    const std::string naam = Pas("Elan", 30);
    EXPECT_EQ(Sorteersleutels(adm, Namensortering::Achternaam)[1], naam + Pas("ZoE", 13));
    EXPECT_EQ(Sorteersleutels(adm, Namensortering::Basisgroep)[1], Pas("4H2a", 6) + naam + Pas("Zo\xEB", 13));
    EXPECT_EQ(Sorteersleutels(adm, Namensortering::Kenmerk)[1], Pas("dyslexie", 15) + naam + Pas("Zo\xEB", 13));
    EXPECT_EQ(Sorteersleutels(adm, Namensortering::Mentor)[1], "HEU" + naam + Pas("Zo\xEB", 13));
    EXPECT_EQ(Sorteersleutels(adm, Namensortering::Mentor)[2], std::string(3 + 30 + 13, ' '));
}

}  // namespace

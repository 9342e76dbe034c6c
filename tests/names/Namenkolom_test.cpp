#include "names/Namenkolom.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Geval {
    const char* naam;
    Namenkolom soort;
    std::string tekst;
    int vanaf;
    std::vector<std::pair<int, std::string>> verwacht;  // slot, trimmed name; every other slot keeps "Oud"
};

std::string Veertig()
{
    std::string t;
    for (int i = 1; i <= 40; ++i)
        t += "Naam" + std::to_string(i) + "\r\n";
    return t;
}

std::vector<std::pair<int, std::string>> Namen(int van, int tot)
{
    std::vector<std::pair<int, std::string>> r;
    for (int p = van; p <= tot; ++p)
        r.emplace_back(p, "Naam" + std::to_string(p));
    return r;
}

const Geval gevallen[] = {
    {"forty lines from slot 1 fill 1 to 36", Namenkolom::Achternamen, Veertig(), 1, Namen(1, 36)},
    {"three first names ending in CR LF at slot 35 fill 35 and 36", Namenkolom::Voornamen,
     "Sanne\r\nDaan\r\nElif\r\n", 35, {{35, "Sanne"}, {36, "Daan"}}},
    {"an empty line blanks its slot", Namenkolom::Achternamen, "A\r\n\r\nB", 1, {{1, "A"}, {2, ""}, {3, "B"}}},
    {"lines ending in LF alone", Namenkolom::Achternamen, "Bakker\nBos\nDekker\n", 4,
     {{4, "Bakker"}, {5, "Bos"}, {6, "Dekker"}}},
    {"lines ending in CR alone", Namenkolom::Voornamen, "Lotte\rNoor", 10, {{10, "Lotte"}, {11, "Noor"}}},
    {"a surname is cut to 30 characters", Namenkolom::Achternamen,
     "van Wijngaarden-Oosterhuis-de Boer\r\n", 2, {{2, "van Wijngaarden-Oosterhuis-de"}}},
    {"a first name is cut to 13 characters", Namenkolom::Voornamen, "Maximiliaan-Alexander", 2,
     {{2, "Maximiliaan-A"}}},
    {"an empty text pastes nothing", Namenkolom::Achternamen, "", 1, {}},
    {"a tab or another control character of a line becomes a blank", Namenkolom::Achternamen,
     "Jansen\tJan\r\nde\x01Vries\x7F\r\n", 1, {{1, "Jansen Jan"}, {2, "de Vries"}}},
};

void PrintTo(const Geval& g, std::ostream* os) { *os << g.naam; }

class Plakken : public ::testing::TestWithParam<Geval> {};

TEST_P(Plakken, IntoTheNamesFromTheCurrentPupilOn)
{
    const Geval& g = GetParam();
    AdmMain adm;
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        adm.Achternaam(p) = "Oud";
        adm.Roepnaam(p) = "Oud";
        adm.Mentor(p) = "ABC";
    }
    KolomPlakken(adm, g.soort, g.tekst, g.vanaf);
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        std::string naam = "Oud";
        for (const auto& [slot, tekst] : g.verwacht)
            if (slot == p)
                naam = tekst;
        const auto& geplakt = g.soort == Namenkolom::Achternamen ? adm.Achternaam(p).str() : adm.Roepnaam(p).str();
        const auto& ander = g.soort == Namenkolom::Achternamen ? adm.Roepnaam(p).str() : adm.Achternaam(p).str();
        EXPECT_EQ(geplakt, naam + std::string(geplakt.size() - naam.size(), ' ')) << p;
        EXPECT_EQ(ander.substr(0, 3), "Oud") << p;
        EXPECT_EQ(adm.Mentor(p), "ABC");
    }
    EXPECT_EQ(adm.Gewijzigd, 0);
}

INSTANTIATE_TEST_SUITE_P(Namenlijst, Plakken, ::testing::ValuesIn(gevallen));

}  // namespace

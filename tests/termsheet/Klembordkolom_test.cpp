// The split of a pasted column into lines per pupil, and the paste of a
// grade column through the grade processing.
#include "termsheet/Klembordkolom.h"

#include "termsheet/Cijferverwerking.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

struct Splitsing {
    const char* naam;
    std::string tekst;
    int start;
    int laatste;
    std::map<int, std::string> regels;  // every other slot stays empty
};

const Splitsing splitsingen[] = {
    {"crlf_met_lege_regel", "7,5\r\n\r\n8\r\n", 10, 12, {{10, "7,5"}, {12, "8"}}},
    {"alleen_lf", "6\n7\n8", 1, 3, {{1, "6"}, {2, "7"}, {3, "8"}}},
    {"alleen_cr", "6\r7\r", 1, 2, {{1, "6"}, {2, "7"}}},
    {"gemengd", "1\r\n2\n3\r4", 5, 8, {{5, "1"}, {6, "2"}, {7, "3"}, {8, "4"}}},
    {"tab_blijft_staan", "7\t8\n", 1, 1, {{1, "7\t8"}}},
    {"leeg", "", 4, 3, {}},
    {"alleen_einde", "\r\n", 4, 4, {}},
    {"na_36_afgekapt", "a\nb\nc\n", 35, 36, {{35, "a"}, {36, "b"}}},
};

class SplitsTabel : public ::testing::TestWithParam<Splitsing> {};

TEST_P(SplitsTabel, Regels)
{
    const Splitsing& s = GetParam();
    Klembordregels regels;
    int laatste = -7;
    SplitsInRegels(s.start, laatste, s.tekst, regels);
    EXPECT_EQ(laatste, s.laatste);
    for (int r = KlembordBereik.lo; r <= KlembordBereik.hi; ++r) {
        const auto it = s.regels.find(r);
        EXPECT_EQ(regels(r), it == s.regels.end() ? "" : it->second) << "slot " << r;
    }
}

INSTANTIATE_TEST_SUITE_P(Klembord, SplitsTabel, ::testing::ValuesIn(splitsingen),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST(Klembordkolom, VeertigRegelsVullen36Leerlingen)
{
    std::string tekst;
    for (int i = 1; i <= 40; ++i)
        tekst += std::to_string(1 + i % 10) + "\r\n";
    Klembordregels regels;
    int laatste = 0;
    SplitsInRegels(1, laatste, tekst, regels);
    EXPECT_EQ(laatste, 36);
    EXPECT_EQ(regels(36), std::to_string(1 + 36 % 10));
    EXPECT_EQ(regels(37), "");
}

TEST(Klembordkolom, PlakkenVerwerktElkeRegel)
{
    AdmMain adm;
    NieuwCijferbestand(adm);
    std::string zes = "6";
    VerwerkCijfer(adm, zes, 11, 3, 1, 1);

    // Pupil 10 gets 7.5, 11 loses the 6 (empty line), 12 refuses a word, 13 gets 8.
    EXPECT_EQ(CijferkolomPlakken(adm, "7,5\r\n\r\nziek\r\n8\r\n", 10, 3, 1, 1), 1);
    EXPECT_EQ(adm.Cijfer(10, 3, 1), "7.5");
    EXPECT_EQ(adm.Cijfer(11, 3, 1), "   ");
    EXPECT_EQ(adm.Cijfer(12, 3, 1), "   ");
    EXPECT_EQ(adm.Cijfer(13, 3, 1), "8  ");
    EXPECT_EQ(adm.KlAantal(3, 1), 2);
    EXPECT_DOUBLE_EQ(adm.KlGem(3, 1), 7.75);
    EXPECT_EQ(adm.Cijfer(14, 3, 1), "   ");
}

}  // namespace

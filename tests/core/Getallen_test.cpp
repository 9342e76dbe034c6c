#include "core/Getallen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>
#include <vector>

namespace {

const double inf = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();

struct GetalGeval {
    std::string tekst;
    double waarde;
    std::string naderhand;  // the caller's text afterwards
    friend std::ostream& operator<<(std::ostream& o, const GetalGeval& g) { return o << '"' << g.tekst << '"'; }
};

class TekstNaarGetalTest : public ::testing::TestWithParam<GetalGeval> {};

TEST_P(TekstNaarGetalTest, ReadsTheLeadingNumberAfterCommasBecamePoints)
{
    auto g = GetParam();
    std::string t = g.tekst;
    EXPECT_EQ(TekstNaarGetal(t), g.waarde);
    EXPECT_EQ(t, g.naderhand);
}

INSTANTIATE_TEST_SUITE_P(Gevallen, TekstNaarGetalTest, ::testing::Values(
    GetalGeval{"4,5", 4.5, "4.5"},
    GetalGeval{"7,5", 7.5, "7.5"},
    GetalGeval{"abc", 0, "abc"},
    GetalGeval{"5 5", 55, "5 5"},
    GetalGeval{"   ", 0, "   "},
    GetalGeval{"", 0, ""},
    GetalGeval{"1,2,3", 1.2, "1.2.3"},
    GetalGeval{" -\t.5\n", -0.5, " -\t.5\n"},
    GetalGeval{"+3x", 3, "+3x"},
    GetalGeval{"2.5E-05", 2.5e-05, "2.5E-05"},
    GetalGeval{"1D3", 1000, "1D3"},
    GetalGeval{"1E", 1, "1E"},
    GetalGeval{"1E+", 1, "1E+"},
    GetalGeval{"--5", 0, "--5"},
    GetalGeval{".", 0, "."},
    GetalGeval{"1E400", 0, "1E400"},
    GetalGeval{"-1E400", 0, "-1E400"},
    GetalGeval{"1E-400", 0, "1E-400"}));

TEST(LeidendGetal, CountsTheCharactersOfTheNumberWithTheBlanksAfterIt)
{
    struct Geval {
        std::string tekst;
        std::size_t gelezen;
    };
    for (const auto& g : std::vector<Geval>{
             {" 7.5", 4}, {" 7.5  ", 6}, {"-1", 2}, {"12 x", 3}, {"1E5", 3},
             {"1E", 1}, {"1 E+", 2}, {"", 0}, {"  ", 0}, {"x1", 0}, {"-", 0}, {".", 0},
             {"1E400", 0}, {"-1e400", 0}, {std::string(400, '9'), 0}, {"1E-400", 6}, {"0.001E310", 9}}) {
        std::size_t n = 99;
        LeidendGetal(g.tekst, &n);
        EXPECT_EQ(n, g.gelezen) << '"' << g.tekst << '"';
    }
}

// A stored text is taken exactly when an entry box would take it typed.
TEST(Invoerbaar, IsTheEntryRuleOnAStoredText)
{
    for (const char* t : {"", "   ", "7", "7.5", "7,5", ".5 ", "0  ", "10 ", "200", "201", "-1 ", "999", "abc", "1e3",
                          "1e1", "7ab", "- 5", ".", "1E400", "10.04"})
        for (double hoogste : {10.0, 200.0}) {
            std::string typed = t;
            const Getalinvoer in = LeesGetalinvoer(typed, hoogste, "");
            double x = -5;
            EXPECT_EQ(Invoerbaar(t, hoogste, x), !in.geweigerd) << '"' << t << "\" " << hoogste;
            EXPECT_EQ(x, in.geweigerd || in.leeg ? 0 : in.waarde) << '"' << t << "\" " << hoogste;
        }
    double x = 0;
    EXPECT_TRUE(Invoerbaar("7,5", 10, x));
    EXPECT_EQ(x, 7.5);
    EXPECT_FALSE(Invoerbaar("999", 200, x));
    EXPECT_EQ(x, 0);
}

struct CijferGeval {
    double x;
    std::string tekst;
    double naderhand;
    friend std::ostream& operator<<(std::ostream& o, const CijferGeval& g) { return o << g.x; }
};

class CijferNaarTekstTest : public ::testing::TestWithParam<CijferGeval> {};

TEST_P(CijferNaarTekstTest, RoundsToTenthsWritesBackAndFormats)
{
    auto g = GetParam();
    double x = g.x;
    EXPECT_EQ(CijferNaarTekst(x), g.tekst);
    EXPECT_EQ(x, g.naderhand);
}

INSTANTIATE_TEST_SUITE_P(Gevallen, CijferNaarTekstTest, ::testing::Values(
    CijferGeval{7.25, "7.3", 7.3},
    CijferGeval{7.24, "7.2", 7.2},
    CijferGeval{6.95, "7", 7},
    CijferGeval{0.04, "0  ", 0},
    CijferGeval{-0.04, "0  ", 0},
    CijferGeval{-0.06, "   ", -0.1},
    CijferGeval{200.04, "200", 200},
    CijferGeval{200.05, "   ", 200.1},
    CijferGeval{10.0, "10", 10},
    CijferGeval{10.1, "10", 10.1},
    CijferGeval{10.5, "11", 10.5},
    CijferGeval{55.5, "56", 55.5},
    CijferGeval{0.35, "0.4", 0.4},
    CijferGeval{1, "1", 1},
    CijferGeval{9.96, "10", 10},
    CijferGeval{1e300, "   ", 1e300},
    CijferGeval{-1.7e308, "   ", -1.7e308},
    CijferGeval{inf, "   ", -1},
    CijferGeval{nan, "   ", -1}));

// A taken number is stored as its grade text, and as the value that text
// reads as: from 10 on the text holds no tenths.
TEST(Opslagwaarde, IsTheValueOfTheGradeTextItWrites)
{
    const struct {
        double waarde;
        const char* tekst;
        double opgeslagen;
    } gevallen[] = {{7.25, "7.3", 7.3}, {6.95, "7", 7}, {10.5, "11", 11}, {0.04, "0  ", 0}, {200, "200", 200}};
    for (const auto& g : gevallen) {
        std::string tekst = "7,5";
        EXPECT_EQ(Opslagwaarde(tekst, g.waarde), g.opgeslagen) << g.waarde;
        EXPECT_EQ(tekst, g.tekst) << g.waarde;
    }
}

TEST(HoudtWaarde, AStoredTextThatIsNotBlankAndReadsAsTheValue)
{
    const struct {
        const char* opgeslagen;
        double waarde;
        bool houdt;
    } gevallen[] = {{"7.3", 7.3, true}, {"7,3", 7.3, true}, {"7.3", 7.2, false}, {"0  ", 0, true},
                    {"   ", 0, false}, {"", 0, false}, {"11 ", 11, true}};
    for (const auto& g : gevallen)
        EXPECT_EQ(HoudtWaarde(g.opgeslagen, g.waarde), g.houdt) << '"' << g.opgeslagen << "\" " << g.waarde;
}

TEST(GemiddeldeNaarTekst, FollowsTheRangesAndTheMode)
{
    struct Geval {
        double x;
        bool twee;
        std::string tekst;
    };
    for (const auto& g : std::vector<Geval>{
             {200, true, "200"}, {200.01, true, ""}, {-0.01, true, ""}, {100, true, "100"},
             {100.26, true, "100.3"}, {0, true, "0"}, {0, false, "0"},
             {6.789, true, "6.79"}, {6.789, false, "6.78"},
             {6.456, true, "6.46"}, {6.456, false, "6.45"}, {6.5, true, "6.5"}, {6.5, false, "6.5"},
             {6.455, true, "6.46"},  // the double lies just below 6.455
             {0.456, true, "0.46"}, {0.4, false, "0.40"}, {7, true, "7"}, {7, false, "7"},
             {12.34, false, "12.3"}, {10, true, "10"}, {123.46, true, "123.5"}, {150, false, "150"},
             // The mask keeps its point where the value rounds to whole.
             {7.0000000001, true, "7."}, {9.999, true, "10."}, {1.999, true, "2."}, {7.0000000001, false, "7.00"},
             {inf, true, ""}, {nan, false, ""}}) {
        EXPECT_EQ(GemiddeldeNaarTekst(g.x, g.twee), g.tekst) << g.x << ' ' << g.twee;
    }
}

TEST(PersNrNaarTekst, SixDigitsOrZeros)
{
    for (const auto& [in, uit] : std::vector<std::pair<std::string, std::string>>{
             {"", "000000"}, {"0", "000000"}, {"999999", "999999"}, {"1000000", "000000"},
             {"  42", "000042"}, {"12", "000012"}, {"12.9", "000012"}, {"123456", "123456"},
             {"-5", "000000"}, {"abc", "000000"}, {"1E400", "000000"}}) {
        EXPECT_EQ(PersNrNaarTekst(in), uit) << in;
    }
}

TEST(DosTekensOmzetten, MapsCodePage850OnceAndKeepsTheLength)
{
    EXPECT_EQ(DosTekensOmzetten("\x9C"), "\xA3");  // £
    EXPECT_EQ(DosTekensOmzetten("Caf\x82"), "Caf\xE9");
    EXPECT_EQ(DosTekensOmzetten("\x80\x81\x9F\xA4\xA5"), "\xC7\xFC\x83\xF1\xD1");  // Ç ü ƒ ñ Ñ
    // Windows é, ë and bytes around the range pass; é (0x82 -> 0xE9) is not converted twice.
    const std::string rest = std::string("\xE9\xEB\x7F\xA6\xFF", 5);
    EXPECT_EQ(DosTekensOmzetten(rest), rest);
    std::string alles;
    for (int c = 0; c < 256; ++c)
        alles += static_cast<char>(c);
    const std::string om = DosTekensOmzetten(alles);
    ASSERT_EQ(om.size(), 256u);
    for (int c = 0; c < 256; ++c)
        if (c < 0x80 || c > 0xA5)
            EXPECT_EQ(om[c], alles[c]);
        else
            EXPECT_GE(static_cast<unsigned char>(om[c]), 0x80) << c;
}

TEST(GetalNaarTekst, TheFileForm)
{
    for (const auto& [x, tekst] : std::vector<std::pair<double, std::string>>{
             {7.5, " 7.5"}, {0.25, " .25"}, {12, " 12"}, {0, " 0"}, {-0.0, " 0"}, {-1, "-1"},
             {-0.5, "-.5"}, {6, " 6"}, {32767, " 32767"}, {-32768, "-32768"},
             {1e15, " 1E+15"}, {2.5e-05, " 2.5E-05"}, {-1e-300, "-1E-300"},
             {999999999999999, " 999999999999999"}, {0.0001, " .0001"}, {0.00012, " .00012"},
             {1.0 / 3, " .333333333333333"}, {2.0 / 3, " .666666666666667"},
             {9999999999999999.0, " 1E+16"}, {123456789012345678.0, " 1.23456789012346E+17"},
             {0.1 + 0.2, " .3"}, {100, " 100"}, {1e14, " 100000000000000"},
             {inf, "-1"}, {-inf, "-1"}, {nan, "-1"}}) {
        EXPECT_EQ(GetalNaarTekst(x), tekst) << x;
    }
}

TEST(GetalNaarTekst, ReadsBackToTheSameValue)
{
    std::mt19937_64 gen(42);
    std::uniform_real_distribution<double> mantisse(-10, 10);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        // A value of at most 15 significant digits, as its decimal text gives it.
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.*e", i % 15, mantisse(gen) * std::pow(10.0, exponent(gen)));
        const double x = std::strtod(buf, nullptr);
        std::string t = GetalNaarTekst(x);
        std::size_t n = 0;
        EXPECT_EQ(LeidendGetal(t, &n), x) << buf << " -> " << t;
        EXPECT_EQ(n, t.size()) << t;
        EXPECT_EQ(TekstNaarGetal(t), x) << buf;
    }
    // The extremes still read back as finite numbers close to themselves.
    for (double x : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                     std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min()}) {
        const std::string t = GetalNaarTekst(x);
        std::size_t n = 0;
        EXPECT_NEAR(LeidendGetal(t, &n) / x, 1, 1e-14) << t;
        EXPECT_EQ(n, t.size()) << t;
    }
}

// Values of every size, decimal fractions and halves of the last digits with
// their neighbours on both sides: where a short way to the digits could
// part from the correctly rounded decimal form.
std::vector<double> Randgevallen()
{
    std::mt19937_64 gen(7);
    std::vector<double> r;
    for (int i = 0; i < 200000; ++i) {
        const double macht = std::pow(10.0, static_cast<double>(gen() % 26) - 10);
        double x = 0;
        switch (i % 3) {
        case 0: x = std::ldexp(1.0 + std::ldexp(static_cast<double>(gen() >> 12), -52), static_cast<int>(gen() % 90) - 35); break;
        case 1: x = static_cast<double>(gen() % 1000000) * macht; break;
        default: x = (static_cast<double>(gen() % 1000000) + 0.5) * macht; break;
        }
        for (const double y : {x, std::nextafter(x, 0.0), std::nextafter(x, 1e300)})
            r.push_back(gen() % 2 ? -y : y);
    }
    return r;
}

TEST(GetalNaarTekst, IsTheCorrectlyRoundedFifteenDigitForm)
{
    for (const double x : Randgevallen()) {
        char e14[40];
        std::snprintf(e14, sizeof e14, "%.14e", x);
        const std::string t = GetalNaarTekst(x);
        // Fifteen digits always read back to the double they came from, so
        // equal values mean equal digits.
        ASSERT_EQ(std::strtod(t.c_str(), nullptr), std::strtod(e14, nullptr)) << e14 << " gave " << t;
    }
}

TEST(Formatteer, RoundsTheFifteenDigitFormHalfAwayFromZero)
{
    const char* maskers[] = {"0", "0.0", "0.00", "0.000"};
    for (const double x : Randgevallen()) {
        if (!(std::fabs(x) < 1e6))
            continue;
        char e14[40];
        std::snprintf(e14, sizeof e14, "%.14e", std::fabs(x));  // d.dddddddddddddde±XX
        std::uint64_t cijfers = static_cast<std::uint64_t>(e14[0] - '0');
        for (int i = 2; i < 16; ++i)
            cijfers = cijfers * 10 + static_cast<std::uint64_t>(e14[i] - '0');
        const int exponent = std::atoi(e14 + 17);
        for (int d = 0; d <= 3; ++d) {
            const int weg = 14 - exponent - d;  // digits below the last decimal, at least 6 here
            std::uint64_t n = 0;
            if (weg < 20) {
                std::uint64_t deler = 1;
                for (int i = 0; i < weg; ++i)
                    deler *= 10;
                n = cijfers / deler + (cijfers % deler >= deler / 2 ? 1 : 0);
            }
            std::uint64_t macht = 1;
            for (int i = 0; i < d; ++i)
                macht *= 10;
            std::string verwacht = x < 0 && n != 0 ? "-" : "";
            verwacht += std::to_string(n / macht);
            if (d > 0) {
                const std::string breuk = std::to_string(n % macht);
                verwacht += "." + std::string(static_cast<std::size_t>(d) - breuk.size(), '0') + breuk;
            }
            ASSERT_EQ(Formatteer(x, maskers[d]), verwacht) << e14;
        }
    }
}

TEST(Formatteer, DigitMasks)
{
    struct Geval {
        double x;
        const char* masker;
        std::string tekst;
    };
    for (const auto& g : std::vector<Geval>{
             {0.4, "0.#", "0.4"}, {0.45, "0.#", "0.5"}, {7, "##", "7"}, {0.4, "##", ""},
             {7.3, "#.#", "7.3"}, {0.5, "#.#", ".5"}, {10.5, "###", "11"}, {200, "###", "200"},
             {6.455, "#.##", "6.46"}, {1.005, "#.##", "1.01"}, {6.5, "#.##", "6.5"}, {7, "#.##", "7."},
             {0.456, "0.#0", "0.46"}, {0.4, "0.#0", "0.40"}, {0.999, "0.#0", "1.00"},
             {12.34, "##.0", "12.3"}, {12.25, "##.0", "12.3"}, {99.96, "##.0", "100.0"},
             {123.46, "###.0", "123.5"}, {-2.5, "##", "-3"},
             {inf, "##", ""}, {nan, "0.#", ""}}) {
        EXPECT_EQ(Formatteer(g.x, g.masker), g.tekst) << g.x << ' ' << g.masker;
    }
}

}  // namespace

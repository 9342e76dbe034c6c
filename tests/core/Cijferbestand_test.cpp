#include "core/Bestand.h"
#include "core/Cijferbestand.h"
#include "core/Fout.h"
#include "core/Pad.h"

#include "Tekstvelden.h"
#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Line positions (from 0) in a version 2 file.
constexpr int Schermregel = 11 + 36 * 126;
int PupilRegel(int p, int k) { return 11 + (p - 1) * 126 + (k - 1); }  // k: line in the block, from 1
int NiveauStart(int l) { return Schermregel + 1 + (l - 1) * 1010; }
int KolomRegel(int c, int l, int j) { return NiveauStart(l) + (c - 1) * 10 + j; }  // j: 0 KolomSoort .. 9 KlSpr
constexpr int Opties = Schermregel + 1 + 2 * 1010;

std::vector<std::string> Splits(const std::string& tekst)
{
    std::vector<std::string> r;
    std::size_t i = 0;
    while (i < tekst.size()) {
        const auto j = tekst.find("\r\n", i);
        r.push_back(tekst.substr(i, j - i));
        i = j + 2;
    }
    return r;
}

std::string Samen(const std::vector<std::string>& regels)
{
    std::string r;
    for (const auto& s : regels)
        r += s + "\r\n";
    return r;
}

void Schrijf(const fs::path& pad, const std::string& inhoud)
{
    std::ofstream(pad, std::ios::binary) << inhoud;
}

std::string Lees(const fs::path& pad)
{
    std::ifstream in(pad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every field a grade file holds.
void ExpectGelijk(const AdmMain& a, const AdmMain& b)
{
#define VELD(f) EXPECT_TRUE(a.f == b.f) << #f
    VELD(School); VELD(Cursus); VELD(Klas); VELD(Vak); VELD(Deelvak); VELD(NiveauNaam);
    VELD(Docent); VELD(DocentPersNr); VELD(KlasMentor); VELD(MentorPersNr);
    VELD(Achternaam); VELD(Roepnaam); VELD(Adres); VELD(Postcode); VELD(Woonplaats); VELD(Telefoon);
    VELD(LeerlingPersNr); VELD(Geslacht); VELD(Basisgroep); VELD(Kenmerk); VELD(Mentor);
    VELD(Cijfer); VELD(KolomSoort); VELD(KolomDatum); VELD(KolomOpmerking); VELD(KolomGewicht);
    VELD(GewichtWaarde); VELD(KlGemTxt); VELD(KlGem); VELD(KlAantal); VELD(KlSprTxt); VELD(KlSpr);
    VELD(Omrekenformule); VELD(TrimGewichtTekst); VELD(TrimesterWeging);
    VELD(TrGemTxt); VELD(TrGem); VELD(SomGewicht); VELD(JrGemTxt); VELD(JrGem); VELD(SomGewichtJaar);
    VELD(EindGemTxt); VELD(EindGem); VELD(KlTrGemTxt); VELD(KlTrSprTxt); VELD(KlTrGem); VELD(KlTrSpr);
    VELD(KlTrAantal); VELD(KlJrGemTxt); VELD(KlJrSprTxt); VELD(KlJrGem); VELD(KlJrSpr); VELD(KlJrAantal);
    VELD(RapportTxt); VELD(Rapport); VELD(RapportOptie); VELD(RapportOptieNieuw);
    VELD(Scherm); VELD(EersteRij); VELD(LaatsteRij); VELD(EersteKolom); VELD(LaatsteKolom);
    VELD(HuidigeRij); VELD(HuidigeKolom); VELD(Niveau);
#undef VELD
}

// True when the file-held data are those of a new data set.
bool IsNieuw(const AdmMain& a)
{
    AdmMain n = a;
    NieuwCijferbestand(n);
    return CijferbestandTekst(n) == CijferbestandTekst(a) && n.RapportOptieNieuw == a.RapportOptieNieuw;
}

// A data set with something in every field, accented and Windows-only
// characters (Š, €, ’) in the names, and numbers of every written form.
AdmMain RijkeGegevens()
{
    AdmMain a;
    const double getallen[] = {-1, 0, 0.25, 7.5, 6.456, 10, 123.46, 1E+15, 2.5E-05, 5.4, 8.25};
    int n = 0;
    auto getal = [&] { return getallen[n++ % std::size(getallen)]; };
    auto tekst = [&](const char* basis) { return std::string(basis) + std::to_string(n++); };

    a.School = "Sint-Ignatius Coll\xE9ge";
    a.Cursus = "2024-2025";
    a.Klas = "3A    ";
    a.Vak = "wisk  ";
    a.Deelvak = "alg";
    a.NiveauNaam(1) = "havo";
    a.NiveauNaam(2) = "vwo";
    a.Docent = "J. de Vri\xEBs";
    a.DocentPersNr = "001234";
    a.KlasMentor = "M. \x8A" "imunovi\xE6";
    a.MentorPersNr = "004321";
    for (int p = 1; p <= 36; ++p) {
        a.Achternaam(p) = p == 1 ? std::string("\x8A" "ari\xE9 \x80 O\x92" "Brien") : tekst("Jans\xEBn ");
        a.Roepnaam(p) = tekst("Zo\xEB ");
        a.Adres(p) = tekst("Kerkstraat ");
        a.Postcode(p) = "1234 AB";
        a.Woonplaats(p) = tekst("Utr");
        a.Telefoon(p) = tekst("030-");
        a.LeerlingPersNr(p) = std::to_string(100000 + p);
        a.Geslacht(p) = p % 2 ? "M" : "V";
        a.Basisgroep(p) = tekst("B");
        a.Kenmerk(p) = tekst("k");
        a.Mentor(p) = "ABC";
        for (int c = 1; c <= 48; ++c)
            for (int l = 1; l <= 2; ++l)
                a.Cijfer(p, c, l) = std::to_string((p + c + l) % 10) + ".5";
        for (int r = 1; r <= 4; ++r)
            for (int l = 1; l <= 2; ++l) {
                a.RapportTxt(p, r, l) = "7.5";
                a.Rapport(p, r, l) = getal();
            }
    }
    for (int l = 1; l <= 2; ++l) {
        for (int c = 1; c <= 48; ++c) {
            a.KolomSoort(c, l) = tekst("toets \x80 ");
            a.KolomDatum(c, l) = tekst("12-03-");
            a.KolomOpmerking(c, l) = tekst("hfst ");
            a.KolomGewicht(c, l) = "2";
            a.GewichtWaarde(c, l) = getal();
            a.KlGemTxt(c, l) = "6.46";
            a.KlGem(c, l) = getal();
            a.KlAantal(c, l) = c % 37;
            a.KlSprTxt(c, l) = "1.2";
            a.KlSpr(c, l) = getal();
        }
        for (int t = 1; t <= 3; ++t) {
            a.TrimGewichtTekst(t, l) = "1";
            a.TrimesterWeging(t, l) = getal();
            a.KlTrGemTxt(t, l) = "6.1";
            a.KlTrGem(t, l) = getal();
            a.KlTrAantal(t, l) = 30 + t;
            a.KlTrSprTxt(t, l) = ".9";
            a.KlTrSpr(t, l) = getal();
        }
        for (int p = 1; p <= 36; ++p) {
            for (int t = 1; t <= 3; ++t) {
                a.TrGemTxt(p, t, l) = "6.45";
                a.TrGem(p, t, l) = getal();
                a.SomGewicht(p, t, l) = getal();
            }
            a.JrGemTxt(p, l) = "7";
            a.JrGem(p, l) = getal();
            a.SomGewichtJaar(p, l) = getal();
            a.EindGemTxt(p, l) = "7.1";
            a.EindGem(p, l) = getal();
        }
        a.KlJrGemTxt(l) = "6.8";
        a.KlJrGem(l) = getal();
        a.KlJrAantal(l) = 35;
        a.KlJrSprTxt(l) = "1.1";
        a.KlJrSpr(l) = getal();
    }
    a.RapportOptie = {0, 2, 3, 1, 2, 4};
    a.RapportOptieNieuw = a.RapportOptie;
    a.Omrekenformule = {"2*c", "1+0.8*c   ", "c/2+(c-1)*0.5"};
    a.Scherm = 2;
    a.EersteRij = 9;
    a.LaatsteRij = 16;
    a.HuidigeRij = 12;
    a.EersteKolom = 25;
    a.LaatsteKolom = 32;
    a.HuidigeKolom = 27;
    a.Niveau = 2;
    return a;
}

}  // namespace

class CijferbestandTest : public ::testing::Test {
protected:
    std::string Pad(const char* naam) const { return tijdelijk / naam; }

    Tijdelijkemap tijdelijk;
    const fs::path map = tijdelijk.pad();
};

// The test files were written from the layout, not by the writer: the
// writer gives them byte for byte.
TEST_F(CijferbestandTest, TheWriterGivesTheLayoutsBytes)
{
    EXPECT_EQ(CijferbestandTekst(AdmMain{}), Testinhoud("nieuw.vlk"));
    EXPECT_EQ(CijferbestandTekst(RijkeGegevens()), Testinhoud("rijk.vlk"));
}

TEST_F(CijferbestandTest, NewDataSetGivesTheFullLayoutAndLoadsBack)
{
    AdmMain a;
    a.GewichtWaarde(1, 1) = 0.25;
    a.Rapport(1, 1, 1) = 7.5;
    const auto tekst = CijferbestandTekst(a);
    const auto regels = Splits(tekst);
    ASSERT_EQ(regels.size(), 6576u);
    EXPECT_EQ(std::count(tekst.begin(), tekst.end(), '\n'), 6576);  // every line ends in CR LF
    EXPECT_EQ(std::count(tekst.begin(), tekst.end(), '\r'), 6576);
    EXPECT_EQ(regels[0], std::string(30, ' '));
    EXPECT_EQ(regels[2], "      ");
    EXPECT_EQ(regels[8], "000000");
    EXPECT_EQ(regels[PupilRegel(1, 12)], "   ");
    EXPECT_EQ(regels[PupilRegel(1, 113)], " 7.5");
    EXPECT_EQ(regels[PupilRegel(1, 114)], "-1");
    EXPECT_EQ(regels[Schermregel], " 6  1  1  1  8  1  8  1 ");
    EXPECT_EQ(regels[KolomRegel(1, 1, 0)], std::string(39, ' '));
    EXPECT_EQ(regels[KolomRegel(1, 1, 4)], " .25");
    EXPECT_EQ(regels[KolomRegel(2, 1, 4)], "-1");
    EXPECT_EQ(regels[KolomRegel(1, 1, 5)], "    ");
    EXPECT_EQ(regels[KolomRegel(1, 1, 7)], " 0");
    EXPECT_EQ(regels[Opties + 3], " 3");
    EXPECT_EQ(regels[6575], "0.9*c" + std::string(20, ' '));

    const auto pad = Pad("nieuw.vlk");
    a.Gewijzigd = 1;
    CijferbestandOpslaan(a, pad);
    EXPECT_EQ(a.Gewijzigd, 0);
    EXPECT_EQ(Lees(pad), tekst);
    AdmMain b;
    b.Scherm = 3;
    CijferbestandLaden(b, pad);
    ExpectGelijk(a, b);
    EXPECT_EQ(CijferbestandVersie(pad), 2);
}

TEST_F(CijferbestandTest, RichDataSetRoundTripsToIdenticalBytesAndData)
{
    const AdmMain a = RijkeGegevens();
    const auto pad = Pad("rijk.vlk");
    AdmMain opslaan = a;
    CijferbestandOpslaan(opslaan, pad);
    const auto bytes = Lees(pad);
    EXPECT_EQ(bytes, CijferbestandTekst(a));
    const auto regels = Splits(bytes);
    EXPECT_EQ(regels[Schermregel], " 2  12  27  25  32  9  16  2 ");
    EXPECT_EQ(regels[Opties + 4], " 4");

    // What the file does not hold stays the caller's.
    EXPECT_EQ(bytes, Testinhoud("rijk.vlk"));
    AdmMain b;
    b.DocentCode = "QRS";
    b.StartMap = "/home/juf";
    b.ImportBestand = "/home/juf/ander.vlk";
    b.InsertModus = 0;
    b.LogoGetoond = 1;
    b.Gewijzigd = 1;
    CijferbestandLaden(b, Testbestand("rijk.vlk"));
    ExpectGelijk(a, b);
    EXPECT_EQ(b.Achternaam(1), Pas("\x8A" "ari\xE9 \x80 O\x92" "Brien", 30));  // no DOS mapping on a current file
    EXPECT_EQ(b.DocentCode, "QRS");
    EXPECT_EQ(b.StartMap, "/home/juf");
    EXPECT_EQ(b.ImportBestand, "/home/juf/ander.vlk");
    EXPECT_EQ(b.InsertModus, 0);
    EXPECT_EQ(b.LogoGetoond, 1);
    EXPECT_EQ(b.Gewijzigd, 0);
    EXPECT_EQ(Bestandsdeel(b.Bestandsnaam), "NAAMLOOS.VLK");  // the caller names it

    CijferbestandOpslaan(b, Pad("weer.vlk"));
    EXPECT_EQ(Lees(Pad("weer.vlk")), bytes);
}

TEST_F(CijferbestandTest, FilesEndingAfterTheDisplayLineOrTheOptionsAreValid)
{
    const AdmMain a = RijkeGegevens();
    const auto regels = Splits(Testinhoud("rijk.vlk"));
    const AdmMain nieuw;

    Schrijf(Pad("kort.vlk"), Samen({regels.begin(), regels.begin() + Schermregel + 1}));
    AdmMain b;
    CijferbestandLaden(b, Pad("kort.vlk"));
    EXPECT_EQ(b.Achternaam, a.Achternaam);
    EXPECT_EQ(b.Cijfer, a.Cijfer);
    EXPECT_EQ(b.Rapport, a.Rapport);
    EXPECT_EQ(b.HuidigeKolom, 27);
    EXPECT_EQ(b.Niveau, 2);
    EXPECT_EQ(b.KolomSoort, nieuw.KolomSoort);
    EXPECT_EQ(b.GewichtWaarde, nieuw.GewichtWaarde);
    EXPECT_EQ(b.KlJrAantal, nieuw.KlJrAantal);
    EXPECT_EQ(b.TrGem, nieuw.TrGem);
    EXPECT_EQ(b.RapportOptie, nieuw.RapportOptie);
    EXPECT_EQ(b.Omrekenformule, nieuw.Omrekenformule);

    Schrijf(Pad("opties.vlk"), Samen({regels.begin(), regels.begin() + Opties + 5}));
    CijferbestandLaden(b, Pad("opties.vlk"));
    EXPECT_EQ(b.KlSpr, a.KlSpr);
    EXPECT_EQ(b.RapportOptie, a.RapportOptie);
    EXPECT_EQ(b.RapportOptieNieuw, a.RapportOptie);
    EXPECT_EQ(b.Omrekenformule, nieuw.Omrekenformule);
}

TEST_F(CijferbestandTest, DamagedFilesAreRefusedAndLeaveANewDataSet)
{
    const auto regels = Splits(Testinhoud("rijk.vlk"));
    using Wijziging = std::function<void(std::vector<std::string>&)>;
    auto afkappen = [](std::size_t n) { return Wijziging([n](auto& r) { r.resize(n); }); };
    auto zet = [](int i, std::string w) { return Wijziging([i, w](auto& r) { r[i] = w; }); };
    const struct {
        const char* naam;
        Wijziging wijziging;
        int code;
    } gevallen[] = {
        {"school line 29", zet(0, std::string(29, 'x')), FoutVerkeerdBestand},
        {"school line 31", zet(0, std::string(31, 'x')), FoutVerkeerdBestand},
        {"school year 8", zet(1, "2024-202"), FoutVerkeerdBestand},
        {"class 5", zet(2, "3A   "), FoutVerkeerdBestand},
        {"subject 7", zet(3, "wiskund"), FoutVerkeerdBestand},
        {"empty file", afkappen(0), FoutVerkeerdBestand},
        {"three lines", afkappen(3), FoutVerkeerdBestand},
        {"in the header", afkappen(7), FoutVoorbijEinde},
        {"in pupil 20", afkappen(PupilRegel(20, 60)), FoutVoorbijEinde},
        {"before the display line", afkappen(Schermregel), FoutVoorbijEinde},
        {"one line into level 1", afkappen(Schermregel + 2), FoutVoorbijEinde},
        {"in level 2", afkappen(NiveauStart(2) + 700), FoutVoorbijEinde},
        {"in the options", afkappen(Opties + 3), FoutVoorbijEinde},
        {"one formula", afkappen(Opties + 6), FoutVoorbijEinde},
        {"count beyond 16 bits", zet(KolomRegel(9, 1, 7), " 40000"), FoutOverloop},
        {"display value beyond 16 bits", zet(Schermregel, " 6  1  1  1  8  1  8  99999 "), FoutOverloop},
        {"option beyond 16 bits", zet(Opties + 1, "-32769"), FoutOverloop},
        {"overlong line", zet(4, std::string(5000, 'a')), FoutVerkeerdBestand},
        {"binary byte", zet(PupilRegel(1, 1), std::string("Jan\0sen", 7) + std::string(23, ' ')), FoutVerkeerdBestand},
        {"binary byte in a grade", zet(PupilRegel(1, 15), std::string("6\0" "5", 3)), FoutVerkeerdBestand},
        {"binary byte in a number", zet(KolomRegel(1, 1, 4), std::string(" 2\0", 3)), FoutVerkeerdBestand},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.naam);
        auto r = regels;
        g.wijziging(r);
        Schrijf(Pad("kapot.vlk"), Samen(r));
        AdmMain b = RijkeGegevens();
        b.DocentCode = "QRS";
        b.Gewijzigd = 1;
        try {
            CijferbestandLaden(b, Pad("kapot.vlk"));
            ADD_FAILURE() << "loaded";
        } catch (const Bestandsfout& f) {
            EXPECT_EQ(f.code(), g.code) << f.what();
        }
        EXPECT_TRUE(IsNieuw(b));
        EXPECT_EQ(b.Gewijzigd, 0);
        EXPECT_EQ(b.DocentCode, "QRS");
    }

    AdmMain b = RijkeGegevens();
    EXPECT_THROW(CijferbestandLaden(b, Pad("ontbreekt.vlk")), Bestandsfout);
    EXPECT_TRUE(IsNieuw(b));
    EXPECT_THROW(CijferbestandLaden(b, map.string()), Bestandsfout);
}

// A control byte inside a line (not its CR LF) reads as the blank its save
// writes, in a text, a number, a count, the display line, an option and a
// formula alike: the file loads as the one with a blank there, and its save
// loads and saves to the same bytes.
TEST_F(CijferbestandTest, AControlByteInsideALineReadsAsABlank)
{
    const auto regels = Splits(Testinhoud("rijk.vlk"));
    const struct {
        const char* naam;
        int regel;
        std::string sjabloon;  // '#' where the byte stands
    } gevallen[] = {
        {"school", 0, Pas("Sint-Ignatius#Coll\xE9ge", 30)},
        {"sub-subject", 4, "al#g"},
        {"surname", PupilRegel(2, 1), Pas("Jans\xEBn#14", 30)},
        {"grade", PupilRegel(1, 15), "6#5"},
        {"report number", PupilRegel(1, 113), " 7#.5"},
        {"display line", Schermregel, " 2#12  27  25  32  9  16  2 "},
        {"weight number", KolomRegel(1, 1, 4), " 2#.5"},
        {"count", KolomRegel(9, 1, 7), " 1#2"},
        {"option", Opties + 4, " #4"},
        {"formula", Opties + 5, "2*#c"},
    };
    for (const auto& g : gevallen) {
        auto r = regels;
        r[g.regel] = g.sjabloon;
        std::replace(r[g.regel].begin(), r[g.regel].end(), '#', ' ');
        Schrijf(Pad("blank.vlk"), Samen(r));
        AdmMain blank;
        CijferbestandLaden(blank, Pad("blank.vlk"));
        for (const char byte : {'\r', '\t', '\x01', '\x1B', '\x1F', '\x7F'}) {
            SCOPED_TRACE(std::string(g.naam) + ", byte " + std::to_string(static_cast<int>(byte)));
            r[g.regel] = g.sjabloon;
            std::replace(r[g.regel].begin(), r[g.regel].end(), '#', byte);
            Schrijf(Pad("stuur.vlk"), Samen(r));
            AdmMain a;
            try {
                CijferbestandLaden(a, Pad("stuur.vlk"));
            } catch (const Bestandsfout& f) {
                ADD_FAILURE() << f.what();
                continue;
            }
            ExpectGelijk(blank, a);
            EXPECT_EQ(VeldMetStuurteken(a), "");
            CijferbestandOpslaan(a, Pad("een.vlk"));
            AdmMain b;
            CijferbestandLaden(b, Pad("een.vlk"));
            CijferbestandOpslaan(b, Pad("twee.vlk"));
            EXPECT_EQ(Lees(Pad("twee.vlk")), Lees(Pad("een.vlk")));
        }
    }
    // Spot checks of what the blank gives.
    auto r = regels;
    r[PupilRegel(1, 15)] = "6\r5";
    r[Schermregel] = " 2\r12  27  25  32  9  16  2 ";
    r[KolomRegel(9, 1, 7)] = " 1\x7F" "2";
    r[Opties + 4] = " \x01" "4";
    Schrijf(Pad("stuur.vlk"), Samen(r));
    AdmMain a;
    CijferbestandLaden(a, Pad("stuur.vlk"));
    EXPECT_EQ(a.Cijfer(1, 1, 1), "6 5");
    EXPECT_EQ(a.HuidigeRij, 12);
    EXPECT_EQ(a.KlAantal(9, 1), 12);
    EXPECT_EQ(a.RapportOptie[5], 4);
}

TEST_F(CijferbestandTest, ImperfectNumberLinesReadTheirLeadingNumber)
{
    auto regels = Splits(Testinhoud("rijk.vlk"));
    regels[PupilRegel(3, 113)] = "abc";
    regels[PupilRegel(3, 114)] = " 7.5x";
    regels[KolomRegel(5, 2, 4)] = "";
    regels[KolomRegel(5, 1, 6)] = "1,2,3";
    regels[KolomRegel(6, 1, 6)] = "7.168 x";
    regels[KolomRegel(7, 1, 6)] = "-1.#IND";
    regels[KolomRegel(8, 1, 7)] = "";
    regels[KolomRegel(9, 1, 7)] = " 12 leerlingen";
    regels[Opties + 4] = "3x";
    Schrijf(Pad("rommelig.vlk"), Samen(regels));
    AdmMain b;
    b.Gewijzigd = 1;
    CijferbestandLaden(b, Pad("rommelig.vlk"));
    EXPECT_EQ(b.Rapport(3, 1, 1), 0.0);
    EXPECT_EQ(b.Rapport(3, 1, 2), 7.5);
    EXPECT_EQ(b.GewichtWaarde(5, 2), 0.0);
    EXPECT_EQ(b.KlGem(5, 1), 1.2);
    EXPECT_EQ(b.KlGem(6, 1), 7.168);
    EXPECT_EQ(b.KlGem(7, 1), -1.0);
    EXPECT_EQ(b.KlAantal(8, 1), 0);
    EXPECT_EQ(b.KlAantal(9, 1), 12);
    EXPECT_EQ(b.RapportOptie[5], 3);
    EXPECT_EQ(b.School, RijkeGegevens().School);
    EXPECT_EQ(b.Gewijzigd, 0);
}

TEST_F(CijferbestandTest, DisplayStateOutOfRangeTakesItsStartUpValue)
{
    const auto regels = Splits(Testinhoud("nieuw.vlk"));
    // Scherm, HuidigeRij, HuidigeKolom, EersteKolom, LaatsteKolom, EersteRij, LaatsteRij, Niveau in the
    // file; expected: Scherm, EersteRij, LaatsteRij, HuidigeRij, EersteKolom, LaatsteKolom, HuidigeKolom, Niveau.
    const struct {
        const char* regel;
        std::array<int, 8> verwacht;
    } gevallen[] = {
        {" 3  29  40  33  40  29  36  2 ", {3, 29, 36, 29, 33, 40, 40, 2}},
        {"5,1,9,9,16,1,8,1", {5, 1, 8, 1, 9, 16, 9, 1}},
        {" 0  1  1  1  8  1  8  1 ", {6, 1, 8, 1, 1, 8, 1, 1}},
        {" 7  1  1  1  8  1  8  1 ", {6, 1, 8, 1, 1, 8, 1, 1}},
        {" 6  1  1  1  8  1  8  3 ", {6, 1, 8, 1, 1, 8, 1, 1}},
        {" 6  1  1  1  8  1  8  0 ", {6, 1, 8, 1, 1, 8, 1, 1}},
        {" 6  30  1  1  8  30  37  1 ", {6, 1, 8, 30, 1, 8, 1, 1}},  // rows past slot 36
        {" 5  20  1  1  8  1  8  1 ", {5, 1, 8, 20, 1, 8, 1, 1}},    // current pupil outside the window stays
        {" 6  37  1  1  8  9  16  1 ", {6, 9, 16, 9, 1, 8, 1, 1}},   // no such pupil
        {" 6  5  1  1  8  2  8  1 ", {6, 1, 8, 5, 1, 8, 1, 1}},      // window not 8 rows
        {" 6  0  1  1  8  0  7  1 ", {6, 1, 8, 1, 1, 8, 1, 1}},
        {" 2  3  5  1  8  1  8  1 ", {2, 1, 8, 3, 17, 24, 17, 1}},   // columns of another term
        {" 6  3  45  42  49  1  8  1 ", {6, 1, 8, 3, 1, 8, 1, 1}},   // window past column 48
        {" 6  3  20  10  17  1  8  1 ", {6, 1, 8, 3, 1, 8, 1, 1}},   // window across two terms
        {" 1  3  9  1  8  1  8  2 ", {1, 1, 8, 3, 1, 8, 1, 2}},      // current column outside
        {" 6  3  48  41  48  1  8  1 ", {6, 1, 8, 3, 41, 48, 48, 1}},
        {" 4  3  -5  -5  2  1  8  1 ", {4, 1, 8, 3, 1, 8, 1, 1}},
        // The first eight items count; a missing or unreadable one reads as 0.
        {" 2  3  17  17  24  1  8  2  5 ", {2, 1, 8, 3, 17, 24, 17, 2}},
        {" 6  1  1  1  8  1  8 ", {6, 1, 8, 1, 1, 8, 1, 1}},
        {" 1  4  x  1  8  1  8  2 ", {1, 1, 8, 4, 1, 8, 1, 2}},
        {"", {6, 1, 8, 1, 1, 8, 1, 1}},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.regel);
        auto r = regels;
        r[Schermregel] = g.regel;
        Schrijf(Pad("scherm.vlk"), Samen(r));
        AdmMain b;
        CijferbestandLaden(b, Pad("scherm.vlk"));
        const std::array<int, 8> gelezen{b.Scherm,        b.EersteRij,    b.LaatsteRij,   b.HuidigeRij,
                                         b.EersteKolom, b.LaatsteKolom, b.HuidigeKolom, b.Niveau};
        EXPECT_EQ(gelezen, g.verwacht);
    }
}

TEST_F(CijferbestandTest, OptionsCountsAndHugeNumbersAreKeptInRange)
{
    auto regels = Splits(Testinhoud("nieuw.vlk"));
    regels[Opties + 0] = " 0";
    regels[Opties + 1] = " 2";
    regels[Opties + 2] = " 4";
    regels[Opties + 3] = " 2.5";  // halves to the even neighbour
    regels[Opties + 4] = " 5";
    regels[KolomRegel(1, 1, 7)] = " 37";
    regels[KolomRegel(2, 1, 7)] = "-1";
    regels[KolomRegel(3, 1, 7)] = " 36";
    regels[KolomRegel(4, 1, 7)] = " 1E999";
    regels[KolomRegel(1, 1, 4)] = " 1E999";
    regels[KolomRegel(2, 1, 4)] = "-1D400";
    regels[KolomRegel(3, 1, 4)] = " 1E-999";
    regels[KolomRegel(4, 1, 4)] = " 7,5";
    Schrijf(Pad("bereik.vlk"), Samen(regels));
    AdmMain b;
    CijferbestandLaden(b, Pad("bereik.vlk"));
    // A calculation method outside 1..4 computes nothing: it is read as method 1.
    EXPECT_EQ(b.RapportOptie, (std::array<int, 6>{0, 1, 2, 1, 2, 1}));
    EXPECT_EQ(b.RapportOptieNieuw, b.RapportOptie);
    EXPECT_EQ(b.KlAantal(1, 1), 0);
    EXPECT_EQ(b.KlAantal(2, 1), 0);
    EXPECT_EQ(b.KlAantal(3, 1), 36);
    EXPECT_EQ(b.KlAantal(4, 1), 0);
    EXPECT_EQ(b.GewichtWaarde(1, 1), GeenWaarde);
    EXPECT_EQ(b.GewichtWaarde(2, 1), GeenWaarde);
    EXPECT_EQ(b.GewichtWaarde(3, 1), 0.0);
    EXPECT_EQ(b.GewichtWaarde(4, 1), 7.5);
}

TEST_F(CijferbestandTest, AFailedSaveKeepsTheOldFileAndTheChangedFlag)
{
    AdmMain a = RijkeGegevens();
    const auto pad = Pad("oud.vlk");
    CijferbestandOpslaan(a, pad);
    const auto oud = Lees(pad);

    a.Cijfer(1, 1, 1) = "9";
    a.Gewijzigd = 1;
    EXPECT_THROW(CijferbestandOpslaan(a, Pad("geen/map/oud.vlk")), Bestandsfout);
    EXPECT_EQ(a.Gewijzigd, 1);
    fs::create_directory(map / "bezet.vlk");  // a target that cannot be replaced
    EXPECT_THROW(CijferbestandOpslaan(a, Pad("bezet.vlk")), Bestandsfout);
    EXPECT_EQ(a.Gewijzigd, 1);
    EXPECT_EQ(Lees(pad), oud);
    std::size_t bestanden = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(map))
        ++bestanden;
    EXPECT_EQ(bestanden, 2u);  // no temporary file left behind
}

// A grade file the teacher may not write is not replaced behind her back:
// the save fails as a truncating write would, with the system's message.
TEST_F(CijferbestandTest, AReadOnlyFileIsRefusedAndKept)
{
    constexpr uid_t niemand = 65534;  // as root every file is writable, so the test runs as a plain user
    AdmMain a = RijkeGegevens();
    const auto pad = Pad("alleen-lezen.vlk");
    CijferbestandOpslaan(a, pad);
    const auto oud = Lees(pad);
    fs::permissions(map, fs::perms::all);  // the folder may be written, the file not
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(pad.c_str(), niemand, niemand), 0);
    }
    fs::permissions(pad, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    a.Cijfer(1, 1, 1) = "9";
    a.Gewijzigd = 1;
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && (::setgid(niemand) != 0 || ::setuid(niemand) != 0))
                std::_Exit(3);
            try {
                CijferbestandOpslaan(a, pad);
            } catch (const Bestandsfout& f) {
                std::fprintf(stderr, "%s\n", f.what());
                std::_Exit(a.Gewijzigd == 1 ? 0 : 1);
            }
            std::_Exit(2);
        },
        ::testing::ExitedWithCode(0), "Toegang geweigerd: " + pad);
    EXPECT_EQ(Lees(pad), oud);
    std::size_t bestanden = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(map))
        ++bestanden;
    EXPECT_EQ(bestanden, 1u);
}

TEST_F(CijferbestandTest, SavedTextsNeverBreakTheLayout)
{
    AdmMain a;
    a.Klas = "3A";
    a.Vak = "geschiedenis";
    a.Docent = "de\r\nVries";
    a.Omrekenformule[0] = std::string(5000, 'c');
    const auto pad = Pad("teksten.vlk");
    CijferbestandOpslaan(a, pad);
    AdmMain b;
    CijferbestandLaden(b, pad);
    EXPECT_EQ(b.Klas, "3A    ");
    EXPECT_EQ(b.Vak, "geschi");
    EXPECT_EQ(b.Docent, "de  Vries");
    EXPECT_EQ(b.Omrekenformule[0], std::string(4096, 'c'));
}

TEST_F(CijferbestandTest, VersionComesFromTheHeaderLengths)
{
    auto regels = Splits(Testinhoud("nieuw.vlk"));
    regels[0] = std::string(26, ' ');
    Schrijf(Pad("v1.vlk"), Samen(regels));
    Schrijf(Pad("namen.txt"), "Jansen;Piet\r\nPietersen;Jan\r\n");
    Schrijf(Pad("drie.txt"), std::string(30, ' ') + "\r\n" + std::string(9, ' ') + "\r\n" + std::string(12, ' '));
    Schrijf(Pad("open.txt"), std::string(30, ' ') + "\r\n" + std::string(9, ' ') + "\r\n      \r\n      ");
    Schrijf(Pad("binair.bin"), std::string("\0\1\2\n\n\n\n", 7));
    EXPECT_EQ(CijferbestandVersie(Testbestand("nieuw.vlk")), 2);
    EXPECT_EQ(CijferbestandVersie(Testbestand("rijk.vlk")), 2);
    EXPECT_EQ(CijferbestandVersie(Pad("v1.vlk")), 1);
    EXPECT_EQ(CijferbestandVersie(Testbestand("oud.vlk")), 1);
    EXPECT_EQ(CijferbestandVersie(Testbestand("klas.nam")), 0);
    EXPECT_EQ(CijferbestandVersie(Pad("namen.txt")), 0);
    EXPECT_EQ(CijferbestandVersie(Pad("drie.txt")), 0);
    EXPECT_EQ(CijferbestandVersie(Pad("open.txt")), 2);
    EXPECT_EQ(CijferbestandVersie(Pad("binair.bin")), 0);
    EXPECT_EQ(CijferbestandVersie(Pad("ontbreekt.vlk")), 0);
    EXPECT_EQ(CijferbestandVersie(map.string()), 0);
}

#include "core/Cijferbestand.h"
#include "core/Fout.h"

#include "Tekstvelden.h"
#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// A version 1 file written line by line from its layout, beside the data set
// it should load into.
struct OudBestand {
    std::vector<std::string> regels;
    AdmMain verwacht;
    std::size_t naNiveaunamen = 0;  // line count of a file that ends after the level names

    void regel(std::string s) { regels.push_back(std::move(s)); }
    // Numbers as the old program printed them: a blank before and after.
    double getal()
    {
        const double x = static_cast<double>(regels.size() % 97) / 4.0 - 1.0;
        char b[32];
        std::snprintf(b, sizeof b, " %.2f ", x);
        regel(b);
        return x;
    }
    int geheel()
    {
        const int n = static_cast<int>(regels.size() % 37);
        regel(" " + std::to_string(n) + " ");
        return n;
    }
    std::string tekst(std::size_t breedte)
    {
        auto t = Pas("t" + std::to_string(regels.size()), breedte);
        regel(t);
        return t;
    }
};

OudBestand MaakOudBestand()
{
    OudBestand f;
    AdmMain& e = f.verwacht;
    // DOS code page 850: 0x82 é, 0x81 ü, 0x89 ë, 0x84 ä, 0xA4 ñ.
    f.regel(Pas("Coll\x82ge St. Jozef", 26));
    e.School = "Coll\xE9ge St. Jozef";
    f.regel("2023-2024");
    e.Cursus = "2023-2024";
    f.regel("2B    ");
    e.Klas = "2B    ";
    f.regel("engels");
    e.Vak = "engels";
    f.regel("lit");
    e.Deelvak = "lit";
    f.regel("P. M\x81ller");  // only the school of the header is mapped
    e.Docent = "P. M\x81ller";
    f.regel("000777");
    e.DocentPersNr = "000777";
    f.regel("K. Bakker");
    e.KlasMentor = "K. Bakker";

    for (int p = 1; p <= 36; ++p) {
        f.regel("Pe\x89rs" + std::to_string(p));
        e.Achternaam(p) = "Pe\xEBrs" + std::to_string(p);
        f.regel("Ren\x82");
        e.Roepnaam(p) = "Ren\xE9";
        f.regel(std::to_string(200000 + p));
        e.LeerlingPersNr(p) = std::to_string(200000 + p);
        f.regel(p % 2 ? "M" : "V");
        e.Geslacht(p) = p % 2 ? "M" : "V";
        f.regel("G1");
        e.Basisgroep(p) = "G1";
        // Street in characters 8..55; postal code 20..26, town 28..38, telephone 39..52.
        f.regel("0000001" + Pas("D\x84mstraat tegenover de grote kerk nummer 12", 48));
        e.Adres(p) = "D\xE4mstraat tegenover de grote kerk nu";
        if (p == 36) {
            f.regels.back().resize(20);  // a short line gives what it holds
            e.Adres(p) = "D\xE4mstraat teg";
        }
        f.regel("zzzzzzzzzzzzzzzzzzz3512 AB M\x81nster    073-1234567890");
        e.Postcode(p) = "3512 AB";
        e.Woonplaats(p) = "M\xFCnster";
        e.Telefoon(p) = "073-123456789";
        for (int r = 1; r <= 4; ++r)
            for (int l = 1; l <= 2; ++l)
                e.RapportTxt(p, r, l) = f.tekst(3);
    }
    f.regel(" 2  2  12  27  9  16  2 ");
    e.Scherm = 2;
    e.HuidigeRij = 12;
    e.HuidigeKolom = 27;
    e.EersteRij = 9;
    e.LaatsteRij = 16;
    e.EersteKolom = 25;
    e.LaatsteKolom = 32;
    e.Niveau = 2;
    f.regel("mavo");
    e.NiveauNaam(1) = "mavo";
    f.regel("h\x83vo");  // level names are not mapped
    e.NiveauNaam(2) = "h\x83vo";
    f.naNiveaunamen = f.regels.size();

    for (int i = 0; i < 36 * 6; ++i)
        f.regel("weg");
    for (int p = 1; p <= 36; ++p)
        for (int r = 1; r <= 4; ++r)
            for (int l = 1; l <= 2; ++l)
                e.Rapport(p, r, l) = f.getal();
    for (int p = 1; p <= 36; ++p)
        e.Mentor(p) = f.tekst(3);
    for (int c = 1; c <= 48; ++c)
        f.geheel();
    for (auto* kop : {&e.KolomSoort, &e.KolomDatum, &e.KolomOpmerking})
        for (int c = 1; c <= 48; ++c)
            for (int l = 1; l <= 2; ++l)
                (*kop)(c, l) = f.tekst(39);
    for (int c = 1; c <= 48; ++c)
        for (int l = 1; l <= 2; ++l) {
            e.KolomGewicht(c, l) = f.tekst(3);
            e.GewichtWaarde(c, l) = f.getal();
        }
    for (int p = 1; p <= 36; ++p)
        for (int c = 1; c <= 48; ++c)
            for (int l = 1; l <= 2; ++l)
                e.Cijfer(p, c, l) = f.tekst(3);
    for (int c = 1; c <= 48; ++c)
        for (int l = 1; l <= 2; ++l) {
            e.KlGemTxt(c, l) = f.tekst(4);
            e.KlGem(c, l) = f.getal();
            e.KlAantal(c, l) = f.geheel();
        }
    for (int c = 1; c <= 48; ++c)
        for (int l = 1; l <= 2; ++l) {
            e.KlSprTxt(c, l) = f.tekst(4);
            e.KlSpr(c, l) = f.getal();
        }
    for (int t = 1; t <= 3; ++t) {
        for (int l = 1; l <= 2; ++l) {
            e.TrimGewichtTekst(t, l) = f.tekst(3);
            e.TrimesterWeging(t, l) = f.getal();
        }
        f.getal();  // read and dropped: row 0 is no pupil
    }
    for (int l = 1; l <= 2; ++l) {
        f.tekst(4);
        f.getal();
        f.getal();
    }
    for (int l = 1; l <= 2; ++l) {
        f.tekst(4);
        f.getal();
    }
    for (int p = 1; p <= 36; ++p) {
        for (int t = 1; t <= 3; ++t)
            for (int l = 1; l <= 2; ++l) {
                e.TrGemTxt(p, t, l) = f.tekst(4);
                e.TrGem(p, t, l) = f.getal();
                e.SomGewicht(p, t, l) = f.getal();
            }
        for (int l = 1; l <= 2; ++l) {
            e.JrGemTxt(p, l) = f.tekst(4);
            e.JrGem(p, l) = f.getal();
            e.SomGewichtJaar(p, l) = f.getal();
        }
        for (int l = 1; l <= 2; ++l) {
            e.EindGemTxt(p, l) = f.tekst(4);
            e.EindGem(p, l) = f.getal();
        }
    }
    for (int t = 1; t <= 3; ++t)
        for (int l = 1; l <= 2; ++l) {
            e.KlTrGemTxt(t, l) = f.tekst(4);
            e.KlTrGem(t, l) = f.getal();
            e.KlTrAantal(t, l) = f.geheel();
        }
    for (int t = 1; t <= 3; ++t)
        for (int l = 1; l <= 2; ++l) {
            e.KlTrSprTxt(t, l) = f.tekst(4);
            e.KlTrSpr(t, l) = f.getal();
        }
    for (int l = 1; l <= 2; ++l) {
        e.KlJrGemTxt(l) = f.tekst(4);
        e.KlJrGem(l) = f.getal();
        e.KlJrAantal(l) = f.geheel();
    }
    for (int l = 1; l <= 2; ++l) {
        e.KlJrSprTxt(l) = f.tekst(4);
        e.KlJrSpr(l) = f.getal();
    }
    for (int w : {2, 3, 1, 2, 4})
        f.regel(" " + std::to_string(w) + " ");
    e.RapportOptie = {0, 2, 3, 1, 2, 4};
    return f;
}

// The lines of the test file tests/data/oud.vlk: those MaakOudBestand lays
// out, written once as bytes.
std::vector<std::string> OudeRegels() { return Tekstregels(Testinhoud("oud.vlk")); }

std::string Samen(const std::vector<std::string>& regels)
{
    std::string r;
    for (const auto& s : regels)
        r += s + "\r\n";
    return r;
}

// The data sets agree in every field of a grade file (compared through the
// writer, line by line), in row 0 and in the working copy of the options.
void ExpectGelijk(const AdmMain& a, const AdmMain& b)
{
    const auto ta = CijferbestandTekst(a), tb = CijferbestandTekst(b);
    std::size_t i = 0, regel = 1;
    while (i < ta.size() && i < tb.size() && ta[i] == tb[i])
        regel += ta[i++] == '\n';
    EXPECT_EQ(ta.size(), tb.size());
    EXPECT_EQ(i, ta.size()) << "first difference in line " << regel << " of the written file";
    EXPECT_EQ(a.SomGewicht, b.SomGewicht);
    EXPECT_EQ(a.JrGem, b.JrGem);
    EXPECT_EQ(a.JrGemTxt, b.JrGemTxt);
    EXPECT_EQ(a.EindGemTxt, b.EindGemTxt);
    EXPECT_EQ(a.SomGewichtJaar, b.SomGewichtJaar);
    EXPECT_EQ(a.EindGem, b.EindGem);
    EXPECT_EQ(a.RapportOptieNieuw, b.RapportOptieNieuw);
}

}  // namespace

class OudCijferbestandTest : public ::testing::Test {
protected:
    std::string Schrijf(const std::vector<std::string>& regels) const
    {
        const auto pad = tijdelijk / "oud.vlk";
        std::ofstream(pad, std::ios::binary) << Samen(regels);
        return pad;
    }

    Tijdelijkemap tijdelijk;
};

TEST_F(OudCijferbestandTest, LoadsEveryFieldFromItsPlace)
{
    const auto f = MaakOudBestand();
    EXPECT_EQ(OudeRegels(), f.regels);
    const auto pad = Testbestand("oud.vlk");
    EXPECT_EQ(CijferbestandVersie(pad), 1);
    AdmMain b;
    b.DocentCode = "QRS";
    b.StartMap = "/home/juf";
    b.Gewijzigd = 1;
    OudCijferbestandLaden(b, pad);
    ExpectGelijk(f.verwacht, b);
    // Spot checks of what the comparison covers.
    EXPECT_EQ(b.School, "Coll\xE9ge St. Jozef             ");
    EXPECT_EQ(b.Woonplaats(7), "M\xFCnster        ");
    EXPECT_EQ(b.Telefoon(7), "073-123456789");
    EXPECT_EQ(b.EersteKolom, 25);
    EXPECT_EQ(b.LaatsteKolom, 32);
    // What a version 1 file does not hold keeps its new-file value.
    EXPECT_EQ(b.Kenmerk(1), std::string(15, ' '));
    EXPECT_EQ(b.MentorPersNr, "000000");
    EXPECT_EQ(b.Omrekenformule, AdmMain{}.Omrekenformule);
    EXPECT_EQ(b.RapportOptieNieuw, (std::array<int, 6>{0, 1, 1, 1, 3, 2}));
    EXPECT_EQ(b.DocentCode, "QRS");
    EXPECT_EQ(b.StartMap, "/home/juf");
    EXPECT_EQ(b.Gewijzigd, 0);
}

TEST_F(OudCijferbestandTest, AFileEndingAfterTheLevelNamesIsValid)
{
    const auto f = MaakOudBestand();
    AdmMain verwacht;
    const AdmMain& v = f.verwacht;
    verwacht.School = v.School;
    verwacht.Cursus = v.Cursus;
    verwacht.Klas = v.Klas;
    verwacht.Vak = v.Vak;
    verwacht.Deelvak = v.Deelvak;
    verwacht.Docent = v.Docent;
    verwacht.DocentPersNr = v.DocentPersNr;
    verwacht.KlasMentor = v.KlasMentor;
    verwacht.NiveauNaam = v.NiveauNaam;
    verwacht.Achternaam = v.Achternaam;
    verwacht.Roepnaam = v.Roepnaam;
    verwacht.LeerlingPersNr = v.LeerlingPersNr;
    verwacht.Geslacht = v.Geslacht;
    verwacht.Basisgroep = v.Basisgroep;
    verwacht.Adres = v.Adres;
    verwacht.Postcode = v.Postcode;
    verwacht.Woonplaats = v.Woonplaats;
    verwacht.Telefoon = v.Telefoon;
    verwacht.RapportTxt = v.RapportTxt;
    verwacht.Scherm = v.Scherm;
    verwacht.EersteRij = v.EersteRij;
    verwacht.LaatsteRij = v.LaatsteRij;
    verwacht.HuidigeRij = v.HuidigeRij;
    verwacht.EersteKolom = v.EersteKolom;
    verwacht.LaatsteKolom = v.LaatsteKolom;
    verwacht.HuidigeKolom = v.HuidigeKolom;
    verwacht.Niveau = v.Niveau;

    AdmMain b;
    const auto regels = OudeRegels();
    OudCijferbestandLaden(b, Schrijf({regels.begin(), regels.begin() + f.naNiveaunamen}));
    ExpectGelijk(verwacht, b);
}

TEST_F(OudCijferbestandTest, DisplayLineValuesAreCheckedBeforeTheyFormAWindow)
{
    const auto f = MaakOudBestand();
    auto regels = OudeRegels();
    const auto schermregel = f.naNiveaunamen - 3;
    // Scherm, KolomHelft, HuidigeRij, HuidigeKolom, EersteRij, LaatsteRij, Niveau in the file; expected:
    // Scherm, EersteRij, LaatsteRij, HuidigeRij, EersteKolom, LaatsteKolom, HuidigeKolom, Niveau.
    const struct {
        const char* regel;
        std::array<int, 8> verwacht;
    } gevallen[] = {
        {" 1  1  3  5  1  8  1 ", {1, 1, 8, 3, 1, 8, 5, 1}},
        {" 3  2  36  48  29  36  1 ", {3, 29, 36, 36, 41, 48, 48, 1}},
        {" 3  3  1  33  1  8  1 ", {3, 1, 8, 1, 33, 40, 33, 1}},     // no such half
        {" 2  1  1  40  1  8  1 ", {2, 1, 8, 1, 17, 24, 17, 1}},     // current column outside
        {" 6  1  1  1  1  8  1 ", {6, 1, 8, 1, 1, 8, 1, 1}},         // no term shown
        {" 9  1  1  1  1  8  1 ", {6, 1, 8, 1, 1, 8, 1, 1}},
        {"-1  1  1  1  1  8  1 ", {6, 1, 8, 1, 1, 8, 1, 1}},
        {" 1  1  31  1  30  37  1 ", {1, 1, 8, 31, 1, 8, 1, 1}},
        {" 1  1  1  1  1  8  5 ", {1, 1, 8, 1, 1, 8, 1, 1}},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.regel);
        regels[schermregel] = g.regel;
        AdmMain b;
        OudCijferbestandLaden(b, Schrijf(regels));
        const std::array<int, 8> gelezen{b.Scherm,        b.EersteRij,    b.LaatsteRij,   b.HuidigeRij,
                                         b.EersteKolom, b.LaatsteKolom, b.HuidigeKolom, b.Niveau};
        EXPECT_EQ(gelezen, g.verwacht);
    }
}

TEST_F(OudCijferbestandTest, DamagedFilesAreRefusedAndLeaveANewDataSet)
{
    const auto f = MaakOudBestand();
    const auto regels = OudeRegels();
    const auto schermregel = f.naNiveaunamen - 3;
    const auto n = regels.size();
    const struct {
        const char* naam;
        std::size_t regel;  // line to replace, or the length to cut to when vervanging is null
        const char* vervanging;
        int code;
    } gevallen[] = {
        {"current school line", 0, "Sint-Ignatius College         ", FoutVerkeerdBestand},
        {"class 7", 2, "2B     ", FoutVerkeerdBestand},
        {"in the header", 6, nullptr, FoutVoorbijEinde},
        {"in pupil 30", 8 + 29 * 15 + 4, nullptr, FoutVoorbijEinde},
        {"before the level names", schermregel + 1, nullptr, FoutVoorbijEinde},
        {"in the dropped lines", f.naNiveaunamen + 100, nullptr, FoutVoorbijEinde},
        {"in the grades", n - 2000, nullptr, FoutVoorbijEinde},
        {"in the options", n - 2, nullptr, FoutVoorbijEinde},
        {"six display values", schermregel, " 2  2  12  27  9  16 ", FoutTypeOngeldig},
        {"letters for a report number", f.naNiveaunamen + 216, "zeven", FoutTypeOngeldig},
        {"letters for a dropped integer", f.naNiveaunamen + 216 + 288 + 36, "x", FoutTypeOngeldig},
        {"display value beyond 16 bits", schermregel, " 2  2  12  27  9  16  40000 ", FoutOverloop},
        {"option beyond 16 bits", n - 1, " 99999 ", FoutOverloop},
        {"overlong line", 5, nullptr, FoutVerkeerdBestand},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.naam);
        auto r = regels;
        if (g.vervanging)
            r[g.regel] = g.vervanging;
        else if (g.code == FoutVerkeerdBestand)
            r[g.regel] = std::string(5000, 'x');
        else
            r.resize(g.regel);
        AdmMain b = f.verwacht;
        b.DocentCode = "QRS";
        try {
            OudCijferbestandLaden(b, Schrijf(r));
            ADD_FAILURE() << "loaded";
        } catch (const Bestandsfout& fout) {
            EXPECT_EQ(fout.code(), g.code) << fout.what();
        }
        AdmMain nieuw = b;
        NieuwCijferbestand(nieuw);
        EXPECT_EQ(CijferbestandTekst(b), CijferbestandTekst(nieuw));
        EXPECT_EQ(b.DocentCode, "QRS");
    }
}

// A control byte inside a line reads as the blank the save writes, as in a
// current file: in a text, a number that must be one number, the display
// line and a count alike.
TEST_F(OudCijferbestandTest, AControlByteInsideALineReadsAsABlank)
{
    const auto regels = OudeRegels();
    const struct {
        const char* naam;
        std::size_t regel;
        std::string sjabloon;  // '#' where the byte stands
    } gevallen[] = {
        {"school", 0, Pas("Coll\x82ge#St. Jozef", 26)},
        {"surname", 8, "Pe\x89rs#1"},
        {"display line", 548, " 2#2  12  27  9  16  2 "},
        {"report number", 767, " 21#.00 "},
        {"grade", 1619, "t#6"},
        {"count", 5077, " 8# "},
        {"option", regels.size() - 1, "#4 "},
    };
    for (const auto& g : gevallen) {
        auto r = regels;
        r[g.regel] = g.sjabloon;
        std::replace(r[g.regel].begin(), r[g.regel].end(), '#', ' ');
        AdmMain blank;
        OudCijferbestandLaden(blank, Schrijf(r));
        for (const char byte : {'\r', '\t', '\x01', '\x1F', '\x7F'}) {
            SCOPED_TRACE(std::string(g.naam) + ", byte " + std::to_string(static_cast<int>(byte)));
            r[g.regel] = g.sjabloon;
            std::replace(r[g.regel].begin(), r[g.regel].end(), '#', byte);
            AdmMain a;
            try {
                OudCijferbestandLaden(a, Schrijf(r));
            } catch (const Bestandsfout& f) {
                ADD_FAILURE() << f.what();
                continue;
            }
            ExpectGelijk(blank, a);
            EXPECT_EQ(VeldMetStuurteken(a), "");
            const auto een = tijdelijk / "een.vlk";
            CijferbestandOpslaan(a, een);
            AdmMain b;
            CijferbestandLaden(b, een);
            EXPECT_EQ(CijferbestandTekst(b), CijferbestandTekst(a));
        }
    }
}

#include "core/Cijferbestand.h"
#include "core/Fout.h"
#include "core/Kolomkeuze.h"
#include "names/LeerlingImport.h"
#include "termsheet/Cijferverwerking.h"

#include "Tekstvelden.h"
#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

void Schrijf(const fs::path& pad, const std::string& inhoud) { std::ofstream(pad, std::ios::binary) << inhoud; }

void Leerling(AdmMain& a, int p, const std::string& achternaam, const std::string& roepnaam)
{
    a.Achternaam(p) = achternaam;
    a.Roepnaam(p) = roepnaam;
}

void Cijfer(AdmMain& a, int p, int c, int l, std::string tekst)
{
    VerwerkCijfer(a, tekst, p, c, (c - 1) / 16 + 1, l);
}

}  // namespace

class LeerlingImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The source grade file (tests/data/bron.vlk): Bakker in slot 3 with
        // grades and a report, two pupils named Jansen Jan in 5 and 7, Nergens
        // Niemand in 9; the names file (klas.nam): Nieuw, a blank line,
        // Bijgewerkt (pupil number 555555, town Elders), Zonder (no number);
        // a version 1 grade file (oud.vlk), which is no import source.
        const std::string bron = Testinhoud("bron.vlk");
        Schrijf(map / "bron.vlk", bron);
        Schrijf(map / "kort.vlk", bron.substr(0, bron.size() / 2));
        Schrijf(map / "klas.nam", Testinhoud("klas.nam"));
        Schrijf(map / "tekst.vlk", "geen cijferbestand\r\n");
        Schrijf(map / "oud.vlk", Testinhoud("oud.vlk"));

        Leerling(adm, 1, "Aap", "Anna");
        Leerling(adm, 2, "Noot", "Nico");
    }
    Importbron Bron(int modus, const std::string& naam)
    {
        adm.DialoogModus = modus;
        adm.ImportBestand = (map / naam).string();
        return ImportbronLezen(adm);
    }

    Tijdelijkemap tijdelijk;
    const fs::path map = tijdelijk.pad();
    AdmMain adm;
};

TEST_F(LeerlingImportTest, PupilsOfAGradeFileGoWholeIntoTheFirstFreeSlots)
{
    // Slot 3 once held a pupil whose grade is still there: the import clears it.
    Cijfer(adm, 3, 2, 1, "4");
    const auto bron = Bron(DialoogImportLeerlingen, "bron.vlk");
    EXPECT_EQ(bron.klas, "3A    ");
    EXPECT_EQ(bron.vak, "wi    ");
    EXPECT_EQ(bron.docent, "Bron Docent");
    ASSERT_EQ(bron.leerlingen.size(), 4u);
    EXPECT_EQ(bron.leerlingen[0].lijsttekst, " Bakker           Els       ");
    EXPECT_EQ(bron.leerlingen[1].lijsttekst, bron.leerlingen[2].lijsttekst);
    EXPECT_EQ(bron.leerlingen[2].plaats, 7);

    // The second of the two namesakes is the one imported.
    const auto uit = LeerlingenImporteren(adm, bron, {2, 0});
    EXPECT_EQ(uit.ingelezen, 2);
    EXPECT_FALSE(uit.onvoldoendeRuimte);
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGereed);
    EXPECT_EQ(adm.Gewijzigd, 1);

    EXPECT_EQ(Trim(adm.Achternaam(3)), "Bakker");
    EXPECT_EQ(Trim(adm.Adres(3)), "Kade 1");
    EXPECT_EQ(Trim(adm.Kenmerk(3)), "dyslexie");
    EXPECT_EQ(adm.Mentor(3), "PQR");
    EXPECT_EQ(adm.LeerlingPersNr(3), "333333");
    EXPECT_EQ(adm.Cijfer(3, 1, 1), "7.5");
    EXPECT_EQ(adm.Cijfer(3, 20, 2), "6  ");
    EXPECT_EQ(adm.Cijfer(3, 2, 1), "   ");
    EXPECT_EQ(adm.RapportTxt(3, 2, 1), "7  ");
    EXPECT_EQ(adm.Rapport(3, 2, 1), 7.0);
    EXPECT_EQ(Trim(adm.Achternaam(4)), "Jansen");
    EXPECT_EQ(adm.Cijfer(4, 1, 1), "9  ");
    EXPECT_EQ(adm.RapportTxt(4, 2, 2), "8.5");
    // The grades went through the grade processing.
    EXPECT_EQ(adm.KlAantal(1, 1), 2);
    EXPECT_EQ(adm.KlAantal(2, 1), 0);
    EXPECT_EQ(adm.KlAantal(20, 2), 1);
    EXPECT_TRUE(LeegLeerling(adm, 5));
}

// A control byte inside a line of the source reads as a blank, as a load of
// that file reads it: Bakker's surname, characteristic, a grade "6?5" and
// her report "7? ".
TEST_F(LeerlingImportTest, AControlByteInsideALineOfTheSourceReadsAsABlank)
{
    const auto regels = Tekstregels(Testinhoud("bron.vlk"));
    constexpr std::size_t bakker = 11 + 2 * 126;
    for (const char byte : {'\r', '\t', '\x01', '\x7F'}) {
        SCOPED_TRACE(static_cast<int>(byte));
        auto r = regels;
        r[bakker] = Pas(std::string("Bak") + byte + "ker", 30);
        r[bakker + 9] = Pas(std::string("dys") + byte + "lexie", 15);
        r[bakker + 14 + 2] = std::string("6") + byte + "5";  // column 2, level 1
        r[bakker + 110 + 4] = std::string("7") + byte + " ";  // report 2, level 1
        std::string tekst;
        for (const auto& regel : r)
            tekst += regel + "\r\n";
        Schrijf(map / "stuur.vlk", tekst);
        AdmMain a;
        const auto bron = Bron(DialoogImportLeerlingen, "stuur.vlk");
        ASSERT_EQ(bron.leerlingen.size(), 4u);
        EXPECT_EQ(bron.leerlingen[0].lijsttekst, " Bak ker          Els       ");
        LeerlingenImporteren(a, bron, {0});
        EXPECT_EQ(VeldMetStuurteken(a), "");
        EXPECT_EQ(a.Achternaam(1), Pas("Bak ker", 30));
        EXPECT_EQ(a.Kenmerk(1), Pas("dys lexie", 15));
        EXPECT_EQ(a.Cijfer(1, 2, 1), "65 ");  // "6 5", as an entry takes it
        EXPECT_EQ(a.KlGem(2, 1), 65.0);
        EXPECT_EQ(a.RapportTxt(1, 2, 1), "7  ");
        EXPECT_EQ(a.Rapport(1, 2, 1), 7.0);
    }
}

TEST_F(LeerlingImportTest, GradesAndReportsNoEntryTakesArriveBlankAsTyped)
{
    // tests/data/fout-bron.vlk: Visser Vera in slot 2 with the grades "999",
    // "abc", "8" (columns 1 to 3) and "201" (column 1, level 2), and at level 1
    // the reports "abc" (7), "7.5" (7.5), "12" (7), at level 2 a blank RpE
    // with the number 5.
    Schrijf(map / "fout-bron.vlk", Testinhoud("fout-bron.vlk"));
    AdmMain a;
    a.DialoogModus = DialoogImportLeerlingen;
    a.ImportBestand = (map / "fout-bron.vlk").string();
    const auto bron = ImportbronLezen(a);
    ASSERT_EQ(bron.leerlingen.size(), 1u);
    LeerlingenImporteren(a, bron, {0});
    a.Gewijzigd = 0;

    // What a new data set saves, but for the slot taken and the column
    // whose grade arrived: its count 1, mean 8, spread 0.
    auto verwacht = Tekstregels(Testinhoud("nieuw.vlk"));
    const auto blok = [&](std::size_t regel) -> std::string& { return verwacht[11 + regel - 1]; };
    const char* velden[] = {"Visser", "Vera", "Havenstraat 5", "1237 CC", "Elburg", "0525-123456", "100005", "V",
                            "4C", "nieuw", "GHI"};
    const std::size_t breedte[] = {30, 13, 36, 7, 15, 13, 6, 1, 6, 15, 3};
    for (std::size_t k = 0; k < 11; ++k)
        blok(k + 1) = Pas(velden[k], breedte[k]);
    blok(15 + 2 * 2) = "8  ";  // column 3, level 1
    blok(111 + 4) = "7.5";     // report 2, level 1: its text, then its number
    blok(111 + 6) = " 7.5";
    const std::size_t kolom3 = 11 + 36 * 126 + 1 + 2 * 10;  // column 3's first line at level 1
    verwacht[kolom3 + 5] = "8   ";
    verwacht[kolom3 + 6] = " 8";
    verwacht[kolom3 + 7] = " 1";
    verwacht[kolom3 + 8] = "0   ";
    verwacht[kolom3 + 9] = " 0";
    std::string tekst;
    for (const auto& r : verwacht)
        tekst += r + "\r\n";
    EXPECT_EQ(Regelverschil(CijferbestandTekst(a), tekst), "");
}

TEST_F(LeerlingImportTest, MorePupilsThanFreeSlotsStopsAtTheFirstThatDoesNotFit)
{
    for (int p = 3; p <= 35; ++p)
        Leerling(adm, p, "Vol", std::to_string(p));
    const auto bron = Bron(DialoogImportLeerlingen, "bron.vlk");
    const auto uit = LeerlingenImporteren(adm, bron, {0, 1, 2, 3});
    EXPECT_TRUE(uit.onvoldoendeRuimte);
    EXPECT_EQ(uit.ingelezen, 1);
    EXPECT_EQ(Trim(adm.Achternaam(36)), "Bakker");
    EXPECT_EQ(adm.Cijfer(36, 1, 1), "7.5");
    EXPECT_EQ(adm.KlAantal(1, 1), 1);
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGereed);
    EXPECT_EQ(std::string(OnvoldoendeRuimteMelding),
              "Waarchuwing:\n\nOnvoldoende ruimte!\nNiet alle leerlingen zijn ingelezen!   ");

    // Nothing chosen: nothing copied, yet changed and answered.
    AdmMain leeg;
    const auto niets = LeerlingenImporteren(leeg, bron, {});
    EXPECT_EQ(niets.ingelezen, 0);
    EXPECT_EQ(leeg.Gewijzigd, 1);
    EXPECT_EQ(leeg.DialoogAntwoord, AntwoordGereed);
    EXPECT_TRUE(LeegLeerling(leeg, 1));
    EXPECT_THROW(LeerlingenImporteren(leeg, bron, {4}), std::invalid_argument);
}

TEST_F(LeerlingImportTest, AFileOfTheWrongKindIsRefused)
{
    struct Geval {
        int modus;
        const char* naam;
        int code;
    };
    const Geval gevallen[] = {
        {DialoogImportLeerlingen, "tekst.vlk", FoutVerkeerdBestand},
        {DialoogImportLeerlingen, "oud.vlk", FoutVerkeerdBestand},
        {DialoogImportRapporten, "klas.nam", FoutVerkeerdBestand},
        {DialoogImportNamenbestand, "bron.vlk", FoutVerkeerdBestand},
        {DialoogImportLeerlingen, "kort.vlk", FoutVoorbijEinde},
        {DialoogImportLeerlingen, "weg.vlk", FoutBestandNietGevonden},
    };
    for (const auto& g : gevallen) {
        try {
            Bron(g.modus, g.naam);
            ADD_FAILURE() << g.naam;
        } catch (const Bestandsfout& f) {
            EXPECT_EQ(f.code(), g.code) << g.naam;
        }
    }
}

TEST_F(LeerlingImportTest, ANamesFileUpdatesByPupilNumberOrFillsAFreeSlot)
{
    adm.LeerlingPersNr(1) = "000000";  // Aap has no number: a line without one is not Aap
    Leerling(adm, 5, "Oud", "Piet");
    adm.LeerlingPersNr(5) = "555555";
    adm.Kenmerk(5) = "blijft";
    adm.Mentor(5) = "ABC";
    Cijfer(adm, 5, 3, 1, "8");
    const auto bron = Bron(DialoogImportNamenbestand, "klas.nam");
    ASSERT_EQ(bron.leerlingen.size(), 3u);  // the blank line is no pupil
    EXPECT_EQ(bron.leerlingen[1].plaats, 3);

    const auto uit = LeerlingenImporteren(adm, bron, {0, 1, 2});
    EXPECT_EQ(uit.ingelezen, 3);
    EXPECT_EQ(Trim(adm.Achternaam(3)), "Nieuw");
    EXPECT_EQ(adm.LeerlingPersNr(3), "111111");
    EXPECT_EQ(adm.Geslacht(3), "V");
    EXPECT_EQ(adm.Postcode(3), "9999 ZZ");
    EXPECT_EQ(Trim(adm.Basisgroep(3)), "BG1");
    EXPECT_EQ(Trim(adm.Achternaam(5)), "Bijgewerkt");
    EXPECT_EQ(Trim(adm.Woonplaats(5)), "Elders");
    EXPECT_EQ(Trim(adm.Kenmerk(5)), "blijft");
    EXPECT_EQ(adm.Mentor(5), "ABC");
    EXPECT_EQ(adm.Cijfer(5, 3, 1), "8  ");
    EXPECT_EQ(Trim(adm.Achternaam(1)), "Aap");
    EXPECT_EQ(Trim(adm.Achternaam(4)), "Zonder");

    // A full data set: the update still happens, the new pupil finds no room.
    for (int p = 6; p <= 36; ++p)
        Leerling(adm, p, "Vol", std::to_string(p));
    adm.LeerlingPersNr(3) = "999999";
    const auto vol = LeerlingenImporteren(adm, bron, {1, 0});
    EXPECT_TRUE(vol.onvoldoendeRuimte);
    EXPECT_EQ(vol.ingelezen, 0);  // the new line comes first and ends the import
    const auto nogmaals = LeerlingenImporteren(adm, bron, {1});
    EXPECT_EQ(nogmaals.ingelezen, 1);
    EXPECT_FALSE(nogmaals.onvoldoendeRuimte);
}

TEST_F(LeerlingImportTest, ReportGradesGoIntoAColumnOfTheTermOnScreen)
{
    adm.Scherm = 2;
    adm.HuidigeKolom = 20;
    EXPECT_EQ(BeginKolomkeuze(adm).kolom, 4);
    Leerling(adm, 10, "Bakker", "Els");
    Cijfer(adm, 10, 20, 2, "4");
    Leerling(adm, 11, "Jansen", "Jan");
    Leerling(adm, 12, "Jansen", "Jan");
    const auto bron = Bron(DialoogImportRapporten, "bron.vlk");

    EXPECT_THROW(LeerlingenImporteren(adm, bron, {0}, 17), std::invalid_argument);
    adm.Scherm = 6;
    EXPECT_THROW(LeerlingenImporteren(adm, bron, {0}, 4), std::invalid_argument);
    EXPECT_EQ(adm.Gewijzigd, 0);
    adm.Scherm = 2;

    const auto uit = LeerlingenImporteren(adm, bron, {0, 2, 3}, 4);
    EXPECT_EQ(uit.ingelezen, 2);  // Nergens has no namesake
    EXPECT_EQ(adm.Cijfer(10, 20, 1), "7  ");
    EXPECT_EQ(adm.Cijfer(10, 20, 2), "   ");  // a blank report blanks the cell
    EXPECT_EQ(adm.Cijfer(12, 20, 1), "9  ");  // the second Jansen to the second Jansen
    EXPECT_EQ(adm.Cijfer(12, 20, 2), "8.5");
    EXPECT_EQ(adm.Cijfer(11, 20, 1), "   ");
    EXPECT_EQ(adm.KlAantal(20, 1), 2);
    EXPECT_EQ(adm.KlAantal(20, 2), 1);
    EXPECT_EQ(adm.Gewijzigd, 1);
}

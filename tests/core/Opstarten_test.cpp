#include "core/Opstarten.h"

#include "core/Bestand.h"
#include "core/Cijferbestand.h"
#include "core/Fout.h"
#include "core/Instellingen.h"
#include "core/Pad.h"

#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Inhoud(const fs::path& pad)
{
    std::ifstream in(pad, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Melding {
    std::string tekst, titel;
    int stijl;
};

}  // namespace

// Each test starts the program in an empty folder of its own, with fakes for
// everything that needs the window system.
class OpstartenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        terug = fs::current_path();
        fs::current_path(tijdelijk.pad());
        map = fs::current_path();  // as the program sees it, links resolved

        diensten.ToonLogo = [this] { stappen.push_back("logo"); };
        diensten.RegistreerBestandstype = [this] { stappen.push_back("registreer"); };
        diensten.Scherm = [this] { return scherm; };
        diensten.Melding = [this](const std::string& t, const std::string& k, int s) {
            stappen.push_back("melding");
            meldingen.push_back({t, k, s});
        };
        diensten.ToonEersteVenster = [this] { stappen.push_back("venster"); };
    }
    void TearDown() override { fs::current_path(terug); }

    void SchrijfInstellingen(const std::string& school)
    {
        SchrijfBestandVeilig((map / "KWELTA.DAT").string(),
                             school + "\r\n2024-2025\r\nDe Docent\r\n123456\r\nDOC\r\n/elders\r\n/r1\r\n/r2\r\n/laatst\r\n");
    }

    Tijdelijkemap tijdelijk;
    fs::path terug, map;
    Opstartdiensten diensten;
    Schermformaat scherm{1024, 768};
    std::vector<std::string> stappen;
    std::vector<Melding> meldingen;
};

TEST_F(OpstartenTest, AFirstStartInAnEmptyFolderWritesTheSettingsFile)
{
    AdmMain adm;
    adm.Scherm = 3;
    adm.Gewijzigd = 1;
    Main(adm, "", diensten);

    const std::string m = map.string();
    EXPECT_EQ(Inhoud(map / "KWELTA.DAT"), std::string(30, ' ') + "\r\n" + std::string(9, ' ') + "\r\n" +
                                              std::string(30, ' ') + "\r\n000000\r\nXXX\r\n" + m + "\r\n" + m +
                                              "\r\n" + m + "\r\n" + m + "\r\n");
    EXPECT_EQ(stappen, (std::vector<std::string>{"logo", "registreer", "venster"}));
    EXPECT_EQ(adm.StartMap, m);
    EXPECT_EQ(adm.LaatsteMap, m);
    EXPECT_EQ(adm.Bestandsnaam, m + "/NAAMLOOS.VLK");
    EXPECT_EQ(adm.Scherm, SchermNamen);
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(adm.LogoGetoond, 0);
}

TEST_F(OpstartenTest, TheEmptyDataSetCarriesTheSettings)
{
    SchrijfInstellingen("Het Lyceum");
    const auto voor = Inhoud(map / "KWELTA.DAT");
    AdmMain adm;
    Main(adm, "", diensten);
    EXPECT_EQ(adm.School, Tekst<30>("Het Lyceum"));
    EXPECT_EQ(adm.Docent, "De Docent");
    EXPECT_EQ(adm.DocentCode, "DOC");
    EXPECT_EQ(adm.StartMap, map.string());  // line 6 is not read back
    EXPECT_EQ(adm.LaatsteMap, "/laatst");
    EXPECT_EQ(Inhoud(map / "KWELTA.DAT"), voor);  // a readable file is not rewritten
}

TEST_F(OpstartenTest, AShortSettingsFileKeepsWhatItHeldAndIsWrittenWhole)
{
    SchrijfBestandVeilig((map / "KWELTA.DAT").string(), "Het Lyceum\r\n2024-2025\r\nDe Docent\r\n123456\r\nDOC\r\n");
    AdmMain adm;
    Main(adm, "", diensten);
    EXPECT_EQ(adm.School, Tekst<30>("Het Lyceum"));
    EXPECT_EQ(adm.Cursus, Tekst<9>("2024-2025"));
    EXPECT_EQ(adm.Docent, "De Docent");
    EXPECT_EQ(adm.DocentPersNr, "123456");
    EXPECT_EQ(adm.DocentCode, "DOC");
    const std::string m = map.string();
    EXPECT_EQ(Inhoud(map / "KWELTA.DAT"), Pas("Het Lyceum", 30) + "\r\n2024-2025\r\nDe Docent\r\n123456\r\nDOC\r\n" +
                                              m + "\r\n" + m + "\r\n" + m + "\r\n" + m + "\r\n");
}

TEST_F(OpstartenTest, AGradeFileOnTheCommandLineIsLoadedAndNamed)
{
    fs::create_directories(map / "klas");
    {
        AdmMain bron;
        bron.School = "Uit het bestand";
        bron.Cijfer(1, 1, 1) = "7.5";
        bron.Scherm = SchermTrimester2;
        CijferbestandOpslaan(bron, (map / "klas/3a.vlk").string());
    }
    // A first start, so the settings file is written too, before the load.
    AdmMain adm;
    adm.DocentCode = "ABC";
    Main(adm, "klas/3a.vlk", diensten);
    EXPECT_EQ(adm.Bestandsnaam, (map / "klas/3a.vlk").string());
    EXPECT_EQ(adm.School, Tekst<30>("Uit het bestand"));
    EXPECT_EQ(adm.Cijfer(1, 1, 1), "7.5");
    EXPECT_EQ(adm.Scherm, SchermTrimester2);
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(adm.DocentCode, "ABC");  // a setting, not part of the file
    EXPECT_EQ(Inhoud(map / "KWELTA.DAT").substr(0, 32), std::string(30, ' ') + "\r\n");
    EXPECT_EQ(stappen.back(), "venster");
}

namespace {

// Mending steps handed to the start-up: one that marks the data set, one that fails.
void Merk(AdmMain& a) { a.Kenmerk(1) = "hersteld"; }
void Mislukt(AdmMain&) { throw Bestandsfout(FoutVerkeerdBestand, "mislukt"); }

}  // namespace

TEST_F(OpstartenTest, TheFileOnTheCommandLineIsMendedBeforeItIsTakenOver)
{
    AdmMain bron;
    bron.Achternaam(1) = "Uit het bestand";
    CijferbestandOpslaan(bron, (map / "3a.vlk").string());

    AdmMain adm;
    diensten.Herstel = Merk;
    Main(adm, "3a.vlk", diensten);
    EXPECT_EQ(adm.Achternaam(1), Tekst<30>("Uit het bestand"));
    EXPECT_EQ(adm.Kenmerk(1), Tekst<15>("hersteld"));
    EXPECT_EQ(adm.Gewijzigd, 0);

    // A step that fails fails the load, silently: the new data set stays.
    AdmMain ander;
    diensten.Herstel = Mislukt;
    Main(ander, "3a.vlk", diensten);
    EXPECT_TRUE(ander.Achternaam(1).leeg());
    EXPECT_EQ(Bestandsdeel(ander.Bestandsnaam), "NAAMLOOS.VLK");
    EXPECT_EQ(stappen.back(), "venster");
}

TEST_F(OpstartenTest, AnOldGradeFileOnTheCommandLineIsLoadedToo)
{
    // The shortest old file: header, pupil records, display line and level names.
    std::string f = std::string("Oude School") + std::string(15, ' ') + "\r\n2019-2020\r\n3B    \r\nWISK  \r\n"
                    "A\r\nDocent\r\n000001\r\nMentor\r\n";
    for (int p = 1; p <= 36; ++p)
        for (int r = 0; r < 15; ++r)
            f += (p == 1 && r == 0 ? "Aalders" : "") + std::string("\r\n");
    f += "2 1 1 17 1 8 1\r\nHAVO  \r\nVWO   \r\n";
    SchrijfBestandVeilig((map / "oud.vlk").string(), f);
    AdmMain adm;
    Main(adm, (map / "oud.vlk").string(), diensten);
    EXPECT_EQ(adm.Bestandsnaam, (map / "oud.vlk").string());
    EXPECT_EQ(adm.School, Tekst<30>("Oude School"));
    EXPECT_EQ(adm.Achternaam(1), Tekst<30>("Aalders"));
    EXPECT_EQ(adm.NiveauNaam(2), Tekst<6>("VWO"));
}

TEST_F(OpstartenTest, AFileThatIsNoGradeFileLeavesTheNewDataSet)
{
    SchrijfInstellingen("Het Lyceum");
    SchrijfBestandVeilig((map / "brief.txt").string(), "Beste ouders,\r\nhierbij\r\n");
    {
        AdmMain bron;
        bron.School = "Afgebroken";
        bron.Cijfer(2, 2, 2) = "8";
        const auto tekst = CijferbestandTekst(bron);
        SchrijfBestandVeilig((map / "half.vlk").string(), tekst.substr(0, tekst.size() / 2));
    }
    for (const std::string argument : {"brief.txt", "half.vlk", "ontbreekt.vlk", ".", "/"}) {
        SCOPED_TRACE(argument);
        AdmMain adm;
        adm.Cijfer(2, 2, 2) = "5";
        Main(adm, argument, diensten);
        EXPECT_EQ(adm.Bestandsnaam, (map / "NAAMLOOS.VLK").string());
        EXPECT_EQ(adm.Cijfer(2, 2, 2), "   ");
        EXPECT_EQ(adm.School, Tekst<30>("Het Lyceum"));
        EXPECT_EQ(adm.Scherm, SchermNamen);
        EXPECT_EQ(adm.Gewijzigd, 0);
        EXPECT_EQ(stappen.back(), "venster");
    }
    EXPECT_TRUE(meldingen.empty());
}

TEST_F(OpstartenTest, TheScreenWarningShowsOnlyOn640By480)
{
    const struct {
        Schermformaat s;
        bool waarschuwing;
    } gevallen[] = {{{640, 480}, true}, {{800, 600}, false}, {{480, 640}, false}, {{1920, 1080}, false}, {{0, 0}, false}};
    for (const auto& g : gevallen) {
        SCOPED_TRACE(std::to_string(g.s.breedte) + "x" + std::to_string(g.s.hoogte));
        scherm = g.s;
        meldingen.clear();
        stappen.clear();
        AdmMain adm;
        Main(adm, "", diensten);
        ASSERT_EQ(meldingen.size(), g.waarschuwing ? 1u : 0u);
        if (g.waarschuwing) {
            EXPECT_EQ(meldingen[0].tekst, "\nSchermformaat onjuist.\nAanbevolen schermresolutie: 800x600 pixels");
            EXPECT_EQ(meldingen[0].titel, "Morvaldiek");
            EXPECT_EQ(meldingen[0].stijl, 48);
            EXPECT_EQ(stappen, (std::vector<std::string>{"logo", "registreer", "melding", "venster"}));
        }
    }
}

TEST_F(OpstartenTest, AFailingRegistrationOrSettingsWriteDoesNotStopTheStart)
{
    diensten.RegistreerBestandstype = [] { throw std::runtime_error("geen bureaublad"); };
    fs::create_directories(map / "KWELTA.DAT");  // neither readable nor writable as a file
    AdmMain adm;
    Main(adm, "", diensten);
    EXPECT_EQ(stappen.back(), "venster");
    EXPECT_EQ(adm.StartMap, map.string());
}

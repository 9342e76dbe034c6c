#include "core/Cijferbestand.h"
#include "core/Fout.h"
#include "core/Instellingen.h"
#include "core/Openen.h"
#include "core/Pad.h"
#include "core/Tekst.h"

#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace {

void Schrijf(const fs::path& pad, const std::string& inhoud) { std::ofstream(pad, std::ios::binary) << inhoud; }

// Mending steps handed to the load: one that marks the data set it is
// given and notes what it and the caller's data set held then, one that fails.
struct {
    const AdmMain* buiten = nullptr;
    std::string bestand, ervoor;
} gezien;

void Merk(AdmMain& a)
{
    const int p = a.Achternaam(1).leeg() ? 2 : 1;
    gezien.bestand = Trim(a.Achternaam(p));
    gezien.ervoor = Trim(gezien.buiten->Achternaam(1));
    a.Kenmerk(1) = "hersteld";
}

void Mislukt(AdmMain&) { throw Bestandsfout(FoutVerkeerdBestand, "mislukt"); }

}  // namespace

class OpenenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(map / "start");
        fs::create_directories(map / "data");
        adm.StartMap = (map / "start").string();
        adm.School = "Huidige school";
        adm.Achternaam(1) = "Eerder";
        adm.Bestandsnaam = "/ergens/eerder.vlk";
        adm.Gewijzigd = 1;

        AdmMain bron;
        bron.School = "Bronschool";
        bron.Klas = "3A    ";
        bron.Vak = "wi    ";
        bron.Achternaam(2) = "Nieuw";
        bron.Cijfer(2, 5, 1) = "7.5";
        bron.Scherm = 4;
        Schrijf(map / "data" / "Huidig.VLK", CijferbestandTekst(bron));
        Schrijf(map / "data" / "oud.vlk", OudBestand("Oudeleerling"));
        Schrijf(map / "data" / "tekst.vlk", "geen cijferbestand\r\n");
        // A current file that breaks off in its pupil blocks.
        auto kapot = CijferbestandTekst(bron);
        Schrijf(map / "data" / "kapot.vlk", kapot.substr(0, kapot.size() / 3));
    }
    std::string Data(const std::string& naam) const { return (map / "data" / naam).string(); }

    Tijdelijkemap tijdelijk;
    const fs::path map = tijdelijk.pad();
    AdmMain adm;
};

TEST_F(OpenenTest, ACurrentAndAnOldFileOpen)
{
    adm.DialoogModus = DialoogOpenen;
    auto u = BestandOpenen(adm, (map / "data").string(), Data("Huidig.VLK"), nullptr);
    EXPECT_EQ(u.stap, Openstap::Klaar);
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGereed);
    EXPECT_EQ(adm.Bestandsnaam, Data("Huidig.VLK"));
    EXPECT_EQ(Trim(adm.Achternaam(2)), "Nieuw");
    EXPECT_EQ(Trim(adm.Achternaam(1)), "");
    EXPECT_EQ(adm.Cijfer(2, 5, 1), "7.5");
    EXPECT_EQ(adm.Scherm, 4);
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(adm.StartMap, (map / "start").string());
    // The settings file now starts the next dialog in this folder.
    adm.LaatsteMap = "";
    EXPECT_EQ(BestandLadenActiveren(adm), (map / "data").string());

    u = BestandOpenen(adm, (map / "data").string(), Data("oud.vlk"), nullptr);
    EXPECT_EQ(u.stap, Openstap::Klaar);
    EXPECT_EQ(adm.Bestandsnaam, Data("oud.vlk"));
    EXPECT_EQ(Trim(adm.Achternaam(1)), "Oudeleerling");
    EXPECT_EQ(Trim(adm.Achternaam(2)), "");
    EXPECT_EQ(Trim(adm.NiveauNaam(2)), "vwo");
    EXPECT_EQ(adm.Scherm, 2);
}

TEST_F(OpenenTest, TheLoadedFileIsMendedBeforeItIsTakenOver)
{
    adm.DialoogModus = DialoogOpenen;
    gezien.buiten = &adm;
    for (const auto& [naam, leerling] : {std::pair{"Huidig.VLK", "Nieuw"}, std::pair{"oud.vlk", "Oudeleerling"}}) {
        SCOPED_TRACE(naam);
        adm.Achternaam(1) = "Eerder";
        adm.Gewijzigd = 1;
        const auto u = BestandOpenen(adm, (map / "data").string(), Data(naam), Merk);
        EXPECT_EQ(u.stap, Openstap::Klaar);
        EXPECT_EQ(gezien.bestand, leerling);
        EXPECT_EQ(gezien.ervoor, "Eerder");
        EXPECT_EQ(adm.Kenmerk(1), Tekst<15>("hersteld"));
        EXPECT_EQ(adm.Bestandsnaam, Data(naam));
        EXPECT_EQ(adm.Gewijzigd, 0);
    }

    // A step that fails fails the load: the data set that was open stays.
    adm.Achternaam(1) = "Eerder";
    adm.Bestandsnaam = "/ergens/eerder.vlk";
    adm.Gewijzigd = 1;
    const auto u = BestandOpenen(adm, (map / "data").string(), Data("Huidig.VLK"), Mislukt);
    EXPECT_EQ(u.stap, Openstap::Fout);
    EXPECT_EQ(Trim(adm.Achternaam(1)), "Eerder");
    EXPECT_EQ(adm.Bestandsnaam, "/ergens/eerder.vlk");
    EXPECT_EQ(adm.Gewijzigd, 1);
}

TEST_F(OpenenTest, AFileThatFailsLeavesTheDataSetThatWasOpen)
{
    adm.DialoogModus = DialoogOpenen;
    const std::pair<const char*, std::string> gevallen[] = {
        {"kapot.vlk", "Invoer voorbij het einde van het bestand: " + Data("kapot.vlk")},
        {"tekst.vlk", "Verkeerd bestandsformaat"},
        {"weg.vlk", "Bestand of map bestaat niet: " + Data("weg.vlk")},
        {"", "Is een map: " + Data("")},
    };
    for (const auto& [naam, omschrijving] : gevallen) {
        SCOPED_TRACE(naam);
        const auto u = BestandOpenen(adm, (map / "data").string(), Data(naam), nullptr);
        EXPECT_EQ(u.stap, Openstap::Fout);
        EXPECT_EQ(u.omschrijving, omschrijving);
        EXPECT_EQ(adm.DialoogAntwoord, AntwoordGeannuleerd);
        EXPECT_EQ(Trim(adm.Achternaam(1)), "Eerder");
        EXPECT_EQ(Trim(adm.School), "Huidige school");
        EXPECT_EQ(adm.Bestandsnaam, "/ergens/eerder.vlk");
        EXPECT_EQ(adm.Gewijzigd, 1);
    }
    EXPECT_EQ(BestandOpenen(adm, map.string(), Data("tekst.vlk"), nullptr).omschrijving, "Verkeerd bestandsformaat");
    EXPECT_EQ(Dialoogmelding("Verkeerd bestandsformaat"), "\nVerkeerd bestandsformaat   ");
    EXPECT_FALSE(fs::exists(map / "start" / Instellingenbestand));

    // No row chosen: only the folder is kept.
    EXPECT_EQ(BestandOpenen(adm, "/elders", "", nullptr).stap, Openstap::Niets);
    EXPECT_EQ(adm.LaatsteMap, "/elders");
}

TEST_F(OpenenTest, ImportsTakeOnlyACurrentFile)
{
    for (int modus : {DialoogImportLeerlingen, DialoogImportRapporten}) {
        adm.DialoogModus = modus;
        adm.ImportBestand = "";
        auto u = BestandOpenen(adm, (map / "data").string(), Data("oud.vlk"), nullptr);
        EXPECT_EQ(u.stap, Openstap::Fout);
        EXPECT_EQ(u.omschrijving, "Verkeerd bestandsformaat");
        EXPECT_EQ(adm.ImportBestand, "");
        u = BestandOpenen(adm, (map / "data").string(), Data("Huidig.VLK"), nullptr);
        EXPECT_EQ(u.stap, Openstap::Importeren);
        EXPECT_EQ(adm.ImportBestand, Data("Huidig.VLK"));
        EXPECT_EQ(Trim(adm.Achternaam(1)), "Eerder");  // nothing loaded
    }
    EXPECT_EQ(BestandLadenTitel(DialoogImportRapporten), "Rapportcijfers importeren uit ander Cijferbestand");
}

TEST_F(OpenenTest, ActivationReadsOnlyTheFoldersOfTheSettings)
{
    AdmMain inst;
    inst.School = "Instellingenschool";
    inst.Docent = "Instellingendocent";
    inst.StartMap = adm.StartMap;
    inst.LaatsteMap = (map / "data").string();
    InstellingenBewaren(inst, adm.StartMap);

    adm.Docent = "Huidige docent";
    adm.DialoogAntwoord = 1;
    EXPECT_EQ(BestandLadenActiveren(adm), (map / "data").string());
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGeannuleerd);
    EXPECT_EQ(Trim(adm.School), "Huidige school");
    EXPECT_EQ(adm.Docent, "Huidige docent");

    // A folder that is gone, or no settings file: the current folder.
    inst.LaatsteMap = (map / "weg").string();
    InstellingenBewaren(inst, adm.StartMap);
    EXPECT_EQ(BestandLadenActiveren(adm), HuidigeMap());
    fs::remove(map / "start" / Instellingenbestand);
    EXPECT_EQ(BestandLadenActiveren(adm), HuidigeMap());
}

// The pupil import window in its three modes: what it shows, how the list
// is chosen from, the column box of the report-grade import, the no-room
// message and cancelling.
#include "names/frmLeerlingUitVlk.h"

#include "core/Cijferbestand.h"
#include "core/Tekst.h"
#include "platform/Draaiknop.h"
#include "platform/Etiket.h"
#include "platform/VasteBreedteInvoer.h"
#include "termsheet/Cijferverwerking.h"

#include "Tijdelijkemap.h"
#include "VensterTest.h"

#include <QListWidget>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace VensterTest;
namespace fs = std::filesystem;

namespace {

void Schrijf(const fs::path& pad, const std::string& inhoud) { std::ofstream(pad, std::ios::binary) << inhoud; }

void Leerling(AdmMain& a, int p, const std::string& achternaam, const std::string& roepnaam)
{
    a.Achternaam(p) = achternaam;
    a.Roepnaam(p) = roepnaam;
}

std::string Namenregel(const std::string& achternaam, const std::string& roepnaam, const std::string& nummer)
{
    return Pas(achternaam, 30) + "," + Pas(roepnaam, 13) + "," + Pas(nummer, 6) + ",V," + Pas("Laan 2", 36) + "," +
           Pas("Ergens", 15) + "," + Pas("9999 ZZ", 7) + "," + Pas("06-1", 13) + "," + "BG1";
}

void KlikItem(QListWidget& lijst, int rij)
{
    QListWidgetItem* item = lijst.item(rij);
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(lijst.viewport(), Qt::LeftButton, Qt::NoModifier, lijst.visualItemRect(item).center());
}

}  // namespace

class frmLeerlingUitVlkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Source: Bakker in slot 3 and Jansen in slot 7, with grades and reports.
        AdmMain b;
        b.Klas = "3A    ";
        b.Vak = "wi    ";
        b.Docent = "Bron Docent";
        Leerling(b, 3, "Bakker", "Els");
        b.Kenmerk(3) = "dyslexie";
        b.Cijfer(3, 1, 1) = "7.5";
        b.Cijfer(3, 20, 2) = "6  ";
        b.RapportTxt(3, 2, 1) = "7  ";
        b.RapportTxt(3, 2, 2) = "6.5";
        b.RapportTxt(3, 3, 1) = "9  ";
        b.Rapport(3, 2, 1) = 7;
        Leerling(b, 7, "Jansen", "Jan");
        b.RapportTxt(7, 2, 1) = "5  ";
        Leerling(b, 9, "Nergens", "Niemand");
        b.RapportTxt(9, 2, 1) = "6  ";
        Schrijf(map / "bron.vlk", CijferbestandTekst(b));

        Leerling(adm, 1, "Aap", "Anna");
        Leerling(adm, 2, "Noot", "Nico");
        adm.LeerlingPersNr(2) = "222222";
        adm.Kenmerk(2) = "blijft";
    }
    // Opens the window on the source in this mode; `script` runs while it is shown.
    int Toon(int modus, const fs::path& bron, std::function<void(frmLeerlingUitVlk&)> script)
    {
        adm.DialoogModus = modus;
        adm.ImportBestand = bron.string();
        frmLeerlingUitVlk v(adm, omgeving);
        EXPECT_FALSE(v.Leesfout()) << *v.Leesfout();
        omgeving.Beantwoord([&](QDialog&) { script(v); });
        return omgeving.Modaal(v);
    }

    Tijdelijkemap tijdelijk;
    const fs::path map = tijdelijk.pad();
    AdmMain adm;
    TestOmgeving omgeving;
};

TEST_F(frmLeerlingUitVlkTest, PupilsOfAGradeFileAreChosenByClicksAndGoIntoTheFirstFreeSlots)
{
    const int r = Toon(DialoogImportLeerlingen, map / "bron.vlk", [&](frmLeerlingUitVlk& v) {
        EXPECT_EQ(v.windowTitle(), QStringLiteral("Leerling(en) importeren uit Cijferbestand"));
        EXPECT_EQ(v.Label3->text(), QStringLiteral("Cijferbestand :"));
        EXPECT_EQ(v.Label4->text(), QStringLiteral("Docent :"));
        EXPECT_EQ(v.lblDocent->text(), QStringLiteral("Bron Docent"));
        EXPECT_EQ(v.lblKlas->text().trimmed(), QStringLiteral("3A"));
        EXPECT_EQ(v.lblVak->text().trimmed(), QStringLiteral("wi"));
        EXPECT_EQ(v.Label1->text(), QStringLiteral("Achternaam"));
        EXPECT_FALSE(v.txtKolom->isVisible());
        EXPECT_FALSE(v.UpDown->isVisible());
        ASSERT_EQ(v.lstLeerlingenLijst->count(), 3);
        EXPECT_EQ(v.lstLeerlingenLijst->item(0)->text(), QStringLiteral(" Bakker           Els       "));
        EXPECT_EQ(v.lstLeerlingenLijst->item(1)->text(), QStringLiteral(" Jansen           Jan       "));
        // Each click toggles one entry.
        KlikItem(*v.lstLeerlingenLijst, 0);
        KlikItem(*v.lstLeerlingenLijst, 1);
        KlikItem(*v.lstLeerlingenLijst, 1);
        EXPECT_EQ(v.lstLeerlingenLijst->selectedItems().size(), 1);
        KlikKnop(v, QStringLiteral("&Importeren"));
    });
    EXPECT_EQ(r, AntwoordGereed);
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGereed);
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(Trim(adm.Achternaam(3)), "Bakker");
    EXPECT_EQ(Trim(adm.Kenmerk(3)), "dyslexie");
    EXPECT_EQ(adm.Cijfer(3, 1, 1), "7.5");
    EXPECT_EQ(adm.Cijfer(3, 20, 2), "6  ");
    EXPECT_EQ(adm.RapportTxt(3, 2, 1), "7  ");
    EXPECT_TRUE(LeegLeerling(adm, 4));
    EXPECT_TRUE(omgeving.meldingen.empty());
}

TEST_F(frmLeerlingUitVlkTest, MorePupilsThanFreeSlotsFillWhatIsFreeAndSaySo)
{
    for (int p = 1; p <= 34; ++p)
        Leerling(adm, p, "Vol" + std::to_string(p), "Vol");
    const int r = Toon(DialoogImportLeerlingen, map / "bron.vlk", [&](frmLeerlingUitVlk& v) {
        KlikKnop(v, QStringLiteral("Alles  &Selecteren"));
        EXPECT_EQ(v.lstLeerlingenLijst->selectedItems().size(), 3);
        KlikKnop(v, QStringLiteral("&Importeren"));
    });
    EXPECT_EQ(r, AntwoordGereed);
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst,
              QStringLiteral("Waarchuwing:\n\nOnvoldoende ruimte!\nNiet alle leerlingen zijn ingelezen!   "));
    EXPECT_EQ(omgeving.meldingen[0].stijl, vbOKOnly | vbExclamation);
    EXPECT_EQ(omgeving.meldingen[0].titel, QStringLiteral("Morvaldiek"));
    EXPECT_EQ(Trim(adm.Achternaam(35)), "Bakker");
    EXPECT_EQ(Trim(adm.Achternaam(36)), "Jansen");
    EXPECT_EQ(Trim(adm.Achternaam(34)), "Vol34");
    EXPECT_EQ(adm.Gewijzigd, 1);
}

TEST_F(frmLeerlingUitVlkTest, EscCancelsAndAnImportOfNothingStillCounts)
{
    int r = Toon(DialoogImportLeerlingen, map / "bron.vlk", [&](frmLeerlingUitVlk& v) {
        KlikItem(*v.lstLeerlingenLijst, 0);
        Toets(v, Qt::Key_Escape);
    });
    EXPECT_EQ(r, AntwoordGeannuleerd);
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGeannuleerd);
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_TRUE(LeegLeerling(adm, 3));

    r = Toon(DialoogImportLeerlingen, map / "bron.vlk",
             [&](frmLeerlingUitVlk& v) { KlikKnop(v, QStringLiteral("&Importeren")); });
    EXPECT_EQ(r, AntwoordGereed);
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_TRUE(LeegLeerling(adm, 3));
}

TEST_F(frmLeerlingUitVlkTest, ReportGradesGoIntoTheColumnTheBoxHolds)
{
    // Term 2 on screen with absolute column 20 current: the box starts at 4.
    adm.Scherm = 2;
    adm.HuidigeKolom = 20;
    Leerling(adm, 5, "Bakker", "Els");
    std::string oud = "3";
    VerwerkCijfer(adm, oud, 5, 18, 2, 2);
    const int r = Toon(DialoogImportRapporten, map / "bron.vlk", [&](frmLeerlingUitVlk& v) {
        EXPECT_EQ(v.windowTitle(), QStringLiteral("Leerling(en) importeren uit Cijferbestand"));
        EXPECT_TRUE(v.Label7->isVisible());
        EXPECT_EQ(v.Label7->text(), QStringLiteral("Importeren in kolom:"));
        EXPECT_EQ(v.UpDown->Value(), 4);
        EXPECT_EQ(v.txtKolom->Tekst(), "4");

        // Out of range: Enter beeps and keeps the text, leaving the box restores the column.
        v.ZetFocus(v.txtKolom);
        EXPECT_EQ(v.txtKolom->SelLength(), 1);
        Typ(v, QStringLiteral("17"));
        Toets(v, Qt::Key_Return);
        EXPECT_EQ(omgeving.piepen, 1);
        EXPECT_EQ(v.txtKolom->Tekst(), "17");
        v.ZetFocus(v.lstLeerlingenLijst);
        EXPECT_EQ(v.txtKolom->Tekst(), "4");
        EXPECT_EQ(v.UpDown->Value(), 4);
        // A comma is a decimal point and a half goes to the even column.
        v.ZetFocus(v.txtKolom);
        Typ(v, QStringLiteral("2,5"));
        v.ZetFocus(v.lstLeerlingenLijst);
        EXPECT_EQ(v.UpDown->Value(), 2);
        EXPECT_EQ(v.txtKolom->Tekst(), "2");
        v.UpDown->Omhoog();
        EXPECT_EQ(v.txtKolom->Tekst(), "3");
        v.UpDown->Omlaag();

        KlikKnop(v, QStringLiteral("Alles  &Selecteren"));
        KlikKnop(v, QStringLiteral("&Importeren"));
    });
    EXPECT_EQ(r, AntwoordGereed);
    // Column 2 of term 2 is absolute column 18; the Rp2 texts of the namesake, both levels.
    EXPECT_EQ(adm.Cijfer(5, 18, 1), "7  ");
    EXPECT_EQ(adm.Cijfer(5, 18, 2), "6.5");
    EXPECT_EQ(adm.Cijfer(5, 20, 1), "   ");
    EXPECT_TRUE(LeegLeerling(adm, 3));
    EXPECT_EQ(adm.Gewijzigd, 1);
}

TEST_F(frmLeerlingUitVlkTest, ANamesFileUpdatesByPupilNumberAndShowsNoGradeFileHeader)
{
    Schrijf(map / "klas.nam", Namenregel("Noot", "Nicolaas", "222222") + "\r\n" +
                                  Namenregel("Mies", "Maria", "444444") + "\r\n");
    const int r = Toon(DialoogImportNamenbestand, map / "klas.nam", [&](frmLeerlingUitVlk& v) {
        EXPECT_EQ(v.windowTitle(), QStringLiteral("Leerling(en) importeren uit Dravonel Namenbestand"));
        EXPECT_EQ(v.Label3->text(), QStringLiteral("Namenbestand :"));
        for (Etiket* l : {v.Label4, v.Label5, v.Label6, v.lblDocent, v.lblKlas, v.lblVak})
            EXPECT_EQ(l->text(), QString()) << l->objectName().toStdString();
        EXPECT_FALSE(v.txtKolom->isVisible());
        ASSERT_EQ(v.lstLeerlingenLijst->count(), 2);
        EXPECT_EQ(v.lstLeerlingenLijst->item(1)->text(), QStringLiteral(" Mies             Maria     "));
        KlikKnop(v, QStringLiteral("Alles  &Selecteren"));
        KlikKnop(v, QStringLiteral("&Importeren"));
    });
    EXPECT_EQ(r, AntwoordGereed);
    EXPECT_EQ(Trim(adm.Roepnaam(2)), "Nicolaas");
    EXPECT_EQ(Trim(adm.Kenmerk(2)), "blijft");
    EXPECT_EQ(Trim(adm.Achternaam(3)), "Mies");
    EXPECT_EQ(adm.LeerlingPersNr(3), "444444");
}

TEST_F(frmLeerlingUitVlkTest, ALongSourcePathIsShortenedAtAFolder)
{
    const fs::path diep = map / "een_zeer_lange_mapnaam_voor_klassen" / "nog_een_lange_mapnaam" / "2024";
    fs::create_directories(diep);
    fs::copy_file(map / "bron.vlk", diep / "bron.vlk");
    Toon(DialoogImportLeerlingen, diep / "bron.vlk", [&](frmLeerlingUitVlk& v) {
        const QString t = v.lblBestand->text();
        EXPECT_TRUE(t.startsWith(QStringLiteral(".../"))) << t.toStdString();
        EXPECT_TRUE(t.endsWith(QStringLiteral("/2024/bron.vlk"))) << t.toStdString();
        EXPECT_TRUE(QString::fromStdString((diep / "bron.vlk").string()).endsWith(t.mid(3)));
        KlikKnop(v, QStringLiteral("&Annuleren"));
    });

    // A path that fits is shown whole.
    const fs::path kortemap = "/tmp/k" + std::to_string(::getpid());
    fs::create_directories(kortemap);
    fs::copy_file(map / "bron.vlk", kortemap / "b.vlk", fs::copy_options::overwrite_existing);
    Toon(DialoogImportLeerlingen, kortemap / "b.vlk", [&](frmLeerlingUitVlk& v) {
        EXPECT_EQ(v.lblBestand->text(), QString::fromStdString((kortemap / "b.vlk").string()));
        KlikKnop(v, QStringLiteral("&Annuleren"));
    });
    fs::remove_all(kortemap);
}

TEST_F(frmLeerlingUitVlkTest, ASourceThatCannotBeReadIsReportedBeforeTheWindowShows)
{
    Schrijf(map / "tekst.vlk", "geen cijferbestand\r\n");
    adm.DialoogModus = DialoogImportLeerlingen;
    adm.ImportBestand = (map / "tekst.vlk").string();
    frmLeerlingUitVlk v(adm, omgeving);
    ASSERT_TRUE(v.Leesfout());
    EXPECT_EQ(*v.Leesfout(), "Verkeerd bestandsformaat");
}

// The names-file dialog: its table of names files, the two sort buttons,
// a single click into a folder, a file of the wrong kind and the hand-over
// to the pupil import.
#include "names/frmNamenBestandLaden.h"

#include "core/Tekst.h"
#include "names/frmLeerlingUitVlk.h"
#include "platform/Etiket.h"

#include "Tijdelijkemap.h"
#include "VensterTest.h"

#include <QListWidget>
#include <QPushButton>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <fcntl.h>
#include <sys/stat.h>

using namespace VensterTest;
namespace fs = std::filesystem;

namespace {

std::string Namenregel(const std::string& achternaam, const std::string& roepnaam, const std::string& nummer)
{
    return Pas(achternaam, 30) + "," + Pas(roepnaam, 13) + "," + Pas(nummer, 6) + ",M," + Pas("Dijk 9", 36) + "," +
           Pas("Ergens", 15) + "," + Pas("1111 AA", 7) + "," + Pas("06-2", 13) + "," + "BG2";
}

std::vector<QString> Rijen(const QListWidget& lijst)
{
    std::vector<QString> r;
    for (int i = 0; i < lijst.count(); ++i)
        r.push_back(lijst.item(i)->text());
    return r;
}

void KlikItem(QListWidget& lijst, int rij)
{
    QListWidgetItem* item = lijst.item(rij);
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(lijst.viewport(), Qt::LeftButton, Qt::NoModifier, lijst.visualItemRect(item).center());
}

int Rij(const QListWidget& lijst, const QString& begin)
{
    for (int i = 0; i < lijst.count(); ++i)
        if (lijst.item(i)->text().trimmed().startsWith(begin))
            return i;
    ADD_FAILURE() << "no row " << begin.toStdString();
    return -1;
}

}  // namespace

class frmNamenBestandLadenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        terug = fs::current_path();
        fs::create_directories(map / "namen" / "vorig jaar");
        Bestand("klas1.NAM", Namenregel("Mies", "Maria", "444444") + "\r\n" + Namenregel("Wim", "Willem", "555555"),
                1049198700);  // 01-04-03 12:05
        Bestand("Klas2.nam", Namenregel("Zus", "Zoe", "666666") + "\r\n", 946684800);  // 01-01-00 00:00
        Bestand("fout.nam", "dit is geen namenbestand\r\n", 1262304000);                // 01-01-10 00:00
        Bestand("cijfers.vlk", "niet in deze lijst\r\n", 1262304000);
        adm.LaatsteMap = (map / "namen").string();
        adm.StartMap = terug.string();
    }
    void TearDown() override
    {
        fs::current_path(terug);
    }
    void Bestand(const std::string& naam, const std::string& inhoud, std::time_t tijd)
    {
        SchrijfMetTijd(map / "namen" / naam, inhoud, tijd);
    }
    int Toon(std::function<void(frmNamenBestandLaden&)> script)
    {
        frmNamenBestandLaden dlg(adm, omgeving);
        omgeving.Beantwoord([&](QDialog&) { script(dlg); });
        return omgeving.Modaal(dlg);
    }

    Tijdelijkemap tijdelijk;
    const fs::path map = tijdelijk.pad();
    fs::path terug;
    UtcTijdzone utc;
    AdmMain adm;
    TestOmgeving omgeving;
};

TEST_F(frmNamenBestandLadenTest, TheTableListsNamesFilesByNameAndTime)
{
    const int r = Toon([&](frmNamenBestandLaden& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Leerling(en) importeren uit Dravonel Namenbestand\""));
        EXPECT_EQ(d.lblNamenbestanden->text(), QStringLiteral(" Namenbestanden in namen"));
        EXPECT_EQ(d.lblMappen->text(), QStringLiteral(" Mappen in namen"));
        const std::vector<QString> opNaam = {QStringLiteral("fout        01-01-10 00:00"),
                                             QStringLiteral("klas1       01-04-03 12:05"),
                                             QStringLiteral("Klas2       01-01-00 00:00")};
        EXPECT_EQ(Rijen(*d.lstBestandenLijst), opNaam);
        d.cmdGewijzigd->click();
        EXPECT_EQ(Rijen(*d.lstBestandenLijst), (std::vector<QString>{opNaam[2], opNaam[1], opNaam[0]}));
        d.cmdNamenbestand->click();
        EXPECT_EQ(Rijen(*d.lstBestandenLijst), opNaam);

        // One click opens a folder.
        KlikItem(*d.Dir, d.Dir->count() - 1);
        EXPECT_EQ(d.Map(), (map / "namen" / "vorig jaar").string());
        EXPECT_EQ(d.lblNamenbestanden->text(), QStringLiteral(" Namenbestanden in vorig jaar"));
        EXPECT_EQ(d.lstBestandenLijst->count(), 0);
        KlikKnop(d, QStringLiteral("&Annuleren"));
    });
    EXPECT_EQ(r, AntwoordGeannuleerd);
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGeannuleerd);
    EXPECT_EQ(fs::current_path(), terug);
}

TEST_F(frmNamenBestandLadenTest, AWrongFileIsRefusedAndACancelledImportKeepsTheDialogOpen)
{
    adm.DialoogModus = DialoogImportLeerlingen;
    int importvensters = 0;
    const int r = Toon([&](frmNamenBestandLaden& d) {
        KlikItem(*d.lstBestandenLijst, Rij(*d.lstBestandenLijst, QStringLiteral("fout")));
        KlikKnop(d, QStringLiteral("&Openen"));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(adm.DialoogModus, DialoogImportLeerlingen);
        EXPECT_EQ(adm.ImportBestand, "");

        omgeving.Beantwoord([&](QDialog& v) {
            ++importvensters;
            EXPECT_EQ(v.windowTitle(), QStringLiteral("Leerling(en) importeren uit Dravonel Namenbestand"));
            KlikKnop(v, QStringLiteral("&Annuleren"));
        });
        KlikItem(*d.lstBestandenLijst, Rij(*d.lstBestandenLijst, QStringLiteral("klas1")));
        KlikKnop(d, QStringLiteral("&Openen"));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.Map(), (map / "namen").string());

        omgeving.Beantwoord([&](QDialog& v) {
            ++importvensters;
            auto& import = dynamic_cast<frmLeerlingUitVlk&>(v);
            ASSERT_EQ(import.lstLeerlingenLijst->count(), 2);
            KlikItem(*import.lstLeerlingenLijst, 1);
            KlikKnop(v, QStringLiteral("&Importeren"));
        });
        KlikItem(*d.lstBestandenLijst, Rij(*d.lstBestandenLijst, QStringLiteral("klas1")));
        KlikKnop(d, QStringLiteral("&Openen"));
    });
    EXPECT_EQ(importvensters, 2);
    EXPECT_EQ(r, AntwoordGereed);
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGereed);
    EXPECT_EQ(adm.DialoogModus, DialoogImportNamenbestand);
    EXPECT_EQ(adm.ImportBestand, (map / "namen" / "klas1.NAM").string());
    EXPECT_EQ(Trim(adm.Achternaam(1)), "Wim");
    EXPECT_EQ(adm.LeerlingPersNr(1), "555555");
    EXPECT_TRUE(LeegLeerling(adm, 2));
    EXPECT_EQ(adm.Gewijzigd, 1);
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, QStringLiteral("\nVerkeerd bestandsformaat   "));
    EXPECT_EQ(omgeving.meldingen[0].stijl, vbExclamation);
}

// The keys of the open dialog hold here too: Down takes the first file,
// Enter opens the chosen one, Esc cancels.
TEST_F(frmNamenBestandLadenTest, DownEnterAndEsc)
{
    int importvensters = 0;
    const int r = Toon([&](frmNamenBestandLaden& d) {
        ASSERT_EQ(d.ActieveControl(), d.lstBestandenLijst);
        Toets(d, Qt::Key_Down);
        ASSERT_EQ(d.lstBestandenLijst->currentRow(), 0);
        Toets(d, Qt::Key_Return);  // "fout": refused
        EXPECT_EQ(omgeving.meldingen.size(), 1u);
        omgeving.Beantwoord([&](QDialog& v) {
            ++importvensters;
            KlikKnop(v, QStringLiteral("&Annuleren"));
        });
        d.ZetFocus(d.lstBestandenLijst);
        Toets(d, Qt::Key_Down);
        Toets(d, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        d.ZetFocus(d.Dir);
        Toets(d, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(importvensters, 1);
    EXPECT_EQ(r, AntwoordGeannuleerd);
    EXPECT_EQ(adm.ImportBestand, (map / "namen" / "klas1.NAM").string());
}

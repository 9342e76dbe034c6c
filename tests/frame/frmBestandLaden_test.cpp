// The open dialog over a folder of grade files: its table and folder list,
// the sort buttons, opening by version, failures, and the hand-over to the
// pupil import.
#include "frame/frmBestandLaden.h"

#include "core/Cijferbestand.h"
#include "core/Instellingen.h"
#include "core/Tekst.h"
#include "names/Namenvensters.h"
#include "names/frmLeerlingUitVlk.h"
#include "platform/Etiket.h"

#include "Tijdelijkemap.h"
#include "VensterTest.h"

#include <QComboBox>
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

AdmMain Bron(const std::string& klas, const std::string& vak, const std::string& deelvak)
{
    AdmMain b;
    b.Klas = Pas(klas, 6);
    b.Vak = Pas(vak, 6);
    b.Deelvak = deelvak;
    return b;
}

// The file names in the order the table shows (the name column is as wide
// as the longest name of the fixture, 16).
std::vector<std::string> Volgorde(const QListWidget& lijst)
{
    std::vector<std::string> r;
    for (int i = 0; i < lijst.count(); ++i)
        r.push_back(lijst.item(i)->text().left(16).trimmed().toStdString());
    return r;
}

int Rij(const QListWidget& lijst, const std::string& naam)
{
    const auto v = Volgorde(lijst);
    for (std::size_t i = 0; i < v.size(); ++i)
        if (v[i] == naam)
            return static_cast<int>(i);
    ADD_FAILURE() << "no row " << naam;
    return -1;
}

void KlikItem(QListWidget& lijst, int rij, bool dubbel = false)
{
    QListWidgetItem* item = lijst.item(rij);
    ASSERT_NE(item, nullptr);
    lijst.scrollToItem(item);
    const QPoint p = lijst.visualItemRect(item).center();
    // A double click as the mouse gives it: a click, then the second press and its release.
    QTest::mouseClick(lijst.viewport(), Qt::LeftButton, Qt::NoModifier, p);
    if (dubbel) {
        QTest::mouseDClick(lijst.viewport(), Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseRelease(lijst.viewport(), Qt::LeftButton, Qt::NoModifier, p);
    }
}

int MapRij(const QListWidget& dir, const QString& naam)
{
    for (int i = 0; i < dir.count(); ++i)
        if (dir.item(i)->text().trimmed() == naam)
            return i;
    ADD_FAILURE() << "no folder " << naam.toStdString();
    return -1;
}

}  // namespace

class frmBestandLadenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        terug = fs::current_path();
        fs::create_directories(map / "start");
        fs::create_directories(map / "data" / "Klas 3");

        AdmMain lang = Bron("1C", "en", "ta");
        lang.Achternaam(2) = "Nieuw";
        lang.Cijfer(2, 5, 1) = "7.5";
        lang.Scherm = 4;
        Bestand("gamma_lange_naam.vlk", CijferbestandTekst(lang), Utc(2010, 1, 1, 8, 30));
        Bestand("Alfa.VLK", CijferbestandTekst(Bron("3A", "wi", "")), Utc(2005, 1, 1, 0, 0));
        AdmMain beta = Bron("2B", "ne", "lv");
        beta.Achternaam(4) = "Beta";
        beta.Roepnaam(4) = "Bea";
        beta.Cijfer(4, 1, 1) = "8  ";
        Bestand("beta.vlk", CijferbestandTekst(beta), Utc(1999, 6, 1, 12, 0));
        Bestand("oud.vlk", OudBestand("Oudeleerling"), Utc(2003, 1, 1, 0, 0));
        Bestand("tekst.vlk", "geen cijferbestand\r\n", Utc(2001, 1, 1, 0, 0));
        Bestand("notities.txt", "niet in de lijst\r\n", Utc(2001, 1, 1, 0, 0));

        // The settings file starts the dialog in the data folder.
        AdmMain inst;
        inst.LaatsteMap = Data();
        InstellingenBewaren(inst, (map / "start").string());

        adm.StartMap = (map / "start").string();
        adm.Achternaam(1) = "Eerder";
        adm.Bestandsnaam = "/ergens/eerder.vlk";
        adm.Gewijzigd = 1;
    }
    void TearDown() override
    {
        fs::current_path(terug);
    }

    void Bestand(const std::string& naam, const std::string& inhoud, std::time_t tijd)
    {
        SchrijfMetTijd(map / "data" / naam, inhoud, tijd);
    }
    std::string Data(const std::string& naam = "") const
    {
        return naam.empty() ? (map / "data").string() : (map / "data" / naam).string();
    }

    // Opens the dialog in this mode; `script` runs while it is shown.
    int Toon(int modus, std::function<void(frmBestandLaden&)> script)
    {
        adm.DialoogModus = modus;
        frmBestandLaden dlg(adm, omgeving);
        dlg.leerlingvensters = &Namenvensters;
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

TEST_F(frmBestandLadenTest, TheTableListsTheGradeFilesAndSortsByEachButton)
{
    Toon(DialoogOpenen, [&](frmBestandLaden& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Cijferbestand openen"));
        EXPECT_EQ(d.Map(), Data());
        EXPECT_EQ(d.lblMappen->text(), QStringLiteral(" Mappen in data"));
        EXPECT_EQ(d.lblCijferbestanden->text(), QStringLiteral(" Cijferbestanden in data"));
        EXPECT_EQ(d.Drive->currentText(), QStringLiteral("/"));
        // The folder list ends with the folder itself and its sub-folder.
        ASSERT_GE(d.Dir->count(), 2);
        EXPECT_EQ(d.Dir->item(d.Dir->count() - 2)->text().trimmed(), QStringLiteral("data"));
        EXPECT_EQ(d.Dir->currentRow(), d.Dir->count() - 2);
        EXPECT_EQ(d.Dir->item(d.Dir->count() - 1)->text().trimmed(), QStringLiteral("Klas 3"));

        // By name, each file's whole name: the long one widens the name column.
        const std::vector<std::string> opNaam = {"Alfa", "beta", "gamma_lange_naam", "oud", "tekst"};
        EXPECT_EQ(Volgorde(*d.lstBestandenLijst), opNaam);
        EXPECT_EQ(d.File->count(), 5);
        EXPECT_EQ(d.File->item(0)->text(), QStringLiteral("Alfa.VLK"));
        EXPECT_EQ(d.lstBestandenLijst->item(1)->text(),
                  QStringLiteral("beta             2B       ne   lv   01-06-99 12:00"));
        EXPECT_EQ(d.lstBestandenLijst->item(4)->text(), QStringLiteral("tekst") + QString(31, QLatin1Char(' ')) +
                                                            QStringLiteral("01-01-01 00:00"));
        EXPECT_EQ(d.cmdCijferbestand->geometry().right() + 1, d.cmdKlas->x());
        EXPECT_LT(d.cmdKlas->x(), d.cmdVak->x());
        EXPECT_LT(d.cmdDvak->x(), d.cmdGewijzigd->x());

        // Each button in turn; blanks last, ties keep the order they had.
        const struct {
            QPushButton* knop;
            std::vector<std::string> volgorde;
        } gevallen[] = {
            {d.cmdKlas, {"gamma_lange_naam", "beta", "Alfa", "oud", "tekst"}},
            {d.cmdVak, {"gamma_lange_naam", "oud", "beta", "Alfa", "tekst"}},
            {d.cmdDvak, {"oud", "beta", "gamma_lange_naam", "Alfa", "tekst"}},
            {d.cmdGewijzigd, {"beta", "tekst", "oud", "Alfa", "gamma_lange_naam"}},
            {d.cmdCijferbestand, opNaam},
        };
        for (const auto& g : gevallen) {
            g.knop->click();
            EXPECT_EQ(Volgorde(*d.lstBestandenLijst), g.volgorde) << g.knop->text().toStdString();
        }
        // The chosen file stays chosen through a sort.
        KlikItem(*d.lstBestandenLijst, Rij(*d.lstBestandenLijst, "oud"));
        d.cmdGewijzigd->click();
        EXPECT_EQ(d.lstBestandenLijst->currentRow(), 2);
        EXPECT_TRUE(d.lstBestandenLijst->currentItem()->isSelected());
        KlikKnop(d, QStringLiteral("&Annuleren"));
    });
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGeannuleerd);
    EXPECT_EQ(fs::current_path(), map / "start");
}

TEST_F(frmBestandLadenTest, AFolderIsOpenedByADoubleClickAndAnEmptyOneOffersNothing)
{
    const int r = Toon(DialoogOpenen, [&](frmBestandLaden& d) {
        KlikItem(*d.Dir, MapRij(*d.Dir, QStringLiteral("Klas 3")), true);
        EXPECT_EQ(d.Map(), Data("Klas 3"));
        EXPECT_EQ(d.lblMappen->text(), QStringLiteral(" Mappen in Klas 3"));
        EXPECT_EQ(d.lstBestandenLijst->count(), 0);
        d.cmdKlas->click();
        EXPECT_EQ(d.lstBestandenLijst->count(), 0);
        KlikKnop(d, QStringLiteral("&Openen"));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(adm.LaatsteMap, Data("Klas 3"));
        // Back up through the folder list.
        KlikItem(*d.Dir, MapRij(*d.Dir, QStringLiteral("data")), true);
        EXPECT_EQ(d.lstBestandenLijst->count(), 5);
        KlikKnop(d, QStringLiteral("&Annuleren"));
    });
    EXPECT_EQ(r, AntwoordGeannuleerd);
    EXPECT_TRUE(omgeving.meldingen.empty());
}

TEST_F(frmBestandLadenTest, ACurrentAndAnOldFileOpen)
{
    // The current file by its whole name, longer than the table once showed.
    int r = Toon(DialoogOpenen, [&](frmBestandLaden& d) {
        KlikItem(*d.lstBestandenLijst, Rij(*d.lstBestandenLijst, "gamma_lange_naam"));
        KlikKnop(d, QStringLiteral("&Openen"));
    });
    EXPECT_EQ(r, AntwoordGereed);
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGereed);
    EXPECT_EQ(adm.Bestandsnaam, Data("gamma_lange_naam.vlk"));
    EXPECT_EQ(Trim(adm.Achternaam(2)), "Nieuw");
    EXPECT_EQ(Trim(adm.Achternaam(1)), "");
    EXPECT_EQ(adm.Scherm, 4);
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(fs::current_path(), map / "start");
    EXPECT_TRUE(omgeving.meldingen.empty());

    // The old one by a double click on its row; the dialog starts where the last file was opened.
    AdmMain gelezen;
    InstellingenMappenLezen(gelezen, adm.StartMap);
    EXPECT_EQ(gelezen.LaatsteMap, Data());
    r = Toon(DialoogOpenen, [&](frmBestandLaden& d) {
        EXPECT_EQ(d.Map(), Data());
        KlikItem(*d.lstBestandenLijst, Rij(*d.lstBestandenLijst, "oud"), true);
    });
    EXPECT_EQ(r, AntwoordGereed);
    EXPECT_EQ(adm.Bestandsnaam, Data("oud.vlk"));
    EXPECT_EQ(Trim(adm.Achternaam(1)), "Oudeleerling");
    EXPECT_EQ(Trim(adm.NiveauNaam(2)), "vwo");
    EXPECT_EQ(adm.Scherm, 2);
}

// A name copied from an older machine is Windows-1252, no UTF-8: the table
// and the folder list show its byte as the letter it stands for, and the
// folder and the file open by the bytes on disk.
TEST_F(frmBestandLadenTest, ANameThatIsNoUtf8ShowsEachByteAndOpensByItsRealPath)
{
    const std::string cafe = "caf\xE9 3a.vlk";
    AdmMain bron = Bron("3A", "fr", "");
    bron.Achternaam(1) = "Caf\xE9";
    Bestand(cafe, CijferbestandTekst(bron), Utc(2006, 1, 2, 3, 4));
    fs::create_directories(map / "data" / "caf\xE9");
    const int r = Toon(DialoogOpenen, [&](frmBestandLaden& d) {
        KlikItem(*d.Dir, MapRij(*d.Dir, QStringLiteral("café")), true);
        EXPECT_EQ(d.Map(), Data("caf\xE9"));
        EXPECT_EQ(d.lblMappen->text(), QStringLiteral(" Mappen in café"));
        KlikItem(*d.Dir, MapRij(*d.Dir, QStringLiteral("data")), true);

        const int rij = Rij(*d.lstBestandenLijst, "café 3a");
        ASSERT_EQ(rij, 2);
        EXPECT_EQ(d.lstBestandenLijst->item(rij)->text(),
                  QStringLiteral("café 3a          3A       fr        02-01-06 03:04"));
        KlikItem(*d.lstBestandenLijst, rij);
        KlikKnop(d, QStringLiteral("&Openen"));
    });
    EXPECT_EQ(r, AntwoordGereed);
    EXPECT_EQ(adm.Bestandsnaam, Data(cafe));
    EXPECT_EQ(Trim(adm.Achternaam(1)), "Caf\xE9");
    EXPECT_TRUE(omgeving.meldingen.empty());
}

TEST_F(frmBestandLadenTest, AFileThatFailsLeavesTheOpenDataSetAndSaysWhy)
{
    auto kapot = CijferbestandTekst(Bron("5E", "bi", "x"));
    Bestand("kapot.vlk", kapot.substr(0, kapot.size() / 3), Utc(2004, 1, 1, 0, 0));
    const int r = Toon(DialoogOpenen, [&](frmBestandLaden& d) {
        for (const char* naam : {"tekst", "kapot"}) {
            KlikItem(*d.lstBestandenLijst, Rij(*d.lstBestandenLijst, naam));
            KlikKnop(d, QStringLiteral("&Openen"));
            EXPECT_TRUE(d.isVisible()) << naam;
        }
        KlikKnop(d, QStringLiteral("&Annuleren"));
    });
    EXPECT_EQ(r, AntwoordGeannuleerd);
    ASSERT_EQ(omgeving.meldingen.size(), 2u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, QStringLiteral("\nVerkeerd bestandsformaat   "));
    EXPECT_EQ(omgeving.meldingen[0].stijl, vbExclamation);
    EXPECT_EQ(omgeving.meldingen[0].titel, QStringLiteral("Morvaldiek"));
    EXPECT_TRUE(omgeving.meldingen[1].tekst.startsWith(QLatin1Char('\n')));
    EXPECT_TRUE(omgeving.meldingen[1].tekst.endsWith(QStringLiteral("   ")));
    EXPECT_TRUE(omgeving.meldingen[1].tekst.contains(QStringLiteral("kapot.vlk")));
    EXPECT_EQ(Trim(adm.Achternaam(1)), "Eerder");
    EXPECT_EQ(adm.Bestandsnaam, "/ergens/eerder.vlk");
    EXPECT_EQ(adm.Gewijzigd, 1);
}

TEST_F(frmBestandLadenTest, AnImportTakesACurrentFileAndHandsOverToTheImportWindow)
{
    auto kort = CijferbestandTekst(Bron("6F", "ak", "y"));
    Bestand("kort.vlk", kort.substr(0, kort.size() / 2), Utc(2004, 1, 1, 0, 0));
    int importvensters = 0;
    const int r = Toon(DialoogImportLeerlingen, [&](frmBestandLaden& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Leerling(en) importeren uit ander Cijferbestand"));
        // An old file and a current file that breaks off: said, no import window.
        for (const char* naam : {"oud", "kort"}) {
            KlikItem(*d.lstBestandenLijst, Rij(*d.lstBestandenLijst, naam));
            KlikKnop(d, QStringLiteral("&Openen"));
            EXPECT_TRUE(d.isVisible());
        }
        EXPECT_TRUE(omgeving.dialogen.size() == 1u);

        // Cancelled in the import window (opened by a double click): the dialog stays open.
        omgeving.Beantwoord([&](QDialog& v) {
            ++importvensters;
            KlikKnop(v, QStringLiteral("&Annuleren"));
        });
        KlikItem(*d.lstBestandenLijst, Rij(*d.lstBestandenLijst, "beta"), true);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.lstBestandenLijst->count(), 6);
        EXPECT_EQ(adm.DialoogAntwoord, AntwoordGeannuleerd);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Leerling(en) importeren uit ander Cijferbestand"));

        omgeving.Beantwoord([&](QDialog& v) {
            ++importvensters;
            auto& import = dynamic_cast<frmLeerlingUitVlk&>(v);
            ASSERT_EQ(import.lstLeerlingenLijst->count(), 1);
            import.cmdSelectAll_Click();
            KlikKnop(v, QStringLiteral("&Importeren"));
        });
        KlikItem(*d.lstBestandenLijst, Rij(*d.lstBestandenLijst, "beta"));
        KlikKnop(d, QStringLiteral("&Openen"));
    });
    EXPECT_EQ(importvensters, 2);
    EXPECT_EQ(r, AntwoordGereed);
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGereed);
    EXPECT_EQ(adm.ImportBestand, Data("beta.vlk"));
    EXPECT_EQ(Trim(adm.Achternaam(2)), "Beta");
    EXPECT_EQ(adm.Cijfer(2, 1, 1), "8  ");
    EXPECT_EQ(Trim(adm.Achternaam(1)), "Eerder");
    EXPECT_EQ(adm.Bestandsnaam, "/ergens/eerder.vlk");

    ASSERT_EQ(omgeving.meldingen.size(), 2u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, QStringLiteral("\nVerkeerd bestandsformaat   "));
    EXPECT_TRUE(omgeving.meldingen[1].tekst.contains(QStringLiteral("kort.vlk")));
    EXPECT_TRUE(omgeving.meldingen[1].tekst.endsWith(QStringLiteral("   ")));
}

// The keys of the dialog: Down or Up in a table with no file chosen takes
// the first file, Enter opens the chosen one as "&Openen" does (nothing
// without one), Enter in the folder list opens that folder.
TEST_F(frmBestandLadenTest, DownAndEnterInTheTableOpenAFile)
{
    int r = Toon(DialoogOpenen, [&](frmBestandLaden& d) {
        ASSERT_EQ(d.ActieveControl(), d.lstBestandenLijst);
        Toets(d, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        Toets(d, Qt::Key_Up);
        EXPECT_EQ(d.lstBestandenLijst->currentRow(), 0);
        EXPECT_TRUE(d.lstBestandenLijst->currentItem()->isSelected());
        Toets(d, Qt::Key_Down);
        EXPECT_EQ(d.lstBestandenLijst->currentRow(), 1);
        Toets(d, Qt::Key_Return);
    });
    EXPECT_EQ(r, AntwoordGereed);
    EXPECT_EQ(adm.Bestandsnaam, Data("beta.vlk"));
    EXPECT_TRUE(omgeving.meldingen.empty());

    // The import hands the file over to its window.
    int importvensters = 0;
    r = Toon(DialoogImportLeerlingen, [&](frmBestandLaden& d) {
        d.ZetFocus(d.Dir);
        Toets(d, Qt::Key_Down);
        Toets(d, Qt::Key_Return);
        EXPECT_EQ(d.Map(), Data("Klas 3"));
        Toets(d, Qt::Key_Up);
        Toets(d, Qt::Key_Return);
        EXPECT_EQ(d.Map(), Data());
        omgeving.Beantwoord([&](QDialog& v) {
            ++importvensters;
            KlikKnop(v, QStringLiteral("&Importeren"));
        });
        d.ZetFocus(d.lstBestandenLijst);
        Toets(d, Qt::Key_Down);
        Toets(d, Qt::Key_Down);
        Toets(d, Qt::Key_Return);
    });
    EXPECT_EQ(importvensters, 1);
    EXPECT_EQ(r, AntwoordGereed);
    EXPECT_EQ(adm.ImportBestand, Data("beta.vlk"));
}

// Esc cancels the dialog from each of its controls, as "&Annuleren" does.
TEST_F(frmBestandLadenTest, EscCancelsFromEveryControl)
{
    for (int modus : {DialoogOpenen, DialoogImportLeerlingen}) {
        for (const char* naam : {"lstBestandenLijst", "Dir", "Drive", "cmdOpenen", "cmdKlas", "cmdAnnuleren"}) {
            SCOPED_TRACE(std::string(naam) + " " + std::to_string(modus));
            fs::current_path(map);
            const int r = Toon(modus, [&](frmBestandLaden& d) {
                auto* control = d.findChild<QWidget*>(QString::fromUtf8(naam));
                ASSERT_NE(control, nullptr);
                d.ZetFocus(control);
                ASSERT_EQ(d.ActieveControl(), control);
                Toets(d, Qt::Key_Escape);
                EXPECT_FALSE(d.isVisible());
            });
            EXPECT_EQ(r, AntwoordGeannuleerd);
            EXPECT_EQ(adm.DialoogAntwoord, AntwoordGeannuleerd);
            EXPECT_EQ(fs::current_path(), map / "start");
        }
    }
    EXPECT_TRUE(omgeving.meldingen.empty());
}

// The term sheet's file commands, view switches and quit, with the view
// manager: terms and levels, the save prompt on quitting and closing, the
// open command by the view a file names.
#include "termsheet/frmTrimester.h"

#include "names/frmNamen.h"
#include "core/Schermvenster.h"
#include "core/Tekst.h"
#include "platform/Etiket.h"
#include "platform/Kleuren.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"
#include "reports/frmRapporten.h"

#include "VensterFamilie.h"

#include <QScrollBar>
#include <QTest>

using namespace VensterTest;

namespace {

class Trimesterbestand : public Familieproef {
protected:
    void SetUp() override
    {
        Familieproef::SetUp();
        // Every column its own header and pupil 1 its own grade, per level.
        for (int l = 1; l <= 2; ++l)
            for (int c = 1; c <= AantalKolommen; ++c) {
                adm.KolomSoort(c, l) = "K" + std::to_string(c) + "N" + std::to_string(l);
                adm.Cijfer(1, c, l) = std::to_string(c % 10 + 1);
            }
    }

    std::string Soort(frmTrimester& t, int i) { return std::string(Trim(t.txtSoort[i]->Tekst())); }
    std::string Cel(frmTrimester& t, int p, int c) { return t.txtCijfer.at(t.CelIndex(p, c))->Tekst(); }
};

TEST_F(Trimesterbestand, TermAndLevelSwitchesShowTheirColumns)
{
    auto& namen = Start<frmNamen>(SchermNamen);
    Kies(namen.mnuTrimester2);
    auto* t = Enige<frmTrimester>();
    ASSERT_NE(t, nullptr);
    ASSERT_TRUE(Activeer(*t));
    EXPECT_EQ(adm.Scherm, SchermTrimester2);
    EXPECT_EQ(t->TrimLabel->Tekst(), "2-e Trimester");
    EXPECT_EQ(Soort(*t, 1), "K17N1");
    EXPECT_EQ(Soort(*t, 8), "K24N1");
    EXPECT_EQ(Cel(*t, 1, 17), "8  ");

    // Another term stays in the same window.
    KlikWerkbalk(t->Toolbar(), QStringLiteral("Trim3"));
    EXPECT_EQ(Enige<frmTrimester>(), t);
    EXPECT_EQ(t->TrimLabel->Tekst(), "3-e Trimester");
    EXPECT_EQ(Soort(*t, 1), "K33N1");
    EXPECT_EQ(adm.HuidigeKolom, 33);

    // The other level: its own headers and grades.
    Kies(t->mnuNivo2);
    EXPECT_EQ(t->NivoLabel->Tekst(), "Niveau  2");
    EXPECT_EQ(Soort(*t, 1), "K33N2");
    KlikWerkbalk(t->Toolbar(), QStringLiteral("Trim1"));
    EXPECT_EQ(Soort(*t, 1), "K1N2");
    EXPECT_EQ(Cel(*t, 1, 1), "2  ");

    // The report list replaces the term sheet; its terms bring it back.
    KlikWerkbalk(t->Toolbar(), QStringLiteral("RAP"));
    auto* rap = Enige<frmRapporten>();
    ASSERT_NE(rap, nullptr);
    ASSERT_TRUE(Activeer(*rap));
    KlikWerkbalk(rap->Toolbar(), QStringLiteral("Trim2"));
    t = Enige<frmTrimester>();
    ASSERT_NE(t, nullptr);
    ASSERT_TRUE(Activeer(*t));
    EXPECT_EQ(Soort(*t, 1), "K17N2");
    EXPECT_TRUE(omgeving.dialogen.empty());
}

TEST_F(Trimesterbestand, StopCommitsTheBoxAndAsks)
{
    auto& t = Start<frmTrimester>(SchermTrimester1);
    adm.Bestandsnaam = map / "klas.vlk";
    QTest::mouseClick(t.txtCijfer.at(t.CelIndex(2, 1)), Qt::LeftButton);
    Typ(t, QStringLiteral("7"));
    omgeving.Beantwoord(Knop("&Annuleren"));
    KlikWerkbalk(t.Toolbar(), QStringLiteral("STOP"));
    EXPECT_EQ(adm.Cijfer(2, 1, 1), "7  ");
    EXPECT_EQ(omgeving.dialogen.size(), 1u);
    EXPECT_EQ(Enige<frmTrimester>(), &t);
    EXPECT_FALSE(Bestaat(map / "KWELTA.DAT"));

    omgeving.Beantwoord(Knop("&Ja"));
    KlikWerkbalk(t.Toolbar(), QStringLiteral("STOP"));
    EXPECT_EQ(einde, 1);
    EXPECT_TRUE(Bestaat(map / "KWELTA.DAT"));
    auto geladen = std::make_unique<AdmMain>();
    CijferbestandOpenen(*geladen, map / "klas.vlk");
    EXPECT_EQ(geladen->Cijfer(2, 1, 1), "7  ");
}

TEST_F(Trimesterbestand, TheCloseBoxCommitsAnEditAndAsks)
{
    auto& t = Start<frmTrimester>(SchermTrimester1);
    QTest::mouseClick(t.txtCijfer.at(t.CelIndex(3, 1)), Qt::LeftButton);
    Typ(t, QStringLiteral("6"));
    ASSERT_EQ(adm.Gewijzigd, 0);
    omgeving.Beantwoord(Knop("&Annuleren"));
    EXPECT_FALSE(t.close());
    EXPECT_EQ(adm.Cijfer(3, 1, 1), "6  ");
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_TRUE(t.isVisible());

    omgeving.Beantwoord(Knop("&Nee"));
    EXPECT_TRUE(t.close());
    EXPECT_TRUE(Bestaat(map / "KWELTA.DAT"));
    EXPECT_EQ(einde, 1);
}

TEST_F(Trimesterbestand, QuitWithoutChangesAsksNothing)
{
    auto& t = Start<frmTrimester>(SchermTrimester2);
    Kies(t.mnuStoppen);
    EXPECT_TRUE(omgeving.dialogen.empty());
    EXPECT_TRUE(Bestaat(map / "KWELTA.DAT"));
    EXPECT_EQ(einde, 1);
}

TEST_F(Trimesterbestand, NewAndOpen)
{
    auto& t = Start<frmTrimester>(SchermTrimester1);
    adm.Gewijzigd = 1;
    omgeving.Beantwoord(Knop("&Nee"));
    Kies(t.mnuNieuwBestand);
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(Soort(t, 1), "");
    EXPECT_EQ(adm.Scherm, SchermTrimester1);

    // A file that names a term is shown in this window at that term.
    auto ander = std::make_unique<AdmMain>();
    ander->KolomSoort(17, 1) = "Proefwerk";
    TrimesterKiezen(*ander, 2);
    CijferbestandOpslaan(*ander, map / "term2.vlk");
    omgeving.Beantwoord(Open(map / "term2.vlk"));
    Kies(t.mnuBestandLaden);
    EXPECT_EQ(Enige<frmTrimester>(), &t);
    EXPECT_EQ(t.TrimLabel->Tekst(), "2-e Trimester");
    EXPECT_EQ(Soort(t, 1), "Proefwerk");

    // One that names the report list replaces it.
    ander->Scherm = SchermRapporten;
    CijferbestandOpslaan(*ander, map / "rapport.vlk");
    omgeving.Beantwoord(Open(map / "rapport.vlk"));
    KlikWerkbalk(t.Toolbar(), QStringLiteral("Open"));
    EXPECT_NE(Enige<frmRapporten>(), nullptr);
}

// A file may hold a current pupil outside its rows: the sheet, which works
// from the current pupil, brings its rows to it, and nothing else moves.
TEST_F(Trimesterbestand, TheSheetBringsItsRowsToAFilesCurrentPupil)
{
    auto& t = Start<frmTrimester>(SchermTrimester1);
    auto ander = std::make_unique<AdmMain>();
    TrimesterKiezen(*ander, 1);
    ander->HuidigeRij = 20;  // rows 1-8
    CijferbestandOpslaan(*ander, map / "buiten.vlk");
    omgeving.Beantwoord(Open(map / "buiten.vlk"));
    Kies(t.mnuBestandLaden);
    EXPECT_EQ(adm.HuidigeRij, 20);
    EXPECT_EQ(adm.EersteRij, 13);
    EXPECT_EQ(adm.LaatsteRij, 20);
    EXPECT_EQ(t.vsbScroll->value(), 20);
    EXPECT_EQ(t.lblNummer[8]->palette().color(QPalette::Window), VbKleur(Kleur::Cyaan));
    EXPECT_EQ(t.lblNummer[8]->Tekst(), "20");
}

TEST_F(Trimesterbestand, ACancelledImportStillCountsAsAChange)
{
    auto& t = Start<frmTrimester>(SchermTrimester1);
    for (QAction* item : {t.mnuAnderCijferbestand, t.mnuRapportcijferImporteren}) {
        adm.Gewijzigd = 0;
        omgeving.Beantwoord(Knop("&Annuleren"));
        Kies(item);
        EXPECT_EQ(adm.Gewijzigd, 1);
    }
    EXPECT_EQ(omgeving.dialogen.size(), 2u);
}

}  // namespace

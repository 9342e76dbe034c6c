// The names list among the other views: its switches to the term sheet and
// back, the file commands, the paste of a name column and its printed list,
// each after the box being edited was committed.
#include "names/frmNamen.h"

#include "core/Cijferbestand.h"
#include "core/Tekst.h"
#include "platform/Etiket.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"
#include "termsheet/frmTrimester.h"

#include "VensterFamilie.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QScrollBar>

#include <string>
#include <vector>

using namespace VensterTest;

namespace {

class Namenopdrachten : public Familieproef {
protected:
    void SetUp() override
    {
        Familieproef::SetUp();
        adm.LogoGetoond = 1;
    }

    frmNamen& Namen() { return Start<frmNamen>(SchermNamen); }

    void Klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }  // mid-box
};

// ---------------------------------------------------------------- view switch

TEST_F(Namenopdrachten, ToTheTermSheetAndBack)
{
    adm.Cijfer(2, AbsoluteKolom(3, 1), 1) = "6.5";
    auto& namen = Namen();
    Klik(namen.txtNaam[2]);
    Typ(namen, QStringLiteral("Visser"));  // still in its box when the menu opens
    Kies(namen.mnuTrimester3);
    auto* blad = Enige<frmTrimester>();
    ASSERT_NE(blad, nullptr);
    ASSERT_TRUE(Activeer(*blad));
    EXPECT_EQ(adm.Scherm, SchermTrimester3);
    EXPECT_EQ(adm.EersteKolom, 33);
    EXPECT_EQ(adm.LaatsteKolom, 40);
    EXPECT_EQ(adm.HuidigeKolom, 33);
    EXPECT_EQ(adm.HuidigeRij, 2);
    EXPECT_EQ(blad->lblNaam[2]->Tekst().substr(0, 6), "Visser");
    EXPECT_EQ(blad->txtCijfer.at(blad->CelIndex(2, 33))->Tekst(), "6.5");

    // Back through the term sheet's "NAM": the names list again, no logo.
    KlikWerkbalk(blad->Toolbar(), QStringLiteral("NAM"));
    auto* terug = Enige<frmNamen>();
    ASSERT_NE(terug, nullptr);
    ASSERT_TRUE(Activeer(*terug));
    EXPECT_EQ(adm.Scherm, SchermNamen);
    EXPECT_EQ(terug->Logo(), nullptr);
    EXPECT_EQ(terug->txtNaam[2]->Tekst(), Pas("Visser", 30));
    EXPECT_EQ(terug->vsbScroll->value(), 2);
    EXPECT_EQ(omgeving.dialogen.size(), 0u);  // a switch never asks

    // The toolbar's term buttons open their own columns.
    KlikWerkbalk(terug->Toolbar(), QStringLiteral("Trim1"));
    ASSERT_NE(Enige<frmTrimester>(), nullptr);
    EXPECT_EQ(adm.Scherm, SchermTrimester1);
    EXPECT_EQ(adm.EersteKolom, 1);
}

TEST_F(Namenopdrachten, ToTheReportListAndTheYearOverview)
{
    auto& namen = Namen();
    KlikWerkbalk(namen.Toolbar(), QStringLiteral("RAP"));
    EXPECT_EQ(adm.Scherm, SchermRapporten);
    EXPECT_EQ(Enige<frmNamen>(), nullptr);
    EXPECT_EQ(weergaven.Vensters().size(), 1u);

    auto& nogmaals = Start<frmNamen>(SchermNamen);
    EXPECT_EQ(weergaven.Vensters().size(), 2u);
    Kies(nogmaals.mnuJaaroverzicht);
    EXPECT_EQ(adm.Scherm, SchermJaaroverzicht);
}

// ---------------------------------------------------------------- file commands

TEST_F(Namenopdrachten, NewEmptiesTheScreenAndTheFreshBoxIsNoEdit)
{
    VulProef(adm);
    auto& namen = Namen();
    Klik(namen.txtVoornaam[1]);
    omgeving.Beantwoord(Knop("&Nee"));
    KlikWerkbalk(namen.Toolbar(), QStringLiteral("New"));
    EXPECT_TRUE(LeegLeerling(adm, 1));
    EXPECT_EQ(namen.txtVoornaam[1]->Tekst(), std::string(13, ' '));
    EXPECT_EQ(namen.txtKlas->Tekst(), std::string(6, ' '));
    EXPECT_EQ(adm.Gewijzigd, 0);
    OpenMenu(*namen.mnuSorteren);
    Klik(namen.txtNaam[1]);
    EXPECT_EQ(adm.Gewijzigd, 0);
}

TEST_F(Namenopdrachten, OpenAFileOfThisViewShowsItsCurrentPupil)
{
    auto ander = std::make_unique<AdmMain>();
    ander->Achternaam(20) = "Willems";
    ander->Scherm = SchermNamen;
    ander->EersteRij = 13;
    ander->LaatsteRij = 20;
    ander->HuidigeRij = 20;
    CijferbestandOpslaan(*ander, map / "ander.vlk");

    auto& namen = Namen();
    Klik(namen.txtNaam[1]);
    omgeving.Beantwoord(Open(map / "ander.vlk"));
    KlikWerkbalk(namen.Toolbar(), QStringLiteral("Open"));
    EXPECT_EQ(Enige<frmNamen>(), &namen);
    EXPECT_EQ(namen.lblNummer[1]->Tekst(), "13");
    EXPECT_EQ(namen.txtNaam[8]->Tekst(), Pas("Willems", 30));
    EXPECT_EQ(namen.vsbScroll->value(), 20);
    EXPECT_EQ(namen.ActieveControl(), namen.txtNaam[8]);  // the current pupil's line
    EXPECT_EQ(namen.Label15->text().toStdString(), map / "ander.vlk");
    EXPECT_EQ(adm.Gewijzigd, 0);
}

TEST_F(Namenopdrachten, SaveStoresTheBoxBeingEdited)
{
    adm.Bestandsnaam = map / "klas.vlk";
    auto& namen = Namen();
    Klik(namen.txtKlas);
    Typ(namen, QStringLiteral("4H2"));
    namen.txtKlas->insert(QStringLiteral("x"));  // no key release since
    KlikWerkbalk(namen.Toolbar(), QStringLiteral("Save"));
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(adm.Klas, "4H2x  ");
    auto geladen = std::make_unique<AdmMain>();
    CijferbestandOpenen(*geladen, map / "klas.vlk");
    EXPECT_EQ(geladen->Klas, "4H2x  ");
}

TEST_F(Namenopdrachten, QuitAsksOnceForAnEditAndWritesTheSettings)
{
    auto& namen = Namen();
    Klik(namen.txtNaam[1]);
    Typ(namen, QStringLiteral("Bakker"));
    omgeving.Beantwoord(Knop("&Annuleren"));
    KlikWerkbalk(namen.Toolbar(), QStringLiteral("STOP"));
    EXPECT_EQ(Enige<frmNamen>(), &namen);
    EXPECT_EQ(adm.Achternaam(1), Pas("Bakker", 30));

    omgeving.Beantwoord(Knop("&Nee"));
    Kies(namen.mnuStoppen);
    EXPECT_EQ(omgeving.dialogen.size(), 2u);
    EXPECT_TRUE(weergaven.Vensters().empty());
    EXPECT_EQ(einde, 1);
    EXPECT_TRUE(Bestaat(map / "KWELTA.DAT"));
}

// ---------------------------------------------------------------- paste

TEST_F(Namenopdrachten, PasteANameColumnFromTheCurrentPupilOn)
{
    adm.Achternaam(3) = "Oud";
    adm.Achternaam(6) = "Blijft";
    auto& namen = Namen();
    Klik(namen.txtNaam[3]);
    QGuiApplication::clipboard()->setText(QStringLiteral("Bakker\nÇelik\nDekker\n"));
    OpenMenu(*namen.mnuBewerken);
    EXPECT_TRUE(namen.mnuKolom_Plakken_uit_Excel->isEnabled());
    KiesMenu(*namen.mnuBewerken, *namen.mnuAchternamen_Plakken);
    EXPECT_EQ(adm.Achternaam(3), Pas("Bakker", 30));
    EXPECT_EQ(adm.Achternaam(4), Pas("\xC7" "elik", 30));
    EXPECT_EQ(adm.Achternaam(5), Pas("Dekker", 30));
    EXPECT_EQ(adm.Achternaam(6), Pas("Blijft", 30));
    EXPECT_EQ(namen.txtNaam[4]->Tekst(), Pas("\xC7" "elik", 30));
    EXPECT_EQ(adm.Gewijzigd, 1);

    QGuiApplication::clipboard()->setText(QStringLiteral("Sanne\r\nDaan"));
    KiesMenu(*namen.mnuBewerken, *namen.mnuVoornamen_Plakken);
    EXPECT_EQ(adm.Roepnaam(3), Pas("Sanne", 13));
    EXPECT_EQ(adm.Roepnaam(4), Pas("Daan", 13));
    EXPECT_EQ(adm.Achternaam(3), Pas("Bakker", 30));

    // A picture is no text: the item is greyed.
    auto* plaatje = new QMimeData;
    plaatje->setImageData(QImage(2, 2, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(plaatje);
    OpenMenu(*namen.mnuBewerken);
    EXPECT_FALSE(namen.mnuKolom_Plakken_uit_Excel->isEnabled());
}

// ---------------------------------------------------------------- print

TEST_F(Namenopdrachten, PrintFromTheToolbarAtOnceAndFromTheMenuAfterThePrinterDialog)
{
    auto& namen = Namen();
    std::vector<bool> dialogen;
    std::vector<std::string> eersteRegels;
    Afdrukstatus antwoord = Afdrukstatus::Gedrukt;
    namen.Printen = [&](const Paginabouwer& bouw, bool printerdialoog) {
        dialogen.push_back(printerdialoog);
        if (antwoord == Afdrukstatus::Geannuleerd)
            return Afdrukuitkomst{antwoord, "", 0};
        const Paginamodel pm = bouw(A4Afdrukvlak);
        const double w = pm.TextWidth(" "), h = pm.TextHeight();
        eersteRegels.push_back(pm.Paginas().at(0).Regel(3 * h + 10.5 * h, 9.5 * w, w).substr(0, 12));
        if (antwoord == Afdrukstatus::Mislukt)
            return Afdrukuitkomst{antwoord, "Printer niet bereikbaar", 0};
        return Afdrukuitkomst{antwoord, "", 1};
    };

    // The edit in its box is committed before the list is made.
    Klik(namen.txtNaam[1]);
    Typ(namen, QStringLiteral("Smit"));
    KlikWerkbalk(namen.Toolbar(), QStringLiteral("Print"));
    EXPECT_EQ(dialogen, (std::vector<bool>{false}));
    EXPECT_EQ(eersteRegels.back(), "01 Smit     ");
    EXPECT_EQ(namen.ActieveControl(), namen.txtNaam[1]);

    // The menu asks for a printer first; cancelled, nothing and no message.
    antwoord = Afdrukstatus::Geannuleerd;
    Kies(namen.mnuNamenlijstAfdrukken);
    EXPECT_EQ(dialogen, (std::vector<bool>{false, true}));
    EXPECT_EQ(eersteRegels.size(), 1u);
    EXPECT_TRUE(omgeving.meldingen.empty());
    EXPECT_EQ(namen.ActieveControl(), namen.StartFocus);

    // A print that fails says why.
    antwoord = Afdrukstatus::Mislukt;
    Kies(namen.mnuNamenlijstAfdrukken);
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, QStringLiteral("Foutmelding:\n\nPrinter niet bereikbaar   "));
    EXPECT_EQ(namen.ActieveControl(), namen.StartFocus);

    // From the focus box the keys move the current pupil; typing there is nothing.
    adm.Gewijzigd = 0;
    Toets(namen, Qt::Key_Down);
    EXPECT_EQ(adm.HuidigeRij, 2);
    Typ(namen, QStringLiteral("xy"));
    OpenMenu(*namen.mnuSorteren);
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(namen.ActieveControl(), namen.StartFocus);
}

}  // namespace

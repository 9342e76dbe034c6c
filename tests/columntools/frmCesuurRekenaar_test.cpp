// The two cut-off calculators and the cut-off table, driven offscreen: the
// spinners' arrows, the keys, "&Tabel" with its list and print.
#include "columntools/frmCesuurFouten.h"
#include "columntools/frmCesuurScore.h"
#include "columntools/frmCesuurTabel.h"
#include "platform/Draaiknop.h"

#include "VensterTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

using namespace VensterTest;

namespace {

class Rekenaar : public ::testing::Test {
protected:
    AdmMain adm;
    TestOmgeving omgeving;

    static QString Tekst(const frmCesuurvenster& v, int k) { return v.txtWaarde[static_cast<std::size_t>(k)]->text(); }
    // The focus sink is out of sight: a control stacked above it covers it whole.
    static bool Bedekt(const QWidget& w)
    {
        const QObjectList& naast = w.parent()->children();
        for (auto i = naast.indexOf(&w) + 1; i < naast.size(); ++i) {
            const auto* boven = qobject_cast<const QWidget*>(naast[i]);
            if (boven && boven->isVisible() && boven->geometry().contains(w.geometry()))
                return true;
        }
        return false;
    }
    static void Klik(frmCesuurvenster& v, int k, int richting)
    {
        Draaiknop* d = v.UpDown[static_cast<std::size_t>(k)];
        QTest::mouseClick(richting > 0 ? d->KnopOmhoog() : d->KnopOmlaag(), Qt::LeftButton);
    }
};

}  // namespace

TEST_F(Rekenaar, OpensOnTheDesignCurve)
{
    frmCesuurFouten v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Cesuurtabel bij fouten"));
    const char* ontwerp[] = {"10", "5.5", "1", "0", "45", "90"};
    for (int k = 0; k < AantalCesuurknoppen; ++k) {
        EXPECT_EQ(Tekst(v, k), QString::fromLatin1(ontwerp[k]));
        EXPECT_EQ(v.lblWaarde[static_cast<std::size_t>(k)]->Caption, ontwerp[k]);
        EXPECT_TRUE(v.txtWaarde[static_cast<std::size_t>(k)]->isReadOnly());
    }
    EXPECT_EQ(v.UpDown[KnopAantalHoogste]->Max(), 45);
    EXPECT_EQ(v.focusWidget(), v.txtFocus);
    // The straight design curve from corner to corner of the plotting square.
    EXPECT_EQ(v.Line_Score_Cesuur->X1, 2197);
    EXPECT_EQ(v.Line_Score_Cesuur->Y2, 2228);
    EXPECT_EQ(v.LineCesuur->Y1, 1290);
    EXPECT_EQ(v.pct_Score_Cijfer->ScaleHeight(), -2475);

    frmCesuurScore s(adm, omgeving);
    ASSERT_TRUE(Activeer(s));
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Cesuurtabel bij scores"));
    EXPECT_EQ(Tekst(s, KnopAantalHoogste), QStringLiteral("90"));
    EXPECT_EQ(Tekst(s, KnopAantalLaagste), QStringLiteral("0"));
    EXPECT_EQ(s.UpDown[KnopAantalCesuur]->Max(), 180);
}

TEST_F(Rekenaar, ArrowsMoveTheCurveAndARefusedClickSpringsBack)
{
    frmCesuurFouten v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    Klik(v, KnopAantalCesuur, -1);
    EXPECT_EQ(Tekst(v, KnopAantalCesuur), QStringLiteral("44.5"));
    EXPECT_EQ(v.lblWaarde[KnopAantalCesuur]->Caption, "44.5");
    EXPECT_EQ(v.UpDown[KnopAantalHoogste]->Max(), 44);
    EXPECT_EQ(v.knoppen.Curve.LabelX2, "89");
    EXPECT_EQ(v.shpCesuurLaag->Left, v.knoppen.Curve.shpCesuurLaag.Left);

    for (int i = 0; i < 60; ++i)
        Klik(v, KnopAantalCesuur, -1);
    EXPECT_EQ(v.UpDown[KnopAantalCesuur]->Value(), 45);  // 44 is refused
    EXPECT_EQ(Tekst(v, KnopAantalCesuur), QStringLiteral("22.5"));
    EXPECT_EQ(v.knoppen.Knop(KnopAantalCesuur).Value, 45);

    // The arrows keep a value within its limits: the cut-off grade cannot
    // pass the highest grade.
    frmCesuurScore s(adm, omgeving);
    ASSERT_TRUE(Activeer(s));
    for (int i = 0; i < 3; ++i)
        Klik(s, KnopHoogsteCijfer, 1);
    EXPECT_EQ(Tekst(s, KnopHoogsteCijfer), QStringLiteral("10"));
}

TEST_F(Rekenaar, KeysOfTheWindow)
{
    frmCesuurScore v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    Typ(v, QStringLiteral("abc(&"));
    EXPECT_EQ(v.txtFocus->text(), QString());
    Toets(v, Qt::Key_Up);
    Toets(v, Qt::Key_Return);
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(Tekst(v, KnopCesuurCijfer), QStringLiteral("5.5"));
    Toets(v, Qt::Key_Escape);
    EXPECT_FALSE(v.isVisible());
}

TEST_F(Rekenaar, TableOfTheCalculatorsCurve)
{
    frmCesuurFouten v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    Klik(v, KnopAantalCesuur, -1);

    int rijen = 0;
    QString kop, rij45;
    omgeving.Beantwoord([&](QDialog& d) {
        auto& t = dynamic_cast<frmCesuurTabel&>(d);
        rijen = t.Cijferlijst->count();
        kop = t.Label1->text();
        rij45 = t.Cijferlijst->item(45)->text();
        EXPECT_EQ(t.focusWidget(), t.txtFocus);
        EXPECT_TRUE(Bedekt(*t.txtFocus));
        Toets(t, Qt::Key_Escape);
    });
    KlikKnop(v, QStringLiteral("&Tabel"));
    EXPECT_EQ(adm.CesuurTabelBron, 4);
    EXPECT_EQ(omgeving.dialogen.back(), QStringLiteral("Cesuurtabel"));
    EXPECT_EQ(rijen, 91);
    EXPECT_EQ(kop, QStringLiteral("Fouten   Cijfer"));
    EXPECT_EQ(rij45, QStringLiteral(" Cesuur   45   -  5.5"));
    // Back from the table the calculator is rebuilt from its spinners.
    EXPECT_EQ(Tekst(v, KnopAantalCesuur), QStringLiteral("44.5"));
    EXPECT_EQ(v.focusWidget(), v.txtFocus);
    EXPECT_TRUE(Bedekt(*v.txtFocus));

    // The score window keeps its scale after the table.
    frmCesuurScore s(adm, omgeving);
    ASSERT_TRUE(Activeer(s));
    omgeving.Beantwoord([&](QDialog& d) {
        kop = dynamic_cast<frmCesuurTabel&>(d).Label1->text();
        KlikKnop(d, QStringLiteral("&Sluiten"));
    });
    KlikKnop(s, QStringLiteral("&Tabel"));
    EXPECT_EQ(adm.CesuurTabelBron, 2);
    EXPECT_EQ(kop, QStringLiteral("Score    Cijfer"));
    EXPECT_EQ(s.pct_Score_Cijfer->ScaleWidth(), 2475);
    EXPECT_EQ(s.pct_Score_Cijfer->ScaleHeight(), -2475);
    EXPECT_EQ(s.LineCesuur_Score->X1, 1245);
}

TEST_F(Rekenaar, TheTablesPrinterDialogHasItsTitle)
{
    frmCesuurFouten v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    bool printerdialoog = false;
    omgeving.Beantwoord([&](QDialog& d) {
        auto& t = dynamic_cast<frmCesuurTabel&>(d);
        // The window's own printer: the dialog comes up, the teacher cancels.
        omgeving.Beantwoord([&](QDialog& p) {
            printerdialoog = p.inherits("QPrintDialog");
            p.reject();
        });
        QTest::keyClick(t.txtFocus, Qt::Key_P, Qt::AltModifier);
        QTest::qWait(250);  // the button's click follows its shortcut
        EXPECT_EQ(t.focusWidget(), t.txtFocus);
        Toets(t, Qt::Key_Escape);
    });
    KlikKnop(v, QStringLiteral("&Tabel"));
    EXPECT_TRUE(printerdialoog);
    ASSERT_EQ(omgeving.dialogen.size(), 2u);
    EXPECT_EQ(omgeving.dialogen[1].toStdString(), "Cesuurtabel afdrukken");
    EXPECT_TRUE(omgeving.meldingen.empty());  // the cancel says nothing
}

TEST_F(Rekenaar, TablePrintsItsPageAndReportsAFailure)
{
    frmCesuurFouten v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    std::vector<Paginamodel> gedrukt;
    bool dialoog = false;
    omgeving.Beantwoord([&](QDialog& d) {
        auto& t = dynamic_cast<frmCesuurTabel&>(d);
        t.Printen = [&](const Paginabouwer& bouw, bool printerdialoog) {
            dialoog = printerdialoog;
            gedrukt.push_back(bouw(A4Afdrukvlak));
            return Afdrukuitkomst{Afdrukstatus::Gedrukt, {}, 1};
        };
        KlikKnop(t, QStringLiteral("&Print"));
        EXPECT_EQ(t.focusWidget(), t.txtFocus);
        t.Printen = [](const Paginabouwer&, bool) { return Afdrukuitkomst{Afdrukstatus::Geannuleerd, {}, 0}; };
        KlikKnop(t, QStringLiteral("&Print"));
        t.Printen = [](const Paginabouwer&, bool) { return Afdrukuitkomst{Afdrukstatus::Mislukt, "Geen printer", 0}; };
        KlikKnop(t, QStringLiteral("&Print"));
        EXPECT_TRUE(t.isVisible());
        KlikKnop(t, QStringLiteral("&Sluiten"));
    });
    KlikKnop(v, QStringLiteral("&Tabel"));
    ASSERT_EQ(gedrukt.size(), 1u);
    EXPECT_TRUE(dialoog);
    const Pagina& p = gedrukt[0].Paginas()[0];
    EXPECT_EQ(p.Regel(7 * 226.5625 + 5 * 226.5625, 12 * 120.0, 120.0).substr(13, 10), "45   - 5.5");
    ASSERT_EQ(omgeving.meldingen.size(), 1u);  // the cancel says nothing
    EXPECT_EQ(omgeving.meldingen[0].tekst, QStringLiteral("Foutmelding:\n\nGeen printer   "));
    EXPECT_EQ(omgeving.meldingen[0].stijl, vbExclamation);
}

// After a click on a row of the table's list the teacher moves through it
// with the keys: a row, a page, to either end. The window takes Esc only.
TEST_F(Rekenaar, TheTablesListMovesByTheKeysAfterAClickOnARow)
{
    frmCesuurFouten v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    omgeving.Beantwoord([&](QDialog& d) {
        auto& t = dynamic_cast<frmCesuurTabel&>(d);
        QListWidget& lijst = *t.Cijferlijst;
        ASSERT_EQ(lijst.count(), 91);
        QTest::mouseClick(lijst.viewport(), Qt::LeftButton, Qt::NoModifier, lijst.visualItemRect(lijst.item(5)).center());
        ASSERT_EQ(lijst.currentRow(), 5);
        // A page: the rows the list shows whole, less the one it keeps in sight.
        const int pagina = lijst.viewport()->height() / lijst.visualItemRect(lijst.item(0)).height() - 1;
        ASSERT_GT(pagina, 1);
        const struct {
            Qt::Key toets;
            int rij;
        } stappen[] = {
            {Qt::Key_Down, 6},           {Qt::Key_Down, 7},      {Qt::Key_Up, 6},   {Qt::Key_PageDown, 6 + pagina},
            {Qt::Key_PageUp, 6},         {Qt::Key_End, 90},      {Qt::Key_Down, 90}, {Qt::Key_PageUp, 90 - pagina},
            {Qt::Key_Home, 0},           {Qt::Key_Up, 0},        {Qt::Key_PageDown, pagina},
        };
        for (const auto& s : stappen) {
            SCOPED_TRACE(QKeySequence(s.toets).toString().toStdString());
            Toets(t, s.toets);
            EXPECT_EQ(lijst.currentRow(), s.rij);
            EXPECT_TRUE(t.isVisible());
        }
        Toets(t, Qt::Key_Escape);
        EXPECT_FALSE(t.isVisible());
    });
    KlikKnop(v, QStringLiteral("&Tabel"));
    EXPECT_EQ(omgeving.dialogen.back(), QStringLiteral("Cesuurtabel"));
}

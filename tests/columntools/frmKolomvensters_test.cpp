// The column windows as a teacher uses them: presets, the column boxes,
// Esc, and the action of each window on the data set.
#include "columntools/frmKolomAfdrukken.h"
#include "columntools/frmKolomKopieren.h"
#include "columntools/frmKolomOmrekenen.h"
#include "columntools/frmKolomWissen.h"
#include "columntools/frmKolommenVerwisselen.h"
#include "columntools/frmOmrekenTabel.h"

#include "core/Cijferbestand.h"
#include "platform/Draaiknop.h"
#include "platform/Etiket.h"
#include "platform/VasteBreedteInvoer.h"
#include "termsheet/Cijferverwerking.h"

#include "VensterTest.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace VensterTest;

namespace {

class KolomvensterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NieuwCijferbestand(adm);
        adm.Scherm = 2;
        adm.HuidigeKolom = 21;
        adm.Niveau = 2;
        for (int p = 1; p <= 4; ++p) {
            adm.Achternaam(p) = "Leerling" + std::to_string(p);
            Cijfer(p, 21, 2, std::to_string(4 + p));
            Cijfer(p, 3, 1, std::to_string(2 + p) + ".5");
        }
        adm.KolomSoort(21, 2) = "Toets";
        std::string g = "2";
        VerwerkGewicht(adm, g, 21, 2, 2);
        adm.Gewijzigd = 0;
    }

    void Cijfer(int p, int c, int l, std::string t) { VerwerkCijfer(adm, t, p, c, (c - 1) / 16 + 1, l); }

    template <class V>
    V& Open()
    {
        auto* v = new V(adm, omgeving);
        venster.reset(v);
        EXPECT_TRUE(Activeer(*v));
        return *v;
    }

    // Types into a column box the way a teacher does: into the box, then Enter.
    static void TypKolom(Dialoog& v, VasteBreedteInvoer* vak, const QString& kolom)
    {
        v.ZetFocus(vak);
        Typ(v, kolom);
        Toets(v, Qt::Key_Return);
    }

    static void Kies(QRadioButton* optie) { QTest::mouseClick(optie, Qt::LeftButton); }

    // Every option of the choice stands whole inside its frame: as tall as
    // its text and its round button, clear of its neighbours.
    static void OptiesHeel(const Kolomkiezer& k)
    {
        std::vector<QRadioButton*> opties(k.Trimester.begin() + 1, k.Trimester.end());
        opties.insert(opties.end(), k.Niveau.begin() + 1, k.Niveau.end());
        QRadioButton* vorige = nullptr;
        for (QRadioButton* o : opties) {
            SCOPED_TRACE(o->text().toStdString());
            const int rond = o->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, o);
            EXPECT_GE(o->height(), std::max(o->fontMetrics().height(), rond));
            const auto* kader = static_cast<QWidget*>(o->parent());
            EXPECT_TRUE(kader->contentsRect().contains(o->geometry()));
            if (vorige && vorige->parent() == o->parent()) {
                EXPECT_FALSE(vorige->geometry().intersects(o->geometry()));
            }
            vorige = o;
        }
    }

    AdmMain adm;
    TestOmgeving omgeving;
    std::unique_ptr<QDialog> venster;
};

TEST_F(KolomvensterTest, EveryWindowOpensOnTheSheetsColumnAndEscClosesIt)
{
    const std::string voor = CijferbestandTekst(adm);
    const auto nagaan = [&](Kolomkeuzevenster& v, const QString& titel, std::initializer_list<Kolomkiezer*> keuzes) {
        SCOPED_TRACE(titel.toStdString());
        EXPECT_EQ(v.windowTitle(), titel);
        for (Kolomkiezer* k : keuzes) {
            EXPECT_EQ(k->Keuze(), (Kolomkeuze{2, 2, 5}));
            EXPECT_EQ(k->txtKolom->Tekst(), "5");
            OptiesHeel(*k);
        }
        Kolomkiezer* eerste = *keuzes.begin();
        EXPECT_EQ(v.ActieveControl(), eerste->Trimester[2]);
        // Esc from a column box, after typing in it, writes nothing.
        v.ZetFocus(eerste->txtKolom);
        Typ(v, QStringLiteral("9"));
        Toets(v, Qt::Key_Escape);
        EXPECT_FALSE(v.isVisible());
        EXPECT_EQ(CijferbestandTekst(adm), voor);
        EXPECT_EQ(adm.Gewijzigd, 0);
    };
    auto& wissen = Open<frmKolomWissen>();
    nagaan(wissen, QStringLiteral("Kolom wissen"), {wissen.Keuze});
    EXPECT_EQ(wissen.cmdWissen->text(), QStringLiteral("&Wissen"));
    EXPECT_EQ(wissen.Keuze->lblKolom->text(), QStringLiteral("kolom :"));
    auto& afdrukken = Open<frmKolomAfdrukken>();
    nagaan(afdrukken, QStringLiteral("Kolom afdrukken"), {afdrukken.Keuze});
    EXPECT_EQ(afdrukken.cmdAfdrukken->text(), QStringLiteral("Af&drukken"));
    auto& kopieren = Open<frmKolomKopieren>();
    nagaan(kopieren, QStringLiteral("Kolom kopiëren"), {kopieren.Keuze[1], kopieren.Keuze[2]});
    EXPECT_EQ(kopieren.Keuze[2]->TrimesterKader->title(), QStringLiteral("naar"));
    EXPECT_EQ(kopieren.Keuze[2]->lblKolom->text(), QStringLiteral("naar kolom :"));
    auto& wisselen = Open<frmKolommenVerwisselen>();
    nagaan(wisselen, QStringLiteral("Kolommen  verwisselen"), {wisselen.Keuze[1], wisselen.Keuze[2]});
    EXPECT_EQ(wisselen.Keuze[1]->TrimesterKader->title(), QString());
    EXPECT_EQ(wisselen.cmdUitvoeren->text(), QStringLiteral("&Verwisselen"));
    auto& omrekenen = Open<frmKolomOmrekenen>();
    nagaan(omrekenen, QStringLiteral("Kolom omrekenen"), {omrekenen.Keuze[1], omrekenen.Keuze[2]});

    // Esc on an option button, and "&Annuleren".
    auto& nogmaals = Open<frmKolomKopieren>();
    Kies(nogmaals.Keuze[2]->Niveau[1]);
    EXPECT_EQ(nogmaals.ActieveControl(), nogmaals.Keuze[2]->Niveau[1]);
    Toets(nogmaals, Qt::Key_Escape);
    EXPECT_FALSE(nogmaals.isVisible());
    auto& annuleren = Open<frmKolomWissen>();
    QTest::mouseClick(annuleren.cmdAnnuleren, Qt::LeftButton);
    EXPECT_FALSE(annuleren.isVisible());
    EXPECT_EQ(CijferbestandTekst(adm), voor);
    EXPECT_EQ(adm.Gewijzigd, 0);
}

TEST_F(KolomvensterTest, ClearTakesEffectAtOnce)
{
    auto& v = Open<frmKolomWissen>();
    TypKolom(v, v.Keuze->txtKolom, QStringLiteral("5"));
    EXPECT_EQ(v.ActieveControl(), v.cmdWissen);
    QTest::mouseClick(v.cmdWissen, Qt::LeftButton);
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(adm.KolomSoort(21, 2), Tekst<39>());
    EXPECT_EQ(adm.KolomGewicht(21, 2), "   ");
    EXPECT_EQ(adm.Cijfer(1, 21, 2), "   ");
    EXPECT_EQ(adm.KlAantal(21, 2), 0);
    EXPECT_EQ(adm.TrGemTxt(1, 2, 2), "    ");
    EXPECT_EQ(adm.Cijfer(1, 3, 1), "3.5");
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_TRUE(omgeving.meldingen.empty());
}

TEST_F(KolomvensterTest, CopyToAColumnTypedAndChosen)
{
    auto& v = Open<frmKolomKopieren>();
    // Source: term 1, level 1, column 3; target: term 3, level 2, column 16.
    Kies(v.Keuze[1]->Trimester[1]);
    Kies(v.Keuze[1]->Niveau[1]);
    Kies(v.Keuze[2]->Trimester[3]);
    TypKolom(v, v.Keuze[1]->txtKolom, QStringLiteral("3"));
    EXPECT_EQ(v.ActieveControl(), v.Keuze[2]->txtKolom);
    Typ(v, QStringLiteral("16"));
    Toets(v, Qt::Key_Return);
    EXPECT_EQ(v.ActieveControl(), v.cmdUitvoeren);
    Toets(v, Qt::Key_Space);  // the focused button
    EXPECT_FALSE(v.isVisible());
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(adm.Cijfer(p, 48, 2), adm.Cijfer(p, 3, 1));
    EXPECT_EQ(adm.KlAantal(48, 2), 4);
    EXPECT_EQ(adm.Gewijzigd, 1);
}

TEST_F(KolomvensterTest, ACopyCommitsATypedColumnThatWasNotLeft)
{
    auto& v = Open<frmKolomKopieren>();
    v.ZetFocus(v.Keuze[2]->txtKolom);
    Typ(v, QStringLiteral("6"));
    v.cmdUitvoeren->click();  // the focus did not move
    EXPECT_EQ(adm.Cijfer(1, 22, 2), adm.Cijfer(1, 21, 2));
    EXPECT_EQ(adm.KolomGewicht(22, 2), Pas("2", 3));
}

TEST_F(KolomvensterTest, SwapTwoColumns)
{
    auto& v = Open<frmKolommenVerwisselen>();
    Kies(v.Keuze[2]->Trimester[1]);
    Kies(v.Keuze[2]->Niveau[1]);
    TypKolom(v, v.Keuze[2]->txtKolom, QStringLiteral("3"));
    QTest::mouseClick(v.cmdUitvoeren, Qt::LeftButton);
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(adm.Cijfer(1, 21, 2), "3.5");
    EXPECT_EQ(adm.Cijfer(1, 3, 1), "5  ");
    EXPECT_EQ(adm.KolomSoort(3, 1), Pas("Toets", 39));
    EXPECT_EQ(adm.KolomGewicht(3, 1), Pas("2", 3));
    EXPECT_EQ(adm.KolomGewicht(21, 2), "   ");
    EXPECT_EQ(adm.TrGemTxt(1, 1, 1), "5   ");
    EXPECT_EQ(adm.Gewijzigd, 1);
}

TEST_F(KolomvensterTest, PrintStaysOpenWithItsChoice)
{
    auto& v = Open<frmKolomAfdrukken>();
    std::vector<std::string> gedrukt;
    Afdrukstatus antwoord = Afdrukstatus::Gedrukt;
    v.Printen = [&](const Paginabouwer& bouw, bool dialoog) {
        EXPECT_TRUE(dialoog);
        if (antwoord == Afdrukstatus::Geannuleerd)
            return Afdrukuitkomst{antwoord, "", 0};
        const Paginamodel pm = bouw(A4Afdrukvlak);
        gedrukt.push_back(pm.Paginas().at(0).Regel(8 * 226.5625, 7 * 120, 120));
        if (antwoord == Afdrukstatus::Mislukt)
            return Afdrukuitkomst{antwoord, "Printer error: out of paper", 0};
        return Afdrukuitkomst{antwoord, "", 1};
    };
    Kies(v.Keuze->Trimester[3]);
    TypKolom(v, v.Keuze->txtKolom, QStringLiteral("12"));
    EXPECT_EQ(v.ActieveControl(), v.cmdAfdrukken);
    QTest::mouseClick(v.cmdAfdrukken, Qt::LeftButton);
    QTest::mouseClick(v.cmdAfdrukken, Qt::LeftButton);
    ASSERT_EQ(gedrukt.size(), 2u);
    EXPECT_EQ(gedrukt[1], "3-e Trimester Niveau 2 : " + std::string(6, ' ') + "     Kolom 12");
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(v.Keuze->Keuze(), (Kolomkeuze{3, 2, 12}));

    antwoord = Afdrukstatus::Geannuleerd;
    QTest::mouseClick(v.cmdAfdrukken, Qt::LeftButton);
    EXPECT_EQ(gedrukt.size(), 2u);
    EXPECT_TRUE(omgeving.meldingen.empty());
    antwoord = Afdrukstatus::Mislukt;
    QTest::mouseClick(v.cmdAfdrukken, Qt::LeftButton);
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, QStringLiteral("Foutmelding:\n\nPrinter error: out of paper   "));
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(adm.Gewijzigd, 0);
}

class OmrekenvensterTest : public KolomvensterTest {
protected:
    void TypFormule(frmKolomOmrekenen& v, const QString& formule)
    {
        v.ZetFocus(v.txtOmrekenen);
        v.txtOmrekenen->selectAll();
        Typ(v, formule);
    }
};

TEST_F(OmrekenvensterTest, TheFormulaOfThePairOfLevels)
{
    adm.Omrekenformule[1] = "1+0.5*c";
    adm.Niveau = 1;
    auto& v = Open<frmKolomOmrekenen>();
    EXPECT_EQ(v.txtOmrekenen->Tekst(), "1*c");
    Kies(v.Keuze[2]->Niveau[2]);
    EXPECT_EQ(v.txtOmrekenen->Tekst(), "1+0.5*c");
    Kies(v.Keuze[1]->Niveau[2]);
    EXPECT_EQ(v.txtOmrekenen->Tekst(), "1*c");
    Kies(v.Keuze[2]->Niveau[1]);
    EXPECT_EQ(v.txtOmrekenen->Tekst(), "0.9*c");
    // Leaving the box unchanged stores the formula trimmed and changes nothing.
    v.ZetFocus(v.txtOmrekenen);
    v.ZetFocus(v.cmdAnnuleren);
    EXPECT_EQ(adm.Omrekenformule[2], "0.9*c");
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(v.Label4->text(),
              QStringLiteral("Gebruik in de omrekenformule de letter c voor het om te rekenen cijfer, 0   c   10"));
}

TEST_F(OmrekenvensterTest, TabbingThroughTheFormulaStoresItWithoutItsBlanks)
{
    const std::string padded = Pas("1*c", 25);
    const struct {
        const char* naam;
        std::function<void(frmKolomOmrekenen&)> verlaten;
    } gevallen[] = {
        {"Tab", [](frmKolomOmrekenen& v) { Toets(v, Qt::Key_Tab); }},
        {"Shift+Tab", [](frmKolomOmrekenen& v) { Toets(v, Qt::Key_Backtab, Qt::ShiftModifier); }},
        {"&Tabel",
         [this](frmKolomOmrekenen& v) {
             omgeving.Beantwoord([](QDialog& d) { Toets(d, Qt::Key_Escape); });
             QTest::mouseClick(v.cmdTabel, Qt::LeftButton);
             QTest::mouseClick(v.cmdAnnuleren, Qt::LeftButton);
         }},
        {"Alt+T",
         [this](frmKolomOmrekenen& v) {
             omgeving.Beantwoord([](QDialog& d) { Toets(d, Qt::Key_Escape); });
             Toets(v, Qt::Key_T, Qt::AltModifier);
             QTest::qWait(250);  // the button's click follows its shortcut
         }},
        {"&Annuleren", [](frmKolomOmrekenen& v) { QTest::mouseClick(v.cmdAnnuleren, Qt::LeftButton); }},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.naam);
        adm.Omrekenformule[0] = padded;
        adm.Gewijzigd = 0;
        auto& v = Open<frmKolomOmrekenen>();
        for (int i = 0; i < 20 && v.ActieveControl() != v.txtOmrekenen; ++i)
            Toets(v, Qt::Key_Tab);
        ASSERT_EQ(v.ActieveControl(), v.txtOmrekenen);
        EXPECT_EQ(v.txtOmrekenen->Tekst(), "1*c");
        g.verlaten(v);
        EXPECT_EQ(adm.Omrekenformule[0], "1*c");
        EXPECT_EQ(adm.Gewijzigd, 0);
        EXPECT_TRUE(omgeving.meldingen.empty());
    }
    EXPECT_NE(CijferbestandTekst(adm).find("\r\n1*c\r\n"), std::string::npos);

    // Blanks typed after the formula are no change either; a new formula is.
    auto& v = Open<frmKolomOmrekenen>();
    TypFormule(v, QStringLiteral("1*c   "));
    Toets(v, Qt::Key_Tab);
    EXPECT_EQ(adm.Omrekenformule[0], "1*c");
    EXPECT_EQ(adm.Gewijzigd, 0);
    TypFormule(v, QStringLiteral("c+1  "));
    Toets(v, Qt::Key_Tab);
    EXPECT_EQ(adm.Omrekenformule[0], "c+1");
    EXPECT_EQ(adm.Gewijzigd, 1);
}

TEST_F(OmrekenvensterTest, AFormulaTheBoxDidNotStoreKeepsItsBytes)
{
    // An older file's formula with its blanks, and the window used without
    // going through the box: the saved file is the file as it was read.
    adm.Omrekenformule[1] = "1+0.8*c      ";
    adm.Niveau = 1;
    const std::string voor = CijferbestandTekst(adm);
    auto& v = Open<frmKolomOmrekenen>();
    Kies(v.Keuze[2]->Niveau[2]);
    EXPECT_EQ(v.txtOmrekenen->Tekst(), "1+0.8*c");
    QTest::mouseClick(v.cmdAnnuleren, Qt::LeftButton);
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(CijferbestandTekst(adm), voor);

    // Esc cancels from within the box too: nothing is stored.
    auto& w = Open<frmKolomOmrekenen>();
    Kies(w.Keuze[2]->Niveau[2]);
    w.ZetFocus(w.txtOmrekenen);
    Toets(w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(CijferbestandTekst(adm), voor);
    EXPECT_EQ(adm.Gewijzigd, 0);
}

TEST_F(OmrekenvensterTest, ARefusedFormulaComesBack)
{
    auto& v = Open<frmKolomOmrekenen>();
    TypFormule(v, QStringLiteral("2*x"));
    v.ZetFocus(v.cmdAnnuleren);
    EXPECT_EQ(omgeving.piepen, 1);
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, QStringLiteral("Foutmelding:\n\nIllegal expression"));
    EXPECT_EQ(omgeving.meldingen[0].stijl, vbOKOnly | vbExclamation);
    EXPECT_EQ(omgeving.meldingen[0].titel, QStringLiteral("Morvaldiek"));
    EXPECT_EQ(v.txtOmrekenen->Tekst(), "1*c");
    EXPECT_EQ(v.ActieveControl(), v.txtOmrekenen);

    // A formula that fails at c = 1 is refused too, with its error.
    TypFormule(v, QStringLiteral("1/(c-1)"));
    v.ZetFocus(v.cmdAnnuleren);
    ASSERT_EQ(omgeving.meldingen.size(), 2u);
    EXPECT_EQ(omgeving.meldingen[1].tekst, QStringLiteral("Foutmelding:\n\nDeling door nul   "));
    EXPECT_EQ(v.txtOmrekenen->Tekst(), "1*c");
    EXPECT_EQ(adm.Omrekenformule[0], Pas("1*c", 25));
    EXPECT_EQ(adm.Gewijzigd, 0);

    // A good one is stored, and the file counts as changed.
    TypFormule(v, QStringLiteral("c+1"));
    v.ZetFocus(v.cmdAnnuleren);
    EXPECT_EQ(adm.Omrekenformule[0], "c+1");
    EXPECT_EQ(adm.Gewijzigd, 1);
    QTest::mouseClick(v.cmdAnnuleren, Qt::LeftButton);
    EXPECT_EQ(adm.Omrekenformule[0], "c+1");  // kept after "&Annuleren"
}

TEST_F(OmrekenvensterTest, AButtonActsOnlyOnAFormulaThatPassedItsCheck)
{
    auto& v = Open<frmKolomOmrekenen>();
    const std::string voor = CijferbestandTekst(adm);
    TypFormule(v, QStringLiteral("2*x"));
    QTest::keyClick(v.txtOmrekenen, Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(v.ActieveControl(), v.txtOmrekenen);  // the box was not left
    QTest::qWait(250);  // the button's click follows its shortcut
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(CijferbestandTekst(adm), voor);
    EXPECT_EQ(adm.Gewijzigd, 0);
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, QStringLiteral("Foutmelding:\n\nIllegal expression"));
    EXPECT_EQ(v.txtOmrekenen->Tekst(), "1*c");

    // A click that leaves the box with a refused formula does nothing either.
    TypFormule(v, QStringLiteral("c+"));
    QTest::mouseClick(v.cmdUitvoeren, Qt::LeftButton);
    EXPECT_EQ(omgeving.meldingen.size(), 2u);
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(CijferbestandTekst(adm), voor);
    EXPECT_EQ(v.ActieveControl(), v.txtOmrekenen);

    QTest::mouseClick(v.cmdUitvoeren, Qt::LeftButton);  // now it converts, with the formula in the box
    EXPECT_EQ(omgeving.meldingen.size(), 2u);
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(adm.Gewijzigd, 1);
}

TEST_F(OmrekenvensterTest, ConversionWritesOnlyWhenTheFormulaHoldsEverywhere)
{
    auto& v = Open<frmKolomOmrekenen>();
    const std::string voor = CijferbestandTekst(adm);
    // Fine at c = 1, a division by zero at c = 0.
    TypFormule(v, QStringLiteral("10/c"));
    QTest::mouseClick(v.cmdUitvoeren, Qt::LeftButton);
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, QStringLiteral("Foutmelding:\n\nDeling door nul   "));
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(adm.Cijfer(1, 21, 2), "5  ");
    EXPECT_EQ(adm.Omrekenformule[0], "10/c");  // it passed the box's check

    // Onto itself, one higher: 5..8 become 6..9.
    TypFormule(v, QStringLiteral("c+1"));
    QTest::mouseClick(v.cmdUitvoeren, Qt::LeftButton);
    EXPECT_FALSE(v.isVisible());
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(adm.Cijfer(p, 21, 2), Pas(std::to_string(5 + p), 3));
    EXPECT_EQ(adm.KlGemTxt(21, 2), "7.5 ");
    EXPECT_NE(CijferbestandTekst(adm), voor);
}

TEST_F(OmrekenvensterTest, TheTableOfTheFormulaInTheBox)
{
    auto& v = Open<frmKolomOmrekenen>();
    Kies(v.Keuze[1]->Trimester[1]);
    TypFormule(v, QStringLiteral("20*c"));
    std::vector<std::string> rijen;
    omgeving.Beantwoord([&](QDialog& d) {
        auto& tabel = dynamic_cast<frmOmrekenTabel&>(d);
        EXPECT_EQ(tabel.windowTitle(), QStringLiteral("Omrekentabel"));
        for (int i : {0, 1, 100})
            rijen.push_back(tabel.lblCesuur[static_cast<std::size_t>(i)]->Tekst());
        EXPECT_EQ(tabel.ActieveControl(), tabel.txtFocus);
        Toets(tabel, Qt::Key_Escape);
    });
    QTest::mouseClick(v.cmdTabel, Qt::LeftButton);
    EXPECT_EQ(rijen, (std::vector<std::string>{" 0   -  0  ", " 0.1 -  2  ", " 10  -  200"}));
    // Back in the conversion window, the choices are the teacher's.
    EXPECT_EQ(v.Keuze[1]->GekozenTrimester(), 1);
    EXPECT_EQ(v.ActieveControl(), v.Keuze[1]->Trimester[1]);
    EXPECT_EQ(adm.Omrekenformule[0], "20*c");

    // A formula that fails in the table: the message, and the table closes.
    TypFormule(v, QStringLiteral("10/c"));
    omgeving.Beantwoord([](QDialog& d) { EXPECT_FALSE(d.isVisible()); });
    QTest::mouseClick(v.cmdTabel, Qt::LeftButton);
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, QStringLiteral("Foutmelding:\n\nDeling door nul   "));
    EXPECT_TRUE(v.isVisible());
}

TEST_F(OmrekenvensterTest, TheTablePrints)
{
    frmOmrekenTabel tabel(adm, omgeving, "1+0.9*c");
    ASSERT_TRUE(Activeer(tabel));
    int gedrukt = 0;
    tabel.Printen = [&](const Paginabouwer& bouw, bool dialoog) {
        EXPECT_TRUE(dialoog);
        const Paginamodel pm = bouw(A4Afdrukvlak);
        EXPECT_EQ(pm.Paginas().at(0).Regel(27 * 226.5625, 9 * 120, 120).substr(55, 9), "10  - 10 ");
        ++gedrukt;
        return Afdrukuitkomst{Afdrukstatus::Gedrukt, "", 1};
    };
    QTest::mouseClick(tabel.cmdPrinten, Qt::LeftButton);
    EXPECT_EQ(gedrukt, 1);
    EXPECT_EQ(tabel.ActieveControl(), tabel.txtFocus);
    EXPECT_EQ(tabel.lblCesuur[50]->Tekst(), " 5   -  5.5");
    QTest::mouseClick(tabel.cmdAnnuleren, Qt::LeftButton);
    EXPECT_FALSE(tabel.isVisible());
}

// The conversion window and its table, written as pictures for the
// documentation when MORVALDIEK_DOCS names the folder.
TEST_F(OmrekenvensterTest, Schermafdrukken)
{
    adm.Niveau = 1;
    auto& v = Open<frmKolomOmrekenen>();
    Kies(v.Keuze[2]->Niveau[2]);
    Verwerk();
    const QImage venster = v.grab().toImage();
    frmOmrekenTabel tabel(adm, omgeving, v.txtOmrekenen->Tekst());
    ASSERT_TRUE(Activeer(tabel));
    const QImage tabelbeeld = tabel.grab().toImage();
    EXPECT_FALSE(venster.isNull());
    EXPECT_FALSE(tabelbeeld.isNull());
    if (const QByteArray map = qgetenv("MORVALDIEK_DOCS"); !map.isEmpty()) {
        EXPECT_TRUE(venster.save(QString::fromLocal8Bit(map) + QStringLiteral("/omrekenen.png")));
        EXPECT_TRUE(tabelbeeld.save(QString::fromLocal8Bit(map) + QStringLiteral("/omrekentabel.png")));
    }
}

}  // namespace

// The year card driven as the teacher drives it: the spin button, the
// pupil boxes with their keys and clicks, offscreen.
#include "yearoverview/frmJaaroverzicht.h"

#include "core/Tekst.h"
#include "names/Namenvensters.h"
#include "names/frmNamen.h"
#include "names/frmZoeken.h"
#include "platform/Draaiknop.h"
#include "platform/Etiket.h"
#include "platform/Kleuren.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"
#include "reports/frmRapporten.h"
#include "termsheet/frmTrimester.h"

#include "Jaarvoorbeeld.h"
#include "VensterFamilie.h"
#include "Alleenlezen.h"
#include "VensterTest.h"

#include <QAction>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>
#include <string>

using namespace VensterTest;

namespace {

class Jaarkaart : public ::testing::Test {
protected:
    void SetUp() override { jaarvoorbeeld::Vul(adm); }

    void Open()
    {
        adm.Scherm = SchermJaaroverzicht;
        venster = std::make_unique<frmJaaroverzicht>(adm, omgeving);
        venster->leerlingvensters = &Namenvensters;
        ASSERT_TRUE(Activeer(*venster));
    }
    void TearDown() override
    {
        if (venster) {
            adm.Scherm = SchermStoppen;  // closing is no quit here
            venster->close();
        }
    }

    frmJaaroverzicht& v() { return *venster; }

    // Clicks the middle of a control, as the teacher does.
    static void Klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center()); }

    static QColor Tekstkleur(const Etiket* e) { return e->palette().color(QPalette::WindowText); }
    static QColor Kleur(std::uint32_t vb) { return VbKleur(vb); }

    AdmMain adm;
    TestOmgeving omgeving;
    std::unique_ptr<frmJaaroverzicht> venster;
};

TEST_F(Jaarkaart, AFilledPupilShowsEveryValueWithItsColour)
{
    adm.Cijfer(7, 1, 1) = "5.4";
    adm.Cijfer(7, 2, 1) = "5.5";
    adm.Cijfer(7, 3, 1) = "0  ";
    adm.Cijfer(7, 4, 1) = "   ";
    adm.RapportOptie[5] = 2;
    Open();

    // At the screen's top-left corner, as the other views.
    EXPECT_EQ(v().pos(), QPoint(0, 0));
    EXPECT_EQ(v().size(), QSize(800, 600));
    EXPECT_EQ(v().windowTitle(), QStringLiteral("Docenten-Morvaldiek Versie 7.762"));
    EXPECT_EQ(v().lblNummer->text(), QStringLiteral("7"));
    EXPECT_EQ(v().UpDown->Value(), 7);
    EXPECT_EQ(v().txtAchternaam->Tekst(), Pas("de Graaf", 30));
    EXPECT_EQ(v().txtMentor->Tekst(), "HEU");
    EXPECT_EQ(v().lblKlas->Tekst(), "4H2   ");
    EXPECT_EQ(v().lblNiveau->Tekst(), "HAVO  ");
    EXPECT_EQ(v().NivoLabel->Tekst(), "Niveau  1");
    EXPECT_EQ(Tekstkleur(v().NivoLabel), Kleur(Kleur::Groen));
    EXPECT_EQ(v().lblInsert->Tekst(), "Insert");

    // Grades and weights without blanks, coloured by the grade rule.
    EXPECT_EQ(v().lblCijfer[1]->Tekst(), "5.4");
    EXPECT_EQ(Tekstkleur(v().lblCijfer[1]), Kleur(KaartRood));
    EXPECT_EQ(Tekstkleur(v().lblCijfer[2]), Kleur(KaartDonkergroen));
    EXPECT_EQ(v().lblCijfer[3]->Tekst(), "0");
    EXPECT_EQ(Tekstkleur(v().lblCijfer[3]), Kleur(KaartRood));
    EXPECT_EQ(v().lblCijfer[4]->Tekst(), "");
    EXPECT_EQ(Tekstkleur(v().lblCijfer[4]), Kleur(KaartZwart));
    for (int c = 5; c <= AantalKolommen; ++c) {
        EXPECT_EQ(v().lblGewicht[static_cast<std::size_t>(c)]->Tekst(), jaarvoorbeeld::Gewicht(c, 1)) << c;
        EXPECT_EQ(v().lblCijfer[static_cast<std::size_t>(c)]->Tekst(), Trim(adm.Cijfer(7, c, 1).view())) << c;
    }
    // Averages and reports at their stored widths; both labels of a pair alike.
    EXPECT_EQ(v().lblTrGem[2]->Tekst(), "5.49");
    EXPECT_EQ(Tekstkleur(v().lblTrGem[2]), Kleur(KaartRood));
    EXPECT_EQ(Tekstkleur(v().lblTrGM[2]), Kleur(KaartRood));
    EXPECT_EQ(v().lblTrGM[3]->Tekst(), "7.2 ");
    EXPECT_EQ(Tekstkleur(v().lblTrGM[3]), Kleur(KaartDonkergroen));
    EXPECT_EQ(v().lblRapport[2]->Tekst(), "5.4");
    EXPECT_EQ(Tekstkleur(v().lblRapport[2]), Kleur(KaartRood));
    EXPECT_EQ(v().lblRp[2]->Tekst(), "5.4");
    EXPECT_EQ(Tekstkleur(v().lblRp[2]), Kleur(KaartRood));
    EXPECT_EQ(v().lblTrGW[3]->Tekst(), "3  ");
    EXPECT_EQ(v().lblRp[4]->Tekst(), "6  ");
    EXPECT_EQ(v().lblEind->Tekst(), "6  ");
    EXPECT_EQ(Tekstkleur(v().lblEind), Kleur(KaartDonkergroen));
    EXPECT_EQ(v().lblJgem->Tekst(), "6.33");
}

TEST_F(Jaarkaart, ARedrawWritesNothingEvenFromAStateNoCommandLeaves)
{
    Open();
    alleenlezen::Controleer(adm, [this] { v().Afdrukken(); }, [] {});
}

TEST_F(Jaarkaart, TheSpinButtonStepsOverEverySlotAndKeepsTheRowWindow)
{
    adm.HuidigeRij = 1;
    adm.Gewijzigd = 0;
    Open();
    QToolButton* op = v().UpDown->KnopOmhoog();
    QToolButton* neer = v().UpDown->KnopOmlaag();
    for (int p = 2; p <= AantalLeerlingen + 1; ++p) {
        QTest::mouseClick(op, Qt::LeftButton);
        const int verwacht = std::min(p, AantalLeerlingen);
        ASSERT_EQ(adm.HuidigeRij, verwacht);
        EXPECT_EQ(v().lblNummer->text(), QString::number(verwacht));
        EXPECT_EQ(v().txtAchternaam->Tekst(), adm.Achternaam(verwacht).view());
        EXPECT_EQ(adm.LaatsteRij, std::max(8, verwacht));
        EXPECT_EQ(adm.EersteRij, adm.LaatsteRij - 7);
    }
    // Back down: the window follows only once the pupil leaves it.
    for (int p = 35; p >= 1; --p) {
        QTest::mouseClick(neer, Qt::LeftButton);
        ASSERT_EQ(adm.HuidigeRij, p);
        EXPECT_EQ(adm.EersteRij, std::min(p, 29));
    }
    QTest::mouseClick(neer, Qt::LeftButton);
    EXPECT_EQ(adm.HuidigeRij, 1);
    EXPECT_EQ(adm.Gewijzigd, 0);
}

TEST_F(Jaarkaart, ActivationShowsTheCurrentPupilAndMovesTheRowWindow)
{
    adm.Achternaam(20) = "Visser";
    adm.HuidigeRij = 20;
    adm.EersteRij = 1;
    adm.LaatsteRij = 8;
    Open();
    EXPECT_EQ(v().UpDown->Value(), 20);
    EXPECT_EQ(v().lblNummer->text(), QStringLiteral("20"));
    EXPECT_EQ(v().txtAchternaam->Tekst(), Pas("Visser", 30));
    EXPECT_EQ(adm.EersteRij, 13);
    EXPECT_EQ(adm.LaatsteRij, 20);

    // Pupil 1 is the spin button's own start: the number shows all the same.
    venster.reset();
    adm.HuidigeRij = 1;
    Open();
    EXPECT_EQ(v().lblNummer->text(), QStringLiteral("1"));
}

TEST_F(Jaarkaart, EnterUpAndDownMoveThroughTheBoxesWithTheCaretAtTheStart)
{
    Open();
    // Enter where no box has the focus does nothing.
    ASSERT_EQ(v().ActieveControl(), v().StartFocus);
    Toets(v(), Qt::Key_Return);
    EXPECT_EQ(v().ActieveControl(), v().StartFocus);

    Klik(v().txtTelefoon);
    Toets(v(), Qt::Key_Return);
    EXPECT_EQ(v().ActieveControl(), v().txtMentor);
    Toets(v(), Qt::Key_Down);
    EXPECT_EQ(v().ActieveControl(), v().txtAchternaam);
    EXPECT_EQ(v().txtAchternaam->SelStart(), 0);
    Toets(v(), Qt::Key_Up);
    EXPECT_EQ(v().ActieveControl(), v().txtMentor);
    Toets(v(), Qt::Key_Up);
    EXPECT_EQ(v().ActieveControl(), v().txtTelefoon);
    for (QWidget* w : {v().txtMentor, v().txtAchternaam, v().txtRoepnaam, v().txtAdres, v().txtPostcode,
                       v().txtWoonplaats, v().txtTelefoon}) {
        Toets(v(), Qt::Key_Return);
        EXPECT_EQ(v().ActieveControl(), w) << Naam(w).toStdString();
    }
    // While Alt is held, Enter does nothing.
    QTest::keyPress(Toetsdoel(v()), Qt::Key_Alt);
    Toets(v(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(v().ActieveControl(), v().txtTelefoon);
    QTest::keyRelease(Toetsdoel(v()), Qt::Key_Alt);
    Toets(v(), Qt::Key_Return);
    EXPECT_EQ(v().ActieveControl(), v().txtMentor);
}

// Tab selects a box's whole text; the card still shows every box from its
// first character, on the way in and after it is left ("Dekker" stays in
// sight, "Lotte" does not lose its L), and nothing is stored.
TEST_F(Jaarkaart, TabShowsEveryBoxFromItsFirstCharacterComingAndGoing)
{
    adm.Achternaam(7) = "Dekker";
    adm.Roepnaam(7) = "Lotte";
    adm.Gewijzigd = 0;
    Open();
    ASSERT_EQ(v().size(), QSize(800, 600));
    ASSERT_EQ(v().ActieveControl(), v().StartFocus);
    for (int i = 0; i < AantalLeerlingvelden; ++i) {
        VasteBreedteInvoer* vak = v().Vak(static_cast<Leerlingveld>(i));
        Toets(v(), Qt::Key_Tab);
        ASSERT_EQ(v().ActieveControl(), vak) << i;
        EXPECT_EQ(Verschoven(*vak), 0) << Naam(vak).toStdString();
    }
    Toets(v(), Qt::Key_Tab);
    for (int i = 0; i < AantalLeerlingvelden; ++i) {
        VasteBreedteInvoer* vak = v().Vak(static_cast<Leerlingveld>(i));
        EXPECT_EQ(Verschoven(*vak), 0) << Naam(vak).toStdString();
    }
    EXPECT_EQ(v().txtAchternaam->Tekst(), Pas("Dekker", 30));
    EXPECT_EQ(adm.Roepnaam(7), Pas("Lotte", 13));
    EXPECT_EQ(adm.Gewijzigd, 0);
}

// The spin button is the last stop of Tab, after the pupil boxes: Up and
// Down step the pupil there as its arrows do (the box left first stored),
// and it shows that it has the focus.
TEST_F(Jaarkaart, TabReachesTheSpinButtonAndUpAndDownStepThePupil)
{
    adm.Gewijzigd = 0;
    Open();
    const QImage zonderFocus = v().UpDown->grab().toImage();
    Klik(v().txtAchternaam);
    for (int i = 1; i < AantalLeerlingvelden; ++i)
        Toets(v(), Qt::Key_Tab);
    ASSERT_EQ(v().ActieveControl(), v().txtMentor);
    v().txtMentor->setText(QStringLiteral("ABC"));  // put in by the mouse: no key release stored it
    Toets(v(), Qt::Key_Tab);
    ASSERT_EQ(v().ActieveControl(), v().UpDown);
    Verwerk();
    EXPECT_NE(v().UpDown->grab().toImage(), zonderFocus);

    Toets(v(), Qt::Key_Up);
    EXPECT_EQ(adm.HuidigeRij, 8);
    EXPECT_EQ(adm.Mentor(7), "ABC");
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(v().UpDown->Value(), 8);
    EXPECT_EQ(v().lblNummer->text(), QStringLiteral("8"));
    EXPECT_EQ(v().txtAchternaam->Tekst(), Pas("Hendriks", 30));
    EXPECT_EQ(v().txtRoepnaam->Tekst(), Pas("Emma", 13));
    EXPECT_EQ(v().ActieveControl(), v().UpDown);
    for (int i = 0; i < 3; ++i)
        Toets(v(), Qt::Key_Down);
    EXPECT_EQ(adm.HuidigeRij, 5);
    EXPECT_EQ(v().txtAchternaam->Tekst(), adm.Achternaam(5).view());
    EXPECT_EQ(adm.Mentor(7), "ABC");
    // Enter, a letter and Alt+Up do nothing here.
    Toets(v(), Qt::Key_Return);
    Typ(v(), QStringLiteral("x"));
    Toets(v(), Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(adm.HuidigeRij, 5);
    EXPECT_EQ(v().ActieveControl(), v().UpDown);
    EXPECT_EQ(omgeving.piepen, 0);
    // At the ends the number stays.
    adm.Gewijzigd = 0;
    for (int i = 0; i < 5; ++i)
        Toets(v(), Qt::Key_Down);
    EXPECT_EQ(adm.HuidigeRij, 1);
    EXPECT_EQ(adm.Gewijzigd, 0);

    // On from there to the focus holder; Shift+Tab comes back.
    Toets(v(), Qt::Key_Tab);
    EXPECT_EQ(v().ActieveControl(), v().StartFocus);
    Toets(v(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(v().ActieveControl(), v().UpDown);
    Verwerk();
    Toets(v(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(v().ActieveControl(), v().txtMentor);
    Verwerk();
    EXPECT_EQ(v().UpDown->grab().toImage(), zonderFocus);
}

// The spin button is drawn with a left and a right arrow: while it has the
// focus, Right steps to the next pupil and Left to the one before, as Up and
// Down do there (the boxes stored first), not with Alt or Ctrl held, and
// never past the first or the last slot.
TEST_F(Jaarkaart, LeftAndRightStepThePupilAsTheSpinButtonsArrowsPoint)
{
    adm.HuidigeRij = 2;
    adm.Gewijzigd = 0;
    Open();
    Klik(v().txtMentor);
    v().txtMentor->setText(QStringLiteral("XYZ"));  // put in by the mouse: no key release stored it
    Toets(v(), Qt::Key_Tab);
    ASSERT_EQ(v().ActieveControl(), v().UpDown);

    const struct {
        Qt::Key toets;
        Qt::KeyboardModifiers mods;
        int leerling;
    } stappen[] = {
        {Qt::Key_Right, Qt::NoModifier, 3},  {Qt::Key_Right, Qt::NoModifier, 4},
        {Qt::Key_Left, Qt::NoModifier, 3},   {Qt::Key_Left, Qt::AltModifier, 3},
        {Qt::Key_Right, Qt::ControlModifier, 3}, {Qt::Key_Left, Qt::NoModifier, 2},
        {Qt::Key_Left, Qt::NoModifier, 1},   {Qt::Key_Left, Qt::NoModifier, 1},
        {Qt::Key_Up, Qt::NoModifier, 2},     {Qt::Key_Right, Qt::NoModifier, 3},
    };
    for (const auto& s : stappen) {
        SCOPED_TRACE(QKeySequence(s.toets | s.mods).toString().toStdString());
        Toets(v(), s.toets, s.mods);
        EXPECT_EQ(adm.HuidigeRij, s.leerling);
        EXPECT_EQ(v().UpDown->Value(), s.leerling);
        EXPECT_EQ(v().lblNummer->text(), QString::number(s.leerling));
        EXPECT_EQ(v().txtAchternaam->Tekst(), adm.Achternaam(s.leerling).view());
        EXPECT_EQ(v().ActieveControl(), v().UpDown);
    }
    EXPECT_EQ(adm.Mentor(2), "XYZ");
    EXPECT_EQ(adm.Gewijzigd, 1);

    adm.Gewijzigd = 0;
    v().UpDown->ZetValue(AantalLeerlingen - 1);
    Toets(v(), Qt::Key_Right);
    Toets(v(), Qt::Key_Right);
    EXPECT_EQ(adm.HuidigeRij, AantalLeerlingen);
    EXPECT_EQ(omgeving.piepen, 0);
    EXPECT_EQ(adm.Gewijzigd, 0);
}

TEST_F(Jaarkaart, AFullWidthSurnameSurvivesEveryBoxAndTheSpinButton)
{
    const std::string lang = "Abcdefghijklmnopqrstuvwxyzabcd";  // 30, typed in the names list
    adm.Achternaam(7) = lang;
    adm.Adres(7) = "Burgemeester van Walsumlaan 1234 a";  // 34 of 36
    adm.Roepnaam(7) = "Maximiliaan-A";                   // 13 of 12
    adm.Gewijzigd = 0;
    Open();
    Klik(v().txtAchternaam);
    Klik(v().txtRoepnaam);
    // Around the card twice with Enter, Down and Up, then the arrows inside
    // the boxes, Home, End and Tab.
    for (int i = 0; i < 2 * AantalLeerlingvelden; ++i)
        Toets(v(), i % 3 == 2 ? Qt::Key_Up : (i % 2 ? Qt::Key_Down : Qt::Key_Return));
    for (QWidget* w : {static_cast<QWidget*>(v().txtAchternaam), static_cast<QWidget*>(v().txtAdres)}) {
        Klik(w);
        for (Qt::Key k : {Qt::Key_Right, Qt::Key_End, Qt::Key_Left, Qt::Key_Home, Qt::Key_Insert, Qt::Key_Insert,
                          Qt::Key_Shift, Qt::Key_Tab})
            Toets(v(), k);
    }
    EXPECT_EQ(v().txtAchternaam->Tekst(), lang);
    QTest::mouseClick(v().UpDown->KnopOmhoog(), Qt::LeftButton);
    QTest::mouseClick(v().UpDown->KnopOmlaag(), Qt::LeftButton);
    EXPECT_EQ(v().txtAchternaam->Tekst(), lang);
    Klik(v().txtWoonplaats);
    EXPECT_EQ(adm.Achternaam(7), lang);
    EXPECT_EQ(adm.Adres(7), Pas("Burgemeester van Walsumlaan 1234 a", 36));
    EXPECT_EQ(adm.Roepnaam(7), "Maximiliaan-A");
    EXPECT_EQ(adm.Gewijzigd, 0);
    // Typing past the edit width is refused, so nothing is cut there either.
    Klik(v().txtAchternaam);
    Toets(v(), Qt::Key_End);
    Typ(v(), QStringLiteral("x"));
    EXPECT_EQ(omgeving.piepen, 1);
    Klik(v().txtMentor);
    EXPECT_EQ(adm.Achternaam(7), lang);
    EXPECT_EQ(adm.Gewijzigd, 0);
}

TEST_F(Jaarkaart, TypingStopsAtTheEditWidthWithABeep)
{
    adm.Achternaam(7) = "";
    adm.Postcode(7) = "";
    adm.Mentor(7) = "";
    adm.Gewijzigd = 0;
    Open();
    Klik(v().txtAchternaam);  // mid-box: the caret goes to the start all the same
    EXPECT_EQ(v().txtAchternaam->SelStart(), 0);
    Typ(v(), QStringLiteral("Abcdefghijklmnopqrstuvw"));  // 23 characters
    EXPECT_EQ(omgeving.piepen, 1);
    EXPECT_EQ(v().txtAchternaam->Tekst(), "Abcdefghijklmnopqrstuv");
    EXPECT_EQ(adm.Achternaam(7), Pas("Abcdefghijklmnopqrstuv", 30));  // stored at the key release
    EXPECT_EQ(adm.Gewijzigd, 1);
    // Backspace at the edit width beeps too; elsewhere it deletes.
    Toets(v(), Qt::Key_Backspace);
    EXPECT_EQ(omgeving.piepen, 2);
    Toets(v(), Qt::Key_Left);
    Toets(v(), Qt::Key_Backspace);
    EXPECT_EQ(adm.Achternaam(7), Pas("Abcdefghijklmnopqrstv", 30));

    // In insert mode inside a full box the character goes in and the last one is cut off.
    Toets(v(), Qt::Key_Home);
    Typ(v(), QStringLiteral("XY"));
    EXPECT_EQ(adm.Achternaam(7), Pas("XYAbcdefghijklmnopqrst", 30));
    EXPECT_EQ(v().txtAchternaam->SelStart(), 2);

    // The postcode takes nothing once it holds seven characters, wherever the caret is.
    Klik(v().txtPostcode);
    Typ(v(), QStringLiteral("1234AB"));
    Toets(v(), Qt::Key_Home);
    Typ(v(), QStringLiteral("5"));
    EXPECT_EQ(adm.Postcode(7), "51234AB");
    const int piepen = omgeving.piepen;
    Toets(v(), Qt::Key_Home);
    Typ(v(), QStringLiteral("6"));
    Toets(v(), Qt::Key_End);
    Toets(v(), Qt::Key_Backspace);
    EXPECT_EQ(omgeving.piepen, piepen + 2);
    Toets(v(), Qt::Key_Home);
    Toets(v(), Qt::Key_Delete);
    EXPECT_EQ(adm.Postcode(7), "1234AB ");

    // A mentor code of three takes no fourth character.
    Klik(v().txtMentor);
    Typ(v(), QStringLiteral("ABCD"));
    EXPECT_EQ(adm.Mentor(7), "ABC");
    EXPECT_EQ(omgeving.piepen, piepen + 3);
}

TEST_F(Jaarkaart, TypeOverReplacesTheNextCharacterAndInsertSwitchesAtOnce)
{
    Open();
    Klik(v().txtWoonplaats);
    Toets(v(), Qt::Key_Insert);
    EXPECT_EQ(adm.InsertModus, 0);
    EXPECT_EQ(v().lblInsert->Tekst(), "Type over");
    EXPECT_EQ(v().lblInsert->palette().color(QPalette::Window), Kleur(Kleur::TypeOver));
    Toets(v(), Qt::Key_Right);
    Typ(v(), QStringLiteral("W "));
    EXPECT_EQ(adm.Woonplaats(7), Pas("ZW lle", 15));
    Toets(v(), Qt::Key_Backspace);
    Toets(v(), Qt::Key_Delete);
    EXPECT_EQ(adm.Woonplaats(7), Pas("ZWle", 15));
    Toets(v(), Qt::Key_Insert);
    EXPECT_EQ(v().lblInsert->Tekst(), "Insert");
    EXPECT_EQ(v().lblInsert->palette().color(QPalette::Window), Kleur(Kleur::Insert));

    // Reopening the card starts in insert mode again.
    Toets(v(), Qt::Key_Insert);
    venster.reset();
    Open();
    EXPECT_EQ(adm.InsertModus, 1);
    EXPECT_EQ(v().lblInsert->Tekst(), "Insert");
}

TEST_F(Jaarkaart, AnEditIsStoredForItsPupilAndFlaggedWithoutLeavingTheBox)
{
    adm.Gewijzigd = 0;
    Open();
    // Into a box and out again without a key changes nothing.
    Klik(v().txtAdres);
    Klik(v().txtRoepnaam);
    EXPECT_EQ(adm.Gewijzigd, 0);
    for (int i = 0; i < 5; ++i)
        Toets(v(), Qt::Key_Right);
    Typ(v(), QStringLiteral("e"));
    EXPECT_EQ(adm.Roepnaam(7), Pas("Thijse", 13));
    EXPECT_EQ(adm.Gewijzigd, 1);
    adm.Gewijzigd = 0;

    // A text the key release did not store (put in by the mouse) is stored
    // for the pupil it was typed for when the spin button steps, and flagged.
    v().txtRoepnaam->setText(QStringLiteral("Thijs-Jan"));
    QTest::mouseClick(v().UpDown->KnopOmhoog(), Qt::LeftButton);
    EXPECT_EQ(adm.HuidigeRij, 8);
    EXPECT_EQ(adm.Roepnaam(7), Pas("Thijs-Jan", 13));
    EXPECT_EQ(adm.Roepnaam(8), Pas("Emma", 13));
    EXPECT_EQ(v().txtRoepnaam->Tekst(), Pas("Emma", 13));
    EXPECT_EQ(adm.Gewijzigd, 1);
    // The box still has the focus; leaving it now changes nothing.
    adm.Gewijzigd = 0;
    EXPECT_EQ(v().ActieveControl(), v().txtRoepnaam);
    Klik(v().txtAdres);
    EXPECT_EQ(adm.Gewijzigd, 0);
}

TEST_F(Jaarkaart, TheLevelItemsShowTheOtherLevel)
{
    Open();
    EXPECT_FALSE(v().mnuJaaroverzicht->isEnabled());
    EXPECT_TRUE(v().Toolbar().Knop(QStringLiteral("JAAR"))->isChecked());
    EXPECT_TRUE(v().Toolbar().Knop(QStringLiteral("NIVO1"))->isChecked());
    Kies(v().mnuNiveau2);
    EXPECT_EQ(adm.Niveau, 2);
    EXPECT_EQ(v().NivoLabel->Tekst(), "Niveau  2");
    EXPECT_EQ(Tekstkleur(v().NivoLabel), Kleur(Kleur::Blauw));
    EXPECT_EQ(v().lblNiveau->Tekst(), "VWO   ");
    EXPECT_FALSE(v().Toolbar().Knop(QStringLiteral("NIVO1"))->isChecked());
    EXPECT_TRUE(v().Toolbar().Knop(QStringLiteral("NIVO2"))->isChecked());
    for (int c = 1; c <= AantalKolommen; ++c) {
        EXPECT_EQ(v().lblGewicht[static_cast<std::size_t>(c)]->Tekst(), jaarvoorbeeld::Gewicht(c, 2)) << c;
        EXPECT_EQ(v().lblCijfer[static_cast<std::size_t>(c)]->Tekst(), Trim(adm.Cijfer(7, c, 2).view())) << c;
    }
    EXPECT_EQ(v().lblTrGem[2]->Tekst(), "5.5 ");
    EXPECT_EQ(Tekstkleur(v().lblTrGem[2]), Kleur(KaartDonkergroen));
    EXPECT_EQ(v().lblTrGM[3]->Tekst(), "4.83");
    EXPECT_EQ(Tekstkleur(v().lblTrGM[3]), Kleur(KaartRood));
    EXPECT_EQ(v().lblRp[3]->Tekst(), "5  ");
    EXPECT_EQ(Tekstkleur(v().lblRp[3]), Kleur(KaartRood));
    EXPECT_EQ(v().lblJgem->Tekst(), "6.01");
    // The year column by the calculation method, at once on the toolbar's redraw.
    adm.RapportOptie[5] = 4;
    KlikWerkbalk(v().Toolbar(), QStringLiteral("JAAR"));
    EXPECT_EQ(v().lblJgem->Tekst(), "6.4 ");
    KlikWerkbalk(v().Toolbar(), QStringLiteral("NIVO1"));
    EXPECT_EQ(v().lblJgem->Tekst(), "6.28");
    EXPECT_EQ(adm.Niveau, 1);
}

TEST_F(Jaarkaart, AnEditIsCommittedBeforeEveryCommand)
{
    adm.Gewijzigd = 0;
    Open();
    Klik(v().txtAdres);
    // Put in by the mouse: no key release stored it.
    v().txtAdres->setText(QStringLiteral("Kerkstraat 1"));
    KlikWerkbalk(v().Toolbar(), QStringLiteral("JAAR"));
    EXPECT_EQ(adm.Adres(7), Pas("Kerkstraat 1", 36));
    EXPECT_EQ(adm.Gewijzigd, 1);

    v().txtAdres->setText(QStringLiteral("Kerkstraat 2"));
    OpenMenu(*v().mnuBewerken);
    EXPECT_EQ(adm.Adres(7), Pas("Kerkstraat 2", 36));
    // "&Help" commits nothing as it opens; the about box's redraw keeps the edit all the same.
    v().txtAdres->setText(QStringLiteral("Kerkstraat 3"));
    omgeving.Beantwoord(QDialog::Accepted);
    KiesMenu(*v().mnuHelp, *v().mnuInfo);
    EXPECT_EQ(adm.Adres(7), Pas("Kerkstraat 3", 36));
}

TEST_F(Jaarkaart, TheFieldItemsPutTheCaretBeforeTheFirstCharacter)
{
    adm.Gewijzigd = 0;
    Open();
    Klik(v().txtTelefoon);
    Toets(v(), Qt::Key_End);
    Klik(v().txtMentor);
    Kies(v().mnuTelefoon);
    EXPECT_EQ(v().ActieveControl(), v().txtTelefoon);
    EXPECT_EQ(v().txtTelefoon->SelStart(), 0);
    EXPECT_EQ(v().txtTelefoon->SelLength(), 0);
    const std::pair<QAction*, VasteBreedteInvoer*> items[] = {
        {v().mnuAchternaam, v().txtAchternaam}, {v().mnuRoepnaam, v().txtRoepnaam},
        {v().mnuAdres, v().txtAdres},           {v().mnuPostcode, v().txtPostcode},
        {v().mnuWoonplaats, v().txtWoonplaats}, {v().mnuMentor, v().txtMentor},
    };
    for (const auto& [item, vak] : items) {
        Kies(item);
        EXPECT_EQ(v().ActieveControl(), vak) << item->text().toStdString();
        EXPECT_EQ(vak->SelStart(), 0);
    }
    Typ(v(), QStringLiteral("K"));
    EXPECT_EQ(adm.Mentor(7), "KHE");
    EXPECT_EQ(adm.Gewijzigd, 1);
}

TEST_F(Jaarkaart, SearchMovesTheSpinButtonTheNumberAndTheCard)
{
    adm.Gewijzigd = 0;
    Open();
    omgeving.Beantwoord([](QDialog& d) {
        auto& z = dynamic_cast<frmZoeken&>(d);
        QListWidget* lijst = z.lstLeerlingenLijst;
        for (int i = 0; i < lijst->count(); ++i)
            if (lijst->item(i)->text().contains(QStringLiteral("Hendriks")))
                lijst->setCurrentRow(i);
        KlikKnop(d, QStringLiteral("&OK"));
    });
    KlikWerkbalk(v().Toolbar(), QStringLiteral("ZOEK"));
    EXPECT_EQ(adm.HuidigeRij, 8);
    EXPECT_EQ(v().UpDown->Value(), 8);
    EXPECT_EQ(v().lblNummer->text(), QStringLiteral("8"));
    EXPECT_EQ(v().txtAchternaam->Tekst(), Pas("Hendriks", 30));
    EXPECT_EQ(adm.Gewijzigd, 0);
    // The next step goes on from there.
    QTest::mouseClick(v().UpDown->KnopOmlaag(), Qt::LeftButton);
    EXPECT_EQ(adm.HuidigeRij, 7);
    EXPECT_EQ(adm.Achternaam(8), Pas("Hendriks", 30));
}

TEST_F(Jaarkaart, PrintsTheCurrentPupilAtTheLevelAsked)
{
    struct Druk {
        bool dialoog;
        std::string regel;  // the card's pupil and level lines
    };
    std::vector<Druk> drukken;
    Afdrukstatus antwoord = Afdrukstatus::Gedrukt;
    Open();
    v().Printen = [&](const Paginabouwer& bouw, bool printerdialoog) {
        if (antwoord == Afdrukstatus::Geannuleerd) {
            drukken.push_back({printerdialoog, ""});
            return Afdrukuitkomst{antwoord, "", 0};
        }
        const Paginamodel pm = bouw(A4Afdrukvlak);
        const double w = pm.TextWidth(" "), h = pm.TextHeight();
        const Pagina& p = pm.Paginas().at(0);
        drukken.push_back({printerdialoog, p.Regel(10 * h, 9 * w, w).substr(0, 16) + "|" +
                                               p.Regel(7 * h, 9 * w, w).substr(33, 14)});
        return Afdrukuitkomst{antwoord, "", 1};
    };
    adm.Niveau = 2;
    KlikWerkbalk(v().Toolbar(), QStringLiteral("Print"));
    Klik(v().txtRoepnaam);
    Kies(v().mnuJrNv1);
    EXPECT_EQ(v().ActieveControl(), v().StartFocus);
    Kies(v().mnuJrNv2);
    const std::vector<std::pair<bool, std::string>> verwacht{
        {false, " de Graaf  Thijs|Niveau 2 : VWO"},
        {true, " de Graaf  Thijs|Niveau 1 : HAV"},
        {true, " de Graaf  Thijs|Niveau 2 : VWO"},
    };
    ASSERT_EQ(drukken.size(), verwacht.size());
    for (std::size_t i = 0; i < verwacht.size(); ++i) {
        EXPECT_EQ(drukken[i].dialoog, verwacht[i].first) << i;
        EXPECT_EQ(drukken[i].regel, verwacht[i].second) << i;
    }
    // A cancelled dialog prints nothing and says nothing.
    antwoord = Afdrukstatus::Geannuleerd;
    Kies(v().mnuJrNv1);
    EXPECT_TRUE(omgeving.meldingen.empty());
    EXPECT_EQ(v().ActieveControl(), v().StartFocus);
    // A failure says why.
    antwoord = Afdrukstatus::Mislukt;
    v().Printen = [&](const Paginabouwer&, bool) { return Afdrukuitkomst{antwoord, "Printer niet bereikbaar", 0}; };
    Kies(v().mnuJrNv2);
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, QStringLiteral("Foutmelding:\n\nPrinter niet bereikbaar   "));
}

TEST_F(Jaarkaart, ClosingWithChangesAsksAndCancelKeepsTheWindow)
{
    adm.Gewijzigd = 0;
    Open();
    Klik(v().txtWoonplaats);
    Typ(v(), QStringLiteral("Oud-"));
    EXPECT_EQ(adm.Gewijzigd, 1);
    omgeving.Beantwoord(Knop("&Annuleren"));
    EXPECT_FALSE(v().close());
    EXPECT_TRUE(v().isVisible());
    EXPECT_EQ(adm.Gewijzigd, 1);
    ASSERT_EQ(omgeving.dialogen.size(), 1u);
    EXPECT_EQ(adm.Woonplaats(7), Pas("Oud-Zwolle", 15));
}

// The card among the other views, loaded by the view manager.
class Jaarkaartfamilie : public Familieproef {};

TEST_F(Jaarkaartfamilie, ViewSwitchesTakeTheEditAndThePupilAlong)
{
    jaarvoorbeeld::Vul(adm);
    auto& v = Start<frmJaaroverzicht>(SchermJaaroverzicht);
    v.txtAchternaam->setFocus();
    Verwerk();
    Typ(v, QStringLiteral("X"));
    KlikWerkbalk(v.Toolbar(), QStringLiteral("RAP"));
    auto* rap = Enige<frmRapporten>();
    ASSERT_NE(rap, nullptr);
    EXPECT_EQ(adm.Scherm, SchermRapporten);
    EXPECT_EQ(adm.Achternaam(7), Pas("Xde Graaf", 30));
    EXPECT_EQ(adm.HuidigeRij, 7);
    EXPECT_EQ(adm.Gewijzigd, 1);

    // Back, then on to the term sheets and the names list by the menu.
    ASSERT_TRUE(Activeer(*rap));
    KlikWerkbalk(rap->Toolbar(), QStringLiteral("JAAR"));
    auto* jaar = Enige<frmJaaroverzicht>();
    ASSERT_NE(jaar, nullptr);
    ASSERT_TRUE(Activeer(*jaar));
    EXPECT_EQ(jaar->lblNummer->text(), QStringLiteral("7"));
    Kies(jaar->mnuTrimester2);
    ASSERT_NE(Enige<frmTrimester>(), nullptr);
    EXPECT_EQ(adm.Scherm, SchermTrimester2);
    EXPECT_EQ(adm.EersteKolom, 17);

    auto* blad = Enige<frmTrimester>();
    ASSERT_TRUE(Activeer(*blad));
    KlikWerkbalk(blad->Toolbar(), QStringLiteral("JAAR"));
    jaar = Enige<frmJaaroverzicht>();
    ASSERT_NE(jaar, nullptr);
    ASSERT_TRUE(Activeer(*jaar));
    EXPECT_EQ(jaar->lblNummer->text(), QStringLiteral("7"));
    Kies(jaar->mnuNamenlijst);
    auto* namen = Enige<frmNamen>();
    ASSERT_NE(namen, nullptr);
    EXPECT_EQ(adm.Scherm, SchermNamen);
}

TEST_F(Jaarkaartfamilie, OpeningAFileOfThisViewMovesTheSpinButton)
{
    const std::string pad = Bewaard("klas.vlk", SchermJaaroverzicht);
    {
        auto ander = std::make_unique<AdmMain>();
        CijferbestandOpenen(*ander, pad);
        ander->Achternaam(5) = "Smit";
        ander->HuidigeRij = 5;
        CijferbestandOpslaan(*ander, pad);
    }
    adm.Gewijzigd = 0;
    auto& v = Start<frmJaaroverzicht>(SchermJaaroverzicht);
    omgeving.Beantwoord(Open(pad));
    Kies(v.mnuBestandLaden);
    EXPECT_EQ(Enige<frmJaaroverzicht>(), &v);
    EXPECT_EQ(adm.HuidigeRij, 5);
    EXPECT_EQ(v.UpDown->Value(), 5);
    EXPECT_EQ(v.lblNummer->text(), QStringLiteral("5"));
    EXPECT_EQ(v.txtAchternaam->Tekst(), Pas("Smit", 30));
    EXPECT_EQ(adm.Gewijzigd, 0);

    // Import: the card shows the same pupil as the spin button; the flag is set, also when cancelled.
    omgeving.Beantwoord(Knop("&Annuleren"));
    Kies(v.mnuAnderCijferbestand);
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(v.UpDown->Value(), adm.HuidigeRij);
    EXPECT_EQ(v.txtAchternaam->Tekst(), adm.Achternaam(adm.HuidigeRij).view());
}

TEST_F(Jaarkaart, ScreenShot)
{
    adm.Bestandsnaam = "/home/docent/cijfers/4H2-WISK.VLK";
    Open();
    Klik(v().txtWoonplaats);
    Verwerk();
    const QImage beeld = v().grab().toImage();
    EXPECT_EQ(beeld.size(), QSize(800, 600));
    if (const QByteArray map = qgetenv("MORVALDIEK_DOCS"); !map.isEmpty()) {
        EXPECT_TRUE(beeld.save(QString::fromLocal8Bit(map) + QStringLiteral("/yearoverview.png")));
    }
}

}  // namespace

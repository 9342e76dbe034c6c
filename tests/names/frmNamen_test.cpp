// The names list driven as the teacher drives it: keys, clicks, menus and
// the toolbar, offscreen.
#include "names/frmNamen.h"

#include "core/Cijferbestand.h"
#include "core/Cp1252.h"
#include "core/Instellingen.h"
#include "core/Schermvenster.h"
#include "frame/frmBestandLaden.h"
#include "core/Tekst.h"
#include "frame/frmHarvemoLogo.h"
#include "names/frmLeerlingUitVlk.h"
#include "names/frmLeerlingVerwijderen.h"
#include "names/frmZoeken.h"
#include "platform/Etiket.h"
#include "platform/Kleuren.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"

#include "Tijdelijkemap.h"
#include "Alleenlezen.h"
#include "VensterTest.h"
#include "Voorbeeldklas.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include <filesystem>
#include <string>
#include <vector>


using namespace VensterTest;
namespace fs = std::filesystem;

namespace {

QColor Achtergrond(const QWidget& w)
{
    return w.palette().color(qobject_cast<const QLineEdit*>(&w) ? QPalette::Base : QPalette::Window);
}

class Namenlijst : public ::testing::Test {
protected:
    void SetUp() override { adm.LogoGetoond = 1; }  // the logo has been shown

    // Opens the window on the data set as the test filled it.
    void Open()
    {
        venster = std::make_unique<frmNamen>(adm, omgeving);
        venster->LogoWachttijd = 0;
        ASSERT_TRUE(Activeer(*venster));
    }

    frmNamen& v() { return *venster; }

    // Clicks a box, as the teacher moves into it.
    void Klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }  // mid-box

    // The box on screen line i of grid column k (1 surname .. 7 mentor).
    VasteBreedteInvoer* Vak(int kolom, int regel)
    {
        std::array<VasteBreedteInvoer*, 9>* k[] = {nullptr, &v().txtNaam, &v().txtVoornaam, &v().txtLrlPersNr,
                                                   &v().txtGeslacht, &v().txtBasisGroep, &v().txtKenmerk,
                                                   &v().txtMentor};
        return (*k[kolom])[static_cast<std::size_t>(regel)];
    }

    std::string Getoond(int regel) { return v().lblNummer[static_cast<std::size_t>(regel)]->Tekst(); }

    void Venster(int eerste, int huidig)
    {
        adm.EersteRij = eerste;
        adm.LaatsteRij = eerste + 7;
        adm.HuidigeRij = huidig;
    }

    AdmMain adm;
    TestOmgeving omgeving;
    std::unique_ptr<frmNamen> venster;
};

TEST_F(Namenlijst, ShowsTheRowWindowWithTheCurrentPupilInCyan)
{
    voorbeeld::VulNamen(adm);
    Venster(9, 12);
    Open();
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(Getoond(i), (i < 2 ? "0" : "") + std::to_string(8 + i));
        const bool huidig = i == 4;
        EXPECT_EQ(Achtergrond(*v().lblNummer[static_cast<std::size_t>(i)]),
                  VbKleur(huidig ? Kleur::Cyaan : Kleur::Licht3D));
        for (int k = 1; k <= 7; ++k)
            EXPECT_EQ(Achtergrond(*Vak(k, i)), VbKleur(huidig ? Kleur::Cyaan : Kleur::Wit)) << k << " " << i;
    }
    EXPECT_EQ(Vak(1, 4)->Tekst(), Pas("Kok", 30));  // slot 12, with all its characters
    EXPECT_EQ(Vak(7, 4)->Tekst(), "KOK");
    EXPECT_EQ(v().txtSchool->Tekst(), Pas("Scholengemeenschap Het Baken", 30));
    EXPECT_EQ(v().TrimLabel->Tekst(), "Namenlijst");
    EXPECT_EQ(v().windowTitle(), QStringLiteral("Docenten-Morvaldiek Versie 7.762"));
}

TEST_F(Namenlijst, ARedrawWritesNothingEvenFromAStateNoCommandLeaves)
{
    voorbeeld::VulNamen(adm);
    Open();
    alleenlezen::Controleer(
        adm,
        [this] {
            v().Afdrukken(1);
            v().Afdrukken(0);
        },
        [this] {
            const int eerste = std::stoi(Getoond(1));
            EXPECT_GE(eerste, 1);
            EXPECT_EQ(std::stoi(Getoond(8)), eerste + 7);
            EXPECT_LE(eerste + 7, AantalLeerlingen);
            EXPECT_EQ(Vak(1, 1)->Tekst(), adm.Achternaam(eerste).view());
        });
}

TEST_F(Namenlijst, ANewFileShowsBlankBoxesOfTheStoredWidths)
{
    Open();
    const std::pair<VasteBreedteInvoer*, std::string> vakken[] = {
        {v().txtKlas, std::string(6, ' ')},       {v().txtVak, std::string(6, ' ')},
        {v().txtDeelvak, std::string(6, ' ')},    {v().txtNiveau1, std::string(6, ' ')},
        {v().txtNiveau2, std::string(6, ' ')},    {v().txtSchool, std::string(30, ' ')},
        {v().txtCursus, std::string(9, ' ')},     {v().txtDocent, std::string(30, ' ')},
        {v().txtDocPersNr, "000000"},             {v().txtKlsMentor, std::string(30, ' ')},
        {v().txtMntPersNr, "000000"},             {v().txtNaam[1], std::string(30, ' ')},
        {v().txtVoornaam[1], std::string(13, ' ')}, {v().txtLrlPersNr[1], "000000"},
        {v().txtGeslacht[1], " "},                {v().txtBasisGroep[1], std::string(6, ' ')},
        {v().txtKenmerk[1], std::string(15, ' ')}, {v().txtMentor[1], "   "},
    };
    for (const auto& [vak, tekst] : vakken)
        EXPECT_EQ(vak->Tekst(), tekst) << Naam(vak).toStdString();
    EXPECT_EQ(v().Label15->text().toStdString(), adm.Bestandsnaam);
    EXPECT_EQ(v().lblInsert->Tekst(), "Insert");
    EXPECT_FALSE(v().mnuNamenlijst->isEnabled());
    EXPECT_TRUE(v().Toolbar().Ingedrukt(QStringLiteral("NAM")));
    EXPECT_EQ(v().Toolbar().Key(12), QStringLiteral("NAM"));
    EXPECT_EQ(adm.Gewijzigd, 0);
}

TEST_F(Namenlijst, HeaderBoxesKeepTheirWidthAndMoveInTheirOrder)
{
    Open();
    Klik(v().txtKlas);
    Typ(v(), QStringLiteral("4H2"));
    EXPECT_EQ(v().txtKlas->Tekst(), "4H2   ");
    EXPECT_EQ(adm.Klas, "4H2   ");  // stored at each key release
    Typ(v(), QStringLiteral("abc"));
    EXPECT_EQ(omgeving.piepen, 0);
    Typ(v(), QStringLiteral("d"));  // the caret stands at the width
    EXPECT_EQ(omgeving.piepen, 1);
    EXPECT_EQ(adm.Klas, "4H2abc");
    EXPECT_EQ(adm.Gewijzigd, 1);

    // Enter and Down follow the field order, Up goes back; nothing past
    // either end, and the page keys do nothing in the header.
    const std::vector<VasteBreedteInvoer*> volgorde = {
        v().txtKlas, v().txtVak, v().txtDeelvak, v().txtNiveau1, v().txtNiveau2, v().txtSchool,
        v().txtDocent, v().txtKlsMentor, v().txtCursus, v().txtDocPersNr, v().txtMntPersNr};
    Toets(v(), Qt::Key_Up);
    EXPECT_EQ(v().ActieveControl(), v().txtKlas);
    for (std::size_t i = 1; i < volgorde.size(); ++i) {
        Toets(v(), i % 2 ? Qt::Key_Return : Qt::Key_Down);
        EXPECT_EQ(v().ActieveControl(), volgorde[i]) << i;
        EXPECT_EQ(volgorde[i]->SelStart(), 0);
    }
    Toets(v(), Qt::Key_Return);
    EXPECT_EQ(v().ActieveControl(), v().txtMntPersNr);
    Toets(v(), Qt::Key_Up);
    EXPECT_EQ(v().ActieveControl(), v().txtDocPersNr);
    Toets(v(), Qt::Key_PageDown);
    Toets(v(), Qt::Key_PageUp);
    EXPECT_EQ(v().ActieveControl(), v().txtDocPersNr);
    EXPECT_EQ(adm.HuidigeRij, 1);
    EXPECT_EQ(omgeving.piepen, 1);  // Enter never beeps
}

TEST_F(Namenlijst, PersonnelNumbersAreNormalisedWhenStored)
{
    Open();
    // The teacher's number is selected on entering, so typing replaces it.
    Klik(v().txtDocPersNr);
    v().txtDocPersNr->ZetSelStart(0);
    Toets(v(), Qt::Key_Up);
    Toets(v(), Qt::Key_Down);
    EXPECT_EQ(v().txtDocPersNr->SelLength(), 6);
    Typ(v(), QStringLiteral("123"));
    EXPECT_EQ(v().txtDocPersNr->Tekst(), "123   ");
    EXPECT_EQ(adm.DocentPersNr, "000123");
    Toets(v(), Qt::Key_Down);
    EXPECT_EQ(v().txtDocPersNr->Tekst(), "000123");

    // Letters only are no number.
    Klik(v().txtLrlPersNr[1]);
    v().txtLrlPersNr[1]->selectAll();
    Typ(v(), QStringLiteral("abc"));
    Klik(v().txtNaam[1]);
    EXPECT_EQ(v().txtLrlPersNr[1]->Tekst(), "000000");
    EXPECT_EQ(adm.LeerlingPersNr(1), "000000");
    Klik(v().txtLrlPersNr[1]);
    v().txtLrlPersNr[1]->selectAll();
    Typ(v(), QStringLiteral("4711"));
    Klik(v().txtNaam[1]);
    EXPECT_EQ(v().txtLrlPersNr[1]->Tekst(), "004711");
    EXPECT_EQ(adm.LeerlingPersNr(1), "004711");
}

// Typing at the width of each grid column beeps and changes nothing.
TEST_F(Namenlijst, GridBoxesRefuseACharacterAtTheirWidth)
{
    Open();
    const int breedte[] = {0, 30, 13, 6, 1, 6, 15, 3};
    for (int k = 1; k <= 7; ++k) {
        VasteBreedteInvoer* vak = Vak(k, 1);
        Klik(vak);
        const std::string vol(static_cast<std::size_t>(breedte[k]), 'x');
        vak->ZetTekst(vol);
        vak->ZetSelStart(breedte[k]);
        const int piepen = omgeving.piepen;
        Typ(v(), QStringLiteral("y"));
        EXPECT_EQ(vak->Tekst(), vol) << k;
        EXPECT_EQ(omgeving.piepen, piepen + 1) << k;
    }
}

// Clicked in the middle, a box takes what is typed from its first character.
TEST_F(Namenlijst, AClickInTheMiddleOfABoxTypesFromItsStart)
{
    Open();
    Klik(v().txtNaam[2]);
    EXPECT_EQ(v().txtNaam[2]->SelStart(), 0);
    Typ(v(), QStringLiteral("Jansen"));
    Klik(v().txtVoornaam[2]);
    Typ(v(), QStringLiteral("Kim"));
    Klik(v().txtKlas);
    Typ(v(), QStringLiteral("4H2"));
    Klik(v().txtSchool);
    EXPECT_EQ(adm.Achternaam(2), Pas("Jansen", 30));
    EXPECT_EQ(adm.Roepnaam(2), Pas("Kim", 13));
    EXPECT_EQ(adm.Klas, "4H2   ");
    EXPECT_EQ(omgeving.piepen, 0);
}

// Gewijzigd follows the stored data while a box is edited: back at what it
// held when it got the focus, nothing changed.
TEST_F(Namenlijst, RetypingAFieldToItsOldTextChangesNothing)
{
    adm.Achternaam(1) = "Jansen";
    adm.Klas = "4H2   ";
    Open();
    Klik(v().txtNaam[1]);
    Toets(v(), Qt::Key_Delete);
    EXPECT_EQ(adm.Achternaam(1), Pas("ansen", 30));
    EXPECT_EQ(adm.Gewijzigd, 1);
    Typ(v(), QStringLiteral("J"));
    EXPECT_EQ(adm.Achternaam(1), Pas("Jansen", 30));
    EXPECT_EQ(adm.Gewijzigd, 0);
    Klik(v().txtKlas);
    EXPECT_EQ(adm.Gewijzigd, 0);
    Toets(v(), Qt::Key_Delete);
    Typ(v(), QStringLiteral("4"));
    Toets(v(), Qt::Key_Return);
    EXPECT_EQ(adm.Gewijzigd, 0);

    // A real change stays a change, also when the next box is retyped.
    Klik(v().txtVoornaam[1]);
    Typ(v(), QStringLiteral("Kim"));
    Klik(v().txtNaam[1]);
    Toets(v(), Qt::Key_Delete);
    Typ(v(), QStringLiteral("J"));
    Klik(v().txtKlas);
    EXPECT_EQ(adm.Roepnaam(1), Pas("Kim", 13));
    EXPECT_EQ(adm.Gewijzigd, 1);
}

TEST_F(Namenlijst, InsertAndTypeOverInASurname)
{
    const std::string dertig = "Vermeulen-van den Heuvel-Smits";
    adm.Achternaam(1) = dertig;
    Open();
    Klik(v().txtNaam[1]);
    v().txtNaam[1]->ZetSelStart(3);
    Typ(v(), QStringLiteral("x"));  // insert: the last character drops out
    EXPECT_EQ(adm.Achternaam(1), dertig.substr(0, 3) + "x" + dertig.substr(3, 26));
    EXPECT_EQ(v().txtNaam[1]->SelStart(), 4);

    Toets(v(), Qt::Key_Insert);
    EXPECT_EQ(adm.InsertModus, 0);
    EXPECT_EQ(v().lblInsert->Tekst(), "Type over");
    EXPECT_EQ(Achtergrond(*v().lblInsert), VbKleur(Kleur::TypeOver));
    v().txtNaam[1]->ZetSelStart(0);
    Typ(v(), QStringLiteral("W"));
    EXPECT_EQ(adm.Achternaam(1).view().substr(0, 4), "Werx");
    v().txtNaam[1]->ZetSelStart(29);
    Typ(v(), QStringLiteral("Z"));  // the last character is replaced ...
    EXPECT_EQ(adm.Achternaam(1)[29], 'Z');
    Typ(v(), QStringLiteral("Q"));  // ... and after it the key beeps
    EXPECT_EQ(adm.Achternaam(1)[29], 'Z');
    EXPECT_EQ(omgeving.piepen, 1);
}

TEST_F(Namenlijst, AnEditIsStoredForThePupilItWasTypedFor)
{
    Open();
    // Typed into pupil 3, stored there at each key release.
    Klik(v().txtVoornaam[3]);
    EXPECT_EQ(adm.HuidigeRij, 3);
    Typ(v(), QStringLiteral("Lotte"));
    EXPECT_EQ(adm.Roepnaam(3), Pas("Lotte", 13));
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(Achtergrond(*v().txtNaam[3]), VbKleur(Kleur::Cyaan));
    EXPECT_EQ(Achtergrond(*v().txtNaam[1]), VbKleur(Kleur::Wit));
}

TEST_F(Namenlijst, MovingThroughTheBoxesWithoutTypingChangesNothing)
{
    voorbeeld::VulNamen(adm);
    // As a settings file may hold them: a number not in its six digits, a
    // name longer than its box.
    adm.DocentPersNr = "12";
    adm.Docent = "Johannes Petrus Maria de Vries-Bakker";
    const AdmMain voor = adm;
    Open();
    Klik(v().txtDocent);
    Toets(v(), Qt::Key_End);
    Toets(v(), Qt::Key_Left);
    Klik(v().txtDocPersNr);
    Toets(v(), Qt::Key_Right);
    Toets(v(), Qt::Key_Down);
    Klik(v().txtKenmerk[1]);
    for (int i = 0; i < 40; ++i)
        Toets(v(), Qt::Key_Down);
    Toets(v(), Qt::Key_PageUp);
    Klik(v().txtNaam[5]);
    Klik(v().txtKlas);
    OpenMenu(*v().mnuSorteren);
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(adm.DocentPersNr, "12");
    EXPECT_EQ(adm.Docent, voor.Docent);
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        EXPECT_EQ(adm.Achternaam(p), voor.Achternaam(p));
        EXPECT_EQ(adm.Kenmerk(p), voor.Kenmerk(p));
        EXPECT_EQ(adm.LeerlingPersNr(p), voor.LeerlingPersNr(p));
    }
}

// Down on every pupil, typing a code into each: all 36 keep their own.
TEST_F(Namenlijst, DownOverAll36PupilsKeepsEachEditWithItsPupil)
{
    Open();
    Klik(v().txtMentor[1]);
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        ASSERT_EQ(adm.HuidigeRij, p);
        Typ(v(), QString::number(p + 100));  // three characters: the box is full
        Toets(v(), Qt::Key_Down);
    }
    for (int p = 1; p <= AantalLeerlingen; ++p)
        EXPECT_EQ(adm.Mentor(p), std::to_string(p + 100)) << p;
    EXPECT_EQ(adm.HuidigeRij, 36);  // Down on 36 does nothing
    EXPECT_EQ(adm.EersteRij, 29);
    EXPECT_EQ(adm.LaatsteRij, 36);
    EXPECT_EQ(v().ActieveControl(), v().txtMentor[8]);
    EXPECT_EQ(v().txtMentor[8]->Tekst(), "136");
    EXPECT_EQ(Getoond(1), "29");
}

struct Stap {
    int eerste, huidig;
    Qt::Key toets;
    int eersteNa, huidigNa;
};

void PrintTo(const Stap& s, std::ostream* os)
{
    const char* toets = s.toets == Qt::Key_Down     ? "Down"
                        : s.toets == Qt::Key_Up       ? "Up"
                        : s.toets == Qt::Key_PageUp   ? "PgUp"
                        : s.toets == Qt::Key_PageDown ? "PgDn"
                                                      : "Enter";
    *os << "rows " << s.eerste << "-" << s.eerste + 7 << ", pupil " << s.huidig << ", " << toets;
}

class Bladeren : public Namenlijst, public ::testing::WithParamInterface<Stap> {};

// The edge cases of the keys, with an edit typed first: it stays with the
// pupil it was typed for, the pupil now current is untouched.
TEST_P(Bladeren, TheEditGoesWithItsPupilBeforeTheWindowMoves)
{
    const Stap s = GetParam();
    for (int p = 1; p <= AantalLeerlingen; ++p)
        adm.Achternaam(p) = "Leerling " + std::to_string(p);
    Venster(s.eerste, s.huidig);
    Open();
    VasteBreedteInvoer* vak = v().txtNaam[static_cast<std::size_t>(GetoondeRij(adm, s.huidig))];
    Klik(vak);
    vak->selectAll();
    Typ(v(), QStringLiteral("Getypt"));
    Toets(v(), s.toets);
    EXPECT_EQ(adm.HuidigeRij, s.huidigNa);
    EXPECT_EQ(adm.EersteRij, s.eersteNa);
    EXPECT_EQ(adm.LaatsteRij, s.eersteNa + 7);
    for (int p = 1; p <= AantalLeerlingen; ++p)
        EXPECT_EQ(adm.Achternaam(p), Pas(p == s.huidig ? "Getypt" : "Leerling " + std::to_string(p), 30)) << p;
    // The box of the new current line shows that pupil and has the focus.
    VasteBreedteInvoer* nu = v().txtNaam[static_cast<std::size_t>(GetoondeRij(adm, s.huidigNa))];
    EXPECT_EQ(v().ActieveControl(), nu);
    EXPECT_EQ(nu->Tekst(), adm.Achternaam(s.huidigNa).str());
    EXPECT_EQ(Getoond(1), (s.eersteNa < 10 ? "0" : "") + std::to_string(s.eersteNa));
}

INSTANTIATE_TEST_SUITE_P(Toetsen, Bladeren,
                         ::testing::Values(Stap{1, 8, Qt::Key_Down, 2, 9}, Stap{1, 8, Qt::Key_Return, 2, 9},
                                           Stap{1, 1, Qt::Key_PageDown, 2, 9}, Stap{1, 5, Qt::Key_PageDown, 6, 13},
                                           Stap{23, 30, Qt::Key_PageDown, 29, 36}, Stap{9, 9, Qt::Key_PageUp, 1, 1},
                                           Stap{1, 5, Qt::Key_PageUp, 1, 1}, Stap{9, 9, Qt::Key_Up, 8, 8},
                                           Stap{1, 1, Qt::Key_Up, 1, 1}, Stap{29, 36, Qt::Key_Down, 29, 36},
                                           Stap{1, 3, Qt::Key_Down, 1, 4}));

TEST_F(Namenlijst, AltHeldStopsTheNavigation)
{
    Open();
    Klik(v().txtNaam[1]);
    QTest::keyPress(Toetsdoel(v()), Qt::Key_Alt);
    QTest::keyClick(Toetsdoel(v()), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(adm.HuidigeRij, 1);
    QTest::keyRelease(Toetsdoel(v()), Qt::Key_Alt);
    Toets(v(), Qt::Key_Down);
    EXPECT_EQ(adm.HuidigeRij, 2);

    // A release of Alt the window never saw does not leave the keys dead.
    QTest::keyPress(Toetsdoel(v()), Qt::Key_Alt);
    EXPECT_EQ(adm.AltIngedrukt, 1);
    Toets(v(), Qt::Key_Down);
    EXPECT_EQ(adm.HuidigeRij, 3);
}

TEST_F(Namenlijst, ARowNumberClickMakesThatRowCurrent)
{
    Venster(9, 9);
    Open();
    Klik(v().txtKenmerk[1]);
    QTest::mouseClick(v().lblNummer[6], Qt::LeftButton);
    EXPECT_EQ(adm.HuidigeRij, 14);
    EXPECT_EQ(adm.EersteRij, 9);
    EXPECT_EQ(Achtergrond(*v().lblNummer[6]), VbKleur(Kleur::Cyaan));
    EXPECT_EQ(Achtergrond(*v().lblNummer[1]), VbKleur(Kleur::Licht3D));
    EXPECT_EQ(v().ActieveControl(), v().txtKenmerk[6]);
    EXPECT_EQ(v().vsbScroll->value(), 14);
}

TEST_F(Namenlijst, TheScrollBarMovesTheCurrentPupil)
{
    Open();
    Klik(v().txtNaam[2]);
    v().vsbScroll->setValue(20);
    EXPECT_EQ(adm.HuidigeRij, 20);
    EXPECT_EQ(adm.EersteRij, 13);
    EXPECT_EQ(v().ActieveControl(), v().txtNaam[8]);
    v().vsbScroll->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(adm.HuidigeRij, 12);
    EXPECT_EQ(adm.EersteRij, 12);
    EXPECT_EQ(v().ActieveControl(), v().txtNaam[1]);
}

TEST_F(Namenlijst, MenusCommitTheBoxBeingEditedExceptHelp)
{
    Open();
    Klik(v().txtNaam[1]);
    v().txtNaam[1]->insert(QStringLiteral("Plak"));  // a text that came in without a key
    OpenMenu(*v().mnuHelp);
    EXPECT_TRUE(adm.Achternaam(1).leeg());
    OpenMenu(*v().mnuLijsten);
    EXPECT_EQ(adm.Achternaam(1), Pas("Plak", 30));
    EXPECT_EQ(v().txtNaam[1]->Tekst(), Pas("Plak", 30));  // redrawn
    EXPECT_EQ(adm.Gewijzigd, 1);
}

TEST_F(Namenlijst, FocusItemsPutTheCaretAtTheStart)
{
    Venster(9, 12);
    Open();
    KiesMenu(*v().mnuBewerken, *v().mnuKlas);
    EXPECT_EQ(v().ActieveControl(), v().txtKlas);
    KiesMenu(*v().mnuBewerken, *v().mnuMntPersNr);
    EXPECT_EQ(v().ActieveControl(), v().txtMntPersNr);
    EXPECT_EQ(v().txtMntPersNr->SelStart(), 0);
    EXPECT_EQ(v().txtMntPersNr->SelLength(), 6);
    KiesMenu(*v().mnuBewerken, *v().mnuKenmerk);
    EXPECT_EQ(v().ActieveControl(), v().txtKenmerk[4]);
    EXPECT_EQ(adm.HuidigeRij, 12);
    KiesMenu(*v().mnuBewerken, *v().mnuAchternaam);
    EXPECT_EQ(v().ActieveControl(), v().txtNaam[4]);
}

struct Sortering {
    QAction* frmNamen::*item;
    std::vector<std::string> namen;  // slots 1.. after the sort
};

TEST_F(Namenlijst, EachSortOrderFromTheMenu)
{
    const Sortering sorteringen[] = {
        {&frmNamen::mnuSortAchternaam, {"Aarts", "Bos", "de Vries", "Meijer"}},
        {&frmNamen::mnuSortBasisgroep, {"Bos", "Aarts", "Meijer", "de Vries"}},
        {&frmNamen::mnuSortKenmerk, {"Aarts", "de Vries"}},
        {&frmNamen::mnuSortMentor, {"Meijer", "de Vries", "Aarts"}},
    };
    for (const Sortering& s : sorteringen) {
        NieuwCijferbestand(adm);
        const char* namen[] = {"Meijer", "de Vries", "Bos", "Aarts"};
        const char* groepen[] = {"4H2b", "4H2c", "4H2a", "4H2b"};
        const char* kenmerken[] = {"", "topsport", "", "dyslexie"};
        const char* mentoren[] = {"ABC", "DEF", "", "GHI"};
        for (int p = 1; p <= 4; ++p) {
            adm.Achternaam(p) = namen[p - 1];
            adm.Basisgroep(p) = groepen[p - 1];
            adm.Kenmerk(p) = kenmerken[p - 1];
            adm.Mentor(p) = mentoren[p - 1];
        }
        Venster(1, 2);
        Open();
        KiesMenu(*v().mnuSorteren, *(v().*s.item));
        for (std::size_t i = 0; i < s.namen.size(); ++i)
            EXPECT_EQ(adm.Achternaam(static_cast<int>(i) + 1), Pas(s.namen[i], 30)) << s.namen[i];
        EXPECT_EQ(v().txtNaam[1]->Tekst(), Pas(s.namen[0], 30));  // redrawn
        EXPECT_EQ(adm.HuidigeRij, 2);
        EXPECT_EQ(adm.Gewijzigd, 1);
    }
}

// Three namesakes whose entries read alike: the chosen ones only.
TEST_F(Namenlijst, DeleteEmptiesExactlyTheChosenPupils)
{
    for (int p = 1; p <= 4; ++p) {
        adm.Achternaam(p) = p == 2 ? "Bos" : "Jansen";
        adm.Roepnaam(p) = "Kim";
        adm.Cijfer(p, 1, 1) = "7";
    }
    adm.Achternaam(3) = "Jansen-de Boer-Smit";  // the same first 16 characters as "Jansen-de Boer-S..."
    adm.Achternaam(4) = "Jansen-de Boer-Sluis";
    Open();
    omgeving.Beantwoord([](QDialog& d) {
        auto& venster = dynamic_cast<frmLeerlingVerwijderen&>(d);
        QListWidget* lijst = venster.lstLeerlingenLijst;
        ASSERT_EQ(lijst->count(), 4);
        EXPECT_EQ(lijst->item(2)->text(), lijst->item(3)->text());
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, lijst->visualItemRect(lijst->item(3)).center());
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, lijst->visualItemRect(lijst->item(1)).center());
        KlikKnop(d, QStringLiteral("&Verwijderen"));
    });
    KiesMenu(*v().mnuBewerken, *v().mnuLeerlingVerwijderen);
    EXPECT_EQ(omgeving.dialogen, (std::vector<QString>{QStringLiteral("Leerling(en)  Verwijderen")}));
    EXPECT_FALSE(LeegLeerling(adm, 1));
    EXPECT_TRUE(LeegLeerling(adm, 2));
    EXPECT_FALSE(LeegLeerling(adm, 3));
    EXPECT_TRUE(LeegLeerling(adm, 4));
    EXPECT_TRUE(adm.Cijfer(4, 1, 1).leeg());
    EXPECT_EQ(adm.Cijfer(3, 1, 1), Pas("7", 3));
    EXPECT_EQ(v().txtNaam[4]->Tekst(), std::string(30, ' '));  // redrawn
    EXPECT_EQ(adm.Gewijzigd, 1);

    // Cancelled: nothing goes, yet the file counts as changed.
    adm.Gewijzigd = 0;
    omgeving.Beantwoord([](QDialog& d) {
        auto& venster = dynamic_cast<frmLeerlingVerwijderen&>(d);
        venster.lstLeerlingenLijst->item(0)->setSelected(true);
        Toets(d, Qt::Key_Escape);
    });
    KiesMenu(*v().mnuBewerken, *v().mnuLeerlingVerwijderen);
    EXPECT_FALSE(LeegLeerling(adm, 1));
    EXPECT_EQ(adm.Gewijzigd, 1);
}

// Space toggles the focused entry only; letters find nothing, so no
// second pupil is picked by the entries' leading blank.
TEST_F(Namenlijst, SpaceInTheDeleteListPicksOnlyTheFocusedPupil)
{
    adm.Achternaam(1) = "Bos";
    adm.Achternaam(2) = "Kok";
    adm.Achternaam(3) = "Visser";
    for (int p = 1; p <= 3; ++p) {
        adm.Roepnaam(p) = "Kim";
        adm.Cijfer(p, 1, 1) = "7";
    }
    Open();
    omgeving.Beantwoord([](QDialog& d) {
        auto& venster = dynamic_cast<frmLeerlingVerwijderen&>(d);
        QListWidget* lijst = venster.lstLeerlingenLijst;
        venster.ZetFocus(lijst);
        lijst->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        Toets(d, Qt::Key_Space);
        Typ(d, QStringLiteral("v"));
        ASSERT_EQ(lijst->selectedItems().size(), 1);
        EXPECT_EQ(lijst->selectedItems()[0], lijst->item(0));
        EXPECT_EQ(lijst->currentRow(), 0);
        KlikKnop(d, QStringLiteral("&Verwijderen"));
    });
    KiesMenu(*v().mnuBewerken, *v().mnuLeerlingVerwijderen);
    EXPECT_TRUE(LeegLeerling(adm, 1));
    EXPECT_FALSE(LeegLeerling(adm, 2));
    EXPECT_FALSE(LeegLeerling(adm, 3));

    // In the search list Space and letters move nothing either.
    omgeving.Beantwoord([](QDialog& d) {
        auto& z = dynamic_cast<frmZoeken&>(d);
        QListWidget* lijst = z.lstLeerlingenLijst;
        z.ZetFocus(lijst);
        lijst->setCurrentRow(0);
        Toets(d, Qt::Key_Space);
        Typ(d, QStringLiteral("v"));
        ASSERT_EQ(lijst->selectedItems().size(), 1);
        EXPECT_EQ(lijst->selectedItems()[0], lijst->item(0));
        KlikKnop(d, QStringLiteral("&OK"));
    });
    KiesMenu(*v().mnuBewerken, *v().mnuZoeken);
    EXPECT_EQ(adm.HuidigeRij, 2);
}

TEST_F(Namenlijst, SearchMakesTheChosenPupilCurrent)
{
    voorbeeld::VulNamen(adm);
    adm.Achternaam(33) = "de Jong";
    adm.Roepnaam(33) = "Julia";  // a namesake of slot 11
    Open();

    // Typing selects the first match in slot order; Enter makes it current,
    // shown on the bottom row.
    omgeving.Beantwoord([](QDialog& d) {
        auto& z = dynamic_cast<frmZoeken&>(d);
        EXPECT_EQ(z.ActieveControl(), z.txtZoek);
        ASSERT_FALSE(z.lstLeerlingenLijst->selectedItems().isEmpty());
        EXPECT_EQ(z.lstLeerlingenLijst->selectedItems()[0]->text().mid(1, 6), QStringLiteral("Bakker"));
        Typ(d, QStringLiteral("VZ"));
        EXPECT_TRUE(z.lstLeerlingenLijst->selectedItems().isEmpty());
        QTest::keyClick(z.txtZoek, Qt::Key_Backspace);
        Typ(d, QStringLiteral("i"));
        ASSERT_EQ(z.lstLeerlingenLijst->selectedItems().size(), 1);
        EXPECT_EQ(z.lstLeerlingenLijst->selectedItems()[0]->text().mid(1, 7), QStringLiteral("Visser "));
        Toets(d, Qt::Key_Return);
    });
    KlikWerkbalk(v().Toolbar(), QStringLiteral("ZOEK"));
    EXPECT_EQ(adm.HuidigeRij, 24);
    EXPECT_EQ(adm.EersteRij, 17);
    EXPECT_EQ(Getoond(8), "24");
    EXPECT_EQ(Achtergrond(*v().lblNummer[8]), VbKleur(Kleur::Cyaan));

    // The second of two namesakes, clicked: that pupil, not the first.
    omgeving.Beantwoord([](QDialog& d) {
        auto& z = dynamic_cast<frmZoeken&>(d);
        QListWidget* lijst = z.lstLeerlingenLijst;
        QListWidgetItem* tweede = lijst->item(lijst->count() - 1);
        EXPECT_EQ(tweede->text(), lijst->findItems(QStringLiteral(" de Jong"), Qt::MatchStartsWith)[0]->text());
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, lijst->visualItemRect(tweede).center());
        EXPECT_EQ(z.txtZoek->text(), QStringLiteral("de Jong         "));
        EXPECT_TRUE(tweede->isSelected());  // the click's text does not search again
        KlikKnop(d, QStringLiteral("&OK"));
    });
    KiesMenu(*v().mnuBewerken, *v().mnuZoeken);
    EXPECT_EQ(adm.HuidigeRij, 33);
    EXPECT_EQ(adm.LaatsteRij, 33);

    // Cleared search text: nothing selected, OK changes nothing.
    omgeving.Beantwoord([](QDialog& d) {
        auto& z = dynamic_cast<frmZoeken&>(d);
        Typ(d, QStringLiteral("x"));
        QTest::keyClick(z.txtZoek, Qt::Key_Backspace);
        EXPECT_TRUE(z.lstLeerlingenLijst->selectedItems().isEmpty());
        KlikKnop(d, QStringLiteral("&OK"));
    });
    KiesMenu(*v().mnuBewerken, *v().mnuZoeken);
    EXPECT_EQ(adm.HuidigeRij, 33);

    // Ctrl+F opens it too; Esc leaves everything as it was.
    omgeving.Beantwoord([](QDialog& d) {
        Typ(d, QStringLiteral("bak"));
        Toets(d, Qt::Key_Escape);
    });
    Toets(v(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(omgeving.dialogen.size(), 4u);
    EXPECT_EQ(adm.HuidigeRij, 33);
    EXPECT_EQ(adm.Gewijzigd, 0);  // a search changes no data
}

TEST_F(Namenlijst, NamButtonDoesNothingHere)
{
    Open();
    Klik(v().txtNaam[1]);
    Typ(v(), QStringLiteral("A"));
    KlikWerkbalk(v().Toolbar(), QStringLiteral("NAM"));
    EXPECT_TRUE(v().isVisible());
    EXPECT_EQ(adm.Achternaam(1), Pas("A", 30));
    EXPECT_TRUE(omgeving.dialogen.empty());
}

TEST_F(Namenlijst, ImportFromAnotherGradeFileFillsTheFirstEmptySlots)
{
    const Tijdelijkemap tijdelijk;
    const fs::path& map = tijdelijk.pad();
    AdmMain bron;
    bron.Klas = "4H1   ";
    bron.Vak = "WISK  ";
    bron.Achternaam(5) = "Vos";
    bron.Roepnaam(5) = "Noa";
    bron.Cijfer(5, 1, 1) = "8  ";
    CijferbestandOpslaan(bron, (map / "bron.vlk").string());

    adm.Achternaam(1) = "Bakker";
    adm.Achternaam(2) = "Bos";
    // The open dialog starts in the last folder of the settings file.
    adm.StartMap = (map / "start").string();
    fs::create_directories(adm.StartMap);
    adm.LaatsteMap = map.string();
    InstellingenBewaren(adm, adm.StartMap);
    Open();
    omgeving.Beantwoord([&](QDialog& d) {
        auto& laden = dynamic_cast<frmBestandLaden&>(d);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Leerling(en) importeren uit ander Cijferbestand"));
        ASSERT_EQ(laden.lstBestandenLijst->count(), 1);
        QListWidget* lijst = laden.lstBestandenLijst;
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, lijst->visualItemRect(lijst->item(0)).center());
        omgeving.Beantwoord([](QDialog& v) {
            auto& import = dynamic_cast<frmLeerlingUitVlk&>(v);
            import.cmdSelectAll_Click();
            KlikKnop(v, QStringLiteral("&Importeren"));
        });
        KlikKnop(d, QStringLiteral("&Openen"));
    });
    KiesMenu(*v().mnuTrimMenu, *v().mnuAnderCijferbestand);
    EXPECT_EQ(adm.Achternaam(3), Pas("Vos", 30));
    EXPECT_EQ(adm.Cijfer(3, 1, 1), "8  ");
    EXPECT_EQ(v().txtNaam[3]->Tekst(), Pas("Vos", 30));  // redrawn
    EXPECT_EQ(adm.Gewijzigd, 1);

    // Cancelled, the file still counts as changed.
    adm.Gewijzigd = 0;
    omgeving.Beantwoord([](QDialog& d) { KlikKnop(d, QStringLiteral("&Annuleren")); });
    KiesMenu(*v().mnuTrimMenu, *v().mnuAnderCijferbestand);
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_TRUE(LeegLeerling(adm, 4));

    // The names file import: its own dialog, a redraw afterwards.
    omgeving.Beantwoord([](QDialog& d) { KlikKnop(d, QStringLiteral("&Annuleren")); });
    KiesMenu(*v().mnuTrimMenu, *v().mnuNamenbestand);
    EXPECT_EQ(omgeving.dialogen.back(), QStringLiteral("Leerling(en) importeren uit Dravonel Namenbestand\""));
}

// The window at 800 x 600 with a class filled in; written as a picture for
// the documentation when MORVALDIEK_DOCS names the folder.
TEST_F(Namenlijst, Schermafdruk)
{
    voorbeeld::VulNamen(adm);
    adm.Bestandsnaam = "/home/docent/cijfers/4H2-WISK.VLK";
    Venster(1, 4);
    Open();
    Klik(v().txtKenmerk[4]);
    v().txtKenmerk[4]->ZetSelStart(0);
    Verwerk();
    const QImage beeld = v().grab().toImage();
    EXPECT_EQ(beeld.size(), QSize(800, 600));
    if (const QByteArray map = qgetenv("MORVALDIEK_DOCS"); !map.isEmpty()) {
        EXPECT_TRUE(beeld.save(QString::fromLocal8Bit(map) + QStringLiteral("/names.png")));
    }
}

TEST(NamenlijstLogo, ShownOnTheFirstActivationOnly)
{
    AdmMain adm;
    TestOmgeving omgeving;
    frmNamen venster(adm, omgeving);
    venster.LogoWachttijd = 80;
    std::vector<int> wachttijden;
    bool logoBijWachten = false;
    venster.Wachten = [&](int ms) {
        wachttijden.push_back(ms);
        logoBijWachten = venster.Logo() && venster.Logo()->isVisible();
    };
    ASSERT_TRUE(Activeer(venster));
    EXPECT_EQ(wachttijden, std::vector<int>{80});
    EXPECT_TRUE(logoBijWachten);  // the logo stands while the wait runs
    EXPECT_EQ(adm.LogoGetoond, 1);
    EXPECT_EQ(venster.Logo(), nullptr);  // gone again

    // After a modal window the window is activated again: no logo, no wait.
    omgeving.Beantwoord(QDialog::Accepted);
    KiesMenu(*venster.mnuHelp, *venster.mnuInfo);
    EXPECT_EQ(wachttijden, std::vector<int>{80});
    EXPECT_EQ(omgeving.dialogen.size(), 1u);
}

TEST(NamenlijstLogo, TheStartUpLogoStaysUpForTheWaitAndThenGoes)
{
    AdmMain adm;
    TestOmgeving omgeving;
    frmHarvemoLogo logo;
    logo.ToonEnWacht(0);
    frmNamen venster(adm, omgeving);
    venster.LogoWachttijd = 0;
    venster.StartLogo = &logo;
    ASSERT_TRUE(Activeer(venster));
    EXPECT_FALSE(logo.isVisible());
    EXPECT_EQ(venster.Logo(), nullptr);  // no second logo window was made
    EXPECT_EQ(adm.LogoGetoond, 1);
}

}  // namespace

// The window layer: key preview, focus events, activation, menu and toolbar
// commits, and the test environment answering modal windows.
#include "platform/Venster.h"

#include "platform/Etiket.h"
#include "platform/Toetsen.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"

#include "VensterTest.h"

#include <gtest/gtest-spi.h>

#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QTranslator>
#include <QWindow>

#include <functional>
#include <string>
#include <vector>

using namespace VensterTest;

namespace {

using Logboek = std::vector<std::string>;

// A view window with a focus box and two entry boxes that logs every handler.
class ProefVenster : public Venster {
public:
    ProefVenster(AdmMain& adm, Omgeving& omgeving, Logboek& log) : Venster(adm, omgeving), log_(log)
    {
        QWidget* midden = &Vlak();
        start = new Focusvak(omgeving, adm.InsertModus, midden);
        b1 = new VasteBreedteInvoer(omgeving, adm.InsertModus, {3}, midden);
        b2 = new VasteBreedteInvoer(omgeving, adm.InsertModus, {3}, midden);
        b1->setGeometry(10, 40, 60, 24);
        b2->setGeometry(10, 70, 60, 24);
        Volg(start, "start");
        Volg(b1, "b1");
        Volg(b2, "b2");
        bestand = Hoofdmenu(QStringLiteral("&Bestand"));
        help = Hoofdmenu(QStringLiteral("&Help"), false);
        Toolbar().VoegKnopToe(QStringLiteral("New"), QStringLiteral("Nieuw cijferbestand"));
        Toolbar().VoegScheidingToe();
        Toolbar().VoegKnopToe(QStringLiteral("Save"), QStringLiteral("Cijferbestand opslaan"));
        resize(300, 200);
    }

    std::function<void(int&, int&)> bijKeyDown;
    std::function<void(int&)> bijKeyPress;

    void Form_KeyDown(int& KeyCode, int& Shift) override
    {
        Log("Form_KeyDown " + std::to_string(KeyCode) + "/" + std::to_string(Shift));
        if (bijKeyDown)
            bijKeyDown(KeyCode, Shift);
    }
    void Form_KeyPress(int& KeyAscii) override
    {
        Log("Form_KeyPress " + std::to_string(KeyAscii));
        if (bijKeyPress)
            bijKeyPress(KeyAscii);
    }
    void Form_KeyUp(int& KeyCode, int&) override { Log("Form_KeyUp " + std::to_string(KeyCode)); }
    void Form_Activate() override { Log("Form_Activate"); }
    void Invoervastlegging(Opdrachtbron bron) override
    {
        Log(bron == Opdrachtbron::Menu ? "vastlegging menu" : "vastlegging werkbalk");
    }
    void Menu_Click(QMenu* menu) override { Log("Menu_Click " + menu->title().toStdString()); }
    void Toolbar_ButtonClick(const QString& key) override { Log("Toolbar " + key.toStdString()); }

    Focusvak* start;
    VasteBreedteInvoer* b1;
    VasteBreedteInvoer* b2;
    QMenu* bestand;
    QMenu* help;

private:
    void Log(std::string s) { log_.push_back(std::move(s)); }
    void Volg(VasteBreedteInvoer* v, const std::string& naam)
    {
        connect(v, &VasteBreedteInvoer::GotFocus, this, [this, naam] { Log(naam + " GotFocus"); });
        connect(v, &VasteBreedteInvoer::LostFocus, this, [this, naam] { Log(naam + " LostFocus"); });
        connect(v, &VasteBreedteInvoer::KeyDown, this, [this, naam](int& c, int&) { Log(naam + " KeyDown " + std::to_string(c)); });
        connect(v, &VasteBreedteInvoer::KeyPress, this, [this, naam](int& a) { Log(naam + " KeyPress " + std::to_string(a)); });
        connect(v, &VasteBreedteInvoer::KeyUp, this, [this, naam](int& c, int&) { Log(naam + " KeyUp " + std::to_string(c)); });
    }
    Logboek& log_;
};

class VensterProef : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Activeer(venster));
        venster.ZetFocus(venster.b1);
        log.clear();
    }

    AdmMain adm;
    TestOmgeving omgeving;
    Logboek log;
    ProefVenster venster{adm, omgeving, log};
};

TEST_F(VensterProef, VensterZietToetsenVoorDeBesturing)
{
    Typ(venster, QStringLiteral("a"));
    EXPECT_EQ(log, (Logboek{"Form_KeyDown 65/0", "b1 KeyDown 65", "Form_KeyPress 97", "b1 KeyPress 97",
                            "Form_KeyUp 65", "b1 KeyUp 65"}));
    EXPECT_EQ(venster.b1->Tekst(), "a  ");
}

TEST_F(VensterProef, VensterSlikt)
{
    // A zeroed key code keeps the key from the box, not its character.
    venster.bijKeyDown = [](int& c, int&) { c = 0; };
    Typ(venster, QStringLiteral("7"));
    EXPECT_EQ(venster.b1->Tekst(), "7  ");
    EXPECT_EQ(std::count(log.begin(), log.end(), "b1 KeyDown 55"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "b1 KeyPress 55"), 1);

    // Zeroing both, as for Enter, leaves the box untouched.
    log.clear();
    venster.bijKeyPress = [](int& a) { a = 0; };
    venster.b1->ZetSelStart(1);
    Toets(venster, Qt::Key_Return);
    Typ(venster, QStringLiteral("8"));
    EXPECT_EQ(venster.b1->Tekst(), "7  ");
    EXPECT_EQ(log, (Logboek{"Form_KeyDown 13/0", "Form_KeyPress 13", "Form_KeyUp 13", "b1 KeyUp 13",
                            "Form_KeyDown 56/0", "Form_KeyPress 56", "Form_KeyUp 56", "b1 KeyUp 56"}));
}

TEST_F(VensterProef, VensterStuurtEenAndereToetsDoor)
{
    venster.bijKeyPress = [](int& a) {
        if (a == ',')
            a = '.';
    };
    Typ(venster, QStringLiteral("6,5"));
    EXPECT_EQ(venster.b1->Tekst(), "6.5");

    venster.bijKeyDown = [](int& c, int&) {
        if (c == 39)
            c = 36;  // Right becomes Home
    };
    Toets(venster, Qt::Key_Right);
    EXPECT_EQ(venster.b1->SelStart(), 0);
}

TEST(Toetscodes, VanQt)
{
    struct {
        int qt;
        bool keypad;
        int vb;
    } tabel[] = {
        {Qt::Key_Return, false, 13}, {Qt::Key_Enter, true, 13},    {Qt::Key_Escape, false, 27},
        {Qt::Key_PageUp, false, 33}, {Qt::Key_PageDown, false, 34}, {Qt::Key_Up, false, 38},
        {Qt::Key_Down, false, 40},   {Qt::Key_Insert, false, 45},  {Qt::Key_Delete, false, 46},
        {Qt::Key_Alt, false, 18},    {Qt::Key_Backspace, false, 8}, {Qt::Key_Space, false, 32},
        {Qt::Key_A, false, 65},      {Qt::Key_7, false, 55},       {Qt::Key_5, true, 101},
        {Qt::Key_Comma, false, 188}, {Qt::Key_Period, false, 190}, {Qt::Key_Period, true, 110},
        {Qt::Key_Minus, false, 189}, {Qt::Key_F1, false, 112},     {Qt::Key_NumLock, false, 144},
        {Qt::Key_Exclam, false, 49}, {Qt::Key_Eacute, false, 223},
    };
    for (const auto& t : tabel)
        EXPECT_EQ(VbToetscode(t.qt, t.keypad), t.vb) << std::hex << t.qt;
    EXPECT_EQ(VbShift(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
    EXPECT_EQ(QtToets(40), Qt::Key_Down);
}

TEST_F(VensterProef, FocuswisselLooptMeteen)
{
    QObject::connect(venster.b2, &VasteBreedteInvoer::GotFocus, &venster, [&] { log.push_back("in b2"); });
    venster.ZetFocus(venster.b2);
    log.push_back("terug");
    EXPECT_EQ(log, (Logboek{"b1 LostFocus", "b2 GotFocus", "in b2", "terug"}));

    // Also in a window that is not the active one.
    QWidget ander;
    ASSERT_TRUE(Activeer(ander));
    log.clear();
    venster.ZetFocus(venster.b1);
    log.push_back("terug");
    venster.ZetFocus(venster.b1);  // the focused box: nothing
    EXPECT_EQ(log, (Logboek{"b2 LostFocus", "b1 GotFocus", "terug"}));
    // A focus set behind the handlers' back shows when the window is back.
    venster.b2->setFocus();
    EXPECT_EQ(log.size(), 3u);
    ASSERT_TRUE(Activeer(venster));
    EXPECT_EQ(log, (Logboek{"b2 LostFocus", "b1 GotFocus", "terug", "b1 LostFocus", "b2 GotFocus", "in b2"}));
    EXPECT_TRUE(venster.b2->hasFocus());
}

TEST_F(VensterProef, MenuPopupEnActiveringZijnGeenFocuswissel)
{
    OpenMenu(*venster.help);
    QMenu los;
    los.addAction(QStringLiteral("x"));
    OpenMenu(los);
    QWidget ander;
    ASSERT_TRUE(Activeer(ander));
    ASSERT_TRUE(Activeer(venster));
    EXPECT_TRUE(log.empty()) << log.front();
    EXPECT_EQ(venster.ActieveControl(), venster.b1);

    // A click moves the focus as a key does.
    QTest::mouseClick(venster.b2, Qt::LeftButton);
    EXPECT_EQ(log, (Logboek{"b1 LostFocus", "b2 GotFocus"}));
}

TEST(Activering, NaEersteTonenEnEigenModaalVenster)
{
    AdmMain adm;
    TestOmgeving omgeving;
    Logboek log;
    ProefVenster venster(adm, omgeving, log);
    venster.show();
    EXPECT_TRUE(log.empty());  // not inside show: the handler that showed it goes on first
    ASSERT_TRUE(Activeer(venster));
    // The first control of the tab order gets the focus after the activation.
    EXPECT_EQ(log, (Logboek{"Form_Activate", "start GotFocus"}));

    venster.ZetFocus(venster.b2);
    log.clear();
    omgeving.Bericht(QStringLiteral("Schermformaat onjuist."), vbExclamation);
    QWidget ander;
    ASSERT_TRUE(Activeer(ander));
    ASSERT_TRUE(Activeer(venster));
    EXPECT_TRUE(log.empty());  // no activation for a message box or a return from elsewhere

    Dialoog dialoog(adm, omgeving, &venster);
    omgeving.Beantwoord(QDialog::Accepted);
    EXPECT_EQ(venster.Modaal(dialoog), QDialog::Accepted);
    EXPECT_EQ(log, (Logboek{"Form_Activate", "b2 GotFocus"}));
    EXPECT_TRUE(venster.isActiveWindow());
}

TEST(Activering, VerplaatsteFocusKrijgtGeenTweedeGotFocus)
{
    AdmMain adm;
    TestOmgeving omgeving;
    Logboek log;
    struct Verplaatser : ProefVenster {
        using ProefVenster::ProefVenster;
        void Form_Activate() override { ZetFocus(b2); }
    } venster(adm, omgeving, log);
    ASSERT_TRUE(Activeer(venster));
    EXPECT_EQ(log, (Logboek{"start LostFocus", "b2 GotFocus"}));
}

TEST_F(VensterProef, WerkbalkLegtVastEnNeemtGeenFocus)
{
    Werkbalk& balk = venster.Toolbar();
    EXPECT_EQ(balk.Aantal(), 3);
    EXPECT_EQ(balk.KnopOp(2), nullptr);
    EXPECT_EQ(balk.KnopOp(3), balk.Knop(QStringLiteral("Save")));
    balk.ZetIngedrukt(1, true);

    Typ(venster, QStringLiteral("7"));
    log.clear();
    KlikWerkbalk(balk, QStringLiteral("Save"));
    KlikWerkbalk(balk, QStringLiteral("New"));
    EXPECT_EQ(log, (Logboek{"vastlegging werkbalk", "Toolbar Save", "vastlegging werkbalk", "Toolbar New"}));
    EXPECT_TRUE(venster.b1->hasFocus());
    EXPECT_EQ(balk.Knop(QStringLiteral("New"))->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(balk.Ingedrukt(QStringLiteral("New")));  // a click leaves the pressed state
    EXPECT_FALSE(balk.Ingedrukt(QStringLiteral("Save")));
}

TEST_F(VensterProef, MenuLegtVastVoordatHetOpengaat)
{
    QAction* stoppen = venster.bestand->addAction(QStringLiteral("&Stoppen"));
    QObject::connect(stoppen, &QAction::triggered, &venster, [&] { log.push_back("stoppen"); });
    QMenu* sub = venster.bestand->addMenu(QStringLiteral("Leerling(en)  &Importeren  Uit..."));
    QAction* zoeken = sub->addAction(QStringLiteral("&Zoeken"));
    zoeken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    QObject::connect(zoeken, &QAction::triggered, &venster, [&] { log.push_back("zoeken"); });
    KiesMenu(*venster.bestand, *stoppen);
    OpenMenu(*venster.help);
    Toets(venster, Qt::Key_F, Qt::ControlModifier);  // a shortcut commits as the menu would
    std::erase_if(log, [](const std::string& r) { return r.find("Key") != std::string::npos; });
    EXPECT_EQ(log, (Logboek{"vastlegging menu", "Menu_Click &Bestand", "stoppen", "vastlegging menu",
                            "Menu_Click &Bestand", "zoeken"}));
}

TEST_F(VensterProef, FocusvakNeemtFocusZonderIetsTeTonen)
{
    venster.ZetFocus(venster.start);
    EXPECT_TRUE(venster.start->hasFocus());
    EXPECT_TRUE(venster.start->isVisible());
    EXPECT_TRUE(venster.start->size().isEmpty());
    log.clear();
    Toets(venster, Qt::Key_Insert);
    EXPECT_EQ(log.front(), "Form_KeyDown 45/0");
}

// A dialog that logs its activation and closes itself from its button.
class ProefDialoog : public Dialoog {
public:
    ProefDialoog(AdmMain& adm, Omgeving& omgeving, QWidget* opener, Logboek& log)
        : Dialoog(adm, omgeving, opener), log_(log)
    {
        setWindowTitle(QStringLiteral("Huidig bestand  bewaren?"));
        auto* ja = new QPushButton(QStringLiteral("&Ja"), this);
        connect(ja, &QPushButton::clicked, this, [this] {
            this->adm.DialoogAntwoord = AntwoordGereed;
            Unload();
        });
    }
    void Form_Activate() override { log_.push_back("dialoog actief"); }

private:
    Logboek& log_;
};

TEST_F(VensterProef, TestOmgevingBeantwoordtModaleVensters)
{
    ProefDialoog dialoog(adm, omgeving, &venster, log);
    omgeving.Beantwoord([&](QDialog& d) {
        log.push_back(d.isVisible() ? "getoond" : "niet getoond");
        KlikKnop(d, QStringLiteral("&Ja"));
    });
    venster.Modaal(dialoog);
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGereed);
    EXPECT_EQ(log, (Logboek{"dialoog actief", "getoond", "Form_Activate", "b1 GotFocus"}));
    EXPECT_EQ(omgeving.dialogen, (std::vector<QString>{QStringLiteral("Huidig bestand  bewaren?")}));

    // Esc is the window's own key: it does not close the dialog by itself.
    omgeving.Beantwoord([&](QDialog& d) {
        Toets(d, Qt::Key_Escape);
        log.push_back(d.isVisible() ? "nog open" : "dicht");
        d.done(7);
    });
    log.clear();
    EXPECT_EQ(venster.Modaal(dialoog), 7);
    EXPECT_EQ(log.at(0), "dialoog actief");  // shown again: active again
    EXPECT_EQ(log.at(1), "nog open");

    // A window the script does not close, or one without a script, is a
    // test failure and is closed: nothing waits.
    EXPECT_NONFATAL_FAILURE(
        {
            omgeving.Beantwoord([](QDialog&) {});
            venster.Modaal(dialoog);
        },
        "left the window open");
    EXPECT_NONFATAL_FAILURE(venster.Modaal(dialoog), "without a scripted answer");
    EXPECT_FALSE(dialoog.isVisible());
}

TEST(TestOmgeving, Berichten)
{
    TestOmgeving omgeving;
    EXPECT_EQ(omgeving.Bericht(QStringLiteral("a"), vbYesNoCancel + vbDefaultButton2), vbNo);
    omgeving.berichtAntwoorden.push_back(vbCancel);
    EXPECT_EQ(omgeving.Bericht(QStringLiteral("b"), vbOKCancel, QStringLiteral("Titel")), vbCancel);
    Foutmelding(omgeving, QStringLiteral("Toegang geweigerd"));
    ASSERT_EQ(omgeving.meldingen.size(), 3u);
    EXPECT_EQ(omgeving.meldingen[0].titel, QStringLiteral("Morvaldiek"));
    EXPECT_EQ(omgeving.meldingen[1].titel, QStringLiteral("Titel"));
    EXPECT_EQ(omgeving.meldingen[2].tekst, QStringLiteral("Foutmelding:\n\nToegang geweigerd   "));
    EXPECT_EQ(omgeving.meldingen[2].stijl, 48);
}

// The program's environment reads the free area of the window's screen and
// the frame the window manager put around the window; a window not framed
// yet gets the frame last seen, as one window manager frames all alike.
TEST(QtOmgeving, AWindowNotFramedYetGetsTheFrameLastSeen)
{
    QtOmgeving omgeving;
    QWidget nieuw;
    EXPECT_EQ(omgeving.Werkgebied(nieuw), nieuw.screen()->availableGeometry());
    EXPECT_EQ(omgeving.Rand(nieuw), QMargins());

    QWidget getoond;
    getoond.show();
    Verwerk();
    const QMargins rand = getoond.windowHandle()->frameMargins();
    ASSERT_FALSE(rand.isNull());  // the offscreen platform frames its windows too
    EXPECT_EQ(omgeving.Rand(getoond), rand);
    EXPECT_EQ(omgeving.Rand(nieuw), rand);
}

// The toolkit's dialogs speak Dutch whatever the locale; without the
// translation file the program goes on in English.
TEST(QtVertaling, TheToolkitsDialogTextsAreDutch)
{
    EXPECT_EQ(QtVertalingLaden(*qApp, QStringLiteral("/bestaat/niet")), nullptr);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    QTranslator* vertaling = QtVertalingLaden(*qApp);
    ASSERT_NE(vertaling, nullptr) << "qtbase_nl.qm is not installed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuleren"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Zoeken in:"));
    QCoreApplication::removeTranslator(vertaling);
    delete vertaling;
}

}  // namespace

// The view frame on a small view of its own: the menus and toolbar built
// from its tables, the commit before a command, and the toolbar's dispatch
// by key.
#include "frame/Weergavevenster.h"

#include "frame/Weergaven.h"
#include "platform/Etiket.h"
#include "platform/Toetsen.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"

#include "VensterTest.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QToolButton>

#include <array>
#include <string>
#include <vector>

using namespace VensterTest;

namespace {

class Proefweergave : public Weergavevenster {
public:
    Proefweergave(AdmMain& a, Omgeving& o) : Weergavevenster(a, o, SchermRapporten)
    {
        Menubalk({
            Bestandsmenu(&bestand, Sub("Im&port", &import, {AnderCijferbestand()})),
            {"&Eigen",
             &eigen,
             Opening::Vastleggen,
             {
                 Item("&Een", &een, [this] { Log("een"); }, QKeySequence(Qt::CTRL | Qt::Key_E)),
                 Streep(),
                 Uit("&Later", &later),
             },
             [this] { Log("geopend"); }},
            Lijstenmenu(&lijsten),
            Niveaumenu(&niveau, Opening::Niets, &niveau1, &niveau2),
            Helpmenu(&help),
        });
        Werkbalkknoppen({
            Knop("Print", "Afdrukken", [this] { Log("print"); }),
            Knop("NIVO1", "Laag"),
            Zonder("ZOEK"),
        }, VoorStop::Ruimte);
    }

    void Log(const std::string& s) { log.push_back(s); }
    void Invoervastlegging(Opdrachtbron bron) override
    {
        Log(bron == Opdrachtbron::Menu ? "vastleggen menu" : "vastleggen werkbalk");
    }
    void Hertekenen() override { Log("hertekenen"); }
    void BestandsnaamTonen() override { Log("bestandsnaam"); }
    void Schermkeuze(int scherm) override
    {
        Log("scherm " + std::to_string(scherm));
        Weergavevenster::Schermkeuze(scherm);
    }

    QMenu *bestand = nullptr, *eigen = nullptr, *lijsten = nullptr, *niveau = nullptr, *help = nullptr;
    QAction *import = nullptr, *een = nullptr, *later = nullptr, *niveau1 = nullptr, *niveau2 = nullptr;
    std::vector<std::string> log;
};

class Frame : public ::testing::Test {
protected:
    void SetUp() override
    {
        venster = std::make_unique<Proefweergave>(adm, omgeving);
        ASSERT_TRUE(Activeer(*venster));
        v().log.clear();
    }
    Proefweergave& v() { return *venster; }

    AdmMain adm;
    TestOmgeving omgeving;
    std::unique_ptr<Proefweergave> venster;
};

TEST_F(Frame, TheTablesMakeTheMenus)
{
    ASSERT_NE(v().import, nullptr);
    EXPECT_EQ(v().import->text(), QStringLiteral("Im&port"));
    ASSERT_NE(v().import->menu(), nullptr);
    EXPECT_EQ(v().import->menu()->actions().front(), v().mnuAnderCijferbestand);
    // The import submenu stands behind its own separator before the quit.
    const auto items = v().bestand->actions();
    EXPECT_EQ(items.back(), v().mnuStoppen);
    EXPECT_TRUE(items[items.size() - 2]->isSeparator());
    EXPECT_EQ(items[items.size() - 3], v().import);
    EXPECT_FALSE(v().later->isEnabled());
    EXPECT_TRUE(v().een->isEnabled());
    EXPECT_EQ(v().een->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_TRUE(v().eigen->actions()[1]->isSeparator());
    EXPECT_EQ(v().niveau1->text(), QStringLiteral("Niveau  &1"));
    EXPECT_EQ(v().mnuInfo->text(), QStringLiteral("&Info"));
    EXPECT_EQ(v().windowTitle(), QStringLiteral("Docenten-Morvaldiek Versie 7.762"));
}

TEST_F(Frame, AMenuMarkedSoCommitsBeforeItOpens)
{
    KiesMenu(*v().eigen, *v().een);
    EXPECT_EQ(v().log, (std::vector<std::string>{"vastleggen menu", "geopend", "een"}));

    // Not marked: the level menu and "&Help" commit nothing.
    v().log.clear();
    KiesMenu(*v().niveau, *v().niveau1);
    EXPECT_EQ(v().log, (std::vector<std::string>{"hertekenen"}));
    EXPECT_EQ(adm.Niveau, 1);
    v().log.clear();
    OpenMenu(*v().help);
    EXPECT_TRUE(v().log.empty());

    // The shortcut of an item commits as its menu would.
    v().log.clear();
    Toets(v(), Qt::Key_E, Qt::ControlModifier);
    Verwerk();
    EXPECT_EQ(v().log, (std::vector<std::string>{"vastleggen menu", "geopend", "een"}));
}

TEST_F(Frame, TheToolbarHasTheFamilysPlacesAndRunsByKey)
{
    Werkbalk& balk = v().Toolbar();
    ASSERT_EQ(balk.Aantal(), 23);
    const std::pair<int, const char*> knoppen[] = {{1, "New"},   {3, "Open"},   {4, "Save"},   {6, "Print"},
                                                   {8, "Trim1"}, {10, "Trim3"}, {12, "NAM"},   {14, "RAP"},
                                                   {16, "JAAR"}, {18, "NIVO1"}, {19, "NIVO2"}, {23, "STOP"}};
    for (const auto& [plaats, key] : knoppen)
        EXPECT_EQ(balk.Key(plaats), QString::fromLatin1(key)) << plaats;
    // No ZOEK here, and position 22 is an empty place.
    EXPECT_EQ(balk.KnopOp(21), nullptr);
    EXPECT_FALSE(balk.actions().at(20)->isSeparator());
    EXPECT_FALSE(balk.actions().at(21)->isSeparator());
    EXPECT_TRUE(balk.actions().at(19)->isSeparator());
    EXPECT_EQ(balk.Knop(QStringLiteral("Print"))->toolTip(), QStringLiteral("Afdrukken"));
    EXPECT_EQ(balk.Knop(QStringLiteral("NIVO1"))->toolTip(), QStringLiteral("Laag"));
    EXPECT_EQ(balk.Knop(QStringLiteral("Save"))->toolTip(), QStringLiteral("Cijferbestand opslaan"));

    // A click commits, then runs the view's own command or the family's.
    KlikWerkbalk(balk, QStringLiteral("Print"));
    KlikWerkbalk(balk, QStringLiteral("Trim2"));
    KlikWerkbalk(balk, QStringLiteral("NIVO2"));
    EXPECT_EQ(v().log, (std::vector<std::string>{"vastleggen werkbalk", "print", "vastleggen werkbalk", "scherm 2",
                                                 "vastleggen werkbalk", "hertekenen"}));
    EXPECT_EQ(adm.Niveau, 2);
    // A key the toolbar does not have does nothing.
    v().log.clear();
    v().Toolbar_ButtonClick(QStringLiteral("ZOEK"));
    v().Toolbar_ButtonClick(QStringLiteral("Iets"));
    EXPECT_TRUE(v().log.empty());
}

TEST_F(Frame, ItsOwnViewIsNoSwitch)
{
    // Without a view manager nothing is switched; its own view not even asked.
    adm.Scherm = SchermRapporten;
    EXPECT_TRUE(v().EigenWeergave());
    KiesMenu(*v().lijsten, *v().mnuRapportenlijst);
    KiesMenu(*v().lijsten, *v().mnuTrimester1);
    EXPECT_EQ(adm.Scherm, SchermRapporten);
    adm.Scherm = SchermTrimester2;
    EXPECT_FALSE(v().EigenWeergave());
}

TEST_F(Frame, SearchDeleteAndImportWithoutPupilWindowsRedrawOnly)
{
    adm.Gewijzigd = 0;
    v().mnuZoeken_Click();
    EXPECT_EQ(adm.Gewijzigd, 0);
    v().mnuLeerlingVerwijderen_Click();
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(v().log, (std::vector<std::string>{"hertekenen", "hertekenen"}));
    EXPECT_TRUE(omgeving.dialogen.empty());
}

// A view with a focus box and two boxes of one kind, registered with a
// commit that stores the box's text as a number and a key handler that
// moves on as the views' handlers do; both log what they do.
class Vakkenweergave : public Weergavevenster {
public:
    Vakkenweergave(AdmMain& a, Omgeving& o) : Weergavevenster(a, o, SchermRapporten)
    {
        Menubalk({{"&Eigen", &eigen, Opening::Vastleggen, {Item("&Een", &een, [] {})}}});
        start = new Focusvak(o, a.InsertModus, &Vlak());
        start->move(0, 40);
        insert = new Etiket(&Vlak());
        insert->setGeometry(100, 40, 80, 20);
        for (int i = 1; i <= 2; ++i) {
            vak[i] = new VasteBreedteInvoer(o, a.InsertModus, {3}, &Vlak());
            vak[i]->setGeometry(10, 40 + 30 * i, 60, 24);
            connect(vak[i], &VasteBreedteInvoer::LostFocus, this, [this, i] { VakVastleggen(vak[i]); });
        }
        Vakken(vak, 1, 2,
               {[this](int i) {
                    vastgelegd.push_back(std::to_string(i) + " " + vak[i]->Tekst());
                    opgeslagen[i] = vak[i]->Tekst();
                },
                [this](int i, int toets) {
                    log.push_back("toets " + std::to_string(i) + " " + std::to_string(toets));
                    // As a cell's handler: commit, then the next box.
                    VakVastleggen(vak[i]);
                    ZetFocus(vak[i % 2 + 1]);
                }});
        Vakken(*start, {nullptr, [this](int, int toets) { log.push_back("start " + std::to_string(toets)); }});
        opgeslagen.fill("   ");
        Hertekenen();
        resize(300, 200);
    }

    void Form_KeyDown(int& KeyCode, int& Shift) override { Venstertoets(KeyCode, Shift, *start, *insert, bezig); }
    void Invoervastlegging(Opdrachtbron) override { VakVastleggen(ActieveControl()); }
    void Hertekenen() override
    {
        for (int i = 1; i <= 2; ++i)
            vak[i]->ZetTekst(opgeslagen[i]);
    }
    void BestandsnaamTonen() override {}
    using Weergavevenster::ActiefIn;

    QMenu* eigen = nullptr;
    QAction* een = nullptr;
    Focusvak* start;
    Etiket* insert;
    std::array<VasteBreedteInvoer*, 3> vak{};
    std::array<std::string, 3> opgeslagen{};
    int bezig = 0;
    std::vector<std::string> log, vastgelegd;
};

class Vakregister : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Activeer(v));
        ASSERT_EQ(v.ActieveControl(), v.start);
    }
    void Klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    AdmMain adm;
    TestOmgeving omgeving;
    Vakkenweergave v{adm, omgeving};
};

TEST_F(Vakregister, EachEditIsCommittedOnceWhateverAsksForIt)
{
    // Enter: the handler commits, and the box's LostFocus asks again.
    Klik(v.vak[1]);
    Typ(v, QStringLiteral("7"));
    Toets(v, Qt::Key_Return);
    EXPECT_EQ(v.log, (std::vector<std::string>{"toets 1 13"}));
    EXPECT_EQ(v.vastgelegd, (std::vector<std::string>{"1 7  "}));
    EXPECT_EQ(v.ActieveControl(), v.vak[2]);
    EXPECT_EQ(v.vak[1]->Tekst(), "7  ");  // the key itself never reached the box

    // A menu commits; the LostFocus of the box left afterwards finds nothing to do.
    v.vastgelegd.clear();
    Typ(v, QStringLiteral("8"));
    OpenMenu(*v.eigen);
    EXPECT_EQ(v.OudeTekst, "8  ");  // the committed box counts as unedited
    OpenMenu(*v.eigen);
    Klik(v.vak[1]);
    EXPECT_EQ(v.vastgelegd, (std::vector<std::string>{"2 8  "}));

    // Boxes entered and left, keys that move, a redraw: no edit, no commit.
    v.log.clear();
    v.vastgelegd.clear();
    Klik(v.vak[2]);
    Toets(v, Qt::Key_Down);
    Toets(v, Qt::Key_Home);
    Typ(v, QStringLiteral("9"));
    ASSERT_TRUE(v.vak[1]->Bewerkt());
    v.Hertekenen();  // the window fills the box: what was typed is gone, not stored
    Klik(v.vak[2]);
    OpenMenu(*v.eigen);
    EXPECT_EQ(v.log, (std::vector<std::string>{"toets 2 40"}));
    EXPECT_TRUE(v.vastgelegd.empty());

    // A paste is an edit.
    QGuiApplication::clipboard()->setText(QStringLiteral("5"));
    v.vak[2]->selectAll();
    v.vak[2]->paste();
    OpenMenu(*v.eigen);
    EXPECT_EQ(v.vastgelegd, (std::vector<std::string>{"2 5"}));
}

TEST_F(Vakregister, NavigationKeysGoToTheFocusedBoxsHandler)
{
    // The focus box: the key to its handler, its text emptied at every key.
    v.start->ZetTekst("x");
    Toets(v, Qt::Key_PageDown);
    EXPECT_EQ(v.start->Tekst(), "");
    Klik(v.vak[2]);
    EXPECT_EQ(v.ActiefIn(v.vak), 2);
    EXPECT_FALSE(v.ActiefIn(*v.start));
    Toets(v, Qt::Key_Up, Qt::ShiftModifier);  // with Shift as alone
    EXPECT_EQ(v.log, (std::vector<std::string>{"start 34", "toets 2 38"}));
    EXPECT_EQ(v.ActieveControl(), v.vak[1]);
    EXPECT_EQ(v.PlaatsVan(v.vak[1]).rij, &v.vak);
    EXPECT_EQ(v.PlaatsVan(v.insert).soort, nullptr);

    // Insert switches the typing mode; during a redraw no key does anything.
    const int modus = adm.InsertModus;
    Toets(v, Qt::Key_Insert);
    EXPECT_EQ(adm.InsertModus, 1 - modus);
    v.bezig = 1;
    v.log.clear();
    Toets(v, Qt::Key_Insert);
    Toets(v, Qt::Key_Return);
    EXPECT_EQ(adm.InsertModus, 1 - modus);
    EXPECT_TRUE(v.log.empty());
}

}  // namespace

// The view frame on a small view of its own: the menus and toolbar built
// from its tables, the commit before a command, and the toolbar's dispatch
// by key.
#include "frame/Weergavevenster.h"

#include "frame/Weergaven.h"
#include "platform/Werkbalk.h"

#include "VensterTest.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

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

}  // namespace

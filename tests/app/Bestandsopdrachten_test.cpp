// The file commands, the view switch and the quit of the view family, run
// from the windows' menus and toolbars with the view manager.
#include "names/frmNamen.h"
#include "platform/Etiket.h"
#include "platform/Paden.h"
#include "core/Instellingen.h"
#include "frame/Bestandsopdrachten.h"
#include "frame/frmCommonDialoog.h"
#include "platform/Draaiknop.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"
#include "reports/frmRapporten.h"
#include "termsheet/frmTrimester.h"
#include "yearoverview/frmJaaroverzicht.h"

#include "VensterFamilie.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include <fcntl.h>
#include <functional>
#include <optional>
#include <set>
#include <sys/file.h>
#include <unistd.h>

using namespace VensterTest;

namespace {

// ---------------------------------------------------------------- new

TEST_F(Familieproef, NewAsksFirstAndCancelStopsIt)
{
    struct Geval {
        const char* naam;
        TestOmgeving::Script antwoord;
        bool nieuw;
        bool bewaard;
    };
    const Geval gevallen[] = {
        {"Ja", Knop("&Ja"), true, true},
        {"Nee", Knop("&Nee"), true, false},
        {"Annuleren", Knop("&Annuleren"), false, false},
        {"Esc", [](QDialog& d) { Toets(d, Qt::Key_Escape); }, false, false},
    };
    auto& v = Start<frmRapporten>(SchermRapporten);
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.naam);
        std::filesystem::remove(map / "klas.vlk");
        VulProef(adm);
        adm.Bestandsnaam = map / "klas.vlk";
        const std::string voor = Inhoud(adm);
        omgeving.Beantwoord(g.antwoord);
        Kies(v.mnuNieuwBestand);
        EXPECT_EQ(adm.Achternaam(1).leeg(), g.nieuw);
        EXPECT_EQ(adm.Gewijzigd, g.nieuw ? 0 : 1);
        EXPECT_EQ(adm.Bestandsnaam, g.nieuw ? map / "NAAMLOOS.VLK" : map / "klas.vlk");
        ASSERT_EQ(Bestaat(map / "klas.vlk"), g.bewaard);
        if (g.bewaard) {
            EXPECT_EQ(GeladenInhoud(map / "klas.vlk"), voor);
        }
        EXPECT_EQ(v.lblNaam[1]->text().trimmed(),
                  g.nieuw ? QString() : QStringLiteral("Jansen"));
    }
    // Nothing changed: no prompt at all.
    adm.Gewijzigd = 0;
    omgeving.dialogen.clear();
    Kies(v.mnuNieuwBestand);
    EXPECT_TRUE(omgeving.dialogen.empty());
    // The view, pupil and level stay.
    EXPECT_EQ(adm.Scherm, SchermRapporten);
    EXPECT_EQ(Enige<frmRapporten>(), &v);
}

TEST_F(Familieproef, ASaveThatFailsInThePromptStopsTheCommand)
{
    auto& v = Start<frmNamen>(SchermNamen);
    VulProef(adm);
    adm.Bestandsnaam = map / "weg/klas.vlk";
    omgeving.Beantwoord(Knop("&Ja"));
    Kies(v.mnuNieuwBestand);
    EXPECT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(adm.Achternaam(1).view().substr(0, 6), "Jansen");
    EXPECT_EQ(adm.Gewijzigd, 1);
}

// ---------------------------------------------------------------- open

TEST_F(Familieproef, OpenCancelledInThePromptChangesNothing)
{
    auto& v = Start<frmNamen>(SchermNamen);
    VulProef(adm);
    const std::string voor = Inhoud(adm);
    omgeving.Beantwoord(Knop("&Annuleren"));
    Kies(v.mnuBestandLaden);
    EXPECT_EQ(omgeving.dialogen.size(), 1u);  // no open dialog
    EXPECT_EQ(Inhoud(adm), voor);
    EXPECT_EQ(adm.Gewijzigd, 1);
}

TEST_F(Familieproef, NoThenACancelledDialogKeepsTheDataFlaggedAsChanged)
{
    auto& v = Start<frmNamen>(SchermNamen);
    VulProef(adm);
    const std::string voor = Inhoud(adm);
    omgeving.Beantwoord(Knop("&Nee"));
    omgeving.Beantwoord(Knop("&Annuleren"));
    Kies(v.mnuBestandLaden);
    EXPECT_EQ(omgeving.dialogen.size(), 2u);
    EXPECT_EQ(Inhoud(adm), voor);
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(Enige<frmNamen>(), &v);

    // So a later quit asks again.
    omgeving.Beantwoord(Knop("&Annuleren"));
    Kies(v.mnuStoppen);
    EXPECT_EQ(omgeving.dialogen.size(), 3u);
    EXPECT_EQ(Enige<frmNamen>(), &v);
}

TEST_F(Familieproef, YesSavesThenTheChosenFileIsLoaded)
{
    const std::string ander = Bewaard("ander.vlk", SchermNamen);
    const std::string verwacht = GeladenInhoud(ander);
    auto& v = Start<frmNamen>(SchermNamen);
    VulProef(adm, "Smit");
    adm.Bestandsnaam = map / "klas.vlk";
    const std::string eigen = Inhoud(adm);
    omgeving.Beantwoord(Knop("&Ja"));
    omgeving.Beantwoord(Open(ander));
    Kies(v.mnuBestandLaden);
    EXPECT_EQ(GeladenInhoud(map / "klas.vlk"), eigen);
    EXPECT_EQ(Inhoud(adm), verwacht);
    EXPECT_EQ(adm.Bestandsnaam, ander);
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGereed);
    EXPECT_EQ(v.Label15->text().toStdString(), ander);
    // The folder to start in next time is in the settings file.
    EXPECT_TRUE(Bestaat(map / "KWELTA.DAT"));
}

TEST_F(Familieproef, AFileOfAnotherViewReplacesTheWindow)
{
    struct Geval {
        int scherm;
        std::function<bool(Familieproef&)> soort;
    };
    const Geval gevallen[] = {
        {SchermRapporten, [](Familieproef& f) { return f.Enige<frmRapporten>() != nullptr; }},
        {SchermJaaroverzicht, [](Familieproef& f) { return f.Enige<frmJaaroverzicht>() != nullptr; }},
        {SchermTrimester2, [](Familieproef& f) { return f.Enige<frmTrimester>() != nullptr; }},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.scherm);
        auto& v = Start<frmNamen>(SchermNamen);
        QPointer<Venster> oud(&v);
        omgeving.Beantwoord(Open(Bewaard("view.vlk", g.scherm)));
        Kies(v.mnuBestandLaden);
        EXPECT_EQ(adm.Scherm, g.scherm);
        EXPECT_TRUE(g.soort(*this));
        EXPECT_NE(weergaven.Vensters().front(), oud.data());
        EXPECT_TRUE(weergaven.Vensters().front()->isVisible());
        EXPECT_EQ(einde, 0);
        weergaven.Vensters().front()->hide();
        // Done with it: unload without prompt.
        adm.Scherm = SchermStoppen;
        weergaven.Vensters().front()->Unload();
        einde = 0;
    }
}

TEST_F(Familieproef, AFileThatFailsToLoadSaysWhyAndKeepsTheData)
{
    {
        std::ofstream(map / "kapot.vlk") << "geen cijferbestand\r\n";
        // A grade file that breaks off after its first pupil block.
        AdmMain bron;
        VulProef(bron, "Afgebroken");
        const std::string tekst = CijferbestandTekst(bron);
        for (const char* naam : {"half.vlk", "h\xE9lf.vlk"})
            std::ofstream(map / naam, std::ios::binary) << tekst.substr(0, tekst.find("\r\n", tekst.size() / 20) + 2);
    }
    auto& v = Start<frmRapporten>(SchermRapporten);
    VulProef(adm);
    adm.Gewijzigd = 0;
    const std::string voor = Inhoud(adm);
    const std::pair<std::string, QString> gevallen[] = {
        {map / "kapot.vlk", QStringLiteral("\nVerkeerd bestandsformaat   ")},
        {map / "half.vlk", "\nInvoer voorbij het einde van het bestand: " + PadTonen(map / "half.vlk") + "   "},
        // A name that is no UTF-8 as the file line shows it.
        {map / "h\xE9lf.vlk", "\nInvoer voorbij het einde van het bestand: " + PadTonen(map / "h\xE9lf.vlk") + "   "},
    };
    for (const auto& [pad, melding] : gevallen) {
        SCOPED_TRACE(pad);
        omgeving.meldingen.clear();
        omgeving.Beantwoord(Open(pad, true));  // the dialog stays: cancelled
        Kies(v.mnuBestandLaden);
        ASSERT_EQ(omgeving.meldingen.size(), 1u);
        EXPECT_EQ(omgeving.meldingen[0].tekst, melding);
        EXPECT_EQ(omgeving.meldingen[0].stijl, vbExclamation);
        EXPECT_EQ(Inhoud(adm), voor);
        EXPECT_EQ(Enige<frmRapporten>(), &v);
    }
}

TEST_F(Familieproef, AnOpenedFileIsMendedBeforeItIsShown)
{
    // tests/data/fout-statistiek.vlk: "k50" as the class mean of column 1
    // among other values that do not fit the grades; it opens in term 1.
    std::ofstream(map / "fout-statistiek.vlk", std::ios::binary) << Testinhoud("fout-statistiek.vlk");
    auto& v = Start<frmNamen>(SchermNamen);
    omgeving.Beantwoord(Open(map / "fout-statistiek.vlk"));
    Kies(v.mnuBestandLaden);
    EXPECT_EQ(Regelverschil(Inhoud(adm), Testinhoud("passend.vlk")), "");
    EXPECT_EQ(adm.Gewijzigd, 0);
    auto* blad = Enige<frmTrimester>();
    ASSERT_NE(blad, nullptr);
    EXPECT_EQ(blad->lblKlGem[static_cast<std::size_t>(blad->SchermKolom(1))]->Tekst(), "6.83");
}

// ---------------------------------------------------------------- save

TEST_F(Familieproef, SaveWritesAFileThatLoadsBackEqual)
{
    auto& v = Start<frmJaaroverzicht>(SchermJaaroverzicht);
    VulProef(adm);
    adm.Bestandsnaam = map / "klas.vlk";
    KlikWerkbalk(v.Toolbar(), QStringLiteral("Save"));
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(GeladenInhoud(map / "klas.vlk"), Inhoud(adm));
    EXPECT_TRUE(omgeving.meldingen.empty());
}

TEST_F(Familieproef, ASaveThatCannotBeWrittenSaysWhyAndChangesNothing)
{
    const std::string naast = Bewaard("bestand.vlk", SchermNamen);
    const std::string oud = LeesBestand(naast);
    const std::pair<std::string, QString> gevallen[] = {
        {map / "weg/klas.vlk", QStringLiteral("Bestand of map bestaat niet")},
        {naast + "/klas.vlk", QStringLiteral("Is geen map")},
        {map / "caf\xE9/klas.vlk", QStringLiteral("Bestand of map bestaat niet")},
    };
    for (const auto& [pad, omschrijving] : gevallen) {
        SCOPED_TRACE(pad);
        auto& v = Start<frmNamen>(SchermNamen);
        VulProef(adm);
        adm.Bestandsnaam = pad;
        omgeving.meldingen.clear();
        Kies(v.mnuBestandOpslaan);
        ASSERT_EQ(omgeving.meldingen.size(), 1u);
        EXPECT_EQ(omgeving.meldingen[0].tekst, "Foutmelding:\n\n" + omschrijving + ": " + PadTonen(pad) + "   ");
        EXPECT_EQ(omgeving.meldingen[0].stijl, vbExclamation);
        EXPECT_EQ(adm.Gewijzigd, 1);
        EXPECT_EQ(adm.Bestandsnaam, pad);
        EXPECT_EQ(LeesBestand(naast), oud);
        adm.Scherm = SchermStoppen;
        v.Unload();
    }
}

TEST_F(Familieproef, SaveAsFromTheMenu)
{
    auto& v = Start<frmRapporten>(SchermRapporten);
    VulProef(adm);
    adm.Bestandsnaam = map / "klas.vlk";
    omgeving.Beantwoord(KiesBestand(map / "kopie.vlk"));
    Kies(v.mnuBestandOpslaanAls);
    EXPECT_EQ(adm.DialoogModus, DialoogOpslaanAls);
    EXPECT_EQ(adm.Bestandsnaam, map / "kopie.vlk");
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(GeladenInhoud(map / "kopie.vlk"), Inhoud(adm));
    EXPECT_FALSE(Bestaat(map / "klas.vlk"));
}

// A file copied from an older machine, its folder and name Windows-1252, no
// UTF-8: save as shows it as the file line does, and what it shows is where
// it saves. Enter on what it offers saves that very file, after the replace
// question; a name typed in its folder goes into that folder; a failure names
// the path as the file line does.
TEST_F(Familieproef, SaveAsOfAPathThatIsNoUtf8SavesWhereItsDialogShows)
{
    const std::string cafe = map / "caf\xE9";
    std::filesystem::create_directory(cafe);
    const std::string pad = Bewaard("caf\xE9/kl\xE9.vlk", SchermNamen);
    // Every file under the start folder, by its bytes.
    const auto bestanden = [&] {
        std::set<std::string> r;
        for (const auto& e : std::filesystem::recursive_directory_iterator(map.pad()))
            r.insert(e.path().lexically_relative(map.pad()).string());
        return r;
    };
    auto& v = Start<frmNamen>(SchermNamen);
    omgeving.Beantwoord([&](QDialog& d) {
        auto& dlg = dynamic_cast<frmBestandLaden&>(d);
        const auto rijen = dlg.Dir->findItems(QStringLiteral("café"), Qt::MatchEndsWith);
        ASSERT_EQ(rijen.size(), 1);
        dlg.Dir->setCurrentItem(rijen[0]);
        dlg.Dir->setFocus();
        Toets(d, Qt::Key_Return);
        Open(pad)(d);
    });
    Kies(v.mnuBestandLaden);
    ASSERT_EQ(adm.Bestandsnaam, pad);
    // Their UTF-8 twins read the same, but are not what it offers.
    std::filesystem::create_directory(map / "caf\xC3\xA9");
    Bewaard("caf\xC3\xA9/kl\xC3\xA9.vlk", SchermNamen);
    const auto voor = bestanden();

    // Enter on what it offers: the name box, read in the dialog's folder, is
    // the path as the file line shows it.
    adm.Achternaam(2) = "Bakker";
    adm.Gewijzigd = 1;
    omgeving.Beantwoord([&](QDialog& d) {
        auto& f = dynamic_cast<QFileDialog&>(d);
        const auto* naam = f.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(naam, nullptr);
        EXPECT_EQ(f.directory().absoluteFilePath(naam->text()).toStdString(), PadTonen(pad).toStdString());
        Toets(d, Qt::Key_Return);
    });
    omgeving.berichtAntwoorden.push_back(vbYes);
    Kies(v.mnuBestandOpslaanAls);
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, VervangVraag(QStringLiteral("klé.vlk")));
    EXPECT_EQ(adm.Bestandsnaam, pad);
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(GeladenInhoud(pad), Inhoud(adm));
    EXPECT_EQ(bestanden(), voor);
    EXPECT_EQ(v.Label15->text(), PadTonen(pad));

    // A name typed in its place, in that folder.
    const auto naamTypen = [](const QString& nieuw) {
        return [nieuw](QDialog& d) {
            Toets(d, Qt::Key_End);
            for (int i = 0; i < 7; ++i)  // "klé.vlk", "nie.vlk"
                Toets(d, Qt::Key_Backspace);
            Typ(d, nieuw);
            Toets(d, Qt::Key_Return);
        };
    };
    const std::string nieuw = cafe + "/nie.vlk";
    omgeving.Beantwoord(naamTypen(QStringLiteral("nie")));
    Kies(v.mnuBestandOpslaanAls);
    EXPECT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(adm.Bestandsnaam, nieuw);
    EXPECT_EQ(GeladenInhoud(nieuw), Inhoud(adm));
    auto na = voor;
    na.insert("caf\xE9/nie.vlk");
    EXPECT_EQ(bestanden(), na);

    // A folder that is not there: the message names the path as the file line would.
    adm.Gewijzigd = 1;
    omgeving.Beantwoord(naamTypen(QStringLiteral("weg/nie")));
    Kies(v.mnuBestandOpslaanAls);
    ASSERT_EQ(omgeving.meldingen.size(), 2u);
    EXPECT_EQ(omgeving.meldingen[1].tekst.toStdString(),
              "Foutmelding:\n\nBestand of map bestaat niet: " + PadTonen(cafe + "/weg/nie.vlk").toStdString() + "   ");
    EXPECT_EQ(adm.Bestandsnaam, nieuw);
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(bestanden(), na);
}

// Each view shows the new name as soon as the file was saved under it.
TEST_F(Familieproef, SaveAsShowsTheNewNameAtOnce)
{
    const struct {
        int scherm;
        std::function<QString(Venster&)> label;
        std::function<QAction*(Venster&)> item;
    } gevallen[] = {
        {SchermNamen, [](Venster& v) { return dynamic_cast<frmNamen&>(v).Label15->text(); },
         [](Venster& v) { return dynamic_cast<frmNamen&>(v).mnuBestandOpslaanAls; }},
        {SchermTrimester1, [](Venster& v) { return dynamic_cast<frmTrimester&>(v).lblBestand->text(); },
         [](Venster& v) { return dynamic_cast<frmTrimester&>(v).mnuBestandOpslaanAls; }},
        {SchermRapporten, [](Venster& v) { return dynamic_cast<frmRapporten&>(v).Label15->text(); },
         [](Venster& v) { return dynamic_cast<frmRapporten&>(v).mnuBestandOpslaanAls; }},
        {SchermJaaroverzicht, [](Venster& v) { return dynamic_cast<frmJaaroverzicht&>(v).lblBestand->text(); },
         [](Venster& v) { return dynamic_cast<frmJaaroverzicht&>(v).mnuBestandOpslaanAls; }},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.scherm);
        VulProef(adm);
        adm.Bestandsnaam = map / "klas.vlk";
        auto& v = Start<Venster>(g.scherm);
        EXPECT_EQ(g.label(v), QString::fromStdString(map / "klas.vlk"));
        const std::string nieuw = map / ("kopie" + std::to_string(g.scherm) + ".vlk");
        omgeving.Beantwoord(KiesBestand(nieuw));
        Kies(g.item(v));
        EXPECT_EQ(adm.Bestandsnaam, nieuw);
        EXPECT_EQ(g.label(v), QString::fromStdString(nieuw));
        adm.Scherm = SchermStoppen;
        v.Unload();
        Verwerk();
    }
}

// A name copied from an older machine is Windows-1252, no UTF-8: every view's
// file line shows its byte as the letter it stands for, as the open dialog
// does.
TEST_F(Familieproef, AFileNameThatIsNoUtf8ShowsEachOfItsBytes)
{
    const std::function<QString(Venster&)> labels[] = {
        [](Venster& v) { return dynamic_cast<frmNamen&>(v).Label15->text(); },
        [](Venster& v) { return dynamic_cast<frmTrimester&>(v).lblBestand->text(); },
        [](Venster& v) { return dynamic_cast<frmRapporten&>(v).Label15->text(); },
        [](Venster& v) { return dynamic_cast<frmJaaroverzicht&>(v).lblBestand->text(); },
    };
    const int schermen[] = {SchermNamen, SchermTrimester1, SchermRapporten, SchermJaaroverzicht};
    adm.Bestandsnaam = map / "caf\xE9 3a.vlk";
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(schermen[i]);
        auto& v = Start<Venster>(schermen[i]);
        EXPECT_EQ(labels[i](v), QString::fromStdString(map / "café 3a.vlk"));
        adm.Scherm = SchermStoppen;
        v.Unload();
        Verwerk();
    }
}

// ---------------------------------------------------------------- another program saving

// Another program's save in a folder: it holds the folder's lock until a save
// that waits for it shows the wait cursor, which it notes. It looks whenever
// events run, as they go on doing while a save waits.
class AndereOpslag {
public:
    explicit AndereOpslag(const std::string& map) : fd_(::open(map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        EXPECT_EQ(::flock(fd_, LOCK_EX), 0);
        QObject::connect(&kijker_, &QTimer::timeout, [this] {
            if (const QCursor* c = QApplication::overrideCursor()) {
                cursor = c->shape();
                Klaar();
            }
        });
        kijker_.start(1);
    }
    ~AndereOpslag() { Klaar(); }
    AndereOpslag(const AndereOpslag&) = delete;
    AndereOpslag& operator=(const AndereOpslag&) = delete;

    std::optional<Qt::CursorShape> cursor;

private:
    void Klaar()
    {
        kijker_.stop();
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }
    int fd_;
    QTimer kijker_;
};

// Every save a window makes waits for another program's save in its folder
// with the wait cursor, the windows painting meanwhile, and then saves.
TEST_F(Familieproef, ASaveThatWaitsForAnotherProgramShowsTheWaitCursor)
{
    const struct {
        const char* wat;
        std::function<void(frmNamen&)> opdracht;
        const char* bestand;
    } gevallen[] = {
        {"save", [](frmNamen& v) { Kies(v.mnuBestandOpslaan); }, "klas.vlk"},
        {"save as",
         [this](frmNamen& v) {
             omgeving.Beantwoord(KiesBestand(map / "kopie.vlk"));
             Kies(v.mnuBestandOpslaanAls);
         },
         "kopie.vlk"},
        {"the save prompt's save",
         [this](frmNamen& v) {
             omgeving.Beantwoord(Knop("&Ja"));
             Kies(v.mnuNieuwBestand);
         },
         "klas.vlk"},
        {"the settings file on quitting",
         [this](frmNamen& v) {
             adm.Gewijzigd = 0;
             Kies(v.mnuStoppen);
         },
         "KWELTA.DAT"},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.wat);
        VulProef(adm);
        adm.Bestandsnaam = map / "klas.vlk";
        auto& v = Start<frmNamen>(SchermNamen);
        std::filesystem::remove(map / g.bestand);
        {
            AndereOpslag ander(map.pad());
            g.opdracht(v);
            EXPECT_EQ(ander.cursor, Qt::WaitCursor);
        }
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(Bestaat(map / g.bestand));
        EXPECT_TRUE(omgeving.meldingen.empty());
        omgeving.meldingen.clear();
        if (Enige<frmNamen>() == &v) {
            adm.Scherm = SchermStoppen;
            v.Unload();
            Verwerk();
        }
    }
}

// ---------------------------------------------------------------- quit

TEST_F(Familieproef, QuitWithoutChangesWritesTheSettingsAndEnds)
{
    auto& v = Start<frmRapporten>(SchermRapporten);
    adm.School = "Het Lyceum";
    std::filesystem::create_directory(map / "elders");
    std::filesystem::current_path(map / "elders");
    KlikWerkbalk(v.Toolbar(), QStringLiteral("STOP"));
    EXPECT_TRUE(omgeving.dialogen.empty());
    EXPECT_EQ(std::filesystem::current_path().string(), map.pad());
    ASSERT_TRUE(Bestaat(map / "KWELTA.DAT"));
    AdmMain gelezen;
    InstellingenLezen(gelezen, map.pad());
    EXPECT_EQ(gelezen.School.view().substr(0, 10), "Het Lyceum");
    EXPECT_TRUE(weergaven.Vensters().empty());
    EXPECT_EQ(einde, 1);
}

TEST_F(Familieproef, QuitAsksFirst)
{
    struct Geval {
        const char* naam;
        TestOmgeving::Script antwoord;
        bool gestopt;
        bool bewaard;
    };
    const Geval gevallen[] = {
        {"Ja", Knop("&Ja"), true, true},
        {"Nee", Knop("&Nee"), true, false},
        {"Annuleren", Knop("&Annuleren"), false, false},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.naam);
        std::filesystem::remove(map / "klas.vlk");
        std::filesystem::remove(map / "KWELTA.DAT");
        einde = 0;
        auto& v = Start<frmJaaroverzicht>(SchermJaaroverzicht);
        VulProef(adm);
        adm.Bestandsnaam = map / "klas.vlk";
        omgeving.Beantwoord(g.antwoord);
        Kies(v.mnuStoppen);
        EXPECT_EQ(einde, g.gestopt ? 1 : 0);
        EXPECT_EQ(weergaven.Vensters().empty(), g.gestopt);
        EXPECT_EQ(Bestaat(map / "KWELTA.DAT"), g.gestopt);
        EXPECT_EQ(Bestaat(map / "klas.vlk"), g.bewaard);
        EXPECT_EQ(adm.Gewijzigd, g.gestopt ? 0 : 1);
        EXPECT_EQ(adm.Scherm, g.gestopt ? SchermStoppen : SchermJaaroverzicht);
        if (!g.gestopt) {
            adm.Scherm = SchermStoppen;
            v.Unload();
        }
    }
}

TEST_F(Familieproef, AQuitWhoseSaveFailsGoesNoFurther)
{
    auto& v = Start<frmRapporten>(SchermRapporten);
    VulProef(adm);
    adm.Bestandsnaam = map / "weg/klas.vlk";
    omgeving.Beantwoord(Knop("&Ja"));
    Kies(v.mnuStoppen);
    EXPECT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(Enige<frmRapporten>(), &v);
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(adm.Scherm, SchermRapporten);
    EXPECT_EQ(einde, 0);
}

TEST_F(Familieproef, TheCloseBoxAsksWhileTheViewIsCurrent)
{
    auto& v = Start<frmNamen>(SchermNamen);
    VulProef(adm);
    omgeving.Beantwoord(Knop("&Annuleren"));
    EXPECT_FALSE(v.close());
    EXPECT_TRUE(v.isVisible());
    EXPECT_FALSE(Bestaat(map / "KWELTA.DAT"));

    omgeving.Beantwoord(Knop("&Nee"));
    EXPECT_TRUE(v.close());
    EXPECT_TRUE(Bestaat(map / "KWELTA.DAT"));
    EXPECT_EQ(einde, 1);
}

// ---------------------------------------------------------------- view switch

TEST_F(Familieproef, ASwitchLoadsTheTargetAndUnloadsTheCurrentWindow)
{
    auto& namen = Start<frmNamen>(SchermNamen);
    VulProef(adm);  // a switch never asks
    adm.HuidigeRij = 12;
    adm.EersteRij = 9;
    adm.LaatsteRij = 16;
    adm.Niveau = 2;
    QPointer<Venster> oud(&namen);
    Kies(namen.mnuRapportenlijst);
    auto* rap = Enige<frmRapporten>();
    ASSERT_NE(rap, nullptr);
    EXPECT_FALSE(oud && oud->isVisible());
    EXPECT_EQ(adm.Scherm, SchermRapporten);
    ASSERT_TRUE(Activeer(*rap));

    KlikWerkbalk(rap->Toolbar(), QStringLiteral("JAAR"));
    auto* jaar = Enige<frmJaaroverzicht>();
    ASSERT_NE(jaar, nullptr);
    EXPECT_EQ(adm.Scherm, SchermJaaroverzicht);
    ASSERT_TRUE(Activeer(*jaar));
    EXPECT_EQ(jaar->lblNummer->text(), QStringLiteral("12"));

    Kies(jaar->mnuTrimester3);
    ASSERT_NE(Enige<frmTrimester>(), nullptr);
    EXPECT_EQ(adm.Scherm, SchermTrimester3);
    EXPECT_EQ(adm.EersteKolom, 33);
    EXPECT_EQ(adm.LaatsteKolom, 40);
    EXPECT_EQ(adm.HuidigeKolom, 33);

    // The pupil, row window, level and the unsaved data carry over.
    EXPECT_EQ(adm.HuidigeRij, 12);
    EXPECT_EQ(adm.EersteRij, 9);
    EXPECT_EQ(adm.Niveau, 2);
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_TRUE(omgeving.dialogen.empty());
    EXPECT_EQ(einde, 0);
}

// ---------------------------------------------------------------- the two minimal views

TEST_F(Familieproef, TheReportListMakesItsStatisticsCurrentOnActivation)
{
    adm.Achternaam(1) = "Jansen";
    adm.Achternaam(2) = "Visser";
    for (auto [p, v, t] : {std::tuple{1, 7.0, "7  "}, {2, 5.0, "5  "}}) {
        adm.Rapport(p, 1, 1) = v;
        adm.RapportTxt(p, 1, 1) = t;
    }
    adm.HuidigeRij = 2;
    auto& v = Start<frmRapporten>(SchermRapporten);
    EXPECT_EQ(adm.RpGem(1, 1), 6.0);
    EXPECT_EQ(v.lblRpGem[1]->text(), QStringLiteral("6  "));
    EXPECT_EQ(v.lblRpSpr[1]->text(), QStringLiteral("1  "));
    EXPECT_EQ(v.txtRp[v.CelIndex(2, 1)]->text(), QStringLiteral("5  "));
    EXPECT_EQ(v.vsbScroll->value(), 2);
    EXPECT_EQ(adm.RapportKolom, 1);
    EXPECT_FALSE(v.mnuRapportenlijst->isEnabled());
    EXPECT_TRUE(v.Toolbar().Ingedrukt(QStringLiteral("RAP")));

    // Scrolling to a pupil makes it current, moving the row window.
    v.vsbScroll->setValue(21);
    EXPECT_EQ(adm.HuidigeRij, 21);
    EXPECT_EQ(adm.EersteRij, 14);
    EXPECT_EQ(adm.LaatsteRij, 21);

    KlikWerkbalk(v.Toolbar(), QStringLiteral("NIVO2"));
    EXPECT_EQ(adm.Niveau, 2);
    EXPECT_EQ(v.NivoLabel->text(), QStringLiteral("Niveau  2"));
    v.vsbScroll->setValue(2);
    EXPECT_EQ(v.txtRp[v.CelIndex(2, 1)]->text(), QStringLiteral("   "));
}

TEST_F(Familieproef, TheYearOverviewShowsTheCurrentPupil)
{
    adm.InsertModus = 0;
    adm.Achternaam(3) = "Bakker";
    adm.Roepnaam(3) = "Els";
    adm.Cijfer(3, 18, 1) = "8.5";
    adm.TrGemTxt(3, 2, 1) = "8.5";
    adm.RapportTxt(3, 2, 1) = "8.5";
    adm.RapportTxt(3, 4, 1) = "8  ";
    adm.EindGemTxt(3, 1) = "8.25";
    adm.HuidigeRij = 3;
    auto& v = Start<frmJaaroverzicht>(SchermJaaroverzicht);
    EXPECT_EQ(adm.InsertModus, 1);
    EXPECT_EQ(v.UpDown->Value(), 3);
    EXPECT_EQ(v.lblNummer->text(), QStringLiteral("3"));
    EXPECT_EQ(v.txtAchternaam->text(), QStringLiteral("Bakker").leftJustified(30));
    EXPECT_EQ(v.txtRoepnaam->text(), QStringLiteral("Els").leftJustified(13));
    EXPECT_EQ(v.lblCijfer[18]->text(), QStringLiteral("8.5"));
    EXPECT_EQ(v.lblTrGem[2]->text(), QStringLiteral("8.5 "));
    EXPECT_EQ(v.lblRapport[2]->text(), QStringLiteral("8.5"));
    EXPECT_EQ(v.lblJgem->text(), QStringLiteral("8.25"));
    EXPECT_EQ(v.lblEind->text(), QStringLiteral("8  "));

    // Stepping past the row window moves it.
    adm.EersteRij = 1;
    adm.LaatsteRij = 8;
    v.UpDown->ZetValue(9);
    EXPECT_EQ(adm.HuidigeRij, 9);
    EXPECT_EQ(adm.EersteRij, 2);
    EXPECT_EQ(adm.LaatsteRij, 9);
    EXPECT_EQ(v.txtAchternaam->text(), QString(30, QLatin1Char(' ')));
}

TEST_F(Familieproef, TheProgramStartsInTheNamesList)
{
    // Even when the file loaded at start-up names another view.
    adm.Scherm = SchermRapporten;
    Programmavensters vensters(adm);
    vensters.EersteVensterLaden();
    EXPECT_EQ(adm.Scherm, SchermNamen);
    ASSERT_EQ(vensters.weergaven().Vensters().size(), 1u);
    EXPECT_NE(dynamic_cast<frmNamen*>(vensters.weergaven().Vensters().front()), nullptr);
}

}  // namespace

// The save prompt and the save-as dialog.
#include "frame/frmBewaren.h"
#include "frame/frmCommonDialoog.h"

#include "VensterTest.h"
#include "Werkmap.h"

#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

#include <memory>

using namespace VensterTest;

namespace {

class Bewaarproef : public ::testing::Test {
protected:
    void SetUp() override
    {
        map.Start(adm);
        VulProef(adm);
        adm.Bestandsnaam = map / "klas3a.vlk";
    }

    // Shows the prompt modally; the script answers it.
    void Vraag(TestOmgeving::Script antwoord)
    {
        omgeving.Beantwoord(std::move(antwoord));
        frmBewaren vraag(adm, omgeving);
        omgeving.Modaal(vraag);
    }

    Werkmap map;
    AdmMain adm;
    TestOmgeving omgeving;
};

TEST_F(Bewaarproef, ShowsTheFileNameOnlyAndBeeps)
{
    adm.Bestandsnaam = map / "NAAMLOOS.VLK";
    Vraag([&](QDialog& d) {
        auto& v = static_cast<frmBewaren&>(d);
        EXPECT_EQ(v.windowTitle(), QStringLiteral("Huidig bestand  bewaren?"));
        EXPECT_EQ(v.Label2->text(), QStringLiteral("Het huidige bestand is mogelijk gewijzigd."));
        EXPECT_EQ(v.Label1->text(), QStringLiteral("Wilt u de veranderingen opslaan in:"));
        EXPECT_EQ(v.lblBestandsNaam->text(), QStringLiteral("NAAMLOOS.VLK"));
        EXPECT_EQ(v.cmdOpslaan->text(), QStringLiteral("&Ja"));
        EXPECT_EQ(v.cmdNietOpslaan->text(), QStringLiteral("&Nee"));
        EXPECT_EQ(v.cmdAnnuleren->text(), QStringLiteral("&Annuleren"));
        EXPECT_EQ(adm.DialoogAntwoord, AntwoordAnnuleren);
        d.reject();
    });
    EXPECT_EQ(omgeving.piepen, 1);
}

TEST_F(Bewaarproef, TheAnswers)
{
    struct Geval {
        const char* naam;
        TestOmgeving::Script antwoord;
        int verwacht;
        bool bewaard;
    };
    const Geval gevallen[] = {
        {"Ja", [](QDialog& d) { KlikKnop(d, QStringLiteral("&Ja")); }, AntwoordGereed, true},
        {"Nee", [](QDialog& d) { KlikKnop(d, QStringLiteral("&Nee")); }, AntwoordGereed, false},
        {"Annuleren", [](QDialog& d) { KlikKnop(d, QStringLiteral("&Annuleren")); }, AntwoordAnnuleren, false},
        {"Esc", [](QDialog& d) { Toets(d, Qt::Key_Escape); }, AntwoordAnnuleren, false},
        {"close box", [](QDialog& d) { d.close(); }, AntwoordAnnuleren, false},
        // A letter alone answers, as in a message box, whichever button has the focus.
        {"j", [](QDialog& d) { Toets(d, Qt::Key_J); }, AntwoordGereed, true},
        {"N", [](QDialog& d) { Toets(d, Qt::Key_N, Qt::ShiftModifier); }, AntwoordGereed, false},
        {"a", [](QDialog& d) { Toets(d, Qt::Key_A); }, AntwoordAnnuleren, false},
        {"Tab, j",
         [](QDialog& d) {
             Toets(d, Qt::Key_Tab);
             Toets(d, Qt::Key_J);
         },
         AntwoordGereed, true},
        {"Ctrl+J, x, Esc",
         [](QDialog& d) {
             Toets(d, Qt::Key_J, Qt::ControlModifier);
             Toets(d, Qt::Key_X);
             EXPECT_TRUE(d.isVisible());
             Toets(d, Qt::Key_Escape);
         },
         AntwoordAnnuleren, false},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.naam);
        std::filesystem::remove(adm.Bestandsnaam);
        adm.Gewijzigd = 1;
        adm.DialoogAntwoord = 0;
        Vraag(g.antwoord);
        EXPECT_EQ(adm.DialoogAntwoord, g.verwacht);
        EXPECT_EQ(Bestaat(adm.Bestandsnaam), g.bewaard);
        EXPECT_EQ(adm.Gewijzigd, g.bewaard ? 0 : 1);
        EXPECT_TRUE(omgeving.meldingen.empty());
    }
}

TEST_F(Bewaarproef, EnterSavesThroughTheFocusedYes)
{
    Vraag([](QDialog& d) { Toets(d, Qt::Key_Return); });
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordGereed);
    EXPECT_EQ(GeladenInhoud(adm.Bestandsnaam), Inhoud(adm));
}

TEST_F(Bewaarproef, AFailedSaveSaysWhyAndCancels)
{
    // Root may write anywhere: a folder that does not exist can't be written.
    adm.Bestandsnaam = map / "weg/klas3a.vlk";
    Vraag([](QDialog& d) { KlikKnop(d, QStringLiteral("&Ja")); });
    EXPECT_EQ(adm.DialoogAntwoord, AntwoordAnnuleren);
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(adm.Bestandsnaam, map / "weg/klas3a.vlk");
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_TRUE(omgeving.meldingen[0].tekst.startsWith(QStringLiteral("Foutmelding:\n\n")));
    EXPECT_TRUE(omgeving.meldingen[0].tekst.endsWith(QStringLiteral("   ")));
    EXPECT_GT(omgeving.meldingen[0].tekst.size(), 17);
    EXPECT_EQ(omgeving.meldingen[0].stijl, vbExclamation);
    EXPECT_EQ(omgeving.meldingen[0].titel, QStringLiteral("Morvaldiek"));
}

class OpslaanAlsProef : public Bewaarproef {
protected:
    // Runs the save-as host as the views do.
    bool OpslaanAls()
    {
        adm.DialoogModus = DialoogOpslaanAls;
        frmCommonDialoog host(adm, omgeving);
        return host.Form_Load();
    }
};

TEST_F(OpslaanAlsProef, SavesUnderTheChosenNameThatLoadsBackEqual)
{
    std::filesystem::create_directory(map / "elders");
    omgeving.Beantwoord([&](QDialog& d) {
        auto& f = dynamic_cast<QFileDialog&>(d);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Cijferbestand opslaan als..."));
        EXPECT_EQ(f.nameFilters(), QStringList{QStringLiteral("Cijferbestand (*.vlk)")});
        EXPECT_EQ(f.acceptMode(), QFileDialog::AcceptSave);
        // It starts at the current file.
        EXPECT_EQ(f.directory().absolutePath().toStdString(), map.pad());
        KiesBestand(map / "elders/klas3b.vlk")(d);
    });
    const std::string voor = Inhoud(adm);
    std::filesystem::current_path(map / "elders");
    EXPECT_TRUE(OpslaanAls());
    EXPECT_EQ(adm.Bestandsnaam, map / "elders/klas3b.vlk");
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(GeladenInhoud(adm.Bestandsnaam), voor);
    // Whatever folder was chosen, the start folder is current afterwards.
    EXPECT_EQ(std::filesystem::current_path().string(), map.pad());
}

// A name typed without an extension is saved with ".vlk", so that the open
// dialog lists it; the replace question names that file.
TEST_F(OpslaanAlsProef, ANameWithoutExtensionGetsVlk)
{
    omgeving.Beantwoord(KiesBestand(map / "klas3b"));
    EXPECT_TRUE(OpslaanAls());
    EXPECT_EQ(adm.Bestandsnaam, map / "klas3b.vlk");
    EXPECT_TRUE(Bestaat(map / "klas3b.vlk"));
    EXPECT_FALSE(Bestaat(map / "klas3b"));

    omgeving.Beantwoord(KiesBestand(map / "klas3b"));
    omgeving.berichtAntwoorden.push_back(vbYes);
    EXPECT_TRUE(OpslaanAls());
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, VervangVraag(QStringLiteral("klas3b.vlk")));
    EXPECT_FALSE(Bestaat(map / "klas3b"));

    // A name with an extension of its own keeps it.
    omgeving.Beantwoord(KiesBestand(map / "klas3b.bak"));
    EXPECT_TRUE(OpslaanAls());
    EXPECT_EQ(adm.Bestandsnaam, map / "klas3b.bak");
}

TEST_F(OpslaanAlsProef, CancelChangesNothing)
{
    omgeving.Beantwoord(QDialog::Rejected);
    EXPECT_FALSE(OpslaanAls());
    EXPECT_EQ(adm.Bestandsnaam, map / "klas3a.vlk");
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_FALSE(Bestaat(adm.Bestandsnaam));
}

TEST_F(OpslaanAlsProef, OtherModesDoNothing)
{
    adm.DialoogModus = DialoogOpenen;
    frmCommonDialoog host(adm, omgeving);
    EXPECT_FALSE(host.Form_Load());
    EXPECT_TRUE(omgeving.dialogen.empty());
}

TEST_F(OpslaanAlsProef, AsksBeforeReplacingAFile)
{
    const std::string doel = map / "oud.vlk";
    {
        std::ofstream(doel) << "oud";
    }
    // "Nee" goes back to the dialog, which is then cancelled.
    omgeving.Beantwoord(KiesBestand(doel));
    omgeving.berichtAntwoorden.push_back(vbNo);
    omgeving.Beantwoord(QDialog::Rejected);
    EXPECT_FALSE(OpslaanAls());
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, VervangVraag(QStringLiteral("oud.vlk")));
    EXPECT_EQ(omgeving.meldingen[0].stijl, vbYesNo + vbExclamation + vbDefaultButton2);
    EXPECT_EQ(omgeving.dialogen.size(), 2u);
    EXPECT_EQ(LeesBestand(doel), "oud");
    EXPECT_EQ(adm.Bestandsnaam, map / "klas3a.vlk");

    // "Ja" replaces it.
    omgeving.Beantwoord(KiesBestand(doel));
    omgeving.berichtAntwoorden.push_back(vbYes);
    EXPECT_TRUE(OpslaanAls());
    EXPECT_EQ(adm.Bestandsnaam, doel);
    EXPECT_EQ(GeladenInhoud(doel), Inhoud(adm));
}

TEST_F(OpslaanAlsProef, AFailedSaveKeepsNameFlagAndOldFile)
{
    // A path under a regular file can't be written, not even by root.
    CijferbestandOpslaan(adm, adm.Bestandsnaam);
    const std::string oud = LeesBestand(adm.Bestandsnaam);
    adm.Achternaam(2) = "Bakker";
    adm.Gewijzigd = 1;
    omgeving.Beantwoord(KiesBestand(map / "klas3a.vlk/nieuw.vlk"));
    EXPECT_FALSE(OpslaanAls());
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_TRUE(omgeving.meldingen[0].tekst.startsWith(QStringLiteral("Foutmelding:\n\n")));
    EXPECT_EQ(adm.Bestandsnaam, map / "klas3a.vlk");
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(LeesBestand(adm.Bestandsnaam), oud);
}

}  // namespace

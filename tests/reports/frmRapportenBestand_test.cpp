// The report list's file commands, view switches, quit and close box with
// the view manager.
#include "reports/frmRapporten.h"

#include "core/Cijferbestand.h"
#include "core/Tekst.h"
#include "platform/Etiket.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"
#include "termsheet/frmTrimester.h"
#include "yearoverview/frmJaaroverzicht.h"

#include "VensterFamilie.h"

#include <QScrollBar>
#include <QTest>

using namespace VensterTest;

namespace {

class Rapportenbestand : public Familieproef {
protected:
    VasteBreedteInvoer* Rp(frmRapporten& r, int p, int k) { return r.txtRp.at(r.CelIndex(p, k)); }
    void Klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
};

TEST_F(Rapportenbestand, TheCloseBoxCommitsTheBoxAndAsks)
{
    auto& r = Start<frmRapporten>(SchermRapporten);
    Klik(Rp(r, 3, 2));
    Typ(r, QStringLiteral("6"));
    ASSERT_EQ(adm.Gewijzigd, 0);
    omgeving.Beantwoord(Knop("&Annuleren"));
    EXPECT_FALSE(r.close());
    EXPECT_EQ(adm.RapportTxt(3, 2, 1), "6  ");
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_TRUE(r.isVisible());
    EXPECT_FALSE(Bestaat(map / "KWELTA.DAT"));

    omgeving.Beantwoord(Knop("&Nee"));
    EXPECT_TRUE(r.close());
    EXPECT_TRUE(Bestaat(map / "KWELTA.DAT"));
    EXPECT_EQ(einde, 1);
}

TEST_F(Rapportenbestand, StopSavesWhatWasTyped)
{
    auto& r = Start<frmRapporten>(SchermRapporten);
    adm.Bestandsnaam = map / "klas.vlk";
    Klik(r.txtTrGew[1]);
    Typ(r, QStringLiteral("2"));
    omgeving.Beantwoord(Knop("&Ja"));
    KlikWerkbalk(r.Toolbar(), QStringLiteral("STOP"));
    EXPECT_EQ(einde, 1);
    auto geladen = std::make_unique<AdmMain>();
    CijferbestandOpenen(*geladen, map / "klas.vlk");
    EXPECT_EQ(geladen->TrimGewichtTekst(1, 1), "2  ");
    EXPECT_EQ(geladen->Scherm, SchermRapporten);
}

TEST_F(Rapportenbestand, QuitWithoutChangesAsksNothing)
{
    auto& r = Start<frmRapporten>(SchermRapporten);
    Kies(r.mnuStoppen);
    EXPECT_TRUE(omgeving.dialogen.empty());
    EXPECT_TRUE(Bestaat(map / "KWELTA.DAT"));
    EXPECT_EQ(einde, 1);
}

TEST_F(Rapportenbestand, NewAndOpen)
{
    adm.Achternaam(12) = "Jansen";
    adm.RapportTxt(12, 1, 2) = "7  ";
    adm.Rapport(12, 1, 2) = 7;
    adm.HuidigeRij = 12;
    adm.Niveau = 2;
    auto& r = Start<frmRapporten>(SchermRapporten);
    EXPECT_EQ(r.txtRp[r.CelIndex(12, 1)]->Tekst(), "7  ");
    adm.Gewijzigd = 1;
    omgeving.Beantwoord(Knop("&Nee"));
    Kies(r.mnuNieuwBestand);
    // View, pupil, rows and level stay; every report box is empty.
    EXPECT_EQ(Enige<frmRapporten>(), &r);
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(adm.HuidigeRij, 12);
    EXPECT_EQ(adm.EersteRij, 5);
    EXPECT_EQ(adm.Niveau, 2);
    for (int n = 1; n <= 32; ++n)
        EXPECT_EQ(r.txtRp[n]->Tekst(), "   ") << n;

    // A file of this view: its class statistics made, which no file holds.
    auto ander = std::make_unique<AdmMain>();
    for (auto [p, v, t] : {std::tuple{1, 8.0, "8  "}, {2, 6.0, "6  "}}) {
        ander->Achternaam(p) = "Leerling";
        ander->Rapport(p, 2, 1) = v;
        ander->RapportTxt(p, 2, 1) = t;
    }
    ander->Scherm = SchermRapporten;
    ander->HuidigeRij = 2;
    CijferbestandOpslaan(*ander, map / "rapport.vlk");
    omgeving.Beantwoord(Open(map / "rapport.vlk"));
    Kies(r.mnuBestandLaden);
    EXPECT_EQ(Enige<frmRapporten>(), &r);
    EXPECT_EQ(adm.HuidigeRij, 2);
    EXPECT_EQ(r.vsbScroll->value(), 2);
    EXPECT_EQ(adm.RpGem(2, 1), 7);
    EXPECT_EQ(r.lblRpGem[2]->Tekst(), "7  ");
    EXPECT_EQ(r.txtRp[r.CelIndex(1, 2)]->Tekst(), "8  ");

    // One that names term 2 hands over to the term sheet at its columns.
    ander->Scherm = SchermTrimester2;
    ander->EersteKolom = 20;
    ander->LaatsteKolom = 27;
    ander->HuidigeKolom = 22;
    CijferbestandOpslaan(*ander, map / "term2.vlk");
    omgeving.Beantwoord(Open(map / "term2.vlk"));
    KlikWerkbalk(r.Toolbar(), QStringLiteral("Open"));
    auto* t = Enige<frmTrimester>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(adm.EersteKolom, 20);
    EXPECT_EQ(adm.HuidigeKolom, 22);
}

TEST_F(Rapportenbestand, ViewSwitchesCarryThePupilAndLevel)
{
    adm.HuidigeRij = 14;
    adm.EersteRij = 10;
    adm.LaatsteRij = 17;
    auto& r = Start<frmRapporten>(SchermRapporten);
    // Its own button commits the box and does nothing else.
    Klik(r.txtRp[r.CelIndex(14, 4)]);
    Typ(r, QStringLiteral("8"));
    KlikWerkbalk(r.Toolbar(), QStringLiteral("RAP"));
    EXPECT_EQ(adm.RapportTxt(14, 4, 1), "8  ");
    EXPECT_EQ(Enige<frmRapporten>(), &r);
    KlikWerkbalk(r.Toolbar(), QStringLiteral("NIVO2"));

    KlikWerkbalk(r.Toolbar(), QStringLiteral("Trim2"));
    auto* t = Enige<frmTrimester>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(adm.Scherm, SchermTrimester2);
    EXPECT_EQ(adm.EersteKolom, 17);
    EXPECT_EQ(adm.LaatsteKolom, 24);
    EXPECT_EQ(adm.HuidigeKolom, 17);
    EXPECT_EQ(adm.HuidigeRij, 14);
    EXPECT_EQ(adm.EersteRij, 10);
    EXPECT_EQ(adm.Niveau, 2);
    ASSERT_TRUE(Activeer(*t));
    KlikWerkbalk(t->Toolbar(), QStringLiteral("RAP"));
    auto* r2 = Enige<frmRapporten>();
    ASSERT_NE(r2, nullptr);
    ASSERT_TRUE(Activeer(*r2));
    EXPECT_EQ(r2->NivoLabel->Tekst(), "Niveau  2");
    Kies(r2->mnuJaaroverzicht);
    EXPECT_NE(Enige<frmJaaroverzicht>(), nullptr);
    EXPECT_EQ(adm.Scherm, SchermJaaroverzicht);
    EXPECT_TRUE(omgeving.dialogen.empty());
    EXPECT_EQ(adm.RapportTxt(14, 4, 1), "8  ");
}

}  // namespace

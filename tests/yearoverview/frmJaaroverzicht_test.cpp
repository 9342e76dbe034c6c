// The year card driven as the teacher drives it: the spin button, the
// pupil boxes with their keys and clicks, offscreen.
#include "yearoverview/frmJaaroverzicht.h"

#include "core/Tekst.h"
#include "platform/Draaiknop.h"
#include "platform/Etiket.h"
#include "platform/Kleuren.h"
#include "platform/VasteBreedteInvoer.h"

#include "Jaarvoorbeeld.h"
#include "VensterTest.h"

#include <QImage>
#include <QTest>
#include <QToolButton>

#include <memory>
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
    for (int c = 5; c <= AantalLeerlingen; ++c) {
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

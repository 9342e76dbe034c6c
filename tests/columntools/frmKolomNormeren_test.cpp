// The two norming windows driven offscreen: opening on the term sheet's
// column, the preview following the cut-off count, "&Normeren", the table
// and the keys.
#include "columntools/frmCesuurTabel.h"
#include "columntools/frmKolomNormFouten.h"
#include "columntools/frmKolomNormScores.h"
#include "platform/Draaiknop.h"
#include "columntools/Kolomkiezer.h"
#include "platform/VasteBreedteInvoer.h"
#include "termsheet/Cijferverwerking.h"

#include "VensterTest.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>

using namespace VensterTest;

namespace {

class Normeren : public ::testing::Test {
protected:
    AdmMain adm;
    TestOmgeving omgeving;

    void SetUp() override
    {
        // The sheet shows term 2 at level 2, column 5 of the term current.
        adm.Scherm = 2;
        adm.Niveau = 2;
        adm.HuidigeKolom = 21;
    }

    void Vul(int c, int n, std::initializer_list<const char*> ruw)
    {
        int p = 1;
        for (const char* r : ruw) {
            std::string t = r;
            VerwerkCijfer(adm, t, p++, c, (c - 1) / 16 + 1, n);
        }
    }

    static void Klik(frmCesuurvenster& v, int k, int richting, int keer = 1)
    {
        Draaiknop* d = v.UpDown[static_cast<std::size_t>(k)];
        for (int i = 0; i < keer; ++i)
            QTest::mouseClick(richting > 0 ? d->KnopOmhoog() : d->KnopOmlaag(), Qt::LeftButton);
    }

    static QString Voorbeeld(const frmKolomNormvenster& v)
    {
        return v.lblLaagsteScore->text() + "|" + v.lblHoogsteScore->text() + "|" + v.lblGemiddeldeScore->text() +
               "|" + v.lblProcent->text();
    }
};

}  // namespace

TEST_F(Normeren, OpensOnTheSheetsColumnWithItsPreview)
{
    Vul(21, 2, {"30", "60", "", "45"});
    frmKolomNormFouten v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Kolom normeren"));
    EXPECT_TRUE(v.kiezer->Trimester[2]->isChecked());
    EXPECT_TRUE(v.kiezer->Niveau[2]->isChecked());
    EXPECT_EQ(v.kiezer->txtKolom->text(), QStringLiteral("5"));
    EXPECT_EQ(Voorbeeld(v), QStringLiteral("30|60|45  |33"));
    EXPECT_EQ(v.focusWidget(), v.txtFocus);

    // Another column of the choice: its own preview.
    Vul(22, 2, {"12"});
    QTest::mouseClick(v.kiezer->UpDown->KnopOmhoog(), Qt::LeftButton);
    EXPECT_EQ(v.kiezer->txtKolom->text(), QStringLiteral("6"));
    EXPECT_EQ(Voorbeeld(v), QStringLiteral("12|12|12  |0  "));
    v.kiezer->Niveau[1]->click();
    EXPECT_EQ(Voorbeeld(v), QStringLiteral("   |   |    |   "));
}

TEST_F(Normeren, OnlyTheCutOffCountMovesThePercentage)
{
    Vul(21, 2, {"30", "60", "", "45"});
    frmKolomNormFouten v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    Klik(v, KnopAantalCesuur, 1, 29);  // 59.5 errors
    EXPECT_EQ(v.lblProcent->text(), QStringLiteral("33"));
    Klik(v, KnopAantalCesuur, 1);      // 60: the cell at the cut-off is sufficient
    EXPECT_EQ(v.txtWaarde[KnopAantalCesuur]->text(), QStringLiteral("60"));
    EXPECT_EQ(v.lblProcent->text(), QStringLiteral("0  "));

    // The other spinners leave the preview alone.
    adm.Cijfer(1, 21, 2) = "99 ";
    Klik(v, KnopCesuurCijfer, 1);
    Klik(v, KnopAantalLaagste, 1);
    EXPECT_EQ(v.lblHoogsteScore->text(), QStringLiteral("60"));
    Klik(v, KnopAantalCesuur, -1);
    EXPECT_EQ(v.lblHoogsteScore->text(), QStringLiteral("99"));
}

TEST_F(Normeren, NormingWritesTheColumnAndCloses)
{
    Vul(21, 2, {"30", "60", "", "45"});
    Vul(21, 1, {"3"});
    adm.Gewijzigd = 0;
    frmKolomNormFouten v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    KlikKnop(v, QStringLiteral("&Normeren"));
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(adm.Gewijzigd, 1);
    // The design curve: 10 less a tenth per error.
    EXPECT_EQ(adm.Cijfer(1, 21, 2), "7  ");
    EXPECT_EQ(adm.Cijfer(2, 21, 2), "4  ");
    EXPECT_EQ(adm.Cijfer(3, 21, 2), "   ");
    EXPECT_EQ(adm.Cijfer(4, 21, 2), "5.5");
    EXPECT_EQ(adm.KlGemTxt(21, 2), "5.5 ");
    EXPECT_EQ(adm.Cijfer(1, 21, 1), "3  ");

    // Scores: the design curve from 0 points at 1.0 to 90 points at 10.0.
    Vul(5, 1, {"45", "90", "0"});
    adm.Scherm = 1;
    adm.Niveau = 1;
    adm.HuidigeKolom = 5;
    frmKolomNormScores s(adm, omgeving);
    ASSERT_TRUE(Activeer(s));
    EXPECT_EQ(s.lblProcent->text(), QStringLiteral("33"));  // 0 points, below 45; 45 itself is sufficient
    KlikKnop(s, QStringLiteral("&Normeren"));
    EXPECT_EQ(adm.Cijfer(1, 5, 1), "5.5");
    EXPECT_EQ(adm.Cijfer(2, 5, 1), "10 ");
    EXPECT_EQ(adm.Cijfer(3, 5, 1), "1  ");
}

TEST_F(Normeren, EmptyColumnWritesNothingYetCountsAsAChange)
{
    adm.Gewijzigd = 0;
    frmKolomNormScores v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    EXPECT_EQ(Voorbeeld(v), QStringLiteral("   |   |    |   "));
    KlikKnop(v, QStringLiteral("&Normeren"));
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_FALSE(v.isVisible());
}

TEST_F(Normeren, AfterTheTableTheChosenColumnStays)
{
    Vul(21, 2, {"30"});
    Vul(40, 1, {"60", "30"});
    frmKolomNormFouten v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    Klik(v, KnopCesuurCijfer, -1, 5);  // 5.0 at 45 errors: bent
    v.kiezer->Trimester[3]->click();
    v.kiezer->Niveau[1]->click();
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(v.kiezer->UpDown->KnopOmhoog(), Qt::LeftButton);
    ASSERT_EQ(v.kiezer->Keuze(), (Kolomkeuze{3, 1, 8}));

    QString rij5;
    omgeving.Beantwoord([&](QDialog& d) {
        auto& t = dynamic_cast<frmCesuurTabel&>(d);
        rij5 = t.Cijferlijst->item(5)->text();
        Toets(t, Qt::Key_Escape);
    });
    KlikKnop(v, QStringLiteral("&Tabel"));
    EXPECT_EQ(adm.CesuurTabelBron, 3);
    EXPECT_EQ(rij5, QStringLiteral(" -------- 5    -  9  "));  // the bend at 5 errors
    EXPECT_EQ(v.kiezer->Keuze(), (Kolomkeuze{3, 1, 8}));
    EXPECT_EQ(v.txtWaarde[KnopCesuurCijfer]->text(), QStringLiteral("5"));
    EXPECT_EQ(v.lblHoogsteScore->text(), QStringLiteral("60"));

    KlikKnop(v, QStringLiteral("&Normeren"));
    EXPECT_EQ(adm.Cijfer(1, 21, 2), "30 ");  // the sheet's column is untouched
    EXPECT_NE(adm.Cijfer(1, 40, 1), "60 ");
    EXPECT_NE(adm.Cijfer(2, 40, 1), "30 ");
}

TEST_F(Normeren, EscapeCancelsAndKeysTypeNothing)
{
    Vul(21, 2, {"30"});
    adm.Gewijzigd = 0;
    frmKolomNormFouten v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    Typ(v, QStringLiteral("12(&"));
    EXPECT_EQ(v.txtFocus->text(), QString());
    Toets(v, Qt::Key_Down);
    Toets(v, Qt::Key_Return);
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(v.kiezer->Keuze(), (Kolomkeuze{2, 2, 5}));
    Toets(v, Qt::Key_Escape);
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(adm.Cijfer(1, 21, 2), "30 ");
    EXPECT_EQ(adm.Gewijzigd, 0);
}

// A scores column with a bent curve; written as a picture for the
// documentation when MORVALDIEK_DOCS names the folder.
TEST_F(Normeren, Schermafdruk)
{
    adm.Scherm = 1;
    adm.Niveau = 1;
    adm.HuidigeKolom = 3;
    Vul(3, 1, {"31", "52", "18", "44", "39", "27", "60", "35", "48", "22", "55", "41"});
    frmKolomNormScores v(adm, omgeving);
    ASSERT_TRUE(Activeer(v));
    Klik(v, KnopAantalHoogste, -1, 30);  // 60 points at 10.0
    Klik(v, KnopAantalCesuur, -1, 18);   // cut-off 36 points
    EXPECT_EQ(v.txtWaarde[KnopAantalCesuur]->text(), QStringLiteral("36"));
    const QImage beeld = v.grab().toImage();
    if (const QByteArray map = qgetenv("MORVALDIEK_DOCS"); !map.isEmpty()) {
        EXPECT_TRUE(beeld.save(QString::fromLocal8Bit(map) + QStringLiteral("/norming.png")));
    }
}

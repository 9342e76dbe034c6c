// The column choice control in a window with a source and a target side.
#include "columntools/Kolomkiezer.h"

#include "platform/Draaiknop.h"
#include "platform/Etiket.h"
#include "platform/VasteBreedteInvoer.h"

#include "VensterTest.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <memory>
#include <vector>

using namespace VensterTest;

namespace {

class Keuzevenster : public Dialoog {
public:
    Keuzevenster(AdmMain& adm, Omgeving& omgeving, bool typen = true) : Dialoog(adm, omgeving)
    {
        const auto opmaak = [typen](const char* t, const char* n, int i, const char* kader, const char* label) {
            Kolomkiezeropmaak o;
            o.trimesterNaam = t;
            o.niveauNaam = n;
            o.index = i;
            o.trimesterKader = o.niveauKader = QString::fromUtf8(kader);
            o.kolomLabel = QString::fromUtf8(label);
            o.typen = typen;
            return o;
        };
        const Kolomkiezeropmaak van = opmaak("vanTrimester", "vanNiveau", 1, "van", "van kolom :");
        const Kolomkiezeropmaak naar = opmaak("naarTrimester", "naarNiveau", 2, "naar", "naar kolom :");
        kiezer[1] = new Kolomkiezer(*this, *this, van);
        kiezer[2] = new Kolomkiezer(*this, *this, naar);
        cmdUitvoeren = new QPushButton(QStringLiteral("&Uitvoeren"), this);
        cmdAnnuleren = new QPushButton(QStringLiteral("&Annuleren"), this);
        for (int i = 1; i <= 2; ++i) {
            Kolomkiezer& k = *kiezer[i];
            const int x = (i - 1) * 160;
            k.TrimesterKader->setGeometry(x + 5, 5, 150, 90);
            k.NiveauKader->setGeometry(x + 5, 100, 150, 70);
            k.lblKolom->setGeometry(x + 5, 180, 70, 22);
            k.txtKolom->setGeometry(x + 80, 180, 40, 22);
            k.UpDown->setGeometry(x + 120, 180, 16, 22);
        }
        cmdUitvoeren->setGeometry(5, 215, 100, 26);
        cmdAnnuleren->setGeometry(165, 215, 100, 26);
        kiezer[1]->ZetVolgende(kiezer[2]->txtKolom);
        kiezer[2]->ZetVolgende(cmdUitvoeren);
        resize(330, 250);
    }

    void Form_Activate() override
    {
        for (int i = 1; i <= 2; ++i)
            kiezer[i]->Voorinstellen(adm);
        ZetFocus(kiezer[1]->Trimester[static_cast<std::size_t>(kiezer[1]->GekozenTrimester())]);
    }

    std::array<Kolomkiezer*, 3> kiezer{};
    QPushButton* cmdUitvoeren;
    QPushButton* cmdAnnuleren;
};

class KolomkiezerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        adm.Scherm = 2;
        adm.HuidigeKolom = 21;
        adm.Niveau = 2;
        adm.NiveauNaam(1) = "HAVO";
        adm.NiveauNaam(2) = "VWO";
    }

    Keuzevenster& Open(bool typen = true)
    {
        v = std::make_unique<Keuzevenster>(adm, omgeving, typen);
        EXPECT_TRUE(Activeer(*v));
        return *v;
    }

    // Puts the focus in a column box (the whole number is selected) and types.
    void TypIn(int i, const QString& tekst)
    {
        v->ZetFocus(v->kiezer[i]->txtKolom);
        Typ(*v, tekst);
    }

    AdmMain adm;
    TestOmgeving omgeving;
    std::unique_ptr<Keuzevenster> v;
};

TEST_F(KolomkiezerTest, OpensOnTheTermLevelAndColumnOfTheSheet)
{
    Keuzevenster& w = Open();
    for (int i = 1; i <= 2; ++i) {
        Kolomkiezer& k = *w.kiezer[i];
        EXPECT_TRUE(k.Trimester[2]->isChecked()) << i;
        EXPECT_TRUE(k.Niveau[2]->isChecked()) << i;
        EXPECT_EQ(k.UpDown->Value(), 5);
        EXPECT_EQ(k.txtKolom->Tekst(), "5");
        EXPECT_EQ(k.Keuze(), (Kolomkeuze{2, 2, 5}));
        EXPECT_EQ(k.Keuze().Absoluut(), 21);
        // Fixed captions, whatever the file calls its levels.
        EXPECT_EQ(k.Niveau[1]->text(), QStringLiteral("Niveau 1"));
        EXPECT_EQ(k.Niveau[2]->text(), QStringLiteral("Niveau 2"));
        EXPECT_EQ(k.Trimester[3]->text(), QStringLiteral("3-e Trimester"));
        EXPECT_EQ(k.TrimesterKader->title(), i == 1 ? QStringLiteral("van") : QStringLiteral("naar"));
        EXPECT_EQ(k.UpDown->Min(), 1);
        EXPECT_EQ(k.UpDown->Max(), 16);
    }
    EXPECT_EQ(w.ActieveControl(), w.kiezer[1]->Trimester[2]);
    EXPECT_EQ(Naam(w.ActieveControl()), QStringLiteral("vanTrimester"));
    EXPECT_EQ(Index(w.kiezer[2]->txtKolom), 2);
}

TEST_F(KolomkiezerTest, ATypedColumnReachesTheSpinnerOrIsRestored)
{
    Keuzevenster& w = Open();
    Kolomkiezer& k = *w.kiezer[1];

    w.ZetFocus(k.txtKolom);
    EXPECT_EQ(k.txtKolom->SelStart(), 0);
    EXPECT_EQ(k.txtKolom->SelLength(), 1);  // the whole of "5"

    struct Geval {
        QString getypt;
        int kolom;  // after leaving the box
    };
    const Geval gevallen[] = {{"17", 5}, {"0", 5}, {"9,", 9}, {"12", 12}, {"x", 12}, {"3", 3}};
    for (const auto& g : gevallen) {
        TypIn(1, g.getypt);
        EXPECT_EQ(k.txtKolom->text(), g.getypt);
        w.ZetFocus(w.cmdAnnuleren);
        EXPECT_EQ(k.UpDown->Value(), g.kolom) << g.getypt.toStdString();
        EXPECT_EQ(k.txtKolom->Tekst(), std::to_string(g.kolom));
    }
    // A cleared box.
    w.ZetFocus(k.txtKolom);
    Toets(w, Qt::Key_Delete);
    EXPECT_EQ(k.txtKolom->text(), QString());
    w.ZetFocus(w.cmdAnnuleren);
    EXPECT_EQ(k.txtKolom->Tekst(), "3");
    EXPECT_EQ(omgeving.piepen, 0);  // leaving the box is silent

    // A click in the middle of the box selects the whole number as well.
    QTest::mouseClick(k.txtKolom, Qt::LeftButton, {}, k.txtKolom->rect().center());
    EXPECT_EQ(w.ActieveControl(), k.txtKolom);
    Typ(w, QStringLiteral("7"));
    EXPECT_EQ(k.txtKolom->text(), QStringLiteral("7"));
    w.ZetFocus(w.cmdAnnuleren);
    EXPECT_EQ(k.UpDown->Value(), 7);

    // At most two characters.
    TypIn(1, QStringLiteral("123"));
    EXPECT_EQ(k.txtKolom->text(), QStringLiteral("12"));
    EXPECT_EQ(w.kiezer[2]->UpDown->Value(), 5);  // the other side keeps its own
}

TEST_F(KolomkiezerTest, EnterCommitsBeepsWhenRefusedAndMovesOn)
{
    Keuzevenster& w = Open();
    TypIn(1, QStringLiteral("17"));
    Toets(w, Qt::Key_Return);
    EXPECT_EQ(omgeving.piepen, 1);
    EXPECT_EQ(w.kiezer[1]->txtKolom->Tekst(), "5");
    EXPECT_EQ(w.ActieveControl(), w.kiezer[2]->txtKolom);
    EXPECT_EQ(w.kiezer[2]->txtKolom->SelLength(), 1);

    Typ(w, QStringLiteral("8"));
    Toets(w, Qt::Key_Return);
    EXPECT_EQ(omgeving.piepen, 1);
    EXPECT_EQ(w.kiezer[2]->UpDown->Value(), 8);
    EXPECT_EQ(w.ActieveControl(), w.cmdUitvoeren);
    EXPECT_EQ(w.kiezer[1]->UpDown->Value(), 5);
    EXPECT_TRUE(w.isVisible());  // Enter clicked nothing
}

TEST_F(KolomkiezerTest, TheBoxAlwaysShowsTheSpinner)
{
    Keuzevenster& w = Open();
    Kolomkiezer& k = *w.kiezer[2];
    std::vector<int> gezien;
    QObject::connect(&k, &Kolomkiezer::Change, [&] { gezien.push_back(k.UpDown->Value()); });
    for (int i = 0; i < 12; ++i)
        QTest::mouseClick(k.UpDown->KnopOmhoog(), Qt::LeftButton);
    EXPECT_EQ(k.UpDown->Value(), 16);
    EXPECT_EQ(k.txtKolom->Tekst(), "16");
    EXPECT_EQ(gezien.size(), 11u);  // the last click at 16 changes nothing
    k.UpDown->Omlaag();
    EXPECT_EQ(k.txtKolom->Tekst(), "15");
    EXPECT_EQ(w.ActieveControl(), w.kiezer[1]->Trimester[2]);  // the arrows take no focus
    EXPECT_EQ(k.Keuze(), (Kolomkeuze{2, 2, 15}));
}

TEST_F(KolomkiezerTest, OptionClicksAreReported)
{
    Keuzevenster& w = Open();
    Kolomkiezer& k = *w.kiezer[2];
    std::vector<int> niveaus, trimesters;
    QObject::connect(&k, &Kolomkiezer::NiveauClick, [&](int n) { niveaus.push_back(n); });
    QObject::connect(&k, &Kolomkiezer::TrimesterClick, [&](int t) { trimesters.push_back(t); });
    QTest::mouseClick(k.Niveau[1], Qt::LeftButton);
    QTest::mouseClick(k.Trimester[3], Qt::LeftButton);
    QTest::mouseClick(k.Trimester[3], Qt::LeftButton);  // already selected
    EXPECT_EQ(niveaus, std::vector<int>{1});
    EXPECT_EQ(trimesters, std::vector<int>{3});
    EXPECT_EQ(k.Keuze(), (Kolomkeuze{3, 1, 5}));
    EXPECT_EQ(k.Keuze().Absoluut(), 37);
    EXPECT_FALSE(k.Niveau[2]->isChecked());
    EXPECT_EQ(w.kiezer[1]->Keuze(), (Kolomkeuze{2, 2, 5}));  // each side its own group
}

TEST_F(KolomkiezerTest, AShowingBoxTakesNoTyping)
{
    Keuzevenster& w = Open(false);
    Kolomkiezer& k = *w.kiezer[1];
    EXPECT_EQ(k.txtKolom->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(k.txtKolom->isReadOnly());
    QTest::mouseClick(k.txtKolom, Qt::LeftButton, {}, k.txtKolom->rect().center());
    EXPECT_NE(w.ActieveControl(), k.txtKolom);
    k.UpDown->Omhoog();
    EXPECT_EQ(k.txtKolom->Tekst(), "6");
}

}  // namespace

// The report list driven offscreen with keys and clicks as a teacher uses it.
#include "reports/frmRapporten.h"

#include "core/Getallen.h"
#include "core/Schermvenster.h"
#include "names/Namenvensters.h"
#include "names/frmLeerlingVerwijderen.h"
#include "names/frmZoeken.h"
#include "platform/Etiket.h"
#include "platform/Kleuren.h"
#include "platform/Printer.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"
#include "reports/AfdrukRapporten.h"
#include "reports/Jaarkolom.h"
#include "reports/Rapportberekening.h"
#include "reports/frmRapportenAfronden.h"
#include "reports/frmRapportenBerekenen.h"
#include "reports/Rapportvoorbeeld.h"

#include "Alleenlezen.h"
#include "Printerhulp.h"
#include "VensterTest.h"

#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

using namespace VensterTest;

namespace {

std::string Tekst(const Etiket* e) { return e->Tekst(); }

// ---- The numbers of a level, recomputed from the formulas ----

// A report or weight as the screen shows it: one decimal, none for a whole
// number, no zero before the point, three characters.
std::string Rapporttekst(double v)
{
    const double r = std::floor(10 * v + 0.5) / 10;
    char b[16];
    if (r == std::floor(r))
        std::snprintf(b, sizeof b, "%d", static_cast<int>(r));
    else
        std::snprintf(b, sizeof b, "%.1f", r);
    std::string s = b;
    if (s.rfind("0.", 0) == 0)
        s.erase(0, 1);
    return Pas(s, 3);
}

// The end average: term averages weighted by the term weights, terms
// without a positive weight or without an average left out.
double Eindgemiddelde(const AdmMain& a, int p, int l)
{
    double w = 0, s = 0;
    for (int t = 1; t <= 3; ++t)
        if (a.TrimesterWeging(t, l) > 0 && a.TrGem(p, t, l) >= 0) {
            w += a.TrimesterWeging(t, l);
            s += a.TrimesterWeging(t, l) * a.TrGem(p, t, l);
        }
    return w > 0 ? s / w : -1;
}

// Checks every report, end average and class statistic of level l against
// the formulas of method 2 (the term averages; the end report the end
// average), rounded by the rounding codes.
void ControleerNiveau(const AdmMain& a, int l)
{
    std::vector<double> eind;
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        SCOPED_TRACE("pupil " + std::to_string(p) + " level " + std::to_string(l));
        const double e = Eindgemiddelde(a, p, l);
        if (e < 0) {
            EXPECT_EQ(a.EindGem(p, l), -1);
        } else {
            EXPECT_NEAR(a.EindGem(p, l), e, 1e-9);
            eind.push_back(e);
        }
        for (int k = 1; k <= 4; ++k) {
            const double v = k < 4 ? a.TrGem(p, k, l) : e;
            EXPECT_NEAR(a.Rapport(p, k, l), v, 1e-9) << "report " << k;
            const int code = a.RapportOptie[k];
            const double stap = code == 2 ? 0.5 : code == 3 ? 1 : 0.1;
            const std::string tekst = v < 0 ? "   " : Rapporttekst(std::floor(v / stap + 0.5 + 1e-7) * stap);
            EXPECT_EQ(a.RapportTxt(p, k, l), tekst) << "report " << k;
        }
    }
    double m = 0;
    for (double e : eind)
        m += e;
    m /= static_cast<double>(eind.size());
    double kw = 0;
    for (double e : eind)
        kw += (e - m) * (e - m);
    EXPECT_NEAR(a.KlEindGem(l), m, 1e-9);
    EXPECT_NEAR(a.KlEindSpr(l), std::sqrt(kw / static_cast<double>(eind.size())), 1e-9);
    for (int k = 1; k <= 4; ++k) {
        std::vector<double> r;
        for (int p = 1; p <= AantalLeerlingen; ++p)
            if (a.Rapport(p, k, l) >= 0)
                r.push_back(a.Rapport(p, k, l));
        double gem = 0;
        for (double x : r)
            gem += x;
        gem /= static_cast<double>(r.size());
        // The spread is taken around the mean as its text shows it.
        const double rm = std::floor(10 * gem + 0.500001) / 10;
        double rk = 0;
        for (double x : r)
            rk += (x - rm) * (x - rm);
        EXPECT_NEAR(a.RpGem(k, l), gem, 1e-9) << "report " << k;
        EXPECT_EQ(a.RpGemTxt(k, l), Rapporttekst(rm)) << "report " << k;
        EXPECT_NEAR(a.RpSpr(k, l), std::sqrt(rk / static_cast<double>(r.size())), 1e-9)
            << "report " << k;
    }
}

class Rapportenlijst : public ::testing::Test {
protected:
    void SetUp() override { voorbeeld::VulBerekend(adm); }
    void Open()
    {
        adm.Scherm = SchermRapporten;
        venster = std::make_unique<frmRapporten>(adm, omgeving);
        venster->leerlingvensters = &Namenvensters;
        ASSERT_TRUE(Activeer(*venster));
        ASSERT_EQ(venster->ActieveControl(), venster->StartFocus);
    }
    frmRapporten& v() { return *venster; }
    VasteBreedteInvoer* Rp(int p, int k) { return v().txtRp.at(v().CelIndex(p, k)); }
    // A click in the middle of a control, as a teacher's.
    void Klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void Toets(Qt::Key t) { VensterTest::Toets(v(), t); }
    void Typ(const char* s) { VensterTest::Typ(v(), QString::fromLatin1(s)); }
    // Types over what the box holds: the caret home, the old text deleted.
    void Vervang(const char* s)
    {
        Toets(Qt::Key_Home);
        for (int i = 0; i < 3; ++i)
            Toets(Qt::Key_Delete);
        Typ(s);
    }
    QWidget* Focus() { return v().ActieveControl(); }
    // The screen shows the data set: every line, weight and statistic.
    void ControleerScherm()
    {
        const int l = adm.Niveau;
        for (int t = 1; t <= 3; ++t) {
            EXPECT_EQ(v().txtTrGew[t]->Tekst(), adm.TrimGewichtTekst(t, l).view());
            EXPECT_EQ(Tekst(v().lblTrGem[t]), adm.KlTrGemTxt(t, l).view());
            EXPECT_EQ(Tekst(v().lblTrSpr[t]), adm.KlTrSprTxt(t, l).view());
        }
        const auto jaar = JaarstatistiekKlas(adm, l);
        ASSERT_TRUE(jaar);
        EXPECT_EQ(Tekst(v().lblJrGem), jaar->gem.tekst);
        EXPECT_EQ(Tekst(v().lblJrSpr), jaar->spr.tekst);
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(Tekst(v().lblRpGem[k]), adm.RpGemTxt(k, l).view());
            EXPECT_EQ(Tekst(v().lblRpSpr[k]), adm.RpSprTxt(k, l).view());
        }
        for (int p = adm.EersteRij; p <= adm.LaatsteRij; ++p) {
            const int i = GetoondeRij(adm, p);
            EXPECT_EQ(Tekst(v().lblJr[i]), JaarwaardeLeerling(adm, p, l)->tekst) << p;
            for (int k = 1; k <= 4; ++k)
                EXPECT_EQ(Rp(p, k)->Tekst(), adm.RapportTxt(p, k, l).view()) << p << "," << k;
        }
    }

    AdmMain adm;
    TestOmgeving omgeving;
    std::unique_ptr<frmRapporten> venster;
};

// A report box only for a pupil in the window and a report 1 to 4: a fifth
// report would be the next row's first box.
TEST_F(Rapportenlijst, AReportBoxOnlyInsideTheWindow)
{
    Open();
    ASSERT_EQ(adm.EersteRij, 1);
    EXPECT_EQ(v().RpVak(1, 1), v().txtRp[1]);
    EXPECT_EQ(v().RpVak(8, 4), v().txtRp[32]);
    for (const auto& [p, k] : {std::pair{1, 5}, {2, 0}, {8, 5}, {9, 1}, {0, 4}})
        EXPECT_EQ(v().RpVak(p, k), nullptr) << "pupil " << p << ", report " << k;
}

TEST_F(Rapportenlijst, TheExampleIsWhatTheFormulasGive)
{
    ControleerNiveau(adm, 1);
    ControleerNiveau(adm, 2);
}

// ---- Screen ----

TEST_F(Rapportenlijst, ShowsTheLevelWithItsColoursAndTheCurrentLine)
{
    adm.RapportTxt(2, 1, 1) = "5.4";
    adm.RapportTxt(2, 2, 1) = "5.5";
    adm.RapportTxt(2, 3, 1) = "0  ";
    adm.RapportTxt(2, 4, 1) = "   ";
    adm.RapportTxt(3, 1, 1) = "10 ";
    adm.HuidigeRij = 3;
    Open();
    EXPECT_EQ(Tekst(v().lblNummer[1]), "01");
    EXPECT_EQ(Tekst(v().lblNaam[1]), adm.Achternaam(1).view());  // 30 characters, blanks kept
    EXPECT_EQ(Tekst(v().NivoLabel), "Niveau  1");
    EXPECT_EQ(v().NivoLabel->palette().color(QPalette::WindowText), VbKleur(Kleur::Groen));
    EXPECT_EQ(Tekst(v().lblNiveau), "HAVO  ");
    EXPECT_TRUE(v().Toolbar().Ingedrukt(QStringLiteral("RAP")));
    EXPECT_TRUE(v().Toolbar().Ingedrukt(QStringLiteral("NIVO1")));
    EXPECT_FALSE(v().mnuRapportenlijst->isEnabled());
    EXPECT_EQ(Tekst(v().lblInsert), "Insert");
    ControleerScherm();

    auto kleur = [&](int p, int k) { return Rp(p, k)->palette().color(QPalette::Text); };
    EXPECT_EQ(kleur(2, 1), VbKleur(Kleur::Rood));
    EXPECT_EQ(kleur(2, 2), VbKleur(Kleur::Zwart));
    EXPECT_EQ(kleur(2, 3), VbKleur(Kleur::Rood));
    EXPECT_EQ(kleur(2, 4), VbKleur(Kleur::Zwart));
    EXPECT_EQ(kleur(3, 1), VbKleur(Kleur::Zwart));
    // The current line in cyan, its report boxes too; the others grey and white.
    for (QWidget* w : {static_cast<QWidget*>(v().lblNummer[3]), static_cast<QWidget*>(v().lblNaam[3]),
                       static_cast<QWidget*>(v().lblTr2[3]), static_cast<QWidget*>(v().lblJr[3]),
                       static_cast<QWidget*>(v().lblMentor[3])})
        EXPECT_EQ(w->palette().color(QPalette::Window), VbKleur(Kleur::Cyaan));
    EXPECT_EQ(Rp(3, 4)->palette().color(QPalette::Base), VbKleur(Kleur::Cyaan));
    EXPECT_EQ(v().lblNaam[2]->palette().color(QPalette::Window), VbKleur(Kleur::LichtGrijs));
    EXPECT_EQ(Rp(2, 4)->palette().color(QPalette::Base), VbKleur(Kleur::Wit));

    // The level switch: every number of level 2, the current line kept.
    KlikWerkbalk(v().Toolbar(), QStringLiteral("NIVO2"));
    EXPECT_EQ(adm.Niveau, 2);
    EXPECT_EQ(Tekst(v().NivoLabel), "Niveau  2");
    EXPECT_EQ(v().NivoLabel->palette().color(QPalette::WindowText), VbKleur(Kleur::Blauw));
    EXPECT_EQ(Tekst(v().lblNiveau), "VWO   ");
    EXPECT_TRUE(v().Toolbar().Ingedrukt(QStringLiteral("NIVO2")));
    EXPECT_FALSE(v().Toolbar().Ingedrukt(QStringLiteral("NIVO1")));
    ControleerScherm();
    KiesMenu(*v().mnuNiveau, *v().mnuNivo1);
    EXPECT_EQ(adm.Niveau, 1);
    EXPECT_FALSE(v().Toolbar().Ingedrukt(QStringLiteral("NIVO2")));
    ControleerScherm();
}

TEST_F(Rapportenlijst, ARedrawWritesNothingEvenFromAStateNoCommandLeaves)
{
    Open();
    alleenlezen::Controleer(
        adm, [this] { v().Afdrukken(1); },
        [this] {
            const int eerste = std::stoi(Tekst(v().lblNummer[1]));
            EXPECT_GE(eerste, 1);
            EXPECT_EQ(std::stoi(Tekst(v().lblNummer[8])), eerste + 7);
            EXPECT_LE(eerste + 7, AantalLeerlingen);
        });
}

TEST_F(Rapportenlijst, TheYearColumnAndItsTooltipsFollowTheMethod)
{
    Open();
    auto tip = [&](QWidget* w) {
        QTest::mouseMove(w, w->rect().center());
        return w->toolTip().toStdString();
    };
    for (int m : {1, 2, 3, 4}) {
        adm.RapportOptie[5] = m;
        v().Afdrukken(1);
        const bool eind = m != 4;
        EXPECT_EQ(Tekst(v().lblJr[1]), (eind ? adm.EindGemTxt(1, 1) : adm.JrGemTxt(1, 1)).view()) << m;
        EXPECT_EQ(Tekst(v().lblJrGem), (eind ? adm.KlEindGemTxt(1) : adm.KlJrGemTxt(1)).view()) << m;
        EXPECT_EQ(Tekst(v().lblJrSpr), (eind ? adm.KlEindSprTxt(1) : adm.KlJrSprTxt(1)).view()) << m;
        EXPECT_EQ(tip(v().lblJr[1]), GetalNaarTekst(eind ? adm.EindGem(1, 1) : adm.JrGem(1, 1)) + " ") << m;
        EXPECT_EQ(tip(v().lblJrGem), GetalNaarTekst(eind ? adm.KlEindGem(1) : adm.KlJrGem(1)) + " ") << m;
    }
    EXPECT_NE(adm.EindGemTxt(1, 1), adm.JrGemTxt(1, 1));
    // Full values; none gives " Niet gedefinieerd! ".
    EXPECT_EQ(tip(v().lblTr2[1]), GetalNaarTekst(adm.TrGem(1, 2, 1)) + " ");
    EXPECT_EQ(tip(v().lblRpSpr[2]), GetalNaarTekst(adm.RpSpr(2, 1)) + " ");
    EXPECT_EQ(tip(Rp(4, 3)), GetalNaarTekst(adm.Rapport(4, 3, 1)) + " ");
    EXPECT_EQ(tip(v().lblTr1[8]), GetalNaarTekst(adm.TrGem(8, 1, 1)) + " ");
    RijvensterVanaf(adm, 20);
    v().Afdrukken(1);
    EXPECT_EQ(tip(v().lblTr1[1]), " Niet gedefinieerd! ");  // slot 20 is empty
    EXPECT_EQ(tip(Rp(20, 1)), " Niet gedefinieerd! ");
}

TEST_F(Rapportenlijst, Schermafdruk)
{
    adm.Bestandsnaam = "/home/docent/cijfers/4H2-WISK.VLK";
    adm.HuidigeRij = 4;
    Open();
    const QImage beeld = v().grab().toImage();
    EXPECT_EQ(beeld.size(), QSize(800, 600));
    if (const QByteArray map = qgetenv("MORVALDIEK_DOCS"); !map.isEmpty()) {
        EXPECT_TRUE(beeld.save(QString::fromLocal8Bit(map) + QStringLiteral("/reports.png")));
        // The list with term averages as it prints, at 100 dots per inch.
        const QImage afdruk = PaginaAfbeelding(AfdrukJaarlijst(adm, 1, Datum{5, 3, 2024}, A4Afdrukvlak), 0, 100);
        EXPECT_TRUE(afdruk.convertToFormat(QImage::Format_Grayscale8)
                        .save(QString::fromLocal8Bit(map) + QStringLiteral("/reports-print.png"), "PNG"));
    }
}

// ---- Typing ----

TEST_F(Rapportenlijst, TypedReportsAndTermWeightsCarryTheWholeLevel)
{
    Open();
    // A term weight: every end report and end average of the level follows.
    Klik(v().txtTrGew[2]);
    EXPECT_EQ(Focus(), v().txtTrGew[2]);
    EXPECT_EQ(adm.RapportKolom, 2);
    EXPECT_EQ(v().txtTrGew[2]->palette().color(QPalette::Base), VbKleur(Kleur::Cyaan));
    Vervang("3");
    Toets(Qt::Key_Return);
    EXPECT_EQ(Focus(), v().txtTrGew[3]);
    EXPECT_EQ(v().txtTrGew[2]->palette().color(QPalette::Base), VbKleur(Kleur::Wit));
    EXPECT_EQ(adm.TrimGewichtTekst(2, 1), "3  ");
    EXPECT_EQ(adm.TrimesterWeging(2, 1), 3);
    EXPECT_EQ(adm.Gewijzigd, 1);
    ControleerNiveau(adm, 1);
    Toets(Qt::Key_Down);
    EXPECT_EQ(Focus(), v().txtTrGew[1]);
    ControleerScherm();

    // A report typed by hand stands until a computing method overwrites it.
    Klik(Rp(2, 3));
    EXPECT_EQ(adm.HuidigeRij, 2);
    EXPECT_EQ(adm.RapportKolom, 3);
    Vervang("7,5");
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.RapportTxt(2, 3, 1), "7.5");
    EXPECT_EQ(adm.Rapport(2, 3, 1), 7.5);
    EXPECT_EQ(adm.HuidigeRij, 3);
    EXPECT_EQ(Focus(), Rp(3, 3));
    EXPECT_EQ(omgeving.piepen, 0);
    // Its class mean and spread at once.
    std::vector<double> r;
    for (int p = 1; p <= AantalLeerlingen; ++p)
        if (adm.Rapport(p, 3, 1) >= 0)
            r.push_back(adm.Rapport(p, 3, 1));
    double m = 0;
    for (double x : r)
        m += x;
    EXPECT_NEAR(adm.RpGem(3, 1), m / static_cast<double>(r.size()), 1e-9);
    ControleerScherm();

    // Deleted: the box blank, the report gone.
    Klik(Rp(5, 4));
    Vervang("");
    Toets(Qt::Key_Up);
    EXPECT_EQ(adm.RapportTxt(5, 4, 1), "   ");
    EXPECT_EQ(adm.Rapport(5, 4, 1), -1);
    EXPECT_EQ(adm.HuidigeRij, 4);
    EXPECT_EQ(Focus(), Rp(4, 4));
    EXPECT_EQ(omgeving.piepen, 0);
    ControleerScherm();
}

struct Weigering {
    const char* naam;
    const char* getypt;
    bool gewicht;
};

class Geweigerd : public Rapportenlijst, public ::testing::WithParamInterface<Weigering> {};

TEST_P(Geweigerd, BeepsOnceAndBlanks)
{
    const Weigering& g = GetParam();
    Open();
    VasteBreedteInvoer* vak = g.gewicht ? v().txtTrGew[1] : Rp(6, 2);
    Klik(vak);
    Vervang(g.getypt);
    Toets(Qt::Key_Return);
    EXPECT_EQ(omgeving.piepen, 1);
    EXPECT_EQ(vak->Tekst(), "   ");
    if (g.gewicht) {
        EXPECT_EQ(adm.TrimGewichtTekst(1, 1), "   ");
        EXPECT_EQ(adm.TrimesterWeging(1, 1), 0);  // the term is left out
        ControleerNiveau(adm, 1);
    } else {
        EXPECT_EQ(adm.RapportTxt(6, 2, 1), "   ");
        EXPECT_EQ(adm.Rapport(6, 2, 1), -1);
        EXPECT_EQ(Rp(6, 2)->Tekst(), "   ");
    }
    EXPECT_EQ(adm.Gewijzigd, 1);
    ControleerScherm();
}

const Weigering weigeringen[] = {
    {"rapport_11", "11", false},
    {"rapport_letters", "ab", false},
    {"gewicht_11", "11", true},
    {"gewicht_letters", "x", true},
};

INSTANTIATE_TEST_SUITE_P(Invoer, Geweigerd, ::testing::ValuesIn(weigeringen),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Rapportenlijst, AClickInTheMiddleTypesFromTheStart)
{
    std::string leeg;
    VerwerkTrimGewicht(adm, leeg, 3, 1);
    VerwerkRapportcijfer(adm, leeg, 4, 2, 1);
    Open();
    ASSERT_EQ(Rp(4, 2)->Tekst(), "   ");
    Klik(Rp(4, 2));
    EXPECT_EQ(Rp(4, 2)->SelStart(), 0);
    Typ("7,5");
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.RapportTxt(4, 2, 1), "7.5");
    Klik(v().txtTrGew[3]);
    EXPECT_EQ(v().txtTrGew[3]->SelStart(), 0);
    Typ("2,5");
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.TrimGewichtTekst(3, 1), "2.5");
    EXPECT_EQ(omgeving.piepen, 0);
}

TEST_F(Rapportenlijst, AFourthCharacterIsRefusedAndTypeOverReplaces)
{
    Open();
    Klik(Rp(1, 1));
    Vervang("7.5");
    Typ("1");
    EXPECT_EQ(omgeving.piepen, 1);
    EXPECT_EQ(Rp(1, 1)->Tekst(), "7.5");
    // Type-over from the start: 6 over 7.
    Toets(Qt::Key_Insert);
    EXPECT_EQ(adm.InsertModus, 0);
    EXPECT_EQ(Tekst(v().lblInsert), "Type over");
    Toets(Qt::Key_Home);
    Typ("6");
    EXPECT_EQ(Rp(1, 1)->Tekst(), "6.5");
    // Insert: 6 before 6.5 pushes the 5 out when the key is released.
    Toets(Qt::Key_Insert);
    EXPECT_EQ(adm.InsertModus, 1);
    Toets(Qt::Key_Home);
    Typ("9");
    EXPECT_EQ(Rp(1, 1)->Tekst(), "96.");
    EXPECT_EQ(Rp(1, 1)->SelStart(), 1);
    Toets(Qt::Key_Return);
    EXPECT_EQ(omgeving.piepen, 2);  // 96 is no report
    EXPECT_EQ(adm.RapportTxt(1, 1, 1), "   ");
}

TEST_F(Rapportenlijst, EnteringAndLeavingABoxChangesNothing)
{
    // A computed report above 10 (scores) and a typed one.
    adm.Rapport(3, 1, 1) = 12.5;
    adm.RapportTxt(3, 1, 1) = "13 ";
    Open();
    for (auto [p, k] : {std::pair{3, 1}, {3, 2}, {7, 4}, {1, 1}}) {
        Klik(Rp(p, k));
        EXPECT_EQ(adm.HuidigeRij, p);
    }
    Klik(v().txtTrGew[1]);
    Klik(v().txtTrGew[3]);
    Toets(Qt::Key_Return);
    Klik(Rp(8, 2));
    Toets(Qt::Key_Down);
    Toets(Qt::Key_PageDown);
    Toets(Qt::Key_PageUp);
    v().vsbScroll->setValue(30);
    KlikWerkbalk(v().Toolbar(), QStringLiteral("RAP"));
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(adm.RapportTxt(3, 1, 1), "13 ");
    EXPECT_EQ(adm.Rapport(3, 1, 1), 12.5);
    EXPECT_EQ(omgeving.piepen, 0);
}

TEST_F(Rapportenlijst, AnEditIsStoredForItsPupilWhateverMovesTheWindow)
{
    Open();
    // The bottom line, then the scroll bar dragged: the typed report is pupil 8's.
    Klik(Rp(8, 2));
    Vervang("9");
    v().vsbScroll->setValue(12);
    EXPECT_EQ(adm.RapportTxt(8, 2, 1), "9  ");
    EXPECT_EQ(adm.HuidigeRij, 12);
    EXPECT_EQ(adm.EersteRij, 5);
    EXPECT_EQ(Focus(), Rp(12, 2));
    EXPECT_EQ(adm.Gewijzigd, 1);

    // PgDn from line 3: pupil 7's box keeps its own value.
    adm.Gewijzigd = 0;
    const std::string voor7 = adm.RapportTxt(7, 1, 1).str();
    Klik(Rp(7, 1));
    Vervang("4");
    Toets(Qt::Key_PageDown);
    EXPECT_EQ(adm.RapportTxt(7, 1, 1), "4  ");
    EXPECT_EQ(adm.RapportTxt(10, 1, 1), adm.RapportTxt(10, 1, 1));
    EXPECT_EQ(adm.HuidigeRij, 15);
    EXPECT_EQ(adm.EersteRij, 8);
    EXPECT_EQ(Focus(), Rp(15, 1));
    EXPECT_EQ(Rp(10, 1)->Tekst(), adm.RapportTxt(10, 1, 1).view());
    EXPECT_EQ(adm.Gewijzigd, 1);
    (void)voor7;

    // A line click and a level switch commit first.
    Klik(Rp(9, 3));
    Vervang("8");
    Klik(v().lblNaam[5]);
    EXPECT_EQ(adm.RapportTxt(9, 3, 1), "8  ");
    EXPECT_EQ(adm.HuidigeRij, 12);
    EXPECT_EQ(Focus(), Rp(12, 3));
    Vervang("6");
    KiesMenu(*v().mnuNiveau, *v().mnuNivo2);
    EXPECT_EQ(adm.RapportTxt(12, 3, 1), "6  ");
    EXPECT_NE(adm.RapportTxt(12, 3, 2), "6  ");
    KiesMenu(*v().mnuNiveau, *v().mnuNivo1);
    EXPECT_EQ(Rp(12, 3)->Tekst(), "6  ");
}

TEST_F(Rapportenlijst, ARefusedValueAtTheEdgeShowsTheStoredText)
{
    Open();
    Klik(Rp(1, 2));
    Vervang("x");
    Toets(Qt::Key_Up);  // nothing above pupil 1
    EXPECT_EQ(omgeving.piepen, 1);
    EXPECT_EQ(Rp(1, 2)->Tekst(), "   ");
    EXPECT_EQ(adm.RapportTxt(1, 2, 1), "   ");
    EXPECT_EQ(adm.HuidigeRij, 1);
    Vervang("7");
    Toets(Qt::Key_PageUp);
    EXPECT_EQ(adm.RapportTxt(1, 2, 1), "7  ");
    EXPECT_EQ(Focus(), Rp(1, 2));

    v().vsbScroll->setValue(36);
    Klik(Rp(36, 4));
    Vervang("12");
    Toets(Qt::Key_PageDown);
    EXPECT_EQ(omgeving.piepen, 2);
    EXPECT_EQ(Rp(36, 4)->Tekst(), "   ");
    Vervang("8");
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.RapportTxt(36, 4, 1), "8  ");
    EXPECT_EQ(Rp(36, 4)->SelStart(), 0);
    EXPECT_EQ(Focus(), Rp(36, 4));
}

// Whatever leaves a report box or runs a command, an edit reaches the
// entry point once, for the pupil and report it was typed for; a box only
// entered reaches it never. The report boxes' registered commit is counted.
enum class Leave { Enter, Down, Up, PgDn, PgUp, OtherBox, WeightBox, ScrollBar, LineClick, Menu, Toolbar, Level, About, CloseBox };
enum class Input { Typed, Refused, Nothing };

class OneCommit : public Rapportenlijst, public ::testing::WithParamInterface<std::tuple<Leave, Input>> {};

TEST_P(OneCommit, PerEdit)
{
    const auto [leave, input] = GetParam();
    Open();
    const std::string before = adm.RapportTxt(3, 2, 1).str();
    ASSERT_NE(before, "   ");
    Vaksoort* boxes = v().PlaatsVan(Rp(1, 1)).soort;
    ASSERT_NE(boxes, nullptr);
    const auto commit = boxes->vastleggen;
    int commits = 0;
    boxes->vastleggen = [&](int i) {
        ++commits;
        commit(i);
    };

    Klik(Rp(3, 2));
    if (input == Input::Typed)
        Vervang("7");
    else if (input == Input::Refused)
        Vervang("x");
    switch (leave) {
    case Leave::Enter: Toets(Qt::Key_Return); break;
    case Leave::Down: Toets(Qt::Key_Down); break;
    case Leave::Up: Toets(Qt::Key_Up); break;
    case Leave::PgDn: Toets(Qt::Key_PageDown); break;
    case Leave::PgUp: Toets(Qt::Key_PageUp); break;
    case Leave::OtherBox: Klik(Rp(5, 4)); break;
    case Leave::WeightBox: Klik(v().txtTrGew[1]); break;
    case Leave::ScrollBar: v().vsbScroll->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Leave::LineClick: Klik(v().lblNaam[6]); break;
    case Leave::Menu: OpenMenu(*v().mnuSorteren); break;
    case Leave::Toolbar: KlikWerkbalk(v().Toolbar(), QStringLiteral("RAP")); break;
    case Leave::Level: KlikWerkbalk(v().Toolbar(), QStringLiteral("NIVO2")); break;
    case Leave::About:
        omgeving.Beantwoord(QDialog::Accepted);
        KiesMenu(*v().mnuHelp, *v().mnuInfo);
        break;
    case Leave::CloseBox:
        omgeving.Beantwoord([](QDialog& d) { KlikKnop(d, QStringLiteral("&Annuleren")); });
        EXPECT_FALSE(v().close());
        break;
    }
    Verwerk();

    EXPECT_EQ(commits, input == Input::Nothing ? 0 : 1);
    // The save prompt of the close box beeps as it opens.
    const int prompt = leave == Leave::CloseBox ? 1 : 0;
    EXPECT_EQ(omgeving.piepen, prompt + (input == Input::Refused ? 1 : 0));
    EXPECT_EQ(adm.RapportTxt(3, 2, 1), input == Input::Typed ? "7  " : input == Input::Refused ? "   " : before);
    if (input == Input::Nothing) {
        EXPECT_EQ(adm.Gewijzigd, 0);
    }
}

std::string Case(const ::testing::TestParamInfo<std::tuple<Leave, Input>>& info)
{
    static const char* const names[] = {"enter",      "down",       "up",   "pgdn",    "pgup",  "other_box", "weight_box",
                                        "scroll_bar", "line_click", "menu", "toolbar", "level", "about",     "close_box"};
    static const char* const inputs[] = {"typed", "refused", "nothing"};
    return std::string(names[static_cast<int>(std::get<0>(info.param))]) + "_" +
           inputs[static_cast<int>(std::get<1>(info.param))];
}

// Every way out; the close box last.
const Leave leaves[] = {Leave::Enter,    Leave::Down,      Leave::Up,        Leave::PgDn,      Leave::PgUp,
                        Leave::OtherBox, Leave::WeightBox, Leave::ScrollBar, Leave::LineClick, Leave::Menu,
                        Leave::Toolbar,  Leave::Level,     Leave::About,     Leave::CloseBox};

INSTANTIATE_TEST_SUITE_P(Edited, OneCommit,
                         ::testing::Combine(::testing::ValuesIn(leaves),
                                            ::testing::Values(Input::Typed, Input::Refused)),
                         Case);
// Only entered: without a change the close box asks nothing and ends the run.
INSTANTIATE_TEST_SUITE_P(Unedited, OneCommit,
                         ::testing::Combine(::testing::ValuesIn(std::begin(leaves), std::end(leaves) - 1),
                                            ::testing::Values(Input::Nothing)),
                         Case);

// ---- Moving ----

struct Beweging {
    const char* naam;
    int eersteRij, huidig;
    Qt::Key toets;
    int eersteNa, huidigNa;
};

class Rijen : public Rapportenlijst, public ::testing::WithParamInterface<Beweging> {};

TEST_P(Rijen, TheWindowFollowsThePupil)
{
    const Beweging& b = GetParam();
    for (bool inVak : {true, false}) {
        SCOPED_TRACE(inVak ? "report box" : "StartFocus");
        adm.EersteRij = b.eersteRij;
        adm.LaatsteRij = b.eersteRij + 7;
        adm.HuidigeRij = b.huidig;
        Open();
        if (inVak)
            Klik(Rp(b.huidig, 3));
        Toets(b.toets);
        if (!inVak && b.toets == Qt::Key_Return) {
            EXPECT_EQ(adm.HuidigeRij, b.huidig);  // Enter moves nothing without a box
            continue;
        }
        EXPECT_EQ(adm.HuidigeRij, b.huidigNa);
        EXPECT_EQ(adm.EersteRij, b.eersteNa);
        EXPECT_EQ(adm.LaatsteRij, b.eersteNa + 7);
        EXPECT_EQ(v().vsbScroll->value(), b.huidigNa);
        EXPECT_EQ(Focus(), inVak ? static_cast<QWidget*>(Rp(b.huidigNa, 3)) : v().StartFocus);
        EXPECT_EQ(v().lblNummer[GetoondeRij(adm, b.huidigNa)]->palette().color(QPalette::Window),
                  VbKleur(Kleur::Cyaan));
    }
}

const Beweging bewegingen[] = {
    {"neer_onderaan", 1, 8, Qt::Key_Down, 2, 9},
    {"enter_binnen", 1, 3, Qt::Key_Return, 1, 4},
    {"pgdn_van_regel_3", 1, 3, Qt::Key_PageDown, 4, 11},
    {"pgdn_van_30", 23, 30, Qt::Key_PageDown, 29, 36},
    {"pgup_van_9", 2, 9, Qt::Key_PageUp, 1, 1},
    {"pgup_van_12", 5, 12, Qt::Key_PageUp, 4, 4},
    {"op_bovenaan", 10, 10, Qt::Key_Up, 9, 9},
    {"op_binnen", 5, 7, Qt::Key_Up, 5, 6},
};

INSTANTIATE_TEST_SUITE_P(Toetsen, Rijen, ::testing::ValuesIn(bewegingen),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Rapportenlijst, EveryPupilIsReachedByKeysScrollBarAndClicks)
{
    Open();
    // From StartFocus, Down through all 36.
    for (int p = 2; p <= AantalLeerlingen; ++p) {
        Toets(Qt::Key_Down);
        ASSERT_EQ(adm.HuidigeRij, p);
    }
    Toets(Qt::Key_Down);
    EXPECT_EQ(adm.HuidigeRij, 36);
    EXPECT_EQ(adm.EersteRij, 29);
    EXPECT_EQ(Tekst(v().lblNummer[8]), "36");

    // The scroll bar's arrows and trough.
    v().vsbScroll->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(adm.HuidigeRij, 28);
    EXPECT_EQ(adm.EersteRij, 28);
    v().vsbScroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(adm.HuidigeRij, 29);
    EXPECT_EQ(adm.EersteRij, 28);

    // A line click makes that line's pupil current; the focus stays where it was.
    Klik(v().lblVoornaam[6]);
    EXPECT_EQ(adm.HuidigeRij, 33);
    EXPECT_EQ(Focus(), v().StartFocus);
    Klik(v().lblMentor[1]);
    EXPECT_EQ(adm.HuidigeRij, 28);

    // Typing down a whole report column from the first pupil to the last.
    v().vsbScroll->setValue(1);
    Klik(Rp(1, 1));
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        ASSERT_EQ(Focus(), Rp(p, 1)) << p;
        Vervang(Rapporttekst(1 + (p * 7) % 90 / 10.0).c_str());
        Toets(p % 2 ? Qt::Key_Return : Qt::Key_Down);
    }
    for (int p = 1; p <= AantalLeerlingen; ++p)
        EXPECT_EQ(adm.RapportTxt(p, 1, 1), Rapporttekst(1 + (p * 7) % 90 / 10.0)) << p;
    EXPECT_EQ(omgeving.piepen, 0);
    ControleerScherm();
}

// ---- Menus ----

TEST_F(Rapportenlijst, EditMenuPutsTheFocusInTheChosenBox)
{
    adm.HuidigeRij = 6;
    Open();
    KiesMenu(*v().mnuBewerken, *v().mnuRap3);
    EXPECT_EQ(Focus(), Rp(6, 3));
    EXPECT_EQ(adm.RapportKolom, 3);
    KiesMenu(*v().mnuBewerken, *v().mnuEindRap);
    EXPECT_EQ(Focus(), Rp(6, 4));
    KiesMenu(*v().mnuBewerken, *v().mnuTrimGew);
    EXPECT_EQ(Focus(), v().txtTrGew[1]);
    EXPECT_EQ(adm.RapportKolom, 1);
    KiesMenu(*v().mnuBewerken, *v().mnuRap1);
    EXPECT_EQ(Focus(), Rp(6, 1));
}

TEST_F(Rapportenlijst, AfterADialogTheFirstBoxFocusIsTheOldOne)
{
    Open();
    Klik(Rp(5, 3));
    omgeving.Beantwoord(QDialog::Accepted);
    KiesMenu(*v().mnuHelp, *v().mnuInfo);
    // The activation's suppressed GotFocus leaves the report column at 1.
    EXPECT_EQ(Focus(), Rp(5, 3));
    EXPECT_EQ(adm.RapportKolom, 1);
    Vervang("6");
    Toets(Qt::Key_Down);
    EXPECT_EQ(adm.RapportTxt(5, 3, 1), "6  ");
    EXPECT_EQ(adm.HuidigeRij, 6);
    EXPECT_EQ(Focus(), Rp(6, 1));
}

TEST_F(Rapportenlijst, SearchAndDeleteFromTheReportList)
{
    Open();
    Klik(v().txtTrGew[2]);
    Vervang("3");
    // Search: the box is committed, the chosen pupil current, the rows follow.
    omgeving.Beantwoord([](QDialog& d) {
        VensterTest::Typ(d, QStringLiteral("Wil"));
        ASSERT_EQ(dynamic_cast<frmZoeken&>(d).lstLeerlingenLijst->selectedItems().size(), 1);
        VensterTest::Toets(d, Qt::Key_Return);
    });
    KlikWerkbalk(v().Toolbar(), QStringLiteral("ZOEK"));
    EXPECT_EQ(adm.TrimGewichtTekst(2, 1), "3  ");
    EXPECT_EQ(adm.HuidigeRij, 28);
    EXPECT_EQ(adm.LaatsteRij, 28);
    EXPECT_EQ(Tekst(v().lblNaam[8]), adm.Achternaam(28).view());
    EXPECT_EQ(v().lblNummer[8]->palette().color(QPalette::Window), VbKleur(Kleur::Cyaan));

    // Delete: the pupil's reports go, the report statistics follow.
    adm.Gewijzigd = 0;
    omgeving.Beantwoord([](QDialog& d) {
        QListWidget* lijst = dynamic_cast<frmLeerlingVerwijderen&>(d).lstLeerlingenLijst;
        for (int i = 0; i < lijst->count(); ++i)
            if (lijst->item(i)->text().contains(QStringLiteral("Willems")))
                lijst->item(i)->setSelected(true);
        KlikKnop(d, QStringLiteral("&Verwijderen"));
    });
    KiesMenu(*v().mnuBewerken, *v().mnuLeerlingVerwijderen);
    EXPECT_TRUE(LeegLeerling(adm, 28));
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(adm.RapportTxt(28, k, 1), "   ") << k;
    EXPECT_EQ(adm.EindGem(28, 1), -1);
    EXPECT_EQ(adm.Gewijzigd, 1);
    ControleerNiveau(adm, 1);
    ControleerScherm();
}

// The rounding dialog: the options shown, a choice, confirm or cancel.
TestOmgeving::Script Afronden(int rapport, int code, bool uitvoeren, bool metToets)
{
    return [=](QDialog& d) {
        auto& dlg = dynamic_cast<frmRapportenAfronden&>(d);
        QTest::mouseClick(dlg.Option[rapport][code], Qt::LeftButton, {}, QPoint(6, dlg.Option[rapport][code]->height() / 2));
        if (metToets)
            QTest::keyClick(dlg.focusWidget() ? dlg.focusWidget() : &dlg, uitvoeren ? Qt::Key_Return : Qt::Key_Escape);
        else
            QTest::mouseClick(uitvoeren ? dlg.cmdUitvoeren : dlg.cmdAnnuleren, Qt::LeftButton);
    };
}

TEST_F(Rapportenlijst, EachRoundingConfirmedAndCancelled)
{
    Open();
    // A new file: tenths for the term reports, whole numbers for the end report.
    omgeving.Beantwoord([](QDialog& d) {
        auto& dlg = dynamic_cast<frmRapportenAfronden&>(d);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Rapportcijfers afronden op..."));
        for (int k = 1; k <= 4; ++k)
            EXPECT_TRUE(dlg.Option[k][k == 4 ? 3 : 1]->isChecked()) << k;
        EXPECT_EQ(dlg.focusWidget(), dlg.Option[1][1]);
        KlikKnop(d, QStringLiteral("&Annuleren"));
    });
    KiesMenu(*v().mnuOpties, *v().mnuRapportcijfersAfronden);
    EXPECT_EQ(adm.Gewijzigd, 0);

    for (int k = 1; k <= 4; ++k) {
        for (int code = 1; code <= 3; ++code) {
            for (bool uitvoeren : {false, true}) {
                SCOPED_TRACE("report " + std::to_string(k) + " code " + std::to_string(code) +
                             (uitvoeren ? " confirmed" : " cancelled"));
                const auto voor = adm.RapportOptie;
                adm.Gewijzigd = 0;
                omgeving.Beantwoord(Afronden(k, code, uitvoeren, code == 2));
                KiesMenu(*v().mnuOpties, *v().mnuRapportcijfersAfronden);
                if (uitvoeren) {
                    EXPECT_EQ(adm.RapportOptie[k], code);
                    EXPECT_EQ(adm.Gewijzigd, 1);
                } else {
                    EXPECT_EQ(adm.RapportOptie, voor);
                    EXPECT_EQ(adm.RapportOptieNieuw, voor);
                    EXPECT_EQ(adm.Gewijzigd, 0);
                }
                EXPECT_FALSE(adm.DialoogOK);
                ControleerNiveau(adm, 1);
                ControleerNiveau(adm, 2);
                ControleerScherm();
            }
        }
    }
}

TestOmgeving::Script Berekenen(int methode, bool uitvoeren, bool metToets)
{
    return [=](QDialog& d) {
        auto& dlg = dynamic_cast<frmRapportenBerekenen&>(d);
        // On the caption, in the middle: the option is chosen.
        QTest::mouseClick(dlg.lblButton[methode], Qt::LeftButton, {}, dlg.lblButton[methode]->rect().center());
        EXPECT_TRUE(dlg.optButton[methode]->isChecked());
        if (metToets)
            QTest::keyClick(dlg.focusWidget() ? dlg.focusWidget() : &dlg, uitvoeren ? Qt::Key_Return : Qt::Key_Escape);
        else
            QTest::mouseClick(uitvoeren ? dlg.cmdUitvoeren : dlg.cmdAnnuleren, Qt::LeftButton);
    };
}

TEST_F(Rapportenlijst, EachMethodConfirmedAndCancelled)
{
    // A report typed by hand, kept under method 1.
    std::string zeven = "7";
    VerwerkRapportcijfer(adm, zeven, 2, 1, 1);
    Open();
    omgeving.Beantwoord([](QDialog& d) {
        auto& dlg = dynamic_cast<frmRapportenBerekenen&>(d);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Rapportcijfers berekenen..."));
        EXPECT_TRUE(dlg.optButton[2]->isChecked());
        EXPECT_EQ(dlg.focusWidget(), dlg.optButton[2]);
        QTest::keyClick(dlg.focusWidget(), Qt::Key_Escape);
    });
    KiesMenu(*v().mnuOpties, *v().mnuRapportcijfersBerekenen);
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(adm.RapportTxt(2, 1, 1), "7  ");

    for (int m : {1, 4, 3, 2}) {
        for (bool uitvoeren : {false, true}) {
            SCOPED_TRACE("method " + std::to_string(m) + (uitvoeren ? " confirmed" : " cancelled"));
            const int voor = adm.RapportOptie[5];
            adm.Gewijzigd = 0;
            omgeving.Beantwoord(Berekenen(m, uitvoeren, m % 2 == 0));
            KiesMenu(*v().mnuOpties, *v().mnuRapportcijfersBerekenen);
            EXPECT_EQ(adm.RapportOptie[5], uitvoeren ? m : voor);
            EXPECT_EQ(adm.RapportOptieNieuw[5], adm.RapportOptie[5]);
            EXPECT_EQ(adm.Gewijzigd, uitvoeren ? 1 : 0);
            if (uitvoeren && m == 1) {
                EXPECT_EQ(adm.RapportTxt(2, 1, 1), "7  ");  // method 1 keeps what was typed
            }
            if (uitvoeren && m == 4) {
                // The running average of all grades: report 1 the weighted grades of term 1.
                EXPECT_NEAR(adm.Rapport(1, 1, 1), adm.TrGem(1, 1, 1), 1e-9);
                EXPECT_EQ(Tekst(v().lblJr[1]), adm.JrGemTxt(1, 1).view());
            }
            ControleerScherm();
        }
    }
    // Back on method 2: everything as the formulas give it.
    ControleerNiveau(adm, 1);
    ControleerNiveau(adm, 2);
}

TEST_F(Rapportenlijst, OutOfRangeOptionsFromAFileShowAsOne)
{
    Open();
    adm.RapportOptie = {0, 7, 2, 0, 3, 9};
    omgeving.Beantwoord([](QDialog& d) {
        auto& dlg = dynamic_cast<frmRapportenAfronden&>(d);
        EXPECT_TRUE(dlg.Option[1][1]->isChecked());
        EXPECT_TRUE(dlg.Option[2][2]->isChecked());
        EXPECT_TRUE(dlg.Option[3][1]->isChecked());
        KlikKnop(d, QStringLiteral("&Annuleren"));
    });
    KiesMenu(*v().mnuOpties, *v().mnuRapportcijfersAfronden);
    EXPECT_EQ(adm.RapportOptie, (std::array<int, 6>{0, 1, 2, 1, 3, 9}));
    omgeving.Beantwoord([](QDialog& d) {
        EXPECT_TRUE(dynamic_cast<frmRapportenBerekenen&>(d).optButton[1]->isChecked());
        KlikKnop(d, QStringLiteral("&Annuleren"));
    });
    KiesMenu(*v().mnuOpties, *v().mnuRapportcijfersBerekenen);
    EXPECT_EQ(adm.RapportOptie[5], 1);
    EXPECT_EQ(adm.Gewijzigd, 0);
}

TEST_F(Rapportenlijst, EachPupilOrder)
{
    adm.Basisgroep(3) = "B";
    adm.Basisgroep(5) = "A";
    adm.Kenmerk(7) = "dyslexie";
    Open();
    auto namen = [&](int n) {
        std::vector<std::string> r;
        for (int p = 1; p <= n; ++p)
            r.emplace_back(Trim(adm.Achternaam(p).view()));
        return r;
    };
    const std::string bos = "Bos", dekker = "Dekker", graaf = "de Graaf";
    KiesMenu(*v().mnuSorteren, *v().mnuSortBasisgroep);
    EXPECT_EQ(namen(2), (std::vector<std::string>{"Dijkstra-\xD6lmez", "\xC7" "elik"}));
    EXPECT_EQ(adm.Gewijzigd, 1);
    ControleerScherm();
    KiesMenu(*v().mnuSorteren, *v().mnuSortKenmerk);
    EXPECT_EQ(namen(1), (std::vector<std::string>{graaf}));
    KiesMenu(*v().mnuSorteren, *v().mnuSortAchternaam);
    EXPECT_EQ(namen(3), (std::vector<std::string>{"Bakker", bos, "\xC7" "elik"}));
    KiesMenu(*v().mnuSorteren, *v().mnuSortMentor);
    EXPECT_EQ(adm.Mentor(1), "DVR");
    EXPECT_EQ(adm.Mentor(adm.HuidigeRij), adm.Mentor(adm.HuidigeRij));
    // By year value, highest first; the end average under methods 1..3.
    adm.Gewijzigd = 0;
    KiesMenu(*v().mnuSorteren, *v().mnuSortJaargemiddelde);
    EXPECT_EQ(adm.Gewijzigd, 1);
    for (int p = 1; p < 27; ++p)
        EXPECT_GE(adm.EindGem(p, 1), adm.EindGem(p + 1, 1)) << p;
    // Everything moved with its pupil: the level still as the formulas give it.
    ControleerNiveau(adm, 1);
    ControleerNiveau(adm, 2);
    ControleerScherm();
    (void)dekker;
}

// ---- Printing ----

TEST_F(Rapportenlijst, PrintsThroughTheDialogFromTheMenuAndAtOnceFromTheToolbar)
{
    Open();
    struct Afdruk {
        bool dialoog;
        int paginas;
        std::string vakregel;
    };
    std::vector<Afdruk> gedrukt;
    v().Printen = [&](const Paginabouwer& bouw, bool dialoog) {
        const Paginamodel pm = bouw(A4Afdrukvlak);
        const double h = pm.TextHeight(), w = pm.TextWidth(" ");
        std::string vak;
        for (double y : {8 * h, 7 * h})
            if (vak.empty())
                vak = pm.Paginas()[0].Regel(y, 9 * w, w);
        gedrukt.push_back({dialoog, static_cast<int>(pm.Paginas().size()), vak});
        return Afdrukuitkomst{Afdrukstatus::Gedrukt, "", 1};
    };
    Klik(Rp(2, 2));
    KiesMenu(*v().mnuAfdrukken, *v().mnuRapNiv2);
    EXPECT_EQ(Focus(), v().StartFocus);
    KiesMenu(*v().mnuAfdrukken, *v().mnuJaarNiv1);
    KlikWerkbalk(v().Toolbar(), QStringLiteral("NIVO2"));
    KlikWerkbalk(v().Toolbar(), QStringLiteral("Print"));
    ASSERT_EQ(gedrukt.size(), 3u);
    EXPECT_TRUE(gedrukt[0].dialoog);
    EXPECT_EQ(gedrukt[0].paginas, 2);  // report grades only: 28 rows over two pages
    EXPECT_NE(gedrukt[0].vakregel.find("Niveau 2 : VWO"), std::string::npos);
    EXPECT_TRUE(gedrukt[1].dialoog);
    EXPECT_EQ(gedrukt[1].paginas, 1);
    EXPECT_FALSE(gedrukt[2].dialoog);
    EXPECT_EQ(gedrukt[2].paginas, 1);

    // A failure says why.
    v().Printen = [](const Paginabouwer&, bool) { return Afdrukuitkomst{Afdrukstatus::Mislukt, "Printer offline", 0}; };
    KlikWerkbalk(v().Toolbar(), QStringLiteral("Print"));
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_TRUE(omgeving.meldingen[0].tekst.startsWith(QStringLiteral("Foutmelding:")));
}

}  // namespace

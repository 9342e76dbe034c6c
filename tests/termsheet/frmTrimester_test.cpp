// The term sheet driven offscreen with keys and clicks as a teacher uses it.
#include "termsheet/frmTrimester.h"

#include "core/Getallen.h"
#include "core/Schermvenster.h"
#include "platform/Etiket.h"
#include "platform/Kleuren.h"
#include "platform/Opmaak.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"
#include "termsheet/Cijferverwerking.h"
#include "names/Namenvensters.h"
#include "names/frmLeerlingVerwijderen.h"
#include "names/frmZoeken.h"
#include "columntools/Kolomgereedschap.h"
#include "columntools/frmKolomNormFouten.h"
#include "columntools/frmKolomNormScores.h"
#include "columntools/frmKolomWissen.h"
#include "columntools/Kolomkiezer.h"
#include "columntools/frmKolommenVerwisselen.h"
#include "platform/Draaiknop.h"

#include "Alleenlezen.h"
#include "VensterTest.h"
#include "termsheet/AfdrukVoorbeeld.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QFile>
#include <QMimeData>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>
#include <tuple>
#include <string>

using namespace VensterTest;

namespace {

std::string Tekst(const Etiket* e) { return e->Tekst(); }

class Trimesterblad : public ::testing::Test {
protected:
    void SetUp() override
    {
        NieuwCijferbestand(adm);
        // The toolbar's "Save" saves: into a folder of the test's own.
        adm.Bestandsnaam = map.filePath(QStringLiteral("klas.vlk")).toStdString();
        for (int p = 1; p <= AantalLeerlingen; ++p) {
            adm.Achternaam(p) = "Leerling " + std::to_string(p);
            adm.Roepnaam(p) = "Kim";
        }
        adm.Scherm = SchermTrimester1;
        venster = std::make_unique<frmTrimester>(adm, omgeving);
        venster->leerlingvensters = &Namenvensters;
        ASSERT_TRUE(Activeer(*venster));
        ASSERT_EQ(venster->ActieveControl(), venster->StartFocus);
    }

    frmTrimester& v() { return *venster; }
    VasteBreedteInvoer* Cel(int p, int c) { return v().txtCijfer.at(v().CelIndex(p, c)); }
    // A click in the middle of the box, as a teacher clicks.
    void Klik(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    void Toets(Qt::Key t) { VensterTest::Toets(v(), t); }
    void Typ(const char* s) { VensterTest::Typ(v(), QString::fromLatin1(s)); }
    // Types over what the box holds: the caret home, the old text deleted.
    void Vervang(const char* s, int breedte = 3)
    {
        Toets(Qt::Key_Home);
        for (int i = 0; i < breedte; ++i)
            Toets(Qt::Key_Delete);
        Typ(s);
    }
    QWidget* Focus() { return v().ActieveControl(); }
    void Grade(int p, int c, const char* tekst)
    {
        std::string t = tekst;
        VerwerkCijfer(adm, t, p, c, (c - 1) / 16 + 1, 1);
    }

    QTemporaryDir map;
    AdmMain adm;
    TestOmgeving omgeving;
    std::unique_ptr<frmTrimester> venster;
};

// ---- Grades ----

TEST_F(Trimesterblad, CijfersMetEnterNaarDeVolgendeLeerling)
{
    std::string gewicht = "1";
    VerwerkGewicht(adm, gewicht, 1, 1, 1);
    Klik(Cel(1, 1));
    Typ("7");
    Toets(Qt::Key_Return);
    Typ("8,5");
    Toets(Qt::Key_Return);

    EXPECT_EQ(adm.Cijfer(1, 1, 1), "7  ");
    EXPECT_EQ(adm.Cijfer(2, 1, 1), "8.5");
    EXPECT_EQ(adm.HuidigeRij, 3);
    EXPECT_EQ(Focus(), Cel(3, 1));
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(omgeving.piepen, 0);

    // Every average on screen follows.
    EXPECT_DOUBLE_EQ(adm.KlGem(1, 1), 7.75);
    EXPECT_EQ(Tekst(v().lblKlGem[1]), adm.KlGemTxt(1, 1).view());
    EXPECT_EQ(Tekst(v().lblKlSpr[1]), adm.KlSprTxt(1, 1).view());
    EXPECT_EQ(Tekst(v().lblTrGem[1]), "7   ");
    EXPECT_EQ(Tekst(v().lblTrGem[2]), "8.5 ");
    EXPECT_EQ(Tekst(v().lblKlTrGem), adm.KlTrGemTxt(1, 1).view());
    EXPECT_DOUBLE_EQ(adm.KlTrGem(1, 1), 7.75);
    // The current row is highlighted, the one before is not.
    EXPECT_EQ(v().lblNummer[3]->palette().color(QPalette::Window), VbKleur(Kleur::Cyaan));
    EXPECT_EQ(Cel(2, 1)->palette().color(QPalette::Base), VbKleur(Kleur::Wit));
}

// The caret stands at the start of a box clicked in the middle, so that
// what is typed is stored from its first character.
TEST_F(Trimesterblad, AClickInTheMiddleOfABoxTypesFromItsStart)
{
    Klik(Cel(1, 1));
    EXPECT_EQ(Cel(1, 1)->SelStart(), 0);
    Typ("7,5");
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.Cijfer(1, 1, 1), "7.5");
    EXPECT_EQ(omgeving.piepen, 0);

    Klik(v().txtSoort[2]);
    Typ("SO");
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.KolomSoort(2, 1), Pas("SO", 39));
    Klik(v().txtOpmerking[4]);
    Typ("boek");
    Klik(v().txtGewicht[4]);
    EXPECT_EQ(adm.KolomOpmerking(4, 1), Pas("boek", 39));
    Typ("2");
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.KolomGewicht(4, 1), "2  ");
    EXPECT_EQ(omgeving.piepen, 0);
}

struct Weigering {
    const char* naam;
    const char* vooraf;  // the stored grade before
    const char* getypt;
};

class Geweigerd : public Trimesterblad, public ::testing::WithParamInterface<Weigering> {};

TEST_P(Geweigerd, PieptEnMaaktLeeg)
{
    const Weigering& g = GetParam();
    Grade(5, 2, g.vooraf);
    v().Afdrukken(1);
    Klik(Cel(5, 2));
    Vervang(g.getypt);
    // A toolbar command commits without a redraw: the blank shows at once.
    KlikWerkbalk(v().Toolbar(), QStringLiteral("Save"));
    EXPECT_EQ(omgeving.piepen, 1);
    EXPECT_EQ(adm.Cijfer(5, 2, 1), "   ");
    EXPECT_EQ(Cel(5, 2)->Tekst(), "   ");
    EXPECT_EQ(adm.KlAantal(2, 1), 0);
    Toets(Qt::Key_Return);  // committed once: no second beep
    EXPECT_EQ(omgeving.piepen, 1);
    EXPECT_EQ(adm.HuidigeRij, 6);
}

const Weigering weigeringen[] = {
    {"boven_200", "", "201"},
    {"geen_getal", "", "ab"},
    {"negatief_over_cijfer", "6", "-1"},
    {"woord_over_cijfer", "7.5", "x"},
};

INSTANTIATE_TEST_SUITE_P(Invoer, Geweigerd, ::testing::ValuesIn(weigeringen),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Trimesterblad, ElkeBewerkingBlijftWaarZeGetyptIsOverAlleLeerlingenEnKolommen)
{
    auto cijfer = [](int p, int c) {
        const int tienden = 10 + (p * 37 + c * 11) % 91;  // 1.0 .. 10.0
        return tienden % 10 == 0 ? std::to_string(tienden / 10)
                                 : std::to_string(tienden / 10) + "." + std::to_string(tienden % 10);
    };
    Klik(Cel(1, 1));
    for (int c = 1; c <= 16; ++c) {
        if (c > 1) {
            // The scroll bar to the next column, then PgUp to the first pupil.
            v().hsbScroll->setValue(c);
            ASSERT_EQ(adm.HuidigeKolom, c);
            ASSERT_EQ(Focus(), Cel(36, c));
            for (int i = 0; i < 5; ++i)
                Toets(Qt::Key_PageUp);
            ASSERT_EQ(adm.HuidigeRij, 1);
        }
        for (int p = 1; p <= 36; ++p) {
            ASSERT_EQ(Focus(), Cel(p, c)) << p << "," << c;
            Typ(cijfer(p, c).c_str());
            Toets(p % 2 ? Qt::Key_Return : Qt::Key_Down);
        }
        EXPECT_EQ(adm.HuidigeRij, 36);
        EXPECT_EQ(adm.EersteRij, 29);
    }
    for (int c = 1; c <= 16; ++c) {
        EXPECT_EQ(adm.KlAantal(c, 1), 36) << c;
        for (int p = 1; p <= 36; ++p)
            EXPECT_EQ(Trim(adm.Cijfer(p, c, 1).view()), cijfer(p, c)) << p << "," << c;
    }
    EXPECT_EQ(adm.EersteKolom, 9);
    EXPECT_EQ(omgeving.piepen, 0);
}

TEST_F(Trimesterblad, SchuivenLegtEerstVastVoorDeLeerlingVanHetVak)
{
    // A grade typed in the bottom row, then the scroll bar dragged down.
    Klik(Cel(8, 2));
    Typ("9");
    v().vsbScroll->setValue(12);
    EXPECT_EQ(adm.Cijfer(8, 2, 1), "9  ");
    EXPECT_EQ(adm.Cijfer(12, 2, 1), "   ");
    EXPECT_EQ(adm.EersteRij, 5);
    EXPECT_EQ(adm.HuidigeRij, 12);
    EXPECT_EQ(Focus(), Cel(12, 2));

    // A remark typed, then the columns scrolled away under it.
    Klik(v().txtOpmerking[8]);
    Typ("Hoofdstuk 4");
    v().hsbScroll->setValue(12);
    EXPECT_EQ(Trim(adm.KolomOpmerking(8, 1).view()), "Hoofdstuk 4");
    EXPECT_TRUE(adm.KolomOpmerking(12, 1).leeg());
    EXPECT_EQ(adm.EersteKolom, 5);
    EXPECT_EQ(Focus(), v().txtOpmerking[8]);  // the box of the current column 12
    EXPECT_EQ(adm.Gewijzigd, 1);
}

struct Beweging {
    const char* naam;
    int eersteRij, huidig;
    Qt::Key toets;
    int eersteNa, huidigNa;
};

class Rijen : public Trimesterblad, public ::testing::WithParamInterface<Beweging> {};

TEST_P(Rijen, VensterVolgtDeLeerling)
{
    const Beweging& b = GetParam();
    adm.EersteRij = b.eersteRij;
    adm.LaatsteRij = b.eersteRij + 7;
    v().vsbScroll->setValue(b.huidig);
    Klik(Cel(b.huidig, 1));
    Toets(b.toets);
    EXPECT_EQ(adm.HuidigeRij, b.huidigNa);
    EXPECT_EQ(adm.EersteRij, b.eersteNa);
    EXPECT_EQ(adm.LaatsteRij, b.eersteNa + 7);
    EXPECT_EQ(Focus(), Cel(b.huidigNa, 1));
    EXPECT_EQ(Tekst(v().lblNummer[GetoondeRij(adm, b.huidigNa)]), (b.huidigNa < 10 ? "0" : "") + std::to_string(b.huidigNa));
}

const Beweging bewegingen[] = {
    {"neer_onderaan", 1, 8, Qt::Key_Down, 2, 9},
    {"pgdn_van_1", 1, 1, Qt::Key_PageDown, 2, 9},
    {"pgup_bovenaan", 20, 20, Qt::Key_PageUp, 12, 12},
    {"pgup_van_9", 2, 9, Qt::Key_PageUp, 1, 1},
    {"pgup_van_10", 3, 10, Qt::Key_PageUp, 2, 2},
    {"pgdn_naar_36", 25, 30, Qt::Key_PageDown, 29, 36},
    {"enter_op_36_blijft", 29, 36, Qt::Key_Return, 29, 36},
    {"op_binnen_venster", 5, 7, Qt::Key_Up, 5, 6},
};

INSTANTIATE_TEST_SUITE_P(Toetsen, Rijen, ::testing::ValuesIn(bewegingen),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Trimesterblad, KolommenVanHetTweedeTrimester)
{
    KlikWerkbalk(v().Toolbar(), QStringLiteral("Trim2"));
    EXPECT_EQ(adm.Scherm, 2);
    EXPECT_EQ(adm.EersteKolom, 17);
    EXPECT_EQ(adm.HuidigeKolom, 17);
    EXPECT_EQ(Tekst(v().lblKolom[1]), "1");
    EXPECT_EQ(Focus(), v().StartFocus);

    v().hsbScroll->setValue(12);
    EXPECT_EQ(adm.EersteKolom, 21);
    EXPECT_EQ(adm.HuidigeKolom, 28);
    v().hsbScroll->setValue(3);
    EXPECT_EQ(adm.EersteKolom, 19);
    EXPECT_EQ(adm.HuidigeKolom, 19);
    v().hsbScroll->setValue(4);
    EXPECT_EQ(adm.EersteKolom, 19);
    EXPECT_EQ(adm.HuidigeKolom, 20);
    EXPECT_EQ(Tekst(v().lblKolom[1]), "3");
    EXPECT_EQ(Tekst(v().lblKolom[8]), "10");
    EXPECT_EQ(v().lblKolom[2]->palette().color(QPalette::Window), VbKleur(Kleur::Cyaan));
    EXPECT_EQ(v().lblKolom[1]->palette().color(QPalette::Window), VbKleur(Kleur::Licht3D));

    // A grade typed here is one of term 2.
    Klik(Cel(1, 20));
    Typ("6");
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.Cijfer(1, 20, 1), "6  ");
    EXPECT_EQ(adm.TrGemTxt(1, 1, 1), "    ");
}

// ---- Headers and weights ----

TEST_F(Trimesterblad, KopVerbreedtEnBewaart39Tekens)
{
    Klik(v().txtSoort[3]);
    EXPECT_EQ(adm.HuidigeKolom, 3);
    EXPECT_EQ(v().txtSoort[3]->width(), Twips(2100));
    EXPECT_EQ(v().txtSoort[3]->palette().color(QPalette::Base), VbKleur(Kleur::Cyaan));
    EXPECT_EQ(v().txtDatum[3]->width(), Twips(495));
    EXPECT_EQ(v().lblKolom[3]->palette().color(QPalette::Window), VbKleur(Kleur::Cyaan));

    const std::string lang = "Proefwerk hoofdstuk 3 en 4, met formulekaart";  // 44
    Typ(lang.c_str());
    EXPECT_EQ(omgeving.piepen, 5);
    EXPECT_EQ(v().txtSoort[3]->Tekst(), lang.substr(0, 39));
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.KolomSoort(3, 1), lang.substr(0, 39));
    EXPECT_EQ(Focus(), v().txtDatum[3]);
    EXPECT_EQ(v().txtSoort[3]->width(), Twips(495));
    EXPECT_EQ(v().txtSoort[3]->palette().color(QPalette::Base), VbKleur(Kleur::Wit));
    EXPECT_EQ(v().txtSoort[3]->SelStart(), 0);

    Typ("12-9");
    Toets(Qt::Key_Up);
    EXPECT_EQ(adm.KolomDatum(3, 1), Pas("12-9", 39));
    EXPECT_EQ(Focus(), v().txtSoort[3]);
    Toets(Qt::Key_Up);  // nothing above the kind
    EXPECT_EQ(Focus(), v().txtSoort[3]);
    Toets(Qt::Key_Down);
    Toets(Qt::Key_Down);
    EXPECT_EQ(Focus(), v().txtOpmerking[3]);
    Toets(Qt::Key_Down);
    EXPECT_EQ(Focus(), v().txtGewicht[3]);
    EXPECT_EQ(v().txtGewicht[3]->palette().color(QPalette::Base), VbKleur(Kleur::Cyaan));
    Toets(Qt::Key_Up);
    EXPECT_EQ(Focus(), v().txtOpmerking[3]);
}

TEST_F(Trimesterblad, OngewijzigdeKopZetGeenWijziging)
{
    adm.KolomSoort(2, 1) = "SO";
    v().Afdrukken(1);
    Klik(v().txtSoort[2]);
    Klik(v().txtDatum[5]);
    Klik(Cel(3, 2));
    Klik(Cel(4, 4));
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(adm.KolomSoort(2, 1), Pas("SO", 39));
}

TEST_F(Trimesterblad, GewichtTelt)
{
    Grade(1, 2, "6");
    Grade(30, 2, "8");
    adm.EersteRij = 20;
    adm.LaatsteRij = 27;
    v().vsbScroll->setValue(25);
    v().Afdrukken(1);

    Klik(v().txtGewicht[2]);
    Typ("2");
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.KolomGewicht(2, 1), "2  ");
    EXPECT_EQ(adm.GewichtWaarde(2, 1), 2);
    EXPECT_EQ(adm.TrGemTxt(1, 1, 1), "6   ");
    EXPECT_DOUBLE_EQ(adm.KlTrGem(1, 1), 7);
    // To the first pupil, whatever rows were shown.
    EXPECT_EQ(adm.EersteRij, 1);
    EXPECT_EQ(adm.HuidigeRij, 1);
    EXPECT_EQ(Focus(), Cel(1, 2));
    EXPECT_EQ(Tekst(v().lblTrGem[1]), "6   ");
    EXPECT_EQ(Tekst(v().lblKlTrGem), adm.KlTrGemTxt(1, 1).view());

    // Up from the first pupil reaches the weight; a weight above 10 is refused.
    Toets(Qt::Key_Up);
    EXPECT_EQ(Focus(), v().txtGewicht[2]);
    Vervang("11");
    Toets(Qt::Key_Return);
    EXPECT_EQ(omgeving.piepen, 1);
    EXPECT_EQ(adm.GewichtWaarde(2, 1), GeenWaarde);
    EXPECT_EQ(adm.TrGemTxt(1, 1, 1), "    ");
    EXPECT_EQ(v().txtGewicht[2]->Tekst(), "   ");
}

// ---- Keys ----

TEST_F(Trimesterblad, InsertEnOvertypen)
{
    Grade(1, 1, "7");
    v().Afdrukken(1);
    EXPECT_EQ(Tekst(v().lblInsert), "Insert");
    Toets(Qt::Key_Insert);  // in the focus box too
    EXPECT_EQ(adm.InsertModus, 0);
    EXPECT_EQ(Tekst(v().lblInsert), "Type over");
    EXPECT_EQ(v().lblInsert->palette().color(QPalette::Window), VbKleur(Kleur::TypeOver));

    Klik(Cel(1, 1));
    Typ("8");
    EXPECT_EQ(Cel(1, 1)->Tekst(), "8  ");
    Toets(Qt::Key_Insert);
    EXPECT_EQ(Tekst(v().lblInsert), "Insert");
    EXPECT_EQ(v().lblInsert->palette().color(QPalette::Window), VbKleur(Kleur::Insert));
    Toets(Qt::Key_Home);
    Typ("1");
    EXPECT_EQ(Cel(1, 1)->Tekst(), "18 ");
    Toets(Qt::Key_End);
    Typ("2");  // at the width: refused
    EXPECT_EQ(omgeving.piepen, 1);
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.Cijfer(1, 1, 1), "18 ");
}

TEST_F(Trimesterblad, FocusvakBeweegtAlleenDeLeerling)
{
    Toets(Qt::Key_Down);
    Toets(Qt::Key_PageDown);
    EXPECT_EQ(adm.HuidigeRij, 10);
    EXPECT_EQ(adm.EersteRij, 3);
    Toets(Qt::Key_Return);  // nothing
    EXPECT_EQ(adm.HuidigeRij, 10);
    EXPECT_EQ(Focus(), v().StartFocus);
    EXPECT_EQ(v().lblNummer[8]->palette().color(QPalette::Window), VbKleur(Kleur::Cyaan));
}

// ---- Labels ----

TEST_F(Trimesterblad, KlikOpKolomnummerEnLeerling)
{
    Klik(Cel(2, 1));
    Klik(v().lblKolom[3]);
    EXPECT_EQ(adm.HuidigeKolom, 3);
    EXPECT_EQ(Focus(), Cel(2, 3));

    // The remark is stored first, then the same box of the clicked column.
    Klik(v().txtOpmerking[1]);
    Typ("Lezen");
    Klik(v().lblKolom[4]);
    EXPECT_EQ(adm.KolomOpmerking(1, 1), Pas("Lezen", 39));
    EXPECT_EQ(Focus(), v().txtOpmerking[4]);
    EXPECT_EQ(v().txtOpmerking[4]->width(), Twips(2100));
    EXPECT_EQ(v().txtOpmerking[1]->width(), Twips(495));

    // The third visible pupil's name: that pupil's cell in the same column.
    Klik(Cel(1, 4));
    Klik(v().lblNaam[3]);
    EXPECT_EQ(adm.HuidigeRij, 3);
    EXPECT_EQ(Focus(), Cel(3, 4));
    EXPECT_EQ(v().lblNummer[3]->palette().color(QPalette::Window), VbKleur(Kleur::Cyaan));
    EXPECT_EQ(v().lblNummer[1]->palette().color(QPalette::Window), VbKleur(Kleur::Licht3D));

    // From the focus box a column click only moves the column.
    KlikWerkbalk(v().Toolbar(), QStringLiteral("Trim2"));
    Klik(v().lblKolom[5]);
    EXPECT_EQ(adm.HuidigeKolom, 21);
    EXPECT_EQ(Focus(), v().StartFocus);
}

TEST_F(Trimesterblad, WaardetipsTonenDeWaarde)
{
    Grade(1, 1, "6");
    Grade(2, 1, "7");
    std::string gewicht = "1";
    VerwerkGewicht(adm, gewicht, 2, 1, 1);
    Grade(3, 2, "0");
    v().Afdrukken(1);
    auto tip = [](Etiket* e) {
        QTest::mouseMove(e, QPoint(4, 4));
        return e->toolTip();
    };
    EXPECT_EQ(tip(v().lblKlGem[1]), QStringLiteral(" 6.5 "));
    EXPECT_EQ(tip(v().lblKlSpr[1]), QStringLiteral(" .5 "));
    EXPECT_EQ(tip(v().lblKlGem[3]), QStringLiteral(" Niet gedefinieerd! "));
    EXPECT_EQ(Tekst(v().lblKlGem[3]), "    ");
    EXPECT_EQ(tip(v().lblTrGem[3]), QStringLiteral(" 0 "));  // 0 is a value
    EXPECT_EQ(tip(v().lblTrGem[1]), QStringLiteral(" Niet gedefinieerd! "));
    EXPECT_EQ(tip(v().lblKlTrGem), QStringLiteral(" 0 "));
    EXPECT_EQ(tip(v().lblKlTrSpr), QStringLiteral(" 0 "));

    Grade(4, 2, "10");
    Grade(5, 2, "10");
    EXPECT_EQ(tip(v().lblKlTrGem), QString::fromStdString(GetalNaarTekst(20.0 / 3) + " "));
}

// ---- Display ----

TEST_F(Trimesterblad, OnvoldoendesInRood)
{
    Grade(1, 1, "5.4");
    Grade(2, 1, "0");
    Grade(3, 1, "5.5");
    adm.TrGemTxt(4, 1, 1) = "5.41";
    adm.TrGemTxt(5, 1, 1) = "5.4";
    adm.KlGemTxt(2, 1) = "6.5";  // texts without a value behind them: not shown
    adm.KlSprTxt(2, 1) = "1";
    v().Afdrukken(0);
    auto tekst = [](QWidget* w) { return w->palette().color(qobject_cast<QLineEdit*>(w) ? QPalette::Text : QPalette::WindowText); };
    EXPECT_EQ(tekst(Cel(1, 1)), VbKleur(Kleur::Rood));
    EXPECT_EQ(tekst(Cel(2, 1)), VbKleur(Kleur::Rood));
    EXPECT_EQ(tekst(Cel(3, 1)), VbKleur(Kleur::Zwart));
    EXPECT_EQ(tekst(Cel(4, 1)), VbKleur(Kleur::Zwart));
    EXPECT_EQ(tekst(v().lblTrGem[4]), VbKleur(Kleur::Zwart));
    EXPECT_EQ(tekst(v().lblTrGem[5]), VbKleur(Kleur::Rood));
    EXPECT_EQ(Tekst(v().lblKlGem[2]), "    ");
    EXPECT_EQ(Tekst(v().lblKlSpr[2]), "    ");
}

TEST_F(Trimesterblad, KoptekstenEnNiveau)
{
    adm.Klas = "4H2   ";
    adm.NiveauNaam(1) = "HAVO";
    adm.NiveauNaam(2) = "VWO";
    adm.Bestandsnaam = "/home/docent/4h2.vlk";
    v().Afdrukken(1);
    EXPECT_EQ(Tekst(v().TrimLabel), "1-e Trimester");
    EXPECT_EQ(Tekst(v().NivoLabel), "Niveau  1");
    EXPECT_EQ(Tekst(v().lblNiveau), "HAVO  ");
    EXPECT_EQ(Tekst(v().lblKlas), "4H2   ");
    EXPECT_EQ(v().lblBestand->text(), QStringLiteral("/home/docent/4h2.vlk"));
    EXPECT_EQ(v().NivoLabel->palette().color(QPalette::WindowText), VbKleur(Kleur::Groen));
    EXPECT_TRUE(v().Toolbar().Ingedrukt(QStringLiteral("Trim1")));
    EXPECT_TRUE(v().Toolbar().Ingedrukt(QStringLiteral("NIVO1")));
    EXPECT_FALSE(v().mnuTrimester1->isEnabled());

    Grade(1, 1, "7");
    KlikWerkbalk(v().Toolbar(), QStringLiteral("NIVO2"));
    EXPECT_EQ(adm.Niveau, 2);
    EXPECT_EQ(Tekst(v().NivoLabel), "Niveau  2");
    EXPECT_EQ(Tekst(v().lblNiveau), "VWO   ");
    EXPECT_EQ(v().lblNiveau->palette().color(QPalette::WindowText), VbKleur(Kleur::Blauw));
    EXPECT_FALSE(v().Toolbar().Ingedrukt(QStringLiteral("NIVO1")));
    EXPECT_TRUE(v().Toolbar().Ingedrukt(QStringLiteral("NIVO2")));
    EXPECT_EQ(Cel(1, 1)->Tekst(), "   ");  // level 2 has no grade there

    KiesMenu(*v().mnuNiveau, *v().mnuNivo1);
    KiesMenu(*v().Lijsten, *v().mnuTrimester3);
    EXPECT_EQ(adm.Scherm, 3);
    EXPECT_EQ(Tekst(v().TrimLabel), "3-e Trimester");
    EXPECT_EQ(v().TrimLabel->palette().color(QPalette::WindowText), VbKleur(0xC000C0));
    EXPECT_FALSE(v().mnuTrimester3->isEnabled());
    EXPECT_TRUE(v().mnuTrimester1->isEnabled());
    EXPECT_TRUE(v().Toolbar().Ingedrukt(QStringLiteral("Trim3")));
    EXPECT_FALSE(v().Toolbar().Ingedrukt(QStringLiteral("Trim1")));

    // The term already shown: nothing, not even the focus.
    Klik(Cel(2, 35));
    KlikWerkbalk(v().Toolbar(), QStringLiteral("Trim3"));
    EXPECT_EQ(Focus(), Cel(2, 35));
}

// ---- Commands ----

TEST_F(Trimesterblad, OpdrachtLegtHetVakEerstVast)
{
    Klik(Cel(1, 1));
    Typ("7");
    KlikWerkbalk(v().Toolbar(), QStringLiteral("Save"));  // commits, then saves
    EXPECT_EQ(adm.Cijfer(1, 1, 1), "7  ");
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_TRUE(QFile::exists(map.filePath(QStringLiteral("klas.vlk"))));
    EXPECT_EQ(Tekst(v().lblKlGem[1]), "    ");  // the toolbar does not redraw
    EXPECT_EQ(Focus(), Cel(1, 1));

    Vervang("8");
    OpenMenu(*v().mnuSorteren);  // a menu commits and redraws the column part
    EXPECT_EQ(adm.Cijfer(1, 1, 1), "8  ");
    EXPECT_EQ(Tekst(v().lblKlGem[1]), adm.KlGemTxt(1, 1).view());

    // A header is stored padded, without a redraw; opening "&Help" commits nothing.
    Klik(v().txtSoort[2]);
    Typ("Toets");
    OpenMenu(*v().mnuAfdrukken);
    EXPECT_EQ(adm.KolomSoort(2, 1), Pas("Toets", 39));
    EXPECT_EQ(v().txtSoort[2]->Tekst(), "Toets" + std::string(39, ' '));  // typed before the blanks
    EXPECT_EQ(v().txtSoort[2]->width(), Twips(2100));
    Typ(" 2");
    OpenMenu(*v().mnuHelp);
    EXPECT_EQ(adm.KolomSoort(2, 1), Pas("Toets", 39));

    // Choosing "&Info" does commit: the redraw after the about box would lose the edit.
    omgeving.Beantwoord(QDialog::Accepted);
    KiesMenu(*v().mnuHelp, *v().mnuInfo);
    EXPECT_EQ(omgeving.dialogen.size(), 1u);
    EXPECT_EQ(adm.KolomSoort(2, 1), Pas("Toets 2", 39));
}

TEST_F(Trimesterblad, GewijzigdVolgtDeOpgeslagenGegevens)
{
    // Left unchanged, or retyped to the same value: nothing changed.
    Grade(3, 1, "7");
    v().Afdrukken(1);
    Klik(Cel(3, 1));
    Toets(Qt::Key_Return);
    Toets(Qt::Key_Up);
    Vervang("7,0");
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.Gewijzigd, 0);
    EXPECT_EQ(adm.Cijfer(3, 1, 1), "7  ");

    // On pupil 36 Enter keeps the focus in the cell; after a save (Gewijzigd
    // 0) blanking the grade again in the same cell is a change all the same.
    v().vsbScroll->setValue(36);
    Klik(Cel(36, 1));
    Typ("9");
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.Gewijzigd, 1);
    adm.Gewijzigd = 0;
    Vervang("");
    Toets(Qt::Key_Return);
    EXPECT_EQ(adm.Cijfer(36, 1, 1), "   ");
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(Focus(), Cel(36, 1));
}

// ---- One commit per edit ----

// Whatever leaves the cell or runs a command, an edit reaches the entry
// point once, for the pupil and column it was typed for; a cell only entered
// reaches it never. The cells' registered commit is counted.
enum class Verlaat {
    Enter, Neer, Op, PgDn, PgUp, Tab, AndereCel, Kopvak, Schuifbalk, Kolombalk, Kolomnummer, Leerlingnaam,
    Menu, Werkbalk, Niveau, Trimester, Info, Sluitknop
};
enum class Invoer { Getypt, Geweigerd, Niets };

class EenVastlegging : public Trimesterblad, public ::testing::WithParamInterface<std::tuple<Verlaat, Invoer>> {};

TEST_P(EenVastlegging, PerBewerking)
{
    const auto [verlaat, invoer] = GetParam();
    Grade(3, 2, "6");
    v().Afdrukken(1);
    Vaksoort* cellen = v().PlaatsVan(Cel(1, 1)).soort;
    ASSERT_NE(cellen, nullptr);
    const auto vastleggen = cellen->vastleggen;
    int vastleggingen = 0;
    cellen->vastleggen = [&](int i) {
        ++vastleggingen;
        vastleggen(i);
    };

    Klik(Cel(3, 2));
    if (invoer == Invoer::Getypt)
        Vervang("7");
    else if (invoer == Invoer::Geweigerd)
        Vervang("x");
    switch (verlaat) {
    case Verlaat::Enter: Toets(Qt::Key_Return); break;
    case Verlaat::Neer: Toets(Qt::Key_Down); break;
    case Verlaat::Op: Toets(Qt::Key_Up); break;
    case Verlaat::PgDn: Toets(Qt::Key_PageDown); break;
    case Verlaat::PgUp: Toets(Qt::Key_PageUp); break;
    case Verlaat::Tab: Toets(Qt::Key_Tab); break;
    case Verlaat::AndereCel: Klik(Cel(5, 4)); break;
    case Verlaat::Kopvak: Klik(v().txtSoort[1]); break;
    case Verlaat::Schuifbalk: v().vsbScroll->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Verlaat::Kolombalk: v().hsbScroll->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Verlaat::Kolomnummer: Klik(v().lblKolom[5]); break;
    case Verlaat::Leerlingnaam: Klik(v().lblNaam[6]); break;
    case Verlaat::Menu: OpenMenu(*v().mnuSorteren); break;
    case Verlaat::Werkbalk: KlikWerkbalk(v().Toolbar(), QStringLiteral("Save")); break;
    case Verlaat::Niveau: KlikWerkbalk(v().Toolbar(), QStringLiteral("NIVO2")); break;
    case Verlaat::Trimester: KlikWerkbalk(v().Toolbar(), QStringLiteral("Trim2")); break;
    case Verlaat::Info:
        omgeving.Beantwoord(QDialog::Accepted);
        KiesMenu(*v().mnuHelp, *v().mnuInfo);
        break;
    case Verlaat::Sluitknop:
        omgeving.Beantwoord([](QDialog& d) { KlikKnop(d, QStringLiteral("&Annuleren")); });
        EXPECT_FALSE(v().close());
        break;
    }
    Verwerk();

    EXPECT_EQ(vastleggingen, invoer == Invoer::Niets ? 0 : 1);
    // The save prompt of the close box beeps as it opens.
    const int prompt = verlaat == Verlaat::Sluitknop ? 1 : 0;
    EXPECT_EQ(omgeving.piepen, prompt + (invoer == Invoer::Geweigerd ? 1 : 0));
    EXPECT_EQ(adm.Cijfer(3, 2, 1), invoer == Invoer::Getypt ? "7  " : invoer == Invoer::Geweigerd ? "   " : "6  ");
    EXPECT_EQ(adm.Cijfer(3, 2, 2), "   ");
    if (invoer == Invoer::Niets) {
        EXPECT_EQ(adm.Gewijzigd, 0);
    }
}

std::string Geval(const ::testing::TestParamInfo<std::tuple<Verlaat, Invoer>>& info)
{
    static const char* const namen[] = {"enter",       "neer",         "op",         "pgdn",       "pgup",
                                        "tab",         "andere_cel",   "kopvak",     "schuifbalk", "kolombalk",
                                        "kolomnummer", "leerlingnaam", "menu",       "werkbalk",   "niveau",
                                        "trimester",   "info",         "sluitknop"};
    static const char* const invoeren[] = {"getypt", "geweigerd", "niets"};
    return std::string(namen[static_cast<int>(std::get<0>(info.param))]) + "_" +
           invoeren[static_cast<int>(std::get<1>(info.param))];
}

// Every way out; the close box last.
const Verlaat verlaten[] = {Verlaat::Enter,      Verlaat::Neer,      Verlaat::Op,          Verlaat::PgDn,
                            Verlaat::PgUp,       Verlaat::Tab,       Verlaat::AndereCel,   Verlaat::Kopvak,
                            Verlaat::Schuifbalk, Verlaat::Kolombalk, Verlaat::Kolomnummer, Verlaat::Leerlingnaam,
                            Verlaat::Menu,       Verlaat::Werkbalk,  Verlaat::Niveau,      Verlaat::Trimester,
                            Verlaat::Info,       Verlaat::Sluitknop};

INSTANTIATE_TEST_SUITE_P(Bewerkt, EenVastlegging,
                         ::testing::Combine(::testing::ValuesIn(verlaten),
                                            ::testing::Values(Invoer::Getypt, Invoer::Geweigerd)),
                         Geval);
// Only entered: without a change the close box asks nothing and ends the run.
INSTANTIATE_TEST_SUITE_P(Onbewerkt, EenVastlegging,
                         ::testing::Combine(::testing::ValuesIn(std::begin(verlaten), std::end(verlaten) - 1),
                                            ::testing::Values(Invoer::Niets)),
                         Geval);

TEST_F(Trimesterblad, FocusItemsVanBewerken)
{
    v().vsbScroll->setValue(4);
    Klik(v().lblKolom[6]);
    KiesMenu(*v().Bewerken, *v().mnuGewicht);
    EXPECT_EQ(Focus(), v().txtGewicht[6]);
    KiesMenu(*v().Bewerken, *v().mnuDatum);
    EXPECT_EQ(Focus(), v().txtDatum[6]);
    EXPECT_EQ(v().txtDatum[6]->width(), Twips(2100));
    KiesMenu(*v().Bewerken, *v().mnuCijfersScores);
    EXPECT_EQ(Focus(), Cel(4, 6));
    KiesMenu(*v().Bewerken, *v().mnuSoortBestand);
    EXPECT_EQ(Focus(), v().txtSoort[6]);
}

// A pupil and column have a grade cell only inside the window, also where
// the cell's number alone would fit in 1..64.
TEST_F(Trimesterblad, EenCijfercelAlleenBinnenHetVenster)
{
    struct Geval {
        int p, c;
        int cel;  // 0: none
    };
    auto controleer = [&](std::initializer_list<Geval> gevallen) {
        for (const Geval& g : gevallen)
            EXPECT_EQ(v().CijferCel(g.p, g.c), g.cel ? v().txtCijfer[static_cast<std::size_t>(g.cel)] : nullptr)
                << "pupil " << g.p << ", column " << g.c;
    };
    // Rows 1-8, columns 1-8.
    controleer({{1, 1, 1}, {2, 8, 16}, {8, 8, 64}, {2, 9, 0}, {3, 0, 0}, {9, 1, 0}, {1, 17, 0}});
    // Rows 5-12, columns 9-16.
    v().vsbScroll->setValue(12);
    v().hsbScroll->setValue(16);
    ASSERT_EQ(adm.EersteRij, 5);
    ASSERT_EQ(adm.EersteKolom, 9);
    controleer({{5, 9, 1}, {12, 16, 64}, {6, 8, 0}, {4, 16, 0}, {13, 9, 0}, {7, 17, 0}});
}

TEST_F(Trimesterblad, MenusEnWerkbalk)
{
    EXPECT_TRUE(v().Toolbar().Knop(QStringLiteral("ZOEK"))->isEnabled());
    for (QAction* a : {v().mnuNieuwBestand, v().mnuBestandLaden, v().mnuStoppen, v().mnuNamenlijst, v().mnuInfo,
                       v().mnuZoeken, v().mnuLeerlingVerwijderen, v().mnuKolomKopieren, v().mnuKolomWissen,
                       v().mnuKolommenVerwisselen, v().mnuKolomOmrekenen, v().mnuKolomAfdrukken,
                       v().mnuKolomNormScoresA, v().mnuKolomNormFoutenA, v().mnuKolomNormScores,
                       v().mnuKolomNormFouten, v().mnuCesuurScoreTabel, v().mnuCesuurFoutenTabel})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    EXPECT_EQ(v().Toolbar().Aantal(), 23);
    EXPECT_EQ(v().Toolbar().Key(8), QStringLiteral("Trim1"));
    EXPECT_EQ(v().Toolbar().Key(12), QStringLiteral("NAM"));
    EXPECT_EQ(v().Toolbar().Key(14), QStringLiteral("RAP"));
    EXPECT_EQ(v().Toolbar().Key(16), QStringLiteral("JAAR"));
    EXPECT_EQ(v().Toolbar().Key(19), QStringLiteral("NIVO2"));
    EXPECT_EQ(v().windowTitle(), QStringLiteral("Docenten-Morvaldiek Versie 7.762"));
}

TEST_F(Trimesterblad, ZoekenVerwijderenEnNamenbestandVanuitHetBlad)
{
    adm.Achternaam(20) = "Visser";
    adm.Roepnaam(20) = "Iris";
    adm.Achternaam(21) = "Bakker";
    Grade(21, 1, "7");
    // Search from the toolbar: the chosen pupil becomes current, the rows follow.
    omgeving.Beantwoord([](QDialog& d) {
        auto& z = dynamic_cast<frmZoeken&>(d);
        VensterTest::Typ(d, QStringLiteral("Vis"));
        ASSERT_EQ(z.lstLeerlingenLijst->selectedItems().size(), 1);
        VensterTest::Toets(d, Qt::Key_Return);
    });
    KlikWerkbalk(v().Toolbar(), QStringLiteral("ZOEK"));
    EXPECT_EQ(adm.HuidigeRij, 20);
    EXPECT_TRUE(adm.EersteRij <= 20 && 20 <= adm.LaatsteRij);

    // Delete: the pupil and the grade go, the column statistics follow.
    adm.Gewijzigd = 0;
    const int voor = adm.KlAantal(1, 1);
    omgeving.Beantwoord([](QDialog& d) {
        auto& venster = dynamic_cast<frmLeerlingVerwijderen&>(d);
        QListWidget* lijst = venster.lstLeerlingenLijst;
        ASSERT_EQ(lijst->count(), AantalLeerlingen);
        lijst->item(20)->setSelected(true);  // slot 21
        KlikKnop(d, QStringLiteral("&Verwijderen"));
    });
    KiesMenu(*v().Bewerken, *v().mnuLeerlingVerwijderen);
    EXPECT_TRUE(LeegLeerling(adm, 21));
    EXPECT_EQ(adm.Cijfer(21, 1, 1), "   ");
    EXPECT_EQ(adm.KlAantal(1, 1), voor - 1);
    EXPECT_EQ(adm.Gewijzigd, 1);

    // The names-file import is the import submenu's second item here too.
    omgeving.Beantwoord([](QDialog& d) { KlikKnop(d, QStringLiteral("&Annuleren")); });
    KiesMenu(*v().Bestand, *v().mnuNamenbestand);
    EXPECT_EQ(omgeving.dialogen.back(), QStringLiteral("Leerling(en) importeren uit Dravonel Namenbestand\""));
}

TEST_F(Trimesterblad, KolomvenstersVanuitHetBlad)
{
    v().kolomvensters = &Kolomgereedschap;
    Grade(1, 1, "6");
    Grade(2, 1, "8");
    Grade(1, 2, "5");
    v().Afdrukken(1);

    // A grade typed and not yet committed is stored before the window opens.
    Klik(Cel(3, 1));
    Typ("7");
    omgeving.Beantwoord([this](QDialog& d) {
        auto& wissen = dynamic_cast<frmKolomWissen&>(d);
        EXPECT_EQ(adm.Cijfer(3, 1, 1), "7  ");
        EXPECT_EQ(wissen.Keuze->Keuze(), (Kolomkeuze{1, 1, 1}));
        KlikKnop(d, QStringLiteral("&Wissen"));
    });
    KiesMenu(*v().Bewerken, *v().mnuKolomWissen);
    EXPECT_EQ(omgeving.dialogen.back(), QStringLiteral("Kolom wissen"));
    EXPECT_EQ(adm.Cijfer(2, 1, 1), "   ");
    EXPECT_EQ(Cel(2, 1)->Tekst(), "   ");  // redrawn
    EXPECT_EQ(Tekst(v().lblKlGem[1]), "    ");
    EXPECT_EQ(adm.Gewijzigd, 1);

    // Swap column 2 with column 1: the sheet shows both.
    omgeving.Beantwoord([](QDialog& d) {
        auto& wisselen = dynamic_cast<frmKolommenVerwisselen&>(d);
        wisselen.Keuze[2]->UpDown->ZetValue(2);
        KlikKnop(d, QStringLiteral("&Verwisselen"));
    });
    KiesMenu(*v().Bewerken, *v().mnuKolommenVerwisselen);
    EXPECT_EQ(Cel(1, 1)->Tekst(), "5  ");
    EXPECT_EQ(Cel(1, 2)->Tekst(), "   ");

    // After a cancel the sheet redraws as well.
    const auto annuleer = [this](const char* cijfer) {
        return [this, cijfer](QDialog& d) {
            adm.Cijfer(4, 3, 1) = cijfer;  // behind the sheet's back, to see whether it redraws
            VensterTest::Toets(d, Qt::Key_Escape);
        };
    };
    omgeving.Beantwoord(annuleer("1  "));
    KiesMenu(*v().Bewerken, *v().mnuKolomKopieren);
    EXPECT_EQ(omgeving.dialogen.back(), QStringLiteral("Kolom kopiëren"));
    EXPECT_EQ(Cel(4, 3)->Tekst(), "1  ");
    omgeving.Beantwoord(annuleer("2  "));
    KiesMenu(*v().Bewerken, *v().mnuKolomOmrekenen);
    EXPECT_EQ(omgeving.dialogen.back(), QStringLiteral("Kolom omrekenen"));
    EXPECT_EQ(Cel(4, 3)->Tekst(), "2  ");

    // The one-column print changes nothing.
    adm.Gewijzigd = 0;
    omgeving.Beantwoord([](QDialog& d) { VensterTest::Toets(d, Qt::Key_Escape); });
    KiesMenu(*v().mnuAfdrukken, *v().mnuKolomAfdrukken);
    EXPECT_EQ(omgeving.dialogen.back(), QStringLiteral("Kolom afdrukken"));
    EXPECT_EQ(adm.Gewijzigd, 0);
}

TEST_F(Trimesterblad, CesuurvenstersVanuitHetBlad)
{
    v().kolomvensters = &Kolomgereedschap;
    std::string gewicht = "1";
    VerwerkGewicht(adm, gewicht, 2, 1, 1);
    Grade(1, 2, "30");
    Grade(2, 2, "60");
    v().Afdrukken(1);

    // The raw error count typed last is committed as "&Cesuur" opens, and the
    // norming window opens on the sheet's column.
    Klik(Cel(3, 2));
    Typ("45");
    omgeving.Beantwoord([this](QDialog& d) {
        auto& normeren = dynamic_cast<frmKolomNormFouten&>(d);
        EXPECT_EQ(adm.Cijfer(3, 2, 1), "45 ");
        EXPECT_EQ(normeren.kiezer->Keuze(), (Kolomkeuze{1, 1, 2}));
        EXPECT_EQ(normeren.lblProcent->text(), QStringLiteral("33"));
        KlikKnop(d, QStringLiteral("&Normeren"));
    });
    KiesMenu(*v().mnuCesuur, *v().mnuKolomNormFouten);
    EXPECT_EQ(omgeving.dialogen.back(), QStringLiteral("Kolom normeren"));
    EXPECT_EQ(Cel(1, 2)->Tekst(), "7  ");  // redrawn with the grades
    EXPECT_EQ(Cel(3, 2)->Tekst(), "5.5");
    EXPECT_EQ(Tekst(v().lblKlGem[2]), "5.5 ");
    EXPECT_EQ(adm.TrGemTxt(2, 1, 1), "4   ");
    EXPECT_EQ(adm.Gewijzigd, 1);

    // The same windows from "Be&werken"; a cancel writes nothing.
    omgeving.Beantwoord([](QDialog& d) {
        EXPECT_NE(dynamic_cast<frmKolomNormScores*>(&d), nullptr);
        VensterTest::Toets(d, Qt::Key_Escape);
    });
    KiesMenu(*v().Bewerken, *v().mnuKolomNormScoresA);
    omgeving.Beantwoord([](QDialog& d) {
        EXPECT_NE(dynamic_cast<frmKolomNormFouten*>(&d), nullptr);
        VensterTest::Toets(d, Qt::Key_Escape);
    });
    KiesMenu(*v().Bewerken, *v().mnuKolomNormFoutenA);
    EXPECT_EQ(adm.Cijfer(1, 2, 1), "7  ");

    // The calculators change nothing.
    adm.Gewijzigd = 0;
    for (QAction* item : {v().mnuCesuurScoreTabel, v().mnuCesuurFoutenTabel}) {
        omgeving.Beantwoord([](QDialog& d) { KlikKnop(d, QStringLiteral("&Sluiten")); });
        KiesMenu(*v().mnuCesuur, *item);
    }
    const auto n = omgeving.dialogen.size();
    EXPECT_EQ(omgeving.dialogen[n - 2], QStringLiteral("Cesuurtabel bij scores"));
    EXPECT_EQ(omgeving.dialogen[n - 1], QStringLiteral("Cesuurtabel bij fouten"));
    EXPECT_EQ(adm.Gewijzigd, 0);
}

// ---- Sort and paste ----

TEST_F(Trimesterblad, SorterenOpTrimestergemiddelde)
{
    std::string gewicht = "1";
    VerwerkGewicht(adm, gewicht, 1, 1, 1);
    Grade(2, 1, "6");
    Grade(5, 1, "9");
    Grade(7, 1, "7.5");
    v().vsbScroll->setValue(3);
    KiesMenu(*v().mnuSorteren, *v().mnuSortTrimesterGemiddelde);
    EXPECT_EQ(Trim(adm.Achternaam(1).view()), "Leerling 5");
    EXPECT_EQ(Trim(adm.Achternaam(2).view()), "Leerling 7");
    EXPECT_EQ(Trim(adm.Achternaam(3).view()), "Leerling 2");
    EXPECT_EQ(adm.Cijfer(1, 1, 1), "9  ");
    EXPECT_EQ(adm.HuidigeRij, 3);  // the same row, now another pupil
    EXPECT_EQ(Tekst(v().lblNaam[1]), adm.Achternaam(1).view());
    EXPECT_EQ(Cel(2, 1)->Tekst(), "7.5");
    EXPECT_EQ(adm.Gewijzigd, 1);

    KiesMenu(*v().mnuSorteren, *v().mnuSortAchternaam);
    EXPECT_EQ(Trim(adm.Achternaam(1).view()), "Leerling 1");
    EXPECT_EQ(Trim(adm.Achternaam(2).view()), "Leerling 10");
}

struct Plakgeval {
    const char* naam;
    const char* tekst;
    int vanaf;
    std::vector<std::pair<int, const char*>> verwacht;
    int piepen;
};

class Plakken : public Trimesterblad, public ::testing::WithParamInterface<Plakgeval> {};

TEST_P(Plakken, KolomUitEenRekenblad)
{
    const Plakgeval& g = GetParam();
    Grade(g.vanaf + 1, 3, "4");
    v().vsbScroll->setValue(g.vanaf);
    Klik(Cel(g.vanaf, 3));
    QGuiApplication::clipboard()->setText(QString::fromLatin1(g.tekst));
    KiesMenu(*v().Bewerken, *v().mnuCijferkolom_Plakken);
    EXPECT_TRUE(v().mnuCijferkolom_Plakken->isEnabled());
    for (const auto& [p, cijfer] : g.verwacht)
        EXPECT_EQ(adm.Cijfer(p, 3, 1), Pas(cijfer, 3)) << p;
    EXPECT_EQ(omgeving.piepen, g.piepen);
    EXPECT_EQ(adm.Gewijzigd, 1);
    EXPECT_EQ(Cel(g.vanaf, 3)->Tekst(), adm.Cijfer(g.vanaf, 3, 1).view());
}

const Plakgeval plakgevallen[] = {
    {"crlf_met_gat", "7,5\r\n\r\n8\r\n", 10, {{10, "7.5"}, {11, ""}, {12, "8"}, {13, ""}}, 0},
    {"lf_van_linux", "6\n7\n8\n", 1, {{1, "6"}, {2, "7"}, {3, "8"}, {4, ""}}, 0},
    {"woord_piept", "ziek\n7", 20, {{20, ""}, {21, "7"}}, 1},
    {"na_36_weg", "5\n6\n7\n", 35, {{35, "5"}, {36, "6"}}, 0},
};

INSTANTIATE_TEST_SUITE_P(Klembord, Plakken, ::testing::ValuesIn(plakgevallen),
                         [](const auto& info) { return std::string(info.param.naam); });

TEST_F(Trimesterblad, PlakkenAlleenMetTekstOpHetKlembord)
{
    auto* plaatje = new QMimeData;
    plaatje->setData(QStringLiteral("image/png"), QByteArray("\x89PNG"));
    QGuiApplication::clipboard()->setMimeData(plaatje);
    OpenMenu(*v().Bewerken);
    EXPECT_FALSE(v().mnuCijferkolom_Plakken->isEnabled());

    auto* rtf = new QMimeData;
    rtf->setData(QStringLiteral("text/rtf"), QByteArray("{\\rtf1 7}"));
    QGuiApplication::clipboard()->setMimeData(rtf);
    KiesMenu(*v().Bewerken, *v().mnuCijferkolom_Plakken);
    EXPECT_TRUE(v().mnuCijferkolom_Plakken->isEnabled());
    EXPECT_EQ(adm.KlAantal(1, 1), 0);  // no plain text: nothing pasted, marked changed
    EXPECT_EQ(adm.Gewijzigd, 1);
}

// ---- Printing ----

class Trimesterafdruk : public Trimesterblad {
protected:
    void SetUp() override
    {
        Trimesterblad::SetUp();
        for (int c = 1; c <= 16; ++c)
            Grade(1, c, "7");
        adm.KolomSoort(3, 1) = "Proefwerk";
        v().Printen = [this](const Paginabouwer& bouw, bool dialoog) {
            dialogen.push_back(dialoog);
            modellen.push_back(bouw(A4Afdrukvlak));
            return uitkomst;
        };
    }
    // The text printed on the model's first page, line by line.
    std::string Regels(std::size_t model = 0) const
    {
        std::string r;
        for (const Tekstdeel& t : modellen.at(model).Paginas().at(0).Teksten)
            r += t.Tekst + "|";
        return r;
    }

    std::vector<bool> dialogen;
    std::vector<Paginamodel> modellen;
    Afdrukuitkomst uitkomst{Afdrukstatus::Gedrukt, {}, 1};
};

TEST_F(Trimesterafdruk, MenuVraagtDePrinterEnDruktHetNiveauAf)
{
    Klik(Cel(1, 2));
    KiesMenu(*v().mnuAfdrukken, *v().mnuPrintKolom9_16_Nivo_2);
    ASSERT_EQ(dialogen, (std::vector<bool>{true}));
    EXPECT_NE(Regels().find("1-e Trimester Niveau 2"), std::string::npos);
    EXPECT_EQ(Focus(), v().StartFocus);
    EXPECT_TRUE(omgeving.meldingen.empty());

    KiesMenu(*v().mnuAfdrukken, *v().mnuToelichting);
    ASSERT_EQ(dialogen.size(), 2u);
    EXPECT_TRUE(dialogen[1]);
    EXPECT_NE(Regels(1).find("Proefwerk"), std::string::npos);
}

TEST_F(Trimesterafdruk, WerkbalkDruktDeKolommenOpHetSchermMeteen)
{
    v().hsbScroll->setValue(12);  // columns 5-12 on screen
    Klik(Cel(1, 12));
    KlikWerkbalk(v().Toolbar(), QStringLiteral("Print"));
    ASSERT_EQ(dialogen, (std::vector<bool>{false}));
    const std::string r = Regels();
    EXPECT_NE(r.find("| 5 |"), std::string::npos) << r;
    EXPECT_NE(r.find("|12 |"), std::string::npos);
    EXPECT_EQ(r.find("|13 |"), std::string::npos);
    EXPECT_EQ(Focus(), Cel(1, 12));
}

TEST_F(Trimesterafdruk, MisluktToontDeMelding)
{
    uitkomst = {Afdrukstatus::Mislukt, "Printer error: out of paper", 0};
    KiesMenu(*v().mnuAfdrukken, *v().mnuPrintKolom1_8_Nivo_1);
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, QStringLiteral("Foutmelding:\n\nPrinter error: out of paper   "));
    EXPECT_EQ(omgeving.meldingen[0].stijl, vbExclamation);
    uitkomst = {Afdrukstatus::Geannuleerd, {}, 0};
    KiesMenu(*v().mnuAfdrukken, *v().mnuPrintKolom1_8_Nivo_1);
    EXPECT_EQ(omgeving.meldingen.size(), 1u);
}

// The real printer path into a PDF: the dialog answered by the test, and a
// file that cannot be written reported with the message.
TEST_F(Trimesterblad, AfdrukNaarPdf)
{
    QTemporaryDir map;
    QString pad = map.filePath(QStringLiteral("trimester.pdf"));
    int gevraagd = 0;
    v().Printen = [&](const Paginabouwer& bouw, bool dialoog) {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(pad);
        const Printerkeuze keuze = [&](QPrinter&) { return ++gevraagd > 0; };
        return ::Afdrukken(pdf, bouw, dialoog ? keuze : Printerkeuze{});
    };
    Grade(1, 1, "7");
    KiesMenu(*v().mnuAfdrukken, *v().mnuPrintKolom1_8_Nivo_1);
    EXPECT_EQ(gevraagd, 1);
    EXPECT_TRUE(QFile::exists(pad));
    EXPECT_TRUE(omgeving.meldingen.empty());

    pad = map.filePath(QStringLiteral("ontbreekt/trimester.pdf"));
    KlikWerkbalk(v().Toolbar(), QStringLiteral("Print"));
    EXPECT_EQ(gevraagd, 1);
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_TRUE(omgeving.meldingen[0].tekst.startsWith(QStringLiteral("Foutmelding:\n\nPrinterfout")));
}

// The toolbar's print with no printer installed: the message in Dutch, its
// diaeresis intact in the box.
TEST_F(Trimesterblad, ZonderPrinterEenNederlandseMelding)
{
    v().Printen = [this](const Paginabouwer& bouw, bool dialoog) {
        QPrinter geen(QPrinter::HighResolution);
        geen.setOutputFormat(QPrinter::PdfFormat);  // and no file to print into
        return ::Afdrukken(geen, bouw, dialoog ? PrinterDialoog(omgeving, nullptr) : Printerkeuze{});
    };
    Grade(1, 1, "7");
    KlikWerkbalk(v().Toolbar(), QStringLiteral("Print"));
    ASSERT_EQ(omgeving.meldingen.size(), 1u);
    EXPECT_EQ(omgeving.meldingen[0].tekst, QStringLiteral("Foutmelding:\n\nEr is geen printer geïnstalleerd   "));
    EXPECT_EQ(omgeving.meldingen[0].stijl, vbExclamation);
}

// ---- The redraw only reads ----

TEST_F(Trimesterblad, HertekenenSchrijftNietsOokNietVanuitEenOngeldigeStand)
{
    Grade(3, 2, "7");
    alleenlezen::Controleer(
        adm,
        [this] {
            for (int mode : {1, 2, 0})
                v().Afdrukken(mode);
        },
        [this] {
            // Eight slots that exist, eight columns of the term.
            const int eerste = std::stoi(Tekst(v().lblNummer[1]));
            EXPECT_GE(eerste, 1);
            EXPECT_LE(eerste, AantalLeerlingen - 7);
            EXPECT_EQ(std::stoi(Tekst(v().lblNummer[8])), eerste + 7);
            const int kolom = std::stoi(Tekst(v().lblKolom[1]));
            EXPECT_GE(kolom, 1);
            EXPECT_EQ(std::stoi(Tekst(v().lblKolom[8])), kolom + 7);
            EXPECT_LE(kolom + 7, KolommenPerTrimester);
        });
}

TEST_F(Trimesterblad, NaHetInfovensterBlijftDePositie)
{
    Klik(Cel(3, 2));
    Klik(v().txtDatum[2]);
    omgeving.Beantwoord(QDialog::Accepted);
    KiesMenu(*v().mnuHelp, *v().mnuInfo);
    EXPECT_EQ(Focus(), v().txtDatum[2]);
    EXPECT_EQ(adm.HuidigeRij, 3);
    EXPECT_EQ(adm.HuidigeKolom, 2);
    // The first click in a cell after it takes that cell's position.
    Klik(Cel(5, 4));
    EXPECT_EQ(adm.HuidigeRij, 5);
    EXPECT_EQ(adm.HuidigeKolom, 4);
}

// The sheet of a filled class at 800 x 600, for the documentation:
// MORVALDIEK_SCHERMAFDRUK=docs/termsheet.png saves it.
TEST(Schermafdruk, VolleKlas)
{
    AdmMain voorbeeldklas;
    voorbeeld::VulVolleKlas(voorbeeldklas);
    AdmMain adm;
    NieuwCijferbestand(adm);
    adm.Bestandsnaam = "/home/jpdevries/Cijfers/4H2-WISK-2024.vlk";
    adm.School = voorbeeldklas.School;
    adm.Cursus = voorbeeldklas.Cursus;
    adm.Klas = voorbeeldklas.Klas;
    adm.Vak = voorbeeldklas.Vak;
    adm.Deelvak = voorbeeldklas.Deelvak;
    adm.NiveauNaam = voorbeeldklas.NiveauNaam;
    adm.Achternaam = voorbeeldklas.Achternaam;
    adm.Roepnaam = voorbeeldklas.Roepnaam;
    adm.Mentor = voorbeeldklas.Mentor;
    adm.KolomSoort = voorbeeldklas.KolomSoort;
    adm.KolomDatum = voorbeeldklas.KolomDatum;
    adm.KolomOpmerking = voorbeeldklas.KolomOpmerking;
    // Weights and grades through the grade processing, so every average is its own.
    for (int c = 1; c <= 9; ++c) {
        std::string w = voorbeeldklas.KolomGewicht(c, 1).str();
        VerwerkGewicht(adm, w, c, 1, 1);
        for (int p = 1; p <= AantalLeerlingen; ++p) {
            std::string g = voorbeeldklas.Cijfer(p, c, 1).str();
            VerwerkCijfer(adm, g, p, c, 1, 1);
        }
    }
    adm.Scherm = SchermTrimester1;
    adm.HuidigeRij = 4;
    adm.HuidigeKolom = 3;

    TestOmgeving omgeving;
    frmTrimester venster(adm, omgeving);
    venster.resize(800, 600);
    ASSERT_TRUE(Activeer(venster));
    QTest::mouseClick(venster.txtCijfer[venster.CelIndex(4, 3)], Qt::LeftButton, {}, QPoint(2, 8));
    const QImage beeld = venster.grab().toImage();
    EXPECT_EQ(beeld.size(), QSize(800, 600));
    EXPECT_EQ(venster.lblNaam[4]->Tekst(), adm.Achternaam(4).view());
    EXPECT_EQ(venster.lblKlTrGem->Tekst(), adm.KlTrGemTxt(1, 1).view());
    const QByteArray doel = qgetenv("MORVALDIEK_SCHERMAFDRUK");
    if (!doel.isEmpty()) {
        EXPECT_TRUE(beeld.save(QString::fromLocal8Bit(doel), "PNG"));
    }
}

}  // namespace

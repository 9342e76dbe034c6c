// The fixed-width entry rules, driven by real key events through the
// window's key preview: the worked examples of the term sheet, the names
// list, the report list and the year overview.
#include "platform/VasteBreedteInvoer.h"

#include "core/Tekst.h"

#include "VensterTest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTest>
#include <QStyle>
#include <QStyleFactory>
#include <QLineEdit>

#include <memory>

#include <string>
#include <vector>

using namespace VensterTest;

namespace {

// The boxes of the views.
const Invoerregels Cijfer{3, Typegrens::OpBreedte, Loslaten::Opvullen, Overschrijven::BijToetsNeer};
const Invoerregels Kop{39, Typegrens::VanafBreedte, Loslaten::Niets, Overschrijven::BijToetsNeer};
const Invoerregels NamenKlas{6, Typegrens::OpBreedte, Loslaten::Opvullen, Overschrijven::BijTeken};
const Invoerregels NamenAchternaam{30, Typegrens::OpBreedte, Loslaten::Opvullen, Overschrijven::BijTeken};
const Invoerregels JaarAchternaam{22, Typegrens::OpBreedte, Loslaten::Afkappen, Overschrijven::BijToetsNeer, true};
const Invoerregels JaarPostcode{7, Typegrens::OpBreedte, Loslaten::Afkappen, Overschrijven::BijToetsNeer, true, true};

constexpr int Invoegen = 1;
constexpr int Overtypen = 0;

// A key: a character typed, or a Qt key (values from 0x01000000).
using Toetsen = std::vector<int>;
constexpr int BS = Qt::Key_Backspace;

struct Geval {
    const char* naam;
    Invoerregels regels;
    int insertModus;
    std::string tekst;
    int caret;
    Toetsen toetsen;
    std::string verwacht;
    int caretNa;
    int selectieNa;
    int piepen;
};

const std::string Dertig = "Vermeulen-van den Heuvel-Smits";  // 30 characters
const std::string Tweeentwintig = Dertig.substr(0, 22);
const std::string Negenendertig(39, 'k');

const Geval gevallen[] = {
    // Term sheet grade cells (3 wide).
    {"overtypen vervangt de 7", Cijfer, Overtypen, "7  ", 0, {'8'}, "8  ", 1, 0, 0},
    {"overtypen op 3 piept", Cijfer, Overtypen, "7  ", 3, {'8'}, "7  ", 3, 0, 1},
    {"invoegen duwt een blank eruit", Cijfer, Invoegen, "7  ", 1, {'5'}, "75 ", 2, 0, 0},
    {"backspace op 3 wist", Cijfer, Invoegen, "7.5", 3, {BS}, "7. ", 2, 0, 0},
    {"ander teken op 3 piept", Cijfer, Invoegen, "7.5", 3, {'1'}, "7.5", 3, 0, 1},
    {"enter typt niets en piept niet", Cijfer, Invoegen, "7  ", 1, {Qt::Key_Return}, "7  ", 1, 0, 0},
    {"pijl en delete overtypen niet", Cijfer, Overtypen, "7.5", 0, {Qt::Key_Right, Qt::Key_Delete}, "75 ", 1, 0, 0},
    {"komma overtypt", Cijfer, Overtypen, "7.5", 1, {','}, "7,5", 2, 0, 0},
    {"functietoets kiest een teken", Cijfer, Overtypen, "7.5", 0, {Qt::Key_F2}, "7.5", 0, 1, 0},
    // Report boxes (3 wide): 7.5 with the caret at the start.
    {"rapport overtypen", Cijfer, Overtypen, "7.5", 0, {'6'}, "6.5", 1, 0, 0},
    {"rapport invoegen", Cijfer, Invoegen, "7.5", 0, {'6'}, "67.", 1, 0, 0},
    // Header boxes (39): cut only when typed at 39 or beyond.
    {"kop vol piept", Kop, Invoegen, Negenendertig, 39, {'x'}, Negenendertig, 39, 0, 1},
    {"kop invoegen groeit", Kop, Invoegen, Negenendertig, 10, {'x'}, Negenendertig.substr(0, 10) + "x" + Negenendertig.substr(10), 11, 0, 0},
    {"kop te lang wordt afgekapt", Kop, Invoegen, Negenendertig + "z", 40, {'y'}, Negenendertig, 39, 0, 1},
    // Names list.
    {"klas vol piept", NamenKlas, Invoegen, "ABCDEF", 6, {'x'}, "ABCDEF", 6, 0, 1},
    {"achternaam invoegen verliest de laatste", NamenAchternaam, Invoegen, Dertig, 3, {'x'}, Dertig.substr(0, 3) + "x" + Dertig.substr(3, 26), 4, 0, 0},
    {"overtypen op de laatste plaats", NamenKlas, Overtypen, "ABCDEF", 5, {'x'}, "ABCDEx", 6, 0, 0},
    {"overtypen voorbij de laatste piept", NamenKlas, Overtypen, "ABCDEF", 6, {'x'}, "ABCDEF", 6, 0, 1},
    // Year overview: Backspace counts at the limit, release cuts without padding.
    {"jaar backspace op de grens piept", JaarAchternaam, Invoegen, Tweeentwintig, 22, {BS}, Tweeentwintig, 22, 0, 1},
    {"jaar 23e teken piept", JaarAchternaam, Invoegen, Tweeentwintig, 22, {'x'}, Tweeentwintig, 22, 0, 1},
    {"jaar loslaten kapt af", JaarAchternaam, Invoegen, Dertig, 0, {Qt::Key_End}, Tweeentwintig, 22, 0, 0},
    {"jaar korte tekst blijft", JaarAchternaam, Invoegen, "Smit", 4, {'s'}, "Smits", 5, 0, 0},
    {"postcode vol weigert overal", JaarPostcode, Overtypen, "1234 AB", 2, {'x'}, "1234 AB", 2, 1, 1},
    {"lege postcode neemt aan", JaarPostcode, Invoegen, "       ", 0, {'1'}, "1      ", 1, 0, 0},
};

void PrintTo(const Geval& g, std::ostream* os) { *os << g.naam; }

class VasteBreedteTabel : public ::testing::TestWithParam<Geval> {};

TEST_P(VasteBreedteTabel, Toetsen)
{
    const Geval& g = GetParam();
    AdmMain adm;
    TestOmgeving omgeving;
    adm.InsertModus = g.insertModus;
    Dialoog venster(adm, omgeving);
    auto* vak = new VasteBreedteInvoer(omgeving, adm.InsertModus, g.regels, &venster);
    vak->setGeometry(10, 10, 300, 24);
    ASSERT_TRUE(Activeer(venster));
    venster.ZetFocus(vak);
    vak->ZetTekst(g.tekst);
    vak->ZetSelStart(g.caret);

    for (int t : g.toetsen) {
        if (t >= 0x01000000)
            Toets(venster, static_cast<Qt::Key>(t));
        else
            Typ(venster, QString(QChar(t)));
    }

    EXPECT_EQ(vak->Tekst(), g.verwacht);
    EXPECT_EQ(vak->SelStart(), g.caretNa);
    EXPECT_EQ(vak->SelLength(), g.selectieNa);
    EXPECT_EQ(omgeving.piepen, g.piepen);
    // Edited exactly when the keys, or the box's rules acting on them, changed the text.
    EXPECT_EQ(vak->Bewerkt(), g.verwacht != g.tekst);
}

INSTANTIATE_TEST_SUITE_P(Voorbeelden, VasteBreedteTabel, ::testing::ValuesIn(gevallen),
                         [](const auto& info) {
                             std::string n = info.param.naam;
                             for (char& c : n)
                                 if (c == ' ')
                                     c = '_';
                             return n;
                         });

// Text is Windows-1252 in the box's interface: a character with a byte of its
// own is taken, one without is refused with a beep, and so is a paste of it.
TEST(VasteBreedteInvoer, AlleenWindows1252)
{
    AdmMain adm;
    TestOmgeving omgeving;
    Dialoog venster(adm, omgeving);
    auto* vak = new VasteBreedteInvoer(omgeving, adm.InsertModus, Kop, &venster);
    ASSERT_TRUE(Activeer(venster));
    venster.ZetFocus(vak);

    Typ(venster, QStringLiteral("é€ł"));
    EXPECT_EQ(vak->Tekst(), "\xE9\x80");
    EXPECT_EQ(omgeving.piepen, 1);

    vak->insert(QStringLiteral("ł"));
    EXPECT_EQ(vak->Tekst(), "\xE9\x80");

    // The data set holds no NUL: a paste of one is refused like any other.
    const QString metNul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    vak->insert(metNul);
    EXPECT_EQ(vak->Tekst(), "\xE9\x80");
    QGuiApplication::clipboard()->setText(metNul);
    vak->paste();
    EXPECT_EQ(vak->Tekst(), "\xE9\x80");
}

// No text of the data set holds a control byte: one in a paste or a drop
// (a tab from a spreadsheet cell) lands as a blank.
TEST(VasteBreedteInvoer, AControlCharacterInAPasteLandsAsABlank)
{
    AdmMain adm;
    TestOmgeving omgeving;
    adm.InsertModus = Invoegen;
    Dialoog venster(adm, omgeving);
    auto* vak = new VasteBreedteInvoer(omgeving, adm.InsertModus, Kop, &venster);
    ASSERT_TRUE(Activeer(venster));
    venster.ZetFocus(vak);
    QGuiApplication::clipboard()->setText(QStringLiteral("Jan\tsen"));
    vak->paste();
    EXPECT_EQ(vak->Tekst(), "Jan sen");
    vak->insert(QStringLiteral("\x01x\x7F"));  // as a drop puts it in
    EXPECT_EQ(vak->Tekst(), "Jan sen x ");
    EXPECT_EQ(omgeving.piepen, 0);
}

// A box counts as edited from a change by the teacher (a key, a paste, a
// drop) until the window fills it or a commit shows what was stored.
TEST(VasteBreedteInvoer, AnEditCountsUntilTheWindowFillsTheBox)
{
    AdmMain adm;
    TestOmgeving omgeving;
    adm.InsertModus = Invoegen;
    Dialoog venster(adm, omgeving);
    auto* vak = new VasteBreedteInvoer(omgeving, adm.InsertModus, Cijfer, &venster);
    ASSERT_TRUE(Activeer(venster));
    venster.ZetFocus(vak);
    vak->ZetTekst("7  ");
    EXPECT_FALSE(vak->Bewerkt());
    Toets(venster, Qt::Key_End);  // moving the caret is no edit
    EXPECT_FALSE(vak->Bewerkt());
    EXPECT_EQ(vak->SelStart(), 3);

    vak->ZetTekst("8  ");
    EXPECT_EQ(vak->SelStart(), 0);  // a text set by the program: caret at the start
    Typ(venster, QStringLiteral("6"));
    EXPECT_TRUE(vak->Bewerkt());
    EXPECT_FALSE(vak->ToonVastgelegd("68 "));  // already shown: left as it is
    EXPECT_FALSE(vak->Bewerkt());
    EXPECT_EQ(vak->SelStart(), 1);

    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    vak->ZetSelStart(0);
    vak->ZetSelLength(3);
    vak->paste();
    EXPECT_TRUE(vak->Bewerkt());
    EXPECT_TRUE(vak->ToonVastgelegd("   "));
    EXPECT_EQ(vak->Tekst(), "   ");
    EXPECT_FALSE(vak->Bewerkt());
    vak->insert(QStringLiteral("5"));  // as a drop puts it in
    EXPECT_TRUE(vak->Bewerkt());
    vak->Onbewerkt();
    EXPECT_FALSE(vak->Bewerkt());
}

// The mouse press that gives a box the focus leaves the caret and the
// selection as its GotFocus set them; a later click in the focused box puts
// the caret where it lands.
TEST(VasteBreedteInvoer, TheClickThatGivesTheFocusKeepsWhatGotFocusSet)
{
    AdmMain adm;
    TestOmgeving omgeving;
    Dialoog venster(adm, omgeving);
    auto* eerste = new VasteBreedteInvoer(omgeving, adm.InsertModus, NamenAchternaam, &venster);
    auto* vak = new VasteBreedteInvoer(omgeving, adm.InsertModus, NamenAchternaam, &venster);
    auto* nummer = new VasteBreedteInvoer(omgeving, adm.InsertModus, NamenKlas, &venster);
    eerste->setGeometry(10, 10, 300, 24);
    vak->setGeometry(10, 40, 300, 24);
    nummer->setGeometry(10, 70, 300, 24);
    QObject::connect(vak, &VasteBreedteInvoer::GotFocus, vak, [vak] { vak->ZetSelStart(0); });
    QObject::connect(nummer, &VasteBreedteInvoer::GotFocus, nummer, [nummer] { nummer->ZetSelLength(6); });
    ASSERT_TRUE(Activeer(venster));
    venster.ZetFocus(eerste);
    vak->ZetTekst(std::string(30, ' '));
    nummer->ZetTekst("000123");

    QTest::mouseClick(vak, Qt::LeftButton);  // mid-box
    ASSERT_EQ(venster.ActieveControl(), vak);
    EXPECT_EQ(vak->SelStart(), 0);
    EXPECT_EQ(vak->SelLength(), 0);
    Typ(venster, QStringLiteral("Jansen"));
    EXPECT_EQ(vak->Tekst(), Pas("Jansen", 30));

    // Focused already: where it lands, but never among the trailing blanks.
    vak->ZetTekst(Pas("Jansen-de Boer", 30));
    vak->setCursorPosition(3);
    const QPoint bijDrie = vak->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    vak->ZetSelStart(0);
    QTest::mouseClick(vak, Qt::LeftButton, {}, bijDrie);
    EXPECT_EQ(vak->SelStart(), 3);
    QTest::mouseClick(vak, Qt::LeftButton, {}, QPoint(vak->width() - 4, vak->height() / 2));
    EXPECT_EQ(vak->SelStart(), 14);

    QTest::mouseClick(nummer, Qt::LeftButton);
    EXPECT_EQ(nummer->SelStart(), 0);
    EXPECT_EQ(nummer->SelLength(), 6);

    // A press held and dragged selects nothing beyond what GotFocus chose.
    venster.ZetFocus(eerste);
    QTest::mousePress(vak, Qt::LeftButton);
    QMouseEvent sleep(QEvent::MouseMove, QPointF(vak->width() - 4, vak->height() / 2),
                      vak->mapToGlobal(QPointF(vak->width() - 4, vak->height() / 2)), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(vak, &sleep);
    QTest::mouseRelease(vak, Qt::LeftButton, {}, QPoint(vak->width() - 4, vak->height() / 2));
    EXPECT_EQ(vak->SelStart(), 0);
    EXPECT_EQ(vak->SelLength(), 0);
}

// A box narrower than its text shows it from the first character whenever
// it gets or loses the focus, by Tab, Shift+Tab or a click: the selection
// that Tab makes does not scroll the name out of sight, and a box the
// teacher scrolled does not stay scrolled once left. A box whose text fits
// keeps its caret where it was.
TEST(VasteBreedteInvoer, ANarrowBoxShowsItsTextFromTheStartWhenTheFocusComesOrGoes)
{
    AdmMain adm;
    TestOmgeving omgeving;
    Dialoog venster(adm, omgeving);
    auto* voor = new VasteBreedteInvoer(omgeving, adm.InsertModus, NamenKlas, &venster);
    auto* vak = new VasteBreedteInvoer(omgeving, adm.InsertModus, NamenAchternaam, &venster);
    auto* na = new VasteBreedteInvoer(omgeving, adm.InsertModus, NamenKlas, &venster);
    voor->setGeometry(10, 10, 120, 24);
    vak->setGeometry(10, 40, 120, 24);  // some 15 of the 30 characters
    na->setGeometry(10, 70, 120, 24);
    ASSERT_TRUE(Activeer(venster));
    venster.ZetFocus(voor);
    vak->ZetTekst(Pas("Dekker", 30));
    na->ZetTekst("000123");
    ASSERT_EQ(Verschoven(*vak), 0);

    Toets(venster, Qt::Key_Tab);
    ASSERT_EQ(venster.ActieveControl(), vak);
    EXPECT_EQ(Verschoven(*vak), 0);
    EXPECT_EQ(vak->SelStart(), 0);
    Toets(venster, Qt::Key_Tab);
    ASSERT_EQ(venster.ActieveControl(), na);
    EXPECT_EQ(Verschoven(*vak), 0);
    EXPECT_EQ(vak->Tekst(), Pas("Dekker", 30));

    // Scrolled by the teacher, then left by Shift+Tab; again by clicks.
    Toets(venster, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(venster.ActieveControl(), vak);
    EXPECT_EQ(Verschoven(*vak), 0);
    Toets(venster, Qt::Key_End);
    ASSERT_GT(Verschoven(*vak), 0);
    Toets(venster, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(venster.ActieveControl(), voor);
    EXPECT_EQ(Verschoven(*vak), 0);

    QTest::mouseClick(vak, Qt::LeftButton);
    ASSERT_EQ(venster.ActieveControl(), vak);
    EXPECT_EQ(Verschoven(*vak), 0);
    Toets(venster, Qt::Key_End);
    ASSERT_GT(Verschoven(*vak), 0);
    QTest::mouseClick(na, Qt::LeftButton);
    ASSERT_EQ(venster.ActieveControl(), na);
    EXPECT_EQ(Verschoven(*vak), 0);
    EXPECT_EQ(vak->Tekst(), Pas("Dekker", 30));

    // A text that fits never scrolls; its caret stays where the teacher left it.
    Toets(venster, Qt::Key_End);
    ASSERT_EQ(na->SelStart(), 6);
    QTest::mouseClick(voor, Qt::LeftButton);
    EXPECT_EQ(na->SelStart(), 6);
    EXPECT_EQ(Verschoven(*na), 0);
}

}  // namespace

// The box draws its panel from a copy; what shows must be what the style
// itself draws, in every look a window gives a box.
TEST(VasteBreedteInvoer, PaintsAsTheStyleDrawsIt)
{
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        GTEST_SKIP() << "the copy is made under the Fusion style only";
    TestOmgeving omgeving;
    const int insert = 1;
    QWidget venster;
    auto* vak = new VasteBreedteInvoer(omgeving, insert, Cijfer, &venster);
    auto* gewoon = new QLineEdit(&venster);
    std::unique_ptr<QStyle> stijl(QStyleFactory::create(QStringLiteral("Fusion")));
    gewoon->setStyle(stijl.get());
    vak->setGeometry(10, 10, 40, 21);
    gewoon->setGeometry(10, 40, 40, 21);
    ASSERT_TRUE(Activeer(venster));
    const auto beeld = [](QLineEdit* w) {
        QImage i(w->size(), QImage::Format_ARGB32_Premultiplied);
        i.fill(Qt::magenta);  // a background that would show any difference at the edges
        w->render(&i, QPoint(), QRegion(), QWidget::DrawChildren);
        return i;
    };
    for (const QColor kleur : {QColor(Qt::white), QColor(Qt::cyan)}) {
        for (const bool aan : {true, false}) {
            for (const bool focus : {false, true}) {
                SCOPED_TRACE(kleur.name().toStdString() + (aan ? " enabled" : " disabled") + (focus ? " focus" : ""));
                for (QLineEdit* w : {static_cast<QLineEdit*>(vak), gewoon}) {
                    QPalette p = w->palette();
                    p.setColor(QPalette::Base, kleur);
                    w->setPalette(p);
                    w->setText(QStringLiteral("7.5"));
                    w->setEnabled(aan);
                }
                if (focus && aan) {
                    vak->setFocus();
                    Verwerk();
                    const QImage a = beeld(vak);
                    gewoon->setFocus();
                    Verwerk();
                    EXPECT_EQ(a, beeld(gewoon));
                } else {
                    venster.setFocus();
                    Verwerk();
                    EXPECT_EQ(beeld(vak), beeld(gewoon));
                }
            }
        }
    }
}

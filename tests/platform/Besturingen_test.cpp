// The small controls and conversions of the window layer.
#include "platform/Cp1252Qt.h"
#include "platform/Draaiknop.h"
#include "platform/Etiket.h"
#include "platform/Klembord.h"
#include "platform/Kleuren.h"
#include "platform/Paden.h"

#include "VensterTest.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QToolButton>

using namespace VensterTest;

namespace {

TEST(Kleuren, BlauwGroenRood)
{
    EXPECT_EQ(VbKleur(0xFFFF00), QColor(0, 255, 255));  // cyan
    EXPECT_EQ(VbKleur(0x008000), QColor(0, 128, 0));
    EXPECT_EQ(VbKleur(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(VbKleur(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(VbKleur(0xC0C0FF), QColor(255, 192, 192));
    EXPECT_EQ(VbKleur(0x80000016), QApplication::palette().color(QPalette::Midlight));
    EXPECT_EQ(VbKleur(0x8000000F), QApplication::palette().color(QPalette::Button));

    QLineEdit vak;
    Etiket etiket;
    ZetAchtergrond(vak, Kleur::Cyaan);
    ZetAchtergrond(etiket, Kleur::LichtGrijs);
    ZetVoorgrond(etiket, Kleur::Rood);
    EXPECT_EQ(vak.palette().color(QPalette::Base), QColor(0, 255, 255));
    EXPECT_EQ(etiket.palette().color(QPalette::Window), QColor(0xE5, 0xE5, 0xE5));
    EXPECT_EQ(etiket.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(etiket.autoFillBackground());
}

TEST(Cp1252Qt, HeenEnTerug)
{
    const std::string bytes = "Caf\xE9 \x80" "5 \x93x\x94";
    const QString tekst = Cp1252NaarQString(bytes);
    EXPECT_EQ(tekst, QStringLiteral("Café €5 “x”"));
    bool volledig = false;
    EXPECT_EQ(QStringNaarCp1252(tekst, &volledig), bytes);
    EXPECT_TRUE(volledig);
    EXPECT_EQ(QStringNaarCp1252(QStringLiteral("ł😀"), &volledig), "??");
    EXPECT_FALSE(volledig);

    // Nor has NUL a place in a text: a column pasted from the clipboard gets "?" for it.
    QGuiApplication::clipboard()->setText(QStringLiteral("a") + QChar(0) + QStringLiteral("b\nc"));
    EXPECT_EQ(KlembordTekst(), "a?b\nc");
}

// A path is shown character by character: well-formed UTF-8 as itself, a
// stray byte (a name copied from an older machine) as its Windows-1252
// letter, also beside UTF-8 letters in the same path.
TEST(Paden, PadTonenShowsEachUtf8CharacterAndEachStrayByte)
{
    const struct {
        std::string pad;
        std::string getoond;  // UTF-8
    } gevallen[] = {
        {"/home/\xC5\x81ukasz/caf\xE9.vlk", "/home/Łukasz/café.vlk"},
        {"/a/\xE2\x82\xAC\x80/\xF0\x9F\x98\x80\x93x\x94", "/a/€€/😀“x”"},
        {"/home/\xC5\x81ukasz/caf\xC3\xA9.vlk", "/home/Łukasz/café.vlk"},
        {"caf\xE9/kl\xE9 \x80.vlk", "café/klé €.vlk"},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(PadTonen(g.pad).toStdString(), g.getoond);
}

TEST(Etiket, KlikEnMuisbeweging)
{
    Etiket etiket("Jansen & <b>Co</b>");
    etiket.resize(120, 20);
    int klikken = 0, bewegingen = 0;
    QObject::connect(&etiket, &Etiket::Click, [&] { ++klikken; });
    QObject::connect(&etiket, &Etiket::MouseMove, [&] {
        ++bewegingen;
        etiket.setToolTip(QStringLiteral(" 6.5 "));
    });
    ASSERT_TRUE(Activeer(etiket));
    QTest::mouseClick(&etiket, Qt::LeftButton);
    QTest::mouseMove(&etiket, QPoint(30, 10));
    EXPECT_EQ(klikken, 1);
    EXPECT_GE(bewegingen, 1);
    EXPECT_EQ(etiket.toolTip(), QStringLiteral(" 6.5 "));
    EXPECT_EQ(etiket.text(), QStringLiteral("Jansen & <b>Co</b>"));  // as it stands
    EXPECT_EQ(etiket.textFormat(), Qt::PlainText);

    ToonInsertModus(etiket, 0);
    EXPECT_EQ(etiket.Tekst(), "Type over");
    ToonInsertModus(etiket, 7);
    EXPECT_EQ(etiket.Tekst(), "Type over");
}

TEST(Draaiknop, ChangeBijElkeNieuweWaarde)
{
    Draaiknop knop;
    knop.ZetMin(1);
    knop.ZetMax(36);
    knop.ZetValue(1);
    std::vector<int> gezien;
    int vorige = 1;
    bool herstellen = true;
    QObject::connect(&knop, &Draaiknop::Change, [&] {
        gezien.push_back(knop.Value());
        // A refused change puts the old value back: its Change runs nested.
        if (knop.Value() == 3 && herstellen)
            knop.ZetValue(vorige);
        else
            vorige = knop.Value();
    });
    knop.ZetValue(1);  // the value it has: nothing
    QTest::mouseClick(knop.KnopOmhoog(), Qt::LeftButton);
    knop.ZetValue(3);
    EXPECT_EQ(gezien, (std::vector<int>{2, 3, 2}));
    EXPECT_EQ(knop.Value(), 2);

    herstellen = false;
    knop.ZetValue(36);
    knop.Omhoog();  // kept within Max
    knop.ZetMin(40);  // a limit leaves the value alone
    EXPECT_EQ(knop.Value(), 36);
    EXPECT_EQ(knop.KnopOmhoog()->focusPolicy(), Qt::NoFocus);
}

}  // namespace

// What the modal windows share: the button drawn as the default and what
// Enter presses, letters answering a prompt and the message box, and a
// window as wide as its caption needs.
#include "platform/Berichtvenster.h"
#include "platform/Venster.h"

#include "VensterTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>
#include <string>
#include <vector>

using namespace VensterTest;

namespace {

// The captions of the buttons drawn as the default.
std::vector<QString> Standaard(const QWidget& venster)
{
    std::vector<QString> r;
    for (const QPushButton* k : venster.findChildren<QPushButton*>())
        if (k->isDefault())
            r.push_back(k->text());
    return r;
}

// A text box and two buttons that log their clicks.
class Knoppenvenster : public Dialoog {
public:
    Knoppenvenster(AdmMain& adm, Omgeving& omgeving) : Dialoog(adm, omgeving)
    {
        setWindowTitle(QStringLiteral("Proef"));
        vak = new QLineEdit(this);
        openen = new QPushButton(QStringLiteral("&Openen"), this);
        annuleren = new QPushButton(QStringLiteral("Annuleren"), this);
        vak->setGeometry(10, 10, 280, 24);
        openen->setGeometry(10, 40, 130, 24);
        annuleren->setGeometry(150, 40, 130, 24);
        connect(openen, &QPushButton::clicked, this, [this] { log.push_back("Openen"); });
        connect(annuleren, &QPushButton::clicked, this, [this] { log.push_back("Annuleren"); });
        setFixedSize(300, 80);
    }
    void Form_KeyDown(int& KeyCode, int& Shift) override
    {
        if (bijKeyDown)
            bijKeyDown(KeyCode, Shift);
    }
    using Dialoog::KnoppenOpLetter;
    using Dialoog::Standaardknop;

    QLineEdit* vak;
    QPushButton* openen;
    QPushButton* annuleren;
    std::vector<std::string> log;
    std::function<void(int&, int&)> bijKeyDown;
};

class DialoogProef : public ::testing::Test {
protected:
    void Toon()
    {
        ASSERT_TRUE(Activeer(d));
        d.ZetFocus(d.vak);
    }
    AdmMain adm;
    TestOmgeving omgeving;
    Knoppenvenster d{adm, omgeving};
};

using Log = std::vector<std::string>;

// Without a default button: Enter in the box presses nothing and no button
// looks as if it would; a focused button takes Enter and the look.
TEST_F(DialoogProef, WithoutADefaultOnlyAFocusedButtonTakesEnter)
{
    Toon();
    EXPECT_TRUE(Standaard(d).empty());
    Toets(d, Qt::Key_Return);
    EXPECT_TRUE(d.log.empty());
    Toets(d, Qt::Key_Tab);
    ASSERT_EQ(d.ActieveControl(), d.openen);
    EXPECT_EQ(Standaard(d), std::vector<QString>{QStringLiteral("&Openen")});
    Toets(d, Qt::Key_Return);
    Toets(d, Qt::Key_Tab);
    EXPECT_EQ(Standaard(d), std::vector<QString>{QStringLiteral("Annuleren")});
    Toets(d, Qt::Key_Enter, Qt::KeypadModifier);
    Toets(d, Qt::Key_Tab);
    EXPECT_TRUE(Standaard(d).empty());
    EXPECT_EQ(d.log, (Log{"Openen", "Annuleren"}));
}

TEST_F(DialoogProef, TheDefaultButtonTakesEnterWhereNoButtonHasTheFocus)
{
    d.Standaardknop(d.openen);
    Toon();
    EXPECT_EQ(Standaard(d), std::vector<QString>{QStringLiteral("&Openen")});
    Toets(d, Qt::Key_Return);
    EXPECT_EQ(d.log, Log{"Openen"});
    d.ZetFocus(d.annuleren);
    EXPECT_EQ(Standaard(d), std::vector<QString>{QStringLiteral("Annuleren")});
    Toets(d, Qt::Key_Return);
    d.ZetFocus(d.vak);
    EXPECT_EQ(Standaard(d), std::vector<QString>{QStringLiteral("&Openen")});
    EXPECT_EQ(d.log, (Log{"Openen", "Annuleren"}));
}

// A window whose own handler takes Enter everywhere keeps the look on the
// button Enter stands for, or on none.
TEST_F(DialoogProef, EnterOfTheWindowKeepsTheLookWhereItActs)
{
    d.bijKeyDown = [this](int& KeyCode, int&) {
        if (KeyCode == 13) {
            KeyCode = 0;
            d.log.push_back("Enter");
        }
    };
    d.Standaardknop(d.openen, true);
    Toon();
    d.ZetFocus(d.annuleren);
    EXPECT_EQ(Standaard(d), std::vector<QString>{QStringLiteral("&Openen")});
    Toets(d, Qt::Key_Return);
    EXPECT_EQ(d.log, Log{"Enter"});

    d.Standaardknop(nullptr, true);
    EXPECT_TRUE(Standaard(d).empty());
    d.ZetFocus(d.openen);
    EXPECT_TRUE(Standaard(d).empty());
}

// In a prompt of buttons alone a letter answers, as in a message box: the
// "&" letter or the first one, either case, alone, with Shift or with Alt.
TEST_F(DialoogProef, ALetterPressesTheButtonItMarks)
{
    d.vak->hide();
    ASSERT_TRUE(Activeer(d));
    d.ZetFocus(d.annuleren);
    Toets(d, Qt::Key_O);
    EXPECT_TRUE(d.log.empty());  // only in a prompt that asks for it

    d.KnoppenOpLetter();
    const struct {
        Qt::Key toets;
        Qt::KeyboardModifiers mods;
        const char* knop;
    } gevallen[] = {
        {Qt::Key_O, Qt::NoModifier, "Openen"},      {Qt::Key_A, Qt::NoModifier, "Annuleren"},
        {Qt::Key_O, Qt::ShiftModifier, "Openen"},   {Qt::Key_A, Qt::AltModifier, "Annuleren"},
        {Qt::Key_O, Qt::ControlModifier, nullptr},  {Qt::Key_P, Qt::NoModifier, nullptr},
        {Qt::Key_N, Qt::NoModifier, nullptr},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(QKeySequence(g.toets | g.mods).toString().toStdString());
        d.log.clear();
        Toets(d, g.toets, g.mods);
        EXPECT_EQ(d.log, g.knop ? Log{g.knop} : Log{});
    }
}

// The message box: each style's buttons answer their letters; a key that
// marks none leaves the box open.
TEST(Berichtvenster, ALetterAnswers)
{
    const struct {
        int stijl;
        Qt::Key toets;
        Qt::KeyboardModifiers mods;
        int antwoord;  // 0: still open
    } gevallen[] = {
        {vbYesNoCancel, Qt::Key_J, Qt::NoModifier, vbYes},
        {vbYesNoCancel, Qt::Key_N, Qt::NoModifier, vbNo},
        {vbYesNoCancel, Qt::Key_A, Qt::NoModifier, vbCancel},
        {vbYesNoCancel + vbDefaultButton2, Qt::Key_J, Qt::ShiftModifier, vbYes},
        {vbYesNo + vbExclamation, Qt::Key_N, Qt::NoModifier, vbNo},
        {vbOKOnly, Qt::Key_O, Qt::NoModifier, vbOK},
        {vbOKCancel, Qt::Key_A, Qt::NoModifier, vbCancel},
        {vbOKCancel, Qt::Key_O, Qt::AltModifier, vbOK},
        {vbAbortRetryIgnore, Qt::Key_N, Qt::NoModifier, vbIgnore},
        {vbAbortRetryIgnore, Qt::Key_O, Qt::NoModifier, vbRetry},
        {vbRetryCancel, Qt::Key_A, Qt::NoModifier, vbCancel},
        {vbYesNoCancel, Qt::Key_J, Qt::ControlModifier, 0},
        {vbYesNo, Qt::Key_A, Qt::NoModifier, 0},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(std::to_string(g.stijl) + " " + QKeySequence(g.toets | g.mods).toString().toStdString());
        Berichtvenster box(QStringLiteral("Huidig bestand  bewaren?"), g.stijl, QStringLiteral("Morvaldiek"));
        ASSERT_TRUE(Activeer(box));
        Toets(box, g.toets, g.mods);
        EXPECT_EQ(box.isVisible(), g.antwoord == 0);
        if (g.antwoord != 0) {
            EXPECT_EQ(box.Antwoord(), g.antwoord);
        }
        box.close();
    }
}

// The message box leaves its title whole under a window manager whose title
// font is larger than the program's: at least 240 pixels wide, and as wide
// as the title in the title-bar font with 150 pixels beside it for the
// window manager's icon and buttons. Its text still shows whole.
TEST(Berichtvenster, TheTitleFitsTheTitleBar)
{
    const struct {
        const char* titel;
        const char* tekst;
        int stijl;
    } gevallen[] = {
        {"Morvaldiek", "Foutmelding:\n\nDeling door nul   ", vbExclamation},
        {"Morvaldiek", "Klaar.", vbOKOnly},
        {"Opslaan als", "Bestaand bestand vervangen?", vbYesNo + vbExclamation + vbDefaultButton2},
        {"Rapportcijfers importeren uit een cijferbestand van dezelfde klas", "Klaar.", vbInformation},
    };
    const QFontMetrics titelmaat(QApplication::font("QMdiSubWindowTitleBar"));
    for (const auto& g : gevallen) {
        const QString titel = QString::fromUtf8(g.titel);
        SCOPED_TRACE(g.titel);
        Berichtvenster box(QString::fromUtf8(g.tekst), g.stijl, titel);
        ASSERT_TRUE(Activeer(box));
        EXPECT_GE(box.width(), 240);
        EXPECT_GE(box.width(), titelmaat.horizontalAdvance(titel) + 150);
        for (const QLabel* l : box.findChildren<QLabel*>()) {
            if (l->isVisible()) {
                EXPECT_GE(l->width(), l->minimumSizeHint().width()) << l->text().toStdString();
            }
        }
        box.close();
    }
}

// A window narrower than its caption needs grows to it, its controls moved
// together to the middle and left as they were; one laid out gets it as
// its least width. A caption set later widens it again.
TEST(Titelruimte, TheCaptionFitsTheTitleBar)
{
    const QString titel = QStringLiteral("Rapportcijfers afronden op...");
    QFont vet = QApplication::font("QMdiSubWindowTitleBar");
    vet.setBold(true);
    const QFontMetrics maat(vet);
    EXPECT_GE(Titelruimte(titel), maat.horizontalAdvance(titel) + 3 * maat.height());
    EXPECT_GT(Titelruimte(titel), Titelruimte(QStringLiteral("Kolom wissen")));

    AdmMain adm;
    TestOmgeving omgeving;
    Dialoog smal(adm, omgeving);
    smal.setWindowTitle(titel);
    auto* links = new QPushButton(QStringLiteral("&Uitvoeren"), &smal);
    auto* rechts = new QPushButton(QStringLiteral("&Annuleren"), &smal);
    links->setGeometry(5, 40, 40, 20);
    rechts->setGeometry(50, 40, 40, 20);
    smal.setFixedSize(100, 70);
    ASSERT_TRUE(Activeer(smal));
    EXPECT_GE(smal.width(), Titelruimte(titel));
    EXPECT_EQ(smal.height(), 70);
    EXPECT_EQ(smal.minimumWidth(), smal.maximumWidth());
    const int dx = links->x() - 5;
    EXPECT_NEAR(dx, (smal.width() - 100) / 2, 1);
    EXPECT_EQ(links->geometry(), QRect(5 + dx, 40, 40, 20));
    EXPECT_EQ(rechts->geometry(), QRect(50 + dx, 40, 40, 20));

    const QString langer = titel + QStringLiteral(" en nog veel meer");
    smal.setWindowTitle(langer);
    EXPECT_GE(smal.width(), Titelruimte(langer));

    Dialoog gelegd(adm, omgeving);
    gelegd.setWindowTitle(titel);
    (new QVBoxLayout(&gelegd))->addWidget(new QPushButton(QStringLiteral("OK"), &gelegd));
    ASSERT_TRUE(Activeer(gelegd));
    EXPECT_GE(gelegd.width(), Titelruimte(titel));
    EXPECT_GE(gelegd.minimumWidth(), Titelruimte(titel));
}

}  // namespace

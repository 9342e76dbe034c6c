#pragma once
// Beep, message boxes, modal windows and the screen behind one small
// interface, made once at start-up beside AdmMain and passed by reference to
// every window: QtOmgeving for the program, a test implementation
// (tests/VensterTest.h) that counts beeps, records messages, answers every
// modal window from a script, so that no test waits for a user, and gives
// the screen and window frame a test sets.

#include <QMargins>
#include <QRect>
#include <QString>

class QCoreApplication;
class QDialog;
class QTranslator;
class QWidget;

// Message box styles (added: buttons + icon + default button) and answers.
enum Berichtstijl : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum Berichtantwoord : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

inline constexpr const char* Programmatitel = "Morvaldiek";

class Omgeving {
public:
    virtual ~Omgeving() = default;

    virtual void Piep() = 0;

    // Shows a message box and returns the answer of the button pressed; an
    // empty title gives the program title.
    int Bericht(const QString& tekst, int stijl = vbOKOnly, const QString& titel = QString());

    // Shows the dialog modally and returns its result. When it has closed,
    // the window that opened it (its parent) is activated (Form_Activate),
    // as after every modal window of the program.
    int Modaal(QDialog& dialoog);

    // Shows one of the platform's own dialogs (the printer dialog) modally
    // and returns its result; the opener is not activated afterwards.
    int Systeemdialoog(QDialog& dialoog) { return ToonModaal(dialoog); }

    // The free area of the screen the window is on: the screen less its
    // panels. Empty when there is no screen.
    virtual QRect Werkgebied(const QWidget& venster) = 0;
    // The window manager's frame around the window (title bar and borders;
    // the menu bar is the window's own). A window not framed yet gets the
    // frame last seen around one of the program's windows.
    virtual QMargins Rand(const QWidget& venster) = 0;

protected:
    virtual int ToonBericht(const QString& tekst, int stijl, const QString& titel) = 0;
    virtual int ToonModaal(QDialog& dialoog) = 0;
};

// The program's own: QApplication::beep, QMessageBox, QDialog::exec, the
// window's screen and the frame the window manager reports.
class QtOmgeving : public Omgeving {
public:
    void Piep() override;
    QRect Werkgebied(const QWidget& venster) override;
    QMargins Rand(const QWidget& venster) override;

protected:
    int ToonBericht(const QString& tekst, int stijl, const QString& titel) override;
    int ToonModaal(QDialog& dialoog) override;

private:
    QMargins gezien_;  // the frame last seen
};

// The answers a message box of this style offers, left to right (at most three).
int BerichtKnoppen(int stijl, int (&knoppen)[3]);

// The answer of the default button of the style.
int StandaardAntwoord(int stijl);

// Qt's own Dutch texts for its dialogs (file, print, colour and button texts),
// whatever the machine's language: qtbase_nl from `map`, Qt's translation
// folder when empty. Installed on the application and returned; nullptr
// when the file is not there, and the program goes on in English.
QTranslator* QtVertalingLaden(QCoreApplication& app, const QString& map = QString());

// The error message of the file and print commands: "Foutmelding:", two
// line feeds, the description and three blanks; exclamation icon, program title.
void Foutmelding(Omgeving& omgeving, const QString& omschrijving);

#pragma once
// Helpers for the window tests (offscreen platform).
//
// Offscreen, a shown window becomes active only once events are processed,
// and a closed modal window does not give the activation back to its opener.
// Focus changes reach the boxes only in the active window, so a test shows
// its window with Activeer() and sends keys with Toets()/Typ(), which aim at
// the window's focused control as the keyboard does. TestOmgeving answers
// every message box and modal window from a script and gives the activation
// back afterwards; nothing ever waits for a user. It also stands in for the
// screen and the window manager's frame.

#include "platform/Omgeving.h"
#include "platform/Venster.h"
#include "platform/Werkbalk.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

namespace VensterTest {

// Runs what is pending: posted events (a window's first Form_Activate among
// them) and the platform's window events.
inline void Verwerk()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Shows the window (when it is not yet shown), lets its first activation run
// and makes it the active window. False when it could not be activated.
inline bool Activeer(QWidget& w)
{
    if (!w.isVisible())
        w.show();
    Verwerk();
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    QApplication::setActiveWindow(&w);
#else
    w.activateWindow();
    (void)QTest::qWaitForWindowActive(&w);
#endif
    Verwerk();
    return w.isActiveWindow();
}

// The control a key of the keyboard would reach in this window.
inline QWidget* Toetsdoel(QWidget& venster)
{
    QWidget* f = venster.window()->focusWidget();
    return f ? f : venster.window();
}

inline void Toets(QWidget& venster, Qt::Key toets, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(Toetsdoel(venster), toets, mods);
}

// Types the text key by key into whatever control has the focus at each key.
inline void Typ(QWidget& venster, const QString& tekst)
{
    for (QChar c : tekst) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            QTest::keyClick(Toetsdoel(venster), static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, Toetsdoel(venster), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// How many pixels of a box's text are scrolled out at its left edge, as the
// box is drawn once the pending events have run (0: it shows its text from
// the first character): where it draws its caret, against where a box of
// the same make with no text draws the caret, plus the caret's place in the
// text.
inline int Verschoven(QLineEdit& vak)
{
    Verwerk();
    QLineEdit leeg;
    leeg.setStyle(vak.style());
    leeg.setFont(vak.font());
    leeg.setFrame(vak.hasFrame());
    leeg.setTextMargins(vak.textMargins());
    leeg.resize(vak.size());
    leeg.ensurePolished();
    const auto caretX = [](const QLineEdit& w) { return w.inputMethodQuery(Qt::ImCursorRectangle).toRect().x(); };
    const int inTekst = vak.fontMetrics().horizontalAdvance(vak.text().left(vak.cursorPosition()));
    return caretX(leeg) + inTekst - caretX(vak);
}

// Opens the menu and closes it again, as a look into it does.
inline void OpenMenu(QMenu& menu)
{
    menu.popup(QPoint(0, 0));
    Verwerk();
    menu.close();
    Verwerk();
}

// Chooses an item of a top-level menu: the menu opens, closes, the item runs.
inline void KiesMenu(QMenu& menu, QAction& item)
{
    OpenMenu(menu);
    item.trigger();
    Verwerk();
}

inline void KlikWerkbalk(Werkbalk& werkbalk, const QString& key)
{
    QToolButton* knop = werkbalk.Knop(key);
    ASSERT_NE(knop, nullptr) << key.toStdString();
    QTest::mouseClick(knop, Qt::LeftButton);
}

// Clicks the button of the window whose caption is `tekst` ("&Ja").
inline void KlikKnop(QWidget& venster, const QString& tekst)
{
    for (QAbstractButton* b : venster.findChildren<QAbstractButton*>()) {
        if (b->text() == tekst) {
            b->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << tekst.toStdString();
}

class TestOmgeving : public Omgeving {
public:
    struct Melding {
        QString tekst;
        int stijl;
        QString titel;
    };
    using Script = std::function<void(QDialog&)>;

    int piepen = 0;
    std::vector<Melding> meldingen;
    std::deque<int> berichtAntwoorden;   // when empty: the default button
    std::deque<Script> dialoogAntwoorden;
    std::vector<QString> dialogen;       // window title of each modal window shown
    // The screen's free area and the window manager's frame the windows
    // see: by default a screen larger than every window, and no frame, as
    // the offscreen platform has no window manager.
    QRect werkgebied{0, 0, 1024, 768};
    QMargins vensterrand;

    void Piep() override { ++piepen; }
    QRect Werkgebied(const QWidget&) override { return werkgebied; }
    QMargins Rand(const QWidget&) override { return vensterrand; }

    // The next modal window is answered by running `script` while it is shown.
    void Beantwoord(Script script) { dialoogAntwoorden.push_back(std::move(script)); }
    // ... or by closing it with this result.
    void Beantwoord(int resultaat)
    {
        Beantwoord([resultaat](QDialog& d) { d.done(resultaat); });
    }

protected:
    int ToonBericht(const QString& tekst, int stijl, const QString& titel) override
    {
        meldingen.push_back({tekst, stijl, titel});
        if (berichtAntwoorden.empty())
            return StandaardAntwoord(stijl);
        const int a = berichtAntwoorden.front();
        berichtAntwoorden.pop_front();
        return a;
    }

    int ToonModaal(QDialog& d) override
    {
        dialogen.push_back(d.windowTitle());
        QWidget* terug = d.parentWidget() ? d.parentWidget()->window() : QApplication::activeWindow();
        d.setModal(true);
        d.setResult(0);
        Activeer(d);
        if (dialoogAntwoorden.empty()) {
            ADD_FAILURE() << "modal window without a scripted answer: " << d.windowTitle().toStdString();
            d.reject();
        } else {
            Script script = std::move(dialoogAntwoorden.front());
            dialoogAntwoorden.pop_front();
            script(d);
            Verwerk();
            if (d.isVisible()) {
                ADD_FAILURE() << "the scripted answer left the window open: " << d.windowTitle().toStdString();
                d.reject();
            }
        }
        Verwerk();
        if (terug && terug->isVisible())
            Activeer(*terug);
        return d.result();
    }
};

}  // namespace VensterTest

#pragma once
// The entry box of every window: a text box holding Windows-1252 text with
// the fixed-width rules (core/VasteBreedte.h), the events the windows'
// handlers need (GotFocus, LostFocus, Click, MouseMove and the three key
// steps) and the colours as the windows name them.
//
// The click that gives a box the focus leaves the caret and selection as its
// GotFocus set them; a click in the focused box puts the caret where it
// lands, but not among the trailing blanks.
//
// A box narrower than its text shows it from the first character when it
// gets or loses the focus: the selection Tab makes has the caret at its
// start, and a box that is left gets the caret at 0 (a box whose text fits
// keeps its caret).
//
// The window's key preview (platform/Venster.h) runs the box's key steps
// after its own handlers: for each key the window's KeyDown, then the box's
// rules and its KeyDown signal, then the same for KeyPress and, when the key
// is released, for KeyUp. A handler that zeroes the key code or character
// keeps it from the box (and from its rules).

#include "core/VasteBreedte.h"

#include <QLineEdit>

#include <cstdint>
#include <string>
#include <string_view>

class Omgeving;

class VasteBreedteInvoer : public QLineEdit {
    Q_OBJECT
public:
    // insertModus is read at every key (the data set's InsertModus).
    VasteBreedteInvoer(Omgeving& omgeving, const int& insertModus, Invoerregels regels = {},
                       QWidget* parent = nullptr);

    std::string Tekst() const;  // Windows-1252
    // A text the window fills in: the caret goes to the start, and the box
    // counts as unedited.
    void ZetTekst(std::string_view tekst);
    // After a commit: the stored text, when the box shows another (as
    // ZetTekst); true when it did.
    bool ToonVastgelegd(std::string_view opgeslagen);

    // Edited since the window last filled it or a commit took its text: by
    // a key, a paste, a cut, a drop (the window's own ZetTekst is no edit).
    bool Bewerkt() const { return bewerkt_; }
    void Onbewerkt() { bewerkt_ = false; }

    // Caret (start of the selection) and selection length, in characters.
    int SelStart() const;
    int SelLength() const;
    void ZetSelStart(int n);   // clears the selection
    void ZetSelLength(int n);  // selects from SelStart, as far as the text goes

    const Invoerregels& Regels() const { return regels_; }

    void ZetAchtergrond(std::uint32_t vbKleur);
    void ZetVoorgrond(std::uint32_t vbKleur);

    // Run by the window's key preview (and by the tests of a window).
    void ToetsNeer(int& keyCode, int& shift);
    void ToetsTeken(int& keyAscii);
    void ToetsOp(int& keyCode, int& shift);

    // Run by the window for a focus change it delivers itself.
    void MeldGotFocus() { emit GotFocus(); }
    void MeldLostFocus();

signals:
    void GotFocus();
    void LostFocus();
    void Click();
    void MouseMove();
    void KeyDown(int& keyCode, int& shift);
    void KeyPress(int& keyAscii);
    void KeyUp(int& keyCode, int& shift);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    Invoertoestand Toestand() const;
    // The whole text shows at once: the toolkit never scrolls it.
    bool HeelZichtbaar() const;
    // Shows a text wider than the box from its first character: a box that
    // got the focus with its whole text selected gets the caret at the
    // start of the selection, a box that lost it the caret at 0.
    void VanafBegin(bool gefocust);
    void ZetToestand(const Invoertoestand& t);

    Omgeving& omgeving_;
    const int& insertModus_;
    Invoerregels regels_;
    bool ingedrukt_ = false;
    // From a focus-in to the end of that turn of the event loop; from a press
    // then until its release.
    bool netGefocust_ = false;
    bool focusPers_ = false;
    bool bewerkt_ = false;
};

// The focus box (StartFocus, txtFocus): a text box that holds the focus
// while showing nothing. It has no size, so it is on screen (Qt gives no
// focus to a hidden widget) and invisible.
class Focusvak : public VasteBreedteInvoer {
    Q_OBJECT
public:
    Focusvak(Omgeving& omgeving, const int& insertModus, QWidget* parent = nullptr);
};

// Focus changes that are no focus change for the windows: a menu or popup
// opening and closing, the window losing or regaining activation.
bool TeltAlsFocuswissel(Qt::FocusReason reden);

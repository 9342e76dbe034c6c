#pragma once
// The base of every window: the main windows (Venster, with menu bar and
// toolbar; the view windows build on it through the view frame,
// frame/Weergavevenster.h) and the modal windows (Dialoog). What they share
// (VensterBasis):
//
// - Key preview: every key reaches the window's Form_KeyDown, Form_KeyPress
//   (for a key that types a character) and Form_KeyUp before the focused
//   control; then the control's own steps (VasteBreedteInvoer::ToetsNeer ...).
//   A handler swallows a key by setting KeyCode (or KeyAscii) to 0; zeroing
//   KeyCode does not stop the KeyPress of the same key, as with the original
//   toolkit. A changed KeyAscii or KeyCode is delivered to the control in
//   place of the original key. Tab and Shift+Tab only move the focus.
// - Focus: GotFocus and LostFocus of the boxes run at once, inside the focus
//   change (ZetFocus returns after both); a menu or popup opening and the
//   window losing or regaining activation are no focus change.
// - Activation: Form_Activate runs after the program shows the window (once
//   the handler that showed it has returned) and after every modal window it
//   opened through Omgeving::Modaal has closed, not when the user comes back
//   from another program. After Form_Activate the focused box's GotFocus
//   runs, unless Form_Activate moved the focus itself.
// - The entry state OudeTekst and FocusNaActiveren.
// - Printing a list through the window's printer (Printen, LijstAfdrukken).
//
// Windows receive the data set and the environment in their constructor:
//   frmX(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr)
// and open each modal window with itself as the dialog's parent.

#include "core/AdmMain.h"
#include "core/Vensterpassing.h"
#include "platform/Omgeving.h"
#include "platform/Printer.h"

#include <QDialog>
#include <QMainWindow>
#include <QPrinter>

#include <functional>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QKeyEvent;
class QMenu;
class QMoveEvent;
class QPushButton;
class VensterKern;
class Werkbalk;

class VensterBasis {
public:
    VensterBasis(QWidget& zelf, AdmMain& adm, Omgeving& omgeving);
    virtual ~VensterBasis();
    VensterBasis(const VensterBasis&) = delete;
    VensterBasis& operator=(const VensterBasis&) = delete;

    AdmMain& adm;
    Omgeving& omgeving;

    // The text of the focused box when it got the focus.
    std::string OudeTekst;
    // 1 from each activation until the window's handlers clear it.
    int FocusNaActiveren = 0;

    // The window's focused control (also while a menu is open or the window
    // is not active); nullptr when none.
    QWidget* ActieveControl() const;

    // Moves the focus; the old box's LostFocus and the new one's GotFocus have
    // run when this returns (also when the window is not the active one).
    // Focusing the focused control runs nothing.
    void ZetFocus(QWidget* control);

    // Alt held (AltIngedrukt), for the window's key handlers. At key down:
    // Alt starts the hold; true while it is held (Alt itself included), so
    // that no key has its effect; a release of Alt that went elsewhere (a
    // menu opened by Alt and a letter) ends the hold at the next key without
    // it. At key up: the release of Alt, or a key released without it, ends
    // the hold.
    bool AltVastBijNeer(int KeyCode, int Shift);
    void AltLosBijOp(int KeyCode, int Shift);

    void Piep() { omgeving.Piep(); }
    int Modaal(QDialog& dialoog) { return omgeving.Modaal(dialoog); }

    // Run by Omgeving::Modaal when a modal window opened by this one closed.
    void NaModaal();

    // A shortcut of one of the window's menu items is about to run it.
    virtual void BijSneltoets(QAction* item);

    // The text of a text box (Windows-1252), none for other controls.
    static std::optional<std::string> TekstVan(const QWidget* control);

    // The focused box's present text counts as unedited (after the window
    // itself filled it, as on New).
    void OudeTekstVernieuwen() { OudeTekst = TekstVan(ActieveControl()).value_or(OudeTekst); }

    // Prints a list on the window's printer, through the printer dialog or
    // at once; tests replace it.
    std::function<Afdrukuitkomst(const Paginabouwer& bouw, bool printerdialoog)> Printen;
    // The caption of the window's printer dialog; empty: the platform's own.
    QString Printertitel;
    // Printen, and a print that failed says why.
    void LijstAfdrukken(const Paginabouwer& bouw, bool printerdialoog);

    // The window's handlers; empty here.
    virtual void Form_KeyDown(int& KeyCode, int& Shift);
    virtual void Form_KeyPress(int& KeyAscii);
    virtual void Form_KeyUp(int& KeyCode, int& Shift);
    virtual void Form_Activate();
    // Closing the window (close box or Unload); Cancel := 1 keeps it open.
    virtual void Form_Unload(int& Cancel);

private:
    friend class VensterKern;
    friend class Venster;
    friend class Dialoog;
    void Activeren();
    // A control of the window got the focus (not for a popup).
    virtual void FocusGekregen(QWidget*) {}
    // The key press being delivered whose KeyCode the window's handlers or
    // the box's KeyDown zeroed (only compared, never read).
    const QEvent* genomenToets_ = nullptr;

    QWidget& zelf_;
    std::unique_ptr<VensterKern> kern_;
    std::unique_ptr<QPrinter> printer_;
};

// Gives a control the name and control-array index it is known by.
void ZetNaam(QWidget& control, const char* naam, int index = 0);
QString Naam(const QWidget* control);
int Index(const QWidget* control);

// Where a command comes from that commits the box being edited first.
enum class Opdrachtbron { Menu, Werkbalk };

class Venster : public QMainWindow, public VensterBasis {
    Q_OBJECT
public:
    Venster(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);
    ~Venster() override;

    // A top-level menu of the menu bar. When `vastleggen` is set, opening it
    // runs Invoervastlegging(Menu) and then Menu_Click(menu) before the menu
    // drops down; so does the shortcut of any item in it, before the item runs.
    QMenu* Hoofdmenu(const QString& titel, bool vastleggen = true);

    // The client area below the menu bar, as the layouts measure it: the
    // window's controls go here, placed in twips from its corner
    // (platform/Opmaak.h). Do not replace the central widget.
    QWidget& Vlak() { return *vlak_; }

    // The toolbar (made on first use) across the top of Vlak(). A click runs
    // Invoervastlegging(Werkbalk) and then Toolbar_ButtonClick(key).
    Werkbalk& Toolbar();

    // Closes the window as its close box does (Form_Unload may cancel).
    bool Unload() { return close(); }

    // Form_Load's place and size: the frame's top-left corner at (x, y), a
    // client area of breedte × hoogte. Where the screen's free area
    // (Omgeving::Werkgebied) is smaller than that with the window manager's
    // frame (Omgeving::Rand), the window fits it as it shows and again once
    // the window manager has framed it (core/Vensterpassing.h): the client
    // area gives up the empty strip below and beside its controls, which
    // stay whole. Elsewhere it stays at this place and size. A change of
    // frame fits it again only while it lies where the program put it: once
    // the user moved or sized it, and while it is maximised, it stays so.
    void Plaatsen(int x, int y, int breedte, int hoogte);

    void setVisible(bool zichtbaar) override;

    // Commit before a command: the window's commit of the active box (its
    // InvoerVerwerken or its kin).
    virtual void Invoervastlegging(Opdrachtbron bron);
    // The top-level menu's own Click (Bewerken_Click ...), after the commit.
    virtual void Menu_Click(QMenu* menu);
    virtual void Toolbar_ButtonClick(const QString& key);

    void BijSneltoets(QAction* item) override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    bool eventFilter(QObject* doel, QEvent* e) override;

private:
    void MenuOpent(QMenu* menu);
    void Passen();
    // The least client size that keeps every control whole.
    QSize Inhoudsmaat();

    std::optional<Vensterwens> wens_;
    Vensterrechthoek geplaatst_;  // the frame's corner and the client size set last
    QMargins rand_;               // the frame that fit reckoned with

    QWidget* vlak_;
    Werkbalk* werkbalk_ = nullptr;
    std::vector<QMenu*> vastleggendeMenus_;
};

// Makes a modal window of type W over the view window and shows it, made
// anew at every opening (so it is preset afresh).
template <class W>
void ModaalTonen(Venster& opener)
{
    W venster(opener.adm, opener.omgeving, &opener);
    opener.Modaal(venster);
}

// A modal window of the program. Enter and Esc are the window's own keys
// (Form_KeyDown): Esc does not close it by itself, and Enter presses a
// focused button, else the window's default button (Standaardknop) when it
// has one, else nothing. Only a button Enter would press is drawn as the
// default. A window narrower than its caption needs is widened to it when
// shown or retitled, its controls moved together to the middle (or, laid
// out, given that least width).
class Dialoog : public QDialog, public VensterBasis {
    Q_OBJECT
public:
    Dialoog(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);
    ~Dialoog() override;

    // Unloads the window (Form_Unload may cancel); a modal run then ends.
    bool Unload() { return close(); }

    // At every showing: the window as wide as its caption needs, and the
    // default button drawn.
    void setVisible(bool zichtbaar) override;

protected:
    // For a Form_KeyDown: Enter runs `ok` and Esc `annuleren`, whichever
    // control has the focus; the key is taken. Other keys pass on.
    static void EnterOfEsc(int& KeyCode, const std::function<void()>& ok, const std::function<void()>& annuleren);
    // The same for a window whose Enter is the focused control's: Esc alone.
    static void EscAnnuleert(int& KeyCode, const std::function<void()>& annuleren);

    // The button Enter presses where no control takes the key, drawn as
    // the default button; none by default. A focused button takes Enter
    // itself and is drawn as the default while it has the focus, unless
    // `enterVanVenster`: the window's Form_KeyDown takes Enter wherever the
    // focus is (EnterOfEsc, or Enter swallowed), and `knop` alone, or no
    // button, is drawn as the default.
    void Standaardknop(QPushButton* knop, bool enterVanVenster = false);
    // A prompt answered by buttons alone: a letter presses the button it
    // marks (Letterknop), as in a message box.
    void KnoppenOpLetter() { knoppenOpLetter_ = true; }

    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void FocusGekregen(QWidget* control) override;
    void StandaardTonen(const QWidget* focus);
    void TitelPassen();

    QPushButton* standaardknop_ = nullptr;
    bool enterVanVenster_ = false;
    bool knoppenOpLetter_ = false;
};

// The button of `knoppen` that a letter key presses: the one whose caption
// has that letter after "&" (its first letter, without "&"), whatever its
// case, typed alone, with Shift or with Alt; nullptr for any other key and
// for a hidden or disabled button.
QAbstractButton* Letterknop(const QList<QAbstractButton*>& knoppen, const QKeyEvent& e);

// The width a window needs to show its caption whole in the title bar: the
// caption in the title-bar font, bold as window managers draw it, beside
// the window's icon and three buttons as wide as the bar is high, and the
// bar's margins.
int Titelruimte(const QString& titel);

#include "platform/Venster.h"

#include "core/Cp1252.h"
#include "platform/Cp1252Qt.h"
#include "platform/Toetsen.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPointer>
#include <QPushButton>

#include <utility>

// Sees the keys, focus changes, shortcuts and showing of one window before
// its controls do (an application event filter that keeps to this window).
class VensterKern : public QObject {
public:
    explicit VensterKern(VensterBasis& basis) : basis_(basis) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* doel, QEvent* e) override;
    bool event(QEvent* e) override;

    int focuswissels = 0;  // focus changes delivered to the window's handlers

    // Delivers a focus change the window's handlers have not seen.
    void MeldWissel(QWidget* oud, QWidget* nieuw);
    void Onthoud(QWidget* w)
    {
        laatste_ = w;
        bekend_ = true;
    }

private:
    static constexpr QEvent::Type Activeren = static_cast<QEvent::Type>(QEvent::User + 641);

    bool ToetsNeer(QWidget* doel, QKeyEvent* e);
    bool ToetsOp(QWidget* doel, QKeyEvent* e);
    bool StuurDoor(QWidget* doel, QKeyEvent& e);

    VensterBasis& basis_;
    QEvent* doorgestuurd_ = nullptr;
    QPointer<QWidget> laatste_;  // the control whose GotFocus ran last
    bool bekend_ = false;
};

namespace {

bool Ingesloten(const QWidget& w, const QWidget& venster) { return w.window() == &venster; }

// The letter a button's caption marks: the one after "&" ("&&" is an
// ampersand), else its first letter or digit; upper case.
QChar Knopletter(const QString& tekst)
{
    for (qsizetype i = 0; i + 1 < tekst.size(); ++i) {
        if (tekst[i] != QLatin1Char('&'))
            continue;
        if (tekst[i + 1] != QLatin1Char('&'))
            return tekst[i + 1].toUpper();
        ++i;
    }
    for (QChar c : tekst)
        if (c.isLetterOrNumber())
            return c.toUpper();
    return {};
}

}  // namespace

bool VensterKern::event(QEvent* e)
{
    if (e->type() != Activeren)
        return QObject::event(e);
    basis_.Activeren();
    return true;
}

bool VensterKern::eventFilter(QObject* doel, QEvent* e)
{
    const QEvent::Type t = e->type();
    if (t == QEvent::Shortcut) {
        if (auto* item = qobject_cast<QAction*>(doel))
            basis_.BijSneltoets(item);
        return false;
    }
    if (t != QEvent::KeyPress && t != QEvent::KeyRelease && t != QEvent::FocusIn && t != QEvent::Show)
        return false;
    if (!doel->isWidgetType() || e == doorgestuurd_)
        return false;
    auto* w = static_cast<QWidget*>(doel);
    QWidget& venster = basis_.zelf_;
    if (!Ingesloten(*w, venster))
        return false;
    switch (t) {
    case QEvent::Show:
        // Shown by the program (not restored by the user): active once the
        // handler that showed it has returned.
        if (w == &venster && !e->spontaneous())
            QCoreApplication::postEvent(this, new QEvent(Activeren));
        return false;
    case QEvent::FocusIn:
        if (static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason)
            basis_.FocusGekregen(w);
        if (TeltAlsFocuswissel(static_cast<QFocusEvent*>(e)->reason())) {
            ++focuswissels;
            Onthoud(w);
        } else if (bekend_ && laatste_ != w) {
            // The focus moved while the window was not active (or behind a
            // popup) and comes back elsewhere: the handlers still see it.
            MeldWissel(laatste_, w);
        }
        return false;
    default:
        break;
    }
    // A key goes to the focused control first and then, when ignored, to its
    // parents: the window sees it once, at the control.
    QWidget* focus = venster.focusWidget();
    if (w != (focus ? focus : &venster))
        return false;
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
        return false;
    return t == QEvent::KeyPress ? ToetsNeer(w, k) : ToetsOp(w, k);
}

void VensterKern::MeldWissel(QWidget* oud, QWidget* nieuw)
{
    ++focuswissels;
    Onthoud(nieuw);
    basis_.FocusGekregen(nieuw);
    QPointer<QWidget> bewaar(nieuw);
    if (auto* vak = qobject_cast<VasteBreedteInvoer*>(oud))
        vak->MeldLostFocus();
    if (auto* vak = qobject_cast<VasteBreedteInvoer*>(bewaar.data()); vak && basis_.zelf_.focusWidget() == vak)
        vak->MeldGotFocus();
}

bool VensterKern::ToetsNeer(QWidget* doel, QKeyEvent* e)
{
    QPointer<QWidget> ontvanger(doel);
    const int code0 = VbToetscode(*e);
    int keyCode = code0;
    int shift = VbShift(e->modifiers());
    const int teken0 = VbTeken(*e);

    basis_.genomenToets_ = nullptr;
    basis_.Form_KeyDown(keyCode, shift);
    auto* vak = qobject_cast<VasteBreedteInvoer*>(ontvanger.data());
    if (keyCode != 0 && vak)
        vak->ToetsNeer(keyCode, shift);
    const bool genomen = keyCode == 0;

    if (teken0 == 0) {
        // A key without a character: the control has it unless it was zeroed.
        if (keyCode == 0 || !ontvanger)
            return true;
        if (keyCode == code0)
            return false;
        const Qt::Key ander = QtToets(keyCode);
        if (ander == Qt::Key_unknown)
            return true;
        QKeyEvent nieuw(QEvent::KeyPress, ander, e->modifiers());
        return StuurDoor(ontvanger, nieuw);
    }
    if (teken0 < 0) {
        // Nothing in the data set can hold it.
        if (qobject_cast<VasteBreedteInvoer*>(ontvanger.data())) {
            basis_.Piep();
            return true;
        }
        return keyCode == 0 || !ontvanger;
    }

    int keyAscii = teken0;
    basis_.Form_KeyPress(keyAscii);
    vak = qobject_cast<VasteBreedteInvoer*>(ontvanger.data());
    if (keyAscii != 0 && vak)
        vak->ToetsTeken(keyAscii);
    if (keyAscii == 0 || !ontvanger)
        return true;
    if (keyAscii == teken0) {
        if (genomen)
            basis_.genomenToets_ = e;
        return false;
    }
    // Another character than the key typed.
    const QString tekst(QChar(static_cast<char16_t>(Cp1252NaarUnicode(static_cast<unsigned char>(keyAscii)))));
    const Qt::Key toets = keyAscii == Toetscode::Backspace ? Qt::Key_Backspace
                          : keyAscii == Toetscode::Enter   ? Qt::Key_Return
                          : keyAscii == Toetscode::Esc     ? Qt::Key_Escape
                                                       : Qt::Key_unknown;
    QKeyEvent nieuw(QEvent::KeyPress, toets, e->modifiers() & ~(Qt::ControlModifier | Qt::AltModifier), tekst);
    if (genomen)
        basis_.genomenToets_ = &nieuw;
    StuurDoor(ontvanger, nieuw);
    basis_.genomenToets_ = nullptr;
    return true;
}

bool VensterKern::ToetsOp(QWidget* doel, QKeyEvent* e)
{
    // A held key repeats its press, not its release.
    if (e->isAutoRepeat())
        return false;
    QPointer<QWidget> ontvanger(doel);
    int keyCode = VbToetscode(*e);
    int shift = VbShift(e->modifiers());
    basis_.Form_KeyUp(keyCode, shift);
    if (keyCode == 0)
        return true;
    if (auto* vak = qobject_cast<VasteBreedteInvoer*>(ontvanger.data()))
        vak->ToetsOp(keyCode, shift);
    return !ontvanger;
}

bool VensterKern::StuurDoor(QWidget* doel, QKeyEvent& e)
{
    QEvent* vorig = doorgestuurd_;
    doorgestuurd_ = &e;
    QCoreApplication::sendEvent(doel, &e);
    doorgestuurd_ = vorig;
    return true;
}

VensterBasis::VensterBasis(QWidget& zelf, AdmMain& a, Omgeving& o)
    : adm(a), omgeving(o), zelf_(zelf), kern_(std::make_unique<VensterKern>(*this))
{
    Printen = [this](const Paginabouwer& bouw, bool printerdialoog) {
        if (!printer_)
            printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        return ::Afdrukken(*printer_, bouw,
                           printerdialoog ? PrinterDialoog(omgeving, &zelf_, Printertitel) : Printerkeuze{});
    };
}

void VensterBasis::LijstAfdrukken(const Paginabouwer& bouw, bool printerdialoog)
{
    const Afdrukuitkomst uitkomst = Printen(bouw, printerdialoog);
    if (uitkomst.status == Afdrukstatus::Mislukt)
        Foutmelding(omgeving, QString::fromStdString(uitkomst.fout));
}

VensterBasis::~VensterBasis() = default;

void VensterBasis::Form_KeyDown(int&, int&) {}
void VensterBasis::Form_KeyPress(int&) {}
void VensterBasis::Form_KeyUp(int&, int&) {}
void VensterBasis::Form_Activate() {}
void VensterBasis::Form_Unload(int&) {}
void VensterBasis::BijSneltoets(QAction*) {}

QWidget* VensterBasis::ActieveControl() const { return zelf_.focusWidget(); }

void VensterBasis::ZetFocus(QWidget* control)
{
    if (!control || !Ingesloten(*control, zelf_))
        return;
    QWidget* oud = zelf_.focusWidget();
    if (oud == control)
        return;
    if (zelf_.isActiveWindow()) {
        control->setFocus(Qt::OtherFocusReason);  // Qt delivers both events at once
        return;
    }
    // An inactive window only records the focus; deliver the change here.
    control->setFocus(Qt::OtherFocusReason);
    if (zelf_.focusWidget() == control)
        kern_->MeldWissel(oud, control);
}

std::optional<std::string> VensterBasis::TekstVan(const QWidget* control)
{
    if (auto* vak = qobject_cast<const VasteBreedteInvoer*>(control))
        return vak->Tekst();
    if (auto* regel = qobject_cast<const QLineEdit*>(control))
        return QStringNaarCp1252(regel->text());
    return std::nullopt;
}

bool VensterBasis::AltVastBijNeer(int KeyCode, int Shift)
{
    if (KeyCode == Toetscode::Alt)
        adm.AltIngedrukt = 1;
    else if (adm.AltIngedrukt == 1 && !(Shift & AltMask))
        adm.AltIngedrukt = 0;
    return adm.AltIngedrukt == 1;
}

void VensterBasis::AltLosBijOp(int KeyCode, int Shift)
{
    if (KeyCode == Toetscode::Alt || (adm.AltIngedrukt == 1 && !(Shift & AltMask)))
        adm.AltIngedrukt = 0;
}

void VensterBasis::NaModaal()
{
    if (zelf_.isVisible())
        Activeren();
}

void VensterBasis::Activeren()
{
    if (!zelf_.isVisible())
        return;
    if (!zelf_.focusWidget()) {
        // The first control of the tab order holds the focus from the start.
        for (QWidget* w = zelf_.nextInFocusChain(); w && w != &zelf_; w = w->nextInFocusChain()) {
            if (Ingesloten(*w, zelf_) && w->isVisibleTo(&zelf_) && w->isEnabled() &&
                (w->focusPolicy() & Qt::TabFocus)) {
                w->setFocus(Qt::ActiveWindowFocusReason);
                break;
            }
        }
    }
    const int voor = kern_->focuswissels;
    Form_Activate();
    if (kern_->focuswissels != voor)
        return;
    QWidget* focus = zelf_.focusWidget();
    ++kern_->focuswissels;
    kern_->Onthoud(focus);
    if (auto* vak = qobject_cast<VasteBreedteInvoer*>(focus))
        vak->MeldGotFocus();
}

void ZetNaam(QWidget& control, const char* naam, int index)
{
    control.setObjectName(QString::fromUtf8(naam));
    control.setProperty("vensterIndex", index);
}

QString Naam(const QWidget* control) { return control ? control->objectName() : QString(); }

int Index(const QWidget* control) { return control ? control->property("vensterIndex").toInt() : 0; }

Venster::Venster(AdmMain& a, Omgeving& o, QWidget* parent)
    : QMainWindow(parent), VensterBasis(*this, a, o), vlak_(new QWidget(this))
{
    setCentralWidget(vlak_);
    vlak_->installEventFilter(this);
}

bool Venster::eventFilter(QObject* doel, QEvent* e)
{
    if (doel == vlak_ && e->type() == QEvent::Resize && werkbalk_)
        werkbalk_->setGeometry(0, 0, vlak_->width(), werkbalk_->sizeHint().height());
    return QMainWindow::eventFilter(doel, e);
}

Venster::~Venster()
{
    // Qt may take the focus from a box while the window's children are
    // taken down, after the window's own part is gone: no handler may run then.
    for (QWidget* w : findChildren<QWidget*>())
        w->blockSignals(true);
}

QMenu* Venster::Hoofdmenu(const QString& titel, bool vastleggen)
{
    QMenu* m = menuBar()->addMenu(titel);
    if (vastleggen) {
        vastleggendeMenus_.push_back(m);
        connect(m, &QMenu::aboutToShow, this, [this, m] { MenuOpent(m); });
    }
    return m;
}

void Venster::MenuOpent(QMenu* menu)
{
    Invoervastlegging(Opdrachtbron::Menu);
    Menu_Click(menu);
}

namespace {

bool Bevat(const QMenu& menu, const QAction* item)
{
    for (const QAction* a : menu.actions()) {
        if (a == item)
            return true;
        if (a->menu() && Bevat(*a->menu(), item))
            return true;
    }
    return false;
}

}  // namespace

void Venster::BijSneltoets(QAction* item)
{
    // A shortcut opens no menu, yet its command must find the box committed.
    for (QMenu* m : vastleggendeMenus_) {
        if (Bevat(*m, item)) {
            MenuOpent(m);
            return;
        }
    }
}

void Venster::Menu_Click(QMenu*) {}

Werkbalk& Venster::Toolbar()
{
    if (!werkbalk_) {
        werkbalk_ = new Werkbalk(vlak_);
        werkbalk_->setGeometry(0, 0, vlak_->width(), werkbalk_->sizeHint().height());
        connect(werkbalk_, &Werkbalk::ButtonClick, this, [this](const QString& key) {
            Invoervastlegging(Opdrachtbron::Werkbalk);
            Toolbar_ButtonClick(key);
        });
    }
    return *werkbalk_;
}

void Venster::Plaatsen(int x, int y, int breedte, int hoogte)
{
    wens_ = Vensterwens{x, y, breedte, hoogte};
    geplaatst_ = {x, y, breedte, hoogte};
    move(x, y);
    resize(breedte, hoogte);
}

void Venster::setVisible(bool zichtbaar)
{
    if (zichtbaar && !isVisible() && wens_) {
        // The menu bar's height is known once the layout has run.
        ensurePolished();
        if (layout())
            layout()->activate();
        Passen();
    }
    QMainWindow::setVisible(zichtbaar);
}

void Venster::moveEvent(QMoveEvent* e)
{
    QMainWindow::moveEvent(e);
    // The window manager moves a window into its frame when it frames it:
    // only now may the frame be known.
    if (isVisible() && wens_ && omgeving.Rand(*this) != rand_)
        Passen();
}

void Venster::Passen()
{
    const QRect vrij = omgeving.Werkgebied(*this);
    const QMargins vorig = std::exchange(rand_, omgeving.Rand(*this));
    // Only a window the program placed is fitted again: one the user moved
    // or sized, or the window manager maximised, stays so. Until it is
    // framed the window is the program's, wherever its framing put it.
    const bool eigen = windowState() == Qt::WindowNoState &&
                       Vensterrechthoek{x(), y(), width(), height()} == geplaatst_;
    if (vrij.isEmpty() || (!vorig.isNull() && !eigen))
        return;
    Vensterwens wens = *wens_;
    const QSize minst = Inhoudsmaat();
    wens.minsteBreedte = minst.width();
    wens.minsteHoogte = minst.height();
    const Vensterrechthoek p = PassendVenster(wens, {rand_.left(), rand_.top(), rand_.right(), rand_.bottom()},
                                              {vrij.x(), vrij.y(), vrij.width(), vrij.height()});
    if (p == geplaatst_)
        return;
    geplaatst_ = p;
    move(p.x, p.y);
    resize(p.breedte, p.hoogte);
}

QSize Venster::Inhoudsmaat()
{
    // The controls lie in the client area below the menu bar; the toolbar
    // stretches across it and needs the width of its buttons.
    QSize maat;
    for (QWidget* w : vlak_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isWindow())
            continue;
        const QRect r = w->geometry().translated(vlak_->pos());
        const int rechts = w == werkbalk_ ? vlak_->x() + werkbalk_->sizeHint().width() : r.x() + r.width();
        maat = maat.expandedTo(QSize(rechts, r.y() + r.height()));
    }
    return maat;
}

void Venster::Invoervastlegging(Opdrachtbron) {}

void Venster::Toolbar_ButtonClick(const QString&) {}

void Venster::closeEvent(QCloseEvent* e)
{
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel) {
        e->ignore();
        return;
    }
    e->accept();
}

Dialoog::Dialoog(AdmMain& a, Omgeving& o, QWidget* parent) : QDialog(parent), VensterBasis(*this, a, o) {}

Dialoog::~Dialoog() = default;

void Dialoog::closeEvent(QCloseEvent* e)
{
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel) {
        e->ignore();
        return;
    }
    if (isVisible())
        done(result());
    e->accept();
}

void Dialoog::setVisible(bool zichtbaar)
{
    if (zichtbaar) {
        TitelPassen();
        StandaardTonen(focusWidget());
    }
    QDialog::setVisible(zichtbaar);
}

void Dialoog::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::WindowTitleChange && isVisible())
        TitelPassen();
    QDialog::changeEvent(e);
}

void Dialoog::TitelPassen()
{
    const int nodig = Titelruimte(windowTitle());
    if (layout()) {
        if (minimumWidth() < nodig)
            setMinimumWidth(nodig);
        return;
    }
    const int oud = width();
    if (oud >= nodig)
        return;
    const int dx = (nodig - oud) / 2;
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!w->isWindow())
            w->move(w->x() + dx, w->y());
    if (minimumWidth() == maximumWidth()) {
        setFixedWidth(nodig);
    } else {
        setMinimumWidth(nodig);
        resize(nodig, height());
    }
}

void Dialoog::Standaardknop(QPushButton* knop, bool enterVanVenster)
{
    standaardknop_ = knop;
    enterVanVenster_ = enterVanVenster;
    if (isVisible())
        StandaardTonen(focusWidget());
}

void Dialoog::FocusGekregen(QWidget* control) { StandaardTonen(control); }

void Dialoog::StandaardTonen(const QWidget* focus)
{
    QPushButton* getoond = standaardknop_;
    if (auto* knop = qobject_cast<QPushButton*>(const_cast<QWidget*>(focus));
        knop && knop->window() == this && !enterVanVenster_)
        getoond = knop;
    for (QPushButton* k : findChildren<QPushButton*>()) {
        if (k->window() != this)
            continue;
        // Qt would make the first button after the focus the default, and
        // every focused one, whatever Enter does here.
        k->setAutoDefault(false);
        if (k != getoond)
            k->setDefault(false);
    }
    if (getoond)
        getoond->setDefault(true);
}

void Dialoog::keyPressEvent(QKeyEvent* e)
{
    // Only a key that no control took comes here; one the window's
    // Form_KeyDown took still brings its character, which presses nothing.
    if (e == genomenToets_) {
        e->ignore();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (standaardknop_ && standaardknop_->isVisible() && standaardknop_->isEnabled()) {
            standaardknop_->click();
            return;
        }
    } else if (knoppenOpLetter_) {
        if (QAbstractButton* knop = Letterknop(findChildren<QAbstractButton*>(), *e)) {
            knop->click();
            return;
        }
    }
    e->ignore();
}

void Dialoog::EnterOfEsc(int& KeyCode, const std::function<void()>& ok, const std::function<void()>& annuleren)
{
    if (KeyCode == Toetscode::Enter) {
        KeyCode = 0;
        ok();
    } else {
        EscAnnuleert(KeyCode, annuleren);
    }
}

void Dialoog::EscAnnuleert(int& KeyCode, const std::function<void()>& annuleren)
{
    if (KeyCode == Toetscode::Esc) {
        KeyCode = 0;
        annuleren();
    }
}

QAbstractButton* Letterknop(const QList<QAbstractButton*>& knoppen, const QKeyEvent& e)
{
    if (e.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return nullptr;
    const int toets = e.key();
    if (toets <= 0 || toets > 0xFFFF)
        return nullptr;
    const QChar letter = QChar(toets).toUpper();
    if (!letter.isLetterOrNumber())
        return nullptr;
    for (QAbstractButton* knop : knoppen) {
        if (!knop->isVisible() || !knop->isEnabled())
            continue;
        if (Knopletter(knop->text()) == letter)
            return knop;
    }
    return nullptr;
}

int Titelruimte(const QString& titel)
{
    QFont letter = QApplication::font("QMdiSubWindowTitleBar");
    letter.setBold(true);
    const QFontMetrics maat(letter);
    const int balk = maat.height() + 12;  // the bar: the caption and its margins above and below
    return maat.horizontalAdvance(titel) + 4 * balk + 2 * 8;
}

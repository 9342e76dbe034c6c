#include "platform/VasteBreedteInvoer.h"

#include "platform/Cp1252Qt.h"
#include "platform/Kleuren.h"
#include "platform/Omgeving.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QValidator>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>

namespace {

// Keeps out what has no Windows-1252 byte, whichever way it arrives (typed
// keys are refused before this, with a beep; a paste or a drop lands here),
// and makes a control character a blank, as the file readers do, so that no
// text of the data set holds one.
class Cp1252Bewaker : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& s, int&) const override
    {
        for (QChar& c : s) {
            if (!InCp1252(c))
                return Invalid;
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                c = QLatin1Char(' ');
        }
        return Acceptable;
    }
};

// The panel of a box (its background and frame) drawn once for each look and
// then copied: the toolkit's own style draws it afresh at every paint,
// antialiased, and that was most of what repainting a box cost. The style
// draws it the same for the same size, state and colours, so the copy is
// that drawing. Only for the style it is known of (no animations, no other
// inputs); under any other the panel is drawn as it always is.
class Vakpaneel : public QProxyStyle {
public:
    explicit Vakpaneel(QStyle* basis) : QProxyStyle(basis) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* optie, QPainter* p,
                       const QWidget* widget) const override
    {
        const auto* kader = qstyleoption_cast<const QStyleOptionFrame*>(optie);
        if (element != PE_PanelLineEdit || !kader || !p->transform().isIdentity()) {
            QProxyStyle::drawPrimitive(element, optie, p, widget);
            return;
        }
        const qreal dpr = p->device() ? p->device()->devicePixelRatio() : 1;
        Sleutel s{};
        s.breedte = kader->rect.width();
        s.hoogte = kader->rect.height();
        s.toestand = static_cast<std::uint32_t>(kader->state);
        s.lijn = kader->lineWidth;
        s.middenlijn = kader->midLineWidth;
        s.kenmerken = static_cast<int>(kader->features);
        s.richting = static_cast<int>(kader->direction);
        s.dpr = static_cast<int>(dpr * 100);
        const QPalette::ColorGroup groep = kader->palette.currentColorGroup();
        int i = 0;
        for (const QPalette::ColorRole rol : {QPalette::Base, QPalette::Window, QPalette::Highlight, QPalette::Button,
                                              QPalette::Light, QPalette::Midlight, QPalette::Dark, QPalette::Mid,
                                              QPalette::Shadow, QPalette::Text})
            s.kleuren[static_cast<std::size_t>(i++)] = kader->palette.color(groep, rol).rgba();
        auto gevonden = paneel_.find(s);
        if (gevonden == paneel_.end()) {
            if (paneel_.size() > 256)
                paneel_.clear();
            QPixmap beeld(kader->rect.size() * dpr);
            beeld.setDevicePixelRatio(dpr);
            beeld.fill(Qt::transparent);
            QStyleOptionFrame eigen(*kader);
            eigen.rect = QRect(QPoint(0, 0), kader->rect.size());
            QPainter q(&beeld);
            QProxyStyle::drawPrimitive(element, &eigen, &q, widget);
            q.end();
            gevonden = paneel_.emplace(s, std::move(beeld)).first;
        }
        p->drawPixmap(kader->rect.topLeft(), gevonden->second);
    }

private:
    struct Sleutel {
        int breedte, hoogte;
        std::uint32_t toestand;
        int lijn, middenlijn, kenmerken, richting, dpr;
        std::array<QRgb, 10> kleuren;
        auto operator<=>(const Sleutel&) const = default;
    };
    mutable std::map<Sleutel, QPixmap> paneel_;
};

// One for all boxes, made with the first box: the application's style as it
// was then is its base.
QStyle* Vakstijl()
{
    static QStyle* stijl = [] () -> QStyle* {
        QStyle* app = QApplication::style();
        if (!app || app->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
            return nullptr;
        QStyle* basis = QStyleFactory::create(app->name());
        if (!basis)
            return nullptr;
        auto* s = new Vakpaneel(basis);
        s->setParent(qApp);  // goes with the application
        return s;
    }();
    return stijl;
}

}  // namespace

bool TeltAlsFocuswissel(Qt::FocusReason reden)
{
    return reden != Qt::PopupFocusReason && reden != Qt::ActiveWindowFocusReason &&
           reden != Qt::MenuBarFocusReason;
}

VasteBreedteInvoer::VasteBreedteInvoer(Omgeving& omgeving, const int& insertModus, Invoerregels regels,
                                       QWidget* parent)
    : QLineEdit(parent), omgeving_(omgeving), insertModus_(insertModus), regels_(regels)
{
    // Composed characters then arrive as key presses and meet the rules.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setValidator(new Cp1252Bewaker(this));
    setMouseTracking(true);
    connect(this, &QLineEdit::textEdited, this, [this] { bewerkt_ = true; });
    if (QStyle* stijl = Vakstijl())
        setStyle(stijl);
}

std::string VasteBreedteInvoer::Tekst() const { return QStringNaarCp1252(text()); }

void VasteBreedteInvoer::ZetTekst(std::string_view tekst)
{
    bewerkt_ = false;
    const QString t = Cp1252NaarQString(tekst);
    if (t != text())
        setText(t);
    // A text set by the program puts the caret at the start, as the
    // original boxes did (Qt would leave it at the end). A box that shows
    // it so already is left alone: a redraw of the window touches every box.
    else if (cursorPosition() == 0 && !hasSelectedText())
        return;
    ZetSelStart(0);
}

bool VasteBreedteInvoer::ToonVastgelegd(std::string_view opgeslagen)
{
    bewerkt_ = false;
    if (Tekst() == opgeslagen)
        return false;
    ZetTekst(opgeslagen);
    return true;
}

int VasteBreedteInvoer::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

int VasteBreedteInvoer::SelLength() const { return hasSelectedText() ? static_cast<int>(selectedText().size()) : 0; }

void VasteBreedteInvoer::ZetSelStart(int n)
{
    deselect();
    setCursorPosition(std::clamp(n, 0, static_cast<int>(text().size())));
}

void VasteBreedteInvoer::ZetSelLength(int n)
{
    const int start = SelStart();
    const int lengte = std::clamp(n, 0, static_cast<int>(text().size()) - start);
    if (lengte == 0)
        ZetSelStart(start);
    else
        setSelection(start, lengte);
}

void VasteBreedteInvoer::ZetAchtergrond(std::uint32_t vbKleur) { ::ZetAchtergrond(*this, vbKleur); }

void VasteBreedteInvoer::ZetVoorgrond(std::uint32_t vbKleur) { ::ZetVoorgrond(*this, vbKleur); }

Invoertoestand VasteBreedteInvoer::Toestand() const { return {Tekst(), SelStart(), SelLength()}; }

void VasteBreedteInvoer::ZetToestand(const Invoertoestand& t)
{
    const Invoertoestand nu = Toestand();
    // The box's rules acting on a key: an edit like the key's own.
    if (t.tekst != nu.tekst) {
        setText(Cp1252NaarQString(t.tekst));
        bewerkt_ = true;
    }
    if (t.tekst != nu.tekst || t.selStart != nu.selStart || t.selLengte != nu.selLengte) {
        ZetSelStart(t.selStart);
        ZetSelLength(t.selLengte);
    }
}

void VasteBreedteInvoer::ToetsNeer(int& keyCode, int& shift)
{
    Invoertoestand t = Toestand();
    InvoerToetsNeer(regels_, t, keyCode, insertModus_);
    ZetToestand(t);
    emit KeyDown(keyCode, shift);
}

void VasteBreedteInvoer::ToetsTeken(int& keyAscii)
{
    Invoertoestand t = Toestand();
    const bool geweigerd = InvoerTeken(regels_, t, keyAscii, insertModus_);
    ZetToestand(t);
    if (geweigerd) {
        omgeving_.Piep();
        return;
    }
    emit KeyPress(keyAscii);
}

void VasteBreedteInvoer::ToetsOp(int& keyCode, int& shift)
{
    Invoertoestand t = Toestand();
    InvoerToetsOp(regels_, t);
    ZetToestand(t);
    emit KeyUp(keyCode, shift);
}

bool VasteBreedteInvoer::HeelZichtbaar() const
{
    QStyleOptionFrame optie;
    initStyleOption(&optie);
    const QRect vlak =
        style()->subElementRect(QStyle::SE_LineEditContents, &optie, this).marginsRemoved(textMargins());
    // The toolkit keeps two pixels free at each side and one for the caret;
    // the rest is room for the bearings of the outer characters.
    return fontMetrics().horizontalAdvance(text()) + 8 <= vlak.width();
}

void VasteBreedteInvoer::VanafBegin(bool gefocust)
{
    if (HeelZichtbaar())
        return;
    // The toolkit scrolls a text only as far as it must to show the caret,
    // and keeps it scrolled: the caret at the start shows it from there.
    if (gefocust) {
        // Tab selects the whole text with the caret at its end.
        const int lengte = static_cast<int>(selectedText().size());
        if (hasSelectedText() && selectionStart() == 0 && cursorPosition() == lengte)
            setSelection(lengte, -lengte);  // the same characters, the caret at their start
    } else if (hasSelectedText() || cursorPosition() != 0) {
        ZetSelStart(0);
    }
}

void VasteBreedteInvoer::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (TeltAlsFocuswissel(e->reason())) {
        emit GotFocus();
        // A name in a box narrower than its blanks would look erased.
        if (hasFocus())
            VanafBegin(true);
    }
    // A press that gives the focus arrives after this, in the same turn of
    // the event loop (the window's activation may come first), and leaves
    // the caret and selection as GotFocus set them.
    netGefocust_ = true;
    QTimer::singleShot(0, this, [this] { netGefocust_ = false; });
}

void VasteBreedteInvoer::focusOutEvent(QFocusEvent* e)
{
    netGefocust_ = false;
    QLineEdit::focusOutEvent(e);
    if (TeltAlsFocuswissel(e->reason())) {
        emit LostFocus();
        // Left, the box shows its text from the first character again.
        if (!hasFocus())
            VanafBegin(false);
    }
}

void VasteBreedteInvoer::MeldLostFocus()
{
    emit LostFocus();
    // The focus moved while the window was not active: the box was not told.
    if (window()->focusWidget() != this)
        VanafBegin(false);
}

void VasteBreedteInvoer::mousePressEvent(QMouseEvent* e)
{
    // The press that gave the focus, until its release, neither places the
    // caret nor selects by dragging.
    focusPers_ = netGefocust_;
    netGefocust_ = false;
    if (focusPers_) {
        e->accept();
    } else {
        QLineEdit::mousePressEvent(e);
        // The trailing blanks of a fixed-width text look empty: a click
        // there puts the caret after the text, so that nothing typed gets
        // blanks before it.
        const QString t = text();
        qsizetype eind = t.size();
        while (eind > 0 && t[eind - 1] == QLatin1Char(' '))
            --eind;
        if (!hasSelectedText() && cursorPosition() > eind)
            setCursorPosition(static_cast<int>(eind));
    }
    ingedrukt_ = e->button() == Qt::LeftButton;
}

void VasteBreedteInvoer::mouseReleaseEvent(QMouseEvent* e)
{
    if (focusPers_)
        e->accept();
    else
        QLineEdit::mouseReleaseEvent(e);
    focusPers_ = false;
    const bool klik = ingedrukt_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    ingedrukt_ = false;
    if (klik)
        emit Click();
}

void VasteBreedteInvoer::mouseMoveEvent(QMouseEvent* e)
{
    if (!focusPers_)
        QLineEdit::mouseMoveEvent(e);
    emit MouseMove();
}

Focusvak::Focusvak(Omgeving& omgeving, const int& insertModus, QWidget* parent)
    : VasteBreedteInvoer(omgeving, insertModus,
                         {0, Typegrens::Geen, Loslaten::Niets, Overschrijven::BijToetsNeer}, parent)
{
    setFrame(false);
    setFixedSize(0, 0);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
}

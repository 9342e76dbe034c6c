#include "platform/Kleuren.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace {

QColor Systeemkleur(unsigned nummer)
{
    const QPalette p = QApplication::palette();
    switch (nummer) {
    case 1:  // desktop
    case 12: // application workspace
        return p.color(QPalette::Dark);
    case 2:  // active title bar
    case 13: // highlight
        return p.color(QPalette::Highlight);
    case 3:  // inactive title bar
        return p.color(QPalette::Inactive, QPalette::Highlight);
    case 5:  // window background
        return p.color(QPalette::Base);
    case 7:  // menu text
    case 8:  // window text
        return p.color(QPalette::WindowText);
    case 9:  // title bar text
    case 14: // highlighted text
        return p.color(QPalette::HighlightedText);
    case 16: // button shadow
        return p.color(QPalette::Mid);
    case 17: // grey text
        return p.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return p.color(QPalette::ButtonText);
    case 20: // button highlight
        return p.color(QPalette::Light);
    case 21: // 3D dark shadow
        return p.color(QPalette::Shadow);
    case 22: // 3D light
        return p.color(QPalette::Midlight);
    case 23: // tooltip text
        return p.color(QPalette::ToolTipText);
    case 24: // tooltip background
        return p.color(QPalette::ToolTipBase);
    default: // 0 scroll bars, 4 menu, 6 window frame, 15 button face and the rest
        return p.color(QPalette::Button);
    }
}

bool IsTekstvak(const QWidget& w) { return qobject_cast<const QLineEdit*>(&w) != nullptr; }

void Zet(QWidget& w, QPalette::ColorRole rol, std::uint32_t kleur)
{
    const QColor c = VbKleur(kleur);
    QPalette p = w.palette();
    if (p.color(QPalette::Active, rol) == c && p.color(QPalette::Inactive, rol) == c)
        return;
    p.setColor(QPalette::Active, rol, c);
    p.setColor(QPalette::Inactive, rol, c);
    w.setPalette(p);
}

}  // namespace

QColor VbKleur(std::uint32_t kleur)
{
    if (kleur & 0x80000000u)
        return Systeemkleur(kleur & 0xFFu);
    return QColor(static_cast<int>(kleur & 0xFF), static_cast<int>((kleur >> 8) & 0xFF),
                  static_cast<int>((kleur >> 16) & 0xFF));
}

void ZetAchtergrond(QWidget& w, std::uint32_t kleur)
{
    if (IsTekstvak(w)) {
        Zet(w, QPalette::Base, kleur);
    } else {
        w.setAutoFillBackground(true);
        Zet(w, QPalette::Window, kleur);
    }
}

void ZetVoorgrond(QWidget& w, std::uint32_t kleur)
{
    Zet(w, IsTekstvak(w) ? QPalette::Text : QPalette::WindowText, kleur);
}

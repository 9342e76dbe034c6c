#include "platform/Tekenvlak.h"

#include "platform/Cp1252Qt.h"
#include "platform/Kleuren.h"

#include <QPainter>

Tekenvlak::Tekenvlak(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void Tekenvlak::Scale(double x1, double y1, double x2, double y2)
{
    if (x1 == x2 || y1 == y2)
        return;  // a scale without extent maps nothing
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    update();
}

void Tekenvlak::ZetAchtergrond(std::uint32_t kleur) { ::ZetAchtergrond(*this, kleur); }

Tekenvlak::Lijnelement& Tekenvlak::Lijn(double x1, double y1, double x2, double y2, std::uint32_t kleur)
{
    return lijnen_.emplace_back(Lijnelement{.X1 = x1, .Y1 = y1, .X2 = x2, .Y2 = y2, .Kleur = kleur});
}

Tekenvlak::Vormelement& Tekenvlak::Vorm(double left, double top, double width, double height, std::uint32_t kleur)
{
    return vormen_.emplace_back(
        Vormelement{.Left = left, .Top = top, .Width = width, .Height = height, .Rand = kleur, .Vulling = kleur});
}

Tekenvlak::Labelelement& Tekenvlak::Label(double left, double top, double width, double height, std::string caption)
{
    return labels_.emplace_back(Labelelement{
        .Left = left, .Top = top, .Width = width, .Height = height, .Caption = std::move(caption), .Letter = font()});
}

QPointF Tekenvlak::Punt(double x, double y) const
{
    const QRectF r = contentsRect();
    return {r.left() + (x - x1_) / (x2_ - x1_) * r.width(), r.top() + (y - y1_) / (y2_ - y1_) * r.height()};
}

QRectF Tekenvlak::Vlak(double left, double top, double width, double height) const
{
    // Right and down the screen, whichever way the scale runs.
    const double rechts = left + (x2_ > x1_ ? width : -width);
    const double onder = top + (y2_ > y1_ ? height : -height);
    return QRectF(Punt(left, top), Punt(rechts, onder)).normalized();
}

void Tekenvlak::paintEvent(QPaintEvent* e)
{
    QFrame::paintEvent(e);
    QPainter p(this);
    p.setClipRect(contentsRect());

    for (const Lijnelement& l : lijnen_) {
        // Smoothed only when slanting: level and upright lines stay sharp.
        p.setRenderHint(QPainter::Antialiasing, l.X1 != l.X2 && l.Y1 != l.Y2);
        QPen pen(VbKleur(l.Kleur));
        pen.setWidth(l.Dikte);
        pen.setStyle(l.Stijl);
        p.setPen(pen);
        p.drawLine(Punt(l.X1, l.Y1), Punt(l.X2, l.Y2));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const Vormelement& v : vormen_) {
        p.setPen(VbKleur(v.Rand));
        if (v.Gevuld)
            p.setBrush(VbKleur(v.Vulling));
        else
            p.setBrush(Qt::NoBrush);
        const QRectF r = Vlak(v.Left, v.Top, v.Width, v.Height);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    for (const Labelelement& l : labels_) {
        p.setFont(l.Letter);
        p.setPen(VbKleur(l.Kleur));
        p.drawText(Vlak(l.Left, l.Top, l.Width, l.Height), static_cast<int>(l.Uitlijning),
                   Cp1252NaarQString(l.Caption));
    }
}

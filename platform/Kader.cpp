#include "platform/Kader.h"

#include <QFontMetrics>
#include <QPainter>

Kader::Kader(const QString& titel, QWidget* parent) : QWidget(parent), titel_(titel) {}

void Kader::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QFontMetrics fm(font());
    const int boven = fm.height() / 2;
    const QRect rand = rect().adjusted(0, boven, -1, -1);
    // Etched: a dark line with a light one just inside it.
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rand.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(rand.adjusted(1, 1, 0, 0));
    if (titel_.isEmpty())
        return;
    const QRect tekst(8, 0, fm.horizontalAdvance(titel_) + 4, fm.height());
    p.fillRect(tekst, palette().color(backgroundRole()));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(tekst, Qt::AlignCenter, titel_);
}

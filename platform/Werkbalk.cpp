#include "platform/Werkbalk.h"

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>

namespace {

void Tekst(QPainter& p, const QRect& r, const QString& t, const QColor& kleur, int punten)
{
    QFont f = p.font();
    f.setPixelSize(punten);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kleur);
    p.drawText(r, Qt::AlignCenter, t);
}

void Blad(QPainter& p)
{
    p.setPen(QColor(80, 80, 80));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}}));
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

// A list: a sheet with a coloured head and a mark below it.
void Lijst(QPainter& p, const QColor& kleur, const QString& teken)
{
    p.setPen(QColor(80, 80, 80));
    p.setBrush(Qt::white);
    p.drawRect(1, 0, 13, 15);
    p.fillRect(2, 1, 12, 3, kleur);
    Tekst(p, QRect(1, 4, 14, 12), teken, kleur, 11);
}

}  // namespace

QIcon Werkbalkpictogram(const QString& key)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect r(0, 0, 16, 16);
    if (key == QLatin1String("New")) {
        Blad(p);
    } else if (key == QLatin1String("Open")) {
        p.setPen(QColor(120, 90, 0));
        p.setBrush(QColor(240, 200, 80));
        p.drawPolygon(QPolygon({{1, 4}, {5, 4}, {6, 5}, {13, 5}, {13, 13}, {1, 13}}));
        p.setBrush(QColor(255, 225, 120));
        p.drawPolygon(QPolygon({{3, 8}, {15, 8}, {13, 13}, {1, 13}}));
    } else if (key == QLatin1String("Save")) {
        p.setPen(QColor(20, 20, 90));
        p.setBrush(QColor(60, 80, 170));
        p.drawRect(1, 1, 13, 13);
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 7, 5);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(4, 9, 7, 5);
    } else if (key == QLatin1String("Print")) {
        p.setPen(QColor(60, 60, 60));
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 7, 5);
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(1, 6, 13, 6);
        p.setBrush(Qt::white);
        p.drawRect(4, 10, 7, 4);
    } else if (key.startsWith(QLatin1String("Trim"))) {
        Lijst(p, QColor(0, 0, 160), key.mid(4));
    } else if (key == QLatin1String("NAM")) {
        Blad(p);
        p.setPen(QColor(0, 100, 0));
        for (int y = 5; y <= 12; y += 2)
            p.drawLine(5, y, 11, y);
    } else if (key == QLatin1String("RAP")) {
        Lijst(p, QColor(150, 0, 0), QStringLiteral("R"));
    } else if (key == QLatin1String("JAAR")) {
        Lijst(p, QColor(120, 0, 120), QStringLiteral("J"));
    } else if (key.startsWith(QLatin1String("NIVO"))) {
        const QColor kleur = key.endsWith(QLatin1Char('1')) ? QColor(0, 128, 0) : QColor(0, 0, 255);
        p.setPen(kleur);
        p.setBrush(Qt::white);
        p.drawRect(1, 1, 13, 13);
        Tekst(p, r, QStringLiteral("N") + key.right(1), kleur, 9);
    } else if (key == QLatin1String("ZOEK")) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(QColor(40, 40, 40), 2));
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(QRectF(1.5, 1.5, 8, 8));
        p.drawLine(QPointF(9, 9), QPointF(14, 14));
    } else if (key == QLatin1String("STOP")) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QColor(120, 0, 0));
        p.setBrush(QColor(210, 30, 30));
        p.drawPolygon(QPolygonF({{5, 0.5}, {11, 0.5}, {15.5, 5}, {15.5, 11}, {11, 15.5}, {5, 15.5}, {0.5, 11}, {0.5, 5}}));
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(5, 8, 11, 8);
    }
    p.end();
    return QIcon(pm);
}

Werkbalk::Werkbalk(QWidget* parent) : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setFocusPolicy(Qt::NoFocus);
    setIconSize(QSize(16, 16));
    setContextMenuPolicy(Qt::PreventContextMenu);
    toggleViewAction()->setEnabled(false);
}

void Werkbalk::VoegKnopToe(const QString& key, const QString& tip)
{
    QAction* a = addAction(Werkbalkpictogram(key), key);
    a->setToolTip(tip);
    a->setCheckable(true);
    if (QWidget* w = widgetForAction(a))
        w->setFocusPolicy(Qt::NoFocus);
    connect(a, &QAction::triggered, this, [this, a, key](bool ingedrukt) {
        a->setChecked(!ingedrukt);  // the state is the program's, not the click's
        emit ButtonClick(key);
    });
    posities_.push_back({a, key});
}

void Werkbalk::VoegScheidingToe() { posities_.push_back({addSeparator(), QString()}); }

void Werkbalk::VoegLeegToe()
{
    auto* leeg = new QWidget(this);
    leeg->setFixedSize(iconSize() + QSize(6, 6));
    leeg->setFocusPolicy(Qt::NoFocus);
    posities_.push_back({addWidget(leeg), QString()});
}

int Werkbalk::Plaats(const QString& key) const
{
    for (std::size_t i = 0; i < posities_.size(); ++i)
        if (!key.isEmpty() && posities_[i].key == key)
            return static_cast<int>(i) + 1;
    return 0;
}

QToolButton* Werkbalk::KnopOp(int positie) const
{
    if (positie < 1 || positie > Aantal() || posities_[positie - 1].key.isEmpty())
        return nullptr;
    return qobject_cast<QToolButton*>(widgetForAction(posities_[positie - 1].actie));
}

QToolButton* Werkbalk::Knop(const QString& key) const { return KnopOp(Plaats(key)); }

QString Werkbalk::Key(int positie) const
{
    return positie >= 1 && positie <= Aantal() ? posities_[positie - 1].key : QString();
}

void Werkbalk::ZetIngedrukt(int positie, bool ingedrukt)
{
    if (positie >= 1 && positie <= Aantal() && !posities_[positie - 1].key.isEmpty())
        posities_[positie - 1].actie->setChecked(ingedrukt);
}

void Werkbalk::ZetIngedrukt(const QString& key, bool ingedrukt) { ZetIngedrukt(Plaats(key), ingedrukt); }

bool Werkbalk::Ingedrukt(const QString& key) const
{
    const int i = Plaats(key);
    return i > 0 && posities_[i - 1].actie->isChecked();
}

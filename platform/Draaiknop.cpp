#include "platform/Draaiknop.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace {

// The focus frame: drawn over the arrows, letting every click through.
class Focuskader : public QWidget {
public:
    explicit Focuskader(QWidget* ouder) : QWidget(ouder)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

}  // namespace

Draaiknop::Draaiknop(Qt::Orientation richting, QWidget* parent)
    : QWidget(parent), liggend_(richting == Qt::Horizontal)
{
    setFocusPolicy(Qt::NoFocus);
    op_ = new QToolButton(this);
    neer_ = new QToolButton(this);
    const bool staand = !liggend_;
    op_->setArrowType(staand ? Qt::UpArrow : Qt::RightArrow);
    neer_->setArrowType(staand ? Qt::DownArrow : Qt::LeftArrow);
    auto* indeling = new QBoxLayout(staand ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->setSpacing(0);
    indeling->addWidget(staand ? op_ : neer_);
    indeling->addWidget(staand ? neer_ : op_);
    for (QToolButton* k : {op_, neer_}) {
        k->setFocusPolicy(Qt::NoFocus);
        k->setAutoRepeat(true);
        k->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    connect(op_, &QToolButton::clicked, this, &Draaiknop::Omhoog);
    connect(neer_, &QToolButton::clicked, this, &Draaiknop::Omlaag);
}

void Draaiknop::ZetValue(int waarde)
{
    if (waarde == waarde_)
        return;
    waarde_ = waarde;
    emit Change();
}

void Draaiknop::Omhoog() { Stap(1); }

void Draaiknop::Omlaag() { Stap(-1); }

void Draaiknop::Stap(int richting)
{
    const int laag = std::min(min_, max_);
    const int hoog = std::max(min_, max_);
    ZetValue(std::clamp(waarde_ + richting * stap_, laag, hoog));
}

void Draaiknop::ZetTabstop(bool aan)
{
    setFocusPolicy(aan ? Qt::TabFocus : Qt::NoFocus);
    if (aan && !focuskader_) {
        focuskader_ = new Focuskader(this);
        focuskader_->setGeometry(rect());
    }
}

void Draaiknop::keyPressEvent(QKeyEvent* e)
{
    const bool vrij = hasFocus() && !(e->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    const int toets = e->key();
    if (vrij && (toets == Qt::Key_Up || (liggend_ && toets == Qt::Key_Right)))
        Omhoog();
    else if (vrij && (toets == Qt::Key_Down || (liggend_ && toets == Qt::Key_Left)))
        Omlaag();
    else
        QWidget::keyPressEvent(e);
}

void Draaiknop::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    if (focuskader_) {
        focuskader_->raise();
        focuskader_->show();
    }
}

void Draaiknop::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    if (focuskader_)
        focuskader_->hide();
}

void Draaiknop::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (focuskader_)
        focuskader_->setGeometry(rect());
}

#include "platform/Draaiknop.h"

#include <QBoxLayout>
#include <QToolButton>

#include <algorithm>

Draaiknop::Draaiknop(Qt::Orientation richting, QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    op_ = new QToolButton(this);
    neer_ = new QToolButton(this);
    const bool staand = richting == Qt::Vertical;
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

#include "platform/Etiket.h"

#include "core/Getallen.h"
#include "platform/Cp1252Qt.h"
#include "platform/Kleuren.h"

#include <QMouseEvent>

Etiket::Etiket(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

Etiket::Etiket(std::string_view tekst, QWidget* parent) : Etiket(parent) { ZetTekst(tekst); }

std::string Etiket::Tekst() const { return QStringNaarCp1252(text()); }

void Etiket::ZetTekst(std::string_view tekst)
{
    const QString t = Cp1252NaarQString(tekst);
    if (t != text())
        setText(t);
}

void Etiket::ZetAchtergrond(std::uint32_t vbKleur) { ::ZetAchtergrond(*this, vbKleur); }

void Etiket::ZetVoorgrond(std::uint32_t vbKleur) { ::ZetVoorgrond(*this, vbKleur); }

void Etiket::mousePressEvent(QMouseEvent* e)
{
    ingedrukt_ = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
}

void Etiket::mouseReleaseEvent(QMouseEvent* e)
{
    const bool klik = ingedrukt_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    ingedrukt_ = false;
    QLabel::mouseReleaseEvent(e);
    if (klik)
        emit Click();
}

void Etiket::mouseMoveEvent(QMouseEvent* e)
{
    emit MouseMove();
    QLabel::mouseMoveEvent(e);
}

void ToonInsertModus(Etiket& lblInsert, int insertModus)
{
    if (insertModus == 0) {
        lblInsert.ZetTekst("Type over");
        lblInsert.ZetAchtergrond(Kleur::TypeOver);
    } else if (insertModus == 1) {
        lblInsert.ZetTekst("Insert");
        lblInsert.ZetAchtergrond(Kleur::Insert);
    }
}

void WisselInsertModus(int& insertModus, Etiket& lblInsert)
{
    insertModus = 1 - insertModus;
    ToonInsertModus(lblInsert, insertModus);
}

void Waardetip(QWidget& control, double waarde)
{
    control.setToolTip(waarde < 0 ? QStringLiteral(" Niet gedefinieerd! ")
                                  : QString::fromStdString(GetalNaarTekst(waarde) + " "));
}

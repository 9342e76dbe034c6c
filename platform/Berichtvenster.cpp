#include "platform/Berichtvenster.h"

#include "platform/Omgeving.h"
#include "platform/Venster.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

QMessageBox::Icon Icoon(int stijl)
{
    switch (stijl & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

Berichtvenster::Berichtvenster(const QString& tekst, int stijl, const QString& titel, QWidget* ouder)
    : QMessageBox(Icoon(stijl), titel, tekst, QMessageBox::NoButton, ouder), stijl_(stijl)
{
    n_ = BerichtKnoppen(stijl, antwoorden_);
    for (int i = 0; i < n_; ++i) {
        QPushButton*& knop = knoppen_[i];
        switch (antwoorden_[i]) {
        case vbOK: knop = addButton(QStringLiteral("OK"), QMessageBox::AcceptRole); break;
        case vbCancel: knop = addButton(QStringLiteral("Annuleren"), QMessageBox::RejectRole); break;
        case vbAbort: knop = addButton(QStringLiteral("&Afbreken"), QMessageBox::RejectRole); break;
        case vbRetry: knop = addButton(QStringLiteral("&Opnieuw"), QMessageBox::AcceptRole); break;
        case vbIgnore: knop = addButton(QStringLiteral("&Negeren"), QMessageBox::AcceptRole); break;
        case vbYes: knop = addButton(QStringLiteral("&Ja"), QMessageBox::YesRole); break;
        case vbNo: knop = addButton(QStringLiteral("&Nee"), QMessageBox::NoRole); break;
        }
        if (antwoorden_[i] == StandaardAntwoord(stijl))
            setDefaultButton(knop);
        // Esc answers Cancel where there is one, and OK when it is the only button.
        if (antwoorden_[i] == vbCancel || n_ == 1)
            setEscapeButton(knop);
    }
}

int Berichtvenster::Antwoord() const
{
    for (int i = 0; i < n_; ++i)
        if (clickedButton() == knoppen_[i])
            return antwoorden_[i];
    for (int i = 0; i < n_; ++i)
        if (antwoorden_[i] == vbCancel)
            return vbCancel;
    return StandaardAntwoord(stijl_);
}

void Berichtvenster::keyPressEvent(QKeyEvent* e)
{
    // QMessageBox itself answers only "&" letters, and a moment later.
    if (QAbstractButton* knop = Letterknop(buttons(), *e)) {
        knop->click();
        return;
    }
    QMessageBox::keyPressEvent(e);
}

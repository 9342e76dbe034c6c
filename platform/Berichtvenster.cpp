#include "platform/Berichtvenster.h"

#include "platform/Omgeving.h"
#include "platform/Venster.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>

#include <algorithm>

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
    // The box sizes itself from its layout whenever it is shown or its texts
    // change: a row of its own under the texts and buttons, of no height,
    // keeps the room for the title there.
    if (auto* rooster = qobject_cast<QGridLayout*>(layout())) {
        const QMargins rand = rooster->contentsMargins();
        rooster->addItem(new QSpacerItem(Berichtbreedte(titel) - rand.left() - rand.right(), 0), rooster->rowCount(),
                         0, 1, rooster->columnCount());
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

int Berichtbreedte(const QString& titel)
{
    const QFontMetrics maat(QApplication::font("QMdiSubWindowTitleBar"));
    int breedte = std::max(240, maat.horizontalAdvance(titel) + 150);
    if (const QScreen* scherm = QApplication::primaryScreen())
        breedte = std::min(breedte, scherm->availableGeometry().width());
    return breedte;
}

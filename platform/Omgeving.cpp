#include "platform/Omgeving.h"

#include "platform/Venster.h"

#include <QApplication>
#include <QDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

int BerichtKnoppen(int stijl, int (&k)[3])
{
    switch (stijl & 7) {
    case vbOKCancel:
        k[0] = vbOK, k[1] = vbCancel;
        return 2;
    case vbAbortRetryIgnore:
        k[0] = vbAbort, k[1] = vbRetry, k[2] = vbIgnore;
        return 3;
    case vbYesNoCancel:
        k[0] = vbYes, k[1] = vbNo, k[2] = vbCancel;
        return 3;
    case vbYesNo:
        k[0] = vbYes, k[1] = vbNo;
        return 2;
    case vbRetryCancel:
        k[0] = vbRetry, k[1] = vbCancel;
        return 2;
    default:
        k[0] = vbOK;
        return 1;
    }
}

int StandaardAntwoord(int stijl)
{
    int k[3];
    const int n = BerichtKnoppen(stijl, k);
    const int keuze = (stijl >> 8) & 3;
    return k[keuze < n ? keuze : 0];
}

int Omgeving::Bericht(const QString& tekst, int stijl, const QString& titel)
{
    return ToonBericht(tekst, stijl, titel.isEmpty() ? QString::fromUtf8(Programmatitel) : titel);
}

int Omgeving::Modaal(QDialog& dialoog)
{
    const int r = ToonModaal(dialoog);
    QWidget* opener = dialoog.parentWidget() ? dialoog.parentWidget()->window() : nullptr;
    if (auto* v = dynamic_cast<VensterBasis*>(opener))
        v->NaModaal();
    return r;
}

void QtOmgeving::Piep() { QApplication::beep(); }

int QtOmgeving::ToonBericht(const QString& tekst, int stijl, const QString& titel)
{
    QMessageBox::Icon icoon = QMessageBox::NoIcon;
    switch (stijl & 0x70) {
    case vbCritical:
        icoon = QMessageBox::Critical;
        break;
    case vbQuestion:
        icoon = QMessageBox::Question;
        break;
    case vbExclamation:
        icoon = QMessageBox::Warning;
        break;
    case vbInformation:
        icoon = QMessageBox::Information;
        break;
    default:
        break;
    }
    QMessageBox box(icoon, titel, tekst, QMessageBox::NoButton, QApplication::activeWindow());
    int k[3];
    const int n = BerichtKnoppen(stijl, k);
    QPushButton* knop[3] = {};
    for (int i = 0; i < n; ++i) {
        switch (k[i]) {
        case vbOK: knop[i] = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole); break;
        case vbCancel: knop[i] = box.addButton(QStringLiteral("Annuleren"), QMessageBox::RejectRole); break;
        case vbAbort: knop[i] = box.addButton(QStringLiteral("&Afbreken"), QMessageBox::RejectRole); break;
        case vbRetry: knop[i] = box.addButton(QStringLiteral("&Opnieuw"), QMessageBox::AcceptRole); break;
        case vbIgnore: knop[i] = box.addButton(QStringLiteral("&Negeren"), QMessageBox::AcceptRole); break;
        case vbYes: knop[i] = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole); break;
        case vbNo: knop[i] = box.addButton(QStringLiteral("&Nee"), QMessageBox::NoRole); break;
        }
        if (k[i] == StandaardAntwoord(stijl))
            box.setDefaultButton(knop[i]);
        // Esc answers Cancel where there is one, and OK when it is the only button.
        if (k[i] == vbCancel || n == 1)
            box.setEscapeButton(knop[i]);
    }
    box.exec();
    for (int i = 0; i < n; ++i)
        if (box.clickedButton() == knop[i])
            return k[i];
    // Closed without a button: Cancel where there is one, else the default.
    for (int i = 0; i < n; ++i)
        if (k[i] == vbCancel)
            return vbCancel;
    return StandaardAntwoord(stijl);
}

int QtOmgeving::ToonModaal(QDialog& dialoog) { return dialoog.exec(); }

QTranslator* QtVertalingLaden(QCoreApplication& app, const QString& map)
{
    auto* vertaling = new QTranslator(&app);
    const QString waar = map.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : map;
    if (!vertaling->load(QLocale(QLocale::Dutch, QLocale::Netherlands), QStringLiteral("qtbase"),
                         QStringLiteral("_"), waar) ||
        !QCoreApplication::installTranslator(vertaling)) {
        delete vertaling;
        return nullptr;
    }
    return vertaling;
}

void Foutmelding(Omgeving& omgeving, const QString& omschrijving)
{
    omgeving.Bericht(QStringLiteral("Foutmelding:\n\n") + omschrijving + QStringLiteral("   "), vbExclamation,
                     QString::fromUtf8(Programmatitel));
}

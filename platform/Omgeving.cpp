#include "platform/Omgeving.h"

#include "platform/Berichtvenster.h"
#include "platform/Venster.h"

#include <QApplication>
#include <QDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <QWindow>

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
    Berichtvenster box(tekst, stijl, titel, QApplication::activeWindow());
    box.exec();
    return box.Antwoord();
}

int QtOmgeving::ToonModaal(QDialog& dialoog) { return dialoog.exec(); }

QRect QtOmgeving::Werkgebied(const QWidget& venster)
{
    const QScreen* scherm = venster.screen();
    return scherm ? scherm->availableGeometry() : QRect();
}

QMargins QtOmgeving::Rand(const QWidget& venster)
{
    // Qt knows the frame only once the window manager has framed the
    // window; until then, the frame of the program's other windows is the
    // best guess, as one window manager frames them all alike.
    const QWindow* w = venster.windowHandle();
    const QMargins rand = w ? w->frameMargins() : QMargins();
    if (!rand.isNull())
        gezien_ = rand;
    return gezien_;
}

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

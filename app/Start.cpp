#include "app/Start.h"

#include "app/Vensters.h"
#include "core/AdmMain.h"
#include "core/Bestandstype.h"
#include "core/Opstarten.h"
#include "frame/frmHarvemoLogo.h"
#include "platform/Cp1252Qt.h"
#include "platform/Omgeving.h"
#include "termsheet/Cijferverwerking.h"

#include <QApplication>
#include <QScreen>

std::string Opdrachtargument(int argc, char** argv)
{
    std::string argument;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            argument += ' ';
        argument += argv[i];
    }
    return argument;
}

int ProgrammaUitvoeren(const std::string& argument, const Logowachttijden& wachttijden)
{
    // The program ends when the view manager has no window left, not when
    // a view hides itself during a switch.
    QApplication::setQuitOnLastWindowClosed(false);
    // A Dutch program: the toolkit's dialogs speak Dutch too.
    QtVertalingLaden(*QCoreApplication::instance());

    AdmMain adm;
    frmHarvemoLogo logo;
    Programmavensters vensters(adm, wachttijden.namenlijst);

    Opstartdiensten d;
    d.ToonLogo = [&] { logo.ToonEnWacht(wachttijden.opstart); };
    d.RegistreerBestandstype = [] { RegistreerCijferbestand(); };
    d.Scherm = [] {
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? Schermformaat{s->size().width(), s->size().height()} : Schermformaat{};
    };
    d.Melding = [&](const std::string& tekst, const std::string& titel, int stijl) {
        vensters.omgeving().Bericht(Cp1252NaarQString(tekst), stijl, Cp1252NaarQString(titel));
    };
    d.ToonEersteVenster = [&] { vensters.EersteVensterLaden(&logo); };
    d.Herstel = &GeladenHerstellen;

    Main(adm, argument, d);
    return QApplication::exec();
}

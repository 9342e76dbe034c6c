#include "app/Vensters.h"
#include "core/AdmMain.h"
#include "core/Bestandstype.h"
#include "core/Opstarten.h"
#include "core/frmHarvemoLogo.h"
#include "platform/Cp1252Qt.h"
#include "platform/Omgeving.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The program ends when the view manager has no window left, not when
    // a view hides itself during a switch.
    app.setQuitOnLastWindowClosed(false);
    // A Dutch program: the toolkit's dialogs speak Dutch too.
    QtVertalingLaden(app);

    // The whole argument text after the program name, as one path.
    std::string argument;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            argument += ' ';
        argument += argv[i];
    }

    AdmMain adm;
    frmHarvemoLogo logo;
    Programmavensters vensters(adm);

    Opstartdiensten d;
    d.ToonLogo = [&] { logo.ToonEnWacht(3000); };
    d.RegistreerBestandstype = [] { RegistreerCijferbestand(); };
    d.Scherm = [] {
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? Schermformaat{s->size().width(), s->size().height()} : Schermformaat{};
    };
    d.Melding = [&](const std::string& tekst, const std::string& titel, int stijl) {
        vensters.omgeving().Bericht(Cp1252NaarQString(tekst), stijl, Cp1252NaarQString(titel));
    };
    d.ToonEersteVenster = [&] {
        vensters.EersteVensterLaden(&logo);
    };

    Main(adm, argument, d);
    return app.exec();
}

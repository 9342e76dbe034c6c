#include "names/Namenkolom.h"

#include "termsheet/Klembordkolom.h"

void KolomPlakken(AdmMain& adm, Namenkolom soort, std::string_view tekst, int vanaf)
{
    Klembordregels regels;
    int laatste = vanaf - 1;
    SplitsInRegels(vanaf, laatste, tekst, regels);
    for (int p = vanaf; p <= laatste && p <= AantalLeerlingen; ++p) {
        if (soort == Namenkolom::Achternamen)
            adm.Achternaam(p) = regels(p);
        else
            adm.Roepnaam(p) = regels(p);
    }
}

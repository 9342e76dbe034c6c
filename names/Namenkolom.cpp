#include "names/Namenkolom.h"

#include "core/Tekst.h"
#include "termsheet/Klembordkolom.h"

void KolomPlakken(AdmMain& adm, Namenkolom soort, std::string_view tekst, int vanaf)
{
    Klembordregels regels;
    int laatste = vanaf - 1;
    SplitsInRegels(vanaf, laatste, tekst, regels);
    for (int p = vanaf; p <= laatste && p <= AantalLeerlingen; ++p) {
        StuurtekensBlanco(regels(p));  // a spreadsheet's tab between cells, say: no name holds one
        if (soort == Namenkolom::Achternamen)
            adm.Achternaam(p) = regels(p);
        else
            adm.Roepnaam(p) = regels(p);
    }
}

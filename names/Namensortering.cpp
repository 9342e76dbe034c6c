#include "names/Namensortering.h"

#include "core/Sorteren.h"

std::vector<std::string> Sorteersleutels(const AdmMain& adm, Namensortering volgorde)
{
    std::vector<std::string> sleutels(AantalLeerlingen + 1);
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        const std::string achternaam = adm.Achternaam(p).str();
        const std::string roepnaam = adm.Roepnaam(p).str();
        const std::string naam = AccentenVerwijderen(achternaam) + roepnaam;
        switch (volgorde) {
        case Namensortering::Achternaam:
            sleutels[p] = AccentenVerwijderen(achternaam + roepnaam);
            break;
        case Namensortering::Basisgroep:
            sleutels[p] = adm.Basisgroep(p).str() + naam;
            break;
        case Namensortering::Kenmerk:
            sleutels[p] = adm.Kenmerk(p).str() + naam;
            break;
        case Namensortering::Mentor:
            sleutels[p] = adm.Mentor(p).str() + naam;
            break;
        }
    }
    return sleutels;
}

void NamenSorteren(AdmMain& adm, Namensortering volgorde)
{
    Volgorde v;
    SorteerOpTekst(v, Sorteersleutels(adm, volgorde), AantalLeerlingen);
    LeerlingenHerordenen(adm, v);
}

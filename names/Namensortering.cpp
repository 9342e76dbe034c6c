#include "names/Namensortering.h"

#include "core/Sorteren.h"
#include "termsheet/Sorteermenu.h"

namespace {

Sorteersoort Soort(Namensortering volgorde)
{
    switch (volgorde) {
    case Namensortering::Basisgroep: return Sorteersoort::Basisgroep;
    case Namensortering::Kenmerk: return Sorteersoort::Kenmerk;
    case Namensortering::Mentor: return Sorteersoort::Mentor;
    default: return Sorteersoort::Achternaam;
    }
}

}  // namespace

std::vector<std::string> Sorteersleutels(const AdmMain& adm, Namensortering volgorde)
{
    return Sorteersleutels(adm, Soort(volgorde), true);
}

void NamenSorteren(AdmMain& adm, Namensortering volgorde)
{
    Volgorde v;
    SorteerOpTekst(v, Sorteersleutels(adm, volgorde), AantalLeerlingen);
    LeerlingenHerordenen(adm, v);
}

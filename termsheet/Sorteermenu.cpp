#include "termsheet/Sorteermenu.h"

#include <string>
#include <vector>

namespace {

std::string Naamsleutel(const AdmMain& adm, int p)
{
    return AccentenVerwijderen(adm.Achternaam(p).view()) + adm.Roepnaam(p).str();
}

}  // namespace

Volgorde Sorteervolgorde(const AdmMain& adm, Sorteersoort soort, int trimester, int niveau)
{
    Volgorde volgorde;
    std::vector<std::string> sleutels(AantalLeerlingen + 1);
    if (soort == Sorteersoort::Trimestergemiddelde) {
        std::vector<double> waarden(AantalLeerlingen + 1, GeenWaarde);
        for (int p = 1; p <= AantalLeerlingen; ++p) {
            waarden[p] = adm.TrGem(p, trimester, niveau);
            sleutels[p] = Naamsleutel(adm, p);
        }
        SorteerOpWaarde(volgorde, waarden, sleutels);
        return volgorde;
    }
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        std::string voorvoegsel;
        switch (soort) {
        case Sorteersoort::Basisgroep: voorvoegsel = adm.Basisgroep(p).str(); break;
        case Sorteersoort::Kenmerk: voorvoegsel = adm.Kenmerk(p).str(); break;
        case Sorteersoort::Mentor: voorvoegsel = adm.Mentor(p).str(); break;
        default: break;
        }
        sleutels[p] = voorvoegsel + Naamsleutel(adm, p);
    }
    SorteerOpTekst(volgorde, sleutels, AantalLeerlingen);
    return volgorde;
}

void LeerlingenSorteren(AdmMain& adm, Sorteersoort soort, int trimester, int niveau)
{
    LeerlingenHerordenen(adm, Sorteervolgorde(adm, soort, trimester, niveau));
}

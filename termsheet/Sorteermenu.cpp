#include "termsheet/Sorteermenu.h"

#include "reports/Jaarkolom.h"

namespace {

std::string Naamsleutel(const AdmMain& adm, int p, bool roepnaamVouwen)
{
    if (roepnaamVouwen)
        return AccentenVerwijderen(adm.Achternaam(p).str() + adm.Roepnaam(p).str());
    return AccentenVerwijderen(adm.Achternaam(p).view()) + adm.Roepnaam(p).str();
}

}  // namespace

std::vector<std::string> Sorteersleutels(const AdmMain& adm, Sorteersoort soort, bool roepnaamVouwen)
{
    std::vector<std::string> sleutels(AantalLeerlingen + 1);
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        std::string voorvoegsel;
        switch (soort) {
        case Sorteersoort::Basisgroep: voorvoegsel = adm.Basisgroep(p).str(); break;
        case Sorteersoort::Kenmerk: voorvoegsel = adm.Kenmerk(p).str(); break;
        case Sorteersoort::Mentor: voorvoegsel = adm.Mentor(p).str(); break;
        default: break;
        }
        sleutels[p] = voorvoegsel + Naamsleutel(adm, p, roepnaamVouwen && soort == Sorteersoort::Achternaam);
    }
    return sleutels;
}

Volgorde Sorteervolgorde(const AdmMain& adm, Sorteersoort soort, int trimester, int niveau)
{
    Volgorde volgorde;
    if (soort == Sorteersoort::Trimestergemiddelde || soort == Sorteersoort::Jaargemiddelde) {
        std::vector<double> waarden(AantalLeerlingen + 1, GeenWaarde);
        for (int p = 1; p <= AantalLeerlingen; ++p) {
            if (soort == Sorteersoort::Trimestergemiddelde)
                waarden[p] = adm.TrGem(p, trimester, niveau);
            else if (const auto j = JaarwaardeLeerling(adm, p, niveau))
                waarden[p] = j->waarde;
            else
                waarden[p] = 0;
        }
        SorteerOpWaarde(volgorde, waarden, Sorteersleutels(adm, Sorteersoort::Achternaam));
        return volgorde;
    }
    SorteerOpTekst(volgorde, Sorteersleutels(adm, soort), AantalLeerlingen);
    return volgorde;
}

void LeerlingenSorteren(AdmMain& adm, Sorteersoort soort, int trimester, int niveau)
{
    LeerlingenHerordenen(adm, Sorteervolgorde(adm, soort, trimester, niveau));
}

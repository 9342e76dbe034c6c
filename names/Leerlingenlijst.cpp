#include "names/Leerlingenlijst.h"

#include "core/Sorteren.h"
#include "reports/Rapportberekening.h"
#include "termsheet/Cijferverwerking.h"

std::vector<Lijstregel> Leerlingenlijst(const AdmMain& adm, int roepnaam)
{
    std::vector<Lijstregel> lijst;
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        if (LeegLeerling(adm, p))
            continue;
        lijst.push_back({p, " " + std::string(adm.Achternaam(p).view().substr(0, 16)) + " " +
                                std::string(adm.Roepnaam(p).view().substr(0, static_cast<std::size_t>(roepnaam)))});
    }
    return lijst;
}

int ZoekInLijst(const std::vector<Lijstregel>& lijst, std::string_view zoektekst)
{
    const auto eind = zoektekst.find_last_not_of(' ');
    if (eind == std::string_view::npos)
        return -1;
    const std::string sleutel = Hoofdletters(zoektekst.substr(0, eind + 1));
    for (std::size_t i = 0; i < lijst.size(); ++i) {
        const std::string_view t = lijst[i].tekst;
        if (t.size() >= 1 + sleutel.size() && Hoofdletters(t.substr(1, sleutel.size())) == sleutel)
            return static_cast<int>(i);
    }
    return -1;
}

void LeerlingVerwijderen(AdmMain& adm, int p)
{
    adm.Achternaam(p) = "";
    adm.Roepnaam(p) = "";
    for (int c = 1; c <= AantalKolommen; ++c) {
        const int t = TrimesterVan(c);
        for (int l = 1; l <= 2; ++l) {
            std::string leeg = "   ";
            VerwerkCijfer(adm, leeg, p, c, t, l);
        }
    }
    adm.LeerlingPersNr(p) = "000000";
    adm.Geslacht(p) = "";
    adm.Basisgroep(p) = "";
    adm.Kenmerk(p) = "";
    adm.Adres(p) = "";
    adm.Postcode(p) = "";
    adm.Woonplaats(p) = "";
    adm.Telefoon(p) = "";
    adm.Mentor(p) = "";
    for (int r = 1; r <= 4; ++r)
        for (int l = 1; l <= 2; ++l) {
            adm.RapportTxt(p, r, l) = "";
            adm.Rapport(p, r, l) = GeenWaarde;
        }
    for (int r = 1; r <= 4; ++r)
        Rapportgemiddelde(adm, r);
}

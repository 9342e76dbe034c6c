#include "core/Opdrachten.h"

#include "core/Cijferbestand.h"
#include "core/Instellingen.h"

#include <filesystem>

void TrimesterKiezen(AdmMain& adm, int trimester)
{
    adm.Scherm = trimester;
    adm.EersteKolom = AbsoluteKolom(trimester, 1);
    adm.LaatsteKolom = adm.EersteKolom + 7;
    adm.HuidigeKolom = adm.EersteKolom;
}

void LeerlingKiezen(AdmMain& adm, int p)
{
    adm.HuidigeRij = p;
    if (p < adm.EersteRij) {
        adm.EersteRij = p;
        adm.LaatsteRij = p + 7;
    } else if (p > adm.LaatsteRij) {
        adm.LaatsteRij = p;
        adm.EersteRij = p - 7;
    }
}

std::string MetExtensie(const std::string& pad)
{
    const std::string naam = pad.substr(pad.rfind('/') + 1);
    const auto punt = naam.rfind('.');
    if (punt != std::string::npos && punt + 1 < naam.size())
        return pad;
    return pad + (pad.ends_with('.') ? "vlk" : ".vlk");
}

void CijferbestandOpslaanAls(AdmMain& adm, const std::string& pad)
{
    CijferbestandOpslaan(adm, pad);
    adm.Bestandsnaam = pad;
}

void InstellingenBewarenEnTerug(const AdmMain& adm)
{
    try {
        InstellingenBewaren(adm, adm.StartMap);
    } catch (...) {
    }
    std::error_code ec;
    std::filesystem::current_path(adm.StartMap, ec);
}

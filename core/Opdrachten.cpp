#include "core/Opdrachten.h"

#include "core/Cijferbestand.h"
#include "core/Instellingen.h"

#include <filesystem>

std::string MetExtensie(const std::string& pad)
{
    const std::string naam = pad.substr(pad.rfind('/') + 1);
    const auto punt = naam.rfind('.');
    if (punt != std::string::npos && punt + 1 < naam.size())
        return pad;
    return pad + (pad.ends_with('.') ? "vlk" : ".vlk");
}

void CijferbestandOpslaanAls(AdmMain& adm, const std::string& pad, Bestandssysteem& systeem)
{
    CijferbestandOpslaan(adm, pad, systeem);
    adm.Bestandsnaam = pad;
}

void InstellingenBewarenEnTerug(const AdmMain& adm, Bestandssysteem& systeem)
{
    try {
        InstellingenBewaren(adm, adm.StartMap, systeem);
    } catch (...) {
    }
    std::error_code ec;
    std::filesystem::current_path(adm.StartMap, ec);
}

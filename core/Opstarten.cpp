#include "core/Opstarten.h"

#include "core/Cijferbestand.h"
#include "core/Instellingen.h"
#include "core/Pad.h"
#include "core/Schermvenster.h"

#include <filesystem>
#include <memory>

void Main(AdmMain& adm, const std::string& argument, const Opstartdiensten& d)
{
    if (d.ToonLogo)
        d.ToonLogo();
    // The registration shows its failures only in its result, which start-up
    // does not use; nothing in it may stop the start.
    try {
        if (d.RegistreerBestandstype)
            d.RegistreerBestandstype();
    } catch (...) {
    }

    // From here a step that fails is skipped and the next one runs.
    const auto map = HuidigeMap();
    adm.StartMap = map;
    adm.LaatsteMap = map;
    adm.ReserveMap1 = map;
    adm.ReserveMap2 = map;
    NieuwCijferbestand(adm);
    BeginSchermstand(adm);
    adm.Gewijzigd = 0;

    try {
        InstellingenLezen(adm, map);
    } catch (...) {
        InstellingenBewarenAlsHetKan(adm, map);
    }

    try {
        if (d.Scherm && d.Melding) {
            const auto s = d.Scherm();
            if (s.breedte == 640 && s.hoogte == 480)
                d.Melding(Schermwaarschuwing, Opstarttitel, StijlUitroepteken);
        }
    } catch (...) {
    }

    if (!argument.empty()) {
        // A load is all or nothing: after a failure the data set is the one
        // from before, the new one with the settings' header fields.
        auto voor = std::make_unique<AdmMain>(adm);
        try {
            CijferbestandOpenen(adm, argument, d.Herstel);
            std::error_code ec;
            const auto vol = std::filesystem::absolute(argument, ec);
            adm.Bestandsnaam = ec ? argument : vol.string();
        } catch (...) {
            adm = *voor;
        }
    }

    adm.LogoGetoond = 0;
    if (d.ToonEersteVenster)
        d.ToonEersteVenster();
}

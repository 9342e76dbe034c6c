#include "core/Instellingen.h"

#include "core/Bestand.h"
#include "core/Fout.h"
#include "core/Pad.h"
#include "core/Tekst.h"

#include <exception>
#include <vector>

namespace {

constexpr std::size_t AantalRegels = 9;

// The lines of the file into the fields by `opslaan`, one at a time: a short
// or broken file has stored the lines before the failure when this raises.
template <class Opslaan>
void LeesNegenRegels(const std::string& map, Opslaan opslaan)
{
    const auto pad = PadSamenvoegen(map, Instellingenbestand);
    std::vector<std::string> regels;
    std::exception_ptr fout;
    try {
        LeesRegels(pad, regels);
    } catch (...) {
        fout = std::current_exception();
    }
    for (std::size_t i = 0; i < regels.size() && i < AantalRegels; ++i)
        opslaan(i, regels[i]);
    if (fout)
        std::rethrow_exception(fout);
    if (regels.size() < AantalRegels)
        throw Foutbij(FoutVoorbijEinde, pad);
}

void MapOpslaan(AdmMain& adm, std::size_t i, const std::string& regel)
{
    // Line 6 holds the start folder of the run that wrote it: the start
    // folder is always the one current now, so it is not read back.
    switch (i) {
    case 6: adm.ReserveMap1 = regel; break;
    case 7: adm.ReserveMap2 = regel; break;
    case 8: adm.LaatsteMap = regel; break;
    default: break;
    }
}

}  // namespace

void InstellingenLezen(AdmMain& adm, const std::string& map)
{
    // The texts of the data set hold no control byte; the folders keep the
    // bytes the system names them by.
    LeesNegenRegels(map, [&adm](std::size_t i, std::string regel) {
        if (i < 5)
            StuurtekensBlanco(regel);
        switch (i) {
        case 0: adm.School = regel; break;
        case 1: adm.Cursus = regel; break;
        case 2: adm.Docent = regel; break;
        case 3: adm.DocentPersNr = regel; break;
        case 4: adm.DocentCode = regel; break;
        default: MapOpslaan(adm, i, regel); break;
        }
    });
}

void InstellingenMappenLezen(AdmMain& adm, const std::string& map)
{
    LeesNegenRegels(map, [&adm](std::size_t i, const std::string& regel) { MapOpslaan(adm, i, regel); });
}

void InstellingenBewaren(const AdmMain& adm, const std::string& map)
{
    Bestandssysteem systeem;
    InstellingenBewaren(adm, map, systeem);
}

void InstellingenBewaren(const AdmMain& adm, const std::string& map, Bestandssysteem& systeem, useconds_t maxWacht)
{
    std::string inhoud;
    for (const std::string_view regel :
         {adm.School.view(), adm.Cursus.view(), std::string_view(adm.Docent), std::string_view(adm.DocentPersNr),
          adm.DocentCode.view(), std::string_view(adm.StartMap), std::string_view(adm.ReserveMap1),
          std::string_view(adm.ReserveMap2), std::string_view(adm.LaatsteMap)}) {
        inhoud += regel;
        inhoud += "\r\n";
    }
    SchrijfBestandVeilig(PadSamenvoegen(map, Instellingenbestand), inhoud, systeem, maxWacht);
}

bool InstellingenBewarenAlsHetKan(const AdmMain& adm, const std::string& map)
{
    try {
        Bestandssysteem systeem;
        InstellingenBewaren(adm, map, systeem, 0);
        return true;
    } catch (...) {
        return false;
    }
}

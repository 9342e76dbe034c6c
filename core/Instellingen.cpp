#include "core/Instellingen.h"

#include "core/Bestand.h"
#include "core/Fout.h"
#include "core/Tekst.h"

#include <vector>

namespace {

constexpr std::size_t AantalRegels = 9;

// All nine lines or an error, so that a short or broken file stores nothing.
std::vector<std::string> LeesNegenRegels(const std::string& map)
{
    const auto pad = PadSamenvoegen(map, Instellingenbestand);
    auto regels = LeesRegels(pad);
    if (regels.size() < AantalRegels)
        throw Bestandsfout(FoutVoorbijEinde, "Input past end of file: " + pad);
    return regels;
}

}  // namespace

void InstellingenLezen(AdmMain& adm, const std::string& map)
{
    const auto r = LeesNegenRegels(map);
    adm.School = r[0];
    adm.Cursus = r[1];
    adm.Docent = r[2];
    adm.DocentPersNr = r[3];
    adm.DocentCode = r[4];
    // Line 6 holds the start folder of the run that wrote it: the start
    // folder is always the one current now, so it is not read back.
    adm.ReserveMap1 = r[6];
    adm.ReserveMap2 = r[7];
    adm.LaatsteMap = r[8];
}

void InstellingenMappenLezen(AdmMain& adm, const std::string& map)
{
    const auto r = LeesNegenRegels(map);
    adm.ReserveMap1 = r[6];
    adm.ReserveMap2 = r[7];
    adm.LaatsteMap = r[8];
}

void InstellingenBewaren(const AdmMain& adm, const std::string& map)
{
    std::string inhoud;
    for (const std::string_view regel :
         {adm.School.view(), adm.Cursus.view(), std::string_view(adm.Docent), std::string_view(adm.DocentPersNr),
          adm.DocentCode.view(), std::string_view(adm.StartMap), std::string_view(adm.ReserveMap1),
          std::string_view(adm.ReserveMap2), std::string_view(adm.LaatsteMap)}) {
        inhoud += regel;
        inhoud += "\r\n";
    }
    SchrijfBestandVeilig(PadSamenvoegen(map, Instellingenbestand), inhoud);
}

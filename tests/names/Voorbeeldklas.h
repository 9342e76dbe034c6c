#pragma once
// A class as a teacher keeps it in the names list: the header filled, 28
// pupils with their personal fields, one who left ("*") and one hidden (".").

#include "core/AdmMain.h"
#include "core/Cp1252.h"

namespace voorbeeld {

inline void VulNamen(AdmMain& adm)
{
    NieuwCijferbestand(adm);
    adm.School = "Scholengemeenschap Het Baken";
    adm.Cursus = "2024-2025";
    adm.Klas = "4H2   ";
    adm.Vak = "WISK  ";
    adm.Deelvak = "A     ";
    adm.NiveauNaam(1) = "HAVO";
    adm.NiveauNaam(2) = "VWO";
    adm.Docent = Pas("J.P. de Vries", 30);
    adm.DocentPersNr = "104233";
    adm.KlasMentor = "Marieke van den Heuvel";
    adm.MentorPersNr = "100871";

    struct Leerling {
        const char* achternaam;
        const char* roepnaam;
        const char* persnr;
        const char* geslacht;
        const char* basisgroep;
        const char* kenmerk;
        const char* mentor;
    };
    const Leerling klas[] = {
        {"Bakker", "Sanne", "231045", "V", "4H2a", "", "HEU"},
        {"Bos", "Daan", "231046", "M", "4H2a", "dyslexie", "HEU"},
        {"Çelik", "Elif", "231047", "V", "4H2b", "", "DVR"},
        {"Dekker", "Lotte", "231048", "V", "4H2a", "", "HEU"},
        {"Dijkstra-Ölmez", "Noor", "231049", "V", "4H2b", "topsport", "DVR"},
        {"El Amrani", "Yasmine", "231050", "V", "4H2b", "", "DVR"},
        {"de Graaf", "Thijs", "231051", "M", "4H2a", "", "HEU"},
        {"Hendriks", "Emma", "231052", "V", "4H2a", "", "HEU"},
        {"*Vertrokken", "Ruud", "231053", "M", "4H2b", "", "DVR"},
        {"Jansen", "Lucas", "231054", "M", "4H2b", "", "DVR"},
        {"de Jong", "Julia", "231055", "V", "4H2a", "dyscalculie", "HEU"},
        {"Kok", "Sem", "231056", "M", "4H2b", "", "KOK"},
        {"Koster", "Tess", "231057", "V", "4H2b", "", "KOK"},
        {".Verborgen", "Piet", "231058", "M", "", "", ""},
        {"van Leeuwen", "Finn", "231059", "M", "4H2a", "", "HEU"},
        {"Meijer", "Eva", "231060", "V", "4H2a", "", "HEU"},
        {"Mulder", "Bram", "231061", "M", "4H2b", "", "KOK"},
        {"Peters", "Zoë", "231062", "V", "4H2b", "", "KOK"},
        {"Postma", "Ruben", "231063", "M", "4H2a", "", "HEU"},
        {"Scholten", "Fleur", "231064", "V", "4H2a", "", "HEU"},
        {"Smit", "Jesse", "231065", "M", "4H2b", "topsport", "KOK"},
        {"Timmermans", "Lieke", "231066", "V", "4H2b", "", "KOK"},
        {"Verhoeven", "Milan", "231067", "M", "4H2a", "", "DVR"},
        {"Visser", "Iris", "231068", "V", "4H2a", "", "DVR"},
        {"de Vries", "Luuk", "231069", "M", "4H2b", "", "DVR"},
        {"van der Wal", "Anouk", "231070", "V", "4H2b", "", "KOK"},
        {"Willems", "Stijn", "231071", "M", "4H2a", "", "HEU"},
        {"van Wijngaarden-Oosterhuis", "Maximiliaan", "231072", "M", "4H2a", "", "HEU"},
        {"Yilmaz", "Mehmet", "231073", "M", "4H2b", "", "KOK"},
        {"Zwart", "Noa", "231074", "V", "4H2b", "", "KOK"},
    };
    int p = 1;
    for (const Leerling& l : klas) {
        adm.Achternaam(p) = Utf8NaarCp1252(l.achternaam);
        adm.Roepnaam(p) = Utf8NaarCp1252(l.roepnaam);
        adm.LeerlingPersNr(p) = l.persnr;
        adm.Geslacht(p) = l.geslacht;
        adm.Basisgroep(p) = l.basisgroep;
        adm.Kenmerk(p) = l.kenmerk;
        adm.Mentor(p) = l.mentor;
        ++p;
    }
}

}  // namespace voorbeeld

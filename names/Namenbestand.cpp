#include "names/Namenbestand.h"

#include "core/Bestand.h"
#include "core/Fout.h"
#include "core/Pad.h"

#include <filesystem>
#include <new>

namespace {

// Columns van..tot (from 1, inclusive) of the line; what lies past its end is empty.
std::string_view Kolommen(std::string_view regel, std::size_t van, std::size_t tot)
{
    if (regel.size() < van)
        return {};
    return regel.substr(van - 1, tot - van + 1);
}

[[noreturn]] void GeenNamenbestand(const std::string& pad)
{
    throw Foutbij(FoutVerkeerdBestand, pad);
}

}  // namespace

bool IsNamenregel(std::string_view r)
{
    return r.size() >= 52 && r[30] == ',' && r[44] == ',' && r[51] == ',';
}

Namenregel NamenregelLezen(std::string_view regel)
{
    std::string r(regel);
    StuurtekensBlanco(r);
    Namenregel n;
    n.Achternaam = Kolommen(r, 1, 30);
    n.Roepnaam = Kolommen(r, 32, 44);
    n.LeerlingPersNr = Kolommen(r, 46, 51);
    n.Geslacht = Kolommen(r, 53, 53);
    n.Adres = Kolommen(r, 55, 90);
    n.Woonplaats = Kolommen(r, 92, 106);
    n.Postcode = Kolommen(r, 108, 114);
    n.Telefoon = Kolommen(r, 116, 128);
    n.Basisgroep = Kolommen(r, 130, 135);
    return n;
}

void NamenbestandControleren(const std::string& pad)
{
    NamenbestandLezen(pad);
}

std::vector<Namenregel> NamenbestandLezen(const std::string& pad)
{
    std::vector<std::string> regels;
    try {
        regels = LeesRegels(pad);
    } catch (const Bestandsfout& f) {
        if (f.code() == FoutVerkeerdBestand)  // binary, or lines no names file has
            GeenNamenbestand(pad);
        throw;
    }
    if (regels.empty() || !IsNamenregel(regels.front()))
        GeenNamenbestand(pad);
    try {
        std::vector<Namenregel> r;
        r.reserve(regels.size());
        for (const auto& regel : regels)
            r.push_back(NamenregelLezen(regel));
        return r;
    } catch (const std::bad_alloc&) {
        throw Foutbij(FoutGeenGeheugen, pad);
    }
}

bool NamenbestandKiezen(AdmMain& adm, const std::string& map, const std::string& pad)
{
    adm.LaatsteMap = map;
    if (pad.empty())
        return false;
    NamenbestandControleren(pad);
    adm.ImportBestand = pad;
    adm.DialoogModus = DialoogImportNamenbestand;
    return true;
}

std::string NamenBestandLadenActiveren(AdmMain& adm)
{
    adm.DialoogAntwoord = AntwoordGeannuleerd;
    std::error_code fout;
    if (!adm.LaatsteMap.empty() && std::filesystem::is_directory(adm.LaatsteMap, fout))
        return adm.LaatsteMap;
    return HuidigeMap();
}

#include "core/Openen.h"

#include "core/Cijferbestand.h"
#include "core/Instellingen.h"
#include "core/Pad.h"

#include <cerrno>
#include <filesystem>
#include <cstdio>
#include <memory>

namespace {

bool IsMap(const std::string& map)
{
    std::error_code fout;
    return !map.empty() && std::filesystem::is_directory(map, fout);
}

// Loads into a copy so that a failing file leaves the data set as it was.
void Laden(AdmMain& adm, const std::string& pad, int versie, Laadherstel herstel)
{
    auto kopie = std::make_unique<AdmMain>(adm);
    if (versie == 2)
        CijferbestandLaden(*kopie, pad, herstel);
    else
        OudCijferbestandLaden(*kopie, pad, herstel);
    adm = std::move(*kopie);
}

}  // namespace

std::string Foutomschrijving(const Bestandsfout& fout)
{
    return fout.code() == FoutVerkeerdBestand ? std::string(VerkeerdBestandsformaat) : std::string(fout.what());
}

std::string Dialoogmelding(const std::string& omschrijving) { return "\n" + omschrijving + "   "; }

std::string BestandLadenTitel(int modus)
{
    switch (modus) {
    case DialoogOpenen: return "Cijferbestand openen";
    case DialoogImportLeerlingen: return "Leerling(en) importeren uit ander Cijferbestand";
    case DialoogImportRapporten: return "Rapportcijfers importeren uit ander Cijferbestand";
    default: return "";
    }
}

std::string BestandLadenActiveren(AdmMain& adm)
{
    adm.DialoogAntwoord = AntwoordGeannuleerd;
    try {
        InstellingenMappenLezen(adm, adm.StartMap);
    } catch (const Bestandsfout&) {
        return HuidigeMap();
    }
    return IsMap(adm.LaatsteMap) ? adm.LaatsteMap : HuidigeMap();
}

Openuitkomst BestandOpenen(AdmMain& adm, const std::string& map, const std::string& pad, Laadherstel herstel)
{
    adm.LaatsteMap = map;
    if (pad.empty())
        return {};

    const int modus = adm.DialoogModus;
    const auto fout = [&](std::string omschrijving) {
        adm.DialoogAntwoord = AntwoordGeannuleerd;
        return Openuitkomst{Openstap::Fout, std::move(omschrijving)};
    };

    const int versie = CijferbestandVersie(pad);
    if (versie == 0) {
        // Say why when the file cannot even be read, else it is of another kind.
        std::error_code ec;
        if (std::filesystem::is_directory(pad, ec))
            return fout(Systeemfouttekst(EISDIR) + ": " + pad);
        std::FILE* f = std::fopen(pad.c_str(), "rb");
        if (!f)
            return fout(Systeemfouttekst(errno) + ": " + pad);
        std::fclose(f);
        return fout(VerkeerdBestandsformaat);
    }

    if (modus == DialoogOpenen) {
        try {
            Laden(adm, pad, versie, herstel);
        } catch (const Bestandsfout& f) {
            return fout(Foutomschrijving(f));
        }
        adm.Bestandsnaam = pad;
        // The file is open; a failure loses only the folder to start in next
        // time, which quitting writes again.
        InstellingenBewarenAlsHetKan(adm, adm.StartMap);
        adm.DialoogAntwoord = AntwoordGereed;
        return {Openstap::Klaar, {}};
    }
    if (modus == DialoogImportLeerlingen || modus == DialoogImportRapporten) {
        if (versie != 2)
            return fout(VerkeerdBestandsformaat);
        adm.ImportBestand = pad;
        return {Openstap::Importeren, {}};
    }
    adm.DialoogAntwoord = AntwoordGereed;
    return {Openstap::Klaar, {}};
}

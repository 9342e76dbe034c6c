#include "names/Namenvensters.h"

#include "names/frmLeerlingUitVlk.h"
#include "names/frmLeerlingVerwijderen.h"
#include "names/frmNamenBestandLaden.h"
#include "names/frmZoeken.h"
#include "platform/Venster.h"

namespace {

Leerlingvensters::Import Importeren(Dialoog& opener)
{
    frmLeerlingUitVlk import(opener.adm, opener.omgeving, &opener);
    if (import.Leesfout())
        return {import.Leesfout(), false};
    // The opener's activation after the import window resets DialoogAntwoord:
    // the import's own answer is its modal result.
    return {std::nullopt, opener.Modaal(import) != AntwoordGeannuleerd};
}

}  // namespace

const Leerlingvensters Namenvensters{
    Importeren,
    ModaalTonen<frmZoeken>,
    ModaalTonen<frmLeerlingVerwijderen>,
    ModaalTonen<frmNamenBestandLaden>,
};

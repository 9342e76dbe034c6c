#include "core/Kolomkeuze.h"

#include "core/Getallen.h"

#include <cmath>

Kolomkeuze BeginKolomkeuze(const AdmMain& adm)
{
    Kolomkeuze k;
    if (IsTrimester(adm.Scherm))
        k.trimester = adm.Scherm;
    if (adm.Niveau >= 1 && adm.Niveau <= 2)
        k.niveau = adm.Niveau;
    const int kolom = KolomInTrimester(k.trimester, adm.HuidigeKolom);
    if (kolom >= 1 && kolom <= KolommenPerTrimester)
        k.kolom = kolom;
    return k;
}

Kolomvastlegging KolomVastleggen(std::string tekst, int vorige)
{
    const double x = TekstNaarGetal(tekst);
    if (x >= 1 && x <= KolommenPerTrimester)
        return {static_cast<int>(std::nearbyint(x)), false};  // the default rounding: halves to even
    return {vorige, true};
}

std::string KolomTekst(int kolom) { return std::to_string(kolom); }

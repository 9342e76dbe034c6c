#include "columntools/Kolombewerking.h"

#include "core/Sorteren.h"
#include "termsheet/Cijferverwerking.h"

#include <string>

namespace {

// The three header texts of a column, in the order they are handled.
constexpr Veld<Tekst<39>, KolBereik, NivBereik> AdmMain::* Kopvelden[] = {
    &AdmMain::KolomSoort, &AdmMain::KolomDatum, &AdmMain::KolomOpmerking};

// The weight and the 36 grades of one column written into another, from
// texts read before anything was written.
struct Kolominhoud {
    std::string gewicht;
    std::string cijfers[AantalLeerlingen + 1];
};

Kolominhoud Lees(const AdmMain& adm, const Kolomkeuze& k)
{
    Kolominhoud i;
    const int c = k.Absoluut();
    i.gewicht = adm.KolomGewicht(c, k.niveau).str();
    for (int p = 1; p <= AantalLeerlingen; ++p)
        i.cijfers[p] = adm.Cijfer(p, c, k.niveau).str();
    return i;
}

int SchrijfGewicht(AdmMain& adm, std::string tekst, const Kolomkeuze& naar)
{
    return VerwerkGewicht(adm, tekst, naar.Absoluut(), naar.trimester, naar.niveau).geweigerd ? 1 : 0;
}

int SchrijfCijfer(AdmMain& adm, std::string tekst, int p, const Kolomkeuze& naar)
{
    return VerwerkCijfer(adm, tekst, p, naar.Absoluut(), naar.trimester, naar.niveau).geweigerd ? 1 : 0;
}

}  // namespace

int KolomKopieren(AdmMain& adm, const Kolomkeuze& van, const Kolomkeuze& naar)
{
    const int k1 = van.Absoluut(), k2 = naar.Absoluut();
    for (auto veld : Kopvelden)
        (adm.*veld)(k2, naar.niveau) = (adm.*veld)(k1, van.niveau);
    const Kolominhoud bron = Lees(adm, van);
    int geweigerd = SchrijfGewicht(adm, bron.gewicht, naar);
    for (int p = 1; p <= AantalLeerlingen; ++p)
        geweigerd += SchrijfCijfer(adm, bron.cijfers[p], p, naar);
    adm.Gewijzigd = 1;
    return geweigerd;
}

int KolommenVerwisselen(AdmMain& adm, const Kolomkeuze& a, const Kolomkeuze& b)
{
    const int k1 = a.Absoluut(), k2 = b.Absoluut();
    for (auto veld : Kopvelden)
        WisselTekst((adm.*veld)(k1, a.niveau), (adm.*veld)(k2, b.niveau));
    const Kolominhoud inA = Lees(adm, a);
    const Kolominhoud inB = Lees(adm, b);
    int geweigerd = SchrijfGewicht(adm, inA.gewicht, b);
    geweigerd += SchrijfGewicht(adm, inB.gewicht, a);
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        geweigerd += SchrijfCijfer(adm, inA.cijfers[p], p, b);
        geweigerd += SchrijfCijfer(adm, inB.cijfers[p], p, a);
    }
    adm.Gewijzigd = 1;
    return geweigerd;
}

int KolomWissen(AdmMain& adm, const Kolomkeuze& kolom)
{
    const int k = kolom.Absoluut();
    for (auto veld : Kopvelden)
        (adm.*veld)(k, kolom.niveau) = Tekst<39>();
    int geweigerd = SchrijfGewicht(adm, "   ", kolom);
    for (int p = 1; p <= AantalLeerlingen; ++p)
        geweigerd += SchrijfCijfer(adm, "   ", p, kolom);
    adm.Gewijzigd = 1;
    return geweigerd;
}

#include "columntools/Kolomnormering.h"

#include "core/Getallen.h"
#include "termsheet/Cijferverwerking.h"

#include <string>

namespace {

bool ZonderGemiddelde(const AdmMain& adm, const Kolomkeuze& k) { return adm.KlGemTxt(k.Absoluut(), k.niveau).leeg(); }

std::string Uiterste(AdmMain& adm, const Kolomkeuze& keuze, bool laagste)
{
    if (ZonderGemiddelde(adm, keuze))
        return "   ";
    double m = laagste ? 1000 : 0;
    for (int p = 1; p <= AantalLeerlingen; ++p)
        if (CelGevuld(adm, p, keuze.Absoluut(), keuze.niveau)) {
            const double x = CelLezen(adm, p, keuze.Absoluut(), keuze.niveau);
            if (laagste ? x < m : x > m)
                m = x;
        }
    return GemiddeldeNaarTekst(m, true);
}

}  // namespace

bool CelGevuld(const AdmMain& adm, int p, int c, int n) { return adm.Cijfer(p, c, n) != "   "; }

double CelLezen(AdmMain& adm, int p, int c, int n)
{
    std::string tekst = adm.Cijfer(p, c, n).str();
    const double x = TekstNaarGetal(tekst);
    adm.Cijfer(p, c, n) = tekst;
    return x;
}

std::string LaagsteScore(AdmMain& adm, const Kolomkeuze& keuze) { return Uiterste(adm, keuze, true); }

std::string HoogsteScore(AdmMain& adm, const Kolomkeuze& keuze) { return Uiterste(adm, keuze, false); }

std::string PercentageOnvoldoende(AdmMain& adm, const Kolomkeuze& keuze, const std::string& cesuurtekst,
                                  Cesuursoort soort)
{
    if (ZonderGemiddelde(adm, keuze) || IsLeeg(cesuurtekst))
        return "   ";
    std::string t = cesuurtekst;
    const double cesuur = TekstNaarGetal(t);
    int gevuld = 0;
    int onvoldoende = 0;
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        if (!CelGevuld(adm, p, keuze.Absoluut(), keuze.niveau))
            continue;
        const double x = CelLezen(adm, p, keuze.Absoluut(), keuze.niveau);
        ++gevuld;
        if (soort == Cesuursoort::Fouten ? x > cesuur : x < cesuur)
            ++onvoldoende;
    }
    if (gevuld == 0)
        return "   ";  // an average without grades: no share to give
    double procent = 100.0 * onvoldoende / gevuld;
    return CijferNaarTekst(procent);
}

void KolomNormeren(AdmMain& adm, const Kolomkeuze& keuze, const Curvepunten& k)
{
    const int c = keuze.Absoluut();
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        if (!CelGevuld(adm, p, c, keuze.niveau))
            continue;
        const double x = CelLezen(adm, p, c, keuze.niveau);
        double g = CijferBijScore(x, k.X1, k.X2, k.X3, k.X4, k.Y1, k.Y2, k.Y3, k.Y4);
        std::string tekst = CijferNaarTekst(g);
        VerwerkCijfer(adm, tekst, p, c, keuze.trimester, keuze.niveau);
    }
    adm.Gewijzigd = 1;
}

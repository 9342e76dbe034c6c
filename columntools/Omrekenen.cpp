#include "columntools/Omrekenen.h"

#include "core/Formule.h"
#include "core/Fout.h"
#include "core/Getallen.h"
#include "core/Tekst.h"
#include "termsheet/Cijferverwerking.h"

namespace {

// The run-time error descriptions of the evaluation; a formula that cannot
// be read keeps the words of its own message.
const char* Omschrijving(int code)
{
    switch (code) {
    case FormuleDelingDoorNul:
    case FormuleOverloop:
    case FormuleOngeldigeMacht: return Fouttekst(code);
    case FormuleTeLang: return Fouttekst(FoutBuitenBereik);  // the evaluator's tables are full
    default: return "Illegal expression";
    }
}

bool Onleesbaar(int code)
{
    return code != FormuleDelingDoorNul && code != FormuleOverloop && code != FormuleOngeldigeMacht &&
           code != FormuleTeLang;
}

}  // namespace

int FormuleIndex(int vanNiveau, int naarNiveau)
{
    if (vanNiveau == 1 && naarNiveau == 2)
        return 1;
    if (vanNiveau == 2 && naarNiveau == 1)
        return 2;
    return 0;
}

std::string Foutmeldingtekst(const Formulefout& fout)
{
    return "Foutmelding:\n\n" + fout.omschrijving + (fout.onleesbaar ? "" : "   ");
}

std::optional<Formulefout> FormuleFout(std::string formule, double c, double& resultaat)
{
    int positie = 0, code = 0;
    FormuleBerekenen(formule, resultaat, positie, code, 0, c);
    if (code < 1)
        return std::nullopt;
    return Formulefout{code, Onleesbaar(code), Omschrijving(code)};
}

std::optional<Formulefout> FormuleControleren(const std::string& formule)
{
    double r = 0;
    return FormuleFout(formule, 1.0, r);
}

void FormuleBewaren(AdmMain& adm, int index, const std::string& formule)
{
    std::string& opgeslagen = adm.Omrekenformule.at(static_cast<std::size_t>(index));
    const std::string nieuw(ZonderStaart(formule));
    if (nieuw != ZonderStaart(opgeslagen))
        adm.Gewijzigd = 1;
    opgeslagen = nieuw;
}

Omrekenuitkomst KolomOmrekenen(AdmMain& adm, const std::string& formule, const Kolomkeuze& van,
                               const Kolomkeuze& naar)
{
    Omrekenuitkomst uit;
    const int k1 = van.Absoluut(), k2 = naar.Absoluut();
    double r = 0;

    // Every value the formula will meet, before anything is written.
    for (int i = 0; i <= 100; ++i)
        if ((uit.fout = FormuleFout(formule, static_cast<double>(i) * 0.1, r)))
            return uit;
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        std::string tekst = adm.Cijfer(p, k1, van.niveau).str();
        if (tekst == "   ")
            continue;
        if ((uit.fout = FormuleFout(formule, TekstNaarGetal(tekst), r)))
            return uit;
    }

    for (int p = 1; p <= AantalLeerlingen; ++p) {
        std::string tekst = adm.Cijfer(p, k1, van.niveau).str();
        if (tekst == "   ")
            continue;
        const double c = TekstNaarGetal(tekst);
        adm.Cijfer(p, k1, van.niveau) = tekst;
        FormuleFout(formule, c, r);
        std::string cijfer = CijferNaarTekst(r);
        if (VerwerkCijfer(adm, cijfer, p, k2, naar.trimester, naar.niveau).geweigerd)
            ++uit.geweigerd;
    }
    adm.Gewijzigd = 1;
    return uit;
}

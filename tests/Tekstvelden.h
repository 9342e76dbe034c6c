#pragma once
// For the plain tests: every text field of the data set looked at once, for
// the bytes no text of it may hold.

#include "core/AdmMain.h"

#include <string>
#include <string_view>

namespace tekstvelden {

// A byte below the blank or DEL.
inline bool HeeftStuurteken(std::string_view t)
{
    for (const char c : t)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F')
            return true;
    return false;
}

template <class V>
bool Ergens(const V& veld)
{
    for (const auto& t : veld)
        if (HeeftStuurteken(t))
            return true;
    return false;
}

}  // namespace tekstvelden

// The name of the first text field of the data set that holds a control
// byte; empty when none does.
inline std::string VeldMetStuurteken(const AdmMain& a)
{
    using tekstvelden::Ergens;
    using tekstvelden::HeeftStuurteken;
#define TEKST(f) \
    if (HeeftStuurteken(a.f)) \
        return #f;
#define VELD(f) \
    if (Ergens(a.f)) \
        return #f;
    TEKST(School) TEKST(Cursus) TEKST(Klas) TEKST(Vak) TEKST(Deelvak) VELD(NiveauNaam) TEKST(Docent)
    TEKST(DocentPersNr) TEKST(DocentCode) TEKST(KlasMentor) TEKST(MentorPersNr)
    VELD(Achternaam) VELD(Roepnaam) VELD(Adres) VELD(Postcode) VELD(Woonplaats) VELD(Telefoon)
    VELD(LeerlingPersNr) VELD(Geslacht) VELD(Basisgroep) VELD(Kenmerk) VELD(Mentor)
    VELD(Cijfer) VELD(KolomSoort) VELD(KolomDatum) VELD(KolomOpmerking) VELD(KolomGewicht)
    VELD(KlGemTxt) VELD(KlSprTxt) VELD(Omrekenformule) VELD(TrimGewichtTekst)
    VELD(TrGemTxt) VELD(JrGemTxt) VELD(EindGemTxt) VELD(KlTrGemTxt) VELD(KlTrSprTxt)
    VELD(KlJrGemTxt) VELD(KlJrSprTxt) VELD(KlEindGemTxt) VELD(KlEindSprTxt)
    VELD(RapportTxt) VELD(RpGemTxt) VELD(RpSprTxt)
#undef TEKST
#undef VELD
    return {};
}

#pragma once
// A year card for the tests: pupil 7 with grades in every column of both
// levels, averages, reports, term weights and class term averages written
// straight into the data set (as the grade processing would leave them).

#include "core/AdmMain.h"
#include "termsheet/AfdrukVoorbeeld.h"

#include <string>

namespace jaarvoorbeeld {

inline constexpr int Leerling = 7;

// A grade text that differs by column and level: "4.1", "10", "7"...
inline std::string Cijfer(int c, int niveau)
{
    const int tienden = 30 + (c * 13 + niveau * 29) % 71;
    if (tienden % 10 == 0)
        return std::to_string(tienden / 10);
    return std::to_string(tienden / 10) + "." + std::to_string(tienden % 10);
}

// A weight text by column and level: "1", "2", "0.5", "3" or none.
inline std::string Gewicht(int c, int niveau)
{
    static const char* const w[] = {"1", "2", "0.5", "3", ""};
    return w[(c + niveau) % 5];
}

// The class of the printed lists (pupil 7 is Thijs de Graaf, pupil 8 Emma
// Hendriks), pupil 7's card filled in full.
inline void Vul(AdmMain& adm)
{
    voorbeeld::VulKlas(adm);
    const int p = Leerling;
    adm.Adres(p) = "Lindelaan 12";
    adm.Postcode(p) = "1234 AB";
    adm.Woonplaats(p) = "Zwolle";
    adm.Telefoon(p) = "038-4567890";
    adm.Mentor(p) = "HEU";

    for (int n = 1; n <= 2; ++n) {
        for (int c = 1; c <= AantalKolommen; ++c) {
            adm.KolomGewicht(c, n) = Gewicht(c, n);
            adm.Cijfer(p, c, n) = Gewicht(c, n).empty() ? "" : Cijfer(c, n);
        }
        const char* trgem[2][3] = {{"6.45", "5.49", "7.2"}, {"8.1", "5.5", "4.83"}};
        const char* kltrgem[2][3] = {{"6.71", "6.02", "6.9"}, {"7.05", "6.33", "5.95"}};
        const char* trgew[2][3] = {{"1", "2", "3"}, {"2", "2", "1"}};
        const char* rapport[2][4] = {{"6", "5.4", "7", "6"}, {"8", "5.5", "5", "7"}};
        for (int t = 1; t <= 3; ++t) {
            adm.TrGemTxt(p, t, n) = trgem[n - 1][t - 1];
            adm.KlTrGemTxt(t, n) = kltrgem[n - 1][t - 1];
            adm.TrimGewichtTekst(t, n) = trgew[n - 1][t - 1];
        }
        for (int r = 1; r <= 4; ++r)
            adm.RapportTxt(p, r, n) = rapport[n - 1][r - 1];
        adm.EindGemTxt(p, n) = n == 1 ? "6.33" : "6.01";
        adm.JrGemTxt(p, n) = n == 1 ? "6.28" : "6.4";
    }
    adm.HuidigeRij = p;
}

}  // namespace jaarvoorbeeld

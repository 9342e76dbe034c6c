#pragma once
// The class of the print tests (termsheet/AfdrukVoorbeeld.h) with what the
// report list shows: personnel numbers, term weights, term, year and end
// averages, report grades and every class statistic, at both levels,
// written straight into the data set as the report calculation leaves them.

#include "reports/Rapportberekening.h"
#include "termsheet/AfdrukVoorbeeld.h"
#include "termsheet/Cijferverwerking.h"

#include <string>

namespace voorbeeld {

// "d.dd" from hundredths.
inline std::string Gemtekst(int honderdsten)
{
    const std::string c = std::to_string(100 + honderdsten % 100);
    return std::to_string(honderdsten / 100) + "." + c.substr(1);
}

inline void VulRapporten(AdmMain& adm)
{
    for (int l = 1; l <= 2; ++l) {
        const char* gewicht[3] = {"1", "1.5", "2"};
        for (int t = 1; t <= 3; ++t) {
            adm.TrimGewichtTekst(t, l) = l == 1 ? gewicht[t - 1] : "1";
            adm.KlTrGemTxt(t, l) = Gemtekst(600 + 10 * t + l);
            adm.KlTrSprTxt(t, l) = Gemtekst(100 + 10 * t + l);
        }
        adm.KlEindGemTxt(l) = Gemtekst(640 + l);
        adm.KlEindSprTxt(l) = Gemtekst(140 + l);
        adm.KlJrGemTxt(l) = Gemtekst(650 + l);
        adm.KlJrSprTxt(l) = Gemtekst(150 + l);
        for (int k = 1; k <= 4; ++k) {
            adm.RpGemTxt(k, l) = Gemtekst(660 + 10 * k + l).substr(0, 3);
            adm.RpSprTxt(k, l) = Gemtekst(100 + 10 * k + l).substr(0, 3);
        }
    }
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        if (LeegLeerling(adm, p) || adm.Achternaam(p)[0] == '*' || adm.Achternaam(p)[0] == '.')
            continue;
        adm.LeerlingPersNr(p) = std::to_string(104000 + p);
        for (int l = 1; l <= 2; ++l) {
            const int basis = l == 1 ? 500 + (p * 37) % 400 : 300 + p;
            for (int t = 1; t <= 3; ++t)
                adm.TrGemTxt(p, t, l) = Gemtekst(basis + 10 * t);
            adm.EindGemTxt(p, l) = Gemtekst(basis + 25);
            adm.JrGemTxt(p, l) = Gemtekst(basis + 27);
            for (int k = 1; k <= 4; ++k)
                adm.RapportTxt(p, k, l) = Pas(Cijfertekst((basis + 10 * k) / 10 % 100), 3);
        }
    }
    // Pupil 5 has no report for term 3 yet.
    adm.RapportTxt(5, 3, 1) = "   ";
}

// The names of the print class (slot 9 "*", 14 ".", 20 empty, 31..36
// empty) with grades, weights and term weights entered through the grade
// processing, so that every average, report and statistic is as the
// program computes it: four weighted columns a term at both levels, some
// grades missing, term weights 1, 1, 2 at level 1 and 1, 1, 1 at level 2.
inline void VulBerekend(AdmMain& adm)
{
    AdmMain namen;
    VulKlas(namen);
    NieuwCijferbestand(adm);
    adm.School = namen.School;
    adm.Cursus = namen.Cursus;
    adm.Docent = namen.Docent;
    adm.Klas = namen.Klas;
    adm.Vak = namen.Vak;
    adm.Deelvak = namen.Deelvak;
    adm.KlasMentor = namen.KlasMentor;
    for (int l = 1; l <= 2; ++l)
        adm.NiveauNaam(l) = namen.NiveauNaam(l);
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        adm.Achternaam(p) = namen.Achternaam(p);
        adm.Roepnaam(p) = namen.Roepnaam(p);
        adm.Mentor(p) = namen.Mentor(p);
        if (!LeegLeerling(adm, p))
            adm.LeerlingPersNr(p) = std::to_string(104000 + p);
    }
    const char* gewichten[4] = {"1", "2", "1", "3"};
    for (int l = 1; l <= 2; ++l) {
        for (int t = 1; t <= 3; ++t) {
            for (int k = 1; k <= 4; ++k) {
                std::string g = gewichten[k - 1];
                VerwerkGewicht(adm, g, AbsoluteKolom(t, k), t, l);
            }
            for (int p = 1; p <= 30; ++p) {
                if (LeegLeerling(adm, p) || adm.Achternaam(p)[0] == '*' || adm.Achternaam(p)[0] == '.')
                    continue;
                for (int k = 1; k <= 4; ++k) {
                    if ((p + k + t + l) % 13 == 0)
                        continue;  // missed that test
                    std::string c = Cijfertekst(30 + (p * 17 + k * 23 + t * 7 + l * 11) % 71);
                    VerwerkCijfer(adm, c, p, AbsoluteKolom(t, k), t, l);
                }
            }
        }
        const char* termijn[3] = {"1", "1", l == 1 ? "2" : "1"};
        for (int t = 1; t <= 3; ++t) {
            std::string w = termijn[t - 1];
            VerwerkTrimGewicht(adm, w, t, l);
        }
    }
    adm.Gewijzigd = 0;
}

}  // namespace voorbeeld

#pragma once
// A filled grade book for the print tests: a class of pupils with grades,
// column headers, weights, averages and class statistics written straight
// into the data set (as the grade processing would leave them).

#include "core/AdmMain.h"
#include "core/Cp1252.h"

#include <string>

namespace voorbeeld {

// A grade text from tenths: 65 -> "6.5", 70 -> "7", 100 -> "10".
inline std::string Cijfertekst(int tienden)
{
    if (tienden % 10 == 0)
        return std::to_string(tienden / 10);
    return std::to_string(tienden / 10) + "." + std::to_string(tienden % 10);
}

// Slots 1..30 hold pupils, except slot 9 ("*", left the class), slot 14
// (".", hidden) and slot 20 (empty): 28 printed lines.
inline void VulKlas(AdmMain& adm)
{
    NieuwCijferbestand(adm);
    adm.School = "Scholengemeenschap Het Baken";
    adm.Cursus = "2024-2025";
    adm.Docent = "J.P. de Vries";
    adm.Klas = "4H2   ";
    adm.Vak = "WISK  ";
    adm.Deelvak = "A     ";
    adm.NiveauNaam(1) = "HAVO";
    adm.NiveauNaam(2) = "VWO";
    adm.KlasMentor = "Marieke van den Heuvel-Jansen";

    const char* achternamen[30] = {
        "Bakker",          "Bos",           "Çelik",         "Dekker",      "Dijkstra-Ölmez", "El Amrani",
        "de Graaf",        "Hendriks",      "*Vertrokken",   "Jansen",      "de Jong",        "Kok",
        "Koster",          ".Verborgen",    "van Leeuwen",   "Meijer",      "Mulder",         "Peters",
        "Postma",          "",              "Scholten",      "Smit",        "Timmermans",     "Verhoeven",
        "Visser",          "de Vries",      "van der Wal",   "Willems",     "van Wijngaarden-Oosterhuis", "Yilmaz",
    };
    const char* roepnamen[30] = {
        "Sanne", "Daan", "Elif", "Lotte", "Noor", "Yasmine", "Thijs", "Emma", "", "Lucas",
        "Julia", "Sem", "Tess", "", "Finn", "Eva", "Bram", "Zoë", "Ruben", "",
        "Fleur", "Jesse", "Lieke", "Milan", "Iris", "Luuk", "Anouk", "Stijn", "Maximiliaan-Alexander", "Mehmet",
    };
    const char* mentoren[3] = {"HEU", "DVR", "KOK"};
    for (int p = 1; p <= 30; ++p) {
        adm.Achternaam(p) = Utf8NaarCp1252(achternamen[p - 1]);
        adm.Roepnaam(p) = Utf8NaarCp1252(roepnamen[p - 1]);
        if (!LeegLeerling(adm, p))
            adm.Mentor(p) = mentoren[p % 3];
    }

    // Term 1, level 1: nine columns with headers, weights and grades.
    const char* soort[9] = {"Proefwerk H1", "SO", "PO", "Proefwerk H2", "SO", "Toets", "SO", "PO", "Herkansing"};
    const char* datum[9] = {"12-09", "26-09", "3 oktober", "17-10", "31-10", "7 nov", "14-11", "28-11", "5-12"};
    const char* opmerking[9] = {"Hoofdstuk 1 lineaire verbanden", "", "Praktische opdracht", "", "",
                                "Kansrekening", "", "Grafieken", "Alleen voor onvoldoendes"};
    const char* gewicht[9] = {"3", "1", "2", "3", "1", "0.5", "1", "2", "3"};
    for (int k = 1; k <= 9; ++k) {
        const int a = AbsoluteKolom(1, k);
        adm.KolomSoort(a, 1) = soort[k - 1];
        adm.KolomDatum(a, 1) = datum[k - 1];
        adm.KolomOpmerking(a, 1) = opmerking[k - 1];
        adm.KolomGewicht(a, 1) = gewicht[k - 1];
        adm.KlGemTxt(a, 1) = k == 6 ? "10.0" : "6." + std::to_string(10 + 7 * k);
        adm.KlSprTxt(a, 1) = "1." + std::to_string(20 + 3 * k);
    }
    for (int p = 1; p <= 30; ++p) {
        if (LeegLeerling(adm, p) || adm.Achternaam(p)[0] == '*' || adm.Achternaam(p)[0] == '.')
            continue;
        for (int k = 1; k <= 8; ++k) {
            if ((p + k) % 11 == 0)
                continue;  // missed that test
            adm.Cijfer(p, AbsoluteKolom(1, k), 1) = Cijfertekst(30 + (p * 17 + k * 23) % 71);
        }
        adm.TrGemTxt(p, 1, 1) = "6." + std::to_string(10 + (p * 13) % 90);
    }
    adm.KlTrGemTxt(1, 1) = "6.53";
    adm.KlTrSprTxt(1, 1) = "0.94";
}

// All 36 slots hold pupils.
inline void VulVolleKlas(AdmMain& adm)
{
    VulKlas(adm);
    adm.Achternaam(9) = "Ismaili";
    adm.Roepnaam(9) = "Sara";
    adm.Achternaam(14) = "Kramer";
    adm.Roepnaam(14) = "Nina";
    adm.Achternaam(20) = "Schouten";
    adm.Roepnaam(20) = "Tim";
    const char* extra[6] = {"Zwart", "Brouwer", "Vos", "Kuipers", "Jacobs", "Vermeulen"};
    for (int p = 31; p <= 36; ++p) {
        adm.Achternaam(p) = extra[p - 31];
        adm.Roepnaam(p) = "Kim";
        adm.Cijfer(p, 1, 1) = "7.5";
    }
}

}  // namespace voorbeeld

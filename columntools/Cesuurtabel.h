#pragma once
// The cut-off table: the grade of every count from the smaller end count to
// the larger, in a step that suits the range, read off the curve that the
// window which opened it holds; and its printed page.

#include "columntools/Cesuurknoppen.h"
#include "core/Pagina.h"

#include <string>
#include <vector>

// CesuurTabelBron: which window opened the table.
enum CesuurTabelBronCode : int {
    BronKolomNormScores = 1,
    BronCesuurScore = 2,
    BronKolomNormFouten = 3,
    BronCesuurFouten = 4,
};

// Sources 3 and 4 count errors, 1 and 2 scores.
inline bool Foutenbron(int bron) { return bron == BronKolomNormFouten || bron == BronCesuurFouten; }

struct Cesuurtabel {
    bool fouten = false;
    double stap = 1;
    int AantalStappen = 0;                // rows 0..AantalStappen
    std::vector<std::string> ScoreTekst;  // the count of each row, 5 characters
    std::vector<std::string> CijferTekst; // its grade, 3 characters
};

// The list heading: "Score    Cijfer" or "Fouten   Cijfer".
std::string Tabelkop(bool fouten);

// The rows for the curve of the source window.
Cesuurtabel MaakCesuurtabel(bool fouten, const Cesuurknoppen& bron);

// The list's rows: a marker (" Cesuur   " within half a count of the
// cut-off count, " -------- " within half a count of a bend point, else ten
// blanks), the count, "-  " and the grade.
std::vector<std::string> Tabelregels(const Cesuurtabel& tabel, const Cesuurknoppen& bron);

// The printed table on one page: the rows in five columns of 40 lines (the
// 201st row alone under the fifth), boxed under the title, and below the box
// the curve's two ends and its cut-off.
Paginamodel PrintTabel(const Cesuurtabel& tabel, const Cesuurknoppen& bron, const Papier& papier,
                       const Datum& datum);

#pragma once
// The conversion table: what a formula makes of every grade from 0 to 10
// in steps of 0.1 (101 rows), on screen and printed.

#include "columntools/Omrekenen.h"
#include "core/Pagina.h"

#include <array>
#include <optional>
#include <string>

inline constexpr int AantalStappen = 100;

struct Omrekentabel {
    // Row i: the input c = 0.1 i as a grade text of 4 characters, and the
    // formula's result as a grade text of 3 (blank outside 0..200).
    std::array<std::string, AantalStappen + 1> score;
    std::array<std::string, AantalStappen + 1> cijfer;
    // Set when the formula cannot be read or fails for some row: no table.
    std::optional<Formulefout> fout;
};

Omrekentabel OmrekentabelMaken(const std::string& formule);

// Row i as the window shows it: a blank, the input, "-  " and the result.
std::string Tabelregel(const Omrekentabel& tabel, int i);

// The printed table: one page, a ruled box 67 characters wide headed
// " OMREKENTABEL", 21 rows of five columns (rows 0..19, 20..39 ... 80..99,
// and row 100 alone under the fifth column).
Paginamodel AfdrukOmrekentabel(const Omrekentabel& tabel, const Datum& datum, const Papier& papier);

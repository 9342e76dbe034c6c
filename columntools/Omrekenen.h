#pragma once
// Converting a grade column by a formula in c into another column (or the
// same one), with the three stored formulas (Omrekenformule): 0 within one
// level, 1 from level 1 to level 2, 2 from level 2 to level 1.
//
// A formula is checked before anything is written: one that cannot be read,
// or that fails for any value it will be given (every c from 0 to 10 in
// steps of 0.1 and every filled source grade), writes nothing and says why.

#include "core/AdmMain.h"
#include "core/Kolomkeuze.h"

#include <optional>
#include <string>

// The stored formula that belongs to a pair of levels.
int FormuleIndex(int vanNiveau, int naarNiveau);

// Why a formula failed: a formula that cannot be read ("Illegal
// expression"), or a run-time error of the evaluation with its description
// ("Deling door nul", "Overloop" ...).
struct Formulefout {
    int code;  // the evaluator's error code
    bool onleesbaar;
    std::string omschrijving;
};

// The message the window shows for it: "Foutmelding:", two line feeds and
// "Illegal expression", or the description and three blanks.
std::string Foutmeldingtekst(const Formulefout& fout);

// Evaluates the formula for c; the error when it fails.
std::optional<Formulefout> FormuleFout(std::string formule, double c, double& resultaat);

// The check of the formula box: the formula evaluated at c = 1.
std::optional<Formulefout> FormuleControleren(const std::string& formule);

// Stores a checked formula for the pair of levels, right-trimmed (also a
// padded one that was stored before). It counts as a change (Gewijzigd := 1)
// only when it differs from the stored formula other than in trailing blanks.
void FormuleBewaren(AdmMain& adm, int index, const std::string& formule);

struct Omrekenuitkomst {
    std::optional<Formulefout> fout;  // nothing was written
    int geweigerd = 0;                // texts VerwerkCijfer refused (a beep each)
};

// Converts every filled grade of `van` by the formula into `naar` through
// VerwerkCijfer: a result outside 0..200 empties the target cell; target
// cells of empty source cells keep what they hold. A source cell that holds
// a decimal comma gets it back as a point. Source and target may be the
// same column. Gewijzigd := 1 after a conversion, also of an empty column.
Omrekenuitkomst KolomOmrekenen(AdmMain& adm, const std::string& formule, const Kolomkeuze& van,
                               const Kolomkeuze& naar);

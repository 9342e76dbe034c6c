#pragma once
// Norming one grade column along a cut-off curve: the column's cells hold
// the raw counts of a test (error counts or scores, typed as grades) and
// become the grades the curve gives them. Also the preview the norming
// windows show of the chosen column.

#include "columntools/Cesuurcurve.h"
#include "core/AdmMain.h"
#include "core/Kolomkeuze.h"

#include <string>

// A cell is filled when its text is not three blanks. Reading it gives its
// leading number (0 for a text without one) and stores its text back with
// every comma turned into a point; nothing else changes.
bool CelGevuld(const AdmMain& adm, int p, int c, int n);
double CelLezen(AdmMain& adm, int p, int c, int n);

// The smallest and largest value in the column as an average text; three
// blanks when the column has no class average (no grade).
std::string LaagsteScore(AdmMain& adm, const Kolomkeuze& keuze);
std::string HoogsteScore(AdmMain& adm, const Kolomkeuze& keuze);

// The share of insufficient values as a grade text: more errors than the
// cut-off count, or a score below it (a value at the cut-off is
// sufficient). Three blanks without a class average, without a cut-off
// count, or without a filled cell.
std::string PercentageOnvoldoende(AdmMain& adm, const Kolomkeuze& keuze, const std::string& cesuurtekst,
                                  Cesuursoort soort);

// Every filled cell of the column becomes the curve's grade for its value,
// through VerwerkCijfer, so that every average follows; empty cells stay
// empty. Gewijzigd becomes 1, also when no cell was filled.
void KolomNormeren(AdmMain& adm, const Kolomkeuze& keuze, const Curvepunten& curve);

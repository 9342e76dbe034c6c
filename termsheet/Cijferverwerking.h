#pragma once
// The two entry points through which every grade and every column weight is
// written. Each keeps at once everything that depends on it consistent: the
// column's count, mean and spread, the pupil's weighted term and year
// averages with their weight sums, the class statistics of those averages,
// the pupil's reports from the term on and the end report, and the end
// average. They work on the data set only: no redraw, no Gewijzigd; they say
// whether they refused the text and whether what is stored changed, and a
// box's commit sets Gewijzigd from that (Vastgelegd, core/Verwerking.h).

#include "core/AdmMain.h"
#include "core/Verwerking.h"

#include <string>

// One grade of pupil p (1..36) in absolute column c (1..48) of term t (the
// term that holds c, TrimesterVan(c); a column outside 1..48 or a term
// that does not hold it raises std::out_of_range) at level l. The text
// comes back normalised: the 3-character grade text when a grade was added or changed, three blanks
// when refused (no number, or outside 0..200; an existing grade is then
// removed), otherwise as passed with its commas turned into points.
// Refused: the caller beeps. Changed: the stored grade text.
Verwerking VerwerkCijfer(AdmMain& adm, std::string& tekst, int p, int c, int t, int l);

// The weight of absolute column c (term t, level l), 0..10. The text comes
// back as the grade text of the value whenever it was not blank, three
// blanks when refused (an existing weight is then removed). A weight of 0 is
// shown but counts as no weight. Changed: the stored text or the weight's value.
Verwerking VerwerkGewicht(AdmMain& adm, std::string& tekst, int c, int t, int l);

// A data set just read from a grade file, before it is taken over (the
// Laadherstel of every load, core/Cijferbestand.h). A grade, column weight,
// term weight or report text that its entry point would refuse becomes
// blank, as a typed one would; then every statistic, average and report
// whose stored value does not fit the grades is rebuilt by the rules of a
// commit. A data set that fits is left exactly as it is.
void GeladenHerstellen(AdmMain& adm);

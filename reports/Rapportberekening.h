#pragma once
// Report grades: the four calculation methods with their rounding, each
// pupil's end average, the class mean and spread of every report and of the
// end averages, and the commits of typed term weights and report grades.
// The grade processing of the term sheet uses the same routines; none of
// them redraws or sets Gewijzigd (the callers do).

#include "core/AdmMain.h"
#include "core/Verwerking.h"

#include <string>

// The 3-character text of a report value under a rounding code (1 tenths,
// 2 halves, 3 whole numbers, anything else unrounded); three blanks for -1.
std::string RondAf(double waarde, int afrondcode);

// Report k (1..4, 4 the end report) of pupil p at level l by the method in
// RapportOptie[5]; methods 1 and unknown ones leave the report alone.
void BerekenRapportcijfer(AdmMain& adm, int p, int k, int l);

// What follows a change of pupil p's average of term t at level l: the
// reports from term t on, then the end report.
void RapportenVanaf(AdmMain& adm, int p, int t, int l);

// EindGem and EindGemTxt of pupil p at level l: the term averages weighted
// by the term weights, terms without a positive weight or average left out.
void JaarGemiddeldeBerekenen(AdmMain& adm, int p, int l);

// RpGem, RpSpr and their texts of report k at both levels.
void Rapportgemiddelde(AdmMain& adm, int k);

// KlEindGem, KlEindSpr and their texts at level l.
void BerekenJaarKlasgemiddelde(AdmMain& adm, int l);

// Every report, end average and their class statistics of level l, as after
// a new term weight.
void NiveauHerberekenen(AdmMain& adm, int l);

// Commits a typed term weight of term t at level l (0..10). The text is
// normalised in place (commas to points, the grade text of the value, three
// blanks when refused). Refused: the caller beeps. Changed: the stored text
// or TrimesterWeging.
Verwerking VerwerkTrimGewicht(AdmMain& adm, std::string& tekst, int t, int l);

// Commits a typed report grade (0..10) of pupil p, report k, level l; the
// text as above; changed: the stored text or Rapport.
Verwerking VerwerkRapportcijfer(AdmMain& adm, std::string& tekst, int p, int k, int l);

// A report as a file or another grade file holds it (pupil p, report k,
// level l), mended to what the entries leave: a blank text has no value
// (-1); a text that is the rounding of its value within 0..200 (a computed
// report, by any rounding code) stands; any other text the report entry
// takes holds its own value, as typed; a text it refuses becomes blank
// without a value, as a refused entry. A report that fits is left as it is.
void RapportHerstellen(AdmMain& adm, int p, int k, int l);

// The weight of term t at level l as a file holds it: a text the entry
// refuses becomes blank, and the value follows the text as a commit leaves
// it (its value; for a blank text or "0" -1 or 0 as stored, anything else
// 0, as a cleared weight). True when the value changed: level l's reports
// and end averages then follow it (NiveauHerberekenen).
bool TrimGewichtHerstellen(AdmMain& adm, int t, int l);

// Confirmed option dialogs: RapportOptieNieuw's rounding codes (1..4) or its
// method (5) become RapportOptie, then every report of both levels and the
// report statistics are recomputed.
void AfrondcodesToepassen(AdmMain& adm);
void BerekeningsmethodeToepassen(AdmMain& adm);

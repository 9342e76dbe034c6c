#pragma once
// Copying, swapping and clearing whole grade columns: the three header
// texts, the weight and the grades of all 36 pupil slots. Headers are
// written directly; weights and grades only through VerwerkGewicht and
// VerwerkCijfer, so every statistic, average and report follows. Each hands
// the entry points copies of what it read: a stored text the entry point
// refuses is blanked only where it is written to, never in the source.
// Every action ends with Gewijzigd := 1, also when nothing changed.
//
// Each returns the number of texts the entry points refused (the window
// beeps for each).

#include "core/AdmMain.h"
#include "core/Kolomkeuze.h"

int KolomKopieren(AdmMain& adm, const Kolomkeuze& van, const Kolomkeuze& naar);

int KolommenVerwisselen(AdmMain& adm, const Kolomkeuze& a, const Kolomkeuze& b);

int KolomWissen(AdmMain& adm, const Kolomkeuze& kolom);

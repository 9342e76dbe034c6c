#pragma once
// The two printed report lists of one level, as page models for the printer
// (platform/Printer.h). Both only read the data set: they print the texts
// the report calculation and the grade processing keep, and mark nothing.

#include "core/AdmMain.h"
#include "core/Pagina.h"

// Report grades only: personnel number, names, Rp1..RpE and the mentor code
// in a ruled list, 20 rows a page (fewer on paper too short for them), the
// page header repeated on every page. A "*" slot is an empty ruled row, a
// "." slot and an empty slot leave no trace.
Paginamodel AfdrukRapportenlijst(const AdmMain& adm, int niveau, const Datum& datum, const Papier& papier);

// With term averages: the term weights, per pupil the three term averages,
// the year column, the four reports and the mentor code, an empty ruled row
// after every six, the class averages and spreads below. One page; rows
// that would run off a short paper continue on a new page.
Paginamodel AfdrukJaarlijst(const AdmMain& adm, int niveau, const Datum& datum, const Papier& papier);

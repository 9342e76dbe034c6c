#pragma once
// The printed year card of the current pupil at one level, as a page model
// for the printer (platform/Printer.h). It only reads the data set.

#include "core/AdmMain.h"
#include "core/Pagina.h"

// Draws the one page into an open document: the header block, the pupil's
// name, per term two ruled blocks of eight columns (weights, grades, the
// pupil's and the class's term average) and the ruled summary (term weights
// and averages, the year column, the four reports). It neither starts a new
// page nor ends the document.
void PrintJaaroverzichtPagina(Paginamodel& pm, const AdmMain& adm, int niveau, const Datum& datum);

// The whole document: the page, then its end.
Paginamodel PrintJaaroverzicht(const AdmMain& adm, int niveau, const Datum& datum, const Papier& papier);

#pragma once
// The printed term sheet and its column notes, as page models for the
// printer (platform/Printer.h). Both only read the data set.

#include "core/AdmMain.h"
#include "core/Pagina.h"

// One term (1..3) of one level (1..2): eight columns from eersteKolom
// (within the term, 1..9), one line per pupil, the class statistics below.
// Rows that would run past the printable area continue on a new page under
// a repeated column heading.
Paginamodel AfdrukTrimester(const AdmMain& adm, int trimester, int niveau, int eersteKolom, const Datum& datum,
                            const Papier& papier);

// The full kind, date and remark texts of the sixteen columns of one term
// and level that the term sheet shortens (longer than three characters).
// When there is none, the model holds no page: nothing is printed.
Paginamodel AfdrukToelichting(const AdmMain& adm, int trimester, int niveau, const Datum& datum,
                              const Papier& papier);

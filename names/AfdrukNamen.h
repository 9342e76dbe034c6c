#pragma once
// The printed names list as a page model for the printer
// (platform/Printer.h). It only reads the data set.

#include "core/AdmMain.h"
#include "core/Pagina.h"

// One page: the title line, the school data, the heading "Namenlijst" and a
// ruled line per pupil with number, names, personnel number, sex, base
// group, characteristic and mentor code; an empty ruled line after every six.
// A surname starting with "*" prints only the slot number, one starting with
// "." nothing at all.
Paginamodel AfdrukNamen(const AdmMain& adm, const Datum& datum, const Papier& papier);

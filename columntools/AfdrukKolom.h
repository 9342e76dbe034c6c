#pragma once
// One grade column printed as a class list (page model for the printer):
// a header box with the school data and the column's kind, date, remark and
// weight, a row per pupil with the grade, the term average and the mentor
// code, an empty row after every six, and the column's and the term
// averages' class average and spread. It only reads the data set.

#include "core/AdmMain.h"
#include "core/Kolomkeuze.h"
#include "core/Pagina.h"

Paginamodel AfdrukKolom(const AdmMain& adm, const Kolomkeuze& kolom, const Datum& datum, const Papier& papier);

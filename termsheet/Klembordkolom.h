#pragma once
// A column copied from a spreadsheet, pasted one line per pupil: the split
// of the clipboard text into lines (shared with the names list) and the
// paste of a grade column through VerwerkCijfer.

#include "core/AdmMain.h"
#include "core/Veld.h"

#include <string>
#include <string_view>

// The lines of a pasted column by pupil slot; slot 37 only ends the split.
inline constexpr Bereik KlembordBereik{1, 37};
using Klembordregels = Veld<std::string, KlembordBereik>;

// Appends the lines of `tekst` to regels(start), regels(start + 1) ...: a
// line ends at CR LF, at LF or at CR alike (spreadsheets on Linux end lines
// with LF), every other character, tab included, stays in its line. The
// split stops after slot 36; later lines are dropped. `laatste` becomes the
// slot of the last line, one less when that line is empty (a text ending in
// a line end gives no empty line after it); start - 1 for an empty text.
void SplitsInRegels(int start, int& laatste, std::string_view tekst, Klembordregels& regels);

// Pastes `tekst` into absolute column `kolom` (term `trimester`, level
// `niveau`) from pupil `vanaf` on, line by line through VerwerkCijfer, each
// line as it stands: an empty line removes that pupil's grade, a line
// without a number in 0..200 is refused and blanks it. Returns the number of
// refused lines; the caller beeps for each.
int CijferkolomPlakken(AdmMain& adm, std::string_view tekst, int vanaf, int kolom, int trimester, int niveau);

#pragma once
// The clipboard as the windows use it: whether it offers text to paste, and
// that text. Tests set the application's clipboard (offscreen it lives in
// the process).

#include <string>

// True when the clipboard offers plain text or, failing that, rich text.
bool KlembordBevatTekst();

// The clipboard's plain text as Windows-1252 (a character without a byte
// becomes "?"); empty when it holds none.
std::string KlembordTekst();

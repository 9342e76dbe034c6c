#pragma once
// Window layouts as the windows are described: positions in twips (15 to a
// pixel) and fonts by the names the layouts give.

#include <QFont>
#include <QWidget>

inline int Twips(int twips) { return qRound(twips / 15.0); }

inline void ZetPlaats(QWidget& w, int left, int top, int width, int height)
{
    w.setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
}

// A fixed-width box of `tekens` characters of the 10-point fixed-pitch font
// (VbLetter("Courier New", 10), 8 pixels a character), in twips: the
// characters and the box's frame and margins.
inline int Vakbreedte(int tekens) { return tekens * 120 + 240; }

// "Courier New", "Courier", "Arial", "MS Sans Serif" ... in points. The
// fixed-pitch names stay fixed-pitch and "MS Sans Serif" becomes a plain
// sans serif, whatever fonts the system has.
QFont VbLetter(const char* naam, double punten, bool vet = false);

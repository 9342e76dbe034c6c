#pragma once
// Window layouts are given in twips; the screen has 15 twips to a pixel.

#include <QWidget>

inline int Twips(int twips) { return qRound(twips / 15.0); }

inline void ZetPlaats(QWidget& w, int left, int top, int width, int height)
{
    w.setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
}

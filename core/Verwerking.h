#pragma once
// What an entry point of the grade engine did with a text (VerwerkCijfer,
// VerwerkGewicht, VerwerkTrimGewicht, VerwerkRapportcijfer), and the rule a
// box's commit follows from it.

#include "core/AdmMain.h"

struct Verwerking {
    bool geweigerd = false;  // the text was refused: the caller beeps
    bool gewijzigd = false;  // what is stored changed: its text or, where one is kept, its value
};

// The commit of a typed box: Gewijzigd := 1 when it changed what is stored.
inline Verwerking Vastgelegd(AdmMain& adm, Verwerking v)
{
    if (v.gewijzigd)
        adm.Gewijzigd = 1;
    return v;
}

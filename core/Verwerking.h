#pragma once
// What an entry point of the grade engine did with a text (VerwerkCijfer,
// VerwerkGewicht, VerwerkTrimGewicht, VerwerkRapportcijfer), and the rule a
// box's commit follows from it. Gewijzigd follows only what was stored: the
// text a box shows, refused or typed back, never sets it.

#include "core/AdmMain.h"

#include <string>
#include <utility>

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

// The flag of boxes that store plain text fields at every key (the names
// list, the year card): the stored data and Gewijzigd as they were when the
// box got the focus. A store that brings the data back to that gives the
// flag back, so an edit typed and typed back changed nothing; any other
// store that changed a field sets it. A command may change the data or the
// flag itself: it ends the basis, and from there every change counts.
class Wijzigingsbasis {
public:
    void Nemen(std::string gegevens, int gewijzigd)
    {
        actief_ = true;
        gegevens_ = std::move(gegevens);
        gewijzigd_ = gewijzigd;
    }
    void Vervallen() { actief_ = false; }

    // After a store: `veranderd` when it changed a stored field; `gegevens()`
    // gives the data as it is stored now.
    template <class Gegevens>
    void Volgen(AdmMain& adm, bool veranderd, Gegevens&& gegevens) const
    {
        if (!veranderd)
            return;
        adm.Gewijzigd = actief_ && gegevens() == gegevens_ ? gewijzigd_ : 1;
    }

private:
    bool actief_ = false;
    std::string gegevens_;
    int gewijzigd_ = 0;
};

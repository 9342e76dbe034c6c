#pragma once
// The program's windows: the window of each view code for the view manager
// (frame/Weergaven.h), and the manager with the program's environment.

#include "core/AdmMain.h"

#include <memory>

class Omgeving;
class frmHarvemoLogo;
class Weergavevenster;
class Weergaven;

// 1..3 the term sheet, 4 the report list, 5 the year overview, 6 the names
// list; nullptr for any other code. Each is handed the names list's pupil
// windows (names/Namenvensters.h). The names list's first activation of the
// run keeps the logo up for `logoWachttijd` ms (the program's two seconds;
// none unless asked, so that tests do not wait).
Weergavevenster* MaakVenster(AdmMain& adm, Omgeving& omgeving, int scherm, int logoWachttijd = 0,
                             frmHarvemoLogo* startLogo = nullptr);

// The environment and the view manager of the running program; the program
// ends (the event loop quits) when the last view window is unloaded.
class Programmavensters {
public:
    // The names list's first activation keeps the start-up logo up for
    // logoWachttijd ms.
    explicit Programmavensters(AdmMain& adm, int logoWachttijd = 2000);
    ~Programmavensters();

    // The first window after start-up: the names list, with Scherm 6 so
    // that its close box finds its own view current.
    // The start-up logo stays up until that window's first activation has
    // waited its two seconds.
    void EersteVensterLaden(frmHarvemoLogo* startLogo = nullptr);

    Weergaven& weergaven();
    Omgeving& omgeving();

private:
    struct Delen;
    std::unique_ptr<Delen> d_;
};

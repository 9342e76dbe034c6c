#pragma once
// The running program: start-up through Main, then the event loop until the
// last view window is unloaded. main() and the start-up benchmark share it.

#include <string>

// How long the start-up logo stays, in ms: while start-up runs, and again at
// the names list's first activation.
struct Logowachttijden {
    int opstart = 3000;
    int namenlijst = 2000;
};

// The whole argument text after the program name, as one path.
std::string Opdrachtargument(int argc, char** argv);

// Needs the QApplication; returns what its event loop returns.
int ProgrammaUitvoeren(const std::string& argument, const Logowachttijden& wachttijden = {});

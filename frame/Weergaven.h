#pragma once
// The view manager: one view window is loaded at a time, chosen by the view
// code (1..3 the term sheet, 4 the report list, 5 the year overview, 6 the
// names list). Made once at start-up beside AdmMain; every window it loads
// knows it (Weergavevenster::weergaven). The windows themselves come from the
// maker given at construction, so that this layer names none of them.

#include <functional>
#include <vector>

class Weergavevenster;

class Weergaven {
public:
    // Makes the window of a view code, not yet shown; nullptr for a code
    // without window.
    using Maker = std::function<Weergavevenster*(int scherm)>;

    explicit Weergaven(Maker maker);
    ~Weergaven();  // deletes the windows still loaded
    Weergaven(const Weergaven&) = delete;
    Weergaven& operator=(const Weergaven&) = delete;

    // Loads the window of the view code and shows it (its Form_Activate runs
    // once the running handler has returned). Scherm is not touched: the
    // caller sets it first.
    Weergavevenster* Laden(int scherm);

    // The second half of a view switch: the window of the view code is loaded,
    // then `huidig` is unloaded (its Form_Unload sees the new Scherm). Without
    // a window for the code nothing happens (nullptr).
    Weergavevenster* Wissel(Weergavevenster& huidig, int scherm);

    // True when the window was loaded for the view family of the code (the
    // three terms are one family: the term sheet).
    bool Toont(const Weergavevenster& venster, int scherm) const;

    // The windows loaded and not yet unloaded, the latest last.
    const std::vector<Weergavevenster*>& Vensters() const { return vensters_; }

    // Run once the last window has been unloaded: the program ends.
    std::function<void()> Einde;

    // Told by the window when it has been unloaded.
    void Ontladen(Weergavevenster& venster);

private:
    struct Geladen {
        Weergavevenster* venster;
        int familie;
    };
    Maker maker_;
    std::vector<Geladen> geladen_;
    std::vector<Weergavevenster*> vensters_;
};

// The family of a view code: 1 for the three terms, the code otherwise.
int Schermfamilie(int scherm);

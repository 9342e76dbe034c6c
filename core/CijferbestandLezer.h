#pragma once
// Reading helpers shared by the two grade-file readers (Cijferbestand.cpp,
// version 2, and OudCijferbestand.cpp, version 1), which need nothing of each
// other: a cursor over the file's lines that refuses what does not belong,
// the all-or-nothing load, and the range checks of the values that select or
// index something.

#include "core/AdmMain.h"
#include "core/Bestand.h"
#include "core/Cijferbestand.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class Regellezer {
public:
    // The lines stand in the file's text, which outlives the reader.
    Regellezer(std::string_view tekst, const std::vector<Regelplaats>& regels, std::string pad)
        : tekst_(tekst), regels_(regels), pad_(std::move(pad))
    {
    }

    bool einde() const { return i_ >= regels_.size(); }

    // How a number line is read. Leidend (the current format): its leading
    // number, commas read as points, no number giving 0. Streng (the old
    // format): one number and nothing else, otherwise error 13. Either way a
    // number beyond the range of a double gives -1.
    enum class Getallen { Leidend, Streng };
    Getallen getallen = Getallen::Streng;

    // True when lines 1 to 4 are exactly this long.
    bool kopLengtes(std::size_t a, std::size_t b, std::size_t c, std::size_t d) const;

    // The next line; past the end error 62.
    std::string_view regel();
    void overslaan(std::size_t n);

    // The number of the line, as `getallen` says.
    double getal();

    // A number rounded to a 16-bit integer, halves to the even neighbour;
    // error 6 when it does not fit.
    int geheel();

    // The line split at blanks and commas into `aantal` 16-bit integers, each
    // item read as getal() and rounded as geheel(). Leidend: the first
    // `aantal` items, a missing one 0; Streng: exactly `aantal`, else error 13.
    std::vector<int> gehelen(std::size_t aantal);

    // Raises error `code` for the file, its description from the program's
    // table; a bad number says on which line it stands.
    [[noreturn]] void fout(int code) const;

private:
    double getalUit(std::string_view tekst) const;
    int geheelUit(double x) const;

    std::string_view Regel(std::size_t i) const { return tekst_.substr(regels_[i].begin, regels_[i].lengte); }

    std::string_view tekst_;
    const std::vector<Regelplaats>& regels_;
    std::string pad_;
    std::size_t i_ = 0;
};

inline constexpr std::size_t MaxRegel = 4096;  // longer than any line a grade file holds

// Reads the whole file and hands its lines to `lees` with a new data set that
// keeps the caller's settings, folders and dialog state; only when that read
// all of it, and `herstel` (when given) has mended it, does the result
// replace the caller's data set. On any error the caller's data set becomes
// a new, empty one and the error is raised.
void CijferbestandInlezen(AdmMain& adm, const std::string& pad, void (*lees)(AdmMain&, Regellezer&),
                          Laadherstel herstel);

// Report options and counts read from a file: a rounding code or count out of
// range takes its new-file value, a calculation method outside 1..4 becomes 1.
void RapportOptiesControleren(AdmMain& adm);
int AantalControleren(int n);

#pragma once
// The page model every printed list is built on: what a list does with the
// system printer (font, current position, text, text metrics, lines, new
// page, end of document), recorded as pages of text runs and lines. The
// printer in platform/ renders it; tests read it.
//
// Units are twips (1440 to the inch), measured from the top left of the
// printable area, y growing downwards. Texts are Windows-1252 bytes.
//
// The model knows the metrics of one font, the fixed-pitch "Courier New"
// (on Linux its metric twin Liberation Mono), for every font name and
// weight: every character is 0.6 em wide (10 pt: 120 twips) and a line is
// ascent + descent = (1705 + 615) / 2048 em high, with no line gap
// (10 pt: 226.5625 twips).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr double TwipsPerInch = 1440.0;
inline constexpr double TwipsPerPunt = 20.0;

// Fixed-pitch font metrics, in em.
inline constexpr double TekenbreedteEm = 0.6;
inline constexpr double StijghoogteEm = 1705.0 / 2048.0;  // ascent: top of the line to the baseline
inline constexpr double DaalhoogteEm = 615.0 / 2048.0;    // descent
inline constexpr double RegelhoogteEm = StijghoogteEm + DaalhoogteEm;

// The advance of one character and the height of a line at a size in
// points, in twips (computed so that whole sizes give exact values).
inline constexpr double Tekenbreedte(double punten) { return punten * TwipsPerPunt * 3.0 / 5.0; }
inline constexpr double Regelhoogte(double punten) { return punten * TwipsPerPunt * 2320.0 / 2048.0; }

// The program's title with its version, as every list prints it.
inline constexpr const char* Afdruktitel = "DOCENTEN-MORVALDIEK Versie 7.762";

struct Lettertype {
    std::string Name = "Courier New";
    double Size = 10;  // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;

    friend bool operator==(const Lettertype&, const Lettertype&) = default;
};

// The printable area of a page, in twips.
struct Papier {
    double Breedte;
    double Hoogte;
};

// A4 (8.27 x 11.69 in) less a quarter inch on every side.
inline constexpr Papier A4Afdrukvlak{11906.0 - 720.0, 16838.0 - 720.0};

struct Tekstdeel {
    double X;  // left edge
    double Y;  // top of the line
    std::string Tekst;
    Lettertype Font;
    std::uint32_t Kleur;  // &HBBGGRR

    friend bool operator==(const Tekstdeel&, const Tekstdeel&) = default;
};

struct Lijn {
    double X1, Y1, X2, Y2;
    std::uint32_t Kleur;

    friend bool operator==(const Lijn&, const Lijn&) = default;
};

struct Pagina {
    std::vector<Tekstdeel> Teksten;
    std::vector<Lijn> Lijnen;

    // The characters printed on the line whose top is y, placed in character
    // cells of width w counted from `links` (for tests and checks).
    std::string Regel(double y, double links, double w) const;
};

class Paginamodel {
public:
    explicit Paginamodel(Papier papier);

    // The printer's state, read and set as a list needs it.
    Lettertype Font;
    double CurrentX = 0;
    double CurrentY = 0;
    std::uint32_t ForeColor = 0;

    double ScaleWidth() const { return papier_.Breedte; }
    double ScaleHeight() const { return papier_.Hoogte; }

    // Text at the current position; Print ends the line (back to the left
    // edge, one line height down), PrintZonderEinde leaves the position
    // right behind the text.
    void Print(std::string_view tekst = {});
    void PrintZonderEinde(std::string_view tekst);
    // A gap of n blanks on the current line.
    void Spc(int n);

    // Width and height of a text in the current font.
    double TextWidth(std::string_view tekst) const;
    double TextHeight(std::string_view tekst = "I") const;

    // A straight line; the current position becomes its end point.
    void Line(double x1, double y1, double x2, double y2, std::uint32_t kleur = 0);

    // Further output goes on a new page, from the top left.
    void NewPage();
    // The document is complete; nothing may be printed after it.
    void EndDoc();

    // Pages so far: none until the first output, so a list that prints
    // nothing starts no document.
    const std::vector<Pagina>& Paginas() const { return paginas_; }
    bool Beeindigd() const { return beeindigd_; }

private:
    Pagina& huidigePagina();
    void tekst(std::string_view tekst);

    Papier papier_;
    std::vector<Pagina> paginas_;
    bool beeindigd_ = false;
};

struct Datum {
    int Dag;
    int Maand;
    int Jaar;
};

// The system date.
Datum Vandaag();

// dd-mm-yyyy.
std::string DatumTekst(const Datum& d);

// The title line: program title, a gap of `gat` blanks, "Datum: " and the date.
std::string Titelregel(int gat, const Datum& d);

// A number as a list prints it: a blank (or "-") for the sign, the digits
// and a trailing blank (" 1 ").
std::string GedruktGetal(long n);

// A pupil's slot number as the class lists print it, two digits and two
// blanks: "05  ", "12  ".
std::string Leerlingnummer(int p);

// The class lists print their pupils in groups of six, a separator row
// between two groups: whether the c-th pupil printed (from 1) begins a group
// after the first.
inline bool NieuweGroep(int c) { return c > 1 && (c - 1) % 6 == 0; }

// The print font: "Courier New" 10, plain, black.
void Afdrukletter(Paginamodel& pm);

// Text at (x, y), the position left right behind it.
void TekstOp(Paginamodel& pm, double x, double y, std::string_view t);

// The page frame the lists share: the print font, `marge` blanks whose end
// is the left edge L, `regeleinden` line ends (the first ends the line of
// blanks), then at L the title line with a gap of `gat` blanks and a line
// end. w is the width of a blank, h the height of a line, T the top of the
// line after the title.
struct Paginamaten {
    double w, h, L, T;
};
Paginamaten Afdrukkop(Paginamodel& pm, int marge, int regeleinden, int gat, const Datum& d);

#pragma once
// The cut-off curve: from the count at the lowest grade (P1) to the count at
// the highest grade (P4) in three straight pieces, bent at P2 and P3 so that
// the middle piece keeps the straight line's slope and passes through the
// cut-off point K. Counts are error counts (the curve falls) or scores (it
// rises).
//
// The graph of a curve window is a picture of 2475 x 2475 units (twips), y
// growing upward; the count axis runs from x = 300 (the smaller end count)
// to 2190, the grade axis from y = 345 (the lowest grade) to 2235. A marker
// is a 75 x 75 square placed by its left and its top edge.

#include <optional>
#include <string>

enum class Cesuursoort { Fouten, Scores };

// Where the cut-off point lies: A below the straight line P1-P4, B above
// it, C on it (then P2 = P1 and P3 = P4).
enum class Knikgeval { A, B, C };

struct Vorm {
    float Left = 0;
    float Top = 0;
    friend bool operator==(const Vorm&, const Vorm&) = default;
};

struct Lijnstuk {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    friend bool operator==(const Lijnstuk&, const Lijnstuk&) = default;
};

// Value, Min and Max of a spinner.
struct Knopstand {
    int Value = 0;
    int Min = 0;
    int Max = 0;
};

// The texts of a curve window's six value boxes, as the spinners wrote them.
struct Curveteksten {
    std::string X1;  // count at the lowest grade
    std::string Y1;  // lowest grade
    std::string X4;  // count at the highest grade
    std::string Y4;  // highest grade
    std::string Xc;  // cut-off count
    std::string Yc;  // cut-off grade
};

// What the bend points move in a curve window: the two bend markers, the
// three pieces of the curve and the hidden labels that carry the bend
// points to the cut-off table and the norming.
struct Curvegrafiek {
    Vorm shpCesuurLaag;  // P2
    Vorm shpCesuurHoog;  // P3
    Lijnstuk LineCesuurLaag;     // P1-P2
    Lijnstuk Line_Score_Cesuur;  // P2-P3
    Lijnstuk LineCesuurHoog;     // P3-P4
    std::string LabelX2, LabelY2, LabelX3, LabelY3;
};

// A curve's four points as numbers, from the lowest-grade end to the highest.
struct Curvepunten {
    double X1, X2, X3, X4;  // counts
    double Y1, Y2, Y3, Y4;  // grades
};

// The bend markers from the spinners: the cut-off grade spinner (tenths) and
// the cut-off count spinner (halves), whose limits are the end points. None
// when the ends share their grade or their count.
struct Grafiekknikken {
    Knikgeval geval;
    Vorm laag;  // shpCesuurLaag
    Vorm hoog;  // shpCesuurHoog
};
std::optional<Grafiekknikken> KnikkenInGrafiek(Cesuursoort soort, const Knopstand& cijfer, const Knopstand& aantal);

// The bend points in counts and grades, for the case the graph decided.
// None when the ends share their grade or their count.
struct Knikpunten {
    double X2, Y2, X3, Y3;
};
std::optional<Knikpunten> Knikpuntwaarden(Knikgeval geval, double X1, double Y1, double X4, double Y4, double Xc,
                                          double Yc);

// Both: moves the markers and the curve's pieces from the spinners, then
// writes the hidden labels from the value boxes. A curve whose ends share
// their grade or count leaves everything as it was (false).
bool BerekenKnikpunten(Cesuursoort soort, const Knopstand& cijfer, const Knopstand& aantal, const Curveteksten& tekst,
                       Curvegrafiek& grafiek, char decimaalteken = '.');

// The grade at count x on the curve P1, P2, P3, P4, unrounded. A count at or
// past an end gets the end grade; a curve whose ends share their count gives
// the lowest grade.
double CijferBijScore(double x, double X1, double X2, double X3, double X4, double Y1, double Y2, double Y3,
                      double Y4);
// The same lookup, as the error tables name it.
inline double CijferBijFouten(double x, double X1, double X2, double X3, double X4, double Y1, double Y2, double Y3,
                              double Y4)
{
    return CijferBijScore(x, X1, X2, X3, X4, Y1, Y2, Y3, Y4);
}

// A number as the hidden labels carry it: no leading blank, a zero before
// the point, up to 15 significant digits, exponent form for very small or
// large values, the decimal separator given.
std::string Standaardtekst(double x, char decimaalteken = '.');

// A value as the cut-off windows show it: a point, no blanks, no trailing
// zeros, no zero before the point (".5", "5.5", "10").
std::string Korttekst(double x);

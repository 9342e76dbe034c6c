#include "columntools/Cesuurcurve.h"

#include "core/Getallen.h"

namespace {

int Teken(double x) { return (x > 0) - (x < 0); }

// The corners the end points sit at, 7 units right of and below them as the
// curve's lines are drawn.
constexpr float LijnVerschuiving = 37;

}  // namespace

std::optional<Grafiekknikken> KnikkenInGrafiek(Cesuursoort soort, const Knopstand& cijfer, const Knopstand& aantal)
{
    const int gatG = cijfer.Max - cijfer.Min;
    const int gatT = aantal.Max - aantal.Min;
    if (gatG == 0 || gatT == 0)
        return std::nullopt;
    const double dG = gatG;
    const double dT = gatT;
    const bool fouten = soort == Cesuursoort::Fouten;

    // The left end is the one with the smaller count: the highest grade for
    // errors, the lowest for scores.
    const double r = fouten ? (cijfer.Min - cijfer.Max) / dT : (cijfer.Max - cijfer.Min) / dT;
    const double links = fouten ? cijfer.Max : cijfer.Min;
    const float d = static_cast<float>(cijfer.Value - (links + r * (aantal.Value - aantal.Min)));
    const float e = static_cast<float>(d / r);

    Grafiekknikken k{};
    k.geval = d < -0.0001f ? Knikgeval::A : d > 0.0001f ? Knikgeval::B : Knikgeval::C;
    const double laagX = fouten ? 2160 : 270;
    const double hoogX = fouten ? 270 : 2160;
    switch (k.geval) {
    case Knikgeval::A:
        k.laag = {static_cast<float>(laagX - 1890 * 2 * e / dT), static_cast<float>(375 - 1890 * d / dG)};
        k.hoog = {static_cast<float>(hoogX + 1890 * e / dT), static_cast<float>(2265 + 1890 * 2 * d / dG)};
        break;
    case Knikgeval::B:
        k.laag = {static_cast<float>(laagX + 1890 * e / dT), static_cast<float>(375 + 1890 * 2 * d / dG)};
        k.hoog = {static_cast<float>(hoogX - 1890 * 2 * e / dT), static_cast<float>(2265 - 1890 * d / dG)};
        break;
    case Knikgeval::C:
        k.laag = {static_cast<float>(laagX), 375};
        k.hoog = {static_cast<float>(hoogX), 2265};
        break;
    }
    return k;
}

std::optional<Knikpunten> Knikpuntwaarden(Knikgeval geval, double X1, double Y1, double X4, double Y4, double Xc,
                                          double Yc)
{
    if (X1 == X4 || Y1 == Y4)
        return std::nullopt;
    const double m = (Y1 - Y4) / (X1 - X4);
    const float D = static_cast<float>(Yc - (Y1 + m * (Xc - X1)));
    const float E = static_cast<float>(D / m);
    const double d = D;
    const double e = E;
    switch (geval) {
    case Knikgeval::A:
        return Knikpunten{X1 - 2 * e, Y1 - d, X4 + e, Y4 + 2 * d};
    case Knikgeval::B:
        return Knikpunten{X1 + e, Y1 + 2 * d, X4 - 2 * e, Y4 - d};
    case Knikgeval::C:
        break;
    }
    return Knikpunten{X1, Y1, X4, Y4};
}

bool BerekenKnikpunten(Cesuursoort soort, const Knopstand& cijfer, const Knopstand& aantal, const Curveteksten& tekst,
                       Curvegrafiek& grafiek, char decimaalteken)
{
    const std::optional<Grafiekknikken> k = KnikkenInGrafiek(soort, cijfer, aantal);
    if (!k)
        return false;
    const double X1 = LeidendGetal(tekst.X1);
    const double Y1 = LeidendGetal(tekst.Y1);
    const double X4 = LeidendGetal(tekst.X4);
    const double Y4 = LeidendGetal(tekst.Y4);
    const std::optional<Knikpunten> p =
        Knikpuntwaarden(k->geval, X1, Y1, X4, Y4, LeidendGetal(tekst.Xc), LeidendGetal(tekst.Yc));
    if (!p)
        return false;

    const bool fouten = soort == Cesuursoort::Fouten;
    grafiek.shpCesuurLaag = k->laag;
    grafiek.shpCesuurHoog = k->hoog;
    const float laagX = grafiek.shpCesuurLaag.Left + LijnVerschuiving;
    const float laagY = grafiek.shpCesuurLaag.Top - LijnVerschuiving;
    const float hoogX = grafiek.shpCesuurHoog.Left + LijnVerschuiving;
    const float hoogY = grafiek.shpCesuurHoog.Top - LijnVerschuiving;
    grafiek.LineCesuurLaag = {fouten ? 2197.0f : 307.0f, 338, laagX, laagY};
    grafiek.Line_Score_Cesuur = {laagX, laagY, hoogX, hoogY};
    grafiek.LineCesuurHoog = {hoogX, hoogY, fouten ? 307.0f : 2197.0f, 2228};

    grafiek.LabelX2 = Standaardtekst(p->X2, decimaalteken);
    grafiek.LabelY2 = Standaardtekst(p->Y2, decimaalteken);
    grafiek.LabelX3 = Standaardtekst(p->X3, decimaalteken);
    grafiek.LabelY3 = Standaardtekst(p->Y3, decimaalteken);
    return true;
}

double CijferBijScore(double x, double X1, double X2, double X3, double X4, double Y1, double Y2, double Y3,
                      double Y4)
{
    if (X4 == X1)
        return Y1;
    // The clamps compare the straight line's grade with the end grades, so
    // one rule serves falling and rising curves.
    const double s = (Y4 - Y1) * (x - X1) / (X4 - X1) + Y1;
    if (s >= Y4 - 0.00001)
        return Y4;
    if (s <= Y1 + 0.00001)
        return Y1;

    // A piece counts only for x strictly between its two counts, so a piece
    // of no width is never divided by.
    double g = 0;
    if (Teken(x - X1) == Teken(X2 - x) && Teken(X2 - x) != 0)
        g = Y1 + (Y2 - Y1) * (x - X1) / (X2 - X1);
    if (Teken(X3 - x) == Teken(x - X2) && Teken(X3 - x) != 0)
        g = Y2 + (Y3 - Y2) * (x - X2) / (X3 - X2);
    if (Teken(x - X3) == Teken(X4 - x) && Teken(X4 - x) != 0)
        g = Y3 + (Y4 - Y3) * (x - X3) / (X4 - X3);
    if (x == X1)
        g = Y1;
    if (x == X2)
        g = Y2;
    if (x == X3)
        g = Y3;
    if (x == X4)
        g = Y4;
    return g;
}

std::string Standaardtekst(double x, char decimaalteken)
{
    std::string t = Korttekst(x);
    if (t.starts_with('.'))
        t.insert(0, 1, '0');
    else if (t.starts_with("-."))
        t.insert(1, 1, '0');
    for (char& c : t)
        if (c == '.')
            c = decimaalteken;
    return t;
}

std::string Korttekst(double x)
{
    std::string t = GetalNaarTekst(x);
    if (t.starts_with(' '))
        t.erase(0, 1);
    return t;
}

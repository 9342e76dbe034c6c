#include "columntools/Cesuurtabel.h"

#include "core/Getallen.h"
#include "core/Tekst.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int MaxStappen = 200;

double Getal(std::string tekst) { return TekstNaarGetal(tekst); }

double OpTienden(double x) { return std::floor(x * 10 + 0.5) / 10; }

}  // namespace

std::string Tabelkop(bool fouten) { return fouten ? "Fouten   Cijfer" : "Score    Cijfer"; }

Cesuurtabel MaakCesuurtabel(bool fouten, const Cesuurknoppen& bron)
{
    const Curvepunten c = bron.Punten();
    Cesuurtabel t;
    t.fouten = fouten;
    const double lo = OpTienden(std::min(c.X1, c.X4));
    const double hi = OpTienden(std::max(c.X1, c.X4));
    const double r = hi - lo;
    t.stap = r <= 10 ? 0.1 : r <= 25 ? 0.25 : r <= 50 ? 0.5 : 1;
    // Halves to the even neighbour.
    t.AantalStappen = std::clamp(static_cast<int>(std::nearbyint(r / t.stap)), 0, MaxStappen);
    for (int i = 0; i <= t.AantalStappen; ++i) {
        const double x = t.stap * static_cast<double>(i) + lo;
        double g = fouten ? CijferBijFouten(x, c.X1, c.X2, c.X3, c.X4, c.Y1, c.Y2, c.Y3, c.Y4)
                          : CijferBijScore(x, c.X1, c.X2, c.X3, c.X4, c.Y1, c.Y2, c.Y3, c.Y4);
        t.ScoreTekst.push_back(Pas(GemiddeldeNaarTekst(x, false), 5));
        t.CijferTekst.push_back(Pas(CijferNaarTekst(g), 3));
    }
    return t;
}

std::vector<std::string> Tabelregels(const Cesuurtabel& tabel, const Cesuurknoppen& bron)
{
    std::vector<std::string> regels;
    for (std::size_t i = 0; i < tabel.ScoreTekst.size(); ++i) {
        const double v = Getal(tabel.ScoreTekst[i]);
        const double cesuur = Getal(bron.Tekst[KnopAantalCesuur]);
        const double X2 = Getal(bron.Curve.LabelX2);
        const double X3 = Getal(bron.Curve.LabelX3);
        const char* merk = "          ";
        if (std::fabs(v - cesuur) <= 0.5)
            merk = " Cesuur   ";
        else if (std::fabs(v - X2) <= 0.5 || std::fabs(v - X3) <= 0.5)
            merk = " -------- ";
        regels.push_back(merk + tabel.ScoreTekst[i] + "-  " + tabel.CijferTekst[i]);
    }
    return regels;
}

Paginamodel PrintTabel(const Cesuurtabel& tabel, const Cesuurknoppen& bron, const Papier& papier, const Datum& datum)
{
    Paginamodel pm(papier);
    const Paginamaten m = Afdrukkop(pm, 9, 3, 10, datum);
    const double w = m.w;
    const double h = m.h;
    const double A = m.L;
    const double B = A + 67 * w;

    // The rows in columns of 40 lines, 13 characters apart; row 200 alone on
    // line 41 under the fifth.
    std::array<std::string, 42> regel;
    regel.fill(std::string(75, ' '));
    for (int i = 0; i <= tabel.AantalStappen && i < static_cast<int>(tabel.ScoreTekst.size()); ++i) {
        int k = i % 40 + 1;
        int verschuiving = 13 * (i / 40);
        if (i == MaxStappen) {
            k = 41;
            verschuiving = 52;
        }
        std::string& r = regel[static_cast<std::size_t>(k)];
        const auto j = static_cast<std::size_t>(i);
        r = Pas(r.substr(0, static_cast<std::size_t>(verschuiving)) + tabel.ScoreTekst[j] + "- " +
                    tabel.CijferTekst[j],
                75);
    }

    pm.Line(A, m.T + h / 2, B, m.T + h / 2);
    pm.Print();
    double D = pm.CurrentY + h;
    pm.Line(A, D, A + 27 * w, D);
    pm.CurrentY = D - h / 2;
    pm.PrintZonderEinde(" CESUURTABEL ");
    pm.Line(A + 40 * w, D, B, D);
    pm.Line(A, D, A, D + h / 2);
    pm.Line(B, D, B, D + h / 2);
    D += h / 2;
    for (int k = 1; k <= 41; ++k) {
        pm.Line(A, D, A, D + h);
        pm.Line(B, D, B, D + h);
        pm.CurrentY = D;
        pm.CurrentX = A + 3 * w;
        pm.Print(std::string_view(regel[static_cast<std::size_t>(k)]).substr(0, 64));
        D += h;
    }
    pm.Line(A, D, A, D + h / 2);
    pm.Line(B, D, B, D + h / 2);
    D += h / 2;
    pm.Line(A, D, B, D);

    // Counts fitted to 4; a cut-off score of 100.5 or more gets the fifth
    // character it needs (error counts never go past 100).
    const bool fouten = tabel.fouten;
    auto regelOnder = [&](const char* kop, int cijfer, int aantal) {
        const std::string& telling = bron.Tekst[static_cast<std::size_t>(aantal)];
        const std::size_t breedte = !fouten && ZonderStaart(telling).size() > 4 ? 5 : 4;
        std::string t = kop + Pas(bron.Tekst[static_cast<std::size_t>(cijfer)], 5) +
                        (fouten ? " bij " : " bij score ") + Pas(telling, breedte);
        if (fouten)
            t += "  fouten";
        D += h;
        pm.CurrentY = D;
        pm.CurrentX = A + w;
        pm.Print(t);
    };
    regelOnder(" Laagste cijfer ", KnopLaagsteCijfer, KnopAantalLaagste);
    regelOnder(" Hoogste cijfer ", KnopHoogsteCijfer, KnopAantalHoogste);
    regelOnder(" Cesuur         ", KnopCesuurCijfer, KnopAantalCesuur);
    pm.EndDoc();
    return pm;
}

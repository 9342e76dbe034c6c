#include "columntools/Omrekentabel.h"

#include "core/Getallen.h"
#include "core/Tekst.h"

Omrekentabel OmrekentabelMaken(const std::string& formule)
{
    Omrekentabel t;
    double r = 0;
    for (int i = 0; i <= AantalStappen; ++i) {
        double c = 0.1 * static_cast<double>(i) + 0;
        if ((t.fout = FormuleFout(formule, c, r)))
            return t;
        t.score[static_cast<std::size_t>(i)] = Pas(CijferNaarTekst(c), 4);
        t.cijfer[static_cast<std::size_t>(i)] = Pas(CijferNaarTekst(r), 3);
    }
    return t;
}

std::string Tabelregel(const Omrekentabel& tabel, int i)
{
    const auto k = static_cast<std::size_t>(i);
    return " " + tabel.score.at(k) + "-  " + tabel.cijfer.at(k);
}

Paginamodel AfdrukOmrekentabel(const Omrekentabel& tabel, const Datum& datum, const Papier& papier)
{
    // The 21 print lines: entry i in row i mod 20 at 13 i / 20 characters,
    // entry 100 in row 20 under the fifth column.
    std::array<std::string, 21> regel;
    regel.fill(std::string(75, ' '));
    for (int i = 0; i <= AantalStappen; ++i) {
        const int rij = i == AantalStappen ? 20 : i % 20;
        const int verschuiving = i == AantalStappen ? 52 : (i / 20) * 13;
        std::string& r = regel[static_cast<std::size_t>(rij)];
        const auto k = static_cast<std::size_t>(i);
        r = r.substr(0, static_cast<std::size_t>(verschuiving)) + tabel.score[k] + "- " + tabel.cijfer[k] +
            std::string(75, ' ');
    }

    Paginamodel pm(papier);
    const Paginamaten m = Afdrukkop(pm, 9, 3, 10, datum);
    const double cw = m.w, lh = m.h, X0 = m.L;
    const double X1 = X0 + 67 * cw;
    auto randen = [&](double y, double hoogte) {
        pm.Line(X0, y, X0, y + hoogte);
        pm.Line(X1, y, X1, y + hoogte);
    };

    double Y = pm.CurrentY + lh / 2;
    pm.Line(X0, Y, X1, Y);
    pm.Print();
    Y = pm.CurrentY + lh;
    pm.Line(X0, Y, X0 + 27 * cw, Y);
    // The title sits in a gap of the rule, centred on it.
    pm.CurrentY = Y - lh / 2;
    pm.PrintZonderEinde(" OMREKENTABEL");
    pm.Line(X0 + 40 * cw, Y, X1, Y);
    randen(Y, lh / 2);
    Y += lh / 2;
    for (const std::string& r : regel) {
        randen(Y, lh);
        pm.CurrentY = Y;
        pm.CurrentX = X0 + 3 * cw;
        pm.Print(r.substr(0, 64));
        Y += lh;
    }
    randen(Y, lh / 2);
    Y += lh / 2;
    pm.Line(X0, Y, X1, Y);
    pm.EndDoc();
    return pm;
}

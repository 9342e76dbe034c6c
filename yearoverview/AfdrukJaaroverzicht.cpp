#include "yearoverview/AfdrukJaaroverzicht.h"

#include "core/Fout.h"
#include "core/Tekst.h"
#include "reports/Jaarkolom.h"

#include <array>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace {

// The grid of the term blocks and of the summary: K[0] is the end of the
// label column, K[1]..K[9] the cell edges, in characters from the left edge.
using Raster = std::array<double, 10>;
constexpr Raster Termijnraster{27.5, 31.5, 35.5, 39.5, 43.5, 47.5, 51.5, 55.5, 59.5, 66.5};
constexpr Raster Overzichtraster{27.5, 32.5, 37.5, 42.5, 54, 45.5, 51.5, 59, 64, 69};
constexpr double Rechts = 74;

struct Tekenaar {
    Paginamodel& pm;
    double x0, w, h;
    Raster K{};

    double x(double n) const { return x0 + n * w; }

    void regel(double y) { pm.Line(x(0), y, x(Rechts), y); }
    void stukken(double y, std::initializer_list<std::pair<double, double>> s)
    {
        for (const auto& [a, b] : s)
            pm.Line(x(a), y, x(b), y);
    }
    void verticalen(double y, std::initializer_list<double> bij)
    {
        for (double n : bij)
            pm.Line(x(n), y, x(n), y + h / 2);
    }

    // The sets of short lines and verticals the blocks are drawn with.
    void A(double y)
    {
        stukken(y, {{0, 0.5}, {14, 28}});
        for (int i = 1; i <= 7; ++i)
            stukken(y, {{K[i] - 0.5, K[i] + 0.5}});
        stukken(y, {{K[8] - 0.5, K[8]}});
    }
    void B(double y) { stukken(y, {{K[8], K[8] + 0.5}, {K[9] - 0.5, K[9] + 0.5}, {Rechts - 0.5, Rechts}}); }
    void C(double y)
    {
        stukken(y, {{K[4], K[4] + 0.5}, {K[5], K[5] + 0.5}, {K[6] - 0.5, K[6]}, {K[7] - 0.5, K[7] + 0.5},
                    {K[8] - 0.5, K[8] + 0.5}, {K[9] - 0.5, K[9] + 0.5}, {Rechts - 0.5, Rechts}});
    }
    void D(double y)
    {
        stukken(y, {{0, 0.5}, {14, 28}, {K[1] - 0.5, K[1] + 0.5}, {K[2] - 0.5, K[2] + 0.5},
                    {K[3] - 0.5, K[3] + 0.5}, {K[4], K[4] + 2.5}, {Rechts - 2.5, Rechts}});
    }
    void V(double y) { verticalen(y, {0, K[0], K[1], K[2], K[3], K[4], K[5], K[6], K[7], K[8]}); }
    void W(double y)
    {
        verticalen(y, {K[9], Rechts});
        V(y);
    }
    void U(double y) { verticalen(y, {0, K[0], K[1], K[2], K[3], K[4], Rechts}); }
    void X(double y)
    {
        verticalen(y, {K[5], K[6], K[7], K[8], K[9]});
        U(y);
    }

    // Print position at character n of the line at y.
    void op(double n, double y)
    {
        pm.CurrentX = x(n);
        pm.CurrentY = y;
    }
};

}  // namespace

void PrintJaaroverzichtPagina(Paginamodel& pm, const AdmMain& adm, int niveau, const Datum& datum)
{
    if (niveau < 1 || niveau > 2)
        throw Bereikfout("niveau " + std::to_string(niveau));
    const int p = adm.HuidigeRij;
    if (p < 1 || p > AantalLeerlingen)
        throw Bereikfout("leerling " + std::to_string(p));

    const Paginamaten m = Afdrukkop(pm, 9, 2, 17, datum);
    Tekenaar t{pm, m.L, m.w, m.h};
    const double h = m.h;
    auto regelOpX0 = [&](const std::string& s) {
        pm.CurrentX = t.x0;
        pm.Print(s);
    };
    // A rule half a line below the print position; printing goes on half a
    // line below the rule.
    auto tussenregel = [&] {
        const double y = pm.CurrentY + h / 2;
        t.regel(y);
        t.op(0, y + h / 2);
    };

    // Header block.
    tussenregel();
    regelOpX0("School: " + adm.School.str() + Blanco(18) + " Cursus: " + adm.Cursus.str());
    regelOpX0("Docent: " + adm.Docent);
    regelOpX0("Klas  : " + adm.Klas);
    regelOpX0("Vak   : " + adm.Vak + " Deelvak  : " + adm.Deelvak + " Niveau" + GedruktGetal(niveau) + ": " +
              adm.NiveauNaam(niveau).str());
    regelOpX0("Mentor: " + adm.KlasMentor.str());
    tussenregel();
    const std::string naam = std::string(ZonderStaart(adm.Achternaam(p).view())) + "  " +
                             std::string(ZonderStaart(adm.Roepnaam(p).view())) + Blanco(38);
    regelOpX0(" " + naam.substr(0, 31) + "Jaaroverzicht");
    double y = pm.CurrentY + h / 2;
    t.regel(y);
    y += h;

    // A row of a term block: its caption, the eight cells of the columns
    // from c1, then the two averages' cells.
    auto rij = [&](double y, const std::string& kop, int c1, const std::function<std::string_view(int)>& cel,
                   std::string_view gemiddelde, std::string_view klas) {
        t.op(0, y);
        pm.PrintZonderEinde(kop);
        t.op(28, y);
        for (int c = c1; c < c1 + 8; ++c)
            pm.PrintZonderEinde(std::string(cel(c)) + " ");
        t.op(60.5, y);
        pm.Print(gemiddelde);
        t.op(67.5, y);
        pm.Print(klas);
    };

    // Term blocks: per term its columns 1-8, then 9-16.
    t.K = Termijnraster;
    for (int tr = 1; tr <= 3; ++tr) {
        for (int helft = 1; helft <= 2; ++helft) {
            const int c1 = AbsoluteKolom(tr, (helft - 1) * 8 + 1);

            y += h;
            t.A(y);
            y -= h / 2;
            t.op(0, y);
            pm.PrintZonderEinde(" " + std::to_string(tr) + "-e Trimester" + Blanco(13));
            for (int c = c1; c < c1 + 8; ++c) {
                const int n = KolomInTrimester(tr, c);
                if (n < 10) {
                    pm.CurrentX += m.w;
                    pm.PrintZonderEinde(" " + std::to_string(n) + " ");
                } else {
                    pm.CurrentX += (n == 10 ? 1.5 : 2) * m.w;
                    pm.PrintZonderEinde(std::to_string(n));
                }
            }

            y += h / 2;
            t.V(y);
            y += h / 2;
            t.V(y);
            y += h / 2;
            t.W(y);
            t.B(y);
            y -= h / 2;

            rij(y, Blanco(20) + "Gewicht", c1, [&](int c) { return adm.KolomGewicht(c, niveau).view(); }, "Trgem",
                "Klgem");

            y += h;
            t.W(y);
            y += h / 2;
            t.W(y);
            y -= h / 2;

            rij(y, Blanco(21) + "Cijfer", c1, [&](int c) { return adm.Cijfer(p, c, niveau).view(); },
                adm.TrGemTxt(p, tr, niveau).view(), adm.KlTrGemTxt(tr, niveau).view());

            y += h;
            t.W(y);
            y += h / 2;
            t.regel(y);
        }
    }

    // Summary.
    t.K = Overzichtraster;
    y += h;
    t.D(y);
    y -= h / 2;
    t.op(0, y);
    pm.PrintZonderEinde(" Jaaroverzicht" + Blanco(15) + "T1" + Blanco(3) + "T2" + Blanco(3) + "T3" + Blanco(16) +
                        "Rapportenlijst");
    y += h / 2;
    t.U(y);
    y += h / 2;
    t.U(y);

    t.op(0, y);
    std::string gewichten = Blanco(20) + "Gewicht ";
    for (int tr = 1; tr <= 3; ++tr)
        gewichten += adm.TrimGewichtTekst(tr, niveau).str() + Blanco(2);
    pm.Print(gewichten + Blanco(3) + "Jrgem" + Blanco(4) + "Rp1" + Blanco(2) + "Rp2" + Blanco(2) + "Rp3" +
             Blanco(2) + "RpE");

    y += h / 2;
    t.X(y);
    t.C(y);
    y += h / 2;
    t.X(y);
    y += h / 2;
    t.X(y);
    y -= h / 2;

    t.op(0, y);
    std::string gemiddelden = " " + std::string("      Trimestergemiddelden") + " ";
    for (int tr = 1; tr <= 3; ++tr)
        gemiddelden += adm.TrGemTxt(p, tr, niveau).str() + " ";
    pm.PrintZonderEinde(gemiddelden + Blanco(3));
    pm.CurrentX += m.w / 2;
    std::string rest;
    if (const auto jaar = JaarwaardeLeerling(adm, p, niveau))
        rest = std::string(jaar->tekst);
    rest += Blanco(4);
    for (int r = 1; r <= 4; ++r)
        rest += adm.RapportTxt(p, r, niveau).str() + Blanco(2);
    pm.Print(rest);

    y += h;
    t.X(y);
    y += h / 2;
    t.regel(y);
}

Paginamodel PrintJaaroverzicht(const AdmMain& adm, int niveau, const Datum& datum, const Papier& papier)
{
    Paginamodel pm(papier);
    PrintJaaroverzichtPagina(pm, adm, niveau, datum);
    pm.EndDoc();
    return pm;
}

#include "names/AfdrukNamen.h"

#include "core/Getallen.h"
#include "core/Tekst.h"

#include <string>
#include <string_view>

namespace {

// The column lines, in characters from the left edge.
constexpr int Kolomlijnen[] = {0, 3, 38, 46, 49, 57, 74, 79};

const char* const Kolomtitels = "Achternaam          Roepnaam       Persnr. G Basisgrp     Kenmerk      Mnt";

}  // namespace

Paginamodel AfdrukNamen(const AdmMain& adm, const Datum& datum, const Papier& papier)
{
    Paginamodel pm(papier);
    const Paginamaten m = Afdrukkop(pm, 9, 2, 22, datum);
    const double w = m.w, h = m.h, L = m.L, T = m.T;
    const double R = L + 79 * w;

    auto regel = [&](double y) { pm.Line(L, y, R, y); };
    auto randen = [&](double y1, double y2) {
        pm.Line(L, y1, L, y2);
        pm.Line(R, y1, R, y2);
    };
    auto raster = [&](double y1, double y2) {
        for (int k : Kolomlijnen)
            pm.Line(L + k * w, y1, L + k * w, y2);
    };

    regel(T + 0.5 * h);
    TekstOp(pm, L, T + h, "School: " + adm.School.str() + std::string(23, ' ') + " Cursus: " + adm.Cursus.str());
    TekstOp(pm, L, T + 2 * h, "Docent: " + adm.Docent);
    TekstOp(pm, L, T + 3 * h, "Klas  : " + adm.Klas);
    TekstOp(pm, L, T + 4 * h, "Vak   : " + adm.Vak + " Deelvak  : " + adm.Deelvak);
    TekstOp(pm, L, T + 5 * h, "Mentor: " + adm.KlasMentor.str());

    regel(T + 6.5 * h);
    TekstOp(pm, L + 35 * w, T + 6.5 * h, "Namenlijst");

    // The heading box: its edges run down to the rule under the titles.
    regel(T + 8 * h);
    randen(T + 8 * h, T + 10 * h);
    TekstOp(pm, L + 0.5 * w, T + 8.5 * h, std::string("Nr ") + Kolomtitels);
    regel(T + 10 * h);
    raster(T + 10 * h, T + 10.5 * h);

    double y = T + 10.5 * h;
    int c = 0;
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        if (!GedruktLeerling(adm, p))
            continue;
        const bool ster = SterLeerling(adm, p);
        const std::string_view naam = adm.Achternaam(p).view();
        ++c;
        if (NieuweGroep(c)) {
            raster(y, y + h);
            y += h;
        }
        raster(y, y + h);
        std::string t = Tweecijferig(p);
        if (!ster)
            t += " " + std::string(naam.substr(0, 18)) + "  " + adm.Roepnaam(p).str() + "  " +
                 adm.LeerlingPersNr(p).str() + "  " + adm.Geslacht(p).str() + "  " + adm.Basisgroep(p).str() +
                 "  " + adm.Kenmerk(p).str() + "  " + adm.Mentor(p).str() + "  ";
        TekstOp(pm, L + 0.5 * w, y, t);
        y += h;
    }

    raster(y, y + 0.5 * h);
    regel(y + 0.5 * h);
    randen(y + 0.5 * h, y + 1.5 * h);
    regel(y + 1.5 * h);
    pm.EndDoc();
    return pm;
}

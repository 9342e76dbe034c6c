#include "reports/AfdrukRapporten.h"

#include "core/Fout.h"
#include "core/Tekst.h"
#include "reports/Jaarkolom.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

void Controleer(int niveau)
{
    if (niveau < 1 || niveau > 2)
        throw Bereikfout("niveau " + std::to_string(niveau));
}

// A header line at L, ending the line.
void Kopregel(Paginamodel& pm, double L, std::string_view t)
{
    pm.CurrentX = L;
    pm.Print(t);
}

std::string Vakregel(const AdmMain& a, int niveau)
{
    return "Vak   : " + a.Vak + " Deelvak  : " + a.Deelvak + " Niveau" + GedruktGetal(niveau) + ": " +
           a.NiveauNaam(niveau).str();
}

// ---- Report grades only ----

// The rows of a page: the header takes 13 lines, the heading row 2, every
// row 2 and the closing strip 1.
constexpr int RijenPerPagina = 20;

int RijenOpPapier(double hoogte, double h)
{
    const int passen = static_cast<int>((hoogte - 16 * h) / (2 * h));
    return std::clamp(passen, 1, RijenPerPagina);
}

}  // namespace

Paginamodel AfdrukRapportenlijst(const AdmMain& adm, int niveau, const Datum& datum, const Papier& papier)
{
    Controleer(niveau);
    Paginamodel pm(papier);
    double w = 0, h = 0, L = 0;
    auto x = [&](double n) { return L + n * w; };

    // One row's lines at y: the top rule (open between the reports and the
    // mentor) and the column lines down to y + hoogte.
    auto bovenrand = [&](double y) {
        pm.Line(L, y, x(67.5), y);
        pm.Line(x(69.5), y, x(75.5), y);
    };
    auto raster = [&](double y, double hoogte) {
        bovenrand(y);
        for (double k : {0.0, 43.5, 49.5, 55.5, 61.5, 67.5, 69.5, 75.5})
            pm.Line(x(k), y, x(k), y + hoogte);
    };
    auto slotstrook = [&](double y) {
        raster(y, h);
        bovenrand(y + h);
    };

    int rijen = 0;
    double y = 0;
    auto paginakop = [&] {
        const Paginamaten m = Afdrukkop(pm, 9, 3, 18, datum);
        w = m.w;
        h = m.h;
        L = m.L;
        // A rule through the middle of the line below, which stays empty.
        auto regel = [&] {
            const double r = pm.CurrentY + h / 2;
            pm.Line(L, r, x(75.5), r);
            pm.CurrentY = r + h / 2;
        };
        regel();
        Kopregel(pm, L, "School: " + adm.School.str() + std::string(20, ' ') + "Cursus: " + adm.Cursus.str());
        Kopregel(pm, L, "Docent: " + adm.Docent);
        Kopregel(pm, L, "Klas  : " + adm.Klas);
        Kopregel(pm, L, Vakregel(adm, niveau));
        Kopregel(pm, L, "Mentor: " + adm.KlasMentor.str());
        regel();
        Kopregel(pm, L, "Rapportenlijst");
        y = pm.CurrentY + h;
        raster(y, 2 * h);
        TekstOp(pm, x(1), y + h / 2,
                std::string("Persnr   Achternaam        Roepnaam      ") + "  " + " Rp1" + "  " + " Rp2" + "  " +
                    " Rp3" + "  " + " RpE" + "    " + " Mnt");
        rijen = 0;
    };
    paginakop();
    const int perPagina = RijenOpPapier(pm.ScaleHeight(), h);

    for (int p = 1; p <= AantalLeerlingen; ++p) {
        if (!GedruktLeerling(adm, p))
            continue;
        // Every row, a "*" row too, is counted against the page.
        if (rijen >= perPagina) {
            y += 2 * h;
            slotstrook(y);
            pm.NewPage();
            paginakop();
        }
        ++rijen;
        y += 2 * h;
        raster(y, 2 * h);
        if (SterLeerling(adm, p))
            continue;
        std::string t = adm.LeerlingPersNr(p).str() + "   " + Begin(adm.Achternaam(p).view(), 17) + " " +
                        Pas(adm.Roepnaam(p).view(), 14);
        for (int k = 1; k <= 4; ++k)
            t += "   " + adm.RapportTxt(p, k, niveau).str();
        t += "     " + adm.Mentor(p).str();
        TekstOp(pm, x(1), y + h / 2, t);
    }
    if (rijen > 0) {
        y += 2 * h;
        slotstrook(y);
    }
    pm.EndDoc();
    return pm;
}

Paginamodel AfdrukJaarlijst(const AdmMain& adm, int niveau, const Datum& datum, const Papier& papier)
{
    Controleer(niveau);
    Paginamodel pm(papier);
    const Paginamaten m = Afdrukkop(pm, 9, 2, 20, datum);
    const double w = m.w, h = m.h, L = m.L;
    auto x = [&](double n) { return L + n * w; };
    const double R = x(78.5);

    auto lijn = [&](double x1, double y1, double x2, double y2) { pm.Line(x1, y1, x2, y2); };
    auto rand = [&](double y1, double y2) { lijn(R, y1, R, y2); };
    auto regel = [&](double yy) { lijn(L, yy, R, yy); };
    auto kopraster = [&](double y1, double y2) {
        for (double k : {36.5, 41.5, 46.5, 51.5, 56.5, 57.5, 73.5, 74.5, 78.5})
            lijn(x(k), y1, x(k), y2);
    };
    auto rijraster = [&](double y1, double y2) {
        for (double k : {36.5, 41.5, 46.5, 51.5, 56.5, 57.5, 61.5, 65.5, 69.5, 73.5, 74.5, 78.5})
            lijn(x(k), y1, x(k), y2);
    };

    // Header block.
    double y = m.T + h / 2;
    regel(y);
    rand(y, y + h / 2);
    y += h / 2;
    const std::string koppen[5] = {
        "School: " + adm.School.str() + std::string(22, ' ') + "Cursus: " + adm.Cursus.str(),
        "Docent: " + adm.Docent,
        "Klas  : " + adm.Klas,
        Vakregel(adm, niveau),
        "Mentor: " + adm.KlasMentor.str(),
    };
    for (const std::string& k : koppen) {
        pm.CurrentX = L;
        pm.CurrentY = y;
        pm.Print(k);
        rand(y, y + h);
        y += h;
    }
    rand(y, y + h);
    y += h;
    rand(y, y + h / 2);

    // Term heading, weights.
    TekstOp(pm, L, y, "Rapportenlijst             Trimester  T1   T2   T3");
    y += h / 2;
    lijn(x(36.5), y, x(36.5) + h / 2, y);
    lijn(x(41.5) - h / 2, y, x(41.5) + h / 2, y);
    lijn(x(46.5) - h / 2, y, x(46.5) + h / 2, y);
    lijn(x(51.5) - h / 2, y, x(51.5), y);
    lijn(x(56.5), y, x(74.5), y);
    kopraster(y, y + h);
    y += h;
    lijn(L, y, x(51.5), y);
    y -= h / 2;
    pm.CurrentX = x(61.5);
    pm.CurrentY = y;
    pm.Print("Rapporten");
    y += h / 2;
    kopraster(y, y + h / 2);
    y += h / 2;
    kopraster(y, y + h);
    std::string gewichten = std::string(29, ' ') + "Gewicht";
    for (int t = 1; t <= 3; ++t)
        gewichten += "  " + adm.TrimGewichtTekst(t, niveau).str();
    gewichten += std::string(10, ' ') + "Zie opties!";
    pm.CurrentX = L;
    pm.CurrentY = y;
    pm.Print(gewichten);
    y += h;
    kopraster(y, y + h / 2);
    y += h / 2;

    // The column line under a rule at y0; returns the y the rows follow.
    auto kolomregel = [&](double y0) {
        regel(y0);
        rand(y0, y0 + 2 * h);
        pm.CurrentX = L;
        pm.CurrentY = y0 + h / 2;
        pm.Print("Nr  Achternaam        Roepnaam            Tgem      Jgem  Rp1 Rp2 Rp3 RpE  Mnt");
        regel(y0 + 2 * h);
        rijraster(y0 + 2 * h, y0 + 2.5 * h);
        return y0 + 1.5 * h;
    };
    y = kolomregel(y);

    // A row that would run off the paper goes on a new page under the column
    // line, after the list on this page is closed; the class rows likewise.
    int opPagina = 0;
    auto ruimte = [&](double onderkant) {
        if (onderkant <= pm.ScaleHeight() || opPagina == 0)
            return false;
        rijraster(y + h, y + 1.5 * h);
        regel(y + 1.5 * h);
        pm.NewPage();
        y = kolomregel(3 * h);
        opPagina = 0;
        return true;
    };

    int aantal = 0;
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        if (!GedruktLeerling(adm, p))
            continue;
        ++aantal;
        bool tussenrij = NieuweGroep(aantal);
        if (ruimte(y + (tussenrij ? 3 : 2) * h + 0.5 * h))
            tussenrij = false;  // the new page separates the groups already
        if (tussenrij) {
            y += h;
            rijraster(y, y + h);
        }
        y += h;
        rijraster(y, y + h);
        ++opPagina;
        std::string t = Leerlingnummer(p);
        if (!SterLeerling(adm, p)) {
            t += Begin(adm.Achternaam(p).view(), 17) + " " + adm.Roepnaam(p).str() + " ";
            for (int tr = 1; tr <= 3; ++tr)
                t += " " + adm.TrGemTxt(p, tr, niveau).str();
            if (const auto j = JaarwaardeLeerling(adm, p, niveau))
                t += " " + std::string(j->tekst) + "  ";
            for (int k = 1; k <= 4; ++k)
                t += adm.RapportTxt(p, k, niveau).str() + " ";
            t += " " + adm.Mentor(p).str();
        }
        TekstOp(pm, L, y, t);
    }

    // Class rows.
    ruimte(y + 4.5 * h);
    y += h;
    rijraster(y, y + h / 2);
    y += h / 2;
    regel(y);
    rijraster(y, y + h / 2);
    y += h / 2;
    rijraster(y, y + h);
    const auto klas = JaarstatistiekKlas(adm, niveau);
    std::string gem = std::string(19, ' ') + "Klassengemiddelde ";
    std::string spr = std::string(27, ' ') + "Spreiding ";
    for (int t = 1; t <= 3; ++t) {
        gem += adm.KlTrGemTxt(t, niveau).str() + " ";
        spr += adm.KlTrSprTxt(t, niveau).str() + " ";
    }
    if (klas) {
        gem += std::string(klas->gem.tekst) + "  ";
        spr += std::string(klas->spr.tekst) + "  ";
    }
    for (int k = 1; k <= 4; ++k) {
        gem += adm.RpGemTxt(k, niveau).str() + " ";
        spr += adm.RpSprTxt(k, niveau).str() + " ";
    }
    TekstOp(pm, L, y, gem);
    y += h;
    rijraster(y, y + h);
    TekstOp(pm, L, y, spr);
    y += h;
    rijraster(y, y + h / 2);
    y += h / 2;
    regel(y);
    pm.EndDoc();
    return pm;
}

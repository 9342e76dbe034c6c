#include "termsheet/AfdrukTrimester.h"

#include "core/Fout.h"
#include "core/Tekst.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Controleer(int trimester, int niveau)
{
    if (trimester < 1 || trimester > 3 || niveau < 1 || niveau > 2)
        throw Bereikfout("trimester " + std::to_string(trimester) + ", niveau " + std::to_string(niveau));
}

// Column number within the term in a three-character cell: " 5 ", "12 ".
std::string Kolomnummer(int k)
{
    const std::string s = " " + std::to_string(k) + " ";
    return s.substr(s.size() - 3);
}

// A header text in a three-character cell: longer texts show their first
// two characters and "*" (the column notes give them whole).
std::string Kopcel(std::string_view s)
{
    if (ZonderStaart(s).size() > 3)
        return std::string(s.substr(0, 2)) + "*";
    return std::string(s.substr(0, 3));
}

// The lines of the term sheet: eight cells between x = 37.5 and 69.5
// characters, the mentor separator at 74.5 and the right edge at 79; no
// line at the left edge.
struct Raster {
    Paginamodel& pm;
    double L, w, R;

    double x(double k) const { return L + k * w; }
    void verticaal(double xx, double y1, double y2) { pm.Line(xx, y1, xx, y2); }
    void rand(double y1, double y2) { verticaal(R, y1, y2); }
    void cellen(double y1, double y2)
    {
        for (int k = 0; k <= 8; ++k)
            verticaal(x(37.5 + 4 * k), y1, y2);
    }
    void kop(double y1, double y2)
    {
        cellen(y1, y2);
        rand(y1, y2);
    }
    void lijst(double y1, double y2)
    {
        cellen(y1, y2);
        verticaal(x(74.5), y1, y2);
        rand(y1, y2);
    }
    void regel(double y) { pm.Line(L, y, R, y); }
};

const char* const Kolomtitels = "Nr  Achternaam        Roepnaam        Cijfers/Scores                  Tgem Mnt";

}  // namespace

Paginamodel AfdrukTrimester(const AdmMain& adm, int trimester, int niveau, int eersteKolom, const Datum& datum,
                            const Papier& papier)
{
    Controleer(trimester, niveau);
    if (eersteKolom < 1 || eersteKolom > 9)
        throw Bereikfout("eerste kolom " + std::to_string(eersteKolom));
    const int a0 = AbsoluteKolom(trimester, eersteKolom);

    Paginamodel pm(papier);
    const Paginamaten m = Afdrukkop(pm, 6, 3, 21, datum);
    const double w = m.w, h = m.h, L = m.L, T = m.T;
    Raster r{pm, L, w, L + 79 * w};
    const double bovenkant = 3 * h;  // continuation pages start where the title stands on the first

    // Header box.
    r.regel(T + 0.5 * h);
    r.rand(T + 0.5 * h, T + 1.5 * h);
    TekstOp(pm, L, T + h, Pas("School : " + adm.School.str() + "                      Cursus: " + adm.Cursus.str(), 78));
    r.rand(T + h, T + 2 * h);
    TekstOp(pm, L, T + 2 * h, Pas("Docent : " + adm.Docent, 78));
    r.rand(T + 2 * h, T + 3 * h);
    r.rand(T + 3 * h, T + 4 * h);

    TekstOp(pm, L, T + 4 * h,
            std::to_string(trimester) + "-e Trimester Niveau" + GedruktGetal(niveau) + ": " +
                adm.NiveauNaam(niveau).str() + " Kolom");
    r.kop(T + 4 * h, T + 6 * h);
    for (int k = 0; k < 8; ++k)
        TekstOp(pm, r.x(38 + 4 * k), T + 4 * h, Kolomnummer(eersteKolom + k));
    pm.Line(L, T + 5.5 * h, r.x(69.5), T + 5.5 * h);

    const std::string koppen[4] = {
        "Klas  : " + adm.Klas + "                  Soort",
        "Vak   : " + adm.Vak + "                  Datum",
        "Dvak  : " + adm.Deelvak + "              Opmerking",
        "Mentor: " + Begin(adm.KlasMentor.view(), 20) + "  Gewicht",
    };
    for (int rij = 0; rij < 4; ++rij) {
        const double y = T + (6 + rij) * h;
        r.kop(y, y + h);
        TekstOp(pm, L, y, koppen[rij]);
        for (int k = 0; k < 8; ++k) {
            const int a = a0 + k;
            std::string cel;
            switch (rij) {
            case 0: cel = Kopcel(adm.KolomSoort(a, niveau).view()); break;
            case 1: cel = Kopcel(adm.KolomDatum(a, niveau).view()); break;
            case 2: cel = Kopcel(adm.KolomOpmerking(a, niveau).view()); break;
            default: cel = adm.KolomGewicht(a, niveau).str(); break;
            }
            TekstOp(pm, r.x(38 + 4 * k), y, cel);
        }
    }
    r.kop(T + 10 * h, T + 10.5 * h);

    // Column heading under a rule at y; returns the top of the first row.
    auto kolomtitels = [&](double y) {
        r.regel(y);
        r.rand(y, y + 0.5 * h);
        TekstOp(pm, L, y + 0.5 * h, Kolomtitels);
        r.rand(y + 0.5 * h, y + 2 * h);
        r.regel(y + 2 * h);
        r.lijst(y + 2 * h, y + 2.5 * h);
        return y + 2.5 * h;
    };
    double y = kolomtitels(T + 10.5 * h);
    const double vervolgBegin = bovenkant + 2.5 * h;

    // Closes the list on this page and goes on under the heading of the next,
    // when `nodig` no longer fits above the closing rule and a new page
    // would give more room.
    auto ruimte = [&](double nodig) {
        if (y + nodig + 0.5 * h <= pm.ScaleHeight() || y <= vervolgBegin)
            return false;
        r.lijst(y, y + 0.5 * h);
        r.regel(y + 0.5 * h);
        pm.NewPage();
        y = kolomtitels(bovenkant);
        return true;
    };

    int c = 0;
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        if (!GedruktLeerling(adm, p))
            continue;
        const bool ster = SterLeerling(adm, p);
        const std::string_view naam = adm.Achternaam(p).view();
        ++c;
        bool tussenregel = NieuweGroep(c);
        if (ruimte(tussenregel ? 2 * h : h))
            tussenregel = false;  // the page break separates the groups already
        if (tussenregel) {
            r.lijst(y, y + h);
            y += h;
        }
        r.lijst(y, y + h);
        if (ster) {
            TekstOp(pm, L, y, Leerlingnummer(p));
        } else {
            TekstOp(pm, L, y,
                    Leerlingnummer(p) + Begin(naam, 17) + " " + Begin(adm.Roepnaam(p).view(), 13));
            for (int k = 0; k < 8; ++k)
                TekstOp(pm, r.x(38 + 4 * k), y, adm.Cijfer(p, a0 + k, niveau).view());
            TekstOp(pm, r.x(70), y, adm.TrGemTxt(p, trimester, niveau).view());
            TekstOp(pm, r.x(75), y, adm.Mentor(p).view());
        }
        y += h;
    }

    // Class statistics.
    ruimte(3 * h);
    r.lijst(y, y + 0.5 * h);
    r.regel(y + 0.5 * h);
    r.lijst(y + 0.5 * h, y + h);
    const double y1 = y + h, y2 = y + 2 * h;
    r.lijst(y1, y1 + h);
    TekstOp(pm, r.x(20), y1, "Klassengemiddelde");
    for (int k = 0; k < 8; ++k)
        TekstOp(pm, r.x(38 + 4 * k), y1, Begin(adm.KlGemTxt(a0 + k, niveau).view(), 3));
    TekstOp(pm, r.x(70), y1, adm.KlTrGemTxt(trimester, niveau).view());
    TekstOp(pm, r.x(28), y2, "Spreiding");
    for (int k = 0; k < 8; ++k)
        TekstOp(pm, r.x(38 + 4 * k), y2, Begin(adm.KlSprTxt(a0 + k, niveau).view(), 3));
    TekstOp(pm, r.x(70), y2, adm.KlTrSprTxt(trimester, niveau).view());
    r.lijst(y2, y2 + 0.5 * h);
    r.lijst(y2 + 0.5 * h, y2 + 1.5 * h);
    r.regel(y2 + 1.5 * h);

    pm.EndDoc();
    return pm;
}

Paginamodel AfdrukToelichting(const AdmMain& adm, int trimester, int niveau, const Datum& datum,
                              const Papier& papier)
{
    Controleer(trimester, niveau);

    struct Noot {
        int kolom;
        const char* label;
        std::string tekst;
    };
    std::vector<Noot> noten;
    for (int k = 1; k <= KolommenPerTrimester; ++k) {
        const int a = AbsoluteKolom(trimester, k);
        const std::pair<const char*, std::string> teksten[3] = {
            {"Soort     : ", adm.KolomSoort(a, niveau).str()},
            {"Datum     : ", adm.KolomDatum(a, niveau).str()},
            {"Opmerking : ", adm.KolomOpmerking(a, niveau).str()},
        };
        for (const auto& [label, tekst] : teksten)
            if (ZonderStaart(tekst).size() > 3)
                noten.push_back({k, label, tekst});
    }

    Paginamodel pm(papier);
    if (noten.empty())
        return pm;  // nothing to explain: no document at all

    const Paginamaten m = Afdrukkop(pm, 6, 3, 22, datum);
    const double w = m.w, h = m.h, L = m.L, T = m.T;
    pm.Line(L, T + 0.5 * h, L + 79 * w, T + 0.5 * h);
    TekstOp(pm, L, T + h, "Klas: " + adm.Klas + "  Vak: " + adm.Vak + "  Deelvak: " + adm.Deelvak);
    TekstOp(pm, L, T + 3 * h,
            "Toelichting  " + std::to_string(trimester) + "-e Trimester     Nivo" + GedruktGetal(niveau) + "       ");

    // One flow of lines; a line that would run past the printable area goes
    // to the top of a new page, where the first page's title stands.
    const double bovenkant = 3 * h;
    double y = T + 5 * h;
    for (std::size_t i = 0; i < noten.size(); ++i) {
        const Noot& n = noten[i];
        if (y + h > pm.ScaleHeight() && y > bovenkant) {
            pm.NewPage();
            y = bovenkant;
        }
        TekstOp(pm, L, y, "Kolom " + Kolomnummer(n.kolom) + " " + n.label + n.tekst);
        y += h;
        if (i + 1 == noten.size() || noten[i + 1].kolom != n.kolom)
            y += h;  // an empty line after each column
    }

    pm.EndDoc();
    return pm;
}

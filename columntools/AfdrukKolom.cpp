#include "columntools/AfdrukKolom.h"

#include "core/Tekst.h"

#include <string>
#include <string_view>

Paginamodel AfdrukKolom(const AdmMain& adm, const Kolomkeuze& kolom, const Datum& datum, const Papier& papier)
{
    const int t = kolom.trimester, n = kolom.niveau, k = kolom.kolom, K = kolom.Absoluut();
    Paginamodel pm(papier);
    const Paginamaten m = Afdrukkop(pm, 7, 3, 22, datum);
    const double cw = m.w, ch = m.h, X0 = m.L;
    // The column lines; the box is open on the left.
    const double XA = X0 + 41.5 * cw, XB = X0 + 46.5 * cw, XC = X0 + 67.5 * cw, XD = X0 + 72.5 * cw,
                 XR = X0 + 79 * cw;
    double Y = m.T + ch / 2;

    auto rij = [&](const std::string& tekst) {
        pm.CurrentX = X0;
        pm.CurrentY = Y;
        pm.Print(tekst);
    };
    auto regel = [&] { pm.Line(X0, Y, XR, Y); };
    auto rand = [&](double hoogte) { pm.Line(XR, Y, XR, Y + hoogte); };
    auto kopranden = [&](double hoogte) {
        pm.Line(XA, Y, XA, Y + hoogte);
        rand(hoogte);
    };
    auto lijnen = [&](double y, double hoogte) {
        for (double x : {XB, XC, XD, XA, XR})
            pm.Line(x, y, x, y + hoogte);
    };

    regel();
    rand(ch);
    Y += ch / 2;
    rij(Begin("School : " + adm.School.str() + " Cursus " + adm.Cursus.str() + Blanco(80), 78));
    rand(ch);
    Y += ch;
    rij(Begin("Docent : " + adm.Docent + Blanco(80), 78));
    rand(ch);
    Y += ch;
    rand(ch);
    Y += ch;
    rij(std::to_string(t) + "-e Trimester Niveau" + GedruktGetal(n) + ": " + adm.NiveauNaam(n).str() + Blanco(5) +
        "Kolom " + std::to_string(k));
    rand(1.5 * ch);
    Y += 1.5 * ch;

    regel();
    kopranden(ch / 2);
    Y += ch / 2;
    const std::string kop[] = {
        "Klas  : " + adm.Klas + Blanco(22) + "Soort " + adm.KolomSoort(K, n).str(),
        "Vak   : " + adm.Vak + Blanco(22) + "Datum " + adm.KolomDatum(K, n).str(),
        "Dvak  : " + adm.Deelvak + Blanco(18) + "Opmerking " + adm.KolomOpmerking(K, n).str(),
        "Mentor: " + Blanco(26) + "Gewicht " + adm.KolomGewicht(K, n).str(),
    };
    for (const std::string& r : kop) {
        rij(r);
        kopranden(ch);
        Y += ch;
    }
    kopranden(ch / 2);
    Y += ch / 2;

    regel();
    rand(ch / 2);
    Y += ch / 2;
    rij("Nr  Achternaam        Roepnaam        Cijfer/Score                  Tgem  Mnt ");
    rand(ch);
    Y += ch;
    rand(ch / 2);
    Y += ch / 2;
    regel();
    lijnen(Y, ch / 2);
    // The first row adds a full row: it starts half a row below the rule.
    Y -= ch / 2;

    int c = 0;
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        if (!GedruktLeerling(adm, p))
            continue;
        ++c;
        if (NieuweGroep(c)) {
            Y += ch;
            lijnen(Y, ch);
        }
        Y += ch;
        std::string tekst = Leerlingnummer(p);
        if (!SterLeerling(adm, p))
            tekst += Begin(adm.Achternaam(p).view(), 17) + " " + adm.Roepnaam(p).str() + Blanco(7) +
                     adm.Cijfer(p, K, n).str() + Blanco(23) + adm.TrGemTxt(p, t, n).str() + Blanco(2) +
                     adm.Mentor(p).str();
        rij(tekst);
        lijnen(Y, ch);
    }

    lijnen(Y + ch, ch / 2);
    Y += 1.5 * ch;
    regel();
    lijnen(Y, ch / 2);
    Y += ch / 2;
    rij(Blanco(24) + "Klassengemiddelde " + adm.KlGemTxt(K, n).str() + Blanco(22) + adm.KlTrGemTxt(t, n).str());
    lijnen(Y, ch);
    Y += ch;
    rij(Blanco(32) + "Spreiding " + adm.KlSprTxt(K, n).str() + Blanco(22) + adm.KlTrSprTxt(t, n).str());
    lijnen(Y, ch);
    Y += ch;
    lijnen(Y, ch / 2);
    Y += ch / 2;
    regel();
    pm.EndDoc();
    return pm;
}

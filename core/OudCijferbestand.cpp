#include "core/Cijferbestand.h"

#include "core/CijferbestandLezer.h"
#include "core/Fout.h"
#include "core/Getallen.h"
#include "core/Schermvenster.h"

namespace {

// Characters van .. van + n - 1 (counted from 1) of a line, as far as it reaches.
std::string_view Deel(std::string_view regel, std::size_t van, std::size_t n)
{
    return regel.size() < van ? std::string_view() : regel.substr(van - 1, n);
}

// Version 1 texts may be in the DOS code page.
std::string Dos(std::string_view t, std::size_t breedte)
{
    return DosTekensOmzetten(Pas(t, breedte));
}

void LeesVersie1(AdmMain& a, Regellezer& r)
{
    if (!r.kopLengtes(26, 9, 6, 6))
        r.fout(FoutVerkeerdBestand);

    a.School = Dos(r.regel(), 30);
    a.Cursus = r.regel();
    a.Klas = r.regel();
    a.Vak = r.regel();
    a.Deelvak = r.regel();
    a.Docent = r.regel();
    a.DocentPersNr = r.regel();
    a.KlasMentor = r.regel();

    for (int p = 1; p <= AantalLeerlingen; ++p) {
        a.Achternaam(p) = Dos(r.regel(), 30);
        a.Roepnaam(p) = Dos(r.regel(), 13);
        a.LeerlingPersNr(p) = r.regel();
        a.Geslacht(p) = r.regel();
        a.Basisgroep(p) = r.regel();
        const std::string_view adres = r.regel();
        a.Adres(p) = Dos(Deel(adres, 8, 48), 36);
        const std::string_view plaats = r.regel();
        a.Postcode(p) = Deel(plaats, 20, 7);
        a.Woonplaats(p) = Dos(Deel(plaats, 28, 11), 15);
        a.Telefoon(p) = Deel(plaats, 39, 14);
        for (int k = 1; k <= 4; ++k) {
            a.RapportTxt(p, k, 1) = r.regel();
            a.RapportTxt(p, k, 2) = r.regel();
        }
    }

    // Scherm, KolomHelft, HuidigeRij, HuidigeKolom, EersteRij, LaatsteRij, Niveau.
    const auto s = r.gehelen(7);
    a.Scherm = s[0];
    const int helft = s[1];
    a.HuidigeRij = s[2];
    a.HuidigeKolom = s[3];
    a.EersteRij = s[4];
    a.LaatsteRij = s[5];
    a.Niveau = s[6];
    // The half of the term shown only means something in a term sheet; an
    // impossible one leaves an invalid window that the check resets.
    const bool termijn = IsTrimester(a.Scherm);
    a.EersteKolom = termijn && (helft == 1 || helft == 2) ? (helft - 1) * 8 + AbsoluteKolom(a.Scherm, 1) : 0;
    a.LaatsteKolom = a.EersteKolom + 7;
    SchermstandControleren(a);

    a.NiveauNaam(1) = r.regel();
    a.NiveauNaam(2) = r.regel();
    if (r.einde())
        return;

    r.overslaan(AantalLeerlingen * 6);
    for (int p = 1; p <= AantalLeerlingen; ++p)
        for (int k = 1; k <= 4; ++k) {
            a.Rapport(p, k, 1) = r.getal();
            a.Rapport(p, k, 2) = r.getal();
        }
    for (int p = 1; p <= AantalLeerlingen; ++p)
        a.Mentor(p) = r.regel();
    for (int c = 1; c <= AantalKolommen; ++c)
        r.getal();

    for (auto* kop : {&a.KolomSoort, &a.KolomDatum, &a.KolomOpmerking})
        for (int c = 1; c <= AantalKolommen; ++c) {
            (*kop)(c, 1) = r.regel();
            (*kop)(c, 2) = r.regel();
        }
    for (int c = 1; c <= AantalKolommen; ++c)
        for (int l = 1; l <= 2; ++l) {
            a.KolomGewicht(c, l) = r.regel();
            a.GewichtWaarde(c, l) = r.getal();
        }
    for (int p = 1; p <= AantalLeerlingen; ++p)
        for (int c = 1; c <= AantalKolommen; ++c) {
            a.Cijfer(p, c, 1) = r.regel();
            a.Cijfer(p, c, 2) = r.regel();
        }
    for (int c = 1; c <= AantalKolommen; ++c)
        for (int l = 1; l <= 2; ++l) {
            a.KlGemTxt(c, l) = r.regel();
            a.KlGem(c, l) = r.getal();
            a.KlAantal(c, l) = AantalControleren(r.geheel());
        }
    for (int c = 1; c <= AantalKolommen; ++c)
        for (int l = 1; l <= 2; ++l) {
            a.KlSprTxt(c, l) = r.regel();
            a.KlSpr(c, l) = r.getal();
        }
    for (int t = 1; t <= 3; ++t) {
        for (int l = 1; l <= 2; ++l) {
            a.TrimGewichtTekst(t, l) = r.regel();
            a.TrimesterWeging(t, l) = r.getal();
        }
        r.getal();  // a weight sum of no pupil, of no use
    }
    // Ten lines of no pupil, of no use: per level a year average's text,
    // value and weight sum, then per level an end average's text and value.
    for (int l = 1; l <= 2; ++l) {
        r.regel();
        r.getal();
        r.getal();
    }
    for (int l = 1; l <= 2; ++l) {
        r.regel();
        r.getal();
    }
    for (int p = 1; p <= AantalLeerlingen; ++p) {
        for (int t = 1; t <= 3; ++t)
            for (int l = 1; l <= 2; ++l) {
                a.TrGemTxt(p, t, l) = r.regel();
                a.TrGem(p, t, l) = r.getal();
                a.SomGewicht(p, t, l) = r.getal();
            }
        for (int l = 1; l <= 2; ++l) {
            a.JrGemTxt(p, l) = r.regel();
            a.JrGem(p, l) = r.getal();
            a.SomGewichtJaar(p, l) = r.getal();
        }
        for (int l = 1; l <= 2; ++l) {
            a.EindGemTxt(p, l) = r.regel();
            a.EindGem(p, l) = r.getal();
        }
    }
    for (int t = 1; t <= 3; ++t)
        for (int l = 1; l <= 2; ++l) {
            a.KlTrGemTxt(t, l) = r.regel();
            a.KlTrGem(t, l) = r.getal();
            a.KlTrAantal(t, l) = AantalControleren(r.geheel());
        }
    for (int t = 1; t <= 3; ++t)
        for (int l = 1; l <= 2; ++l) {
            a.KlTrSprTxt(t, l) = r.regel();
            a.KlTrSpr(t, l) = r.getal();
        }
    for (int l = 1; l <= 2; ++l) {
        a.KlJrGemTxt(l) = r.regel();
        a.KlJrGem(l) = r.getal();
        a.KlJrAantal(l) = AantalControleren(r.geheel());
    }
    for (int l = 1; l <= 2; ++l) {
        a.KlJrSprTxt(l) = r.regel();
        a.KlJrSpr(l) = r.getal();
    }
    // RapportOptieNieuw keeps its new-file value: the option dialogs fill it when they open.
    for (int k = 1; k <= 5; ++k)
        a.RapportOptie[k] = r.geheel();
    RapportOptiesControleren(a);
}

}  // namespace

void OudCijferbestandLaden(AdmMain& adm, const std::string& pad, Laadherstel herstel)
{
    CijferbestandInlezen(adm, pad, LeesVersie1, herstel);
}

#include "core/Schermvenster.h"

#include <algorithm>

namespace {

// The window of eight from `van`, kept within laagste..hoogste.
void Venster(int& eerste, int& laatste, int van, int laagste, int hoogste)
{
    eerste = std::clamp(van, laagste, hoogste - 7);
    laatste = eerste + 7;
}

// n (within laagste..hoogste) becomes current; a window that does not hold
// it moves just far enough, n at the edge it passed.
void Volgen(int& eerste, int& laatste, int& huidig, int n, int laagste, int hoogste)
{
    if (n < eerste)
        Venster(eerste, laatste, n, laagste, hoogste);
    else if (n > laatste)
        Venster(eerste, laatste, n - 7, laagste, hoogste);
    huidig = n;
}

bool IsTrimester(int scherm) { return scherm >= SchermTrimester1 && scherm <= SchermTrimester3; }

// The column before the first of the term shown.
int Termijnbegin(int scherm) { return AbsoluteKolom(scherm, 0); }

}  // namespace

Schermstand SchermstandVan(const AdmMain& a)
{
    return {a.Scherm, a.EersteRij, a.LaatsteRij, a.EersteKolom, a.LaatsteKolom, a.HuidigeRij, a.HuidigeKolom, a.Niveau};
}

void SchermstandZetten(AdmMain& a, const Schermstand& s)
{
    a.Scherm = s.Scherm;
    a.EersteRij = s.EersteRij;
    a.LaatsteRij = s.LaatsteRij;
    a.EersteKolom = s.EersteKolom;
    a.LaatsteKolom = s.LaatsteKolom;
    a.HuidigeRij = s.HuidigeRij;
    a.HuidigeKolom = s.HuidigeKolom;
    a.Niveau = s.Niveau;
}

// ---------------------------------------------------------------- valid states

void BeginSchermstand(AdmMain& a) { SchermstandZetten(a, Schermstand{}); }

void SchermstandControleren(Schermstand& s)
{
    const Schermstand begin;
    if (s.Scherm < SchermTrimester1 || s.Scherm > SchermNamen)
        s.Scherm = begin.Scherm;

    const bool rijen =
        s.EersteRij >= 1 && s.EersteRij <= AantalLeerlingen - 7 && s.LaatsteRij == s.EersteRij + 7;
    if (!rijen) {
        s.EersteRij = begin.EersteRij;
        s.LaatsteRij = begin.LaatsteRij;
    }
    if (s.HuidigeRij < 1 || s.HuidigeRij > AantalLeerlingen)
        s.HuidigeRij = s.EersteRij;

    const bool termijnScherm = IsTrimester(s.Scherm);
    const int termijn = s.EersteKolom >= 1 ? (s.EersteKolom - 1) / KolommenPerTrimester + 1 : 0;
    const int binnen = s.EersteKolom >= 1 ? (s.EersteKolom - 1) % KolommenPerTrimester : -1;
    const bool kolommen = termijn >= 1 && termijn <= 3 && binnen >= 0 && binnen <= KolommenPerTrimester - 8 &&
                          s.LaatsteKolom == s.EersteKolom + 7 && s.HuidigeKolom >= s.EersteKolom &&
                          s.HuidigeKolom <= s.LaatsteKolom && (!termijnScherm || termijn == s.Scherm);
    if (!kolommen) {
        // The term's first window, as a switch to that term gives; columns 1-8 otherwise.
        s.EersteKolom = AbsoluteKolom(termijnScherm ? s.Scherm : 1, 1);
        s.LaatsteKolom = s.EersteKolom + 7;
        s.HuidigeKolom = s.EersteKolom;
    }

    if (s.Niveau != 1 && s.Niveau != 2)
        s.Niveau = begin.Niveau;
}

void SchermstandControleren(AdmMain& a)
{
    Schermstand s = SchermstandVan(a);
    SchermstandControleren(s);
    SchermstandZetten(a, s);
}

Schermstand GeldigeSchermstand(const AdmMain& a)
{
    Schermstand s = SchermstandVan(a);
    SchermstandControleren(s);
    return s;
}

void HuidigeRijInVenster(AdmMain& a)
{
    if (a.EersteRij >= 1 && a.EersteRij <= AantalLeerlingen - 7 && a.LaatsteRij == a.EersteRij + 7)
        a.HuidigeRij = std::clamp(a.HuidigeRij, a.EersteRij, a.LaatsteRij);
}

// ---------------------------------------------------------------- rows

void RijvensterVanaf(AdmMain& a, int eerste) { Venster(a.EersteRij, a.LaatsteRij, eerste, 1, AantalLeerlingen); }

void LeerlingKiezen(AdmMain& a, int p)
{
    if (p >= 1 && p <= AantalLeerlingen)
        Volgen(a.EersteRij, a.LaatsteRij, a.HuidigeRij, p, 1, AantalLeerlingen);
}

void SchermrijKiezen(AdmMain& a, int r) { a.HuidigeRij = LeerlingOpRij(SchermstandVan(a), r); }

void EersteLeerlingKiezen(AdmMain& a)
{
    RijvensterVanaf(a, 1);
    a.HuidigeRij = 1;
}

int Leerlingstap(int p, int rijen) { return std::clamp(p + rijen, 1, AantalLeerlingen); }

// ---------------------------------------------------------------- columns

void TrimesterKiezen(AdmMain& a, int t)
{
    a.Scherm = t;
    a.EersteKolom = AbsoluteKolom(t, 1);
    a.LaatsteKolom = a.EersteKolom + 7;
    a.HuidigeKolom = a.EersteKolom;
}

void SchermKiezen(AdmMain& a, int scherm)
{
    if (IsTrimester(scherm))
        TrimesterKiezen(a, scherm);
    else if (scherm >= SchermRapporten && scherm <= SchermNamen)
        a.Scherm = scherm;
}

void NiveauKiezen(AdmMain& a, int niveau)
{
    if (niveau == 1 || niveau == 2)
        a.Niveau = niveau;
}

void KolomKiezen(AdmMain& a, int k)
{
    if (k < 1 || k > KolommenPerTrimester || !IsTrimester(a.Scherm))
        return;
    const int t = Termijnbegin(a.Scherm);
    Volgen(a.EersteKolom, a.LaatsteKolom, a.HuidigeKolom, t + k, t + 1, t + KolommenPerTrimester);
}

void SchermkolomKiezen(AdmMain& a, int k) { a.HuidigeKolom = KolomOpScherm(SchermstandVan(a), k); }

int Trimesterkolom(const Schermstand& s, int c) { return c - Termijnbegin(s.Scherm); }

// ---------------------------------------------------------------- screen places

int SchermRij(const Schermstand& s, int p) { return p - s.EersteRij + 1; }

int LeerlingOpRij(const Schermstand& s, int r) { return s.EersteRij + r - 1; }

int SchermKolom(const Schermstand& s, int c) { return c - s.EersteKolom + 1; }

int KolomOpScherm(const Schermstand& s, int k) { return s.EersteKolom + k - 1; }

int CelIndex(const Schermstand& s, int p, int c)
{
    return (p - s.EersteRij) * Vensterkolommen + SchermKolom(s, c);
}

Cel CelVan(const Schermstand& s, int index)
{
    return {s.EersteRij + (index - 1) / Vensterkolommen, s.EersteKolom + (index - 1) % Vensterkolommen};
}

void CelKiezen(AdmMain& a, int index)
{
    const Cel cel = CelVan(SchermstandVan(a), index);
    a.HuidigeRij = cel.leerling;
    a.HuidigeKolom = cel.kolom;
}

int RapportIndex(const Schermstand& s, int p, int rapport) { return (p - s.EersteRij) * RapportenPerRij + rapport; }

Rapportvak RapportvakVan(const Schermstand& s, int index)
{
    return {s.EersteRij + (index - 1) / RapportenPerRij, (index - 1) % RapportenPerRij + 1};
}

void RapportvakKiezen(AdmMain& a, int index)
{
    const Rapportvak vak = RapportvakVan(SchermstandVan(a), index);
    a.HuidigeRij = vak.leerling;
    a.RapportKolom = vak.rapport;
}

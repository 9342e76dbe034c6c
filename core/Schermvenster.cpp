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

// Eight rows within the slots.
bool GeldigeRijen(const Schermstand& s)
{
    return s.EersteRij >= 1 && s.EersteRij <= AantalLeerlingen - 7 && s.LaatsteRij == s.EersteRij + 7;
}

// The column before the first of the term shown.
int Termijnbegin(int scherm) { return AbsoluteKolom(scherm, 0); }

}  // namespace

// ---------------------------------------------------------------- valid states

void BeginSchermstand(Schermstand& s) { s = Schermstand{}; }

void SchermstandControleren(Schermstand& s)
{
    const Schermstand begin;
    if (s.Scherm < SchermTrimester1 || s.Scherm > SchermNamen)
        s.Scherm = begin.Scherm;

    if (!GeldigeRijen(s)) {
        s.EersteRij = begin.EersteRij;
        s.LaatsteRij = begin.LaatsteRij;
    }
    if (s.HuidigeRij < 1 || s.HuidigeRij > AantalLeerlingen)
        s.HuidigeRij = s.EersteRij;

    const bool termijnScherm = IsTrimester(s.Scherm);
    const int termijn = s.EersteKolom >= 1 ? TrimesterVan(s.EersteKolom) : 0;
    const int binnen = s.EersteKolom - AbsoluteKolom(termijn, 1);
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

Schermstand GeldigeSchermstand(const Schermstand& stand)
{
    Schermstand s = stand;
    SchermstandControleren(s);
    return s;
}

// ---------------------------------------------------------------- rows

void RijvensterVanaf(Schermstand& s, int eerste) { Venster(s.EersteRij, s.LaatsteRij, eerste, 1, AantalLeerlingen); }

void LeerlingKiezen(Schermstand& s, int p)
{
    if (p >= 1 && p <= AantalLeerlingen)
        Volgen(s.EersteRij, s.LaatsteRij, s.HuidigeRij, p, 1, AantalLeerlingen);
}

void SchermrijKiezen(Schermstand& s, int r) { s.HuidigeRij = LeerlingOpRij(s, r); }

bool HuidigeRijTonen(Schermstand& s)
{
    const Schermstand voor = s;
    const Schermstand geldig = GeldigeSchermstand(s);
    s.EersteRij = geldig.EersteRij;
    s.LaatsteRij = geldig.LaatsteRij;
    LeerlingKiezen(s, geldig.HuidigeRij);
    return s != voor;
}

void EersteLeerlingKiezen(Schermstand& s)
{
    RijvensterVanaf(s, 1);
    s.HuidigeRij = 1;
}

int Leerlingstap(int p, int rijen) { return std::clamp(p + rijen, 1, AantalLeerlingen); }

// ---------------------------------------------------------------- columns

void TrimesterKiezen(Schermstand& s, int t)
{
    s.Scherm = t;
    s.EersteKolom = AbsoluteKolom(t, 1);
    s.LaatsteKolom = s.EersteKolom + 7;
    s.HuidigeKolom = s.EersteKolom;
}

void SchermKiezen(Schermstand& s, int scherm)
{
    if (IsTrimester(scherm))
        TrimesterKiezen(s, scherm);
    else if (scherm >= SchermRapporten && scherm <= SchermNamen)
        s.Scherm = scherm;
}

void NiveauKiezen(Schermstand& s, int niveau)
{
    if (niveau == 1 || niveau == 2)
        s.Niveau = niveau;
}

void KolomKiezen(Schermstand& s, int k)
{
    if (k < 1 || k > KolommenPerTrimester || !IsTrimester(s.Scherm))
        return;
    const int t = Termijnbegin(s.Scherm);
    Volgen(s.EersteKolom, s.LaatsteKolom, s.HuidigeKolom, t + k, t + 1, t + KolommenPerTrimester);
}

void SchermkolomKiezen(Schermstand& s, int k) { s.HuidigeKolom = KolomOpScherm(s, k); }

int Trimesterkolom(const Schermstand& s, int c) { return KolomInTrimester(s.Scherm, c); }

// ---------------------------------------------------------------- screen places

int SchermRij(const Schermstand& s, int p) { return p - s.EersteRij + 1; }

int LeerlingOpRij(const Schermstand& s, int r) { return s.EersteRij + r - 1; }

int GetoondeRij(const Schermstand& stand, int p)
{
    const Schermstand s = GeldigeSchermstand(stand);
    return p >= s.EersteRij && p <= s.LaatsteRij ? SchermRij(s, p) : GeenRij;
}

int HuidigeSchermrij(const Schermstand& stand)
{
    const Schermstand s = GeldigeSchermstand(stand);
    return GetoondeRij(s, s.HuidigeRij);
}

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

void CelKiezen(Schermstand& s, int index)
{
    const Cel cel = CelVan(s, index);
    s.HuidigeRij = cel.leerling;
    s.HuidigeKolom = cel.kolom;
}

int RapportIndex(const Schermstand& s, int p, int rapport) { return (p - s.EersteRij) * RapportenPerRij + rapport; }

Rapportvak RapportvakVan(const Schermstand& s, int index)
{
    return {s.EersteRij + (index - 1) / RapportenPerRij, (index - 1) % RapportenPerRij + 1};
}

void RapportvakKiezen(AdmMain& a, int index)
{
    const Rapportvak vak = RapportvakVan(a, index);
    a.HuidigeRij = vak.leerling;
    a.RapportKolom = vak.rapport;
}

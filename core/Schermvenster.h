#pragma once
// The display window (Schermvenster) of the views: eight pupil rows
// EersteRij..LaatsteRij over the 36 slots with the current pupil HuidigeRij,
// and in the term sheet eight columns EersteKolom..LaatsteKolom within the
// term shown with the current column HuidigeKolom; beside them the view
// (Scherm) and the level (Niveau). They are the data set's Schermstand
// (core/AdmMain.h), so each rule here takes the data set as well.
//
// The commands move it only through the rules here, and each rule leaves a
// valid state valid, so a redraw just reads it. A redraw that meets a state
// out of these rules all the same (a test may poke one) draws from a valid
// copy of it (GeldigeSchermstand) and writes nothing back.

#include "core/AdmMain.h"

inline constexpr int Vensterrijen = 8;      // pupil rows of the window; a page
inline constexpr int Vensterkolommen = 8;   // grade columns of the term sheet's window
inline constexpr int RapportenPerRij = 4;   // report boxes on a line of the report list

// ---- Valid states

// The state a start-up gives: the names list, rows 1-8, columns 1-8,
// pupil 1, column 1, level 1.
void BeginSchermstand(Schermstand& stand);

// Makes the state valid, each group put back to its start-up value when it
// does not form a valid state: the view 1..6; eight rows within 1..36 and a
// current pupil 1..36; eight columns within one term (the one shown, in a
// term sheet) that hold the current column, else the term's first window;
// level 1 or 2. A valid state stays as it is. The current pupil may lie
// outside the rows (a file may hold it so): a redraw shows it without a
// highlighted line, and each view brings it into the rows (HuidigeRijTonen).
void SchermstandControleren(Schermstand& stand);

// The state as the views draw it: the stored one, made valid on a copy.
Schermstand GeldigeSchermstand(const Schermstand& stand);


// ---- The eight rows

// The window of eight rows from `eerste`, kept within the slots (1..29).
void RijvensterVanaf(Schermstand& stand, int eerste);

// Makes pupil p (1..36) current and moves the window just far enough to hold
// it: a pupil above it becomes the top row, one below it the bottom row. Any
// other p changes nothing.
void LeerlingKiezen(Schermstand& stand, int p);

// The pupil on screen row r (1..8) becomes current.
void SchermrijKiezen(Schermstand& stand, int r);

// The rows made valid and moved just far enough to show the current pupil,
// as LeerlingKiezen moves them: a file may hold a current pupil outside its
// rows, and every view brings it in (as it is activated, after an open,
// before a command addresses the current pupil's box) before it works from
// it. A state that shows it stays as it is; true when the state changed, so
// that the view redraws.
bool HuidigeRijTonen(Schermstand& stand);

// Down from the weights: the window at rows 1-8 and pupil 1 current.
void EersteLeerlingKiezen(Schermstand& stand);

// The pupil `rijen` rows on from p (back when negative), kept within 1..36:
// one for Up and Down, a page (Vensterrijen) for PgUp and PgDn.
int Leerlingstap(int p, int rijen);

// ---- The term sheet's eight columns

// The term sheet of term t (1..3): Scherm, the column window 1-8, 17-24 or
// 33-40 and its first column current.
void TrimesterKiezen(Schermstand& stand, int t);

// A view switch to view code `scherm` (1..6): a term as TrimesterKiezen, any
// other view only Scherm. Any other code changes nothing.
void SchermKiezen(Schermstand& stand, int scherm);

// Level 1 or 2; any other value changes nothing.
void NiveauKiezen(Schermstand& stand, int niveau);

// Makes column k of the term shown (1..16, as the horizontal scroll bar
// counts) current and moves the window just far enough to hold it: a column
// left of it becomes the left edge, one right of it the right edge. Any
// other k, or a view that is no term sheet, changes nothing.
void KolomKiezen(Schermstand& stand, int k);

// The column on screen column k (1..8) becomes current.
void SchermkolomKiezen(Schermstand& stand, int k);

// Absolute column c counted within the term shown (1..16 for its columns).
int Trimesterkolom(const Schermstand& stand, int c);

// ---- Screen places

// The screen row (1..8) of pupil p, and the pupil of screen row r.
int SchermRij(const Schermstand& stand, int p);
int LeerlingOpRij(const Schermstand& stand, int r);

// The screen row (1..8) on which the views show pupil p, in the state as
// they draw it (GeldigeSchermstand), or GeenRij when p is not on screen: the
// one check before a pupil's box is looked up.
inline constexpr int GeenRij = 0;
int GetoondeRij(const Schermstand& stand, int p);
// The same for the current pupil.
int HuidigeSchermrij(const Schermstand& stand);
// The screen column (1..8) of absolute column c, and the column of screen column k.
int SchermKolom(const Schermstand& stand, int c);
int KolomOpScherm(const Schermstand& stand, int k);

// The term sheet's 64 grade cells, eight a row: cells 1-8 the top row, left
// to right.
struct Cel {
    int leerling;
    int kolom;
};
int CelIndex(const Schermstand& stand, int p, int c);
Cel CelVan(const Schermstand& stand, int index);
// The cell `index` becomes the current pupil and column.
void CelKiezen(Schermstand& stand, int index);

// The report list's 32 report boxes, four a line: Rp1, Rp2, Rp3, RpE.
struct Rapportvak {
    int leerling;
    int rapport;
};
int RapportIndex(const Schermstand& stand, int p, int rapport);
Rapportvak RapportvakVan(const Schermstand& stand, int index);
// The box `index` becomes the current pupil and report (RapportKolom).
void RapportvakKiezen(AdmMain& adm, int index);

#pragma once
// The column and cut-off windows (columntools/) that the term sheet opens
// from its menus. They live above the frame, so whoever makes the term sheet hands
// them in: app/ gives it the program's set (columntools/Kolomgereedschap.h).
// Each shows its window modally over the sheet and returns when it has
// closed. Without a set, the menu items open nothing.

class Venster;

struct Kolomvensters {
    void (*Kopieren)(Venster& opener);     // frmKolomKopieren
    void (*Wissen)(Venster& opener);       // frmKolomWissen
    void (*Verwisselen)(Venster& opener);  // frmKolommenVerwisselen
    void (*Omrekenen)(Venster& opener);    // frmKolomOmrekenen
    void (*Afdrukken)(Venster& opener);    // frmKolomAfdrukken
    void (*NormScores)(Venster& opener);   // frmKolomNormScores
    void (*NormFouten)(Venster& opener);   // frmKolomNormFouten
    void (*CesuurScore)(Venster& opener);  // frmCesuurScore
    void (*CesuurFouten)(Venster& opener); // frmCesuurFouten
};

#pragma once
// The term sheet (views 1, 2 and 3): the grades of one term at one level in
// an 8 x 8 window over the 36 pupils and the term's 16 columns, with the
// column headers and weights above, the names, term averages and mentors
// beside and the class statistics below; the full menu bar and toolbar of
// the views (its tables in MaakMenus).
//
// Every edit is committed to the pupil and column of the box it was typed
// in, before anything moves the window: a grade through VerwerkCijfer, a
// weight through VerwerkGewicht, a header text cut or padded to 39
// characters, each once: a box the teacher has not edited since the sheet
// filled it or committed it is not committed again. A commit that changes
// what is stored sets Gewijzigd.
//
// Controls are arrays indexed from 1 as the handlers name them: txtCijfer(i)
// is cell i = (pupil - EersteRij) * 8 + (column - EersteKolom) + 1, the
// header boxes, weights, column numbers and statistics are indexed by screen
// column, the row labels by screen row. The opener shows the window.

#include "frame/Kolomvensters.h"
#include "core/Pagina.h"
#include "core/Schermvenster.h"
#include "core/Tekst.h"
#include "core/Veld.h"
#include "platform/Printer.h"
#include "frame/Weergavevenster.h"

#include <array>
#include <functional>
#include <memory>

class Etiket;
class Focusvak;
class QAction;
class QMenu;
class QPrinter;
class QScrollBar;
class VasteBreedteInvoer;

class frmTrimester : public Weergavevenster {
    Q_OBJECT
public:
    frmTrimester(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);
    ~frmTrimester() override;

    // ---- Controls ----
    Focusvak* StartFocus;
    std::array<VasteBreedteInvoer*, 65> txtCijfer{};
    std::array<VasteBreedteInvoer*, 9> txtSoort{}, txtDatum{}, txtOpmerking{}, txtGewicht{};
    std::array<Etiket*, 9> lblKolom{}, lblKlGem{}, lblKlSpr{};
    std::array<Etiket*, 9> lblNummer{}, lblNaam{}, lblVoornaam{}, lblTrGem{}, lblMentor{};
    Etiket* lblKlTrGem;
    Etiket* lblKlTrSpr;
    Etiket* TrimLabel;
    Etiket* NivoLabel;
    Etiket* lblNiveau;
    Etiket* lblKlas;
    Etiket* lblVak;
    Etiket* lblDeelvak;
    Etiket* lblBestand;
    Etiket* lblInsert;
    QScrollBar* vsbScroll;  // current pupil, 1..36
    QScrollBar* hsbScroll;  // current column within the term, 1..16

    // ---- Menu bar (the shared items are the frame's) ----
    QMenu* Bestand;
    QMenu* Bewerken;
    QMenu* Lijsten;
    QMenu* mnuSorteren;
    QMenu* mnuAfdrukken;
    QMenu* mnuNiveau;
    QMenu* mnuCesuur;
    QMenu* mnuHelp;
    QAction* mnuLeerlingenImporteren;
    QAction *mnuCijferkolom_Plakken, *mnuSoortBestand, *mnuDatum, *mnuOpmerking, *mnuGewicht, *mnuCijfersScores;
    QAction *mnuKolomKopieren, *mnuKolomWissen, *mnuKolommenVerwisselen, *mnuKolomOmrekenen;
    QAction *mnuKolomNormA, *mnuKolomNormScoresA, *mnuKolomNormFoutenA;
    QAction* mnuRapportcijferImporteren;
    QAction *mnuSortAchternaam, *mnuSortBasisgroep, *mnuSortKenmerk, *mnuSortMentor, *mnuSortTrimesterGemiddelde;
    QAction *mnuPrintKolom1_8_Nivo_1, *mnuPrintKolom1_8_Nivo_2, *mnuPrintKolom9_16_Nivo_1,
        *mnuPrintKolom9_16_Nivo_2;
    QAction *mnuKolomAfdrukken, *mnuToelichting;
    QAction *mnuNivo1, *mnuNivo2;
    QAction *mnuKolomNorm, *mnuKolomNormScores, *mnuKolomNormFouten;
    QAction *mnuCesuurTabel, *mnuCesuurScoreTabel, *mnuCesuurFoutenTabel;

    // 1 while Afdrukken runs; the key handlers do nothing then.
    int BezigMetTekenen = 0;

    // The column windows it opens; none: their items open nothing.
    const Kolomvensters* kolomvensters = nullptr;

    // ---- Index rules (core/Schermvenster.h), on the state as it is drawn ----
    int SchermKolom(int kolom) const;
    int CelIndex(int leerling, int kolom) const;
    // The grade cell of a pupil and column; none outside the window.
    VasteBreedteInvoer* CijferCel(int leerling, int kolom) const;
    // The current pupil's cell in the current column, the rows brought to
    // that pupil first.
    VasteBreedteInvoer* HuidigeCel();

    // The redraw from the data set: 1 everything, 2 the columns, rows and
    // statistics, any other value the rows and statistics only.
    void Afdrukken(int mode);

    // Commits the active box to its own pupil and column; mode 1 then
    // redraws the column part (not after a header box).
    void InvoerVerwerken(int mode);

    // ---- Printing (through Venster::Printen) ----
    void PrintTrimester(int trimester, int niveau, int eersteKolom, bool printerdialoog);
    void PrintToelichting(int trimester, int niveau);

    // ---- Window handlers ----
    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_KeyUp(int& KeyCode, int& Shift) override;
    void Form_Unload(int& Cancel) override;
    void Invoervastlegging(Opdrachtbron bron) override;
    void BestandsnaamTonen() override;

    // ---- Commands of its own ----
    // A term is switched to within this window; the other views by the frame.
    void Schermkeuze(int scherm) override;
    void mnuRapportcijferImporteren_Click();
    void mnuCijferkolom_Plakken_Click();
    // One of the column windows its menus open (nothing without them); the
    // sheet redraws when it has closed, also after a cancel, except after the
    // one-column print.
    using Kolomvenster = void (*Kolomvensters::*)(Venster&);
    void KolomvensterOpenen(Kolomvenster venster);

    // ---- Scrolling, cells, headers, weights, labels ----
    void vsbScroll_Change();
    void hsbScroll_Change();
    void txtCijfer_GotFocus(int Index);
    void txtCijfer_LostFocus(int Index);
    void txtCijfer_KeyDown(int Index, int KeyCode, int Shift);
    void StartFocus_KeyDown(int KeyCode, int Shift);
    void txtGewicht_GotFocus(int Index);
    void txtGewicht_LostFocus(int Index);
    void txtGewicht_KeyDown(int Index, int KeyCode, int Shift);
    void lblKolom_Click(int Index);
    void lblNummer_Click(int Index);

    // The header boxes: kind 1 txtSoort, 2 txtDatum, 3 txtOpmerking.
    enum Kop { KopSoort = 1, KopDatum = 2, KopOpmerking = 3 };
    void KopVeldBreedte(int Index, int mode);
    // A header or weight box of screen column Index got the focus: its column becomes current.
    void KolomvakGekozen(VasteBreedteInvoer* vak, int Index);
    void Kop_GotFocus(Kop kop, int Index);
    void Kop_LostFocus(Kop kop, int Index);
    void Kop_KeyDown(Kop kop, int Index, int KeyCode);

protected:
    void Hertekenen() override { Afdrukken(1); }
    void Vastleggen() override { InvoerVerwerken(0); }

private:
    void MaakMenus();
    void MaakBesturingen();

    std::array<VasteBreedteInvoer*, 9>& Kopvakken(Kop kop);
    // The focus is in a header box.
    bool InKopvak() const;
    Veld<Tekst<39>, KolBereik, NivBereik>& Kopveld(Kop kop);

    // The commits of one box, to the pupil and column it shows now (run
    // through the frame's VakVastleggen).
    void CelVastleggen(int Index);
    void GewichtVastleggen(int Index);
    void KopVastleggen(Kop kop, int Index);

    void TrimesterKiezen(int trimester);
    void Sorteren(int soort);
    void ZetSchuifwaarde(QScrollBar& balk, int waarde);

    // The display state as the sheet draws it.
    Schermstand Stand() const;

};

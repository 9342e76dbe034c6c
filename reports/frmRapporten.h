#pragma once
// The report list (view 4): for eight pupils at a time the three term
// averages, the year column ("Jgem", chosen by the calculation method), the
// four report grades Rp1, Rp2, Rp3 and RpE as entry boxes and the mentor
// code; the three term weights above as entry boxes; the class mean and
// spread of every column below.
//
// Every edit is committed to the pupil and report (or term) of the box it
// was typed in, before anything moves the window, through the one engine
// (VerwerkRapportcijfer, VerwerkTrimGewicht), so every report, end average
// and class statistic of the level follows at once. A box the teacher has
// not edited since the list filled it or committed it is not committed
// again; a commit that changes what is stored sets Gewijzigd.
//
// Controls are arrays indexed from 1 as the handlers name them: txtRp(n) is
// box n = (pupil - EersteRij) * 4 + report, txtTrGew(t) the weight of term
// t, the line labels by screen line, the statistics by term or report.

#include "core/Schermvenster.h"
#include "frame/Weergavevenster.h"

#include <array>

class Etiket;
class Focusvak;
class QAction;
class QMenu;
class QScrollBar;
class VasteBreedteInvoer;

class frmRapporten : public Weergavevenster {
    Q_OBJECT
public:
    frmRapporten(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);
    ~frmRapporten() override;

    // ---- Controls ----
    Focusvak* StartFocus;
    std::array<VasteBreedteInvoer*, 33> txtRp{};     // 1..32
    std::array<VasteBreedteInvoer*, 4> txtTrGew{};   // 1..3
    std::array<Etiket*, 9> lblNummer{}, lblNaam{}, lblVoornaam{}, lblTr1{}, lblTr2{}, lblTr3{}, lblJr{},
        lblMentor{};
    std::array<Etiket*, 4> lblKolom{}, lblTrGem{}, lblTrSpr{};  // 1..3
    std::array<Etiket*, 5> lblRpGem{}, lblRpSpr{};              // 1..4
    Etiket* lblJrGem;
    Etiket* lblJrSpr;
    Etiket* TrimLabel;
    Etiket* NivoLabel;
    Etiket* lblKlas;
    Etiket* lblVak;
    Etiket* lblDeelvak;
    Etiket* lblNiveau;
    Etiket* Label11;
    Etiket* Label15;  // the file name
    Etiket* lblInsert;
    QScrollBar* vsbScroll;  // the current pupil, 1..36

    // ---- Menu bar (the shared items are the frame's) ----
    QMenu *mnuTrimMenu, *mnuBewerken, *mnuLijsten, *mnuSorteren, *mnuAfdrukken, *mnuNiveau, *mnuOpties, *mnuHelp;
    QAction* mnuLeerlingImporteren;
    QAction *mnuTrimGew, *mnuRap1, *mnuRap2, *mnuRap3, *mnuEindRap;
    QAction *mnuSortAchternaam, *mnuSortBasisgroep, *mnuSortKenmerk, *mnuSortMentor, *mnuSortJaargemiddelde;
    QAction *mnuRapNiv1, *mnuRapNiv2, *mnuJaarNiv1, *mnuJaarNiv2;
    QAction *mnuNivo1, *mnuNivo2;
    QAction *mnuRapportcijfersAfronden, *mnuRapportcijfersBerekenen;

    // 1 while Afdrukken runs; the key handlers do nothing then.
    int BezigMetTekenen = 0;

    // ---- Index rules (core/Schermvenster.h), on the state as it is drawn ----
    int CelIndex(int leerling, int rapport) const;
    // The report box of a pupil and report; none outside the window.
    VasteBreedteInvoer* RpVak(int leerling, int rapport) const;

    // The full redraw from the data set; the line of HuidigeRij * Modus is
    // the highlighted one (every caller passes 1).
    void Afdrukken(int Modus);

    // Commits the focused box to its own pupil and report (or term), then
    // redraws.
    void InvoerVerwerken();

    // ---- Printing (through Venster::Printen) ----
    void PrintRplst(int niveau, bool printerdialoog);
    void PrintJrlst(int niveau, bool printerdialoog);

    // ---- Window handlers ----
    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_Unload(int& Cancel) override;
    void Invoervastlegging(Opdrachtbron bron) override;
    void BestandsnaamTonen() override;

    // ---- Commands of its own ----
    void mnuTrimGew_Click();
    void mnuRap_Click(int rapport);
    void mnuSorteren_Click(int soort);
    void mnuRapNiv_Click(int niveau);
    void mnuJaarNiv_Click(int niveau);
    void mnuRapportcijfersAfronden_Click();
    void mnuRapportcijfersBerekenen_Click();

    // ---- Scrolling, boxes, lines ----
    void vsbScroll_Change();
    void txtRp_GotFocus(int Index);
    void txtRp_LostFocus(int Index);
    void txtRp_KeyDown(int Index, int KeyCode, int Shift);
    void txtTrGew_GotFocus(int Index);
    void txtTrGew_LostFocus(int Index);
    void txtTrGew_KeyDown(int Index, int KeyCode, int Shift);
    void StartFocus_KeyDown(int KeyCode, int Shift);
    void lblNummer_Click(int Index);

protected:
    void Hertekenen() override { Afdrukken(1); }
    // A file of this view: the statistics it does not hold, the current pupil shown.
    void NaOpenen() override;
    void Vastleggen() override { InvoerVerwerken(); }

private:
    void MaakMenus();
    void MaakBesturingen();
    // The display state as the list draws it.
    Schermstand Stand() const;

    // The commits of one box, to the pupil and report (or term) it shows now.
    void RapportVastleggen(int Index);
    void GewichtVastleggen(int Index);
    // The class statistics the grade file does not hold.
    void Klassenstatistiek();
    void Rapportkleur(int Index);
};

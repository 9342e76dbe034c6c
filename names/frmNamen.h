#pragma once
// The names list (view 6), the window the program starts in: the header of
// the grade file in eleven entry boxes and the pupil fields of eight slots
// (the row window EersteRij..LaatsteRij) in a grid of seven boxes a row,
// scrolled over the 36 slots; the menu bar and toolbar of the views (its
// tables in MaakMenus).
//
// Every edit is stored for the slot its box shows: at each key release the
// box being edited goes into the data set, and moving the row window first
// stores what the boxes hold. A store that changes what is stored sets
// Gewijzigd; one that brings it back to what it was when the box got the
// focus gives the flag back. A text that stored nothing never sets it.
//
// Control arrays are indexed from 1 by screen line, as the handlers name
// them: txtNaam[i] shows slot EersteRij + i - 1. The opener shows the window.

#include "platform/Printer.h"
#include "core/Schermvenster.h"
#include "core/Verwerking.h"
#include "frame/Weergavevenster.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

class Etiket;
class Focusvak;
class frmHarvemoLogo;
class QAction;
class QMenu;
class QPrinter;
class QScrollBar;
class VasteBreedteInvoer;

class frmNamen : public Weergavevenster {
    Q_OBJECT
public:
    frmNamen(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);
    ~frmNamen() override;

    // How long the logo stays on the first activation of the run, in ms.
    int LogoWachttijd = 2000;
    // The logo window start-up left on screen, if any: the first activation
    // keeps that one up for its wait instead of showing a second one.
    frmHarvemoLogo* StartLogo = nullptr;
    // The logo's wait: it blocks the window for that long. Tests replace it.
    std::function<void(int ms)> Wachten;

    // ---- Controls ----
    VasteBreedteInvoer *txtKlas, *txtVak, *txtDeelvak, *txtNiveau1, *txtNiveau2;
    VasteBreedteInvoer *txtSchool, *txtCursus, *txtDocent, *txtDocPersNr, *txtKlsMentor, *txtMntPersNr;
    std::array<Etiket*, 9> lblNummer{};
    std::array<VasteBreedteInvoer*, 9> txtNaam{}, txtVoornaam{}, txtLrlPersNr{}, txtGeslacht{}, txtBasisGroep{},
        txtKenmerk{}, txtMentor{};
    QScrollBar* vsbScroll;  // current pupil, 1..36
    Focusvak* StartFocus;
    Etiket* TrimLabel;
    Etiket* lblInsert;
    Etiket* Label15;  // the grade file's full path

    // The logo window of the first activation, while it exists.
    frmHarvemoLogo* Logo() const { return logo_.get(); }

    // ---- Menu bar (the shared items are the frame's) ----
    QMenu *mnuTrimMenu, *mnuBewerken, *mnuLijsten, *mnuSorteren, *mnuAfdrukken, *mnuHelp;
    QAction *mnuLeerlingImporteren;
    QAction *mnuKolom_Plakken_uit_Excel, *mnuAchternamen_Plakken, *mnuVoornamen_Plakken;
    QAction *mnuKlas, *mnuVak, *mnuDeelvak, *mnuNiveau1, *mnuNiveau2;
    QAction *mnuSchool, *mnuCursus, *mnuDocent, *mnuDocPersNr, *mnuKlsMentor, *mnuMntPersNr;
    QAction *mnuAchternaam, *mnuRoepnaam, *mnuPersoonsnummer, *mnuGeslacht, *mnuBasisgroep, *mnuKenmerk,
        *mnuMentor;
    QAction *mnuSortAchternaam, *mnuSortBasisgroep, *mnuSortKenmerk, *mnuSortMentor;
    QAction* mnuNamenlijstAfdrukken;

    // ---- Screen ----
    // The screen fill: 1 also the header boxes, any other value the grid and
    // the file name only.
    void Afdrukken(int mode);

    // Stores every header box and the current pupil's seven boxes; mode 1
    // then redraws everything.
    void BewaarVelden(int mode);

    // ---- Printing (through Venster::Printen) ----
    void PrintNamenlijst(bool printerdialoog);

    // ---- Window handlers ----
    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_KeyUp(int& KeyCode, int& Shift) override;
    void Form_Unload(int& Cancel) override;
    void Invoervastlegging(Opdrachtbron bron) override;
    void BestandsnaamTonen() override;

    // ---- Navigation ----
    // Moves the focus for a navigation key pressed in the box with that
    // field number (1..11 the header boxes, 12 the grid and StartFocus).
    void VerplaatsFocus(int veld, int toets);
    void vsbScroll_Change();
    void lblNummer_Click(int Index);

    // ---- Menu commands ----
    // The clipboard's column into the surnames or first names from the
    // current pupil on.
    void mnuAchternamen_Plakken_Click();
    void mnuVoornamen_Plakken_Click();
    void mnuNamenlijstAfdrukken_Click();
    // 0 surname, 1 base group, 2 characteristic, 3 mentor (Namensortering).
    void mnuSorteren_Click(int volgorde);

protected:
    void Hertekenen() override { Afdrukken(1); }
    // A file of this view: its current pupil's line, the focus on it.
    void NaOpenen() override;
    void Vastleggen() override { BewaarVelden(0); }

private:
    void MaakBesturingen();
    void MaakMenus();

    // The grid boxes of one column, 1 Naam .. 7 Mentor.
    std::array<VasteBreedteInvoer*, 9>& Kolom(int kolom);
    // What a grid box is: its column (1..7) and line, or column 0.
    struct Rastervak {
        int kolom = 0;
        int regel = 0;
    };
    Rastervak Rasterplaats(const QWidget* control);

    // The header box of a field number (1..11).
    VasteBreedteInvoer* Kopvak(int veld) const;

    // A box filled by the program: its text, remembered as what the data
    // set holds, so that only what the teacher changed is ever stored.
    void Toon(VasteBreedteInvoer* vak, std::string_view tekst);
    bool Bewerkt(const VasteBreedteInvoer* vak) const;
    void ToonPersNr(VasteBreedteInvoer* vak, std::string_view opgeslagen);

    // Stores a box the teacher changed: a header box into its field, a grid
    // box into the slot its line shows. True when that changed what was stored.
    bool KopOpslaan(VasteBreedteInvoer* vak);
    bool VakOpslaan(int kolom, int regel);
    void Rastervak_GotFocus(int kolom, int regel);
    void Rastervak_LostFocus(int kolom, int regel);
    void Kopvak_GotFocus(VasteBreedteInvoer* vak);
    void Kopvak_LostFocus(VasteBreedteInvoer* vak);
    // Gewijzigd while a box has the focus (core/Verwerking.h): the data and
    // the flag when it got it (Focusbasis), the flag after a store
    // (Gewijzigdvolgen); leaving the box or a command ends the basis.
    void Focusbasis();
    void Gewijzigdvolgen(bool veranderd);
    // The grid box of the active column on the current pupil's line gets the
    // focus, when the active control is a grid box.
    void FocusOpHuidigeRegel();
    // The grid box of a column (1..7) on the current pupil's line, the rows
    // brought to that pupil first.
    VasteBreedteInvoer* HuidigVak(int kolom);
    void FocusOp(VasteBreedteInvoer* vak);

    void Plakken(int soort);
    void LogoTonen();
    void LogoSluiten();

    std::array<VasteBreedteInvoer*, 12> kopvakken_{};  // by field number 1..11
    std::unique_ptr<frmHarvemoLogo> logo_;
    std::array<int, 9> getoond_{};  // the slot each screen line shows
    std::unordered_map<const VasteBreedteInvoer*, std::string> gezet_;
    Wijzigingsbasis basis_;
};

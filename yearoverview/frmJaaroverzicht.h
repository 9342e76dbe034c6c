#pragma once
// The year overview (view 5): the year card of the current pupil at the
// current level. The pupil's seven personal fields are edited in boxes; the
// 48 grades under their weights, per term the average and the report, and
// the summary (term weights and averages, the reports, the year column and
// the end report) are shown as the data set holds them, coloured by the
// card's rule. A spin button steps through the 36 slots, by its arrows or,
// reached by Tab after the boxes, by the arrow keys.
//
// Every edit is stored for the pupil the card shows: a key release that
// changed a box stores it at once (cut to the box's edit width), and the
// card stores its boxes before it steps to another pupil and before every
// command. A box the teacher did not change is never cut or stored, and a
// store that changes what is stored sets Gewijzigd; one that brings the
// fields back to what they were when the box got the focus gives the flag
// back (core/Verwerking.h).

#include "core/Verwerking.h"
#include "frame/Weergavevenster.h"
#include "yearoverview/Jaarkaart.h"

#include <array>
#include <string>
#include <string_view>

class Draaiknop;
class Etiket;
class Focusvak;
class QAction;
class Kader;
class QMenu;
class VasteBreedteInvoer;

class frmJaaroverzicht : public Weergavevenster {
    Q_OBJECT
public:
    frmJaaroverzicht(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);
    ~frmJaaroverzicht() override;

    // ---- Controls ----
    Focusvak* StartFocus;
    Etiket *TrimLabel, *lblKlas, *lblVak, *lblDeelvak, *NivoLabel, *lblNiveau, *lblInsert, *lblBestand;
    Etiket* lblNummer;
    Draaiknop* UpDown;  // the pupil, 1..36
    VasteBreedteInvoer *txtAchternaam, *txtRoepnaam, *txtAdres, *txtPostcode, *txtWoonplaats, *txtTelefoon,
        *txtMentor;
    Kader *Frame1, *Frame2, *Frame3, *Frame4;
    std::array<Etiket*, AantalKolommen + 1> lblGewicht{}, lblCijfer{};  // by absolute column 1..48
    std::array<Etiket*, 4> lblTrGem{}, lblRapport{};                    // term frames, 1..3
    std::array<Etiket*, 4> lblTrGM{}, lblTrGW{};                        // summary, 1..3
    std::array<Etiket*, 5> lblRp{};                                     // summary, Rp1..RpE
    Etiket *lblJgem, *lblEind;

    // ---- Menu bar (the shared items are the frame's) ----
    QMenu *mnuTrimMenu, *mnuBewerken, *mnuLijsten, *mnuAfdrukken, *mnuNiveau, *mnuHelp;
    QAction* mnuLeerlingenImporteren;
    QAction *mnuAchternaam, *mnuRoepnaam, *mnuAdres, *mnuPostcode, *mnuWoonplaats, *mnuTelefoon, *mnuMentor;
    QAction *mnuJrNv1, *mnuJrNv2, *mnuNiveau1, *mnuNiveau2;

    // The box of a pupil field.
    VasteBreedteInvoer* Vak(Leerlingveld v) const { return vakken_[static_cast<std::size_t>(v)]; }

    // ---- Screen ----
    // Redraws the card from the data set for HuidigeRij and Niveau.
    void Afdrukken();
    // Stores the seven boxes into the pupil the card shows.
    void BewaarLeerlingGegevens();

    // ---- Window handlers ----
    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_KeyUp(int& KeyCode, int& Shift) override;
    void Form_Unload(int& Cancel) override;
    void Invoervastlegging(Opdrachtbron bron) override;
    void BestandsnaamTonen() override;
    void UpDown_Change();

    // ---- Commands ----
    // The field items of the edit menu: the focus into that box, the caret at its start.
    void mnuVeld_Click(Leerlingveld v);
    // The printed card of the current pupil at a level: the menu items
    // after the printer dialog, the toolbar at once.
    void PrintJaaroverzicht(int niveau, bool printerdialoog);

    // ---- The pupil boxes ----
    void Vak_GotFocus(Leerlingveld v);
    void Vak_LostFocus(Leerlingveld v);
    // Enter, Down and Up move through the boxes (handed over by Form_KeyDown).
    void Vak_KeyDown(Leerlingveld v, int KeyCode, int Shift);
    void Vak_KeyUp(Leerlingveld v, int& KeyCode, int& Shift);

protected:
    // The redraw after a shared command; the spin button and the pupil
    // number follow the current pupil.
    void Hertekenen() override;
    void Vastleggen() override { BewaarLeerlingGegevens(); }

private:
    void MaakBesturingen();
    void MaakMenus();
    // The box of the active control, or none.
    const Veldregel* ActiefVeld(Leerlingveld& v) const;
    // Focus into a box with the caret at its start.
    void FocusOp(Leerlingveld v);
    // Stores a box into the pupil the card shows.
    void VakOpslaan(Leerlingveld v);
    // Stores a text into a field of the pupil the card shows; Gewijzigd follows.
    void VeldOpslaan(Leerlingveld v, std::string_view tekst);

    std::array<VasteBreedteInvoer*, AantalLeerlingvelden> vakken_{};
    int getoond_ = 1;  // the pupil whose fields the boxes hold
    Wijzigingsbasis basis_;
};

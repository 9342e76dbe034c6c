#pragma once
// One side of the column choice of the column windows: the term options
// "1-e Trimester".."3-e Trimester" and the level options "Niveau 1",
// "Niveau 2", each group in a frame of its own, and the column within the
// term in a small box with a spin button (1..16). The spinner holds the
// chosen column; the box shows it and feeds it (rules in core/Kolomkeuze.h).
//
// The parts are children of the window (or of the column frame, when there
// is one); the window places them and sets the tab order. The box, when it
// takes typing: GotFocus selects the whole number; LostFocus commits it
// silently; Enter commits it, beeps when it was refused and moves the focus
// to the control named with ZetVolgende. Esc is the window's own key.

#include "core/Kolomkeuze.h"

#include <QObject>
#include <QString>

#include <array>

class Draaiknop;
class Etiket;
class QGroupBox;
class QRadioButton;
class QWidget;
class VasteBreedteInvoer;
class VensterBasis;

struct Kolomkiezeropmaak {
    // The names the window's handlers give the option arrays ("Trimester",
    // "vanTrimester" ...) and the index of the box and spinner (0 in a
    // window with one choice, 1 source, 2 target).
    const char* trimesterNaam = "Trimester";
    const char* niveauNaam = "Niveau";
    int index = 0;
    // Frame captions; empty for a frame without caption.
    QString trimesterKader;
    QString niveauKader;
    // The label before the box ("kolom :").
    QString kolomLabel = QStringLiteral("kolom :");
    // With a caption, the label, box and spinner sit in a frame of their own.
    QString kolomKader;
    bool kolomKaderTonen = false;
    // False: the box only shows the spinner (no focus, no typing).
    bool typen = true;
};

class Kolomkiezer : public QObject {
    Q_OBJECT
public:
    Kolomkiezer(VensterBasis& venster, QWidget& ouder, const Kolomkiezeropmaak& opmaak);

    QGroupBox* TrimesterKader;
    std::array<QRadioButton*, 4> Trimester{};  // 1..3
    QGroupBox* NiveauKader;
    std::array<QRadioButton*, 3> Niveau{};  // 1..2
    QGroupBox* KolomKader = nullptr;  // only with opmaak.kolomKaderTonen
    Etiket* lblKolom;
    VasteBreedteInvoer* txtKolom;
    Draaiknop* UpDown;

    // What the actions read: the selected term and level options and the
    // spinner's value.
    int GekozenTrimester() const;
    int GekozenNiveau() const;
    Kolomkeuze Keuze() const;

    // The presets on opening: term option Scherm, level option Niveau,
    // spinner and box at the current column within the term.
    void Voorinstellen(const AdmMain& adm);
    void ZetKeuze(const Kolomkeuze& keuze);

    // The commit of the box (LostFocus: silent; Enter: a refused number beeps).
    // The box shows the spinner's value afterwards.
    void Vastleggen(bool piepBijWeigering);

    // Where Enter in the box sends the focus.
    void ZetVolgende(QWidget* volgende) { volgende_ = volgende; }

signals:
    // An option became selected (by a click or by the program).
    void TrimesterClick(int index);
    void NiveauClick(int index);
    // The spinner's value changed; the box shows it already.
    void Change();

private:
    void txtKolom_GotFocus();
    void txtKolom_LostFocus();
    void txtKolom_KeyDown(int& KeyCode, int& Shift);
    void UpDown_Change();

    VensterBasis& venster_;
    QWidget* volgende_ = nullptr;
};

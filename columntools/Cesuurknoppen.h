#pragma once
// The six spinners of a curve window and what they drive: the value boxes,
// the cut-off markers of the graph and, through BerekenKnikpunten, the
// curve's bend points. Every change is tested against the slope rule: the
// piece from either end point to the cut-off point must rise or fall at
// between half and twice the straight line's slope. A refused change puts
// the spinner back (its own change notification then does nothing); an
// accepted one updates the other spinners' limits, the texts, the markers
// and the curve. A change that would give the two end points one grade or
// one count is refused too: the curve has no slope then.
//
// Units: grades in tenths, end counts in whole errors or points, the
// cut-off count in halves. The error windows bind the end spinners to the
// cut-off spinners in both directions; the score windows only the cut-off
// spinners' limits to the ends.

#include "columntools/Cesuurcurve.h"

#include <array>
#include <functional>
#include <string>

// The spinners in the order the activation runs them.
enum Cesuurknop : int {
    KnopHoogsteCijfer = 0,  // UpDown_Hoogste_Cijfer
    KnopCesuurCijfer,       // UpDown_Cesuur
    KnopLaagsteCijfer,      // UpDown_Laagste_Cijfer
    KnopAantalHoogste,      // UpDown_Fouten_Hoogste_Cijfer, UpDown_Score_Hoogste_Cijfer
    KnopAantalCesuur,       // UpDown_Fouten_Cesuur, UpDown_Score_Cesuur
    KnopAantalLaagste,      // UpDown_Fouten_Laagste_Cijfer, UpDown_Score_Laagste_Cijfer
};
inline constexpr int AantalCesuurknoppen = 6;

struct Draaiwaarde {
    int Value = 0;
    int Min = 0;
    int Max = 0;
    int Increment = 1;
    // False: the next change notification only sets it back to true.
    bool VerwerkWijziging = true;
    // The last accepted value (0 before the first).
    int VorigeWaarde = 0;
};

class Cesuurknoppen {
public:
    // The design values of the window's spinners.
    explicit Cesuurknoppen(Cesuursoort soort);

    Cesuursoort Soort() const { return soort_; }
    const Draaiwaarde& Knop(int k) const { return knop_[static_cast<std::size_t>(k)]; }
    Knopstand Stand(int k) const;

    // Sets the spinner's value; its change handler runs when it changed.
    void ZetValue(int k, int waarde);
    // One click on the spinner's upper (+1) or lower (-1) arrow: the value
    // stays within Min and Max.
    void Klik(int k, int richting);

    // The window's activation: the two outer pieces of the curve back at
    // their designed places, the value boxes filled from the spinners, then
    // the six handlers in order.
    void Activeren();

    // The six value boxes (also the captions of their axis labels).
    std::array<std::string, AantalCesuurknoppen> Tekst;
    // The cut-off markers, in the graph's scale.
    float LineCesuur_Y = 1290;            // horizontal line at the cut-off grade
    float lblCesuur_Cijfer_Top = 1380;    // its label
    float LineCesuur_Score_X = 1245;      // vertical line at the cut-off count
    float lblCesuur_Aantal_Left = 1035;   // its label (lblCesuur_Fouten, lblCesuur_Score)
    Vorm shpScore_Cesuur{1215, 1320};     // the cut-off point
    // The curve and the hidden bend-point labels.
    Curvegrafiek Curve;

    // The decimal separator of the hidden labels (the user's regional one).
    char Decimaalteken = '.';
    // Runs after every accepted change of the cut-off count.
    std::function<void()> NaCesuuraantal;

    Curveteksten Waarden() const;
    // The curve as the cut-off table and the norming read it from the value
    // boxes and the hidden labels (every text through TekstNaarGetal).
    Curvepunten Punten() const;
    // The value box text of spinner k for its present value.
    std::string Waardetekst(int k) const;

private:
    Draaiwaarde& knop(int k) { return knop_[static_cast<std::size_t>(k)]; }
    void Change(int k);
    bool Geweigerd(int k) const;
    void Aanvaard(int k);

    Cesuursoort soort_;
    std::array<Draaiwaarde, AantalCesuurknoppen> knop_;
};

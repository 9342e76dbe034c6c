#pragma once
// What the four curve windows share (the two calculators and the two
// norming windows): the graph of the curve, the frame "Cesuur" with the six
// value boxes and their spinners, the buttons "&Tabel" and the close
// button, the focus sink txtFocus and the window keys. The spinners' rule
// lives in the plain model `knoppen`; the controls mirror it after every
// click, so a refused click springs back.

#include "columntools/Cesuurknoppen.h"
#include "platform/Tekenvlak.h"
#include "platform/Venster.h"

#include <array>

class Draaiknop;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmCesuurvenster : public Dialoog {
    Q_OBJECT
public:
    frmCesuurvenster(Cesuursoort soort, AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    // The spinners and curve the cut-off table reads.
    Cesuurknoppen knoppen;

    // In the order of Cesuurknop: highest grade, cut-off grade, lowest grade,
    // count at the highest grade, cut-off count, count at the lowest grade.
    std::array<Draaiknop*, AantalCesuurknoppen> UpDown{};
    std::array<QLineEdit*, AantalCesuurknoppen> txtWaarde{};

    Tekenvlak* pct_Score_Cijfer;
    QGroupBox* fraCesuur;
    QPushButton* cmdTabel;
    QPushButton* cmdAnnuleren;
    QLineEdit* txtFocus;

    // The graph's moving parts.
    Tekenvlak::Lijnelement* LineCesuur;
    Tekenvlak::Lijnelement* LineCesuur_Score;
    Tekenvlak::Vormelement* shpScore_Cesuur;
    Tekenvlak::Vormelement* shpCesuurLaag;
    Tekenvlak::Vormelement* shpCesuurHoog;
    Tekenvlak::Lijnelement* LineCesuurLaag;
    Tekenvlak::Lijnelement* Line_Score_Cesuur;
    Tekenvlak::Lijnelement* LineCesuurHoog;
    // The value labels along the axes, in the order of Cesuurknop.
    std::array<Tekenvlak::Labelelement*, AantalCesuurknoppen> lblWaarde{};

    // The calculators' activation: the curve part, then the focus to txtFocus.
    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void Form_KeyPress(int& KeyAscii) override;
    void cmdTabel_Click();
    virtual void cmdAnnuleren_Click();
    void txtFocus_Change();

protected:
    // The curve part of an activation: the graph's scale, the spinners'
    // activation, every control brought up to date.
    void CurveActiveren();
    // The controls and the graph from the model.
    void Bijwerken();
    // The cut-off table's source number of this window.
    virtual int Tabelbron() const = 0;

private:
    void UpDown_Change(int k);
    void MaakGrafiek();
    void MaakKader();

    bool bijwerken_ = false;
};

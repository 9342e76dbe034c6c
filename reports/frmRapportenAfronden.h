#pragma once
// The rounding of each report ("op tienden", "op halven", "op gehelen"):
// the dialog edits the working copy RapportOptieNieuw(1..4) only;
// "&Uitvoeren" (Enter) sets DialoogOK, "&Annuleren" (Esc) puts the working
// copy back. The opener applies a confirmed choice.

#include "platform/Venster.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

class frmRapportenAfronden : public Dialoog {
    Q_OBJECT
public:
    frmRapportenAfronden(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    QGroupBox* Frame[5];          // 1..4: Rp1, Rp2, Rp3, RpE
    QRadioButton* Option[5][4];   // [report][rounding code 1..3]
    QPushButton* cmdUitvoeren;
    QPushButton* cmdAnnuleren;

    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void Option_Click(int rapport, int Index);
    void cmdUitvoeren_Click();
    void cmdAnnuleren_Click();
};

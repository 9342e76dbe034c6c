#pragma once
// The calculation method of the reports (1 typed by the teacher, 2 the term
// averages, 3 running weighted term averages, 4 running average of all
// grades): the dialog edits RapportOptieNieuw(5) only; "&Uitvoeren" (Enter)
// sets DialoogOK, "&Annuleren" (Esc) puts it back. The opener applies it.

#include "platform/Venster.h"

class Etiket;
class QPushButton;
class QRadioButton;

class frmRapportenBerekenen : public Dialoog {
    Q_OBJECT
public:
    frmRapportenBerekenen(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    QRadioButton* optButton[5];  // 1..4, the method
    Etiket* lblButton[5];        // each option's caption, wrapped; a click selects it
    QPushButton* cmdUitvoeren;
    QPushButton* cmdAnnuleren;

    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void optButton_Click(int Index);
    void cmdUitvoeren_Click();
    void cmdAnnuleren_Click();
};

#pragma once
// What the two norming windows "Kolom normeren" share: a curve window with
// the column choice (term, level, column), a preview of the chosen column
// (lowest, highest and mean value, share of insufficient values) and
// "&Normeren", which turns every filled cell of the column into the grade
// the curve gives its value.

#include "columntools/frmCesuurvenster.h"
#include "core/Kolomkeuze.h"

class Kolomkiezer;
class QLabel;

class frmKolomNormvenster : public frmCesuurvenster {
    Q_OBJECT
public:
    frmKolomNormvenster(Cesuursoort soort, AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    Kolomkiezer* kiezer;
    QLabel* lblLaagsteScore;
    QLabel* lblHoogsteScore;
    QLabel* lblGemiddeldeScore;
    QLabel* lblProcent;
    QPushButton* cmdNormeren;

    // The first activation presets the column from the term sheet; the one
    // after the cut-off table redoes only the curve, so the teacher's choice
    // of column stays.
    void Form_Activate() override;
    void cmdNormeren_Click();

    // The preview of the chosen column (UpDown_Change and the option clicks).
    void UpDown_Change();

private:
    bool geactiveerd_ = false;
};

#pragma once
// "Kolom wissen": clears the chosen column (headers, weight, every grade)
// at once, without asking.

#include "columntools/frmKolomkeuzevenster.h"

class frmKolomWissen : public Kolomkeuzevenster {
    Q_OBJECT
public:
    frmKolomWissen(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    Kolomkiezer* Keuze;
    QPushButton* cmdWissen;

    void cmdWissen_Click();
};

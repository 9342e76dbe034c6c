#pragma once
// "Kolom kopiëren": copies the source column (headers, weight, every grade)
// onto the target column, which becomes an exact copy.

#include "columntools/frmKolomkeuzevenster.h"

class frmKolomKopieren : public Kolomkeuzevenster {
    Q_OBJECT
public:
    frmKolomKopieren(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    std::array<Kolomkiezer*, 3> Keuze;  // 1 source, 2 target
    QPushButton* cmdUitvoeren;

    void cmdUitvoeren_Click();
};

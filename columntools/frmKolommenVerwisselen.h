#pragma once
// "Kolommen  verwisselen": exchanges two columns (headers, weights, every
// grade).

#include "columntools/frmKolomkeuzevenster.h"

class QFrame;

class frmKolommenVerwisselen : public Kolomkeuzevenster {
    Q_OBJECT
public:
    frmKolommenVerwisselen(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    std::array<Kolomkiezer*, 3> Keuze;  // 1 and 2, the two columns
    QPushButton* cmdUitvoeren;
    QFrame* Line1;  // between the two sides
    QFrame* Line2;  // under them

    void cmdUitvoeren_Click();
};

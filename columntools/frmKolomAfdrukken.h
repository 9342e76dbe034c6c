#pragma once
// "Kolom afdrukken": prints the chosen column as a class list, after the
// printer dialog, and stays open with its choice for the next column.

#include "columntools/frmKolomkeuzevenster.h"

class frmKolomAfdrukken : public Kolomkeuzevenster {
    Q_OBJECT
public:
    frmKolomAfdrukken(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    Kolomkiezer* Keuze;
    QPushButton* cmdAfdrukken;

    void cmdAfdrukken_Click();
};

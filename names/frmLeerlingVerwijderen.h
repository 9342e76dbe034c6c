#pragma once
// Delete pupils: the teacher picks one or more pupils from the list and
// "&Verwijderen" empties their slots, no question asked. The opener redraws
// and sets Gewijzigd afterwards.

#include "names/Leerlingenlijst.h"
#include "platform/Venster.h"

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

class frmLeerlingVerwijderen : public Dialoog {
    Q_OBJECT
public:
    frmLeerlingVerwijderen(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QListWidget* lstLeerlingenLijst;
    QPushButton* cmdVerwijderen;
    QPushButton* cmdAnnuleren;

    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void cmdVerwijderen_Click();
    void cmdAnnuleren_Click();

private:
    std::vector<Lijstregel> lijst_;
};

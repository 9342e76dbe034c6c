#pragma once
// Search by surname: typing the first letters selects the first pupil whose
// surname begins with them; "&OK" (Enter, a double click) makes the selected
// pupil current and shows it in the row window. The opener redraws.

#include "names/Leerlingenlijst.h"
#include "platform/Venster.h"

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class frmZoeken : public Dialoog {
    Q_OBJECT
public:
    frmZoeken(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* txtZoek;
    QListWidget* lstLeerlingenLijst;
    QPushButton* cmdOK;
    QPushButton* cmdAnnuleren;

    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void txtZoek_Change();
    void lstLeerlingenLijst_Click(QListWidgetItem* item);
    void cmdOK_Click();
    void cmdAnnuleren_Click();

private:
    std::vector<Lijstregel> lijst_;
};

#pragma once
// The cut-off table "Cesuurtabel": the grade for every count of the curve in
// the window that opened it (CesuurTabelBron says which kind), with the rows
// at the cut-off and at the bends marked, and its print.

#include "columntools/Cesuurtabel.h"
#include "platform/Venster.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmCesuurTabel : public Dialoog {
    Q_OBJECT
public:
    // `bron` is the opener's curve; it stays loaded beneath the table.
    frmCesuurTabel(AdmMain& adm, Omgeving& omgeving, const Cesuurknoppen& bron, QWidget* parent = nullptr);

    QLabel* Label1;
    QListWidget* Cijferlijst;
    QPushButton* cmdPrinten;
    QPushButton* cmdAnnuleren;
    QLineEdit* txtFocus;

    const Cesuurtabel& Tabel() const { return tabel_; }

    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void cmdPrinten_Click();
    void cmdAnnuleren_Click();
    void txtFocus_Change();

private:
    void VulTabel();

    const Cesuurknoppen& bron_;
    Cesuurtabel tabel_;
};

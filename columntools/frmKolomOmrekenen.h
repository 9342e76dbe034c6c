#pragma once
// "Kolom omrekenen": converts every filled grade of the source column by
// the formula in the box into the target column. The box shows the stored
// formula of the chosen pair of levels; a formula that passes its check
// (evaluated at c = 1) when the box is left is stored, one that fails is
// refused with a message and the stored one comes back. The buttons check
// the box again before they act. The choices are preset once, when the
// window is made, so they survive a look at "&Tabel".

#include "columntools/frmKolomkeuzevenster.h"

#include <string>

class Etiket;
class QLabel;
class VasteBreedteInvoer;

class frmKolomOmrekenen : public Kolomkeuzevenster {
    Q_OBJECT
public:
    frmKolomOmrekenen(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    std::array<Kolomkiezer*, 3> Keuze;  // 1 source, 2 target
    Etiket* Label3;                    // "Omrekenformule...:"
    VasteBreedteInvoer* txtOmrekenen;
    Etiket* Label4;                    // the hint, 0 <= c <= 10
    std::array<QLabel*, 2> Image1{};   // the two signs in the hint
    QPushButton* cmdTabel;
    QPushButton* cmdUitvoeren;

    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void vanNiveau_Click();
    void naarNiveau_Click();
    void txtOmrekenen_LostFocus();
    void cmdTabel_Click();
    void cmdUitvoeren_Click();

private:
    int FormuleIndexNu() const;
    void ToonFormule();
    // The check of the box: true with the formula stored; false after the
    // message, with the stored formula back in the box and the focus there.
    bool FormuleVastleggen();
    // The click that made the box refuse its formula (the focus went back
    // into the box) does nothing more; a key or a check that passes ends it.
    bool KlikNaWeigering();

    bool formuleGeweigerd_ = false;
};

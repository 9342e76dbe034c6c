#pragma once
// "Omrekentabel": what the formula of the conversion window makes of every
// grade from 0 to 10 in steps of 0.1, in five columns, and its print. A
// formula that cannot be read or fails for some row is reported and the
// window closes. It writes no data.

#include "columntools/Omrekentabel.h"
#include "platform/Venster.h"

#include <array>
#include <string>

class Etiket;
class Focusvak;
class QFrame;
class QPushButton;

class frmOmrekenTabel : public Dialoog {
    Q_OBJECT
public:
    // The formula is the text of the conversion window's box at opening.
    frmOmrekenTabel(AdmMain& adm, Omgeving& omgeving, std::string formule, QWidget* parent = nullptr);

    std::array<Etiket*, AantalStappen + 1> lblCesuur{};
    std::array<Etiket*, 5> Label1{};
    std::array<QFrame*, 8> Line{};
    QPushButton* cmdPrinten;
    QPushButton* cmdAnnuleren;
    Focusvak* txtFocus;

    const Omrekentabel& Tabel() const { return tabel_; }

    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;
    void cmdPrinten_Click();
    void cmdAnnuleren_Click();

private:
    void VulTabel();

    std::string formule_;
    Omrekentabel tabel_;
};

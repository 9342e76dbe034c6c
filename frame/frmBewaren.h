#pragma once
// The save prompt before a new file, an open and quitting: shown modally
// while Gewijzigd is 1 (the protocol is Bewaarvraag, frame/Bestandsopdrachten.h).
// Answer in DialoogAntwoord: 1 go on ("&Ja" after saving, "&Nee"), 2 cancel
// ("&Annuleren", Esc, the close box, or a save that failed).

#include "platform/Venster.h"

class QLabel;
class QPushButton;

class frmBewaren : public Dialoog {
    Q_OBJECT
public:
    frmBewaren(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    QLabel* Picture1;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* lblBestandsNaam;
    QPushButton* cmdOpslaan;
    QPushButton* cmdNietOpslaan;
    QPushButton* cmdAnnuleren;

    void cmdOpslaan_Click();
    void cmdNietOpslaan_Click();
    void cmdAnnuleren_Click();
    void Form_KeyDown(int& KeyCode, int& Shift) override;

private:
    void Form_Load();
};

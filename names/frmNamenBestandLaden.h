#pragma once
// The names-file dialog: picks a names file (*.nam) of the outside
// school-administration program and imports its pupils through
// frmLeerlingUitVlk (DialoogModus 4). Built like the open dialog; its table
// lists each file's name and modification time only.

#include "frame/frmBestandLaden.h"

class frmNamenBestandLaden : public Bestandskeuzelijst {
    Q_OBJECT
public:
    frmNamenBestandLaden(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    Etiket* lblNamenbestanden;
    QPushButton* cmdNamenbestand;
    QPushButton* cmdGewijzigd;

    void Form_Activate() override;

protected:
    void cmdOpenen_Click() override;
    void cmdAnnuleren_Click() override;
};

#pragma once
// The cut-off calculator for tests marked by counting errors: a curve from
// errors to grades and its table, without touching any grade column.

#include "columntools/Cesuurtabel.h"
#include "columntools/frmCesuurvenster.h"
#include "platform/Opmaak.h"

class frmCesuurFouten : public frmCesuurvenster {
public:
    frmCesuurFouten(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr)
        : frmCesuurvenster(Cesuursoort::Fouten, adm, omgeving, parent)
    {
        setWindowTitle(QStringLiteral("Cesuurtabel bij fouten"));
        setFixedSize(Twips(8070), Twips(3330));
    }

protected:
    int Tabelbron() const override { return BronCesuurFouten; }
};

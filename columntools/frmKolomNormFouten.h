#pragma once
// Norming a column of error counts: more errors, a lower grade.

#include "columntools/Cesuurtabel.h"
#include "columntools/frmKolomNormeren.h"

class frmKolomNormFouten : public frmKolomNormvenster {
public:
    frmKolomNormFouten(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr)
        : frmKolomNormvenster(Cesuursoort::Fouten, adm, omgeving, parent)
    {
    }

protected:
    int Tabelbron() const override { return BronKolomNormFouten; }
};

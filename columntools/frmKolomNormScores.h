#pragma once
// Norming a column of scores: a higher score, a higher grade.

#include "columntools/Cesuurtabel.h"
#include "columntools/frmKolomNormeren.h"

class frmKolomNormScores : public frmKolomNormvenster {
public:
    frmKolomNormScores(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr)
        : frmKolomNormvenster(Cesuursoort::Scores, adm, omgeving, parent)
    {
    }

protected:
    int Tabelbron() const override { return BronKolomNormScores; }
};

#pragma once
// The cut-off calculator for tests marked by raw score: a curve from scores
// to grades and its table, without touching any grade column.

#include "columntools/Cesuurtabel.h"
#include "columntools/frmCesuurvenster.h"
#include "platform/Opmaak.h"

class frmCesuurScore : public frmCesuurvenster {
public:
    frmCesuurScore(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr)
        : frmCesuurvenster(Cesuursoort::Scores, adm, omgeving, parent)
    {
        setWindowTitle(QStringLiteral("Cesuurtabel bij scores"));
        setFixedSize(Twips(7905), Twips(3330));
    }

protected:
    int Tabelbron() const override { return BronCesuurScore; }
};

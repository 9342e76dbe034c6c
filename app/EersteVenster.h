#pragma once
// The first window after start-up until the names list takes its place:
// shows which grade file is open, and runs the file commands, the view
// switches and the quit of the view family.

#include "platform/Venster.h"

class QAction;
class QLabel;

class EersteVenster : public Venster {
    Q_OBJECT
public:
    EersteVenster(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    QLabel* TrimLabel;
    QLabel* lblBestand;
    QLabel* lblSchool;

    QAction* mnuNieuwBestand;
    QAction* mnuBestandLaden;
    QAction* mnuBestandOpslaan;
    QAction* mnuBestandOpslaanAls;
    QAction* mnuStoppen;
    QAction* mnuNamenlijst;
    QAction* mnuTrimester[4];  // 1..3
    QAction* mnuRapportenlijst;
    QAction* mnuJaaroverzicht;

    void Afdrukken();
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
};

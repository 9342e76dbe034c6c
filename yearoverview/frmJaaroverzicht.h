#pragma once
// The year overview (view 5), for now a read-only card of the current pupil:
// the 48 grades under their weights, per term the average and the report,
// the year average and the end report; a spin button steps through the
// pupils. Its menus and toolbar run the file commands, the view and level
// switches and the quit of the view family.

#include "platform/Venster.h"

class Draaiknop;
class QAction;
class QLabel;
class QTableWidget;

class frmJaaroverzicht : public Venster {
    Q_OBJECT
public:
    frmJaaroverzicht(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    // Rows of the card: per term its weights and its grades, then the
    // summary. Columns 0..15 the columns of the term, then the term's
    // average and report.
    static constexpr int KolomGemiddelde = 16;
    static constexpr int KolomRapport = 17;
    static int RijGewicht(int t) { return 2 * (t - 1); }
    static int RijCijfer(int t) { return 2 * (t - 1) + 1; }

    QLabel* TrimLabel;
    QLabel* NivoLabel;
    QLabel* lblNaam;
    QLabel* lblNummer;
    Draaiknop* UpDown;
    QTableWidget* lstCijfers;
    QLabel* lblJgem;
    QLabel* lblEind;
    QLabel* lblBestand;

    QAction* mnuNieuwBestand;
    QAction* mnuBestandLaden;
    QAction* mnuBestandOpslaan;
    QAction* mnuBestandOpslaanAls;
    QAction* mnuStoppen;
    QAction* mnuNamenlijst;
    QAction* mnuTrimester[4];  // 1..3
    QAction* mnuRapportenlijst;
    QAction* mnuJaaroverzicht;
    QAction* mnuNivo1;
    QAction* mnuNivo2;

    void Afdrukken();
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void Invoervastlegging(Opdrachtbron bron) override;
    void Toolbar_ButtonClick(const QString& key) override;
    void BestandsnaamTonen() override;
    void UpDown_Change();

    void mnuNieuwBestand_Click();
    void mnuBestandLaden_Click();
    void mnuStoppen_Click();
    void mnuNivo_Click(int niveau);
};

#pragma once
// The year overview (view 5), for now a read-only card of the current pupil:
// the 48 grades under their weights, per term the average and the report,
// the year average and the end report; a spin button steps through the
// pupils. Its menus and toolbar run the file commands, the view and level
// switches and the quit of the view family.

#include "core/Weergavevenster.h"

class Draaiknop;
class QAction;
class QMenu;
class QLabel;
class QTableWidget;

class frmJaaroverzicht : public Weergavevenster {
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

    QMenu *mnuTrimMenu, *mnuLijsten, *mnuNiveau;
    QAction* mnuNiveau1;
    QAction* mnuNiveau2;

    void Afdrukken();
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void Invoervastlegging(Opdrachtbron bron) override;
    void BestandsnaamTonen() override;
    void UpDown_Change();

protected:
    void Hertekenen() override { Afdrukken(); }
    // A file of this view: the spin button on its current pupil.
    void NaOpenen() override;
};

#pragma once
// The report list (view 4), for now a read-only list: every pupil with the
// term averages, the year column and the four report grades, the class mean
// and spread below. Its menus and toolbar run the file commands, the view
// and level switches and the quit of the view family.

#include "core/Weergavevenster.h"

class QAction;
class QMenu;
class QLabel;
class QTableWidget;

class frmRapporten : public Weergavevenster {
    Q_OBJECT
public:
    frmRapporten(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    // Columns of the list; rows 0..35 are pupils 1..36, then the class mean
    // and the spread.
    enum Kolom { kNr, kAchternaam, kRoepnaam, kTr1, kTr2, kTr3, kJgem, kRp1, kRp2, kRp3, kRpE, kMentor, kAantal };
    static constexpr int RijGemiddelde = AantalLeerlingen;
    static constexpr int RijSpreiding = AantalLeerlingen + 1;

    QLabel* TrimLabel;
    QLabel* NivoLabel;
    QLabel* lblKop;
    QTableWidget* lstLeerlingen;
    QLabel* Label15;

    QMenu *mnuTrimMenu, *mnuLijsten, *mnuNiveau;
    QAction* mnuNivo1;
    QAction* mnuNivo2;

    void Afdrukken(int Modus);
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void Invoervastlegging(Opdrachtbron bron) override;
    void BestandsnaamTonen() override;

protected:
    void Hertekenen() override { Afdrukken(1); }
    // A file of this view: the statistics it does not hold, the current pupil shown.
    void NaOpenen() override;

private:
    // The class statistics the grade file does not hold: of the end
    // averages at both levels and of the four reports.
    void Klassenstatistiek();
    // The scroll position follows HuidigeRij.
    void ToonHuidigeRij();

    bool bezigMetTekenen_ = false;
};

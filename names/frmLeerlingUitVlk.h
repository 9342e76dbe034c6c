#pragma once
// The pupil import window: lists the pupils of ImportBestand and copies the
// chosen ones into the data set by DialoogModus (3 pupils of a grade file,
// 4 pupils of a names file, 5 report grades of the term on screen into a
// grade column). Ends with DialoogAntwoord as its modal result: 1 after
// "&Importeren", 0 when cancelled.
//
// The source is read when the window is made; when that fails, Leesfout()
// says why and the opener reports it instead of showing the window.

#include "names/LeerlingImport.h"
#include "platform/Venster.h"

#include <optional>
#include <string>

class Draaiknop;
class Etiket;
class QListWidget;
class QPushButton;
class VasteBreedteInvoer;

class frmLeerlingUitVlk : public Dialoog {
    Q_OBJECT
public:
    frmLeerlingUitVlk(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    Etiket* Label1;  // "Achternaam"
    Etiket* Label2;  // "Roepnaam"
    Etiket* Label3;  // "Cijferbestand :" or "Namenbestand :"
    Etiket* Label4;  // "Docent :"
    Etiket* Label5;  // "Klas :"
    Etiket* Label6;  // "Vak :"
    Etiket* Label7;  // "Importeren in kolom:"
    Etiket* lblBestand;
    Etiket* lblDocent;
    Etiket* lblKlas;
    Etiket* lblVak;
    QListWidget* lstLeerlingenLijst;
    QPushButton* cmdSelectAll;
    QPushButton* cmdImporteren;
    QPushButton* cmdAnnuleren;
    VasteBreedteInvoer* txtKolom;
    Draaiknop* UpDown;

    const std::optional<std::string>& Leesfout() const { return leesfout_; }

    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int& Shift) override;

    void cmdSelectAll_Click();
    void cmdImporteren_Click();
    void cmdAnnuleren_Click();

private:
    void PadTonen();
    void KolomTonen();
    void txtKolom_GotFocus();
    void txtKolom_LostFocus();
    void txtKolom_KeyDown(int& KeyCode, int& Shift);
    void Sluiten();

    int modus_;
    Importbron bron_;
    std::optional<std::string> leesfout_;
};

#pragma once
// The file-list dialogs: drive, folder and file lists and a table of the
// files of the chosen folder, sorted by the buttons above its columns
// (Bestandskeuzelijst); and the open dialog frmBestandLaden built on it,
// which opens a grade file (DialoogModus 1) or picks the source of a pupil
// or report-grade import (3 and 5) and hands over to the import window
// (frmLeerlingUitVlk, handed in through leerlingvensters).
// Both report through DialoogAntwoord (1 done, 0 cancelled) and end with
// that as their modal result.

#include "core/Bestandstabel.h"
#include "core/Cijferbestand.h"
#include "frame/Leerlingvensters.h"
#include "platform/Venster.h"

#include <string>
#include <vector>

class Etiket;
class QComboBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class Bestandskeuzelijst : public Dialoog {
    Q_OBJECT
public:
    QComboBox* Drive;              // the roots: "/" and mounted removable media
    QListWidget* Dir;              // the folder's ancestors, itself and its sub-folders
    QListWidget* File;             // the file names (not shown: the table lists them)
    QListWidget* lstBestandenLijst;
    Etiket* lblMappen;
    QPushButton* cmdOpenen;
    QPushButton* cmdAnnuleren;

    // The import window for a chosen source; none: the choice does nothing.
    const Leerlingvensters* leerlingvensters = nullptr;

    // The folder shown, and its files in the order of the table.
    const std::string& Map() const { return map_; }
    const std::vector<Bestandsrij>& Rijen() const { return rijen_; }

protected:
    struct Opzet {
        Bestandsoort soort;
        int tabelbreedte;       // width of the table in twips
        bool mappenInkorten;    // cut a long " Mappen in " caption
        bool mapOpEnkeleKlik;   // a single click on a folder opens it
    };
    Bestandskeuzelijst(AdmMain& adm, Omgeving& omgeving, QWidget* parent, const Opzet& opzet);

    // The label above the table.
    Etiket* lblBestanden;

    // A sort button over `breedte` columns of the table from column `van`
    // after the name (the name column itself when van < 0).
    QPushButton* Sorteerknop(const char* naam, const char* tekst, Bestandskolom kolom, int van, int breedte);

    // Opens the folder: lists, labels and table. Raises Bestandsfout when it
    // cannot be read, leaving what was shown.
    void MapTonen(const std::string& map);
    // The activation's folder, or the current one when that cannot be read.
    void Beginmap(const std::string& map);
    // Esc cancels from any control. Down or Up in a table with no file
    // chosen takes the first; Enter in the folder list opens that folder,
    // elsewhere it presses "&Openen" (the default button) unless a focused
    // button takes it.
    void Form_KeyDown(int& KeyCode, int& Shift) override;

    // The chosen row's path, "" without one.
    std::string GekozenPad() const;
    // A failed open: the message, and the drive list back to the drive of the current folder.
    void Openfout(const std::string& omschrijving);
    // Shows the pupil import for the chosen file and closes this dialog when
    // the import was done.
    void ImportTonen();
    // Ends the dialog with DialoogAntwoord as its result.
    void Sluiten();

    virtual void cmdOpenen_Click() = 0;
    virtual void cmdAnnuleren_Click() = 0;

private:
    struct Kopknop {
        QPushButton* knop;
        int van;
        int breedte;
    };

    void Drive_Change();
    void MapKiezen(QListWidgetItem* item);
    void Sorteren(Bestandskolom kolom);
    void TabelTonen();
    void KnoppenPlaatsen();
    void ZetDrive(const std::string& station);

    Opzet opzet_;
    QWidget* kop_;
    std::vector<Kopknop> knoppen_;
    std::string map_;
    std::vector<Bestandsrij> rijen_;
    std::size_t naambreedte_ = 12;
};

class frmBestandLaden : public Bestandskeuzelijst {
    Q_OBJECT
public:
    frmBestandLaden(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);

    // Mends an opened file before it is taken over (handed down from the view).
    Laadherstel laadherstel = nullptr;

    Etiket* lblCijferbestanden;
    QPushButton* cmdCijferbestand;
    QPushButton* cmdKlas;
    QPushButton* cmdVak;
    QPushButton* cmdDvak;
    QPushButton* cmdGewijzigd;

    void Form_Activate() override;

protected:
    void cmdOpenen_Click() override;
    void cmdAnnuleren_Click() override;
};

#pragma once
// Save as: the host of the save dialog, shown by no one itself. Loading it
// with DialoogModus 2 (Form_Load) asks for a file name and saves the data set
// under it; the views load it and unload it again (BestandOpslaanAls,
// frame/Bestandsopdrachten.h).

#include "core/AdmMain.h"

#include <QString>

class Omgeving;
class QFileDialog;
class QWidget;

class frmCommonDialoog {
public:
    frmCommonDialoog(AdmMain& adm, Omgeving& omgeving, QWidget* parent = nullptr);
    ~frmCommonDialoog();
    frmCommonDialoog(const frmCommonDialoog&) = delete;
    frmCommonDialoog& operator=(const frmCommonDialoog&) = delete;

    // The save dialog: the toolkit's own (not the desktop's), shown modally
    // through Omgeving so that a test can answer it.
    QFileDialog* CommonDialog;

    // With DialoogModus 2: the dialog, a question before an existing file is
    // replaced ("&Nee" goes back to the dialog), the start folder made
    // current, the save. The dialog offers Bestandsnaam as the file lines
    // show it, and saves what it shows under the bytes it stands for, also
    // in a folder whose name is no UTF-8. Cancel ends quietly; a failed save shows
    // "Foutmelding:" and leaves Bestandsnaam, Gewijzigd and the old file as
    // they were. True when the file was written.
    bool Form_Load();

private:
    AdmMain& adm_;
    Omgeving& omgeving_;
};

// The question before a file is replaced.
QString VervangVraag(const QString& bestandsnaam);


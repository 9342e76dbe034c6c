#include "frame/frmCommonDialoog.h"

#include "core/Fout.h"
#include "core/Opdrachten.h"
#include "platform/Omgeving.h"
#include "platform/Paden.h"
#include "platform/Vensterbestandssysteem.h"

#include <QFileDialog>
#include <QFileInfo>

#include <exception>
#include <filesystem>

frmCommonDialoog::frmCommonDialoog(AdmMain& adm, Omgeving& omgeving, QWidget* parent)
    : CommonDialog(new QFileDialog(parent)), adm_(adm), omgeving_(omgeving)
{
    CommonDialog->setOption(QFileDialog::DontUseNativeDialog);
    // The question is ours, through Omgeving, so that a test answers it.
    CommonDialog->setOption(QFileDialog::DontConfirmOverwrite);
    CommonDialog->setAcceptMode(QFileDialog::AcceptSave);
    CommonDialog->setFileMode(QFileDialog::AnyFile);
}

frmCommonDialoog::~frmCommonDialoog() { delete CommonDialog; }

QString VervangVraag(const QString& bestandsnaam)
{
    return bestandsnaam + QStringLiteral(" bestaat al.\nWilt u het bestand vervangen?");
}

bool frmCommonDialoog::Form_Load()
{
    if (adm_.DialoogModus != DialoogOpslaanAls)
        return false;

    CommonDialog->setWindowTitle(QStringLiteral("Cijferbestand opslaan als..."));
    CommonDialog->setNameFilter(QStringLiteral("Cijferbestand (*.vlk)"));
    const QFileInfo huidig(PadNaarQString(adm_.Bestandsnaam));
    CommonDialog->setDirectory(huidig.absolutePath());
    CommonDialog->selectFile(huidig.fileName());

    std::string pad;
    for (;;) {
        if (omgeving_.Modaal(*CommonDialog) != QDialog::Accepted)
            return false;
        const QStringList gekozen = CommonDialog->selectedFiles();
        if (gekozen.isEmpty())
            return false;
        const QFileInfo info(PadNaarQString(MetExtensie(QStringNaarPad(gekozen.first()))));
        pad = QStringNaarPad(info.absoluteFilePath());
        std::error_code ec;
        if (!std::filesystem::exists(pad, ec))
            break;
        if (omgeving_.Bericht(VervangVraag(info.fileName()), vbYesNo + vbExclamation + vbDefaultButton2,
                              QStringLiteral("Opslaan als")) == vbYes)
            break;
        CommonDialog->selectFile(info.absoluteFilePath());
    }

    std::error_code ec;
    std::filesystem::current_path(adm_.StartMap, ec);
    try {
        Vensterbestandssysteem systeem;
        CijferbestandOpslaanAls(adm_, pad, systeem);
    } catch (const std::exception& fout) {
        Foutmelding(omgeving_, PadNaarQString(Uitzonderingstekst(fout)));
        return false;
    }
    return true;
}

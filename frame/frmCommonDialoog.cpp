#include "frame/frmCommonDialoog.h"

#include "core/Fout.h"
#include "core/Opdrachten.h"
#include "core/Pad.h"
#include "platform/Omgeving.h"
#include "platform/Paden.h"
#include "platform/Vensterbestandssysteem.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <vector>

namespace {

// The toolkit's dialog names folders and files by their text, and a text
// gives back UTF-8 bytes only: a folder or file of another make (a name
// copied from an older machine) it can neither open nor return. So it opens
// the deepest folder of the offered file that it can name, its name box holds
// the rest of the path as the file lines show it, and the path it returns is
// read back against the one offered (GekozenPad).

std::vector<std::string> Stappen(const std::string& pad)
{
    std::vector<std::string> r;
    for (std::size_t b = 0; b < pad.size();) {
        const std::size_t e = std::min(pad.find('/', b), pad.size());
        if (e > b)
            r.push_back(pad.substr(b, e - b));
        b = e + 1;
    }
    return r;
}

// Shows the absolute path `pad` as the dialog's folder and name.
void Aanbieden(QFileDialog& dialoog, const std::string& pad)
{
    std::string map = MapVan(pad);
    while (map != "/" && QStringNaarPad(PadNaarQString(map)) != map)
        map = MapVan(map);
    dialoog.setDirectory(PadNaarQString(map));
    const QString rest = PadTonen(pad.substr(map == "/" ? 1 : map.size() + 1));
    dialoog.selectFile(rest);
    // selectFile puts a relative path that exists from the current folder (a
    // UTF-8 twin of the offered one) in by its last step alone.
    if (auto* naam = dialoog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        naam->setText(rest);
}

// The bytes of the absolute path `tekst` the dialog returned after it offered
// `aangeboden`. The steps through the dialog's own folder, which it listed,
// are their text's bytes; past it, each step that reads as the offered path's
// step there is that step's bytes, up to the first that does not.
std::string GekozenPad(const QFileDialog& dialoog, const std::string& aangeboden, const QString& tekst)
{
    const QStringList stappen = tekst.split(u'/', Qt::SkipEmptyParts);
    const QStringList eigen = dialoog.directory().absolutePath().split(u'/', Qt::SkipEmptyParts);
    const qsizetype vast = stappen.mid(0, eigen.size()) == eigen ? eigen.size() : 0;
    const std::vector<std::string> aanbod = Stappen(aangeboden);
    std::string pad;
    bool gelijk = true;
    for (qsizetype i = 0; i < stappen.size(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::string stap = QStringNaarPad(stappen[i]);
        gelijk = gelijk && k < aanbod.size() && (i < vast ? stap == aanbod[k] : stappen[i] == PadTonen(aanbod[k]));
        pad += '/' + (gelijk ? aanbod[k] : stap);
    }
    return pad.empty() ? "/" : pad;
}

}  // namespace

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
    const std::string& naam = adm_.Bestandsnaam;
    const std::string vol = naam.starts_with('/') ? naam : PadSamenvoegen(HuidigeMap(), naam);
    std::string pad = std::filesystem::path(vol).lexically_normal().string();
    for (;;) {
        const std::string aangeboden = pad;
        Aanbieden(*CommonDialog, aangeboden);
        if (omgeving_.Modaal(*CommonDialog) != QDialog::Accepted)
            return false;
        const QStringList gekozen = CommonDialog->selectedFiles();
        if (gekozen.isEmpty())
            return false;
        const QFileInfo info(PadNaarQString(MetExtensie(QStringNaarPad(gekozen.first()))));
        pad = GekozenPad(*CommonDialog, aangeboden, QDir::cleanPath(info.absoluteFilePath()));
        std::error_code ec;
        if (!std::filesystem::exists(pad, ec))
            break;
        if (omgeving_.Bericht(VervangVraag(info.fileName()), vbYesNo + vbExclamation + vbDefaultButton2,
                              QStringLiteral("Opslaan als")) == vbYes)
            break;
    }

    std::error_code ec;
    std::filesystem::current_path(adm_.StartMap, ec);
    try {
        Vensterbestandssysteem systeem;
        CijferbestandOpslaanAls(adm_, pad, systeem);
    } catch (const std::exception& fout) {
        Foutmelding(omgeving_, PadTonen(Uitzonderingstekst(fout)));
        return false;
    }
    return true;
}

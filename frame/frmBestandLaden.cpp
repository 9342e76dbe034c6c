#include "frame/frmBestandLaden.h"

#include "core/Fout.h"
#include "core/Openen.h"
#include "core/Pad.h"
#include "platform/Cp1252Qt.h"
#include "platform/Etiket.h"
#include "platform/Opmaak.h"
#include "platform/Paden.h"
#include "platform/Toetsen.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStorageInfo>
#include <QStyle>

#include <algorithm>
#include <filesystem>

namespace {

std::string Pad(const QListWidgetItem* item) { return item->data(Qt::UserRole).toByteArray().toStdString(); }

std::string Absoluut(const std::string& map)
{
    std::error_code ec;
    std::string a = std::filesystem::absolute(map, ec).lexically_normal().string();
    if (ec)
        a = map;
    while (a.size() > 1 && a.back() == '/')
        a.pop_back();
    return a;
}

// The roots the drive list offers: the file system's, and removable media
// where the desktop mounts them.
std::vector<std::string> Stations()
{
    std::vector<std::string> s;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString root = v.rootPath();
        if (v.isValid() && v.isReady() &&
            (root.startsWith(QStringLiteral("/media/")) || root.startsWith(QStringLiteral("/run/media/"))))
            s.push_back(QFile::encodeName(root).toStdString());
    }
    std::sort(s.begin(), s.end());
    s.erase(std::unique(s.begin(), s.end()), s.end());
    s.insert(s.begin(), "/");
    return s;
}

bool Binnen(const std::string& map, const std::string& root)
{
    return root == "/" || map == root || (map.size() > root.size() && map.compare(0, root.size(), root) == 0 &&
                                          map[root.size()] == '/');
}

// The drive a folder lies on: the longest root that holds it.
std::string StationVan(const std::string& map)
{
    std::string best = "/";
    for (const auto& s : Stations())
        if (s.size() > best.size() && Binnen(map, s))
            best = s;
    return best;
}

void Melding(Omgeving& omgeving, const std::string& omschrijving)
{
    omgeving.Bericht(PadTonen(Dialoogmelding(omschrijving)), vbExclamation,
                     QString::fromUtf8(Programmatitel));
}

void TerugNaarStartMap(const AdmMain& adm)
{
    std::error_code ec;
    std::filesystem::current_path(adm.StartMap, ec);
}

}  // namespace

Bestandskeuzelijst::Bestandskeuzelijst(AdmMain& a, Omgeving& o, QWidget* parent, const Opzet& opzet)
    : Dialoog(a, o, parent), opzet_(opzet)
{
    setFont(VbLetter("MS Sans Serif", 8));
    const int links = 3495, breedte = opzet.tabelbreedte;

    // Created in tab order: the table takes the focus first.
    lstBestandenLijst = new QListWidget(this);
    ZetNaam(*lstBestandenLijst, "lstBestandenLijst");
    lstBestandenLijst->setFont(VbLetter("Courier", 10));
    lstBestandenLijst->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Every row is one line of the fixed-pitch font: a long folder lays out
    // without measuring each row.
    lstBestandenLijst->setUniformItemSizes(true);
    ZetPlaats(*lstBestandenLijst, links, 720, breedte, 3495);

    cmdOpenen = new QPushButton(QStringLiteral("&Openen"), this);
    ZetNaam(*cmdOpenen, "cmdOpenen");
    ZetPlaats(*cmdOpenen, links + breedte - 2535, 4335, 1215, 375);
    cmdAnnuleren = new QPushButton(QStringLiteral("&Annuleren"), this);
    ZetNaam(*cmdAnnuleren, "cmdAnnuleren");
    ZetPlaats(*cmdAnnuleren, links + breedte - 1215, 4335, 1215, 375);

    Dir = new QListWidget(this);
    ZetNaam(*Dir, "Dir");
    ZetPlaats(*Dir, 120, 405, 3255, 3375);
    Drive = new QComboBox(this);
    ZetNaam(*Drive, "Drive");
    ZetPlaats(*Drive, 120, 3900, 3255, 315);
    File = new QListWidget(this);
    ZetNaam(*File, "File");
    File->hide();

    lblMappen = new Etiket(this);
    ZetNaam(*lblMappen, "lblMappen");
    ZetPlaats(*lblMappen, 120, 120, 3255, 255);
    lblBestanden = new Etiket(this);
    ZetPlaats(*lblBestanden, links, 120, breedte, 255);

    // The sort buttons stand over the columns and move with the table when it scrolls.
    kop_ = new QWidget(this);
    ZetPlaats(*kop_, links, 405, breedte, 315);

    setFixedSize(Twips(links + breedte + 120), Twips(4860));
    Standaardknop(cmdOpenen);

    connect(lstBestandenLijst, &QListWidget::itemDoubleClicked, this, [this] { cmdOpenen_Click(); });
    connect(lstBestandenLijst->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { KnoppenPlaatsen(); });
    connect(cmdOpenen, &QPushButton::clicked, this, [this] { cmdOpenen_Click(); });
    connect(cmdAnnuleren, &QPushButton::clicked, this, [this] { cmdAnnuleren_Click(); });
    connect(Drive, &QComboBox::activated, this, [this] { Drive_Change(); });
    if (opzet.mapOpEnkeleKlik)
        connect(Dir, &QListWidget::itemClicked, this, [this](QListWidgetItem* i) { MapKiezen(i); });
    else
        connect(Dir, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* i) { MapKiezen(i); });
}

QPushButton* Bestandskeuzelijst::Sorteerknop(const char* naam, const char* tekst, Bestandskolom kolom, int van,
                                              int breedte)
{
    auto* knop = new QPushButton(QString::fromUtf8(tekst), kop_);
    ZetNaam(*knop, naam);
    connect(knop, &QPushButton::clicked, this, [this, kolom] { Sorteren(kolom); });
    knoppen_.push_back({knop, van, breedte});
    KnoppenPlaatsen();
    return knop;
}

void Bestandskeuzelijst::KnoppenPlaatsen()
{
    const int teken = QFontMetrics(lstBestandenLijst->font()).horizontalAdvance(QLatin1Char('0'));
    const int x0 = lstBestandenLijst->frameWidth() +
                   lstBestandenLijst->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lstBestandenLijst) +
                   1 - lstBestandenLijst->horizontalScrollBar()->value();
    const int w = static_cast<int>(naambreedte_);
    for (const Kopknop& k : knoppen_) {
        const int van = k.van < 0 ? 0 : w + k.van;
        const int breedte = k.van < 0 ? w : k.breedte;
        k.knop->setGeometry(x0 + van * teken, 0, breedte * teken, kop_->height());
    }
}

void Bestandskeuzelijst::Form_KeyDown(int& KeyCode, int&)
{
    // The table marks its first row current, not chosen, when it gets the
    // focus: Down would step over the first file, and Up take none.
    if ((KeyCode == Toetscode::Neer || KeyCode == Toetscode::Op) && ActieveControl() == lstBestandenLijst && lstBestandenLijst->count() > 0 &&
        lstBestandenLijst->selectedItems().isEmpty()) {
        KeyCode = 0;
        lstBestandenLijst->setCurrentRow(0);
        return;
    }
    // Enter in the folder list opens that folder, not the chosen file.
    if (KeyCode == Toetscode::Enter && ActieveControl() == Dir && Dir->currentItem()) {
        KeyCode = 0;
        MapKiezen(Dir->currentItem());
        return;
    }
    EscAnnuleert(KeyCode, [this] { cmdAnnuleren_Click(); });
}

void Bestandskeuzelijst::ZetDrive(const std::string& station)
{
    const int i = Drive->findData(QByteArray::fromStdString(station));
    if (i >= 0)
        Drive->setCurrentIndex(i);
}

void Bestandskeuzelijst::MapTonen(const std::string& map)
{
    const Bestandstabel tabel = BestandstabelVullen(map, opzet_.soort);
    map_ = map;
    rijen_ = tabel.rijen;

    // The folder list: the drive, every folder down to this one, its sub-folders.
    Dir->clear();
    const std::string station = StationVan(map);
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const auto voegToe = [this](const std::string& pad, const std::string& naam, int diepte, const QIcon& icoon) {
        auto* item = new QListWidgetItem(icoon, QString(2 * diepte, QLatin1Char(' ')) + PadTonen(naam), Dir);
        item->setData(Qt::UserRole, QByteArray::fromStdString(pad));
    };
    voegToe(station, station, 0, open);
    std::string pad = station;
    int diepte = 0;
    const std::string rest = map.size() > station.size() ? map.substr(station == "/" ? 1 : station.size() + 1) : "";
    for (std::size_t b = 0; b < rest.size();) {
        const std::size_t e = std::min(rest.find('/', b), rest.size());
        if (e > b) {
            const std::string deel = rest.substr(b, e - b);
            pad = PadSamenvoegen(pad, deel);
            voegToe(pad, deel, ++diepte, open);
        }
        b = e + 1;
    }
    Dir->setCurrentRow(Dir->count() - 1);
    const QIcon dicht = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const auto& m : tabel.mappen)
        voegToe(PadSamenvoegen(map, m), m, diepte + 1, dicht);

    lblMappen->ZetTekst(MappenKop(map, opzet_.mappenInkorten));
    lblBestanden->ZetTekst(BestandenKop(map, opzet_.soort));
    TabelTonen();
}

void Bestandskeuzelijst::TabelTonen()
{
    lstBestandenLijst->clear();
    File->clear();
    naambreedte_ = Naambreedte(rijen_);
    QStringList tabel, namen;
    tabel.reserve(static_cast<qsizetype>(rijen_.size()));
    namen.reserve(static_cast<qsizetype>(rijen_.size()));
    for (const Bestandsrij& r : rijen_) {
        tabel.append(Cp1252NaarQString(BestandsrijTekst(r, opzet_.soort, naambreedte_)));
        namen.append(PadTonen(r.naam));
    }
    lstBestandenLijst->addItems(tabel);
    File->addItems(namen);
    KnoppenPlaatsen();
}

void Bestandskeuzelijst::Beginmap(const std::string& map)
{
    Drive->clear();
    for (const auto& s : Stations())
        Drive->addItem(PadTonen(s), QByteArray::fromStdString(s));
    const std::string m = Absoluut(map);
    ZetDrive(StationVan(m));
    try {
        MapTonen(m);
        return;
    } catch (const Bestandsfout&) {
    }
    const std::string huidig = HuidigeMap();
    ZetDrive(StationVan(huidig));
    try {
        MapTonen(huidig);
    } catch (const Bestandsfout&) {
    }
}

void Bestandskeuzelijst::Drive_Change()
{
    // A drive shows its current folder: the program's own on its drive, the root on another.
    const std::string station = Drive->currentData().toByteArray().toStdString();
    const std::string huidig = HuidigeMap();
    try {
        MapTonen(StationVan(huidig) == station ? huidig : station);
    } catch (const Bestandsfout& f) {
        Melding(omgeving, f.what());
        ZetDrive(StationVan(huidig));
        try {
            MapTonen(huidig);
        } catch (const Bestandsfout&) {
        }
    }
}

void Bestandskeuzelijst::MapKiezen(QListWidgetItem* item)
{
    const std::string pad = Pad(item);
    if (pad == map_)
        return;
    try {
        MapTonen(pad);
    } catch (const Bestandsfout& f) {
        Melding(omgeving, f.what());
    }
}

void Bestandskeuzelijst::Sorteren(Bestandskolom kolom)
{
    if (rijen_.empty())
        return;
    const std::string gekozen = GekozenPad();
    BestandstabelSorteren(rijen_, kolom);
    TabelTonen();
    for (std::size_t k = 0; k < rijen_.size(); ++k)
        if (!gekozen.empty() && rijen_[k].pad == gekozen)
            lstBestandenLijst->setCurrentRow(static_cast<int>(k));
}

std::string Bestandskeuzelijst::GekozenPad() const
{
    const int k = lstBestandenLijst->currentRow();
    if (k < 0 || static_cast<std::size_t>(k) >= rijen_.size() || !lstBestandenLijst->item(k)->isSelected())
        return {};
    return rijen_[static_cast<std::size_t>(k)].pad;
}

void Bestandskeuzelijst::Openfout(const std::string& omschrijving)
{
    adm.DialoogAntwoord = AntwoordGeannuleerd;
    Melding(omgeving, omschrijving);
    const std::string huidig = HuidigeMap();
    const std::string station = StationVan(huidig);
    if (Drive->currentData().toByteArray().toStdString() != station) {
        ZetDrive(station);
        try {
            MapTonen(huidig);
        } catch (const Bestandsfout&) {
        }
    }
}

void Bestandskeuzelijst::Sluiten()
{
    setResult(adm.DialoogAntwoord);
    Unload();
}

frmBestandLaden::frmBestandLaden(AdmMain& a, Omgeving& o, QWidget* parent)
    : Bestandskeuzelijst(a, o, parent, {Bestandsoort::Cijferbestand, 6135, true, false})
{
    setObjectName(QStringLiteral("frmBestandLaden"));
    setWindowTitle(QStringLiteral("Cijferbestand openen"));
    lblCijferbestanden = lblBestanden;
    ZetNaam(*lblCijferbestanden, "lblCijferbestanden");
    // Columns after the name: class 7 and two blanks, subject 2 and three
    // blanks, sub-subject 2 and three blanks, then the date and time.
    cmdCijferbestand = Sorteerknop("cmdCijferbestand", "Cijferbestand", Bestandskolom::Naam, -1, 0);
    cmdKlas = Sorteerknop("cmdKlas", "Lesgroep", Bestandskolom::Klas, 0, 9);
    cmdVak = Sorteerknop("cmdVak", "Vak", Bestandskolom::Vak, 9, 5);
    cmdDvak = Sorteerknop("cmdDvak", "Dvak", Bestandskolom::Deelvak, 14, 5);
    cmdGewijzigd = Sorteerknop("cmdGewijzigd", "Gewijzigd     ", Bestandskolom::Gewijzigd, 19, 14);
}

void frmBestandLaden::Form_Activate()
{
    const std::string titel = BestandLadenTitel(adm.DialoogModus);
    if (!titel.empty())
        setWindowTitle(QString::fromUtf8(titel));
    Beginmap(BestandLadenActiveren(adm));
}

void frmBestandLaden::cmdOpenen_Click()
{
    const Openuitkomst uit = BestandOpenen(adm, Map(), GekozenPad(), laadherstel);
    switch (uit.stap) {
    case Openstap::Niets:
        return;
    case Openstap::Fout:
        Openfout(uit.omschrijving);
        return;
    case Openstap::Klaar:
        if (adm.DialoogModus == DialoogOpenen)
            TerugNaarStartMap(adm);
        Sluiten();
        return;
    case Openstap::Importeren:
        break;
    }
    ImportTonen();
}

void Bestandskeuzelijst::ImportTonen()
{
    if (!leerlingvensters)
        return;
    const Leerlingvensters::Import uit = leerlingvensters->Importeren(*this);
    if (uit.leesfout) {
        Openfout(*uit.leesfout);
        return;
    }
    if (!uit.gedaan)
        return;
    adm.DialoogAntwoord = AntwoordGereed;
    Sluiten();
}

void frmBestandLaden::cmdAnnuleren_Click()
{
    TerugNaarStartMap(adm);
    adm.DialoogAntwoord = AntwoordGeannuleerd;
    Sluiten();
}

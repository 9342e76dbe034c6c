#include "names/frmLeerlingUitVlk.h"

#include "core/Fout.h"
#include "core/Kolomkeuze.h"
#include "core/Openen.h"
#include "platform/Cp1252Qt.h"
#include "platform/Draaiknop.h"
#include "platform/Etiket.h"
#include "platform/Keuzelijst.h"
#include "platform/Opmaak.h"
#include "platform/Toetsen.h"
#include "platform/VasteBreedteInvoer.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include <stdexcept>

namespace {

// Designed width of the source path label, in twips.
constexpr int PadBreedte = 3120;

// A path too wide for the label loses its front up to a folder boundary and
// reads "..." and its last folders and the file name.
QString Ingekort(QString pad, const QFontMetrics& maat, int breedte)
{
    bool ingekort = false;
    while (!pad.isEmpty() && maat.horizontalAdvance(pad) > breedte) {
        pad.remove(0, 1);
        ingekort = true;
    }
    if (!ingekort)
        return pad;
    const qsizetype i = pad.indexOf(QLatin1Char('/'));
    if (i >= 0)
        pad = pad.mid(i);
    return QStringLiteral("...") + pad;
}

}  // namespace

frmLeerlingUitVlk::frmLeerlingUitVlk(AdmMain& a, Omgeving& o, QWidget* parent)
    : Dialoog(a, o, parent), modus_(a.DialoogModus)
{
    setObjectName(QStringLiteral("frmLeerlingUitVlk"));
    setWindowTitle(QStringLiteral("Leerling(en) importeren uit Cijferbestand"));
    setFont(VbLetter("MS Sans Serif", 8));

    const auto label = [this](const char* naam, const char* tekst, int x, int y, int w) {
        auto* l = new Etiket(tekst, this);
        ZetNaam(*l, naam);
        ZetPlaats(*l, x, y, w, 255);
        return l;
    };

    // Created in tab order: the list takes the focus first.
    lstLeerlingenLijst = new Keuzelijst(this);
    ZetNaam(*lstLeerlingenLijst, "lstLeerlingenLijst");
    lstLeerlingenLijst->setSelectionMode(QAbstractItemView::MultiSelection);
    lstLeerlingenLijst->setFont(VbLetter("Courier New", 10));
    ZetPlaats(*lstLeerlingenLijst, 120, 1575, 3855, 3615);
    cmdSelectAll = new QPushButton(QStringLiteral("Alles  &Selecteren"), this);
    ZetNaam(*cmdSelectAll, "cmdSelectAll");
    ZetPlaats(*cmdSelectAll, 4095, 1575, 1455, 375);
    cmdImporteren = new QPushButton(QStringLiteral("&Importeren"), this);
    ZetNaam(*cmdImporteren, "cmdImporteren");
    ZetPlaats(*cmdImporteren, 4095, 2070, 1455, 375);
    cmdAnnuleren = new QPushButton(QStringLiteral("&Annuleren"), this);
    ZetNaam(*cmdAnnuleren, "cmdAnnuleren");
    ZetPlaats(*cmdAnnuleren, 4095, 2565, 1455, 375);
    txtKolom = new VasteBreedteInvoer(o, a.InsertModus, {0, Typegrens::Geen, Loslaten::Niets, Overschrijven::Nooit},
                                      this);
    ZetNaam(*txtKolom, "txtKolom");
    ZetPlaats(*txtKolom, 1860, 5280, 495, 315);
    UpDown = new Draaiknop(Qt::Vertical, this);
    ZetNaam(*UpDown, "UpDown");
    ZetPlaats(*UpDown, 2355, 5280, 255, 315);
    UpDown->ZetMin(1);
    UpDown->ZetMax(KolommenPerTrimester);
    UpDown->ZetIncrement(1);

    Label3 = label("Label3", "Cijferbestand :", 120, 120, 1335);
    lblBestand = label("lblBestand", "", 1560, 120, PadBreedte);
    Label4 = label("Label4", "Docent :", 120, 405, 1335);
    lblDocent = label("lblDocent", "", 1560, 405, PadBreedte);
    Label5 = label("Label5", "Klas :", 120, 690, 1335);
    lblKlas = label("lblKlas", "", 1560, 690, PadBreedte);
    Label6 = label("Label6", "Vak :", 120, 975, 1335);
    lblVak = label("lblVak", "", 1560, 975, PadBreedte);
    Label7 = label("Label7", "Importeren in kolom:", 120, 5325, 1695);

    // The column heads stand over the surname (after one blank) and the first
    // name (after 18 characters) of the entries.
    const QFont koppen = VbLetter("Courier", 10);
    const int teken = QFontMetrics(lstLeerlingenLijst->font()).horizontalAdvance(QLatin1Char('0'));
    const int x0 = lstLeerlingenLijst->x() + lstLeerlingenLijst->frameWidth() +
                   style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lstLeerlingenLijst) + 1;
    Label1 = label("Label1", "Achternaam", 0, 1320, 0);
    Label2 = label("Label2", "Roepnaam", 0, 1320, 0);
    for (auto [l, kolom] : {std::pair{Label1, 1}, std::pair{Label2, 18}}) {
        l->setFont(koppen);
        l->adjustSize();
        l->move(x0 + kolom * teken, l->y());
    }

    setFixedSize(Twips(5700), Twips(5775));

    connect(cmdSelectAll, &QPushButton::clicked, this, [this] { cmdSelectAll_Click(); });
    connect(cmdImporteren, &QPushButton::clicked, this, [this] { cmdImporteren_Click(); });
    connect(cmdAnnuleren, &QPushButton::clicked, this, [this] { cmdAnnuleren_Click(); });
    connect(UpDown, &Draaiknop::Change, this, [this] { KolomTonen(); });
    connect(txtKolom, &VasteBreedteInvoer::GotFocus, this, [this] { txtKolom_GotFocus(); });
    connect(txtKolom, &VasteBreedteInvoer::LostFocus, this, [this] { txtKolom_LostFocus(); });
    connect(txtKolom, &VasteBreedteInvoer::KeyDown, this, [this](int& k, int& s) { txtKolom_KeyDown(k, s); });

    // Form_Load
    lstLeerlingenLijst->clear();
    lblBestand->setText(QFile::decodeName(QByteArray::fromStdString(adm.ImportBestand)));
    if (modus_ == DialoogImportLeerlingen || modus_ == DialoogImportNamenbestand) {
        Label7->hide();
        txtKolom->hide();
        UpDown->hide();
    }
    try {
        bron_ = ImportbronLezen(adm);
    } catch (const Bestandsfout& f) {
        leesfout_ = Foutomschrijving(f);
    } catch (const std::invalid_argument&) {
        // Not an import mode: an empty list, and "&Importeren" only closes.
    }
}

void frmLeerlingUitVlk::Form_Activate()
{
    adm.DialoogAntwoord = AntwoordGeannuleerd;
    if (leesfout_) {
        Sluiten();
        return;
    }
    lstLeerlingenLijst->setFont(VbLetter("Courier New", 10));
    PadTonen();

    const bool namen = modus_ == DialoogImportNamenbestand;
    if (modus_ == DialoogImportRapporten) {
        UpDown->ZetValue(BeginKolomkeuze(adm).kolom);
        KolomTonen();
    }
    if (namen || modus_ == DialoogImportLeerlingen || modus_ == DialoogImportRapporten) {
        setWindowTitle(namen ? QStringLiteral("Leerling(en) importeren uit Dravonel Namenbestand")
                             : QStringLiteral("Leerling(en) importeren uit Cijferbestand"));
        Label3->ZetTekst(namen ? "Namenbestand :" : "Cijferbestand :");
        Label4->ZetTekst(namen ? "" : "Docent :");
        Label5->ZetTekst(namen ? "" : "Klas :");
        Label6->ZetTekst(namen ? "" : "Vak :");
        lblDocent->ZetTekst(bron_.docent);
        lblKlas->ZetTekst(bron_.klas);
        lblVak->ZetTekst(bron_.vak);
    }

    lstLeerlingenLijst->clear();
    for (const Bronleerling& l : bron_.leerlingen)
        lstLeerlingenLijst->addItem(Cp1252NaarQString(l.lijsttekst));
}

void frmLeerlingUitVlk::PadTonen()
{
    const QString pad = QFile::decodeName(QByteArray::fromStdString(adm.ImportBestand));
    lblBestand->setText(Ingekort(pad, QFontMetrics(lblBestand->font()), Twips(PadBreedte)));
}

void frmLeerlingUitVlk::KolomTonen() { txtKolom->ZetTekst(std::to_string(UpDown->Value())); }

void frmLeerlingUitVlk::Form_KeyDown(int& KeyCode, int&)
{
    EscAnnuleert(KeyCode, [this] { cmdAnnuleren_Click(); });
}

void frmLeerlingUitVlk::cmdSelectAll_Click() { lstLeerlingenLijst->selectAll(); }

void frmLeerlingUitVlk::cmdImporteren_Click()
{
    if (modus_ != DialoogImportLeerlingen && modus_ != DialoogImportNamenbestand && modus_ != DialoogImportRapporten) {
        adm.DialoogAntwoord = AntwoordGereed;
        Sluiten();
        return;
    }
    std::vector<int> gekozen;
    for (int i = 0; i < lstLeerlingenLijst->count(); ++i)
        if (lstLeerlingenLijst->item(i)->isSelected())
            gekozen.push_back(i);
    int kolom = 0;
    if (modus_ == DialoogImportRapporten) {
        // A column typed but not yet left counts, as leaving the box would.
        UpDown->ZetValue(KolomVastleggen(txtKolom->Tekst(), UpDown->Value()).kolom);
        KolomTonen();
        kolom = UpDown->Value();
    }
    Importuitkomst uit;
    try {
        uit = LeerlingenImporteren(adm, bron_, gekozen, kolom);
    } catch (const std::invalid_argument&) {
        // Report grades asked for while no term is on screen: nothing to write.
        adm.DialoogAntwoord = AntwoordGereed;
        adm.Gewijzigd = 1;
    }
    if (uit.onvoldoendeRuimte)
        omgeving.Bericht(Cp1252NaarQString(OnvoldoendeRuimteMelding), vbOKOnly | vbExclamation,
                         QString::fromUtf8(Programmatitel));
    Sluiten();
}

void frmLeerlingUitVlk::cmdAnnuleren_Click()
{
    adm.DialoogAntwoord = AntwoordGeannuleerd;
    Sluiten();
}

void frmLeerlingUitVlk::Sluiten()
{
    setResult(adm.DialoogAntwoord);
    Unload();
}

void frmLeerlingUitVlk::txtKolom_GotFocus()
{
    txtKolom->ZetSelStart(0);
    txtKolom->ZetSelLength(2);
}

void frmLeerlingUitVlk::txtKolom_LostFocus()
{
    UpDown->ZetValue(KolomVastleggen(txtKolom->Tekst(), UpDown->Value()).kolom);
    KolomTonen();
}

void frmLeerlingUitVlk::txtKolom_KeyDown(int& KeyCode, int&)
{
    if (KeyCode != Toetscode::Enter)
        return;
    const Kolomvastlegging v = KolomVastleggen(txtKolom->Tekst(), UpDown->Value());
    if (v.geweigerd) {
        Piep();  // the typed text stays until the box is left
        return;
    }
    UpDown->ZetValue(v.kolom);
    KolomTonen();
}

#include "names/frmZoeken.h"

#include "core/Schermvenster.h"
#include "platform/Cp1252Qt.h"
#include "platform/Keuzelijst.h"
#include "platform/Opmaak.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

frmZoeken::frmZoeken(AdmMain& a, Omgeving& o, QWidget* parent) : Dialoog(a, o, parent)
{
    setWindowTitle(QStringLiteral(" Zoeken  op  Achternaam"));
    setFont(VbLetter("MS Sans Serif", 8));

    Label3 = new QLabel(QStringLiteral("Typ de eerste letters van de achtenaam waarnaar u zoekt"), this);
    ZetPlaats(*Label3, 120, 120, 5400, 255);
    txtZoek = new QLineEdit(this);
    txtZoek->setFont(VbLetter("Courier New", 10));
    ZetPlaats(*txtZoek, 120, 420, 4200, 360);

    Label1 = new QLabel(QStringLiteral("Achternaam"), this);
    Label2 = new QLabel(QStringLiteral("Roepnaam"), this);
    for (QLabel* l : {Label1, Label2})
        l->setFont(VbLetter("Courier New", 10));
    ZetPlaats(*Label1, 240, 900, 1800, 255);
    ZetPlaats(*Label2, 2400, 900, 1500, 255);

    lstLeerlingenLijst = new Keuzelijst(this);
    lstLeerlingenLijst->setSelectionMode(QAbstractItemView::SingleSelection);
    lstLeerlingenLijst->setFont(VbLetter("Courier New", 10));
    ZetPlaats(*lstLeerlingenLijst, 120, 1200, 4200, 4200);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdAnnuleren = new QPushButton(QStringLiteral("&Annuleren"), this);
    ZetPlaats(*cmdOK, 4560, 1200, 1200, 420);
    ZetPlaats(*cmdAnnuleren, 4560, 1740, 1200, 420);

    Standaardknop(cmdOK, true);  // Enter is "&OK" wherever the focus is

    connect(txtZoek, &QLineEdit::textEdited, this, [this] { txtZoek_Change(); });
    connect(lstLeerlingenLijst, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { lstLeerlingenLijst_Click(item); });
    connect(lstLeerlingenLijst, &QListWidget::itemDoubleClicked, this, [this] { cmdOK_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAnnuleren, &QPushButton::clicked, this, [this] { cmdAnnuleren_Click(); });

    setFixedSize(Twips(5880), Twips(5640));
}

void frmZoeken::Form_Activate()
{
    lstLeerlingenLijst->clear();
    lstLeerlingenLijst->setFont(VbLetter("Courier New", 10));
    lijst_ = Leerlingenlijst(adm, RoepnaamZoeken);
    for (const Lijstregel& r : lijst_) {
        auto* item = new QListWidgetItem(Cp1252NaarQString(r.tekst), lstLeerlingenLijst);
        if (r.slot == adm.HuidigeRij)
            item->setSelected(true);
    }
    txtZoek->clear();
    ZetFocus(txtZoek);
}

void frmZoeken::Form_KeyDown(int& KeyCode, int&)
{
    EnterOfEsc(KeyCode, [this] { cmdOK_Click(); }, [this] { cmdAnnuleren_Click(); });
}

void frmZoeken::txtZoek_Change()
{
    if (ActieveControl() != txtZoek)
        return;
    const int keuze = ZoekInLijst(lijst_, QStringNaarCp1252(txtZoek->text()));
    lstLeerlingenLijst->clearSelection();
    if (keuze >= 0) {
        QListWidgetItem* item = lstLeerlingenLijst->item(keuze);
        item->setSelected(true);
        lstLeerlingenLijst->scrollToItem(item);
    }
}

void frmZoeken::lstLeerlingenLijst_Click(QListWidgetItem* item)
{
    // The surname part of the entry, characters 2 to 17.
    const std::string t = QStringNaarCp1252(item->text());
    txtZoek->setText(Cp1252NaarQString(t.size() > 1 ? std::string_view(t).substr(1, 16) : std::string_view()));
}

void frmZoeken::cmdOK_Click()
{
    // The chosen entry's own slot: a namesake listed before it stays where it is.
    for (int i = 0; i < lstLeerlingenLijst->count() && i < static_cast<int>(lijst_.size()); ++i)
        if (lstLeerlingenLijst->item(i)->isSelected())
            LeerlingKiezen(adm, lijst_[static_cast<std::size_t>(i)].slot);
    Unload();
}

void frmZoeken::cmdAnnuleren_Click() { Unload(); }

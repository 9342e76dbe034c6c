#include "names/frmLeerlingVerwijderen.h"

#include "platform/Cp1252Qt.h"
#include "platform/Keuzelijst.h"
#include "platform/Opmaak.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

frmLeerlingVerwijderen::frmLeerlingVerwijderen(AdmMain& a, Omgeving& o, QWidget* parent) : Dialoog(a, o, parent)
{
    setWindowTitle(QStringLiteral("Leerling(en)  Verwijderen"));
    setFont(VbLetter("MS Sans Serif", 8));

    Label1 = new QLabel(QStringLiteral("Achternaam"), this);
    Label2 = new QLabel(QStringLiteral("Roepnaam"), this);
    for (QLabel* l : {Label1, Label2})
        l->setFont(VbLetter("Courier New", 10));
    ZetPlaats(*Label1, 240, 120, 1800, 255);
    ZetPlaats(*Label2, 2400, 120, 1500, 255);

    lstLeerlingenLijst = new Keuzelijst(this);
    lstLeerlingenLijst->setSelectionMode(QAbstractItemView::MultiSelection);
    lstLeerlingenLijst->setFont(VbLetter("Courier New", 10));
    ZetPlaats(*lstLeerlingenLijst, 120, 420, 4200, 4800);

    cmdVerwijderen = new QPushButton(QStringLiteral("&Verwijderen"), this);
    cmdAnnuleren = new QPushButton(QStringLiteral("&Annuleren"), this);
    ZetPlaats(*cmdVerwijderen, 4560, 420, 1500, 420);
    ZetPlaats(*cmdAnnuleren, 4560, 960, 1500, 420);
    connect(cmdVerwijderen, &QPushButton::clicked, this, [this] { cmdVerwijderen_Click(); });
    connect(cmdAnnuleren, &QPushButton::clicked, this, [this] { cmdAnnuleren_Click(); });

    setFixedSize(Twips(6240), Twips(5400));
}

void frmLeerlingVerwijderen::Form_Activate()
{
    lstLeerlingenLijst->clear();
    lstLeerlingenLijst->setFont(VbLetter("Courier New", 10));
    lijst_ = Leerlingenlijst(adm, RoepnaamVerwijderen);
    for (const Lijstregel& r : lijst_)
        lstLeerlingenLijst->addItem(Cp1252NaarQString(r.tekst));
}

void frmLeerlingVerwijderen::Form_KeyDown(int& KeyCode, int&)
{
    EscAnnuleert(KeyCode, [this] { cmdAnnuleren_Click(); });
}

void frmLeerlingVerwijderen::cmdVerwijderen_Click()
{
    // Each selected entry empties its own slot, never a namesake's.
    for (int i = 0; i < lstLeerlingenLijst->count() && i < static_cast<int>(lijst_.size()); ++i)
        if (lstLeerlingenLijst->item(i)->isSelected())
            LeerlingVerwijderen(adm, lijst_[static_cast<std::size_t>(i)].slot);
    adm.Gewijzigd = 1;
    Unload();
}

void frmLeerlingVerwijderen::cmdAnnuleren_Click() { Unload(); }

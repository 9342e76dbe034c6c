#include "columntools/frmCesuurTabel.h"

#include "platform/Cp1252Qt.h"
#include "platform/Opmaak.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

frmCesuurTabel::frmCesuurTabel(AdmMain& a, Omgeving& o, const Cesuurknoppen& bron, QWidget* parent)
    : Dialoog(a, o, parent), bron_(bron)
{
    setWindowTitle(QStringLiteral("Cesuurtabel"));
    Printertitel = QStringLiteral("Cesuurtabel afdrukken");
    setFont(VbLetter("MS Sans Serif", 8));

    // Out of sight behind "&Print", created first so that the button covers it.
    txtFocus = new QLineEdit(this);
    ZetPlaats(*txtFocus, 1200, 5220, 300, 255);
    connect(txtFocus, &QLineEdit::textChanged, this, [this] { txtFocus_Change(); });

    Label1 = new QLabel(QStringLiteral("Score    Cijfer"), this);
    Label1->setFont(VbLetter("Courier New", 10));
    ZetPlaats(*Label1, 1320, 60, 2400, 255);
    Cijferlijst = new QListWidget(this);
    Cijferlijst->setFont(VbLetter("Courier New", 10));
    ZetPlaats(*Cijferlijst, 210, 330, 3615, 4755);

    cmdPrinten = new QPushButton(QStringLiteral("&Print"), this);
    cmdAnnuleren = new QPushButton(QStringLiteral("&Sluiten"), this);
    ZetPlaats(*cmdPrinten, 900, 5190, 915, 315);
    ZetPlaats(*cmdAnnuleren, 2220, 5190, 915, 315);
    connect(cmdPrinten, &QPushButton::clicked, this, [this] { cmdPrinten_Click(); });
    connect(cmdAnnuleren, &QPushButton::clicked, this, [this] { cmdAnnuleren_Click(); });

    setFixedSize(Twips(4050), Twips(5595));
}

void frmCesuurTabel::Form_Activate()
{
    const bool fouten = Foutenbron(adm.CesuurTabelBron);
    Label1->setText(QString::fromLatin1(Tabelkop(fouten).c_str()));
    tabel_ = MaakCesuurtabel(fouten, bron_);
    VulTabel();
    ZetFocus(txtFocus);
}

void frmCesuurTabel::VulTabel()
{
    Cijferlijst->clear();
    int i = 0;
    for (const std::string& regel : Tabelregels(tabel_, bron_))
        Cijferlijst->insertItem(i++, Cp1252NaarQString(regel));
}

void frmCesuurTabel::Form_KeyDown(int& KeyCode, int&)
{
    EscAnnuleert(KeyCode, [this] { cmdAnnuleren_Click(); });
}

void frmCesuurTabel::cmdPrinten_Click()
{
    LijstAfdrukken([this](const Papier& papier) { return PrintTabel(tabel_, bron_, papier, Vandaag()); }, true);
    ZetFocus(txtFocus);
}

void frmCesuurTabel::cmdAnnuleren_Click() { Unload(); }

void frmCesuurTabel::txtFocus_Change()
{
    if (!txtFocus->text().isEmpty())
        txtFocus->clear();
}

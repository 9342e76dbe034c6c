#include "columntools/frmKolommenVerwisselen.h"

#include "columntools/Kolombewerking.h"
#include "platform/Opmaak.h"

#include <QFrame>
#include <QPushButton>

frmKolommenVerwisselen::frmKolommenVerwisselen(AdmMain& a, Omgeving& o, QWidget* parent)
    : Kolomkeuzevenster(a, o, parent, QStringLiteral("Kolommen  verwisselen"))
{
    Keuze = TweeKeuzes({QString(), QStringLiteral("Kolom :")}, {QString(), QStringLiteral("Kolom :")});
    cmdUitvoeren = new QPushButton(QStringLiteral("&Verwisselen"), this);
    ZetNaam(*cmdUitvoeren, "cmdUitvoeren");
    Knoppen(2880, cmdUitvoeren, {cmdUitvoeren, cmdAnnuleren});
    Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::VLine);
    ZetPlaats(*Line1, 2250, 120, 15, 2520);
    Line2 = new QFrame(this);
    Line2->setFrameShape(QFrame::HLine);
    ZetPlaats(*Line2, 120, 2730, width() * 15 - 240, 15);
    connect(cmdUitvoeren, &QPushButton::clicked, this, [this] { cmdUitvoeren_Click(); });
}

void frmKolommenVerwisselen::cmdUitvoeren_Click()
{
    KolommenVastleggen();
    for (int i = KolommenVerwisselen(adm, Keuze[1]->Keuze(), Keuze[2]->Keuze()); i > 0; --i)
        Piep();
    Unload();
}

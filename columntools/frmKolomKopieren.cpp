#include "columntools/frmKolomKopieren.h"

#include "columntools/Kolombewerking.h"

#include <QPushButton>

frmKolomKopieren::frmKolomKopieren(AdmMain& a, Omgeving& o, QWidget* parent)
    : Kolomkeuzevenster(a, o, parent, QStringLiteral("Kolom kopiëren"))
{
    Keuze = TweeKeuzes({QStringLiteral("van"), QStringLiteral("van kolom :")},
                       {QStringLiteral("naar"), QStringLiteral("naar kolom :")});
    cmdUitvoeren = new QPushButton(QStringLiteral("&Uitvoeren"), this);
    ZetNaam(*cmdUitvoeren, "cmdUitvoeren");
    Knoppen(2880, cmdUitvoeren, {cmdUitvoeren, cmdAnnuleren});
    connect(cmdUitvoeren, &QPushButton::clicked, this, [this] { cmdUitvoeren_Click(); });
}

void frmKolomKopieren::cmdUitvoeren_Click()
{
    KolommenVastleggen();
    hide();
    for (int i = KolomKopieren(adm, Keuze[1]->Keuze(), Keuze[2]->Keuze()); i > 0; --i)
        Piep();
    Unload();
}

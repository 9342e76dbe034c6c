#include "columntools/frmKolomAfdrukken.h"

#include "columntools/AfdrukKolom.h"

#include <QPushButton>

frmKolomAfdrukken::frmKolomAfdrukken(AdmMain& a, Omgeving& o, QWidget* parent)
    : Kolomkeuzevenster(a, o, parent, QStringLiteral("Kolom afdrukken"))
{
    Keuze = EnkeleKeuze();
    cmdAfdrukken = new QPushButton(QStringLiteral("Af&drukken"), this);
    ZetNaam(*cmdAfdrukken, "cmdAfdrukken");
    Knoppen(2880, cmdAfdrukken, {cmdAfdrukken, cmdAnnuleren});
    connect(cmdAfdrukken, &QPushButton::clicked, this, [this] { cmdAfdrukken_Click(); });
}

void frmKolomAfdrukken::cmdAfdrukken_Click()
{
    KolommenVastleggen();
    const Kolomkeuze keuze = Keuze->Keuze();
    const AdmMain& gegevens = adm;
    LijstAfdrukken([&](const Papier& papier) { return AfdrukKolom(gegevens, keuze, Vandaag(), papier); }, true);
}

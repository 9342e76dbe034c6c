#include "columntools/frmKolomWissen.h"

#include "columntools/Kolombewerking.h"

#include <QPushButton>

frmKolomWissen::frmKolomWissen(AdmMain& a, Omgeving& o, QWidget* parent)
    : Kolomkeuzevenster(a, o, parent, QStringLiteral("Kolom wissen"))
{
    Keuze = EnkeleKeuze();
    cmdWissen = new QPushButton(QStringLiteral("&Wissen"), this);
    ZetNaam(*cmdWissen, "cmdWissen");
    Knoppen(2880, cmdWissen, {cmdWissen, cmdAnnuleren});
    connect(cmdWissen, &QPushButton::clicked, this, [this] { cmdWissen_Click(); });
}

void frmKolomWissen::cmdWissen_Click()
{
    KolommenVastleggen();
    hide();
    for (int i = KolomWissen(adm, Keuze->Keuze()); i > 0; --i)
        Piep();
    Unload();
}

#include "frame/Bestandsopdrachten.h"

#include "core/Cijferbestand.h"
#include "core/Fout.h"
#include "core/Opdrachten.h"
#include "core/Schermvenster.h"
#include "frame/frmBestandLaden.h"
#include "frame/frmBewaren.h"
#include "frame/frmCommonDialoog.h"
#include "platform/Paden.h"
#include "platform/Vensterbestandssysteem.h"
#include "frame/Weergavevenster.h"
#include "frame/Weergaven.h"

#include <QCoreApplication>

#include <exception>

bool Bewaarvraag(Weergavevenster& venster)
{
    AdmMain& adm = venster.adm;
    if (adm.Gewijzigd != 1)
        return true;
    frmBewaren vraag(adm, venster.omgeving, &venster);
    venster.Modaal(vraag);
    return adm.DialoogAntwoord != AntwoordAnnuleren;
}

bool NieuwBestand(Weergavevenster& venster)
{
    if (!Bewaarvraag(venster))
        return false;
    NieuwCijferbestand(venster.adm);
    return true;
}

Openuitslag BestandLaden(Weergavevenster& venster)
{
    AdmMain& adm = venster.adm;
    if (adm.Gewijzigd == 1) {
        const bool verder = Bewaarvraag(venster);
        QCoreApplication::processEvents();
        if (!verder)
            return Openuitslag::Afgebroken;
        // Gewijzigd stays: data not saved ("&Nee") are still unsaved when the
        // chooser is cancelled; a load clears it anyway.
    }
    adm.DialoogModus = DialoogOpenen;
    frmBestandLaden dialoog(adm, venster.omgeving, &venster);
    dialoog.leerlingvensters = venster.leerlingvensters;
    dialoog.laadherstel = venster.laadherstel;
    venster.Modaal(dialoog);

    Weergaven* weergaven = venster.weergaven;
    if (!weergaven || weergaven->Toont(venster, adm.Scherm) || adm.Scherm < 1 || adm.Scherm > 6)
        return Openuitslag::Blijft;
    venster.hide();
    if (weergaven->Wissel(venster, adm.Scherm))
        return Openuitslag::Gewisseld;
    venster.show();
    return Openuitslag::Blijft;
}

bool BestandOpslaan(Weergavevenster& venster)
{
    try {
        Vensterbestandssysteem systeem;
        CijferbestandOpslaan(venster.adm, venster.adm.Bestandsnaam, systeem);
        return true;
    } catch (const std::exception& fout) {
        Foutmelding(venster.omgeving, PadTonen(Uitzonderingstekst(fout)));
        return false;
    }
}

bool BestandOpslaanAls(Weergavevenster& venster)
{
    venster.adm.DialoogModus = DialoogOpslaanAls;
    frmCommonDialoog dialoog(venster.adm, venster.omgeving, &venster);
    if (!dialoog.Form_Load())
        return false;
    venster.BestandsnaamTonen();
    return true;
}

void Importeren(Weergavevenster& venster, int modus)
{
    venster.adm.DialoogModus = modus;
    frmBestandLaden dialoog(venster.adm, venster.omgeving, &venster);
    dialoog.leerlingvensters = venster.leerlingvensters;
    venster.Modaal(dialoog);
    venster.adm.Gewijzigd = 1;
}

bool Stopprocedure(Weergavevenster& venster)
{
    AdmMain& adm = venster.adm;
    if (adm.Gewijzigd == 1) {
        if (!Bewaarvraag(venster))
            return false;
        adm.Scherm = SchermStoppen;
    }
    Vensterbestandssysteem systeem;
    InstellingenBewarenEnTerug(adm, systeem);
    adm.Gewijzigd = 0;
    venster.Unload();
    return true;
}

void Sluitprocedure(Weergavevenster& venster, int& Cancel)
{
    if (venster.adm.Gewijzigd == 1 && !Bewaarvraag(venster)) {
        Cancel = 1;
        return;
    }
    Vensterbestandssysteem systeem;
    InstellingenBewarenEnTerug(venster.adm, systeem);
}

void Schermwissel(Weergavevenster& venster, int scherm)
{
    Weergaven* weergaven = venster.weergaven;
    if (!weergaven || scherm < 1 || scherm > 6)
        return;
    SchermKiezen(venster.adm, scherm);
    weergaven->Wissel(venster, scherm);
}

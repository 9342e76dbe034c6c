#include "app/Vensters.h"

#include "columntools/Kolomgereedschap.h"
#include "names/Namenvensters.h"
#include "names/frmNamen.h"
#include "platform/Omgeving.h"
#include "frame/Weergaven.h"
#include "reports/frmRapporten.h"
#include "termsheet/Cijferverwerking.h"
#include "termsheet/frmTrimester.h"
#include "yearoverview/frmJaaroverzicht.h"

#include <QCoreApplication>

#include <utility>

Weergavevenster* MaakVenster(AdmMain& adm, Omgeving& omgeving, int scherm, int logoWachttijd,
                             frmHarvemoLogo* startLogo)
{
    Weergavevenster* venster = nullptr;
    switch (scherm) {
    case SchermTrimester1:
    case SchermTrimester2:
    case SchermTrimester3: {
        auto* blad = new frmTrimester(adm, omgeving);
        blad->kolomvensters = &Kolomgereedschap;
        venster = blad;
        break;
    }
    case SchermNamen: {
        auto* namen = new frmNamen(adm, omgeving);
        namen->LogoWachttijd = logoWachttijd;
        namen->StartLogo = startLogo;
        venster = namen;
        break;
    }
    case SchermRapporten:
        venster = new frmRapporten(adm, omgeving);
        break;
    case SchermJaaroverzicht:
        venster = new frmJaaroverzicht(adm, omgeving);
        break;
    default:
        return nullptr;
    }
    // The names list's pupil windows, which the views below it open, and
    // the grade processing's mending of the files they load.
    venster->leerlingvensters = &Namenvensters;
    venster->laadherstel = &GeladenHerstellen;
    return venster;
}

struct Programmavensters::Delen {
    // The names list keeps the logo up for two seconds on its first activation.
    Delen(AdmMain& a, int wachttijd)
        : adm(a), logoWachttijd(wachttijd), weergaven([this](int scherm) {
              // Only the first names list finds the start-up logo still to hand.
              frmHarvemoLogo* logo = scherm == SchermNamen ? std::exchange(startLogo, nullptr) : nullptr;
              return MaakVenster(adm, omgeving, scherm, logoWachttijd, logo);
          })
    {
        weergaven.Einde = [] { QCoreApplication::quit(); };
    }
    AdmMain& adm;
    int logoWachttijd;
    QtOmgeving omgeving;
    Weergaven weergaven;
    frmHarvemoLogo* startLogo = nullptr;
};

Programmavensters::Programmavensters(AdmMain& adm, int logoWachttijd)
    : d_(std::make_unique<Delen>(adm, logoWachttijd))
{
}

Programmavensters::~Programmavensters() = default;

void Programmavensters::EersteVensterLaden(frmHarvemoLogo* startLogo)
{
    d_->startLogo = startLogo;
    // The names list is loaded whatever view a loaded file names.
    d_->adm.Scherm = SchermNamen;
    d_->weergaven.Laden(SchermNamen);
}

Weergaven& Programmavensters::weergaven() { return d_->weergaven; }

Omgeving& Programmavensters::omgeving() { return d_->omgeving; }

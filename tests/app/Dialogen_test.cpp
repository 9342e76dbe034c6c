// Every dialog of the program, opened as its opener opens it: the caption
// fits the title bar, and the button drawn as the default is the one Enter
// presses where the activation leaves the focus (none where Enter does
// nothing there).
#include "columntools/Cesuurknoppen.h"
#include "columntools/Cesuurtabel.h"
#include "columntools/frmCesuurFouten.h"
#include "columntools/frmCesuurScore.h"
#include "columntools/frmCesuurTabel.h"
#include "columntools/frmKolomAfdrukken.h"
#include "columntools/frmKolomKopieren.h"
#include "columntools/frmKolomNormFouten.h"
#include "columntools/frmKolomNormScores.h"
#include "columntools/frmKolomOmrekenen.h"
#include "columntools/frmKolomWissen.h"
#include "columntools/frmKolommenVerwisselen.h"
#include "columntools/frmOmrekenTabel.h"
#include "frame/frmAbout.h"
#include "frame/frmBestandLaden.h"
#include "frame/frmBewaren.h"
#include "names/frmLeerlingUitVlk.h"
#include "names/frmLeerlingVerwijderen.h"
#include "names/frmNamenBestandLaden.h"
#include "names/frmZoeken.h"
#include "reports/frmRapportenAfronden.h"
#include "reports/frmRapportenBerekenen.h"

#include "Tijdelijkemap.h"
#include "VensterTest.h"
#include "Werkmap.h"

#include <QPushButton>

#include <functional>
#include <memory>
#include <vector>

using namespace VensterTest;

namespace {

struct Dialoogsoort {
    const char* naam;
    std::function<std::unique_ptr<QDialog>(AdmMain&, Omgeving&)> maak;
    const char* standaard;  // the caption of the button drawn as the default; nullptr: none
};

template <class D>
auto Maak()
{
    return [](AdmMain& a, Omgeving& o) -> std::unique_ptr<QDialog> { return std::make_unique<D>(a, o); };
}

// A window opened by the file dialogs or the term sheet in this mode.
template <class D>
auto InModus(int modus, const char* bron = nullptr)
{
    return [modus, bron](AdmMain& a, Omgeving& o) -> std::unique_ptr<QDialog> {
        a.DialoogModus = modus;
        if (bron)
            a.ImportBestand = Testbestand(bron);
        return std::make_unique<D>(a, o);
    };
}

const Cesuurknoppen cesuurbron(Cesuursoort::Fouten);

const Dialoogsoort dialogen[] = {
    {"open", InModus<frmBestandLaden>(DialoogOpenen), "&Openen"},
    {"pupils from a grade file", InModus<frmBestandLaden>(DialoogImportLeerlingen), "&Openen"},
    {"report grades from a grade file", InModus<frmBestandLaden>(DialoogImportRapporten), "&Openen"},
    {"names file", Maak<frmNamenBestandLaden>(), "&Openen"},
    {"save prompt", Maak<frmBewaren>(), "&Ja"},
    {"import pupils", InModus<frmLeerlingUitVlk>(DialoogImportLeerlingen, "bron.vlk"), nullptr},
    {"import names", InModus<frmLeerlingUitVlk>(DialoogImportNamenbestand, "klas.nam"), nullptr},
    {"import reports", InModus<frmLeerlingUitVlk>(DialoogImportRapporten, "bron.vlk"), nullptr},
    {"delete pupils", Maak<frmLeerlingVerwijderen>(), nullptr},
    {"search", Maak<frmZoeken>(), "&OK"},
    {"report rounding", Maak<frmRapportenAfronden>(), "&Uitvoeren"},
    {"report method", Maak<frmRapportenBerekenen>(), "&Uitvoeren"},
    {"column print", Maak<frmKolomAfdrukken>(), nullptr},
    {"column clear", Maak<frmKolomWissen>(), nullptr},
    {"column copy", Maak<frmKolomKopieren>(), nullptr},
    {"column swap", Maak<frmKolommenVerwisselen>(), nullptr},
    {"column conversion", Maak<frmKolomOmrekenen>(), nullptr},
    {"conversion table",
     [](AdmMain& a, Omgeving& o) -> std::unique_ptr<QDialog> { return std::make_unique<frmOmrekenTabel>(a, o, "1*c"); },
     nullptr},
    {"norming errors", Maak<frmKolomNormFouten>(), nullptr},
    {"norming scores", Maak<frmKolomNormScores>(), nullptr},
    {"cut-off errors", Maak<frmCesuurFouten>(), nullptr},
    {"cut-off scores", Maak<frmCesuurScore>(), nullptr},
    {"cut-off table",
     [](AdmMain& a, Omgeving& o) -> std::unique_ptr<QDialog> {
         a.CesuurTabelBron = BronCesuurFouten;
         return std::make_unique<frmCesuurTabel>(a, o, cesuurbron);
     },
     nullptr},
    {"about", [](AdmMain&, Omgeving&) -> std::unique_ptr<QDialog> { return std::make_unique<frmAbout>(); }, "OK"},
};

TEST(Dialogen, TheCaptionFitsAndTheDefaultButtonIsTheOneEnterPresses)
{
    for (const Dialoogsoort& soort : dialogen) {
        SCOPED_TRACE(soort.naam);
        Werkmap map;
        AdmMain adm;
        map.Start(adm);
        adm.Scherm = 1;
        adm.HuidigeKolom = 1;
        TestOmgeving omgeving;
        std::unique_ptr<QDialog> d = soort.maak(adm, omgeving);
        ASSERT_TRUE(Activeer(*d));
        ASSERT_TRUE(d->isVisible());
        EXPECT_GE(d->width(), Titelruimte(d->windowTitle())) << d->windowTitle().toStdString();

        std::vector<QString> standaard;
        for (const QPushButton* k : d->findChildren<QPushButton*>())
            if (k->isDefault())
                standaard.push_back(k->text());
        EXPECT_EQ(standaard, soort.standaard ? std::vector<QString>{QString::fromUtf8(soort.standaard)}
                                             : std::vector<QString>{});
        d->close();
        Verwerk();
    }
}

}  // namespace

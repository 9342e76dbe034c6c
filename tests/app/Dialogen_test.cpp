// Every dialog of the program, opened as its opener opens it: the caption
// fits the title bar, and the button drawn as the default is the one Enter
// presses where the activation leaves the focus (none where Enter does
// nothing there). Every fixed-width box of the dialogs and the views shows
// its whole field.
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
#include "app/Vensters.h"
#include "frame/Weergavevenster.h"
#include "platform/VasteBreedteInvoer.h"
#include "yearoverview/Jaarkaart.h"

#include "Tijdelijkemap.h"
#include "VensterTest.h"
#include "Werkmap.h"

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include <functional>
#include <memory>
#include <string>
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

// A dialog made in a start folder of its own, from the term sheet's first
// column.
struct Geopend {
    explicit Geopend(const Dialoogsoort& soort)
    {
        map.Start(adm);
        adm.Scherm = 1;
        adm.HuidigeKolom = 1;
        d = soort.maak(adm, omgeving);
    }
    Werkmap map;
    AdmMain adm;
    TestOmgeving omgeving;
    std::unique_ptr<QDialog> d;
};

TEST(Dialogen, TheCaptionFitsAndTheDefaultButtonIsTheOneEnterPresses)
{
    for (const Dialoogsoort& soort : dialogen) {
        SCOPED_TRACE(soort.naam);
        Geopend geopend(soort);
        QDialog* d = geopend.d.get();
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

// The characters a box must show whole: its field's width (its rule's, or
// the most the box takes); the year card shows each pupil field at its stored
// width. 0: a box without a field width (a formula, a focus holder).
int Veldbreedte(const VasteBreedteInvoer& vak)
{
    const QString naam = vak.objectName();
    if (vak.window()->inherits("frmJaaroverzicht")) {
        for (const Veldregel& r : Veldregels)
            if (naam == QLatin1String(r.box))
                return static_cast<int>(r.opslag);
    }
    // The term sheet's header boxes hold 39 characters: at rest they show
    // their start, and while edited they widen over their neighbours and
    // scroll.
    if (vak.window()->inherits("frmTrimester") &&
        (naam == QLatin1String("txtSoort") || naam == QLatin1String("txtDatum") ||
         naam == QLatin1String("txtOpmerking")))
        return 0;
    if (vak.Regels().breedte > 0)
        return vak.Regels().breedte;
    return vak.maxLength() < 32767 ? vak.maxLength() : 0;
}

// Where a box draws its text: inside its frame (as the style draws a text
// box) and its text margins.
QRect Tekstvlak(const VasteBreedteInvoer& vak)
{
    QStyleOptionFrame optie;
    optie.initFrom(&vak);
    optie.rect = vak.contentsRect();
    optie.lineWidth = vak.hasFrame() ? vak.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &optie, &vak) : 0;
    optie.midLineWidth = 0;
    optie.state |= QStyle::State_Sunken;
    if (vak.isReadOnly())
        optie.state |= QStyle::State_ReadOnly;
    optie.features = QStyleOptionFrame::None;
    return vak.style()->subElementRect(QStyle::SE_LineEditContents, &optie, &vak).marginsRemoved(vak.textMargins());
}

// The fixed-width boxes of a shown window: each holds its field's width of
// the font's characters inside its frame, as the boxes' own rule measures
// it (two pixels free at each side, one for the caret and room for the
// outer characters' bearings: 8 in all), lies inside its window and its
// frame, and covers no other control. The number of boxes checked.
int ToontVeldenHeel(QWidget& venster)
{
    int geteld = 0;
    for (const VasteBreedteInvoer* vak : venster.findChildren<VasteBreedteInvoer*>()) {
        const int tekens = Veldbreedte(*vak);
        if (tekens == 0 || !vak->isVisibleTo(&venster))
            continue;
        ++geteld;
        SCOPED_TRACE(Naam(vak).toStdString() + "(" + std::to_string(Index(vak)) + ")");
        const int nodig = vak->fontMetrics().horizontalAdvance(QString(tekens, QLatin1Char('0'))) + 8;
        EXPECT_LE(nodig, Tekstvlak(*vak).width()) << tekens << " characters in a box " << vak->width() << " wide";
        const QRect plaats(vak->mapTo(&venster, QPoint(0, 0)), vak->size());
        EXPECT_TRUE(venster.rect().contains(plaats)) << "at " << plaats.x() << "," << plaats.y();
        EXPECT_TRUE(vak->parentWidget()->rect().contains(vak->geometry()));
        for (const QObject* o : vak->parentWidget()->children()) {
            const auto* ander = qobject_cast<const QWidget*>(o);
            if (ander && ander != vak && !ander->isWindow() && ander->isVisibleTo(&venster) && !ander->size().isEmpty()) {
                EXPECT_FALSE(ander->geometry().intersects(vak->geometry()))
                    << "covers " << Naam(ander).toStdString() << " " << ander->metaObject()->className();
            }
        }
    }
    return geteld;
}

TEST(Vakken, EveryFixedWidthBoxShowsItsWholeField)
{
    const struct {
        const char* naam;
        int scherm;
    } views[] = {{"names list", SchermNamen}, {"term sheet", SchermTrimester1}, {"report list", SchermRapporten},
                 {"year card", SchermJaaroverzicht}};
    for (const auto& view : views) {
        SCOPED_TRACE(view.naam);
        Werkmap map;
        AdmMain adm;
        map.Start(adm);
        adm.Scherm = view.scherm;
        TestOmgeving omgeving;
        std::unique_ptr<Weergavevenster> v(MaakVenster(adm, omgeving, view.scherm));
        ASSERT_TRUE(Activeer(*v));
        EXPECT_EQ(v->size(), QSize(800, v->height()));
        EXPECT_GT(ToontVeldenHeel(*v), 0);
        adm.Scherm = SchermStoppen;  // closing is no quit here
        v->close();
        Verwerk();
    }
    int inDialogen = 0;
    for (const Dialoogsoort& soort : dialogen) {
        SCOPED_TRACE(soort.naam);
        Geopend geopend(soort);
        QDialog* d = geopend.d.get();
        ASSERT_TRUE(Activeer(*d));
        inDialogen += ToontVeldenHeel(*d);
        d->close();
        Verwerk();
    }
    EXPECT_GT(inDialogen, 0);
}

}  // namespace

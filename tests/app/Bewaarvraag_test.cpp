// The save prompt on every way out of every view follows only what the boxes
// stored: a text that stored nothing (refused, or typed back to what the box
// held) asks nothing, a real change asks, and a change saved before the way
// out asks nothing again, also when its box was left after the save.
#include "names/frmNamen.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"
#include "reports/frmRapporten.h"
#include "termsheet/frmTrimester.h"
#include "yearoverview/frmJaaroverzicht.h"

#include "VensterFamilie.h"

#include <QWindow>

#include <string>
#include <tuple>

using namespace VensterTest;

namespace {

struct Vakgeval {
    const char* naam;
    int scherm;
    VasteBreedteInvoer* (*vak)(Weergavevenster&);
    // A text the box refuses, typed over what the box holds (`breedte`
    // characters); none: the box refuses nothing, and "x" typed at its
    // start and taken back with Backspace stores nothing.
    const char* geweigerd;
    int breedte;
};

template <class V>
V& Als(Weergavevenster& v)
{
    return dynamic_cast<V&>(v);
}

// Every box is empty in a new data set, so that a refused text stores
// nothing there either.
const Vakgeval vakken[] = {
    {"cijfer", SchermTrimester1,
     [](Weergavevenster& v) { return Als<frmTrimester>(v).txtCijfer.at(Als<frmTrimester>(v).CelIndex(2, 1)); },
     "201", 3},
    {"gewicht", SchermTrimester1, [](Weergavevenster& v) { return Als<frmTrimester>(v).txtGewicht[1]; }, "11", 3},
    {"rapport", SchermRapporten, [](Weergavevenster& v) { return Als<frmRapporten>(v).RpVak(2, 1); }, "11", 3},
    {"trimestergewicht", SchermRapporten, [](Weergavevenster& v) { return Als<frmRapporten>(v).txtTrGew[1]; },
     "11", 3},
    {"achternaam", SchermNamen, [](Weergavevenster& v) { return Als<frmNamen>(v).txtNaam[1]; }, nullptr, 0},
    {"adres", SchermJaaroverzicht, [](Weergavevenster& v) { return Als<frmJaaroverzicht>(v).txtAdres; }, nullptr,
     0},
};

enum class Invoer { Niets, Wijziging, Bewaard, BewaardVerlaten };
enum class Weg { Sluitknop, Venstersysteem, Stoppen, Stopknop, Wissel };

class Bewaarvraag : public Familieproef, public ::testing::WithParamInterface<std::tuple<int, Invoer, Weg>> {};

TEST_P(Bewaarvraag, AsksOnlyAfterAStoredChange)
{
    const auto [g, invoer, weg] = GetParam();
    const Vakgeval& geval = vakken[g];
    adm.Achternaam(1) = "Jansen";
    adm.Achternaam(2) = "Visser";
    adm.Gewijzigd = 0;
    adm.Scherm = geval.scherm;
    Weergavevenster* v = weergaven.Laden(geval.scherm);
    ASSERT_NE(v, nullptr);
    ASSERT_TRUE(Activeer(*v));

    VasteBreedteInvoer* vak = geval.vak(*v);
    QTest::mouseClick(vak, Qt::LeftButton);
    ASSERT_EQ(v->ActieveControl(), vak);
    Toets(*v, Qt::Key_Home);
    for (int i = 0; i < geval.breedte; ++i)
        Toets(*v, Qt::Key_Delete);
    if (invoer != Invoer::Niets)
        Typ(*v, geval.geweigerd ? QStringLiteral("7") : QStringLiteral("x"));
    else if (geval.geweigerd)
        Typ(*v, QString::fromLatin1(geval.geweigerd));
    else {
        Typ(*v, QStringLiteral("x"));
        Toets(*v, Qt::Key_Backspace);
    }
    if (invoer == Invoer::Bewaard || invoer == Invoer::BewaardVerlaten) {
        KlikWerkbalk(v->Toolbar(), QStringLiteral("Save"));
        ASSERT_EQ(adm.Gewijzigd, 0);
        ASSERT_EQ(v->ActieveControl(), vak);
    }
    if (invoer == Invoer::BewaardVerlaten) {
        Toets(*v, Qt::Key_Tab);
        ASSERT_NE(v->ActieveControl(), vak);
    }

    const bool vraag = invoer == Invoer::Wijziging;
    if (vraag)
        omgeving.Beantwoord(Knop("&Nee"));
    switch (weg) {
    case Weg::Sluitknop: EXPECT_TRUE(v->close()); break;
    case Weg::Venstersysteem:
        // As the window manager asks on its close box or Alt+F4.
        ASSERT_NE(v->windowHandle(), nullptr);
        EXPECT_TRUE(v->windowHandle()->close());
        break;
    case Weg::Stoppen: Kies(v->mnuStoppen); break;
    case Weg::Stopknop: KlikWerkbalk(v->Toolbar(), QStringLiteral("STOP")); break;
    case Weg::Wissel: {
        KlikWerkbalk(v->Toolbar(), geval.scherm == SchermRapporten ? QStringLiteral("NAM") : QStringLiteral("RAP"));
        Weergavevenster* doel = Enige<Weergavevenster>();
        ASSERT_NE(doel, nullptr);
        ASSERT_NE(doel, v);
        ASSERT_TRUE(Activeer(*doel));
        KlikWerkbalk(doel->Toolbar(), QStringLiteral("STOP"));
        break;
    }
    }
    Verwerk();

    EXPECT_EQ(omgeving.dialogen.size(), vraag ? 1u : 0u);
    EXPECT_TRUE(omgeving.dialoogAntwoorden.empty());
    EXPECT_EQ(einde, 1);
    EXPECT_TRUE(weergaven.Vensters().empty());
}

std::string Naam(const ::testing::TestParamInfo<std::tuple<int, Invoer, Weg>>& info)
{
    static const char* const invoeren[] = {"niets", "wijziging", "bewaard", "bewaard_verlaten"};
    static const char* const wegen[] = {"sluitknop", "venstersysteem", "stoppen", "stopknop", "wissel"};
    const auto [g, invoer, weg] = info.param;
    return std::string(vakken[g].naam) + "_" + invoeren[static_cast<int>(invoer)] + "_" +
           wegen[static_cast<int>(weg)];
}

INSTANTIATE_TEST_SUITE_P(Wegen, Bewaarvraag,
                         ::testing::Combine(::testing::Range(0, static_cast<int>(std::size(vakken))),
                                            ::testing::Values(Invoer::Niets, Invoer::Wijziging, Invoer::Bewaard,
                                                              Invoer::BewaardVerlaten),
                                            ::testing::Values(Weg::Sluitknop, Weg::Venstersysteem, Weg::Stoppen,
                                                              Weg::Stopknop, Weg::Wissel)),
                         Naam);

}  // namespace

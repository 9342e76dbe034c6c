// Every view on a screen whose free area is the recommended 800 × 600, under
// a window manager that frames it: the framed window lies within the free
// area, every control is whole and the grade file's path stays in view,
// whether the frame is known when the view shows or only once the window
// manager has framed it; one the user moved or sized keeps that through
// maximise and restore. On a larger screen each view keeps its size and
// place.
#include "names/frmNamen.h"
#include "platform/Etiket.h"
#include "reports/frmRapporten.h"
#include "termsheet/frmTrimester.h"
#include "yearoverview/frmJaaroverzicht.h"

#include "VensterFamilie.h"

#include <QMoveEvent>

#include <ostream>
#include <string>
#include <vector>

void PrintTo(const QRect& r, std::ostream* uit)
{
    *uit << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

using namespace VensterTest;

namespace {

struct Weergave {
    const char* naam;
    int scherm;
    QSize formaat;  // its client size on a large screen
    Etiket* (*bestandsregel)(Weergavevenster&);
};

template <class V>
V& Als(Weergavevenster& v)
{
    return dynamic_cast<V&>(v);
}

const Weergave soorten[] = {
    {"Namenlijst", SchermNamen, {800, 600}, [](Weergavevenster& v) { return Als<frmNamen>(v).Label15; }},
    {"Trimester", SchermTrimester1, {800, 570}, [](Weergavevenster& v) { return Als<frmTrimester>(v).lblBestand; }},
    {"Rapporten", SchermRapporten, {800, 600}, [](Weergavevenster& v) { return Als<frmRapporten>(v).Label15; }},
    {"Jaaroverzicht", SchermJaaroverzicht, {800, 600},
     [](Weergavevenster& v) { return Als<frmJaaroverzicht>(v).lblBestand; }},
};

// A window manager's frame: a title bar of 25 pixels, borders of 1.
const QMargins Wmrand(1, 25, 1, 1);

// The window with its frame: a window places its frame's top-left corner.
QRect Omlijst(const QWidget& v, const QMargins& rand) { return QRect(v.pos(), v.size().grownBy(rand)); }

// Whether `deel` lies wholly within `geheel` (an empty one too: the focus
// box has no size).
bool Binnen(const QRect& deel, const QRect& geheel)
{
    return deel.x() >= geheel.x() && deel.y() >= geheel.y() && deel.x() + deel.width() <= geheel.x() + geheel.width() &&
           deel.y() + deel.height() <= geheel.y() + geheel.height();
}

// The shown controls that reach beyond the client area, with their place.
std::vector<std::string> Afgesneden(QWidget& v)
{
    std::vector<std::string> uit;
    for (QWidget* w : v.findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(&v))
            continue;
        const QRect r(w->mapTo(&v, QPoint(0, 0)), w->size());
        if (!Binnen(r, v.rect()))
            uit.push_back(std::string(w->metaObject()->className()) + " " + w->objectName().toStdString() + " " +
                          std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
                          "x" + std::to_string(r.height()));
    }
    return uit;
}

class Kleinscherm : public Familieproef, public ::testing::WithParamInterface<int> {
public:
    const Weergave& weergave = soorten[GetParam()];

    Weergavevenster& Tonen()
    {
        adm.Scherm = weergave.scherm;
        Weergavevenster* v = weergaven.Laden(weergave.scherm);
        EXPECT_TRUE(Activeer(*v));
        return *v;
    }

    void ControleerPassend(Weergavevenster& v)
    {
        const QRect omlijst = Omlijst(v, Wmrand);
        EXPECT_TRUE(Binnen(omlijst, omgeving.werkgebied))
            << omlijst.x() << "," << omlijst.y() << " " << omlijst.width() << "x" << omlijst.height();
        EXPECT_EQ(Afgesneden(v), std::vector<std::string>{});
        Etiket* regel = weergave.bestandsregel(v);
        EXPECT_TRUE(regel->isVisible());
        EXPECT_TRUE(Binnen(QRect(regel->mapTo(&v, QPoint(0, 0)), regel->size()), v.rect()));
    }

    // The window manager maximises the view, its borders dropped, and
    // restores it, framed again.
    void MaximaliserenEnHerstellen(Weergavevenster& v)
    {
        omgeving.vensterrand = QMargins(0, Wmrand.top(), 0, 0);
        v.showMaximized();
        Verwerk();
        omgeving.vensterrand = Wmrand;
        v.showNormal();
        Verwerk();
    }
};

TEST_P(Kleinscherm, FramedBeforeItShowsFitsTheFreeArea)
{
    omgeving.werkgebied = QRect(0, 0, 800, 600);
    omgeving.vensterrand = Wmrand;
    ControleerPassend(Tonen());
}

TEST_P(Kleinscherm, FramedAfterItShowedFitsTheFreeArea)
{
    // The first window of the program: no frame known until the window
    // manager has framed it and moved it into its frame.
    omgeving.werkgebied = QRect(0, 0, 800, 600);
    Weergavevenster& v = Tonen();
    omgeving.vensterrand = Wmrand;
    QMoveEvent verplaatst(v.pos() + QPoint(Wmrand.left(), Wmrand.top()), v.pos());
    QCoreApplication::sendEvent(&v, &verplaatst);
    Verwerk();
    ControleerPassend(v);
}

TEST_P(Kleinscherm, MovedByTheWindowManagerAsItFramedItFitsTheFreeArea)
{
    // Framing the first window, the window manager also moves it (below a
    // panel, say): that place is not the user's.
    omgeving.werkgebied = QRect(0, 0, 800, 600);
    Weergavevenster& v = Tonen();
    omgeving.vensterrand = Wmrand;
    v.move(0, 24);
    Verwerk();
    ControleerPassend(v);
}

TEST_P(Kleinscherm, MovedAndSizedByTheUserKeepsThatThroughMaximiseAndRestore)
{
    omgeving.werkgebied = QRect(0, 0, 800, 600);
    omgeving.vensterrand = Wmrand;
    Weergavevenster& v = Tonen();
    v.move(60, 40);
    v.resize(700, 480);
    Verwerk();
    MaximaliserenEnHerstellen(v);
    EXPECT_EQ(QRect(v.pos(), v.size()), QRect(60, 40, 700, 480));
}

TEST_P(Kleinscherm, PlacedByTheProgramStaysFittedThroughMaximiseAndRestore)
{
    omgeving.werkgebied = QRect(0, 0, 800, 600);
    omgeving.vensterrand = Wmrand;
    Weergavevenster& v = Tonen();
    const QRect geplaatst(v.pos(), v.size());
    MaximaliserenEnHerstellen(v);
    EXPECT_EQ(QRect(v.pos(), v.size()), geplaatst);
    ControleerPassend(v);
}

TEST_P(Kleinscherm, OnAScreenTooSmallShrinksNoFurtherThanItsControlsAllow)
{
    omgeving.werkgebied = QRect(0, 0, 640, 480);
    omgeving.vensterrand = Wmrand;
    Weergavevenster& v = Tonen();
    EXPECT_LT(v.height(), weergave.formaat.height());
    EXPECT_EQ(Afgesneden(v), std::vector<std::string>{});
    EXPECT_TRUE(weergave.bestandsregel(v)->isVisible());
}

TEST_P(Kleinscherm, OnALargerScreenKeepsItsSizeAndPlace)
{
    omgeving.werkgebied = QRect(0, 0, 1024, 768);
    omgeving.vensterrand = Wmrand;
    Weergavevenster& v = Tonen();
    EXPECT_EQ(v.size(), weergave.formaat);
    EXPECT_EQ(v.pos(), QPoint(0, 0));
}

INSTANTIATE_TEST_SUITE_P(Weergaven, Kleinscherm, ::testing::Range(0, static_cast<int>(std::size(soorten))),
                         [](const ::testing::TestParamInfo<int>& info) { return soorten[info.param].naam; });

}  // namespace

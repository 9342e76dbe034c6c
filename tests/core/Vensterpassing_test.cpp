#include "core/Vensterpassing.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const Vensterrechthoek& r, std::ostream* uit)
{
    *uit << r.x << "," << r.y << " " << r.breedte << "x" << r.hoogte;
}

namespace {

// A view of 800 × 600 whose controls reach 789 across and 554 down.
const Vensterwens Namenlijst{0, 0, 800, 600, 789, 554};
const Vensterrand Wm{1, 25, 1, 1};

TEST(Vensterpassing, AWindowTooLargeForTheFreeAreaGivesUpItsEmptyStrip)
{
    const struct {
        const char* geval;
        Vensterwens wens;
        Vensterrand rand;
        Vensterrechthoek vrij, uit;
    } gevallen[] = {
        {"800 x 600, framed", Namenlijst, Wm, {0, 0, 800, 600}, {0, 0, 798, 574}},
        {"only too wide: the height stays", {0, 0, 800, 570, 721, 529}, Wm, {0, 0, 800, 600}, {0, 0, 798, 570}},
        {"a panel above: the frame starts below it", Namenlijst, Wm, {0, 10, 800, 590}, {0, 10, 798, 564}},
        {"no frame: it fits as it is", Namenlijst, {}, {0, 0, 800, 600}, {0, 0, 800, 600}},
        {"a larger screen: as it asks", Namenlijst, Wm, {0, 0, 1024, 768}, {0, 0, 800, 600}},
        {"a larger screen with a panel above: as it asks", Namenlijst, Wm, {0, 30, 1024, 738}, {0, 0, 800, 600}},
        {"too small for its controls: no smaller than they", Namenlijst, Wm, {0, 0, 640, 480}, {0, 0, 789, 554}},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(PassendVenster(g.wens, g.rand, g.vrij), g.uit) << g.geval;
}

}  // namespace

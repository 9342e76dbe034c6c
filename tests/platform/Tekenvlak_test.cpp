// The picture box with its own scale: elements land where the scale puts
// them, also with y growing upward.
#include "platform/Tekenvlak.h"

#include "platform/Kleuren.h"

#include "VensterTest.h"

#include <QImage>

namespace {

constexpr std::uint32_t Geel = 0xC0FFFF;

// A picture of 2505 twips with a flipped scale of 2475 on its inside.
struct Grafiek {
    Tekenvlak vlak;
    Grafiek()
    {
        vlak.setGeometry(0, 0, 167, 167);
        vlak.ZetAchtergrond(Geel);
        vlak.Scale(0, 2475, 2475, 0);
    }
    QImage Beeld() { return vlak.grab().toImage(); }
};

bool Gekleurd(const QImage& b, int x, int y, std::uint32_t kleur) { return b.pixelColor(x, y) == VbKleur(kleur); }

}  // namespace

TEST(Tekenvlak, ScaleWithYGrowingUpward)
{
    Grafiek g;
    EXPECT_EQ(g.vlak.Punt(0, 2475), QPointF(1, 1));
    EXPECT_EQ(g.vlak.Punt(2475, 0), QPointF(166, 166));
    EXPECT_EQ(g.vlak.Punt(300, 345), QPointF(21, 143));
    EXPECT_EQ(g.vlak.ScaleHeight(), -2475);
    g.vlak.Scale(0, 0, 0, 10);  // no extent: the scale stays
    EXPECT_EQ(g.vlak.ScaleWidth(), 2475);
}

TEST(Tekenvlak, LinesShapesAndLabelsInTheScale)
{
    Grafiek g;
    Tekenvlak::Lijnelement& lijn = g.vlak.Lijn(300, 1290, 2190, 1290, Kleur::Zwart);
    Tekenvlak::Vormelement& vorm = g.vlak.Vorm(1215, 1320, 75, 75, Kleur::Rood);
    Tekenvlak::Labelelement& label = g.vlak.Label(0, 2340, 285, 210, "10");
    label.Uitlijning = Qt::AlignRight | Qt::AlignVCenter;

    QImage b = g.Beeld();
    EXPECT_TRUE(Gekleurd(b, 40, 80, Kleur::Zwart));   // on the line, y 1290
    EXPECT_TRUE(Gekleurd(b, 40, 75, Geel));
    EXPECT_TRUE(Gekleurd(b, 84, 81, Kleur::Rood));    // the square hangs down from its top edge
    EXPECT_TRUE(Gekleurd(b, 84, 76, Geel));
    bool tekst = false;  // the label's text right of x 0, below y 2340
    for (int x = 1; x < 20; ++x)
        for (int y = 10; y < 22; ++y)
            tekst = tekst || !Gekleurd(b, x, y, Geel);
    EXPECT_TRUE(tekst);

    // Moved by its fields.
    lijn.Y1 = lijn.Y2 = 345;
    vorm.Left = 270;
    b = g.Beeld();
    EXPECT_TRUE(Gekleurd(b, 40, 143, Kleur::Zwart));
    EXPECT_TRUE(Gekleurd(b, 40, 80, Geel));
    EXPECT_TRUE(Gekleurd(b, 20, 81, Kleur::Rood));
}

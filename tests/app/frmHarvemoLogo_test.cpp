#include "frame/frmHarvemoLogo.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

TEST(frmHarvemoLogo, ShowsWithoutWaitingAndClosesOnAKey)
{
    frmHarvemoLogo logo;
    std::vector<int> wachttijden;
    logo.Wachten = [&](int ms) { wachttijden.push_back(ms); };
    logo.ToonEnWacht(0);
    EXPECT_TRUE(wachttijden.empty());
    EXPECT_TRUE(logo.isVisible());
    EXPECT_EQ(logo.Image1->pixmap().size(), QSize(480, 280));
    EXPECT_EQ(logo.Label1->text(), QStringLiteral("DOCENTEN-MORVALDIEK"));
    EXPECT_EQ(logo.Label2->text(), QStringLiteral("Versie 7.762"));
    QTest::keyClick(&logo, Qt::Key_A);
    EXPECT_FALSE(logo.isVisible());
}

TEST(frmHarvemoLogo, AClickOnThePictureClosesIt)
{
    frmHarvemoLogo logo;
    logo.ToonEnWacht(0);
    QTest::mouseClick(logo.Image1, Qt::LeftButton);
    EXPECT_FALSE(logo.isVisible());
}

TEST(frmHarvemoLogo, TheWaitKeepsTheEventLoopRunning)
{
    frmHarvemoLogo logo;
    bool verwerkt = false;
    QTimer::singleShot(0, [&] { verwerkt = true; });
    QElapsedTimer klok;
    klok.start();
    logo.ToonEnWacht(60);
    EXPECT_GE(klok.elapsed(), 55);
    EXPECT_TRUE(verwerkt);
    EXPECT_TRUE(logo.isVisible());
}

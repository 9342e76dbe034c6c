// The report list driven offscreen with keys and clicks as a teacher uses it.
#include "reports/frmRapporten.h"

#include "platform/Etiket.h"
#include "platform/Kleuren.h"
#include "platform/VasteBreedteInvoer.h"
#include "platform/Werkbalk.h"
#include "reports/Rapportberekening.h"
#include "reports/Rapportvoorbeeld.h"

#include "VensterTest.h"

#include <QScrollBar>

#include <memory>
#include <string>

using namespace VensterTest;

namespace {

class Rapportenlijst : public ::testing::Test {
protected:
    void SetUp() override { NieuwCijferbestand(adm); }
    void Open()
    {
        adm.Scherm = SchermRapporten;
        venster = std::make_unique<frmRapporten>(adm, omgeving);
        ASSERT_TRUE(Activeer(*venster));
        ASSERT_EQ(venster->ActieveControl(), venster->StartFocus);
    }
    frmRapporten& v() { return *venster; }

    AdmMain adm;
    TestOmgeving omgeving;
    std::unique_ptr<frmRapporten> venster;
};

// The window at 800 x 600 with a class filled in; written as a picture for
// the documentation when MORVALDIEK_DOCS names the folder.
TEST_F(Rapportenlijst, Schermafdruk)
{
    voorbeeld::VulKlas(adm);
    voorbeeld::VulRapporten(adm);
    adm.Bestandsnaam = "/home/docent/cijfers/4H2-WISK.VLK";
    adm.HuidigeRij = 4;
    Open();
    const QImage beeld = v().grab().toImage();
    EXPECT_EQ(beeld.size(), QSize(800, 600));
    if (const QByteArray map = qgetenv("MORVALDIEK_DOCS"); !map.isEmpty()) {
        EXPECT_TRUE(beeld.save(QString::fromLocal8Bit(map) + QStringLiteral("/reports.png")));
    }
}

}  // namespace

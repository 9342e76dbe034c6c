#include "platform/Printer.h"

#include "platform/Omgeving.h"

#include "termsheet/AfdrukTrimester.h"
#include "termsheet/AfdrukVoorbeeld.h"

#include "Printerhulp.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

const Datum datum{5, 3, 2024};

int PdfPaginas(const QString& pad)
{
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QString inhoud = QString::fromLatin1(f.readAll());
    return static_cast<int>(inhoud.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(map.isValid());
        voorbeeld::VulKlas(*adm);
    }
    QString pad(const char* naam) const { return map.filePath(QString::fromLatin1(naam)); }
    Paginabouwer trimester(int eersteKolom = 1) const
    {
        return [this, eersteKolom](const Papier& p) { return AfdrukTrimester(*adm, 1, 1, eersteKolom, datum, p); };
    }

    QTemporaryDir map;
    std::unique_ptr<AdmMain> adm = std::make_unique<AdmMain>();
};

// A printer whose second page fails, as a printer that goes offline would.
class WeigerendePrinter : public QPrinter {
public:
    WeigerendePrinter() : QPrinter(QPrinter::HighResolution) {}
    bool newPage() override { return false; }
};

}  // namespace

TEST_F(PrinterTest, TermSheetBecomesAOnePagePdf)
{
    Papier gekregen{};
    const Afdrukuitkomst u = AfdrukkenNaarPdf(pad("trimester.pdf"), [&](const Papier& p) {
        gekregen = p;
        return AfdrukTrimester(*adm, 1, 1, 1, datum, p);
    });
    ASSERT_EQ(u.status, Afdrukstatus::Gedrukt) << u.fout;
    EXPECT_EQ(u.paginas, 1);
    EXPECT_EQ(PdfPaginas(pad("trimester.pdf")), 1);
    // The builder got the printable area of A4, less the printer's margins.
    EXPECT_GT(gekregen.Breedte, 10000);
    EXPECT_LT(gekregen.Breedte, 11906);
    EXPECT_GT(gekregen.Hoogte, 15000);
    EXPECT_LT(gekregen.Hoogte, 16838);
}

TEST_F(PrinterTest, EveryPageOfTheModelIsPrinted)
{
    const Afdrukuitkomst u = AfdrukkenNaarPdf(pad("twee.pdf"), [&](const Papier& p) {
        return AfdrukTrimester(*adm, 1, 1, 1, datum, Papier{p.Breedte, 9000});  // rows run over
    });
    ASSERT_EQ(u.status, Afdrukstatus::Gedrukt) << u.fout;
    EXPECT_EQ(u.paginas, 2);
    EXPECT_EQ(PdfPaginas(pad("twee.pdf")), 2);
}

TEST_F(PrinterTest, CancelledDialogPrintsNothing)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pad("nee.pdf"));
    bool gebouwd = false;
    const Afdrukuitkomst u = Afdrukken(
        printer,
        [&](const Papier& p) {
            gebouwd = true;
            return AfdrukTrimester(*adm, 1, 1, 1, datum, p);
        },
        [](QPrinter&) { return false; });
    EXPECT_EQ(u.status, Afdrukstatus::Geannuleerd);
    EXPECT_TRUE(u.fout.empty());
    EXPECT_FALSE(gebouwd);
    EXPECT_FALSE(QFile::exists(pad("nee.pdf")));
}

TEST_F(PrinterTest, ConfirmedDialogPrintsOnTheChosenPrinter)
{
    QPrinter printer(QPrinter::HighResolution);
    const Afdrukuitkomst u = Afdrukken(printer, trimester(), [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);  // as choosing "Print to file" does
        p.setOutputFileName(pad("gekozen.pdf"));
        return true;
    });
    ASSERT_EQ(u.status, Afdrukstatus::Gedrukt) << u.fout;
    EXPECT_EQ(PdfPaginas(pad("gekozen.pdf")), 1);
}

TEST_F(PrinterTest, NothingToPrintStartsNoDocument)
{
    // No column header longer than three characters on term 3: no notes.
    const Afdrukuitkomst u = AfdrukkenNaarPdf(
        pad("leeg.pdf"), [&](const Papier& p) { return AfdrukToelichting(*adm, 3, 1, datum, p); });
    EXPECT_EQ(u.status, Afdrukstatus::NietsTeDrukken);
    EXPECT_FALSE(QFile::exists(pad("leeg.pdf")));
}

TEST_F(PrinterTest, FailuresAreReportedAndLeaveNoDocument)
{
    // The list cannot be built.
    Afdrukuitkomst u = AfdrukkenNaarPdf(pad("fout.pdf"),
                                        [&](const Papier& p) { return AfdrukTrimester(*adm, 1, 1, 12, datum, p); });
    EXPECT_EQ(u.status, Afdrukstatus::Mislukt);
    EXPECT_EQ(u.fout, "Subscript valt buiten het bereik: eerste kolom 12");
    EXPECT_FALSE(QFile::exists(pad("fout.pdf")));

    // The output cannot be opened.
    u = AfdrukkenNaarPdf(pad("geen/map/x.pdf"), trimester());
    EXPECT_EQ(u.status, Afdrukstatus::Mislukt);
    EXPECT_FALSE(u.fout.empty());

    // No printer to print on.
    QPrinter geen(QPrinter::HighResolution);
    geen.setOutputFormat(QPrinter::PdfFormat);
    u = Afdrukken(geen, trimester());
    EXPECT_EQ(u.status, Afdrukstatus::Mislukt);
    EXPECT_EQ(u.fout, "Er is geen printer geïnstalleerd");
}

TEST_F(PrinterTest, PrintThatFailsPartWayIsAborted)
{
    WeigerendePrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pad("half.pdf"));
    const Afdrukuitkomst u = Afdrukken(printer, [&](const Papier& p) {
        return AfdrukTrimester(*adm, 1, 1, 1, datum, Papier{p.Breedte, 9000});
    });
    EXPECT_EQ(u.status, Afdrukstatus::Mislukt);
    EXPECT_EQ(u.paginas, 0);
    EXPECT_EQ(u.fout, "Printerfout: pagina 2 kon niet worden begonnen; het afdrukken is afgebroken");
    EXPECT_FALSE(QFile::exists(pad("half.pdf")));
    EXPECT_NE(printer.printerState(), QPrinter::Active);
}

TEST_F(PrinterTest, PrinterDialogCanBeCancelled)
{
    // Answer the dialog as the teacher would: Cancel, once it is up.
    QTimer sluiter;
    bool gezien = false;
    QString titel;
    QObject::connect(&sluiter, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            gezien = true;
            titel = d->windowTitle();
            d->reject();
        }
    });
    sluiter.start(20);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pad("dialoog.pdf"));
    QtOmgeving omgeving;
    const Afdrukuitkomst u =
        Afdrukken(printer, trimester(), PrinterDialoog(omgeving, nullptr, QStringLiteral("Lijst afdrukken")));
    sluiter.stop();
    EXPECT_TRUE(gezien);
    EXPECT_EQ(titel, QStringLiteral("Lijst afdrukken"));
    EXPECT_EQ(u.status, Afdrukstatus::Geannuleerd);
    EXPECT_EQ(printer.copyCount(), 1);
    EXPECT_FALSE(QFile::exists(pad("dialoog.pdf")));
}

TEST(PrinterLetter, CourierNewIsTheMetricTwinWithTheModelsMetrics)
{
    const QFont f = PrinterLettertype(Lettertype{});
    EXPECT_EQ(QFontInfo(f).family(), QStringLiteral("Liberation Mono"));
    EXPECT_TRUE(QFontInfo(f).fixedPitch());

    QFont groot = f;
    groot.setPixelSize(2048);  // one font unit a pixel
    const QFontMetricsF m(groot);
    EXPECT_NEAR(m.horizontalAdvance(QStringLiteral("M")) / 2048.0, TekenbreedteEm, 0.001);
    EXPECT_NEAR(m.horizontalAdvance(QStringLiteral(" ")) / 2048.0, TekenbreedteEm, 0.001);
    EXPECT_NEAR(m.ascent() / 2048.0, StijghoogteEm, 0.001);
    EXPECT_NEAR((m.ascent() + m.descent()) / 2048.0, RegelhoogteEm, 0.001);
}

TEST_F(PrinterTest, PageRendersToAPictureOnTheModelsPositions)
{
    const Paginamodel pm = AfdrukTrimester(*adm, 1, 1, 1, datum, A4Afdrukvlak);
    const QImage img = PaginaAfbeelding(pm, 0, 100);
    EXPECT_EQ(img.width(), static_cast<int>(std::ceil(A4Afdrukvlak.Breedte / 14.4)));
    EXPECT_EQ(img.height(), static_cast<int>(std::ceil(A4Afdrukvlak.Hoogte / 14.4)));

    // The rule under the title: dark from L to R on its pixel row, white beside it.
    const double h = pm.TextHeight(), w = pm.TextWidth(" ");
    const int y = static_cast<int>(std::lround(4.5 * h / 14.4));
    auto donker = [&](int x, int yy) { return qGray(img.pixel(x, yy)) < 128; };
    auto lijn = [&](int x) { return donker(x, y - 1) || donker(x, y) || donker(x, y + 1); };  // a pixel either side
    for (double k = 1; k < 79; k += 7)
        EXPECT_TRUE(lijn(static_cast<int>(std::lround((6 + k) * w / 14.4)))) << "at character " << k;
    EXPECT_FALSE(lijn(static_cast<int>(std::lround(3 * w / 14.4))));

    // Text inks the title line's cells and nothing left of the margin.
    int inkt = 0, voorMarge = 0;
    for (int yy = static_cast<int>(3 * h / 14.4); yy < static_cast<int>(4 * h / 14.4); ++yy)
        for (int x = 0; x < img.width(); ++x)
            if (donker(x, yy))
                ++(x < static_cast<int>(6 * w / 14.4) - 1 ? voorMarge : inkt);
    EXPECT_GT(inkt, 100);
    EXPECT_EQ(voorMarge, 0);

    // The picture for the documentation, when asked for.
    const QByteArray doel = qgetenv("MORVALDIEK_AFBEELDING");
    if (!doel.isEmpty()) {
        EXPECT_TRUE(img.convertToFormat(QImage::Format_Grayscale8).save(QString::fromLocal8Bit(doel), "PNG"));
    }
}

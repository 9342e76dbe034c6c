#pragma once
// Prints for the tests: a list into a PDF file, a page as a picture, both
// through the program's own printer (platform/Printer.h).

#include "platform/Printer.h"

#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include <cmath>
#include <cstddef>

// Prints into a PDF file (A4); a file that was not completely written is removed.
inline Afdrukuitkomst AfdrukkenNaarPdf(const QString& pad, const Paginabouwer& bouw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pad);
    printer.setPageSize(QPageSize(QPageSize::A4));
    Afdrukuitkomst u = Afdrukken(printer, bouw);
    if (u.status != Afdrukstatus::Gedrukt)
        return u;

    // The PDF writer does not report a failed write; a complete file ends in its trailer.
    QFile f(pad);
    bool heel = false;
    if (f.open(QIODevice::ReadOnly) && f.size() > 16) {
        f.seek(f.size() - 16);
        heel = f.read(16).contains("%%EOF");
    }
    f.close();
    if (!heel) {
        QFile::remove(pad);
        return {Afdrukstatus::Mislukt, "Printerfout: het bestand " + pad.toStdString() + " kon niet worden geschreven", 0};
    }
    return u;
}

// One page as a picture at `dpi` dots per inch, white, the size of the printable area.
inline QImage PaginaAfbeelding(const Paginamodel& model, int pagina, int dpi)
{
    const Pagina& p = model.Paginas().at(static_cast<std::size_t>(pagina));
    const int b = static_cast<int>(std::ceil(model.ScaleWidth() / TwipsPerInch * dpi));
    const int h = static_cast<int>(std::ceil(model.ScaleHeight() / TwipsPerInch * dpi));
    QImage img(b, h, QImage::Format_RGB32);
    const int dpm = static_cast<int>(std::lround(dpi / 0.0254));
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    img.fill(Qt::white);
    QPainter painter(&img);
    PaginaTekenen(painter, p);
    return img;
}

#include "platform/Printer.h"

#include "core/Cp1252.h"
#include "core/Fout.h"
#include "platform/Omgeving.h"

#include <QFile>
#include <QGlyphRun>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRawFont>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

QColor Kleur(std::uint32_t c)  // &HBBGGRR
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QString NaarQString(std::string_view s)
{
    QString r;
    r.reserve(static_cast<qsizetype>(s.size()));
    for (unsigned char c : s)
        r.append(QChar(static_cast<char16_t>(Cp1252NaarUnicode(c))));
    return r;
}

struct BewaarStand {
    QPainter& p;
    explicit BewaarStand(QPainter& q) : p(q) { p.save(); }
    ~BewaarStand() { p.restore(); }
};

bool GeenPrinter(const QPrinter& p)
{
    if (p.outputFormat() == QPrinter::PdfFormat)
        return p.outputFileName().isEmpty();
    return !p.isValid() || p.printerName().isEmpty();
}

// Draws the pages; on any failure the job is aborted, the painter closed
// and a PDF that was being written removed.
Afdrukuitkomst Tekenen(QPrinter& printer, const Paginamodel& model)
{
    printer.setDocName(QStringLiteral("Morvaldiek"));
    QPainter painter;
    if (!painter.begin(&printer))
        return {Afdrukstatus::Mislukt, "Printerfout: de printer kon het document niet beginnen", 0};

    const auto& paginas = model.Paginas();
    std::string fout;
    int gedrukt = 0;
    try {
        for (std::size_t i = 0; i < paginas.size(); ++i) {
            if (i > 0 && !printer.newPage())
                throw std::runtime_error("Printerfout: pagina " + std::to_string(i + 1) + " kon niet worden begonnen");
            PaginaTekenen(painter, paginas[i]);
            ++gedrukt;
        }
    } catch (const std::exception& e) {
        fout = Uitzonderingstekst(e);
    }
    if (fout.empty() && !painter.end())
        fout = "Printerfout: het document kon niet worden afgesloten";
    if (!fout.empty()) {
        printer.abort();
        if (painter.isActive())
            painter.end();
        if (printer.outputFormat() == QPrinter::PdfFormat)
            QFile::remove(printer.outputFileName());
        return {Afdrukstatus::Mislukt, fout + "; het afdrukken is afgebroken", 0};
    }
    return {Afdrukstatus::Gedrukt, {}, gedrukt};
}

}  // namespace

Printerkeuze PrinterDialoog(Omgeving& omgeving, QWidget* ouder, const QString& titel)
{
    return [&omgeving, ouder, titel](QPrinter& printer) {
        printer.setCopyCount(1);
        QPrintDialog d(&printer, ouder);
        if (!titel.isEmpty())
            d.setWindowTitle(titel);
        // No selection and no page range: a list is printed whole.
        d.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                     QAbstractPrintDialog::PrintCollateCopies);
        return omgeving.Systeemdialoog(d) == QDialog::Accepted;
    };
}

Papier Afdrukvlak(const QPrinter& printer)
{
    const QRectF r = printer.pageRect(QPrinter::Point);
    return {r.width() * TwipsPerPunt, r.height() * TwipsPerPunt};
}

Afdrukuitkomst Afdrukken(QPrinter& printer, const Paginabouwer& bouw, const Printerkeuze& keuze)
{
    if (keuze && !keuze(printer))
        return {Afdrukstatus::Geannuleerd, {}, 0};

    std::optional<Paginamodel> model;
    try {
        model.emplace(bouw(Afdrukvlak(printer)));
    } catch (const std::exception& e) {
        return {Afdrukstatus::Mislukt, Uitzonderingstekst(e), 0};
    }
    if (model->Paginas().empty())
        return {Afdrukstatus::NietsTeDrukken, {}, 0};
    if (GeenPrinter(printer))
        return {Afdrukstatus::Mislukt, "Er is geen printer geïnstalleerd", 0};
    return Tekenen(printer, *model);
}

Afdrukuitkomst Afdrukken(const Paginabouwer& bouw, const Printerkeuze& keuze)
{
    QPrinter printer(QPrinter::HighResolution);
    return Afdrukken(printer, bouw, keuze);
}

QFont PrinterLettertype(const Lettertype& f)
{
    QFont q(f.Name == "Courier New" ? QStringLiteral("Liberation Mono") : QString::fromStdString(f.Name));
    if (f.Name == "Courier New")
        q.setStyleHint(QFont::TypeWriter);
    q.setPointSizeF(f.Size);
    q.setBold(f.Bold);
    q.setItalic(f.Italic);
    q.setUnderline(f.Underline);
    q.setStrikeOut(f.Strikethrough);
    return q;
}

void PaginaTekenen(QPainter& painter, const Pagina& pagina)
{
    const QPaintDevice* d = painter.device();
    const double dpiX = d->logicalDpiX(), dpiY = d->logicalDpiY();
    const double sx = dpiX / TwipsPerInch, sy = dpiY / TwipsPerInch;
    BewaarStand stand(painter);

    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen;
    pen.setWidthF(std::max(1.0, dpiX / 200.0));
    pen.setCapStyle(Qt::SquareCap);
    for (const Lijn& l : pagina.Lijnen) {
        pen.setColor(Kleur(l.Kleur));
        painter.setPen(pen);
        painter.drawLine(QPointF(l.X1 * sx, l.Y1 * sy), QPointF(l.X2 * sx, l.Y2 * sy));
    }

    // Every character stands in its own cell of the model's fixed pitch, so
    // the text keeps to the rules whatever the device rounds.
    painter.setRenderHint(QPainter::Antialiasing, true);
    std::vector<std::pair<Lettertype, QRawFont>> fonts;
    for (const Tekstdeel& t : pagina.Teksten) {
        auto it = std::find_if(fonts.begin(), fonts.end(), [&](const auto& f) { return f.first == t.Font; });
        if (it == fonts.end()) {
            QRawFont rf = QRawFont::fromFont(PrinterLettertype(t.Font));
            if (!rf.isValid())
                throw std::runtime_error("Printerfout: lettertype " + t.Font.Name + " is niet beschikbaar");
            rf.setPixelSize(t.Font.Size * dpiY / 72.0);
            fonts.emplace_back(t.Font, rf);
            it = fonts.end() - 1;
        }
        const QRawFont& rf = it->second;
        const QString s = NaarQString(t.Tekst);
        const QList<quint32> glyphs = rf.glyphIndexesForString(s);
        const double stap = Tekenbreedte(t.Font.Size) * sx;
        QList<QPointF> plaatsen;
        plaatsen.reserve(glyphs.size());
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            plaatsen.append(QPointF(static_cast<double>(i) * stap, 0));
        QGlyphRun run;
        run.setRawFont(rf);
        run.setGlyphIndexes(glyphs);
        run.setPositions(plaatsen);
        run.setUnderline(t.Font.Underline);
        run.setStrikeOut(t.Font.Strikethrough);
        painter.setPen(Kleur(t.Kleur));
        const double basislijn = (t.Y + StijghoogteEm * t.Font.Size * TwipsPerPunt) * sy;
        painter.drawGlyphRun(QPointF(t.X * sx, basislijn), run);
    }
}

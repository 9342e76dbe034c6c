#pragma once
// The one printer of the program: renders any page model (core/Pagina.h)
// through QPrinter, on the system printer or on one the caller set up.
//
// A print is: the printer dialog (menu items; the toolbar's "Print" skips
// it), the page model built for the printable area of the chosen printer,
// then every page drawn. Nothing to print starts no document; a print that
// fails part-way is aborted and reported, never left open.

#include "core/Pagina.h"

#include <QFont>
#include <QString>

#include <functional>
#include <string>

class Omgeving;
class QPainter;
class QPrinter;
class QWidget;

enum class Afdrukstatus {
    Gedrukt,
    Geannuleerd,     // the printer dialog was cancelled: nothing printed, nothing to say
    NietsTeDrukken,  // the list holds nothing: no document was started
    Mislukt,         // `fout` says why; the window shows it
};

struct Afdrukuitkomst {
    Afdrukstatus status = Afdrukstatus::Mislukt;
    std::string fout;  // the error's description, for "Foutmelding:"; UTF-8
    int paginas = 0;   // pages sent
};

// The printer dialog (Printerkeuze): lets the teacher choose the printer and
// its settings; false when cancelled. Tests pass their own answer.
using Printerkeuze = std::function<bool(QPrinter&)>;

// The system's printer dialog: one copy, no selection or page range; shown
// through the environment, with `titel` as its caption (the platform's own
// when empty).
Printerkeuze PrinterDialoog(Omgeving& omgeving, QWidget* ouder, const QString& titel = QString());

// Builds the page model of a list for the printable area it is given.
using Paginabouwer = std::function<Paginamodel(const Papier&)>;

// Prints on the system's default printer; with `keuze`, after asking.
Afdrukuitkomst Afdrukken(const Paginabouwer& bouw, const Printerkeuze& keuze = {});

// Prints on a printer the caller set up (a PDF printer in tests).
Afdrukuitkomst Afdrukken(QPrinter& printer, const Paginabouwer& bouw, const Printerkeuze& keuze = {});

// The printable area of a printer, in twips.
Papier Afdrukvlak(const QPrinter& printer);

// The font a model's font stands for: "Courier New" is Liberation Mono, its
// metric twin; other names go to the font system as they are.
QFont PrinterLettertype(const Lettertype& f);

// Draws one page on a painter whose origin is the top left of the printable
// area; the device's resolution maps twips to device units.
void PaginaTekenen(QPainter& painter, const Pagina& pagina);

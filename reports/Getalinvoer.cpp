#include "reports/Getalinvoer.h"

#include "core/Getallen.h"
#include "core/Tekst.h"

double OpgeslagenWaarde(std::string_view tekst)
{
    if (tekst.find(',') == std::string_view::npos)
        return LeidendGetal(tekst);
    std::string kopie(tekst);
    return TekstNaarGetal(kopie);
}

Getalinvoer LeesGetalinvoer(std::string& tekst, double hoogste, std::string_view opgeslagen)
{
    Getalinvoer r;
    for (char& c : tekst)
        if (c == ',')
            c = '.';
    std::size_t gelezen = 0;
    r.waarde = LeidendGetal(tekst, &gelezen);
    r.leeg = IsLeeg(tekst);
    if (r.leeg)
        return r;
    // A text without a number is refused too: read as 0 it would become a
    // grade 0 that pulls every average down.
    if (gelezen > 0 && r.waarde >= 0 && r.waarde <= hoogste)
        return r;
    if (!IsLeeg(opgeslagen)) {
        const std::size_t n = opgeslagen.size();
        const bool zelfdeTekst = Pas(tekst, n) == opgeslagen && (tekst.size() <= n || IsLeeg(std::string_view(tekst).substr(n)));
        if (zelfdeTekst || (gelezen > 0 && r.waarde == OpgeslagenWaarde(opgeslagen))) {
            r.herhaald = true;
            return r;
        }
    }
    tekst = "   ";
    r.leeg = true;
    r.geweigerd = true;
    r.waarde = 0;
    return r;
}

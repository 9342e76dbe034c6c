#include "core/Pagina.h"

#include "core/Getallen.h"
#include "core/Tekst.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <stdexcept>

namespace {

void eindig(double v)
{
    if (!std::isfinite(v))
        throw std::invalid_argument("De afdrukpositie is geen getal");
}

}  // namespace

std::string Pagina::Regel(double y, double links, double w) const
{
    std::string r;
    for (const auto& t : Teksten) {
        if (std::abs(t.Y - y) > 1e-6)
            continue;
        const long k = std::lround((t.X - links) / w);
        if (k < 0)
            continue;
        const auto kol = static_cast<std::size_t>(k);
        if (r.size() < kol + t.Tekst.size())
            r.resize(kol + t.Tekst.size(), ' ');
        r.replace(kol, t.Tekst.size(), t.Tekst);
    }
    return r;
}

Paginamodel::Paginamodel(Papier papier) : papier_(papier)
{
    if (!(papier.Breedte > 0 && papier.Hoogte > 0 && std::isfinite(papier.Breedte) && std::isfinite(papier.Hoogte)))
        throw std::invalid_argument("De printer geeft geen afdrukgebied op");
}

Pagina& Paginamodel::huidigePagina()
{
    if (beeindigd_)
        throw std::logic_error("Afdrukken na het einde van het document");
    if (paginas_.empty())
        paginas_.emplace_back();
    return paginas_.back();
}

void Paginamodel::tekst(std::string_view t)
{
    eindig(CurrentX);
    eindig(CurrentY);
    Pagina& p = huidigePagina();
    // Blanks leave no mark unless they are underlined or struck through.
    if (!IsLeeg(t) || ((Font.Underline || Font.Strikethrough) && !t.empty()))
        p.Teksten.push_back({CurrentX, CurrentY, std::string(t), Font, ForeColor});
    CurrentX += TextWidth(t);
}

void Paginamodel::Print(std::string_view t)
{
    tekst(t);
    CurrentX = 0;
    CurrentY += TextHeight();
}

void Paginamodel::PrintZonderEinde(std::string_view t)
{
    tekst(t);
}

void Paginamodel::Spc(int n)
{
    if (n > 0)
        tekst(std::string(static_cast<std::size_t>(n), ' '));
}

double Paginamodel::TextWidth(std::string_view t) const
{
    return static_cast<double>(t.size()) * Tekenbreedte(Font.Size);
}

double Paginamodel::TextHeight(std::string_view) const
{
    return Regelhoogte(Font.Size);
}

void Paginamodel::Line(double x1, double y1, double x2, double y2, std::uint32_t kleur)
{
    for (double v : {x1, y1, x2, y2})
        eindig(v);
    huidigePagina().Lijnen.push_back({x1, y1, x2, y2, kleur});
    CurrentX = x2;
    CurrentY = y2;
}

void Paginamodel::NewPage()
{
    huidigePagina();
    paginas_.emplace_back();
    CurrentX = 0;
    CurrentY = 0;
}

void Paginamodel::EndDoc()
{
    beeindigd_ = true;
}

Datum Vandaag()
{
    const std::time_t nu = std::time(nullptr);
    std::tm t{};
    localtime_r(&nu, &t);
    return {t.tm_mday, t.tm_mon + 1, t.tm_year + 1900};
}

std::string DatumTekst(const Datum& d)
{
    char b[32];
    std::snprintf(b, sizeof b, "%02d-%02d-%04d", d.Dag, d.Maand, d.Jaar);
    return b;
}

std::string Titelregel(int gat, const Datum& d)
{
    return std::string(Afdruktitel) + std::string(static_cast<std::size_t>(gat > 0 ? gat : 0), ' ') + "Datum: " +
           DatumTekst(d);
}

std::string GedruktGetal(long n)
{
    const std::string s = std::to_string(n);  // carries its own "-"
    return (n < 0 ? s : " " + s) + " ";
}

std::string Leerlingnummer(int p) { return Tweecijferig(p) + "  "; }

void TekstOp(Paginamodel& pm, double x, double y, std::string_view t)
{
    pm.CurrentX = x;
    pm.CurrentY = y;
    pm.PrintZonderEinde(t);
}

void Afdrukletter(Paginamodel& pm)
{
    pm.Font = Lettertype{};
    pm.Font.Name = "Courier New";
    pm.Font.Size = 10;
    pm.ForeColor = 0;
}

Paginamaten Afdrukkop(Paginamodel& pm, int marge, int regeleinden, int gat, const Datum& d)
{
    Afdrukletter(pm);
    Paginamaten m{};
    m.w = pm.TextWidth(" ");
    m.h = pm.TextHeight("I");
    pm.Spc(marge);
    m.L = pm.CurrentX;
    for (int i = 0; i < regeleinden; ++i)
        pm.Print();
    pm.CurrentX = m.L;
    pm.Print(Titelregel(gat, d));
    m.T = pm.CurrentY;
    return m;
}

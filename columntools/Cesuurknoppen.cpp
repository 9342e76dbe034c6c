#include "columntools/Cesuurknoppen.h"

#include "core/Getallen.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsCijferknop(int k) { return k == KnopHoogsteCijfer || k == KnopCesuurCijfer || k == KnopLaagsteCijfer; }

}  // namespace

Cesuurknoppen::Cesuurknoppen(Cesuursoort soort) : soort_(soort)
{
    auto ontwerp = [this](int k, int value, int max, int min) {
        Draaiwaarde& d = knop(k);
        d.Value = value;
        d.Max = max;
        d.Min = min;
    };
    ontwerp(KnopHoogsteCijfer, 100, 100, 55);
    ontwerp(KnopCesuurCijfer, 55, 100, 10);
    ontwerp(KnopLaagsteCijfer, 10, 55, 10);
    if (soort == Cesuursoort::Fouten) {
        ontwerp(KnopAantalHoogste, 0, 100, 0);
        ontwerp(KnopAantalCesuur, 90, 180, 0);
        ontwerp(KnopAantalLaagste, 90, 100, 0);
    } else {
        ontwerp(KnopAantalHoogste, 90, 200, 0);
        ontwerp(KnopAantalCesuur, 90, 280, 0);
        ontwerp(KnopAantalLaagste, 0, 200, 0);
    }
}

Knopstand Cesuurknoppen::Stand(int k) const
{
    const Draaiwaarde& d = Knop(k);
    return {d.Value, d.Min, d.Max};
}

void Cesuurknoppen::ZetValue(int k, int waarde)
{
    if (knop(k).Value == waarde)
        return;
    knop(k).Value = waarde;
    Change(k);
}

void Cesuurknoppen::Klik(int k, int richting)
{
    const Draaiwaarde& d = Knop(k);
    const int laag = std::min(d.Min, d.Max);
    const int hoog = std::max(d.Min, d.Max);
    ZetValue(k, std::clamp(d.Value + richting * d.Increment, laag, hoog));
}

void Cesuurknoppen::Activeren()
{
    Curve.LineCesuurLaag = {2190, 345, 2190, 1360};
    Curve.LineCesuurHoog = {2190, 2235, 1890, 2235};
    for (int k = 0; k < AantalCesuurknoppen; ++k)
        Tekst[static_cast<std::size_t>(k)] = Waardetekst(k);
    for (int k = 0; k < AantalCesuurknoppen; ++k)
        Change(k);
}

std::string Cesuurknoppen::Waardetekst(int k) const
{
    const double v = Knop(k).Value;
    if (IsCijferknop(k))
        return Korttekst(v / 10);
    if (k == KnopAantalCesuur)
        return Korttekst(v / 2);
    return Korttekst(v);
}

Curveteksten Cesuurknoppen::Waarden() const
{
    return {Tekst[KnopAantalLaagste], Tekst[KnopLaagsteCijfer], Tekst[KnopAantalHoogste],
            Tekst[KnopHoogsteCijfer], Tekst[KnopAantalCesuur],  Tekst[KnopCesuurCijfer]};
}

Curvepunten Cesuurknoppen::Punten() const
{
    auto getal = [](std::string t) { return TekstNaarGetal(t); };
    return {getal(Tekst[KnopAantalLaagste]), getal(Curve.LabelX2), getal(Curve.LabelX3), getal(Tekst[KnopAantalHoogste]),
            getal(Tekst[KnopLaagsteCijfer]), getal(Curve.LabelY2), getal(Curve.LabelY3), getal(Tekst[KnopHoogsteCijfer])};
}

void Cesuurknoppen::Change(int k)
{
    Draaiwaarde& s = knop(k);
    if (!s.VerwerkWijziging) {
        s.VerwerkWijziging = true;
        return;
    }
    if (Geweigerd(k)) {
        // Putting the value back notifies once more; that run only resets the flag.
        s.VerwerkWijziging = false;
        if (s.Value != s.VorigeWaarde)
            ZetValue(k, s.VorigeWaarde);
        else
            s.VerwerkWijziging = true;
        return;
    }
    Aanvaard(k);
}

bool Cesuurknoppen::Geweigerd(int k) const
{
    const bool fouten = soort_ == Cesuursoort::Fouten;
    // The end with the smaller count: the highest grade for errors, the lowest for scores.
    const int linksKnop = fouten ? KnopAantalHoogste : KnopAantalLaagste;
    const int rechtsKnop = fouten ? KnopAantalLaagste : KnopAantalHoogste;
    const Draaiwaarde& g = Knop(KnopCesuurCijfer);
    const Draaiwaarde& t = Knop(KnopAantalCesuur);

    // The end points from the cut-off spinners' limits, the changed spinner's
    // own new value in place of its copy.
    int H = g.Max;
    int L = g.Min;
    int Tmin = t.Min;
    int Tmax = t.Max;
    if (k == KnopHoogsteCijfer)
        H = Knop(k).Value;
    else if (k == KnopLaagsteCijfer)
        L = Knop(k).Value;
    else if (k == linksKnop)
        Tmin = 2 * Knop(k).Value;
    else if (k == rechtsKnop)
        Tmax = 2 * Knop(k).Value;
    if (H == L || Tmin == Tmax)
        return true;

    const int G0 = fouten ? H : L;  // grade at the smaller count
    const int G1 = fouten ? L : H;
    const double s = static_cast<double>(G1 - G0) / static_cast<double>(Tmax - Tmin);
    const double C = g.Value;
    const int XC = t.Value;
    // The lines of slope 2s and s/2 through both end points.
    const double a = (s + s) * (XC - Tmin) + G0;
    const double b = (s * 0.5) * (XC - Tmax) + G1;
    const double c = (s * 0.5) * (XC - Tmin) + G0;
    const double d = (s + s) * (XC - Tmax) + G1;
    if (fouten)
        return a > C || b > C || c < C || d < C;
    return a < C || b < C || c > C || d > C;
}

void Cesuurknoppen::Aanvaard(int k)
{
    const bool fouten = soort_ == Cesuursoort::Fouten;
    Draaiwaarde& s = knop(k);
    Draaiwaarde& g = knop(KnopCesuurCijfer);
    Draaiwaarde& t = knop(KnopAantalCesuur);
    s.VorigeWaarde = s.Value;

    switch (k) {
    case KnopHoogsteCijfer:
        g.Max = s.Value;
        break;
    case KnopLaagsteCijfer:
        g.Min = s.Value;
        break;
    case KnopCesuurCijfer:
        if (fouten) {
            knop(KnopHoogsteCijfer).Min = s.Value;
            knop(KnopLaagsteCijfer).Max = s.Value;
        }
        break;
    case KnopAantalCesuur:
        if (fouten) {
            const int helft = static_cast<int>(std::floor(s.Value * 0.5));
            knop(KnopAantalHoogste).Max = helft;
            knop(KnopAantalLaagste).Min = helft;
        }
        break;
    case KnopAantalHoogste:
        (fouten ? t.Min : t.Max) = 2 * s.Value;
        break;
    case KnopAantalLaagste:
        (fouten ? t.Max : t.Min) = 2 * s.Value;
        break;
    default:
        break;
    }

    Tekst[static_cast<std::size_t>(k)] = Waardetekst(k);

    if (IsCijferknop(k)) {
        const double fG = static_cast<double>(g.Value - g.Min) / static_cast<double>(g.Max - g.Min);
        LineCesuur_Y = static_cast<float>(345 + 1890 * fG);
        lblCesuur_Cijfer_Top = static_cast<float>((k == KnopCesuurCijfer ? 435 : 450) + 1890 * fG);
        shpScore_Cesuur.Top = static_cast<float>(375 + 1890 * fG);
    } else {
        const double fS = static_cast<double>(t.Value - t.Min) / static_cast<double>(t.Max - t.Min);
        LineCesuur_Score_X = static_cast<float>(300 + 1890 * fS);
        const int links = !fouten && k == KnopAantalCesuur ? 90 : 105;
        lblCesuur_Aantal_Left = static_cast<float>(links + 1890 * fS);
        shpScore_Cesuur.Left = static_cast<float>(270 + 1890 * fS);
    }

    BerekenKnikpunten(soort_, Stand(KnopCesuurCijfer), Stand(KnopAantalCesuur), Waarden(), Curve, Decimaalteken);

    if (k == KnopAantalCesuur && NaCesuuraantal)
        NaCesuuraantal();
}

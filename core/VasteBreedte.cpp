#include "core/VasteBreedte.h"

#include "core/Tekst.h"

#include <algorithm>

namespace {

constexpr int Backspace = 8;
constexpr int Enter = 13;

int Lengte(const Invoertoestand& t) { return static_cast<int>(t.tekst.size()); }

// Trailing blanks are what an empty fixed-width field holds, not typing.
int LengteZonderStaart(const Invoertoestand& t) { return static_cast<int>(ZonderStaart(t.tekst).size()); }

void KiesVolgendTeken(Invoertoestand& t)
{
    if (t.selLengte == 0)
        t.selLengte = std::clamp(Lengte(t) - t.selStart, 0, 1);
}

bool Typtoets(int keyCode)
{
    return !(keyCode >= 1 && keyCode <= 31) && !(keyCode >= 33 && keyCode <= 47) && keyCode != 144;
}

}  // namespace

void InvoerToetsNeer(const Invoerregels& regels, Invoertoestand& t, int keyCode, int insertModus)
{
    if (regels.overschrijven == Overschrijven::BijToetsNeer && insertModus == 0 && Typtoets(keyCode))
        KiesVolgendTeken(t);
}

bool InvoerTeken(const Invoerregels& regels, Invoertoestand& t, int& keyAscii, int insertModus)
{
    if (keyAscii == 0 || keyAscii == Enter)
        return false;
    if (regels.overschrijven == Overschrijven::BijTeken && insertModus == 0 && keyAscii != Backspace)
        KiesVolgendTeken(t);
    if (keyAscii == Backspace && !regels.grensOokBackspace)
        return false;
    const int w = regels.breedte;
    bool weiger = regels.weigerAlsVol && LengteZonderStaart(t) >= w;
    switch (regels.grens) {
    case Typegrens::Geen:
        break;
    case Typegrens::OpBreedte:
        weiger = weiger || t.selStart == w;
        break;
    case Typegrens::VanafBreedte:
        if (t.selStart >= w) {
            t.tekst = Pas(t.tekst, static_cast<std::size_t>(w));
            t.selStart = w;
            t.selLengte = 0;
            weiger = true;
        }
        break;
    }
    if (weiger)
        keyAscii = 0;
    return weiger;
}

void InvoerToetsOp(const Invoerregels& regels, Invoertoestand& t)
{
    const int w = regels.breedte;
    if (regels.loslaten == Loslaten::Niets || Lengte(t) == w)
        return;
    if (regels.loslaten == Loslaten::Afkappen && Lengte(t) < w)
        return;
    const int caret = t.selStart;
    t.tekst = Pas(t.tekst, static_cast<std::size_t>(w));
    t.selStart = std::min(caret, Lengte(t));
    t.selLengte = 0;
}

#include "reports/Jaarkolom.h"

std::optional<Jaarkolom> JaarkolomVan(int m)
{
    if (m >= 1 && m <= 3)
        return Jaarkolom::Eindgemiddelde;
    if (m == 4)
        return Jaarkolom::Jaargemiddelde;
    return std::nullopt;
}

std::optional<Jaarwaarde> JaarwaardeLeerling(const AdmMain& a, int p, int l)
{
    const auto k = JaarkolomVan(a.RapportOptie[5]);
    if (!k)
        return std::nullopt;
    if (*k == Jaarkolom::Eindgemiddelde)
        return Jaarwaarde{a.EindGemTxt(p, l).view(), a.EindGem(p, l)};
    return Jaarwaarde{a.JrGemTxt(p, l).view(), a.JrGem(p, l)};
}

std::optional<Jaarstatistiek> JaarstatistiekKlas(const AdmMain& a, int l)
{
    const auto k = JaarkolomVan(a.RapportOptie[5]);
    if (!k)
        return std::nullopt;
    if (*k == Jaarkolom::Eindgemiddelde)
        return Jaarstatistiek{{a.KlEindGemTxt(l).view(), a.KlEindGem(l)}, {a.KlEindSprTxt(l).view(), a.KlEindSpr(l)}};
    return Jaarstatistiek{{a.KlJrGemTxt(l).view(), a.KlJrGem(l)}, {a.KlJrSprTxt(l).view(), a.KlJrSpr(l)}};
}

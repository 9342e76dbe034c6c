#include "core/Vensterpassing.h"

#include <algorithm>

namespace {

struct Richting {
    int plaats;
    int maat;
};

Richting Passen(int plaats, int maat, int minst, int rand, int vrijPlaats, int vrijMaat)
{
    if (maat + rand <= vrijMaat)
        return {plaats, maat};
    return {vrijPlaats, std::min(maat, std::max(minst, vrijMaat - rand))};
}

}  // namespace

Vensterrechthoek PassendVenster(const Vensterwens& wens, const Vensterrand& rand, const Vensterrechthoek& vrij)
{
    const Richting x = Passen(wens.x, wens.breedte, wens.minsteBreedte, rand.links + rand.rechts, vrij.x, vrij.breedte);
    const Richting y = Passen(wens.y, wens.hoogte, wens.minsteHoogte, rand.boven + rand.onder, vrij.y, vrij.hoogte);
    return {x.plaats, y.plaats, x.maat, y.maat};
}

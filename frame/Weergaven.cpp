#include "frame/Weergaven.h"

#include "core/AdmMain.h"
#include "frame/Weergavevenster.h"

#include <algorithm>
#include <utility>

int Schermfamilie(int scherm) { return IsTrimester(scherm) ? 1 : scherm; }

Weergaven::Weergaven(Maker maker) : maker_(std::move(maker)) {}

Weergaven::~Weergaven()
{
    // Deleted without their Form_Unload: the run is over.
    auto rest = std::move(geladen_);
    vensters_.clear();
    for (auto& g : rest) {
        g.venster->weergaven = nullptr;
        delete g.venster;
    }
}

Weergavevenster* Weergaven::Laden(int scherm)
{
    Weergavevenster* v = maker_ ? maker_(scherm) : nullptr;
    if (!v)
        return nullptr;
    v->weergaven = this;
    geladen_.push_back({v, Schermfamilie(scherm)});
    vensters_.push_back(v);
    v->show();
    return v;
}

Weergavevenster* Weergaven::Wissel(Weergavevenster& huidig, int scherm)
{
    Weergavevenster* doel = Laden(scherm);
    if (doel)
        huidig.Unload();
    return doel;
}

bool Weergaven::Toont(const Weergavevenster& venster, int scherm) const
{
    for (const auto& g : geladen_)
        if (g.venster == &venster)
            return g.familie == Schermfamilie(scherm);
    return false;
}

void Weergaven::Ontladen(Weergavevenster& venster)
{
    const auto i = std::find_if(geladen_.begin(), geladen_.end(), [&](const Geladen& g) { return g.venster == &venster; });
    if (i == geladen_.end())
        return;
    geladen_.erase(i);
    vensters_.erase(std::find(vensters_.begin(), vensters_.end(), &venster));
    venster.weergaven = nullptr;
    // Unloaded from inside one of its own handlers: deleted once that returned.
    venster.deleteLater();
    if (geladen_.empty() && Einde)
        Einde();
}

#include "core/Toegangslijst.h"

#include <algorithm>
#include <map>

namespace {

constexpr std::uint32_t Versie = 2;
constexpr std::uint32_t GeenId = 0xFFFFFFFFu;

std::uint32_t Lees32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void Schrijf16(std::string& uit, std::uint16_t getal)
{
    uit += static_cast<char>(getal & 0xFF);
    uit += static_cast<char>(getal >> 8);
}

void Schrijf32(std::string& uit, std::uint32_t getal)
{
    Schrijf16(uit, static_cast<std::uint16_t>(getal & 0xFFFF));
    Schrijf16(uit, static_cast<std::uint16_t>(getal >> 16));
}

bool Benoemd(std::uint16_t soort) { return soort == Toegangsregel::Gebruiker || soort == Toegangsregel::Groep; }

const Toegangsregel* Vind(const Toegangslijst& lijst, std::uint16_t soort)
{
    const auto i = std::find_if(lijst.begin(), lijst.end(), [&](const Toegangsregel& r) { return r.soort == soort; });
    return i == lijst.end() ? nullptr : &*i;
}

// The kernel's order of entries: by kind, then by id.
bool Eerder(const Toegangsregel& a, const Toegangsregel& b)
{
    return a.soort != b.soort ? a.soort < b.soort : a.id < b.id;
}

}  // namespace

std::optional<Toegangslijst> ToegangslijstUit(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    if (bytes.size() < 4 || (bytes.size() - 4) % 8 != 0 || Lees32(p) != Versie)
        return std::nullopt;
    Toegangslijst lijst;
    int eigenaar = 0, eigengroep = 0, masker = 0, overig = 0, benoemd = 0;
    for (std::size_t i = 4; i < bytes.size(); i += 8) {
        const Toegangsregel r{static_cast<std::uint16_t>(p[i] | (p[i + 1] << 8)),
                              static_cast<std::uint16_t>(p[i + 2] | (p[i + 3] << 8)), Lees32(p + i + 4)};
        if (r.rechten > 7)
            return std::nullopt;
        switch (r.soort) {
        case Toegangsregel::Eigenaar: ++eigenaar; break;
        case Toegangsregel::Eigengroep: ++eigengroep; break;
        case Toegangsregel::Masker: ++masker; break;
        case Toegangsregel::Overig: ++overig; break;
        case Toegangsregel::Gebruiker:
        case Toegangsregel::Groep: ++benoemd; break;
        default: return std::nullopt;
        }
        lijst.push_back(r);
    }
    if (eigenaar != 1 || eigengroep != 1 || overig != 1 || masker > 1 || (benoemd > 0 && masker == 0))
        return std::nullopt;
    return lijst;
}

std::string Toegangsbytes(Toegangslijst lijst)
{
    std::sort(lijst.begin(), lijst.end(), Eerder);
    std::string uit;
    uit.reserve(4 + 8 * lijst.size());
    Schrijf32(uit, Versie);
    for (const Toegangsregel& r : lijst) {
        Schrijf16(uit, r.soort);
        Schrijf16(uit, r.rechten);
        Schrijf32(uit, Benoemd(r.soort) ? r.id : GeenId);
    }
    return uit;
}

Toegangslijst ToegangslijstVan(mode_t modus)
{
    return {{Toegangsregel::Eigenaar, static_cast<std::uint16_t>((modus >> 6) & 7), GeenId},
            {Toegangsregel::Eigengroep, static_cast<std::uint16_t>((modus >> 3) & 7), GeenId},
            {Toegangsregel::Overig, static_cast<std::uint16_t>(modus & 7), GeenId}};
}

mode_t Modusbits(const Toegangslijst& lijst)
{
    const auto rechten = [&](std::uint16_t soort) -> mode_t {
        const Toegangsregel* r = Vind(lijst, soort);
        return r ? r->rechten : 0;
    };
    const mode_t groep = Vind(lijst, Toegangsregel::Masker) ? rechten(Toegangsregel::Masker)
                                                            : rechten(Toegangsregel::Eigengroep);
    return rechten(Toegangsregel::Eigenaar) << 6 | groep << 3 | rechten(Toegangsregel::Overig);
}

bool AlleenModus(const Toegangslijst& lijst)
{
    return std::none_of(lijst.begin(), lijst.end(),
                        [](const Toegangsregel& r) { return Benoemd(r.soort) || r.soort == Toegangsregel::Masker; });
}

Toegangslijst Overgedragen(const Toegangslijst& oud, uid_t oudEigenaar, gid_t oudGroep, uid_t eigenaar, gid_t groep,
                           unsigned opslaander)
{
    // What each entry of the group class really gave: no more than the mask.
    const Toegangsregel* masker = Vind(oud, Toegangsregel::Masker);
    const auto gaf = [&](const Toegangsregel& r) -> std::uint16_t {
        return static_cast<std::uint16_t>(masker ? r.rechten & masker->rechten : r.rechten);
    };
    std::uint16_t bezitter = 0, eigengroep = 0, overig = 0;
    std::map<std::uint32_t, std::uint16_t> gebruikers, groepen;
    for (const Toegangsregel& r : oud)
        switch (r.soort) {
        case Toegangsregel::Eigenaar: bezitter = r.rechten; break;
        case Toegangsregel::Eigengroep: eigengroep = gaf(r); break;
        case Toegangsregel::Overig: overig = r.rechten; break;
        case Toegangsregel::Gebruiker: gebruikers[r.id] |= gaf(r); break;
        case Toegangsregel::Groep: groepen[r.id] |= gaf(r); break;
        default: break;
        }

    if (eigenaar != oudEigenaar) {
        gebruikers[oudEigenaar] = bezitter;  // an entry of its own was hidden behind the owner's
        gebruikers.erase(eigenaar);          // now hidden behind the saver's
        bezitter = static_cast<std::uint16_t>(opslaander & 7);
    }
    if (groep != oudGroep) {
        groepen[oudGroep] |= eigengroep;
        // The new group's members had what their own entry gave, or else
        // what everyone else had.
        const auto eigen = groepen.find(groep);
        eigengroep = eigen != groepen.end() ? eigen->second : overig;
        if (eigen != groepen.end())
            groepen.erase(eigen);
    }

    Toegangslijst nieuw = {{Toegangsregel::Eigenaar, bezitter, GeenId},
                           {Toegangsregel::Eigengroep, eigengroep, GeenId},
                           {Toegangsregel::Overig, overig, GeenId}};
    std::uint16_t klasse = eigengroep;
    for (const auto& [id, rechten] : gebruikers) {
        nieuw.push_back({Toegangsregel::Gebruiker, rechten, id});
        klasse |= rechten;
    }
    for (const auto& [id, rechten] : groepen) {
        nieuw.push_back({Toegangsregel::Groep, rechten, id});
        klasse |= rechten;
    }
    if (!gebruikers.empty() || !groepen.empty())
        nieuw.push_back({Toegangsregel::Masker, klasse, GeenId});
    std::sort(nieuw.begin(), nieuw.end(), Eerder);
    return nieuw;
}

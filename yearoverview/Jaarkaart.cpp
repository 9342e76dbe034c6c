#include "yearoverview/Jaarkaart.h"

#include "core/Getallen.h"
#include "core/Tekst.h"

#include <stdexcept>

std::uint32_t Kaartkleur(std::string_view tekst, double grens)
{
    if (Onvoldoende(tekst, grens))
        return KaartRood;
    return IsLeeg(tekst) ? KaartZwart : KaartDonkergroen;
}

const std::array<Veldregel, AantalLeerlingvelden> Veldregels{{
    {"txtAchternaam", 30, 22, VeldRoepnaam, VeldMentor},
    {"txtRoepnaam", 13, 12, VeldAdres, VeldAchternaam},
    {"txtAdres", 36, 22, VeldPostcode, VeldRoepnaam},
    {"txtPostcode", 7, 7, VeldWoonplaats, VeldAdres},
    {"txtWoonplaats", 15, 14, VeldTelefoon, VeldPostcode},
    {"txtTelefoon", 13, 12, VeldMentor, VeldWoonplaats},
    {"txtMentor", 3, 3, VeldAchternaam, VeldTelefoon},
}};

namespace {

template <class F>
decltype(auto) MetVeld(F&& f, auto& adm, Leerlingveld v, int p)
{
    switch (v) {
    case VeldAchternaam: return f(adm.Achternaam(p));
    case VeldRoepnaam: return f(adm.Roepnaam(p));
    case VeldAdres: return f(adm.Adres(p));
    case VeldPostcode: return f(adm.Postcode(p));
    case VeldWoonplaats: return f(adm.Woonplaats(p));
    case VeldTelefoon: return f(adm.Telefoon(p));
    case VeldMentor: return f(adm.Mentor(p));
    }
    throw std::out_of_range("no pupil field " + std::to_string(static_cast<int>(v)));
}

}  // namespace

std::string_view Veldtekst(const AdmMain& adm, Leerlingveld v, int p)
{
    return MetVeld([](const auto& t) { return t.view(); }, adm, v, p);
}

bool ZetVeldtekst(AdmMain& adm, Leerlingveld v, int p, std::string_view tekst)
{
    const bool anders = MetVeld(
        [&](auto& t) {
            const auto oud = t;
            t = tekst;
            return !(t == oud);
        },
        adm, v, p);
    if (anders)
        adm.Gewijzigd = 1;
    return anders;
}

std::string Kaartgegevens(const AdmMain& adm)
{
    std::string t;
    for (int p = 1; p <= AantalLeerlingen; ++p)
        for (int i = 0; i < AantalLeerlingvelden; ++i) {
            t += Veldtekst(adm, static_cast<Leerlingveld>(i), p);
            t += '\n';
        }
    return t;
}

std::optional<std::string> NaToetsLos(std::string_view tekst, std::string_view opgeslagen, const Veldregel& r)
{
    if (tekst.size() <= r.opslag && Pas(tekst, r.opslag) == opgeslagen)
        return std::nullopt;
    return std::string(tekst.substr(0, r.bewerk));
}

#include "core/Sorteren.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <type_traits>

namespace {

unsigned char Hoofdletter(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 224 && c <= 254 && c != 247))
        return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 154: return 138;  // š
    case 156: return 140;  // œ
    case 158: return 142;  // ž
    case 255: return 159;  // ÿ
    default: return c;
    }
}

// <0, 0 or >0 as upper(a) sorts before, with or after upper(b).
int Vergelijk(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int x = Hoofdletter(static_cast<unsigned char>(a[i]));
        const int y = Hoofdletter(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x - y;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool Gemarkeerd(std::string_view s)
{
    return !s.empty() && (s[0] == '.' || s[0] == ' ' || s[0] == '*');
}

// Moves the unmarked keys to the front in one pass from both ends; returns
// the position of the last of them (1 when there is none).
int Scheiden(Volgorde& v, int n, const std::vector<std::string>& sleutels)
{
    int lo = 1, hi = n;
    for (;;) {
        while (lo < n && !Gemarkeerd(sleutels.at(v[lo])))
            ++lo;
        while (hi > 1 && Gemarkeerd(sleutels.at(v[hi])))
            --hi;
        if (hi <= lo)
            return hi;
        WisselGetal(v[lo], v[hi]);
    }
}

// Iterative quicksort of positions 1..m with the middle element as pivot.
// voor(a, b) tells whether element a belongs before element b. The range
// stack grows as needed, so long lists sort in the same order as short ones.
template <class Voor>
void Quicksort(Volgorde& v, int m, Voor voor)
{
    std::vector<std::pair<int, int>> stapel{{1, m}};
    while (!stapel.empty()) {
        const auto [L, R] = stapel.back();
        stapel.pop_back();
        int i = L, j = R;
        const int q = v[(L + R) / 2];
        while (i <= j) {
            while (voor(v[i], q))
                ++i;
            while (voor(q, v[j]))
                --j;
            if (i <= j) {
                WisselGetal(v[i], v[j]);
                ++i;
                --j;
            }
        }
        if (L < j)
            stapel.push_back({L, j});
        if (i < R)
            stapel.push_back({i, R});
    }
}

void Begin(Volgorde& v, int n)
{
    v.assign(static_cast<std::size_t>(std::max(n, 0)) + 1, 0);
    for (int k = 1; k <= n; ++k)
        v[k] = k;
}

template <class Veldtype>
void Herorden(const Volgorde& v, Veldtype&& veld)
{
    using T = std::remove_cvref_t<decltype(veld(1))>;
    std::array<T, AantalLeerlingen + 1> tijdelijk{};
    for (int p = 1; p <= AantalLeerlingen; ++p)
        tijdelijk[p] = veld(p);
    for (int i = 1; i <= AantalLeerlingen; ++i)
        if (v[i] != i)
            veld(i) = tijdelijk[v[i]];
}

}  // namespace

std::string Hoofdletters(std::string_view tekst)
{
    std::string r(tekst);
    for (char& c : r)
        c = static_cast<char>(Hoofdletter(static_cast<unsigned char>(c)));
    return r;
}

std::string AccentenVerwijderen(std::string_view tekst)
{
    // T(c) for c = 192..255.
    static constexpr char vouw[] = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYBB"
                                   "AAAAAAACEEEEIIIIONOOOOO\xF7OUUUUYBY";
    static_assert(sizeof vouw == 64 + 1);
    std::string r(tekst);
    for (char& ch : r) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 192)
            ch = vouw[c - 192];
    }
    return r;
}

void WisselTekst(std::string& a, std::string& b) { a.swap(b); }

void WisselGetal(int& a, int& b) { std::swap(a, b); }

void SorteerOpTekst(Volgorde& volgorde, const std::vector<std::string>& sleutels, int n)
{
    Begin(volgorde, n);
    if (n < 2)
        return;
    if (sleutels.size() <= static_cast<std::size_t>(n))
        throw std::out_of_range("SorteerOpTekst: fewer keys than n");
    const int m = Scheiden(volgorde, n, sleutels);
    if (m == 1)
        return;
    Quicksort(volgorde, m, [&](int a, int b) { return Vergelijk(sleutels[a], sleutels[b]) < 0; });
}

void SorteerOpWaarde(Volgorde& volgorde, const std::vector<double>& waarden, const std::vector<std::string>& namen)
{
    constexpr int n = AantalLeerlingen;
    Begin(volgorde, n);
    if (waarden.size() <= n || namen.size() <= n)
        throw std::out_of_range("SorteerOpWaarde: fewer than 36 slots");
    const int m = Scheiden(volgorde, n, namen);
    if (m == 1)
        return;
    Quicksort(volgorde, m, [&](int a, int b) {
        return waarden[a] > waarden[b] || (waarden[a] == waarden[b] && Vergelijk(namen[a], namen[b]) < 0);
    });
}

void LeerlingenHerordenen(AdmMain& a, const Volgorde& v)
{
    if (v.size() < AantalLeerlingen + 1)
        throw std::invalid_argument("LeerlingenHerordenen: order shorter than 36");
    std::array<bool, AantalLeerlingen + 1> gezien{};
    for (int i = 1; i <= AantalLeerlingen; ++i) {
        if (v[i] < 1 || v[i] > AantalLeerlingen || gezien[v[i]])
            throw std::invalid_argument("LeerlingenHerordenen: order is no permutation of 1..36");
        gezien[v[i]] = true;
    }

    Herorden(v, [&](int p) -> auto& { return a.Achternaam(p); });
    Herorden(v, [&](int p) -> auto& { return a.Roepnaam(p); });
    Herorden(v, [&](int p) -> auto& { return a.LeerlingPersNr(p); });
    Herorden(v, [&](int p) -> auto& { return a.Geslacht(p); });
    Herorden(v, [&](int p) -> auto& { return a.Basisgroep(p); });
    Herorden(v, [&](int p) -> auto& { return a.Kenmerk(p); });
    Herorden(v, [&](int p) -> auto& { return a.Adres(p); });
    Herorden(v, [&](int p) -> auto& { return a.Postcode(p); });
    Herorden(v, [&](int p) -> auto& { return a.Woonplaats(p); });
    Herorden(v, [&](int p) -> auto& { return a.Telefoon(p); });
    Herorden(v, [&](int p) -> auto& { return a.Mentor(p); });
    for (int l = 1; l <= 2; ++l) {
        for (int c = 1; c <= AantalKolommen; ++c)
            Herorden(v, [&](int p) -> auto& { return a.Cijfer(p, c, l); });
        for (int t = 1; t <= 3; ++t) {
            Herorden(v, [&](int p) -> auto& { return a.TrGemTxt(p, t, l); });
            Herorden(v, [&](int p) -> auto& { return a.TrGem(p, t, l); });
            Herorden(v, [&](int p) -> auto& { return a.SomGewicht(p, t, l); });
        }
        Herorden(v, [&](int p) -> auto& { return a.EindGemTxt(p, l); });
        Herorden(v, [&](int p) -> auto& { return a.EindGem(p, l); });
        Herorden(v, [&](int p) -> auto& { return a.JrGemTxt(p, l); });
        Herorden(v, [&](int p) -> auto& { return a.JrGem(p, l); });
        Herorden(v, [&](int p) -> auto& { return a.SomGewichtJaar(p, l); });
        for (int r = 1; r <= 4; ++r) {
            Herorden(v, [&](int p) -> auto& { return a.RapportTxt(p, r, l); });
            Herorden(v, [&](int p) -> auto& { return a.Rapport(p, r, l); });
        }
    }
}

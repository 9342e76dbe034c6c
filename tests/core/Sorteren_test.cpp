#include "core/Sorteren.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

namespace {

// Keys 1..n from a list; element 0 unused.
std::vector<std::string> Sleutels(std::vector<std::string> s)
{
    s.insert(s.begin(), "");
    return s;
}

Volgorde Van(std::vector<int> v)
{
    v.insert(v.begin(), 0);
    return v;
}

Volgorde Identiek(int n)
{
    Volgorde v(n + 1);
    std::iota(v.begin(), v.end(), 0);
    return v;
}

}  // namespace

TEST(Sorteren, AccentenVerwijderenFoldsTheLettersFrom192)
{
    EXPECT_EQ(AccentenVerwijderen("M\xFCller"), "MUller");
    EXPECT_EQ(AccentenVerwijderen("\xD8rsted"), "Orsted");
    EXPECT_EQ(AccentenVerwijderen("\xC9\xE7\xF0\xD7\xF7\xDF\xFF\xFE"), "ECOx\xF7" "BYB");
    EXPECT_EQ(AccentenVerwijderen("Zo\xEB \x8A\x80"), "ZoE \x8A\x80");  // below 192 untouched
}

TEST(Sorteren, HoofdlettersAsTheSortsCompare)
{
    // j, é, ÿ, š become J, É, Ÿ, Š; ß and ÷ have no capital and stay.
    EXPECT_EQ(Hoofdletters("jan \xE9\xFF\x9A\xDF\xF7."), "JAN \xC9\x9F\x8A\xDF\xF7.");
}

TEST(Sorteren, ByText)
{
    struct Geval {
        std::vector<std::string> sleutels;
        std::vector<int> volgorde;
    };
    const Geval gevallen[] = {
        {{"x"}, {1}},
        {{".b", "*a", " c"}, {1, 2, 3}},  // all marked: left as they are
        {{".x", "*y", "b", "a"}, {4, 3, 2, 1}},
        {{"b", ".x", "a", "      ", "*y"}, {3, 1, 2, 4, 5}},
        // Folded names, upper-cased: Adam, Emile, eva, Zoe.
        {{AccentenVerwijderen("Zo\xEB"), AccentenVerwijderen("\xC9mile"), "eva", "Adam"}, {4, 2, 3, 1}},
        // A shorter key first; ASCII before the codes above 127.
        {{"\x80", "ab", "a", "Z"}, {3, 2, 4, 1}},
        // Accented letters upper-cased too: éa (ÉA) before Éb.
        {{"\xC9" "b", "\xE9" "a"}, {2, 1}},
    };
    for (const Geval& g : gevallen) {
        Volgorde v;
        SorteerOpTekst(v, Sleutels(g.sleutels), static_cast<int>(g.sleutels.size()));
        EXPECT_EQ(v, Van(g.volgorde)) << g.sleutels[0];
    }
}

TEST(Sorteren, ByTextSortsLongListsThatKeepManyRangesPending)
{
    // Ranks placed so that every partition splits off three elements on the
    // left and goes on with the rest: more pending ranges than 36.
    const int n = 400;
    std::vector<int> plaats(n + 1), rang(n + 1);
    std::iota(plaats.begin(), plaats.end(), 0);
    int volgende = 1, L = 1;
    const int R = n;
    for (; R - L + 1 >= 6; L += 3) {
        const int mid = (L + R) / 2;
        rang[plaats[L]] = volgende++;
        rang[plaats[L + 1]] = volgende++;
        rang[plaats[mid]] = volgende++;
        std::swap(plaats[L + 2], plaats[mid]);
    }
    for (; L <= R; ++L)
        rang[plaats[L]] = volgende++;

    std::vector<std::string> sleutels(n + 1);
    for (int k = 1; k <= n; ++k) {
        char s[16];
        std::snprintf(s, sizeof s, "k%04d", rang[k]);
        sleutels[k] = s;
    }
    Volgorde v;
    SorteerOpTekst(v, sleutels, n);
    for (int k = 1; k <= n; ++k)
        ASSERT_EQ(rang[v[k]], k);
}

TEST(Sorteren, ByValueWithTiesByNameAndMarkedSlotsLast)
{
    std::vector<double> waarden(37, GeenWaarde);
    std::vector<std::string> namen(37, std::string(30, ' '));
    namen[1] = "DE WIT Anna";
    waarden[1] = 7;
    namen[2] = "de Vries Bram";
    waarden[2] = 7;
    namen[3] = "Bakker Cor";  // no value
    namen[4] = ".Dekker";
    waarden[4] = 9;
    namen[5] = "Jansen Eva";
    waarden[5] = 8;

    Volgorde v;
    SorteerOpWaarde(v, waarden, namen);
    Volgorde verwacht = Van({5, 2, 1, 3, 4});
    for (int k = 6; k <= 36; ++k)
        verwacht.push_back(k);
    EXPECT_EQ(v, verwacht);

    // Nobody in the class: nothing moves.
    SorteerOpWaarde(v, std::vector<double>(37, GeenWaarde), std::vector<std::string>(37, std::string(30, ' ')));
    EXPECT_EQ(v, Identiek(36));
}

namespace {

// Calls f on every per-pupil field of slot p.
template <class F>
void ElkVeld(AdmMain& a, int p, F f)
{
    f(a.Achternaam(p)), f(a.Roepnaam(p)), f(a.Adres(p)), f(a.Postcode(p)), f(a.Woonplaats(p));
    f(a.Telefoon(p)), f(a.LeerlingPersNr(p)), f(a.Geslacht(p)), f(a.Basisgroep(p)), f(a.Kenmerk(p));
    f(a.Mentor(p));
    for (int l = 1; l <= 2; ++l) {
        for (int c = 1; c <= AantalKolommen; ++c)
            f(a.Cijfer(p, c, l));
        for (int t = 1; t <= 3; ++t)
            f(a.TrGemTxt(p, t, l)), f(a.TrGem(p, t, l)), f(a.SomGewicht(p, t, l));
        f(a.JrGemTxt(p, l)), f(a.JrGem(p, l)), f(a.SomGewichtJaar(p, l));
        f(a.EindGemTxt(p, l)), f(a.EindGem(p, l));
        for (int r = 1; r <= 4; ++r)
            f(a.RapportTxt(p, r, l)), f(a.Rapport(p, r, l));
    }
}

// Every value of slot p distinct from those of every other slot.
void VulLeerling(AdmMain& a, int p)
{
    int k = 0;
    ElkVeld(a, p, [&](auto& veld) {
        ++k;
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(veld)>, double>)
            veld = p * 1000.0 + k;
        else
            veld = std::string(1, static_cast<char>('0' + p)) + std::to_string(k);
    });
}

std::vector<std::string> Inhoud(AdmMain& a, int p)
{
    std::vector<std::string> r;
    ElkVeld(a, p, [&](auto& veld) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(veld)>, double>)
            r.push_back(std::to_string(veld));
        else
            r.push_back(veld.str());
    });
    return r;
}

}  // namespace

TEST(Sorteren, LeerlingenHerordenenMovesEveryPupilFieldTogether)
{
    AdmMain a;
    for (int p = 1; p <= 36; ++p)
        VulLeerling(a, p);
    a.TrGem(0, 2, 1) = 6.5;
    a.JrGemTxt(0, 2) = "7";
    a.KlGem(3, 1) = 5.5;
    a.KlTrGem(1, 2) = 6;
    a.RpGem(4, 1) = 7;
    a.HuidigeRij = 9;
    a.EersteRij = 5;
    a.Gewijzigd = 0;
    std::vector<std::vector<std::string>> voor(37);
    for (int p = 1; p <= 36; ++p)
        voor[p] = Inhoud(a, p);

    Volgorde v(37);
    for (int i = 1; i <= 36; ++i)
        v[i] = (i * 7) % 37;  // a permutation of 1..36
    LeerlingenHerordenen(a, v);

    for (int i = 1; i <= 36; ++i)
        EXPECT_EQ(Inhoud(a, i), voor[v[i]]) << "slot " << i;
    EXPECT_EQ(a.TrGem(0, 2, 1), 6.5);
    EXPECT_EQ(a.JrGemTxt(0, 2), "7   ");
    EXPECT_EQ(a.KlGem(3, 1), 5.5);
    EXPECT_EQ(a.KlTrGem(1, 2), 6);
    EXPECT_EQ(a.RpGem(4, 1), 7);
    EXPECT_EQ(a.HuidigeRij, 9);
    EXPECT_EQ(a.EersteRij, 5);
    EXPECT_EQ(a.Gewijzigd, 0);

    // An order that is no permutation changes nothing.
    Volgorde dubbel = Identiek(36);
    dubbel[2] = 1;
    EXPECT_THROW(LeerlingenHerordenen(a, dubbel), std::invalid_argument);
    EXPECT_EQ(Inhoud(a, 2), voor[v[2]]);
}

#pragma once
// Reading a page model in print tests: lines as they should read, the rules
// and the column lines of a page.

#include "core/Pagina.h"

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace paginahulp {

// A line as it should read: pieces at character positions.
inline std::string Zet(std::initializer_list<std::pair<int, std::string>> stukken)
{
    std::string r;
    for (const auto& [k, t] : stukken) {
        const auto x = static_cast<std::size_t>(k);
        if (r.size() < x + t.size())
            r.resize(x + t.size(), ' ');
        r.replace(x, t.size(), t);
    }
    return r;
}

// The y of every horizontal line from x1 to x2.
inline std::set<double> Regels(const Pagina& p, double x1, double x2)
{
    std::set<double> r;
    for (const Lijn& l : p.Lijnen)
        if (l.Y1 == l.Y2 && l.X1 == x1 && l.X2 == x2)
            r.insert(l.Y1);
    return r;
}

// Segments (from, to) joined where they meet or overlap, in order.
inline std::vector<std::pair<double, double>> Samenvoegen(std::vector<std::pair<double, double>> s)
{
    std::sort(s.begin(), s.end());
    std::vector<std::pair<double, double>> r;
    for (const auto& seg : s) {
        if (!r.empty() && seg.first <= r.back().second + 1e-9)
            r.back().second = std::max(r.back().second, seg.second);
        else
            r.push_back(seg);
    }
    return r;
}

// The vertical segments at x, joined where they meet.
inline std::vector<std::pair<double, double>> Verticaal(const Pagina& p, double x)
{
    std::vector<std::pair<double, double>> s;
    for (const Lijn& l : p.Lijnen)
        if (l.X1 == x && l.X2 == x && l.Y1 != l.Y2)
            s.emplace_back(std::min(l.Y1, l.Y2), std::max(l.Y1, l.Y2));
    return Samenvoegen(std::move(s));
}

// The lowest point anything on the page reaches.
inline double Onderkant(const Pagina& p, double regelhoogte)
{
    double y = 0;
    for (const Tekstdeel& t : p.Teksten)
        y = std::max(y, t.Y + regelhoogte);
    for (const Lijn& l : p.Lijnen)
        y = std::max({y, l.Y1, l.Y2});
    return y;
}

}  // namespace paginahulp

#include "core/Tekst.h"

std::string Pas(std::string_view s, std::size_t n)
{
    std::string r(s.substr(0, n));
    r.resize(n, ' ');
    return r;
}

bool IsLeeg(std::string_view s)
{
    return s.find_first_not_of(' ') == std::string_view::npos;
}

std::string_view Trim(std::string_view s)
{
    const auto a = s.find_first_not_of(' ');
    if (a == std::string_view::npos)
        return {};
    const auto b = s.find_last_not_of(' ');
    return s.substr(a, b - a + 1);
}

#include "core/Tekst.h"

std::string Pas(std::string_view s, std::size_t n)
{
    std::string r(s.substr(0, n));
    r.resize(n, ' ');
    return r;
}

std::string Begin(std::string_view s, std::size_t n) { return std::string(s.substr(0, n)); }

std::string Blanco(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

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

std::string_view ZonderStaart(std::string_view s)
{
    const auto e = s.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string_view{} : s.substr(0, e + 1);
}

std::string KleineLetters(std::string_view s)
{
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return r;
}

void StuurtekensBlanco(std::string& s)
{
    for (char& c : s)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\0') || c == '\x7F')
            c = ' ';
}

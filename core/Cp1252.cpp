#include "core/Cp1252.h"

namespace {
// Codes 0x80..0x9F; every other byte is its own Latin-1 code point.
constexpr char32_t hoog[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
}  // namespace

char32_t Cp1252NaarUnicode(unsigned char c)
{
    if (c >= 0x80 && c <= 0x9F)
        return hoog[c - 0x80];
    return c;
}

unsigned char UnicodeNaarCp1252(char32_t u, unsigned char vervanging)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (int i = 0; i < 32; ++i)
        if (hoog[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    return vervanging;
}

std::string Utf8NaarCp1252(std::string_view s)
{
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        char32_t u = c;
        std::size_t len = 1;
        if (c >= 0xF0) {
            len = 4;
        } else if (c >= 0xE0) {
            len = 3;
        } else if (c >= 0xC0) {
            len = 2;
        }
        if (len > 1 && i + len <= s.size()) {
            u = c & (0xFF >> (len + 1));
            for (std::size_t k = 1; k < len; ++k)
                u = (u << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        } else if (len > 1) {
            u = 0xFFFD;
            len = s.size() - i;
        } else if (c >= 0x80) {
            u = 0xFFFD;  // a stray continuation byte
        }
        r += static_cast<char>(UnicodeNaarCp1252(u));
        i += len;
    }
    return r;
}

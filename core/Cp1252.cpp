#include "core/Cp1252.h"

namespace {
// Codes 0x80..0x9F; every other byte is its own Latin-1 code point.
constexpr char32_t hoog[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The length of the well-formed UTF-8 sequence of two to four bytes at s[i]
// and its code point; 0 when none starts there (overlong forms, surrogates
// and code points past U+10FFFF are none).
std::size_t Utf8Teken(std::string_view s, std::size_t i, char32_t& u)
{
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t len = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (len == 0 || s.size() - i < len)
        return 0;
    u = c & (0xFF >> (len + 1));
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        u = (u << 6) | (b & 0x3F);
    }
    constexpr char32_t kleinste[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (u < kleinste[len] || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF))
        return 0;
    return len;
}
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

namespace {

// Walks the bytes: each well-formed UTF-8 character goes to `teken` (its code
// point and its bytes), each other byte to `byte`.
template <class Teken, class Byte>
void Doorlopen(std::string_view s, Teken teken, Byte byte)
{
    for (std::size_t i = 0; i < s.size();) {
        char32_t u = 0;
        const std::size_t len = Utf8Teken(s, i, u);
        if (len == 0) {
            byte(static_cast<unsigned char>(s[i++]));
            continue;
        }
        teken(u, s.substr(i, len));
        i += len;
    }
}

}  // namespace

std::string Utf8NaarCp1252(std::string_view s)
{
    std::string r;
    r.reserve(s.size());
    Doorlopen(
        s, [&](char32_t u, std::string_view) { r += static_cast<char>(UnicodeNaarCp1252(u)); },
        [&](unsigned char c) { r += static_cast<char>(c); });  // ASCII, or a byte of a name that is no UTF-8
    return r;
}

std::string GemengdNaarUtf8(std::string_view s)
{
    std::string r;
    r.reserve(s.size());
    Doorlopen(
        s, [&](char32_t, std::string_view bytes) { r.append(bytes); },
        [&](unsigned char c) {
            if (c < 0x80) {
                r += static_cast<char>(c);
                return;
            }
            const char32_t u = Cp1252NaarUnicode(c);  // below U+10000: two or three bytes
            if (u < 0x800) {
                r += static_cast<char>(0xC0 | (u >> 6));
            } else {
                r += static_cast<char>(0xE0 | (u >> 12));
                r += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            }
            r += static_cast<char>(0x80 | (u & 0x3F));
        });
    return r;
}

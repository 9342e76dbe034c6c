#pragma once
// Windows-1252 text as UTF-8, so that a test can compare the data set's
// texts with UTF-8 literals.

#include "core/Cp1252.h"

#include <string>
#include <string_view>

inline std::string Cp1252NaarUtf8(std::string_view s)
{
    std::string r;
    r.reserve(s.size() * 2);
    for (unsigned char c : s) {
        const char32_t u = Cp1252NaarUnicode(c);
        if (u < 0x80) {
            r += static_cast<char>(u);
        } else if (u < 0x800) {
            r += static_cast<char>(0xC0 | (u >> 6));
            r += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            r += static_cast<char>(0xE0 | (u >> 12));
            r += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return r;
}

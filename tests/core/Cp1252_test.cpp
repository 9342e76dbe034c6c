#include "core/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

// Well-formed UTF-8 is decoded; a byte that starts no well-formed sequence is
// taken as the Windows-1252 byte it is, as in a name from an older machine.
TEST(Cp1252, Utf8NaarCp1252TakesAByteOfNoWellFormedSequenceAsItStands)
{
    const struct {
        const char* naam;
        std::string utf8;
        std::string cp1252;
    } gevallen[] = {
        {"lone high byte", "caf\xE9", "caf\xE9"},
        {"lead byte followed by ASCII", "caf\xE9 3a", "caf\xE9 3a"},
        {"two-byte lead followed by ASCII", "\xC3(x", "\xC3(x"},
        {"stray continuation byte", "a\x80z", "a\x80z"},
        {"truncated two-byte at the end", "ab\xC3", "ab\xC3"},
        {"truncated three-byte at the end", "ab\xE2\x82", "ab\xE2\x82"},
        {"overlong two-byte", "\xC0\xAF", "\xC0\xAF"},
        {"overlong three-byte", "\xE0\x80\xAF", "\xE0\x80\xAF"},
        {"surrogate", "\xED\xA0\x80", "\xED\xA0\x80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\xF4\x90\x80\x80"},
        {"lead byte no sequence has", "\xF8\x88\x80\x80\x80", "\xF8\x88\x80\x80\x80"},
        // Well-formed: as before, "?" for a character Windows-1252 cannot show.
        {"é", "caf\xC3\xA9", "caf\xE9"},
        {"€", "\xE2\x82\xAC", "\x80"},
        {"C1 control", "\xC2\x81", "\x81"},
        {"ł", "\xC5\x82", "?"},
        {"four-byte", "\xF0\x9F\x98\x80!", "?!"},
        {"valid and stray mixed", "\xC3\xA9\xE9\xC3\xA9", "\xE9\xE9\xE9"},
        {"ASCII", "Klas 3", "Klas 3"},
    };
    for (const auto& g : gevallen)
        EXPECT_EQ(Utf8NaarCp1252(g.utf8), g.cp1252) << g.naam;
}

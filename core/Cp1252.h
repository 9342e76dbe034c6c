#pragma once
// Windows-1252, the character set of every text in the data set and in the
// grade files, to Unicode and back.

#include <string>
#include <string_view>

// The Unicode code point of one Windows-1252 byte (the five unused codes map
// to themselves, as C1 controls).
char32_t Cp1252NaarUnicode(unsigned char c);

// The Windows-1252 byte of a code point, or `vervanging` when it has none.
unsigned char UnicodeNaarCp1252(char32_t u, unsigned char vervanging = '?');

// UTF-8 to Windows-1252, for file names and text from outside; a character
// without a Windows-1252 byte becomes "?". A byte that starts no well-formed
// UTF-8 sequence stays the Windows-1252 byte it is: a name copied from an
// older machine is mostly Windows-1252.
std::string Utf8NaarCp1252(std::string_view s);

// Bytes that are mostly UTF-8 (a path, a message naming one) as well-formed
// UTF-8, for showing: each well-formed character stays, each byte that starts
// none is its Windows-1252 character, as Utf8NaarCp1252 takes such a byte.
std::string GemengdNaarUtf8(std::string_view s);

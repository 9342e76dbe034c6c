#pragma once
// Fixed-width text fields of the data set: Windows-1252 bytes, one byte a
// character, always exactly N characters, padded with blanks or cut.

#include <array>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

// A text fitted to width n: padded with blanks or cut after n characters.
std::string Pas(std::string_view s, std::size_t n);

// At most the first n characters of a text (no padding).
std::string Begin(std::string_view s, std::size_t n);

// n blanks.
std::string Blanco(int n);

// True when the text holds nothing but blanks (or nothing at all).
bool IsLeeg(std::string_view s);

// The text without leading and trailing blanks.
std::string_view Trim(std::string_view s);

// The text without its trailing blanks.
std::string_view ZonderStaart(std::string_view s);

// The text with A to Z made a to z; every other byte as it is.
std::string KleineLetters(std::string_view s);

// Every control byte (0x01 to 0x1F and 0x7F) of the text made a blank: a
// line of a file as a text of the data set takes it, so that no text holds
// one. NUL bytes stay (a file reader refuses them).
void StuurtekensBlanco(std::string& s);

template <std::size_t N>
class Tekst {
public:
    static constexpr std::size_t breedte = N;

    Tekst() { t_.fill(' '); }
    Tekst(std::string_view s) { *this = s; }  // NOLINT: implicit on purpose, every assignment fits
    Tekst(const char* s) : Tekst(std::string_view(s)) {}
    Tekst(const std::string& s) : Tekst(std::string_view(s)) {}

    Tekst& operator=(std::string_view s)
    {
        std::size_t i = 0;
        for (; i < N && i < s.size(); ++i)
            t_[i] = s[i];
        for (; i < N; ++i)
            t_[i] = ' ';
        return *this;
    }
    Tekst& operator=(const char* s) { return *this = std::string_view(s); }
    Tekst& operator=(const std::string& s) { return *this = std::string_view(s); }

    std::string_view view() const { return {t_.data(), N}; }
    std::string str() const { return std::string(view()); }
    operator std::string_view() const { return view(); }  // NOLINT
    char operator[](std::size_t i) const { return t_[i]; }
    bool leeg() const { return IsLeeg(view()); }

    friend bool operator==(const Tekst&, const Tekst&) = default;
    friend bool operator==(const Tekst& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const Tekst& a, const std::string& b) { return a.view() == b; }
    friend bool operator==(const Tekst& a, const char* b) { return a.view() == std::string_view(b); }
    friend std::ostream& operator<<(std::ostream& o, const Tekst& t) { return o << '"' << t.view() << '"'; }

private:
    std::array<char, N> t_;
};

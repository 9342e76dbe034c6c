#pragma once
// For the plain tests (no Qt): a folder of one test's own, made empty under
// the system's temporary folder and removed with all it holds afterwards;
// and the test files of tests/data, literal bytes described in its README.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class Tijdelijkemap {
public:
    Tijdelijkemap()
    {
        std::string sjabloon = (std::filesystem::temp_directory_path() / "morvaldiek_XXXXXX").string();
        if (!::mkdtemp(sjabloon.data()))
            throw std::runtime_error("no temporary folder: " + sjabloon);
        pad_ = sjabloon;
    }
    ~Tijdelijkemap()
    {
        // A test may have taken the rights away; what it left is removed all the same.
        std::error_code fout;
        std::filesystem::permissions(pad_, std::filesystem::perms::owner_all, fout);
        for (auto i = std::filesystem::recursive_directory_iterator(pad_, fout);
             !fout && i != std::filesystem::recursive_directory_iterator(); i.increment(fout))
            if (i->is_directory(fout))
                std::filesystem::permissions(i->path(), std::filesystem::perms::owner_all, fout);
        std::filesystem::remove_all(pad_, fout);
    }
    Tijdelijkemap(const Tijdelijkemap&) = delete;
    Tijdelijkemap& operator=(const Tijdelijkemap&) = delete;

    const std::filesystem::path& pad() const { return pad_; }
    std::string operator/(std::string_view naam) const { return (pad_ / naam).string(); }

private:
    std::filesystem::path pad_;
};

// The folder tests/data, and the path of a file in it.
inline std::string Testmap()
{
    const char* map = std::getenv("MORVALDIEK_TESTDATA");
    return map ? map : MORVALDIEK_TESTDATA_MAP;
}

inline std::string Testbestand(std::string_view naam) { return (std::filesystem::path(Testmap()) / naam).string(); }

// Its bytes; a missing file fails the test.
inline std::string Testinhoud(std::string_view naam)
{
    const std::string pad = Testbestand(naam);
    std::ifstream in(pad, std::ios::binary);
    EXPECT_TRUE(in) << "no test file " << pad;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines of a file's text, each ended by CR LF.
inline std::vector<std::string> Tekstregels(const std::string& tekst)
{
    std::vector<std::string> r;
    for (std::size_t i = 0; i < tekst.size();) {
        const auto j = tekst.find("\r\n", i);
        r.push_back(tekst.substr(i, j - i));
        i = j == std::string::npos ? tekst.size() : j + 2;
    }
    return r;
}

// The first line (from 1) in which two such texts differ, with both lines;
// empty when the texts are equal.
inline std::string Regelverschil(const std::string& a, const std::string& b)
{
    if (a == b)
        return "";
    const auto ra = Tekstregels(a), rb = Tekstregels(b);
    std::size_t i = 0;
    while (i < ra.size() && i < rb.size() && ra[i] == rb[i])
        ++i;
    const auto regel = [i](const std::vector<std::string>& r) {
        return i < r.size() ? "\"" + r[i] + "\"" : std::string("the end");
    };
    return "line " + std::to_string(i + 1) + ": " + regel(ra) + " against " + regel(rb);
}

// The lines, each ended by CR LF.
inline std::string Crlfregels(const std::vector<std::string>& r)
{
    std::string s;
    for (const auto& x : r)
        s += x + "\r\n";
    return s;
}

// A version 1 grade file that ends after the level names: header, 36 pupil
// blocks of 15 lines (the first pupil's surname `achternaam`), display line.
inline std::string OudBestand(const std::string& achternaam)
{
    std::vector<std::string> r = {std::string(26, 'O'), "2003-2004", "4B    ", "gs    ", "dv", "Oude Docent",
                                  "123456", "Mentor"};
    for (int p = 1; p <= 36; ++p) {
        r.push_back(p == 1 ? achternaam : "");
        for (int i = 0; i < 14; ++i)
            r.push_back("");
    }
    r.push_back("2 1 3 17 1 8 1");
    r.push_back("havo");
    r.push_back("vwo");
    return Crlfregels(r);
}

// A moment in UTC, for a file's modification time.
inline std::time_t Utc(int j, int m, int d, int u, int min)
{
    std::tm t{};
    t.tm_year = j - 1900;
    t.tm_mon = m - 1;
    t.tm_mday = d;
    t.tm_hour = u;
    t.tm_min = min;
    return ::timegm(&t);
}

// Writes the file with the given modification time.
inline void SchrijfMetTijd(const std::filesystem::path& pad, const std::string& inhoud, std::time_t tijd)
{
    std::ofstream(pad, std::ios::binary) << inhoud;
    const timespec t[2] = {{tijd, 0}, {tijd, 0}};
    ::utimensat(AT_FDCWD, pad.c_str(), t, 0);
}

// The time zone is UTC while it lives, so that file times read the same on
// every machine; the one before comes back afterwards.
class UtcTijdzone {
public:
    UtcTijdzone()
    {
        if (const char* tz = std::getenv("TZ"))
            oud_ = tz;
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    ~UtcTijdzone()
    {
        if (oud_)
            ::setenv("TZ", oud_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    UtcTijdzone(const UtcTijdzone&) = delete;
    UtcTijdzone& operator=(const UtcTijdzone&) = delete;

private:
    std::optional<std::string> oud_;
};

#pragma once
// For the plain tests (no Qt): a folder of one test's own, made empty under
// the system's temporary folder and removed with all it holds afterwards;
// and the test files of tests/data, literal bytes described in its README.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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

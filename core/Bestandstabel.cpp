#include "core/Bestandstabel.h"

#include "core/AdmMain.h"
#include "core/Cp1252.h"
#include "core/Fout.h"
#include "core/Sorteren.h"
#include "core/Tekst.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sys/stat.h>

#include <dirent.h>

namespace {

std::string Kleine(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool HeeftExtensie(const std::string& naam, const char* ext)
{
    return naam.size() > 4 && Kleine(naam.substr(naam.size() - 4)) == ext;
}

std::string Stam(const std::string& naam) { return naam.substr(0, naam.size() - 4); }

// Lines 3 to 5 of a grade file, reading no further than the fifth line end.
// False for a file that cannot be opened, ends before line 5, holds a NUL
// (no text file) or whose first lines are unreasonably long.
bool LeesKlasVakDeelvak(const std::string& pad, Bestandsrij& rij)
{
    constexpr std::size_t maxRegel = 4096;
    std::ifstream in(pad, std::ios::binary);
    if (!in)
        return false;
    std::vector<std::string> regels(1);
    char c;
    while (regels.size() <= 5 && in.get(c)) {
        if (c == '\0')
            return false;
        if (c == '\n') {
            if (!regels.back().empty() && regels.back().back() == '\r')
                regels.back().pop_back();
            regels.emplace_back();
            continue;
        }
        regels.back() += c;
        if (regels.back().size() > maxRegel + 1)
            return false;
    }
    if (regels.size() <= 5) {  // no line end after line 5: a last open line still counts
        if (regels.size() < 5 || regels.back().empty())
            return false;
        if (regels.back().back() == '\r')
            regels.back().pop_back();
    }
    rij.klas = regels[2];
    rij.vak = regels[3];
    rij.deelvak = regels[4];
    rij.gelezen = true;
    return true;
}

std::string Positie(int k)
{
    char b[16];
    std::snprintf(b, sizeof b, "\x01%06d", k);
    return b;
}

// Sorts by keys built per row; the row position behind each key keeps ties in
// their current order. An empty field gets a blank key, so it goes last.
template <class Sleutel>
void Sorteer(std::vector<Bestandsrij>& rijen, Sleutel sleutel)
{
    const int n = static_cast<int>(rijen.size());
    if (n == 0)
        return;
    std::vector<std::string> sleutels(static_cast<std::size_t>(n) + 1);
    for (int k = 1; k <= n; ++k) {
        std::string s = sleutel(rijen[k - 1]);
        if (s.empty())
            s = " ";
        sleutels[k] = s + Positie(k);
    }
    Volgorde volgorde;
    SorteerOpTekst(volgorde, sleutels, n);
    std::vector<Bestandsrij> oud = std::move(rijen);
    rijen.clear();
    rijen.reserve(oud.size());
    for (int k = 1; k <= n; ++k)
        rijen.push_back(std::move(oud[volgorde[k] - 1]));
}

std::string TijdSleutel(std::int64_t t)
{
    // Offset so that times before 1970 still sort as text.
    char b[32];
    std::snprintf(b, sizeof b, "%020lld", static_cast<long long>(t) + 1000000000000LL);
    return b;
}

std::vector<std::string> OpNaam(std::vector<std::string> namen)
{
    const int n = static_cast<int>(namen.size());
    std::vector<std::string> sleutels(namen.size() + 1);
    for (int k = 1; k <= n; ++k)
        sleutels[k] = Utf8NaarCp1252(namen[k - 1]) + Positie(k);
    Volgorde v;
    SorteerOpTekst(v, sleutels, n);
    std::vector<std::string> r;
    for (int k = 1; k <= n; ++k)
        r.push_back(std::move(namen[v[k] - 1]));
    return r;
}

}  // namespace

std::string DatumTijdTekst(std::int64_t tijd)
{
    const std::time_t t = static_cast<std::time_t>(tijd);
    std::tm d{};
    if (!::localtime_r(&t, &d))
        return std::string(14, ' ');
    char b[32];
    std::snprintf(b, sizeof b, "%02d-%02d-%02d %02d:%02d", d.tm_mday, d.tm_mon + 1, (d.tm_year + 1900) % 100,
                  d.tm_hour, d.tm_min);
    return b;
}

Bestandstabel BestandstabelVullen(const std::string& map, Bestandsoort soort)
{
    Bestandstabel tabel;
    tabel.map = map;
    DIR* d = ::opendir(map.c_str());
    if (!d) {
        const int fout = errno;
        throw Bestandsfout(fout == ENOENT || fout == ENOTDIR ? FoutPadNietGevonden : FoutToegang,
                           std::string(std::strerror(fout)) + ": " + map);
    }
    std::vector<std::string> mappen, bestanden;
    while (const dirent* e = ::readdir(d)) {
        const std::string naam = e->d_name;
        if (naam == "." || naam == "..")
            continue;
        struct stat st {};
        if (::stat(PadSamenvoegen(map, naam).c_str(), &st) != 0)
            continue;  // a dangling link
        if (S_ISDIR(st.st_mode)) {
            if (naam[0] != '.')
                mappen.push_back(naam);
        } else if (S_ISREG(st.st_mode) &&
                   HeeftExtensie(naam, soort == Bestandsoort::Cijferbestand ? ".vlk" : ".nam")) {
            bestanden.push_back(naam);
        }
    }
    ::closedir(d);

    tabel.mappen = OpNaam(std::move(mappen));
    for (auto& naam : OpNaam(std::move(bestanden))) {
        Bestandsrij rij;
        rij.naam = naam;
        rij.pad = PadSamenvoegen(map, naam);
        struct stat st {};
        if (::stat(rij.pad.c_str(), &st) == 0)
            rij.tijd = st.st_mtim.tv_sec;
        rij.datum = DatumTijdTekst(rij.tijd);
        if (soort == Bestandsoort::Cijferbestand)
            LeesKlasVakDeelvak(rij.pad, rij);
        tabel.rijen.push_back(std::move(rij));
    }
    return tabel;
}

void BestandstabelSorteren(std::vector<Bestandsrij>& rijen, Bestandskolom kolom)
{
    switch (kolom) {
    case Bestandskolom::Naam:
        Sorteer(rijen, [](const Bestandsrij& r) { return Utf8NaarCp1252(r.naam); });
        break;
    case Bestandskolom::Klas:
        Sorteer(rijen, [](const Bestandsrij& r) { return IsLeeg(r.klas) ? std::string() : r.klas; });
        break;
    case Bestandskolom::Vak:
        Sorteer(rijen, [](const Bestandsrij& r) { return IsLeeg(r.vak) ? std::string() : r.vak; });
        break;
    case Bestandskolom::Deelvak:
        Sorteer(rijen, [](const Bestandsrij& r) { return IsLeeg(r.deelvak) ? std::string() : r.deelvak; });
        break;
    case Bestandskolom::Gewijzigd:
        Sorteer(rijen, [](const Bestandsrij& r) { return TijdSleutel(r.tijd); });
        break;
    }
}

std::size_t Naambreedte(const std::vector<Bestandsrij>& rijen)
{
    std::size_t b = 12;
    for (const auto& r : rijen)
        b = std::max(b, Utf8NaarCp1252(Stam(r.naam)).size() + 1);  // a blank before the class
    return b;
}

std::string BestandsrijTekst(const Bestandsrij& rij, Bestandsoort soort, std::size_t naambreedte)
{
    std::string naam = Utf8NaarCp1252(Stam(rij.naam));
    std::string t = Pas(naam, std::max(naambreedte, naam.size()));
    if (soort == Bestandsoort::Cijferbestand)
        t += Pas(rij.klas, 7) + "  " + Pas(rij.vak, 2) + "   " + Pas(rij.deelvak, 2) + "   ";
    return t + rij.datum;
}

std::string Mapnaam(const std::string& map)
{
    std::string m = map;
    while (m.size() > 1 && m.back() == '/')
        m.pop_back();
    if (m == "/")
        return m;
    const auto i = m.find_last_of('/');
    return i == std::string::npos ? m : m.substr(i + 1);
}

std::string MappenKop(const std::string& map, bool inkorten)
{
    std::string kop = " Mappen in " + Utf8NaarCp1252(Mapnaam(map));
    if (inkorten && kop.size() >= 34)
        kop = kop.substr(0, 30) + "...";
    return kop;
}

std::string BestandenKop(const std::string& map, Bestandsoort soort)
{
    return (soort == Bestandsoort::Cijferbestand ? " Cijferbestanden in " : " Namenbestanden in ") +
           Utf8NaarCp1252(Mapnaam(map));
}

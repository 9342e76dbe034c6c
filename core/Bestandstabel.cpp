#include "core/Bestandstabel.h"

#include "core/AdmMain.h"
#include "core/Cp1252.h"
#include "core/Fout.h"
#include "core/Pad.h"
#include "core/Sorteren.h"
#include "core/Tekst.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <dirent.h>

namespace {

bool HeeftExtensie(const std::string& naam, const char* ext)
{
    return naam.size() > 4 && KleineLetters(std::string_view(naam).substr(naam.size() - 4)) == ext;
}

std::string Stam(const std::string& naam) { return naam.substr(0, naam.size() - 4); }

// Lines 3 to 5 of a grade file, read from an open file no further than the
// fifth line end. False for a file that ends before line 5, holds a NUL (no
// text file) or whose first lines are unreasonably long.
bool LeesKlasVakDeelvak(int fd, Bestandsrij& rij)
{
    constexpr std::size_t maxRegel = 4096 + 1;  // a line and its CR
    std::string b;
    std::size_t einden[5];  // positions of the first five line ends
    int n = 0;
    std::size_t regelBegin = 0;
    bool eof = false;
    while (n < 5 && !eof) {
        const std::size_t oud = b.size();
        b.resize(oud + (oud == 0 ? 512 : oud));
        const ssize_t r = ::read(fd, b.data() + oud, b.size() - oud);
        if (r < 0 && errno == EINTR) {
            b.resize(oud);
            continue;
        }
        if (r < 0)
            return false;
        b.resize(oud + static_cast<std::size_t>(r));
        eof = r == 0;
        for (std::size_t i = oud; i < b.size() && n < 5; ++i) {
            if (b[i] == '\0')
                return false;
            if (b[i] == '\n') {
                einden[n++] = i;
                regelBegin = i + 1;
            } else if (i - regelBegin + 1 > maxRegel) {
                return false;
            }
        }
    }
    if (n < 5) {  // no line end after line 5: a last open line still counts
        if (n < 4 || regelBegin == b.size())
            return false;
        einden[4] = b.size();
    }
    const auto regel = [&](int k) {
        const std::size_t van = k == 0 ? 0 : einden[k - 1] + 1;
        std::size_t tot = einden[k];
        if (tot > van && b[tot - 1] == '\r')
            --tot;
        return b.substr(van, tot - van);
    };
    rij.klas = regel(2);
    rij.vak = regel(3);
    rij.deelvak = regel(4);
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
    r.reserve(namen.size());
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
                           Systeemfouttekst(fout) + ": " + map);
    }
    // Names and entries are looked up relative to the open folder; the kind
    // the folder listing gives spares a stat of every other file.
    const int mapFd = ::dirfd(d);
    const char* extensie = soort == Bestandsoort::Cijferbestand ? ".vlk" : ".nam";
    std::vector<std::string> mappen, bestanden;
    while (const dirent* e = ::readdir(d)) {
        const std::string naam = e->d_name;
        if (naam == "." || naam == "..")
            continue;
        bool isMap = e->d_type == DT_DIR;
        bool isBestand = e->d_type == DT_REG;
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            struct stat st {};
            if (::fstatat(mapFd, naam.c_str(), &st, 0) != 0)
                continue;  // a dangling link
            isMap = S_ISDIR(st.st_mode);
            isBestand = S_ISREG(st.st_mode);
        }
        if (isMap) {
            if (naam[0] != '.')
                mappen.push_back(naam);
        } else if (isBestand && HeeftExtensie(naam, extensie)) {
            bestanden.push_back(naam);
        }
    }

    tabel.mappen = OpNaam(std::move(mappen));
    tabel.rijen.reserve(bestanden.size());
    for (auto& naam : OpNaam(std::move(bestanden))) {
        Bestandsrij rij;
        struct stat st {};
        // A grade file is read through the descriptor its stat came from;
        // one that cannot be opened is still listed when it exists.
        const int fd = soort == Bestandsoort::Cijferbestand
                           ? ::openat(mapFd, naam.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)
                           : -1;
        if (fd >= 0 ? ::fstat(fd, &st) != 0 : ::fstatat(mapFd, naam.c_str(), &st, 0) != 0) {
            if (fd >= 0)
                ::close(fd);
            continue;
        }
        if (!S_ISREG(st.st_mode)) {  // changed since the listing
            if (fd >= 0)
                ::close(fd);
            continue;
        }
        rij.tijd = st.st_mtim.tv_sec;
        if (fd >= 0) {
            LeesKlasVakDeelvak(fd, rij);
            ::close(fd);
        }
        rij.datum = DatumTijdTekst(rij.tijd);
        rij.pad = PadSamenvoegen(map, naam);
        rij.naam = std::move(naam);
        tabel.rijen.push_back(std::move(rij));
    }
    ::closedir(d);
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

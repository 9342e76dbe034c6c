#include "core/Bestand.h"

#include "core/Fout.h"
#include "core/Pad.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void SysteemFout(int fout, const std::string& pad)
{
    int code = FoutToegang;
    if (fout == ENOENT)
        code = FoutBestandNietGevonden;
    else if (fout == ENOTDIR)
        code = FoutPadNietGevonden;
    throw Bestandsfout(code, Systeemfouttekst(fout) + ": " + pad);
}

[[noreturn]] void VerkeerdBestand(const std::string& pad)
{
    throw Foutbij(FoutVerkeerdBestand, pad);
}

// The file a save of `pad` must replace: a symbolic link in the last step is
// followed (a link to a link too), so that the link itself stays.
std::string Doel(const std::string& pad)
{
    std::string doel = pad;
    for (int stap = 0;; ++stap) {
        struct stat st {};
        if (::lstat(doel.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return doel;
        if (stap == 40)
            SysteemFout(ELOOP, pad);
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(doel.c_str(), buf, sizeof buf);
        if (n < 0 || static_cast<std::size_t>(n) >= sizeof buf)
            SysteemFout(n < 0 ? errno : ENAMETOOLONG, pad);
        const std::string naar(buf, static_cast<std::size_t>(n));
        doel = naar.front() == '/' ? naar : PadSamenvoegen(MapVan(doel), naar);
    }
}

// Closes a descriptor when it goes out of scope, unless it was closed already.
class Descriptor {
public:
    Descriptor(Bestandssysteem& systeem, int fd) : systeem_(systeem), fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            systeem_.close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }
    // The close's own result: a write that could not be completed may show only here.
    int sluit()
    {
        const int r = systeem_.close(fd_);
        fd_ = -1;
        return r;
    }

private:
    Bestandssysteem& systeem_;
    int fd_;
};

// The save lock of a folder, held while the object lives (see
// SchrijfBestandVeilig). Polled rather than waited for in the call, so that
// the wait has a bound; the pauses stay short, so that a save that ends is
// soon followed by the waiting one.
class Mapslot {
public:
    Mapslot(Bestandssysteem& systeem, const std::string& map, const std::string& pad)
        : map_(systeem, systeem.open(map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0))
    {
        if (map_.fd() < 0) {
            if (errno == EACCES)
                return;  // a folder one may write but not read: no lock to take
            SysteemFout(errno, pad);
        }
        useconds_t gewacht = 0, pauze = 500;
        while (systeem.flock(map_.fd(), LOCK_EX | LOCK_NB) != 0) {
            if (errno == EINTR)
                continue;
            if (errno != EWOULDBLOCK)
                return;  // a folder that cannot be locked (NFS gives EBADF, ENOLCK)
            if (gewacht >= MaxSlotwachttijd)
                SysteemFout(EWOULDBLOCK, pad);
            systeem.usleep(pauze);
            gewacht += pauze;
            pauze = std::min<useconds_t>(2 * pauze, 5000);
        }
    }

private:
    Descriptor map_;  // closing it gives the lock back
};

// A save that failed: its temporary file goes, and nothing stays open.
[[noreturn]] void OpslaanMislukt(int fout, const std::string& pad, Bestandssysteem& systeem, Descriptor& bestand,
                                 const std::string& tijdelijk)
{
    if (bestand.fd() >= 0)
        bestand.sluit();
    systeem.unlink(tijdelijk.c_str());
    SysteemFout(fout, pad);
}

}  // namespace

int Bestandssysteem::open(const char* pad, int vlaggen, mode_t modus) { return ::open(pad, vlaggen, modus); }
ssize_t Bestandssysteem::write(int fd, const void* data, std::size_t n) { return ::write(fd, data, n); }
int Bestandssysteem::fsync(int fd) { return ::fsync(fd); }
int Bestandssysteem::close(int fd) { return ::close(fd); }
int Bestandssysteem::rename(const char* van, const char* naar) { return std::rename(van, naar); }
int Bestandssysteem::unlink(const char* pad) { return ::unlink(pad); }
int Bestandssysteem::flock(int fd, int bewerking) { return ::flock(fd, bewerking); }
int Bestandssysteem::usleep(useconds_t microseconden) { return ::usleep(microseconden); }

std::string TijdelijkeNaam(const std::string& naam)
{
    std::uint64_t h = 14695981039346656037ull;  // FNV-1a
    for (unsigned char c : naam)
        h = (h ^ c) * 1099511628211ull;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return std::string(".morvaldiek-") + hex + ".tmp";
}

void SchrijfBestandVeilig(const std::string& pad, const std::string& inhoud)
{
    Bestandssysteem systeem;
    SchrijfBestandVeilig(pad, inhoud, systeem);
}

void SchrijfBestandVeilig(const std::string& pad, const std::string& inhoud, Bestandssysteem& systeem)
{
    const std::string doel = Doel(pad);

    // A file the user may not write is refused as a truncating write would
    // refuse it; the rename alone would replace it anyway. An existing file
    // keeps its permissions; a new one gets the usual ones.
    struct stat st {};
    const bool bestaat = ::stat(doel.c_str(), &st) == 0;
    if (bestaat && !S_ISDIR(st.st_mode) && ::faccessat(AT_FDCWD, doel.c_str(), W_OK, AT_EACCESS) != 0)
        SysteemFout(errno, pad);
    const mode_t modus = bestaat ? (st.st_mode & 07777) : 0644;

    // One temporary name per target. Under the folder's lock a temporary file
    // found is what a killed save left: it is removed here.
    const std::string map = MapVan(doel);
    const Mapslot slot(systeem, map, pad);
    const std::string tijdelijk = PadSamenvoegen(map, TijdelijkeNaam(Bestandsdeel(doel)));
    constexpr int vlaggen = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
    int fd = systeem.open(tijdelijk.c_str(), vlaggen, 0600);
    if (fd < 0 && errno == EEXIST && (systeem.unlink(tijdelijk.c_str()) == 0 || errno == ENOENT))
        fd = systeem.open(tijdelijk.c_str(), vlaggen, 0600);
    if (fd < 0)
        SysteemFout(errno, pad);
    Descriptor bestand(systeem, fd);

    const char* p = inhoud.data();
    std::size_t rest = inhoud.size();
    while (rest > 0) {
        const ssize_t n = systeem.write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            OpslaanMislukt(errno, pad, systeem, bestand, tijdelijk);
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    ::fchmod(fd, modus);
    if (systeem.fsync(fd) != 0)
        OpslaanMislukt(errno, pad, systeem, bestand, tijdelijk);
    if (bestand.sluit() != 0)
        OpslaanMislukt(errno, pad, systeem, bestand, tijdelijk);
    if (systeem.rename(tijdelijk.c_str(), doel.c_str()) != 0)
        OpslaanMislukt(errno, pad, systeem, bestand, tijdelijk);
}

std::string LeesInhoud(const std::string& pad)
{
    Bestandssysteem systeem;
    const int fd = ::open(pad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        SysteemFout(errno, pad);
    Descriptor bestand(systeem, fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        SysteemFout(errno, pad);
    if (S_ISDIR(st.st_mode))
        SysteemFout(EISDIR, pad);
    if (S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) > MaxBestandsgrootte)
        VerkeerdBestand(pad);

    try {
        // Never more than the bound, also when the file grows while it is read.
        const auto verwacht = std::min(static_cast<std::size_t>(S_ISREG(st.st_mode) ? st.st_size : 0),
                                       MaxBestandsgrootte);
        std::string inhoud(verwacht + 1, '\0');
        std::size_t gelezen = 0;
        while (true) {
            if (gelezen == inhoud.size()) {
                if (inhoud.size() > MaxBestandsgrootte)
                    break;
                inhoud.resize(std::min(2 * inhoud.size() + 4096, MaxBestandsgrootte + 1));
            }
            const ssize_t n = ::read(fd, inhoud.data() + gelezen, inhoud.size() - gelezen);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                SysteemFout(errno, pad);
            }
            if (n == 0)
                break;
            gelezen += static_cast<std::size_t>(n);
        }
        if (gelezen > MaxBestandsgrootte)
            VerkeerdBestand(pad);
        inhoud.resize(gelezen);
        return inhoud;
    } catch (const std::bad_alloc&) {
        throw Foutbij(FoutGeenGeheugen, pad);
    }
}

namespace {

// Hands each line of the text to `regel`, as RegelsVan describes them;
// raises error 54 at the first line over maxRegel or (unless the caller
// looked for them already) with a NUL byte.
template <bool nulZoeken, class Regel>
void Splits(std::string_view inhoud, const std::string& pad, std::size_t maxRegel, Regel regel)
{
    const char* const begin = inhoud.data();
    const char* const eind = begin + inhoud.size();
    for (const char* p = begin; p < eind;) {
        const auto* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(eind - p)));
        const char* regeleind = nl ? nl : eind;  // a last line without its line end still counts
        std::size_t lengte = static_cast<std::size_t>(regeleind - p);
        if (lengte > 0 && regeleind[-1] == '\r')
            --lengte;
        const std::string_view r(p, lengte);
        if (lengte > maxRegel || (nulZoeken && r.find('\0') != std::string_view::npos))
            VerkeerdBestand(pad);
        regel(r);
        p = nl ? nl + 1 : eind;
    }
}

}  // namespace

void RegelsVan(std::string_view inhoud, std::vector<Regelplaats>& regels, const std::string& pad,
               std::size_t maxRegel)
{
    // A NUL byte makes no line of it: looked for once, before the lines.
    if (inhoud.size() > MaxBestandsgrootte || std::memchr(inhoud.data(), '\0', inhoud.size()))
        VerkeerdBestand(pad);
    try {
        regels.reserve(regels.size() + inhoud.size() / 20 + 1);
        Splits<false>(inhoud, pad, maxRegel, [&](std::string_view r) {
            regels.push_back({static_cast<std::uint32_t>(r.data() - inhoud.data()), static_cast<std::uint32_t>(r.size())});
        });
    } catch (const std::bad_alloc&) {
        throw Foutbij(FoutGeenGeheugen, pad);
    }
}

void LeesRegels(const std::string& pad, std::vector<std::string>& regels, std::size_t maxRegel)
{
    const std::string inhoud = LeesInhoud(pad);
    try {
        // A NUL byte is found at its line, so the lines before it are there.
        Splits<true>(inhoud, pad, maxRegel, [&](std::string_view r) { regels.emplace_back(r); });
    } catch (const std::bad_alloc&) {
        throw Foutbij(FoutGeenGeheugen, pad);
    }
}

std::vector<std::string> LeesRegels(const std::string& pad, std::size_t maxRegel)
{
    std::vector<std::string> regels;
    LeesRegels(pad, regels, maxRegel);
    return regels;
}

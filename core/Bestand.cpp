#include "core/Bestand.h"

#include "core/Fout.h"
#include "core/Pad.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <new>
#include <string_view>
#include <sys/file.h>
#include <sys/random.h>
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

// While it lives after Begin, the save waits for its folder's lock: the
// wait's end is told on every way out, also when the save gives up.
class Slotwacht {
public:
    explicit Slotwacht(Bestandssysteem& systeem) : systeem_(systeem) {}
    ~Slotwacht()
    {
        if (begonnen_)
            systeem_.slotwacht(false);
    }
    Slotwacht(const Slotwacht&) = delete;
    Slotwacht& operator=(const Slotwacht&) = delete;
    void Begin()
    {
        if (!begonnen_)
            systeem_.slotwacht(true);
        begonnen_ = true;
    }

private:
    Bestandssysteem& systeem_;
    bool begonnen_ = false;
};

// The save lock of a folder, held while the object lives (see
// SchrijfBestandVeilig). Polled rather than waited for in the call, so that
// the wait has a bound; the pauses stay short, so that a save that ends is
// soon followed by the waiting one. The folder stays open also when it
// cannot be locked, so that it can be synced after the rename.
class Mapslot {
public:
    Mapslot(Bestandssysteem& systeem, const std::string& map, const std::string& pad, useconds_t maxWacht)
        : map_(systeem, systeem.open(map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0))
    {
        if (map_.fd() < 0) {
            if (errno == EACCES)
                return;  // a folder one may write but not read: no lock to take
            SysteemFout(errno, pad);
        }
        Slotwacht wacht(systeem);
        useconds_t gewacht = 0, pauze = 500;
        while (systeem.flock(map_.fd(), LOCK_EX | LOCK_NB) != 0) {
            if (errno == EINTR)
                continue;
            if (errno != EWOULDBLOCK)
                return;  // a folder that cannot be locked (NFS gives EBADF, ENOLCK)
            if (gewacht >= maxWacht)
                throw Foutbij(FoutMapBezet, pad);
            wacht.Begin();
            systeem.usleep(pauze);
            gewacht += pauze;
            pauze = std::min<useconds_t>(2 * pauze, 5000);
        }
        vast_ = true;
    }

    // Whether this save holds the folder's lock.
    bool vast() const { return vast_; }
    // The open folder; -1 when it could not be opened.
    int fd() const { return map_.fd(); }

private:
    Descriptor map_;  // closing it gives the lock back
    bool vast_ = false;
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

// Eight bytes no other save will draw too: from the system's random source,
// or else from the process, the clock and the attempt.
std::uint64_t Uniek(int poging)
{
    std::uint64_t r = 0;
    if (::getrandom(&r, sizeof r, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof r))
        return r;
    timespec t {};
    ::clock_gettime(CLOCK_REALTIME, &t);
    r = (static_cast<std::uint64_t>(::getpid()) << 32) ^ static_cast<std::uint64_t>(t.tv_sec) * 1000000007u ^
        static_cast<std::uint64_t>(t.tv_nsec) ^ (static_cast<std::uint64_t>(poging) << 48);
    r = (r ^ (r >> 30)) * 0xbf58476d1ce4e5b9ull;  // splitmix64's finish
    r = (r ^ (r >> 27)) * 0x94d049bb133111ebull;
    return r ^ (r >> 31);
}

// The temporary file of a save without the folder's lock, for the file
// called `naam`: TijdelijkeNaam's stem with a part of this save's own, so
// never a name a save under the lock uses, and as short.
std::string EigenTijdelijkeNaam(const std::string& naam, int poging)
{
    const std::string gedeeld = TijdelijkeNaam(naam);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(Uniek(poging)));
    return gedeeld.substr(0, gedeeld.size() - 4) + "-" + hex + ".tmp";
}

// Makes the temporary file and gives its descriptor, or raises the error.
int TijdelijkBestand(Bestandssysteem& systeem, const std::string& pad, const std::string& map,
                     const std::string& naam, bool vast, mode_t modus, std::string& tijdelijk)
{
    constexpr int vlaggen = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
    if (vast) {
        // Only saves under the lock use this name: one found is what a killed save left.
        tijdelijk = PadSamenvoegen(map, TijdelijkeNaam(naam));
        int fd = systeem.open(tijdelijk.c_str(), vlaggen, modus);
        if (fd < 0 && errno == EEXIST && (systeem.unlink(tijdelijk.c_str()) == 0 || errno == ENOENT))
            fd = systeem.open(tijdelijk.c_str(), vlaggen, modus);
        if (fd < 0)
            SysteemFout(errno, pad);
        return fd;
    }
    // Without the lock another save may be at work beside this one: a file
    // of this save's own, and one that exists is another's and left alone.
    for (int poging = 0; poging < 100; ++poging) {
        tijdelijk = PadSamenvoegen(map, EigenTijdelijkeNaam(naam, poging));
        const int fd = systeem.open(tijdelijk.c_str(), vlaggen, modus);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            break;
    }
    SysteemFout(errno, pad);
}

}  // namespace

int Bestandssysteem::open(const char* pad, int vlaggen, mode_t modus) { return ::open(pad, vlaggen, modus); }
ssize_t Bestandssysteem::write(int fd, const void* data, std::size_t n) { return ::write(fd, data, n); }
int Bestandssysteem::fchmod(int fd, mode_t modus) { return ::fchmod(fd, modus); }
int Bestandssysteem::fsync(int fd) { return ::fsync(fd); }
int Bestandssysteem::close(int fd) { return ::close(fd); }
int Bestandssysteem::rename(const char* van, const char* naar) { return std::rename(van, naar); }
int Bestandssysteem::unlink(const char* pad) { return ::unlink(pad); }
int Bestandssysteem::flock(int fd, int bewerking) { return ::flock(fd, bewerking); }
int Bestandssysteem::usleep(useconds_t microseconden) { return ::usleep(microseconden); }
void Bestandssysteem::slotwacht(bool) {}

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

void SchrijfBestandVeilig(const std::string& pad, const std::string& inhoud, Bestandssysteem& systeem,
                          useconds_t maxWacht)
{
    const std::string doel = Doel(pad);

    // A file the user may not write is refused as a truncating write would
    // refuse it; the rename alone would replace it anyway.
    struct stat st {};
    const bool bestaat = ::stat(doel.c_str(), &st) == 0;
    if (bestaat && !S_ISDIR(st.st_mode) && ::faccessat(AT_FDCWD, doel.c_str(), W_OK, AT_EACCESS) != 0)
        SysteemFout(errno, pad);

    const std::string map = MapVan(doel);
    const Mapslot slot(systeem, map, pad, maxWacht);
    // A new file is made with the usual permissions. An existing file's are
    // copied to the new one, private until then; a copy that fails fails the
    // save, so that a shared file never comes back closed to the others.
    std::string tijdelijk;
    const int fd =
        TijdelijkBestand(systeem, pad, map, Bestandsdeel(doel), slot.vast(), bestaat ? 0600 : 0644, tijdelijk);
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
        // Nothing written with bytes left: some network and user-space file
        // systems answer so, and asking again would never end.
        if (n == 0)
            OpslaanMislukt(EIO, pad, systeem, bestand, tijdelijk);
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    if (bestaat && systeem.fchmod(fd, st.st_mode & 07777) != 0)
        OpslaanMislukt(errno, pad, systeem, bestand, tijdelijk);
    if (systeem.fsync(fd) != 0)
        OpslaanMislukt(errno, pad, systeem, bestand, tijdelijk);
    if (bestand.sluit() != 0)
        OpslaanMislukt(errno, pad, systeem, bestand, tijdelijk);
    if (systeem.rename(tijdelijk.c_str(), doel.c_str()) != 0)
        OpslaanMislukt(errno, pad, systeem, bestand, tijdelijk);

    // The rename is in the folder: only a synced folder keeps it through a
    // power cut. A file system that syncs no folder (EINVAL) or cannot be
    // written to there (EROFS, EBADF) has nothing to keep; the bytes are in
    // place either way, but an I/O error says the save may not last.
    if (slot.fd() >= 0 && systeem.fsync(slot.fd()) != 0 && errno != EINVAL && errno != EROFS && errno != EBADF)
        SysteemFout(errno, pad);
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

// 1 for a control byte inside a line: neither the LF of a line end nor the CR
// just before it, nor a NUL. Branch-free, so that a loop over it runs many
// bytes at a time.
inline unsigned char BinnenRegel(unsigned char b, unsigned char volgende)
{
    const bool stuur = (b < 0x20) | (b == 0x7F);
    const bool eind = (b == '\n') | (b == '\0') | ((b == '\r') & (volgende == '\n'));
    return static_cast<unsigned char>(stuur & !eind);
}

}  // namespace

void StuurtekensInRegelsBlanco(std::string& inhoud)
{
    auto* const t = reinterpret_cast<unsigned char*>(inhoud.data());
    const std::size_t n = inhoud.size();
    // Looked for in blocks of a fixed length, which the compiler reads many
    // bytes at a time: a file that holds none (nearly every one) costs a
    // fraction of its reading. The byte after a block is there to look at.
    constexpr std::size_t Blok = 64;
    std::size_t i = 0;
    for (; i + Blok < n; i += Blok) {
        unsigned char gevonden = 0;
        for (std::size_t k = 0; k < Blok; ++k)
            gevonden |= BinnenRegel(t[i + k], t[i + k + 1]);
        if (gevonden)
            for (std::size_t k = 0; k < Blok; ++k)
                if (BinnenRegel(t[i + k], t[i + k + 1]))
                    t[i + k] = ' ';
    }
    for (; i < n; ++i)  // a CR at the very end ends the last line
        if (BinnenRegel(t[i], i + 1 < n ? t[i + 1] : '\n'))
            t[i] = ' ';
}

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

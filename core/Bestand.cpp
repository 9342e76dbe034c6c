#include "core/Bestand.h"

#include "core/Fout.h"
#include "core/Pad.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
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
    // Takes over an open descriptor, to close it in its turn.
    void neem(int fd) { fd_ = fd; }
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

// A save that failed: its temporary file goes (an unnamed one has no name
// yet), and nothing stays open.
[[noreturn]] void OpslaanMislukt(int fout, const std::string& pad, Bestandssysteem& systeem, Descriptor& bestand,
                                 const std::string& tijdelijk)
{
    // Its name goes first: once closed, its lock no longer tells that the
    // name is still this save's.
    if (!tijdelijk.empty())
        systeem.unlink(tijdelijk.c_str());
    if (bestand.fd() >= 0)
        bestand.sluit();
    SysteemFout(fout, pad);
}

// Writes the bytes into the temporary file, gives it the permissions of the
// file it replaces (`bestaand`, if any) and syncs it: 0, or the errno of the
// call that failed.
int Vul(Bestandssysteem& systeem, int fd, const std::string& inhoud, const struct stat* bestaand)
{
    const char* p = inhoud.data();
    std::size_t rest = inhoud.size();
    while (rest > 0) {
        const ssize_t n = systeem.write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        // Nothing written with bytes left: some network and user-space file
        // systems answer so, and asking again would never end.
        if (n == 0)
            return EIO;
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    if (bestaand && systeem.fchmod(fd, bestaand->st_mode & 07777) != 0)
        return errno;
    if (systeem.fsync(fd) != 0)
        return errno;
    return 0;
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

std::uint64_t Fnv1a(std::string_view tekst)
{
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : tekst)
        h = (h ^ c) * 1099511628211ull;
    return h;
}

std::string Hex(std::uint64_t getal)
{
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(getal));
    return hex;
}

// The temporary file of a save without the folder's lock, for the file
// called `naam`: TijdelijkeNaam's stem with a part of this save's own, so
// never a name a save under the lock uses. With this process's mark where
// /proc tells it, so that a later save can remove it once the process is
// gone; without, a file this save leaves stays.
std::string EigenTijdelijkeNaam(const std::string& naam, const Procesmerk* merk, int poging)
{
    if (merk)
        return TijdelijkeNaam(naam, *merk, Uniek(poging));
    const std::string gedeeld = TijdelijkeNaam(naam);
    return gedeeld.substr(0, gedeeld.size() - 4) + "-" + Hex(Uniek(poging)) + ".tmp";
}

// The start of process `proces` ("self" or its id), field 22 of its stat in
// /proc; false when that cannot be read.
bool Starttijd(Bestandssysteem& systeem, const std::string& proces, unsigned long long& start)
{
    std::string stat;
    if (systeem.leesbestand(("/proc/" + proces + "/stat").c_str(), stat) != 0)
        return false;
    // The second field, the program's name in brackets, may hold blanks and
    // brackets itself: the fields from the third on follow its last bracket.
    const auto haak = stat.rfind(')');
    if (haak == std::string::npos)
        return false;
    std::string_view rest = std::string_view(stat).substr(haak + 1);
    for (int veld = 3;; ++veld) {
        const auto begin = rest.find_first_not_of(' ');
        if (begin == std::string_view::npos)
            return false;
        rest.remove_prefix(begin);
        const auto eind = std::min(rest.find_first_of(" \n"), rest.size());
        if (veld == 22) {
            const auto r = std::from_chars(rest.data(), rest.data() + eind, start);
            return r.ec == std::errc() && r.ptr == rest.data() + eind;
        }
        rest.remove_prefix(eind);
    }
}

bool IsHex16(std::string_view deel)
{
    return deel.size() == 16 && deel.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

template <class Getal>
bool IsGetal(std::string_view deel, Getal& getal)
{
    if (deel.empty() || deel.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    const auto r = std::from_chars(deel.data(), deel.data() + deel.size(), getal);
    return r.ec == std::errc() && r.ptr == deel.data() + deel.size();
}

// The mark in the name of a temporary file of a save without the folder's
// lock (see TijdelijkeNaam); false for any other name.
bool MerkVan(std::string_view naam, Procesmerk& merk)
{
    constexpr std::string_view begin = ".morvaldiek-", eind = ".tmp";
    if (!naam.starts_with(begin) || !naam.ends_with(eind))
        return false;
    naam = naam.substr(begin.size(), naam.size() - begin.size() - eind.size());
    std::string_view delen[5];
    for (int i = 0; i < 5; ++i) {
        const auto streep = naam.find('-');
        if ((streep == std::string_view::npos) != (i == 4))
            return false;
        delen[i] = naam.substr(0, streep);
        naam = streep == std::string_view::npos ? std::string_view() : naam.substr(streep + 1);
    }
    int pid = 0;
    if (!IsHex16(delen[0]) || !IsHex16(delen[1]) || !IsGetal(delen[2], pid) || pid <= 0 ||
        !IsGetal(delen[3], merk.start) || !IsHex16(delen[4]))
        return false;
    merk.ruimte = delen[1];
    merk.pid = pid;
    return true;
}

// Whether the process of a mark of this running system may still live. Gone
// when no process has its id, or the one that has it started at another
// moment; a process whose start cannot be read (another user's, where /proc
// hides them) lives while it has the id.
bool Leeft(Bestandssysteem& systeem, const Procesmerk& merk)
{
    unsigned long long start = 0;
    if (Starttijd(systeem, std::to_string(merk.pid), start))
        return start == merk.start;
    return systeem.kill(merk.pid, 0) == 0 || errno != ESRCH;
}

// How many saves without the lock may stand between naming their unnamed
// file and its rename at once, each under a name of its own (Wachtnaam).
constexpr int Wachtplaatsen = 4;

// Name k (1..Wachtplaatsen) an unnamed file of a save without the lock of
// the file called `naam` gets just before its rename. Few and known from the
// target's name alone, so that the next save finds one a killed save left
// also in a folder it cannot list: the file's own lock, held by its save from
// before it had a name until after the rename, tells whether that save lives.
std::string Wachtnaam(const std::string& naam, int k)
{
    const std::string gedeeld = TijdelijkeNaam(naam);
    return gedeeld.substr(0, gedeeld.size() - 4) + "-" + std::to_string(k) + ".tmp";
}

bool IsWachtnaam(std::string_view naam)
{
    constexpr std::string_view begin = ".morvaldiek-", eind = ".tmp";
    if (!naam.starts_with(begin) || !naam.ends_with(eind))
        return false;
    naam = naam.substr(begin.size(), naam.size() - begin.size() - eind.size());
    int k = 0;
    return naam.size() > 17 && naam[16] == '-' && IsHex16(naam.substr(0, 16)) && IsGetal(naam.substr(17), k) &&
           k >= 1 && k <= Wachtplaatsen;
}

// Removes the file of a Wachtnaam when the save that named it is gone: no
// one holds its lock and the name is still that file's. One that cannot be
// opened (another user's), locked (no locks there) or looked at is left.
void VerlatenVerwijderen(Bestandssysteem& systeem, const std::string& pad)
{
    const int fd = ::open(pad.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat open {}, genoemd {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &open) == 0 && S_ISREG(open.st_mode) &&
        ::lstat(pad.c_str(), &genoemd) == 0 && genoemd.st_dev == open.st_dev && genoemd.st_ino == open.st_ino)
        systeem.unlink(pad.c_str());
    ::close(fd);
}

// Removes from the folder what killed saves without the lock left: each
// file of a Wachtnaam whose save is gone, and each temporary file of a save
// whose process belonged to this running system (`eigen`) and is gone. Not
// in a folder that cannot be listed; a file another save removed meanwhile
// is no error.
void RuimOp(Bestandssysteem& systeem, const std::string& map, const Procesmerk* eigen)
{
    std::vector<std::string> namen;
    if (systeem.leesmap(map.c_str(), namen) != 0)
        return;
    for (const std::string& naam : namen) {
        Procesmerk merk;
        if (IsWachtnaam(naam))
            VerlatenVerwijderen(systeem, PadSamenvoegen(map, naam));
        else if (eigen && MerkVan(naam, merk) && merk.ruimte == eigen->ruimte && !Leeft(systeem, merk))
            systeem.unlink(PadSamenvoegen(map, naam).c_str());
    }
}

// Without the folder's lock, where the file system makes them: the bytes go
// into an unnamed file in the folder, which gets its name only after it is
// synced, just before the rename, so that a save killed before leaves
// nothing. It is named by a Wachtnaam, locked from before that until after
// the rename through `slot` (a second descriptor of it), so that a save
// killed in between leaves a file the next save removes; where it cannot be
// locked, or every Wachtnaam is a living save's, by a name of its own.
// False, with nothing left, where the file system makes no such file or it
// cannot be named (no /proc, and no right to name it by its descriptor): the
// save then writes a named file. Else the file is closed, `slot` holds it
// under `tijdelijk`, or the save fails with nothing of it left.
bool NaamloosGeschreven(Bestandssysteem& systeem, const std::string& pad, const std::string& map,
                        const std::string& naam, const Procesmerk* merk, const std::string& inhoud,
                        const struct stat* bestaand, mode_t modus, Descriptor& slot, std::string& tijdelijk)
{
    const int fd = systeem.open(map.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, modus);
    if (fd < 0) {
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            return false;  // NFS, FAT, CIFS; a kernel without unnamed files
        SysteemFout(errno, pad);
    }
    Descriptor bestand(systeem, fd);
    tijdelijk.clear();
    if (const int fout = Vul(systeem, fd, inhoud, bestaand))
        OpslaanMislukt(fout, pad, systeem, bestand, tijdelijk);
    // The lock goes with the open file, which the second descriptor keeps
    // open past the close: the close's own result still fails the save
    // before the file has a name.
    slot.neem(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
    const bool vergrendeld = slot.fd() >= 0 && systeem.flock(slot.fd(), LOCK_EX | LOCK_NB) == 0;
    if (bestand.sluit() != 0)
        OpslaanMislukt(errno, pad, systeem, bestand, tijdelijk);
    if (slot.fd() < 0)
        return false;

    char proc[32];
    std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", slot.fd());
    const auto noem = [&](const std::string& kandidaat) {
        int r = systeem.linkat(AT_FDCWD, proc, AT_FDCWD, kandidaat.c_str(), AT_SYMLINK_FOLLOW);
        if (r != 0 && errno == ENOENT)  // no /proc
            r = systeem.linkat(slot.fd(), "", AT_FDCWD, kandidaat.c_str(), AT_EMPTY_PATH);
        return r;
    };
    const int wachtplaatsen = vergrendeld ? Wachtplaatsen : 0;
    for (int poging = 0; tijdelijk.empty(); ++poging) {
        const std::string kandidaat = PadSamenvoegen(
            map, poging < wachtplaatsen ? Wachtnaam(naam, poging + 1)
                                        : EigenTijdelijkeNaam(naam, merk, poging - wachtplaatsen));
        if (poging < wachtplaatsen)
            VerlatenVerwijderen(systeem, kandidaat);
        if (noem(kandidaat) == 0)
            tijdelijk = kandidaat;
        else if (errno == ENOENT)
            return false;  // no way to name it
        else if (errno != EEXIST || poging == wachtplaatsen + 99)  // a name that exists is another save's
            OpslaanMislukt(errno, pad, systeem, slot, tijdelijk);
    }
    return true;
}

// Makes the named temporary file and gives its descriptor, or raises the
// error.
int TijdelijkBestand(Bestandssysteem& systeem, const std::string& pad, const std::string& map,
                     const std::string& naam, bool vast, const Procesmerk* merk, mode_t modus,
                     std::string& tijdelijk)
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
        tijdelijk = PadSamenvoegen(map, EigenTijdelijkeNaam(naam, merk, poging));
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
int Bestandssysteem::linkat(int vanMap, const char* van, int naarMap, const char* naar, int vlaggen)
{
    return ::linkat(vanMap, van, naarMap, naar, vlaggen);
}
int Bestandssysteem::kill(pid_t pid, int signaal) { return ::kill(pid, signaal); }
ssize_t Bestandssysteem::readlink(const char* pad, char* buf, std::size_t n) { return ::readlink(pad, buf, n); }
int Bestandssysteem::usleep(useconds_t microseconden) { return ::usleep(microseconden); }

int Bestandssysteem::leesmap(const char* map, std::vector<std::string>& namen)
{
    DIR* d = ::opendir(map);
    if (!d)
        return -1;
    int r = 0;
    while (true) {
        errno = 0;
        const dirent* e = ::readdir(d);
        if (!e) {
            r = errno ? -1 : 0;
            break;
        }
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            namen.emplace_back(e->d_name);
    }
    const int fout = errno;
    ::closedir(d);
    errno = fout;
    return r;
}

int Bestandssysteem::leesbestand(const char* pad, std::string& inhoud)
{
    const int fd = ::open(pad, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    inhoud.clear();
    char buf[4096];
    int r = 0;
    while (inhoud.size() < 65536) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            r = n < 0 ? -1 : 0;
            break;
        }
        inhoud.append(buf, static_cast<std::size_t>(n));
    }
    const int fout = errno;
    ::close(fd);
    errno = fout;
    return r;
}
void Bestandssysteem::slotwacht(bool) {}

std::string TijdelijkeNaam(const std::string& naam) { return ".morvaldiek-" + Hex(Fnv1a(naam)) + ".tmp"; }

std::string TijdelijkeNaam(const std::string& naam, const Procesmerk& merk, std::uint64_t uniek)
{
    const std::string gedeeld = TijdelijkeNaam(naam);
    return gedeeld.substr(0, gedeeld.size() - 4) + "-" + merk.ruimte + "-" + std::to_string(merk.pid) + "-" +
           std::to_string(merk.start) + "-" + Hex(uniek) + ".tmp";
}

bool EigenProcesmerk(Bestandssysteem& systeem, Procesmerk& merk)
{
    // Process ids and starts mean the same only to processes of one boot,
    // one process namespace and one time namespace (which shifts the
    // starts); a kernel without time namespaces has one.
    std::string ruimte;
    if (systeem.leesbestand("/proc/sys/kernel/random/boot_id", ruimte) != 0 || ruimte.empty())
        return false;
    char buf[64];
    const ssize_t pid = systeem.readlink("/proc/self/ns/pid", buf, sizeof buf);
    if (pid < 0)
        return false;
    ruimte.append("\n").append(buf, static_cast<std::size_t>(pid));
    const ssize_t tijd = systeem.readlink("/proc/self/ns/time", buf, sizeof buf);
    if (tijd < 0 && errno != ENOENT)
        return false;
    if (tijd > 0)
        ruimte.append("\n").append(buf, static_cast<std::size_t>(tijd));
    if (!Starttijd(systeem, "self", merk.start))
        return false;
    merk.ruimte = Hex(Fnv1a(ruimte));
    merk.pid = ::getpid();
    return true;
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
    Procesmerk eigen;
    const Procesmerk* merk = EigenProcesmerk(systeem, eigen) ? &eigen : nullptr;
    RuimOp(systeem, map, merk);

    // A new file is made with the usual permissions. An existing file's are
    // copied to the new one, private until then; a copy that fails fails the
    // save, so that a shared file never comes back closed to the others.
    const std::string naam = Bestandsdeel(doel);
    const struct stat* bestaand = bestaat ? &st : nullptr;
    const mode_t modus = bestaat ? 0600 : 0644;
    std::string tijdelijk;
    Descriptor naamloos(systeem, -1);  // an unnamed file's lock, held past its rename
    if (slot.vast() ||
        !NaamloosGeschreven(systeem, pad, map, naam, merk, inhoud, bestaand, modus, naamloos, tijdelijk)) {
        if (naamloos.fd() >= 0)
            naamloos.sluit();
        const int fd = TijdelijkBestand(systeem, pad, map, naam, slot.vast(), merk, modus, tijdelijk);
        Descriptor bestand(systeem, fd);
        if (const int fout = Vul(systeem, fd, inhoud, bestaand))
            OpslaanMislukt(fout, pad, systeem, bestand, tijdelijk);
        if (bestand.sluit() != 0)
            OpslaanMislukt(errno, pad, systeem, bestand, tijdelijk);
    }
    if (systeem.rename(tijdelijk.c_str(), doel.c_str()) != 0)
        OpslaanMislukt(errno, pad, systeem, naamloos, tijdelijk);
    if (naamloos.fd() >= 0)
        naamloos.sluit();  // only read from: nothing to lose at its close

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

#include "core/Bestand.h"

#include "core/Fout.h"
#include "core/Pad.h"
#include "core/Toegangslijst.h"

#include <algorithm>
#include <array>
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
#include <grp.h>
#include <mutex>
#include <new>
#include <optional>
#include <pwd.h>
#include <string_view>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
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
// followed (a link to a link too), so that the link itself stays. `bestaat`
// tells whether it exists, `st` what it is.
std::string Doel(const std::string& pad, struct stat& st, bool& bestaat)
{
    std::string doel = pad;
    for (int stap = 0;; ++stap) {
        bestaat = ::lstat(doel.c_str(), &st) == 0;
        if (!bestaat || !S_ISLNK(st.st_mode))
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

    // The open folder; -1 where it may not be read (nor listed).
    int fd() const { return map_.fd(); }
    // Whether this save holds the folder's lock.
    bool vast() const { return vast_; }

private:
    Descriptor map_;  // closing it gives the lock back
    bool vast_ = false;
};

std::uint64_t Fnv1a(std::string_view tekst)
{
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : tekst)
        h = (h ^ c) * 1099511628211ull;
    return h;
}

std::uint64_t Meng(std::uint64_t r)  // splitmix64's finish
{
    r = (r ^ (r >> 30)) * 0xbf58476d1ce4e5b9ull;
    r = (r ^ (r >> 27)) * 0x94d049bb133111ebull;
    return r ^ (r >> 31);
}

std::string Hex(std::uint64_t getal)
{
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(getal));
    return hex;
}

// What every temporary name of a save of the file called `naam` begins with.
std::string Stam(const std::string& naam) { return ".morvaldiek-" + Hex(Fnv1a(naam)); }

// The start of process `proces` ("self" or its id), field 22 of its stat in
// /proc, and whether it has ended (a zombie, field 3); false when that cannot
// be read.
bool Starttijd(Bestandssysteem& systeem, const std::string& proces, unsigned long long& start,
               bool* geeindigd = nullptr)
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
        if (veld == 3 && geeindigd)
            *geeindigd = rest[0] == 'Z' || rest[0] == 'X';
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

constexpr std::string_view Begin = ".morvaldiek-", Eind = ".tmp";
constexpr std::size_t Stamlengte = Begin.size() + 16;  // see Stam

// Whether a name is one a save of this program (this version or an older
// one) gives a temporary file: its prefix, the 16 hex digits of its target,
// and nothing or a part of its own after a hyphen.
bool IsTijdelijk(std::string_view naam)
{
    if (!naam.starts_with(Begin) || !naam.ends_with(Eind) || naam.size() < Stamlengte + Eind.size())
        return false;
    naam = naam.substr(Begin.size(), naam.size() - Begin.size() - Eind.size());
    return IsHex16(naam.substr(0, 16)) && (naam.size() == 16 || (naam[16] == '-' && naam.size() > 17));
}

// The mark in the name of a save's temporary file (see TijdelijkeNaam);
// false for any other name.
bool MerkVan(std::string_view naam, Procesmerk& merk)
{
    if (!naam.starts_with(Begin) || !naam.ends_with(Eind))
        return false;
    naam = naam.substr(Begin.size(), naam.size() - Begin.size() - Eind.size());
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
// when no process has its id, the one that has it started at another moment,
// or it has ended and waits only to be reaped; a process whose start cannot
// be read (another user's, where /proc hides them) lives while it has the id.
bool Leeft(Bestandssysteem& systeem, const Procesmerk& merk)
{
    unsigned long long start = 0;
    bool geeindigd = false;
    if (Starttijd(systeem, std::to_string(merk.pid), start, &geeindigd))
        return start == merk.start && !geeindigd;
    return systeem.kill(merk.pid, 0) == 0 || errno != ESRCH;
}

// How long a temporary file may stand unchanged before it is taken for a
// killed save's whatever its name says: a save takes milliseconds.
constexpr time_t Levensduur = 3600;

// How many saves of one file may hold a claim at once (Claimnaam).
constexpr int Claimplaatsen = 4;

// The size of a folder whose entries fit in one block: listing more costs
// more than a claim (some 0.3 µs an entry), in a folder of a thousand files
// more than the save itself.
constexpr off_t Kleinemap = 4096;

// Name k (1..Claimplaatsen) of a claim: a symbolic link, made by a save
// before its temporary file and removed after its rename, that names that
// file (by its own part, see Claimtekst). Few and known from the target's
// name alone, so that the next save finds what a killed save left without
// listing the folder, which costs much in a large one and cannot be done in
// one the user may not read.
std::string Claimnaam(const std::string& naam, int k) { return Stam(naam) + "-" + std::to_string(k) + ".tmp"; }

// The grave of the claims of a file, `stam` its Stam: a symbolic link that
// says who holds it, as a claim says it. Where the saves of a machine do not
// take turns through the folder's lock, only the save that made it removes
// a claim whose save is gone, and only while it holds it: so no two saves
// remove one claim, and none removes a claim made at its name since another
// removed the gone one. A grave a killed save left goes as a claim does.
std::string Grafnaam(std::string_view stam) { return std::string(stam) + "-weg.tmp"; }

// How long a grave of another machine may stand before it is taken for a
// killed save's: a save holds it for a moment.
constexpr time_t Grafduur = 60;

bool IsGrafnaam(std::string_view naam)
{
    return IsTijdelijk(naam) && naam.substr(Stamlengte) == "-weg.tmp";
}

bool IsClaimnaam(std::string_view naam)
{
    if (!IsTijdelijk(naam))
        return false;
    const auto deel = naam.substr(Begin.size(), naam.size() - Begin.size() - Eind.size());
    int k = 0;
    return deel.size() > 17 && IsGetal(deel.substr(17), k) && k >= 1 && k <= Claimplaatsen;
}

// The temporary name of a save of the file called `naam` by a process of
// mark `merk` (nullptr: none known), `uniek` its own.
std::string EigenNaam(const std::string& naam, const Procesmerk* merk, std::uint64_t uniek)
{
    return merk ? TijdelijkeNaam(naam, *merk, uniek) : Stam(naam) + "-" + Hex(uniek) + ".tmp";
}

// What a claim says of the temporary file `bestand` it names: that file's
// name without its target's part, short, so that the link fits in its inode.
// A save's grave says the same of the file the save makes.
std::string Claimtekst(const std::string& bestand)
{
    return bestand.substr(Stamlengte + 1, bestand.size() - Stamlengte - 1 - Eind.size());
}

// The temporary file that claim `claim` names by `tekst`; empty where that
// is no temporary file of the claim's target.
std::string ClaimBestand(const std::string& claim, const std::string& tekst)
{
    if (tekst.find('/') != std::string::npos)
        return {};
    std::string bestand = claim.substr(0, Stamlengte) + "-" + tekst + std::string(Eind);
    return IsTijdelijk(bestand) && !IsClaimnaam(bestand) ? bestand : std::string();
}

// What the symbolic link at `pad` says (empty where it says nothing a claim
// or grave says); `link` false where it is no symbolic link.
std::string Linktekst(Bestandssysteem& systeem, const std::string& pad, bool& link)
{
    char buf[256];
    const ssize_t n = systeem.readlink(pad.c_str(), buf, sizeof buf);
    link = n >= 0 || errno != EINVAL;
    return n > 0 && static_cast<std::size_t>(n) < sizeof buf ? std::string(buf, static_cast<std::size_t>(n)) : "";
}

// A folder as a save of this process left it under the folder's lock.
struct Mapstand {
    dev_t dev = 0;
    ino_t ino = 0;
    timespec gewijzigd {};
};

// What the save knows of its own process, worked out once a process (a child
// made by fork works out its own): its mark, where /proc tells it, where the
// unique part of its temporary names comes from, and the last few folders
// it saved in under their lock as it left them.
struct Eigenproces {
    std::mutex slot;
    pid_t pid = 0;
    bool gemerkt = false;
    Procesmerk merk;
    std::uint64_t zaad = 0, teller = 0;
    std::array<Mapstand, 8> mappen {};
    std::size_t volgende = 0;
};

// This process's, worked out anew in a new process; its lock held by the
// caller.
Eigenproces& Proces(std::unique_lock<std::mutex>& vast)
{
    static Eigenproces eigen;
    vast = std::unique_lock<std::mutex>(eigen.slot);
    return eigen;
}

// This process's mark (nullptr where /proc cannot tell it) and eight bytes
// no other save draws too: from the process and a count of its saves, mixed
// with random bytes drawn once (or else the clock), so that a name without
// a mark is its own too.
const Procesmerk* EigenMerkEnUniek(Bestandssysteem& systeem, Procesmerk& merk, std::uint64_t& uniek)
{
    std::unique_lock<std::mutex> vast;
    Eigenproces& eigen = Proces(vast);
    const pid_t pid = ::getpid();
    if (eigen.pid != pid) {
        eigen.pid = pid;
        eigen.gemerkt = EigenProcesmerk(systeem, eigen.merk);
        if (::getrandom(&eigen.zaad, sizeof eigen.zaad, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof eigen.zaad)) {
            timespec t {};
            ::clock_gettime(CLOCK_REALTIME, &t);
            eigen.zaad = static_cast<std::uint64_t>(t.tv_sec) * 1000000007u ^ static_cast<std::uint64_t>(t.tv_nsec);
        }
        eigen.zaad ^= static_cast<std::uint64_t>(pid) << 40;
        eigen.teller = 0;
        eigen.mappen = {};
    }
    uniek = Meng(eigen.zaad + ++eigen.teller * 0x9e3779b97f4a7c15ull);
    merk = eigen.merk;
    return eigen.gemerkt ? &merk : nullptr;
}

// Whether the folder (as `st` shows it now) is as a save of this process
// left it under its lock: no entry made or removed since, so nothing left
// there since that save looked.
bool AlsVerlaten(const struct stat& st)
{
    std::unique_lock<std::mutex> vast;
    const Eigenproces& eigen = Proces(vast);
    return eigen.pid == ::getpid() && std::any_of(eigen.mappen.begin(), eigen.mappen.end(), [&](const Mapstand& m) {
               return m.dev == st.st_dev && m.ino == st.st_ino && m.gewijzigd.tv_sec == st.st_mtim.tv_sec &&
                      m.gewijzigd.tv_nsec == st.st_mtim.tv_nsec;
           });
}

// Remembers the folder as this save leaves it under its lock. Looking at it
// makes the kernel stamp its next change finer than the tick of its clock;
// an older kernel that stamps every change by the tick may give a change in
// the same tick the same time, and what a save killed then left waits for a
// save that lists the folder: one of another process, or after another
// change.
void Verlaten(const struct stat& st)
{
    std::unique_lock<std::mutex> vast;
    Eigenproces& eigen = Proces(vast);
    if (eigen.pid != ::getpid())
        return;
    auto plek = std::find_if(eigen.mappen.begin(), eigen.mappen.end(),
                             [&](const Mapstand& m) { return m.dev == st.st_dev && m.ino == st.st_ino; });
    if (plek == eigen.mappen.end())
        plek = eigen.mappen.begin() + static_cast<std::ptrdiff_t>(eigen.volgende++ % eigen.mappen.size());
    *plek = {st.st_dev, st.st_ino, st.st_mtim};
}

// Removes what killed saves left in the folder: a temporary file (or claim)
// whose save is gone, known by its name's mark as this running system's
// (`eigen`) and its process as gone, or too old to be a living save's: it
// stood unchanged for an hour before `nu`, the folder's last change by the
// file system's clock (which no machine's own clock can put ahead of its
// time). A file of a save that may live is never touched, whatever lock it
// holds or not: a lock says nothing of another machine's save.
class Opruimer {
public:
    // `wie`: what this save's claims and graves say (Claimtekst); `vast`:
    // whether it holds the folder's lock.
    Opruimer(Bestandssysteem& systeem, const std::string& map, int mapfd, bool vast, const Procesmerk* eigen,
             std::string wie)
        : systeem_(systeem), map_(map), mapfd_(mapfd), vast_(vast), eigen_(eigen), wie_(std::move(wie))
    {
    }

    // Every temporary file and claim in the folder: false where it cannot be
    // listed.
    bool Map()
    {
        std::vector<std::string> namen;
        if (mapfd_ < 0 || systeem_.leesmap(mapfd_, Begin, namen) != 0)
            return false;
        for (const std::string& naam : namen) {
            if (!IsTijdelijk(naam))
                continue;
            const bool weg = IsClaimnaam(naam) ? Claim(naam)
                             : IsGrafnaam(naam) ? Graf(naam)
                                                : Weg(naam, naam) && systeem_.unlink(PadSamenvoegen(map_, naam).c_str()) == 0;
            schoon_ = schoon_ && weg;
        }
        return true;
    }

    // Whether every temporary file and claim it found is gone.
    bool schoon() const { return schoon_; }

    // The claims of the file called `naam`, and what they name: every one a
    // killed save may have left; and the file an older version wrote under
    // the folder's lock.
    void Claims(const std::string& naam)
    {
        for (int k = 1; k <= Claimplaatsen; ++k)
            Claim(Claimnaam(naam, k));
        Graf(Grafnaam(Stam(naam)));
        if (const std::string oud = TijdelijkeNaam(naam); Weg(oud, oud))
            systeem_.unlink(PadSamenvoegen(map_, oud).c_str());
    }

private:
    // Whether the save that made the temporary file, claim or grave called
    // `naam` is gone: by the mark in `merknaam` (its own name; for a claim or
    // grave the file it names, empty where it names none) or by its age.
    bool Weg(const std::string& naam, std::string_view merknaam, time_t duur = Levensduur)
    {
        Procesmerk merk;
        if (eigen_ && MerkVan(merknaam, merk) && merk.ruimte == eigen_->ruimte &&
            !Leeft(systeem_, merk))
            return true;
        struct stat st {};
        return ::lstat(PadSamenvoegen(map_, naam).c_str(), &st) == 0 && Nu() && nu_.tv_sec - st.st_mtim.tv_sec >= duur;
    }

    // The folder's last change, looked up once and only where a file's age
    // counts; false where it cannot be.
    bool Nu()
    {
        if (!nuGelezen_) {
            struct stat st {};
            nuGelezen_ = true;
            if ((mapfd_ >= 0 ? systeem_.fstat(mapfd_, &st) : ::stat(map_.c_str(), &st)) == 0)
                nu_ = st.st_mtim;
        }
        return nu_.tv_sec != 0;
    }

    // What a claim or grave says; `link` false where it is no symbolic link.
    std::string Wijst(const std::string& claim, bool& link)
    {
        return Linktekst(systeem_, PadSamenvoegen(map_, claim), link);
    }

    // Removes the claim where its save is gone: whether it is gone now.
    bool Claim(const std::string& claim)
    {
        bool link = true;
        const std::string wijst = Wijst(claim, link);
        if (!link)  // a file an older version named so
            return Weg(claim, claim) && systeem_.unlink(PadSamenvoegen(map_, claim).c_str()) == 0;
        if (wijst.empty())
            return true;  // gone meanwhile, or no claim of ours
        // Only a temporary file of the claim's own target is ever removed
        // through it.
        const std::string bestand = ClaimBestand(claim, wijst);
        if (!Weg(claim, bestand))
            return false;
        // Removed only while it still says what was found gone, and where
        // the saves of this machine do not take turns through the folder's
        // lock, only under the grave.
        const std::string graf = Grafnaam(std::string_view(claim).substr(0, Stamlengte)),
                          grafpad = PadSamenvoegen(map_, graf);
        bool begraven = false;
        if (!vast_) {
            begraven = systeem_.symlink(wie_.c_str(), grafpad.c_str()) == 0;
            if (!begraven && errno == EEXIST) {
                if (!Graf(graf) || systeem_.symlink(wie_.c_str(), grafpad.c_str()) != 0)
                    return false;  // another save removes one now
                begraven = true;
            }
        }
        bool gevonden = Wijst(claim, link) == wijst;
        if (gevonden) {
            if (!bestand.empty())
                systeem_.unlink(PadSamenvoegen(map_, bestand).c_str());
            gevonden = systeem_.unlink(PadSamenvoegen(map_, claim).c_str()) == 0;
        }
        if (begraven && Wijst(graf, link) == wie_)
            systeem_.unlink(grafpad.c_str());
        return gevonden;
    }

    // Removes the grave where the save that holds it is gone: whether it is
    // gone now.
    bool Graf(const std::string& graf)
    {
        bool link = true;
        const std::string wie = Wijst(graf, link);
        if (wie.empty())
            return true;
        const std::string bestand = ClaimBestand(graf, wie);
        return Weg(graf, bestand, Grafduur) &&
               systeem_.unlink(PadSamenvoegen(map_, graf).c_str()) == 0;
    }

    Bestandssysteem& systeem_;
    const std::string& map_;
    int mapfd_;
    bool vast_;
    const Procesmerk* eigen_;
    std::string wie_;
    bool nuGelezen_ = false;
    timespec nu_ {};
    bool schoon_ = true;
};

// Writes the bytes into the temporary file: 0, or the errno of the call that
// failed.
int Vul(Bestandssysteem& systeem, int fd, const std::string& inhoud)
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
    return 0;
}

// What the running user may do with the file: Lezen, Schrijven, Zoeken.
unsigned EigenRechten(const std::string& pad)
{
    unsigned r = 0;
    for (const auto& [recht, toets] : {std::pair{Lezen, R_OK}, {Schrijven, W_OK}, {Zoeken, X_OK}})
        if (::faccessat(AT_FDCWD, pad.c_str(), toets, AT_EACCESS) == 0)
            r |= recht;
    return r;
}

// Whether user `gebruiker` belongs to group `groep`, as the user database
// says; false where it does not know the user.
bool Lid(uid_t gebruiker, gid_t groep)
{
    passwd pw {}, *gevonden = nullptr;
    char buf[4096];
    if (::getpwuid_r(gebruiker, &pw, buf, sizeof buf, &gevonden) != 0 || !gevonden)
        return false;
    if (pw.pw_gid == groep)
        return true;
    std::vector<gid_t> groepen(64);
    int n = static_cast<int>(groepen.size());
    if (::getgrouplist(pw.pw_name, pw.pw_gid, groepen.data(), &n) < 0) {
        groepen.resize(static_cast<std::size_t>(n));
        if (::getgrouplist(pw.pw_name, pw.pw_gid, groepen.data(), &n) < 0)
            return false;
    }
    return std::find(groepen.begin(), groepen.begin() + n, groep) != groepen.begin() + n;
}

constexpr int Rw = Lezen | Schrijven;

// The value of the file's attribute `naam` (`gelezen` says whether there was
// one to read), or with `naam` nullptr the names of its attributes, each
// ended by a NUL byte; empty where there are none or they cannot be read.
std::string Attribuut(const std::string& pad, const char* naam, bool* gelezen = nullptr)
{
    std::string waarde(naam ? 128 : 512, '\0');
    for (int poging = 0; poging < 4; ++poging) {
        const ssize_t n = naam ? ::lgetxattr(pad.c_str(), naam, waarde.data(), waarde.size())
                               : ::llistxattr(pad.c_str(), waarde.data(), waarde.size());
        if (n >= 0) {
            waarde.resize(static_cast<std::size_t>(n));
            if (gelezen)
                *gelezen = true;
            return waarde;
        }
        if (errno != ERANGE)
            break;
        // Larger than the buffer: ask its size.
        const ssize_t nodig = naam ? ::lgetxattr(pad.c_str(), naam, nullptr, 0) : ::llistxattr(pad.c_str(), nullptr, 0);
        if (nodig < 0)
            break;
        waarde.resize(static_cast<std::size_t>(nodig) + 1);
    }
    return {};
}

// Gives the new file (`fd`, as `nieuw` describes it) who may read and write
// the file it replaces (`doel`, as `oud` describes it): its owner and group
// where the saver may give them (a member of its group, root both), its access
// list and its mode, and its other attributes where they copy. Where the
// owner or the group cannot be given, the access list gives the old owner
// and group what they had, the saver what it had. Where the file system
// keeps no access list, the mode alone must say the same, or the save is
// refused: -1. Else 0, or the errno of the call that failed.
int RechtenOvernemen(Bestandssysteem& systeem, const std::string& doel, const struct stat& oud, int fd,
                     const struct stat& nieuw)
{
    uid_t eigenaar = nieuw.st_uid;
    gid_t groep = nieuw.st_gid;
    const auto magNiet = [] { return errno == EPERM || errno == EINVAL; };  // EINVAL: an id this system cannot map
    if (eigenaar != oud.st_uid) {
        if (systeem.fchown(fd, oud.st_uid, oud.st_gid) == 0)
            eigenaar = oud.st_uid, groep = oud.st_gid;
        else if (!magNiet())
            return errno;
    }
    if (groep != oud.st_gid) {
        if (systeem.fchown(fd, static_cast<uid_t>(-1), oud.st_gid) == 0)
            groep = oud.st_gid;
        else if (!magNiet())
            return errno;
    }

    // The old file's attributes: its access list kept apart, the others
    // copied where they may be (a user's own ones; not the system's).
    std::string lijst;
    bool heeftLijst = false;
    const std::string namen = Attribuut(doel, nullptr);
    for (std::size_t i = 0; i < namen.size(); i += std::strlen(namen.c_str() + i) + 1) {
        const char* naam = namen.c_str() + i;
        bool gelezen = false;
        std::string waarde = Attribuut(doel, naam, &gelezen);
        if (!gelezen)
            continue;
        if (std::strcmp(naam, ToegangslijstAttribuut) == 0)
            lijst = std::move(waarde), heeftLijst = true;
        else if (std::strcmp(naam, "system.posix_acl_default") != 0)
            systeem.fsetxattr(fd, naam, waarde.data(), waarde.size(), 0);
    }

    const auto geen = [&] {  // no list: also none the folder's default list gave the new file
        return systeem.fremovexattr(fd, ToegangslijstAttribuut) == 0 || errno == ENODATA || errno == EOPNOTSUPP;
    };
    mode_t modus = oud.st_mode & 07777;
    if (eigenaar == oud.st_uid && groep == oud.st_gid) {
        if (heeftLijst ? systeem.fsetxattr(fd, ToegangslijstAttribuut, lijst.data(), lijst.size(), 0) != 0 : !geen())
            return errno;
    } else {
        const auto gelezen = heeftLijst ? ToegangslijstUit(lijst) : std::nullopt;
        const Toegangslijst oudeLijst = gelezen ? *gelezen : ToegangslijstVan(oud.st_mode);
        const unsigned opslaander = EigenRechten(doel);
        const Toegangslijst nieuweLijst =
            Overgedragen(oudeLijst, oud.st_uid, oud.st_gid, eigenaar, groep, opslaander);
        modus = Modusbits(nieuweLijst) | (oud.st_mode & 07000);
        if (AlleenModus(nieuweLijst)) {
            if (!geen())
                return errno;
        } else {
            const std::string bytes = Toegangsbytes(nieuweLijst);
            if (systeem.fsetxattr(fd, ToegangslijstAttribuut, bytes.data(), bytes.size(), 0) != 0) {
                if (errno != EOPNOTSUPP)
                    return errno;
                // No access lists here: the mode of the old file must say
                // the same for the saver as its owner, for the old owner as
                // a member of the group, for the old group as for the others.
                const unsigned bezitter = (oud.st_mode >> 6) & Rw, groepsrecht = (oud.st_mode >> 3) & Rw,
                               overig = oud.st_mode & Rw;
                if (eigenaar != oud.st_uid &&
                    ((opslaander & Rw) != bezitter || groepsrecht != bezitter || !Lid(oud.st_uid, groep)))
                    return -1;
                if (groep != oud.st_gid && groepsrecht != overig)
                    return -1;
                modus = oud.st_mode & 07777;
            }
        }
    }
    return systeem.fchmod(fd, modus) == 0 ? 0 : errno;
}

// The temporary file of one save, its own from its first byte to its
// rename: a name no other save uses (TijdelijkeNaam), made only where none
// is, and where asked a claim that names it. On a failure, or where the save leaves
// before its rename, the file and the claim go and nothing stays open.
class Tijdelijk {
public:
    Tijdelijk(Bestandssysteem& systeem, const std::string& map, const std::string& naam, const Procesmerk* merk,
              std::uint64_t uniek, bool claimen, mode_t modus, const std::string& pad)
        : systeem_(systeem), map_(map), pad_(pad), bestand_(systeem, -1)
    {
        for (int poging = 0;; ++poging) {
            naam_ = EigenNaam(naam, merk, uniek);
            if (claimen)
                Claimen(naam);
            bestand_.neem(systeem.open(PadSamenvoegen(map, naam_).c_str(),
                                       O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modus));
            if (bestand_.fd() >= 0)
                break;
            const int fout = errno;
            naam_.clear();
            Loslaten();
            if (fout != EEXIST || poging == 99)
                SysteemFout(fout, pad);
            Procesmerk zelfde;
            EigenMerkEnUniek(systeem, zelfde, uniek);
        }
    }
    ~Tijdelijk()
    {
        if (!naam_.empty())
            systeem_.unlink(PadSamenvoegen(map_, naam_).c_str());
        Loslaten();
    }
    Tijdelijk(const Tijdelijk&) = delete;
    Tijdelijk& operator=(const Tijdelijk&) = delete;

    int fd() const { return bestand_.fd(); }
    std::string pad() const { return PadSamenvoegen(map_, naam_); }
    bool geclaimd() const { return !claim_.empty(); }

    // Fails the save with the system's error `fout`, or the program's own
    // error `code`: the file and its claim go, and the file is closed.
    [[noreturn]] void Mislukt(int fout, int code = 0)
    {
        if (!naam_.empty())
            systeem_.unlink(PadSamenvoegen(map_, naam_).c_str());
        naam_.clear();
        Loslaten();
        if (bestand_.fd() >= 0)
            bestand_.sluit();
        if (code)
            throw Foutbij(code, pad_);
        SysteemFout(fout, pad_);
    }
    // The file is closed: 0, or the close's own result.
    int Sluit() { return bestand_.sluit(); }
    // The file was renamed: its name is no longer this save's.
    void Hernoemd()
    {
        naam_.clear();
        Loslaten();
    }

private:
    // The first free claim, made before the file: where every one is taken
    // (by living saves, or by killed saves of another machine not yet an
    // hour old) or the file system makes no symbolic links, the save goes
    // without.
    void Claimen(const std::string& naam)
    {
        const std::string tekst = Claimtekst(naam_);
        for (int k = 1; k <= Claimplaatsen && claim_.empty(); ++k) {
            const std::string claim = Claimnaam(naam, k);
            if (systeem_.symlink(tekst.c_str(), PadSamenvoegen(map_, claim).c_str()) == 0)
                claim_ = claim, bedoeld_ = tekst;
            else if (errno != EEXIST)
                break;
        }
    }
    // Removes the claim while it still names this save's file.
    void Loslaten()
    {
        if (claim_.empty())
            return;
        const std::string pad = PadSamenvoegen(map_, claim_);
        bool link = true;
        if (Linktekst(systeem_, pad, link) == bedoeld_)
            systeem_.unlink(pad.c_str());
        claim_.clear();
    }

    Bestandssysteem& systeem_;
    const std::string& map_;
    const std::string& pad_;
    Descriptor bestand_;
    std::string naam_;     // the file's name while it is this save's
    std::string claim_;    // the claim's name while this save holds it
    std::string bedoeld_;  // what the claim says
};

}  // namespace

int Bestandssysteem::open(const char* pad, int vlaggen, mode_t modus) { return ::open(pad, vlaggen, modus); }
ssize_t Bestandssysteem::write(int fd, const void* data, std::size_t n) { return ::write(fd, data, n); }
int Bestandssysteem::fchmod(int fd, mode_t modus) { return ::fchmod(fd, modus); }
int Bestandssysteem::fchown(int fd, uid_t eigenaar, gid_t groep) { return ::fchown(fd, eigenaar, groep); }
int Bestandssysteem::fsetxattr(int fd, const char* naam, const void* waarde, std::size_t n, int vlaggen)
{
    return ::fsetxattr(fd, naam, waarde, n, vlaggen);
}
int Bestandssysteem::fremovexattr(int fd, const char* naam) { return ::fremovexattr(fd, naam); }
int Bestandssysteem::fstat(int fd, struct stat* st) { return ::fstat(fd, st); }
int Bestandssysteem::fsync(int fd) { return ::fsync(fd); }
int Bestandssysteem::close(int fd) { return ::close(fd); }
int Bestandssysteem::rename(const char* van, const char* naar) { return std::rename(van, naar); }
int Bestandssysteem::unlink(const char* pad) { return ::unlink(pad); }
int Bestandssysteem::symlink(const char* naar, const char* pad) { return ::symlink(naar, pad); }
int Bestandssysteem::flock(int fd, int bewerking) { return ::flock(fd, bewerking); }
int Bestandssysteem::kill(pid_t pid, int signaal) { return ::kill(pid, signaal); }
ssize_t Bestandssysteem::readlink(const char* pad, char* buf, std::size_t n) { return ::readlink(pad, buf, n); }
int Bestandssysteem::usleep(useconds_t microseconden) { return ::usleep(microseconden); }

int Bestandssysteem::leesmap(int map, std::string_view begin, std::vector<std::string>& namen)
{
    // Straight from the folder the save just opened and locked, without a
    // stream of its own.
    alignas(dirent64) char buf[16384];
    for (;;) {
        const ssize_t n = ::getdents64(map, buf, sizeof buf);
        if (n <= 0)
            return n < 0 ? -1 : 0;
        for (ssize_t i = 0; i < n;) {
            const auto* e = reinterpret_cast<const dirent64*>(buf + i);
            i += e->d_reclen;
            const std::string_view naam(e->d_name);
            if (naam.starts_with(begin) && naam != "." && naam != "..")
                namen.emplace_back(naam);
        }
    }
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

std::string TijdelijkeNaam(const std::string& naam) { return Stam(naam) + ".tmp"; }

std::string TijdelijkeNaam(const std::string& naam, const Procesmerk& merk, std::uint64_t uniek)
{
    return Stam(naam) + "-" + merk.ruimte + "-" + std::to_string(merk.pid) + "-" + std::to_string(merk.start) + "-" +
           Hex(uniek) + ".tmp";
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
    struct stat oud {};
    bool bestaat = false;
    const std::string doel = Doel(pad, oud, bestaat);

    // A file the user may not write is refused as a truncating write would
    // refuse it; the rename alone would replace it anyway.
    const bool vervangt = bestaat && !S_ISDIR(oud.st_mode);
    if (vervangt && ::faccessat(AT_FDCWD, doel.c_str(), W_OK, AT_EACCESS) != 0)
        SysteemFout(errno, pad);

    const std::string map = MapVan(doel), naam = Bestandsdeel(doel);
    const Mapslot slot(systeem, map, pad, maxWacht);
    Procesmerk merk;
    std::uint64_t uniek = 0;
    const Procesmerk* eigen = EigenMerkEnUniek(systeem, merk, uniek);

    // What killed saves left goes first, so that it never stands beside this
    // save's own file and frees the claims. A small folder is listed, unless
    // it is as a save of this process left it under its lock with nothing of
    // another save in it; in any other the claims are tried, and this save
    // makes one.
    Opruimer opruimer(systeem, map, slot.fd(), slot.vast(), eigen, Claimtekst(EigenNaam(naam, eigen, uniek)));
    struct stat mapstat {};
    const bool klein =
        slot.fd() >= 0 && systeem.fstat(slot.fd(), &mapstat) == 0 && mapstat.st_size <= Kleinemap;
    const bool gelijst = klein && ((slot.vast() && AlsVerlaten(mapstat)) || opruimer.Map());
    if (!gelijst)
        opruimer.Claims(naam);

    // A new file gets the usual permissions; one that replaces a file stays
    // private until it has that file's.
    Tijdelijk tijdelijk(systeem, map, naam, eigen, uniek, !gelijst, vervangt ? 0600 : 0644, pad);
    if (!gelijst && !tijdelijk.geclaimd())
        opruimer.Map();
    struct stat nieuw {};
    if (::fstat(tijdelijk.fd(), &nieuw) != 0)
        tijdelijk.Mislukt(errno);

    if (const int fout = Vul(systeem, tijdelijk.fd(), inhoud))
        tijdelijk.Mislukt(fout);
    if (vervangt) {
        if (const int fout = RechtenOvernemen(systeem, doel, oud, tijdelijk.fd(), nieuw))
            tijdelijk.Mislukt(fout, fout < 0 ? FoutRechten : 0);
    }
    if (systeem.fsync(tijdelijk.fd()) != 0)
        tijdelijk.Mislukt(errno);
    if (tijdelijk.Sluit() != 0)
        tijdelijk.Mislukt(errno);
    if (systeem.rename(tijdelijk.pad().c_str(), doel.c_str()) != 0)
        tijdelijk.Mislukt(errno);
    tijdelijk.Hernoemd();
    if (gelijst && opruimer.schoon() && slot.vast() && systeem.fstat(slot.fd(), &mapstat) == 0)
        Verlaten(mapstat);

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

#include "core/Bestand.h"
#include "core/Cijferbestand.h"
#include "core/Fout.h"
#include "core/Instellingen.h"
#include "core/Tekst.h"

#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <iterator>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <tuple>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

class BestandTest : public ::testing::Test {
protected:
    Tijdelijkemap tijdelijk;
    const fs::path map = tijdelijk.pad();
};

TEST_F(BestandTest, LinesSplitOnCrLfAndLfAndKeepALastOpenLine)
{
    const auto pad = (map / "a.txt").string();
    SchrijfBestandVeilig(pad, "een\r\ntwee\ndrie");
    EXPECT_EQ(LeesRegels(pad), (std::vector<std::string>{"een", "twee", "drie"}));
}

TEST_F(BestandTest, BinaryAndOverlongFilesAreRefused)
{
    const auto pad = (map / "b.bin").string();
    SchrijfBestandVeilig(pad, std::string("ab\0cd\r\n", 7));
    try {
        LeesRegels(pad);
        FAIL();
    } catch (const Bestandsfout& f) {
        EXPECT_EQ(f.code(), FoutVerkeerdBestand);
    }
    SchrijfBestandVeilig(pad, std::string(5000, 'x'));
    EXPECT_THROW(LeesRegels(pad), Bestandsfout);
    EXPECT_THROW(LeesRegels((map / "ontbreekt").string()), Bestandsfout);
    EXPECT_THROW(LeesRegels(map.string()), Bestandsfout);
}

// The grade file's reader takes the lines as places in the file's text: the
// same lines as LeesRegels gives, and the same refusals.
TEST_F(BestandTest, LinePlacesAreTheLinesOfTheText)
{
    const auto pad = (map / "c.txt").string();
    for (const std::string& tekst : {std::string(""), std::string("een"), std::string("een\r\n"),
                                    std::string("een\r\ntwee\n\r\n\ndrie\r"), std::string("\r\n\r\n"),
                                    std::string(4096, 'x') + "\r\nkort"}) {
        SCOPED_TRACE(tekst.substr(0, 20));
        SchrijfBestandVeilig(pad, tekst);
        const std::string inhoud = LeesInhoud(pad);
        EXPECT_EQ(inhoud, tekst);
        std::vector<Regelplaats> plaatsen;
        RegelsVan(inhoud, plaatsen, pad);
        std::vector<std::string> regels;
        for (const Regelplaats& r : plaatsen)
            regels.push_back(inhoud.substr(r.begin, r.lengte));
        EXPECT_EQ(regels, LeesRegels(pad));
    }
    for (const std::string& fout : {std::string("een\r\ntw\0ee\r\n", 12), std::string("een\r\n\0", 6),
                                   std::string(4097, 'x'), "een\r\n" + std::string(4097, 'x') + "\r\n"}) {
        std::vector<Regelplaats> plaatsen;
        try {
            RegelsVan(fout, plaatsen, pad);
            FAIL() << fout.substr(0, 20);
        } catch (const Bestandsfout& f) {
            EXPECT_EQ(f.code(), FoutVerkeerdBestand);
        }
    }
}

// Control bytes inside the lines of a whole text become blanks where they
// stand, wherever a line end falls (in a block the text is read in, across
// its edge, at the very end): the lines split as before, each as a line of
// its own is blanked.
TEST(Stuurtekens, InsideTheLinesOfATextTheyBecomeBlanks)
{
    const std::string pad = "tekst";
    const char bytes[] = {'\r', '\n', '\t', '\x7F'};
    for (const std::size_t lengte : {std::size_t{64}, std::size_t{65}, std::size_t{130}}) {
        for (const std::size_t i : {0, 1, 62, 63, 64, 65, 126, 127, 128, 129})
            for (const std::size_t j : {0, 1, 62, 63, 64, 65, 126, 127, 128, 129})
                for (const char a : bytes)
                    for (const char b : bytes) {
                        if (i >= lengte || j >= lengte || i == j)
                            continue;
                        std::string tekst(lengte, 'x');
                        tekst[i] = a;
                        tekst[j] = b;
                        std::vector<Regelplaats> voor, na;
                        RegelsVan(tekst, voor, pad);
                        std::string blank = tekst;
                        StuurtekensInRegelsBlanco(blank);
                        RegelsVan(blank, na, pad);
                        ASSERT_EQ(na.size(), voor.size());
                        for (std::size_t k = 0; k < voor.size(); ++k) {
                            std::string regel = tekst.substr(voor[k].begin, voor[k].lengte);
                            StuurtekensBlanco(regel);
                            ASSERT_EQ(blank.substr(na[k].begin, na[k].lengte), regel)
                                << lengte << " " << i << " " << j << " " << int(a) << " " << int(b);
                        }
                        ASSERT_EQ(std::count(blank.begin(), blank.end(), '\n'),
                                  std::count(tekst.begin(), tekst.end(), '\n'));
                    }
    }
    std::string nul("a\0\x01\r", 4);
    StuurtekensInRegelsBlanco(nul);
    EXPECT_EQ(nul, std::string("a\0 \r", 4));  // NUL stays for RegelsVan to refuse
}

TEST_F(BestandTest, AFailedWriteLeavesTheOldFile)
{
    const auto pad = (map / "c.txt").string();
    SchrijfBestandVeilig(pad, "oud\r\n");
    if (::geteuid() != 0) {  // root writes anywhere, so only a plain user sees the refusal
        fs::permissions(map, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_THROW(SchrijfBestandVeilig(pad, "nieuw\r\n"), Bestandsfout);
        fs::permissions(map, fs::perms::owner_all);
    }
    EXPECT_THROW(SchrijfBestandVeilig((map / "geen/map/d.txt").string(), "x"), Bestandsfout);
    EXPECT_EQ(LeesRegels(pad), std::vector<std::string>{"oud"});
    // No temporary file is left behind.
    int n = 0;
    for (auto& e : fs::directory_iterator(map))
        (void)e, ++n;
    EXPECT_EQ(n, 1);
}

namespace {

std::string Lees(const fs::path& pad)
{
    std::ifstream in(pad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every name in the folder but the ones given: what a save left behind.
std::vector<std::string> Overige(const fs::path& map, std::initializer_list<std::string> bekend)
{
    std::vector<std::string> r;
    for (const auto& e : fs::directory_iterator(map)) {
        const auto naam = e.path().filename().string();
        if (std::find(bekend.begin(), bekend.end(), naam) == bekend.end())
            r.push_back(naam);
    }
    return r;
}

// Of what saves left behind: how many files (copies of a class) and how many
// claims (symbolic links that name one).
struct Achtergelaten {
    std::size_t bestanden = 0, claims = 0;
};
Achtergelaten Tel(const fs::path& map, std::initializer_list<std::string> bekend)
{
    Achtergelaten a;
    for (const auto& naam : Overige(map, bekend))
        ++(fs::is_symlink(map / naam) ? a.claims : a.bestanden);
    return a;
}

}  // namespace

// A link to a file elsewhere (a shared drive, say) is saved through: the
// link stays a link and the file it names gets the new bytes.
TEST_F(BestandTest, ASymbolicLinkIsSavedThrough)
{
    fs::create_directories(map / "gedeeld");
    const auto doel = map / "gedeeld" / "klas.vlk";
    struct Geval {
        const char* wat;
        std::vector<std::pair<std::string, fs::path>> links;  // name in map -> what it points to
    };
    const Geval gevallen[] = {
        {"absolute", {{"link.vlk", doel}}},
        {"relative", {{"link.vlk", fs::path("gedeeld") / "klas.vlk"}}},
        {"chain", {{"link.vlk", "tussen.vlk"}, {"tussen.vlk", doel}}},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.wat);
        std::ofstream(doel, std::ios::binary) << "oud\r\n";
        for (const auto& [naam, naar] : g.links)
            fs::create_symlink(naar, map / naam);

        SchrijfBestandVeilig((map / "link.vlk").string(), "nieuw\r\n");
        EXPECT_EQ(Lees(doel), "nieuw\r\n");
        for (const auto& [naam, naar] : g.links) {
            EXPECT_TRUE(fs::is_symlink(map / naam));
            EXPECT_EQ(fs::read_symlink(map / naam), naar);
        }
        EXPECT_TRUE(Overige(map / "gedeeld", {"klas.vlk"}).empty());
        for (const auto& [naam, naar] : g.links)
            fs::remove(map / naam);
        EXPECT_TRUE(Overige(map, {"gedeeld"}).empty());
    }
}

// The temporary name does not grow with the target's, so every name the
// system allows can be saved; and it is the same name at every save.
TEST_F(BestandTest, ALongNameIsSavedAndTheTemporaryNameIsShort)
{
    const std::string naam = std::string(246, 'n') + ".vlk";
    ASSERT_EQ(naam.size(), 250u);
    SchrijfBestandVeilig((map / naam).string(), "lang\r\n");
    EXPECT_EQ(LeesRegels((map / naam).string()), std::vector<std::string>{"lang"});
    EXPECT_TRUE(Overige(map, {naam}).empty());

    EXPECT_LE(TijdelijkeNaam(naam).size(), 40u);
    EXPECT_EQ(TijdelijkeNaam(naam), TijdelijkeNaam(naam));
    EXPECT_EQ(TijdelijkeNaam(naam).front(), '.');
    EXPECT_NE(TijdelijkeNaam("a.vlk"), TijdelijkeNaam("b.vlk"));
}

// A save killed part-way leaves at most its one temporary file and the claim
// that names it, and the next save of that target removes them.
TEST_F(BestandTest, AKilledSaveLeavesAtMostOneTemporaryFile)
{
    const auto pad = map / "klas.vlk";
    const std::string a(200000, 'a'), b(200000, 'b');
    SchrijfBestandVeilig(pad.string(), a);

    // Left by an older version's save that never finished, an hour ago; one
    // of a moment ago may be another machine's living save.
    const auto halfOud = map / TijdelijkeNaam("klas.vlk");
    std::ofstream(halfOud, std::ios::binary) << "half";
    const timespec uurGeleden[2] = {{std::time(nullptr) - 3700, 0}, {std::time(nullptr) - 3700, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, halfOud.c_str(), uurGeleden, 0), 0);
    SchrijfBestandVeilig(pad.string(), b);
    EXPECT_EQ(Lees(pad), b);
    EXPECT_TRUE(Overige(map, {"klas.vlk"}).empty());
    std::ofstream(halfOud, std::ios::binary) << "half";
    SchrijfBestandVeilig(pad.string(), b);
    EXPECT_EQ(Overige(map, {"klas.vlk"}), std::vector<std::string>{halfOud.filename().string()});
    fs::remove(halfOud);

    // Saves really killed at random moments.
    std::srand(1);
    Achtergelaten meest;
    for (int i = 0; i < 100; ++i) {
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            for (int n = 0; n < 10000; ++n)
                SchrijfBestandVeilig(pad.string(), n % 2 ? a : b);
            ::_exit(0);
        }
        ::usleep(static_cast<useconds_t>(std::rand() % 4000));
        ::kill(kind, SIGKILL);
        ::waitpid(kind, nullptr, 0);
        const auto over = Tel(map, {"klas.vlk"});
        meest.bestanden = std::max(meest.bestanden, over.bestanden);
        meest.claims = std::max(meest.claims, over.claims);
        const auto inhoud = Lees(pad);
        ASSERT_TRUE(inhoud == a || inhoud == b) << "torn file after kill " << i;
    }
    EXPECT_LE(meest.bestanden, 1u);
    EXPECT_LE(meest.claims, 1u);
    SchrijfBestandVeilig(pad.string(), a);
    EXPECT_TRUE(Overige(map, {"klas.vlk"}).empty());
}

namespace {

// The real calls, with one of them failing; records each call of a save in
// order, what was opened and closed, and how long a save waited for the
// folder's lock (without waiting). Besides, it can refuse to open the folder,
// say that the folder's lock is taken for its first few tries, that the
// first temporary names tried are another save's, fail only the folder's
// sync, refuse symbolic links, or make the folder one of many files.
class Storing : public Bestandssysteem {
public:
    // SchrijftNiets: a write that returns 0, as some network and user-space
    // file systems answer.
    enum Oproep { Geen, Write, SchrijftNiets, Fchmod, Fsync, Close, Rename, Flock };
    Storing(Oproep faalt, int fout) : faalt_(faalt), fout_(fout) {}

    int open(const char* pad, int vlaggen, mode_t modus) override
    {
        const bool isMap = (vlaggen & O_DIRECTORY) != 0;
        oproepen_.push_back(isMap ? "open map" : "open tijdelijk");
        if (!isMap)
            tijdelijk_.push_back(fs::path(pad).filename().string());
        if (isMap && mapFout_)
            return Faal(mapFout_);
        if (!isMap && anderman_ > 0) {
            --anderman_;
            return Faal(EEXIST);
        }
        const int fd = Bestandssysteem::open(pad, vlaggen, modus);
        if (fd >= 0)
            open_.push_back(fd);
        if (isMap)
            map_ = fd;
        return fd;
    }
    int symlink(const char* naar, const char* pad) override
    {
        oproepen_.push_back("symlink");
        claims_.push_back({fs::path(pad).filename().string(), naar});
        if (geenLinks_)
            return Faal(EPERM);
        return Bestandssysteem::symlink(naar, pad);
    }
    ssize_t write(int fd, const void* data, std::size_t n) override
    {
        if (oproepen_.back() != "write")
            oproepen_.push_back("write");
        if (faalt_ == SchrijftNiets) {
            if (nietsGeschreven_++ == 0)
                return 0;
            ADD_FAILURE() << "written again after a write that wrote nothing";  // it would loop for ever
            return Faal(ENOSPC);
        }
        return faalt_ == Write ? Faal(fout_) : Bestandssysteem::write(fd, data, n);
    }
    int fchmod(int fd, mode_t modus) override
    {
        oproepen_.push_back("fchmod");
        return faalt_ == Fchmod ? Faal(fout_) : Bestandssysteem::fchmod(fd, modus);
    }
    int fstat(int fd, struct stat* st) override
    {
        const int r = Bestandssysteem::fstat(fd, st);
        if (r == 0 && fd == map_ && groteMap_)
            st->st_size = 1 << 20;
        return r;
    }
    int fsync(int fd) override
    {
        oproepen_.push_back(fd == map_ ? "fsync map" : "fsync bestand");
        if (fd == map_ && mapSyncFout_)
            return Faal(mapSyncFout_);
        return faalt_ == Fsync ? Faal(fout_) : Bestandssysteem::fsync(fd);
    }
    int close(int fd) override
    {
        oproepen_.push_back(fd == map_ ? "close map" : "close bestand");
        const int r = Bestandssysteem::close(fd);
        if (r == 0)
            std::erase(open_, fd);
        return faalt_ == Close ? Faal(fout_) : r;  // as NFS reports a lost write only at the close
    }
    int rename(const char* van, const char* naar) override
    {
        oproepen_.push_back("rename");
        return faalt_ == Rename ? Faal(fout_) : Bestandssysteem::rename(van, naar);
    }
    int unlink(const char* pad) override
    {
        oproepen_.push_back("unlink");
        verwijderd_.push_back(fs::path(pad).filename().string());
        return Bestandssysteem::unlink(pad);
    }
    int flock(int fd, int bewerking) override
    {
        oproepen_.push_back("flock");
        if (bezet_ > 0) {
            --bezet_;
            return Faal(EWOULDBLOCK);
        }
        return faalt_ == Flock ? Faal(fout_) : Bestandssysteem::flock(fd, bewerking);
    }
    int usleep(useconds_t microseconden) override
    {
        oproepen_.push_back("usleep");
        gewacht_ += microseconden;
        return slapen_ ? Bestandssysteem::usleep(microseconden) : 0;
    }
    void slotwacht(bool begint) override { oproepen_.push_back(begint ? "wacht" : "klaar"); }

    std::vector<int> open_;
    std::vector<std::string> oproepen_{""};
    std::vector<std::string> tijdelijk_;   // the temporary names tried
    std::vector<std::string> verwijderd_;  // the names removed
    std::vector<std::pair<std::string, std::string>> claims_;  // the claims tried: name, what it names
    useconds_t gewacht_ = 0;
    bool slapen_ = false;
    int mapFout_ = 0;      // the folder's open fails so
    int mapSyncFout_ = 0;  // the folder's sync fails so
    int bezet_ = 0;        // tries of the lock that find it taken
    int anderman_ = 0;     // temporary names tried that exist already
    bool geenLinks_ = false;  // a file system without symbolic links
    bool groteMap_ = false;   // a folder of many files

    // The calls in order, without those of the waits.
    std::vector<std::string> Oproepen() const
    {
        std::vector<std::string> r;
        for (const auto& o : oproepen_)
            if (!o.empty() && o != "usleep" && o != "flock")
                r.push_back(o);
        return r;
    }
    int Aantal(const std::string& oproep) const
    {
        return static_cast<int>(std::count(oproepen_.begin(), oproepen_.end(), oproep));
    }

private:
    int Faal(int fout)
    {
        errno = fout;
        return -1;
    }
    Oproep faalt_;
    int fout_;
    int map_ = -1;
    int nietsGeschreven_ = 0;
};

constexpr const char* Mapbezet = "Een ander programma slaat op dit moment op in deze map; probeer het zo opnieuw";

}  // namespace

namespace {

// Where a save writes: a small folder it may list and lock; a large one,
// where it claims a name before its temporary file; or one it may write but
// not read, where it claims one too.
struct Schrijfwijze {
    const char* wat;
    int mapFout;
    bool groot;
};
constexpr Schrijfwijze Schrijfwijzen[] = {
    {"under the lock", 0, false}, {"large folder", 0, true}, {"not listed", EACCES, false}};
constexpr Schrijfwijze Claimwijzen[] = {{"large folder", 0, true}, {"not listed", EACCES, false}};

}  // namespace

// Whichever call fails, in each way, the error is the system's, the old file
// stays, the temporary file and its claim are gone and no file is left
// open. A write that writes nothing fails as an I/O error rather than being
// tried for ever. A lock that stays taken is given up after the bound, with
// the program's own description.
TEST_F(BestandTest, AFailingCallClosesAndRemovesEverything)
{
    const auto pad = map / "klas.vlk";
    SchrijfBestandVeilig(pad.string(), "oud\r\n");
    const std::tuple<Storing::Oproep, int, const char*> gevallen[] = {
        {Storing::Write, ENOSPC, "Geen ruimte meer op het apparaat"},
        {Storing::SchrijftNiets, 0, "Invoer-/uitvoerfout"},
        {Storing::Fchmod, EPERM, "Bewerking niet toegestaan"},
        {Storing::Fsync, EIO, "Invoer-/uitvoerfout"},
        {Storing::Close, EIO, "Invoer-/uitvoerfout"},
        {Storing::Rename, EXDEV, "Ongeldige koppeling tussen apparaten"},
        {Storing::Flock, EWOULDBLOCK, Mapbezet}};
    for (const auto& wijze : Schrijfwijzen) {
        for (const auto& [oproep, fout, omschrijving] : gevallen) {
            if (oproep == Storing::Flock && wijze.mapFout)
                continue;  // no lock to take there
            SCOPED_TRACE(std::string(wijze.wat) + " " + std::to_string(oproep));
            Storing systeem(oproep, fout);
            systeem.mapFout_ = wijze.mapFout;
            systeem.groteMap_ = wijze.groot;
            try {
                SchrijfBestandVeilig(pad.string(), "nieuw\r\n", systeem);
                ADD_FAILURE() << "no error";
            } catch (const Bestandsfout& f) {
                EXPECT_EQ(std::string(f.what()), omschrijving + (": " + pad.string()));
            }
            EXPECT_TRUE(systeem.open_.empty());
            for (int fd : systeem.open_)
                EXPECT_EQ(::fcntl(fd, F_GETFD), -1);
            EXPECT_EQ(Lees(pad), "oud\r\n");
            EXPECT_TRUE(Overige(map, {"klas.vlk"}).empty());
        }
    }
}

// An existing file keeps its permissions, whatever the umask; a new one gets
// the usual ones.
TEST_F(BestandTest, AnExistingFileKeepsItsPermissionsAndANewOneGetsTheUsualOnes)
{
    const mode_t masker = ::umask(022);
    const auto modus = [](const fs::path& p) {
        struct stat st {};
        ::stat(p.c_str(), &st);
        return st.st_mode & 07777;
    };
    for (const auto& wijze : Schrijfwijzen) {
        SCOPED_TRACE(wijze.wat);
        Storing systeem(Storing::Geen, 0);
        systeem.mapFout_ = wijze.mapFout;
        systeem.groteMap_ = wijze.groot;
        ::umask(022);
        fs::remove(map / "nieuw.vlk");
        SchrijfBestandVeilig((map / "nieuw.vlk").string(), "x", systeem);
        EXPECT_EQ(modus(map / "nieuw.vlk"), 0644u);
        std::ofstream(map / "gedeeld.vlk") << "oud";
        ::chmod((map / "gedeeld.vlk").c_str(), 0664);
        ::umask(077);
        SchrijfBestandVeilig((map / "gedeeld.vlk").string(), "nieuw", systeem);
        EXPECT_EQ(modus(map / "gedeeld.vlk"), 0664u);
    }
    ::umask(masker);
}

// A save that finds the lock taken says so while it waits, once, and says
// when the wait is over, also when it gives up; one that may not wait gives
// up at once.
TEST_F(BestandTest, AWaitForTheLockIsToldFromItsBeginToItsEnd)
{
    const auto pad = map / "klas.vlk";
    SchrijfBestandVeilig(pad.string(), "oud\r\n");
    const std::vector<std::string> gewoon = {"open map", "open tijdelijk", "write", "fchmod", "fsync bestand",
                                             "close bestand", "rename", "fsync map", "close map"};
    auto wacht = gewoon;
    wacht.insert(wacht.begin() + 1, {"wacht", "klaar"});
    const struct {
        const char* wat;
        int bezet;
        useconds_t maxWacht;
        std::vector<std::string> oproepen;
        bool bewaard;
    } gevallen[] = {
        {"free", 0, MaxSlotwachttijd, gewoon, true},
        {"taken for a while", 30, MaxSlotwachttijd, wacht, true},
        {"taken throughout", 1000000, MaxSlotwachttijd, {"open map", "wacht", "klaar", "close map"}, false},
        {"taken, no waiting", 1000000, 0, {"open map", "close map"}, false},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.wat);
        const std::string voor = Lees(pad);
        Storing systeem(Storing::Geen, 0);
        systeem.bezet_ = g.bezet;
        try {
            SchrijfBestandVeilig(pad.string(), g.wat, systeem, g.maxWacht);
            EXPECT_TRUE(g.bewaard);
        } catch (const Bestandsfout& f) {
            EXPECT_FALSE(g.bewaard);
            EXPECT_EQ(f.code(), FoutMapBezet);
            EXPECT_EQ(std::string(f.what()), Mapbezet + (": " + pad.string()));
        }
        EXPECT_EQ(systeem.Oproepen(), g.oproepen);
        // Every pause lies inside the wait.
        const auto& o = systeem.oproepen_;
        const auto begin = std::find(o.begin(), o.end(), "wacht"), einde = std::find(o.begin(), o.end(), "klaar");
        EXPECT_EQ(std::count(o.begin(), begin, "usleep") + std::count(einde, o.end(), "usleep"), 0);
        EXPECT_EQ(systeem.Aantal("usleep") > 0, g.bezet > 0 && g.maxWacht > 0);
        EXPECT_EQ(Lees(pad), g.bewaard ? g.wat : voor);
        EXPECT_TRUE(systeem.open_.empty());
        EXPECT_TRUE(Overige(map, {"klas.vlk"}).empty());
    }
}

// Once renamed, the save syncs the folder the lock opened, so that the new
// name survives a power cut. A folder that cannot be opened or synced is no
// error; an I/O error of its sync is.
TEST_F(BestandTest, TheFolderIsSyncedAfterTheRename)
{
    const auto pad = map / "klas.vlk";
    const struct {
        int mapFout, syncFout;
        const char* fout;  // nullptr: saved
    } gevallen[] = {
        {0, 0, nullptr},          {EACCES, 0, nullptr}, {0, EINVAL, nullptr},
        {0, EROFS, nullptr},      {0, EBADF, nullptr},  {0, EIO, "Invoer-/uitvoerfout"},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(std::to_string(g.mapFout) + " " + std::to_string(g.syncFout));
        Storing systeem(Storing::Geen, 0);
        systeem.mapFout_ = g.mapFout;
        systeem.mapSyncFout_ = g.syncFout;
        try {
            SchrijfBestandVeilig(pad.string(), "nieuw " + std::to_string(g.syncFout), systeem);
            EXPECT_EQ(g.fout, nullptr);
        } catch (const Bestandsfout& f) {
            EXPECT_EQ(std::string(f.what()), (g.fout ? g.fout : "") + (": " + pad.string()));
        }
        auto o = systeem.Oproepen();
        const auto rename = std::find(o.begin(), o.end(), "rename");
        ASSERT_NE(rename, o.end());
        const std::vector<std::string> na(rename + 1, o.end());
        const std::vector<std::string> gesynct = {"fsync map", "close map"};
        // Where the folder could not be opened, the save's claim goes instead.
        EXPECT_EQ(na, g.mapFout ? std::vector<std::string>{"unlink"} : gesynct);
        EXPECT_EQ(systeem.Aantal("open map"), 1);
        // The new bytes are in place, also when the folder's sync failed.
        EXPECT_EQ(Lees(pad), "nieuw " + std::to_string(g.syncFout));
        EXPECT_TRUE(systeem.open_.empty());
        EXPECT_TRUE(Overige(map, {"klas.vlk"}).empty());
    }
}

// Every save writes a temporary file of its own, whether it holds the
// folder's lock, finds the lock granted while it locks nothing (each
// machine's own lock on a share), or has none: a name with this process's
// mark, never the name older versions wrote under the lock, never one that
// exists (another save's), which it leaves alone; under 100 bytes also for
// the longest target name. It removes nothing but its own claim.
TEST_F(BestandTest, EverySaveWritesATemporaryFileOfItsOwn)
{
    const std::string naam = std::string(246, 'n') + ".vlk";
    const auto pad = map / naam;
    const auto gedeeld = map / TijdelijkeNaam(naam);
    Bestandssysteem echt;
    Procesmerk eigen;
    ASSERT_TRUE(EigenProcesmerk(echt, eigen));
    const std::string gemerkt = TijdelijkeNaam(naam, eigen, 0);
    const std::string stam = gemerkt.substr(0, gemerkt.size() - 20);  // all but the save's own part
    const struct {
        const char* wat;
        int mapFout;
        Storing::Oproep faalt;
        bool groot;
    } gevallen[] = {
        {"under the lock", 0, Storing::Geen, false},
        {"folder not lockable", 0, Storing::Flock, false},
        {"large folder", 0, Storing::Geen, true},
        {"folder not readable", EACCES, Storing::Geen, false},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.wat);
        SchrijfBestandVeilig(pad.string(), "oud");
        std::ofstream(gedeeld, std::ios::binary) << "van een andere save";  // an older version at work
        Storing systeem(g.faalt, ENOLCK);
        systeem.mapFout_ = g.mapFout;
        systeem.groteMap_ = g.groot;
        systeem.anderman_ = 2;
        ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), "nieuw", systeem));
        EXPECT_EQ(Lees(pad), "nieuw");
        EXPECT_EQ(Lees(gedeeld), "van een andere save");
        for (const auto& weg : systeem.verwijderd_)
            EXPECT_TRUE(std::any_of(systeem.claims_.begin(), systeem.claims_.end(),
                                    [&](const auto& c) { return c.first == weg; }))
                << weg;
        ASSERT_EQ(systeem.tijdelijk_.size(), 3u);
        for (const std::string& t : systeem.tijdelijk_) {
            EXPECT_NE(t, TijdelijkeNaam(naam));
            EXPECT_TRUE(t.starts_with(stam)) << t;
            EXPECT_LT(t.size(), 100u);
        }
        EXPECT_NE(systeem.tijdelijk_[0], systeem.tijdelijk_[1]);
        EXPECT_NE(systeem.tijdelijk_[1], systeem.tijdelijk_[2]);
        EXPECT_TRUE(systeem.open_.empty());
        EXPECT_EQ(Overige(map, {naam}), std::vector<std::string>{gedeeld.filename().string()});
        fs::remove(gedeeld);
    }
}

namespace {

// Claim k of the file called `naam`, as a save makes it.
std::string Claim(const std::string& naam, int k)
{
    const std::string t = TijdelijkeNaam(naam);
    return t.substr(0, t.size() - 4) + "-" + std::to_string(k) + ".tmp";
}

// What a claim says of the temporary file `bestand`: its own part, without
// the part of its target.
std::string Claimtekst(const std::string& bestand) { return bestand.substr(29, bestand.size() - 29 - 4); }

// The number of a process that has ended and been waited for, or -1.
pid_t GeendigdProces()
{
    const pid_t p = ::fork();
    if (p == 0)
        ::_exit(0);
    return p > 0 && ::waitpid(p, nullptr, 0) == p ? p : -1;
}

// Every pair of an element of `a` and one of `b`.
template <class A, std::size_t N, class B, std::size_t M>
std::vector<std::pair<A, B>> Kruis(const A (&a)[N], const B (&b)[M])
{
    std::vector<std::pair<A, B>> r;
    for (const A& x : a)
        for (const B& y : b)
            r.emplace_back(x, y);
    return r;
}

}  // namespace

// In a large folder, or one it may not list, a save first claims the first
// free of four names known from the target's: a symbolic link that names its
// temporary file, made before that file and removed after its rename, so
// that a save killed in between leaves what the next one finds without
// listing the folder. A claim of a save that lives is passed by; where all
// four are taken or the file system makes no links, the save goes without.
// A temporary name found taken is claimed anew. In a small folder, which it
// lists, a save claims nothing.
TEST_F(BestandTest, ASaveClaimsANameForItsFileFirst)
{
    const auto pad = map / "klas.vlk";
    const std::vector<std::string> geclaimd = {"open map",      "symlink",       "open tijdelijk",
                                               "write",         "fchmod",        "fsync bestand",
                                               "close bestand", "rename",        "unlink"};
    auto gesynct = geclaimd;
    gesynct.insert(gesynct.end(), {"fsync map", "close map"});
    Bestandssysteem echt;
    Procesmerk eigen;
    ASSERT_TRUE(EigenProcesmerk(echt, eigen));
    const std::string levend = TijdelijkeNaam("klas.vlk", eigen, 7);  // a save of this very process
    const struct {
        const char* wat;
        int bezet;  // claims a living save holds
        bool geenLinks;
        int anderman;
        int claim;  // the claim made, 0: none
    } gevallen[] = {
        {"all free", 0, false, 0, 1},       {"the first taken", 1, false, 0, 2}, {"three taken", 3, false, 0, 4},
        {"all taken", 4, false, 0, 0},      {"no links", 0, true, 0, 0},         {"its name taken", 0, false, 1, 1},
    };
    for (const auto& [wijze, g] : Kruis(Claimwijzen, gevallen)) {
        SCOPED_TRACE(std::string(wijze.wat) + ", " + g.wat);
        SchrijfBestandVeilig(pad.string(), "oud");
        for (int k = 1; k <= g.bezet; ++k)
            fs::create_symlink(Claimtekst(levend), map / Claim("klas.vlk", k));
        Storing systeem(Storing::Geen, 0);
        systeem.mapFout_ = wijze.mapFout;
        systeem.groteMap_ = wijze.groot;
        systeem.geenLinks_ = g.geenLinks;
        systeem.anderman_ = g.anderman;
        ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), g.wat, systeem));
        EXPECT_EQ(Lees(pad), g.wat);
        if (g.claim == 1 && !g.anderman) {
            EXPECT_EQ(systeem.Oproepen(), wijze.mapFout ? geclaimd : gesynct);
        }
        // Each claim made names the temporary file tried after it.
        std::vector<std::pair<std::string, std::string>> gemaakt;
        for (std::size_t i = 0; i < systeem.claims_.size(); ++i)
            if (!g.geenLinks && !fs::exists(map / systeem.claims_[i].first) &&
                std::find(systeem.verwijderd_.begin(), systeem.verwijderd_.end(), systeem.claims_[i].first) !=
                    systeem.verwijderd_.end())
                gemaakt.push_back(systeem.claims_[i]);
        ASSERT_EQ(gemaakt.size(), g.claim ? static_cast<std::size_t>(1 + g.anderman) : 0u);
        for (std::size_t i = 0; i < gemaakt.size(); ++i) {
            EXPECT_EQ(gemaakt[i].first, Claim("klas.vlk", g.claim));
            EXPECT_EQ(gemaakt[i].second, Claimtekst(systeem.tijdelijk_[i]));
        }
        EXPECT_TRUE(systeem.open_.empty());
        // The living save's claims stay; nothing else does.
        std::vector<std::string> over = Overige(map, {"klas.vlk"}), verwacht;
        for (int k = 1; k <= g.bezet; ++k)
            verwacht.push_back(Claim("klas.vlk", k));
        std::sort(over.begin(), over.end());
        EXPECT_EQ(over, verwacht);
        for (const auto& c : verwacht)
            fs::remove(map / c);
    }
    Storing klein(Storing::Geen, 0);
    ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), "klein", klein));
    EXPECT_EQ(klein.Aantal("symlink"), 0);
    EXPECT_EQ(Lees(pad), "klein");
}

// A folder of many files is not read at every save, which would cost more
// than the save itself: the save claims a name instead.
TEST_F(BestandTest, AFolderOfManyFilesIsNotReadAtEverySave)
{
    const auto groot = map / "groot";
    fs::create_directory(groot);
    for (int i = 0; i < 1000; ++i)
        std::ofstream(groot / ("leerling " + std::to_string(i) + ".vlk")) << i;
    const auto pad = groot / "klas.vlk";
    struct Teller : Bestandssysteem {
        int leesmap(int fd, std::string_view begin, std::vector<std::string>& namen) override
        {
            ++gelezen;
            return Bestandssysteem::leesmap(fd, begin, namen);
        }
        int symlink(const char* naar, const char* pad) override
        {
            ++claims;
            return Bestandssysteem::symlink(naar, pad);
        }
        int gelezen = 0, claims = 0;
    } systeem;
    for (int n = 0; n < 3; ++n)
        ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), std::to_string(n), systeem));
    EXPECT_EQ(Lees(pad), "2");
    EXPECT_EQ(systeem.gelezen, 0);
    EXPECT_EQ(systeem.claims, 3);
    EXPECT_EQ(std::distance(fs::directory_iterator(groot), fs::directory_iterator()), 1001);
}

// A small folder is listed again only where something changed it since this
// process's last save left it under its lock with nothing of another save
// in it: a file made there, or a save's file it had to leave standing.
TEST_F(BestandTest, AFolderIsListedAgainOnlyWhereItChangedSinceThisProcessSavedThere)
{
    const auto pad = map / "klas.vlk";
    struct Teller : Bestandssysteem {
        int leesmap(int fd, std::string_view begin, std::vector<std::string>& namen) override
        {
            ++gelezen;
            return Bestandssysteem::leesmap(fd, begin, namen);
        }
        int gelezen = 0;
    } systeem;
    const auto Opslaan = [&](const std::string& inhoud) {
        systeem.gelezen = 0;
        SchrijfBestandVeilig(pad.string(), inhoud, systeem);
        EXPECT_EQ(Lees(pad), inhoud);
        return systeem.gelezen;
    };
    // Makes a file in the folder; where the clock gives the folder the time
    // it had (a kernel whose file times step by the tick), a later one.
    const auto Maak = [&](const fs::path& bestand, const std::string& inhoud) {
        struct stat voor {}, na {};
        ::stat(map.c_str(), &voor);
        std::ofstream(bestand) << inhoud;
        ::stat(map.c_str(), &na);
        if (na.st_mtim.tv_sec == voor.st_mtim.tv_sec && na.st_mtim.tv_nsec == voor.st_mtim.tv_nsec) {
            const timespec later[2] = {{0, UTIME_OMIT}, {voor.st_mtim.tv_sec + 1, voor.st_mtim.tv_nsec}};
            ::utimensat(AT_FDCWD, map.c_str(), later, 0);
        }
    };
    EXPECT_EQ(Opslaan("1"), 1);
    EXPECT_EQ(Opslaan("2"), 0);
    Maak(map / "brief.txt", "ander bestand");
    EXPECT_EQ(Opslaan("3"), 1);
    EXPECT_EQ(Opslaan("4"), 0);

    // A living save's file stays, and is looked at again at every save.
    Bestandssysteem echt;
    Procesmerk eigen;
    ASSERT_TRUE(EigenProcesmerk(echt, eigen));
    const auto levend = map / TijdelijkeNaam("klas.vlk", eigen, 99);
    Maak(levend, "van een levende");
    EXPECT_EQ(Opslaan("5"), 1);
    EXPECT_EQ(Opslaan("6"), 1);
    EXPECT_TRUE(fs::exists(levend));
    fs::remove(levend);
    EXPECT_EQ(Opslaan("7"), 1);
    EXPECT_EQ(Opslaan("8"), 0);
}

namespace {

// The real calls, but the processes in `verborgen` are hidden as /proc hides
// another user's: their stat cannot be read, and kill answers for them as
// given (0: it lives, EPERM: another user's, ESRCH: gone). The folder may be
// one that cannot be locked, not listed, or of many files, on a file system
// without links.
class Verborgen : public Bestandssysteem {
public:
    int kill(pid_t pid, int signaal) override
    {
        const auto i = verborgen.find(pid);
        if (i == verborgen.end())
            return Bestandssysteem::kill(pid, signaal);
        errno = i->second;
        return i->second ? -1 : 0;
    }
    int leesbestand(const char* pad, std::string& inhoud) override
    {
        for (const auto& [pid, fout] : verborgen)
            if (pad == "/proc/" + std::to_string(pid) + "/stat") {
                errno = ENOENT;
                return -1;
            }
        return Bestandssysteem::leesbestand(pad, inhoud);
    }
    int flock(int fd, int bewerking) override
    {
        if (zonderSlot) {
            errno = ENOLCK;
            return -1;
        }
        return Bestandssysteem::flock(fd, bewerking);
    }
    int leesmap(int pad, std::string_view begin, std::vector<std::string>& namen) override
    {
        if (onleesbaar) {
            errno = EACCES;
            return -1;
        }
        return Bestandssysteem::leesmap(pad, begin, namen);
    }
    int symlink(const char* naar, const char* pad) override
    {
        if (geenLinks) {
            errno = EPERM;
            return -1;
        }
        return Bestandssysteem::symlink(naar, pad);
    }
    int fstat(int fd, struct stat* st) override
    {
        const int r = Bestandssysteem::fstat(fd, st);
        if (r == 0 && groot && S_ISDIR(st->st_mode))
            st->st_size = 1 << 20;
        return r;
    }
    std::map<pid_t, int> verborgen;
    bool zonderSlot = false;
    bool onleesbaar = false;
    bool geenLinks = false;
    bool groot = false;
};

}  // namespace

// Every save first removes what killed saves left where their saver is
// provably gone: a file or claim whose mark (a claim's in what it says) says
// its process was of this running system and is gone, or one that stood
// unchanged for an hour; a claim with the file it names. In a small folder
// it lists the folder, for what saves of any file left. In a large one, or
// one it may not list, it tries its file's claims and the name an older
// version wrote under the folder's lock; one that can then make no claim (no
// links) lists the folder where it may. A file of a process that may live (this one,
// another, one /proc hides), of another boot, machine or namespace, without
// a mark or of an older version's name stays while it is young; a file of
// the user always. A claim removes through it only a temporary file of its
// own target; a grave (where a save removing a claim holds it) goes once its
// save is gone. Whether the save takes the lock or not, it works all the same.
TEST_F(BestandTest, ASaveRemovesWhatSavesOfGoneProcessesLeft)
{
    Bestandssysteem echt;
    Procesmerk eigen;
    ASSERT_TRUE(EigenProcesmerk(echt, eigen));
    const pid_t dood = GeendigdProces();
    ASSERT_GT(dood, 0);
    int p[2];
    ASSERT_EQ(::pipe(p), 0);
    const pid_t slaper = ::fork();  // a process that lives, saving too
    ASSERT_GE(slaper, 0);
    if (slaper == 0) {
        Bestandssysteem systeem;
        Procesmerk merk;
        const std::string naam = EigenProcesmerk(systeem, merk) ? TijdelijkeNaam("klas.vlk", merk, 1) : "";
        if (::write(p[1], naam.c_str(), naam.size() + 1) == static_cast<ssize_t>(naam.size() + 1))
            ::pause();
        ::_exit(1);
    }
    ::close(p[1]);
    const struct Einde {
        pid_t pid;
        ~Einde()
        {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    } einde{slaper};
    char buf[256] = {};
    ASSERT_GT(::read(p[0], buf, sizeof buf), 1);
    ::close(p[0]);
    const std::string vanSlaper = buf;

    constexpr pid_t andere = 4194304;  // beyond every process id: only the fake answers for them
    const auto merk = [&](pid_t pid, unsigned long long start, const std::string& ruimte = "") {
        return Procesmerk{ruimte.empty() ? eigen.ruimte : ruimte, pid, start};
    };
    const std::string stam = TijdelijkeNaam("klas.vlk").substr(0, 28);  // without its ".tmp"
    const std::string andereBoot = "0123456789abcdef";
    const struct {
        const char* wat;
        std::string naam;
        bool blijft;
        bool oud = false;       // unchanged for an hour
        std::string claimt;     // a claim: what it says
        bool gevonden = false;  // found without listing the folder: through a claim, or by its name
    } gevallen[] = {
        {"gone", TijdelijkeNaam("klas.vlk", merk(dood, eigen.start), 1), false, false, "", false},
        {"gone, another target", TijdelijkeNaam("ander.vlk", merk(dood, 5), 2), false, false, "", false},
        {"its id used again", TijdelijkeNaam("klas.vlk", merk(::getpid(), eigen.start + 1), 3), false, false, "", false},
        {"hidden and gone", TijdelijkeNaam("klas.vlk", merk(andere + 1, 5), 4), false, false, "", false},
        {"this process", TijdelijkeNaam("klas.vlk", eigen, 5), true, false, "", false},
        {"another living process", vanSlaper, true, false, "", false},
        {"hidden, another user's", TijdelijkeNaam("klas.vlk", merk(andere + 2, 5), 6), true, false, "", false},
        {"hidden, living", TijdelijkeNaam("klas.vlk", merk(andere + 3, 5), 7), true, false, "", false},
        {"another boot", TijdelijkeNaam("klas.vlk", merk(dood, 5, "0123456789abcdef"), 8), true, false, "", false},
        {"under the lock", TijdelijkeNaam("ander.vlk"), true, false, "", false},
        {"without a mark", stam + "-0123456789abcdef.tmp", true, false, "", false},
        {"process 0", TijdelijkeNaam("klas.vlk", merk(0, 5), 9), true, false, "", false},
        {"a process id no number", stam + "-" + eigen.ruimte + "-x-5-0123456789abcdef.tmp", true, false, "", false},
        {"a file of the user", "klas.vlk.bak", true, false, "", false},
        {"another boot, an hour old", TijdelijkeNaam("klas.vlk", merk(dood, 5, andereBoot), 10), false, true, "", false},
        {"hidden, living, an hour old", TijdelijkeNaam("klas.vlk", merk(andere + 3, 5), 11), false, true, "", false},
        {"under the lock, an hour old", TijdelijkeNaam("klas.vlk"), false, true, "", true},
        {"without a mark, an hour old", stam + "-1123456789abcdef.tmp", false, true, "", false},
        {"a file of the user, an hour old", "klas.vlk.oud", true, true, "", false},
        {"claimed, gone", TijdelijkeNaam("klas.vlk", merk(dood, eigen.start), 12), false, false, "", true},
        {"its claim", Claim("klas.vlk", 1), false, false,
         Claimtekst(TijdelijkeNaam("klas.vlk", merk(dood, eigen.start), 12)), true},
        {"a claim of a living save", Claim("klas.vlk", 2), true, false, Claimtekst(vanSlaper), false},
        {"a claim of another boot", Claim("klas.vlk", 3), true, false,
         Claimtekst(TijdelijkeNaam("klas.vlk", merk(dood, 5, andereBoot), 13)), false},
        {"a claim an hour old naming a file of the user", Claim("klas.vlk", 4), false, true, "../klas.vlk.bak", true},
        {"a claim of another target, gone", Claim("ander.vlk", 1), false, false,
         Claimtekst(TijdelijkeNaam("ander.vlk", merk(dood, 5), 14)), false},
        {"the grave a gone save left", stam + "-weg.tmp", false, false,
         Claimtekst(TijdelijkeNaam("klas.vlk", merk(dood, eigen.start), 15)), true},
    };
    const auto pad = map / "klas.vlk";
    const struct {
        const char* wat;
        bool zonderSlot, onleesbaar, groot, geenLinks;
        bool gelijst;  // the save lists the folder
    } wijzen[] = {{"under the lock", false, false, false, false, true},
                  {"without the lock", true, false, false, false, true},
                  {"large folder", false, false, true, false, false},
                  {"large folder, no links", false, false, true, true, true},
                  {"not listed", true, true, false, false, false},
                  {"not listed, no links", true, true, false, true, false}};
    for (const auto& w : wijzen) {
        SCOPED_TRACE(w.wat);
        const timespec uurGeleden[2] = {{std::time(nullptr) - 3700, 0}, {std::time(nullptr) - 3700, 0}};
        for (const auto& g : gevallen) {
            if (g.claimt.empty())
                std::ofstream(map / g.naam, std::ios::binary) << g.wat;
            else
                fs::create_symlink(g.claimt, map / g.naam);
            if (g.oud) {
                ASSERT_EQ(::utimensat(AT_FDCWD, (map / g.naam).c_str(), uurGeleden, AT_SYMLINK_NOFOLLOW), 0);
            }
        }
        Verborgen systeem;
        systeem.verborgen = {{andere + 1, ESRCH}, {andere + 2, EPERM}, {andere + 3, 0}};
        systeem.zonderSlot = w.zonderSlot;
        systeem.onleesbaar = w.onleesbaar;
        systeem.geenLinks = w.geenLinks;
        systeem.groot = w.groot;
        ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), w.wat, systeem));
        EXPECT_EQ(Lees(pad), w.wat);
        for (const auto& g : gevallen)
            EXPECT_EQ(fs::exists(fs::symlink_status(map / g.naam)), g.blijft || (!w.gelijst && !g.gevonden))
                << g.wat << ": " << g.naam;
        for (const auto& g : gevallen)
            fs::remove(map / g.naam);
        EXPECT_EQ(Overige(map, {"klas.vlk"}), std::vector<std::string>());
    }
}

namespace {

// A folder one may write but neither read nor list (mode 0733), where a save
// has no lock; `bijRename` runs as the save is about to rename its file.
class Dichtemap : public Bestandssysteem {
public:
    int open(const char* pad, int vlaggen, mode_t modus) override
    {
        if ((vlaggen & O_DIRECTORY) && (vlaggen & O_TMPFILE) != O_TMPFILE) {
            errno = EACCES;
            return -1;
        }
        return Bestandssysteem::open(pad, vlaggen, modus);
    }
    int leesmap(int, std::string_view, std::vector<std::string>&) override
    {
        errno = EACCES;
        return -1;
    }
    int rename(const char* van, const char* naar) override
    {
        if (bijRename)
            bijRename();
        return Bestandssysteem::rename(van, naar);
    }
    std::function<void()> bijRename;
};

// A child saving `inhoud` into a folder it cannot list that stops just before
// its rename: it ends there (`sterft`) or waits there until it is killed,
// having said so through its pipe. Returns its id once it stands there.
pid_t SaverVoorRename(const fs::path& pad, const std::string& inhoud, bool sterft)
{
    int p[2];
    if (::pipe(p) != 0)
        std::abort();
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::close(p[0]);
        Dichtemap systeem;
        systeem.bijRename = [&] {
            if (::write(p[1], "r", 1) != 1 || sterft)
                ::_exit(0);
            ::pause();
        };
        try {
            SchrijfBestandVeilig(pad.string(), inhoud, systeem);
        } catch (...) {
        }
        ::_exit(1);
    }
    ::close(p[1]);
    char c = 0;
    const bool daar = ::read(p[0], &c, 1) == 1;
    ::close(p[0]);
    if (!daar)
        ADD_FAILURE() << "the saver never came to its rename";
    return kind;
}

}  // namespace

// A save killed just before its rename leaves its file and its claim in a
// folder that cannot be listed; the next save of the file removes them. A
// save that stands there alive keeps both, and the next save works beside it.
TEST_F(BestandTest, AFileLeftJustBeforeTheRenameIsRemovedAlsoWhereTheFolderCannotBeListed)
{
    const auto pad = map / "klas.vlk";
    SchrijfBestandVeilig(pad.string(), "oud");
    Dichtemap systeem;

    const pid_t dood = SaverVoorRename(pad, "van een dode", true);
    ASSERT_EQ(::waitpid(dood, nullptr, 0), dood);
    ASSERT_EQ(Overige(map, {"klas.vlk"}).size(), 2u);
    ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), "nieuw", systeem));
    EXPECT_EQ(Lees(pad), "nieuw");
    EXPECT_EQ(Overige(map, {"klas.vlk"}), std::vector<std::string>());

    struct Kind {
        pid_t pid;
        void Beeindig()
        {
            if (pid > 0 && ::kill(pid, SIGKILL) == 0)
                ::waitpid(pid, nullptr, 0);
            pid = 0;
        }
        ~Kind() { Beeindig(); }
    } levend{SaverVoorRename(pad, "van een levende", false)};
    const auto zijn = Overige(map, {"klas.vlk"});
    ASSERT_EQ(zijn.size(), 2u);
    ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), "ernaast", systeem));
    EXPECT_EQ(Lees(pad), "ernaast");
    EXPECT_EQ(Overige(map, {"klas.vlk"}), zijn);
    const std::size_t link = fs::is_symlink(map / zijn[0]) ? 0 : 1;  // its file and the claim that names it
    EXPECT_EQ(Lees(map / zijn[1 - link]), "van een levende");
    EXPECT_EQ(fs::read_symlink(map / zijn[link]).string(), Claimtekst(zijn[1 - link]));
    levend.Beeindig();
    ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), "daarna", systeem));
    EXPECT_EQ(Lees(pad), "daarna");
    EXPECT_EQ(Overige(map, {"klas.vlk"}), std::vector<std::string>());
}

// Several saves killed just before their renames in a folder that cannot be
// listed: the next save that ends removes what every one of them left, not
// only what lay in its own way.
TEST_F(BestandTest, WhatEverySaveKilledTogetherLeftIsRemovedAlsoWhereTheFolderCannotBeListed)
{
    const auto pad = map / "klas.vlk";
    SchrijfBestandVeilig(pad.string(), "oud");
    Dichtemap systeem;
    for (int aantal : {2, 3}) {
        SCOPED_TRACE(aantal);
        std::vector<pid_t> savers;
        for (int i = 0; i < aantal; ++i)
            savers.push_back(SaverVoorRename(pad, "van saver " + std::to_string(i), false));
        EXPECT_EQ(Overige(map, {"klas.vlk"}).size(), static_cast<std::size_t>(2 * aantal));
        for (const pid_t saver : savers) {
            ::kill(saver, SIGKILL);
            ::waitpid(saver, nullptr, 0);
        }
        for (int n = 0; n < 3; ++n) {
            const std::string inhoud = "daarna " + std::to_string(n);
            ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), inhoud, systeem));
            EXPECT_EQ(Lees(pad), inhoud);
            EXPECT_EQ(Overige(map, {"klas.vlk"}), std::vector<std::string>()) << "after save " << n;
        }
    }
}

// Where saves do not take turns through the folder's lock, a gone save's
// claim is removed only by the save that holds the grave of its file's
// claims: one held by a living save leaves the claim for later, and a claim
// made at its name since another save removed the gone one stays.
TEST_F(BestandTest, AGoneSavesClaimIsRemovedOnlyUnderTheGrave)
{
    const auto pad = map / "klas.vlk";
    SchrijfBestandVeilig(pad.string(), "oud");
    Bestandssysteem echt;
    Procesmerk eigen;
    ASSERT_TRUE(EigenProcesmerk(echt, eigen));
    const pid_t dood = GeendigdProces();
    ASSERT_GT(dood, 0);
    const std::string gone = TijdelijkeNaam("klas.vlk", Procesmerk{eigen.ruimte, dood, eigen.start}, 1);
    const std::string levend = TijdelijkeNaam("klas.vlk", eigen, 2);  // of this very process
    const auto graf = map / (TijdelijkeNaam("klas.vlk").substr(0, 28) + "-weg.tmp");

    // The grave is held: the gone save's claim and file wait.
    std::ofstream(map / gone) << "van een dode";
    fs::create_symlink(Claimtekst(gone), map / Claim("klas.vlk", 1));
    fs::create_symlink(Claimtekst(levend), graf);
    Dichtemap systeem;
    ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), "nieuw", systeem));
    EXPECT_EQ(Lees(pad), "nieuw");
    EXPECT_TRUE(fs::exists(map / gone));
    EXPECT_TRUE(fs::is_symlink(map / Claim("klas.vlk", 1)));
    fs::remove(graf);

    // Another save removes the gone claim and a living one claims its name
    // while this save takes the grave: that claim stays.
    struct Tussenkomst : Dichtemap {
        int symlink(const char* naar, const char* pad) override
        {
            if (fs::path(pad).filename().string().ends_with("-weg.tmp") && !gedaan) {
                gedaan = true;
                fs::remove(map / gone);
                fs::remove(map / Claim("klas.vlk", 1));
                fs::create_symlink(Claimtekst(levend), map / Claim("klas.vlk", 1));
            }
            return Dichtemap::symlink(naar, pad);
        }
        fs::path map;
        std::string gone, levend;
        bool gedaan = false;
    } tussen;
    tussen.map = map;
    tussen.gone = gone;
    tussen.levend = levend;
    ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), "daarna", tussen));
    EXPECT_TRUE(tussen.gedaan);
    EXPECT_EQ(Lees(pad), "daarna");
    ASSERT_TRUE(fs::is_symlink(map / Claim("klas.vlk", 1)));
    EXPECT_EQ(fs::read_symlink(map / Claim("klas.vlk", 1)).string(), Claimtekst(levend));
    EXPECT_EQ(Overige(map, {"klas.vlk"}), std::vector<std::string>{Claim("klas.vlk", 1)});
}

// A save waits while another instance's save holds the folder's lock, and
// saves when that ends; a lock that is not given back makes it fail after
// the bound, leaving the old file. A folder that cannot be locked is saved
// in without the lock.
TEST_F(BestandTest, ASaveWaitsForTheFoldersLockWithinABound)
{
    const auto pad = map / "klas.vlk";
    SchrijfBestandVeilig(pad.string(), "oud\r\n");
    const int andere = ::open(map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(::flock(andere, LOCK_EX), 0);

    Storing vast(Storing::Geen, 0);
    try {
        SchrijfBestandVeilig(pad.string(), "nieuw\r\n", vast);
        ADD_FAILURE() << "saved";
    } catch (const Bestandsfout& f) {
        EXPECT_EQ(std::string(f.what()), Mapbezet + (": " + pad.string()));
    }
    EXPECT_GE(vast.gewacht_, MaxSlotwachttijd);
    EXPECT_LT(vast.gewacht_, MaxSlotwachttijd + 10000);
    EXPECT_TRUE(vast.open_.empty());
    EXPECT_EQ(Lees(pad), "oud\r\n");
    EXPECT_TRUE(Overige(map, {"klas.vlk"}).empty());

    // Given back part-way through the wait by a save in another process.
    int p[2];
    ASSERT_EQ(::pipe(p), 0);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        const int fd = ::open(map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(andere);  // so that the parent's close gives its lock back
        const bool goed = ::flock(fd, LOCK_EX) == 0 && ::write(p[1], "x", 1) == 1;
        ::usleep(100000);
        ::_exit(goed ? 0 : 1);
    }
    ::close(p[1]);
    ::close(andere);
    char x = 0;
    ASSERT_EQ(::read(p[0], &x, 1), 1);
    Storing wacht(Storing::Geen, 0);
    wacht.slapen_ = true;
    EXPECT_NO_THROW(SchrijfBestandVeilig(pad.string(), "nieuw\r\n", wacht));
    EXPECT_GT(wacht.gewacht_, 0u);
    int status = -1;
    ::waitpid(kind, &status, 0);
    EXPECT_EQ(status, 0);
    ::close(p[0]);
    EXPECT_EQ(Lees(pad), "nieuw\r\n");

    for (const int fout : {ENOLCK, EBADF, EIO}) {
        SCOPED_TRACE(fout);
        Storing geen(Storing::Flock, fout);
        EXPECT_NO_THROW(SchrijfBestandVeilig(pad.string(), std::to_string(fout), geen));
        EXPECT_EQ(Lees(pad), std::to_string(fout));
        EXPECT_TRUE(geen.open_.empty());
        EXPECT_TRUE(Overige(map, {"klas.vlk"}).empty());
    }
}

namespace {

// What saver `wie` (0 or 1) writes at its save `n`: many blocks long, and its
// first and last line say whose and which it is, so that a partial or mixed
// file shows.
std::string Versie(int wie, int n)
{
    const std::string kop = std::to_string(wie) + " " + std::to_string(n) + "\r\n";
    return kop + std::string(200000, static_cast<char>('a' + wie)) + kop;
}

// Whether the bytes are one whole Versie.
bool Heel(const std::string& inhoud)
{
    int wie = -1, n = -1;
    return std::sscanf(inhoud.c_str(), "%d %d", &wie, &n) == 2 && (wie == 0 || wie == 1) && n >= 0 &&
           inhoud == Versie(wie, n);
}

// How a saver finds the folder: it takes the folder's lock, or it cannot
// open the folder (one it may write but not read), or it opens it but can
// neither lock it nor make an unnamed file there (a network share), or the
// lock is granted to it while it locks nothing (a share whose locks are each
// machine's own); or it takes the lock of a folder of many files.
enum class Mapwijze { MetSlot, Onleesbaar, Netwerk, EigenSlot, GroteMap };

// The real calls, writing slowly in small pieces so that a save takes long
// enough to meet the other one. Just before its rename it checks that the
// file it renames is the one it opened, with its own bytes; right after, it
// reads the target: a save that renamed under the lock must find its own
// bytes there. Counts its waits for the lock. Finds the folder as `wijze`
// says.
class Traag : public Bestandssysteem {
public:
    int open(const char* pad, int vlaggen, mode_t modus) override
    {
        const bool naamloos = (vlaggen & O_TMPFILE) == O_TMPFILE;
        if (wijze == Mapwijze::Onleesbaar && (vlaggen & O_DIRECTORY) && !naamloos) {
            errno = EACCES;
            return -1;
        }
        if (wijze == Mapwijze::Netwerk && naamloos) {
            errno = EOPNOTSUPP;
            return -1;
        }
        const int fd = Bestandssysteem::open(pad, vlaggen, modus);
        struct stat st {};
        if (fd >= 0 && !(vlaggen & O_DIRECTORY) && ::fstat(fd, &st) == 0)
            geopend = st.st_ino;
        return fd;
    }
    ssize_t write(int fd, const void* data, std::size_t n) override
    {
        ::usleep(50);  // a slow disk
        return Bestandssysteem::write(fd, data, std::min<std::size_t>(n, 8192));
    }
    int rename(const char* van, const char* naar) override
    {
        struct stat st {};
        if (::lstat(van, &st) != 0 || st.st_ino != geopend || Lees(van) != *verwacht) {
            ++vreemd;
            if (meld >= 0 && ::write(meld, "v", 1) != 1)
                std::abort();
        }
        const int r = Bestandssysteem::rename(van, naar);
        if (r == 0 && Lees(naar) != *verwacht)
            ++anderen;
        return r;
    }
    int flock(int fd, int bewerking) override
    {
        if (wijze == Mapwijze::Netwerk) {
            errno = ENOLCK;
            return -1;
        }
        if (wijze == Mapwijze::EigenSlot)
            return 0;
        return Bestandssysteem::flock(fd, bewerking);
    }
    int leesmap(int map, std::string_view begin, std::vector<std::string>& namen) override
    {
        if (wijze == Mapwijze::Onleesbaar) {
            errno = EACCES;
            return -1;
        }
        return Bestandssysteem::leesmap(map, begin, namen);
    }
    int fstat(int fd, struct stat* st) override
    {
        const int r = Bestandssysteem::fstat(fd, st);
        if (r == 0 && wijze == Mapwijze::GroteMap && S_ISDIR(st->st_mode))
            st->st_size = 1 << 20;
        return r;
    }
    int usleep(useconds_t microseconden) override
    {
        gewacht += microseconden;
        return Bestandssysteem::usleep(microseconden);
    }
    const std::string* verwacht = nullptr;
    ino_t geopend = 0;
    int anderen = 0;
    int vreemd = 0;  // renames of a file not the save's own, or not with its bytes
    int meld = -1;   // where each such rename is told at once
    useconds_t gewacht = 0;
    Mapwijze wijze = Mapwijze::MetSlot;
};

// How many rounds a race test runs: MORVALDIEK_WEDLOOP times the usual few.
int Rondes(int gewoon)
{
    const char* keer = std::getenv("MORVALDIEK_WEDLOOP");
    return gewoon * std::max(1, keer ? std::atoi(keer) : 1);
}

struct Saver {
    pid_t pid;
    int uit;     // the read end of its pipe
    int fouten;  // the read end of the pipe of its failed saves
};

// A child that saves Versie(wie, 0), (wie, 1), ... to `pad`, `aantal` times
// (or until it is killed), finding the folder as `wijze` says. At once it
// writes a byte into its pipe of failures for every save that failed ('m')
// and every rename of a file not its own ('v'), so that a killed one's count
// too; at its end how many saves found another's bytes in place and the
// longest wait (µs).
Saver StartSaver(int wie, const fs::path& pad, int aantal, Mapwijze wijze)
{
    int p[2], f[2];
    if (::pipe(p) != 0 || ::pipe(f) != 0)
        std::abort();
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::close(p[0]);
        ::close(f[0]);
        Traag systeem;
        systeem.wijze = wijze;
        systeem.meld = f[1];
        int uitkomst[2] = {0, 0};
        bool goed = true;
        for (int n = 0; n < aantal; ++n) {
            const std::string inhoud = Versie(wie, n);
            systeem.verwacht = &inhoud;
            systeem.gewacht = 0;
            try {
                SchrijfBestandVeilig(pad.string(), inhoud, systeem);
            } catch (const Bestandsfout&) {
                goed = ::write(f[1], "m", 1) == 1 && goed;
            }
            uitkomst[1] = std::max(uitkomst[1], static_cast<int>(systeem.gewacht));
        }
        uitkomst[0] = systeem.anderen;
        goed = ::write(p[1], uitkomst, sizeof uitkomst) == sizeof uitkomst && goed;
        ::_exit(goed ? 0 : 1);
    }
    ::close(p[1]);
    ::close(f[1]);
    return {kind, p[0], f[0]};
}

// How many saves of an ended saver failed, and how many renamed a file not
// their own; closes that pipe.
std::pair<int, int> Mislukt(const Saver& s)
{
    int mislukt = 0, vreemd = 0;
    char buf[256];
    for (ssize_t r; (r = ::read(s.fouten, buf, sizeof buf)) != 0;)
        if (r > 0) {
            mislukt += static_cast<int>(std::count(buf, buf + r, 'm'));
            vreemd += static_cast<int>(std::count(buf, buf + r, 'v'));
        } else if (errno != EINTR)
            break;
    ::close(s.fouten);
    return {mislukt, vreemd};
}

// How the two savers of a race find the folder: both take its lock, neither
// can (a folder they may write but not read), one can and the other not
// (its owner and another user), both are on a share that locks nothing and
// makes no unnamed file, or both are granted the lock by a share whose locks
// are each machine's own (two machines); or each saves through a mount of
// its own of one folder, each with locks of its own (two machines, for real);
// or both take the lock of a folder of many files.
enum class Slotwijze { MetSlot, ZonderSlot, Gemengd, Netwerkmap, TweeMachines, TweeMounts, GroteMap };

const char* Naam(Slotwijze wijze)
{
    switch (wijze) {
    case Slotwijze::MetSlot: return "MetSlot";
    case Slotwijze::ZonderSlot: return "ZonderSlot";
    case Slotwijze::Gemengd: return "Gemengd";
    case Slotwijze::Netwerkmap: return "Netwerkmap";
    case Slotwijze::TweeMachines: return "TweeMachines";
    case Slotwijze::TweeMounts: return "TweeMounts";
    case Slotwijze::GroteMap: return "GroteMap";
    }
    return "";
}

void PrintTo(Slotwijze wijze, std::ostream* uit) { *uit << Naam(wijze); }

std::string Slotwijzenaam(const ::testing::TestParamInfo<Slotwijze>& i) { return Naam(i.param); }

Mapwijze SaverWijze(Slotwijze wijze, int wie)
{
    switch (wijze) {
    case Slotwijze::MetSlot: return Mapwijze::MetSlot;
    case Slotwijze::ZonderSlot: return Mapwijze::Onleesbaar;
    case Slotwijze::Gemengd: return wie == 1 ? Mapwijze::Onleesbaar : Mapwijze::MetSlot;
    case Slotwijze::Netwerkmap: return Mapwijze::Netwerk;
    case Slotwijze::TweeMachines: return Mapwijze::EigenSlot;
    case Slotwijze::TweeMounts: return Mapwijze::MetSlot;
    case Slotwijze::GroteMap: return Mapwijze::GroteMap;
    }
    return Mapwijze::MetSlot;
}

// Mounts `map` at `op` through FUSE (bindfs), as a machine mounts a share:
// locks taken through it are its own. False where that cannot be done here.
bool Aankoppelen(const fs::path& map, const fs::path& op)
{
    fs::create_directories(op);
    const pid_t kind = ::fork();
    if (kind == 0) {
        const int leeg = ::open("/dev/null", O_RDWR);
        ::dup2(leeg, 1);
        ::dup2(leeg, 2);
        ::execlp("bindfs", "bindfs", map.c_str(), op.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = -1;
    ::waitpid(kind, &status, 0);
    struct statfs st {};
    constexpr long Fuse = 0x65735546;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && ::statfs(op.c_str(), &st) == 0 &&
           static_cast<long>(st.f_type) == Fuse;
}

class BestandWedloop : public BestandTest, public ::testing::WithParamInterface<Slotwijze> {
protected:
    void SetUp() override
    {
        if (GetParam() != Slotwijze::TweeMounts)
            return;
        fs::create_directories(Gedeeld());
        for (int wie : {0, 1}) {
            if (::geteuid() != 0 || !Aankoppelen(Gedeeld(), Pad(wie).parent_path()))
                GTEST_SKIP() << "no FUSE mount through bindfs here";
            gekoppeld_.push_back(Pad(wie).parent_path());
        }
    }
    void TearDown() override
    {
        for (const auto& op : gekoppeld_)
            ::umount2(op.c_str(), MNT_DETACH);
    }

    // The folder the savers share, as its server keeps it.
    fs::path Gedeeld() const { return GetParam() == Slotwijze::TweeMounts ? map / "gedeeld" : map; }
    // The class file as saver `wie` reaches it; -1: as its server keeps it.
    fs::path Pad(int wie = -1) const
    {
        if (GetParam() != Slotwijze::TweeMounts || wie < 0)
            return Gedeeld() / "klas.vlk";
        return map / (wie == 0 ? "a" : "b") / "klas.vlk";
    }
    Saver Start(int wie, int aantal) { return StartSaver(wie, Pad(wie), aantal, SaverWijze(GetParam(), wie)); }

private:
    std::vector<fs::path> gekoppeld_;
};

}  // namespace

// Two instances saving one class at the same moments: whoever reads the file
// finds one whole save, never an empty or partial one; every save succeeds,
// renames its own file with its own bytes, and at its rename under the lock
// finds them in place.
TEST_P(BestandWedloop, TwoSavesOfOneTargetNeverShowAnUnfinishedFile)
{
    const auto pad = Pad();
    SchrijfBestandVeilig(pad.string(), Versie(0, 0));
    const int aantal = Rondes(100);
    const Saver savers[] = {Start(0, aantal), Start(1, aantal)};

    int lezingen = 0, leeg = 0, half = 0, klaar = 0;
    while (klaar < 2) {
        const std::string inhoud = LeesInhoud(pad.string());
        ++lezingen;
        if (inhoud.empty())
            ++leeg;
        else if (!Heel(inhoud))
            ++half;
        klaar = 0;
        for (const Saver& s : savers)
            klaar += ::waitpid(s.pid, nullptr, WNOHANG) == s.pid || ::kill(s.pid, 0) != 0;
    }
    int mislukt = 0, vreemd = 0, anderen = 0, langst = 0;
    for (const Saver& s : savers) {
        int uitkomst[2] = {-1, -1};
        EXPECT_EQ(::read(s.uit, uitkomst, sizeof uitkomst), static_cast<ssize_t>(sizeof uitkomst));
        ::close(s.uit);
        const auto [m, v] = Mislukt(s);
        mislukt += m;
        vreemd += v;
        anderen += uitkomst[0];
        langst = std::max(langst, uitkomst[1]);
    }
    std::printf("%d saves, %d reads: %d empty, %d partial; %d failed saves, %d renamed a file not their own, "
                "%d found another's bytes after their rename; longest wait %d ms\n",
                2 * aantal, lezingen, leeg, half, mislukt, vreemd, anderen, langst / 1000);
    EXPECT_EQ(leeg, 0);
    EXPECT_EQ(half, 0);
    EXPECT_EQ(mislukt, 0);
    EXPECT_EQ(vreemd, 0);
    if (GetParam() == Slotwijze::MetSlot) {
        EXPECT_EQ(anderen, 0);
    }
    EXPECT_TRUE(Heel(Lees(pad)));
    EXPECT_TRUE(Overige(Gedeeld(), {"klas.vlk"}).empty());
}

// Two instances saving in a loop, killed at random moments: the file is one
// whole save after every kill, no save fails and none renames a file not its
// own. Under the lock what they leave is at most one temporary file and its
// claim. What a killed save left is known as a gone save's by its process,
// through its claim; the next save removes it.
TEST_P(BestandWedloop, TwoSaversKilledAtRandomMomentsLeaveAWholeFile)
{
    const auto pad = Pad();
    SchrijfBestandVeilig(pad.string(), Versie(0, 0));
    std::srand(2);
    const int rondes = Rondes(40);
    int doden = 0, leeg = 0, half = 0, mislukt = 0, vreemd = 0, achtergelaten = 0;
    Achtergelaten meest;
    for (int ronde = 0; ronde < rondes; ++ronde) {
        const Saver savers[] = {Start(0, 1000000), Start(1, 1000000)};
        ::usleep(static_cast<useconds_t>(std::rand() % 20000));
        for (const Saver& s : savers)
            ::kill(s.pid, SIGKILL);
        for (const Saver& s : savers) {
            ::waitpid(s.pid, nullptr, 0);
            ::close(s.uit);
            const auto [m, v] = Mislukt(s);
            mislukt += m;
            vreemd += v;
            ++doden;
        }
        const std::string inhoud = LeesInhoud(pad.string());
        if (inhoud.empty())
            ++leeg;
        else if (!Heel(inhoud))
            ++half;
        const auto over = Tel(Gedeeld(), {"klas.vlk"});
        meest.bestanden = std::max(meest.bestanden, over.bestanden);
        meest.claims = std::max(meest.claims, over.claims);
        achtergelaten += static_cast<int>(over.bestanden + over.claims);
    }
    // The next save finds the folder as the first saver did: one that cannot
    // be listed too.
    Traag volgende;
    volgende.wijze = SaverWijze(GetParam(), 0);
    const std::string laatste = Versie(1, 0);
    volgende.verwacht = &laatste;
    SchrijfBestandVeilig(Pad(0).string(), laatste, volgende);
    const auto over = Overige(Gedeeld(), {"klas.vlk"});
    std::printf("%d kills: %d empty, %d partial, %d failed saves, %d renamed a file not their own; %d temporary "
                "files and claims found after the kills, at most %zu files and %zu claims at once, %zu after the "
                "next save\n",
                doden, leeg, half, mislukt, vreemd, achtergelaten, meest.bestanden, meest.claims, over.size());
    EXPECT_EQ(leeg, 0);
    EXPECT_EQ(half, 0);
    EXPECT_EQ(mislukt, 0);
    EXPECT_EQ(vreemd, 0);
    if (GetParam() == Slotwijze::MetSlot || GetParam() == Slotwijze::GroteMap) {
        EXPECT_LE(meest.bestanden, 1u);
        EXPECT_LE(meest.claims, 1u);
    }
    EXPECT_TRUE(over.empty()) << over.size() << " left, such as " << over.front();
}

INSTANTIATE_TEST_SUITE_P(Slotwijzen, BestandWedloop,
                         ::testing::Values(Slotwijze::MetSlot, Slotwijze::ZonderSlot, Slotwijze::Gemengd,
                                           Slotwijze::Netwerkmap, Slotwijze::TweeMachines, Slotwijze::TweeMounts,
                                           Slotwijze::GroteMap),
                         Slotwijzenaam);

// A file larger than any valid one is refused as of the wrong kind at once,
// whatever it holds; one of the largest size allowed is still read.
TEST_F(BestandTest, AnOversizedFileIsRefusedBeforeItIsRead)
{
    const auto pad = map / "rand.txt";
    std::string vol;
    while (vol.size() + 100 <= MaxBestandsgrootte)
        vol += std::string(98, 'x') + "\r\n";
    vol += std::string(MaxBestandsgrootte - vol.size(), 'x');
    std::ofstream(pad, std::ios::binary) << vol;
    EXPECT_EQ(LeesRegels(pad.string()).size(), MaxBestandsgrootte / 100 + 1);
    std::ofstream(pad, std::ios::app | std::ios::binary) << "\n";
    try {
        LeesRegels(pad.string());
        ADD_FAILURE() << "read";
    } catch (const Bestandsfout& f) {
        EXPECT_EQ(f.code(), FoutVerkeerdBestand);
    }

    // A valid grade or settings file followed by empty lines up to just over
    // the bound: refused, and nothing of it stored.
    AdmMain a;
    a.Achternaam(1) = "Jansen";
    const auto vlk = map / "klas.vlk";
    CijferbestandOpslaan(a, vlk.string());
    a.StartMap = map.string();
    a.School = "Het Lyceum";
    InstellingenBewaren(a, map.string());
    for (const auto& p : {vlk, map / Instellingenbestand}) {
        const auto n = MaxBestandsgrootte + 1 - fs::file_size(p);
        std::ofstream(p, std::ios::app | std::ios::binary) << std::string(n, '\n');
    }
    AdmMain b;
    b.School = "Eigen school";
    b.Achternaam(1) = "Pietersen";
    for (const auto& lees : std::initializer_list<std::function<void()>>{
             [&] { CijferbestandOpenen(b, vlk.string()); }, [&] { InstellingenLezen(b, map.string()); }}) {
        try {
            lees();
            ADD_FAILURE() << "read";
        } catch (const Bestandsfout& f) {
            EXPECT_EQ(f.code(), FoutVerkeerdBestand);
        }
    }
    EXPECT_TRUE(b.Achternaam(1).leeg());  // the failed load leaves a new data set
    EXPECT_TRUE(b.School.leeg());  // and the failed settings read stores nothing
}

namespace {

// Reads the file with room for little more than the process already uses;
// exits 0 when that gave the allocation's file error.
[[noreturn]] void LeesMetWeinigGeheugen(const std::string& pad)
{
    long paginas = 0;
    std::ifstream("/proc/self/statm") >> paginas;
    const rlim_t grens = static_cast<rlim_t>(paginas) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (8u << 20);
    const rlimit r{grens, grens};
    ::setrlimit(RLIMIT_AS, &r);
    try {
        LeesRegels(pad);
    } catch (const Bestandsfout& f) {
        std::fprintf(stderr, "code %d\n", f.code());
        std::_Exit(f.code() == FoutGeenGeheugen ? 0 : 1);
    }
    std::_Exit(2);
}

}  // namespace

// Under a memory limit an allocation that fails while reading is a file
// error like any other, which every caller reports; it never escapes.
TEST_F(BestandTest, AnAllocationFailureIsAFileError)
{
    const auto pad = map / "regels.txt";
    std::ofstream(pad, std::ios::binary) << std::string(MaxBestandsgrootte, '\n');
    EXPECT_EXIT(LeesMetWeinigGeheugen(pad.string()), ::testing::ExitedWithCode(0), "code 7");
}

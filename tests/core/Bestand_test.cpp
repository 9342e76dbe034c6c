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
#include <sys/stat.h>
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

// A save killed part-way leaves at most its one temporary file, and the next
// save of that target removes it.
TEST_F(BestandTest, AKilledSaveLeavesAtMostOneTemporaryFile)
{
    const auto pad = map / "klas.vlk";
    const std::string a(200000, 'a'), b(200000, 'b');
    SchrijfBestandVeilig(pad.string(), a);

    // Left by a save that never finished.
    std::ofstream(map / TijdelijkeNaam("klas.vlk"), std::ios::binary) << "half";
    SchrijfBestandVeilig(pad.string(), b);
    EXPECT_EQ(Lees(pad), b);
    EXPECT_TRUE(Overige(map, {"klas.vlk"}).empty());

    // Saves really killed at random moments.
    std::srand(1);
    std::size_t meest = 0;
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
        const auto over = Overige(map, {"klas.vlk"});
        meest = std::max(meest, over.size());
        const auto inhoud = Lees(pad);
        ASSERT_TRUE(inhoud == a || inhoud == b) << "torn file after kill " << i;
    }
    EXPECT_LE(meest, 1u);
    SchrijfBestandVeilig(pad.string(), a);
    EXPECT_TRUE(Overige(map, {"klas.vlk"}).empty());
}

namespace {

// The real calls, with one of them failing; records each call of a save in
// order, what was opened and closed, and how long a save waited for the
// folder's lock (without waiting). Besides, it can refuse to open the folder,
// say that the folder's lock is taken for its first few tries, that the
// first temporary names tried are another save's, or fail only the folder's
// sync; refuse an unnamed file, or naming one through /proc or at all.
class Storing : public Bestandssysteem {
public:
    // SchrijftNiets: a write that returns 0, as some network and user-space
    // file systems answer.
    enum Oproep { Geen, Write, SchrijftNiets, Fchmod, Fsync, Close, Rename, Flock, Linkat };
    Storing(Oproep faalt, int fout) : faalt_(faalt), fout_(fout) {}

    int open(const char* pad, int vlaggen, mode_t modus) override
    {
        const bool naamloos = (vlaggen & O_TMPFILE) == O_TMPFILE;
        const bool isMap = (vlaggen & O_DIRECTORY) != 0 && !naamloos;
        oproepen_.push_back(isMap ? "open map" : naamloos ? "open naamloos" : "open tijdelijk");
        if (!isMap && !naamloos)
            tijdelijk_.push_back(fs::path(pad).filename().string());
        if (isMap && mapFout_)
            return Faal(mapFout_);
        if (naamloos && naamloosFout_)
            return Faal(naamloosFout_);
        if (!isMap && !naamloos && anderman_ > 0) {
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
    int linkat(int vanMap, const char* van, int naarMap, const char* naar, int vlaggen) override
    {
        const bool viaProc = (vlaggen & AT_EMPTY_PATH) == 0;
        oproepen_.push_back(viaProc ? "linkat" : "linkat fd");
        tijdelijk_.push_back(fs::path(naar).filename().string());
        if (geenKoppeling_ || (viaProc && geenProc_))
            return Faal(ENOENT);
        if (anderman_ > 0) {
            --anderman_;
            return Faal(EEXIST);
        }
        return faalt_ == Linkat ? Faal(fout_) : Bestandssysteem::linkat(vanMap, van, naarMap, naar, vlaggen);
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
    std::vector<std::string> tijdelijk_;  // the temporary names tried
    useconds_t gewacht_ = 0;
    bool slapen_ = false;
    int mapFout_ = 0;      // the folder's open fails so
    int mapSyncFout_ = 0;  // the folder's sync fails so
    int bezet_ = 0;        // tries of the lock that find it taken
    int anderman_ = 0;     // temporary names tried that exist already
    int naamloosFout_ = 0;        // an unnamed file is refused so
    bool geenProc_ = false;       // no /proc to name an unnamed file through
    bool geenKoppeling_ = false;  // nor a right to name it by its descriptor

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

// The three ways a save writes its temporary file: under the folder's lock;
// without it (a folder one may write but not read) into an unnamed file, or
// into a named one where the file system makes no unnamed file.
struct Schrijfwijze {
    const char* wat;
    int mapFout;
    int naamloosFout;
};
constexpr Schrijfwijze Schrijfwijzen[] = {
    {"under the lock", 0, 0}, {"unnamed", EACCES, 0}, {"named", EACCES, EOPNOTSUPP}};

}  // namespace

// Whichever call fails, in each way, the error is the system's, the old file
// stays, the temporary file is gone and no file is left open. A write that
// writes nothing fails as an I/O error rather than being tried for ever. A
// lock that stays taken is given up after the bound, with the program's own
// description.
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
        {Storing::Flock, EWOULDBLOCK, Mapbezet},
        {Storing::Linkat, EDQUOT, "Schijfquotum overschreden"}};
    for (const auto& wijze : Schrijfwijzen) {
        for (const auto& [oproep, fout, omschrijving] : gevallen) {
            const bool naamloos = wijze.mapFout && !wijze.naamloosFout;
            if ((oproep == Storing::Flock && wijze.mapFout) || (oproep == Storing::Linkat && !naamloos))
                continue;  // a call this way does not make
            SCOPED_TRACE(std::string(wijze.wat) + " " + std::to_string(oproep));
            Storing systeem(oproep, fout);
            systeem.mapFout_ = wijze.mapFout;
            systeem.naamloosFout_ = wijze.naamloosFout;
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
        systeem.naamloosFout_ = wijze.naamloosFout;
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
        // Without the lock the unnamed file's own lock is given back.
        EXPECT_EQ(na, g.mapFout ? std::vector<std::string>{"close bestand"} : gesynct);
        EXPECT_EQ(systeem.Aantal("open map"), 1);
        // The new bytes are in place, also when the folder's sync failed.
        EXPECT_EQ(Lees(pad), "nieuw " + std::to_string(g.syncFout));
        EXPECT_TRUE(systeem.open_.empty());
        EXPECT_TRUE(Overige(map, {"klas.vlk"}).empty());
    }
}

// Without the folder's lock (a folder one may write but not read, one that
// cannot be locked) a save writes a temporary file of its own, unnamed or
// named: never the name saves under the lock use, never one that exists
// (another save's), which it leaves alone; under 100 bytes also for the
// longest target name. An unnamed file it can lock is named by the first of
// the few names kept for that (the target's with "-1" .. "-4") that is free;
// any other file carries this process's mark.
TEST_F(BestandTest, WithoutTheLockASaveWritesATemporaryFileOfItsOwn)
{
    const std::string naam = std::string(246, 'n') + ".vlk";
    const auto pad = map / naam;
    const auto gedeeld = map / TijdelijkeNaam(naam);
    const std::string wachtstam = TijdelijkeNaam(naam).substr(0, TijdelijkeNaam(naam).size() - 4);
    Bestandssysteem echt;
    Procesmerk eigen;
    ASSERT_TRUE(EigenProcesmerk(echt, eigen));
    const std::string gemerkt = TijdelijkeNaam(naam, eigen, 0);
    const std::string stam = gemerkt.substr(0, gemerkt.size() - 20);  // all but the save's own part
    const struct {
        const char* wat;
        int mapFout;
        Storing::Oproep faalt;
        int naamloosFout;
        bool wachtnaam;
    } gevallen[] = {
        {"folder not readable", EACCES, Storing::Geen, 0, true},
        {"folder not lockable", 0, Storing::Flock, 0, false},
        {"folder not readable, no unnamed files", EACCES, Storing::Geen, EOPNOTSUPP, false},
        {"folder not lockable, no unnamed files", 0, Storing::Flock, EOPNOTSUPP, false},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.wat);
        SchrijfBestandVeilig(pad.string(), "oud");
        std::ofstream(gedeeld, std::ios::binary) << "van een andere save";  // a save under the lock at work
        Storing systeem(g.faalt, ENOLCK);
        systeem.mapFout_ = g.mapFout;
        systeem.naamloosFout_ = g.naamloosFout;
        systeem.anderman_ = 2;
        ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), "nieuw", systeem));
        EXPECT_EQ(Lees(pad), "nieuw");
        EXPECT_EQ(Lees(gedeeld), "van een andere save");
        EXPECT_EQ(systeem.Aantal("unlink"), 0);
        ASSERT_EQ(systeem.tijdelijk_.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            const std::string& t = systeem.tijdelijk_[i];
            EXPECT_NE(t, TijdelijkeNaam(naam));
            if (g.wachtnaam)
                EXPECT_EQ(t, wachtstam + "-" + std::to_string(i + 1) + ".tmp");
            else
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

// Without the lock the bytes go into an unnamed file, closed once they are
// synced and named only just before the rename, its lock kept on a second
// descriptor until after the rename; named by that descriptor where there is
// no /proc. Where the file system makes no unnamed file, or it cannot be
// named, the save writes a named file; any other refusal fails the save.
TEST_F(BestandTest, AnUnnamedFileIsNamedOnlyJustBeforeTheRename)
{
    const auto pad = map / "klas.vlk";
    // The folder one may write but not read is tried first, for its lock.
    const std::vector<std::string> geschreven = {"open map",      "open naamloos", "write",
                                                 "fchmod",        "fsync bestand", "close bestand"};
    const std::vector<std::string> genoemd = {"open tijdelijk", "write", "fchmod", "fsync bestand", "close bestand",
                                              "rename"};
    const auto samen = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const struct {
        const char* wat;
        int naamloosFout;
        bool geenProc, geenKoppeling;
        std::vector<std::string> oproepen;
        const char* fout;  // nullptr: saved
    } gevallen[] = {
        {"unnamed", 0, false, false, samen(geschreven, {"linkat", "rename", "close bestand"}), nullptr},
        {"no /proc", 0, true, false, samen(geschreven, {"linkat", "linkat fd", "rename", "close bestand"}), nullptr},
        {"cannot be named", 0, true, true, samen(samen(geschreven, {"linkat", "linkat fd", "close bestand"}), genoemd),
         nullptr},
        {"not supported", EOPNOTSUPP, false, false, samen({"open map", "open naamloos"}, genoemd), nullptr},
        {"a folder to the kernel", EISDIR, false, false, samen({"open map", "open naamloos"}, genoemd), nullptr},
        {"refused as invalid", EINVAL, false, false, samen({"open map", "open naamloos"}, genoemd), nullptr},
        {"no room", ENOSPC, false, false, {"open map", "open naamloos"}, "Geen ruimte meer op het apparaat"},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.wat);
        SchrijfBestandVeilig(pad.string(), "oud");
        Storing systeem(Storing::Geen, 0);
        systeem.mapFout_ = EACCES;
        systeem.naamloosFout_ = g.naamloosFout;
        systeem.geenProc_ = g.geenProc;
        systeem.geenKoppeling_ = g.geenKoppeling;
        try {
            SchrijfBestandVeilig(pad.string(), g.wat, systeem);
            EXPECT_EQ(g.fout, nullptr);
        } catch (const Bestandsfout& f) {
            EXPECT_EQ(std::string(f.what()), (g.fout ? g.fout : "") + (": " + pad.string()));
        }
        EXPECT_EQ(systeem.Oproepen(), g.oproepen);
        EXPECT_EQ(Lees(pad), g.fout ? "oud" : g.wat);
        EXPECT_TRUE(systeem.open_.empty());
        EXPECT_TRUE(Overige(map, {"klas.vlk"}).empty());
    }
}

namespace {

// The real calls, but the processes in `verborgen` are hidden as /proc hides
// another user's: their stat cannot be read, and kill answers for them as
// given (0: it lives, EPERM: another user's, ESRCH: gone). The folder may be
// one that cannot be locked, or not listed.
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
    int leesmap(const char* pad, std::vector<std::string>& namen) override
    {
        if (onleesbaar) {
            errno = EACCES;
            return -1;
        }
        return Bestandssysteem::leesmap(pad, namen);
    }
    std::map<pid_t, int> verborgen;
    bool zonderSlot = false;
    bool onleesbaar = false;
};

}  // namespace

// Every save first removes what saves without the lock left in its folder
// when their process is gone: of any target, whether the save itself takes
// the lock or not. A file of a process that may live (this one, another,
// one /proc hides), of another boot, machine or namespace, or of another
// name stays; and all stays in a folder that cannot be listed, where the
// save works all the same.
TEST_F(BestandTest, ASaveRemovesWhatSavesOfGoneProcessesLeft)
{
    Bestandssysteem echt;
    Procesmerk eigen;
    ASSERT_TRUE(EigenProcesmerk(echt, eigen));
    const pid_t dood = ::fork();  // a process that has ended
    ASSERT_GE(dood, 0);
    if (dood == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(dood, nullptr, 0), dood);
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
    const struct {
        const char* wat;
        std::string naam;
        bool blijft;
    } gevallen[] = {
        {"gone", TijdelijkeNaam("klas.vlk", merk(dood, eigen.start), 1), false},
        {"gone, another target", TijdelijkeNaam("ander.vlk", merk(dood, 5), 2), false},
        {"its id used again", TijdelijkeNaam("klas.vlk", merk(::getpid(), eigen.start + 1), 3), false},
        {"hidden and gone", TijdelijkeNaam("klas.vlk", merk(andere + 1, 5), 4), false},
        {"this process", TijdelijkeNaam("klas.vlk", eigen, 5), true},
        {"another living process", vanSlaper, true},
        {"hidden, another user's", TijdelijkeNaam("klas.vlk", merk(andere + 2, 5), 6), true},
        {"hidden, living", TijdelijkeNaam("klas.vlk", merk(andere + 3, 5), 7), true},
        {"another boot", TijdelijkeNaam("klas.vlk", merk(dood, 5, "0123456789abcdef"), 8), true},
        {"under the lock", TijdelijkeNaam("ander.vlk"), true},
        {"without a mark", stam + "-0123456789abcdef.tmp", true},
        {"process 0", TijdelijkeNaam("klas.vlk", merk(0, 5), 9), true},
        {"a process id no number", stam + "-" + eigen.ruimte + "-x-5-0123456789abcdef.tmp", true},
        {"a file of the user", "klas.vlk.bak", true},
    };
    const auto pad = map / "klas.vlk";
    const struct {
        const char* wat;
        bool zonderSlot, onleesbaar;
    } wijzen[] = {{"under the lock", false, false}, {"without the lock", true, false}, {"not listed", true, true}};
    for (const auto& w : wijzen) {
        SCOPED_TRACE(w.wat);
        for (const auto& g : gevallen)
            std::ofstream(map / g.naam, std::ios::binary) << g.wat;
        Verborgen systeem;
        systeem.verborgen = {{andere + 1, ESRCH}, {andere + 2, EPERM}, {andere + 3, 0}};
        systeem.zonderSlot = w.zonderSlot;
        systeem.onleesbaar = w.onleesbaar;
        ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), w.wat, systeem));
        EXPECT_EQ(Lees(pad), w.wat);
        for (const auto& g : gevallen)
            EXPECT_EQ(fs::exists(map / g.naam), g.blijft || w.onleesbaar) << g.wat << ": " << g.naam;
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
    int leesmap(const char*, std::vector<std::string>&) override
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

// A save killed between naming its file and the rename leaves that file in a
// folder that cannot be listed; the next save of the file removes it. A save
// that stands there alive keeps its file, and the next save works beside it.
TEST_F(BestandTest, AFileLeftJustBeforeTheRenameIsRemovedAlsoWhereTheFolderCannotBeListed)
{
    const auto pad = map / "klas.vlk";
    SchrijfBestandVeilig(pad.string(), "oud");
    Dichtemap systeem;

    const pid_t dood = SaverVoorRename(pad, "van een dode", true);
    ASSERT_EQ(::waitpid(dood, nullptr, 0), dood);
    ASSERT_EQ(Overige(map, {"klas.vlk"}).size(), 1u);
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
    ASSERT_EQ(zijn.size(), 1u);
    ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), "ernaast", systeem));
    EXPECT_EQ(Lees(pad), "ernaast");
    EXPECT_EQ(Overige(map, {"klas.vlk"}), zijn);
    EXPECT_EQ(Lees(map / zijn.front()), "van een levende");
    levend.Beeindig();
    ASSERT_NO_THROW(SchrijfBestandVeilig(pad.string(), "daarna", systeem));
    EXPECT_EQ(Lees(pad), "daarna");
    EXPECT_EQ(Overige(map, {"klas.vlk"}), std::vector<std::string>());
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
// neither lock it nor make an unnamed file there (a network share).
enum class Mapwijze { MetSlot, Onleesbaar, Netwerk };

// The real calls, writing slowly in small pieces so that a save takes long
// enough to meet the other one. Right after its own rename it reads the
// target: a save that renamed under the lock must find its own bytes there.
// Counts its waits for the lock. Finds the folder as `wijze` says.
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
        return Bestandssysteem::open(pad, vlaggen, modus);
    }
    ssize_t write(int fd, const void* data, std::size_t n) override
    {
        ::usleep(50);  // a slow disk
        return Bestandssysteem::write(fd, data, std::min<std::size_t>(n, 8192));
    }
    int rename(const char* van, const char* naar) override
    {
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
        return Bestandssysteem::flock(fd, bewerking);
    }
    int leesmap(const char* map, std::vector<std::string>& namen) override
    {
        if (wijze == Mapwijze::Onleesbaar) {
            errno = EACCES;
            return -1;
        }
        return Bestandssysteem::leesmap(map, namen);
    }
    int usleep(useconds_t microseconden) override
    {
        gewacht += microseconden;
        return Bestandssysteem::usleep(microseconden);
    }
    const std::string* verwacht = nullptr;
    int anderen = 0;
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
// writes a byte into its pipe of failures for every save that failed, so
// that a killed one's count too; at its end how many saves found another's
// bytes in place and the longest wait (µs).
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

// How many saves of an ended saver failed; closes that pipe.
int Mislukt(const Saver& s)
{
    int n = 0;
    char buf[256];
    for (ssize_t r; (r = ::read(s.fouten, buf, sizeof buf)) != 0;)
        if (r > 0)
            n += static_cast<int>(r);
        else if (errno != EINTR)
            break;
    ::close(s.fouten);
    return n;
}

// How the two savers of a race find the folder: both take its lock, neither
// can (a folder they may write but not read), one can and the other not
// (its owner and another user), or both are on a share that locks nothing
// and makes no unnamed file.
enum class Slotwijze { MetSlot, ZonderSlot, Gemengd, Netwerkmap };

const char* Naam(Slotwijze wijze)
{
    switch (wijze) {
    case Slotwijze::MetSlot: return "MetSlot";
    case Slotwijze::ZonderSlot: return "ZonderSlot";
    case Slotwijze::Gemengd: return "Gemengd";
    case Slotwijze::Netwerkmap: return "Netwerkmap";
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
    }
    return Mapwijze::MetSlot;
}

class BestandWedloop : public BestandTest, public ::testing::WithParamInterface<Slotwijze> {
protected:
    Saver Start(int wie, const fs::path& pad, int aantal)
    {
        return StartSaver(wie, pad, aantal, SaverWijze(GetParam(), wie));
    }
};

}  // namespace

// Two instances saving one class at the same moments: whoever reads the file
// finds one whole save, never an empty or partial one; every save succeeds
// and, at its rename under the lock, puts its own bytes in place.
TEST_P(BestandWedloop, TwoSavesOfOneTargetNeverShowAnUnfinishedFile)
{
    const auto pad = map / "klas.vlk";
    SchrijfBestandVeilig(pad.string(), Versie(0, 0));
    const int aantal = Rondes(100);
    const Saver savers[] = {Start(0, pad, aantal), Start(1, pad, aantal)};

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
    int mislukt = 0, anderen = 0, langst = 0;
    for (const Saver& s : savers) {
        int uitkomst[2] = {-1, -1};
        EXPECT_EQ(::read(s.uit, uitkomst, sizeof uitkomst), static_cast<ssize_t>(sizeof uitkomst));
        ::close(s.uit);
        mislukt += Mislukt(s);
        anderen += uitkomst[0];
        langst = std::max(langst, uitkomst[1]);
    }
    std::printf("%d saves, %d reads: %d empty, %d partial; %d failed saves, %d saves found another's bytes; "
                "longest wait %d ms\n",
                2 * aantal, lezingen, leeg, half, mislukt, anderen, langst / 1000);
    EXPECT_EQ(leeg, 0);
    EXPECT_EQ(half, 0);
    EXPECT_EQ(mislukt, 0);
    if (GetParam() == Slotwijze::MetSlot) {
        EXPECT_EQ(anderen, 0);
    }
    EXPECT_TRUE(Heel(Lees(pad)));
    EXPECT_TRUE(Overige(map, {"klas.vlk"}).empty());
}

// Two instances saving in a loop, killed at random moments: the file is one
// whole save after every kill, and no save fails. Under the lock what they
// leave is at most one temporary file; without it, what a killed save left
// is known as a gone save's, by its name and lock or by its process. Either
// way the next save removes it, also in a folder it cannot list.
TEST_P(BestandWedloop, TwoSaversKilledAtRandomMomentsLeaveAWholeFile)
{
    const auto pad = map / "klas.vlk";
    SchrijfBestandVeilig(pad.string(), Versie(0, 0));
    std::srand(2);
    const int rondes = Rondes(40);
    int doden = 0, leeg = 0, half = 0, mislukt = 0, achtergelaten = 0;
    std::size_t meest = 0;
    for (int ronde = 0; ronde < rondes; ++ronde) {
        const Saver savers[] = {Start(0, pad, 1000000), Start(1, pad, 1000000)};
        ::usleep(static_cast<useconds_t>(std::rand() % 20000));
        for (const Saver& s : savers)
            ::kill(s.pid, SIGKILL);
        for (const Saver& s : savers) {
            ::waitpid(s.pid, nullptr, 0);
            ::close(s.uit);
            mislukt += Mislukt(s);
            ++doden;
        }
        const std::string inhoud = LeesInhoud(pad.string());
        if (inhoud.empty())
            ++leeg;
        else if (!Heel(inhoud))
            ++half;
        const auto over = Overige(map, {"klas.vlk"});
        meest = std::max(meest, over.size());
        achtergelaten += static_cast<int>(over.size());
    }
    // The next save finds the folder as the first saver did: one that cannot
    // be listed too. (Where the savers mix, it is the one that takes the
    // lock: only such a save may replace what a save under the lock left.)
    Traag volgende;
    volgende.wijze = SaverWijze(GetParam(), 0);
    const std::string laatste = Versie(1, 0);
    volgende.verwacht = &laatste;
    SchrijfBestandVeilig(pad.string(), laatste, volgende);
    const auto over = Overige(map, {"klas.vlk"});
    std::printf("%d kills: %d empty, %d partial, %d failed saves; %d temporary files found after the kills, "
                "at most %zu at once, %zu after the next save\n",
                doden, leeg, half, mislukt, achtergelaten, meest, over.size());
    EXPECT_EQ(leeg, 0);
    EXPECT_EQ(half, 0);
    EXPECT_EQ(mislukt, 0);
    if (GetParam() == Slotwijze::MetSlot) {
        EXPECT_LE(meest, 1u);
    }
    EXPECT_TRUE(over.empty()) << over.size() << " left, such as " << over.front();
}

INSTANTIATE_TEST_SUITE_P(Slotwijzen, BestandWedloop,
                         ::testing::Values(Slotwijze::MetSlot, Slotwijze::ZonderSlot, Slotwijze::Gemengd,
                                           Slotwijze::Netwerkmap),
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

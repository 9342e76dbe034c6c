#include "core/Bestandstype.h"

#include "core/Bestand.h"

#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <spawn.h>
#include <sstream>
#include <thread>
#include <utility>
#include <vector>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

std::string Inhoud(const fs::path& pad)
{
    std::ifstream in(pad, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool Bevat(const std::string& tekst, const std::string& deel)
{
    return tekst.find(deel) != std::string::npos;
}

bool Geinstalleerd(const std::string& programma)
{
    return std::system(("command -v " + programma + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Zoekpad()
{
    const char* pad = std::getenv("PATH");
    return std::string("PATH=") + (pad ? pad : "/usr/local/bin:/usr/bin:/bin");
}

struct Uitkomst {
    int status = -1;  // the exit status; -1 when it could not be started or did not end
    std::string uitvoer;
};

// Runs a program in `map` with exactly the environment `omgeving`, its output
// collected in `uitvoerpad`. Stopped when it has not ended after 30 seconds.
Uitkomst Uitvoeren(std::vector<std::string> woorden, const std::vector<std::string>& omgeving, const fs::path& map,
                   const fs::path& uitvoerpad)
{
    std::vector<char*> argv;
    for (auto& w : woorden)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = omgeving;
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_addopen(&acties, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&acties, 1, uitvoerpad.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&acties, 1, 2);
    posix_spawn_file_actions_addchdir_np(&acties, map.c_str());
    pid_t pid = 0;
    const int fout = ::posix_spawnp(&pid, argv[0], &acties, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&acties);
    Uitkomst u;
    if (fout != 0)
        return u;
    const auto einde = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= einde) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            u.uitvoer = Inhoud(uitvoerpad);
            return u;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    u.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    u.uitvoer = Inhoud(uitvoerpad);
    return u;
}

// Waits until the process `pid`, which is no child of this one, has ended
// (gone, or a zombie its parent has yet to reap); at most 30 seconds.
void WachtOpEinde(pid_t pid)
{
    const auto einde = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (pid > 0 && std::chrono::steady_clock::now() < einde) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string regel;
        if (!std::getline(stat, regel))
            return;
        const auto haak = regel.rfind(')');
        if (haak != std::string::npos && haak + 2 < regel.size() && (regel[haak + 2] == 'Z' || regel[haak + 2] == 'X'))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// Starts the refresh tools as the program does and waits for them: whenever
// the test asks, and at the latest before the test's folders, which they
// write in, are removed.
class Afwachter : public Vernieuwer {
public:
    Afwachter() = default;
    Afwachter(const Afwachter&) = delete;
    Afwachter& operator=(const Afwachter&) = delete;
    ~Afwachter() override { Afwachten(); }

    void Vernieuw(const std::string& programma, const std::string& map) override
    {
        if (const pid_t pid = Start(programma, map); pid > 0)
            lopend_.push_back(pid);
    }
    // Until every tool started so far has ended (or has been stopped after its ten seconds).
    void Afwachten()
    {
        for (const pid_t pid : lopend_)
            Oogst(pid);
        lopend_.clear();
    }

private:
    std::vector<pid_t> lopend_;
};

}  // namespace

// Every test registers under data and settings folders of its own.
class BestandstypeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (std::size_t i = 0; i < std::size(namen); ++i)
            if (const char* oud = std::getenv(namen[i]))
                vorige[i] = oud;
        ::setenv("XDG_DATA_HOME", (map / "data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (map / "config").c_str(), 1);
    }
    void TearDown() override
    {
        vernieuwer.Afwachten();
        for (std::size_t i = 0; i < std::size(namen); ++i) {
            if (vorige[i])
                ::setenv(namen[i], vorige[i]->c_str(), 1);
            else
                ::unsetenv(namen[i]);
        }
    }

    bool Registreer() { return RegistreerCijferbestand(vernieuwer, systeem); }
    bool Registreer(const std::string& extensie, const std::string& opdracht, const std::string& pictogram,
                    const std::string& typeNaam)
    {
        return RegistreerBestandstype(extensie, opdracht, pictogram, typeNaam, vernieuwer, systeem);
    }

    fs::path Pakket() const { return map / "data/mime/packages/zrm-cijferbestand.xml"; }
    fs::path Entry() const { return map / "data/applications/zrm-cijferbestand.desktop"; }
    fs::path Lijst() const { return map / "config/mimeapps.list"; }

    Tijdelijkemap tijdelijk;
    const fs::path map = tijdelijk.pad();
    Afwachter vernieuwer;  // after the folder: gone, and so waited for, before it
    Bestandssysteem systeem;
    static constexpr const char* namen[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "HOME"};
    std::optional<std::string> vorige[std::size(namen)];
};

// The line that makes the entry the type's default.
constexpr const char* Standaard = "application/x-zrm-cijferbestand=zrm-cijferbestand.desktop";

TEST_F(BestandstypeTest, TheGradeFileTypeOpensWithThisProgram)
{
    ASSERT_TRUE(Registreer());
    const auto programma = ProgrammaPad();
    ASSERT_TRUE(fs::path(programma).is_absolute());
    ASSERT_TRUE(fs::exists(programma));

    const auto pakket = Inhoud(Pakket());
    EXPECT_TRUE(Bevat(pakket, "<mime-type type=\"application/x-zrm-cijferbestand\">")) << pakket;
    EXPECT_TRUE(Bevat(pakket, "<comment>ZRM Cijferbestand</comment>")) << pakket;
    EXPECT_TRUE(Bevat(pakket, "<glob pattern=\"*.vlk\" case-sensitive=\"false\"/>")) << pakket;

    const auto entry = Inhoud(Entry());
    EXPECT_TRUE(Bevat(entry, "\nExec=" + OpenOpdracht(programma) + "\n")) << entry;
    EXPECT_TRUE(Bevat(entry, "\nMimeType=application/x-zrm-cijferbestand;\n")) << entry;
    EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);

    // No settings folder yet: made, with a list of this one line.
    EXPECT_EQ(Inhoud(Lijst()), std::string("[Default Applications]\n") + Standaard + "\n");
}

TEST_F(BestandstypeTest, ExtensionAndTypeNameAreTrimmedAndAPointIsRequired)
{
    EXPECT_TRUE(Registreer("  .VLK  ", "\"/p\" %f", "", "  ZRM Cijferbestand "));
    EXPECT_TRUE(Bevat(Inhoud(Pakket()), "<comment>ZRM Cijferbestand</comment>"));
    EXPECT_TRUE(Bevat(Inhoud(Pakket()), "pattern=\"*.vlk\""));  // matched in any case

    vernieuwer.Afwachten();  // the refresh tools write in the folder until they end
    fs::remove_all(map / "data");
    for (const char* extensie : {"vlk", " vlk.", "", "   ", "*.vlk"}) {
        SCOPED_TRACE(extensie);
        EXPECT_FALSE(Registreer(extensie, "\"/p\" %f", "", "ZRM Cijferbestand"));
        EXPECT_FALSE(fs::exists(map / "data"));
    }
}

// Program paths, their command, and the command's line in the desktop entry.
const struct {
    const char* pad;
    const char* opdracht;
    const char* regel;
} Opdrachten[] = {
    {"/usr/bin/morvaldiek", "/usr/bin/morvaldiek %f", "Exec=/usr/bin/morvaldiek %f"},
    {"/opt/zrm-2.0/bin/mor_valdiek+x=y,z@a:b", "/opt/zrm-2.0/bin/mor_valdiek+x=y,z@a:b %f",
     "Exec=/opt/zrm-2.0/bin/mor_valdiek+x=y,z@a:b %f"},
    {"/opt/100%/m", "/opt/100%%/m %f", "Exec=/opt/100%%/m %f"},
    {"/home/An Jansen/bin/m", "\"/home/An Jansen/bin/m\" %f", "Exec=\"/home/An Jansen/bin/m\" %f"},
    {"/a$b/100%/c\"d", "\"/a\\$b/100%%/c\\\"d\" %f", "Exec=\"/a\\\\$b/100%%/c\\\\\"d\" %f"},
    {"/x\\y`z", "\"/x\\\\y\\`z\" %f", "Exec=\"/x\\\\\\\\y\\\\`z\" %f"},
    {"/o'k/m", "\"/o'k/m\" %f", "Exec=\"/o'k/m\" %f"},
    {"/a\tb/m", "\"/a\tb/m\" %f", "Exec=\"/a\\tb/m\" %f"},
    {"/x/~m", "\"/x/~m\" %f", "Exec=\"/x/~m\" %f"},
    {"/x/m(1);#?*", "\"/x/m(1);#?*\" %f", "Exec=\"/x/m(1);#?*\" %f"},
    {"/x/a>b<c|d&e", "\"/x/a>b<c|d&e\" %f", "Exec=\"/x/a>b<c|d&e\" %f"},
};

TEST_F(BestandstypeTest, TheCommandQuotesThePathOnlyWhenDesktopEntriesRequireIt)
{
    for (const auto& g : Opdrachten) {
        SCOPED_TRACE(g.pad);
        EXPECT_EQ(OpenOpdracht(g.pad), g.opdracht);
        ASSERT_TRUE(Registreer(".vlk", OpenOpdracht(g.pad), "", "ZRM Cijferbestand"));
        EXPECT_TRUE(Bevat(Inhoud(Entry()), std::string("\n") + g.regel + "\n")) << Inhoud(Entry());
    }
}

TEST_F(BestandstypeTest, TheDesktopEntryPassesTheValidator)
{
    if (!Geinstalleerd("desktop-file-validate"))
        GTEST_SKIP() << "desktop-file-validate is not installed (Debian: desktop-file-utils, see scripts/deps.sh)";
    for (const auto& g : Opdrachten) {
        SCOPED_TRACE(g.pad);
        ASSERT_TRUE(Registreer(".vlk", OpenOpdracht(g.pad), "x-office-spreadsheet", "ZRM Cijferbestand"));
        const auto u = Uitvoeren({"desktop-file-validate", Entry().string()}, {Zoekpad()},
                                 map, map / "uitvoer");
        EXPECT_EQ(u.status, 0) << u.uitvoer;
        EXPECT_EQ(u.uitvoer, "");  // not even a hint
    }
}

TEST_F(BestandstypeTest, EveryStartWritesTheEntriesAnew)
{
    ASSERT_TRUE(Registreer());
    const auto pakket = Inhoud(Pakket());
    const auto entry = Inhoud(Entry());
    std::ofstream(Entry(), std::ios::trunc) << "[Desktop Entry]\nExec=/oud %f\n";
    fs::remove(Pakket());
    ASSERT_TRUE(Registreer());
    EXPECT_EQ(Inhoud(Pakket()), pakket);
    EXPECT_EQ(Inhoud(Entry()), entry);
}

TEST_F(BestandstypeTest, AFolderThatCannotBeWrittenGivesFalse)
{
    std::ofstream(map / "bestand") << "geen map";
    ::setenv("XDG_DATA_HOME", (map / "bestand/data").c_str(), 1);
    EXPECT_FALSE(Registreer());
}

namespace {

// The real calls; counts the pauses of a save that waits for a folder's lock,
// without pausing.
class Pauzeteller : public Bestandssysteem {
public:
    int usleep(useconds_t) override
    {
        ++pauzes;
        return 0;
    }
    int pauzes = 0;
};

}  // namespace

// Start-up never waits while another program saves in a folder the
// registration writes: that file is not written this time (the registration
// gives false), and the next start writes it.
TEST_F(BestandstypeTest, AFolderInWhichAnotherProgramSavesIsSkippedWithoutWaiting)
{
    for (const fs::path& bestand : {Pakket(), Entry(), Lijst()}) {
        SCOPED_TRACE(bestand.filename());
        vernieuwer.Afwachten();
        fs::remove_all(map / "data");
        fs::remove_all(map / "config");
        fs::create_directories(bestand.parent_path());
        const int ander = ::open(bestand.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ASSERT_EQ(::flock(ander, LOCK_EX), 0);
        Pauzeteller teller;
        EXPECT_FALSE(RegistreerCijferbestand(vernieuwer, teller));
        EXPECT_EQ(teller.pauzes, 0);
        EXPECT_FALSE(fs::exists(bestand));
        ::close(ander);
        EXPECT_TRUE(Registreer());
        EXPECT_TRUE(fs::exists(bestand));
    }
}

TEST_F(BestandstypeTest, TheFoldersFollowXdgDataHomeAndXdgConfigHome)
{
    EXPECT_EQ(GebruikersDataMap(), (map / "data").string());
    EXPECT_EQ(GebruikersConfigMap(), (map / "config").string());
    ::setenv("HOME", "/home/iemand", 1);
    for (const char* waarde : {static_cast<const char*>(""), "relatief/pad", static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(waarde ? waarde : "unset");
        for (const char* naam : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
            if (waarde)
                ::setenv(naam, waarde, 1);
            else
                ::unsetenv(naam);
        }
        EXPECT_EQ(GebruikersDataMap(), "/home/iemand/.local/share");
        EXPECT_EQ(GebruikersConfigMap(), "/home/iemand/.config");
    }
}

TEST_F(BestandstypeTest, TheMimeDatabaseIsRefreshedWhenItsToolIsThere)
{
    const bool gereedschap = std::system("command -v update-mime-database >/dev/null 2>&1") == 0;
    if (!gereedschap)
        GTEST_SKIP() << "update-mime-database is not installed";
    ASSERT_TRUE(Registreer());
    vernieuwer.Afwachten();  // the tool runs on after the registration returned
    const auto globs = Inhoud(map / "data/mime/globs2");
    EXPECT_TRUE(Bevat(globs, ":application/x-zrm-cijferbestand:*.vlk")) << globs;
}

TEST_F(BestandstypeTest, AnUnchangedRegistrationLeavesItsFilesAndDatabasesAlone)
{
    const auto toestand = [this] {
        vernieuwer.Afwachten();
        std::vector<std::pair<ino_t, long>> r;
        for (const fs::path& p : {Pakket(), Entry(), Lijst(), map / "data/mime/mime.cache"}) {
            struct stat st {};
            r.emplace_back(::stat(p.c_str(), &st) == 0 ? st.st_ino : 0, st.st_mtim.tv_nsec);
        }
        return r;
    };
    ASSERT_TRUE(Registreer());
    const auto voor = toestand();
    ASSERT_NE(voor[0].first, 0u);
    ASSERT_NE(voor[1].first, 0u);
    ASSERT_NE(voor[2].first, 0u);
    ASSERT_TRUE(Registreer());
    // A rewrite renames a new file over the old one (another inode); a
    // refresh rewrites the database.
    EXPECT_EQ(toestand(), voor);
}

TEST(StandaardToepassing, OtherLinesKeepTheirBytesAroundTheDefault)
{
    const std::string L = Standaard;
    const struct {
        const char* wat;
        std::string voor, na;
    } gevallen[] = {
        {"empty", "", "[Default Applications]\n" + L + "\n"},
        {"under the group's heading, among other programs' lines and groups",
         "# mijn keuzes\n[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n"
         "text/html=firefox.desktop\nimage/png=eog.desktop;\n\n[Removed Associations]\ntext/plain=vim.desktop;\n",
         "# mijn keuzes\n[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n" + L +
             "\ntext/html=firefox.desktop\nimage/png=eog.desktop;\n\n[Removed Associations]\ntext/plain=vim.desktop;\n"},
        {"another default replaced in its place",
         "[Default Applications]\ntext/html=firefox.desktop\napplication/x-zrm-cijferbestand=calc.desktop;"
         "zrm-cijferbestand.desktop;\nimage/png=eog.desktop\n",
         "[Default Applications]\ntext/html=firefox.desktop\n" + L + "\nimage/png=eog.desktop\n"},
        {"CR LF kept, also on the new line",
         "[Default Applications]\r\ntext/html=firefox.desktop \r\n\r\n",
         "[Default Applications]\r\n" + L + "\r\ntext/html=firefox.desktop \r\n\r\n"},
        {"a replaced line keeps its CR LF in a file of LF",
         "[Default Applications]\napplication/x-zrm-cijferbestand = oud.desktop\r\nx/y=z.desktop",
         "[Default Applications]\n" + L + "\r\nx/y=z.desktop"},
        {"no final line end: the group goes at the end, still without one",
         "[Added Associations]\ntext/plain=gedit.desktop;",
         "[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n" + L},
        {"a heading without final line end",
         "  # x\n[Default Applications]", "  # x\n[Default Applications]\n" + L},
        {"the type under another group is no default",
         "[Added Associations]\napplication/x-zrm-cijferbestand=zrm-cijferbestand.desktop;\n\n",
         "[Added Associations]\napplication/x-zrm-cijferbestand=zrm-cijferbestand.desktop;\n\n"
         "[Default Applications]\n" + L + "\n"},
        {"the group twice: its line in the second",
         "[Default Applications]\na/b=c.desktop\n[Added Associations]\n[Default Applications]\n"
         "application/x-zrm-cijferbestand=ander.desktop\n",
         "[Default Applications]\na/b=c.desktop\n[Added Associations]\n[Default Applications]\n" + L + "\n"},
        {"the type with blanks around it takes the plain form, which xdg-mime reads too",
         "[Default Applications]\n\tapplication/x-zrm-cijferbestand = zrm-cijferbestand.desktop;\n",
         "[Default Applications]\n" + L + "\n"},
        {"a near name is another type",
         "[Default Applications]\napplication/x-zrm-cijferbestand2=x.desktop\n",
         "[Default Applications]\n" + L + "\napplication/x-zrm-cijferbestand2=x.desktop\n"},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.wat);
        std::string lijst = g.voor;
        EXPECT_EQ(ZetStandaardToepassing(lijst, "application/x-zrm-cijferbestand", "zrm-cijferbestand.desktop"),
                  Standaardregel::Aangepast);
        EXPECT_EQ(lijst, g.na);
        // Written once, it is in place.
        EXPECT_EQ(ZetStandaardToepassing(lijst, "application/x-zrm-cijferbestand", "zrm-cijferbestand.desktop"),
                  Standaardregel::Aanwezig);
        EXPECT_EQ(lijst, g.na);
    }
}

TEST(StandaardToepassing, AListThatAlreadyNamesTheEntryFirstOrLooksBrokenStaysAsItIs)
{
    const struct {
        std::string lijst;
        Standaardregel uitkomst;
    } gevallen[] = {
        {"[Default Applications]\napplication/x-zrm-cijferbestand=zrm-cijferbestand.desktop", Standaardregel::Aanwezig},
        {"\xef\xbb\xbf[Default Applications]\n", Standaardregel::Onbruikbaar},  // GLib refuses a byte-order mark
        {"[Default Applications]\napplication/x-zrm-cijferbestand=zrm-cijferbestand.desktop;ander.desktop;\r\n"
         "# \xc3\xa9\xc3\xa9n caf\xe9\n",
         Standaardregel::Aanwezig},
        {"text/html=firefox.desktop\n[Default Applications]\n", Standaardregel::Onbruikbaar},
        {"[Default Applications\ntext/html=firefox.desktop\n", Standaardregel::Onbruikbaar},
        {"[Default [Applications]]\n", Standaardregel::Onbruikbaar},
        {"[Default Applications]\nzomaar een regel\n", Standaardregel::Onbruikbaar},
        {"[Default Applications]\n=firefox.desktop\n", Standaardregel::Onbruikbaar},
        {std::string("[Default Applications]\na/b=c\0d\n", 26), Standaardregel::Onbruikbaar},
        {"[Default Applications]\rtext/html=firefox.desktop\r", Standaardregel::Onbruikbaar},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.lijst);
        std::string lijst = g.lijst;
        EXPECT_EQ(ZetStandaardToepassing(lijst, "application/x-zrm-cijferbestand", "zrm-cijferbestand.desktop"),
                  g.uitkomst);
        EXPECT_EQ(lijst, g.lijst);
    }
}

TEST_F(BestandstypeTest, TheUsersListKeepsOtherProgramsLinesAndIsWrittenOnlyWhenItChanges)
{
    const std::string anderen = "[Default Applications]\r\ntext/html=firefox.desktop\r\n\r\n[Added Associations]\r\n"
                                "text/plain=gedit.desktop;\r\n";
    fs::create_directories(Lijst().parent_path());
    std::ofstream(Lijst(), std::ios::binary) << anderen;
    ASSERT_TRUE(Registreer());
    EXPECT_EQ(Inhoud(Lijst()), "[Default Applications]\r\n" + std::string(Standaard) + "\r\n" + anderen.substr(24));
    EXPECT_FALSE(fs::exists(map / "config" / TijdelijkeNaam("mimeapps.list")));

    // Another program made itself the default since: ours again, its other lines kept.
    std::ofstream(Lijst(), std::ios::binary) << "[Default Applications]\napplication/x-zrm-cijferbestand=calc.desktop\n"
                                                "text/html=firefox.desktop\n";
    ASSERT_TRUE(Registreer());
    EXPECT_EQ(Inhoud(Lijst()), "[Default Applications]\n" + std::string(Standaard) + "\ntext/html=firefox.desktop\n");
}

TEST_F(BestandstypeTest, AListThatCannotBeReadOrLooksBrokenIsLeftAlone)
{
    const std::string kapot = "[Default Applications]\ntext/html=firefox.desktop\ndit is geen sleutel\n";
    fs::create_directories(Lijst().parent_path());
    std::ofstream(Lijst(), std::ios::binary) << kapot;
    struct stat voor {};
    ASSERT_EQ(::stat(Lijst().c_str(), &voor), 0);
    EXPECT_FALSE(Registreer());
    EXPECT_EQ(Inhoud(Lijst()), kapot);
    struct stat na {};
    ASSERT_EQ(::stat(Lijst().c_str(), &na), 0);
    EXPECT_EQ(na.st_ino, voor.st_ino);
    EXPECT_TRUE(fs::exists(Entry()));  // the rest of the registration is done

    fs::remove(Lijst());
    fs::create_directory(Lijst());  // no file to read
    EXPECT_FALSE(Registreer());
    EXPECT_TRUE(fs::is_directory(Lijst()));
    EXPECT_TRUE(fs::is_empty(Lijst()));
}

// Opens a grade file the ways a desktop does, with a stand-in for the program
// that records what it was started with. Everything it touches lies in the
// test's folder: its own home, data and settings folders.
TEST_F(BestandstypeTest, OpeningAGradeFileFromTheDesktopStartsTheRegisteredProgram)
{
    // xdg-open outside a known desktop tells a file's type with `mimetype`;
    // without it, `file` takes a grade file for text/plain.
    for (const char* programma : {"xdg-open", "gio", "update-mime-database", "mimetype"})
        if (!Geinstalleerd(programma))
            GTEST_SKIP() << programma << " is not installed (Debian: xdg-utils, libglib2.0-bin, shared-mime-info, "
                            "libfile-mimeinfo-perl; scripts/test.sh installs them)";

    const fs::path werk = map / "werk";
    const fs::path klas = werk / "klas.vlk";
    const fs::path verslag = map / "verslag";
    fs::create_directories(werk);
    fs::create_directories(map / "thuis");
    std::ofstream(klas, std::ios::binary) << Testinhoud("nieuw.vlk");
    const fs::path standin = map / "morvaldiek";
    // Its record names its process, which is the mv at the end: the test
    // waits for that before it removes the folder.
    std::ofstream(standin) << "#!/bin/sh\n"
                              "printf '%s\\n' \"$$\" \"$PWD\" \"$#\" \"$@\" > '" << verslag.string() << ".tmp'\n"
                              "exec mv '" << verslag.string() << ".tmp' '" << verslag.string() << "'\n";
    fs::permissions(standin, fs::perms::owner_all);

    ASSERT_TRUE(Registreer(".vlk", OpenOpdracht(standin.string()), "x-office-spreadsheet", "ZRM Cijferbestand"));
    vernieuwer.Afwachten();  // the type is known from the MIME database

    // No desktop is named, so xdg-open takes its generic way; that opens a
    // desktop entry only where it sees a display, which nothing here connects
    // to. No session bus either: nothing may find a real desktop.
    const std::vector<std::string> omgeving = {
        Zoekpad(),
        "HOME=" + (map / "thuis").string(),
        "XDG_DATA_HOME=" + (map / "data").string(),
        "XDG_CONFIG_HOME=" + (map / "config").string(),
        "XDG_CACHE_HOME=" + (map / "cache").string(),
        "WAYLAND_DISPLAY=morvaldiek-test",
        "DBUS_SESSION_BUS_ADDRESS=unix:path=" + (map / "geen-bus").string(),
        "LANG=C.UTF-8",
    };
    const std::vector<std::vector<std::string>> openers = {{"xdg-open", "klas.vlk"}, {"gio", "open", "klas.vlk"}};
    // Where update-desktop-database is missing its cache is too: the default
    // in mimeapps.list is found all the same.
    for (const bool cache : {true, false}) {
        if (!cache)
            fs::remove(map / "data/applications/mimeinfo.cache");
        for (const auto& opener : openers) {
            SCOPED_TRACE(opener[0] + (cache ? " with" : " without") + " mimeinfo.cache");
            fs::remove(verslag);
            const auto u = Uitvoeren(opener, omgeving, werk, map / "uitvoer");
            EXPECT_EQ(u.status, 0) << u.uitvoer;
            if (u.status != 0)
                continue;
            // gio does not wait for the program: its record is awaited.
            const auto einde = std::chrono::steady_clock::now() + std::chrono::seconds(30);
            while (!fs::exists(verslag) && std::chrono::steady_clock::now() < einde)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            ASSERT_TRUE(fs::exists(verslag)) << "the program was not started; " << u.uitvoer;
            std::istringstream regels(Inhoud(verslag));
            std::string pid, waar, aantal, argument;
            std::getline(regels, pid);
            WachtOpEinde(std::atoi(pid.c_str()));
            std::getline(regels, waar);
            std::getline(regels, aantal);
            std::getline(regels, argument);
            EXPECT_EQ(aantal, "1");
            const fs::path geopend = fs::path(argument).is_absolute() ? fs::path(argument) : fs::path(waar) / argument;
            std::error_code ec;
            EXPECT_TRUE(fs::equivalent(geopend, klas, ec)) << waar << " " << argument;
        }
    }
}

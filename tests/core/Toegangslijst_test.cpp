#include "core/Bestand.h"
#include "core/Fout.h"
#include "core/Toegangslijst.h"

#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using R = Toegangsregel;
constexpr std::uint32_t Geen = 0xFFFFFFFFu;
constexpr unsigned Rw = Lezen | Schrijven;

Toegangslijst Lijst(std::uint16_t eigenaar, std::uint16_t groep, std::uint16_t overig,
                    std::vector<Toegangsregel> benoemd = {}, int masker = -1)
{
    Toegangslijst l = {{R::Eigenaar, eigenaar, Geen}, {R::Eigengroep, groep, Geen}, {R::Overig, overig, Geen}};
    l.insert(l.end(), benoemd.begin(), benoemd.end());
    if (masker >= 0)
        l.push_back({R::Masker, static_cast<std::uint16_t>(masker), Geen});
    std::sort(l.begin(), l.end(),
              [](const R& a, const R& b) { return a.soort != b.soort ? a.soort < b.soort : a.id < b.id; });
    return l;
}

}  // namespace

// The attribute's bytes read back as the list they were made from, in the
// kernel's order; bytes that are no valid list are refused.
TEST(Toegangslijst, BytesReadBackAndInvalidOnesAreRefused)
{
    const Toegangslijst l = Lijst(6, 6, 0, {{R::Gebruiker, 6, 1004}, {R::Groep, 4, 1500}}, 6);
    const std::string bytes = Toegangsbytes(l);
    EXPECT_EQ(bytes.size(), 4u + 8 * l.size());
    EXPECT_EQ(ToegangslijstUit(bytes), l);
    EXPECT_EQ(Modusbits(l), 0660u);
    EXPECT_FALSE(AlleenModus(l));
    EXPECT_TRUE(AlleenModus(ToegangslijstVan(0640)));
    EXPECT_EQ(Modusbits(ToegangslijstVan(0754)), 0754u);
    for (const std::string& fout : {std::string(), bytes.substr(0, bytes.size() - 1), "\x01" + bytes.substr(1),
                                    Toegangsbytes(Lijst(6, 6, 0, {{R::Gebruiker, 6, 1}})),  // no mask
                                    Toegangsbytes({{R::Eigenaar, 6, Geen}, {R::Overig, 0, Geen}}),
                                    Toegangsbytes(Lijst(9, 6, 0))})
        EXPECT_FALSE(ToegangslijstUit(fout)) << fout.size();
}

// Where the owner or the group of the new file differ from the old one's,
// the list gives the old owner and group what they had through named
// entries, the saver (the new owner) what it had, the new group what
// everyone else had; every entry keeps only what the old mask let it have.
TEST(Toegangslijst, TheNewFileGivesEveryoneWhatTheOldOneGave)
{
    const struct {
        const char* wat;
        Toegangslijst oud;
        uid_t eigenaar;
        gid_t groep;
        unsigned opslaander;
        Toegangslijst nieuw;
    } gevallen[] = {
        {"same owner and group", Lijst(6, 6, 0, {{R::Gebruiker, 6, 1004}}, 6), 1001, 1500, 6,
         Lijst(6, 6, 0, {{R::Gebruiker, 6, 1004}}, 6)},
        {"a member of the group saves", Lijst(6, 6, 0, {{R::Gebruiker, 6, 1004}}, 6), 1002, 1500, 6,
         Lijst(6, 6, 0, {{R::Gebruiker, 6, 1001}, {R::Gebruiker, 6, 1004}}, 6)},
        {"its entry saves, not in the group", Lijst(6, 6, 0, {{R::Gebruiker, 6, 1004}}, 6), 1004, 100, 6,
         Lijst(6, 0, 0, {{R::Gebruiker, 6, 1001}, {R::Groep, 6, 1500}}, 6)},
        {"a mode only, another owner", ToegangslijstVan(0640), 1002, 1500, 4,
         Lijst(4, 4, 0, {{R::Gebruiker, 6, 1001}}, 6)},
        {"the others may read, another group", ToegangslijstVan(0664), 1001, 100, 6,
         Lijst(6, 4, 4, {{R::Groep, 6, 1500}}, 6)},
        {"the new group had an entry", Lijst(6, 6, 0, {{R::Groep, 4, 100}}, 6), 1001, 100, 6,
         Lijst(6, 4, 0, {{R::Groep, 6, 1500}}, 6)},
        {"masked entries keep what they gave", Lijst(7, 7, 0, {{R::Gebruiker, 7, 1004}, {R::Groep, 7, 1600}}, 4),
         1002, 1500, 4, Lijst(4, 4, 0, {{R::Gebruiker, 7, 1001}, {R::Gebruiker, 4, 1004}, {R::Groep, 4, 1600}}, 7)},
        {"the saver's own entry is hidden behind the owner's", Lijst(6, 6, 0, {{R::Gebruiker, 6, 1004}}, 6), 1004,
         1500, 6, Lijst(6, 6, 0, {{R::Gebruiker, 6, 1001}}, 6)},
        {"the old owner's hidden entry gives way", Lijst(6, 0, 0, {{R::Gebruiker, 4, 1001}}, 4), 1002, 1500, 6,
         Lijst(6, 0, 0, {{R::Gebruiker, 6, 1001}}, 6)},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.wat);
        EXPECT_EQ(Overgedragen(g.oud, 1001, 1500, g.eigenaar, g.groep, g.opslaander), g.nieuw);
    }
}

namespace {

// Users and groups that no system has: only their numbers count.
constexpr gid_t Docenten = 1500, Gebruikers = 100, Anderen = 1600;
struct Gebruiker {
    const char* wie;
    uid_t uid;
    gid_t gid;
    std::vector<gid_t> groepen;
};
const Gebruiker Eigenaar{"the owner", 1001, Docenten, {Docenten}};
const Gebruiker Collega{"a colleague in the group", 1002, Gebruikers, {Gebruikers, Docenten}};
const Gebruiker Leerling{"a pupil", 1003, Gebruikers, {Gebruikers}};
const Gebruiker Lijstgebruiker{"the user of the access list", 1004, Gebruikers, {Gebruikers}};
const Gebruiker Docent{"another teacher", 1005, Docenten, {Docenten}};
const Gebruiker Buitenstaander{"someone else", 1006, Anderen, {Anderen}};
const Gebruiker Root{"root", 0, 0, {0}};
const Gebruiker* const Iedereen[] = {&Eigenaar, &Collega, &Leerling, &Lijstgebruiker, &Docent, &Buitenstaander};

// Runs `wat` in a child as user `g`: its exit code.
template <class Wat>
int Als(const Gebruiker& g, Wat wat)
{
    std::fflush(nullptr);
    const pid_t kind = ::fork();
    if (kind == 0) {
        if (::setgroups(g.groepen.size(), g.groepen.data()) != 0 || ::setresgid(g.gid, g.gid, g.gid) != 0 ||
            ::setresuid(g.uid, g.uid, g.uid) != 0)
            ::_exit(99);
        ::_exit(wat());
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

// Who may read and who may write the file: for every user, Lezen|Schrijven.
std::map<std::string, unsigned> Wie(const fs::path& pad)
{
    std::map<std::string, unsigned> r;
    for (const Gebruiker* g : Iedereen)
        r[g->wie] = static_cast<unsigned>(Als(*g, [&] {
            return (::faccessat(AT_FDCWD, pad.c_str(), R_OK, AT_EACCESS) == 0 ? Lezen : 0) |
                   (::faccessat(AT_FDCWD, pad.c_str(), W_OK, AT_EACCESS) == 0 ? Schrijven : 0);
        }));
    return r;
}

// The file system keeps no access list.
class ZonderLijsten : public Bestandssysteem {
public:
    int fsetxattr(int fd, const char* naam, const void* waarde, std::size_t n, int vlaggen) override
    {
        if (std::strcmp(naam, ToegangslijstAttribuut) == 0) {
            errno = EOPNOTSUPP;
            return -1;
        }
        return Bestandssysteem::fsetxattr(fd, naam, waarde, n, vlaggen);
    }
};

class Rechten : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "only root can save as other users";
        fs::permissions(tijdelijk.pad(), fs::perms(0755));
    }

    // A folder of the teachers' group and in it the class file of the
    // owner, given to the group; with an access list, both give its user
    // what they give the group.
    fs::path Klas(mode_t mapmodus, bool lijst, const char* sub)
    {
        const fs::path map = tijdelijk.pad() / sub;
        fs::create_directory(map);
        EXPECT_EQ(::chown(map.c_str(), 0, Docenten), 0);
        EXPECT_EQ(::chmod(map.c_str(), mapmodus), 0);
        if (lijst) {
            const auto groep = static_cast<std::uint16_t>((mapmodus >> 3) & 7);
            const std::string b = Toegangsbytes(Lijst(static_cast<std::uint16_t>((mapmodus >> 6) & 7), groep,
                                                      static_cast<std::uint16_t>(mapmodus & 7),
                                                      {{R::Gebruiker, groep, Lijstgebruiker.uid}}, groep));
            EXPECT_EQ(::setxattr(map.c_str(), ToegangslijstAttribuut, b.data(), b.size(), 0), 0);
        }
        const fs::path pad = map / "klas.vlk";
        std::ofstream(pad, std::ios::binary) << "oud";
        EXPECT_EQ(::chown(pad.c_str(), Eigenaar.uid, Docenten), 0);
        EXPECT_EQ(::chmod(pad.c_str(), 0660), 0);
        if (lijst) {
            const std::string b = Toegangsbytes(Lijst(Rw, Rw, 0, {{R::Gebruiker, Rw, Lijstgebruiker.uid}}, Rw));
            EXPECT_EQ(::setxattr(pad.c_str(), ToegangslijstAttribuut, b.data(), b.size(), 0), 0);
        }
        EXPECT_EQ(::setxattr(pad.c_str(), "user.herkomst", "oud", 3, 0), 0);
        return pad;
    }

    Tijdelijkemap tijdelijk;
};

std::string Inhoud(const fs::path& pad)
{
    std::ifstream in(pad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

// After a save by anyone who may write the class file, the same people may
// read and write it as before, and nobody else: in a folder of the teachers'
// group with and without the set-group-id bit, a folder one may write but
// not list, with an access list and without; saved by its owner, a
// colleague of the group, the user of the access list and root. The
// file's other attributes come along; nothing else stays in the folder.
TEST_F(Rechten, ASaveKeepsWhoMayReadAndWriteTheFile)
{
    const struct {
        const char* wat;
        mode_t modus;
        bool lijst;
    } mappen[] = {
        {"group folder", 0771, true},
        {"group folder, set-group-id", 02771, true},
        {"group folder, no access list", 0771, false},
        {"write-only folder", 0733, true},
    };
    int n = 0;
    for (const auto& m : mappen)
        for (const Gebruiker* saver : {&Eigenaar, &Collega, &Lijstgebruiker, &Root}) {
            if (!m.lijst && saver == &Lijstgebruiker)
                continue;  // may not write it
            SCOPED_TRACE(std::string(m.wat) + ", saved by " + saver->wie);
            const fs::path pad = Klas(m.modus, m.lijst, ("map" + std::to_string(n++)).c_str());
            const auto voor = Wie(pad);
            ASSERT_EQ(voor.at(Eigenaar.wie), Rw);
            ASSERT_EQ(voor.at(saver == &Root ? Eigenaar.wie : saver->wie), Rw);
            ASSERT_EQ(voor.at(Leerling.wie), 0u);
            ASSERT_EQ(Als(*saver, [&] {
                          try {
                              SchrijfBestandVeilig(pad.string(), "nieuw");
                              return 0;
                          } catch (const Bestandsfout& f) {
                              std::fprintf(stderr, "%s\n", f.what());
                              return 1;
                          }
                      }),
                      0);
            EXPECT_EQ(Inhoud(pad), "nieuw");
            EXPECT_EQ(Wie(pad), voor);
            struct stat st {};
            ASSERT_EQ(::stat(pad.c_str(), &st), 0);
            // Only a member may give the group, which a folder's set-group-id
            // bit gives anyway; else the access list gives the group its due.
            EXPECT_EQ(st.st_gid, saver != &Lijstgebruiker || (m.modus & S_ISGID) ? Docenten : Gebruikers);
            EXPECT_EQ(st.st_uid, saver == &Root ? Eigenaar.uid : saver->uid);
            char herkomst[8] = {};
            EXPECT_EQ(::getxattr(pad.c_str(), "user.herkomst", herkomst, sizeof herkomst), 3);
            EXPECT_STREQ(herkomst, "oud");
            EXPECT_EQ(std::distance(fs::directory_iterator(pad.parent_path()), fs::directory_iterator()), 1);
        }
}

// Where the file system keeps no access list and the mode alone cannot say
// who had what, a colleague's save is refused and the old file stays; where
// the mode says it (the old owner is a member of the file's group, which
// gives what the owner had), it saves.
TEST_F(Rechten, WithoutAccessListsASaveThatWouldChangeTheRightsIsRefused)
{
    const fs::path pad = Klas(0771, false, "map");
    const auto voor = Wie(pad);
    // 0 saved, 1 refused for the rights, 2 another failure
    const auto opslaan = [&] {
        ZonderLijsten systeem;
        try {
            SchrijfBestandVeilig(pad.string(), "nieuw", systeem);
            return 0;
        } catch (const Bestandsfout& f) {
            return f.code() == FoutRechten ? 1 : 2;
        }
    };
    EXPECT_EQ(Als(Collega, opslaan), 1);
    EXPECT_EQ(Inhoud(pad), "oud");
    EXPECT_EQ(Wie(pad), voor);
    EXPECT_EQ(std::distance(fs::directory_iterator(pad.parent_path()), fs::directory_iterator()), 1);

    // Root's file, given to its own group, which a colleague belongs to.
    ASSERT_EQ(::chown(pad.c_str(), 0, 0), 0);
    const Gebruiker lid{"a member of root's group", 1002, Gebruikers, {Gebruikers, Docenten, 0}};
    EXPECT_EQ(Als(lid, opslaan), 0);
    EXPECT_EQ(Inhoud(pad), "nieuw");
    struct stat st {};
    ASSERT_EQ(::stat(pad.c_str(), &st), 0);
    EXPECT_EQ(st.st_gid, 0u);
    EXPECT_EQ(st.st_mode & 07777, 0660u);
}

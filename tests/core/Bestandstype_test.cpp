#include "core/Bestandstype.h"

#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>
#include <sys/stat.h>

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

}  // namespace

// Every test registers under a data folder of its own.
class BestandstypeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* oud = std::getenv("XDG_DATA_HOME"))
            vorige = oud;
        ::setenv("XDG_DATA_HOME", (map / "data").c_str(), 1);
    }
    void TearDown() override
    {
        VernieuwingenAfwachten();
        if (vorige)
            ::setenv("XDG_DATA_HOME", vorige->c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
    }

    fs::path Pakket() const { return map / "data/mime/packages/zrm-cijferbestand.xml"; }
    fs::path Entry() const { return map / "data/applications/zrm-cijferbestand.desktop"; }

    Tijdelijkemap tijdelijk;
    const fs::path map = tijdelijk.pad();
    std::optional<std::string> vorige;
};

TEST_F(BestandstypeTest, TheGradeFileTypeOpensWithThisProgram)
{
    ASSERT_TRUE(RegistreerCijferbestand());
    const auto programma = ProgrammaPad();
    ASSERT_TRUE(fs::path(programma).is_absolute());
    ASSERT_TRUE(fs::exists(programma));

    const auto pakket = Inhoud(Pakket());
    EXPECT_TRUE(Bevat(pakket, "<mime-type type=\"application/x-zrm-cijferbestand\">")) << pakket;
    EXPECT_TRUE(Bevat(pakket, "<comment>ZRM Cijferbestand</comment>")) << pakket;
    EXPECT_TRUE(Bevat(pakket, "<glob pattern=\"*.vlk\" case-sensitive=\"false\"/>")) << pakket;

    const auto entry = Inhoud(Entry());
    EXPECT_TRUE(Bevat(entry, "\nExec=\"" + programma + "\" %f\n")) << entry;
    EXPECT_TRUE(Bevat(entry, "\nMimeType=application/x-zrm-cijferbestand;\n")) << entry;
    EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
}

TEST_F(BestandstypeTest, ExtensionAndTypeNameAreTrimmedAndAPointIsRequired)
{
    EXPECT_TRUE(RegistreerBestandstype("  .VLK  ", "\"/p\" %f", "", "  ZRM Cijferbestand "));
    EXPECT_TRUE(Bevat(Inhoud(Pakket()), "<comment>ZRM Cijferbestand</comment>"));
    EXPECT_TRUE(Bevat(Inhoud(Pakket()), "pattern=\"*.vlk\""));  // matched in any case

    fs::remove_all(map / "data");
    for (const char* extensie : {"vlk", " vlk.", "", "   ", "*.vlk"}) {
        SCOPED_TRACE(extensie);
        EXPECT_FALSE(RegistreerBestandstype(extensie, "\"/p\" %f", "", "ZRM Cijferbestand"));
        EXPECT_FALSE(fs::exists(map / "data"));
    }
}

TEST_F(BestandstypeTest, TheCommandQuotesThePathAsDesktopEntriesRequire)
{
    const struct {
        const char* pad;
        const char* opdracht;
        const char* regel;  // as it stands in the desktop entry
    } gevallen[] = {
        {"/usr/bin/morvaldiek", "\"/usr/bin/morvaldiek\" %f", "Exec=\"/usr/bin/morvaldiek\" %f"},
        {"/home/An Jansen/bin/m", "\"/home/An Jansen/bin/m\" %f", "Exec=\"/home/An Jansen/bin/m\" %f"},
        {"/a$b/100%/c\"d", "\"/a\\$b/100%%/c\\\"d\" %f", "Exec=\"/a\\\\$b/100%%/c\\\\\"d\" %f"},
        {"/x\\y`z", "\"/x\\\\y\\`z\" %f", "Exec=\"/x\\\\\\\\y\\\\`z\" %f"},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.pad);
        EXPECT_EQ(OpenOpdracht(g.pad), g.opdracht);
        ASSERT_TRUE(RegistreerBestandstype(".vlk", OpenOpdracht(g.pad), "", "ZRM Cijferbestand"));
        EXPECT_TRUE(Bevat(Inhoud(Entry()), std::string("\n") + g.regel + "\n")) << Inhoud(Entry());
    }
}

TEST_F(BestandstypeTest, EveryStartWritesTheEntriesAnew)
{
    ASSERT_TRUE(RegistreerCijferbestand());
    const auto pakket = Inhoud(Pakket());
    const auto entry = Inhoud(Entry());
    std::ofstream(Entry(), std::ios::trunc) << "[Desktop Entry]\nExec=/oud %f\n";
    fs::remove(Pakket());
    ASSERT_TRUE(RegistreerCijferbestand());
    EXPECT_EQ(Inhoud(Pakket()), pakket);
    EXPECT_EQ(Inhoud(Entry()), entry);
}

TEST_F(BestandstypeTest, AFolderThatCannotBeWrittenGivesFalse)
{
    std::ofstream(map / "bestand") << "geen map";
    ::setenv("XDG_DATA_HOME", (map / "bestand/data").c_str(), 1);
    EXPECT_FALSE(RegistreerCijferbestand());
}

TEST_F(BestandstypeTest, TheDataFolderFollowsXdgDataHome)
{
    EXPECT_EQ(GebruikersDataMap(), (map / "data").string());
    const std::string thuis = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/iemand", 1);
    for (const char* waarde : {"", "relatief/pad"}) {
        ::setenv("XDG_DATA_HOME", waarde, 1);
        EXPECT_EQ(GebruikersDataMap(), "/home/iemand/.local/share");
    }
    ::setenv("HOME", thuis.c_str(), 1);
}

TEST_F(BestandstypeTest, TheMimeDatabaseIsRefreshedWhenItsToolIsThere)
{
    const bool gereedschap = std::system("command -v update-mime-database >/dev/null 2>&1") == 0;
    if (!gereedschap)
        GTEST_SKIP() << "update-mime-database is not installed";
    ASSERT_TRUE(RegistreerCijferbestand());
    VernieuwingenAfwachten();  // the tool runs on after the registration returned
    const auto globs = Inhoud(map / "data/mime/globs2");
    EXPECT_TRUE(Bevat(globs, ":application/x-zrm-cijferbestand:*.vlk")) << globs;
}

TEST_F(BestandstypeTest, AnUnchangedRegistrationLeavesItsFilesAndDatabasesAlone)
{
    const auto toestand = [this] {
        VernieuwingenAfwachten();
        std::vector<std::pair<ino_t, long>> r;
        for (const fs::path& p : {Pakket(), Entry(), map / "data/mime/mime.cache"}) {
            struct stat st {};
            r.emplace_back(::stat(p.c_str(), &st) == 0 ? st.st_ino : 0, st.st_mtim.tv_nsec);
        }
        return r;
    };
    ASSERT_TRUE(RegistreerCijferbestand());
    const auto voor = toestand();
    ASSERT_NE(voor[0].first, 0u);
    ASSERT_NE(voor[1].first, 0u);
    ASSERT_TRUE(RegistreerCijferbestand());
    // A rewrite renames a new file over the old one (another inode); a
    // refresh rewrites the database.
    EXPECT_EQ(toestand(), voor);
}

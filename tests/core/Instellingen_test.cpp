#include "core/Instellingen.h"

#include "core/Bestand.h"
#include "core/Fout.h"

#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Inhoud(const fs::path& pad)
{
    std::ifstream in(pad, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

class InstellingenTest : public ::testing::Test {
protected:
    void Schrijf(const std::string& inhoud) { SchrijfBestandVeilig((map / "KWELTA.DAT").string(), inhoud); }

    Tijdelijkemap tijdelijk;
    const fs::path map = tijdelijk.pad();
};

TEST_F(InstellingenTest, WritesNineLinesEndedByCrLf)
{
    AdmMain a;
    a.School = "Het Lyceum";
    a.Cursus = "2024-2025";
    a.Docent = "J. de Vries";
    a.DocentPersNr = "012345";
    a.DocentCode = "VRI";
    a.StartMap = "/start";
    a.ReserveMap1 = "/r1";
    a.ReserveMap2 = "/r2";
    a.LaatsteMap = "/laatst";
    InstellingenBewaren(a, map.string());
    EXPECT_EQ(Inhoud(map / "KWELTA.DAT"), "Het Lyceum                    \r\n"
                                          "2024-2025\r\n"
                                          "J. de Vries\r\n"
                                          "012345\r\n"
                                          "VRI\r\n"
                                          "/start\r\n"
                                          "/r1\r\n"
                                          "/r2\r\n"
                                          "/laatst\r\n");
}

// tests/data/KWELTA.DAT: a school name of 46 characters, "2024", a teacher's
// name with blanks around it, "42", the code "ABCD", then the start folder
// /ergens/anders and the folders /r1, /r2 and /laatst.
TEST_F(InstellingenTest, ReadsFitsTheFixedFieldsAndDropsLineSix)
{
    AdmMain a;
    a.StartMap = "/start";
    InstellingenLezen(a, Testmap());
    EXPECT_EQ(a.School, "Een schoolnaam die langer is d");
    EXPECT_EQ(a.Cursus, "2024     ");
    EXPECT_EQ(a.Docent, "  Docent met blanks  ");  // the whole line, unfitted
    EXPECT_EQ(a.DocentPersNr, "42");
    EXPECT_EQ(a.DocentCode, "ABC");
    EXPECT_EQ(a.StartMap, "/start");
    EXPECT_EQ(a.ReserveMap1, "/r1");
    EXPECT_EQ(a.ReserveMap2, "/r2");
    EXPECT_EQ(a.LaatsteMap, "/laatst");
}

TEST_F(InstellingenTest, WrittenAndReadBackGivesTheSameFields)
{
    AdmMain a;
    a.School = "St.-Jozef\xe9";  // Windows-1252 bytes pass unchanged
    a.Docent = "Docent";
    a.DocentCode = "DOC";
    a.ReserveMap1 = "/een";
    a.ReserveMap2 = "/twee";
    a.LaatsteMap = "/drie";
    InstellingenBewaren(a, map.string());
    AdmMain b;
    InstellingenLezen(b, map.string());
    EXPECT_EQ(b.School, a.School);
    EXPECT_EQ(b.Docent, a.Docent);
    EXPECT_EQ(b.DocentPersNr, a.DocentPersNr);
    EXPECT_EQ(b.DocentCode, a.DocentCode);
    EXPECT_EQ(b.LaatsteMap, "/drie");
}

// A control byte inside a line of a text of the data set reads as a blank;
// a folder keeps its bytes, as the system names it.
TEST_F(InstellingenTest, AControlByteInATextReadsAsABlankAndAFolderStaysAsItIs)
{
    for (const char byte : {'\r', '\t', '\x01', '\x1F', '\x7F'}) {
        SCOPED_TRACE(static_cast<int>(byte));
        const std::string b(1, byte);
        Schrijf("Het" + b + "Lyceum\r\n2024" + b + "2025\r\nJ." + b + "de Vries\r\n01" + b + "2345\r\nV" + b +
                "I\r\n/s\r\n/r" + b + "1\r\n/r2\r\n/laatst" + b + "\r\n");
        AdmMain a;
        InstellingenLezen(a, map.string());
        EXPECT_EQ(a.School, Tekst<30>("Het Lyceum"));
        EXPECT_EQ(a.Cursus, Tekst<9>("2024 2025"));
        EXPECT_EQ(a.Docent, "J. de Vries");
        EXPECT_EQ(a.DocentPersNr, "01 2345");
        EXPECT_EQ(a.DocentCode, "V I");
        EXPECT_EQ(a.ReserveMap1, "/r" + b + "1");
        EXPECT_EQ(a.LaatsteMap, "/laatst" + b);
    }
}

TEST_F(InstellingenTest, AMissingFileStoresNothing)
{
    AdmMain a;
    a.School = "Oud";
    a.LaatsteMap = "/oud";
    EXPECT_THROW(InstellingenLezen(a, map.string()), Bestandsfout);
    EXPECT_THROW(InstellingenMappenLezen(a, map.string()), Bestandsfout);
    EXPECT_EQ(a.School, Tekst<30>("Oud"));
    EXPECT_EQ(a.DocentCode, "XXX");
    EXPECT_EQ(a.LaatsteMap, "/oud");
}

// A file that fails part-way has stored the lines before the failure.
TEST_F(InstellingenTest, AShortOrBrokenFileKeepsTheLinesReadBeforeTheFailure)
{
    {
        AdmMain a;
        a.LaatsteMap = "/oud";
        Schrijf("Nieuw\r\n2025\r\nDocent\r\n1\r\nNNN\r\n/s\r\n/r1\r\n/r2\r\n");  // eight lines
        EXPECT_THROW(InstellingenLezen(a, map.string()), Bestandsfout);
        EXPECT_EQ(a.School, Tekst<30>("Nieuw"));
        EXPECT_EQ(a.Cursus, Tekst<9>("2025"));
        EXPECT_EQ(a.Docent, "Docent");
        EXPECT_EQ(a.DocentPersNr, "1");
        EXPECT_EQ(a.DocentCode, "NNN");
        EXPECT_EQ(a.ReserveMap1, "/r1");
        EXPECT_EQ(a.ReserveMap2, "/r2");
        EXPECT_EQ(a.LaatsteMap, "/oud");
    }
    {
        AdmMain a;
        a.ReserveMap1 = "/oud";
        Schrijf(std::string("Nieuw\r\n2025\r\nDe\0cent\r\n1\r\nNNN\r\n/s\r\n/r1\r\n/r2\r\n/l\r\n", 48));
        EXPECT_THROW(InstellingenLezen(a, map.string()), Bestandsfout);
        EXPECT_EQ(a.School, Tekst<30>("Nieuw"));
        EXPECT_EQ(a.Cursus, Tekst<9>("2025"));
        EXPECT_EQ(a.Docent, AdmMain{}.Docent);
        EXPECT_EQ(a.DocentCode, "XXX");
        EXPECT_THROW(InstellingenMappenLezen(a, map.string()), Bestandsfout);
        EXPECT_EQ(a.ReserveMap1, "/oud");
    }
    {
        AdmMain a;
        Schrijf("Nieuw\r\n2025\r\nDocent\r\n1\r\nNNN\r\n/s\r\n/r1\r\n");  // seven lines
        EXPECT_THROW(InstellingenMappenLezen(a, map.string()), Bestandsfout);
        EXPECT_EQ(a.ReserveMap1, "/r1");
        EXPECT_EQ(a.ReserveMap2, "");
        EXPECT_EQ(a.School, Tekst<30>(""));
    }
}

TEST_F(InstellingenTest, TheOpenDialogReadsOnlyTheFolders)
{
    Schrijf("School\r\n2025\r\nDocent\r\n1\r\nNNN\r\n/s\r\n/r1\r\n/r2\r\n/laatst\r\n");
    AdmMain a;
    a.School = "Uit het cijferbestand";
    InstellingenMappenLezen(a, map.string());
    EXPECT_EQ(a.School, Tekst<30>("Uit het cijferbestand"));
    EXPECT_EQ(a.DocentCode, "XXX");
    EXPECT_EQ(a.ReserveMap1, "/r1");
    EXPECT_EQ(a.ReserveMap2, "/r2");
    EXPECT_EQ(a.LaatsteMap, "/laatst");
}

TEST_F(InstellingenTest, AFolderThatCannotBeWrittenRaises)
{
    AdmMain a;
    EXPECT_THROW(InstellingenBewaren(a, (map / "ontbreekt").string()), Bestandsfout);
}

// Where a failure is let go (start-up, after opening a file), a folder in
// which another program saves just now is not waited for: the file is left
// as it was this time.
TEST_F(InstellingenTest, WhereAFailureIsLetGoAFolderInUseIsNotWaitedFor)
{
    AdmMain a;
    a.School = "Het Lyceum";
    Schrijf("oud\r\n");
    const int slot = ::open(map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(slot, 0);
    ASSERT_EQ(::flock(slot, LOCK_EX), 0);  // another open of the folder: its save waits for this one
    EXPECT_FALSE(InstellingenBewarenAlsHetKan(a, map.string()));
    EXPECT_EQ(Inhoud(map / "KWELTA.DAT"), "oud\r\n");
    ::close(slot);
    EXPECT_TRUE(InstellingenBewarenAlsHetKan(a, map.string()));
    EXPECT_EQ(Inhoud(map / "KWELTA.DAT").substr(0, 10), "Het Lyceum");
}

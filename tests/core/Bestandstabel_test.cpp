#include "core/Bestandstabel.h"
#include "core/Fout.h"

#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <fcntl.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Namen(const std::vector<Bestandsrij>& rijen)
{
    std::vector<std::string> r;
    for (const auto& x : rijen)
        r.push_back(x.naam);
    return r;
}

}  // namespace

class BestandstabelTest : public ::testing::Test {
protected:
    // A file with the given lines (CR LF) and modification time.
    void Bestand(const std::string& naam, const std::vector<std::string>& regels, std::time_t tijd)
    {
        SchrijfMetTijd(map / naam, Crlfregels(regels), tijd);
    }
    std::vector<std::string> Kop(const std::string& klas, const std::string& vak, const std::string& dvak)
    {
        return {std::string(30, 'S'), std::string(9, 'C'), klas, vak, dvak, "niv1  "};
    }

    Tijdelijkemap tijdelijk;
    const fs::path map = tijdelijk.pad();
    UtcTijdzone utc;
};

TEST_F(BestandstabelTest, ListsFoldersAndGradeFilesOfAnyCaseWithTheirFields)
{
    fs::create_directories(map / "Klas 3");
    fs::create_directories(map / "archief");
    fs::create_directories(map / ".verborgen");
    Bestand("wiskunde_klas_3a_2024.vlk", Kop("3A    ", "wi    ", "alg   "), Utc(2024, 3, 5, 8, 7));
    Bestand("B.VLK", Kop("2B    ", "ne    ", "l"), Utc(1999, 12, 31, 23, 59));
    Bestand("kort.Vlk", {"een", "twee"}, Utc(2005, 1, 2, 3, 4));  // fewer than five lines
    Bestand("niet.txt", Kop("1A    ", "en    ", "      "), Utc(2005, 1, 2, 3, 4));
    Bestand("namen.nam", {"x"}, Utc(2010, 6, 7, 8, 9));
    fs::create_directories(map / "map.vlk");  // a folder, not a file

    const auto t = BestandstabelVullen(map.string(), Bestandsoort::Cijferbestand);
    EXPECT_EQ(t.mappen, (std::vector<std::string>{"archief", "Klas 3", "map.vlk"}));
    ASSERT_EQ(Namen(t.rijen), (std::vector<std::string>{"B.VLK", "kort.Vlk", "wiskunde_klas_3a_2024.vlk"}));

    const auto& lang = t.rijen[2];
    EXPECT_EQ(lang.pad, (map / "wiskunde_klas_3a_2024.vlk").string());
    EXPECT_TRUE(lang.gelezen);
    EXPECT_EQ(lang.klas, "3A    ");
    EXPECT_EQ(lang.vak, "wi    ");
    EXPECT_EQ(lang.deelvak, "alg   ");
    EXPECT_EQ(lang.datum, "05-03-24 08:07");
    EXPECT_FALSE(t.rijen[1].gelezen);
    EXPECT_EQ(t.rijen[1].klas, "");

    // The name column is as wide as the longest name and a blank, so columns
    // still line up and a long name never runs into its class.
    const auto b = Naambreedte(t.rijen);
    EXPECT_EQ(b, 22u);
    EXPECT_EQ(BestandsrijTekst(t.rijen[0], Bestandsoort::Cijferbestand, b),
              "B" + std::string(21, ' ') + "2B       ne   l    31-12-99 23:59");
    EXPECT_EQ(BestandsrijTekst(lang, Bestandsoort::Cijferbestand, b),
              "wiskunde_klas_3a_2024 " "3A       wi   al   05-03-24 08:07");
    EXPECT_EQ(BestandsrijTekst(t.rijen[1], Bestandsoort::Cijferbestand), "kort" + std::string(8 + 19, ' ') + "02-01-05 03:04");

    const auto n = BestandstabelVullen(map.string(), Bestandsoort::Namenbestand);
    ASSERT_EQ(Namen(n.rijen), std::vector<std::string>{"namen.nam"});
    EXPECT_FALSE(n.rijen[0].gelezen);
    EXPECT_EQ(BestandsrijTekst(n.rijen[0], Bestandsoort::Namenbestand), "namen       07-06-10 08:09");
}

TEST_F(BestandstabelTest, EachColumnSorts)
{
    Bestand("c.vlk", Kop("2B    ", "wi    ", "b     "), Utc(2024, 1, 1, 9, 0));
    Bestand("A.vlk", Kop("1A    ", "ne    ", "a     "), Utc(1999, 5, 1, 9, 0));
    Bestand("b.vlk", Kop("2B    ", "en    ", "      "), Utc(2005, 5, 1, 9, 0));
    Bestand("d.vlk", {"kapot"}, Utc(2024, 1, 1, 8, 59));
    auto rijen = BestandstabelVullen(map.string(), Bestandsoort::Cijferbestand).rijen;
    ASSERT_EQ(Namen(rijen), (std::vector<std::string>{"A.vlk", "b.vlk", "c.vlk", "d.vlk"}));

    struct Geval {
        Bestandskolom kolom;
        std::vector<std::string> namen;
    };
    const Geval gevallen[] = {
        // Equal classes keep their order; an unread file goes last.
        {Bestandskolom::Klas, {"A.vlk", "b.vlk", "c.vlk", "d.vlk"}},
        {Bestandskolom::Vak, {"b.vlk", "A.vlk", "c.vlk", "d.vlk"}},
        // A blank sub-subject goes last with the unread file.
        {Bestandskolom::Deelvak, {"A.vlk", "c.vlk", "b.vlk", "d.vlk"}},
        // By real time: 1999 before 2005; one minute apart is enough.
        {Bestandskolom::Gewijzigd, {"A.vlk", "b.vlk", "d.vlk", "c.vlk"}},
        {Bestandskolom::Naam, {"A.vlk", "b.vlk", "c.vlk", "d.vlk"}},
    };
    for (const auto& g : gevallen) {
        BestandstabelSorteren(rijen, g.kolom);
        EXPECT_EQ(Namen(rijen), g.namen) << static_cast<int>(g.kolom);
    }

    std::vector<Bestandsrij> leeg;
    BestandstabelSorteren(leeg, Bestandskolom::Naam);
    EXPECT_TRUE(leeg.empty());
}

// A name copied from an older machine is Windows-1252, no UTF-8: its row
// shows each of its bytes in the name column and it sorts by them, while
// its path stays the bytes on disk.
TEST_F(BestandstabelTest, ANameThatIsNoUtf8KeepsEachOfItsBytes)
{
    const std::string cafe = "caf\xE9 3a.vlk";
    Bestand(cafe, Kop("3A    ", "fr    ", "      "), Utc(2006, 1, 2, 3, 4));
    Bestand("cafe.vlk", Kop("3B    ", "fr    ", "      "), Utc(2006, 1, 2, 3, 4));
    Bestand("caf\xC3\xA9.vlk", Kop("3C    ", "fr    ", "      "), Utc(2006, 1, 2, 3, 4));
    fs::create_directories(map / "caf\xE9");
    fs::create_directories(map / "cafe");

    auto t = BestandstabelVullen(map.string(), Bestandsoort::Cijferbestand);
    EXPECT_EQ(t.mappen, (std::vector<std::string>{"cafe", "caf\xE9"}));
    const std::vector<std::string> opNaam = {"cafe.vlk", cafe, "caf\xC3\xA9.vlk"};
    ASSERT_EQ(Namen(t.rijen), opNaam);
    EXPECT_EQ(t.rijen[1].pad, (map / cafe).string());
    EXPECT_TRUE(t.rijen[1].gelezen);

    const auto b = Naambreedte(t.rijen);
    EXPECT_EQ(b, 12u);
    const std::string kolommen = "fr        02-01-06 03:04";
    EXPECT_EQ(BestandsrijTekst(t.rijen[0], Bestandsoort::Cijferbestand, b), "cafe        3B       " + kolommen);
    EXPECT_EQ(BestandsrijTekst(t.rijen[1], Bestandsoort::Cijferbestand, b), "caf\xE9 3a     3A       " + kolommen);
    EXPECT_EQ(BestandsrijTekst(t.rijen[2], Bestandsoort::Cijferbestand, b), "caf\xE9        3C       " + kolommen);

    BestandstabelSorteren(t.rijen, Bestandskolom::Klas);
    EXPECT_EQ(Namen(t.rijen), (std::vector<std::string>{cafe, "cafe.vlk", "caf\xC3\xA9.vlk"}));
    BestandstabelSorteren(t.rijen, Bestandskolom::Naam);
    EXPECT_EQ(Namen(t.rijen), opNaam);
}

TEST_F(BestandstabelTest, TiesKeepTheirOrderBeyondTenRows)
{
    for (int i = 1; i <= 12; ++i) {
        char n[16];
        std::snprintf(n, sizeof n, "f%02d.vlk", i);
        Bestand(n, Kop("1A    ", "wi    ", "a     "), Utc(2020, 1, 1, 0, 0));
    }
    auto rijen = BestandstabelVullen(map.string(), Bestandsoort::Cijferbestand).rijen;
    const auto voor = Namen(rijen);
    BestandstabelSorteren(rijen, Bestandskolom::Klas);
    EXPECT_EQ(Namen(rijen), voor);
    BestandstabelSorteren(rijen, Bestandskolom::Gewijzigd);
    EXPECT_EQ(Namen(rijen), voor);
}

TEST_F(BestandstabelTest, TheFirstFiveLinesAreReadWhateverTheirEndsAndLengths)
{
    const std::string kop = "a\r\nb\r\nK\r\nV\r\nD";
    const struct {
        const char* naam;
        std::string bytes;
        bool gelezen;
    } gevallen[] = {
        {"open_einde.vlk", kop, true},  // the fifth line without its line end
        {"alleen_lf.vlk", "a\nb\nK\nV\nD\nmeer\n", true},
        {"vier_regels.vlk", "a\r\nb\r\nK\r\nV\r\n", false},
        {"nul.vlk", std::string("a\r\n\0\r\nK\r\nV\r\nD\r\n", 15), false},
        {"nul_later.vlk", kop + std::string("\r\nx\0y\r\n", 8), true},
        {"lang_ruim.vlk", std::string(4096, 'a') + "\r\nb\r\nK\r\nV\r\nD\r\n", true},
        {"lang_net.vlk", std::string(4097, 'a') + "\nb\nK\nV\nD\n", true},
        {"te_lang.vlk", std::string(4097, 'a') + "\r\nb\r\nK\r\nV\r\nD\r\n", false},
        {"over_blok.vlk", std::string(1000, 'a') + "\r\n" + std::string(600, 'b') + "\r\nK\r\nV\r\nD\r\n", true},
    };
    for (const auto& g : gevallen)
        std::ofstream(map / g.naam, std::ios::binary) << g.bytes;
    fs::create_symlink(map / "open_einde.vlk", map / "verwijzing.vlk");
    fs::create_symlink(map / "weg.vlk", map / "dood.vlk");
    fs::create_directories(map / "echt");
    fs::create_directory_symlink(map / "echt", map / "naar_map");

    const auto t = BestandstabelVullen(map.string(), Bestandsoort::Cijferbestand);
    EXPECT_EQ(t.mappen, (std::vector<std::string>{"echt", "naar_map"}));
    std::map<std::string, const Bestandsrij*> per;
    for (const auto& r : t.rijen)
        per[r.naam] = &r;
    EXPECT_EQ(per.count("dood.vlk"), 0u);  // a dangling link is not listed
    for (const auto& g : gevallen) {
        SCOPED_TRACE(g.naam);
        ASSERT_EQ(per.count(g.naam), 1u);
        const Bestandsrij& r = *per[g.naam];
        EXPECT_EQ(r.gelezen, g.gelezen);
        if (g.gelezen) {
            EXPECT_EQ(r.klas, "K");
            EXPECT_EQ(r.vak, "V");
            EXPECT_EQ(r.deelvak, "D");
        } else {
            EXPECT_EQ(r.klas + r.vak + r.deelvak, "");
        }
    }
    ASSERT_EQ(per.count("verwijzing.vlk"), 1u);
    EXPECT_TRUE(per["verwijzing.vlk"]->gelezen);
    EXPECT_EQ(per["verwijzing.vlk"]->pad, (map / "verwijzing.vlk").string());
}

TEST_F(BestandstabelTest, CaptionsAndAMissingFolder)
{
    EXPECT_EQ(MappenKop("/home/juf/Klas 3", true), " Mappen in Klas 3");
    EXPECT_EQ(BestandenKop("/home/juf/Klas 3/", Bestandsoort::Cijferbestand), " Cijferbestanden in Klas 3");
    EXPECT_EQ(BestandenKop("/", Bestandsoort::Namenbestand), " Namenbestanden in /");
    const std::string lang(23, 'x');
    EXPECT_EQ(MappenKop("/a/" + lang, true), " Mappen in " + std::string(19, 'x') + "...");
    EXPECT_EQ(MappenKop("/a/" + lang.substr(1), true), " Mappen in " + lang.substr(1));
    EXPECT_EQ(MappenKop("/a/" + lang, false), " Mappen in " + lang);

    try {
        BestandstabelVullen((map / "weg").string(), Bestandsoort::Cijferbestand);
        FAIL();
    } catch (const Bestandsfout& f) {
        EXPECT_EQ(f.code(), FoutPadNietGevonden);
    }
}

#include "core/Bestand.h"
#include "core/Fout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

class BestandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        map = fs::temp_directory_path() / ("bestand_test_" + std::to_string(::getpid()));
        fs::create_directories(map);
    }
    void TearDown() override
    {
        fs::permissions(map, fs::perms::owner_all);
        fs::remove_all(map);
    }
    fs::path map;
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

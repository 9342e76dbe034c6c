#include "core/Pad.h"

#include <gtest/gtest.h>

namespace {

struct Samenvoeging {
    const char* map;
    const char* naam;
    const char* pad;
};

// The root, an empty folder, a folder ending in "/", one without any "/".
const Samenvoeging samenvoegingen[] = {
    {"/", "3A.VLK", "/3A.VLK"},
    {"", "3A.VLK", "3A.VLK"},
    {"/home/juf/", "3A.VLK", "/home/juf/3A.VLK"},
    {"/home/juf", "3A.VLK", "/home/juf/3A.VLK"},
    {"klassen", "3A.VLK", "klassen/3A.VLK"},
};

struct Splitsing {
    const char* pad;
    const char* map;
    const char* naam;
    const char* terug;  // folder and name joined again
};

const Splitsing splitsingen[] = {
    {"/3A.VLK", "/", "3A.VLK", "/3A.VLK"},
    {"3A.VLK", ".", "3A.VLK", "./3A.VLK"},
    {"/home/juf/3A.VLK", "/home/juf", "3A.VLK", "/home/juf/3A.VLK"},
    {"klassen/3A.VLK", "klassen", "3A.VLK", "klassen/3A.VLK"},
    {"/home/juf/", "/home/juf", "", "/home/juf/"},
    {"", ".", "", "./"},
};

}  // namespace

TEST(Pad, JoinsWithOneSlashAndAnEmptyFolderGivesTheNameAlone)
{
    for (const Samenvoeging& g : samenvoegingen)
        EXPECT_EQ(PadSamenvoegen(g.map, g.naam), g.pad) << "\"" << g.map << "\"";
}

TEST(Pad, SplitsIntoFolderAndNameThatJoinToTheSameFile)
{
    for (const Splitsing& g : splitsingen) {
        EXPECT_EQ(MapVan(g.pad), g.map) << "\"" << g.pad << "\"";
        EXPECT_EQ(Bestandsdeel(g.pad), g.naam) << "\"" << g.pad << "\"";
        EXPECT_EQ(PadSamenvoegen(MapVan(g.pad), Bestandsdeel(g.pad)), g.terug) << "\"" << g.pad << "\"";
    }
}

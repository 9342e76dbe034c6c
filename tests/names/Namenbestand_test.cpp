#include "core/Bestand.h"
#include "core/Fout.h"
#include "core/Pad.h"
#include "names/Namenbestand.h"

#include "Tekstvelden.h"
#include "Tijdelijkemap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// A names-file line with every field at its column.
std::string Regel(const std::string& achternaam, const std::string& roepnaam, const std::string& nummer)
{
    return Pas(achternaam, 30) + "," + Pas(roepnaam, 13) + "," + Pas(nummer, 6) + "," + "M" + "," +
           Pas("Dorpsstraat 1", 36) + "," + Pas("Ergens", 15) + "," + Pas("1234 AB", 7) + "," +
           Pas("0123-456789", 13) + "," + Pas("4H2", 6) + "rest";
}

}  // namespace

TEST(Namenbestand, FieldsStandInFixedColumns)
{
    const auto n = NamenregelLezen(Regel("de Vries", "Anna", "012345"));
    EXPECT_EQ(n.Achternaam, Tekst<30>("de Vries"));
    EXPECT_EQ(n.Roepnaam, Tekst<13>("Anna"));
    EXPECT_EQ(n.LeerlingPersNr, "012345");
    EXPECT_EQ(n.Geslacht, "M");
    EXPECT_EQ(n.Adres, Tekst<36>("Dorpsstraat 1"));
    EXPECT_EQ(n.Woonplaats, Tekst<15>("Ergens"));
    EXPECT_EQ(n.Postcode, "1234 AB");
    EXPECT_EQ(n.Telefoon, Tekst<13>("0123-456789"));
    EXPECT_EQ(n.Basisgroep, "4H2   ");  // nothing after column 135

    // A short line: what lies past its end is blank.
    const auto k = NamenregelLezen(Pas("Kort", 30) + ",Piet");
    EXPECT_EQ(k.Roepnaam, Tekst<13>("Piet"));
    EXPECT_EQ(k.LeerlingPersNr, "      ");
    EXPECT_TRUE(k.Basisgroep.leeg());
}

// A control byte inside a line reads as a blank in every field, the
// columns as they stand; a CR ends a line only before its LF.
TEST(Namenbestand, AControlByteInsideALineReadsAsABlank)
{
    const Tijdelijkemap tijdelijk;
    const auto pad = (tijdelijk.pad() / "KLAS.NAM").string();
    for (const char byte : {'\r', '\t', '\x01', '\x1F', '\x7F'}) {
        SCOPED_TRACE(static_cast<int>(byte));
        const std::string b(1, byte);
        const std::string regel = Regel("de" + b + "Vries", "An" + b + "na", "012345");
        std::string gewijzigd = regel;
        gewijzigd[52] = byte;  // the sex
        gewijzigd[129 + 2] = byte;  // in the base group
        std::ofstream(pad, std::ios::binary) << regel << "\r\n" << gewijzigd << "\r\n";
        const auto regels = NamenbestandLezen(pad);
        ASSERT_EQ(regels.size(), 2u);
        for (const auto& n : regels) {
            EXPECT_EQ(n.Achternaam, Tekst<30>("de Vries"));
            EXPECT_EQ(n.Roepnaam, Tekst<13>("An na"));
            EXPECT_EQ(n.LeerlingPersNr, "012345");
            EXPECT_EQ(n.Woonplaats, Tekst<15>("Ergens"));
        }
        EXPECT_EQ(regels[0].Geslacht, "M");
        EXPECT_EQ(regels[1].Geslacht, " ");
        EXPECT_EQ(regels[1].Basisgroep, "4H    ");
    }
}

// tests/data/klas.nam: Nieuw Kees 111111, a blank line, Bijgewerkt Piet
// 555555 living in Elders, Zonder Nummer 000000; all V, Laan 2, 9999 ZZ,
// 06-1, base group BG1 ending in column 132.
TEST(Namenbestand, TheTestFileGivesEveryLine)
{
    const auto pad = Testbestand("klas.nam");
    EXPECT_NO_THROW(NamenbestandControleren(pad));
    const auto regels = NamenbestandLezen(pad);
    ASSERT_EQ(regels.size(), 4u);
    EXPECT_EQ(regels[0].Achternaam, Tekst<30>("Nieuw"));
    EXPECT_EQ(regels[0].LeerlingPersNr, "111111");
    EXPECT_TRUE(regels[1].Achternaam.leeg() && regels[1].Roepnaam.leeg());
    EXPECT_EQ(regels[3].Roepnaam, Tekst<13>("Nummer"));
    // Every column of its layout, here in one line.
    const auto& n = regels[2];
    std::string velden;
    for (std::string_view v : {n.Achternaam.view(), n.Roepnaam.view(), n.LeerlingPersNr.view(), n.Geslacht.view(),
                               n.Adres.view(), n.Woonplaats.view(), n.Postcode.view(), n.Telefoon.view(),
                               n.Basisgroep.view()})
        velden += v;
    EXPECT_EQ(velden, Pas("Bijgewerkt", 30) + Pas("Piet", 13) + "555555" + "V" + Pas("Laan 2", 36) + Pas("Elders", 15) +
                          "9999 ZZ" + Pas("06-1", 13) + "BG1   ");
}

TEST(Namenbestand, TheFirstLineNeedsItsThreeCommas)
{
    const Tijdelijkemap tijdelijk;
    const auto& map = tijdelijk.pad();
    const auto pad = (map / "KLAS.NAM").string();
    const auto goed = Regel("a", "b", "1");

    struct Geval {
        std::string inhoud;
        bool goed;
    };
    std::string zonderKomma = goed;
    zonderKomma[44] = ' ';
    const Geval gevallen[] = {
        {goed + "\r\n" + "wat dan ook\r\n", true},
        {zonderKomma + "\r\n", false},
        {goed.substr(0, 51) + "\r\n", false},
        {"", false},
        {std::string("ab\0c", 4), false},
        {goed + "\r\n" + std::string(MaxBestandsgrootte, '\n'), false},  // larger than any names file
    };
    for (const auto& g : gevallen) {
        std::ofstream(pad, std::ios::binary) << g.inhoud;
        if (g.goed) {
            EXPECT_NO_THROW(NamenbestandControleren(pad));
            EXPECT_EQ(NamenbestandLezen(pad).size(), 2u);
            continue;
        }
        try {
            NamenbestandControleren(pad);
            ADD_FAILURE() << g.inhoud;
        } catch (const Bestandsfout& f) {
            EXPECT_EQ(f.code(), FoutVerkeerdBestand);
        }
    }

    // The dialog's open: a names file sets the import; another kind leaves it.
    AdmMain adm;
    adm.DialoogModus = DialoogOpenen;
    EXPECT_THROW(NamenbestandKiezen(adm, map.string(), pad), Bestandsfout);
    EXPECT_EQ(adm.DialoogModus, DialoogOpenen);
    EXPECT_EQ(adm.ImportBestand, "");
    EXPECT_EQ(adm.LaatsteMap, map.string());
    std::ofstream(pad, std::ios::binary) << goed << "\r\n";
    EXPECT_TRUE(NamenbestandKiezen(adm, map.string(), pad));
    EXPECT_EQ(adm.DialoogModus, DialoogImportNamenbestand);
    EXPECT_EQ(adm.ImportBestand, pad);
    EXPECT_FALSE(NamenbestandKiezen(adm, "/elders", ""));
    EXPECT_EQ(adm.LaatsteMap, "/elders");
    EXPECT_THROW(NamenbestandControleren((map / "weg.nam").string()), Bestandsfout);

    EXPECT_EQ(NamenBestandLadenActiveren(adm), HuidigeMap());  // /elders is no folder
    adm.LaatsteMap = map.string();
    adm.DialoogAntwoord = 1;
    EXPECT_EQ(NamenBestandLadenActiveren(adm), map.string());
    EXPECT_EQ(adm.DialoogAntwoord, 0);
}

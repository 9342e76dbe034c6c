#include "core/Fout.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::pair<int, const char*> Programmafouten[] = {
    {5, "Ongeldige procedureaanroep of ongeldig argument"},
    {6, "Overloop"},
    {7, "Onvoldoende geheugen"},
    {9, "Subscript valt buiten het bereik"},
    {11, "Deling door nul"},
    {13, "Type komt niet overeen"},
    {53, "Bestand niet gevonden"},
    {54, "Onjuiste bestandsmodus"},
    {62, "Invoer voorbij het einde van het bestand"},
    {70, "Een ander programma slaat op dit moment op in deze map; probeer het zo opnieuw"},
    {71, "Opslaan zou veranderen wie dit bestand mag lezen of schrijven; sla het onder een andere naam op"},
    {75, "Fout bij toegang tot pad/bestand"},
    {76, "Pad niet gevonden"},
    // Not a code the program raises.
    {0, "Door de toepassing of een object gedefinieerde fout"},
    {999, "Door de toepassing of een object gedefinieerde fout"},
};

const std::pair<int, const char*> Systeemfouten[] = {
    {ENOENT, "Bestand of map bestaat niet"},
    {EACCES, "Toegang geweigerd"},
    {EPERM, "Bewerking niet toegestaan"},
    {EROFS, "Bestandssysteem is alleen-lezen"},
    {ENOSPC, "Geen ruimte meer op het apparaat"},
    {EDQUOT, "Schijfquotum overschreden"},
    {EIO, "Invoer-/uitvoerfout"},
    {EISDIR, "Is een map"},
    {ENOTDIR, "Is geen map"},
    {ENAMETOOLONG, "Bestandsnaam is te lang"},
    {ELOOP, "Te veel niveaus van symbolische koppelingen"},
    {EEXIST, "Bestand bestaat al"},
    {EBUSY, "Apparaat of bron is bezet"},
    {ETXTBSY, "Programmabestand is in gebruik"},
    {EMFILE, "Te veel open bestanden"},
    {ENFILE, "Te veel open bestanden in het systeem"},
    {ENOMEM, "Onvoldoende geheugen"},
    {EFBIG, "Bestand is te groot"},
    {EXDEV, "Ongeldige koppeling tussen apparaten"},
    {EINVAL, "Ongeldig argument"},
    {EAGAIN, "Bron is tijdelijk niet beschikbaar"},
    {EWOULDBLOCK, "Bron is tijdelijk niet beschikbaar"},
    {ETIMEDOUT, "Wachttijd voor de verbinding is verstreken"},
    {EINTR, "Onderbroken systeemaanroep"},
    {ENOTEMPTY, "Map is niet leeg"},
    {ESTALE, "Verouderde bestandsverwijzing"},
    {ENXIO, "Apparaat of adres bestaat niet"},
    {ENODEV, "Apparaat bestaat niet"},
    {EBADF, "Ongeldige bestandsdescriptor"},
    {EOVERFLOW, "Waarde is te groot voor het gegevenstype"},
    {ENOTSUP, "Bewerking wordt niet ondersteund"},
    {ENOTCONN, "Eindpunt is niet verbonden"},
    {ENOMEDIUM, "Geen medium gevonden"},
};

// Sets the language of the process (environment and C locale) for the test
// and puts the old one back.
class Taal {
public:
    explicit Taal(const char* naam)
    {
        for (const char* v : Variabelen) {
            const char* oud = std::getenv(v);
            oud_.push_back(oud ? std::optional<std::string>(oud) : std::nullopt);
            ::setenv(v, naam, 1);
        }
        locale_ = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "");  // a locale that is not installed leaves the old one
    }
    ~Taal()
    {
        for (std::size_t i = 0; i < std::size(Variabelen); ++i) {
            if (oud_[i])
                ::setenv(Variabelen[i], oud_[i]->c_str(), 1);
            else
                ::unsetenv(Variabelen[i]);
        }
        std::setlocale(LC_ALL, locale_.c_str());
    }

private:
    static constexpr const char* Variabelen[] = {"LANG", "LC_ALL", "LC_MESSAGES", "LANGUAGE"};
    std::vector<std::optional<std::string>> oud_;
    std::string locale_;
};

bool Ascii(const std::string& s)
{
    for (unsigned char c : s)
        if (c < 0x20 || c > 0x7E)
            return false;
    return true;
}

}  // namespace

// Every description is the program's own Dutch text, whatever the language
// the machine runs in, and plain ASCII so that it reads the same through
// either conversion the windows use.
TEST(Fout, DutchDescriptionsInEveryLanguage)
{
    for (const char* taal : {"C", "C.UTF-8", "en_US.UTF-8", "de_DE.UTF-8", "nl_NL.UTF-8"}) {
        SCOPED_TRACE(taal);
        Taal t(taal);
        for (const auto& [code, tekst] : Programmafouten) {
            EXPECT_EQ(std::string(Fouttekst(code)), tekst) << "code " << code;
            EXPECT_TRUE(Ascii(Fouttekst(code))) << code;
        }
        for (const auto& [fout, tekst] : Systeemfouten) {
            EXPECT_EQ(Systeemfouttekst(fout), tekst) << "errno " << fout;
            EXPECT_TRUE(Ascii(tekst)) << fout;
        }
    }
}

// An error the table does not know gets the system's own description.
TEST(Fout, AnUnknownSystemErrorGetsTheSystemsText)
{
    Taal t("C");
    for (int fout : {ECHILD, ESRCH, ECONNREFUSED})
        EXPECT_EQ(Systeemfouttekst(fout), std::strerror(fout)) << fout;
}

TEST(Fout, AFileErrorNamesItsPath)
{
    const Bestandsfout f = Foutbij(FoutVoorbijEinde, "/tmp/klas.vlk");
    EXPECT_EQ(f.code(), 62);
    EXPECT_EQ(std::string(f.what()), "Invoer voorbij het einde van het bestand: /tmp/klas.vlk");

    EXPECT_EQ(std::string(Bereikfout("niveau 3").what()), "Subscript valt buiten het bereik: niveau 3");
    EXPECT_EQ(Uitzonderingstekst(std::bad_alloc()), "Onvoldoende geheugen");
    EXPECT_EQ(Uitzonderingstekst(f), f.what());
}

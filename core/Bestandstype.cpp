#include "core/Bestandstype.h"

#include "core/AdmMain.h"
#include "core/Bestand.h"
#include "core/Pad.h"
#include "core/Tekst.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

std::string Naamdeel(std::string_view typeNaam)
{
    std::string r;
    for (const char c : typeNaam) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            r += c;
        else if (c >= 'A' && c <= 'Z')
            r += static_cast<char>(c - 'A' + 'a');
        else if (!r.empty() && r.back() != '-')
            r += '-';
    }
    while (!r.empty() && r.back() == '-')
        r.pop_back();
    return r;
}

std::string XmlTekst(std::string_view s)
{
    std::string r;
    for (const char c : s) {
        switch (c) {
        case '&': r += "&amp;"; break;
        case '<': r += "&lt;"; break;
        case '>': r += "&gt;"; break;
        case '"': r += "&quot;"; break;
        default: r += c;
        }
    }
    return r;
}

// A value in a desktop entry: backslashes and control characters escaped.
std::string DesktopWaarde(std::string_view s)
{
    std::string r;
    for (const char c : s) {
        switch (c) {
        case '\\': r += "\\\\"; break;
        case '\n': r += "\\n"; break;
        case '\r': r += "\\r"; break;
        case '\t': r += "\\t"; break;
        default: r += c;
        }
    }
    return r;
}

std::string ZoekProgramma(const std::string& naam)
{
    const char* pad = std::getenv("PATH");
    std::string_view rest = pad ? pad : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const auto i = rest.find(':');
        const std::string map(rest.substr(0, i));
        if (!map.empty()) {
            const auto kandidaat = PadSamenvoegen(map, naam);
            if (::access(kandidaat.c_str(), X_OK) == 0)
                return kandidaat;
        }
        if (i == std::string_view::npos)
            return {};
        rest.remove_prefix(i + 1);
    }
}

}  // namespace

pid_t Vernieuwer::Start(const std::string& programma, const std::string& map)
{
    const auto pad = ZoekProgramma(programma);
    if (pad.empty())
        return -1;
    posix_spawn_file_actions_t acties;
    if (posix_spawn_file_actions_init(&acties) != 0)
        return -1;
    for (const int fd : {0, 1, 2})
        posix_spawn_file_actions_addopen(&acties, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    std::vector<std::string> woorden{pad, map};
    std::vector<char*> argv;
    for (auto& w : woorden)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int fout = posix_spawn(&pid, pad.c_str(), &acties, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acties);
    return fout == 0 ? pid : -1;
}

void Vernieuwer::Oogst(pid_t pid)
{
    const auto einde = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    int status = 0;
    while (true) {
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid || (r < 0 && errno != EINTR))
            return;
        if (std::chrono::steady_clock::now() >= einde) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void Vernieuwer::Vernieuw(const std::string& programma, const std::string& map)
{
    const pid_t pid = Start(programma, map);
    if (pid < 0)
        return;
    try {
        std::thread([pid] { Oogst(pid); }).detach();
    } catch (...) {
        // No thread to be had: reaped here after all.
        Oogst(pid);
    }
}

namespace {

// Whether the file already holds exactly these bytes.
bool HoudtAl(const fs::path& pad, const std::string& inhoud)
{
    const int fd = ::open(pad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::string bestaand(inhoud.size() + 1, '\0');
    std::size_t n = 0;
    while (n < bestaand.size()) {
        const ssize_t r = ::read(fd, bestaand.data() + n, bestaand.size() - n);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        n += static_cast<std::size_t>(r);
    }
    ::close(fd);
    return n == inhoud.size() && bestaand.compare(0, n, inhoud) == 0;
}

enum class Geschreven { Nee, Ongewijzigd, Ja };

// Writes the file, making its folder when it is missing. Start-up does not
// wait for another program's save in that folder: the file waits for the
// next start instead.
Geschreven Wegschrijven(const fs::path& pad, const std::string& inhoud, Bestandssysteem& systeem)
{
    try {
        std::error_code ec;
        fs::create_directories(pad.parent_path(), ec);
        SchrijfBestandVeilig(pad.string(), inhoud, systeem, 0);
        return Geschreven::Ja;
    } catch (...) {
        return Geschreven::Nee;
    }
}

// Writes the file unless it already holds these bytes.
Geschreven Schrijf(const fs::path& pad, const std::string& inhoud, Bestandssysteem& systeem)
{
    return HoudtAl(pad, inhoud) ? Geschreven::Ongewijzigd : Wegschrijven(pad, inhoud, systeem);
}

// A database is built anew when the file it is built from was written, or
// when it is missing or older than that file (an earlier refresh that never
// ran, such as before the tool was installed).
bool VernieuwingNodig(Geschreven bron, const fs::path& bronpad, const fs::path& database)
{
    if (bron == Geschreven::Ja)
        return true;
    if (bron == Geschreven::Nee)
        return false;
    struct stat b {}, d {};
    if (::stat(database.c_str(), &d) != 0 || ::stat(bronpad.c_str(), &b) != 0)
        return true;
    return d.st_mtim.tv_sec < b.st_mtim.tv_sec ||
           (d.st_mtim.tv_sec == b.st_mtim.tv_sec && d.st_mtim.tv_nsec < b.st_mtim.tv_nsec);
}

// $variabele when that is an absolute path, otherwise `standaard` in the home
// folder; empty when there is no home.
std::string XdgMap(const char* variabele, const char* standaard)
{
    const char* xdg = std::getenv(variabele);
    if (xdg && xdg[0] == '/')
        return xdg;
    std::string thuis;
    if (const char* h = std::getenv("HOME"); h && h[0] == '/')
        thuis = h;
    else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/')
        thuis = pw->pw_dir;
    if (thuis.empty())
        return {};
    return PadSamenvoegen(thuis, standaard);
}

std::string_view ZonderWit(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// One line of a key file: its text and the line end after it ("\n", "\r\n",
// or nothing on a last line without one).
struct Regel {
    std::string_view tekst;
    std::string_view einde;
};

// The user's list: written when it changes, left alone when it cannot be read
// or looks broken. A missing list is made.
Geschreven SchrijfStandaard(const fs::path& pad, std::string_view mimeType, std::string_view entry,
                            Bestandssysteem& systeem)
{
    std::string lijst;
    struct stat st {};
    if (::stat(pad.c_str(), &st) == 0) {
        // Nothing but a plain file is read: a pipe would keep start-up waiting.
        if (!S_ISREG(st.st_mode))
            return Geschreven::Nee;
        try {
            lijst = LeesInhoud(pad.string());
        } catch (...) {
            return Geschreven::Nee;
        }
    } else if (errno != ENOENT) {
        return Geschreven::Nee;
    }
    switch (ZetStandaardToepassing(lijst, mimeType, entry)) {
    case Standaardregel::Aanwezig: return Geschreven::Ongewijzigd;
    case Standaardregel::Onbruikbaar: return Geschreven::Nee;
    case Standaardregel::Aangepast: break;
    }
    return Wegschrijven(pad, lijst, systeem);
}

}  // namespace

Standaardregel ZetStandaardToepassing(std::string& lijst, std::string_view mimeType, std::string_view entry)
{
    // What GLib refuses to read as a key file is left as it is; a NUL byte
    // means it is no text at all.
    if (lijst.find('\0') != std::string::npos)
        return Standaardregel::Onbruikbaar;
    std::vector<Regel> regels;
    for (std::string_view rest = lijst; !rest.empty();) {
        const auto i = rest.find('\n');
        Regel r{rest.substr(0, i), {}};
        if (i != std::string_view::npos) {
            if (!r.tekst.empty() && r.tekst.back() == '\r')
                r.tekst.remove_suffix(1);
            r.einde = rest.substr(r.tekst.size(), i + 1 - r.tekst.size());
        }
        rest.remove_prefix(r.tekst.size() + r.einde.size());
        regels.push_back(r);
    }

    const std::string nieuw = std::string(mimeType) + "=" + std::string(entry);
    const std::string_view eol = regels.empty() || regels.front().einde.empty() ? "\n" : regels.front().einde;
    // Which lines become the new one; where it goes when none does.
    std::vector<std::size_t> vervangen;
    std::size_t kop = regels.size();
    bool inGroep = false, inStandaard = false, gevonden = false;
    for (std::size_t n = 0; n < regels.size(); ++n) {
        const auto t = ZonderWit(regels[n].tekst);
        if (t.empty() || t.front() == '#')
            continue;
        if (t.front() == '[') {
            if (t.size() < 2 || t.back() != ']')
                return Standaardregel::Onbruikbaar;
            const auto naam = t.substr(1, t.size() - 2);
            if (naam.find_first_of("[]") != std::string_view::npos)
                return Standaardregel::Onbruikbaar;
            for (const char c : naam)
                if (static_cast<unsigned char>(c) < 0x20)
                    return Standaardregel::Onbruikbaar;
            inGroep = true;
            inStandaard = t == "[Default Applications]";
            if (inStandaard && kop == regels.size())
                kop = n;
            continue;
        }
        const auto is = t.find('=');
        if (!inGroep || is == std::string_view::npos || ZonderWit(t.substr(0, is)).empty())
            return Standaardregel::Onbruikbaar;
        if (!inStandaard || ZonderWit(t.substr(0, is)) != mimeType)
            continue;
        gevonden = true;
        // Only the plain form counts: xdg-mime reads the line from its start
        // and the value up to the first ";" as it stands.
        const auto r = regels[n].tekst;
        if (!(r.substr(0, nieuw.size()) == nieuw && (r.size() == nieuw.size() || r[nieuw.size()] == ';')))
            vervangen.push_back(n);
    }
    if (gevonden && vervangen.empty())
        return Standaardregel::Aanwezig;

    std::string r;
    r.reserve(lijst.size() + 2 * nieuw.size() + 32);
    const bool slotEinde = regels.empty() || !regels.back().einde.empty();
    std::size_t v = 0;
    for (std::size_t n = 0; n < regels.size(); ++n) {
        const bool dezeVervangen = v < vervangen.size() && vervangen[v] == n;
        if (dezeVervangen)
            ++v;
        r += dezeVervangen ? std::string_view(nieuw) : regels[n].tekst;
        r += regels[n].einde;
        if (!gevonden && n == kop) {
            // Right under the heading; after a last heading without line end,
            // the new line is the one without.
            if (regels[n].einde.empty()) {
                r += eol;
                r += nieuw;
            } else {
                r += nieuw;
                r += eol;
            }
        }
    }
    if (!gevonden && kop == regels.size()) {
        // A group of its own at the end, after a blank line.
        if (!slotEinde)
            r += eol;
        if (!regels.empty() && !ZonderWit(regels.back().tekst).empty())
            r += eol;
        r += "[Default Applications]";
        r += eol;
        r += nieuw;
        if (slotEinde)
            r += eol;
    }
    lijst = std::move(r);
    return Standaardregel::Aangepast;
}

std::string GebruikersDataMap()
{
    return XdgMap("XDG_DATA_HOME", ".local/share");
}

std::string GebruikersConfigMap()
{
    return XdgMap("XDG_CONFIG_HOME", ".config");
}

std::string ProgrammaPad()
{
    std::error_code ec;
    const auto pad = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : pad.string();
}

std::string OpenOpdracht(const std::string& programma)
{
    // The characters for which desktop entries want an argument quoted.
    const bool quotes = programma.find_first_of(" \t\n\"'\\><~|&;$*?#()`") != std::string::npos;
    std::string r = quotes ? "\"" : "";
    for (const char c : programma) {
        if (quotes && (c == '"' || c == '`' || c == '$' || c == '\\'))
            r += '\\';
        if (c == '%')
            r += '%';
        r += c;
    }
    return r + (quotes ? "\" %f" : " %f");
}

bool RegistreerBestandstype(const std::string& extensie, const std::string& opdracht, const std::string& pictogram,
                            const std::string& typeNaam)
{
    Vernieuwer vernieuwer;
    Bestandssysteem systeem;
    return RegistreerBestandstype(extensie, opdracht, pictogram, typeNaam, vernieuwer, systeem);
}

bool RegistreerBestandstype(const std::string& extensie, const std::string& opdracht, const std::string& pictogram,
                            const std::string& typeNaam, Vernieuwer& vernieuwer, Bestandssysteem& systeem)
{
    const auto ext = Trim(extensie);
    if (ext.empty() || ext.front() != '.')
        return false;
    const auto type = Trim(typeNaam);
    const auto naam = Naamdeel(type);
    const auto data = GebruikersDataMap();
    if (naam.empty() || data.empty())
        return false;
    const std::string mimeType = "application/x-" + naam;

    const fs::path mime = fs::path(data) / "mime";
    std::string pakket = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                         "  <mime-type type=\"" + mimeType + "\">\n"
                         "    <comment>" + XmlTekst(type) + "</comment>\n";
    if (!Trim(pictogram).empty())
        pakket += "    <generic-icon name=\"" + XmlTekst(Trim(pictogram)) + "\"/>\n";
    pakket += "    <glob pattern=\"*" + XmlTekst(KleineLetters(ext)) + "\" case-sensitive=\"false\"/>\n"
              "  </mime-type>\n"
              "</mime-info>\n";
    const fs::path pakketpad = mime / "packages" / (naam + ".xml");
    const Geschreven pakketGeschreven = Schrijf(pakketpad, pakket, systeem);
    if (pakketGeschreven == Geschreven::Nee)
        return false;

    const fs::path toepassingen = fs::path(data) / "applications";
    std::string entry = "[Desktop Entry]\n"
                        "Type=Application\n"
                        "Name=Morvaldiek\n"
                        "Exec=" + DesktopWaarde(opdracht) + "\n";
    if (!Trim(pictogram).empty())
        entry += "Icon=" + DesktopWaarde(Trim(pictogram)) + "\n";
    entry += "MimeType=" + mimeType + ";\n"
             "NoDisplay=true\n"
             "Terminal=false\n";
    const fs::path entrypad = toepassingen / (naam + ".desktop");
    const Geschreven entryGeschreven = Schrijf(entrypad, entry, systeem);

    // The default for the type, as the user's own choice would be: what a
    // launcher asks first, and all that gio has where no tool built the
    // desktop database's cache.
    Geschreven standaard = Geschreven::Nee;
    if (const auto config = GebruikersConfigMap(); entryGeschreven != Geschreven::Nee && !config.empty())
        standaard = SchrijfStandaard(fs::path(config) / "mimeapps.list", mimeType, naam + ".desktop", systeem);

    if (VernieuwingNodig(pakketGeschreven, pakketpad, mime / "mime.cache"))
        vernieuwer.Vernieuw("update-mime-database", mime.string());
    if (VernieuwingNodig(entryGeschreven, entrypad, toepassingen / "mimeinfo.cache"))
        vernieuwer.Vernieuw("update-desktop-database", toepassingen.string());
    return entryGeschreven != Geschreven::Nee && standaard != Geschreven::Nee;
}

bool RegistreerCijferbestand(Vernieuwer& vernieuwer, Bestandssysteem& systeem)
{
    const auto programma = ProgrammaPad();
    if (programma.empty())
        return false;
    return RegistreerBestandstype(".vlk", OpenOpdracht(programma), "x-office-spreadsheet", "ZRM Cijferbestand",
                                  vernieuwer, systeem);
}

bool RegistreerCijferbestand()
{
    Vernieuwer vernieuwer;
    Bestandssysteem systeem;
    return RegistreerCijferbestand(vernieuwer, systeem);
}

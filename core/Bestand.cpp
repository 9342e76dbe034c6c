#include "core/Bestand.h"

#include "core/Fout.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <unistd.h>

namespace {

[[noreturn]] void SysteemFout(int fout, const std::string& pad)
{
    int code = FoutToegang;
    if (fout == ENOENT)
        code = FoutBestandNietGevonden;
    else if (fout == ENOTDIR)
        code = FoutPadNietGevonden;
    throw Bestandsfout(code, std::string(std::strerror(fout)) + ": " + pad);
}

std::string MapVan(const std::string& pad)
{
    const auto i = pad.find_last_of('/');
    if (i == std::string::npos)
        return ".";
    return i == 0 ? std::string("/") : pad.substr(0, i);
}

}  // namespace

void SchrijfBestandVeilig(const std::string& pad, const std::string& inhoud)
{
    std::string sjabloon = MapVan(pad) + "/." + std::filesystem::path(pad).filename().string() + ".XXXXXX";
    const int fd = ::mkstemp(sjabloon.data());
    if (fd < 0)
        SysteemFout(errno, pad);

    const char* p = inhoud.data();
    std::size_t rest = inhoud.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int fout = errno;
            ::close(fd);
            ::unlink(sjabloon.c_str());
            SysteemFout(fout, pad);
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    // An existing file keeps its permissions; a new one gets the usual ones.
    struct stat st {};
    const mode_t modus = ::stat(pad.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    ::fchmod(fd, modus);
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int fout = errno;
        ::unlink(sjabloon.c_str());
        SysteemFout(fout, pad);
    }
    if (std::rename(sjabloon.c_str(), pad.c_str()) != 0) {
        const int fout = errno;
        ::unlink(sjabloon.c_str());
        SysteemFout(fout, pad);
    }
}

void LeesRegels(const std::string& pad, std::vector<std::string>& regels, std::size_t maxRegel)
{
    std::error_code ec;
    if (std::filesystem::is_directory(pad, ec))
        SysteemFout(EISDIR, pad);
    std::ifstream in(pad, std::ios::binary);
    if (!in)
        SysteemFout(errno ? errno : ENOENT, pad);
    const std::string inhoud((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        SysteemFout(EIO, pad);

    std::size_t begin = 0;
    while (begin < inhoud.size()) {
        auto eind = inhoud.find('\n', begin);
        const bool open = eind == std::string::npos;  // a last line without its line end still counts
        if (open)
            eind = inhoud.size();
        std::size_t lengte = eind - begin;
        if (lengte > 0 && inhoud[eind - 1] == '\r')
            --lengte;
        const std::string_view regel(inhoud.data() + begin, lengte);
        if (lengte > maxRegel || regel.find('\0') != std::string_view::npos)
            throw Bestandsfout(FoutVerkeerdBestand, "Bad file mode: " + pad);
        regels.emplace_back(regel);
        begin = open ? eind : eind + 1;
    }
}

std::vector<std::string> LeesRegels(const std::string& pad, std::size_t maxRegel)
{
    std::vector<std::string> regels;
    LeesRegels(pad, regels, maxRegel);
    return regels;
}

#pragma once
// Whole-file reading and writing shared by every file format.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

// No grade, names or settings file comes near this (a full grade file is
// under 300 KB); a larger one is refused before it is read.
inline constexpr std::size_t MaxBestandsgrootte = std::size_t{1} << 20;

// The system calls a save makes, one object so that a test can make one of
// them fail. Each behaves as the call of its name.
class Bestandssysteem {
public:
    virtual ~Bestandssysteem() = default;
    virtual int open(const char* pad, int vlaggen, mode_t modus);
    virtual ssize_t write(int fd, const void* data, std::size_t n);
    virtual int fchmod(int fd, mode_t modus);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* van, const char* naar);
    virtual int unlink(const char* pad);
    virtual int flock(int fd, int bewerking);
    virtual int linkat(int vanMap, const char* van, int naarMap, const char* naar, int vlaggen);
    virtual int kill(pid_t pid, int signaal);
    virtual ssize_t readlink(const char* pad, char* buf, std::size_t n);
    // The names in a folder, without . and ..; -1 and errno when it cannot be
    // listed.
    virtual int leesmap(const char* map, std::vector<std::string>& namen);
    // A small file (one of /proc) whole; -1 and errno when it cannot be read.
    virtual int leesbestand(const char* pad, std::string& inhoud);
    virtual int usleep(useconds_t microseconden);
    // A save found its folder's lock taken and waits for it (begint true),
    // pausing through usleep; or that wait is over (false), with the lock or
    // without. A window shows the wait cursor meanwhile; by default nothing.
    virtual void slotwacht(bool begint);
};

// How long a save waits at most for another instance's save in the same
// folder, in microseconds.
inline constexpr useconds_t MaxSlotwachttijd = 10'000'000;

// Writes the bytes into a temporary file in the target's folder and renames
// it over the target, so a failed write leaves the old file as it was. A
// symbolic link is written through: its final target gets the new bytes and
// the link stays. A target the user may not write is refused, as a
// truncating write would refuse it. An existing file keeps its permissions
// (a copy that fails fails the save); a new one is made with the usual ones
// (0644 less the umask). Once renamed, the folder is synced too, so that a
// save that returned survives a power cut; a folder that cannot be opened,
// or a file system that syncs no folder, is saved in all the same, while an
// I/O error of that sync fails the save with the new bytes in place.
//
// Two instances may save one file at the same moment (two windows, two
// logins on a shared folder). Each save holds an exclusive flock on the
// target's folder from before its temporary file is made until after its
// rename, so the saves in one folder take turns: no save finds a living
// save's temporary file, and each one that succeeds put its own whole bytes
// in place. The folder rather than a lock file next to the target, so that
// no file stays behind and every user who may save there can lock it; a
// killed save's lock goes with its process. A save waits for the lock at
// most `maxWacht` (another save is short), then fails with FoutMapBezet.
//
// Under the lock the temporary file has one short name per target
// (TijdelijkeNaam), which only saves under the lock use: one found is what a
// killed save left, and it is replaced. A folder that cannot be locked (NFS
// without local locks, a folder one may write but not read) is saved in
// without the lock, through a temporary file of the save's own, so that such
// a save never touches another's file: an unnamed one where the file system
// makes them, named only just before the rename, so that a save killed
// before leaves nothing; else a named one. The unnamed file is locked from
// before it has a name until after the rename and named by the first free of
// a few names known from the target's (its TijdelijkeNaam with "-1" .. "-4"):
// the next save of the file tries them, also in a folder it cannot list, and
// removes one whose lock no one holds. A file that cannot be locked (no
// locks there), or one named while all those names are living saves', gets a
// name unique to the save that carries its Procesmerk, made anew when one of
// that name exists.
//
// Every save first removes, where it may list the folder, what killed saves
// without the lock left there: each file of those few names that no one
// holds locked, and each file of a Procesmerk whose process belonged to this
// running system (this boot, these namespaces) and is gone. A file of another
// machine, boot or namespace, of a process that may still live, or without a
// mark (where /proc could not tell the saving process) stays; so does, in a
// folder that cannot be listed, what saves of another file left, and what a
// save under the lock left, which the next save under the lock replaces.
//
// Raises Bestandsfout with the system's description (a lock that stays
// taken with the program's own); every file it opened is closed on every
// path.
void SchrijfBestandVeilig(const std::string& pad, const std::string& inhoud);
void SchrijfBestandVeilig(const std::string& pad, const std::string& inhoud, Bestandssysteem& systeem,
                          useconds_t maxWacht = MaxSlotwachttijd);

// The name of the temporary file a save of the file called `naam` writes
// first under its folder's lock.
std::string TijdelijkeNaam(const std::string& naam);

// The process of a save without the folder's lock, so that a later save can
// tell whether it still lives: the running system it belongs to (`ruimte`,
// 16 hex digits drawn from the boot and from the process and time namespaces,
// in which its process id and start mean what they say), its process id and
// that process's start in clock ticks since the boot.
struct Procesmerk {
    std::string ruimte;
    pid_t pid = 0;
    unsigned long long start = 0;
};

// This process's mark, read from /proc; false when that cannot tell it.
bool EigenProcesmerk(Bestandssysteem& systeem, Procesmerk& merk);

// The name of the temporary file a save without the folder's lock, by the
// process of `merk`, gives the file called `naam`; `uniek` tells apart the
// saves of one process. Under 100 bytes.
std::string TijdelijkeNaam(const std::string& naam, const Procesmerk& merk, std::uint64_t uniek);

// The whole file in one read. A missing or unreadable file raises
// Bestandsfout, so does a file larger than MaxBestandsgrootte (error 54,
// before any of it is read); an allocation failure is raised as Bestandsfout
// too.
std::string LeesInhoud(const std::string& pad);

// Where a line stands in a text: its first byte and its length, without its
// CR LF (or LF). Eight bytes a line, so that the places of a whole grade file
// stay small.
struct Regelplaats {
    std::uint32_t begin;
    std::uint32_t lengte;
};

// Every control byte (0x01 to 0x1F and 0x7F) inside a line of the text
// becomes a blank, as a save writes it: what a load reads is what its save
// writes. The line ends stay as RegelsVan splits at them (an LF, and a CR
// just before it or at the end of the text), so do NUL bytes, which make no
// text file; the length never changes.
void StuurtekensInRegelsBlanco(std::string& inhoud);

// The lines of the text (at most MaxBestandsgrootte bytes); a last line
// without its line end counts. A NUL byte anywhere or a line longer than
// maxRegel raises error 54 for `pad`.
void RegelsVan(std::string_view inhoud, std::vector<Regelplaats>& regels, const std::string& pad,
               std::size_t maxRegel = 4096);

// The lines of a text file, each without its CR LF (or LF). A missing or
// unreadable file raises Bestandsfout; so does a line longer than maxRegel,
// a NUL byte or a file larger than MaxBestandsgrootte (error 54, before any
// of it is read), so that a binary or runaway file is never taken for text.
// An allocation failure is raised as Bestandsfout too.
std::vector<std::string> LeesRegels(const std::string& pad, std::size_t maxRegel = 4096);

// The same, line by line into `regels`: when it raises, the lines before the
// failure are there.
void LeesRegels(const std::string& pad, std::vector<std::string>& regels, std::size_t maxRegel = 4096);

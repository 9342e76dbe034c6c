#pragma once
// Whole-file reading and writing shared by every file format.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <sys/stat.h>
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
    virtual int fchown(int fd, uid_t eigenaar, gid_t groep);
    virtual int fsetxattr(int fd, const char* naam, const void* waarde, std::size_t n, int vlaggen);
    virtual int fremovexattr(int fd, const char* naam);
    virtual int fstat(int fd, struct stat* st);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* van, const char* naar);
    virtual int unlink(const char* pad);
    virtual int symlink(const char* naar, const char* pad);
    virtual int flock(int fd, int bewerking);
    virtual int kill(pid_t pid, int signaal);
    virtual ssize_t readlink(const char* pad, char* buf, std::size_t n);
    // The names in the folder `map`, just opened, that begin with `begin`,
    // without . and ..; -1 and errno when it cannot be listed.
    virtual int leesmap(int map, std::string_view begin, std::vector<std::string>& namen);
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
// truncating write would refuse it. Once renamed, the folder is synced too,
// so that a save that returned survives a power cut; a folder that cannot
// be opened, or a file system that syncs no folder, is saved in all the
// same, while an I/O error of that sync fails the save with the new bytes in
// place.
//
// The new file gets who may read and write the old one: its group where the
// saver may give it (a member of that group may), its owner where the saver
// may give it (root), its access list and its mode, and the other
// attributes that copy. Where the owner or the group cannot be given, the
// access list gives the old owner and group what they had, and the saver
// (now the owner) what it had itself. Where the file system keeps no access
// list and the mode alone cannot say the same, the save is refused
// (FoutRechten) and the old file stays. A new file is made with the usual
// permissions (0644 less the umask).
//
// Any number of saves, of this machine or others sharing the folder, may
// write one file at the same moment: each writes a temporary file of a name
// of its own (TijdelijkeNaam with its process's mark and a part no other
// save draws), made only where no file is, so that no other save ever opens,
// replaces, removes or renames it while it may live. Each rename puts one
// whole save in place and the last one wins; nothing rests on a lock. The
// saves of one machine in one folder still take turns through an exclusive
// flock on the folder, taken where the folder can be opened and locked,
// which a save waits for at most `maxWacht`, then fails with FoutMapBezet.
//
// What a killed save left is removed by a later save where its saver is
// provably gone: its name's mark says it is of this running system (this
// boot, these namespaces) and its process is gone; or it stood unchanged
// for an hour before the folder's last change, by the file system's clock.
// A save in a small folder (its entries fit in one block, as most do) lists
// it and removes every such file there, unless the folder is as a save of
// this process left it under its lock, with nothing of another save in it. In a larger one, where listing
// costs more than the save itself, or one it may not list, a save first
// claims one of a few names known from the target's (a symbolic link that
// names its temporary file), so that the next save of that file tries them
// all and removes what a gone save left; one that can make no claim (no
// links there, all taken) lists the folder where it may.
//
// Raises Bestandsfout with the system's description (a lock that stays
// taken, rights that cannot be kept, with the program's own); every file it
// opened is closed on every path.
void SchrijfBestandVeilig(const std::string& pad, const std::string& inhoud);
void SchrijfBestandVeilig(const std::string& pad, const std::string& inhoud, Bestandssysteem& systeem,
                          useconds_t maxWacht = MaxSlotwachttijd);

// ".morvaldiek-", 16 hex digits drawn from the file called `naam`, ".tmp":
// every temporary name of a save of that file is this one with a part of its
// own before the ".tmp". (Older versions wrote under this name itself.)
std::string TijdelijkeNaam(const std::string& naam);

// The process of a save, so that a later save can tell whether it still
// lives: the running system it belongs to (`ruimte`, 16 hex digits drawn
// from the boot and from the process and time namespaces, in which its
// process id and start mean what they say), its process id and that
// process's start in clock ticks since the boot.
struct Procesmerk {
    std::string ruimte;
    pid_t pid = 0;
    unsigned long long start = 0;
};

// This process's mark, read from /proc; false when that cannot tell it.
bool EigenProcesmerk(Bestandssysteem& systeem, Procesmerk& merk);

// The name of the temporary file a save by the process of `merk` gives the
// file called `naam`; `uniek` tells apart the saves of one process. Under
// 100 bytes. Where /proc cannot tell the mark, the name has only `uniek`.
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

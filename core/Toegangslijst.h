#pragma once
// Who may read and write a file: its POSIX access list, as the kernel keeps
// it in the attribute system.posix_acl_access, and how a save that replaces
// the file by a new one gives the new file the same readers and writers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

inline constexpr const char* ToegangslijstAttribuut = "system.posix_acl_access";

// Read, write and search, as in a mode's three bits.
inline constexpr unsigned Lezen = 4, Schrijven = 2, Zoeken = 1;

struct Toegangsregel {
    // The kinds in the order the kernel keeps them.
    enum Soort : std::uint16_t {
        Eigenaar = 0x01,    // the file's owner
        Gebruiker = 0x02,   // a named user
        Eigengroep = 0x04,  // the file's group
        Groep = 0x08,       // a named group
        Masker = 0x10,      // the most any of the four above but the owner gets
        Overig = 0x20,      // everyone else
    };
    std::uint16_t soort;
    std::uint16_t rechten;  // Lezen | Schrijven | Zoeken
    std::uint32_t id;       // the user or group of a named entry
    bool operator==(const Toegangsregel&) const = default;
};

using Toegangslijst = std::vector<Toegangsregel>;

// The list in the attribute's bytes; nullopt where they hold no valid list.
std::optional<Toegangslijst> ToegangslijstUit(std::string_view bytes);

// The attribute's bytes of a valid list, its entries in the kernel's order.
std::string Toegangsbytes(Toegangslijst lijst);

// The list a mode alone gives: owner, group and other.
Toegangslijst ToegangslijstVan(mode_t modus);

// The permission bits of a file with this list: the owner's, the mask's (or
// the group's where there is no mask) and the others'.
mode_t Modusbits(const Toegangslijst& lijst);

// Whether the list gives no one more or less than its mode bits say, so
// that the file needs no list.
bool AlleenModus(const Toegangslijst& lijst);

// The list for a new file of owner `eigenaar` and group `groep` that gives
// every user and group what `oud` gave on a file of `oudEigenaar` and
// `oudGroep`: where the owner or the group differ, a named entry gives the
// old one what it had, and the new owner (the saver) gets `opslaander`, what
// it had itself, the new group what everyone else had. Each entry keeps what
// the old mask let it have. Without named entries it is the list of a mode.
Toegangslijst Overgedragen(const Toegangslijst& oud, uid_t oudEigenaar, gid_t oudGroep, uid_t eigenaar, gid_t groep,
                           unsigned opslaander);

#pragma once

#include <QList>

#include <cstdint>

namespace quelmar {

// Whether a Windows file or folder is private to the user, decided from its
// owner and access list as Microsoft documents them (GetSecurityInfo; an
// allowing entry grants its rights to its SID; a missing list grants every
// right to everyone; an entry marked inherit-only applies to what is made
// inside, not to the object itself). Kept apart from the Windows calls so
// that the decision can be tested over a table anywhere.

// Whom an owner or an entry names.
enum class Trustee {
    User,    // the user this program runs as (its token's user)
    Machine, // SYSTEM or the Administrators, who may do anything anyway
    Other,   // anyone else: another user, Everyone, Users, an unknown SID
};

struct AccessEntry {
    bool allows = true;       // false: a denying entry, which grants nothing
    bool inheritOnly = false; // for what is made inside only
    Trustee who = Trustee::Other;
    std::uint32_t mask = 0; // the rights, as ACCESS_MASK
};

// The rights that let their holder change a file or what a folder holds,
// or who may: FILE_WRITE_DATA (FILE_ADD_FILE), FILE_APPEND_DATA
// (FILE_ADD_SUBDIRECTORY), FILE_WRITE_EA, FILE_DELETE_CHILD,
// FILE_WRITE_ATTRIBUTES, DELETE, WRITE_DAC, WRITE_OWNER, GENERIC_ALL,
// GENERIC_WRITE.
constexpr std::uint32_t kWriteRights = 0x0002 | 0x0004 | 0x0010 | 0x0040 | 0x0100 | 0x00010000 |
                                       0x00040000 | 0x00080000 | 0x10000000 | 0x40000000;

// Owned by the user (or the machine) and writable by nobody else; hasList
// false stands for a missing (NULL) access list.
bool isPrivateToUser(Trustee owner, bool hasList, const QList<AccessEntry>& entries);

} // namespace quelmar

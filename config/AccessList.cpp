#include "config/AccessList.h"

#include <algorithm>

namespace quelmar {

bool isPrivateToUser(Trustee owner, bool hasList, const QList<AccessEntry>& entries) {
    // A denying entry is not counted: whether it comes before the grant it
    // would cancel is the list's order, and a list that needs one to be
    // private is no plain private folder.
    return owner != Trustee::Other && hasList &&
           std::none_of(entries.begin(), entries.end(), [](const AccessEntry& e) {
               return e.allows && !e.inheritOnly && e.who == Trustee::Other &&
                      (e.mask & kWriteRights) != 0;
           });
}

} // namespace quelmar

// TRegistry2000: a registry class whose OpenKey asks for full access first
// and, when that is refused, for read-and-write access, so that accounts
// with read and write rights but without full control can still open keys.
#pragma once

#include <string>

#include "Registry.h"

namespace bvt {

class TRegistry2000 : public TRegistry {
public:
    // False exactly when the path is non-empty and starts with a backslash.
    static bool IsRelative(const std::string& path);

    // Opens (canCreate: creates) the key and makes it the current key.
    // A relative path is resolved against the current key when one is open,
    // otherwise against the root; one trailing backslash is ignored. An
    // empty path opens the base key itself and creates nothing. On failure
    // nothing changes and false is returned.
    bool OpenKey(const std::string& path, bool canCreate);
};

}  // namespace bvt

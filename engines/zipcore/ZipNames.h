// The extraction's naming rule: every entry lands directly in the base
// folder under its bare name (the stored folder parts dropped), and a bare
// name that Windows would read as anything but a plain file in that folder
// is refused.
#pragma once

#include <string>

namespace bvt::zip {

// The part after the last '/' or '\\' of a stored name.
std::string BareName(const std::string& storedName);

// Why this bare name must not be created, or an empty string when it is a
// plain file name: empty, "." or "..", a drive or stream colon, control
// characters, characters Windows forbids, reserved device names (also
// with an extension: "nul.txt"), a trailing dot or space, too long.
std::string UnsafeNameReason(const std::string& bareName);

// base + one separator + name; no separator is added when base already
// ends with one. An empty base means the current folder.
std::string JoinPath(const std::string& base, const std::string& name);

}  // namespace bvt::zip

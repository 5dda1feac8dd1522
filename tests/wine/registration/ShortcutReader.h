// Reads a shortcut file back through the shell link object.
#pragma once

#include <optional>
#include <string>

namespace bvt::test {

struct ShortcutFields {
    std::string target, arguments, workingDirectory, description;
};

std::optional<ShortcutFields> ReadShortcut(const std::string& file);
bool FileExistsAt(const std::string& file);

}  // namespace bvt::test

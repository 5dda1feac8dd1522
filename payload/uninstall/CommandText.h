// Reading the program path out of a registered open command.
#pragma once

#include <string>

namespace bvt {

// The program that an open command such as "\"C:\Apps\Brivanta.exe\" \"%1\""
// starts: the quoted first token, or, unquoted, the text up to and including
// the first ".exe" that ends a word (so unquoted paths with spaces work).
// Returns "" when no program can be made out.
std::string ProgramOfCommand(const std::string& command);

}  // namespace bvt

// The document named on the application's command line.
#pragma once

#include <string>

namespace bvt {

// Takes a whole Windows command line (as GetCommandLineA gives it) and
// returns the document path that follows the program's own name, or "" when
// there is none. The path may come quoted ("C:\My Files\a.bvt", as the shell
// passes %1) or unquoted, spaces included (C:\My Files\a.bvt, as the
// installer hands on its own first argument): everything after the program
// name, trimmed, is the one path; enclosing quotes are removed.
std::string DocumentArgument(const std::string& commandLine);

}  // namespace bvt

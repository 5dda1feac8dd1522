// The command table of fsembed. Each command lives in its own source file
// and registers itself with a static registrar:
//
//   static const CommandRegistrar registrar{{"compress", "IN OUT",
//       "compress one file into a PMCS10 container", RunCompress}};
//
// run gets the arguments after the command name and returns the exit code;
// it throws EUsage for wrong arguments and any Exception for failures.
#pragma once

#include <string>
#include <vector>

#include "Exceptions.h"

namespace bvt::fsembed {

using Arguments = std::vector<std::string>;

struct Command {
    std::string name;
    std::string usage;    // the arguments, e.g. "IN OUT"
    std::string summary;  // one line for --help
    int (*run)(const Arguments& args);
};

class CommandRegistrar {
public:
    explicit CommandRegistrar(Command command);
};

// All registered commands, sorted by name.
std::vector<Command> Commands();
const Command* FindCommand(const std::string& name);

// Wrong arguments: main prints the command's usage line.
class EUsage : public Exception {
public:
    EUsage() : Exception("wrong arguments") {}
};

// Throws EUsage unless args has between min and max entries.
void RequireArgumentCount(const Arguments& args, std::size_t min, std::size_t max);

}  // namespace bvt::fsembed

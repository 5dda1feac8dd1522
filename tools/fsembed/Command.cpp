#include "Command.h"

#include <algorithm>

namespace bvt::fsembed {

namespace {
// A function-local table, so that registrars in other files may run in any
// order during static initialisation.
std::vector<Command>& Table() {
    static std::vector<Command> table;
    return table;
}
}  // namespace

CommandRegistrar::CommandRegistrar(Command command) { Table().push_back(std::move(command)); }

std::vector<Command> Commands() {
    std::vector<Command> sorted = Table();
    std::sort(sorted.begin(), sorted.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
    return sorted;
}

const Command* FindCommand(const std::string& name) {
    for (const Command& c : Table())
        if (c.name == name) return &c;
    return nullptr;
}

void RequireArgumentCount(const Arguments& args, std::size_t min, std::size_t max) {
    if (args.size() < min || args.size() > max) throw EUsage();
}

}  // namespace bvt::fsembed

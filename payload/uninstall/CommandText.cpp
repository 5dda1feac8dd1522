#include "CommandText.h"

#include "StringUtils.h"

namespace bvt {

std::string ProgramOfCommand(const std::string& command) {
    std::size_t start = command.find_first_not_of(" \t");
    if (start == std::string::npos) return "";
    if (command[start] == '"') {
        const std::size_t close = command.find('"', start + 1);
        if (close == std::string::npos) return "";
        return command.substr(start + 1, close - start - 1);
    }
    const std::string upper = UpperCase(command);
    for (std::size_t at = upper.find(".EXE", start); at != std::string::npos; at = upper.find(".EXE", at + 1)) {
        const std::size_t end = at + 4;
        if (end == command.size() || command[end] == ' ' || command[end] == '\t' || command[end] == '"')
            return command.substr(start, end - start);
    }
    const std::size_t blank = command.find_first_of(" \t", start);
    return command.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
}

}  // namespace bvt

#include "LaunchArgument.h"

namespace bvt {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string DocumentArgument(const std::string& commandLine) {
    std::size_t i = 0;
    const std::size_t n = commandLine.size();
    // The program name: quoted up to the next quote, otherwise up to a blank.
    if (i < n && commandLine[i] == '"') {
        ++i;
        while (i < n && commandLine[i] != '"') ++i;
        if (i < n) ++i;
    } else {
        while (i < n && !IsBlank(commandLine[i])) ++i;
    }
    while (i < n && IsBlank(commandLine[i])) ++i;
    std::size_t end = n;
    while (end > i && IsBlank(commandLine[end - 1])) --end;
    if (i == end) return "";

    if (commandLine[i] == '"') {
        // A quoted path ends at its closing quote; anything after it (further
        // arguments) is ignored. A missing closing quote takes the rest.
        const std::size_t close = commandLine.find('"', i + 1);
        const std::size_t stop = (close == std::string::npos || close > end) ? end : close;
        return commandLine.substr(i + 1, stop - i - 1);
    }
    return commandLine.substr(i, end - i);
}

}  // namespace bvt

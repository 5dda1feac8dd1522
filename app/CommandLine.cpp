#include "CommandLine.h"

#include <cstdlib>

namespace bvt {

int ParamCount() {
    return __argc > 0 ? __argc - 1 : 0;
}

std::string ParamStr(int index) {
    if (index < 0 || index >= __argc || !__argv || !__argv[index]) return {};
    return __argv[index];
}

std::vector<std::string> ParamList() {
    std::vector<std::string> list;
    for (int i = 1; i <= ParamCount(); ++i) list.push_back(ParamStr(i));
    return list;
}

}  // namespace bvt

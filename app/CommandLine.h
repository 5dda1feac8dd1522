// The program's command-line arguments, as the C run time parsed them
// (enclosing quotes removed); the program's own name is not counted.
#pragma once

#include <string>
#include <vector>

namespace bvt {

int ParamCount();
std::string ParamStr(int index);  // 0: the program; "" beyond ParamCount
std::vector<std::string> ParamList();  // arguments 1..ParamCount

}  // namespace bvt

// Where the programs under test are, as Windows paths. Set at build time
// and overridable on the command line: --installer=PATH --fixture=PATH.
#pragma once

#include <string>

namespace bvt::gui {

void ParseTestArguments(int argc, char** argv);
std::string InstallerPath();
std::string DistFolder();  // the installer's folder, with readme.txt
std::string FixturePath();

}  // namespace bvt::gui

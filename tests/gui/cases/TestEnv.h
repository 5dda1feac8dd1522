// Where the programs under test are, as Windows paths. Set at build time
// and overridable on the command line: --installer=PATH --fixture=PATH
// --sample=PATH.
#pragma once

#include <string>

namespace bvt::gui {

void ParseTestArguments(int argc, char** argv);
std::string InstallerPath();
std::string DistFolder();  // the installer's folder, with readme.txt
std::string FixturePath();
// A valid .bvt document (the payload's sample) to hand to the installer.
std::string SampleDocument();

}  // namespace bvt::gui

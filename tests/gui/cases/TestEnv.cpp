#include "TestEnv.h"

#include "Files.h"

#include <gtest/gtest.h>

#include <cstring>

#ifndef BVT_INSTALLER
#define BVT_INSTALLER ""
#endif
#ifndef BVT_SAMPLE_DOCUMENT
#define BVT_SAMPLE_DOCUMENT ""
#endif
#ifndef BVT_GUI_FIXTURE
#define BVT_GUI_FIXTURE ""
#endif

namespace bvt::gui {

namespace {

std::string installer = BVT_INSTALLER;
std::string fixture = BVT_GUI_FIXTURE;
std::string sample = BVT_SAMPLE_DOCUMENT;

}  // namespace

void ParseTestArguments(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--installer=", 12) == 0) installer = argv[i] + 12;
        if (std::strncmp(argv[i], "--fixture=", 10) == 0) fixture = argv[i] + 10;
        if (std::strncmp(argv[i], "--sample=", 9) == 0) sample = argv[i] + 9;
    }
}

std::string InstallerPath() { return WindowsPath(installer); }

std::string DistFolder() {
    const std::string path = InstallerPath();
    return path.substr(0, path.find_last_of('\\'));
}

std::string FixturePath() { return WindowsPath(fixture); }

std::string SampleDocument() { return WindowsPath(sample); }

}  // namespace bvt::gui

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    bvt::gui::ParseTestArguments(argc, argv);
    return RUN_ALL_TESTS();
}

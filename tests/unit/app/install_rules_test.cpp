#include <gtest/gtest.h>

#include "InstallRules.h"

namespace bvt {
namespace {

TEST(SidePanelLayout, DesignedWindowGivesPanelLevelWithButtonsAndCentredPicture) {
    const SidePanelLayout layout = LayOutSidePanel(Bounds{144, 8, 300, 45}, Bounds{144, 256, 137, 25}, 107, 170);
    EXPECT_EQ(layout.panel, (Bounds{15, 8, 114, 273}));
    EXPECT_EQ(layout.pictureLeft, 3);
    EXPECT_EQ(layout.pictureTop, 51);
}

TEST(SidePanelLayout, OddRemaindersAreTruncatedAndLargerPicturesGoNegativeTowardZero) {
    // 114 - 106 = 8 -> 4; 273 - 172 = 101 -> 50; 114 - 117 = -3 -> -1 (toward zero).
    EXPECT_EQ(LayOutSidePanel(Bounds{144, 8, 1, 1}, Bounds{144, 256, 137, 25}, 106, 172).pictureLeft, 4);
    EXPECT_EQ(LayOutSidePanel(Bounds{144, 8, 1, 1}, Bounds{144, 256, 137, 25}, 106, 172).pictureTop, 50);
    EXPECT_EQ(LayOutSidePanel(Bounds{144, 8, 1, 1}, Bounds{144, 256, 137, 25}, 117, 170).pictureLeft, -1);
}

struct LaunchCase {
    const char* folder;
    std::vector<std::string> arguments;
    const char* expected;
};

TEST(LaunchParameter, SampleDocumentQuotedWithoutArgumentsElseFirstArgumentAsGiven) {
    const LaunchCase cases[] = {
        {"C:\\Program Files\\Brivanta", {}, "\"C:\\Program Files\\Brivanta\\sample.bvt\""},
        {"C:\\Brivanta\\", {}, "\"C:\\Brivanta\\\\sample.bvt\""},  // nothing trimmed
        {"D:", {}, "\"D:\\sample.bvt\""},
        {"C:\\B", {"C:\\docs\\my file.bvt"}, "C:\\docs\\my file.bvt"},
        {"C:\\B", {"first", "second"}, "first"},
        {"", {}, "\"\\sample.bvt\""},
    };
    for (const LaunchCase& c : cases) EXPECT_EQ(LaunchParameter(c.folder, c.arguments), c.expected) << c.folder;
}

TEST(PathInFolder, JoinsWithOneBackslashAndKeepsTheFolderAsGiven) {
    EXPECT_EQ(PathInFolder("C:\\Brivanta", "unzdll.dll"), "C:\\Brivanta\\unzdll.dll");
    EXPECT_EQ(PathInFolder("C:\\", "unzdll.dll"), "C:\\\\unzdll.dll");
}

}  // namespace
}  // namespace bvt

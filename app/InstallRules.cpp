#include "InstallRules.h"

namespace bvt {

SidePanelLayout LayOutSidePanel(const Bounds& welcomeLabel, const Bounds& readMeButton, int pictureWidth,
                                int pictureHeight) {
    SidePanelLayout layout{};
    layout.panel.top = welcomeLabel.top;
    layout.panel.height = readMeButton.top + readMeButton.height - layout.panel.top;
    layout.panel.width = welcomeLabel.left - 30;
    layout.panel.left = 15;
    layout.pictureTop = (layout.panel.height - pictureHeight) / 2;
    layout.pictureLeft = (layout.panel.width - pictureWidth) / 2;
    return layout;
}

std::string LaunchParameter(const std::string& folder, const std::vector<std::string>& arguments) {
    if (arguments.empty()) return "\"" + PathInFolder(folder, "sample.bvt") + "\"";
    return arguments.front();
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    return folder + "\\" + name;
}

}  // namespace bvt

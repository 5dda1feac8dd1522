// The installer's rules that need no window: the side panel's layout and the
// parameter handed to the installed application.
#pragma once

#include <string>
#include <vector>

namespace bvt {

struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Bounds& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

struct SidePanelLayout {
    Bounds panel;       // pn_1 in the window
    int pictureLeft;    // im_1 inside pn_1
    int pictureTop;
};

// The panel spans from the welcome label's top to the bottom of the buttons,
// 15 pixels from the window's left edge and 30 short of the label's left;
// the picture is centred in it (halves truncated toward zero).
SidePanelLayout LayOutSidePanel(const Bounds& welcomeLabel, const Bounds& readMeButton, int pictureWidth,
                                int pictureHeight);

// The text the installed application is started with: the sample document's
// full path in double quotes when the installer has no arguments, else its
// first argument as given.
std::string LaunchParameter(const std::string& folder, const std::vector<std::string>& arguments);

// Folder + "\" + name, the folder taken exactly as given.
std::string PathInFolder(const std::string& folder, const std::string& name);

}  // namespace bvt

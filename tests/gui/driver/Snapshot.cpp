#include "Snapshot.h"

#include "Files.h"
#include "Wait.h"

#include <cstdlib>

namespace bvt::gui {

namespace {

std::string SnapFolder() {
    const char* dir = std::getenv("BVT_GUI_SNAP_DIR");
    return dir && *dir ? WindowsPath(dir) : std::string();
}

}  // namespace

bool SnapshotsWanted() { return !SnapFolder().empty(); }

void Snapshot(const std::string& name) {
    const std::string dir = SnapFolder();
    if (dir.empty()) return;
    const std::string stem = dir + "\\" + name;
    WriteWholeFile(stem + ".ready", name);
    WaitUntil([&] { return FileExists(stem + ".done"); }, 60000, 50);
}

}  // namespace bvt::gui

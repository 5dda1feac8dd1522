// Hand-shake with a screenshot taker outside Wine. When BVT_GUI_SNAP_DIR
// names a folder (Linux or Windows path), Snapshot("name") writes
// name.ready there and waits for the taker to write name.done; otherwise it
// does nothing. Meant for demo runs, not for assertions.
#pragma once

#include <string>

namespace bvt::gui {

bool SnapshotsWanted();
void Snapshot(const std::string& name);

}  // namespace bvt::gui

// Start-up hardening shared by every program we ship: the installer and
// the payload's programs call it first thing.
#pragma once

namespace bvt {

// DLLs load from the system folder only, never from the program's or a
// document's folder. The call exists from Windows 7 (and with KB2533623);
// older systems go on without it.
void HardenLibraryLoading();

}  // namespace bvt

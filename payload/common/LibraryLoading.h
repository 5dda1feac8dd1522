// Start-up hardening shared by the payload's programs.
#pragma once

namespace bvt {

// DLLs load from the system folder only, never from the program's or a
// document's folder. The call exists from Windows 7 (and with KB2533623);
// older systems go on without it.
void HardenLibraryLoading();

}  // namespace bvt

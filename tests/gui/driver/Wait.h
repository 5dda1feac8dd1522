// Polling with a deadline: the only way to wait for another process's
// windows under Wine (WaitForInputIdle returns before they exist).
#pragma once

#include <windows.h>

namespace bvt::gui {

// Generous enough for a cold Wine prefix on a loaded 2-core machine; a
// wait only takes this long when the awaited thing never happens.
constexpr DWORD DefaultTimeoutMs = 15000;

// Calls `done` until it returns true or `timeoutMs` has passed; returns the
// last result. `pollMs` 0 spins with a yield (for short-lived windows).
template <class Pred>
bool WaitUntil(Pred done, DWORD timeoutMs = DefaultTimeoutMs, DWORD pollMs = 10) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(pollMs);
    }
}

}  // namespace bvt::gui

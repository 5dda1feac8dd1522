// TScreen: the global `Screen` and its application-wide cursor. While the
// cursor is not crDefault it shows over every window of the program (the
// window procedure trampoline answers WM_SETCURSOR with it).
#pragma once

#include "Graphics.h"

namespace bvt {

class TScreen {
public:
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

private:
    TCursor cursor_ = crDefault;
};

extern TScreen Screen;

}  // namespace bvt

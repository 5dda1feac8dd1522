#include "ProgressBar.h"

#include <commctrl.h>

namespace bvt {

TControl::CreateParams TProgressBar::GetCreateParams() const {
    CreateParams params;
    params.windowClass = PROGRESS_CLASSA;
    return params;
}

void TProgressBar::HandleCreated() {
    SendMessageA(handle_, PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    SendMessageA(handle_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetMin(int v) {
    min_ = v;
    if (handle_) SendMessageA(handle_, PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
}

void TProgressBar::SetMax(int v) {
    max_ = v;
    if (handle_) SendMessageA(handle_, PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
}

void TProgressBar::SetPosition(int v) {
    position_ = v;
    if (handle_) {
        SendMessageA(handle_, PBM_SETPOS, static_cast<WPARAM>(v), 0);
        UpdateWindow(handle_);
    }
}

}  // namespace bvt

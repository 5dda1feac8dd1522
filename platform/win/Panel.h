// TPanel: a container with optional outer and inner bevels and a colour.
#pragma once

#include "Control.h"

namespace bvt {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner) : TWinControl(owner) {}
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v) { bevelInner_ = v; Invalidate(); }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v) { bevelOuter_ = v; Invalidate(); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v) { bevelWidth_ = v; Invalidate(); }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    CreateParams GetCreateParams() const override;
    void Paint(HDC dc) override;

private:
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
};

}  // namespace bvt

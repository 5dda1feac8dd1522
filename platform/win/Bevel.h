// TBevel: a sunken or raised frame or line, for grouping by eye only.
#pragma once

#include "Control.h"

namespace bvt {

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TControl {
public:
    explicit TBevel(TComponent* owner) : TControl(owner) {}
    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape v) { shape_ = v; Invalidate(); }
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle v) { style_ = v; Invalidate(); }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void Paint(HDC dc) override;

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

}  // namespace bvt

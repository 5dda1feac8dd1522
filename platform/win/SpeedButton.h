// TSpeedButton: a button that never takes the focus, with a glyph (raw-data
// property "Glyph.Data", a bitmap of NumGlyphs images side by side: normal,
// disabled) and its caption to the right of the glyph. A flat one shows its
// edge only while the mouse is over it. BM_CLICK clicks it, as for buttons.
#pragma once

#include "Control.h"
#include "Picture.h"

namespace bvt {

class TSpeedButton : public TControl {
public:
    explicit TSpeedButton(TComponent* owner) : TControl(owner) {}
    bool Flat() const { return flat_; }
    void SetFlat(bool v) { flat_ = v; Invalidate(); }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v) { numGlyphs_ = v < 1 ? 1 : v; Invalidate(); }
    const TPicture& Glyph() const { return glyph_; }
    void DefineProperties(TFiler& filer) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void Paint(HDC dc) override;

private:
    TPicture glyph_;
    bool flat_ = false;
    int numGlyphs_ = 1;
    bool hot_ = false;
    bool pressed_ = false;
};

}  // namespace bvt

// TImage: shows a picture (raw-data property "Picture.Data": the bytes of a
// .bmp or .ico file); with AutoSize it takes the picture's size.
#pragma once

#include "Control.h"
#include "Picture.h"

namespace bvt {

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner) : TControl(owner) {}
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    const TPicture& Picture() const { return picture_; }
    void DefineProperties(TFiler& filer) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void Paint(HDC dc) override;

private:
    void AdjustSize();

    TPicture picture_;
    bool autoSize_ = false;
};

}  // namespace bvt

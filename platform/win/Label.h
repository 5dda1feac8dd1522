// TLabel: a static text that can size itself to its text (AutoSize).
#pragma once

#include "Control.h"

namespace bvt {

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner) : TControl(owner) {}
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v) { autoSize_ = v; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { wordWrap_ = v; }

protected:
    CreateParams GetCreateParams() const override;
    void HandleCreated() override { AdjustSize(); }
    void CaptionChanged() override { AdjustSize(); }

private:
    void AdjustSize();

    bool autoSize_ = true;
    bool wordWrap_ = false;
};

}  // namespace bvt

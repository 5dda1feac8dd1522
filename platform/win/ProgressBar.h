// TProgressBar: the system progress bar with a range and a position.
#pragma once

#include "Control.h"

namespace bvt {

class TProgressBar : public TControl {
public:
    explicit TProgressBar(TComponent* owner) : TControl(owner) {}
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const { return position_; }
    void SetPosition(int v);

protected:
    CreateParams GetCreateParams() const override;
    void HandleCreated() override;

private:
    int min_ = 0, max_ = 100, position_ = 0;
};

}  // namespace bvt

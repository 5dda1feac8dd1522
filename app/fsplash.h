// The splash window: "Starting Brivanta setup ..." on top of everything
// with the hourglass, from start-up until the main window takes the focus.
#pragma once

#include "Form.h"

namespace bvt {

class Tf_splash : public TForm {
public:
    explicit Tf_splash(TComponent* owner);
    void FormDeactivate(TComponent* sender);
};

// The one splash window, or null once it is gone.
extern Tf_splash* f_splash;

// Hourglass, splash created (no owner), shown on top and painted at once.
void ShowSplash();
// Cursor back to normal and the splash destroyed (also when start-up fails).
void RemoveSplash();

void RegisterSplashClass();

}  // namespace bvt

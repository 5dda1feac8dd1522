#include "fsplash.h"

#include "Screen.h"
#include "TypeInfo.h"

namespace bvt {

Tf_splash* f_splash = nullptr;

Tf_splash::Tf_splash(TComponent* owner) : TForm(owner) {
    BindHandler("FormDeactivate", [this](TComponent* sender) { FormDeactivate(sender); });
}

void Tf_splash::FormDeactivate(TComponent*) {
    Screen.SetCursor(crDefault);
    // Destroyed once this notification has been handled.
    if (f_splash == this) f_splash = nullptr;
    Release();
}

void ShowSplash() {
    Screen.SetCursor(crHourGlass);
    f_splash = new Tf_splash(nullptr);
    try {
        f_splash->LoadFromResource("F_SPLASH");
    } catch (...) {
        delete f_splash;
        f_splash = nullptr;
        throw;
    }
    f_splash->Show();
    f_splash->Update();
}

void RemoveSplash() {
    Screen.SetCursor(crDefault);
    delete f_splash;
    f_splash = nullptr;
}

void RegisterSplashClass() {
    RegisterClass<Tf_splash>("Tf_splash", "TForm");
}

}  // namespace bvt

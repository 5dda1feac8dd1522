// Registers the GUI layer's classes and their published properties with the
// class registry, so window descriptions can create them. Event properties
// (OnClick, OnShow, OnDeactivate) and ActiveControl hold names as strings.
#pragma once

namespace bvt {

void RegisterGuiClasses();

}  // namespace bvt

// Moving property values between a component and a description object,
// shared by the reader, the writer and the text compiler.
#pragma once

#include <string>

#include "Component.h"
#include "DescriptionTree.h"
#include "TypeInfo.h"

namespace bvt {

// Sets the object's properties on the component in description order:
// published properties through their setters, the others through the raw
// readers the component defines in DefineProperties (each reader gets a
// stream of exactly its property's bytes). path names the component in
// messages ("Form1.Zip"). Errors of the setters and readers pass unchanged.
void ApplyProperties(TComponent& component, const ClassInfo& info, const DescObject& object, const std::string& path);

// The description object of one component without its children: class,
// Name, published properties in registration order when stored, then the
// raw-data properties that have data.
DescObject ComponentToObject(TComponent& component);

}  // namespace bvt

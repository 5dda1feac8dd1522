// One-shot registry routines: each call uses its own registry object, so
// the path is always resolved against the root and nothing carries over.
#include "bvtregistry.h"
#include "install.h"

namespace bvt {

void WriteRegString(HKEY root, const std::string& path, const std::string& name, const std::string& value) {
    TRegistry2000 registry;
    registry.SetRootKey(root);
    // A key that cannot be opened shows as the write's failure.
    registry.OpenKey(path, true);
    registry.WriteString(name, value);
}

std::string ReadRegString(HKEY root, const std::string& path, const std::string& name) {
    TRegistry2000 registry;
    registry.SetRootKey(root);
    registry.OpenKey(path, false);
    if (!registry.ValueExists(name)) return {};
    return registry.ReadString(name);
}

}  // namespace bvt

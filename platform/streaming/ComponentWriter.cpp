// Writing a component as a binary description: the component itself, then
// the components it owns as its children.
#include "BinaryDescription.h"
#include "ComponentProperties.h"
#include "ComponentStreaming.h"

namespace bvt {

std::vector<std::uint8_t> WriteComponent(TComponent& component) {
    DescObject object = ComponentToObject(component);
    for (std::size_t i = 0; i < component.ComponentCount(); ++i)
        object.children.push_back(ComponentToObject(*component.Component(i)));
    return EncodeDescription(object);
}

}  // namespace bvt

// Component streaming: window descriptions in, components out, and back.
//
// A binary window description is validated as a whole (envelope, checksum,
// every length) before the first component is created; reading then creates
// the described components and sets their properties in description order.
// If anything fails, every component created so far is destroyed again and
// the exception propagates unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Component.h"
#include "Exceptions.h"

namespace bvt {

// A description that cannot be parsed or does not fit the registered
// classes (damaged data, unknown class or property, wrong value type).
class EDescriptionError : public Exception {
public:
    using Exception::Exception;
};

// Reads a binary description into an existing root component: the root
// object's class must be the registered class of root or one of its
// ancestors. Children are created with Owner = root.
void ReadRootComponent(TComponent& root, const void* data, std::size_t size);

// Creates the root component from the description's class name (through the
// class registry) and reads the whole description into it.
std::unique_ptr<TComponent> ReadComponent(const void* data, std::size_t size, TComponent* owner = nullptr);

// Writes a registered component, with the components it owns as children,
// as a binary description.
std::vector<std::uint8_t> WriteComponent(TComponent& component);

#ifdef _WIN32
// Reads the RCDATA resource resourceName of the running program into root
// (see ReadRootComponent). Throws EDescriptionError "Resource X not found".
void ReadComponentResource(TComponent& root, const char* resourceName);
#endif

}  // namespace bvt

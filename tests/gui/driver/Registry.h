// Registry set-up for tests (the checks themselves read the registry with
// an independent reader, `wine reg query`, after the run).
#pragma once

#include <windows.h>

#include <string>

namespace bvt::gui {

// Creates the key if needed and writes a REG_SZ value; throws on failure.
void SetRegString(HKEY root, const std::string& key, const std::string& name, const std::string& value);
// Reads a REG_SZ value; empty when missing.
std::string GetRegString(HKEY root, const std::string& key, const std::string& name);
// Creates the key and leaves it readable only (a DACL granting KEY_READ to
// everyone). Wine enforces it until the server ends; it is not saved.
void MakeKeyReadOnly(HKEY root, const std::string& key);

}  // namespace bvt::gui

// Registry removal primitives. A key or value that is already gone is not a
// failure; anything else that stays is recorded in the report with its
// reason.
#pragma once

#include <windows.h>

#include <string>

#include "RemovalReport.h"

namespace bvt {

// Reads a string value; false when the key or value is missing or not text.
bool ReadRegistryText(HKEY root, const std::string& key, const std::string& name, std::string& text);

// Deletes a key with all its subkeys and values.
void DeleteRegistryTree(HKEY root, const std::string& key, RemovalReport& report);

// Deletes one value, then the key itself if that left it without values and
// subkeys.
void DeleteRegistryValue(HKEY root, const std::string& key, const std::string& name, RemovalReport& report);

// Deletes the key if it has no values and no subkeys.
void DeleteRegistryKeyIfEmpty(HKEY root, const std::string& key, RemovalReport& report);

// "HKEY_LOCAL_MACHINE\key" for messages.
std::string RegistryItemName(HKEY root, const std::string& key, const std::string& value = std::string());

}  // namespace bvt

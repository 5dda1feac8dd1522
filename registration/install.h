// The installer's system registration: one-shot registry routines, folder
// lookups, the application's registry entries and document association,
// and shell shortcuts. Windows only.
//
// Root keys are passed as handle values (HKEY_CLASSES_ROOT,
// HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE); key paths are relative to them,
// and an empty value name means the key's unnamed value. All strings are
// 8-bit text in the system's ANSI code page.
#pragma once

#include <windows.h>

#include <string>

namespace bvt {

// Writes a REG_SZ value, creating the key (and any missing keys above it)
// when needed. Raises ERegistryException "Failed to set data for '<name>'"
// when the key cannot be opened or created or the value cannot be set.
void WriteRegString(HKEY root, const std::string& path, const std::string& name, const std::string& value);

// Reads a string value; "" when the key or the value is missing or the key
// cannot be opened. Raises ERegistryException for a value that is not a
// string ("Invalid data type for '<name>'").
std::string ReadRegString(HKEY root, const std::string& path, const std::string& name);

// The Windows folder, with a backslash appended when it has 3 or more
// characters; "" when the system cannot tell.
std::string GetWindowsFolder();

// The proposed destination folder: the folder of a previous installation,
// else "<Program Files>\Brivanta".
std::string GetDefaultInstallFolder();

// The current user's shell folder of that name ("Programs", "Desktop"),
// always ending in a backslash; falls back to "<Windows folder><name>\".
std::string GetShellFolder(const std::string& name);

// Writes one ".lnk" file through the shell link object. Failures to set the
// link's properties or to save the file are not reported; failure to create
// the object raises EOleSysError, a missing interface EIntfCastError.
void CreateShortcut(const std::string& target, const std::string& arguments, const std::string& shortcutFile,
                    const std::string& description);

// Associates a document extension with a program under HKEY_CLASSES_ROOT
// (extension -> type name -> description, open command, icon). Raises
// EOleRegistrationError when a key cannot be created or a value set.
void RegisterFileType(const std::string& extension, const std::string& typeName, const std::string& description,
                      const std::string& programPath, int iconIndex);

// Registers the application installed in `folder` (taken exactly as given,
// normally without a trailing backslash): App Paths, uninstall entry and
// installed version, then optionally the ".bvt" association and the
// Start-menu and desktop shortcuts. The first failure ends it (exception).
void RegisterApplication(const std::string& folder, bool associate, bool startMenu, bool desktop);

}  // namespace bvt

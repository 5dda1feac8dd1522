// What the archive component needs from the program around it: the
// application's title and window, a way to pump pending messages while the
// engine runs, the hourglass cursor and message boxes. The program sets
// these once at start-up; the defaults work without any GUI layer, so tests
// can use the component on its own and capture the boxes.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <functional>
#include <string>

namespace bvt {

struct ZipHost {
    std::function<std::string()> title;           // caption of message boxes
    std::function<void()> processMessages;        // at every engine callback
    std::function<HWND()> ownerWindow;            // owner of boxes and the engine's dialogs
    std::function<void(bool)> hourglass;          // true: wait cursor on; false: back
    std::function<void(const std::string&)> messageBox;  // modal, OK, no icon
};

// Replaces the hooks; members left empty keep their defaults.
void SetZipHost(const ZipHost& host);
// The hooks in force, defaults filled in.
const ZipHost& CurrentZipHost();

// The default box: modal, the text, OK only, no icon, caption = title(),
// owner = ownerWindow().
void ShowZipMessageBox(const std::string& text);

}  // namespace bvt

#endif

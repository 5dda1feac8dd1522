// TFolderBrowse: lets the user pick a folder in the shell's folder-browse
// dialog, starting at Directory.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "Component.h"

namespace bvt {

class TControl;

class TFolderBrowse : public TComponent {
public:
    explicit TFolderBrowse(TComponent* owner) : TComponent(owner) {}

    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& value) { directory_ = value; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }

    // Shows the dialog modally over owner's window. True when a folder with
    // a file-system path was confirmed; Directory then holds that path.
    bool Execute(const TControl& owner);

private:
    static int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM data);

    std::string directory_;
    std::string title_;
    BROWSEINFOA browseInfo_{};
};

// Registers TFolderBrowse (Directory, Title) with the class registry.
void RegisterFolderBrowseClass();

}  // namespace bvt

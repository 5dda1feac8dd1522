// Files seen from the driver (a Windows program in the same prefix as the
// program under test).
#pragma once

#include <string>
#include <vector>

namespace bvt::gui {

// "/work/x" -> "Z:\work\x"; Windows paths are returned unchanged.
std::string WindowsPath(const std::string& path);
std::string TempFolder();  // GetTempPathA, with its trailing backslash
// Names (not paths) of the files in the temporary folder that the embedded
// files leave: ~fs*.dll and ~fs*.zip.
std::vector<std::string> EmbeddedTempFiles();

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
std::string ReadWholeFile(const std::string& path);  // throws std::runtime_error
void WriteWholeFile(const std::string& path, const std::string& bytes);
void CopyOneFile(const std::string& from, const std::string& to);
// Creates the folder and its missing parents; throws when it cannot.
void MakeFolders(const std::string& path);
// Lists every folder from the drive root down to `path`, so that the shell
// sees fresh access times (its folder IDs compare them byte for byte).
void TouchFolderChain(const std::string& path);

}  // namespace bvt::gui

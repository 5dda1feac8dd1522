// Exit codes of BrivantaSetup.exe.
#pragma once

namespace bvt {

enum ExitCode : int {
    ExitOk = 0,                 // installed, or closed without installing
    ExitStartupFailed = 1,      // the main window could not be created ("Application Error")
    ExitFolderNotCreated = 2,   // the destination folder could not be created
    ExitLibraryNotCopied = 3,   // zipdll.dll or unzdll.dll could not be copied into it
    ExitExtractionFailed = 4,   // the payload archive was not extracted completely
    ExitRegistrationFailed = 5, // registry entries, file association or shortcuts failed
};

}  // namespace bvt

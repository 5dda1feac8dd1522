// TZipMaster: the archive component of the installer's main window. It reads
// an archive's central directory when its name is set and extracts every
// entry through the unzip engine library (unzdll.dll) loaded by full path
// from DLLDirectory. It reports conditions in message boxes and never
// raises; what an extraction achieved is kept in Outcome() so that the
// install sequence can tell a complete installation from a broken one.
//
// Published properties and their identifiers, as window descriptions name
// them (see Zip.description.txt for the stored block):
//   AddCompLevel      Integer
//   AddOptions        Set  of AddDirNames, AddRecurseDirs, AddMove, AddFreshen,
//                     AddUpdate, AddZipTime, AddForceDOS, AddHiddenFiles,
//                     AddArchiveOnly, AddResetArchive, AddEncrypt, AddSeparateDirs
//   AddStoreSuffixes  Set  of assGIF, assPNG, assGZ, assZ, assZIP, assZOO, assARC,
//                     assLZH, assARJ, assTAZ, assTGZ, assLHA, assRAR, assACE,
//                     assCAB, assGZIP, assJAR, assEXE, assJPG
//   DLLDirectory      String (setter: equal value ignored, one trailing '\' dropped)
//   ExtrBaseDir       String
//   ExtrOptions       Set  of ExtrDirNames, ExtrOverWrite, ExtrFreshen, ExtrUpdate, ExtrTest
//   FSpecArgs         String (empty: every entry)
//   KeepFreeOnDisk1   Integer
//   MinUnzDllVers     Integer (values below 170 are ignored)
//   MinZipDllVers     Integer (values below 170 are ignored)
//   Password          String
//   SFXCaption        String
//   SFXOptions        Set  of SFXAskCmdLine, SFXAskFiles, SFXAutoRun, SFXHideOverWriteBox,
//                     SFXCheckSize, SFXNoSuccessMsg
//   SFXOverWriteMode  Enum of OvrConfirm, OvrAlways, OvrNever
//   SFXPath           String
//   TempDir           String
//   Trace, Unattended, Verbose  Boolean
//   VersionInfo       String
//   ZipFileName       String (setter: reads the central directory at once)
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Component.h"
#include "ZipDirectory.h"

namespace bvt {

class EngineLibrary;

// Bits of ExtrOptions (bit i = identifier i of the set).
enum ExtrOption : std::uint32_t {
    ExtrDirNames = 1u << 0,
    ExtrOverWrite = 1u << 1,
    ExtrFreshen = 1u << 2,
    ExtrUpdate = 1u << 3,
    ExtrTest = 1u << 4,
};

enum class TOverWriteMode { OvrConfirm, OvrAlways, OvrNever };

// What the last Extract() achieved. Succeeded is true only when the engine
// ran and every entry of the archive was written and verified.
struct TZipOutcome {
    bool ran = false;                 // the engine was called
    bool succeeded = false;
    int entriesTotal = 0;
    int filesWritten = 0;
    int entriesFailed = 0;
    std::string firstError;           // empty when nothing failed
    std::vector<std::string> failures;  // "name: reason", one per failed entry
};

class TZipMaster : public TComponent {
public:
    explicit TZipMaster(TComponent* owner);
    ~TZipMaster() override;

    // --- the properties the installer sets ---
    const std::string& DLLDirectory() const { return dllDirectory_; }
    void SetDLLDirectory(const std::string& value);
    const std::string& ZipFileName() const { return zipFileName_; }
    void SetZipFileName(const std::string& value);
    const std::string& ExtrBaseDir() const { return extrBaseDir_; }
    void SetExtrBaseDir(const std::string& value) { extrBaseDir_ = value; }

    // Extracts every entry of ZipFileName into ExtrBaseDir through the
    // engine. Reports failures in message boxes; never raises.
    void Extract();

    const TZipOutcome& Outcome() const { return outcome_; }
    // The contents list read by the last SetZipFileName.
    // The contents list: the central directory read when ZipFileName was set.
    const std::vector<zip::ZipEntry>& Entries() const { return entries_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    // Messages and per-entry error codes the engine reported.
    const std::vector<std::string>& Messages() const { return messages_; }

    // --- stored settings ---
    std::int64_t AddCompLevel() const { return addCompLevel_; }
    void SetAddCompLevel(std::int64_t v) { addCompLevel_ = v; }
    std::uint32_t AddOptions() const { return addOptions_; }
    void SetAddOptions(std::uint32_t v) { addOptions_ = v; }
    std::uint32_t AddStoreSuffixes() const { return addStoreSuffixes_; }
    void SetAddStoreSuffixes(std::uint32_t v) { addStoreSuffixes_ = v; }
    std::uint32_t ExtrOptions() const { return extrOptions_; }
    void SetExtrOptions(std::uint32_t v) { extrOptions_ = v; }
    std::int64_t KeepFreeOnDisk1() const { return keepFreeOnDisk1_; }
    void SetKeepFreeOnDisk1(std::int64_t v) { keepFreeOnDisk1_ = v; }
    std::int64_t MinUnzDllVers() const { return minUnzDllVers_; }
    void SetMinUnzDllVers(std::int64_t v);
    std::int64_t MinZipDllVers() const { return minZipDllVers_; }
    void SetMinZipDllVers(std::int64_t v);
    const std::string& SFXCaption() const { return sfxCaption_; }
    void SetSFXCaption(const std::string& v) { sfxCaption_ = v; }
    std::uint32_t SFXOptions() const { return sfxOptions_; }
    void SetSFXOptions(std::uint32_t v) { sfxOptions_ = v; }
    TOverWriteMode SFXOverWriteMode() const { return sfxOverWriteMode_; }
    void SetSFXOverWriteMode(TOverWriteMode v) { sfxOverWriteMode_ = v; }
    const std::string& SFXPath() const { return sfxPath_; }
    void SetSFXPath(const std::string& v) { sfxPath_ = v; }
    bool Trace() const { return trace_; }
    void SetTrace(bool v) { trace_ = v; }
    bool Unattended() const { return unattended_; }
    void SetUnattended(bool v) { unattended_ = v; }
    bool Verbose() const { return verbose_; }
    void SetVerbose(bool v) { verbose_ = v; }
    const std::string& VersionInfo() const { return versionInfo_; }
    void SetVersionInfo(const std::string& v) { versionInfo_ = v; }
    const std::string& Password() const { return password_; }
    void SetPassword(const std::string& v) { password_ = v; }
    const std::string& FSpecArgs() const { return fspecArgs_; }
    void SetFSpecArgs(const std::string& v) { fspecArgs_ = v; }
    const std::string& TempDir() const { return tempDir_; }
    void SetTempDir(const std::string& v) { tempDir_ = v; }

    // The engine's full path as Extract() loads it.
    std::string EnginePath() const;

    // Called by the engine's callback trampoline; false asks the engine to stop.
    bool EngineEvent(std::uint32_t kind, const char* name, const char* message);

private:
    void ReadDirectory();
    void RunEngine(const EngineLibrary& engine);
    void Report(const std::string& text);

    std::string dllDirectory_, zipFileName_, extrBaseDir_;
    std::int64_t addCompLevel_ = 9;
    std::uint32_t addOptions_ = 0, addStoreSuffixes_ = 0;
    std::uint32_t extrOptions_ = ExtrOverWrite;
    std::int64_t keepFreeOnDisk1_ = 0;
    std::int64_t minUnzDllVers_ = 170, minZipDllVers_ = 170;
    std::string sfxCaption_, sfxPath_, versionInfo_, password_, fspecArgs_, tempDir_;
    std::uint32_t sfxOptions_ = 0;
    TOverWriteMode sfxOverWriteMode_ = TOverWriteMode::OvrConfirm;
    bool trace_ = false, unattended_ = false, verbose_ = false;

    std::vector<zip::ZipEntry> entries_;
    std::vector<std::string> messages_;
    TZipOutcome outcome_;
    std::unique_ptr<EngineLibrary> engine_;  // loaded only during Extract()
    bool busy_ = false;
    std::string callbackFailure_;  // an exception caught in an engine callback
};

// Registers TZipMaster and its published properties with the class registry.
void RegisterArchiveClasses();

}  // namespace bvt

#endif

// unzdll.dll: the unzip engine. Extracts every entry of one archive flat
// into the base folder with the installer's rules (the ZIP core), telling
// the caller about each step through its callback. No C++ exception leaves
// the library.
#include <windows.h>

#include <cstring>
#include <new>
#include <string>

#include "UnzDllApi.h"
#include "ZipExtract.h"

// A test build reports another version to exercise the caller's check.
#ifndef UNZDLL_REPORTED_VERSION
#define UNZDLL_REPORTED_VERSION UNZDLL_VERSION
#endif

namespace {

class CallbackObserver : public bvt::zip::ZipExtractObserver {
public:
    explicit CallbackObserver(const UnzDllParams& params) : params_(params) {}

    void EntryBegins(const bvt::zip::ZipEntry& entry, const std::string&) override {
        Send(UNZ_EVENT_FILE_BEGINS, entry.name.c_str(), entry.uncompressedSize, nullptr);
    }
    void Progress(std::uint64_t bytes) override { Send(UNZ_EVENT_PROGRESS, nullptr, bytes, nullptr); }
    void EntryFailed(const bvt::zip::ZipEntryFailure& failure) override {
        Send(UNZ_EVENT_ENTRY_FAILED, failure.name.c_str(), 0, failure.reason.c_str());
    }
    void BatchEnds(const bvt::zip::ZipOutcome&) override { Send(UNZ_EVENT_END_OF_BATCH, nullptr, 0, nullptr); }
    void Warning(const std::string& text) override { Send(UNZ_EVENT_MESSAGE, nullptr, 0, text.c_str()); }
    bool StopRequested() override { return stop_; }

private:
    void Send(std::uint32_t kind, const char* name, std::uint64_t size, const char* message) {
        if (!params_.callback) return;
        const UnzDllEvent event{kind, name, size, message};
        if (params_.callback(params_.context, &event) != 0) stop_ = true;
    }
    const UnzDllParams& params_;
    bool stop_ = false;
};

void SetFirstError(UnzDllParams& params, const std::string& text) {
    const std::size_t n = text.size() < UNZ_FIRST_ERROR_SIZE - 1 ? text.size() : UNZ_FIRST_ERROR_SIZE - 1;
    std::memcpy(params.firstError, text.data(), n);
    params.firstError[n] = '\0';
}

std::int32_t Exec(UnzDllParams& params) {
    if (!params.archivePath || !params.baseDir) {
        SetFirstError(params, "No archive or base folder given");
        return -1;
    }
    if (params.options & UNZ_OPT_DIRNAMES) {
        SetFirstError(params, "Recreating stored folders is not supported");
        return -1;
    }
    CallbackObserver observer(params);
    bvt::zip::ZipExtractOptions options;
    options.testOnly = (params.options & UNZ_OPT_TEST) != 0;
    options.keepTimes = (params.options & UNZ_OPT_KEEP_TIMES) != 0;
    options.overwrite = (params.options & UNZ_OPT_OVERWRITE) != 0;
    const bvt::zip::ZipOutcome outcome =
        bvt::zip::ExtractArchiveFile(params.archivePath, params.baseDir, options, &observer);

    params.entriesTotal = static_cast<std::uint32_t>(outcome.entries);
    params.filesWritten = static_cast<std::uint32_t>(outcome.filesWritten);
    params.entriesFailed = static_cast<std::uint32_t>(outcome.failures.size());
    params.succeeded = outcome.Succeeded() ? 1 : 0;
    SetFirstError(params, outcome.firstError);
    if (outcome.entries == 0 && !outcome.firstError.empty()) return -1;
    return static_cast<std::int32_t>(outcome.filesWritten);
}

}  // namespace

extern "C" __declspec(dllexport) std::int32_t WINAPI UnzDllExec(UnzDllParams* params) {
    if (!params || params->structSize != sizeof(UnzDllParams)) return -1;
    params->entriesTotal = params->filesWritten = params->entriesFailed = 0;
    params->succeeded = 0;
    params->firstError[0] = '\0';
    try {
        return Exec(*params);
    } catch (const std::bad_alloc&) {
        SetFirstError(*params, "Not enough memory");
    } catch (const std::exception& e) {
        SetFirstError(*params, e.what());
    } catch (...) {
        SetFirstError(*params, "Unexpected failure in the unzip engine");
    }
    return -1;
}

#ifndef UNZDLL_OMIT_VERSION
extern "C" __declspec(dllexport) std::int32_t WINAPI GetUnzDllVersion(void) { return UNZDLL_REPORTED_VERSION; }
#endif

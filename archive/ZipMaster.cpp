#include "ZipMaster.h"

#include "EngineLibrary.h"
#include "FileStream.h"
#include "ZipDirectory.h"
#include "ZipHost.h"

namespace bvt {

namespace {

constexpr std::int64_t LowestEngineVersion = 170;

// The engine's callback: lets the component record the event and the
// application breathe. Nothing may unwind through the engine; a failure
// asks it to stop.
int WINAPI EngineCallback(void* context, const UnzDllEvent* event) {
    auto* self = static_cast<TZipMaster*>(context);
    return self->EngineEvent(event->kind, event->name, event->message) ? 0 : 1;
}

// Hourglass on for the life of the object.
class WaitCursor {
public:
    WaitCursor() { CurrentZipHost().hourglass(true); }
    ~WaitCursor() { CurrentZipHost().hourglass(false); }
};

}  // namespace

TZipMaster::TZipMaster(TComponent* owner) : TComponent(owner) {}

TZipMaster::~TZipMaster() = default;

// The component raises nothing: a box that cannot be shown leaves the
// condition in Messages() only.
void TZipMaster::Report(const std::string& text) {
    try {
        messages_.push_back(text);
        CurrentZipHost().messageBox(text);
    } catch (...) {
    }
}

void TZipMaster::SetDLLDirectory(const std::string& value) {
    if (value == dllDirectory_) return;
    std::string stored = value;
    if (!stored.empty() && stored.back() == '\\') stored.pop_back();
    dllDirectory_ = stored;
}

void TZipMaster::SetMinUnzDllVers(std::int64_t v) {
    if (v >= LowestEngineVersion) minUnzDllVers_ = v;
}

void TZipMaster::SetMinZipDllVers(std::int64_t v) {
    if (v >= LowestEngineVersion) minZipDllVers_ = v;
}

std::string TZipMaster::EnginePath() const { return EngineFullPath(dllDirectory_); }

void TZipMaster::SetZipFileName(const std::string& value) {
    zipFileName_ = value;
    entries_.clear();
    if (!FileExists(value)) return;
    ReadDirectory();
}

void TZipMaster::ReadDirectory() {
    std::string failure;
    bool offsetMismatch = false;
    std::string warning;
    {
        WaitCursor wait;
        try {
            zip::FileArchive archive(zipFileName_);  // closed at the end of this block
            const zip::ZipDirectory directory = zip::ReadZipDirectory(archive.Source());
            entries_ = directory.entries;
            offsetMismatch = directory.offsetMismatch;
            if (offsetMismatch) warning = zip::OffsetMismatchWarning(directory);
        } catch (const std::bad_alloc&) {
            failure = "Not enough memory to read the archive " + zipFileName_;
        } catch (const Exception& e) {
            failure = e.Message();
        }
    }
    if (!failure.empty()) {
        entries_.clear();
        const std::string name = zipFileName_;
        zipFileName_.clear();
        Report("Cannot read the archive " + name + ": " + failure);
    } else if (offsetMismatch) {
        Report("Warning: " + warning);
    }
}

bool TZipMaster::EngineEvent(std::uint32_t kind, const char* name, const char* message) {
    try {
        if (kind == UNZ_EVENT_ENTRY_FAILED) {
            const std::string failure = std::string(name ? name : "") + ": " + (message ? message : "");
            outcome_.failures.push_back(failure);
            messages_.push_back(failure);
        } else if (kind == UNZ_EVENT_MESSAGE && message) {
            messages_.push_back(message);
        }
        CurrentZipHost().processMessages();
    } catch (const std::exception& e) {
        callbackFailure_ = e.what();
    } catch (...) {
        callbackFailure_ = "unexpected failure while the engine ran";
    }
    return callbackFailure_.empty();
}

void TZipMaster::RunEngine(const EngineLibrary& engine) {
    UnzDllParams params{};
    params.structSize = sizeof params;
    params.archivePath = zipFileName_.c_str();
    params.baseDir = extrBaseDir_.c_str();
    params.password = password_.c_str();
    params.options = UNZ_OPT_QUIET | UNZ_OPT_KEEP_TIMES;
    if (extrOptions_ & ExtrOverWrite) params.options |= UNZ_OPT_OVERWRITE;
    if (extrOptions_ & ExtrDirNames) params.options |= UNZ_OPT_DIRNAMES;
    if (extrOptions_ & ExtrTest) params.options |= UNZ_OPT_TEST;
    params.ownerWindow = unattended_ ? nullptr : CurrentZipHost().ownerWindow();
    params.callback = EngineCallback;
    params.context = this;

    outcome_.ran = true;
    const std::int32_t result = engine.Exec(params);
    outcome_.entriesTotal = static_cast<int>(params.entriesTotal);
    outcome_.filesWritten = static_cast<int>(params.filesWritten);
    outcome_.entriesFailed = static_cast<int>(params.entriesFailed);
    outcome_.firstError = params.firstError;
    outcome_.succeeded = result >= 0 && params.succeeded != 0 && callbackFailure_.empty();
    if (result < 0) throw Exception(outcome_.firstError.empty() ? "the engine failed" : outcome_.firstError);
    if (!callbackFailure_.empty()) throw Exception(callbackFailure_);
}

void TZipMaster::Extract() {
    if (zipFileName_.empty() || !FileExists(zipFileName_)) {
        const std::string text = "Archive not found: " + zipFileName_;
        if (!busy_) {
            outcome_ = TZipOutcome{};
            outcome_.firstError = text;
        }
        Report(text);
        return;
    }
    if (busy_) return;
    busy_ = true;
    outcome_ = TZipOutcome{};
    callbackFailure_.clear();
    try {
        engine_ = std::make_unique<EngineLibrary>(EnginePath());
        if (!engine_->Loaded()) {
            outcome_.firstError = engine_->Error();
            Report(outcome_.firstError);
        } else if (engine_->Version() < minUnzDllVers_) {
            outcome_.firstError = "Old Dll from " + engine_->Path();
            Report(outcome_.firstError);
        } else {
            RunEngine(*engine_);
        }
    } catch (const std::exception& e) {
        outcome_.succeeded = false;
        if (outcome_.firstError.empty()) outcome_.firstError = e.what();
        Report(std::string("Extraction failed: ") + e.what());
    } catch (...) {
        outcome_.succeeded = false;
        if (outcome_.firstError.empty()) outcome_.firstError = "unexpected failure";
        Report("Extraction failed");
    }
    engine_.reset();  // the installed library is not held open afterwards
    busy_ = false;
}

}  // namespace bvt

#include "FileSrc.h"

#include <ctime>
#include <limits>

#include "FileStream.h"
#include "StringUtils.h"
#include "TypeInfo.h"

namespace bvt {

namespace {

// The temporary folder must fit a 260-character buffer with its terminator.
constexpr std::size_t kMaxTempFolder = 259;
// Far more numbers than one second's worth of leftovers; reaching it means
// something other than leftovers is in the way.
constexpr unsigned kMaxTempNumber = 1000000;

int LocalSeconds() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local ? local->tm_sec % 60 : 0;
}

SecondsClock tempNameClock = &LocalSeconds;

}  // namespace

void SetTempNameClock(SecondsClock clock) { tempNameClock = clock ? clock : &LocalSeconds; }

TFileSource::TFileSource(TComponent* owner) : TComponent(owner) {}

TFileSource::~TFileSource() { DeleteTempFile(); }

void TFileSource::SetCompress(bool value) {
    compress_ = value;
    if (value) store_ = true;
}

std::string TFileSource::FileName() const { return FileExists(path_) ? path_ : std::string(); }

void TFileSource::SetFileName(const std::string& name) {
    DeleteTempFile();
    path_ = name;
    ownsTempFile_ = false;
    extension_ = ExtractFileExt(name);
}

void TFileSource::DefineProperties(TFiler& filer) {
    TComponent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "FileData", [this](TStream& stream) { ReadFileData(stream); },
        [this](TStream& stream) { WriteFileData(stream); }, store_);
}

std::string TFileSource::MakeTempFileName() const {
    const int seconds = tempNameClock();
    std::string folder = SystemTempFolder();
    if (folder.empty() || folder.size() > kMaxTempFolder)
        throw EInOutError("Cannot determine the temporary folder");
    if (folder.back() == PathDelimiter) folder.pop_back();

    const std::string base = folder + PathDelimiter + "~fs" + std::to_string(seconds);
    for (unsigned number = 0; number < kMaxTempNumber; ++number) {
        const std::string candidate = base + std::to_string(number) + extension_;
        switch (CreateNewFile(candidate)) {
            case CreateNewResult::Created: return candidate;
            case CreateNewResult::Exists: continue;
            case CreateNewResult::Failed: throw EFCreateError(candidate, LastSystemErrorText());
        }
    }
    throw EFCreateError(base + "*" + extension_, "No free temporary file name");
}

void TFileSource::DeleteTempFile() {
    if (ownsTempFile_) DeleteFileAt(path_);
}

void TFileSource::ReadFileData(TStream& stream) {
    path_ = MakeTempFileName();
    ownsTempFile_ = true;
    TFileStream file(path_, FileMode::OpenWrite);
    if (compress_) {
        TCompressStream().ExpandStream(stream, file);
        return;
    }
    const std::int32_t size = stream.ReadInt32();
    // Refuse a size the property's bytes cannot hold before writing anything.
    if (size < 0) throw EReadError("Invalid file data size");
    if (size > stream.Size() - stream.Position()) throw EReadError();
    file.CopyFrom(stream, size);
}

void TFileSource::WriteFileData(TStream& stream) {
    if (!FileExists(path_)) throw Exception(Name() + " cannot store file: " + path_ + " (file is missing)");
    TFileStream file(path_, FileMode::OpenRead);
    const std::int64_t size = file.Size();
    if (size > std::numeric_limits<std::int32_t>::max())
        throw Exception(Name() + " cannot store file: " + path_ + " (file is 2 GB or larger)");
    const auto size32 = static_cast<std::int32_t>(size);
    if (compress_) {
        TCompressStream().CompressStream(file, stream, size32);
        return;
    }
    stream.WriteInt32(size32);
    stream.CopyFrom(file, size32);
}

void RegisterFileStoreClasses() {
    RegisterClass<TFileSource>("TFileSource", "TComponent")
        .Boolean("Compress", [](TFileSource& c) { return c.Compress(); },
                 [](TFileSource& c, bool v) { c.SetCompress(v); })
        .String("DisplayLabel", [](TFileSource& c) { return c.DisplayLabel(); },
                [](TFileSource& c, const std::string& v) { c.SetDisplayLabel(v); })
        .String("Extension", [](TFileSource& c) { return c.Extension(); },
                [](TFileSource& c, const std::string& v) { c.SetExtension(v); })
        .String("FileName", [](TFileSource& c) { return c.FileName(); },
                [](TFileSource& c, const std::string& v) { c.SetFileName(v); },
                [](TFileSource& c) { return !c.Store(); })
        .Boolean("Store", [](TFileSource& c) { return c.Store(); },
                 [](TFileSource& c, bool v) { c.SetStore(v); });
}

}  // namespace bvt

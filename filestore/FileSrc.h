// TFileSource: a non-visual component that carries one whole file inside a
// window description (raw-data property "FileData", stored or compressed)
// and restores it to a fresh temporary file when the description is loaded.
// The component deletes only the temporary file it created itself.
#pragma once

#include <string>

#include "CompressStream.h"
#include "Component.h"

namespace bvt {

class TFiler;
class TStream;

class TFileSource : public TComponent {
public:
    explicit TFileSource(TComponent* owner);
    // Deletes the owned temporary file, if any (a failed delete is silent).
    ~TFileSource() override;

    bool Compress() const { return compress_; }
    // Setting True also sets Store; setting False leaves Store as it is.
    void SetCompress(bool value);
    const std::string& DisplayLabel() const { return displayLabel_; }
    void SetDisplayLabel(const std::string& value) { displayLabel_ = value; }
    const std::string& Extension() const { return extension_; }
    void SetExtension(const std::string& value) { extension_ = value; }
    // The current file path if a file of that name exists, else "".
    std::string FileName() const;
    // Deletes the owned temporary file, then stands for `name` (not owned);
    // Extension becomes the name's extension.
    void SetFileName(const std::string& name);
    bool Store() const { return store_; }
    void SetStore(bool value) { store_ = value; }
    bool OwnsTempFile() const { return ownsTempFile_; }

    // Base properties first, then "FileData" (written only when Store).
    void DefineProperties(TFiler& filer) override;

    // Restores the property's bytes (the stream from its position) to a new
    // temporary file, which the component owns from the moment it exists, so
    // that even a half-written file is deleted with the component. Failures:
    // the temporary folder cannot be determined or is longer than 259
    // characters (EInOutError), the file cannot be created (EFCreateError
    // with its path; a name that exists is skipped, never reused), a stored
    // size that is negative (EReadError "Invalid file data size") or larger
    // than the bytes that follow (EReadError, nothing written), container
    // errors (see TCompressStream::ExpandStream).
    virtual void ReadFileData(TStream& stream);
    // Writes the current file's bytes in stored or compressed form. A missing
    // file throws Exception("<Name> cannot store file: <path> (file is
    // missing)") before anything is written.
    virtual void WriteFileData(TStream& stream);

private:
    // Creates a new empty file "<temp folder>~fs<seconds><number><Extension>"
    // exclusively (numbers from 0; the folder's trailing delimiter, if any, is
    // not doubled) and returns its path.
    std::string MakeTempFileName() const;
    void DeleteTempFile();

    bool compress_ = false;
    std::string displayLabel_;
    std::string extension_;
    std::string path_;
    bool store_ = false;
    bool ownsTempFile_ = false;
};

// The seconds (0..59) of the local clock that temporary names start with.
// Tests replace it to name files deterministically; nullptr restores the
// local clock.
using SecondsClock = int (*)();
void SetTempNameClock(SecondsClock clock);

// Registers TFileSource and its published properties (Compress, DisplayLabel,
// Extension, FileName stored only when Store is False, Store) with the class
// registry. Programs and tools call it before reading descriptions.
void RegisterFileStoreClasses();

}  // namespace bvt

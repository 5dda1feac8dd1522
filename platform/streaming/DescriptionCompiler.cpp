#include "DescriptionCompiler.h"

#include <memory>

#include "BinaryDescription.h"
#include "ComponentProperties.h"
#include "ComponentStreaming.h"
#include "FileStream.h"
#include "StringUtils.h"

namespace bvt {

namespace {

bool IsAbsolutePath(const std::string& path) {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) || (path.size() > 1 && path[1] == ':');
}

class FileResolver {
public:
    explicit FileResolver(const std::vector<std::string>& searchPaths) : searchPaths_(searchPaths) {}

    // The first existing candidate; empty when there is none.
    std::string Find(const std::string& name) const {
        if (name.empty()) return {};
        if (IsAbsolutePath(name)) return FileExists(name) ? name : std::string();
        for (const std::string& dir : searchPaths_) {
            const std::string candidate = Join(dir, name);
            if (FileExists(candidate)) return candidate;
        }
        return {};
    }

    // Where a file that was not found is reported missing: in the last
    // folder searched (the text's own), never in the working folder.
    std::string Expected(const std::string& name) const {
        if (name.empty() || IsAbsolutePath(name) || searchPaths_.empty()) return name;
        return Join(searchPaths_.back(), name);
    }

    std::vector<std::uint8_t> Load(const std::string& name) const {
        const std::string path = Find(name);
        if (path.empty()) throw EDescriptionError("file '" + name + "' not found");
        TFileStream file(path, FileMode::OpenRead);
        const std::int64_t size = file.Size();
        if (size > 0x7FFFFFFF) throw EDescriptionError("file '" + name + "' is too large");
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
        file.ReadBuffer(bytes.data(), bytes.size());
        return bytes;
    }

private:
    static std::string Join(const std::string& dir, const std::string& name) {
        const bool needsDelimiter = !dir.empty() && dir.back() != '/' && dir.back() != '\\';
        return dir + (needsDelimiter ? "/" : "") + name;
    }

    const std::vector<std::string>& searchPaths_;
};

bool IsFileNameProperty(const DescProperty& prop) {
    return SameText(prop.name, "FileName") && prop.value.type == ValueType::String;
}

// Lets a registered component write the object's properties itself.
void RewriteThroughComponent(DescObject& object, const ClassInfo& info, const FileResolver& files, const std::string& path) {
    DescObject input;  // the properties only: children are compiled on their own
    input.properties = object.properties;
    for (DescProperty& prop : input.properties) {
        if (!IsFileNameProperty(prop)) continue;
        const std::string found = files.Find(prop.value.text);
        prop.value.text = found.empty() ? files.Expected(prop.value.text) : found;
    }
    std::unique_ptr<TComponent> component(info.create(nullptr));
    component->SetName(object.name);
    ApplyProperties(*component, info, input, path);
    DescObject written = ComponentToObject(*component);
    // A file name that is recorded (not embedded) keeps its text as written:
    // the build machine's folders mean nothing where the program runs.
    for (DescProperty& prop : written.properties) {
        if (!IsFileNameProperty(prop)) continue;
        for (const DescProperty& original : object.properties)
            if (IsFileNameProperty(original)) prop.value.text = original.value.text;
    }
    object.properties = std::move(written.properties);
}

void CompileObject(DescObject& object, const FileResolver& files, const std::string& rootPath) {
    const std::string name = object.name.empty() ? object.className : object.name;
    const std::string path = rootPath.empty() ? name : rootPath + "." + name;
    if (const ClassInfo* info = ClassRegistry::Instance().Find(object.className)) {
        try {
            RewriteThroughComponent(object, *info, files, path);
        } catch (const EDescriptionError&) {
            throw;
        } catch (const Exception& e) {
            throw EDescriptionError("Line " + std::to_string(object.line) + ": " + path + ": " + e.Message());
        }
    }
    for (DescObject& child : object.children) CompileObject(child, files, rootPath.empty() ? name : rootPath);
}

}  // namespace

std::vector<std::uint8_t> CompileText(const std::string& text, const std::vector<std::string>& searchPaths) {
    const FileResolver files(searchPaths);
    DescObject root = ParseDescriptionText(text, [&files](const std::string& name) { return files.Load(name); });
    CompileObject(root, files, "");
    return EncodeDescription(root);
}

std::string DecompileToText(const void* data, std::size_t size, RawDataStyle style) {
    return FormatDescriptionText(DecodeDescription(data, size), style);
}

}  // namespace bvt

// fsembed extract FILE COMPONENT OUT
#include <memory>

#include "BinaryDescription.h"
#include "Command.h"
#include "ComponentStreaming.h"
#include "ComponentProperties.h"
#include "FileStream.h"
#include "StringUtils.h"
#include "ToolFiles.h"
#include "TypeInfo.h"

namespace bvt::fsembed {

namespace {

const DescObject* FindObject(const DescObject& object, const std::string& name) {
    if (SameText(object.name, name)) return &object;
    for (const DescObject& child : object.children)
        if (const DescObject* found = FindObject(child, name)) return found;
    return nullptr;
}

// Restores the file the way the program does at start-up: a component of
// the described class reads the description's properties (Compress before
// FileData) into its own temporary file, which is then copied to out.
void Restore(const DescObject& object, const std::string& out) {
    const ClassInfo* info = ClassRegistry::Instance().Find(object.className);
    const PropInfo* fileName = info ? info->FindProperty("FileName") : nullptr;
    if (!fileName) throw Exception(object.name + " (" + object.className + ") carries no embedded file");
    bool hasData = false;
    for (const DescProperty& p : object.properties) hasData = hasData || SameText(p.name, "FileData");
    if (!hasData) throw Exception(object.name + " has no embedded data (Store is False)");

    std::unique_ptr<TComponent> component(info->create(nullptr));
    component->SetName(object.name);
    ApplyProperties(*component, *info, object, object.name);
    const std::string restored = fileName->get(*component).text;
    if (restored.empty()) throw Exception(object.name + ": the restored file is missing");
    TFileStream source(restored, FileMode::OpenRead);
    TFileStream dest(out, FileMode::Create);
    dest.CopyFrom(source, source.Size());
}

int RunExtract(const Arguments& args) {
    RequireArgumentCount(args, 3, 3);
    std::string damaged;  // descriptions that could not be searched
    for (const DescriptionBytes& d : LoadDescriptions(args[0])) {
        DescObject root;
        try {
            root = DecodeDescription(d.bytes.data(), d.bytes.size());
        } catch (const EDescriptionError& e) {
            if (d.resourceName.empty()) throw;
            damaged += "; resource " + d.resourceName + ": " + e.Message();
            continue;
        }
        if (const DescObject* object = FindObject(root, args[1])) {
            Restore(*object, args[2]);
            return 0;
        }
    }
    throw Exception("no component named '" + args[1] + "' in " + args[0] + damaged);
}

const CommandRegistrar registrar{{"extract", "FILE COMPONENT OUT",
                                  "restore the file embedded in a component of a description or program", RunExtract}};

}  // namespace

}  // namespace bvt::fsembed

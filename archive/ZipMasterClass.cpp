// TZipMaster's published properties, in the order window descriptions list
// them. Identifier lists map bit i of a set to identifier i.
//
// The properties are a table dispatched by one getter and one setter: one
// accessor pair in the program instead of one per property, which keeps the
// installer small.
#include "TypeInfo.h"
#include "ZipMaster.h"

// windows.h maps RegisterClass to RegisterClassA; here it is the registry's.
#undef RegisterClass

namespace bvt {

namespace {

const std::vector<std::string> addOptionNames = {"AddDirNames",   "AddRecurseDirs", "AddMove",        "AddFreshen",
                                                 "AddUpdate",     "AddZipTime",     "AddForceDOS",    "AddHiddenFiles",
                                                 "AddArchiveOnly", "AddResetArchive", "AddEncrypt", "AddSeparateDirs"};
const std::vector<std::string> storeSuffixNames = {"assGIF", "assPNG", "assGZ",  "assZ",   "assZIP", "assZOO", "assARC",
                                                   "assLZH", "assARJ", "assTAZ", "assTGZ", "assLHA", "assRAR", "assACE",
                                                   "assCAB", "assGZIP", "assJAR", "assEXE", "assJPG"};
const std::vector<std::string> extrOptionNames = {"ExtrDirNames", "ExtrOverWrite", "ExtrFreshen", "ExtrUpdate", "ExtrTest"};
const std::vector<std::string> sfxOptionNames = {"SFXAskCmdLine", "SFXAskFiles",         "SFXAutoRun",
                                                 "SFXHideOverWriteBox", "SFXCheckSize", "SFXNoSuccessMsg"};
const std::vector<std::string> overWriteModeNames = {"OvrConfirm", "OvrAlways", "OvrNever"};

enum class P {
    AddCompLevel, AddOptions, AddStoreSuffixes, DLLDirectory, ExtrBaseDir, ExtrOptions, FSpecArgs, KeepFreeOnDisk1,
    MinUnzDllVers, MinZipDllVers, Password, SFXCaption, SFXOptions, SFXOverWriteMode, SFXPath, TempDir, Trace,
    Unattended, Verbose, VersionInfo, ZipFileName,
};

struct Property {
    const char* name;
    P id;
    PropKind kind;
    const std::vector<std::string>* identifiers;  // Enum and Set
    bool storedWhenSet;                           // written only when not empty
};

const Property properties[] = {
    {"AddCompLevel", P::AddCompLevel, PropKind::Integer, nullptr, false},
    {"AddOptions", P::AddOptions, PropKind::Set, &addOptionNames, false},
    {"AddStoreSuffixes", P::AddStoreSuffixes, PropKind::Set, &storeSuffixNames, false},
    {"DLLDirectory", P::DLLDirectory, PropKind::String, nullptr, true},
    {"ExtrBaseDir", P::ExtrBaseDir, PropKind::String, nullptr, true},
    {"ExtrOptions", P::ExtrOptions, PropKind::Set, &extrOptionNames, false},
    {"FSpecArgs", P::FSpecArgs, PropKind::String, nullptr, true},
    {"KeepFreeOnDisk1", P::KeepFreeOnDisk1, PropKind::Integer, nullptr, false},
    {"MinUnzDllVers", P::MinUnzDllVers, PropKind::Integer, nullptr, false},
    {"MinZipDllVers", P::MinZipDllVers, PropKind::Integer, nullptr, false},
    {"Password", P::Password, PropKind::String, nullptr, true},
    {"SFXCaption", P::SFXCaption, PropKind::String, nullptr, false},
    {"SFXOptions", P::SFXOptions, PropKind::Set, &sfxOptionNames, false},
    {"SFXOverWriteMode", P::SFXOverWriteMode, PropKind::Enum, &overWriteModeNames, false},
    {"SFXPath", P::SFXPath, PropKind::String, nullptr, false},
    {"TempDir", P::TempDir, PropKind::String, nullptr, true},
    {"Trace", P::Trace, PropKind::Boolean, nullptr, false},
    {"Unattended", P::Unattended, PropKind::Boolean, nullptr, false},
    {"Verbose", P::Verbose, PropKind::Boolean, nullptr, false},
    {"VersionInfo", P::VersionInfo, PropKind::String, nullptr, false},
    {"ZipFileName", P::ZipFileName, PropKind::String, nullptr, true},
};

// Integers, booleans, sets (as masks) and the enumeration (as its ordinal).
std::int64_t GetNumber(const TZipMaster& z, P p) {
    switch (p) {
    case P::AddCompLevel: return z.AddCompLevel();
    case P::AddOptions: return z.AddOptions();
    case P::AddStoreSuffixes: return z.AddStoreSuffixes();
    case P::ExtrOptions: return z.ExtrOptions();
    case P::KeepFreeOnDisk1: return z.KeepFreeOnDisk1();
    case P::MinUnzDllVers: return z.MinUnzDllVers();
    case P::MinZipDllVers: return z.MinZipDllVers();
    case P::SFXOptions: return z.SFXOptions();
    case P::SFXOverWriteMode: return static_cast<int>(z.SFXOverWriteMode());
    case P::Trace: return z.Trace();
    case P::Unattended: return z.Unattended();
    case P::Verbose: return z.Verbose();
    default: return 0;
    }
}

void SetNumber(TZipMaster& z, P p, std::int64_t v) {
    const auto mask = static_cast<std::uint32_t>(v);
    switch (p) {
    case P::AddCompLevel: z.SetAddCompLevel(v); break;
    case P::AddOptions: z.SetAddOptions(mask); break;
    case P::AddStoreSuffixes: z.SetAddStoreSuffixes(mask); break;
    case P::ExtrOptions: z.SetExtrOptions(mask); break;
    case P::KeepFreeOnDisk1: z.SetKeepFreeOnDisk1(v); break;
    case P::MinUnzDllVers: z.SetMinUnzDllVers(v); break;
    case P::MinZipDllVers: z.SetMinZipDllVers(v); break;
    case P::SFXOptions: z.SetSFXOptions(mask); break;
    case P::SFXOverWriteMode: z.SetSFXOverWriteMode(static_cast<TOverWriteMode>(v)); break;
    case P::Trace: z.SetTrace(v != 0); break;
    case P::Unattended: z.SetUnattended(v != 0); break;
    case P::Verbose: z.SetVerbose(v != 0); break;
    default: break;
    }
}

std::string GetText(const TZipMaster& z, P p) {
    switch (p) {
    case P::DLLDirectory: return z.DLLDirectory();
    case P::ExtrBaseDir: return z.ExtrBaseDir();
    case P::FSpecArgs: return z.FSpecArgs();
    case P::Password: return z.Password();
    case P::SFXCaption: return z.SFXCaption();
    case P::SFXPath: return z.SFXPath();
    case P::TempDir: return z.TempDir();
    case P::VersionInfo: return z.VersionInfo();
    case P::ZipFileName: return z.ZipFileName();
    default: return {};
    }
}

void SetText(TZipMaster& z, P p, const std::string& v) {
    switch (p) {
    case P::DLLDirectory: z.SetDLLDirectory(v); break;
    case P::ExtrBaseDir: z.SetExtrBaseDir(v); break;
    case P::FSpecArgs: z.SetFSpecArgs(v); break;
    case P::Password: z.SetPassword(v); break;
    case P::SFXCaption: z.SetSFXCaption(v); break;
    case P::SFXPath: z.SetSFXPath(v); break;
    case P::TempDir: z.SetTempDir(v); break;
    case P::VersionInfo: z.SetVersionInfo(v); break;
    case P::ZipFileName: z.SetZipFileName(v); break;
    default: break;
    }
}

PropValue Get(TComponent& c, const Property& p) {
    auto& z = static_cast<TZipMaster&>(c);
    const std::int64_t number = GetNumber(z, p.id);
    switch (p.kind) {
    case PropKind::Integer: return PropValue::Integer(number);
    case PropKind::Boolean: return PropValue::Boolean(number != 0);
    case PropKind::String: return PropValue::String(GetText(z, p.id));
    case PropKind::Enum:
        return PropValue::Enum(number >= 0 && number < static_cast<std::int64_t>(p.identifiers->size())
                                   ? (*p.identifiers)[static_cast<std::size_t>(number)]
                                   : std::string());
    case PropKind::Set: {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < p.identifiers->size() && i < 32; ++i)
            if (number & (std::int64_t{1} << i)) names.push_back((*p.identifiers)[i]);
        return PropValue::Set(std::move(names));
    }
    }
    return {};
}

void Set(TComponent& c, const Property& p, const PropValue& v) {
    auto& z = static_cast<TZipMaster&>(c);
    switch (p.kind) {
    case PropKind::Integer: SetNumber(z, p.id, v.integer); break;
    case PropKind::Boolean: SetNumber(z, p.id, v.boolean); break;
    case PropKind::String: SetText(z, p.id, v.text); break;
    case PropKind::Enum: SetNumber(z, p.id, IdentifierOrdinal(p.name, *p.identifiers, v.text)); break;
    case PropKind::Set: {
        std::uint32_t mask = 0;
        for (const std::string& n : v.names) mask |= 1u << IdentifierOrdinal(p.name, *p.identifiers, n);
        SetNumber(z, p.id, mask);
        break;
    }
    }
}

}  // namespace

void RegisterArchiveClasses() {
    ClassInfo& info = RegisterClass<TZipMaster>("TZipMaster", "TComponent").Info();
    for (const Property& p : properties) {
        PropInfo prop{p.name, p.kind, p.identifiers ? *p.identifiers : std::vector<std::string>{},
                      [&p](TComponent& c) { return Get(c, p); },
                      [&p](TComponent& c, const PropValue& v) { Set(c, p, v); },
                      {}};
        if (p.storedWhenSet)
            prop.stored = [&p](TComponent& c) { return !GetText(static_cast<TZipMaster&>(c), p.id).empty(); };
        info.properties.push_back(std::move(prop));
    }
}

}  // namespace bvt

// TZipMaster's published properties, in the order window descriptions list
// them. Identifier lists map bit i of a set to identifier i.
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

}  // namespace

void RegisterArchiveClasses() {
    using Z = TZipMaster;
    RegisterClass<Z>("TZipMaster", "TComponent")
        .Integer("AddCompLevel", [](Z& z) { return z.AddCompLevel(); }, [](Z& z, std::int64_t v) { z.SetAddCompLevel(v); })
        .Set("AddOptions", addOptionNames, [](Z& z) { return z.AddOptions(); }, [](Z& z, std::uint32_t v) { z.SetAddOptions(v); })
        .Set("AddStoreSuffixes", storeSuffixNames, [](Z& z) { return z.AddStoreSuffixes(); },
             [](Z& z, std::uint32_t v) { z.SetAddStoreSuffixes(v); })
        .String("DLLDirectory", [](Z& z) { return z.DLLDirectory(); }, [](Z& z, const std::string& v) { z.SetDLLDirectory(v); },
                [](Z& z) { return !z.DLLDirectory().empty(); })
        .String("ExtrBaseDir", [](Z& z) { return z.ExtrBaseDir(); }, [](Z& z, const std::string& v) { z.SetExtrBaseDir(v); },
                [](Z& z) { return !z.ExtrBaseDir().empty(); })
        .Set("ExtrOptions", extrOptionNames, [](Z& z) { return z.ExtrOptions(); }, [](Z& z, std::uint32_t v) { z.SetExtrOptions(v); })
        .String("FSpecArgs", [](Z& z) { return z.FSpecArgs(); }, [](Z& z, const std::string& v) { z.SetFSpecArgs(v); },
                [](Z& z) { return !z.FSpecArgs().empty(); })
        .Integer("KeepFreeOnDisk1", [](Z& z) { return z.KeepFreeOnDisk1(); }, [](Z& z, std::int64_t v) { z.SetKeepFreeOnDisk1(v); })
        .Integer("MinUnzDllVers", [](Z& z) { return z.MinUnzDllVers(); }, [](Z& z, std::int64_t v) { z.SetMinUnzDllVers(v); })
        .Integer("MinZipDllVers", [](Z& z) { return z.MinZipDllVers(); }, [](Z& z, std::int64_t v) { z.SetMinZipDllVers(v); })
        .String("Password", [](Z& z) { return z.Password(); }, [](Z& z, const std::string& v) { z.SetPassword(v); },
                [](Z& z) { return !z.Password().empty(); })
        .String("SFXCaption", [](Z& z) { return z.SFXCaption(); }, [](Z& z, const std::string& v) { z.SetSFXCaption(v); })
        .Set("SFXOptions", sfxOptionNames, [](Z& z) { return z.SFXOptions(); }, [](Z& z, std::uint32_t v) { z.SetSFXOptions(v); })
        .Enum("SFXOverWriteMode", overWriteModeNames, [](Z& z) { return static_cast<int>(z.SFXOverWriteMode()); },
              [](Z& z, int v) { z.SetSFXOverWriteMode(static_cast<TOverWriteMode>(v)); })
        .String("SFXPath", [](Z& z) { return z.SFXPath(); }, [](Z& z, const std::string& v) { z.SetSFXPath(v); })
        .String("TempDir", [](Z& z) { return z.TempDir(); }, [](Z& z, const std::string& v) { z.SetTempDir(v); },
                [](Z& z) { return !z.TempDir().empty(); })
        .Boolean("Trace", [](Z& z) { return z.Trace(); }, [](Z& z, bool v) { z.SetTrace(v); })
        .Boolean("Unattended", [](Z& z) { return z.Unattended(); }, [](Z& z, bool v) { z.SetUnattended(v); })
        .Boolean("Verbose", [](Z& z) { return z.Verbose(); }, [](Z& z, bool v) { z.SetVerbose(v); })
        .String("VersionInfo", [](Z& z) { return z.VersionInfo(); }, [](Z& z, const std::string& v) { z.SetVersionInfo(v); })
        .String("ZipFileName", [](Z& z) { return z.ZipFileName(); }, [](Z& z, const std::string& v) { z.SetZipFileName(v); },
                [](Z& z) { return !z.ZipFileName().empty(); });
}

}  // namespace bvt

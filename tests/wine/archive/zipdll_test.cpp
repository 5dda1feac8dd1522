// zipdll.dll as the installer carries it: loaded by full path, it writes an
// archive that the ZIP core reads back intact.
#include <gtest/gtest.h>

#include "ArchiveWinSupport.h"
#include "ZipDirectory.h"
#include "ZipDllApi.h"
#include "ZipExtract.h"

using namespace bvt::wintest;

TEST(ZipDll, WritesAnArchiveTheReaderAccepts) {
    const HMODULE dll = LoadLibraryExA(BVT_ZIPDLL_PATH, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    ASSERT_NE(nullptr, dll) << BVT_ZIPDLL_PATH;
    auto exec = reinterpret_cast<ZipDllExecFn>(reinterpret_cast<void*>(GetProcAddress(dll, "ZipDllExec")));
    auto version = reinterpret_cast<GetZipDllVersionFn>(reinterpret_cast<void*>(GetProcAddress(dll, "GetZipDllVersion")));
    ASSERT_NE(nullptr, exec);
    ASSERT_NE(nullptr, version);
    EXPECT_EQ(170, version());

    TempFolder folder, out;
    WriteFile(folder / "a.txt", "text\r\n");
    WriteFile(folder / "b.bin", std::string(100000, 'b'));
    const std::string a = folder / "a.txt", b = folder / "b.bin", zipPath = folder / "out.zip";
    const char* files[] = {a.c_str(), b.c_str()};
    ZipDllParams params{};
    params.structSize = sizeof params;
    params.archivePath = zipPath.c_str();
    params.files = files;
    params.fileCount = 2;
    EXPECT_EQ(2, exec(&params)) << params.error;

    const bvt::zip::ZipOutcome outcome = bvt::zip::ExtractArchiveFile(zipPath, out.Path(), {});
    EXPECT_TRUE(outcome.Succeeded()) << outcome.firstError;
    EXPECT_EQ("text\r\n", ReadFile(out / "a.txt"));
    EXPECT_EQ(std::string(100000, 'b'), ReadFile(out / "b.bin"));

    params.fileCount = 1;
    const std::string missing = folder / "missing.bin";
    files[0] = missing.c_str();
    EXPECT_EQ(-1, exec(&params));
    EXPECT_NE(std::string(params.error), "");
    FreeLibrary(dll);
}

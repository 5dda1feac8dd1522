// zipdll.dll: the archive-writing library over the ZIP core's writer. No
// C++ exception leaves the library.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "ZipDllApi.h"
#include "ZipSource.h"
#include "ZipWriter.h"

namespace {

void SetError(ZipDllParams& params, const std::string& text) {
    const std::size_t n = text.size() < sizeof params.error - 1 ? text.size() : sizeof params.error - 1;
    std::memcpy(params.error, text.data(), n);
    params.error[n] = '\0';
}

}  // namespace

extern "C" __declspec(dllexport) std::int32_t WINAPI ZipDllExec(ZipDllParams* params) {
    if (!params || params->structSize != sizeof(ZipDllParams)) return -1;
    params->error[0] = '\0';
    try {
        if (!params->archivePath || (params->fileCount > 0 && !params->files))
            throw bvt::zip::EZipError("No archive or files given");
        std::vector<bvt::zip::ZipWriteItem> items;
        for (std::uint32_t i = 0; i < params->fileCount; ++i) {
            if (!params->files[i]) throw bvt::zip::EZipError("A file name is missing");
            items.push_back(bvt::zip::ZipWriteItem{params->files[i], "", {}});
        }
        bvt::zip::ZipWriteOptions options;
        if (params->useFixedTime) options.fixedTime = bvt::zip::DosStamp{params->dosDate, params->dosTime};
        bvt::zip::WriteZipArchive(params->archivePath, items, options);
        return static_cast<std::int32_t>(items.size());
    } catch (const std::exception& e) {
        SetError(*params, e.what());
    } catch (...) {
        SetError(*params, "Unexpected failure in the archive writer");
    }
    return -1;
}

extern "C" __declspec(dllexport) std::int32_t WINAPI GetZipDllVersion(void) { return ZIPDLL_VERSION; }

// The interface of the archive-writing library zipdll.dll: writes an archive
// of the given files in the payload's layout (deflate level 9, in order,
// under their bare names).
#pragma once

#include <windows.h>

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ZIPDLL_VERSION 170

typedef struct ZipDllParams {
    uint32_t structSize;        // sizeof(ZipDllParams), checked by the library
    const char* archivePath;    // created or replaced
    const char* const* files;   // fileCount source paths, stored in this order
    uint32_t fileCount;
    int32_t useFixedTime;       // non-zero: every entry gets dosDate/dosTime
    uint16_t dosDate;
    uint16_t dosTime;
    char error[512];            // written by the library, "" on success
} ZipDllParams;

// Returns the number of entries written, or -1 on failure (error says why).
typedef int32_t(WINAPI* ZipDllExecFn)(ZipDllParams* params);
typedef int32_t(WINAPI* GetZipDllVersionFn)(void);

#ifdef __cplusplus
}
#endif

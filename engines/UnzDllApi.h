// The interface between the archive component and the unzip engine library
// unzdll.dll: one parameter block in, events out through a callback, and the
// outcome written back into the block. Plain C, so that the component and
// the engine agree whatever compiler built each.
#pragma once

#include <windows.h>

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// The engine's version as GetUnzDllVersion returns it.
#define UNZDLL_VERSION 170

// Options of one run (UnzDllParams.options).
#define UNZ_OPT_OVERWRITE 0x0001u   // replace existing files (otherwise they are kept and the entry fails)
#define UNZ_OPT_DIRNAMES 0x0002u    // recreate stored folders (not supported: refused)
#define UNZ_OPT_TEST 0x0004u        // verify every entry, write nothing
#define UNZ_OPT_QUIET 0x0008u       // report through the callback only, never by own boxes
#define UNZ_OPT_KEEP_TIMES 0x0010u  // give files the stored modification times

// Events of the callback (UnzDllEvent.kind).
#define UNZ_EVENT_FILE_BEGINS 1     // name, size: an entry is about to be written
#define UNZ_EVENT_PROGRESS 2        // size: bytes of the current entry just written
#define UNZ_EVENT_ENTRY_FAILED 3    // name, message: an entry was not written
#define UNZ_EVENT_MESSAGE 4         // message: a condition worth recording
#define UNZ_EVENT_END_OF_BATCH 5    // the run is over

typedef struct UnzDllEvent {
    uint32_t kind;
    const char* name;       // stored entry name, or NULL
    uint64_t size;
    const char* message;    // or NULL
} UnzDllEvent;

// Called on the caller's thread during UnzDllExec. A non-zero return ends
// the run before the next entry.
typedef int(WINAPI* UnzDllCallback)(void* context, const UnzDllEvent* event);

#define UNZ_FIRST_ERROR_SIZE 512

typedef struct UnzDllParams {
    uint32_t structSize;        // sizeof(UnzDllParams), checked by the engine
    const char* archivePath;
    const char* baseDir;        // extraction folder; every entry lands directly in it
    const char* password;       // unused: encrypted entries are refused
    uint32_t options;           // UNZ_OPT_*
    HWND ownerWindow;           // for any window the engine might show
    UnzDllCallback callback;    // may be NULL
    void* context;              // handed back to the callback

    // Outcome, written by the engine.
    uint32_t entriesTotal;
    uint32_t filesWritten;
    uint32_t entriesFailed;
    int32_t succeeded;          // every entry written and verified
    char firstError[UNZ_FIRST_ERROR_SIZE];  // NUL-terminated, "" when none
} UnzDllParams;

// Runs one extraction; returns the number of files written, or -1 when the
// archive could not be processed at all (firstError says why).
typedef int32_t(WINAPI* UnzDllExecFn)(UnzDllParams* params);
typedef int32_t(WINAPI* GetUnzDllVersionFn)(void);

#ifdef __cplusplus
}
#endif

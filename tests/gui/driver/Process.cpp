#include "Process.h"

#include <winternl.h>

#include <stdexcept>

namespace bvt::gui {

Process::Process(const std::string& exe, const std::string& args, const std::string& workDir) {
    std::string commandLine = "\"" + exe + "\"";
    if (!args.empty()) commandLine += " " + args;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : workDir.c_str(), &startup, &info_)) {
        throw std::runtime_error("starting " + commandLine + " in '" + workDir + "' failed: error " +
                                 std::to_string(GetLastError()));
    }
}

Process::~Process() {
    while (suspended_ > 0) Resume();
    if (Running()) {
        TerminateProcess(info_.hProcess, 255);
        WaitForSingleObject(info_.hProcess, 10000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Process::Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

bool Process::WaitForExit(DWORD timeoutMs) {
    return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void Process::Suspend() {
    if (SuspendThread(info_.hThread) != static_cast<DWORD>(-1)) ++suspended_;
}

void Process::Resume() {
    if (ResumeThread(info_.hThread) != static_cast<DWORD>(-1)) --suspended_;
}

std::string CommandLineOf(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) return "";
    std::string result;
    PROCESS_BASIC_INFORMATION basic{};
    PEB peb{};
    RTL_USER_PROCESS_PARAMETERS parameters{};
    const auto read = [&](const void* at, void* into, size_t size) {
        SIZE_T got = 0;
        return ReadProcessMemory(process, at, into, size, &got) && got == size;
    };
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) == 0 &&
        read(basic.PebBaseAddress, &peb, sizeof peb) &&
        read(peb.ProcessParameters, &parameters, sizeof parameters)) {
        std::wstring text(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
        if (read(parameters.CommandLine.Buffer, text.data(), parameters.CommandLine.Length)) {
            const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                                 nullptr, nullptr);
            result.resize(static_cast<size_t>(size));
            WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                                nullptr);
        }
    }
    CloseHandle(process);
    return result;
}

}  // namespace bvt::gui

#include "stand_in_platform.h"

namespace stand_in {
namespace {

char default_command_line[] = "tavrinel.exe";

Script the_script;
Record the_record;

} // namespace

const PROCESS_INFORMATION created_child = {reinterpret_cast<HANDLE>(0x7A4),
                                           reinterpret_cast<HANDLE>(0x7A8), 4242, 4343};

Script &script() { return the_script; }
const Record &record() { return the_record; }

void reset() {
    the_script = Script{};
    the_script.command_line = default_command_line;
    the_script.acp = 1252;
    the_script.cpinfo_result = TRUE;
    the_script.cpinfo.MaxCharSize = 1;
    the_script.cpinfo.DefaultChar[0] = '?';
    the_script.create_process_result = TRUE;
    the_script.set_affinity_result = TRUE;
    the_record = Record{};
}

} // namespace stand_in

using stand_in::the_record;
using stand_in::the_script;

LPSTR GetCommandLineA() {
    the_record.calls.emplace_back("GetCommandLineA");
    return the_script.command_line;
}

UINT GetACP() {
    the_record.calls.emplace_back("GetACP");
    return the_script.acp;
}

BOOL GetCPInfo(UINT CodePage, CPINFO *lpCPInfo) {
    the_record.calls.emplace_back("GetCPInfo");
    the_record.cpinfo_code_pages.push_back(CodePage);
    if (the_script.cpinfo_result != FALSE) {
        *lpCPInfo = the_script.cpinfo;
    }
    return the_script.cpinfo_result;
}

// The system's signature: the command line is not const.
BOOL CreateProcessA(LPCSTR lpApplicationName,
                    LPSTR lpCommandLine, // NOLINT(readability-non-const-parameter)
                    SECURITY_ATTRIBUTES *lpProcessAttributes,
                    SECURITY_ATTRIBUTES *lpThreadAttributes, BOOL bInheritHandles,
                    DWORD dwCreationFlags, LPVOID lpEnvironment, LPCSTR lpCurrentDirectory,
                    STARTUPINFOA *lpStartupInfo, PROCESS_INFORMATION *lpProcessInformation) {
    the_record.calls.emplace_back("CreateProcessA");
    the_record.create_process.push_back(
        {lpApplicationName, lpCommandLine, lpCommandLine == nullptr ? "" : lpCommandLine,
         lpProcessAttributes, lpThreadAttributes, bInheritHandles, dwCreationFlags, lpEnvironment,
         lpCurrentDirectory, *lpStartupInfo, *lpProcessInformation});
    // Like the system, a failed creation leaves the record as it was.
    if (the_script.create_process_result != FALSE) {
        *lpProcessInformation = stand_in::created_child;
    }
    return the_script.create_process_result;
}

BOOL SetProcessAffinityMask(HANDLE hProcess, DWORD_PTR dwProcessAffinityMask) {
    the_record.calls.emplace_back("SetProcessAffinityMask");
    the_record.set_affinity.push_back({hProcess, dwProcessAffinityMask});
    // The system refuses a null handle whatever it is asked.
    return hProcess == nullptr ? FALSE : the_script.set_affinity_result;
}

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    the_record.calls.emplace_back("MessageBoxA");
    the_record.message_boxes.push_back({hWnd, lpText, lpCaption, uType});
    return 1; // IDOK
}

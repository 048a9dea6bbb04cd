#pragma once

// Control over the host stand-in for Win32: what the system answers, and what
// the launcher asked of it.

#include "win32_stand_in.h"

#include <string>
#include <vector>

namespace stand_in {

// The system's answers; reset() restores these defaults: a command line of
// "tavrinel.exe", a single-byte code page that GetCPInfo describes, and calls
// that succeed.
struct Script {
    char *command_line;
    UINT acp;
    BOOL cpinfo_result;
    CPINFO cpinfo;
    BOOL create_process_result;
    BOOL set_affinity_result;
};

struct CreateProcessCall {
    LPCSTR application_name;
    LPSTR command_line;
    std::string command_line_text;
    SECURITY_ATTRIBUTES *process_attributes;
    SECURITY_ATTRIBUTES *thread_attributes;
    BOOL inherit_handles;
    DWORD creation_flags;
    LPVOID environment;
    LPCSTR current_directory;
    STARTUPINFOA startup_info;               // as the launcher filled it
    PROCESS_INFORMATION process_info_before; // before the system writes to it
};

struct SetAffinityCall {
    HANDLE process;
    DWORD_PTR mask;
};

struct MessageBoxCall {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

struct Record {
    std::vector<std::string> calls; // names, in the order they were made
    std::vector<UINT> cpinfo_code_pages;
    std::vector<CreateProcessCall> create_process;
    std::vector<SetAffinityCall> set_affinity;
    std::vector<MessageBoxCall> message_boxes;
};

Script &script();
const Record &record();
void reset();

// What a successful CreateProcessA hands out.
extern const PROCESS_INFORMATION created_child;

} // namespace stand_in

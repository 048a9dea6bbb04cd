#include "launcher_driver.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace driver {
namespace {

const DWORD time_limit_ms = 20000;

// The launcher's message boxes are dialogs of its own process; parallel tests
// in the same prefix show boxes with the same caption.
struct BoxSearch {
    DWORD process_id;
    std::vector<HWND> seen;
    HWND found;
};

BOOL CALLBACK find_box(HWND window, LPARAM search_address) {
    auto *search = reinterpret_cast<BoxSearch *>(search_address);
    DWORD owner_process = 0;
    GetWindowThreadProcessId(window, &owner_process);
    char class_name[64] = "";
    GetClassNameA(window, class_name, sizeof class_name);
    // Visible only once the dialog has been filled in.
    if (owner_process != search->process_id || std::string(class_name) != "#32770" ||
        !IsWindowVisible(window)) {
        return TRUE;
    }
    for (HWND seen : search->seen) {
        if (seen == window) {
            return TRUE;
        }
    }
    search->found = window;
    return FALSE;
}

BOOL CALLBACK collect_button(HWND control, LPARAM buttons_address) {
    char class_name[64] = "";
    GetClassNameA(control, class_name, sizeof class_name);
    if (std::string(class_name) == "Button" && IsWindowVisible(control)) {
        reinterpret_cast<std::vector<int> *>(buttons_address)->push_back(GetDlgCtrlID(control));
    }
    return TRUE;
}

std::string window_text(HWND window) {
    char text[4096] = "";
    const int length = GetWindowTextA(window, text, sizeof text);
    return {text, length > 0 ? static_cast<size_t>(length) : 0};
}

MessageBoxSeen read_box(HWND box) {
    MessageBoxSeen seen;
    seen.caption = window_text(box);
    const HWND text = GetDlgItem(box, 0xFFFF);
    seen.text = text != nullptr ? window_text(text) : std::string("<no text control>");
    EnumChildWindows(box, collect_button, reinterpret_cast<LPARAM>(&seen.buttons));
    const HWND icon = GetDlgItem(box, 1088);
    seen.has_icon =
        icon != nullptr && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
    seen.owner = GetWindow(box, GW_OWNER);
    return seen;
}

std::string unhex(const std::string &text) {
    std::string bytes;
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

} // namespace

std::string bin_dir() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of('\\'));
}

std::string launcher_path() {
    // Another build of the launcher can be put to the same tests; its path
    // comes from the Unix side.
    char unix_path[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA("TAVRINEL_EXE", unix_path, sizeof unix_path);
    if (length == 0 || length >= sizeof unix_path) {
        return bin_dir() + "\\tavrinel.exe";
    }
    std::string path = std::string("Z:") + unix_path;
    for (char &c : path) {
        c = c == '/' ? '\\' : c;
    }
    return path;
}

std::string scratch_dir(const std::string &name) {
    const std::string root = bin_dir() + "\\scratch";
    CreateDirectoryA(root.c_str(), nullptr);
    std::string dir = root + "\\" + name + "-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

std::string quoted(const std::string &path) {
    return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

LauncherRun run_launcher(const std::string &raw_command_line, const LaunchOptions &options) {
    LauncherRun run = {false, 0, {}, 0};

    // A job holds the launcher and everything it starts, so the test can count
    // them.
    const HANDLE job = CreateJobObjectA(nullptr, nullptr);

    if (options.inheritable_handle != nullptr) {
        SetHandleInformation(options.inheritable_handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    }
    std::string command_line = raw_command_line;
    STARTUPINFOA startup_info = {};
    startup_info.cb = sizeof startup_info;
    PROCESS_INFORMATION launcher = {};
    if (CreateProcessA(options.application.c_str(), command_line.data(), nullptr, nullptr,
                       options.inheritable_handle != nullptr ? TRUE : FALSE, CREATE_SUSPENDED,
                       nullptr, options.current_directory, &startup_info, &launcher) == FALSE) {
        std::fprintf(stderr, "cannot start %s: error %lu\n", options.application.c_str(),
                     GetLastError());
        CloseHandle(job);
        return run;
    }
    AssignProcessToJobObject(job, launcher.hProcess);
    ResumeThread(launcher.hThread);

    BoxSearch search = {launcher.dwProcessId, {}, nullptr};
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < time_limit_ms) {
        if (WaitForSingleObject(launcher.hProcess, 20) == WAIT_OBJECT_0) {
            run.ended = true;
            break;
        }
        search.found = nullptr;
        EnumWindows(find_box, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            run.boxes.push_back(read_box(search.found));
            search.seen.push_back(search.found);
            PostMessageA(search.found, WM_COMMAND, IDOK, 0);
        }
    }
    if (run.ended) {
        GetExitCodeProcess(launcher.hProcess, &run.exit_code);
    } else {
        TerminateProcess(launcher.hProcess, 99);
    }
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting,
                              sizeof accounting, nullptr);
    run.processes_in_job = accounting.TotalProcesses;

    CloseHandle(launcher.hThread);
    CloseHandle(launcher.hProcess);
    // Closing the job leaves a child running: the test looks at it afterwards.
    CloseHandle(job);
    return run;
}

Probe prepare_probe() {
    static int count = 0;
    Probe probe;
    probe.tag =
        "tavrinel-probe-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
    probe.report_path = scratch_dir("reports") + "\\" + probe.tag + ".txt";
    DeleteFileA(probe.report_path.c_str());
    probe.ready = CreateEventA(nullptr, TRUE, FALSE, (probe.tag + "-ready").c_str());
    probe.release = CreateEventA(nullptr, TRUE, FALSE, (probe.tag + "-release").c_str());
    SetEnvironmentVariableA("TAVRINEL_PROBE_TAG", probe.tag.c_str());
    SetEnvironmentVariableA("TAVRINEL_PROBE_REPORT", probe.report_path.c_str());
    return probe;
}

ProbeReport wait_for_report(const Probe &probe) {
    ProbeReport report = {false, "", "", "", 0, 0};
    if (WaitForSingleObject(probe.ready, time_limit_ms) != WAIT_OBJECT_0) {
        return report;
    }
    std::ifstream file(probe.report_path, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        const size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (key == "command_line") {
            report.command_line = unhex(value);
        } else if (key == "current_directory") {
            report.current_directory = value;
        } else if (key == "marker") {
            report.marker = value;
        } else if (key == "pointer_size") {
            report.pointer_size = std::stoi(value);
        } else if (key == "process_id") {
            report.process_id = static_cast<DWORD>(std::stoul(value));
        }
    }
    report.arrived = report.process_id != 0;
    return report;
}

DWORD_PTR affinity_of(DWORD process_id) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, process_id);
    if (process == nullptr) {
        return 0;
    }
    DWORD_PTR process_mask = 0;
    DWORD_PTR system_mask = 0;
    GetProcessAffinityMask(process, &process_mask, &system_mask);
    CloseHandle(process);
    return process_mask;
}

void release(Probe &probe, DWORD process_id) {
    const HANDLE process = process_id != 0 ? OpenProcess(SYNCHRONIZE, FALSE, process_id) : nullptr;
    SetEvent(probe.release);
    if (process != nullptr) {
        WaitForSingleObject(process, time_limit_ms);
        CloseHandle(process);
    }
    CloseHandle(probe.ready);
    CloseHandle(probe.release);
    DeleteFileA(probe.report_path.c_str());
}

} // namespace driver

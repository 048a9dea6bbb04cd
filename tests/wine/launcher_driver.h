#pragma once

// Drives the real tavrinel.exe under Wine: starts it with an exact raw command
// line, answers the message boxes it shows, and watches the child it starts.

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// Where the launcher and the test programs were built.
std::string bin_dir();
std::string launcher_path();
// A folder for one test's files, made once per test process and kept for a
// look after the run (under bin\scratch).
std::string scratch_dir(const std::string &name);

struct MessageBoxSeen {
    std::string caption;
    std::string text;
    std::vector<int> buttons; // control ids of the visible buttons
    bool has_icon;
    HWND owner;
};

struct LaunchOptions {
    std::string application = launcher_path(); // the program started
    const char *current_directory = nullptr;
    HANDLE inheritable_handle = nullptr; // handed to the launcher if set
};

struct LauncherRun {
    bool ended; // false: it was still running after the time limit
    DWORD exit_code;
    std::vector<MessageBoxSeen> boxes;
    DWORD processes_in_job; // the launcher and every process it started
};

// raw_command_line is exactly what GetCommandLineA returns in the launcher.
LauncherRun run_launcher(const std::string &raw_command_line,
                         const LaunchOptions &options = LaunchOptions());

// A probe child that the test expects the launcher to start. Creating one sets
// the environment variables through which the probe finds its report file and
// its events; the launcher passes them on.
struct Probe {
    std::string tag;
    std::string report_path;
    HANDLE ready;
    HANDLE release;
};

struct ProbeReport {
    bool arrived;
    std::string command_line; // byte for byte
    std::string current_directory;
    std::string marker; // the TAVRINEL_PROBE_MARKER it inherited
    int pointer_size;
    DWORD process_id;
};

Probe prepare_probe();
ProbeReport wait_for_report(const Probe &probe);
// The probe's affinity mask as another process sees it; 0 if it cannot be read.
DWORD_PTR affinity_of(DWORD process_id);
// Lets the probe end and waits for it.
void release(Probe &probe, DWORD process_id);

// "a b" with quotes when it holds a blank, for building command lines.
std::string quoted(const std::string &path);

} // namespace driver

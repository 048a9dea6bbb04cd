// Times, under Wine and alternating run by run: the launcher starting a
// do-nothing program, the do-nothing program started directly (also in a build
// that loads USER32, as the launcher does), and Wine's "start /affinity 1"
// starting it. Each time runs from CreateProcess until the started process
// has ended. Then starts itself through the launcher as a
// watcher child that measures how long it ran before it was pinned.
//
//   wine_bench.exe [runs]           the benchmark (default 200 runs)
//   wine_bench.exe --watch FILE     the watcher child

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string bin_dir() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string dir(path);
    return dir.substr(0, dir.find_last_of('\\'));
}

double seconds_now() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

ULONGLONG filetime_now() {
    FILETIME time;
    GetSystemTimePreciseAsFileTime(&time);
    return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

// Starts a command line in a job, waits for the started process to end, and
// returns the time that took; then waits for everything it started, so that
// runs do not overlap.
double time_command(const std::string &application, std::string command_line) {
    const HANDLE job = CreateJobObjectA(nullptr, nullptr);
    STARTUPINFOA startup_info = {};
    startup_info.cb = sizeof startup_info;
    PROCESS_INFORMATION process = {};
    const double start = seconds_now();
    if (CreateProcessA(application.empty() ? nullptr : application.c_str(), command_line.data(),
                       nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &startup_info,
                       &process) == FALSE) {
        std::fprintf(stderr, "cannot start %s\n", command_line.c_str());
        std::exit(1);
    }
    AssignProcessToJobObject(job, process.hProcess);
    ResumeThread(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    const double elapsed = seconds_now() - start;

    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    for (int i = 0; i < 1000; ++i) {
        QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting,
                                  sizeof accounting, nullptr);
        if (accounting.ActiveProcesses == 0) {
            break;
        }
        Sleep(1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(job);
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The watcher child: records the mask it first saw and the time from its
// creation until it saw 0x1, in 100-nanosecond units.
int watch(const char *report_path) {
    DWORD_PTR first_mask = 0;
    DWORD_PTR mask = 0;
    DWORD_PTR system_mask = 0;
    GetProcessAffinityMask(GetCurrentProcess(), &first_mask, &system_mask);
    mask = first_mask;
    const ULONGLONG started = filetime_now();
    while (mask != 1 && filetime_now() - started < 20000000) {
        GetProcessAffinityMask(GetCurrentProcess(), &mask, &system_mask);
    }
    const ULONGLONG seen = filetime_now();
    FILETIME created;
    FILETIME unused[3];
    GetProcessTimes(GetCurrentProcess(), &created, &unused[0], &unused[1], &unused[2]);
    const ULONGLONG creation = (ULONGLONG{created.dwHighDateTime} << 32) | created.dwLowDateTime;

    FILE *file = std::fopen(report_path, "w");
    if (file == nullptr) {
        return 1;
    }
    std::fprintf(file, "%llu %llu %llu\n", static_cast<unsigned long long>(first_mask),
                 static_cast<unsigned long long>(mask),
                 static_cast<unsigned long long>(seen - creation));
    std::fclose(file);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 3 && std::string(argv[1]) == "--watch") {
        return watch(argv[2]);
    }
    const long runs_asked = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 200;
    const int runs = static_cast<int>(std::max(1L, std::min(runs_asked, 100000L)));
    const std::string dir = bin_dir();
    const std::string launcher = dir + "\\tavrinel.exe";
    const std::string noop = dir + "\\noop.exe";
    const std::string noop_user32 = dir + "\\noop_user32.exe";
    char system_dir[MAX_PATH] = "";
    GetSystemDirectoryA(system_dir, sizeof system_dir);
    const std::string start_exe = std::string(system_dir) + "\\start.exe";

    // One untimed round first, so every file is in the cache.
    time_command(launcher, "tavrinel " + noop);
    time_command(noop, noop);
    time_command(noop_user32, noop_user32);
    time_command(start_exe, "start /affinity 1 " + noop);

    std::vector<double> through_launcher;
    std::vector<double> direct;
    std::vector<double> direct_user32;
    std::vector<double> through_start;
    for (int i = 0; i < runs; ++i) {
        through_launcher.push_back(time_command(launcher, "tavrinel " + noop));
        direct.push_back(time_command(noop, noop));
        direct_user32.push_back(time_command(noop_user32, noop_user32));
        through_start.push_back(time_command(start_exe, "start /affinity 1 " + noop));
    }
    const double launcher_ms = 1000 * median(through_launcher);
    const double direct_ms = 1000 * median(direct);
    const double direct_user32_ms = 1000 * median(direct_user32);
    const double start_ms = 1000 * median(through_start);

    WIN32_FILE_ATTRIBUTE_DATA attributes = {};
    GetFileAttributesExA(launcher.c_str(), GetFileExInfoStandard, &attributes);

    std::printf("runs: %d each, alternating\n", runs);
    std::printf("tavrinel.exe starting noop.exe        median %7.2f ms\n", launcher_ms);
    std::printf("noop.exe started directly            median %7.2f ms\n", direct_ms);
    std::printf("noop_user32.exe started directly     median %7.2f ms\n", direct_user32_ms);
    std::printf("start /affinity 1 starting noop.exe  median %7.2f ms\n", start_ms);
    std::printf("launcher / direct          %.2f\n", launcher_ms / direct_ms);
    std::printf("launcher / direct (USER32) %.2f\n", launcher_ms / direct_user32_ms);
    std::printf("launcher / start           %.2f\n", launcher_ms / start_ms);
    std::printf("tavrinel.exe size   %lu bytes\n", attributes.nFileSizeLow);

    // The window in which the child runs unpinned.
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    const std::string report = std::string(temp) + "tavrinel-bench-watch.txt";
    std::vector<double> until_pinned;
    int unpinned_at_first_look = 0;
    int never_pinned = 0;
    std::string watcher = "tavrinel \"" + dir + "\\wine_bench.exe\" --watch \"";
    watcher += report + "\"";
    for (int i = 0; i < runs; ++i) {
        DeleteFileA(report.c_str());
        time_command(launcher, watcher);
        FILE *file = std::fopen(report.c_str(), "r");
        char line[128] = "";
        if (file == nullptr || std::fgets(line, sizeof line, file) == nullptr) {
            std::fprintf(stderr, "the watcher child did not report\n");
            return 1;
        }
        std::fclose(file);
        char *next = line;
        const unsigned long long first = std::strtoull(next, &next, 10);
        const unsigned long long last = std::strtoull(next, &next, 10);
        const unsigned long long elapsed = std::strtoull(next, &next, 10);
        unpinned_at_first_look += first != 1 ? 1 : 0;
        never_pinned += last != 1 ? 1 : 0;
        until_pinned.push_back(static_cast<double>(elapsed) / 1e4);
    }
    DeleteFileA(report.c_str());
    std::printf("child, from its creation until it saw mask 0x1: median %.2f ms, worst %.2f ms\n",
                median(until_pinned), *std::max_element(until_pinned.begin(), until_pinned.end()));
    std::printf("child still unpinned at its first instruction: %d of %d runs; never pinned: %d\n",
                unpinned_at_first_look, runs, never_pinned);
    return 0;
}

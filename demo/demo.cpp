// A program to start through the launcher to see what it does: it reports its
// command line, the affinity mask it started with and the one it has now, and
// how long it ran before the launcher pinned it.
//
// The report goes to the file named in TAVRINEL_DEMO_REPORT when that is set,
// and otherwise into a message box.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

DWORD_PTR own_affinity() {
    DWORD_PTR process_mask = 0;
    DWORD_PTR system_mask = 0;
    GetProcessAffinityMask(GetCurrentProcess(), &process_mask, &system_mask);
    return process_mask;
}

// 100-nanosecond units since 1601, like the process's creation time.
ULONGLONG now() {
    FILETIME time;
    GetSystemTimePreciseAsFileTime(&time);
    return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

ULONGLONG creation_time() {
    FILETIME created;
    FILETIME exited;
    FILETIME kernel;
    FILETIME user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return (ULONGLONG{created.dwHighDateTime} << 32) | created.dwLowDateTime;
}

std::string mask_text(DWORD_PTR mask) {
    char text[64];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(mask));
    std::string processors;
    for (unsigned bit = 0; bit < 8 * sizeof mask; ++bit) {
        if ((mask >> bit) & 1U) {
            processors += (processors.empty() ? "" : ", ") + std::to_string(bit);
        }
    }
    return std::string(text) + " (processors " + processors + ")";
}

std::string milliseconds(ULONGLONG hundred_ns) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f ms", static_cast<double>(hundred_ns) / 1e4);
    return text;
}

} // namespace

int main() {
    const ULONGLONG started = now();
    const DWORD_PTR at_start = own_affinity();

    // Watch for the launcher's SetProcessAffinityMask, for at most two seconds.
    DWORD_PTR mask = at_start;
    ULONGLONG pinned_at = started;
    while (mask != 1 && now() - started < 20000000) {
        mask = own_affinity();
        pinned_at = now();
    }
    const ULONGLONG created = creation_time();

    std::string report = "Tavrinel demo\n";
    report += "  command line:      " + std::string(GetCommandLineA()) + "\n";
    report += "  affinity at start: " + mask_text(at_start) + "\n";
    report += "  affinity now:      " + mask_text(own_affinity()) + "\n";
    if (mask != 1) {
        report += "  not pinned to processor 0 within two seconds\n";
    } else if (at_start == 1) {
        report += "  already pinned when its code first ran, " + milliseconds(started - created) +
                  " after the process was created\n";
    } else {
        report += "  pinned " + milliseconds(pinned_at - created) +
                  " after the process was created; until then it could run on every "
                  "processor it inherited\n";
    }

    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("TAVRINEL_DEMO_REPORT", path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        MessageBoxA(nullptr, report.c_str(), "Tavrinel demo", MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    FILE *file = std::fopen(path, "wb");
    if (file == nullptr) {
        return 1;
    }
    std::fwrite(report.data(), 1, report.size(), file);
    std::fclose(file);
    return 0;
}

// A child for the launcher's tests under Wine. It writes what it sees of
// itself to the report file named in TAVRINEL_PROBE_REPORT, signals the event
// named "<TAVRINEL_PROBE_TAG>-ready", and keeps running until the event
// "<TAVRINEL_PROBE_TAG>-release" is set, so that the test can look at it from
// outside after the launcher has ended.
//
// Report lines: key=value, with the command line as hexadecimal so that every
// byte of it survives.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string environment(const char *name) {
    char value[1024];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

std::string hex(const char *bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (const char *at = bytes; *at != '\0'; ++at) {
        const auto byte = static_cast<unsigned char>(*at);
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

HANDLE open_event(const std::string &name) {
    return OpenEventA(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, name.c_str());
}

} // namespace

int main() {
    const std::string report_path = environment("TAVRINEL_PROBE_REPORT");
    const std::string tag = environment("TAVRINEL_PROBE_TAG");
    if (report_path.empty() || tag.empty()) {
        std::fprintf(stderr, "probe: TAVRINEL_PROBE_REPORT and TAVRINEL_PROBE_TAG must be set\n");
        return 2;
    }

    char directory[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof directory, directory);
    DWORD_PTR process_mask = 0;
    DWORD_PTR system_mask = 0;
    GetProcessAffinityMask(GetCurrentProcess(), &process_mask, &system_mask);

    std::string report;
    report += "command_line=" + hex(GetCommandLineA()) + "\n";
    report += "current_directory=" + std::string(directory) + "\n";
    report += "pointer_size=" + std::to_string(sizeof(void *)) + "\n";
    report += "process_id=" + std::to_string(GetCurrentProcessId()) + "\n";
    report += "marker=" + environment("TAVRINEL_PROBE_MARKER") + "\n";
    report += "affinity_at_start=" + std::to_string(process_mask) + "\n";

    // Written under a temporary name and renamed, so the reader never sees
    // half a report.
    const std::string partial = report_path + ".partial";
    FILE *file = std::fopen(partial.c_str(), "wb");
    if (file == nullptr) {
        return 3;
    }
    std::fwrite(report.data(), 1, report.size(), file);
    std::fclose(file);
    MoveFileExA(partial.c_str(), report_path.c_str(), MOVEFILE_REPLACE_EXISTING);

    const HANDLE ready = open_event(tag + "-ready");
    const HANDLE release = open_event(tag + "-release");
    if (ready != nullptr) {
        SetEvent(ready);
    }
    // Never outlive a test that forgot it by more than a minute.
    if (release != nullptr) {
        WaitForSingleObject(release, 60000);
    }
    return 0;
}

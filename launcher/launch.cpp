#include "platform.h"

namespace {

const char caption[] = "Tavrinel";

const char usage_text[] = "Usage:\n"
                          "tavrinel commandline\n"
                          "\n"
                          "Creates a new process and attempts to change its processor "
                          "affinity to only use the first CPU found.";

const char affinity_failure_text[] = "SetProcessAffinityMask failed.\n"
                                     "Processor affinity not changed.";

// Processor 0 alone, whatever the machine has.
const DWORD_PTR first_processor_only = 0x1;

void show_message(const char *text) { MessageBoxA(nullptr, text, caption, MB_OK); }

} // namespace

// The whole launch: start the tail as a process, pin it to processor 0 and
// leave at once. The child is not waited for and outlives the launcher; its
// two handles are released by the system when the launcher ends.
int WINAPI WinMain(HINSTANCE /*hInstance*/, HINSTANCE /*hPrevInstance*/, LPSTR lpCmdLine,
                   int /*nCmdShow*/) {
    if (*lpCmdLine == '\0') {
        show_message(usage_text);
        return 0;
    }

    STARTUPINFOA startup_info = {};
    startup_info.cb = sizeof startup_info;
    PROCESS_INFORMATION process_info = {};

    // A failed creation is not reported as such: hProcess stays null, the
    // affinity call on it fails, and the user hears of it through that.
    CreateProcessA(nullptr, lpCmdLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup_info,
                   &process_info);

    if (SetProcessAffinityMask(process_info.hProcess, first_processor_only) == FALSE) {
        show_message(affinity_failure_text);
    }
    return 0;
}

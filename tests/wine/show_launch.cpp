// Runs tavrinel.exe (beside this program) under Wine with the rest of this
// program's own command line, and tells on standard output what the user would
// see: each message box, which it answers with OK, and the exit code.

#include "command_line.h"
#include "launcher_driver.h"

#include <cstdio>
#include <string>

int main() {
    LeadByteSet lead_bytes;
    build_lead_byte_set(&lead_bytes);
    const std::string raw =
        "tavrinel.exe " + std::string(cut_command_line_tail(GetCommandLineA(), &lead_bytes));

    std::printf("running: %s\n", raw.c_str());
    const driver::LauncherRun run = driver::run_launcher(raw);
    for (const driver::MessageBoxSeen &box : run.boxes) {
        std::printf("message box \"%s\", answered with OK:\n", box.caption.c_str());
        std::string text = box.text;
        for (size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 3) {
            text.replace(at, 1, "\n  ");
        }
        std::printf("  %s\n", text.c_str());
    }
    if (!run.ended) {
        std::printf("tavrinel.exe did not end\n");
        return 1;
    }
    std::printf("tavrinel.exe ended with exit code %lu\n", run.exit_code);
    return 0;
}

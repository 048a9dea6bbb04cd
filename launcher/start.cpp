#include "start.h"

#include "command_line.h"
#include "lead_bytes.h"

namespace {

// Stands in for a command line that the system does not give.
char no_command_line[1] = "";

} // namespace

int run_launcher(HINSTANCE instance) {
    // Built before the tail is cut, from the code page in effect at start-up.
    LeadByteSet lead_bytes;
    build_lead_byte_set(&lead_bytes);

    char *raw = GetCommandLineA();
    if (raw == nullptr) {
        raw = no_command_line;
    }
    char *tail = cut_command_line_tail(raw, &lead_bytes);
    return WinMain(instance, nullptr, tail, SW_SHOWDEFAULT);
}

// The executable's entry point. There is no C runtime: the linker is pointed
// here, and this is all the start-up there is.

#include "platform.h"
#include "start.h"

// Defined by the linker: the module's own base address, which is its instance
// handle. The name is the linker's.
// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
extern "C" IMAGE_DOS_HEADER __ImageBase;

// Windows enters with the stack aligned to four bytes only. Should the compiler
// ever lower a zeroing to memset, the link fails: there is none to call.
extern "C" __attribute__((noreturn, force_align_arg_pointer)) void WinMainCRTStartup() {
    ExitProcess(static_cast<UINT>(run_launcher(reinterpret_cast<HINSTANCE>(&__ImageBase))));
}

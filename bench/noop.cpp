// The do-nothing program the benchmark starts: a windowed program that ends at
// once. Built twice: importing KERNEL32 alone, and also importing USER32 as
// every program with a window does (and as the launcher does, for its message
// boxes), since Wine takes several milliseconds to load USER32.
#include <windows.h>

int WINAPI WinMain(HINSTANCE /*hInstance*/, HINSTANCE /*hPrevInstance*/,
                   LPSTR lpCmdLine, // NOLINT(readability-non-const-parameter): the system's
                   int /*nShowCmd*/) {
#ifdef NOOP_LOADS_USER32
    // Never true; it only makes the program import USER32.
    if (lpCmdLine[0] == '\x01') {
        MessageBoxA(nullptr, lpCmdLine, lpCmdLine, MB_OK);
    }
#else
    (void)lpCmdLine;
#endif
    return 0;
}

#pragma once

// The launcher is written against the Win32 interface. The Windows build takes
// the system's own declarations; host builds (unit tests, fuzzing) put a
// stand-in header of the same shape on the include path instead.
#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <win32_stand_in.h>
#endif

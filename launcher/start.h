#pragma once

#include "platform.h"

// What the process does between its entry point and its end: cuts the tail out
// of the process's command line and hands it to WinMain. Returns the exit code.
int run_launcher(HINSTANCE instance);

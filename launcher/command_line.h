#pragma once

#include "lead_bytes.h"

// The command-line tail: what follows the program's own name in raw and the
// blanks right after that name. The result points into raw, up to raw's
// terminator; raw is only read.
char *cut_command_line_tail(char *raw, const LeadByteSet *lead_bytes);

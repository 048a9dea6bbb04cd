#pragma once

#include "platform.h"

// For each byte value, whether it opens a two-byte character in the ANSI code
// page, so that the byte after it is never taken for a quote or a blank.
struct LeadByteSet {
    bool lead[256];
};

// Fills the set for the ANSI code page in effect now.
void build_lead_byte_set(LeadByteSet *set);

// The ranges the launcher knows by heart for the double-byte code pages that
// Windows ships. Returns false, with an empty set, for any other code page.
bool lead_bytes_of_known_code_page(UINT code_page, LeadByteSet *set);

// The ranges of a GetCPInfo answer for a code page not in the launcher's table.
void lead_bytes_from_cpinfo(const CPINFO *info, LeadByteSet *set);

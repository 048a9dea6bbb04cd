#pragma once

#include "lead_bytes.h"

#include <string>

// Describes a lead-byte set as inclusive ranges, "81-9F E0-FC", so that a test
// failure names exactly the bytes that differ from what was expected.
inline std::string describe(const LeadByteSet &set) {
    static const char hex[] = "0123456789ABCDEF";
    std::string text;
    unsigned byte = 0;
    while (byte < 256) {
        if (!set.lead[byte]) {
            ++byte;
            continue;
        }
        const unsigned first = byte;
        while (byte < 256 && set.lead[byte]) {
            ++byte;
        }
        const unsigned last = byte - 1;
        if (!text.empty()) {
            text += ' ';
        }
        text += {hex[first >> 4], hex[first & 15], '-', hex[last >> 4], hex[last & 15]};
    }
    return text;
}

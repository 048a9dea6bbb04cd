#include "lead_bytes.h"

namespace {

void clear(LeadByteSet *set) {
    for (bool &lead : set->lead) {
        lead = false;
    }
}

// Inclusive; a range whose first value is above its last adds nothing.
void add_range(LeadByteSet *set, unsigned first, unsigned last) {
    for (unsigned byte = first; byte <= last; ++byte) {
        set->lead[byte] = true;
    }
}

} // namespace

bool lead_bytes_of_known_code_page(UINT code_page, LeadByteSet *set) {
    clear(set);
    switch (code_page) {
    case 932: // Shift JIS
        add_range(set, 0x81, 0x9F);
        add_range(set, 0xE0, 0xFC);
        return true;
    case 936: // GBK
    case 949: // Unified Hangul
    case 950: // Big5
        add_range(set, 0x81, 0xFE);
        return true;
    case 1361: // Johab
        add_range(set, 0x81, 0xD3);
        add_range(set, 0xD8, 0xDE);
        add_range(set, 0xE0, 0xF9);
        return true;
    default:
        return false;
    }
}

void lead_bytes_from_cpinfo(const CPINFO *info, LeadByteSet *set) {
    clear(set);
    if (info->MaxCharSize < 2) {
        return;
    }
    // LeadByte holds up to six first/last pairs; a pair holding a zero ends
    // the list.
    for (unsigned i = 0; i + 1 < MAX_LEADBYTES; i += 2) {
        const unsigned first = info->LeadByte[i];
        const unsigned last = info->LeadByte[i + 1];
        if (first == 0 || last == 0) {
            break;
        }
        add_range(set, first, last);
    }
}

void build_lead_byte_set(LeadByteSet *set) {
    const UINT code_page = GetACP();
    if (lead_bytes_of_known_code_page(code_page, set)) {
        return;
    }
    CPINFO info;
    if (GetCPInfo(code_page, &info) != FALSE) {
        lead_bytes_from_cpinfo(&info, set);
    }
}

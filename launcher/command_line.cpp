#include "command_line.h"

namespace {

// Every control byte counts as a blank, as in the system's own start-up code;
// 0x7F and everything above 0x7F do not.
bool is_blank(unsigned char byte) { return byte != 0 && byte <= 0x20; }

} // namespace

char *cut_command_line_tail(char *raw, const LeadByteSet *lead_bytes) {
    auto *at = reinterpret_cast<unsigned char *>(raw);
    bool quoted = false;

    // The name runs to the first blank outside quotes. A quote anywhere in it
    // flips the quoted state, and the byte after a lead byte is part of the
    // same character, never a quote or a blank.
    while (*at != 0 && (quoted || !is_blank(*at))) {
        const unsigned char byte = *at++;
        if (byte == '"') {
            quoted = !quoted;
        }
        if (lead_bytes->lead[byte] && *at != 0) {
            ++at;
        }
    }

    while (is_blank(*at)) {
        ++at;
    }
    return reinterpret_cast<char *>(at);
}

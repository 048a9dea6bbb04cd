// Fuzzes cutting the command line and building the lead-byte set.
//
// Input: byte 0 picks the code page (0-4: the launcher's table, otherwise a
// GetCPInfo answer), byte 1 is that answer's MaxCharSize, bytes 2-13 its
// LeadByte list, and the rest, up to the first zero, is the command line.

#include "command_line.h"
#include "lead_bytes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr size_t header_size = 2 + MAX_LEADBYTES;
const UINT known_code_pages[] = {932, 936, 949, 950, 1361};

bool is_blank(unsigned char byte) { return byte >= 0x01 && byte <= 0x20; }

// A second, deliberately plain reading of the same rules, by index.
void plain_lead_bytes(const CPINFO &info, bool lead[256]) {
    for (int byte = 0; byte < 256; ++byte) {
        lead[byte] = false;
    }
    if (info.MaxCharSize < 2) {
        return;
    }
    for (size_t pair = 0; pair < 6; ++pair) {
        const int first = info.LeadByte[2 * pair];
        const int last = info.LeadByte[2 * pair + 1];
        if (first == 0 || last == 0) {
            return;
        }
        for (int byte = first; byte <= last; ++byte) {
            lead[byte] = true;
        }
    }
}

size_t plain_tail_start(const unsigned char *text, size_t length, const bool lead[256]) {
    size_t i = 0;
    bool quoted = false;
    while (i < length) {
        if (is_blank(text[i]) && !quoted) {
            break;
        }
        if (text[i] == '"') {
            quoted = !quoted;
        }
        if (lead[text[i]] && i + 1 < length) {
            i += 2;
        } else {
            i += 1;
        }
    }
    while (i < length && is_blank(text[i])) {
        ++i;
    }
    return i;
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    uint8_t header[header_size] = {};
    std::memcpy(header, data, size < header_size ? size : header_size);
    const uint8_t *rest = size > header_size ? data + header_size : data + size;
    const size_t rest_size = size > header_size ? size - header_size : 0;

    LeadByteSet set;
    bool any_lead = false;
    if (header[0] < 5) {
        check(lead_bytes_of_known_code_page(known_code_pages[header[0]], &set));
    } else {
        CPINFO info = {};
        info.MaxCharSize = header[1];
        std::memcpy(info.LeadByte, header + 2, MAX_LEADBYTES);
        lead_bytes_from_cpinfo(&info, &set);
        bool plain[256];
        plain_lead_bytes(info, plain);
        check(std::memcmp(plain, set.lead, sizeof plain) == 0);
    }
    check(!set.lead[0]);
    for (const bool lead : set.lead) {
        any_lead = any_lead || lead;
    }

    // An allocation of exactly the command line and its terminator.
    const auto *end = static_cast<const uint8_t *>(std::memchr(rest, 0, rest_size));
    const size_t length = end != nullptr ? static_cast<size_t>(end - rest) : rest_size;
    const std::unique_ptr<char[]> raw(new char[length + 1]);
    std::memcpy(raw.get(), rest, length);
    raw[length] = '\0';

    const char *tail = cut_command_line_tail(raw.get(), &set);
    const auto *bytes = reinterpret_cast<const unsigned char *>(raw.get());
    const auto start = static_cast<size_t>(tail - raw.get());

    check(tail >= raw.get() && start <= length);
    check(std::strlen(tail) == length - start);
    check(!is_blank(bytes[start]));
    if (start < length) {
        check(start > 0 && is_blank(bytes[start - 1]));
        if (!any_lead) {
            size_t quotes = 0;
            for (size_t i = 0; i < start; ++i) {
                quotes += bytes[i] == '"' ? 1 : 0;
            }
            check(quotes % 2 == 0);
        }
    }
    check(start == plain_tail_start(bytes, length, set.lead));
    check(std::memcmp(raw.get(), rest, length) == 0);
    return 0;
}

// Command lines placed at the very end of a read-only page, with an
// inaccessible page after it: a read past the terminator or any write to the
// command line faults and ends the test run.

#include "command_line.h"
#include "start.h"

#include "stand_in_platform.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace {

struct GuardedText {
    char *pages;
    size_t page_size;
    char *text;
};

GuardedText place_before_guard(const std::string &text) {
    const auto page_size = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    void *pages =
        mmap(nullptr, 2 * page_size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    EXPECT_NE(pages, MAP_FAILED);
    auto *base = static_cast<char *>(pages);
    char *at = base + page_size - (text.size() + 1);
    std::memcpy(at, text.c_str(), text.size() + 1);
    mprotect(base, page_size, PROT_READ);
    mprotect(base + page_size, page_size, PROT_NONE);
    return {base, page_size, at};
}

void release(const GuardedText &guarded) { munmap(guarded.pages, 2 * guarded.page_size); }

const char *const guarded_command_lines[] = {
    "",
    "tavrinel.exe",
    "tavrinel.exe   ",
    "\"tavrinel.exe never closed",
    "tavrinel.exe child.exe \"arg\"  ",
    "tavrinel.exe\x81",
    "\x81",
    "tavrinel \x81",
};

TEST(GuardPage, CuttingReadsNothingPastTheTerminatorAndWritesNothing) {
    for (const UINT code_page : {1252U, 932U}) {
        LeadByteSet lead_bytes;
        lead_bytes_of_known_code_page(code_page, &lead_bytes);
        for (const char *text : guarded_command_lines) {
            const GuardedText guarded = place_before_guard(text);
            const char *tail = cut_command_line_tail(guarded.text, &lead_bytes);
            EXPECT_GE(tail, guarded.text);
            EXPECT_EQ(tail + std::strlen(tail), guarded.text + std::strlen(text));
            release(guarded);
        }
    }
}

TEST(GuardPage, TheWholeRunLeavesTheCommandLineAlone) {
    for (const char *text : guarded_command_lines) {
        stand_in::reset();
        stand_in::script().acp = 932;
        const GuardedText guarded = place_before_guard(text);
        stand_in::script().command_line = guarded.text;
        EXPECT_EQ(run_launcher(nullptr), 0);
        release(guarded);
    }
}

} // namespace

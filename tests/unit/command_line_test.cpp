#include "command_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <ostream>
#include <string>

namespace {

struct TailCase {
    const char *label;
    UINT code_page; // 1252 has no lead bytes; 932 is Shift JIS
    std::string raw;
    std::string tail;
};

std::ostream &operator<<(std::ostream &out, const TailCase &c) { return out << c.label; }

class CommandLineTail : public testing::TestWithParam<TailCase> {};

TEST_P(CommandLineTail, IsTheSuffixAfterTheNameAndItsBlanks) {
    const TailCase &c = GetParam();
    LeadByteSet lead_bytes;
    lead_bytes_of_known_code_page(c.code_page, &lead_bytes);

    // An allocation of exactly the string's size, so that AddressSanitizer
    // catches a read past the terminator.
    const std::size_t size = c.raw.size() + 1;
    const std::unique_ptr<char[]> raw(new char[size]);
    std::memcpy(raw.get(), c.raw.c_str(), size);

    const char *tail = cut_command_line_tail(raw.get(), &lead_bytes);

    ASSERT_EQ(tail, raw.get() + (c.raw.size() - c.tail.size())) << "not the expected suffix";
    EXPECT_EQ(std::string(tail), c.tail);
    EXPECT_EQ(std::string(raw.get(), c.raw.size()), c.raw) << "command line was written to";
}

// clang-format off
const TailCase tail_cases[] = {
    {"EmptyCommandLine", 1252, "", ""},
    {"NameAlone", 1252, "tavrinel.exe", ""},
    {"NameAndBlanks", 1252, "tavrinel.exe  \t \t", ""},
    {"QuotedNameAlone", 1252, "\"C:\\Tools\\tavrinel.exe\"", ""},
    {"QuotedNameThenWordsAndTrailingBlanks", 1252,
     "\"C:\\Program Files\\tavrinel.exe\"   one  two  ", "one  two  "},
    {"TailStartsWithQuotedPathHoldingASpace", 1252,
     "tavrinel \"C:\\Games\\Old Game\\game.exe\" -windowed",
     "\"C:\\Games\\Old Game\\game.exe\" -windowed"},
    {"TabAfterName", 1252, "tavrinel\tchild.exe", "child.exe"},
    {"ControlBytesAreBlanks", 1252, "tavrinel\x01\x1F\n\r\x0B child.exe", "child.exe"},
    {"DeleteByteIsNotABlank", 1252, "tavrinel\x7F" "child.exe arg", "arg"},
    {"HighBytesAreNotBlanks", 1252, "tavr\xA0inel\xFF child.exe", "child.exe"},
    {"QuotedStretchInTheMiddleOfTheName", 1252,
     "C:\\\"Program Files\"\\tavrinel.exe child.exe", "child.exe"},
    {"TextGluedAfterClosingQuoteStaysInName", 1252,
     "\"C:\\Tools\\tavrinel.exe\"x  child.exe", "child.exe"},
    {"TextGluedAfterClosingQuoteThenNothing", 1252, "\"tavrinel.exe\"x", ""},
    {"TwoQuotedStretchesInOneName", 1252, "\"a b\"\"c d\"  child.exe", "child.exe"},
    {"UnclosedQuoteInNameSwallowsTheRest", 1252, "\"tavrinel.exe child.exe arg", ""},
    {"QuoteOpenedInTailIsPassedOn", 1252, "tavrinel child.exe \"open arg",
     "child.exe \"open arg"},
    {"BackslashesAndQuotesInTailUntouched", 1252,
     "tavrinel a\\\\\"b c\\\"\" d\\\\", "a\\\\\"b c\\\"\" d\\\\"},
    {"BlankBeforeTheNameEndsAnEmptyName", 1252, "  child.exe arg", "child.exe arg"},
    {"QuoteAfterNonLeadHighByteFlips", 1252, "\x81\"tav rinel child.exe", ""},
    {"LeadByteTakesAQuoteIntoTheName", 932, "\x81\"tav rinel child.exe",
     "rinel child.exe"},
    {"LeadByteTakesABlankIntoTheName", 932, "tav\x81 rinel child.exe", "child.exe"},
    {"LeadByteKeepsAQuotedStretchOpen", 932, "\"ab\x81\"cd\" child.exe", "child.exe"},
    {"SameBytesWithoutLeadBytes", 1252, "\"ab\x81\"cd\" child.exe", ""},
    {"LeadByteLastBeforeTerminator", 932, "tavrinel\x81", ""},
    {"LeadByteInTailUntouched", 932, "tavrinel \x82\xA0 \x81\"", "\x82\xA0 \x81\""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineTail, testing::ValuesIn(tail_cases),
                         [](const testing::TestParamInfo<TailCase> &row) {
                             return std::string(row.param.label);
                         });

} // namespace

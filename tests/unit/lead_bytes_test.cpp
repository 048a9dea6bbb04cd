#include "lead_bytes.h"

#include "lead_byte_ranges.h"
#include "stand_in_platform.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>

namespace {

LeadByteSet all_set() {
    LeadByteSet set;
    for (bool &lead : set.lead) {
        lead = true;
    }
    return set;
}

struct KnownCodePage {
    UINT code_page;
    const char *ranges;
};

std::ostream &operator<<(std::ostream &out, const KnownCodePage &c) { return out << c.code_page; }

class KnownCodePages : public testing::TestWithParam<KnownCodePage> {};

TEST_P(KnownCodePages, HaveTheirDoubleByteRanges) {
    LeadByteSet set = all_set();
    EXPECT_TRUE(lead_bytes_of_known_code_page(GetParam().code_page, &set));
    EXPECT_EQ(describe(set), GetParam().ranges);
}

INSTANTIATE_TEST_SUITE_P(Table, KnownCodePages,
                         testing::Values(KnownCodePage{932, "81-9F E0-FC"},
                                         KnownCodePage{936, "81-FE"}, KnownCodePage{949, "81-FE"},
                                         KnownCodePage{950, "81-FE"},
                                         KnownCodePage{1361, "81-D3 D8-DE E0-F9"}));

TEST(KnownCodePages, OtherPagesAreNotInTheTable) {
    for (const UINT code_page : {0U, 437U, 1252U, 65001U, 20932U, 51932U, 931U, 933U}) {
        LeadByteSet set = all_set();
        EXPECT_FALSE(lead_bytes_of_known_code_page(code_page, &set)) << code_page;
        EXPECT_EQ(describe(set), "") << code_page;
    }
}

struct CpInfoCase {
    const char *label;
    UINT max_char_size;
    BYTE lead_byte[MAX_LEADBYTES];
    const char *ranges;
};

std::ostream &operator<<(std::ostream &out, const CpInfoCase &c) { return out << c.label; }

class CpInfoAnswers : public testing::TestWithParam<CpInfoCase> {};

TEST_P(CpInfoAnswers, GiveTheirLeadByteRanges) {
    const CpInfoCase &c = GetParam();
    CPINFO info = {};
    info.MaxCharSize = c.max_char_size;
    for (unsigned i = 0; i < MAX_LEADBYTES; ++i) {
        info.LeadByte[i] = c.lead_byte[i];
    }
    LeadByteSet set = all_set();
    lead_bytes_from_cpinfo(&info, &set);
    EXPECT_EQ(describe(set), c.ranges);
}

// clang-format off
const CpInfoCase cpinfo_cases[] = {
    {"SingleByteIgnoresItsList", 1, {0x81, 0xFE}, ""},
    {"DoubleByteNoRanges", 2, {}, ""},
    {"TwoRanges", 2, {0x81, 0x9F, 0xE0, 0xFC}, "81-9F E0-FC"},
    {"MaxCharSizeAboveTwo", 4, {0xA1, 0xA2}, "A1-A2"},
    {"InvertedPairAddsNothingButLaterPairsCount", 2, {0x90, 0x80, 0xB0, 0xB1}, "B0-B1"},
    {"ZeroFirstValueEndsTheList", 2, {0x81, 0x82, 0x00, 0xFF, 0xC0, 0xC1}, "81-82"},
    {"ZeroLastValueEndsTheList", 2, {0x81, 0x82, 0x90, 0x00, 0xC0, 0xC1}, "81-82"},
    {"SixPairsWithoutTerminator", 2,
     {0x81, 0x81, 0x83, 0x83, 0x85, 0x85, 0x87, 0x87, 0x89, 0x89, 0x8B, 0x8B},
     "81-81 83-83 85-85 87-87 89-89 8B-8B"},
    {"WholeByteRange", 2, {0x01, 0xFF}, "01-FF"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Table, CpInfoAnswers, testing::ValuesIn(cpinfo_cases),
                         [](const testing::TestParamInfo<CpInfoCase> &row) {
                             return std::string(row.param.label);
                         });

class BuildLeadByteSet : public testing::Test {
  protected:
    void SetUp() override { stand_in::reset(); }
};

TEST_F(BuildLeadByteSet, KnownCodePageDoesNotAskTheSystem) {
    stand_in::script().acp = 1361;
    stand_in::script().cpinfo.MaxCharSize = 2; // would add 81-FE if asked
    stand_in::script().cpinfo.LeadByte[0] = 0x81;
    stand_in::script().cpinfo.LeadByte[1] = 0xFE;
    LeadByteSet set = all_set();
    build_lead_byte_set(&set);
    EXPECT_EQ(describe(set), "81-D3 D8-DE E0-F9");
    EXPECT_TRUE(stand_in::record().cpinfo_code_pages.empty());
}

TEST_F(BuildLeadByteSet, OtherCodePageAsksGetCPInfoAboutIt) {
    stand_in::script().acp = 20932;
    stand_in::script().cpinfo.MaxCharSize = 2;
    stand_in::script().cpinfo.LeadByte[0] = 0x8E;
    stand_in::script().cpinfo.LeadByte[1] = 0x8E;
    stand_in::script().cpinfo.LeadByte[2] = 0xA1;
    stand_in::script().cpinfo.LeadByte[3] = 0xFE;
    LeadByteSet set = all_set();
    build_lead_byte_set(&set);
    EXPECT_EQ(describe(set), "8E-8E A1-FE");
    EXPECT_EQ(stand_in::record().cpinfo_code_pages, std::vector<UINT>{20932});
}

TEST_F(BuildLeadByteSet, CodePageTheSystemCannotDescribeHasNone) {
    stand_in::script().acp = 54321;
    stand_in::script().cpinfo_result = FALSE;
    LeadByteSet set = all_set();
    build_lead_byte_set(&set);
    EXPECT_EQ(describe(set), "");
    EXPECT_EQ(stand_in::record().cpinfo_code_pages, std::vector<UINT>{54321});
}

} // namespace

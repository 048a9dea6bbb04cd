#include "start.h"

#include "stand_in_platform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class Start : public testing::Test {
  protected:
    void SetUp() override { stand_in::reset(); }
};

TEST_F(Start, HandsWinMainAViewIntoTheCommandLine) {
    char raw[] = "\"C:\\Tools\\tavrinel.exe\"  child.exe  \"a b\" ";
    stand_in::script().command_line = raw;

    EXPECT_EQ(run_launcher(nullptr), 0);

    ASSERT_EQ(stand_in::record().create_process.size(), 1U);
    EXPECT_EQ(stand_in::record().create_process[0].command_line, raw + 25);
    EXPECT_EQ(std::string(raw), "\"C:\\Tools\\tavrinel.exe\"  child.exe  \"a b\" ");
}

TEST_F(Start, UsesTheLeadBytesOfTheAnsiCodePage) {
    // 0x81 0x22 is one Shift JIS character: the quote does not open a stretch.
    char raw[] = "\x81\"tav rinel child.exe";
    stand_in::script().command_line = raw;
    stand_in::script().acp = 932;

    run_launcher(nullptr);

    ASSERT_EQ(stand_in::record().create_process.size(), 1U);
    EXPECT_EQ(stand_in::record().create_process[0].command_line_text, "rinel child.exe");
}

TEST_F(Start, EmptyTailAndMissingCommandLineGiveUsageAndExitCodeZero) {
    char name_only[] = "tavrinel.exe \t ";
    for (char *raw : {name_only, static_cast<char *>(nullptr)}) {
        stand_in::reset();
        stand_in::script().command_line = raw;
        EXPECT_EQ(run_launcher(nullptr), 0);
        EXPECT_TRUE(stand_in::record().create_process.empty());
        ASSERT_EQ(stand_in::record().message_boxes.size(), 1U);
        EXPECT_EQ(stand_in::record().message_boxes[0].text.rfind("Usage:\n", 0), 0U);
    }
}

} // namespace

#include "stand_in_platform.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

const char usage_text[] = "Usage:\ntavrinel commandline\n\nCreates a new process and attempts "
                          "to change its processor affinity to only use the first CPU found.";
const char failure_text[] = "SetProcessAffinityMask failed.\nProcessor affinity not changed.";

class Launch : public testing::Test {
  protected:
    void SetUp() override { stand_in::reset(); }

    static void expect_one_box(const char *text) {
        ASSERT_EQ(stand_in::record().message_boxes.size(), 1U);
        const stand_in::MessageBoxCall &box = stand_in::record().message_boxes[0];
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, "Tavrinel");
        EXPECT_EQ(box.type, MB_OK);
    }
};

TEST_F(Launch, EmptyTailShowsUsageAndStartsNothing) {
    char tail[] = "";
    EXPECT_EQ(WinMain(nullptr, nullptr, tail, SW_SHOWDEFAULT), 0);
    EXPECT_EQ(stand_in::record().calls, Calls{"MessageBoxA"});
    expect_one_box(usage_text);
}

TEST_F(Launch, MessagesUseBareLineFeeds) {
    char tail[] = "";
    WinMain(nullptr, nullptr, tail, SW_SHOWDEFAULT);
    ASSERT_EQ(stand_in::record().message_boxes.size(), 1U);
    const std::string &text = stand_in::record().message_boxes[0].text;
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_NE(text.find("commandline\n\nCreates"), std::string::npos);
}

TEST_F(Launch, CreatesTheTailWithDefaultsAndNoInheritance) {
    char tail[] = "\"C:\\Games\\Old Game\\game.exe\" -windowed  ";
    WinMain(nullptr, nullptr, tail, SW_SHOWDEFAULT);

    ASSERT_EQ(stand_in::record().create_process.size(), 1U);
    const stand_in::CreateProcessCall &call = stand_in::record().create_process[0];
    EXPECT_EQ(call.application_name, nullptr);
    EXPECT_EQ(call.command_line, tail) << "the tail itself, not a copy";
    EXPECT_EQ(call.command_line_text, tail);
    EXPECT_EQ(call.process_attributes, nullptr);
    EXPECT_EQ(call.thread_attributes, nullptr);
    EXPECT_EQ(call.inherit_handles, FALSE);
    EXPECT_EQ(call.creation_flags, 0U) << "not suspended, no new console";
    EXPECT_EQ(call.environment, nullptr);
    EXPECT_EQ(call.current_directory, nullptr);

    // Zero but for its size: the system's defaults apply to everything.
    const STARTUPINFOA &si = call.startup_info;
    EXPECT_EQ(si.cb, sizeof(STARTUPINFOA));
    EXPECT_EQ(si.lpReserved, nullptr);
    EXPECT_EQ(si.lpDesktop, nullptr);
    EXPECT_EQ(si.lpTitle, nullptr);
    EXPECT_EQ(si.dwX | si.dwY | si.dwXSize | si.dwYSize | si.dwXCountChars | si.dwYCountChars |
                  si.dwFillAttribute | si.dwFlags,
              0U);
    EXPECT_EQ(si.wShowWindow, 0U);
    EXPECT_EQ(si.cbReserved2, 0U);
    EXPECT_EQ(si.lpReserved2, nullptr);
    EXPECT_EQ(si.hStdInput, nullptr);
    EXPECT_EQ(si.hStdOutput, nullptr);
    EXPECT_EQ(si.hStdError, nullptr);

    const PROCESS_INFORMATION &pi = call.process_info_before;
    EXPECT_EQ(pi.hProcess, nullptr);
    EXPECT_EQ(pi.hThread, nullptr);
    EXPECT_EQ(pi.dwProcessId, 0U);
    EXPECT_EQ(pi.dwThreadId, 0U);
}

struct LaunchPath {
    const char *label;
    BOOL create_process_result;
    BOOL set_affinity_result;
    HANDLE pinned_handle;
    bool failure_box;
};

std::ostream &operator<<(std::ostream &out, const LaunchPath &p) { return out << p.label; }

class LaunchPaths : public Launch, public testing::WithParamInterface<LaunchPath> {};

TEST_P(LaunchPaths, PinTheCreatedHandleAndReportOnlyARefusal) {
    const LaunchPath &path = GetParam();
    stand_in::script().create_process_result = path.create_process_result;
    stand_in::script().set_affinity_result = path.set_affinity_result;
    char tail[] = "child.exe arg";

    EXPECT_EQ(WinMain(nullptr, nullptr, tail, SW_SHOWDEFAULT), 0);

    Calls expected_calls = {"CreateProcessA", "SetProcessAffinityMask"};
    if (path.failure_box) {
        expected_calls.emplace_back("MessageBoxA");
    }
    EXPECT_EQ(stand_in::record().calls, expected_calls);
    ASSERT_EQ(stand_in::record().set_affinity.size(), 1U);
    EXPECT_EQ(stand_in::record().set_affinity[0].process, path.pinned_handle);
    EXPECT_EQ(stand_in::record().set_affinity[0].mask, 0x1U);
    if (path.failure_box) {
        expect_one_box(failure_text);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, LaunchPaths, testing::Values(
    LaunchPath{"ChildPinned", TRUE, TRUE, stand_in::created_child.hProcess, false},
    LaunchPath{"ChildNotCreated", FALSE, TRUE, nullptr, true},
    LaunchPath{"MaskRefusedForRunningChild", TRUE, FALSE, stand_in::created_child.hProcess, true}),
    [](const testing::TestParamInfo<LaunchPath> &row) { return std::string(row.param.label); });
// clang-format on

} // namespace

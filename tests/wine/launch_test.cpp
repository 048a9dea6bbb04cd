// The real tavrinel.exe under Wine, as a user meets it.

#include "launch_probe.h"
#include "launcher_driver.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

const char usage_text[] = "Usage:\ntavrinel commandline\n\nCreates a new process and attempts "
                          "to change its processor affinity to only use the first CPU found.";
const char failure_text[] = "SetProcessAffinityMask failed.\nProcessor affinity not changed.";

void expect_only_box(const driver::LauncherRun &run, const char *text) {
    ASSERT_TRUE(run.ended) << "the launcher did not end";
    EXPECT_EQ(run.exit_code, 0U);
    ASSERT_EQ(run.boxes.size(), 1U);
    const driver::MessageBoxSeen &box = run.boxes[0];
    EXPECT_EQ(box.caption, "Tavrinel");
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(box.has_icon);
    EXPECT_EQ(box.owner, nullptr);
}

// ---------------------------------------------------------------- usage

struct CommandLine {
    const char *label;
    const char *text;
};

std::ostream &operator<<(std::ostream &out, const CommandLine &c) { return out << c.label; }

std::string label_of(const testing::TestParamInfo<CommandLine> &row) { return row.param.label; }

class EmptyTail : public testing::TestWithParam<CommandLine> {};

TEST_P(EmptyTail, ShowsUsageOnceAndStartsNothing) {
    const driver::LauncherRun run = driver::run_launcher(GetParam().text);
    expect_only_box(run, usage_text);
    EXPECT_EQ(run.processes_in_job, 1U) << "a process was started";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, EmptyTail, testing::Values(
    CommandLine{"NameAlone", "tavrinel.exe"},
    CommandLine{"NameAndBlanks", "tavrinel.exe \t  \t"},
    CommandLine{"QuotedNameAlone", "\"C:\\Program Files\\Tavrinel\\tavrinel.exe\""},
    CommandLine{"QuoteNeverClosed", "\"tavrinel.exe probe.exe never closed"}),
    label_of);
// clang-format on

// ---------------------------------------------------------------- failure

TEST(MissingProgram, ShowsTheAffinityFailureOnce) {
    const driver::LauncherRun run =
        driver::run_launcher("tavrinel.exe Z:\\no\\such\\program.exe -windowed");
    expect_only_box(run, failure_text);
    EXPECT_EQ(run.processes_in_job, 1U);
}

// ---------------------------------------------------------------- children

// Here the text is what follows the probe's path in the tail.
class ChildCommandLine : public testing::TestWithParam<CommandLine> {};

TEST_P(ChildCommandLine, IsTheTailByteForByte) {
    const std::string tail = driver::quoted(driver::bin_dir() + "\\probe.exe") + GetParam().text;
    launch_probe("\"" + driver::launcher_path() + "\"  \t " + tail, tail);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, ChildCommandLine, testing::Values(
    CommandLine{"NoArguments", ""},
    CommandLine{"Words", " -windowed -level 3"},
    CommandLine{"QuotesAndBackslashes", " \"a b\" c\\\\\"d\\\" e\\ \"\""},
    CommandLine{"UnclosedQuote", " \"never closed arg"},
    CommandLine{"TrailingBlanks", " arg \t  "},
    CommandLine{"InnerBlanksKept", "   a \t  b"},
    CommandLine{"HighBytes", " caf\xE9 \x80\x81\xFF"}),
    label_of);
// clang-format on

TEST(ProgramPath, QuotedWithASpace) {
    const std::string dir = driver::scratch_dir("with space") + "\\Old Game";
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string program = dir + "\\game.exe";
    ASSERT_TRUE(CopyFileA((driver::bin_dir() + "\\probe.exe").c_str(), program.c_str(), FALSE));
    const std::string tail = "\"" + program + "\" -windowed";
    launch_probe("tavrinel " + tail, tail);
}

TEST(ProgramPath, FoundThroughTheCurrentDirectory) {
    const std::string dir = driver::scratch_dir("current");
    ASSERT_TRUE(CopyFileA((driver::bin_dir() + "\\probe.exe").c_str(),
                          (dir + "\\probe-in-cwd.exe").c_str(), FALSE));
    driver::LaunchOptions options;
    options.current_directory = dir.c_str();
    const driver::ProbeReport report =
        launch_probe("tavrinel probe-in-cwd.exe x", "probe-in-cwd.exe x", options);
    EXPECT_EQ(report.current_directory, dir) << "the child inherits the current directory";
}

TEST(Inheritance, EnvironmentButNoHandles) {
    SetEnvironmentVariableA("TAVRINEL_PROBE_MARKER", "inherited \xE9 value");
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE read_end = nullptr;
    HANDLE write_end = nullptr;
    ASSERT_TRUE(CreatePipe(&read_end, &write_end, &inheritable, 0));
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);

    driver::Probe probe = driver::prepare_probe();
    driver::LaunchOptions options;
    options.inheritable_handle = write_end;
    const std::string tail = driver::quoted(driver::bin_dir() + "\\probe.exe");
    const driver::LauncherRun run = driver::run_launcher("tavrinel " + tail, options);
    CloseHandle(write_end);
    const driver::ProbeReport report = driver::wait_for_report(probe);

    ASSERT_TRUE(run.ended);
    ASSERT_TRUE(report.arrived);
    EXPECT_EQ(report.marker, "inherited \xE9 value");
    // The launcher has ended and the driver closed its copy: with the child
    // still running, the pipe is broken only if the child holds no write end.
    DWORD available = 0;
    EXPECT_FALSE(PeekNamedPipe(read_end, nullptr, 0, nullptr, &available, nullptr))
        << "the child inherited the launcher's handle";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BROKEN_PIPE));

    driver::release(probe, report.process_id);
    CloseHandle(read_end);
    SetEnvironmentVariableA("TAVRINEL_PROBE_MARKER", nullptr);
}

TEST(Children, A64BitChildIsPinnedToo) {
    const std::string tail = driver::quoted(driver::bin_dir() + "\\probe64.exe") + " 64";
    const driver::ProbeReport report = launch_probe("tavrinel " + tail, tail);
    EXPECT_EQ(report.pointer_size, 8);
}

TEST(Children, CommandLineNearTheLimit) {
    // 32,767 characters in all, terminator included, is what Windows takes.
    std::string tail = driver::quoted(driver::bin_dir() + "\\probe.exe") + " ";
    const std::string name = "tavrinel ";
    tail.append(32766 - name.size() - tail.size(), 'x');
    launch_probe(name + tail, tail);
}

} // namespace

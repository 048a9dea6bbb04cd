// The launcher under the Japanese ANSI code page (932, Shift JIS). CTest runs
// these with LC_ALL=ja_JP.UTF-8, from which Wine takes the code page. The
// strings are Shift JIS bytes; several second bytes are 0x5C, a backslash.

#include "launch_probe.h"
#include "launcher_driver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char launcher_folder[] =
    "\x83\x89\x83\x93\x83\x60\x83\x83\x81\x5B \x95\x5C\x8E\xA6";         // ランチャー 表示
const char probe_folder[] = "\x83\x76\x83\x8D\x81\x5B\x83\x75 \x95\x5C"; // プローブ 表
const char probe_name[] = "\x8E\x71"
                          ".exe"; // 子.exe
const char arguments[] =
    " \x88\xF8\x90\x94 \"\x83\x5C\x83\x74\x83\x67 \x95\x5C\""; // 引数 "ソフト 表"
const char unquoted_name[] = "\x95\x5C\x8E\xA6"
                             ".exe"; // 表示.exe

TEST(CodePage932, JapaneseNamesAndProgramPaths) {
    ASSERT_EQ(GetACP(), 932U) << "expected to run under LC_ALL=ja_JP.UTF-8";

    const std::string dir = driver::scratch_dir("cp932");
    const std::string launcher_dir = dir + "\\" + launcher_folder;
    const std::string program_dir = dir + "\\" + probe_folder;
    CreateDirectoryA(launcher_dir.c_str(), nullptr);
    CreateDirectoryA(program_dir.c_str(), nullptr);
    driver::LaunchOptions options;
    options.application = launcher_dir + "\\tavrinel.exe";
    const std::string program = program_dir + "\\" + probe_name;
    ASSERT_TRUE(CopyFileA(driver::launcher_path().c_str(), options.application.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((driver::bin_dir() + "\\probe.exe").c_str(), program.c_str(), FALSE));

    const std::string tail = "\"" + program + "\"" + arguments;
    for (const std::string &name :
         {"\"" + options.application + "\"", std::string(unquoted_name)}) {
        SCOPED_TRACE(name);
        launch_probe(name + "  " += tail, tail, options);
    }
}

} // namespace

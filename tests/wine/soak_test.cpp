// Many launches, in a row and at once. TAVRINEL_SOAK_IN_A_ROW and
// TAVRINEL_SOAK_AT_ONCE set the counts for a longer run by hand.

#include "launch_probe.h"
#include "launcher_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int count_from_environment(const char *name, int fallback) {
    const char *value = std::getenv(name);
    const long count = value != nullptr ? std::strtol(value, nullptr, 10) : 0;
    return count > 0 ? static_cast<int>(count) : fallback;
}

std::string probe_tail() { return driver::quoted(driver::bin_dir() + "\\probe.exe") + " soak"; }

TEST(Soak, LaunchesInARow) {
    const int launches = count_from_environment("TAVRINEL_SOAK_IN_A_ROW", 200);
    const std::string tail = probe_tail();
    for (int i = 0; i < launches && !testing::Test::HasFailure(); ++i) {
        SCOPED_TRACE("launch " + std::to_string(i));
        launch_probe("tavrinel " + tail, tail);
    }
}

TEST(Soak, LaunchesAtOnce) {
    // WaitForMultipleObjects takes at most 64 handles.
    const int launches = std::min(count_from_environment("TAVRINEL_SOAK_AT_ONCE", 32), 64);
    const std::string tail = probe_tail();

    std::vector<driver::Probe> probes;
    std::vector<HANDLE> launchers;
    for (int i = 0; i < launches; ++i) {
        // Each launcher copies the environment, and so its probe's tag, when
        // it is created.
        probes.push_back(driver::prepare_probe());
        std::string command_line = "tavrinel " + tail;
        STARTUPINFOA startup_info = {};
        startup_info.cb = sizeof startup_info;
        PROCESS_INFORMATION launcher = {};
        ASSERT_TRUE(CreateProcessA(driver::launcher_path().c_str(), command_line.data(), nullptr,
                                   nullptr, FALSE, 0, nullptr, nullptr, &startup_info, &launcher));
        CloseHandle(launcher.hThread);
        launchers.push_back(launcher.hProcess);
    }

    EXPECT_EQ(
        WaitForMultipleObjects(static_cast<DWORD>(launchers.size()), launchers.data(), TRUE, 30000),
        WAIT_OBJECT_0)
        << "a launcher was still running";
    for (size_t i = 0; i < probes.size(); ++i) {
        DWORD exit_code = STILL_ACTIVE;
        GetExitCodeProcess(launchers[i], &exit_code);
        EXPECT_EQ(exit_code, 0U) << "launcher " << i;
        CloseHandle(launchers[i]);

        const driver::ProbeReport report = driver::wait_for_report(probes[i]);
        EXPECT_TRUE(report.arrived) << "child " << i;
        EXPECT_EQ(report.command_line, tail);
        EXPECT_EQ(driver::affinity_of(report.process_id), 0x1U) << "child " << i;
        driver::release(probes[i], report.process_id);
    }
}

} // namespace

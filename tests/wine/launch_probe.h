#pragma once

#include "launcher_driver.h"

#include <gtest/gtest.h>

#include <string>

// Starts the launcher on name + tail, where the tail names a probe, and checks
// what the probe saw and its affinity once the launcher had ended.
inline driver::ProbeReport launch_probe(const std::string &raw, const std::string &tail,
                                        const driver::LaunchOptions &options = {}) {
    driver::Probe probe = driver::prepare_probe();
    const driver::LauncherRun run = driver::run_launcher(raw, options);
    driver::ProbeReport report = driver::wait_for_report(probe);

    EXPECT_TRUE(run.ended) << "the launcher waited for its child";
    EXPECT_EQ(run.exit_code, 0U);
    EXPECT_TRUE(run.boxes.empty()) << run.boxes.front().text;
    EXPECT_EQ(run.processes_in_job, 2U) << "the launcher and its one child";
    EXPECT_TRUE(report.arrived) << "the child did not start";
    if (report.arrived) {
        EXPECT_EQ(report.command_line, tail);
        // The probe is still running: the launcher ended without waiting.
        EXPECT_EQ(driver::affinity_of(report.process_id), 0x1U);
    }
    driver::release(probe, report.process_id);
    return report;
}

// The version information and the manifest, read back from the built
// executable with the Win32 resource functions.

#include "launcher_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string version_string(const std::vector<char> &info, const char *name) {
    void *value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (VerQueryValueA(info.data(), path.c_str(), &value, &length) == FALSE || length == 0) {
        return "<missing>";
    }
    return static_cast<const char *>(value);
}

TEST(Resources, VersionInformation) {
    const std::string path = driver::launcher_path();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_GT(size, 0U) << "no version resource";
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

    EXPECT_EQ(version_string(info, "ProductName"), "Tavrinel");
    EXPECT_EQ(version_string(info, "FileVersion"), TAVRINEL_VERSION);
    EXPECT_EQ(version_string(info, "ProductVersion"), TAVRINEL_VERSION);
    EXPECT_EQ(version_string(info, "FileDescription"), "Starts a program pinned to processor 0");
    EXPECT_EQ(version_string(info, "LegalCopyright").rfind("Copyright (c) 2026 ", 0), 0U);
    EXPECT_EQ(version_string(info, "OriginalFilename"), "tavrinel.exe");

    void *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &fixed, &length));
    const auto *file_info = static_cast<const VS_FIXEDFILEINFO *>(fixed);
    const std::string numeric = std::to_string(HIWORD(file_info->dwFileVersionMS)) + "." +
                                std::to_string(LOWORD(file_info->dwFileVersionMS)) + "." +
                                std::to_string(HIWORD(file_info->dwFileVersionLS));
    EXPECT_EQ(numeric, TAVRINEL_VERSION);
    EXPECT_EQ(file_info->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(Resources, Manifest) {
    const HMODULE image =
        LoadLibraryExA(driver::launcher_path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr);
    const HRSRC resource = FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(resource, nullptr) << "no manifest";
    const auto *text = static_cast<const char *>(LockResource(LoadResource(image, resource)));
    const std::string manifest(text, SizeofResource(image, resource));
    FreeLibrary(image);

    for (const char *expected : {
             R"(<requestedExecutionLevel level="asInvoker"/>)",
             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // Windows 7
             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // Windows 8
             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // Windows 8.1
             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // Windows 10 and 11
             ">true/pm</dpiAware>",
             ">PerMonitorV2</dpiAwareness>",
         }) {
        EXPECT_NE(manifest.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(manifest.find("requireAdministrator"), std::string::npos);
}

} // namespace

// The shipped image itself: a 32-bit windowed program that imports only what
// the launcher calls.

#include "launcher_driver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<char> read_image() {
    std::ifstream file(driver::launcher_path(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

template <typename T> const T *at(const std::vector<char> &image, size_t offset) {
    return offset + sizeof(T) <= image.size() ? reinterpret_cast<const T *>(&image[offset])
                                              : nullptr;
}

// File offset of a relative virtual address; the section table follows the
// optional header.
size_t file_offset(const IMAGE_NT_HEADERS32 &nt, const std::vector<char> &image, DWORD rva) {
    const size_t sections =
        static_cast<size_t>(reinterpret_cast<const char *>(&nt.OptionalHeader) - image.data()) +
        nt.FileHeader.SizeOfOptionalHeader;
    for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
        const auto *section =
            at<IMAGE_SECTION_HEADER>(image, sections + i * sizeof(IMAGE_SECTION_HEADER));
        if (section != nullptr && rva >= section->VirtualAddress &&
            rva < section->VirtualAddress + section->Misc.VirtualSize) {
            return rva - section->VirtualAddress + section->PointerToRawData;
        }
    }
    return image.size();
}

std::string string_at(const std::vector<char> &image, size_t offset) {
    std::string text;
    while (offset < image.size() && image[offset] != '\0') {
        text += image[offset++];
    }
    return text;
}

TEST(Image, IsA32BitWindowedProgramImportingOnlyWhatItCalls) {
    const std::vector<char> image = read_image();
    // Code and imports take 3.5 KiB; the version information and the manifest
    // may add 2 KiB at most.
    EXPECT_LE(image.size(), 5632U);
    const auto *dos = at<IMAGE_DOS_HEADER>(image, 0);
    ASSERT_NE(dos, nullptr);
    ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
    const auto *nt = at<IMAGE_NT_HEADERS32>(image, static_cast<size_t>(dos->e_lfanew));
    ASSERT_NE(nt, nullptr);
    ASSERT_EQ(nt->Signature, static_cast<DWORD>(IMAGE_NT_SIGNATURE));
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    ASSERT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC) << "not PE32";
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);

    std::map<std::string, std::set<std::string>> imports;
    const IMAGE_DATA_DIRECTORY &directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (size_t offset = file_offset(*nt, image, directory.VirtualAddress);;
         offset += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto *descriptor = at<IMAGE_IMPORT_DESCRIPTOR>(image, offset);
        ASSERT_NE(descriptor, nullptr);
        if (descriptor->Name == 0) {
            break;
        }
        std::set<std::string> &names =
            imports[string_at(image, file_offset(*nt, image, descriptor->Name))];
        const DWORD thunks = descriptor->OriginalFirstThunk != 0 ? descriptor->OriginalFirstThunk
                                                                 : descriptor->FirstThunk;
        for (size_t thunk = file_offset(*nt, image, thunks);; thunk += sizeof(DWORD)) {
            const auto *entry = at<DWORD>(image, thunk);
            ASSERT_NE(entry, nullptr);
            if (*entry == 0) {
                break;
            }
            ASSERT_EQ(*entry & IMAGE_ORDINAL_FLAG32, 0U) << "import by ordinal";
            names.insert(string_at(image, file_offset(*nt, image, *entry) + sizeof(WORD)));
        }
    }
    const std::map<std::string, std::set<std::string>> expected = {
        {"KERNEL32.dll",
         {"GetCommandLineA", "GetACP", "GetCPInfo", "CreateProcessA", "SetProcessAffinityMask",
          "ExitProcess"}},
        {"USER32.dll", {"MessageBoxA"}}};
    EXPECT_EQ(imports, expected);
}

} // namespace

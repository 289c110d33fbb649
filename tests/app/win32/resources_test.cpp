// quorbals.rc linked into this test program, read back the way Windows reads
// it: the version block, the icon's images and what the manifest switches on.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/win32/resource_ids.h"

namespace {

std::vector<char> OwnVersionBlock() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(path, &ignored));
    if (block.empty() ||
        !GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data())) {
        return {};
    }
    return block;
}

std::string VersionString(std::vector<char>& block, const char* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(block.data(), key.c_str(), &value, &length) || length == 0) {
        return {};
    }
    return static_cast<const char*>(value);
}

TEST(Resources, VersionBlockNamesTheProgramAndVersion21) {
    auto block = OwnVersionBlock();
    ASSERT_FALSE(block.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(1, 2)));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(VersionString(block, "ProductName"), "Quorbals");
    EXPECT_EQ(VersionString(block, "FileVersion"), "2.1.0.0");
    EXPECT_EQ(VersionString(block, "ProductVersion"), "2.1");
    EXPECT_EQ(VersionString(block, "CompanyName"), "Vintra Games");
    EXPECT_NE(VersionString(block, "LegalCopyright").find("MIT"), std::string::npos);
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(Resources, ProgramIconHoldsEverySizeAndTheSixteenColourImage) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDI_QUORBALS), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    const WORD count = *reinterpret_cast<const WORD*>(group + 4);
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(group + 6);
    std::set<std::tuple<int, int>> images;  // side (0 for 256) and bits per pixel
    for (WORD i = 0; i < count; ++i) {
        images.emplace(entries[i].width, entries[i].bits);
    }
    EXPECT_EQ(images,
              (std::set<std::tuple<int, int>>{{16, 32}, {32, 32}, {32, 4}, {48, 32}, {0, 32}}));
    for (int side : {16, 32, 48, 256}) {
        HICON icon =
            static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_QUORBALS),
                                          IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
        EXPECT_NE(icon, nullptr) << side;
        DestroyIcon(icon);
    }
}

TEST(Resources, ManifestMakesUtf8TheAnsiCodePageLoadsCommonControls6AndAsksForPerMonitorDpi) {
    // Paths in UTF-8 then reach the A entries whole.
    EXPECT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
    // The manifest's dependency sends comctl32.dll to the version 6 assembly.
    ACTCTX_SECTION_KEYED_DATA redirect{};
    redirect.cbSize = sizeof redirect;
    EXPECT_TRUE(FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                         "comctl32.dll", &redirect));
    EXPECT_TRUE(IsProcessDPIAware());
    // Each window is told its own monitor's scale. Wine keeps the awareness
    // alone, not its version: that the version asked for is 2 (the system
    // scales the frame and the menu bar, the program its client area) is
    // read from the manifest itself.
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_PER_MONITOR_AWARE);
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                               SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
}

}  // namespace

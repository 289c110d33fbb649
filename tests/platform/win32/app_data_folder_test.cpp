// AppDataFolder reads the user's "AppData" shell folder from the registry
// as it stands (here the private Wine prefix's registry, put back after
// each case), and the data locations build on it.
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/app_data_folder.h"
#include "platform/win32/wide_path.h"
#include "storage/data_locations.h"

namespace quorbals {
namespace {

constexpr wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Sets (or removes) the value for one test and restores what was there.
class AppDataValue {
public:
    AppDataValue() {
        RegCreateKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr);
        wchar_t buffer[1024] = {};
        DWORD bytes = sizeof buffer - sizeof(wchar_t);
        DWORD type = 0;
        if (RegQueryValueExW(key_, L"AppData", nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                             &bytes) == ERROR_SUCCESS) {
            saved_ = std::wstring(buffer);
            savedType_ = type;
        }
    }
    ~AppDataValue() {
        if (saved_) {
            Set(*saved_, savedType_);
        } else {
            Remove();
        }
        RegCloseKey(key_);
    }
    void Set(const std::wstring& text, DWORD type = REG_SZ) {
        RegSetValueExW(key_, L"AppData", 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    void Remove() { RegDeleteValueW(key_, L"AppData"); }

private:
    HKEY key_ = nullptr;
    std::optional<std::wstring> saved_;
    DWORD savedType_ = REG_SZ;
};

TEST(AppDataFolderWin32Test, ReadsTheValueAsItStandsInUtf8) {
    AppDataValue value;
    value.Set(L"C:\\users\\\u0418\u0432\u0430\u043d\\\u0414\u0430\u043d\u043d\u044b\u0435");
    EXPECT_EQ(AppDataFolder(), "C:\\users\\Иван\\Данные");
    // Nothing is made: Windows keeps that folder itself.
    EXPECT_FALSE(std::filesystem::exists(*WideText(AppDataFolder())));
}

TEST(AppDataFolderWin32Test, MissingValueGivesNothing) {
    AppDataValue value;
    value.Remove();
    EXPECT_EQ(AppDataFolder(), "");
}

TEST(AppDataFolderWin32Test, DataFolderIsMadeOneLevelUnderACyrillicFolder) {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const std::filesystem::path base =
        std::filesystem::path(temp) / L"quorbals-\u0434\u0430\u043d\u043d\u044b\u0435";
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(base);
    AppDataValue value;
    value.Set(base.wstring());

    const DataPaths paths = LocateDataPaths();
    EXPECT_EQ(paths.dataDir, Utf8Path(base.wstring()) + "\\Quorbals\\");
    EXPECT_TRUE(std::filesystem::is_directory(base / L"Quorbals"));
    EXPECT_EQ(paths.helpFile, paths.exeDir + "quorbals.chm");
    std::filesystem::remove_all(base);
}

}  // namespace
}  // namespace quorbals

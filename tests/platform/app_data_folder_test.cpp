#include "platform/app_data_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/platform/temp_folder.h"

namespace quorbals {
namespace {

// Sets XDG_DATA_HOME for one scope and puts the old value back.
class DataHome {
public:
    explicit DataHome(const std::string& value) {
        if (const char* old = std::getenv("XDG_DATA_HOME")) {
            saved_ = old;
        }
        setenv("XDG_DATA_HOME", value.c_str(), 1);
    }
    ~DataHome() {
        if (saved_) {
            setenv("XDG_DATA_HOME", saved_->c_str(), 1);
        } else {
            unsetenv("XDG_DATA_HOME");
        }
    }
    DataHome(const DataHome&) = delete;
    DataHome& operator=(const DataHome&) = delete;

private:
    std::optional<std::string> saved_;
};

TEST(AppDataFolderTest, MakesAMissingFolderWithAllItsLevels) {
    testing::TempFolder temp;
    const std::filesystem::path folder = temp.path() / "fresh" / "account" / "share";
    DataHome home(folder.string());

    EXPECT_EQ(AppDataFolder(), folder.string());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    // A second call finds it there and answers the same.
    EXPECT_EQ(AppDataFolder(), folder.string());
}

TEST(AppDataFolderTest, LeavesAnExistingFolderAndItsFilesAlone) {
    testing::TempFolder temp;
    temp.Write("share/Quorbals/quorbals.set", "123456789");
    DataHome home((temp.path() / "share").string());

    EXPECT_EQ(AppDataFolder(), (temp.path() / "share").string());
    EXPECT_EQ(std::filesystem::file_size(temp.path() / "share/Quorbals/quorbals.set"), 9u);
}

}  // namespace
}  // namespace quorbals

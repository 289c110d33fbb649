#include "platform/app_data_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/temp_folder.h"

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
    test::TempFolder temp;
    const std::string folder = temp / "fresh/account/share";
    DataHome home(folder);

    EXPECT_EQ(AppDataFolder(), folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    // A second call finds it there and answers the same.
    EXPECT_EQ(AppDataFolder(), folder);
}

TEST(AppDataFolderTest, LeavesAnExistingFolderAndItsFilesAlone) {
    test::TempFolder temp;
    temp.Write("share/Quorbals/quorbals.set", "123456789");
    DataHome home(temp / "share");

    EXPECT_EQ(AppDataFolder(), temp / "share");
    EXPECT_EQ(std::filesystem::file_size(temp / "share/Quorbals/quorbals.set"), 9u);
}

}  // namespace
}  // namespace quorbals

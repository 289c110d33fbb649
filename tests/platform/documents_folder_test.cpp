// The documents folder on Linux: the XDG documents folder the user's
// user-dirs file names, else the home folder (never a folder that is not there).
#include "platform/documents_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

// Sets an environment variable for one scope and puts the old value back.
class Environment {
public:
    Environment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            saved_ = old;
        }
        setenv(name, value.c_str(), 1);
    }
    ~Environment() {
        if (saved_) {
            setenv(name_, saved_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(DocumentsFolderTest, FollowsTheUserDirsFileElseTheHomeFolder) {
    test::TempFolder temp;
    Environment home("HOME", temp / "home");
    Environment config("XDG_CONFIG_HOME", temp / "config");
    temp.Write("home/.profile", "");

    // No user-dirs file and no ~/Documents: the home folder.
    EXPECT_EQ(UserDocumentsFolder(), temp / "home");

    temp.Write("home/Documents/.keep", "");
    EXPECT_EQ(UserDocumentsFolder(), temp / "home/Documents");

    temp.Write("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    temp.Write("home/Papers/.keep", "");
    EXPECT_EQ(UserDocumentsFolder(), temp / "home/Papers");
}

}  // namespace
}  // namespace quorbals

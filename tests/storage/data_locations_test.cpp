#include <QByteArray>
#include <QtGlobal>
#include <filesystem>

#include <gtest/gtest.h>

#include "storage/data_locations.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

// On a fresh account the data folder does not exist yet: the whole path is
// made, and the game's own folder under it.
TEST(DataLocationsTest, FreshAccountGetsItsDataFolder) {
    test::TempFolder dir;
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir / "fresh/share"));
    const DataPaths paths = LocateDataPaths();
    if (previous.isNull()) {
        qunsetenv("XDG_DATA_HOME");
    } else {
        qputenv("XDG_DATA_HOME", previous);
    }
    EXPECT_EQ(paths.dataDir, dir.path() + "/fresh/share/Quorbals/");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "fresh/share/Quorbals"));
    ASSERT_FALSE(paths.exeDir.empty());
    EXPECT_EQ(paths.exeDir.back(), '/');
    EXPECT_EQ(paths.helpFile, paths.exeDir + "quorbals.chm");
}

}  // namespace
}  // namespace quorbals

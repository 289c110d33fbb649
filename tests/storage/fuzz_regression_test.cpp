// Replays every committed fuzz input (the seeds, and each input that once
// broke a reader) through the checks the fuzz targets make.
#include <filesystem>

#include <gtest/gtest.h>

#include "fuzz/decoder_checks.h"
#include "tests/support/temp_folder.h"

namespace quorbals {
namespace {

using Check = const char* (*)(std::span<const std::uint8_t>);

void ReplayCorpus(const char* target, Check check) {
    const std::filesystem::path folder = std::filesystem::path(QUORBALS_FUZZ_CORPUS_DIR) / target;
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto bytes = test::ReadBytes(entry.path().string());
        const char* failure = check(bytes);
        EXPECT_EQ(failure, nullptr) << entry.path() << ": " << failure;
        ++replayed;
    }
    EXPECT_GT(replayed, 0);
}

TEST(FuzzRegressionTest, SavedGameCorpus) {
    ReplayCorpus("saved_game", fuzz::CheckSavedGameDecoder);
}

TEST(FuzzRegressionTest, ScoreFileCorpus) {
    ReplayCorpus("score_file", fuzz::CheckScoreFileDecoder);
}

TEST(FuzzRegressionTest, SettingsCorpus) {
    ReplayCorpus("settings", fuzz::CheckSettingsDecoder);
}

}  // namespace
}  // namespace quorbals

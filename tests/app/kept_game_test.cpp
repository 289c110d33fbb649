// The game in progress, kept for a front end whose window the system may
// take away without the player's closing it (a browser tab): written as a
// saved game whenever the game comes to rest, taken back at the next start,
// removed when the player ends the game.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/main_commands.h"
#include "storage/file_system.h"
#include "storage/saved_game.h"
#include "tests/app/fake_front_end.h"
#include "tests/support/temp_folder.h"

namespace quorbals::test {
namespace {

class KeepingFrontEnd : public FakeFrontEnd {
public:
    bool KeepsGameInProgress() const override { return keeps; }
    bool keeps = true;
};

// One run of the program over the same data folder.
struct GameRun {
    explicit GameRun(const DataPaths& paths, bool keeps = true) {
        fe.keeps = keeps;
        commands.FormCreate(paths);
        commands.FormActivate();
    }
    std::vector<std::uint8_t> AsSaved() const {
        const auto bytes = EncodeSavedGame(RecordsOf(app.game));
        return {bytes.begin(), bytes.end()};
    }
    // Moves the first ball that can move, and runs the flight and the turn.
    void PlayOneMove() {
        auto centre = [](int c) { return 4 + c * 29 + 11; };
        for (int from = 0; from < kCellCount; ++from) {
            if (app.game.desk[static_cast<std::size_t>(from)] == kNoBall) {
                continue;
            }
            commands.I_DeskMouseUp(centre(from % 9), centre(from / 9));
            for (int to = 0; to < kCellCount && !commands.Busy(); ++to) {
                if (app.game.desk[static_cast<std::size_t>(to)] == kNoBall) {
                    commands.I_DeskMouseUp(centre(to % 9), centre(to / 9));
                }
            }
            if (commands.Busy()) {
                return;
            }
        }
        FAIL() << "no ball could move";
    }
    void FinishTurn() {
        while (fe.TimerRunning(AppTimer::Move)) {
            commands.MoveTimerTimer();
        }
        while (fe.TimerRunning(AppTimer::Wait)) {
            commands.WaitTimerTimer();
        }
    }

    KeepingFrontEnd fe;
    AppState app;
    MainCommands commands{app, fe};
};

class KeptGame : public ::testing::Test {
protected:
    KeptGame() {
        std::filesystem::create_directory(dir / "exe");
        paths = MakeDataPaths(dir / "exe/", dir.path());
    }
    std::vector<std::uint8_t> Kept() const { return ReadBytes(paths.keptGameFile); }

    TempFolder dir;
    DataPaths paths;
};

TEST_F(KeptGame, IsWrittenOnlyAtRestAndComesBackAtTheNextStart) {
    std::vector<std::uint8_t> atRest;
    GameState played;
    {
        GameRun first(paths);
        EXPECT_EQ(Kept(), first.AsSaved()) << "the first game is kept once dealt";
        first.PlayOneMove();
        ASSERT_TRUE(first.commands.Busy());
        EXPECT_NE(Kept(), first.AsSaved()) << "a ball in flight is never kept half-way";
        first.FinishTurn();
        EXPECT_EQ(Kept(), first.AsSaved());
        atRest = Kept();
        // A ball selected when the page goes: the selection is not kept.
        first.PlayOneMove();
        played = first.app.game;
    }
    GameRun second(paths);
    EXPECT_EQ(second.AsSaved(), atRest) << "back as the game stood before the move in flight";
    EXPECT_EQ(second.app.game.selection.color, kNoBall);
    EXPECT_TRUE(second.fe.boxes.empty());
    EXPECT_NE(second.app.game.desk, played.desk);
}

TEST_F(KeptGame, ADamagedOneIsDroppedWithoutABox) {
    WriteBytes(paths.keptGameFile, {'k', 'v', 'x', 0, 1, 2});
    GameRun run(paths);
    EXPECT_TRUE(run.fe.boxes.empty());
    EXPECT_EQ(Kept(), run.AsSaved()) << "a new game is dealt and kept in its place";
}

TEST_F(KeptGame, ExitAndGameOverRemoveItANewGameAndALoadKeepIt) {
    GameRun run(paths);
    run.commands.FormClose();
    EXPECT_FALSE(FileExists(paths.keptGameFile)) << "Exit: the next start deals a new game";
    run.commands.MI_GameNewClick();
    EXPECT_EQ(Kept(), run.AsSaved());
    run.commands.ShowGameOver();
    EXPECT_FALSE(FileExists(paths.keptGameFile));

    const std::string saved = dir / "game.kvx";
    run.fe.paths = {saved, saved};
    run.commands.MI_GameSaveClick();
    run.commands.MI_GameNewClick();
    run.commands.MI_GameLoadClick();
    EXPECT_EQ(Kept(), ReadBytes(saved));
}

TEST_F(KeptGame, DesktopFrontEndsNeverKeepOne) {
    GameRun run(paths, false);
    run.PlayOneMove();
    run.FinishTurn();
    run.commands.MI_GameNewClick();
    EXPECT_FALSE(FileExists(paths.keptGameFile));
    WriteBytes(paths.keptGameFile, run.AsSaved());
    GameRun next(paths, false);
    EXPECT_NE(next.app.game.desk, run.app.game.desk);
}

}  // namespace
}  // namespace quorbals::test

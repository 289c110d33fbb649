// What the shared commands give every player beyond the pointer: keyboard
// play with its cursor on screen, the colour marks switch kept in a file of
// its own, and the news of each turn for screen readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/main_commands.h"
#include "app/turn_news.h"
#include "storage/colour_marks_file.h"
#include "storage/file_system.h"
#include "tests/app/fake_front_end.h"
#include "tests/support/temp_folder.h"
#include "view/sprite_sheets.h"

namespace quorbals::test {
namespace {

class EveryPlayerTest : public ::testing::Test {
protected:
    EveryPlayerTest() {
        std::filesystem::create_directory(dir / "exe");
        paths = MakeDataPaths(dir / "exe/", dir.path());
    }

    void Start() {
        commands.FormCreate(paths);
        commands.FormActivate();
        commands.FlushDesk();
    }

    // A fresh Desk with one ball, in the middle.
    void OneBallInTheMiddle(BallColor color) {
        GameState& g = app.game;
        for (int i = 0; i < kCellCount; ++i) {
            g.desk[static_cast<std::size_t>(i)] = kNoBall;
            g.freeCellList[static_cast<std::size_t>(i)] = {i % 9, i / 9, 1, {0, 0, 0}};
        }
        g.desk[CellIndex(4, 4)] = color;
        g.freeCellList[CellIndex(4, 4)].free = 0;
        g.freeCount = kCellCount - 1;
        commands.ShowLoadedGame();
    }

    TempFolder dir;
    DataPaths paths;
    FakeFrontEnd fe;
    AppState app;
    MainCommands commands{app, fe};
};

TEST_F(EveryPlayerTest, AWholeMoveByKeyboardWithTheCursorShownOverThePicture) {
    Start();
    OneBallInTheMiddle(2);
    fe.shownDeskRects.clear();
    commands.DeskKeyDown(DeskKey::Down);
    ASSERT_TRUE(commands.Cursor().shown);
    // The cursor's area is repainted; the picture itself stays as it was.
    EXPECT_NE(std::find(fe.shownDeskRects.begin(), fe.shownDeskRects.end(), CursorArea({4, 4})),
              fe.shownDeskRects.end());
    EXPECT_TRUE(commands.Pictures().desk.PendingRects().empty());
    const int changes = fe.deskStateChanges;
    commands.DeskKeyDown(DeskKey::Act);
    EXPECT_EQ(app.game.selection.color, 2);
    EXPECT_GT(fe.deskStateChanges, changes) << "screen readers hear of the selection";
    commands.DeskKeyDown(DeskKey::RowEnd);
    EXPECT_EQ(app.game.path.target, (Cell{8, 4}));
    commands.DeskKeyDown(DeskKey::Act);
    EXPECT_TRUE(fe.TimerRunning(AppTimer::Move));
    while (fe.TimerRunning(AppTimer::Move)) {
        commands.MoveTimerTimer();
    }
    fe.announced.clear();
    commands.WaitTimerTimer();
    ASSERT_FALSE(fe.announced.empty());
    EXPECT_EQ(fe.announced.back().rfind("Green ball moved to row 5, column 9. Placed ", 0), 0u)
        << fe.announced.back();

    // The pointer takes over: the cursor hides and its area is repainted.
    fe.shownDeskRects.clear();
    commands.I_DeskMouseMove(10, 10);
    EXPECT_FALSE(commands.Cursor().shown);
    EXPECT_EQ(fe.shownDeskRects.front(), CursorArea({8, 4}));
}

// What a screen reader hears at each step of keyboard and pointer play.
TEST_F(EveryPlayerTest, EveryStepOfAMoveIsHeard) {
    Start();
    OneBallInTheMiddle(2);
    auto said = [&] {
        std::vector<std::string> out = fe.announced;
        fe.announced.clear();
        return out;
    };
    using Said = std::vector<std::string>;
    // The first key shows the cursor on (4, 4) and moves nothing: the news
    // says where it stands. Moves are heard as the focus moves, not as news.
    commands.DeskKeyDown(DeskKey::Left);
    EXPECT_EQ(said(), (Said{"Green ball, row 5, column 5."}));
    commands.DeskKeyDown(DeskKey::Left);
    EXPECT_TRUE(said().empty());
    commands.DeskKeyDown(DeskKey::Act);
    EXPECT_EQ(said(), (Said{"Select a ball first."}));
    commands.DeskKeyDown(DeskKey::Right);
    commands.DeskKeyDown(DeskKey::Act);
    EXPECT_EQ(said(), (Said{"Green ball selected, row 5, column 5."}));
    commands.DeskKeyDown(DeskKey::Deselect);
    EXPECT_EQ(said(), (Said{"Green ball put down."}));

    // Walled in on three sides by the edge and a ball: the corner beyond has no route.
    GameState& g = app.game;
    for (const Cell c : {Cell{7, 8}, Cell{8, 7}}) {
        g.desk[CellIndex(c.x, c.y)] = 0;
        g.freeCellList[CellIndex(c.x, c.y)].free = 0;
        g.freeCount -= 1;
    }
    commands.ToggleColourMarks();
    said();
    commands.DeskKeyDown(DeskKey::Act);
    EXPECT_EQ(said(), (Said{"Green ball with a plus selected, row 5, column 5."}));
    commands.DeskKeyDown(DeskKey::RowEnd);
    commands.DeskKeyDown(DeskKey::ColumnBottom);
    commands.DeskKeyDown(DeskKey::Act);
    EXPECT_EQ(said(), (Said{"No route to row 9, column 9."}));
    EXPECT_EQ(g.selection.color, 2) << "still selected";

    // The pointer: another ball takes the selection; a move says nothing
    // until its turn's news.
    auto centre = [](int c) { return 4 + c * 29 + 11; };
    commands.I_DeskMouseUp(centre(7), centre(8));
    EXPECT_EQ(said(), (Said{"Blue ball with a ring selected, row 9, column 8."}));
    commands.I_DeskMouseUp(centre(0), centre(0));
    EXPECT_TRUE(commands.Busy());
    EXPECT_TRUE(said().empty());
}

TEST_F(EveryPlayerTest, ColourMarksSwitchRedrawsAndIsKeptBetweenRuns) {
    Start();
    const PixelPicture plainPreview = commands.Pictures().previews[0].Picture();
    commands.ToggleColourMarks();
    EXPECT_TRUE(app.colourMarks);
    EXPECT_NE(commands.Pictures().previews[0].Picture(), plainPreview);
    EXPECT_EQ(fe.announced.back(), "Colour marks on.");
    EXPECT_EQ(ReadFilePrefix(paths.colourMarksFile, 10), std::vector<std::uint8_t>{1});
    EXPECT_FALSE(FileExists(paths.settingsFile)) << "the settings file is not touched";

    // The next run starts with marks on, before anything is dealt.
    FakeFrontEnd fe2;
    AppState app2;
    MainCommands next{app2, fe2};
    next.FormCreate(paths);
    EXPECT_TRUE(app2.colourMarks);
    EXPECT_EQ(next.Pictures().sheets.tiles, MakeTileSheet(true));
    EXPECT_TRUE(fe2.Errors().empty());
}

TEST_F(EveryPlayerTest, AnUnwritableMarksFileIsReportedAndTheMarksStillShow) {
    Start();
    std::filesystem::create_directory(paths.colourMarksFile);  // a folder in its place
    commands.ToggleColourMarks();
    EXPECT_TRUE(app.colourMarks);
    ASSERT_EQ(fe.Errors().size(), 1u);
    EXPECT_EQ(fe.Errors()[0], "File access denied.");
}

TEST(ColourMarksFile, MissingOrZeroIsOffAnyOtherByteOn) {
    TempFolder dir;
    const std::string path = dir / "quorbals.mrk";
    EXPECT_FALSE(LoadColourMarks(path).on);
    EXPECT_FALSE(LoadColourMarks(path).error);
    for (const auto& [byte, on] : {std::pair{0, false}, {1, true}, {7, true}}) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << static_cast<char>(byte);
        EXPECT_EQ(LoadColourMarks(path).on, on) << byte;
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc);
    EXPECT_FALSE(LoadColourMarks(path).on) << "an empty file";
    SaveColourMarks(path, true);
    EXPECT_EQ(ReadFilePrefix(path, 5), std::vector<std::uint8_t>{1});
}

TEST(TurnNews, TellsWhatHappenedInOrder) {
    TurnRecord turn;
    EXPECT_EQ(DescribeTurn(turn), "");
    turn.moved = 4;
    turn.movedTo = {5, 3};
    turn.placed = {{{0, 0}, 1}, {{8, 8}, 5}};
    EXPECT_EQ(DescribeTurn(turn),
              "Red ball moved to row 4, column 6. Placed cyan at row 1, column 1; yellow at "
              "row 9, column 9.");
    turn.placed.clear();
    turn.removed.assign(5, {{0, 0}, 2});
    turn.removed.push_back({{1, 1}, 0});
    turn.points = 22;
    EXPECT_EQ(DescribeTurn(turn),
              "Red ball moved to row 4, column 6. Removed 1 blue ball and 5 green balls. Scored "
              "22 points.");
}

}  // namespace
}  // namespace quorbals::test

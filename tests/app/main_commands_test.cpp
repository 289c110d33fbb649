// The main window's shared commands against a recording front end: what
// every front end gets without deciding anything itself.
#include "app/main_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#ifdef _WIN32
#include <windows.h>
#undef PlaySound  // the rules' sound cue, not the system call
#endif

#include "app/game_file_commands.h"
#include "game/path_search.h"
#include "storage/file_error.h"
#include "storage/high_score_commands.h"
#include "storage/saved_game.h"
#include "storage/score_table.h"
#include "storage/window_settings.h"
#include "tests/app/fake_front_end.h"
#include "tests/support/temp_folder.h"

namespace quorbals::test {
namespace {

class MainCommandsTest : public ::testing::Test {
protected:
    MainCommandsTest() {
        std::filesystem::create_directory(dir / "exe");
        paths = MakeDataPaths(dir / "exe/", dir.path());
        fe.hiscores = &dialog;
    }

    void Activate() {
        commands.FormCreate(paths);
        commands.FormActivate();
    }

    // The Desk picture as the game state says it must look.
    PixelPicture DrawnDesk() const {
        const PlayPictures& pictures = commands.Pictures();
        PixelPicture expected = pictures.sheets.storeDesk;
        for (int i = 0; i < kCellCount; ++i) {
            const BallColor c = app.game.desk[static_cast<std::size_t>(i)];
            if (c != kNoBall) {
                const PixelPicture tile = pictures.sheets.tiles.Copy({0, c * 23, 22, 22});
                for (int y = 0; y < 22; ++y) {
                    for (int x = 0; x < 22; ++x) {
                        expected.Set(4 + i % 9 * 29 + x, 4 + i / 9 * 29 + y, tile.At(x, y));
                    }
                }
            }
        }
        return expected;
    }

    int BallsOnDesk() const {
        return static_cast<int>(std::count_if(app.game.desk.begin(), app.game.desk.end(),
                                              [](BallColor c) { return c != kNoBall; }));
    }

    TempFolder dir;
    DataPaths paths;
    FakeFrontEnd fe;
    FakeHighScoreDialog dialog;
    AppState app;
    MainCommands commands{app, fe};
};

TEST_F(MainCommandsTest, FirstActivationPlacesTheFramedWindowAndDealsOnce) {
    commands.FormCreate(paths);
    EXPECT_TRUE(fe.sound) << "Sound starts checked";
    // The play area as client size, with the fake's frame around it.
    EXPECT_EQ(fe.outer.width, kPlayWidth + fe.frameExtra.width);
    EXPECT_EQ(fe.outer.height, kPlayHeight + fe.frameExtra.height);
    // The real frame turns out larger than the estimate: centred again.
    fe.outer.width += 2;
    fe.outer.height += 20;
    commands.FormActivate();
    EXPECT_EQ(fe.outer.x, (1024 - fe.outer.width) / 2);
    EXPECT_EQ(fe.outer.y, (768 - fe.outer.height) / 2);
    EXPECT_EQ(BallsOnDesk(), 3);
    EXPECT_TRUE(fe.TimerRunning(AppTimer::Glow));

    const auto desk = app.game.desk;
    fe.MoveWindow(5, 5);
    commands.FormActivate();
    EXPECT_EQ(app.game.desk, desk) << "later activations do nothing";
    EXPECT_EQ(fe.outer.x, 5);
}

TEST_F(MainCommandsTest, StoredPositionIsClampedAgainOnceTheFrameIsKnown) {
    WindowSettingsRecord stored;
    stored.left = 2000;
    stored.top = 10;
    stored.sound = 0;
    SaveWindowSettings(paths.settingsFile, stored);
    commands.FormCreate(paths);
    EXPECT_EQ(fe.outer.x, 1024 - fe.outer.width);
    EXPECT_EQ(fe.outer.y, 10);
    EXPECT_FALSE(fe.sound);
    fe.outer.width += 10;
    commands.FormActivate();
    EXPECT_EQ(fe.outer.x, 1024 - fe.outer.width);

    fe.MoveWindow(40, 50);
    commands.FormClose();
    const SettingsLoad back = LoadWindowSettings(paths.settingsFile);
    EXPECT_EQ(back.left, 40);
    EXPECT_EQ(back.top, 50);
    EXPECT_FALSE(back.sound);
}

TEST_F(MainCommandsTest, ErrorsAreReportedWithTheirFullStopAndNeverEscape) {
    EXPECT_FALSE(commands.Guard([] { throw FileError(kDiskFull, "Disk full"); }));
    EXPECT_TRUE(commands.Guard([] {}));
    commands.ReportError("Stop!");
    commands.ReportError("a-");
    commands.ReportError("");
    EXPECT_EQ(fe.Errors(), (std::vector<std::string>{"Disk full.", "Stop!", "a-", ""}));
    EXPECT_EQ(ErrorReportText("I/O error 5"), "I/O error 5.");
}

TEST_F(MainCommandsTest, SoundGateAndTimersThatAreNeverRestarted) {
    Activate();
    fe.sound = false;
    commands.PlaySound(SoundCue::Select);
    fe.sound = true;
    commands.PlaySound(SoundCue::End);
    EXPECT_EQ(fe.waves, (std::vector<std::string>{"end.wav"}));
    commands.StartTimer(GameTimer::Wait);
    commands.StartTimer(GameTimer::Wait);
    EXPECT_EQ(fe.restarts, 0);
    EXPECT_TRUE(commands.Busy());
    commands.MI_OptionsSoundClick();
    EXPECT_FALSE(fe.sound);
}

TEST_F(MainCommandsTest, SaveAndLoadOfferTheRememberedNamesAndKeepTheTimers) {
    Activate();
    const std::string file = dir / "game.kvx";
    fe.StartTimer(AppTimer::Wait);
    fe.paths = {std::nullopt, file};
    commands.MI_GameSaveClick();  // cancelled
    commands.MI_GameSaveClick();
    EXPECT_TRUE(fe.TimerRunning(AppTimer::Wait));
    EXPECT_EQ(ReadBytes(file).size(), 1320u);

    const GameState saved = app.game;
    commands.MI_GameNewClick();
    app.game.selection.color = 2;
    fe.StartTimer(AppTimer::Move);
    fe.paths = {file};
    commands.MI_GameLoadClick();
    EXPECT_EQ(app.game.desk, saved.desk);
    EXPECT_EQ(app.game.selection.color, kNoBall);
    EXPECT_FALSE(commands.Busy()) << "a load ends a flight and a pending turn";
    EXPECT_EQ(BallsOnDesk(), 3);

    // save1.kvx in the documents folder first, then the chosen file's folder.
    const DialogStart start = DialogStartFor(file, fe.documents);
    ASSERT_EQ(fe.offered.size(), 3u);
    EXPECT_EQ(fe.offered[0], fe.documents + "|save1.kvx");
    EXPECT_EQ(fe.offered[1], fe.documents + "|save1.kvx");
    EXPECT_EQ(fe.offered[2], start.folder + "|game.kvx");
    EXPECT_EQ(start.folder, dir.path() + kPathSeparator);
}

TEST_F(MainCommandsTest, FirstDialogsOfARunOpenInTheDocumentsFolderNotTheCurrentOne) {
    // Started from the Start menu the current folder is the program's own,
    // where a user may not write; it stays current (the sounds are there).
    const std::string programFolder = dir / "program";
    std::filesystem::create_directory(FsPath(programFolder));
    MakeReadOnly(programFolder);
    CurrentFolder current(programFolder);
    fe.documents = dir / "documents";
    Activate();

    commands.MI_GameLoadClick();  // cancelled
    commands.MI_GameSaveClick();  // cancelled
    const std::string saved = dir / "elsewhere.kvx";
    fe.paths = {saved};
    commands.MI_GameSaveClick();
    commands.MI_GameLoadClick();  // cancelled
    const std::string folder = dir.path() + kPathSeparator;
    EXPECT_EQ(fe.offered,
              (std::vector<std::string>{fe.documents + "|", fe.documents + "|save1.kvx",
                                        fe.documents + "|save1.kvx", folder + "|elsewhere.kvx"}));
    EXPECT_EQ(ReadBytes(saved).size(), 1320u);
    EXPECT_TRUE(
        std::filesystem::equivalent(std::filesystem::current_path(), FsPath(programFolder)));
}

TEST_F(MainCommandsTest, RefusedAndFailedLoadsChangeNothing) {
    Activate();
    const GameState before = app.game;
    const std::string bad = dir / "bad.kvx";
    std::vector<std::uint8_t> bytes(1320, 0);
    bytes[0] = 'k', bytes[1] = 'v', bytes[2] = 'x', bytes[3] = '!';
    WriteBytes(bad, bytes);
    WriteBytes(dir / "short.kvx", {'k', 'v', 'x', 0});
    fe.StartTimer(AppTimer::Move);
    fe.paths = {bad, dir / "short.kvx"};
    commands.MI_GameLoadClick();
    commands.MI_GameLoadClick();
    EXPECT_EQ(fe.Errors(), (std::vector<std::string>{"\"bad.kvx\" is invalid or corrupt!",
                                                     "Read beyond end of file."}));
    EXPECT_EQ(app.game.desk, before.desk);
    EXPECT_TRUE(fe.TimerRunning(AppTimer::Move));
}

TEST_F(MainCommandsTest, UnreadScoreFileIsNeverOverwritten) {
    // A score file that exists but cannot be read, for root too.
    const std::string readable = paths.scoreFile;
#ifdef _WIN32
    WriteBytes(readable, std::vector<std::uint8_t>(28, 7));
    const HANDLE held = CreateFileA(readable.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
#else
    paths.scoreFile = "/proc/self/mem";
#endif
    Activate();
    ASSERT_EQ(fe.Errors().size(), 1u);
    EXPECT_EQ(BallsOnDesk(), 3) << "the game is still dealt";

    app.game.score = 50;
    dialog.typedName = "Ann";
    EXPECT_TRUE(commands.EnterHighScore()) << "nothing was lost: the next game follows";
    EXPECT_EQ(fe.Errors().size(), 2u) << "the second read failed too";
    EXPECT_EQ(dialog.Cell(1, 1), "Ann");

    // Once the file reads, the entry joins what it holds.
#ifdef _WIN32
    CloseHandle(held);
#endif
    app.paths.scoreFile = paths.scoreFile = readable;
    ScoreTable onDisk;
    HighScoreState other;
    other.table = onDisk;
    PlaceNewScore(other, 90);
    WriteHighScores(paths, other.table);
    app.game.score = 70;
    EXPECT_TRUE(commands.EnterHighScore());
    ScoreTable back;
    LoadHighScores(paths, back);
    ASSERT_EQ(back.count, 2);
    EXPECT_EQ(back.entries[0].score, 90);
    EXPECT_EQ(back.entries[1].score, 70);
}

TEST_F(MainCommandsTest, EntryShowsTheNameBoxOnItsRowAndAFailedWriteKeepsTheDesk) {
    Activate();
    app.game.score = 10;
    dialog.typedName = "Bo";
    ASSERT_TRUE(commands.EnterHighScore());
    EXPECT_EQ(dialog.nameBoxLeft, 57);
    EXPECT_EQ(dialog.nameBoxTop, 41);
    EXPECT_EQ(dialog.nameBox, "Bo");
    EXPECT_EQ(dialog.Cell(1, 0), "1");
    EXPECT_EQ(dialog.Cell(1, 2), "10");
    EXPECT_EQ(dialog.summary, "New high score: place 1, 10 points.");

    app.paths.scoreFile = dir / "missing/quorbals.scr";
    app.game.score = 5;
    EXPECT_FALSE(commands.EnterHighScore()) << "no new game after a failed write";
    EXPECT_EQ(dialog.nameBoxTop, 41 + 23);
    EXPECT_EQ(dialog.summary, "New high score: place 2, 5 points.");
    EXPECT_EQ(fe.Errors(), (std::vector<std::string>{"Invalid file name."}));

    // Clear asks first; header cells stay.
    fe.boxAnswers = {true};
    WriteHeaderAndRows(dialog, app.scores.table);
    commands.MI_GameClearScoresClick();
    EXPECT_EQ(app.scores.table.count, 0);
    EXPECT_EQ(dialog.Cell(1, 1), "");
    EXPECT_EQ(dialog.Cell(0, 0), "\xE2\x84\x96");
    EXPECT_EQ(dialog.Cell(0, 2), "Scores");
}

TEST_F(MainCommandsTest, PathCountErrorEndsTheProgram) {
    commands.PathCountError();
    ASSERT_EQ(fe.boxes.size(), 1u);
    EXPECT_EQ(fe.boxes[0].text, "Path count error!");
    EXPECT_EQ(fe.exitStatus, 1);
}

TEST_F(MainCommandsTest, LeavingTheDeskErasesTheRoute) {
    Activate();
    // Select the first ball and point at a free cell next to nothing.
    int bx = -1, by = -1;
    for (int i = 0; i < kCellCount && bx < 0; ++i) {
        if (app.game.desk[static_cast<std::size_t>(i)] != kNoBall) {
            bx = i % kDeskSide, by = i / kDeskSide;
        }
    }
    auto pixel = [](int c) { return 4 + c * 29 + 10; };
    commands.I_DeskMouseUp(pixel(bx), pixel(by));
    for (int y = 0; y < 9 && !app.game.path.ready; ++y) {
        for (int x = 0; x < 9 && !app.game.path.ready; ++x) {
            if (app.game.desk[CellIndex(x, y)] == kNoBall) {
                commands.I_DeskMouseMove(pixel(x), pixel(y));
            }
        }
    }
    ASSERT_EQ(app.game.path.ready, 1);
    auto marked = [&] {
        return std::count_if(app.game.arrowMarks.begin(), app.game.arrowMarks.end(),
                             [](std::int32_t m) { return m == -2; });  // a drawn arrow
    };
    ASSERT_GT(marked(), 0);
    const std::size_t shown = fe.shownDeskRects.size();
    commands.I_DeskMouseLeave();
    const PixelPicture& desk = commands.Pictures().desk.Picture();
    const PixelPicture& clean = commands.Pictures().sheets.storeDesk;
    for (int i = 0; i < kCellCount; ++i) {
        if (app.game.arrowMarks[static_cast<std::size_t>(i)] == -2) {
            const PixelRect r{4 + i % 9 * 29, 4 + i / 9 * 29, 22, 22};
            EXPECT_TRUE(SamePixels(desk, clean, r)) << "cell " << i << " still shows an arrow";
        }
    }
    EXPECT_GT(fe.shownDeskRects.size(), shown) << "the erased route leaves the screen at once";
}

// A new game repaints nothing itself: the clean Desk with its three balls
// reaches the screen whole with the flush the front end runs afterwards,
// and a repaint before then leaves that flush nothing to hand over.
TEST_F(MainCommandsTest, ANewGameReachesTheScreenWholeOnceTheHandlerIsDone) {
    Activate();
    commands.FlushDesk();  // the front end's answer to the first game's request
    const int requests = fe.flushRequests;
    fe.shownDeskRects.clear();
    commands.MI_GameNewClick();
    EXPECT_EQ(fe.flushRequests, requests + 1);
    EXPECT_TRUE(fe.shownDeskRects.empty());
    commands.FlushDesk();
    EXPECT_EQ(fe.shownDeskRects, (std::vector<PixelRect>{{0, 0, 262, 262}}));
    EXPECT_EQ(commands.Pictures().desk.Picture(), DrawnDesk());

    commands.MI_GameNewClick();
    commands.RepaintDesk();
    fe.shownDeskRects.clear();
    commands.FlushDesk();
    EXPECT_TRUE(fe.shownDeskRects.empty());
    // Each deal repaints the three previews at once, with frame 0 of their colours.
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_GE(fe.previewRepaints[slot], 2);
        const PixelPicture& preview =
            commands.Pictures().previews[static_cast<std::size_t>(slot)].Picture();
        EXPECT_EQ(preview,
                  commands.Pictures().sheets.tiles.Copy(
                      {0, app.game.nextBalls[static_cast<std::size_t>(slot)] * 23, 22, 22}));
    }
}

TEST(DialogStart, SplitsTheRememberedPathAndOpensTheDocumentsFolderForABareName) {
    EXPECT_EQ(DialogStartFor("", "docs").folder, "docs");
    EXPECT_EQ(DialogStartFor("", "docs").fileName, "");
    EXPECT_EQ(DialogStartFor("save1.kvx", "docs").folder, "docs");
    EXPECT_EQ(DialogStartFor("save1.kvx", "docs").fileName, "save1.kvx");
    const std::string sep(1, kPathSeparator);
    const DialogStart s = DialogStartFor("a" + sep + "b" + sep + "c.kvx", "docs");
    EXPECT_EQ(s.folder, "a" + sep + "b" + sep);
    EXPECT_EQ(s.fileName, "c.kvx");
}

}  // namespace
}  // namespace quorbals::test

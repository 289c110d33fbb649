// What each key does in the main window, as every front end hands keys over.
#include "app/key_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/main_commands.h"
#include "tests/app/fake_front_end.h"
#include "tests/support/temp_folder.h"

namespace quorbals::test {
namespace {

using Kind = KeyDecision::Kind;

KeyEvent Press(int code) {
    return KeyEvent{.code = code};
}

KeyEvent Release(int code) {
    return KeyEvent{.code = code, .down = false};
}

TEST(DecideKey, ShortcutsTakeExactlyTheirModifiers) {
    EXPECT_EQ(DecideKey(Press(key::kF2)).command, MenuCommand::GameNew);
    KeyEvent ctrlX = Press(key::kX);
    ctrlX.ctrl = true;
    EXPECT_EQ(DecideKey(ctrlX).command, MenuCommand::GameExit);
    ctrlX.repeat = true;
    EXPECT_EQ(DecideKey(ctrlX).kind, Kind::kMenuCommand) << "a held shortcut repeats";
    ctrlX.shift = true;
    EXPECT_EQ(DecideKey(ctrlX).kind, Kind::kNone);
    KeyEvent shiftF2 = Press(key::kF2);
    shiftF2.shift = true;
    EXPECT_EQ(DecideKey(shiftF2).kind, Kind::kNone);
    EXPECT_EQ(DecideKey(Press(key::kX)).kind, Kind::kNone);
    KeyEvent ctrlM = Press(key::kM);
    ctrlM.ctrl = true;
    EXPECT_EQ(DecideKey(ctrlM).kind, Kind::kColourMarks);
}

TEST(DecideKey, F1ActsAsItGoesDownAndAgainAsItComesUp) {
    EXPECT_EQ(DecideKey(Press(key::kF1)).command, MenuCommand::HelpCont);
    EXPECT_EQ(DecideKey(Release(key::kF1)).kind, Kind::kHelpOnRelease);
    KeyEvent ctrlF1 = Press(key::kF1);
    ctrlF1.ctrl = true;
    EXPECT_EQ(DecideKey(ctrlF1).kind, Kind::kNone) << "no menu shortcut";
    ctrlF1.down = false;
    EXPECT_EQ(DecideKey(ctrlF1).kind, Kind::kHelpOnRelease) << "whatever modifiers are held";
    KeyEvent repeated = Release(key::kF1);
    repeated.repeat = true;
    EXPECT_EQ(DecideKey(repeated).kind, Kind::kNone);
    EXPECT_EQ(DecideKey(Release(key::kF2)).kind, Kind::kNone);
}

TEST(DecideKey, KeyboardPlayWithoutCommandModifiers) {
    EXPECT_EQ(DecideKey(Press(key::kPageDown)).deskKey, DeskKey::ColumnBottom);
    EXPECT_EQ(DecideKey(Press(key::kSpace)).deskKey, DeskKey::Act);
    KeyEvent held = Press(key::kLeft);
    held.repeat = true;
    held.shift = true;
    EXPECT_EQ(DecideKey(held).deskKey, DeskKey::Left) << "a held arrow moves on";
    KeyEvent heldEnter = Press(key::kEnter);
    heldEnter.repeat = true;
    EXPECT_EQ(DecideKey(heldEnter).kind, Kind::kNone) << "a held Enter acts once";
    for (auto modifier : {&KeyEvent::ctrl, &KeyEvent::alt, &KeyEvent::system}) {
        KeyEvent k = Press(key::kUp);
        k.*modifier = true;
        EXPECT_EQ(DecideKey(k).kind, Kind::kNone);
    }
    EXPECT_EQ(DecideKey(Release(key::kUp)).kind, Kind::kNone);
}

TEST(HandleKey, APlainF1PressAndReleaseAskForTheSameHelpTwice) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "exe");
    FakeFrontEnd fe;
    AppState app;
    MainCommands commands{app, fe};
    commands.FormCreate(MakeDataPaths(dir / "exe/", dir.path()));
    commands.FormActivate();
    EXPECT_TRUE(commands.HandleKey(Press(key::kF1)));
    EXPECT_TRUE(commands.HandleKey(Release(key::kF1)));
    ASSERT_EQ(fe.helpShown.size(), 2u);
    EXPECT_EQ(fe.helpShown[0], app.paths.helpFile);
    EXPECT_EQ(fe.helpShown[1], app.paths.helpFile);
    EXPECT_FALSE(commands.HandleKey(Press('Q')));
    KeyEvent ctrlX = Press(key::kX);
    ctrlX.ctrl = true;
    EXPECT_TRUE(commands.HandleKey(ctrlX));
    EXPECT_EQ(fe.closes, 1);
}

}  // namespace
}  // namespace quorbals::test

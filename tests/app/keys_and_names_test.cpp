// The main window's part in keyboard play and screen reading: which keys
// reach the shared rules (through the Desk, which holds the focus), the
// colour marks key, and the names and news it gives screen readers.
#include <QKeyEvent>
#include <QLabel>

#include "tests/app/main_window_fixture.h"
#include "view/qt/announcer.h"
#include "view/qt/desk_view.h"
#include "view/qt/tile_image.h"

namespace quorbals::test {
namespace {

class KeysTest : public MainWindowTest {
protected:
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), repeat);
        QApplication::sendEvent(window->I_Desk, &press);
    }
    Cell At() const { return window->commands.Cursor().cell; }
};

TEST_F(KeysTest, EachKeyOfKeyboardPlayReachesItsRule) {
    ShowAndActivate();
    EXPECT_EQ(QApplication::focusWidget(), window->I_Desk);
    Press(Qt::Key_Right);
    EXPECT_TRUE(window->commands.Cursor().shown);
    EXPECT_EQ(At(), (Cell{4, 4})) << "the first key only shows the cursor";
    const std::pair<int, Cell> moves[] = {
        {Qt::Key_Right, {5, 4}},  {Qt::Key_Left, {4, 4}},     {Qt::Key_Up, {4, 3}},
        {Qt::Key_Down, {4, 4}},   {Qt::Key_Home, {0, 4}},     {Qt::Key_End, {8, 4}},
        {Qt::Key_PageUp, {8, 0}}, {Qt::Key_PageDown, {8, 8}},
    };
    for (const auto& [key, cell] : moves) {
        Press(key);
        EXPECT_EQ(At(), cell) << key;
    }
    Press(Qt::Key_Left, Qt::ControlModifier);
    Press(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(At(), (Cell{8, 8})) << "with Ctrl or Alt the arrows are not keyboard play's";

    // A ball under the cursor: each of the acting keys selects it or lets
    // it go, Escape lets it go, a held key acts once.
    window->state.desk[CellIndex(8, 8)] = 2;
    const auto selected = [&] { return window->state.selection.color != kNoBall; };
    Press(Qt::Key_Return);
    EXPECT_TRUE(selected());
    Press(Qt::Key_Escape);
    EXPECT_FALSE(selected());
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(selected());
    Press(Qt::Key_Space);
    EXPECT_FALSE(selected());
    Press(Qt::Key_Space, Qt::NoModifier, true);
    Press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_FALSE(selected());
}

TEST_F(KeysTest, TheDesignsKeysKeepTheirMeaningWithTheDeskFocused) {
    ShowAndActivate();
    window->state.score = 7;
    QTest::keyClick(window->I_Desk, Qt::Key_F2);
    EXPECT_EQ(window->state.score, 0);
    QTest::keyClick(window->I_Desk, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible()) << "Ctrl+X closes the window";
}

TEST_F(KeysTest, CtrlMSwitchesTheMarksAndScreenReadersHearOfIt) {
    ShowAndActivate();
    EXPECT_EQ(window->L_Scores->accessibleName(), QStringLiteral("Score: 0"));
    EXPECT_TRUE(window->I_Next[0]->accessibleName().startsWith(QStringLiteral("Next: ")));
    const QString plain = window->I_Next[0]->accessibleName();

    QTest::keyClick(window->I_Desk, Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(window->app.colourMarks);
    EXPECT_EQ(window->News->Text(), QStringLiteral("Colour marks on."));
    EXPECT_NE(window->I_Next[0]->accessibleName(), plain) << "the previews' marks are named";
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(window->app.colourMarks);
    EXPECT_EQ(window->News->Text(), QStringLiteral("Colour marks off."));
    EXPECT_EQ(window->I_Next[0]->accessibleName(), plain);
    for (const QAction* item : window->findChildren<QAction*>()) {
        EXPECT_NE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M)) << "no menu item has it";
    }
}

}  // namespace
}  // namespace quorbals::test

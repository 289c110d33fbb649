// What the browser front end decides itself: the name a saved game is
// downloaded under, and the tables handed to the page as JSON, read back
// the way the page reads them.
#include <emscripten.h>
#include <gtest/gtest.h>

#include "app/main_menu.h"
#include "app/web/desk_state_json.h"
#include "app/web/save_name.h"
#include "app/web/tables_json.h"

namespace quorbals {
namespace {

TEST(SaveFileName, KeepsAnExtensionAndAddsKvxOtherwise) {
    EXPECT_EQ(SaveFileName("save1.kvx"), "save1.kvx");
    EXPECT_EQ(SaveFileName("evening"), "evening.kvx");
    EXPECT_EQ(SaveFileName("my.game"), "my.game");
    EXPECT_EQ(SaveFileName("game."), "game.kvx");
    EXPECT_EQ(SaveFileName(".hidden"), ".hidden.kvx");
    EXPECT_EQ(SaveFileName("  spaced  "), "spaced.kvx");
    EXPECT_EQ(SaveFileName("Сохранение"), "Сохранение.kvx");
}

TEST(SaveFileName, DropsFoldersAndRefusesNothing) {
    EXPECT_EQ(SaveFileName("/etc/passwd"), "passwd.kvx");
    EXPECT_EQ(SaveFileName("..\\..\\x.kvx"), "x.kvx");
    EXPECT_EQ(SaveFileName("folder/"), "");
    EXPECT_EQ(SaveFileName("   "), "");
    EXPECT_EQ(SaveFileName("."), "");
    EXPECT_EQ(SaveFileName(""), "");
}

// clang-format off
EM_JS(int, MenuShapeAsThePageSeesIt, (const char* json), {
    const t = JSON.parse(UTF8ToString(json));
    const game = t.menu[0];
    const sound = game.items.find((i) => i.name === "MI_OptionsSound");
    return t.menu.length * 10000 + game.items.length * 100 +
           game.items.filter((i) => i.separator).length * 10 + (sound.checkable ? 1 : 0);
});
EM_JS(int, ScoreHintAsThePageSeesIt, (const char* json), {
    return JSON.parse(UTF8ToString(json)).main.scoreHint === "\u041e\u0447\u043a\u0438" ? 1 : 0;
});
EM_JS(int, GridAsThePageSeesIt, (const char* json), {
    // The header row's cells, each with the line after it, lie inside the
    // grid's frame; the name box is as wide as a name cell.
    const h = JSON.parse(UTF8ToString(json)).highScores;
    const header = h.cells[0];
    const last = header[header.length - 1];
    const inside = h.grid[2] - 2 * h.gridFrame;
    return (last[0] + last[2] <= inside ? 1000 : 0) + h.cells.length * 10 +
           (h.nameBox[0] === h.cells[1][1][2] - h.gridLine ? 1 : 0);
});
// clang-format on

TEST(WindowTablesJson, ThePageReadsTheSharedTables) {
    const std::string json = WindowTablesJson();
    EXPECT_EQ(MenuShapeAsThePageSeesIt(json.c_str()), 3 * 10000 + 11 * 100 + 4 * 10 + 1);
    EXPECT_EQ(ScoreHintAsThePageSeesIt(json.c_str()), 1) << "the hint's Cyrillic survives";
    EXPECT_EQ(GridAsThePageSeesIt(json.c_str()), 1000 + 12 * 10 + 1);
    EXPECT_NE(json.find(R"("caption":"&Start!","command":)" +
                        std::to_string(static_cast<int>(MenuCommand::Play))),
              std::string::npos);
}

// clang-format off
EM_JS(int, DeskStateAsThePageSeesIt, (const char* json), {
    const s = JSON.parse(UTF8ToString(json));
    // The grid gives readers each cell's place: the names leave it out.
    const empty = s.selected >= 0 ? "empty, reachable" : "empty";
    return (s.cells.length === 81 && s.cells[40] === "red ball" && s.cells[0] === empty &&
            s.next === "Next: blue, blue, blue" && s.score === "Score: 7")
               ? s.selected * 100 + s.cursor + 1 : -1;
});
// clang-format on

TEST(DeskStateJson, CarriesTheNamesTheSelectionAndTheCursor) {
    AppState app;
    app.game.desk.fill(kNoBall);
    app.game.desk[40] = 4;
    app.game.score = 7;
    app.game.selection = {4, 4, 4, 2};
    EXPECT_EQ(DeskStateAsThePageSeesIt(DeskStateJson(app).c_str()), 40 * 100 + 41)
        << "selected 40, the cursor on 40 while hidden: where the next key acts";
    app.cursor = {{1, 0}, true};
    app.game.selection.color = kNoBall;
    EXPECT_EQ(DeskStateAsThePageSeesIt(DeskStateJson(app).c_str()), -100 + 1 + 1);
}

}  // namespace
}  // namespace quorbals

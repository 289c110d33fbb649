#include "app/web/desk_state_json.h"

#include "app/web/json_writer.h"
#include "view/cell_names.h"

namespace quorbals {

std::string DeskStateJson(const AppState& app) {
    const GameState& g = app.game;
    Json j;
    j.Open('{').Key("cells").Open('[');
    // The page's grid gives each cell its row and column, which readers say
    // themselves as the focus moves; the names leave them out.
    for (const std::string& name : CellNames(g, app.colourMarks, Place::kLeftToReader)) {
        j.Text(name);
    }
    j.Close(']');
    const std::optional<Cell> chosen = SelectedCell(g);
    const int selected = chosen ? CellIndex(chosen->x, chosen->y) : -1;
    // Where the next key acts, shown or not: the grid's active cell, as the
    // focused cell of the other front ends' Desk.
    const int cursor = CellIndex(app.cursor.cell.x, app.cursor.cell.y);
    j.Key("selected").Number(selected).Key("cursor").Number(cursor);
    j.Key("score").Text(ScoreName(g)).Key("next").Text(PreviewNames(g, app.colourMarks));
    return j.Close('}').Take();
}

}  // namespace quorbals

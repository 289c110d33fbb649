#include "app/web/desk_state_json.h"

#include "view/cell_names.h"

namespace quorbals {

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string DeskStateJson(const AppState& app) {
    const GameState& g = app.game;
    std::string json = "{\"cells\":[";
    for (int i = 0; i < kCellCount; ++i) {
        json += i == 0 ? "" : ",";
        json += Quoted(CellName(g, {i % kDeskSide, i / kDeskSide}, app.colourMarks));
    }
    const int selected =
        g.selection.color == kNoBall ? -1 : CellIndex(g.selection.x, g.selection.y);
    const int cursor = app.cursor.shown ? CellIndex(app.cursor.cell.x, app.cursor.cell.y) : -1;
    json += "],\"selected\":" + std::to_string(selected);
    json += ",\"cursor\":" + std::to_string(cursor);
    json += ",\"score\":" + Quoted(ScoreName(g));
    json += ",\"next\":" + Quoted(PreviewNames(g, app.colourMarks)) + "}";
    return json;
}

}  // namespace quorbals

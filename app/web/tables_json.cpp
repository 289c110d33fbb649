#include "app/web/tables_json.h"

#include <span>
#include <string_view>

#include "app/about_box_layout.h"
#include "app/high_score_dialog_layout.h"
#include "app/main_menu.h"
#include "app/main_window_layout.h"
#include "app/program_texts.h"
#include "app/web/json_writer.h"
#include "storage/cp1251.h"
#include "view/cell_names.h"

namespace quorbals {

namespace {

void WriteMenu(Json& j) {
    j.Key("menu").Open('[');
    for (const MenuBarEntry& entry : MainMenu()) {
        j.Open('{').Key("name").Text(entry.name).Key("caption").Text(entry.caption);
        j.Key("command").Number(static_cast<long>(entry.command));
        j.Key("enabledBeforeShow").Boolean(entry.enabledBeforeShow);
        j.Key("items").Open('[');
        for (const MenuItem& item : entry.items) {
            j.Open('{');
            if (item.IsSeparator()) {
                j.Key("separator").Boolean(true);
            } else {
                j.Key("name").Text(item.name).Key("caption").Text(item.caption);
                j.Key("shortcut").Text(ShortcutText(item.shortcut));
                j.Key("command").Number(static_cast<long>(item.command));
                j.Key("checkable").Boolean(item.checkable);
            }
            j.Close('}');
        }
        j.Close(']').Close('}');
    }
    j.Close(']');
}

void WriteMainWindow(Json& j) {
    j.Key("main").Open('{');
    j.Key("caption").Text(kProgramName);
    j.Key("play").Rect(kPlayArea).Key("strip").Rect(kStripPanel);
    j.Key("score").Rect(kScoreLabel).Key("scoreFont").Font(kScoreFallbackFont);
    j.Key("scoreColour").Number(kScoreColour);
    j.Key("scoreHint")
        .Text(DecodeCp1251(
            std::string(reinterpret_cast<const char*>(kScoreHintCp1251), sizeof kScoreHintCp1251)));
    j.Key("previews").Open('[');
    for (const DesignRect& r : kPreviewImages) {
        j.Rect(r);
    }
    j.Close(']');
    j.Key("deskPanel").Rect(kDeskPanel).Key("desk").Rect(kDeskImage);
    j.Key("deskName").Text(kDeskName);
    j.Close('}');
}

void WriteAbout(Json& j) {
    j.Key("about").Open('{');
    j.Key("caption").Text(kAboutCaption).Key("form").Rect(kAboutForm);
    j.Key("iconFrame").Rect(kAboutIconFrame).Key("icon").Rect(kAboutIconImage);
    j.Key("title").Text(kProgramName).Key("titleX").Number(kAboutTitleX);
    j.Key("titleY").Number(kAboutTitleY).Key("titleFont").Font(kAboutTitleFont);
    j.Key("titleColour").Number(kAboutTitleColour);
    j.Key("baseFont").Font(kAboutBaseFont).Key("lineFont").Font(kAboutLineFont);
    j.Key("lineColour").Number(kAboutLineColour);
    j.Key("lines").Open('[');
    for (const AboutLine& line : kAboutLines) {
        j.Open('{').Key("name").Text(line.name).Key("rect").Rect(line.rect);
        j.Key("text").Text(line.text).Close('}');
    }
    j.Close(']').Close('}');
}

void WriteHighScores(Json& j) {
    j.Key("highScores").Open('{');
    j.Key("caption").Text(kHighScoreCaption).Key("form").Rect(kHighScoreForm);
    j.Key("ornaments").Open('[');
    for (const DesignRect& r : kOrnaments) {
        j.Rect(r);
    }
    j.Close(']');
    j.Key("grid").Rect(kScoreGrid).Key("rows").Number(kScoreGridRows);
    j.Key("rowHeight").Number(kScoreRowHeight).Key("gridLine").Number(kScoreGridLine);
    j.Key("columns").Open('[');
    for (const int width : kScoreColumnWidths) {
        j.Number(width);
    }
    j.Close(']');
    j.Key("ok").Rect(kOkButton).Key("okCaption").Text(kOkCaption);
    j.Key("nameBox").Open('[').Number(kNameBoxWidth).Number(kNameBoxHeight).Close(']');
    j.Key("font").Font(kHighScoreFont).Key("nameColour").Number(kNameBoxColour);
    j.Close('}');
}

}  // namespace

std::string WindowTablesJson() {
    Json j;
    j.Open('{');
    WriteMenu(j);
    WriteMainWindow(j);
    WriteAbout(j);
    WriteHighScores(j);
    j.Close('}');
    return j.Take();
}

}  // namespace quorbals

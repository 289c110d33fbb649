#include "app/web/tables_json.h"

#include <span>
#include <string_view>

#include "app/about_box_layout.h"
#include "app/front_end.h"
#include "app/key_commands.h"
#include "app/main_menu.h"
#include "app/main_window_layout.h"
#include "app/program_texts.h"
#include "app/web/json_writer.h"
#include "app/web/key_flags.h"
#include "app/web/page_calls.h"
#include "app/web/page_frame.h"
#include "app/web/page_texts.h"
#include "assets/resources.h"
#include "game/sound_files.h"
#include "storage/cp1251.h"
#include "storage/game_file_dialog_texts.h"
#include "storage/high_score_dialog_layout.h"
#include "view/bevel.h"
#include "view/cell_names.h"
#include "view/check_mark.h"
#include "view/desk_geometry.h"

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
    j.Key("outer").Open('[').Number(kPageMainWidth).Number(kPageMainHeight).Close(']');
    j.Key("score").Rect(kScoreLabel).Key("scoreFont").Font(ScoreFontFor(false));
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

void WriteKinds(Json& j) {
    j.Key("boxKinds").Open('{');
    j.Key("information").Number(static_cast<long>(BoxKind::Information));
    j.Key("error").Number(static_cast<long>(BoxKind::Error));
    j.Key("question").Number(static_cast<long>(BoxKind::Question));
    j.Close('}');
    j.Key("deskSide").Number(kDeskSide).Key("cellPitch").Number(kCellPitch);
    j.Key("bevel").Number(kBevelWidth);
    j.Key("waves").Open('[');
    for (const char* wave : kSoundFiles) {
        j.Text(wave);
    }
    j.Close(']');
}

void WriteGameFiles(Json& j) {
    j.Key("gameFiles").Open('{');
    j.Key("saveTitle").Text(kSaveGameTitle).Key("loadTitle").Text(kLoadGameTitle);
    j.Key("filter").Text(kGameFileFilter).Key("suffix").Text(kGameFileSuffix);
    j.Key("nameLabel").Text(kFileNameLabel).Key("typeLabel").Text(kSaveAsTypeLabel);
    j.Key("save").Text(kSaveButtonCaption).Key("cancel").Text(kCancelButtonCaption);
    j.Key("pickedFolder").Text(page::kPickedFolder);
    j.Close('}');
}

// The pictures the page shows, by their names in the site, which lays them
// out in the folders of the program's own resources.
std::string_view SiteName(std::string_view resource) {
    return resource.substr(resource.find('/') + 1);
}

void WritePictures(Json& j) {
    j.Key("pictures").Open('{');
    j.Key("aboutIcon").Text(SiteName(kAboutIconResource));
    // As the high-score table's ornaments: top left, bottom left, top
    // right, bottom right.
    j.Key("ornaments").Open('[');
    for (const char* name : {kCornerTopLeftResource, kCornerBottomLeftResource,
                             kCornerTopRightResource, kCornerBottomRightResource}) {
        j.Text(SiteName(name));
    }
    j.Close(']').Close('}');
}

void WritePageTexts(Json& j) {
    j.Key("texts").Open('{');
    j.Key("ok").Text(kBoxOkCaption).Key("cancel").Text(kBoxCancelCaption);
    j.Key("minimise").Text(kMinimiseLabel).Key("close").Text(kCloseLabel);
    j.Key("menuBar").Text(kMenuBarLabel).Key("aboutIcon").Text(kAboutIconLabel);
    j.Key("ended").Text(kEndedNote).Key("endedAfterError").Text(kEndedAfterErrorNote);
    j.Key("playAgain").Text(kPlayAgainCaption);
    j.Close('}');
}

void WriteKeys(Json& j) {
    // The keys the game knows, by the names the browser gives them; the
    // page hands each over as its code. Letters are their capitals' codes.
    j.Key("keys").Open('{');
    for (const KeyName& key : KeyNames()) {
        j.Key(key.name).Number(key.code);
    }
    j.Close('}');
    j.Key("keyFlags").Open('{');
    j.Key("ctrl").Number(kKeyCtrl).Key("alt").Number(kKeyAlt).Key("shift").Number(kKeyShift);
    j.Key("system").Number(kKeySystem).Key("repeat").Number(kKeyRepeat);
    j.Key("down").Number(kKeyDown);
    j.Close('}');
}

void WriteFrame(Json& j) {
    j.Key("frame").Open('{');
    j.Key("border").Number(kPageFrame.border).Key("padding").Number(kPageFrame.padding);
    j.Key("caption").Number(kPageFrame.caption).Key("menuBar").Number(kPageFrame.menuBar);
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
    j.Key("grid").Rect(kScoreGrid).Key("gridFrame").Number(kScoreGridFrame);
    j.Key("gridLine").Number(kScoreGridLine).Key("gridLineColour").Number(kScoreGridLineColour);
    // Each cell with the grid line after it, row by row.
    j.Key("cells").Open('[');
    for (int row = 0; row < kScoreGridRows; ++row) {
        j.Open('[');
        for (int column = 0; column < static_cast<int>(kScoreColumnWidths.size()); ++column) {
            DesignRect r = ScoreCellRect(row, column);
            r.width += kScoreGridLine;
            r.height += kScoreGridLine;
            j.Rect(r);
        }
        j.Close(']');
    }
    j.Close(']');
    j.Key("checkMark").Open('{');
    const PixelPicture mark = CheckMarkPicture();
    j.Key("size").Number(mark.width).Key("argb").Open('[');
    for (const Pixel p : mark.pixels) {
        j.Number(static_cast<long>(p));
    }
    j.Close(']').Close('}');
    j.Key("ok").Rect(kOkButton).Key("okCaption").Text(kOkCaption);
    j.Key("nameBox").Open('[').Number(kNameBoxWidth).Number(kNameBoxHeight).Close(']');
    j.Key("nameLabel").Text(kNameBoxLabel);
    j.Key("font").Font(kHighScoreFont).Key("nameColour").Number(kNameBoxColour);
    j.Close('}');
}

}  // namespace

std::string WindowTablesJson() {
    Json j;
    j.Open('{');
    WriteMenu(j);
    WriteFrame(j);
    WriteKeys(j);
    WriteKinds(j);
    WriteGameFiles(j);
    WritePageTexts(j);
    WritePictures(j);
    WriteMainWindow(j);
    WriteAbout(j);
    WriteHighScores(j);
    j.Close('}');
    return j.Take();
}

}  // namespace quorbals

// Everything the main window's commands keep for the run, as one record.
#pragma once

#include <string>

#include "game/state.h"
#include "storage/data_paths.h"
#include "storage/score_table.h"
#include "view/desk_geometry.h"
#include "view/keyboard_play.h"

namespace quorbals {

// What the first activation does with the window's position once the
// frame is known.
enum class PendingPlacement {
    kNone,
    kCentre,  // no stored position: centred on an estimate of the frame
    kClamp,   // a stored position, clamped against an estimate of the frame
};

struct AppState {
    GameState game;
    ViewTables tables;
    HighScoreState scores;
    DataPaths paths;
    bool activatedOnce = false;
    PendingPlacement placement = PendingPlacement::kNone;
    // The file dialogs' names, kept from one use to the next.
    std::string saveFileName;
    std::string loadFileName;
    // Keyboard play's cursor, and the colour marks switch.
    KeyboardCursor cursor;
    bool colourMarks = false;
};

}  // namespace quorbals

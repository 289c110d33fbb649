// What the page's screen-reader grid shows of the game, as JSON: each
// cell's name, the selected ball's cell, the keyboard cursor's cell, the
// score and the previews in words.
#pragma once

#include <string>

#include "app/app_state.h"

namespace quorbals {

// {"cells": [81 names, row by row], "selected": index or -1,
//  "cursor": index, also while its frame is hidden, "score": "...", "next": "..."}
std::string DeskStateJson(const AppState& app);

}  // namespace quorbals

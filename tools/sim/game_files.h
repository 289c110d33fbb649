// Saved games for the simulator through the game's own code: the same
// checks when loading, the same atomic write when saving, the same texts.
#pragma once

#include <ostream>
#include <string>

#include "game/state.h"

namespace quorbals::sim {

// Replaces the five records of `state` from the saved game at `path` and
// clears the selection, exactly as the game's Load. On a refused or failed
// file writes the game's message on a line of its own to `err`, leaves
// `state` unchanged and returns false.
bool LoadSavedGame(const std::string& path, GameState& state, std::ostream& err);

// Writes the game as the game's Save does (atomically). On failure writes
// the error's text to `err` and returns false; an older file stays whole.
bool SaveSavedGame(const std::string& path, const GameState& state, std::ostream& err);

}  // namespace quorbals::sim

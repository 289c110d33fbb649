// The keys of keyboard play as Qt reports them.
#pragma once

#include <optional>

#include "view/keyboard_play.h"

class QKeyEvent;

namespace quorbals {

// The Desk key a press stands for: the arrows, Home, End, Page Up, Page
// Down, Enter (either one), Space and Escape, without Ctrl, Alt or Meta.
// A held Enter, Space or Escape acts once, as a pointer releases once.
std::optional<DeskKey> DeskKeyFor(const QKeyEvent& event);

}  // namespace quorbals

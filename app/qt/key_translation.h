// Keys as Qt reports them, handed over to the shared commands as they take
// every front end's keys.
#pragma once

#include <optional>

#include "app/key_commands.h"

class QKeyEvent;

namespace quorbals {

// The key with its virtual-key code, or nothing for a key the game never
// looks at.
std::optional<KeyEvent> KeyEventOf(const QKeyEvent& event);

}  // namespace quorbals

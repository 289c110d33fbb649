// What a key does in the main window, decided once for every front end. A
// front end hands over each key as it comes (its Windows virtual-key code,
// which the other front ends translate theirs into, the modifiers held,
// whether it repeats, down or up); the shared commands decide whether it is
// a menu shortcut, the help's key on its release, a key of keyboard play,
// the colour marks switch, or nothing.
#pragma once

#include <span>

#include "app/main_menu.h"
#include "view/keyboard_play.h"

namespace quorbals {

// The keys the game knows, by their Windows virtual-key codes.
namespace key {
inline constexpr int kEnter = 0x0D;
inline constexpr int kEscape = 0x1B;
inline constexpr int kSpace = 0x20;
inline constexpr int kPageUp = 0x21;
inline constexpr int kPageDown = 0x22;
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kM = 'M';
inline constexpr int kX = 'X';
inline constexpr int kF1 = 0x70;  // 112
inline constexpr int kF2 = 0x71;
}  // namespace key

struct KeyEvent {
    int code = 0;  // a virtual-key code; letters as their capitals
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool system = false;  // the Windows, Meta or Command key
    bool repeat = false;  // held down: the system repeats it
    bool down = true;     // pressed, or released
};

struct KeyDecision {
    enum class Kind { kNone, kMenuCommand, kHelpOnRelease, kDeskKey, kColourMarks };
    Kind kind = Kind::kNone;
    MenuCommand command = MenuCommand::GameNew;  // for kMenuCommand
    DeskKey deskKey = DeskKey::Act;              // for kDeskKey
};

// - A menu item's shortcut (F2, Ctrl+X, F1) acts as it goes down, with
//   exactly its modifiers held, repeats included, as menu shortcuts do.
// - F1 also asks for the help when it is released, whatever modifiers are
//   held (a release that belongs to a repeat is none).
// - Ctrl+M switches the colour marks.
// - The keys of keyboard play act as they go down, without Ctrl, Alt or the
//   system key (Shift changes nothing): a held arrow moves on, a held
//   Enter, Space or Escape acts once.
KeyDecision DecideKey(const KeyEvent& key);

// The name a browser gives each key the game knows (KeyboardEvent.key), with
// its code, for the page: letters are their capitals' codes.
struct KeyName {
    const char* name;
    int code;
};
std::span<const KeyName> KeyNames();

}  // namespace quorbals

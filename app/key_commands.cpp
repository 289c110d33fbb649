#include "app/key_commands.h"

#include <array>
#include <optional>

namespace quorbals {

namespace {

std::optional<DeskKey> DeskKeyOf(int code) {
    switch (code) {
        case key::kLeft:
            return DeskKey::Left;
        case key::kRight:
            return DeskKey::Right;
        case key::kUp:
            return DeskKey::Up;
        case key::kDown:
            return DeskKey::Down;
        case key::kHome:
            return DeskKey::RowStart;
        case key::kEnd:
            return DeskKey::RowEnd;
        case key::kPageUp:
            return DeskKey::ColumnTop;
        case key::kPageDown:
            return DeskKey::ColumnBottom;
        case key::kEnter:
        case key::kSpace:
            return DeskKey::Act;
        case key::kEscape:
            return DeskKey::Deselect;
        default:
            return std::nullopt;
    }
}

// The shortcut a press is, with exactly its modifiers.
MenuShortcut ShortcutOf(const KeyEvent& k) {
    const bool plain = !k.ctrl && !k.alt && !k.shift && !k.system;
    const bool ctrlOnly = k.ctrl && !k.alt && !k.shift && !k.system;
    if (plain && k.code == key::kF1) {
        return MenuShortcut::F1;
    }
    if (plain && k.code == key::kF2) {
        return MenuShortcut::F2;
    }
    if (ctrlOnly && k.code == key::kX) {
        return MenuShortcut::CtrlX;
    }
    return MenuShortcut::None;
}

std::optional<MenuCommand> CommandWithShortcut(MenuShortcut shortcut) {
    for (const MenuBarEntry& entry : MainMenu()) {
        for (const MenuItem& item : entry.items) {
            if (!item.IsSeparator() && item.shortcut == shortcut) {
                return item.command;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

KeyDecision DecideKey(const KeyEvent& k) {
    using Kind = KeyDecision::Kind;
    KeyDecision decision;
    if (!k.down) {
        if (k.code == key::kF1 && !k.repeat) {
            decision.kind = Kind::kHelpOnRelease;
        }
        return decision;
    }
    if (const MenuShortcut shortcut = ShortcutOf(k); shortcut != MenuShortcut::None) {
        if (const auto command = CommandWithShortcut(shortcut)) {
            decision.kind = Kind::kMenuCommand;
            decision.command = *command;
        }
        return decision;
    }
    if (k.code == key::kM && k.ctrl && !k.alt && !k.shift && !k.system) {
        decision.kind = Kind::kColourMarks;
        return decision;
    }
    if (const auto desk = DeskKeyOf(k.code)) {
        if (DeskKeyCounts(*desk, k.repeat, k.ctrl || k.alt || k.system)) {
            decision.kind = Kind::kDeskKey;
            decision.deskKey = *desk;
        }
    }
    return decision;
}

std::span<const KeyName> KeyNames() {
    static constexpr std::array<KeyName, 13> kNames{{
        {"Enter", key::kEnter},
        {"Escape", key::kEscape},
        {" ", key::kSpace},
        {"PageUp", key::kPageUp},
        {"PageDown", key::kPageDown},
        {"End", key::kEnd},
        {"Home", key::kHome},
        {"ArrowLeft", key::kLeft},
        {"ArrowUp", key::kUp},
        {"ArrowRight", key::kRight},
        {"ArrowDown", key::kDown},
        {"F1", key::kF1},
        {"F2", key::kF2},
    }};
    return kNames;
}

}  // namespace quorbals

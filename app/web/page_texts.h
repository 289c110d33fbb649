// Texts of the page's own windows, where the other front ends have their
// system's: the message boxes' buttons, the caption buttons' names for a
// screen reader, the menu bar's name, the About box's icon, and the note
// left when the game has ended.
#pragma once

namespace quorbals {

inline constexpr char kBoxOkCaption[] = "OK";
inline constexpr char kBoxCancelCaption[] = "Cancel";
inline constexpr char kMinimiseLabel[] = "Minimise";
inline constexpr char kCloseLabel[] = "Close";
inline constexpr char kMenuBarLabel[] = "Main menu";
inline constexpr char kAboutIconLabel[] = "Quorbals icon";
inline constexpr char kEndedNote[] = "Quorbals has ended.";
inline constexpr char kEndedAfterErrorNote[] = "Quorbals has ended after an error.";
inline constexpr char kPlayAgainCaption[] = "Play again";

}  // namespace quorbals

// The save and load dialogs of saved games as every front end titles and
// filters them: one kind of file, "Quorbals game", with the extension kvx.
#pragma once

namespace quorbals {

inline constexpr char kSaveGameTitle[] = "Save game";
inline constexpr char kLoadGameTitle[] = "Load game";
inline constexpr char kGameFileKind[] = "Quorbals game";
inline constexpr char kGameFileSuffix[] = "kvx";  // given to a name typed without one
inline constexpr char kGameFilePattern[] = "*.kvx";
// The filter as a single line: "Quorbals game (*.kvx)".
inline constexpr char kGameFileFilter[] = "Quorbals game (*.kvx)";

// The page's own save dialog (the other front ends have the system's): a
// name box, the one kind of file it saves, and its two buttons.
inline constexpr char kFileNameLabel[] = "File name:";
inline constexpr char kSaveAsTypeLabel[] = "Save as type:";
inline constexpr char kSaveButtonCaption[] = "Save";
inline constexpr char kCancelButtonCaption[] = "Cancel";

}  // namespace quorbals

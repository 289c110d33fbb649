// Names of the pictures compiled into the program.
#pragma once

class QIcon;

namespace quorbals {

// The program icon as the About box shows it: 32 x 32, 16 colours.
inline constexpr const char* kAboutIconResource = ":/icons/quorbals-32-16colour.png";

// The corner ornaments of the high-score dialog, 15 x 15 each.
inline constexpr const char* kCornerTopLeftResource = ":/ornaments/corner-tl.png";
inline constexpr const char* kCornerTopRightResource = ":/ornaments/corner-tr.png";
inline constexpr const char* kCornerBottomLeftResource = ":/ornaments/corner-bl.png";
inline constexpr const char* kCornerBottomRightResource = ":/ornaments/corner-br.png";

// The program icon in every size it is drawn in (16 to 256 pixels), for
// window title bars and task bars. Needs the application object.
QIcon ProgramIcon();

}  // namespace quorbals

// Fixed texts of the program.
#pragma once

namespace quorbals {

inline constexpr char kProgramName[] = "Quorbals";
inline constexpr char kAboutVersion[] = "Version 2.1";
inline constexpr char kAboutDate[] = "March 5, 2008";
inline constexpr char kAboutCredit[] = "Written by the Vintra Games team";
inline constexpr char kAboutHome[] = "quorbals.example.org";
inline constexpr char kAboutContact[] = "support@quorbals.example.org";

inline constexpr char kMakerHomePage[] = "https://games.example.org/";
inline constexpr char kGameHomePage[] = "https://quorbals.example.org/";

// The score label's hint, the Cyrillic word for points, as code page 1251.
inline constexpr unsigned char kScoreHintCp1251[] = {0xCE, 0xF7, 0xEA, 0xE8};

}  // namespace quorbals

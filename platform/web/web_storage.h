// Where the browser keeps the game's own files: the folder the platform
// layer names as the per-user data folder, mapped onto the page's local
// storage under keys of this prefix.
#pragma once

namespace quorbals {

inline constexpr char kWebStorageFolder[] = "/storage";
inline constexpr char kWebStorageKeyPrefix[] = "quorbals:";

}  // namespace quorbals

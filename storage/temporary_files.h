// Names of the temporary files that an atomic write makes beside its
// target: ".quorbals-unfinished-<process id>-<serial>.tmp". The process id
// tells a leftover of a write that was cut off (its process is gone) from a
// write still in progress in another running game.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorbals {

std::string TemporaryFileName(unsigned long processId, unsigned long serial);

// A wildcard pattern ('*') that every such name matches.
std::string TemporaryFilePattern();

// The process that made a temporary file of this name; nothing for any
// other name, so that only the game's own files are ever removed.
std::optional<unsigned long> TemporaryFileOwner(std::string_view name);

}  // namespace quorbals

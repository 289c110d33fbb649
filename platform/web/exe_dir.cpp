#include "platform/exe_dir.h"

namespace quorbals {

// The site the page was loaded from: nothing of the game's is read from
// here, so a fallback score file beside the program never exists.
std::string ExeDir() {
    return "/quorbals/";
}

}  // namespace quorbals

// The shared tables that the page builds its windows from (the menu, the
// layouts of the main window and the two dialogs, their captions, fonts and
// texts) as one JSON object, so that the page writes none of them out.
#pragma once

#include <string>

namespace quorbals {

std::string WindowTablesJson();

}  // namespace quorbals

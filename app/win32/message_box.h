// The program's message boxes, titled "Quorbals".
#pragma once

#include <string>

#include "app/front_end.h"
#include "platform/win32/win32_headers.h"

namespace quorbals {

// Information and error: OK; question: OK and Cancel. True when closed with OK.
bool ShowQuorbalsBox(HWND owner, BoxKind kind, const std::string& text);

}  // namespace quorbals

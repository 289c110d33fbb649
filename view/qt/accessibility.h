// How screen readers see the game's own widgets: the Desk as a table, the
// previews as images, the news as a notification. Installed once; every
// widget that needs it calls it.
#pragma once

namespace quorbals {

void InstallAccessibility();

}  // namespace quorbals

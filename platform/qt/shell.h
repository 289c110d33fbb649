// Opening web addresses in the user's browser.
#pragma once

class QWidget;

namespace quorbals {

// Asks the desktop to open a web address; whether it could is not reported.
void OpenWebAddress(QWidget* owner, const char* url);

// Tests put a recorder in place of the desktop; nullptr puts the desktop
// back. Returns the opener that was in place.
using WebAddressOpener = void (*)(QWidget* owner, const char* url);
WebAddressOpener SetWebAddressOpener(WebAddressOpener opener);

}  // namespace quorbals

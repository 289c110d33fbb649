// What was held with a key the page hands over (quorbals_key), as one word
// of flags; the page reads their values from the tables.
#pragma once

namespace quorbals {

enum KeyFlag : int {
    kKeyCtrl = 1,
    kKeyAlt = 2,
    kKeyShift = 4,
    kKeySystem = 8,  // the Windows, Meta or Command key
    kKeyRepeat = 16,
    kKeyDown = 32,
};

}  // namespace quorbals

// Process signals the program handles itself.
#pragma once

namespace quorbals {

// A write past the file-size limit then fails with EFBIG ("Disk full")
// instead of ending the program. Call once at start-up.
void IgnoreFileSizeSignal();

}  // namespace quorbals

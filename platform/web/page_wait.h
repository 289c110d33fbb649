// The page answers its boxes and dialogs while it goes on handling events:
// the C++ waits (Asyncify suspends it) until the player answers. One wait
// at a time: while one is open the page takes no other input, and nothing
// that could wait too may run.
#pragma once

namespace quorbals {

// Marks the span of one wait.
class PageWait {
public:
    PageWait();
    ~PageWait();
    PageWait(const PageWait&) = delete;
    PageWait& operator=(const PageWait&) = delete;
};

// Whether a call that waits for the player is waiting now.
bool PageWaiting();

}  // namespace quorbals

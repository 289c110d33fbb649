#include "platform/web/page_wait.h"

namespace quorbals {

namespace {
int waiting = 0;
}  // namespace

PageWait::PageWait() {
    ++waiting;
}

PageWait::~PageWait() {
    --waiting;
}

bool PageWaiting() {
    return waiting > 0;
}

}  // namespace quorbals

#include "view/win32/memory_dc.h"

namespace quorbals {

MemoryDc::MemoryDc(HDC target, int width, int height)
    : dc_(CreateCompatibleDC(target)), bitmap_(CreateCompatibleBitmap(target, width, height)) {
    Select();
}

MemoryDc::MemoryDc(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), bitmap_(bitmap) {
    Select();
}

void MemoryDc::Select() {
    if (dc_ && bitmap_) {
        previous_ = SelectObject(dc_, bitmap_);
    }
}

MemoryDc::~MemoryDc() {
    if (previous_) {
        SelectObject(dc_, previous_);
    }
    if (bitmap_) {
        DeleteObject(bitmap_);
    }
    if (dc_) {
        DeleteDC(dc_);
    }
}

}  // namespace quorbals

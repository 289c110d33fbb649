// A memory device context with a bitmap of its own selected into it: what
// a picture is drawn into before a block copy puts it on the screen.
#pragma once

#include "platform/win32/win32_headers.h"

namespace quorbals {

class MemoryDc {
public:
    // A bitmap compatible with `target`, `width` by `height`.
    MemoryDc(HDC target, int width, int height);
    // A bitmap made by the caller, which the memory DC owns from now on.
    explicit MemoryDc(HBITMAP bitmap);
    ~MemoryDc();
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC Dc() const { return dc_; }
    bool Valid() const { return dc_ && bitmap_; }

private:
    void Select();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace quorbals

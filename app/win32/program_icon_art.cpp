#include "app/win32/program_icon_art.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace quorbals {

namespace {

void DrawRaisedSquare(PixelPicture& canvas, int x0, int y0, int side, Pixel face, Pixel dark) {
    const int last = side - 1;
    // Small squares keep a one-pixel edge, or little face would be left.
    const bool innerShade = side >= 10;
    for (int v = 0; v < side; ++v) {
        for (int u = 0; u < side; ++u) {
            Pixel colour = face;
            if (u == last || v == last) {
                colour = Rgb(0, 0, 0);
            } else if (u == 0 || v == 0) {
                colour = Rgb(255, 255, 255);
            } else if (innerShade && (u == last - 1 || v == last - 1)) {
                colour = dark;
            }
            canvas.Set(x0 + u, y0 + v, colour);
        }
    }
    // A small shine in the face's upper left.
    if (side >= 10) {
        for (const auto& [du, dv] : {std::pair{2, 2}, std::pair{3, 2}, std::pair{2, 3}}) {
            canvas.Set(x0 + du, y0 + dv, Rgb(255, 255, 255));
        }
    }
}

// Halves round to even, as the recipe's arithmetic does.
int RoundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

PixelPicture ProgramIconArt(int size) {
    PixelPicture canvas(size, size, 0);
    const int pad = std::max(1, RoundEven(size / 16.0));
    const int side = RoundEven(size * 0.375);
    const int step = (size - 2 * pad - side) / 2;
    const Pixel faces[3][2] = {{Rgb(255, 0, 0), Rgb(128, 0, 0)},
                               {Rgb(0, 255, 0), Rgb(0, 128, 0)},
                               {Rgb(0, 0, 255), Rgb(0, 0, 128)}};
    for (int i = 0; i < 3; ++i) {
        DrawRaisedSquare(canvas, pad + i * step, pad + i * step, side, faces[i][0], faces[i][1]);
    }
    return canvas;
}

HICON MakeProgramIcon(int size) {
    const PixelPicture art = ProgramIconArt(size);
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = size;
    header.bV5Height = -size;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!colour || !bits) {
        if (colour) {
            DeleteObject(colour);
        }
        return nullptr;
    }
    std::memcpy(bits, art.pixels.data(), art.pixels.size() * sizeof(Pixel));
    // The AND mask: set where the ground shows through.
    const int maskStride = (size + 15) / 16 * 2;
    std::vector<unsigned char> maskBits(static_cast<std::size_t>(maskStride) * size, 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if ((art.At(x, y) >> 24) == 0) {
                maskBits[static_cast<std::size_t>(y) * maskStride + x / 8] |=
                    static_cast<unsigned char>(0x80 >> (x % 8));
            }
        }
    }
    HBITMAP mask = CreateBitmap(size, size, 1, 1, maskBits.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = colour;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colour);
    DeleteObject(mask);
    return icon;
}

}  // namespace quorbals

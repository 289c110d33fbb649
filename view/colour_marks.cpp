#include "view/colour_marks.h"

#include <array>

#include "game/state.h"
#include "view/sprite_sheets.h"

namespace quorbals {

namespace {

// Each shape on a 10 x 10 grid that lies in the middle of the 22 x 22 tile
// (pixels 6..15), '#' black; the halo grows one pixel around it.
constexpr int kGlyph = 10;
constexpr int kGlyphOrigin = (22 - kGlyph) / 2;

using Glyph = std::array<const char*, kGlyph>;

constexpr std::array<Glyph, kColorCount> kGlyphs{{
    // 0 blue: a ring
    {{"...####...", "..######..", ".##....##.", "##......##", "##......##", "##......##",
      "##......##", ".##....##.", "..######..", "...####..."}},
    // 1 cyan: a filled triangle, point up
    {{"....##....", "....##....", "...####...", "...####...", "..######..", "..######..",
      ".########.", ".########.", "##########", "##########"}},
    // 2 green: a plus
    {{"....##....", "....##....", "....##....", "....##....", "##########", "##########",
      "....##....", "....##....", "....##....", "....##...."}},
    // 3 magenta: a hollow square
    {{"##########", "##########", "##......##", "##......##", "##......##", "##......##",
      "##......##", "##......##", "##########", "##########"}},
    // 4 red: a diagonal cross
    {{"##......##", "###....###", ".###..###.", "..######..", "...####...", "...####...",
      "..######..", ".###..###.", "###....###", "##......##"}},
    // 5 yellow: a filled diamond
    {{"....##....", "...####...", "..######..", ".########.", "##########", "##########",
      ".########.", "..######..", "...####...", "....##...."}},
}};

constexpr std::array<std::string_view, kColorCount> kNames{"ring",   "triangle", "plus",
                                                           "square", "cross",    "diamond"};

bool Inked(const Glyph& glyph, int gx, int gy) {
    return gx >= 0 && gx < kGlyph && gy >= 0 && gy < kGlyph && glyph[gy][gx] == '#';
}

}  // namespace

std::string_view ColourMarkName(int color) {
    return color >= 0 && color < kColorCount ? kNames[static_cast<std::size_t>(color)] : "";
}

void DrawColourMark(PixelPicture& picture, int x, int y, int color) {
    if (color < 0 || color >= kColorCount) {
        return;
    }
    const Glyph& glyph = kGlyphs[static_cast<std::size_t>(color)];
    // The halo first (every pixel next to ink, diagonals included), then the ink.
    for (int gy = -1; gy <= kGlyph; ++gy) {
        for (int gx = -1; gx <= kGlyph; ++gx) {
            bool nearInk = false;
            for (int dy = -1; dy <= 1 && !nearInk; ++dy) {
                for (int dx = -1; dx <= 1 && !nearInk; ++dx) {
                    nearInk = Inked(glyph, gx + dx, gy + dy);
                }
            }
            if (nearInk && !Inked(glyph, gx, gy)) {
                picture.Set(x + kGlyphOrigin + gx, y + kGlyphOrigin + gy, kWhite);
            }
        }
    }
    for (int gy = 0; gy < kGlyph; ++gy) {
        for (int gx = 0; gx < kGlyph; ++gx) {
            if (Inked(glyph, gx, gy)) {
                picture.Set(x + kGlyphOrigin + gx, y + kGlyphOrigin + gy, kFrameBlack);
            }
        }
    }
}

}  // namespace quorbals

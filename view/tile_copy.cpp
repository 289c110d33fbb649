#include "view/tile_copy.h"

#include <algorithm>

#include "view/desk_geometry.h"

namespace quorbals {

bool CopyTile(const PixelPicture& source, int sx, int sy, PixelPicture& target, int tx, int ty) {
    // Look before writing: most erasing puts back what is already there,
    // and a square that does not change need not be shown again.
    int row = 0;
    while (row < kTileSize &&
           std::equal(source.Row(sy + row) + sx, source.Row(sy + row) + sx + kTileSize,
                      target.Row(ty + row) + tx)) {
        ++row;
    }
    if (row == kTileSize) {
        return false;
    }
    for (; row < kTileSize; ++row) {
        std::copy_n(source.Row(sy + row) + sx, kTileSize, target.Row(ty + row) + tx);
    }
    return true;
}

}  // namespace quorbals

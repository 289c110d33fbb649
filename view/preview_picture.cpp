#include "view/preview_picture.h"

#include "game/state.h"
#include "view/desk_geometry.h"
#include "view/tile_copy.h"

namespace quorbals {

PreviewPicture::PreviewPicture(const SpriteSheets& sheets)
    : sheets_(sheets), picture_(kTileSize, kTileSize, kWhite) {
    CopyTile(sheets_.tiles, 0, 0, picture_, 0, 0);
}

bool PreviewPicture::DrawPreviewTile(int color) {
    if (color < 0 || color >= kColorCount) {
        return false;
    }
    CopyTile(sheets_.tiles, 0, color * kSheetPitch, picture_, 0, 0);
    color_ = color;
    return true;
}

void PreviewPicture::Redraw() {
    CopyTile(sheets_.tiles, 0, color_ * kSheetPitch, picture_, 0, 0);
}

}  // namespace quorbals

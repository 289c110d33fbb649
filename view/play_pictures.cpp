#include "view/play_pictures.h"

namespace quorbals {

bool SetColourMarks(PlayPictures& pictures, bool marks) {
    PixelPicture tiles = MakeTileSheet(marks);
    if (tiles == pictures.sheets.tiles) {
        return false;
    }
    const PixelPicture old = std::move(pictures.sheets.tiles);
    pictures.sheets.tiles = std::move(tiles);
    pictures.desk.RedrawBalls(old);
    for (PreviewPicture& preview : pictures.previews) {
        preview.Redraw();
    }
    return true;
}

}  // namespace quorbals

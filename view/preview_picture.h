// One of the three 22 x 22 previews of the next colours, as a plain picture.
#pragma once

#include "view/pixel_picture.h"
#include "view/sprite_sheets.h"

namespace quorbals {

class PreviewPicture {
public:
    // Shows frame 0 of blue until the first deal. The sheets must outlive it.
    explicit PreviewPicture(const SpriteSheets& sheets);

    // Frame 0 of a colour; false for a colour outside 0..5, which draws nothing.
    bool DrawPreviewTile(int color);
    // The ball sheet has changed: the colour shown is drawn again from it.
    void Redraw();

    const PixelPicture& Picture() const { return picture_; }

private:
    const SpriteSheets& sheets_;
    PixelPicture picture_;
    int color_ = 0;
};

}  // namespace quorbals

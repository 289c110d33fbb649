// The pictures of the play area that the shared commands draw into: the
// sprite sheets, the Desk picture and the three previews. A front end only
// shows them: it paints the rectangles it is told have changed.
#pragma once

#include <array>

#include "view/desk_picture.h"
#include "view/preview_picture.h"
#include "view/sprite_sheets.h"

namespace quorbals {

struct PlayPictures {
    // The tables must outlive the pictures; the Desk reads them at every draw.
    explicit PlayPictures(const ViewTables& tables)
        : desk(sheets, tables),
          previews{PreviewPicture(sheets), PreviewPicture(sheets), PreviewPicture(sheets)} {}
    PlayPictures(const PlayPictures&) = delete;
    PlayPictures& operator=(const PlayPictures&) = delete;

    SpriteSheets sheets;
    DeskPicture desk;
    std::array<PreviewPicture, 3> previews;
};

// Colour marks on or off: the ball sheet is made again, and every ball the
// Desk and the previews show is drawn from it (the Desk's changes flush
// with the next repaint). False when nothing changed.
bool SetColourMarks(PlayPictures& pictures, bool marks);

}  // namespace quorbals

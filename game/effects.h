// What the rules ask of the outside world: drawing into the Desk picture,
// the previews and the score label, the timers and the sound cues, and the
// modal end-of-game steps. The main window implements it; tests record it.
#pragma once

#include <cstdint>

namespace quorbals {

enum class GameTimer { Wait, Move };

enum class SoundCue { Select, Move, Remove, Add, End };

// The wave file of each cue, looked up by its bare name.
const char* SoundFileName(SoundCue cue);

class Effects {
public:
    virtual ~Effects() = default;

    virtual void StartTimer(GameTimer timer) = 0;  // no change when it already runs
    virtual void StopTimer(GameTimer timer) = 0;

    // Opaque copies of one 22 x 22 tile into the Desk picture; none repaints.
    virtual void DrawBallTile(int x, int y, int color, int frame) = 0;
    virtual void DrawEmptyTile(int x, int y) = 0;
    virtual void DrawArrowSprite(int x, int y, int index) = 0;
    // A turn's changes to the Desk as the rules make them, for those who
    // follow the game without seeing it: a ball of a line about to be
    // removed, a previewed ball just placed. Nothing by default.
    virtual void BallRemoved(int /*x*/, int /*y*/, int /*color*/) {}
    virtual void BallPlaced(int /*x*/, int /*y*/, int /*color*/) {}
    // Frame 0 of a colour into preview slot 0..2, repainted at once.
    virtual void DrawPreviewTile(int slot, int color) = 0;
    // The Desk picture becomes the clean board again (marks it all dirty).
    virtual void ResetDesk() = 0;
    // Flush what was drawn since the last repaint to the screen.
    virtual void RepaintDesk() = 0;

    virtual void SetScoreText(std::int32_t score) = 0;

    // Plays only while sound is switched on; never waits.
    virtual void PlaySound(SoundCue cue) = 0;

    // The modal "Game over!" box; returns when it is closed.
    virtual void ShowGameOver() = 0;
    // Enters the final score in the table and shows it. False when an
    // input/output error ended it (already reported); no new game follows.
    virtual bool EnterHighScore() = 0;

    // The route search found its grid inconsistent: the game reports
    // "Path count error!" and ends the process. A fake may return.
    virtual void PathCountError() = 0;
};

}  // namespace quorbals

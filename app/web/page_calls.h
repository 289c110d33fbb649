// What the browser front end asks of its page: the hand-written page
// scripts (page/page.js and the modules it imports) keep the windows,
// dialogs, canvases, timers and sounds, and the C++ asks for them through
// these calls, each a named function of the page library (page_library.js).
// Texts are UTF-8. The calls marked "waits" suspend the C++ until the
// player answers, while the page goes on handling events (see
// platform/web/page_wait.h).
#pragma once

#include <optional>
#include <span>
#include <string>

#include "app/front_end.h"
#include "view/keyboard_play.h"
#include "view/pixel_picture.h"

namespace quorbals::page {

// The About box without a border, centred, painted at once; and gone.
void ShowSplash();
void CloseSplash();
// The main window, at the place last given by MoveWindow.
void ShowMainWindow();
// The game has ended (Exit, or a fatal error): the page says so and offers
// to start again.
void ShowEnded(int status);

void SetScoreText(const std::string& text);
// Repaints rectangles of the Desk picture, or a whole preview picture, from
// the pixels as they stand. `cursor` is the keyboard cursor's frame, empty
// while it is hidden: painted over the picture wherever it lies in them.
void PaintDesk(const PixelPicture& desk, std::span<const PixelRect> rects,
               std::span<const FilledRect> cursor);
void PaintPreview(int slot, const PixelPicture& preview);

// Something the page runs once the running handler has returned.
enum class Later { FlushDesk = 1, Close = 2 };
void RunLater(Later what);

// Timers by number; each tick calls quorbals_timer(id).
void StartTimer(int id, int intervalMs);
void StopTimer(int id);

// The page's visible area, and the main window's outer rectangle in it,
// in CSS pixels.
ScreenRect Viewport();
ScreenRect WindowRect();
void MoveWindow(int left, int top);

// For screen readers: the grid beside the Desk, from DeskStateJson; and
// news read out by a live region.
void UpdateAccessibleDesk(const std::string& json);
void Announce(const std::string& text);

// The Sound item's check mark, kept by the page's menu.
bool SoundChecked();
void SetSoundChecked(bool on);
void PlayWave(const char* name);

// Waits: a message box; true for OK.
bool ShowBox(BoxKind kind, const std::string& text);
// Waits: the save dialog offering a name; the name typed, or nothing.
std::optional<std::string> AskSaveName(const std::string& offered);
// Waits: the browser's file picker; the picked file's name (its bytes are
// kept in Module.quorbalsFiles under kPickedFolder + name, the page taking
// the folder from the tables), or nothing.
inline constexpr char kPickedFolder[] = "/picked/";
std::optional<std::string> AskLoadFile();
// Waits: the modal About box.
void ShowAbout();

void OpenHelp();
void OpenAddress(const char* url);

}  // namespace quorbals::page

// The high-score dialog of the Windows build: the table of the ten best in a
// grid drawn here, and the edit box in which a new entry's name is typed.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "platform/win32/win32_headers.h"
#include "platform/win32/window_procedure.h"
#include "storage/high_score_commands.h"
#include "storage/high_score_dialog.h"
#include "storage/high_score_dialog_layout.h"
#include "storage/score_table.h"
#include "view/win32/picture_bitmap.h"

namespace quorbals {

class TF_Hiscores : public HighScoreDialog {
public:
    // Creates the dialog hidden, owned by `owner` (may be null), showing
    // `table`, which must outlive it. Throws std::runtime_error when the
    // window cannot be made.
    TF_Hiscores(HINSTANCE instance, HWND owner, const ScoreTable& table);
    ~TF_Hiscores() override;
    TF_Hiscores(const TF_Hiscores&) = delete;
    TF_Hiscores& operator=(const TF_Hiscores&) = delete;

    HWND Handle() const { return hwnd_; }

    // Handlers, named after their control and event.
    void FormCreate();
    void FormActivate();
    void BB_OKClick();
    void BB_OKKeyPress(wchar_t key);

    // HighScoreDialog.
    void SetCell(int row, int column, const std::string& text) override;
    void ShowNameBox(int left, int top, const std::string& name) override;
    void HideNameBox() override;
    // Said through `announce` (the main window's news) once the dialog shows.
    void SetSummary(const std::string& summary) override;
    void SetAnnouncer(std::function<void(const std::string&)> announce) {
        announce_ = std::move(announce);
    }
    // Disables the owner and runs the dialog's own message loop, which
    // dispatches every message of the thread (the owner's timers go on),
    // until OK, Escape on OK or a close request ends it.
    std::string RunModal() override;

    // The text of a grid cell, UTF-8 (row 0 is the header).
    std::string CellText(int row, int column) const;
    std::string NameText() const;

    // The panel with its bevels and corner ornaments, in design pixels;
    // the grid in its own pixels at the dialog's scale. Both draw the whole
    // picture.
    void PaintForm(HDC dc) const;
    void PaintGrid(HDC dc) const;
    // Screen pixels per design pixel on the dialog's monitor.
    int Scale() const { return scale_; }

    bool GridFilled = false;

    // Drawn by the dialog itself: the whole client area, and the four
    // corner images (Image1 to Image4) inside it.
    RECT P_Form = {kHighScoreForm.x, kHighScoreForm.y, kHighScoreForm.Right(),
                   kHighScoreForm.Bottom()};
    HWND SG_Scores = nullptr;  // disabled, drawn by the dialog
    HWND BB_OK = nullptr;      // drawn by the dialog: check mark and "OK"
    HWND E_EditName = nullptr;

private:
    template <typename Window>
    friend LRESULT CALLBACK RouteToWindow(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK NameEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(HINSTANCE instance);
    // Sizes the frame, the controls and the font for the dialog's scale.
    void LayOut();
    void PaintGridLines(HDC dc) const;
    void PaintGridTexts(HDC dc) const;
    void DrawOkButton(const DRAWITEMSTRUCT& item) const;
    void OnActivate(WPARAM wParam);
    void OnCommand(WPARAM wParam);
    void Activated();
    void FitClientArea();
    void End() { ended_ = true; }

    const ScoreTable& table_;
    HWND hwnd_ = nullptr;
    int scale_ = 1;
    BoxPosition nameAt_;  // in design pixels
    HFONT font_ = nullptr;
    PictureBitmap checkMark_;
    WNDPROC editProc_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool running_ = false;
    bool ended_ = false;
    std::array<std::array<std::wstring, 3>, 12> cells_;
    std::string summary_;
    std::function<void(const std::string&)> announce_;
};

}  // namespace quorbals

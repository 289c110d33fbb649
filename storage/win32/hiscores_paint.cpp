#include "storage/win32/hiscores_paint.h"

#include <cstddef>

#include "assets/win32/corner_ornaments.h"
#include "platform/win32/text.h"
#include "storage/high_score_dialog_layout.h"
#include "storage/win32/hiscores_dialog.h"
#include "view/bevel.h"
#include "view/check_mark.h"
#include "view/win32/bevel_paint.h"
#include "view/win32/colour_ref.h"
#include "view/win32/scaled_paint.h"

namespace quorbals {

namespace {

constexpr COLORREF kWhiteColour = RGB(255, 255, 255);
constexpr int kCheckMarkGap = 4;  // between the check mark and "OK"

void FillColour(HDC dc, const RECT& r, COLORREF colour) {
    ::SetDCBrushColor(dc, colour);
    ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

}  // namespace

void LoadCheckMark(PictureBitmap& bitmap) {
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    bitmap.Load(
        OverGround(CheckMarkPicture(), Rgb(GetRValue(face), GetGValue(face), GetBValue(face))));
}

void TF_Hiscores::PaintForm(HDC dc) const {
    FillColour(dc, P_Form, ::GetSysColor(COLOR_BTNFACE));
    PaintPanelBevels(dc, ToPixelRect(kHighScoreForm), Bevel::Lowered, Bevel::Raised);
    // The ornaments lie over the bevels; their clear pixels let them show.
    for (std::size_t image = 0; image < 4; ++image) {
        const unsigned char* pixels = kCornerOrnamentRgba[image];
        for (int y = 0; y < kOrnamentSize; ++y) {
            for (int x = 0; x < kOrnamentSize; ++x) {
                const unsigned char* p = pixels + (y * kOrnamentSize + x) * 4;
                if (p[3] != 0) {
                    ::SetPixelV(dc, kOrnaments[image].x + x, kOrnaments[image].y + y,
                                RGB(p[0], p[1], p[2]));
                }
            }
        }
    }
}

void TF_Hiscores::PaintGridLines(HDC dc) const {
    RECT inside{0, 0, kScoreGrid.width, kScoreGrid.height};
    FillColour(dc, inside, kWhiteColour);
    ::DrawEdge(dc, &inside, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
    // Each cell is followed by its grid line, right and below; the header
    // row is raised on the button face. The last row lies below the edge.
    constexpr COLORREF line = ToColorRef(kScoreGridLineColour);
    for (int row = 0; row < kScoreGridRows; ++row) {
        for (int column = 0; column < 3; ++column) {
            const DesignRect cell = ScoreCellRect(row, column);
            const int left = inside.left + cell.x;
            const int top = inside.top + cell.y;
            if (row == 0) {
                FillColour(dc, RECT{left, top, left + cell.width, top + cell.height},
                           ::GetSysColor(COLOR_BTNFACE));
                PaintBevelRing(dc, PixelRect{left, top, cell.width, cell.height}, Bevel::Raised);
            }
            FillColour(dc,
                       RECT{left + cell.width, top, left + cell.width + 1, top + cell.height + 1},
                       line);
            FillColour(dc, RECT{left, top + cell.height, left + cell.width, top + cell.height + 1},
                       line);
        }
    }
    ::RestoreDC(dc, saved);
}

void TF_Hiscores::PaintGridTexts(HDC dc) const {
    // Drawn at the dialog's scale, two pixels in from their cell's corner.
    const int s = scale_;
    constexpr int kEdge = 2;  // the sunken edge's width
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, kEdge * s, kEdge * s, (kScoreGrid.width - kEdge) * s,
                        (kScoreGrid.height - kEdge) * s);
    ::SelectObject(dc, font_);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ToColorRef(kBlack));
    for (int row = 0; row < kScoreGridRows; ++row) {
        for (int column = 0; column < 3; ++column) {
            const DesignRect cell = ScoreCellRect(row, column);
            const int left = kEdge + cell.x;
            const int top = kEdge + cell.y;
            const std::wstring& text =
                cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            RECT textRect{(left + 2) * s, (top + 2) * s, (left + cell.width - 2) * s,
                          (top + cell.height) * s};
            ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                        DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    ::RestoreDC(dc, saved);
}

void TF_Hiscores::PaintGrid(HDC dc) const {
    // The lines in design pixels, copied at the dialog's scale.
    {
        DesignCanvas canvas(dc, kScoreGrid.width, kScoreGrid.height);
        PaintGridLines(canvas.Dc());
        canvas.CopyTo(dc, scale_);
    }
    PaintGridTexts(dc);
}

void TF_Hiscores::DrawOkButton(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    const RECT whole = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const int s = scale_;
    {
        // The default button's black frame, then the face, flat while
        // pushed: in design pixels, copied at the dialog's scale.
        DesignCanvas canvas(dc, kOkButton.width, kOkButton.height);
        RECT face{0, 0, kOkButton.width, kOkButton.height};
        ::FrameRect(canvas.Dc(), &face, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::InflateRect(&face, -1, -1);
        if (pushed) {
            ::FrameRect(canvas.Dc(), &face, ::GetSysColorBrush(COLOR_BTNSHADOW));
            ::InflateRect(&face, -1, -1);
            FillColour(canvas.Dc(), face, ::GetSysColor(COLOR_BTNFACE));
        } else {
            ::DrawFrameControl(canvas.Dc(), &face, DFC_BUTTON, DFCS_BUTTONPUSH);
        }
        canvas.CopyTo(dc, s);
    }
    // The check mark left of the caption, the two centred together.
    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, font_);
    SIZE caption{};
    const std::wstring okText = Wide(kOkCaption);
    ::GetTextExtentPoint32W(dc, okText.c_str(), static_cast<int>(okText.size()), &caption);
    const int shift = pushed ? s : 0;
    const int width = whole.right - whole.left;
    const int height = whole.bottom - whole.top;
    const int markWidth = (kCheckMarkSize + kCheckMarkGap) * s;
    const int markLeft = whole.left + (width - markWidth - caption.cx) / 2 + shift;
    const int markTop = whole.top + (height - kCheckMarkSize * s) / 2 + shift;
    checkMark_.CopyTo(dc, markLeft, markTop, PixelRect{0, 0, kCheckMarkSize, kCheckMarkSize}, s);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ToColorRef(kBlack));
    ::TextOutW(dc, markLeft + markWidth, whole.top + (height - caption.cy) / 2 + shift,
               okText.c_str(), static_cast<int>(okText.size()));
    ::RestoreDC(dc, saved);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = whole;
        ::InflateRect(&focus, -4 * s, -4 * s);
        ::DrawFocusRect(dc, &focus);
    }
}

}  // namespace quorbals

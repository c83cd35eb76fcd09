#include "dialog/win32/dialog_designer.h"

// Drawing the designer canvas: the dialog's frame and caption, grid, margin, guides and handles.

#include <algorithm>

#include "base/escapes.h"
#include "dialog/window_styles.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

void DialogDesigner::paint(HDC target) {
    RECT client{};
    GetClientRect(canvas_, &client);
    // Drawn off-screen and copied in one piece.
    UniqueMemoryDc dc(CreateCompatibleDC(target));
    UniqueBitmap bitmap(CreateCompatibleBitmap(target, std::max(1L, client.right), std::max(1L, client.bottom)));
    HGDIOBJ old_bitmap = SelectObject(dc.get(), bitmap.get());
    FillRect(dc.get(), &client, GetSysColorBrush(COLOR_APPWORKSPACE));

    const BaseUnits& base = dialog_.base_units();
    const int width = horizontal_pixels(dialog_.rect().width, base);
    const int height = vertical_pixels(dialog_.rect().height, base);
    RECT frame{0, 0, width, height};
    const DWORD style = (dialog_.style() & ~(WS_CHILD | WS_DISABLED)) | WS_POPUP;
    AdjustWindowRectEx(&frame, style, FALSE, dialog_.extended_style());
    OffsetRect(&frame, origin_.x, origin_.y);
    FillRect(dc.get(), &frame, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc.get(), &frame, EDGE_RAISED, BF_RECT);
    if ((dialog_.style() & WS_CAPTION) == WS_CAPTION) {
        const int border = origin_.x - frame.left;
        RECT caption{frame.left + border, frame.top + border, frame.right - border, origin_.y - 1};
        FillRect(dc.get(), &caption, GetSysColorBrush(COLOR_ACTIVECAPTION));
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        UniqueFont caption_font(CreateFontIndirectW(&metrics.lfCaptionFont));
        HGDIOBJ old_font = SelectObject(dc.get(), caption_font.get());
        SetBkMode(dc.get(), TRANSPARENT);
        SetTextColor(dc.get(), GetSysColor(COLOR_CAPTIONTEXT));
        RECT text = caption;
        text.left += 4;
        const std::wstring title = wide(unescape_stored_text(dialog_.caption()));
        DrawTextW(dc.get(), title.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        SelectObject(dc.get(), old_font);
        if ((dialog_.style() & WS_SYSMENU) != 0) {
            const int size = caption.bottom - caption.top - 4;
            RECT close{caption.right - size - 2, caption.top + 2, caption.right - 2, caption.bottom - 2};
            DrawFrameControl(dc.get(), &close, DFC_CAPTION, DFCS_CAPTIONCLOSE);
        }
    }
    const RECT dialog_client{origin_.x, origin_.y, origin_.x + width, origin_.y + height};
    if (settings_.grid_visible) {
        const int start = settings_.margin_visible ? settings_.margin_size : 0;
        const COLORREF dot = GetSysColor(COLOR_BTNSHADOW);
        for (int ux = start; ux <= dialog_.rect().width; ux += settings_.grid_width) {
            for (int uy = start; uy <= dialog_.rect().height; uy += settings_.grid_height) {
                SetPixel(dc.get(), origin_.x + horizontal_pixels(ux, base), origin_.y + vertical_pixels(uy, base), dot);
            }
        }
    }
    if (settings_.margin_visible) {
        const int mx = horizontal_pixels(settings_.margin_size, base);
        const int my = vertical_pixels(settings_.margin_size, base);
        RECT margin{dialog_client.left + mx, dialog_client.top + my, dialog_client.right - mx,
                    dialog_client.bottom - my};
        UniquePen pen(CreatePen(PS_DOT, 1, RGB(0, 0, 255)));
        HGDIOBJ old_pen = SelectObject(dc.get(), pen.get());
        HGDIOBJ old_brush = SelectObject(dc.get(), GetStockObject(NULL_BRUSH));
        Rectangle(dc.get(), margin.left, margin.top, margin.right, margin.bottom);
        SelectObject(dc.get(), old_brush);
        SelectObject(dc.get(), old_pen);
    }
    // Guides of the snap in progress.
    if (!guides_.empty()) {
        UniquePen pen(CreatePen(PS_DOT, 1, RGB(0, 128, 255)));
        HGDIOBJ old_pen = SelectObject(dc.get(), pen.get());
        for (const GuideLine& guide : guides_) {
            if (guide.vertical) {
                const int x = origin_.x + horizontal_pixels(guide.position, base);
                MoveToEx(dc.get(), x, dialog_client.top, nullptr);
                LineTo(dc.get(), x, dialog_client.bottom);
            } else {
                const int y = origin_.y + vertical_pixels(guide.position, base);
                MoveToEx(dc.get(), dialog_client.left, y, nullptr);
                LineTo(dc.get(), dialog_client.right, y);
            }
        }
        SelectObject(dc.get(), old_pen);
    }
    // Handles: the primary control shows all eight (inactive ones hollow), the others only the
    // active ones.
    const std::optional<std::int32_t> primary = selection_.primary();
    for (Control* control : selection_.controls(dialog_)) {
        DialogRect rect = control->rect();
        if (drag_ == Drag::moving) {
            rect.x += drag_offset_.dx;
            rect.y += drag_offset_.dy;
        } else if (drag_ == Drag::resizing && primary == control->unique_key()) {
            rect = drag_rect_;
        }
        if (drag_ == Drag::moving && !live_drag()) {
            const DialogRect outline = canvas_rect(rect);
            const RECT box{outline.x, outline.y, outline.x + outline.width, outline.y + outline.height};
            DrawFocusRect(dc.get(), &box);
        }
        const auto boxes = handle_boxes(canvas_rect(rect));
        const ResizeDirections directions = resize_directions(*control);
        const bool is_primary = primary == control->unique_key();
        for (int h = 0; h < handle_count; ++h) {
            const bool active = handle_active(static_cast<Handle>(h), directions);
            if (!active && !is_primary) continue;
            RECT box{boxes[h].left, boxes[h].top, boxes[h].right, boxes[h].bottom};
            if (active) {
                FillRect(dc.get(), &box, GetSysColorBrush(is_primary ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW));
            } else {
                FillRect(dc.get(), &box, GetSysColorBrush(COLOR_WINDOW));
                FrameRect(dc.get(), &box, GetSysColorBrush(COLOR_BTNSHADOW));
            }
        }
    }
    BitBlt(target, 0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
    SelectObject(dc.get(), old_bitmap);
}

}  // namespace tavorin

#include "dialog/win32/toolbox_icons.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "platform/win32/handles.h"

namespace tavorin {

namespace {

constexpr COLORREF ink = RGB(64, 64, 64);
constexpr COLORREF paper = RGB(255, 255, 255);
constexpr COLORREF face = RGB(212, 208, 200);
constexpr COLORREF accent = RGB(40, 100, 200);
constexpr COLORREF green = RGB(40, 160, 60);

// Draws on a 16 x 16 grid placed in the box.
class Sketch {
public:
    Sketch(HDC dc, const RECT& box) : dc_(dc), left_(box.left), top_(box.top) {
        const int side = std::min(box.right - box.left, box.bottom - box.top);
        unit_ = side / 16;
        if (unit_ < 1) unit_ = 1;
        left_ += (box.right - box.left - 16 * unit_) / 2;
        top_ += (box.bottom - box.top - 16 * unit_) / 2;
    }

    void box(int x0, int y0, int x1, int y1, COLORREF fill, COLORREF frame = ink) {
        UniqueBrush brush(CreateSolidBrush(fill));
        RECT area{x(x0), y(y0), x(x1), y(y1)};
        FillRect(dc_, &area, brush.get());
        UniqueBrush edge(CreateSolidBrush(frame));
        FrameRect(dc_, &area, edge.get());
    }
    void block(int x0, int y0, int x1, int y1, COLORREF fill) {
        UniqueBrush brush(CreateSolidBrush(fill));
        RECT area{x(x0), y(y0), x(x1), y(y1)};
        FillRect(dc_, &area, brush.get());
    }
    void line(std::initializer_list<POINT> points, COLORREF color = ink) {
        UniquePen pen(CreatePen(PS_SOLID, unit_, color));
        HGDIOBJ old = SelectObject(dc_, pen.get());
        bool first = true;
        for (const POINT& point : points) {
            if (first) MoveToEx(dc_, x(point.x), y(point.y), nullptr);
            else LineTo(dc_, x(point.x), y(point.y));
            first = false;
        }
        SelectObject(dc_, old);
    }
    void shape(std::initializer_list<POINT> points, COLORREF fill, COLORREF frame = ink) {
        std::vector<POINT> scaled;
        for (const POINT& point : points) scaled.push_back(POINT{x(point.x), y(point.y)});
        UniqueBrush brush(CreateSolidBrush(fill));
        UniquePen pen(CreatePen(PS_SOLID, 1, frame));
        HGDIOBJ old_brush = SelectObject(dc_, brush.get());
        HGDIOBJ old_pen = SelectObject(dc_, pen.get());
        Polygon(dc_, scaled.data(), static_cast<int>(scaled.size()));
        SelectObject(dc_, old_pen);
        SelectObject(dc_, old_brush);
    }
    void round(int x0, int y0, int x1, int y1, COLORREF fill, COLORREF frame = ink) {
        UniqueBrush brush(CreateSolidBrush(fill));
        UniquePen pen(CreatePen(PS_SOLID, 1, frame));
        HGDIOBJ old_brush = SelectObject(dc_, brush.get());
        HGDIOBJ old_pen = SelectObject(dc_, pen.get());
        Ellipse(dc_, x(x0), y(y0), x(x1), y(y1));
        SelectObject(dc_, old_pen);
        SelectObject(dc_, old_brush);
    }
    // A down arrow in a box, as combo boxes and pickers show it.
    void drop_button(int x0, int y0, int x1, int y1) {
        box(x0, y0, x1, y1, face);
        const int middle = (x0 + x1) / 2;
        shape({{middle - 2, (y0 + y1) / 2 - 1}, {middle + 2, (y0 + y1) / 2 - 1}, {middle, (y0 + y1) / 2 + 1}}, ink);
    }

private:
    int x(int grid) const { return left_ + grid * unit_; }
    int y(int grid) const { return top_ + grid * unit_; }

    HDC dc_;
    int left_;
    int top_;
    int unit_ = 1;
};

}  // namespace

void draw_toolbox_icon(HDC dc, const RECT& area, int number) {
    Sketch s(dc, area);
    switch (number) {
        case 0:  // the pointer
            s.shape({{4, 1}, {4, 13}, {7, 10}, {9, 15}, {11, 14}, {9, 9}, {13, 9}}, paper);
            break;
        case 1:  // push button
            s.box(1, 4, 15, 12, face);
            s.line({{4, 11}, {14, 11}, {14, 5}}, RGB(128, 128, 128));
            s.line({{5, 8}, {11, 8}});
            break;
        case 2:  // check box
            s.box(1, 4, 9, 12, paper);
            s.line({{3, 8}, {5, 10}, {8, 5}}, accent);
            s.line({{11, 8}, {15, 8}});
            break;
        case 3:  // edit control
            s.box(1, 4, 15, 12, paper);
            s.line({{3, 6}, {3, 10}});
            s.line({{5, 8}, {10, 8}}, RGB(128, 128, 128));
            break;
        case 4:  // combo box
            s.box(1, 4, 15, 12, paper);
            s.drop_button(10, 4, 15, 12);
            s.line({{3, 8}, {8, 8}});
            break;
        case 5:  // list box
            s.box(2, 1, 14, 15, paper);
            s.line({{4, 4}, {12, 4}});
            s.block(3, 6, 13, 9, accent);
            s.line({{4, 11}, {12, 11}});
            s.line({{4, 13}, {10, 13}});
            break;
        case 6:  // group box
            s.line({{3, 4}, {1, 4}, {1, 14}, {15, 14}, {15, 4}, {10, 4}}, RGB(128, 128, 128));
            s.line({{4, 4}, {9, 4}}, accent);
            break;
        case 7:  // radio button
            s.round(1, 4, 9, 12, paper);
            s.round(3, 6, 7, 10, accent, accent);
            s.line({{11, 8}, {15, 8}});
            break;
        case 8:  // static text
            s.line({{3, 13}, {7, 3}, {11, 13}});
            s.line({{5, 9}, {9, 9}});
            s.line({{12, 13}, {15, 13}}, accent);
            break;
        case 9:  // picture
            s.box(1, 2, 15, 14, paper);
            s.shape({{2, 13}, {6, 7}, {9, 11}, {11, 9}, {14, 13}}, green, green);
            s.round(10, 3, 13, 6, RGB(240, 200, 40), RGB(240, 200, 40));
            break;
        case 10:  // scroll bar
            s.box(1, 5, 15, 11, RGB(232, 232, 232));
            s.box(1, 5, 5, 11, face);
            s.box(11, 5, 15, 11, face);
            s.shape({{2, 8}, {4, 6}, {4, 10}}, ink);
            s.shape({{14, 8}, {12, 6}, {12, 10}}, ink);
            s.box(6, 6, 9, 10, face);
            break;
        case 11:  // slider
            s.line({{1, 7}, {15, 7}}, RGB(128, 128, 128));
            s.shape({{6, 3}, {10, 3}, {10, 9}, {8, 11}, {6, 9}}, face);
            for (int tick = 2; tick <= 14; tick += 3) s.line({{tick, 13}, {tick, 15}});
            break;
        case 12:  // spin control
            s.box(4, 1, 12, 8, face);
            s.box(4, 8, 12, 15, face);
            s.shape({{6, 6}, {10, 6}, {8, 3}}, ink);
            s.shape({{6, 10}, {10, 10}, {8, 13}}, ink);
            break;
        case 13:  // progress bar
            s.box(1, 5, 15, 11, paper);
            for (int left = 2; left < 11; left += 3) s.block(left, 6, left + 2, 10, green);
            break;
        case 14:  // hot key
            s.box(2, 3, 14, 13, face);
            s.box(4, 4, 12, 10, RGB(236, 236, 236), RGB(160, 160, 160));
            s.line({{6, 7}, {10, 7}});
            break;
        case 15:  // list view
            s.box(1, 1, 15, 15, paper);
            for (int row = 3; row < 12; row += 6) {
                for (int column = 3; column < 12; column += 6) s.block(column, row, column + 4, row + 3, accent);
            }
            break;
        case 16:  // tree view
            s.box(1, 1, 15, 15, paper);
            s.line({{4, 5}, {4, 12}, {7, 12}});
            s.line({{4, 8}, {7, 8}});
            s.box(2, 2, 7, 5, accent, accent);
            s.box(8, 7, 13, 10, face);
            s.box(8, 11, 13, 14, face);
            break;
        case 17:  // tab control
            s.box(1, 6, 15, 15, face);
            s.box(7, 3, 13, 7, face);
            s.box(1, 2, 7, 7, paper);
            s.block(2, 6, 6, 8, face);
            break;
        case 18:  // animation
            s.box(1, 3, 15, 13, ink);
            for (int hole = 2; hole < 15; hole += 3) {
                s.block(hole, 4, hole + 1, 5, paper);
                s.block(hole, 11, hole + 1, 12, paper);
            }
            s.block(4, 6, 12, 10, RGB(120, 170, 230));
            break;
        case 19:  // rich edit
            s.box(2, 1, 14, 15, paper);
            s.line({{4, 4}, {12, 4}}, RGB(200, 40, 40));
            s.line({{4, 7}, {10, 7}}, accent);
            s.line({{4, 10}, {12, 10}}, green);
            s.line({{4, 13}, {8, 13}});
            break;
        case 20:  // date time picker
            s.box(1, 4, 15, 12, paper);
            s.drop_button(10, 4, 15, 12);
            s.line({{3, 8}, {4, 8}});
            s.line({{6, 8}, {8, 8}});
            break;
        case 21:  // month calendar
            s.box(1, 1, 15, 15, paper);
            s.block(2, 2, 14, 5, accent);
            for (int row = 7; row < 15; row += 3) {
                for (int column = 3; column < 14; column += 3) s.block(column, row, column + 1, row + 1, ink);
            }
            break;
        case 22:  // IP address control
            s.box(1, 4, 15, 12, paper);
            for (int dot = 4; dot < 14; dot += 4) s.block(dot, 9, dot + 1, 10, ink);
            break;
        case 23:  // rebar
            s.box(1, 2, 15, 7, face);
            s.box(1, 9, 15, 14, face);
            s.line({{3, 3}, {3, 6}}, RGB(128, 128, 128));
            s.line({{3, 10}, {3, 13}}, RGB(128, 128, 128));
            break;
        case 24:  // custom control
            s.box(1, 3, 15, 13, paper);
            s.shape({{8, 4}, {12, 8}, {8, 12}, {4, 8}}, accent, accent);
            break;
        default: break;
    }
}

}  // namespace tavorin

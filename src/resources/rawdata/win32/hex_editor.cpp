#include "resources/rawdata/win32/hex_editor.h"

#include <windowsx.h>

#include <algorithm>

#include "base/escapes.h"
#include "base/file_io.h"
#include "base/text.h"
#include "model/undo_history.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"
#include "resources/rawdata/hex_view.h"
#include "services/string_ids.h"

namespace tavorin {

namespace {

enum Row : std::size_t { category_row, size_row, export_row, import_row };

// Character columns: eight offset digits and a gap, the hex part, a gap, the characters.
constexpr int hex_column = 10;
constexpr int hex_part_width = 47;
constexpr int text_column = hex_column + hex_part_width + 2;
constexpr int row_columns = text_column + static_cast<int>(hex_view_row_length) + 1;

bool register_hex_class(HINSTANCE instance) {
    WindowClass description{HexResourceEditor::class_name, HexResourceEditor::procedure};
    description.cursor = IDC_IBEAM;
    return register_window_class(instance, description);
}

void text_out(HDC dc, int x, int y, const std::u16string& text) {
    const std::wstring shown = wide(text);
    TextOutW(dc, x, y, shown.c_str(), static_cast<int>(shown.size()));
}

}  // namespace

HexResourceEditor::HexResourceEditor(RawDataResource& resource, EditorSite& site, HFONT font,
                                     RawEditorServices services)
    : resource_(resource), site_(site), font_(font), services_(std::move(services)) {}

LRESULT CALLBACK HexResourceEditor::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return bound_window_procedure<HexResourceEditor>(window, message, wparam, lparam);
}

std::unique_ptr<HexResourceEditor> HexResourceEditor::create(RawDataResource& resource, EditorSite& site, HWND area,
                                                             HINSTANCE instance, HFONT font,
                                                             RawEditorServices services) {
    if (!register_hex_class(instance)) return nullptr;
    std::unique_ptr<HexResourceEditor> editor(new HexResourceEditor(resource, site, font, std::move(services)));
    if (CreateWindowExW(WS_EX_CLIENTEDGE, class_name, nullptr, WS_CHILD | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0, area, nullptr,
                        instance, editor.get()) == nullptr) {
        return nullptr;
    }
    editor->measure();
    editor->update_scroll_bar();
    return editor;
}

void HexResourceEditor::measure() {
    WindowDc dc(window_.get());
    SelectedObject selected(dc.get(), font_);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    char_width_ = std::max(1, static_cast<int>(metrics.tmAveCharWidth));
    line_height_ = std::max(1, static_cast<int>(metrics.tmHeight));
}

std::size_t HexResourceEditor::rows_in_sight() const {
    RECT client{};
    GetClientRect(window_.get(), &client);
    // The first line holds the header.
    return static_cast<std::size_t>(std::max(1, static_cast<int>(client.bottom) / line_height_ - 1));
}

POINT HexResourceEditor::cell_position(std::size_t offset, bool text_part) const {
    const std::size_t row = offset / hex_view_row_length;
    const std::size_t in_row = offset % hex_view_row_length;
    const int column = text_part ? text_column + static_cast<int>(in_row)
                                 : hex_column + static_cast<int>(hex_column_of(in_row));
    const int line = static_cast<int>(row) - static_cast<int>(first_row_) + 1;
    return POINT{x_of_column(column), line * line_height_};
}

int HexResourceEditor::columns_in_sight() const {
    RECT client{};
    GetClientRect(window_.get(), &client);
    return std::max(1, (static_cast<int>(client.right) - margin_) / char_width_);
}

void HexResourceEditor::update_scroll_bar() {
    const std::size_t rows = hex_view_row_count(resource_.bytes().size());
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = static_cast<int>(std::min<std::size_t>(rows, 0x7FFFFFFF)) - 1;
    info.nPage = static_cast<UINT>(rows_in_sight());
    info.nPos = static_cast<int>(first_row_);
    SetScrollInfo(window_.get(), SB_VERT, &info, TRUE);

    SCROLLINFO across{};
    across.cbSize = sizeof(across);
    across.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    across.nMin = 0;
    across.nMax = row_columns - 1;
    across.nPage = static_cast<UINT>(columns_in_sight());
    across.nPos = first_column_;
    SetScrollInfo(window_.get(), SB_HORZ, &across, TRUE);
}

void HexResourceEditor::scroll_to_column(int first) {
    first = std::clamp(first, 0, std::max(0, row_columns - columns_in_sight()));
    if (first == first_column_) return;
    first_column_ = first;
    update_scroll_bar();
    InvalidateRect(window_.get(), nullptr, FALSE);
    place_system_caret();
}

void HexResourceEditor::scroll_to(std::size_t first) {
    const std::size_t rows = hex_view_row_count(resource_.bytes().size());
    const std::size_t page = rows_in_sight();
    first = std::min(first, rows > page ? rows - page : 0);
    if (first == first_row_) return;
    first_row_ = first;
    update_scroll_bar();
    InvalidateRect(window_.get(), nullptr, FALSE);
    place_system_caret();
}

void HexResourceEditor::move_caret(HexCaret caret) {
    caret_ = caret;
    const std::size_t row = caret.offset / hex_view_row_length;
    if (row < first_row_) scroll_to(row);
    if (row >= first_row_ + rows_in_sight()) scroll_to(row - rows_in_sight() + 1);
    // The caret's column comes into sight too, with the byte's second digit.
    const int column = (cell_position(caret.offset, text_side_).x - margin_) / char_width_ + first_column_;
    if (column < first_column_) scroll_to_column(column);
    if (column + 2 > first_column_ + columns_in_sight()) scroll_to_column(column + 2 - columns_in_sight());
    InvalidateRect(window_.get(), nullptr, FALSE);
    place_system_caret();
    site_.show_editor_status(u"0x" + hexadecimal(static_cast<std::uint32_t>(caret_.offset), 8));
}

void HexResourceEditor::place_system_caret() {
    if (GetFocus() != window_.get()) return;
    POINT at = cell_position(caret_.offset, text_side_);
    if (!text_side_ && caret_.low_digit) at.x += char_width_;
    SetCaretPos(at.x, at.y);
}

void HexResourceEditor::reload(std::size_t where) {
    update_scroll_bar();
    move_caret(HexCaret{std::min(where, resource_.bytes().empty() ? 0 : resource_.bytes().size() - 1), false});
    InvalidateRect(window_.get(), nullptr, FALSE);
}

// A digit replaces half of the byte under the caret; the second digit of one byte changes the
// same undo entry.
void HexResourceEditor::type_digit(std::uint8_t digit) {
    if (resource_.bytes().empty()) return;
    const std::size_t offset = caret_.offset;
    const std::uint8_t old_value = resource_.bytes()[offset];
    const std::uint8_t new_value = with_digit(old_value, caret_.low_digit, digit);
    resource_.set_byte(offset, new_value);
    UndoHistory& history = site_.history(resource_);
    auto* last = dynamic_cast<ByteEditAction*>(history.newest());
    if (!(caret_.low_digit && last != nullptr && last->offset() == offset && last->extend(offset, new_value))) {
        RawDataResource& resource = resource_;
        EditorSite& site = site_;
        auto set = [&resource, &site](std::size_t at, std::uint8_t value) {
            resource.set_byte(at, value);
            site.content_changed(resource, at);
        };
        history.record(std::make_unique<ByteEditAction>(services_.text(str::action_edit_byte), std::move(set), offset,
                                                        old_value, new_value));
    }
    site_.content_changed(resource_, offset);
    move_caret(advance(caret_, resource_.bytes().size()));
}

void HexResourceEditor::click(int x, int y) {
    SetFocus(window_.get());
    const int line = y / line_height_ - 1;
    if (line < 0) return;
    const std::size_t row = first_row_ + static_cast<std::size_t>(line);
    const std::size_t size = resource_.bytes().size();
    if (row >= hex_view_row_count(size)) return;
    const std::size_t row_length = std::min(hex_view_row_length, size - row * hex_view_row_length);
    const int column = (x - margin_) / char_width_ + first_column_;
    if (column >= text_column && column < text_column + static_cast<int>(row_length)) {
        text_side_ = true;
        move_caret(HexCaret{row * hex_view_row_length + static_cast<std::size_t>(column - text_column), false});
        return;
    }
    if (column < hex_column) return;
    if (const auto hit = hex_caret_at_column(static_cast<std::size_t>(column - hex_column), row_length)) {
        text_side_ = false;
        move_caret(HexCaret{row * hex_view_row_length + hit->offset, hit->low_digit});
    }
}

void HexResourceEditor::paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    SelectedObject selected(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    RECT header{0, 0, client.right, line_height_};
    FillRect(dc, &header, GetSysColorBrush(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    text_out(dc, x_of_column(0), 0, u"Offset");
    const std::span<const std::uint8_t> bytes = resource_.bytes();
    const std::size_t rows = hex_view_row_count(bytes.size());
    rows_painted_ = 0;
    const std::size_t in_sight = static_cast<std::size_t>(client.bottom / line_height_) + 1;
    for (std::size_t i = 0; i < in_sight && first_row_ + i < rows; ++i) {
        const std::size_t row_number = first_row_ + i;
        const HexRow row = hex_view_row(bytes, row_number);
        const int y = static_cast<int>(i + 1) * line_height_;
        // The caret's byte is marked in both parts.
        if (caret_.offset / hex_view_row_length == row_number) {
            const POINT hex_cell = cell_position(caret_.offset, false);
            const POINT text_cell = cell_position(caret_.offset, true);
            RECT hex_mark{hex_cell.x, y, hex_cell.x + 2 * char_width_, y + line_height_};
            RECT text_mark{text_cell.x, y, text_cell.x + char_width_, y + line_height_};
            FillRect(dc, &hex_mark, GetSysColorBrush(COLOR_BTNFACE));
            FillRect(dc, &text_mark, GetSysColorBrush(COLOR_BTNFACE));
        }
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        text_out(dc, x_of_column(0), y, row.offset);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        text_out(dc, x_of_column(hex_column), y, row.hex);
        text_out(dc, x_of_column(text_column), y, row.characters);
        ++rows_painted_;
    }
}

LRESULT HexResourceEditor::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    HWND window = window_.get();
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint_info{};
            HDC dc = BeginPaint(window, &paint_info);
            RECT client{};
            GetClientRect(window, &client);
            UniqueMemoryDc memory(CreateCompatibleDC(dc));
            UniqueBitmap bitmap(CreateCompatibleBitmap(dc, std::max(1L, client.right), std::max(1L, client.bottom)));
            {
                SelectedObject selected_bitmap(memory.get(), bitmap.get());
                paint(memory.get(), client);
                BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
            }
            EndPaint(window, &paint_info);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            update_scroll_bar();
            scroll_to(first_row_);
            scroll_to_column(first_column_);
            return 0;
        case WM_SETFOCUS:
            CreateCaret(window, nullptr, 2, line_height_);
            place_system_caret();
            ShowCaret(window);
            return 0;
        case WM_KILLFOCUS:
            DestroyCaret();
            return 0;
        case WM_LBUTTONDOWN:
            click(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_VSCROLL: {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_ALL;
            GetScrollInfo(window, SB_VERT, &info);
            auto first = static_cast<std::ptrdiff_t>(first_row_);
            const auto page = static_cast<std::ptrdiff_t>(rows_in_sight());
            switch (LOWORD(wparam)) {
                case SB_LINEUP: --first; break;
                case SB_LINEDOWN: ++first; break;
                case SB_PAGEUP: first -= page; break;
                case SB_PAGEDOWN: first += page; break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION: first = info.nTrackPos; break;
                case SB_TOP: first = 0; break;
                case SB_BOTTOM: first = info.nMax; break;
                default: break;
            }
            scroll_to(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, first)));
            return 0;
        }
        case WM_HSCROLL: {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_ALL;
            GetScrollInfo(window, SB_HORZ, &info);
            int first = first_column_;
            switch (LOWORD(wparam)) {
                case SB_LINELEFT: --first; break;
                case SB_LINERIGHT: ++first; break;
                case SB_PAGELEFT: first -= columns_in_sight(); break;
                case SB_PAGERIGHT: first += columns_in_sight(); break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION: first = info.nTrackPos; break;
                case SB_LEFT: first = 0; break;
                case SB_RIGHT: first = row_columns; break;
                default: break;
            }
            scroll_to_column(first);
            return 0;
        }
        case WM_KEYDOWN: {
            const std::size_t size = resource_.bytes().size();
            const auto page = static_cast<std::ptrdiff_t>(rows_in_sight() * hex_view_row_length);
            switch (wparam) {
                case VK_LEFT: move_caret(move_by_bytes(caret_, -1, size)); break;
                case VK_RIGHT: move_caret(move_by_bytes(caret_, 1, size)); break;
                case VK_UP: move_caret(move_by_bytes(caret_, -16, size)); break;
                case VK_DOWN: move_caret(move_by_bytes(caret_, 16, size)); break;
                case VK_PRIOR: move_caret(move_by_bytes(caret_, -page, size)); break;
                case VK_NEXT: move_caret(move_by_bytes(caret_, page, size)); break;
                case VK_HOME: move_caret(HexCaret{}); break;
                case VK_END: move_caret(move_by_bytes(HexCaret{}, static_cast<std::ptrdiff_t>(size), size)); break;
                case VK_TAB: text_side_ = !text_side_; place_system_caret(); break;
                default: return DefWindowProcW(window, message, wparam, lparam);
            }
            return 0;
        }
        case WM_CHAR:
            if (text_side_) {
                // The character column takes the character's own code, when it fits a byte.
                if (wparam >= 0x20 && wparam < 0x100 && !resource_.bytes().empty()) {
                    const std::uint8_t value = static_cast<std::uint8_t>(wparam);
                    caret_.low_digit = false;
                    type_digit(static_cast<std::uint8_t>(value >> 4));
                    type_digit(static_cast<std::uint8_t>(value & 0x0F));
                }
                return 0;
            }
            if (const int digit = hex_digit_value(static_cast<char16_t>(wparam)); digit >= 0) {
                type_digit(static_cast<std::uint8_t>(digit));
            }
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

std::vector<PropertyRow> HexResourceEditor::properties() const {
    std::vector<PropertyRow> rows;
    PropertyRow category;
    category.name = services_.text(str::category_content);
    category.flags = property_flag::category | property_flag::expanded;
    rows.push_back(category);
    PropertyRow size;
    size.name = u"Size";
    size.flags = property_flag::number | property_flag::disabled;
    size.value = decimal(static_cast<std::int64_t>(resource_.bytes().size()));
    rows.push_back(size);
    PropertyRow export_row_;
    export_row_.name = services_.text(str::export_bytes);
    export_row_.flags = property_flag::link;
    rows.push_back(export_row_);
    PropertyRow import_row_;
    import_row_.name = services_.text(str::import_bytes);
    import_row_.flags = property_flag::link;
    rows.push_back(import_row_);
    return rows;
}

void HexResourceEditor::property_button(std::size_t index) {
    if (index == export_row) {
        if (const auto path = services_.choose_file_to_save()) export_to(*path);
    } else if (index == import_row) {
        if (const auto path = services_.choose_file_to_open()) import_from(*path);
    }
}

bool HexResourceEditor::export_to(const std::filesystem::path& path) {
    const Status written = write_file_atomically(path, resource_.bytes());
    if (!written) services_.tell(written.error(), true);
    return written.ok();
}

// The file's bytes replace the content, as one undoable step.
bool HexResourceEditor::import_from(const std::filesystem::path& path) {
    auto bytes = read_file_bytes(path);
    if (!bytes) {
        services_.tell(bytes.error(), true);
        return false;
    }
    RawDataResource& resource = resource_;
    EditorSite& site = site_;
    auto set = [&resource, &site](const std::vector<std::uint8_t>& content) {
        resource.set_bytes(content);
        site.content_changed(resource, 0);
    };
    std::vector<std::uint8_t> before = resource_.bytes();
    resource_.set_bytes(*bytes);
    site_.history(resource_).record(std::make_unique<ReplaceBytesAction>(services_.text(str::action_import), std::move(set),
                                                                std::move(before), std::move(*bytes)));
    site_.content_changed(resource_, 0);
    first_row_ = 0;
    reload(0);
    site_.properties_changed();
    return true;
}

}  // namespace tavorin

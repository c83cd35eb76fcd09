#include "resources/toolbar/win32/toolbar_editor.h"

#include <windowsx.h>

#include "base/text.h"
#include "imaging/dib_decoder.h"
#include "model/project.h"
#include "model/workspace.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"
#include "resources/image/bitmap_resource.h"
#include "resources/toolbar/new_toolbar.h"
#include "services/string_ids.h"

namespace tavorin {

namespace {

enum class Row : std::size_t { general, prompt, id, size, width, height };

bool register_editor_class(HINSTANCE instance) {
    WindowClass description{ToolbarEditor::class_name, ToolbarEditor::procedure};
    description.background = GetSysColorBrush(COLOR_WINDOW);
    return register_window_class(instance, description);
}

PropertyRow text_row(std::u16string name, std::u16string help, std::u16string value, std::uint32_t flags) {
    PropertyRow row;
    row.name = std::move(name);
    row.help = std::move(help);
    row.value = std::move(value);
    row.flags = flags;
    return row;
}

}  // namespace

LRESULT CALLBACK ToolbarEditor::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return bound_window_procedure<ToolbarEditor>(window, message, wparam, lparam);
}

std::unique_ptr<ToolbarEditor> ToolbarEditor::create(Toolbar& toolbar, Workspace& workspace, EditorSite& site,
                                                     HWND area, HINSTANCE instance, HFONT font,
                                                     const std::filesystem::path& content_folder, Tell tell) {
    if (!register_editor_class(instance)) return nullptr;
    std::unique_ptr<ToolbarEditor> editor(new ToolbarEditor(toolbar, workspace, site, std::move(tell)));
    if (CreateWindowExW(0, class_name, nullptr, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, area, nullptr, instance,
                        editor.get()) == nullptr) {
        return nullptr;
    }
    editor->font_ = font;
    editor->bitmap_ = &ensure_toolbar_bitmap(toolbar, workspace);
    // A bitmap whose file cannot be read shows empty buttons.
    (void)editor->bitmap_->edit_in_memory(content_folder);
    return editor;
}

void ToolbarEditor::select(std::optional<std::size_t> item) {
    if (item && *item >= toolbar_.items().size()) item.reset();
    selected_ = item;
    InvalidateRect(window_.get(), nullptr, TRUE);
    site_.properties_changed();
}

void ToolbarEditor::changed() {
    workspace_.project().set_modified(toolbar_, true);
    site_.content_changed(toolbar_, selected_.value_or(0));
    InvalidateRect(window_.get(), nullptr, TRUE);
    site_.properties_changed();
}

void ToolbarEditor::paint(HDC dc) {
    const int height = static_cast<int>(toolbar_.button_height()) + toolbar_button_frame;
    std::optional<Pixels> strip;
    if (bitmap_ != nullptr && !bitmap_->dib().empty()) {
        if (auto decoded = decode_dib(bitmap_->dib())) strip = std::move(*decoded);
    }
    const std::vector<ToolbarCell> cells = toolbar_cells(toolbar_);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const ToolbarCell& cell = cells[i];
        RECT box{cell.left, strip_top, cell.left + cell.width, strip_top + height};
        const bool chosen = selected_ == i;
        if (chosen) FillRect(dc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
        if (cell.separator) {
            const int middle = cell.left + cell.width / 2;
            RECT line{middle, strip_top + 2, middle + 1, strip_top + height - 2};
            FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
            continue;
        }
        RECT face = box;
        InflateRect(&face, -2, -2);
        FillRect(dc, &face, GetSysColorBrush(chosen ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
        DrawEdge(dc, &box, chosen ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        const std::uint32_t width = toolbar_.button_width();
        if (!strip || (cell.image + 1) * width > strip->width) continue;
        // The button's image: its slice of the bitmap, top rows first.
        const std::uint32_t rows = std::min(strip->height, toolbar_.button_height());
        std::vector<std::uint32_t> slice(static_cast<std::size_t>(width) * rows);
        for (std::uint32_t y = 0; y < rows; ++y) {
            for (std::uint32_t x = 0; x < width; ++x) slice[y * width + x] = strip->at(static_cast<std::uint32_t>(cell.image) * width + x, y);
        }
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = static_cast<LONG>(width);
        info.bmiHeader.biHeight = -static_cast<LONG>(rows);
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, cell.left + toolbar_button_frame / 2, strip_top + toolbar_button_frame / 2, width, rows,
                          0, 0, 0, rows, slice.data(), &info, DIB_RGB_COLORS);
    }
}

UniqueMenu ToolbarEditor::context_menu(std::optional<std::size_t> item) const {
    UniqueMenu menu(CreatePopupMenu());
    auto add = [&](UINT command, str::Id text) {
        AppendMenuW(menu.get(), MF_STRING, command, wide(workspace_.text(text)).c_str());
    };
    if (item) {
        add(separator_before_command, str::insert_separator_before);
        add(separator_after_command, str::insert_separator_after);
        add(button_before_command, str::insert_button_before);
        add(button_after_command, str::insert_button_after);
        add(remove_command, str::remove_toolbar_item);
    } else {
        add(separator_at_end_command, str::insert_separator);
        add(button_at_end_command, str::insert_button);
    }
    return menu;
}

void ToolbarEditor::run_context_command(UINT command) {
    const std::size_t at = menu_item_.value_or(selected_.value_or(toolbar_.items().size()));
    std::optional<ToolbarInsert> insert;
    switch (command) {
        case separator_before_command: insert = ToolbarInsert::separator_before; break;
        case separator_after_command: insert = ToolbarInsert::separator_after; break;
        case button_before_command: insert = ToolbarInsert::button_before; break;
        case button_after_command: insert = ToolbarInsert::button_after; break;
        case separator_at_end_command: insert = ToolbarInsert::separator_at_end; break;
        case button_at_end_command: insert = ToolbarInsert::button_at_end; break;
        case remove_command:
            if (at < toolbar_.items().size()) {
                toolbar_.remove_item(at);
                selected_.reset();
                changed();
            }
            return;
        default: return;
    }
    selected_ = insert_toolbar_item(toolbar_, *insert, at);
    changed();
}

std::vector<PropertyRow> ToolbarEditor::properties() const {
    std::vector<PropertyRow> rows;
    PropertyRow general;
    general.name = workspace_.text(str::category_general_toolbar);
    general.flags = property_flag::category | property_flag::expanded;
    rows.push_back(general);
    const bool button = selected_ && !toolbar_.items()[*selected_].separator();
    const std::uint32_t editable = button ? property_flag::free_text : property_flag::free_text | property_flag::disabled;
    rows.push_back(text_row(workspace_.text(str::property_prompt), workspace_.text(str::prompt_help),
                            button ? toolbar_prompt(toolbar_, *selected_, workspace_) : std::u16string(), editable));
    rows.push_back(text_row(workspace_.text(str::property_button_id), workspace_.text(str::button_id_help),
                            button ? toolbar_.items()[*selected_].id : std::u16string(), editable));
    PropertyRow size;
    size.name = workspace_.text(str::image_size_label);
    size.flags = property_flag::category | property_flag::expanded;
    rows.push_back(size);
    rows.push_back(text_row(workspace_.text(str::property_width), workspace_.text(str::button_width_help),
                            decimal(toolbar_.button_width()), property_flag::number));
    rows.push_back(text_row(workspace_.text(str::property_height), workspace_.text(str::button_height_help),
                            decimal(toolbar_.button_height()), property_flag::number));
    return rows;
}

void ToolbarEditor::set_property(std::size_t index, const std::u16string& text, int) {
    Status result = success();
    switch (static_cast<Row>(index)) {
        case Row::prompt:
            if (!selected_) return;
            set_toolbar_prompt(toolbar_, *selected_, text, workspace_);
            break;
        case Row::id:
            if (!selected_) return;
            result = set_toolbar_button_id(toolbar_, *selected_, text, workspace_);
            break;
        case Row::width: result = toolbar_.set_button_width(text, workspace_.strings()); break;
        case Row::height: result = toolbar_.set_button_height(text, workspace_.strings()); break;
        default: return;
    }
    if (!result) {
        if (tell_) tell_(result.error());
        site_.properties_changed();
        return;
    }
    changed();
}

LRESULT ToolbarEditor::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    HWND window = window_.get();
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint_info{};
            HDC dc = BeginPaint(window, &paint_info);
            paint(dc);
            EndPaint(window, &paint_info);
            return 0;
        }
        case WM_LBUTTONDOWN: {
            SetFocus(window);
            const int y = GET_Y_LPARAM(lparam);
            const bool in_strip = y >= strip_top && y < strip_top + static_cast<int>(toolbar_.button_height()) + toolbar_button_frame;
            select(in_strip ? toolbar_item_at(toolbar_, GET_X_LPARAM(lparam)) : std::nullopt);
            return 0;
        }
        case WM_CONTEXTMENU: {
            POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            POINT client = at;
            ScreenToClient(window, &client);
            const bool in_strip = client.y >= strip_top && client.y < strip_top + static_cast<int>(toolbar_.button_height()) + toolbar_button_frame;
            menu_item_ = in_strip ? toolbar_item_at(toolbar_, client.x) : std::nullopt;
            if (menu_item_) select(menu_item_);
            UniqueMenu menu = context_menu(menu_item_);
            const UINT chosen = static_cast<UINT>(
                TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr));
            if (chosen != 0) run_context_command(chosen);
            menu_item_.reset();
            return 0;
        }
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace tavorin

#include "resources/image/win32/image_editor.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <array>

#include "base/file_io.h"
#include "base/text.h"
#include "imaging/dib_header.h"
#include "imaging/icon_image_codec.h"
#include "model/project.h"
#include "model/undo_history.h"
#include "model/workspace.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"
#include "resources/image/bitmap_data.h"
#include "resources/image/bitmap_resource.h"
#include "resources/image/resource_file_path.h"
#include "resources/image/zoomed_image_view.h"
#include "services/string_ids.h"

namespace tavorin {

namespace {

constexpr int list_width = 190;
constexpr int list_item_height = 56;
constexpr int preview_side = 48;
constexpr int swatch_side = 14;
constexpr int swatches_left = 40;

// The colours offered for 24- and 32-bit images, red in the highest byte.
constexpr std::array<std::uint32_t, 16> common_colors{
    0x000000, 0x808080, 0x800000, 0x808000, 0x008000, 0x008080, 0x000080, 0x800080,
    0xFFFFFF, 0xC0C0C0, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0xFF00FF};

COLORREF color_ref_of(std::uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
std::uint32_t rgb_of_color_ref(std::uint32_t ref) {
    return ((ref & 0xFF) << 16) | (ref & 0xFF00) | ((ref >> 16) & 0xFF);
}

bool register_editor_class(HINSTANCE instance) {
    WindowClass description{ImageResourceEditor::class_name, ImageResourceEditor::procedure, CS_DBLCLKS};
    description.background = GetSysColorBrush(COLOR_BTNFACE);
    return register_window_class(instance, description);
}

PropertyRow shown_row(std::u16string name, std::u16string value) {
    PropertyRow row;
    row.name = std::move(name);
    row.value = std::move(value);
    row.flags = property_flag::free_text | property_flag::disabled;
    return row;
}

PropertyRow link_row(std::u16string name) {
    PropertyRow row;
    row.name = std::move(name);
    row.flags = property_flag::link;
    return row;
}

void fill_rect(HDC dc, const RECT& rect, COLORREF color) {
    UniqueBrush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.get());
}

void draw_pixels(HDC dc, int x, int y, const Pixels& pixels) {
    if (pixels.argb.empty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(pixels.width);
    info.bmiHeader.biHeight = -static_cast<LONG>(pixels.height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, x, y, pixels.width, pixels.height, 0, 0, 0, pixels.height, pixels.argb.data(), &info,
                      DIB_RGB_COLORS);
}

}  // namespace

ImageResourceEditor::ImageResourceEditor(Resource& resource, BitmapResource* bitmap, IconGroup* group,
                                         Workspace& workspace, EditorSite& site, ImageEditorSettings& settings,
                                         ImageEditorServices services)
    : resource_(resource), bitmap_(bitmap), group_(group), workspace_(workspace), site_(site), settings_(settings),
      services_(std::move(services)) {
    auto changed = [&site](Resource& changed_resource) { site.content_changed(changed_resource, 0); };
    editing_ = std::make_unique<PixelEditing>(bitmap_ != nullptr ? bitmap_slot(*bitmap_) : nullptr,
                                              workspace.project(), site.history(resource), changed);
    if (group_ != nullptr) {
        group_editing_ = std::make_unique<GroupEditing>(*group_, workspace.project(), site.history(resource),
                                                        [&site](IconGroup& g) { site.content_changed(g, 0); });
    }
}

ImageResourceEditor::~ImageResourceEditor() = default;

LRESULT CALLBACK ImageResourceEditor::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return bound_window_procedure<ImageResourceEditor>(window, message, wparam, lparam);
}

std::unique_ptr<ImageResourceEditor> ImageResourceEditor::create(BitmapResource& bitmap, Workspace& workspace,
                                                                 EditorSite& site, HWND area, HINSTANCE instance,
                                                                 HFONT font, ImageEditorSettings& settings,
                                                                 ImageEditorServices services) {
    std::unique_ptr<ImageResourceEditor> editor(
        new ImageResourceEditor(bitmap, &bitmap, nullptr, workspace, site, settings, std::move(services)));
    return finish_create(std::move(editor), area, instance, font);
}

std::unique_ptr<ImageResourceEditor> ImageResourceEditor::create(IconGroup& group, Workspace& workspace,
                                                                 EditorSite& site, HWND area, HINSTANCE instance,
                                                                 HFONT font, ImageEditorSettings& settings,
                                                                 ImageEditorServices services) {
    std::unique_ptr<ImageResourceEditor> editor(
        new ImageResourceEditor(group, nullptr, &group, workspace, site, settings, std::move(services)));
    return finish_create(std::move(editor), area, instance, font);
}

std::unique_ptr<ImageResourceEditor> ImageResourceEditor::finish_create(std::unique_ptr<ImageResourceEditor> editor,
                                                                        HWND area, HINSTANCE instance, HFONT font) {
    if (!register_editor_class(instance)) return nullptr;
    if (CreateWindowExW(0, class_name, nullptr, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, area, nullptr, instance,
                        editor.get()) == nullptr) {
        return nullptr;
    }
    ImageResourceEditor& self = *editor;
    self.font_ = font;
    self.create_tool_strip(instance, font);
    if (self.group_ != nullptr) {
        self.list_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", nullptr,
                                     WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
                                         LBS_NOINTEGRALHEIGHT,
                                     0, 0, 0, 0, self.window_.get(), nullptr, instance, nullptr);
        SendMessageW(self.list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SendMessageW(self.list_, LB_SETITEMHEIGHT, 0, list_item_height);
    }
    PixelView::Callbacks callbacks;
    callbacks.failed = [&self](const std::u16string& message) {
        if (self.services_.tell) self.services_.tell(message, true);
    };
    callbacks.right_click = [&self](PixelPoint pixel) {
        if (self.group_ != nullptr && self.group_->icon_type() == IconType::cursor) self.set_hotspot(pixel.x, pixel.y);
    };
    callbacks.hover = [&self](std::optional<PixelPoint> pixel) { self.show_hover(pixel); };
    self.view_ = PixelView::create(self.window_.get(), instance, *self.editing_, self.settings_, std::move(callbacks));
    if (!self.view_) return nullptr;
    self.fill_list();
    self.open_image();
    self.layout();
    return editor;
}

void ImageResourceEditor::create_tool_strip(HINSTANCE instance, HFONT font) {
    tools_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NODIVIDER | CCS_NORESIZE |
                                 CCS_NOPARENTALIGN,
                             0, 0, 0, 0, window_.get(), nullptr, instance, nullptr);
    if (tools_ == nullptr) return;
    SendMessageW(tools_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(tools_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(tools_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS);
    SendMessageW(tools_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    const std::wstring texts[] = {wide(workspace_.text(str::tool_fill)), wide(workspace_.text(str::tool_pen)),
                                  wide(workspace_.text(str::tool_zoom)),
                                  wide(workspace_.text(str::image_options_command))};
    TBBUTTON buttons[5]{};
    buttons[0] = TBBUTTON{I_IMAGENONE, fill_command, TBSTATE_ENABLED, BTNS_CHECKGROUP | BTNS_SHOWTEXT | BTNS_AUTOSIZE,
                          {}, 0, reinterpret_cast<INT_PTR>(texts[0].c_str())};
    buttons[1] = TBBUTTON{I_IMAGENONE, pen_command, TBSTATE_ENABLED | TBSTATE_CHECKED,
                          BTNS_CHECKGROUP | BTNS_SHOWTEXT | BTNS_AUTOSIZE, {}, 0,
                          reinterpret_cast<INT_PTR>(texts[1].c_str())};
    buttons[2] = TBBUTTON{0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0};
    buttons[3] = TBBUTTON{I_IMAGENONE, zoom_command, TBSTATE_ENABLED,
                          BTNS_WHOLEDROPDOWN | BTNS_SHOWTEXT | BTNS_AUTOSIZE, {}, 0,
                          reinterpret_cast<INT_PTR>(texts[2].c_str())};
    buttons[4] = TBBUTTON{I_IMAGENONE, options_command, TBSTATE_ENABLED, BTNS_BUTTON | BTNS_SHOWTEXT | BTNS_AUTOSIZE,
                          {}, 0, reinterpret_cast<INT_PTR>(texts[3].c_str())};
    SendMessageW(tools_, TB_ADDBUTTONSW, 5, reinterpret_cast<LPARAM>(buttons));
    SendMessageW(tools_, TB_AUTOSIZE, 0, 0);
}

void ImageResourceEditor::layout() {
    RECT client{};
    GetClientRect(window_.get(), &client);
    int top = 0;
    if (tools_ != nullptr) {
        RECT tools{};
        const DWORD size = static_cast<DWORD>(SendMessageW(tools_, TB_GETBUTTONSIZE, 0, 0));
        const int height = std::max(22, static_cast<int>(HIWORD(size)) + 4);
        MoveWindow(tools_, 0, 0, client.right, height, TRUE);
        GetWindowRect(tools_, &tools);
        top = height;
    }
    top += color_strip_height();
    int left = 0;
    if (list_ != nullptr) {
        MoveWindow(list_, 0, top, list_width, std::max(0L, client.bottom - top), TRUE);
        left = list_width;
    }
    if (view_) MoveWindow(view_->window(), left, top, std::max(0L, client.right - left), std::max(0L, client.bottom - top), TRUE);
    InvalidateRect(window_.get(), nullptr, TRUE);
}

const IconImage* ImageResourceEditor::current_icon_image() const {
    if (group_ == nullptr || selected_ >= group_->images().size()) return nullptr;
    return &group_->images()[selected_];
}

void ImageResourceEditor::fill_list() {
    if (list_ == nullptr) return;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < group_->images().size(); ++i) SendMessageW(list_, LB_ADDSTRING, 0, 0);
    if (selected_ >= group_->images().size()) selected_ = group_->images().empty() ? 0 : group_->images().size() - 1;
    SendMessageW(list_, LB_SETCURSEL, group_->images().empty() ? static_cast<WPARAM>(-1) : selected_, 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void ImageResourceEditor::draw_list_item(const DRAWITEMSTRUCT& item) {
    if (group_ == nullptr || item.itemID == static_cast<UINT>(-1) || item.itemID >= group_->images().size()) return;
    const IconImage& image = group_->images()[item.itemID];
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const RECT& box = item.rcItem;
    if (auto pixels = decode_icon_image(image.bytes)) {
        const Pixels preview = fit_preview(*pixels, preview_side, rgb_of_color_ref(settings_.texture_color1));
        const int x = box.left + 4 + (preview_side - static_cast<int>(preview.width)) / 2;
        const int y = box.top + (list_item_height - static_cast<int>(preview.height)) / 2;
        draw_pixels(item.hDC, x, y, preview);
    }
    SelectedObject selected_font(item.hDC, font_);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::wstring size = wide(image_size_text(image, workspace_.strings()));
    const std::wstring depth = wide(image_depth_text(image.bit_count, workspace_.strings()));
    const int text_left = box.left + preview_side + 10;
    TextOutW(item.hDC, text_left, box.top + 10, size.c_str(), static_cast<int>(size.size()));
    TextOutW(item.hDC, text_left, box.top + 28, depth.c_str(), static_cast<int>(depth.size()));
}

// The editing object reads the chosen image; the view and the grid show it.
void ImageResourceEditor::open_image() {
    if (group_ != nullptr) {
        const IconImage* image = current_icon_image();
        editing_->set_slot(image != nullptr ? group_image_slot(*group_, image->number) : nullptr);
    }
    const Status loaded = editing_->reload();
    load_error_ = loaded ? std::u16string() : fill_placeholders(workspace_.text(str::image_not_editable), loaded.error());
    if (editing_->loaded() && !editing_->image().palette().empty() &&
        editing_->color >= editing_->image().palette().size()) {
        editing_->color = 0;
    }
    view_->image_changed();
    update_marker();
    layout();
    site_.properties_changed();
}

void ImageResourceEditor::update_marker() {
    const IconImage* image = current_icon_image();
    if (image != nullptr && group_->icon_type() == IconType::cursor) {
        view_->set_marker(PixelPoint{image->hotspot_x, image->hotspot_y});
    } else {
        view_->set_marker(std::nullopt);
    }
}

void ImageResourceEditor::reload(std::size_t) {
    fill_list();
    open_image();
}

void ImageResourceEditor::select_image(std::size_t index) {
    if (group_ == nullptr || index >= group_->images().size()) return;
    selected_ = index;
    SendMessageW(list_, LB_SETCURSEL, index, 0);
    open_image();
}

void ImageResourceEditor::select_tool(PixelTool tool) {
    editing_->tool = tool;
    update_tool_buttons();
}

void ImageResourceEditor::update_tool_buttons() {
    if (tools_ == nullptr) return;
    SendMessageW(tools_, TB_CHECKBUTTON, fill_command, editing_->tool == PixelTool::fill);
    SendMessageW(tools_, TB_CHECKBUTTON, pen_command, editing_->tool == PixelTool::pen);
}

void ImageResourceEditor::set_zoom(int zoom) { view_->set_zoom(zoom); }

UniqueMenu ImageResourceEditor::zoom_menu() const {
    UniqueMenu menu(CreatePopupMenu());
    for (std::size_t i = 0; i < std::size(zoom_levels); ++i) {
        const std::wstring text = std::to_wstring(zoom_levels[i]) + L"x";
        const UINT checked = zoom_levels[i] == view_->zoom() ? MF_CHECKED : MF_UNCHECKED;
        AppendMenuW(menu.get(), MF_STRING | checked, zoom_menu_first + i, text.c_str());
    }
    return menu;
}

void ImageResourceEditor::run_command(UINT command) {
    switch (command) {
        case fill_command: select_tool(PixelTool::fill); return;
        case pen_command: select_tool(PixelTool::pen); return;
        case options_command:
            if (services_.edit_options && services_.edit_options(settings_)) {
                view_->image_changed();
                InvalidateRect(list_, nullptr, TRUE);
            }
            return;
        default:
            if (command >= zoom_menu_first && command < zoom_menu_first + std::size(zoom_levels)) {
                set_zoom(zoom_levels[command - zoom_menu_first]);
            }
            return;
    }
}

// The colour strip: the current colour at the left, then the swatches in rows.
int ImageResourceEditor::color_strip_height() const {
    RECT client{};
    GetClientRect(window_.get(), &client);
    const int per_row = std::max(1, static_cast<int>((client.right - swatches_left - 4) / swatch_side));
    const int rows = (static_cast<int>(swatch_count()) + per_row - 1) / per_row;
    return std::max(28, rows * swatch_side + 8);
}

RECT ImageResourceEditor::color_strip_rect() const {
    RECT tools{};
    if (tools_ != nullptr) {
        GetWindowRect(tools_, &tools);
        MapWindowPoints(nullptr, window_.get(), reinterpret_cast<POINT*>(&tools), 2);
    }
    RECT client{};
    GetClientRect(window_.get(), &client);
    return RECT{0, tools.bottom, client.right, tools.bottom + color_strip_height()};
}

// Palette images offer their palette, others the common colours and the colour dialog; icons
// offer the transparent colour last.
std::size_t ImageResourceEditor::swatch_count() const {
    if (!editing_->loaded()) return 0;
    const EditableImage& image = editing_->image();
    std::size_t count = image.bit_count() <= 8 ? image.palette().size() : common_colors.size() + 1;
    if (image.has_mask()) ++count;
    return count;
}

RECT ImageResourceEditor::swatch_rect(std::size_t index) const {
    const RECT strip = color_strip_rect();
    const int per_row = std::max(1, static_cast<int>((strip.right - swatches_left - 4) / swatch_side));
    const int column = static_cast<int>(index) % per_row;
    const int row = static_cast<int>(index) / per_row;
    const int x = swatches_left + column * swatch_side;
    const int y = strip.top + 4 + row * swatch_side;
    return RECT{x, y, x + swatch_side - 1, y + swatch_side - 1};
}

void ImageResourceEditor::pick_swatch(std::size_t index) {
    if (index >= swatch_count()) return;
    const EditableImage& image = editing_->image();
    const bool transparent_swatch = image.has_mask() && index + 1 == swatch_count();
    if (transparent_swatch) {
        editing_->transparent = true;
        editing_->alpha = 0;
        if (image.bit_count() <= 8) editing_->color = 0;
        if (image.bit_count() > 8) editing_->color = 0;
    } else if (image.bit_count() <= 8) {
        editing_->color = static_cast<std::uint32_t>(index);
        editing_->transparent = false;
        editing_->alpha = 255;
    } else if (index < common_colors.size()) {
        editing_->color = common_colors[index];
        editing_->transparent = false;
        editing_->alpha = 255;
    } else {
        choose_true_color();
        return;
    }
    InvalidateRect(window_.get(), nullptr, FALSE);
    site_.properties_changed();
}

void ImageResourceEditor::choose_true_color() {
    if (!services_.choose_color) return;
    const auto chosen = services_.choose_color(static_cast<std::uint32_t>(color_ref_of(editing_->color)));
    if (!chosen) return;
    editing_->color = rgb_of_color_ref(*chosen);
    editing_->transparent = false;
    if (editing_->alpha == 0) editing_->alpha = 255;
    InvalidateRect(window_.get(), nullptr, FALSE);
    site_.properties_changed();
}

// A palette entry's colour chosen anew: every pixel of that index takes it, as one undo step.
void ImageResourceEditor::edit_palette_color(std::size_t index) {
    if (!editing_->loaded() || !services_.choose_color) return;
    const EditableImage& image = editing_->image();
    if (image.bit_count() > 8 || index >= image.palette().size()) return;
    const auto chosen = services_.choose_color(static_cast<std::uint32_t>(color_ref_of(image.palette()[index])));
    if (!chosen) return;
    if (editing_->set_palette_color(index, rgb_of_color_ref(*chosen))) {
        view_->image_changed();
        InvalidateRect(window_.get(), nullptr, FALSE);
        if (list_ != nullptr) InvalidateRect(list_, nullptr, TRUE);
    } else if (!editing_->error.empty()) {
        if (services_.tell) services_.tell(editing_->error, true);
        editing_->error.clear();
    }
}

void ImageResourceEditor::paint_colors(HDC dc) {
    const RECT strip = color_strip_rect();
    FillRect(dc, &strip, GetSysColorBrush(COLOR_BTNFACE));
    if (!editing_->loaded()) {
        if (!load_error_.empty() || (group_ != nullptr && group_->images().empty())) {
            SelectedObject selected(dc, font_);
            SetBkMode(dc, TRANSPARENT);
            const std::wstring text = wide(load_error_);
            TextOutW(dc, 4, strip.top + 6, text.c_str(), static_cast<int>(text.size()));
        }
        return;
    }
    const EditableImage& image = editing_->image();
    // The current colour: the texture's colour when transparent.
    RECT current{4, strip.top + 4, 32, strip.top + 24};
    COLORREF shown = 0;
    if (editing_->transparent || (image.bit_count() == 32 && editing_->alpha == 0)) {
        shown = static_cast<COLORREF>(settings_.texture_color1);
    } else if (image.bit_count() <= 8) {
        shown = editing_->color < image.palette().size() ? color_ref_of(image.palette()[editing_->color]) : 0;
    } else {
        shown = color_ref_of(editing_->color);
    }
    fill_rect(dc, current, shown);
    FrameRect(dc, &current, GetSysColorBrush(COLOR_WINDOWTEXT));
    const std::size_t count = swatch_count();
    for (std::size_t i = 0; i < count; ++i) {
        RECT box = swatch_rect(i);
        if (image.has_mask() && i + 1 == count) {
            // The transparent colour: a small checkerboard.
            fill_rect(dc, box, static_cast<COLORREF>(settings_.texture_color1));
            RECT a{box.left, box.top, (box.left + box.right) / 2, (box.top + box.bottom) / 2};
            RECT b{a.right, a.bottom, box.right, box.bottom};
            fill_rect(dc, a, static_cast<COLORREF>(settings_.texture_color2));
            fill_rect(dc, b, static_cast<COLORREF>(settings_.texture_color2));
        } else if (image.bit_count() <= 8) {
            fill_rect(dc, box, color_ref_of(image.palette()[i]));
        } else if (i < common_colors.size()) {
            fill_rect(dc, box, color_ref_of(common_colors[i]));
        } else {
            FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
            SelectedObject selected(dc, font_);
            SetBkMode(dc, TRANSPARENT);
            DrawTextW(dc, L"...", 3, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        FrameRect(dc, &box, GetSysColorBrush(COLOR_BTNSHADOW));
    }
}

void ImageResourceEditor::show_hover(std::optional<PixelPoint> pixel) {
    if (!pixel) {
        site_.show_editor_status(u"");
        return;
    }
    site_.show_editor_status(decimal(pixel->x) + u", " + decimal(pixel->y));
}

void ImageResourceEditor::changed() {
    fill_list();
    open_image();
}

bool ImageResourceEditor::add_image_from(const std::filesystem::path& path) {
    if (group_editing_ == nullptr) return false;
    const auto added = group_editing_->add_from_file(path);
    if (!added) {
        if (services_.tell) services_.tell(added.error(), true);
        return false;
    }
    selected_ = *added;
    changed();
    return true;
}

void ImageResourceEditor::remove_selected_image() {
    if (group_editing_ == nullptr || current_icon_image() == nullptr) return;
    group_editing_->remove(selected_);
    changed();
}

void ImageResourceEditor::move_selected_image(int step) {
    if (group_editing_ == nullptr || !group_editing_->move(selected_, step)) return;
    selected_ = step < 0 ? selected_ - 1 : selected_ + 1;
    changed();
}

bool ImageResourceEditor::set_hotspot(std::int64_t x, std::int64_t y) {
    if (group_editing_ == nullptr || current_icon_image() == nullptr) return false;
    const Status set = group_editing_->set_hotspot(selected_, x, y);
    if (!set) {
        if (services_.tell) services_.tell(workspace_.text(str::hotspot_range), true);
        return false;
    }
    update_marker();
    site_.properties_changed();
    return true;
}

bool ImageResourceEditor::set_file_path(const std::u16string& text) {
    if (bitmap_ == nullptr || text == bitmap_->content_file()) return false;
    if (const Status checked = check_resource_path(text, services_.content_folder, workspace_.strings()); !checked) {
        if (services_.tell) services_.tell(checked.error(), true);
        return false;
    }
    return replace_from(resolve_resource_path(text, services_.content_folder), text);
}

void ImageResourceEditor::set_path_kind(bool absolute) {
    FileResource& file = bitmap_ != nullptr ? static_cast<FileResource&>(*bitmap_) : *group_;
    const std::u16string before = file.content_file();
    const std::u16string after = absolute ? absolute_resource_path(before, services_.content_folder)
                                          : relative_resource_path(before, services_.content_folder);
    if (before.empty() || after == before) return;
    Project& project = workspace_.project();
    EditorSite& site = site_;
    auto put = [&file, &project, &site](const std::u16string& name) {
        file.rename_content_file(name);
        project.set_modified(file, true);
        site.content_changed(file, 0);
        site.properties_changed();
    };
    put(after);
    site_.history(resource_).record(std::make_unique<CallbackAction>(workspace_.text(str::property_path_kind),
                                                            [put, after] { put(after); }, [put, before] { put(before); }));
}

// A .bmp file's picture replaces the bitmap's, as one undo step; with `name`, the bitmap names
// that file from then on.
bool ImageResourceEditor::replace_from(const std::filesystem::path& path, std::optional<std::u16string> name) {
    if (bitmap_ == nullptr) return false;
    auto bytes = read_file_bytes(path);
    Result<std::vector<std::uint8_t>> dib = bytes ? decode_bitmap_resource(*bytes) : Result<std::vector<std::uint8_t>>(Error{bytes.error()});
    if (!dib) {
        if (services_.tell) services_.tell(path.u16string() + u": " + dib.error(), true);
        return false;
    }
    BitmapResource& bitmap = *bitmap_;
    Project& project = workspace_.project();
    EditorSite& site = site_;
    auto put = [&bitmap, &project, &site](const std::vector<std::uint8_t>& content, const std::u16string& file) {
        bitmap.set_dib(content);
        bitmap.rename_content_file(file);
        project.set_modified(bitmap, true);
        site.content_changed(bitmap, 0);
    };
    std::vector<std::uint8_t> before = bitmap_->dib();
    std::vector<std::uint8_t> after = *dib;
    const std::u16string file_before = bitmap_->content_file();
    const std::u16string file_after = name.value_or(file_before);
    put(after, file_after);
    site_.history(resource_).record(std::make_unique<CallbackAction>(
        workspace_.text(name ? str::property_file_path : str::replace_image_command),
        [put, after, file_after] { put(after, file_after); }, [put, before, file_before] { put(before, file_before); }));
    open_image();
    return true;
}

bool ImageResourceEditor::export_to(const std::filesystem::path& path) {
    Status written = success();
    if (bitmap_ != nullptr) {
        auto file = export_bitmap_file(bitmap_->dib());
        written = file ? write_file_atomically(path, *file) : Status(Error{file.error()});
    } else {
        written = group_editing_->export_to(path);
    }
    if (!written && services_.tell) services_.tell(written.error(), true);
    return written.ok();
}

std::u16string ImageResourceEditor::color_text() const {
    if (!editing_->loaded()) return {};
    if (editing_->image().bit_count() <= 8) return decimal(editing_->color);
    return u"0x" + hexadecimal(editing_->color & 0x00FFFFFFu, 6);
}

// A palette index in decimal, or a colour as 0xRRGGBB (also with "#").
void ImageResourceEditor::set_color_text(const std::u16string& text) {
    if (!editing_->loaded()) return;
    const EditableImage& image = editing_->image();
    std::u16string_view digits = text;
    const bool hex = digits.starts_with(u"#") || digits.starts_with(u"0x") || digits.starts_with(u"0X");
    if (digits.starts_with(u"#")) digits.remove_prefix(1);
    if (digits.starts_with(u"0x") || digits.starts_with(u"0X")) digits.remove_prefix(2);
    const auto value = parse_color_setting(hex ? u"0x" + std::u16string(digits) : std::u16string(digits));
    if (!value || (image.bit_count() <= 8 && *value >= image.palette().size()) || *value > 0xFFFFFF) {
        if (services_.tell) services_.tell(workspace_.text(str::integer_value_expected), true);
        return;
    }
    editing_->color = *value;
    editing_->transparent = false;
    InvalidateRect(window_.get(), nullptr, FALSE);
}

std::vector<PropertyRow> ImageResourceEditor::properties() const {
    std::vector<PropertyRow> rows;
    row_ids_.clear();
    auto add = [&](RowId id, PropertyRow row) {
        row_ids_.push_back(id);
        rows.push_back(std::move(row));
    };
    add(RowId::image_category, expanded_category(workspace_.text(str::category_image)));
    if (editing_->loaded()) {
        const EditableImage& image = editing_->image();
        add(RowId::width, shown_row(workspace_.text(str::property_width), decimal(image.width())));
        add(RowId::height, shown_row(workspace_.text(str::property_height), decimal(image.height())));
        add(RowId::bit_count, shown_row(workspace_.text(str::property_bits_per_pixel), decimal(image.bit_count())));
        const bool png = image.format() == EditableFormat::png_icon;
        add(RowId::compression, shown_row(workspace_.text(str::property_compression), png ? u"PNG" : u"BI_RGB"));
        PropertyRow color;
        color.name = workspace_.text(str::property_color);
        color.value = color_text();
        color.flags = property_flag::free_text;
        add(RowId::color, color);
        if (image.bit_count() == 32) {
            PropertyRow alpha;
            alpha.name = workspace_.text(str::property_alpha);
            alpha.value = decimal(editing_->alpha);
            alpha.flags = property_flag::number;
            add(RowId::alpha, alpha);
        } else if (image.has_mask()) {
            PropertyRow transparent;
            transparent.name = workspace_.text(str::property_transparent);
            transparent.flags = property_flag::fixed_choices;
            transparent.choices = {workspace_.text(str::false_text), workspace_.text(str::true_text)};
            transparent.choice = editing_->transparent ? 1 : 0;
            transparent.value = transparent.choices[static_cast<std::size_t>(transparent.choice)];
            add(RowId::transparent, transparent);
        }
    } else if (bitmap_ != nullptr) {
        if (const auto size = bitmap_size(bitmap_->dib())) {
            add(RowId::width, shown_row(workspace_.text(str::property_width), decimal(size->width)));
            add(RowId::height, shown_row(workspace_.text(str::property_height), decimal(size->height)));
        }
        if (const auto header = read_dib_layout(bitmap_->dib())) {
            add(RowId::bit_count, shown_row(workspace_.text(str::property_bits_per_pixel), decimal(header->bit_count)));
            add(RowId::compression, shown_row(workspace_.text(str::property_compression),
                                              decimal(static_cast<std::uint32_t>(header->compression))));
        }
    }
    if (const IconImage* image = current_icon_image(); image != nullptr && group_->icon_type() == IconType::cursor) {
        PropertyRow x;
        x.name = workspace_.text(str::property_x_hotspot);
        x.help = workspace_.text(str::x_hotspot_help);
        x.value = decimal(image->hotspot_x);
        x.flags = property_flag::number;
        add(RowId::x_hotspot, x);
        PropertyRow y;
        y.name = workspace_.text(str::property_y_hotspot);
        y.help = workspace_.text(str::y_hotspot_help);
        y.value = decimal(image->hotspot_y);
        y.flags = property_flag::number;
        add(RowId::y_hotspot, y);
    }
    add(RowId::file_category, expanded_category(workspace_.text(group_ != nullptr ? str::category_images : str::category_content)));
    const FileResource& file = bitmap_ != nullptr ? static_cast<const FileResource&>(*bitmap_) : *group_;
    if (const std::u16string path = file.content_file(); !path.empty()) {
        PropertyRow name;
        name.name = workspace_.text(str::property_file_path);
        name.value = path;
        name.flags = bitmap_ != nullptr ? property_flag::free_text : property_flag::disabled;
        add(RowId::file_path, name);
        PropertyRow kind;
        kind.name = workspace_.text(str::property_path_kind);
        kind.flags = property_flag::fixed_choices;
        kind.choices = {workspace_.text(str::path_relative), workspace_.text(str::path_absolute)};
        kind.choice = is_absolute_resource_path(path) ? 1 : 0;
        kind.value = kind.choices[static_cast<std::size_t>(kind.choice)];
        add(RowId::path_kind, kind);
    }
    if (bitmap_ != nullptr) add(RowId::replace, link_row(workspace_.text(str::replace_image_command)));
    if (group_ != nullptr) {
        add(RowId::add_image, link_row(workspace_.text(str::add_image_command)));
        if (current_icon_image() != nullptr) {
            add(RowId::remove_image, link_row(workspace_.text(str::remove_image_command)));
            add(RowId::move_up, link_row(workspace_.text(str::move_image_up)));
            add(RowId::move_down, link_row(workspace_.text(str::move_image_down)));
        }
    }
    add(RowId::export_file, link_row(workspace_.text(str::export_image_command)));
    return rows;
}

void ImageResourceEditor::set_property(std::size_t index, const std::u16string& text, int choice) {
    if (index >= row_ids_.size()) return;
    const IconImage* image = current_icon_image();
    switch (row_ids_[index]) {
        case RowId::color: set_color_text(text); break;
        case RowId::alpha:
            if (const auto value = parse_color_setting(text); value && *value <= 255) {
                editing_->alpha = static_cast<std::uint8_t>(*value);
                editing_->transparent = *value == 0;
            } else if (services_.tell) {
                services_.tell(workspace_.text(str::integer_value_expected), true);
            }
            break;
        case RowId::transparent: editing_->transparent = choice == 1; break;
        case RowId::file_path: set_file_path(text); break;
        case RowId::path_kind:
            if (choice >= 0) set_path_kind(choice == 1);
            break;
        case RowId::x_hotspot:
        case RowId::y_hotspot: {
            if (image == nullptr) break;
            const auto value = parse_color_setting(text);
            const std::int64_t number = value ? static_cast<std::int64_t>(*value) : -1;
            const bool x = row_ids_[index] == RowId::x_hotspot;
            set_hotspot(x ? number : image->hotspot_x, x ? image->hotspot_y : number);
            break;
        }
        default: break;
    }
    InvalidateRect(window_.get(), nullptr, FALSE);
    site_.properties_changed();
}

namespace {

std::u16string filter_of(std::u16string_view name, std::u16string_view pattern) {
    std::u16string filter(name);
    filter.push_back(u'\0');
    filter += pattern;
    filter.push_back(u'\0');
    filter += u"All Files (*.*)";
    filter.push_back(u'\0');
    filter += u"*.*";
    filter.push_back(u'\0');
    filter.push_back(u'\0');
    return filter;
}

std::u16string image_filter_text(const Workspace& workspace, IconType type) {
    std::u16string filter = workspace.text(str::image_files_filter);
    filter.push_back(u'\0');
    filter += type == IconType::icon ? u"*.ico;*.bmp;*.png" : u"*.cur;*.bmp;*.png";
    filter.push_back(u'\0');
    filter += u"All Files (*.*)";
    filter.push_back(u'\0');
    filter += u"*.*";
    filter.push_back(u'\0');
    filter.push_back(u'\0');
    return filter;
}

}  // namespace

void ImageResourceEditor::property_button(std::size_t index) {
    if (index >= row_ids_.size()) return;
    switch (row_ids_[index]) {
        case RowId::replace:
            if (services_.choose_file_to_open) {
                const FileResourceTraits& traits = bitmap_->traits();
                const std::u16string filter = filter_of(traits.filter, u"*" + traits.dotted_extension);
                if (const auto path = services_.choose_file_to_open(filter)) replace_from(*path);
            }
            break;
        case RowId::add_image:
            if (services_.choose_file_to_open) {
                if (const auto path = services_.choose_file_to_open(image_filter_text(workspace_, group_->icon_type()))) {
                    add_image_from(*path);
                }
            }
            break;
        case RowId::remove_image: remove_selected_image(); break;
        case RowId::move_up: move_selected_image(-1); break;
        case RowId::move_down: move_selected_image(+1); break;
        case RowId::export_file:
            if (services_.choose_file_to_save) {
                const FileResourceTraits& traits = static_cast<FileResource&>(resource_).traits();
                const std::u16string name = resource_.name_text() + traits.dotted_extension;
                const std::u16string filter = filter_of(traits.filter, u"*" + traits.dotted_extension);
                if (const auto path = services_.choose_file_to_save(filter, name)) export_to(*path);
            }
            break;
        default: break;
    }
}

LRESULT ImageResourceEditor::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    HWND window = window_.get();
    switch (message) {
        case WM_SIZE:
            layout();
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint_info{};
            HDC dc = BeginPaint(window, &paint_info);
            paint_colors(dc);
            EndPaint(window, &paint_info);
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            for (std::size_t i = 0; i < swatch_count(); ++i) {
                const RECT box = swatch_rect(i);
                if (!PtInRect(&box, at)) continue;
                if (message == WM_LBUTTONDBLCLK) edit_palette_color(i);
                else pick_swatch(i);
                break;
            }
            return 0;
        }
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lparam) == list_ && list_ != nullptr) {
                if (HIWORD(wparam) == LBN_SELCHANGE) {
                    const auto index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
                    if (index != LB_ERR) select_image(static_cast<std::size_t>(index));
                }
                return 0;
            }
            if (reinterpret_cast<HWND>(lparam) == tools_ || HIWORD(wparam) == 0) run_command(LOWORD(wparam));
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lparam);
            if (header->hwndFrom == tools_ && header->code == TBN_DROPDOWN) {
                const auto* drop = reinterpret_cast<const NMTOOLBARW*>(lparam);
                RECT button{};
                SendMessageW(tools_, TB_GETRECT, static_cast<WPARAM>(drop->iItem), reinterpret_cast<LPARAM>(&button));
                MapWindowPoints(tools_, nullptr, reinterpret_cast<POINT*>(&button), 2);
                UniqueMenu menu = zoom_menu();
                const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN,
                                                                     button.left, button.bottom, 0, window, nullptr));
                if (chosen != 0) run_command(chosen);
                return TBDDRET_DEFAULT;
            }
            return DefWindowProcW(window, message, wparam, lparam);
        }
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
            measure->itemHeight = list_item_height;
            return TRUE;
        }
        case WM_DRAWITEM:
            draw_list_item(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace tavorin

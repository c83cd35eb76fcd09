// The sample project's pictures edited as a user would: a line and a fill drawn on IDB_LOGO with
// the mouse, undone and redone; a 256 x 256 PNG image added to IDI_SAMPLE; the hot spot of
// IDC_PEN set by a click; a button with a prompt added to the toolbar. The project is saved as a
// script and as a module and both are read back with the edits; the Windows loader takes the
// icon from the module. With TAVORIN_KEEP_OUTPUT naming a folder the saved files are copied
// there, for a resource compiler to compile the script.

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "app/command_ids.h"
#include "app/win32/main_window.h"
#include "../../../app/win32/main_window_test_support.h"
#include "imaging/dib_decoder.h"
#include "imaging/png_codec.h"
#include "resources/image/bitmap_resource.h"
#include "resources/image/icon_group.h"
#include "resources/image/win32/image_editor.h"
#include "resources/stringtable/string_table.h"
#include "resources/toolbar/win32/toolbar_editor.h"

namespace tavorin::testing {
namespace {

constexpr std::uint32_t red = argb(0xFF, 0xFF, 0, 0);

class SampleImagesTest : public SampleProjectTest {
protected:
    Resource* find(ResourceKind kind, std::u16string_view name) const {
        for (const auto& resource : session.project().resources()) {
            if (resource->kind() == kind && resource->name_text() == name) return resource.get();
        }
        return nullptr;
    }
    static LPARAM at(const ImageResourceEditor& editor, PixelPoint pixel) {
        const POINT point = editor.view().client_point_of(pixel);
        return MAKELPARAM(point.x, point.y);
    }
};

TEST_F(SampleImagesTest, PixelsPngImageHotspotAndToolbarButtonSurviveScriptAndModule) {
    // IDB_LOGO: a red line drawn with the mouse, then filled with blue.
    auto* logo = dynamic_cast<BitmapResource*>(find(kind::bitmap, u"IDB_LOGO"));
    ASSERT_NE(logo, nullptr);
    auto* logo_editor = dynamic_cast<ImageResourceEditor*>(open(*logo));
    ASSERT_NE(logo_editor, nullptr);
    ASSERT_TRUE(logo_editor->load_error().empty());
    logo_editor->set_zoom(8);
    app.dialog_answers.color = [](std::uint32_t) { return std::optional<std::uint32_t>(0x0000FF); };
    logo_editor->pick_swatch(logo_editor->swatch_count() - 1);
    HWND view = logo_editor->view().window();
    SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, at(*logo_editor, {2, 2}));
    SendMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, at(*logo_editor, {9, 2}));
    SendMessageW(view, WM_LBUTTONUP, 0, at(*logo_editor, {9, 2}));
    Pixels drawn = *decode_dib(logo->dib());
    for (std::uint32_t x = 2; x <= 9; ++x) EXPECT_EQ(drawn.at(x, 2), red) << x;
    logo_editor->select_tool(PixelTool::fill);
    logo_editor->pick_swatch(14);  // blue
    // The logo is a gradient: the red line is the only region of one colour larger than a pixel.
    SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, at(*logo_editor, {5, 2}));
    SendMessageW(view, WM_LBUTTONUP, 0, at(*logo_editor, {5, 2}));
    const Pixels filled = *decode_dib(logo->dib());
    Pixels expected = drawn;
    for (std::uint32_t x = 2; x <= 9; ++x) expected.at(x, 2) = argb(0xFF, 0, 0, 0xFF);
    EXPECT_EQ(filled, expected);
    wait_for_screenshot(window->handle(), "sample-logo");
    command(cmd::undo);
    EXPECT_EQ(*decode_dib(logo->dib()), drawn);
    command(cmd::redo);
    EXPECT_EQ(*decode_dib(logo->dib()), filled);

    // IDI_SAMPLE: a 256 x 256 PNG image.
    auto* icon = dynamic_cast<IconGroup*>(find(kind::icon, u"IDI_SAMPLE"));
    ASSERT_NE(icon, nullptr);
    auto* icon_editor = dynamic_cast<ImageResourceEditor*>(open(*icon));
    ASSERT_NE(icon_editor, nullptr);
    const std::size_t images_before = icon->images().size();
    Pixels big(256, 256, argb(0xFF, 0x20, 0x80, 0x20));
    for (std::uint32_t i = 0; i < 256; ++i) big.at(i, i) = argb(0, 0, 0, 0);
    const auto png = encode_png(big);
    ASSERT_TRUE(png);
    ASSERT_TRUE(write_file_atomically(folder / "big.png", *png));
    ASSERT_TRUE(icon_editor->add_image_from(folder / "big.png"));
    ASSERT_EQ(icon->images().size(), images_before + 1);
    wait_for_screenshot(window->handle(), "sample-icon");

    // IDC_PEN: the hot spot where the right button clicks.
    auto* cursor = dynamic_cast<IconGroup*>(find(kind::cursor, u"IDC_PEN"));
    ASSERT_NE(cursor, nullptr);
    auto* cursor_editor = dynamic_cast<ImageResourceEditor*>(open(*cursor));
    ASSERT_NE(cursor_editor, nullptr);
    cursor_editor->set_zoom(8);
    SendMessageW(cursor_editor->view().window(), WM_RBUTTONDOWN, MK_RBUTTON, at(*cursor_editor, {3, 12}));
    EXPECT_EQ(cursor->images()[0].hotspot_x, 3);
    EXPECT_EQ(cursor->images()[0].hotspot_y, 12);
    wait_for_screenshot(window->handle(), "sample-cursor");

    // The toolbar: a button after the last one, with a prompt.
    auto* toolbar = dynamic_cast<Toolbar*>(find(kind::toolbar, u"IDB_TOOLBAR"));
    ASSERT_NE(toolbar, nullptr);
    auto* toolbar_editor = dynamic_cast<ToolbarEditor*>(open(*toolbar));
    ASSERT_NE(toolbar_editor, nullptr);
    const std::size_t last = toolbar->items().size() - 1;
    const ToolbarCell cell = toolbar_cells(*toolbar)[last];
    SendMessageW(toolbar_editor->window(), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(cell.left + 4, ToolbarEditor::strip_top + 4));
    ASSERT_EQ(toolbar_editor->selected(), last);
    toolbar_editor->run_context_command(ToolbarEditor::button_after_command);
    ASSERT_EQ(toolbar->items().size(), last + 2);
    const std::u16string new_id = toolbar->items()[last + 1].id;
    EXPECT_EQ(new_id, u"IDR_COMMAND1");
    toolbar_editor->set_property(1, u"Print the page", -1);
    EXPECT_EQ(toolbar_prompt(*toolbar, last + 1, session.workspace()), u"Print the page");
    wait_for_screenshot(window->handle(), "sample-toolbar");

    const std::int32_t icon_value = session.symbols().value_of(u"IDI_SAMPLE");
    for (const char* target : {"saved.rc", "saved.dll"}) {
        platform.chosen_files = {folder / "sample" / target};
        command(cmd::save_as);
        keep(target);
    }
    keep("resource.h");
    keep("logo.bmp");
    keep("sample.ico");
    keep("sample.cur");
    keep("toolbar.bmp");

    for (const char* saved : {"saved.rc", "saved.dll"}) {
        const bool script = std::string_view(saved) == "saved.rc";
        command(cmd::close_project);
        ASSERT_NO_FATAL_FAILURE(open_project(folder / "sample" / saved));
        const std::u16string logo_name = script ? u"IDB_LOGO" : u"107";
        auto* logo_back = dynamic_cast<BitmapResource*>(find(kind::bitmap, logo_name));
        ASSERT_NE(logo_back, nullptr) << saved;
        ASSERT_TRUE(logo_back->load_content(folder / "sample")) << saved;
        EXPECT_EQ(*decode_dib(logo_back->dib()), filled) << saved;
        auto* icon_back = dynamic_cast<IconGroup*>(find(kind::icon, script ? u"IDI_SAMPLE" : u"101"));
        ASSERT_NE(icon_back, nullptr) << saved;
        ASSERT_TRUE(icon_back->load_content(folder / "sample")) << saved;
        ASSERT_EQ(icon_back->images().size(), images_before + 1) << saved;
        const IconImage& added = icon_back->images().back();
        EXPECT_TRUE(added.png) << saved;
        EXPECT_EQ(*decode_png(added.bytes), big) << saved;
        auto* cursor_back = dynamic_cast<IconGroup*>(find(kind::cursor, script ? u"IDC_PEN" : u"106"));
        ASSERT_NE(cursor_back, nullptr) << saved;
        ASSERT_TRUE(cursor_back->load_content(folder / "sample")) << saved;
        EXPECT_EQ(cursor_back->images()[0].hotspot_x, 3) << saved;
        EXPECT_EQ(cursor_back->images()[0].hotspot_y, 12) << saved;
        auto* strings = dynamic_cast<StringTable*>(session.project().string_table(0x0409));
        ASSERT_NE(strings, nullptr) << saved;
        bool prompt_found = false;
        for (const StringEntry& entry : strings->entries()) prompt_found |= entry.text == u"Print the page";
        EXPECT_TRUE(prompt_found) << saved;
        if (script) {
            auto* toolbar_back = dynamic_cast<Toolbar*>(find(kind::toolbar, u"IDB_TOOLBAR"));
            ASSERT_NE(toolbar_back, nullptr);
            EXPECT_EQ(toolbar_back->items().back().id, new_id);
        }
    }

    // The loader reads the icon group with its PNG image from the module.
    command(cmd::close_project);
    const std::wstring module_path = (folder / "sample" / "saved.dll").wstring();
    HMODULE module = LoadLibraryExW(module_path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HICON loaded = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(icon_value), IMAGE_ICON, 256, 256, LR_DEFAULTCOLOR));
    EXPECT_NE(loaded, nullptr);
    if (loaded != nullptr) {
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(loaded, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
        EXPECT_EQ(bitmap.bmWidth, 256);
        if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
        if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
        DestroyIcon(loaded);
    }
    FreeLibrary(module);
}

}  // namespace
}  // namespace tavorin::testing

// The image editor driven with real mouse messages: a pen stroke and a fill on a bitmap, each one
// undo step, the saved pixels compared; a huge bitmap that opens, zooms and scrolls at once; a
// group's image list with an image added from a PNG file and a cursor hot spot set by a click.

#include "platform/win32/windows_api.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>

#include "app/win32/gui_test_support.h"
#include "base/file_io.h"
#include "imaging/dib_decoder.h"
#include "imaging/bitmap_file_header.h"
#include "imaging/dib_encoder.h"
#include "imaging/icon_image_codec.h"
#include "imaging/png_codec.h"
#include "model/undo_history.h"
#include "resources/image/bitmap_resource.h"
#include "resources/image/icon_group.h"
#include "resources/image/win32/image_editor.h"
#include "resources/image/win32/image_options_dialog.h"

namespace tavorin::testing {
namespace {

struct RecordingSite : EditorSite {
    explicit RecordingSite(Platform& platform) : undo(platform) {}
    UndoHistory& history(const Resource&) override { return undo; }
    void content_changed(Resource&, std::size_t) override { ++changes; }
    void editor_state_changed() override {}
    void properties_changed() override {}
    void show_editor_status(std::u16string_view text) override { status = std::u16string(text); }

    UndoHistory undo;
    int changes = 0;
    std::u16string status;
};

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t white = argb(0xFF, 0xFF, 0xFF, 0xFF);
constexpr std::uint32_t black = argb(0xFF, 0, 0, 0);

class ImageEditorTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900, 700, nullptr,
                                 nullptr, instance, nullptr);
        ASSERT_NE(parent, nullptr);
    }
    void TearDown() override {
        editor.reset();
        DestroyWindow(parent);
    }

    ImageEditorServices services() {
        ImageEditorServices result;
        result.tell = [this](std::u16string_view message, bool) { told.emplace_back(message); };
        result.choose_color = [](std::uint32_t) { return std::optional<std::uint32_t>(0x0000FF); };  // red
        result.content_folder = folder;
        return result;
    }
    void show() {
        ASSERT_NE(editor, nullptr);
        MoveWindow(editor->window(), 0, 0, 860, 640, TRUE);
        ShowWindow(editor->window(), SW_SHOW);
        UpdateWindow(editor->window());
    }
    void open(BitmapResource& bitmap) {
        editor = ImageResourceEditor::create(bitmap, session.workspace(), site, parent, instance,
                                             resources.regular_font(), settings, services());
        show();
    }
    void open(IconGroup& group) {
        editor = ImageResourceEditor::create(group, session.workspace(), site, parent, instance,
                                             resources.regular_font(), settings, services());
        show();
    }
    // Mouse messages as the system sends them, at the middle of image pixels.
    LPARAM at(PixelPoint pixel) const {
        const POINT point = editor->view().client_point_of(pixel);
        return MAKELPARAM(point.x, point.y);
    }
    void drag(std::initializer_list<PixelPoint> path) {
        HWND view = editor->view().window();
        auto point = path.begin();
        SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, at(*point));
        for (++point; point != path.end(); ++point) SendMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, at(*point));
        SendMessageW(view, WM_LBUTTONUP, 0, at(*(path.end() - 1)));
    }
    void click(PixelPoint pixel) { drag({pixel}); }

    HWND parent = nullptr;
    RecordingSite site{platform};
    ImageEditorSettings settings;
    std::unique_ptr<ImageResourceEditor> editor;
    std::vector<std::u16string> told;
};

TEST_F(ImageEditorTest, APenStrokeAndAFillDrawnWithTheMouseAreSavedAndUndoneOneStepEach) {
    Pixels white_image(16, 12, white);
    auto bitmap = BitmapResource::with_dib(*encode_dib(white_image, 24));
    open(*bitmap);
    editor->set_zoom(8);
    EXPECT_EQ(editor->view().zoom(), 8);
    // The colour dialog's red, from the strip's last swatch.
    editor->pick_swatch(editor->swatch_count() - 1);
    drag({{0, 0}, {1, 1}, {3, 3}});
    Pixels expected = white_image;
    for (int i = 0; i < 4; ++i) expected.at(i, i) = argb(0xFF, 0xFF, 0, 0);
    EXPECT_EQ(*decode_dib(bitmap->dib()), expected);

    // Black fills the white around the diagonal: every white pixel is four-connected to the others.
    editor->pick_swatch(0);
    SendMessageW(editor->window(), WM_COMMAND, ImageResourceEditor::fill_command,
                 reinterpret_cast<LPARAM>(editor->tool_strip()));
    ASSERT_EQ(editor->editing().tool, PixelTool::fill);
    click({10, 10});
    Pixels filled = expected;
    for (std::uint32_t& pixel : filled.argb) {
        if (pixel == white) pixel = black;
    }
    EXPECT_EQ(*decode_dib(bitmap->dib()), filled);
    EXPECT_EQ(site.undo.undo_names(), (std::vector<std::u16string>{u"Fill", u"Pen"}));

    site.undo.undo();
    EXPECT_EQ(*decode_dib(bitmap->dib()), expected);
    site.undo.undo();
    EXPECT_EQ(*decode_dib(bitmap->dib()), white_image);
    site.undo.redo(2);
    EXPECT_EQ(*decode_dib(bitmap->dib()), filled);

    ASSERT_TRUE(editor->export_to(folder / "out.bmp"));
    const auto saved = read_file_bytes(folder / "out.bmp");
    ASSERT_TRUE(saved);
    EXPECT_EQ(*decode_bitmap(*saved), filled);
}

TEST_F(ImageEditorTest, AHugeBitmapOpensZoomsAndScrollsDrawingOnlyWhatIsInSight) {
    Pixels huge(4096, 4096, argb(0xFF, 0x10, 0x20, 0x30));
    huge.at(4095, 4095) = argb(0xFF, 0xFF, 0, 0);
    auto bitmap = BitmapResource::with_dib(*encode_dib(huge, 32));
    const DWORD start = GetTickCount();
    open(*bitmap);
    editor->set_zoom(32);
    editor->view().scroll_to(1 << 30, 1 << 30);
    UpdateWindow(editor->view().window());
    EXPECT_LT(GetTickCount() - start, 5000u);
    RECT client{};
    GetClientRect(editor->view().window(), &client);
    EXPECT_EQ(editor->view().pixels_painted(), static_cast<std::size_t>(client.right) * client.bottom);
    // The last pixel is in sight, in the view's bottom right corner.
    const POINT last = editor->view().client_point_of({4095, 4095});
    EXPECT_GT(last.x, 0);
    EXPECT_LT(last.x, client.right);
    EXPECT_LT(last.y, client.bottom);
    HDC dc = GetDC(editor->view().window());
    EXPECT_EQ(GetPixel(dc, last.x, last.y), RGB(0xFF, 0, 0));
    ReleaseDC(editor->view().window(), dc);
}

TEST_F(ImageEditorTest, AGroupListsItsImagesAndTakesAPngImageFromAFile) {
    ImageNumbers numbers;
    IconGroup group(IconType::icon, numbers);
    Pixels small(16, 16, white);
    ASSERT_TRUE(group.add_image(*encode_icon_dib(small, 4)));
    open(group);
    EXPECT_EQ(SendMessageW(editor->image_list(), LB_GETCOUNT, 0, 0), 1);
    Pixels big(256, 256, argb(0x80, 0, 0x80, 0));
    const auto png = encode_png(big);
    ASSERT_TRUE(write_file_atomically(folder / "big.png", *png));
    ASSERT_TRUE(editor->add_image_from(folder / "big.png"));
    EXPECT_EQ(SendMessageW(editor->image_list(), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(editor->selected_image(), 1u);
    ASSERT_TRUE(editor->editing().loaded());
    EXPECT_EQ(editor->editing().image().width(), 256u);

    // Drawing on the PNG image keeps it PNG.
    editor->set_zoom(2);
    editor->pick_swatch(0);  // black, opaque
    click({5, 5});
    ASSERT_TRUE(group.images()[1].png);
    EXPECT_TRUE(is_png(group.images()[1].bytes));
    EXPECT_EQ(decode_png(group.images()[1].bytes)->at(5, 5), black);

    editor->select_image(0);
    EXPECT_EQ(editor->editing().image().width(), 16u);
    EXPECT_FALSE(editor->add_image_from(folder / "missing.png"));
    EXPECT_EQ(told.size(), 1u);
}

TEST_F(ImageEditorTest, ACursorsHotspotIsSetByARightClickAndRefusedBeyondThirtyOne) {
    ImageNumbers numbers;
    IconGroup group(IconType::cursor, numbers);
    ASSERT_TRUE(group.add_image(*encode_icon_dib(Pixels(48, 48, white), 1)));
    open(group);
    editor->set_zoom(4);
    SendMessageW(editor->view().window(), WM_RBUTTONDOWN, MK_RBUTTON, at({5, 7}));
    EXPECT_EQ(group.images()[0].hotspot_x, 5);
    EXPECT_EQ(group.images()[0].hotspot_y, 7);
    SendMessageW(editor->view().window(), WM_RBUTTONDOWN, MK_RBUTTON, at({40, 7}));
    EXPECT_EQ(group.images()[0].hotspot_x, 5);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], u"Hotspot should be located between 0 and 31");
    site.undo.undo();
    EXPECT_EQ(group.images()[0].hotspot_x, 0);
}

TEST_F(ImageEditorTest, ABitmapTheEditorCannotChangeIsShownWithItsReasonAndItsSize) {
    auto bitmap = BitmapResource::with_dib(*encode_dib(Pixels(20, 10, white), 16));
    open(*bitmap);
    EXPECT_EQ(editor->load_error(),
              u"This image cannot be edited: Only uncompressed images of 1, 4, 8, 24 or 32 bits per pixel can be edited.");
    const std::vector<PropertyRow> rows = editor->properties();
    ASSERT_GE(rows.size(), 4u);
    EXPECT_EQ(rows[1].value, u"20");
    EXPECT_EQ(rows[2].value, u"10");
    EXPECT_EQ(rows[3].value, u"16");
    const Bytes before = bitmap->dib();
    click({1, 1});
    EXPECT_EQ(bitmap->dib(), before);
    EXPECT_EQ(site.undo.size(), 0u);
}

TEST_F(ImageEditorTest, ADoubleClickOnAPaletteSwatchChangesThatColourAsOneStep) {
    Pixels pixels(8, 8, black);
    pixels.at(2, 3) = white;
    auto bitmap = BitmapResource::with_dib(*encode_dib(pixels, 8));
    open(*bitmap);
    const std::uint32_t white_index = editor->editing().image().value(2, 3);
    const RECT swatch = editor->swatch_rect(white_index);
    const LPARAM middle = MAKELPARAM((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2);
    SendMessageW(editor->window(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageW(editor->window(), WM_LBUTTONUP, 0, middle);
    SendMessageW(editor->window(), WM_LBUTTONDBLCLK, MK_LBUTTON, middle);  // the colour dialog answers red
    Pixels red = pixels;
    red.at(2, 3) = argb(0xFF, 0xFF, 0, 0);
    EXPECT_EQ(*decode_dib(bitmap->dib()), red);
    EXPECT_EQ(site.undo.undo_names(), std::vector<std::u16string>{u"Palette Color"});
    editor->set_zoom(32);
    pause_for_screenshot(parent, "image-editor");
    site.undo.undo();
    EXPECT_EQ(*decode_dib(bitmap->dib()), pixels);
    // A true-colour image has no palette to edit: its swatches only pick.
    auto rgb = BitmapResource::with_dib(*encode_dib(pixels, 24));
    open(*rgb);
    SendMessageW(editor->window(), WM_LBUTTONDBLCLK, MK_LBUTTON, middle);
    EXPECT_EQ(site.undo.undo_names().size(), 0u);
}

// The options dialog driven while it runs: `act` gets the dialog once it shows.
std::function<void(HWND)> options_action;

void CALLBACK drive_options(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowW(L"#32770", nullptr);
    if (dialog == nullptr || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, id);
    options_action(dialog);
}

TEST_F(ImageEditorTest, TheOptionsDialogTakesItsChangesOnlyWhenConfirmed) {
    namespace id = image_options_control;
    ImageEditorSettings settings;
    const ImageEditorSettings defaults = settings;
    const auto run = [&](std::function<void(HWND)> act) {
        options_action = std::move(act);
        SetTimer(nullptr, 0, 50, drive_options);
        return edit_image_options(session.workspace(), parent, instance, u"MS Shell Dlg", resources.regular_font(),
                                  settings);
    };
    const auto click = [](HWND dialog, int control) { SendDlgItemMessageW(dialog, control, BM_CLICK, 0, 0); };
    // Cancelled: nothing changes.
    EXPECT_FALSE(run([&](HWND dialog) {
        click(dialog, id::dark);
        click(dialog, IDCANCEL);
    }));
    EXPECT_EQ(settings, defaults);
    // Confirmed: the dark preset, no pixel grid, the plain transparent colour and grid size 5.
    EXPECT_TRUE(run([&](HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, id::pixel_grid), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, id::texture_grid), BST_CHECKED);
        click(dialog, id::pixel_grid);
        click(dialog, id::dark);
        click(dialog, id::transparent_color);
        HWND slider = FindWindowExW(dialog, nullptr, TRACKBAR_CLASSW, nullptr);
        SendMessageW(slider, TBM_SETPOS, TRUE, 5);
        SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
        click(dialog, IDOK);
    }));
    EXPECT_FALSE(settings.pixel_grid);
    EXPECT_FALSE(settings.texture_grid);
    EXPECT_EQ(settings.texture_color1, 0x00666666u);
    EXPECT_EQ(settings.texture_color2, 0x00333333u);
    EXPECT_EQ(settings.grid_size, 5);
    EXPECT_EQ(settings.background, defaults.background);
}

TEST_F(ImageEditorTest, TheFilePathSwitchesBetweenRelativeAndAbsoluteAndATypedPathIsLoaded) {
    std::filesystem::create_directories(folder / "res");
    const Pixels logo(4, 4, white);
    const Pixels other(6, 2, black);
    ASSERT_TRUE(write_file_atomically(folder / "res" / "logo.bmp", *make_bitmap_file(*encode_dib(logo, 24))));
    ASSERT_TRUE(write_file_atomically(folder / "res" / "other.bmp", *make_bitmap_file(*encode_dib(other, 24))));
    auto bitmap = BitmapResource::with_dib(*encode_dib(logo, 24));
    bitmap->refer_to_file(u"res\\logo.bmp");
    ASSERT_TRUE(bitmap->edit_in_memory(folder));
    open(*bitmap);
    const auto row = [&](std::u16string_view name) -> std::size_t {
        const auto rows = editor->properties();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].name == name) return i;
        }
        ADD_FAILURE() << "no row";
        return rows.size();
    };
    EXPECT_EQ(editor->properties()[row(u"File")].value, u"res\\logo.bmp");
    EXPECT_EQ(editor->properties()[row(u"Path")].choice, 0);
    editor->set_property(row(u"Path"), {}, 1);
    const std::u16string absolute = (folder / "res" / "logo.bmp").lexically_normal().u16string();
    EXPECT_EQ(bitmap->content_file(), absolute);
    EXPECT_EQ(editor->properties()[row(u"Path")].choice, 1);
    site.undo.undo();
    EXPECT_EQ(bitmap->content_file(), u"res\\logo.bmp");

    editor->set_property(row(u"File"), u"res\\missing.bmp", -1);
    EXPECT_EQ(told, std::vector<std::u16string>{u"File doesn't exist"});
    editor->set_property(row(u"File"), u"res\\other.bmp", -1);
    EXPECT_EQ(bitmap->content_file(), u"res\\other.bmp");
    EXPECT_EQ(*decode_dib(bitmap->dib()), other);
    EXPECT_EQ(site.undo.undo_names().size(), 1u);
    site.undo.undo();
    EXPECT_EQ(bitmap->content_file(), u"res\\logo.bmp");
    EXPECT_EQ(*decode_dib(bitmap->dib()), logo);
}

}  // namespace
}  // namespace tavorin::testing

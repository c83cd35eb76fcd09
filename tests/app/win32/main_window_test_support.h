#pragma once
// What the GUI tests of the main window and its editors share: opening a resource from the tree
// as a double click does, and a fixture with a copy of the bundled sample project open.

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_ids.h"
#include "app/win32/main_window.h"
#include "gui_test_support.h"

namespace tavorin::testing {

// The source tree as Wine sees it: drive Z: is the root of the Linux file system.
inline std::filesystem::path source_folder() {
    std::string path = TAVORIN_SOURCE_DIR;
    if (!path.empty() && path.front() == '/') path = "Z:" + path;
    return std::filesystem::path(path);
}

inline ResourceEditor* double_click_tree_item(MainWindow& window, HTREEITEM item) {
    HWND tree = window.tree().handle();
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    NMHDR click{tree, main_control::tree, static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(window.handle(), WM_NOTIFY, main_control::tree, reinterpret_cast<LPARAM>(&click));
    return window.editors().active_editor();
}

// Opens the first resource whose tree label starts with `name` and a blank; the editor it opened
// in, none when there is no such item (or the resource shows as script text).
inline ResourceEditor* open_in_tree(MainWindow& window, std::u16string_view name) {
    HWND tree = window.tree().handle();
    const std::wstring prefix = std::wstring(name.begin(), name.end()) + L" ";
    for (HTREEITEM branch = next_item(tree, nullptr, TVGN_ROOT); branch; branch = next_item(tree, branch, TVGN_NEXT)) {
        for (HTREEITEM item = next_item(tree, branch, TVGN_CHILD); item; item = next_item(tree, item, TVGN_NEXT)) {
            if (item_text(tree, item).rfind(prefix, 0) == 0) return double_click_tree_item(window, item);
        }
    }
    ADD_FAILURE() << "no tree item for the resource";
    return nullptr;
}

// Opens the resource whose tree item it is, wherever the item stands.
inline ResourceEditor* open_in_tree(MainWindow& window, const Resource& resource) {
    HWND tree = window.tree().handle();
    std::vector<HTREEITEM> items{next_item(tree, nullptr, TVGN_ROOT)};
    while (!items.empty()) {
        HTREEITEM item = items.back();
        items.pop_back();
        if (item == nullptr) continue;
        items.push_back(next_item(tree, item, TVGN_NEXT));
        items.push_back(next_item(tree, item, TVGN_CHILD));
        SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        if (window.tree().selected() == &resource) return double_click_tree_item(window, item);
    }
    return nullptr;
}

// A copy of the sample project, open in a shown main window.
class SampleProjectTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        const auto sample = source_folder() / "examples" / "sample";
        ASSERT_TRUE(std::filesystem::exists(sample / "sample.rc")) << sample.string();
        std::filesystem::copy(sample, folder / "sample", std::filesystem::copy_options::recursive);
        session.config().include_paths = {u"Z:\\usr\\share\\mingw-w64\\include"};
        window.emplace(app);
        ASSERT_TRUE(window->create());
        SetWindowPos(window->handle(), nullptr, 20, 20, 1150, 800, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(window->handle(), SW_SHOWNA);
        open_project(folder / "sample" / "sample.rc");
    }
    void TearDown() override { window.reset(); }

    void open_project(const std::filesystem::path& path) {
        window->open_file(path);
        ASSERT_TRUE(pump_until([this] { return !window->loading(); }, 30000));
        ASSERT_TRUE(window->project_open());
    }
    void command(cmd::Id id) { SendMessageW(window->handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
    ResourceEditor* open(const Resource& resource) { return open_in_tree(*window, resource); }
    // With TAVORIN_KEEP_OUTPUT naming a folder, a saved file is copied there.
    void keep(const char* name) {
        const char* keep_folder = std::getenv("TAVORIN_KEEP_OUTPUT");
        if (keep_folder == nullptr) return;
        std::filesystem::copy_file(folder / "sample" / name, std::filesystem::path(keep_folder) / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }

    std::optional<MainWindow> window;
};

}  // namespace tavorin::testing

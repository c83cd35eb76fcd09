#pragma once
// The frame of the property panel: a caption above a two-column list of the selected object's
// properties. The editable grid arrives with the editors; until then the panel shows what
// identifies the selected resource.

#include "platform/win32/windows_api.h"

#include <string>
#include <utility>
#include <vector>

namespace tavorin {

class PropertyPanel {
public:
    using Rows = std::vector<std::pair<std::u16string, std::u16string>>;

    struct Texts {
        std::u16string caption;  // "Properties"
        std::u16string name_column;
        std::u16string value_column;
    };

    bool create(HWND parent, HINSTANCE instance, HFONT font, const Texts& texts);
    HWND caption() const { return caption_; }
    HWND list() const { return list_; }

    void show(const Rows& rows);
    void set_visible(bool visible);
    void move(int x, int y, int width, int height);

private:
    HWND caption_ = nullptr;  // both destroyed with the parent
    HWND list_ = nullptr;
};

}  // namespace tavorin

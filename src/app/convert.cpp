#include "app/convert.h"

#include "base/file_kind.h"
#include "base/text.h"

namespace tavorin {

namespace {

std::u16string_view kind_name(FileKind kind) {
    switch (kind) {
        case FileKind::script: return u"resource script";
        case FileKind::pe_module: return u"PE module";
        case FileKind::compiled_resources: return u"compiled resource";
        case FileKind::c_source: return u"C/C++ source";
        case FileKind::unsupported: break;
    }
    return u"unsupported";
}

}  // namespace

bool convert_file(Session& session, std::u16string_view input, std::u16string_view output) {
    const FileKind input_kind = file_kind_of(input);
    const FileKind output_kind = file_kind_of(output);
    if (input_kind == FileKind::unsupported || input_kind == FileKind::c_source) {
        session.log().error(std::u16string(input) + u": " + session.text(str::file_type_not_supported));
        return false;
    }
    if (output_kind == FileKind::unsupported) {
        session.log().error(std::u16string(output) + u": " + session.text(str::file_type_not_supported));
        return false;
    }
    session.log().information(fill_placeholders(session.text(str::file_opened), input));
    // The readers of each kind plug in here as they come.
    session.log().error(std::u16string(input) + u": " +
                        fill_placeholders(session.text(str::reading_not_available), kind_name(input_kind)));
    return false;
}

}  // namespace tavorin

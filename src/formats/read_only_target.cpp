#include "formats/read_only_target.h"

#include "services/user_prompts.h"
#include "base/text.h"

namespace tavorin {

Result<ReadOnlyTarget> read_only_permission(UserPrompts& prompts, const std::filesystem::path& path) {
    if (!is_read_only_file(follow_symlinks(path))) return ReadOnlyTarget::refuse;
    const std::u16string question =
        fill_placeholders(u"%1 is read-only.\r\nDo you want to replace it?", display_path(path));
    if (prompts.ask(question, AskButtons::yes_no, AskIcon::warning) == Answer::yes) return ReadOnlyTarget::replace;
    return file_error(path, u"The file is read-only.");
}

}  // namespace tavorin

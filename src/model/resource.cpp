#include "model/resource.h"

#include "base/companion_files.h"

namespace tavorin {

Resource::Resource(ResourceKind kind, std::u16string custom_type_name) {
    identity_.kind = kind;
    identity_.custom_type_name = std::move(custom_type_name);
}

std::u16string Resource::tree_name() const {
    if (identity_.string_name) return u"\"" + identity_.name + u"\"";
    return identity_.name;
}

Status Resource::export_content(const std::filesystem::path& script_folder) {
    FileTransaction transaction;
    CompanionFiles files(transaction, script_folder);
    if (Status exported = export_content(files); !exported) return exported;
    return transaction.commit();
}

}  // namespace tavorin

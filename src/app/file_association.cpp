#include "app/file_association.h"

namespace tavorin {

std::u16string association_command(std::u16string_view executable_path) {
    std::u16string command;
    if (executable_path.find(u' ') != std::u16string_view::npos) {
        command = u"\"" + std::u16string(executable_path) + u"\"";
    } else {
        command = std::u16string(executable_path);
    }
    return command + u" \"%1\"";
}

std::vector<RegistryKeyPlan> association_plan(std::u16string_view executable_path) {
    const std::u16string prog_id(association_prog_id);
    return {
        {u".rc", prog_id},
        {prog_id, std::nullopt},
        {prog_id + u"\\DefaultIcon", std::u16string(executable_path) + u",1"},
        {prog_id + u"\\shell", std::nullopt},
        {prog_id + u"\\shell\\Open", std::nullopt},
        {prog_id + u"\\shell\\Open\\Command", association_command(executable_path)},
    };
}

}  // namespace tavorin

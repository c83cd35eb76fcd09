#include "checks/check_catalog.h"

#include <array>

namespace tavorin {

namespace {

constexpr std::array checks{
    CheckInfo{"TV1001", Severity::warning, "Dialog controls overlap (group boxes and static frames behind others aside)"},
    CheckInfo{"TV1002", Severity::warning, "A dialog control lies outside the dialog's client area"},
    CheckInfo{"TV1003", Severity::warning, "One mnemonic (&x) is used by two controls of a dialog"},
    CheckInfo{"TV1004", Severity::warning, "A radio-button group does not start (or end) with WS_GROUP"},
    CheckInfo{"TV1005", Severity::warning, "Two controls of a dialog have the same id (-1 aside)"},
    CheckInfo{"TV2001", Severity::warning, "A control's text does not fit it at one of the checked DPI scales"},
    CheckInfo{"TV3001", Severity::warning, "One mnemonic (&x) is used by two items of one menu level"},
    CheckInfo{"TV3002", Severity::warning, "A menu item shows a shortcut that no accelerator of its language gives"},
    CheckInfo{"TV3003", Severity::warning, "A menu item shows a shortcut that an accelerator gives to another command"},
    CheckInfo{"TV3101", Severity::error, "One key is given twice in one accelerator table"},
    CheckInfo{"TV4001", Severity::warning, "A resource of the base language is missing in another language"},
    CheckInfo{"TV4002", Severity::warning, "A string of the base language is missing in another language"},
    CheckInfo{"TV4003", Severity::error, "A translation's placeholders (%s, %d, %1, %1!s!, {0}) differ in number or order"},
    CheckInfo{"TV4004", Severity::warning, "A translation has another number of mnemonic ampersands"},
    CheckInfo{"TV4005", Severity::warning, "A translation has or lacks the tab-separated shortcut part"},
    CheckInfo{"TV4006", Severity::warning, "A translation has another number of line breaks (\\n)"},
    CheckInfo{"TV4007", Severity::warning, "A translation differs in leading or trailing blanks"},
    CheckInfo{"TV4008", Severity::warning, "A translation differs in a trailing ':' or '...'"},
    CheckInfo{"TV4009", Severity::warning, "A translated dialog's controls, ids, styles or font differ from the base"},
    CheckInfo{"TV5001", Severity::warning, "FILEVERSION or PRODUCTVERSION disagrees with the FileVersion or ProductVersion string"},
    CheckInfo{"TV5002", Severity::warning, "The version translation list and the string blocks disagree"},
    CheckInfo{"TV6001", Severity::warning, "One identifier is defined with two values in the project's headers"},
};

bool same_id(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

std::string_view severity_name(Severity severity) {
    switch (severity) {
        case Severity::note: return "note";
        case Severity::warning: return "warning";
        case Severity::error: return "error";
    }
    return "warning";
}

std::span<const CheckInfo> all_checks() { return checks; }

const CheckInfo* find_check(std::string_view id) {
    for (const CheckInfo& check : checks) {
        if (same_id(check.id, id)) return &check;
    }
    return nullptr;
}

}  // namespace tavorin

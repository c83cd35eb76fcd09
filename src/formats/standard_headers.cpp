#include "formats/standard_headers.h"

#include <algorithm>
#include <array>

#include "model/symbol_table.h"

namespace tavorin {
namespace {

constexpr std::u16string_view windows_h = u"<windows.h>";
constexpr std::u16string_view commctrl_h = u"<commctrl.h>";
constexpr std::u16string_view richedit_h = u"<richedit.h>";

// The rich edit control's own edit styles; the other ES_ names are the edit control's.
constexpr std::array<std::u16string_view, 11> rich_edit_names{
    u"RICHEDIT_CLASS", u"MSFTEDIT_CLASS", u"ES_SAVESEL",   u"ES_SUNKEN", u"ES_DISABLENOSCROLL", u"ES_SELECTIONBAR",
    u"ES_NOOLEDRAGDROP", u"ES_EX_NOCALLOLEINIT", u"ES_VERTICAL", u"ES_NOIME", u"ES_SELFIME"};
constexpr std::array<std::u16string_view, 11> common_control_classes{
    u"TRACKBAR_CLASS", u"UPDOWN_CLASS",     u"PROGRESS_CLASS",   u"HOTKEY_CLASS",  u"ANIMATE_CLASS",  u"DATETIMEPICK_CLASS",
    u"MONTHCAL_CLASS", u"REBARCLASSNAME", u"STATUSCLASSNAME", u"TOOLBARCLASSNAME", u"TOOLTIPS_CLASS"};
constexpr std::array<std::u16string_view, 17> common_control_prefixes{
    u"WC_",  u"LVS_", u"TVS_", u"TCS_",   u"TBS_",     u"UDS_", u"PBS_", u"ACS_", u"DTS_",
    u"MCS_", u"RBS_", u"CCS_", u"HDS_", u"SBARS_", u"TBSTYLE_", u"TTS_", u"BTNS_"};
constexpr std::array<std::u16string_view, 20> windows_prefixes{
    u"WS_",  u"DS_",  u"BS_", u"ES_",   u"SS_",    u"LBS_",  u"CBS_",  u"SBS_", u"VK_",   u"MFT_",
    u"MFS_", u"VS_", u"VOS_", u"VFT_", u"VFT2_", u"LANG_", u"SUBLANG_", u"RT_", u"SORT_", u"OBM_"};
constexpr std::array<std::u16string_view, 11> dialog_box_commands{
    u"IDOK", u"IDCANCEL", u"IDABORT", u"IDRETRY", u"IDIGNORE", u"IDYES", u"IDNO", u"IDCLOSE", u"IDHELP",
    u"IDTRYAGAIN", u"IDCONTINUE"};

template <std::size_t N>
bool listed(const std::array<std::u16string_view, N>& names, std::u16string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

template <std::size_t N>
bool has_listed_prefix(const std::array<std::u16string_view, N>& prefixes, std::u16string_view name) {
    return std::any_of(prefixes.begin(), prefixes.end(), [&](std::u16string_view prefix) { return name.starts_with(prefix); });
}

bool starts_name(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_'; }
bool continues_name(char16_t c) { return starts_name(c) || (c >= u'0' && c <= u'9'); }

}  // namespace

std::u16string_view standard_header_of(std::u16string_view name) {
    if (listed(rich_edit_names, name)) return richedit_h;
    if (listed(common_control_classes, name) || has_listed_prefix(common_control_prefixes, name)) return commctrl_h;
    if (listed(dialog_box_commands, name) || has_listed_prefix(windows_prefixes, name)) return windows_h;
    return {};
}

void add_needed_headers(std::u16string_view statement, const std::vector<std::u16string>& defined,
                        const SymbolTable& symbols, std::set<std::u16string>& needed) {
    const auto known = [&](std::u16string_view name) {
        if (std::binary_search(defined.begin(), defined.end(), name)) return true;
        const Symbol* symbol = symbols.find(name);
        return symbol != nullptr && !symbol->system;
    };
    std::size_t i = 0;
    while (i < statement.size()) {
        const char16_t c = statement[i];
        if (c == u'"') {
            // A doubled quote stays inside the string.
            for (++i; i < statement.size(); ++i) {
                if (statement[i] != u'"') continue;
                if (i + 1 < statement.size() && statement[i + 1] == u'"') {
                    ++i;
                    continue;
                }
                break;
            }
            ++i;
        } else if (statement.substr(i, 2) == u"//") {
            i = std::min(statement.find(u'\n', i), statement.size());
        } else if (statement.substr(i, 2) == u"/*") {
            const std::size_t end = statement.find(u"*/", i + 2);
            i = end == std::u16string_view::npos ? statement.size() : end + 2;
        } else if (continues_name(c)) {
            const std::size_t begin = i;
            while (i < statement.size() && continues_name(statement[i])) ++i;
            if (!starts_name(c)) continue;
            const std::u16string_view name = statement.substr(begin, i - begin);
            const std::u16string_view header = standard_header_of(name);
            if (header.empty() || known(name) || std::binary_search(defined.begin(), defined.end(), header)) continue;
            needed.emplace(header);
        } else {
            ++i;
        }
    }
}

}  // namespace tavorin

#include "dialog/control_catalog.h"

namespace tavorin {

namespace {

CatalogEntry make(std::u16string_view display, std::u16string_view id, std::u16string_view text, int width,
                  int height, ControlKind kind) {
    return CatalogEntry{std::u16string(display), std::u16string(id), std::u16string(text), width, height, kind, false};
}

std::array<CatalogEntry, control_kind_count> built_in_entries() {
    using K = ControlKind;
    return {
        make(u"Button", u"IDC_BUTTON", u"Button", 50, 14, K::button),
        make(u"CheckBox", u"IDC_CHECKBOX", u"Check", 48, 8, K::check_box),
        make(u"Edit Control", u"IDC_EDIT", u"", 40, 14, K::edit),
        make(u"ComboBox", u"IDC_COMBO", u"", 48, 30, K::combo_box),
        make(u"ListBox", u"IDC_LIST", u"", 48, 40, K::list_box),
        make(u"Group Box", u"IDC_STATIC", u"Static", 48, 40, K::group_box),
        make(u"Radio Button", u"IDC_RADIO", u"Radio", 20, 8, K::radio_button),
        make(u"Static Text", u"IDC_STATIC", u"Static", 20, 20, K::static_text),
        make(u"Picture Control", u"IDC_STATIC", u"", 20, 20, K::picture),
        make(u"Scroll Bar", u"IDC_SCROLLBAR", u"", 11, 40, K::scroll_bar),
        make(u"Slider Control", u"IDC_SLIDER", u"", 100, 15, K::slider),
        make(u"Spin Control", u"IDC_SPIN", u"", 11, 14, K::spin),
        make(u"Progress Bar", u"IDC_PROGRESS", u"", 80, 14, K::progress),
        make(u"Hot Key", u"IDC_HOTKEY", u"", 80, 14, K::hot_key),
        make(u"ListView Control", u"IDC_LIST", u"", 60, 50, K::list_view),
        make(u"TreeView Control", u"IDC_TREE", u"", 60, 50, K::tree_view),
        make(u"Tab Control", u"IDC_TAB", u"", 50, 30, K::tab),
        // The animation's identifier has the dialog prefix.
        make(u"Animation", u"IDD_ANIMATION", u"", 20, 20, K::animation),
        make(u"Rich Edit 2", u"IDC_RICHEDIT", u"Rich Edit", 40, 14, K::rich_edit),
        make(u"Date Time Picker", u"IDC_DATETIMEPICKER", u"", 100, 15, K::date_time_picker),
        make(u"Month Calendar", u"IDC_MONTHCALENDAR", u"", 140, 100, K::month_calendar),
        make(u"IP Address Control", u"IDC_IPADDRESS", u"", 100, 15, K::ip_address),
        make(u"Rebar Control", u"IDC_REBAR", u"", 20, 20, K::rebar),
        make(u"Custom Control", u"IDC_CUSTOM", u"", 20, 20, K::custom),
    };
}

const std::array<CatalogEntry, control_kind_count>& built_in() {
    static const std::array<CatalogEntry, control_kind_count> entries = built_in_entries();
    return entries;
}

}  // namespace

const CatalogEntry& default_catalog_entry(ControlKind kind) {
    return built_in().at(static_cast<std::size_t>(kind_number(kind) - 1));
}

ControlCatalog::ControlCatalog() : entries_(built_in()) {}

const CatalogEntry& ControlCatalog::entry(ControlKind kind) const {
    return entries_.at(static_cast<std::size_t>(kind_number(kind) - 1));
}

CatalogEntry& ControlCatalog::entry(ControlKind kind) {
    return entries_.at(static_cast<std::size_t>(kind_number(kind) - 1));
}

const CatalogEntry* ControlCatalog::find(std::u16string_view display_name) const {
    for (const CatalogEntry& entry : entries_) {
        if (entry.display_name == display_name) return &entry;
    }
    return nullptr;
}

void ControlCatalog::reset() { entries_ = built_in(); }

}  // namespace tavorin

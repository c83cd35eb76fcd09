#include "app/shortcut_map.h"

#include <array>

namespace tavorin {

namespace {

using namespace modifier;

constexpr ShortcutKey letter(char c) { return static_cast<ShortcutKey>(c); }

constexpr std::array<Shortcut, 19> shortcuts{{
    {ctrl | letter('A'), cmd::select_all},
    {ctrl | letter('C'), cmd::copy},
    {ctrl | vk::insert, cmd::copy},
    {ctrl | letter('N'), cmd::new_project},
    {ctrl | letter('O'), cmd::open_project},
    {shift | vk::insert, cmd::paste},
    {ctrl | letter('V'), cmd::paste},
    {ctrl | letter('X'), cmd::cut},
    {shift | vk::del, cmd::delete_selection},
    {ctrl | letter('D'), cmd::add_dialog},
    {ctrl | letter('M'), cmd::add_menu},
    {ctrl | letter('E'), cmd::c_code},
    {ctrl | letter('Q'), cmd::quit},
    {ctrl | letter('Z'), cmd::undo},
    {ctrl | letter('Y'), cmd::redo},
    {ctrl | letter('S'), cmd::save},
    {ctrl | letter('P'), cmd::preferences},
    {vk::f1, cmd::help},
    {vk::f5, cmd::test_dialog},
}};

}  // namespace

ShortcutKey shortcut_key(bool ctrl_down, bool alt_down, bool shift_down, ShortcutKey virtual_key) {
    return (ctrl_down ? ctrl : 0) | (alt_down ? alt : 0) | (shift_down ? shift : 0) | virtual_key;
}

std::span<const Shortcut> shortcut_map() { return shortcuts; }

std::optional<cmd::Id> find_shortcut(ShortcutKey key) {
    for (const auto& shortcut : shortcuts) {
        if (shortcut.key == key) return shortcut.command;
    }
    return std::nullopt;
}

}  // namespace tavorin

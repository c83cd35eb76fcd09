#pragma once
// The identifiers of the project: names with 32-bit values and their users. Resource names,
// control ids and item ids (menu commands, accelerator commands, string ids, toolbar buttons)
// all live here; the header writer writes them, and every identifier typed by the user goes
// through the table, which chooses values, refuses duplicates and drops an identifier when its
// last user is gone.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/flat_text_map.h"
#include "base/result.h"
#include "model/resource_kind.h"
#include "model/symbol.h"

namespace tavorin {

class Resource;
class UiStrings;

// The counters a project header may keep for the next new identifiers
// (_APS_NEXT_RESOURCE_VALUE, _APS_NEXT_COMMAND_VALUE, _APS_NEXT_CONTROL_VALUE,
// _APS_NEXT_SYMED_VALUE): known only when the header defines them.
struct NextValues {
    std::optional<std::int32_t> resource;
    std::optional<std::int32_t> command;
    std::optional<std::int32_t> control;
    std::optional<std::int32_t> symbol;
};

class SymbolTable {
public:
    static constexpr std::int32_t first_resource_value = 100;
    static constexpr std::int32_t first_control_value = 1000;
    static constexpr std::int32_t first_command_value = 40000;
    // The value of IDC_STATIC, shared freely by any number of controls.
    static constexpr std::int32_t static_value = -1;

    // The strings give the refusal messages their (translated) texts.
    explicit SymbolTable(const UiStrings& strings);
    SymbolTable(const SymbolTable&) = delete;
    SymbolTable& operator=(const SymbolTable&) = delete;

    // Empties the table and seeds it: RC_INVOKED and IDC_STATIC at -1 (both system symbols), next
    // free values 100 for resources, 1000 for controls. Done before every script reading and when
    // a project is closed.
    void reset();

    // Tells whether a name is a macro defined by a header found through the include paths; the
    // preprocessor installs it. Without it no new symbol is a system symbol.
    void set_system_name_lookup(std::function<bool(std::u16string_view)> lookup);

    const Symbol* find(std::u16string_view name) const;
    // The symbol that first took the value.
    const Symbol* find_by_value(std::int32_t value) const;
    bool has_symbol(std::u16string_view name) const { return find(name) != nullptr; }
    bool is_string_name(std::u16string_view name) const;
    // 0 for a name not in the table.
    std::int32_t value_of(std::u16string_view name) const;
    // Every symbol, in name order (case-sensitive, code unit by code unit).
    using Entry = std::pair<const std::u16string&, const Symbol&>;
    std::vector<Entry> symbols() const;

    // Registers a resource's name for a resource of `kind` in `language`. Returns the name as
    // stored (a numeric name whose value had to change becomes the decimal text of its new value),
    // or nothing when a resource of the same kind and language already carries the name (or
    // another name with the same value).
    std::optional<std::u16string> register_resource_name(std::u16string_view name, ResourceKind kind,
                                                         bool string_name, std::optional<std::int32_t> wanted_value,
                                                         std::uint16_t language);
    void release_resource_name(std::u16string_view name, ResourceKind kind, std::uint16_t language);
    // Records a quoted resource name that something refers to before (or without) a resource
    // carrying it, such as an icon a dialog control shows. No resource use is recorded, so the
    // resource statement that follows takes the name without a clash. Nothing happens for a name
    // already in the table.
    void note_string_name(std::u16string_view name);

    // A free name for a new resource: the base without its trailing digits, followed by the first
    // of 1, 2, 3 ... not in the table, registered with a new value (or the wanted one when no
    // resource of the same kind and language uses it). "IDD_DIALOG" gives IDD_DIALOG1 in a fresh
    // table.
    std::u16string new_resource_name(std::u16string_view base, ResourceKind kind, std::uint16_t language,
                                     std::optional<std::int32_t> wanted_value = std::nullopt);
    // The base without its trailing digits followed by the first number that makes a name not in
    // the table; nothing is registered.
    std::u16string free_name(std::u16string_view base) const;

    // Registers a control id for a control of `dialog` and returns its value. A symbol valued -1
    // (IDC_STATIC) is shared freely; a symbol already used by another control of the same dialog is
    // refused with "This ID is already used by another control of this dialog resource.". A new
    // name takes the wanted value, its own number, or the first value from the next free control
    // value (or the header's counter) upward that no symbol or header holds.
    Result<std::int32_t> register_control_id(std::u16string_view name, const Resource& dialog,
                                             std::optional<std::int32_t> wanted_value = std::nullopt);
    void release_control_id(std::u16string_view name, const Resource& dialog);

    // Registers an item id for an item of `owner` and returns its value. A name in the table keeps
    // its value; a new name takes its own number, the given value, or the first value from 40000
    // (or the header's counter) upward that no symbol or header holds.
    std::int32_t register_item_id(std::u16string_view name, const Resource& owner,
                                  std::optional<std::int32_t> value = std::nullopt);
    void release_item_id(std::u16string_view name, const Resource& owner);

    // A value the project's headers give a name the project does not use: no new identifier
    // takes it. Forgotten at the next reset.
    void reserve_header_value(std::int32_t value) { header_values_.insert(value); }
    // Whether a symbol or a header holds the value; new identifiers take only free values.
    bool value_taken(std::int32_t value) const { return by_value_.contains(value) || header_values_.contains(value); }
    // The header's counters: new identifiers continue from them, and taking a value advances
    // the counter of its kind past it.
    const NextValues& next_values() const { return next_values_; }
    void set_next_values(const NextValues& values) { next_values_ = values; }

    std::int32_t next_free_resource_value() const { return next_resource_value_; }
    std::int32_t next_free_control_value() const { return next_control_value_; }
    // The largest value any item id has had since the last reset (at least 40000 - 1).
    std::int32_t largest_command_value() const { return largest_command_value_; }
    void raise_largest_command_value(std::int32_t value);

private:
    Symbol* find_mutable(std::u16string_view name);
    Symbol* owner_of_value(std::int32_t value);
    Symbol& store(Symbol symbol);
    bool is_system_name(std::u16string_view name) const;
    bool dialog_uses_value(const Resource& dialog, std::int32_t value) const;
    bool owner_uses_value(const Resource& owner, std::int32_t value) const;
    void add_control_use(Symbol& symbol, const Resource& dialog);
    void drop_if_unused(std::u16string_view name);
    void drop(std::u16string_view name);

    // Whether any symbol with the value (not a string name) passes the test.
    template <typename Test>
    bool any_with_value(std::int32_t value, Test test) const;

    const UiStrings& strings_;
    std::function<bool(std::u16string_view)> system_name_lookup_;
    FlatTextMap<Symbol> by_name_;
    // Map nodes do not move (not even when the hash table grows), so the pointers stay valid
    // until their symbol is erased. Each value with symbols (not string names) has its owner
    // here, and the other symbols sharing it, if any, in sharers_.
    std::unordered_map<std::int32_t, Symbol*> by_value_;
    std::unordered_map<std::int32_t, std::vector<Symbol*>> sharers_;
    // How many symbols of each value have control uses: the largest one decides where new
    // controls continue.
    std::map<std::int32_t, int> control_values_;
    std::int32_t next_resource_value_ = first_resource_value;
    std::int32_t next_control_value_ = first_control_value;
    std::int32_t largest_command_value_ = first_command_value - 1;
    std::unordered_set<std::int32_t> header_values_;
    NextValues next_values_;
};

// The number at the start of an identifier: decimal, or hexadecimal after "0x", with an optional
// leading "-". Nothing when the text does not start with a number.
std::optional<std::int64_t> leading_number(std::u16string_view text);

}  // namespace tavorin

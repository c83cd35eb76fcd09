#include "model/symbol_table.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "services/string_ids.h"
#include "services/ui_strings.h"
#include "base/text.h"

namespace tavorin {

namespace {

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

int hex_digit_value(char16_t c) {
    if (is_digit(c)) return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// The number a name starting with a digit stands for, cut to 16 bits like the ordinal it becomes.
std::optional<std::int32_t> numeric_name_value(std::u16string_view name) {
    if (name.empty() || !is_digit(name[0])) return std::nullopt;
    const auto number = leading_number(name);
    if (!number) return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint16_t>(*number));
}

bool starts_numerically(std::u16string_view name) {
    return !name.empty() && (is_digit(name[0]) || name[0] == u'-');
}

std::optional<std::int32_t> signed_name_value(std::u16string_view name) {
    if (!starts_numerically(name)) return std::nullopt;
    const auto number = leading_number(name);
    if (!number) return std::nullopt;
    return static_cast<std::int32_t>(*number);
}

// The header's counter of a kind moves past a value that kind took.
void advance(std::optional<std::int32_t>& counter, std::int32_t taken) {
    if (counter && taken >= *counter && taken < std::numeric_limits<std::int32_t>::max()) *counter = taken + 1;
}

// The header's counter where it has one (MFC's headers count commands from 32771), else the seed.
std::int32_t start_from(std::int32_t seed, const std::optional<std::int32_t>& counter) {
    return counter ? *counter : seed;
}

}  // namespace

std::optional<std::int64_t> leading_number(std::u16string_view text) {
    bool negative = false;
    if (!text.empty() && text[0] == u'-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty() || !is_digit(text[0])) return std::nullopt;
    std::int64_t value = 0;
    constexpr std::int64_t limit = std::int64_t{1} << 40;  // far beyond any 32-bit value; stops overflow
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X') && hex_digit_value(text[2]) >= 0) {
        for (std::size_t i = 2; i < text.size() && hex_digit_value(text[i]) >= 0; ++i) {
            if (value < limit) value = value * 16 + hex_digit_value(text[i]);
        }
    } else {
        for (std::size_t i = 0; i < text.size() && is_digit(text[i]); ++i) {
            if (value < limit) value = value * 10 + (text[i] - u'0');
        }
    }
    return negative ? -value : value;
}

SymbolTable::SymbolTable(const UiStrings& strings) : strings_(strings) { reset(); }

void SymbolTable::reset() {
    sharers_.clear();
    control_values_.clear();
    by_value_.clear();
    by_name_.clear();
    next_resource_value_ = first_resource_value;
    next_control_value_ = first_control_value;
    largest_command_value_ = first_command_value - 1;
    header_values_.clear();
    next_values_ = {};
    for (const char16_t* seed : {u"RC_INVOKED", u"IDC_STATIC"}) {
        Symbol symbol;
        symbol.name = seed;
        symbol.value = static_value;
        symbol.system = true;
        store(std::move(symbol));
    }
}

void SymbolTable::set_system_name_lookup(std::function<bool(std::u16string_view)> lookup) {
    system_name_lookup_ = std::move(lookup);
}

std::vector<SymbolTable::Entry> SymbolTable::symbols() const {
    std::vector<const std::pair<const std::u16string, Symbol>*> sorted;
    sorted.reserve(by_name_.size());
    for (const auto& entry : by_name_) sorted.push_back(&entry);
    std::sort(sorted.begin(), sorted.end(), [](const auto* a, const auto* b) { return a->first < b->first; });
    std::vector<Entry> entries;
    entries.reserve(sorted.size());
    for (const auto* entry : sorted) entries.emplace_back(entry->first, entry->second);
    return entries;
}

const Symbol* SymbolTable::find(std::u16string_view name) const {
    const auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : &it->second;
}

Symbol* SymbolTable::find_mutable(std::u16string_view name) {
    const auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : &it->second;
}

const Symbol* SymbolTable::find_by_value(std::int32_t value) const {
    const auto it = by_value_.find(value);
    return it == by_value_.end() ? nullptr : it->second;
}

Symbol* SymbolTable::owner_of_value(std::int32_t value) {
    const auto it = by_value_.find(value);
    return it == by_value_.end() ? nullptr : it->second;
}

bool SymbolTable::is_string_name(std::u16string_view name) const {
    const Symbol* symbol = find(name);
    return symbol != nullptr && symbol->string_name;
}

std::int32_t SymbolTable::value_of(std::u16string_view name) const {
    const Symbol* symbol = find(name);
    return symbol == nullptr ? 0 : symbol->value;
}

bool SymbolTable::is_system_name(std::u16string_view name) const {
    return system_name_lookup_ && system_name_lookup_(name);
}

// Stores a symbol under a name not yet in the table and, unless it is a string name, under its
// value (as the value's owner when it has none yet).
Symbol& SymbolTable::store(Symbol symbol) {
    std::u16string key = symbol.name;
    const auto it = by_name_.try_emplace(std::move(key), std::move(symbol)).first;
    Symbol& stored = it->second;
    if (!stored.string_name && !by_value_.try_emplace(stored.value, &stored).second) {
        sharers_[stored.value].push_back(&stored);
    }
    if (!stored.control_uses.empty()) ++control_values_[stored.value];
    return stored;
}

template <typename Test>
bool SymbolTable::any_with_value(std::int32_t value, Test test) const {
    const auto owner = by_value_.find(value);
    if (owner == by_value_.end()) return false;
    if (test(*owner->second)) return true;
    const auto others = sharers_.find(value);
    return others != sharers_.end() &&
           std::any_of(others->second.begin(), others->second.end(), [&](const Symbol* symbol) { return test(*symbol); });
}

void SymbolTable::add_control_use(Symbol& symbol, const Resource& dialog) {
    if (symbol.control_uses.empty()) ++control_values_[symbol.value];
    symbol.control_uses.add(&dialog);
}

void SymbolTable::note_string_name(std::u16string_view name) {
    if (has_symbol(name)) return;
    Symbol symbol;
    symbol.name = name;
    symbol.system = is_system_name(name);
    symbol.string_name = true;
    store(std::move(symbol));
}

std::optional<std::u16string> SymbolTable::register_resource_name(std::u16string_view name, ResourceKind kind,
                                                                  bool string_name,
                                                                  std::optional<std::int32_t> wanted_value,
                                                                  std::uint16_t language) {
    if (Symbol* existing = find_mutable(name)) {
        // Uses are kept on the symbol that owns the value, so two names for one ordinal clash.
        // A string name has no value of its own (its 0 may belong to an unrelated symbol).
        Symbol* target = existing->string_name ? nullptr : owner_of_value(existing->value);
        if (target == nullptr) {
            if (!existing->string_name) return std::nullopt;
            target = existing;
        }
        if (target->has_resource_use(kind, language)) return std::nullopt;
        target->resource_uses[kind].insert(language);
        return existing->name;
    }

    Symbol symbol;
    symbol.name = name;
    symbol.system = is_system_name(name);
    symbol.string_name = string_name;

    if (string_name) {
        symbol.resource_uses[kind].insert(language);
        return store(std::move(symbol)).name;
    }

    if (const auto own_number = numeric_name_value(name)) wanted_value = own_number;
    if (wanted_value) {
        if (Symbol* owner = owner_of_value(*wanted_value)) {
            if (owner->has_resource_use(kind, language)) {
                wanted_value.reset();
            } else {
                owner->resource_uses[kind].insert(language);
                symbol.value = *wanted_value;
                return store(std::move(symbol)).name;
            }
        }
    }

    std::int32_t value = 0;
    if (wanted_value) {
        value = *wanted_value;
    } else {
        const bool numeric = starts_numerically(name);
        const auto own = signed_name_value(name);
        next_resource_value_ = start_from(next_resource_value_, next_values_.resource);
        std::int32_t candidate = own ? *own : next_resource_value_;
        for (;;) {
            ++next_resource_value_;
            // A numeric name is renamed to its value, so that text must be free as well.
            const bool taken = value_taken(candidate) || (numeric && by_name_.contains(decimal(candidate)));
            if (!taken) break;
            candidate = next_resource_value_;
        }
        value = candidate;
        if (numeric) symbol.name = decimal(value);
        advance(next_values_.resource, value);
    }

    symbol.value = value;
    symbol.resource_uses[kind].insert(language);
    if (value > next_resource_value_ && value < first_control_value) next_resource_value_ = value + 1;
    return store(std::move(symbol)).name;
}

void SymbolTable::release_resource_name(std::u16string_view name, ResourceKind kind, std::uint16_t language) {
    Symbol* existing = find_mutable(name);
    if (existing == nullptr) return;
    Symbol* target = existing->string_name ? nullptr : owner_of_value(existing->value);
    if (target == nullptr) target = existing;

    const auto uses = target->resource_uses.find(kind);
    if (uses != target->resource_uses.end()) {
        uses->second.erase(language);
        if (uses->second.empty()) target->resource_uses.erase(uses);
    }
    const std::u16string target_name = target->name;
    const std::u16string own_name = existing->name;
    drop_if_unused(target_name);
    if (own_name != target_name) drop_if_unused(own_name);
}

std::u16string SymbolTable::free_name(std::u16string_view base) const {
    while (!base.empty() && is_digit(base.back())) base.remove_suffix(1);
    for (std::int64_t number = 1;; ++number) {
        std::u16string candidate = std::u16string(base) + decimal(number);
        if (!has_symbol(candidate)) return candidate;
    }
}

std::u16string SymbolTable::new_resource_name(std::u16string_view base, ResourceKind kind, std::uint16_t language,
                                              std::optional<std::int32_t> wanted_value) {
    // A name not yet in the table always registers (a taken value only makes it choose another).
    return *register_resource_name(free_name(base), kind, false, wanted_value, language);
}

bool SymbolTable::dialog_uses_value(const Resource& dialog, std::int32_t value) const {
    return any_with_value(value, [&](const Symbol& symbol) { return symbol.control_uses.contains(&dialog); });
}

bool SymbolTable::owner_uses_value(const Resource& owner, std::int32_t value) const {
    return any_with_value(value, [&](const Symbol& symbol) { return symbol.item_uses.contains(&owner); });
}

Result<std::int32_t> SymbolTable::register_control_id(std::u16string_view name, const Resource& dialog,
                                                      std::optional<std::int32_t> wanted_value) {
    if (Symbol* existing = find_mutable(name)) {
        // Any number of controls share the static id; it is not counted and never dropped.
        if (existing->value == static_value) return static_value;
        if (existing->control_uses.contains(&dialog)) return Error{strings_.text(str::control_id_already_used)};
        add_control_use(*existing, dialog);
        return existing->value;
    }

    Symbol symbol;
    symbol.name = name;
    symbol.system = is_system_name(name);
    if (const auto own = signed_name_value(name)) wanted_value = own;
    if (wanted_value) {
        symbol.value = *wanted_value;
    } else {
        // A value of no other symbol either: the id must name this control alone.
        std::int32_t value = start_from(next_control_value_, next_values_.control);
        while (value_taken(value) || dialog_uses_value(dialog, value)) ++value;
        next_control_value_ = value + 1;
        advance(next_values_.control, value);
        symbol.value = value;
    }
    if (symbol.value != static_value) symbol.control_uses.add(&dialog);
    return store(std::move(symbol)).value;
}

void SymbolTable::release_control_id(std::u16string_view name, const Resource& dialog) {
    Symbol* existing = find_mutable(name);
    if (existing == nullptr || existing->value == static_value) return;
    if (!existing->control_uses.remove(&dialog, true)) return;
    if (existing->control_uses.empty()) {
        const auto count = control_values_.find(existing->value);
        if (count != control_values_.end() && --count->second == 0) control_values_.erase(count);
    }
    if (!existing->unused() || existing->system) return;

    drop(existing->name);
    // Give the freed values back: new controls continue after the largest control id left.
    // (Only control ids count: command ids from 40000 up would push new controls into the
    // command range.)
    next_control_value_ =
        control_values_.empty() ? first_control_value : std::max(first_control_value, control_values_.rbegin()->first);
}

std::int32_t SymbolTable::register_item_id(std::u16string_view name, const Resource& owner,
                                           std::optional<std::int32_t> value) {
    if (Symbol* existing = find_mutable(name)) {
        existing->item_uses.add(&owner);
        raise_largest_command_value(existing->value);
        return existing->value;
    }

    Symbol symbol;
    symbol.name = name;
    symbol.system = is_system_name(name);
    if (const auto own = signed_name_value(name)) value = own;
    if (!value) {
        // A value no symbol or header holds: a command or string must not answer to another
        // identifier's number.
        std::int32_t candidate = start_from(first_command_value, next_values_.command);
        while (value_taken(candidate) || owner_uses_value(owner, candidate)) ++candidate;
        value = candidate;
        advance(next_values_.command, candidate);
    }
    symbol.value = *value;
    symbol.item_uses.add(&owner);
    raise_largest_command_value(symbol.value);
    return store(std::move(symbol)).value;
}

void SymbolTable::release_item_id(std::u16string_view name, const Resource& owner) {
    Symbol* existing = find_mutable(name);
    if (existing == nullptr) return;
    if (!existing->item_uses.remove(&owner)) return;
    drop_if_unused(existing->name);
}

void SymbolTable::raise_largest_command_value(std::int32_t value) {
    largest_command_value_ = std::max(largest_command_value_, value);
}

void SymbolTable::drop_if_unused(std::u16string_view name) {
    const Symbol* symbol = find(name);
    if (symbol == nullptr || symbol->system || !symbol->unused()) return;
    // A name sharing the value of a symbol still in use stays: that symbol holds its uses.
    if (!symbol->string_name) {
        const Symbol* owner = find_by_value(symbol->value);
        if (owner != nullptr && owner != symbol && !owner->unused()) return;
    }
    drop(name);
}

// Erases a symbol. When it owned its value, the names that only shared that value go with it;
// names with uses of their own keep the value, and the first of them by name becomes its owner.
void SymbolTable::drop(std::u16string_view name) {
    const auto it = by_name_.find(name);
    if (it == by_name_.end()) return;
    Symbol* const dropped = &it->second;
    const std::int32_t value = dropped->value;
    const bool valued = !dropped->string_name;
    const bool owned_value = valued && find_by_value(value) == dropped;
    if (!dropped->control_uses.empty()) {
        const auto count = control_values_.find(value);
        if (count != control_values_.end() && --count->second == 0) control_values_.erase(count);
    }
    const auto others = sharers_.find(value);
    if (valued && !owned_value) {
        if (others != sharers_.end()) {
            std::erase(others->second, dropped);
            if (others->second.empty()) sharers_.erase(others);
        }
        by_name_.erase(it);
        return;
    }
    by_name_.erase(it);
    if (!owned_value) return;

    by_value_.erase(value);
    if (others == sharers_.end()) return;
    std::vector<Symbol*> staying;
    std::vector<std::u16string_view> followers;
    for (Symbol* symbol : others->second) {
        if (symbol->unused() && !symbol->system) {
            followers.push_back(symbol->name);
        } else {
            staying.push_back(symbol);
        }
    }
    sharers_.erase(others);
    if (!staying.empty()) {
        const auto first = std::min_element(staying.begin(), staying.end(),
                                            [](const Symbol* a, const Symbol* b) { return a->name < b->name; });
        by_value_.emplace(value, *first);
        staying.erase(first);
        if (!staying.empty()) sharers_.emplace(value, std::move(staying));
    }
    // The views point into the names of the symbols they erase.
    for (const auto follower : followers) by_name_.erase(by_name_.find(follower));
}

}  // namespace tavorin

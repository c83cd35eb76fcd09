// The symbol table alone, as reading a large project fills it: the string ids of one table,
// control ids that every dialog uses again, and command ids that every menu uses again, each with
// the value the script gives it; then each name looked up once and the table emptied. The
// argument is the number of dialogs; ten times as many should take ten times as long.
// Figures worth quoting come from the Release tree (scripts/build release).

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "base/text.h"
#include "model/resource.h"
#include "model/symbol_table.h"
#include "services/ui_strings.h"

namespace tavorin::bench {
namespace {

constexpr int controls_per_dialog = 30;
constexpr int strings_per_dialog = 10;
constexpr int commands_per_menu = 10;

// A resource that only owns identifiers.
class Owner : public Resource {
public:
    explicit Owner(ResourceKind kind) : Resource(kind) {}
    Status serialize(BinaryBuffer&) const override { return success(); }
    void write_script_text(TextWriter&, const Workspace&) const override {}
};

std::vector<std::u16string> names(std::u16string_view prefix, int count) {
    std::vector<std::u16string> out;
    for (int i = 0; i < count; ++i) out.push_back(std::u16string(prefix) + decimal(i));
    return out;
}

void BM_SymbolTableFillAndEmpty(benchmark::State& state) {
    const auto dialog_count = static_cast<int>(state.range(0));
    const int menu_count = dialog_count / 10 + 1;
    std::vector<std::unique_ptr<Owner>> dialogs;
    std::vector<std::unique_ptr<Owner>> menus;
    for (int i = 0; i < dialog_count; ++i) dialogs.push_back(std::make_unique<Owner>(kind::dialog));
    for (int i = 0; i < menu_count; ++i) menus.push_back(std::make_unique<Owner>(kind::menu));
    const Owner strings_owner(kind::string_table);
    const auto control_names = names(u"IDC_CONTROL", controls_per_dialog);
    const auto string_names = names(u"IDS_TEXT", dialog_count * strings_per_dialog);
    const auto command_names = names(u"ID_COMMAND", commands_per_menu);

    UiStrings strings;
    SymbolTable table(strings);
    std::int64_t found = 0;
    for (auto _ : state) {
        for (const auto& dialog : dialogs) {
            for (int i = 0; i < controls_per_dialog; ++i) {
                benchmark::DoNotOptimize(table.register_control_id(control_names[i], *dialog, 1000 + i));
            }
        }
        for (int i = 0; i < static_cast<int>(string_names.size()); ++i) {
            benchmark::DoNotOptimize(table.register_item_id(string_names[i], strings_owner, i + 1));
        }
        for (const auto& menu : menus) {
            for (int i = 0; i < commands_per_menu; ++i) {
                benchmark::DoNotOptimize(table.register_item_id(command_names[i], *menu, 40000 + i));
            }
        }
        for (const auto* list : {&control_names, &string_names, &command_names}) {
            for (const auto& name : *list) found += table.value_of(name) != 0 ? 1 : 0;
        }
        table.reset();
    }
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(state.iterations() * (dialog_count * (controls_per_dialog + strings_per_dialog) +
                                                  menu_count * commands_per_menu));
}
BENCHMARK(BM_SymbolTableFillAndEmpty)->Arg(260)->Arg(2600)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavorin::bench

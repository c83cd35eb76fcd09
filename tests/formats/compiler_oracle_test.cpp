// Our script writer and our binary encodings checked against real resource compilers: the
// script we write for string tables and accelerator tables is compiled by windres (and llvm-rc),
// and the RT_STRING and RT_ACCELERATOR data they produce must equal our own encoding of the
// same model, byte for byte.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <tuple>

#include "formats/res_records.h"
#include "formats/script_save.h"
#include "formats/writer_test_support.h"
#include "platform/scripted_platform.h"
#include "resources/accelerator/accelerator_table.h"
#include "resources/stringtable/string_table.h"

namespace tavorin {
namespace {

using testing::TempFolder;
using Bytes = std::vector<std::uint8_t>;
using RecordKey = std::tuple<std::uint16_t, std::uint16_t, std::uint16_t>;  // type, name, language

constexpr std::uint16_t english = 0x0409;
constexpr std::uint16_t french = 0x040C;
constexpr const char* mingw_include = "/usr/share/mingw-w64/include";

bool tool_available(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

class CompilerOracleTest : public ::testing::Test {
protected:
    CompilerOracleTest() {
        auto& macros = session.language_macros();
        macros.note_definition(u"LANG_ENGLISH", 0x09);
        macros.note_definition(u"LANG_FRENCH", 0x0C);
        macros.note_definition(u"SUBLANG_ENGLISH_US", 1);
        macros.note_definition(u"SUBLANG_FRENCH", 1);
        session.config().encoding = TextEncoding::ansi;  // Windows-1252 here, as the compilers read it
    }

    // String tables in two languages whose entries cross several blocks out of order, and an
    // accelerator table per language with every key form. llvm-rc refuses modifiers on ASCII
    // keys, so those entries are only made for windres.
    void build_project(bool ascii_with_alt) {
        StringTable& strings_en = string_table_for(session.workspace(), english);
        strings_en.add_entry(u"IDS_HELLO", u"Hello, world");
        strings_en.add_entry(u"1", u"one");
        strings_en.add_entry(u"17", u"line\\nbreak\\ttab\\\\backslash");
        strings_en.add_entry(u"2", u"say \"hi\"");
        // Quotes as a compiled file's texts hold them: escaped, also after an escaped backslash.
        strings_en.add_entry(u"3", u"read \\\"back\\\", C:\\\\dir\\\\\\\"x");
        strings_en.add_entry(u"IDS_EMPTY", u"");
        strings_en.add_entry(u"IDS_ACCENT", u"caf\u00E9 cr\\r");
        strings_en.add_entry(u"65535", u"last");
        strings_en.add_entry(u"31", u"odd");

        StringTable& strings_fr = string_table_for(session.workspace(), french);
        strings_fr.add_entry(u"IDS_HELLO", u"Bonjour");
        strings_fr.add_entry(u"16", u"seize");

        session.project().set_current_language(english);
        AcceleratorTable& keys_en = add_new_accelerator_table(session.workspace());
        keys_en.add_virtual_key_entry(u"ID_HELP", false, true, false, AcceleratorKey::named(u"VK_F1", 0x70));
        keys_en.add_virtual_key_entry(u"ID_FILE_OPEN", false, true, false, AcceleratorKey::letter(u'O'));
        keys_en.add_virtual_key_entry(u"ID_FILE_SAVE", true, true, true, AcceleratorKey::number(0x53));
        keys_en.add_virtual_key_entry(u"300", false, false, true,
                                      AcceleratorKey::named(u"VK_BROWSER_FAVORITES", 0xAB));
        keys_en.add_ascii_entry(u"ID_EDIT_FIND", false, false, false, u'f');
        keys_en.add_ascii_entry(u"ID_EDIT_ZERO", false, false, false, u'0');
        if (ascii_with_alt) keys_en.add_ascii_entry(u"ID_EDIT_ALT", true, false, false, u'x');

        session.project().set_current_language(french);
        AcceleratorTable& keys_fr = add_new_accelerator_table(session.workspace());
        keys_fr.add_virtual_key_entry(u"ID_HELP", false, false, false, AcceleratorKey::named(u"VK_F1", 0x70));
        keys_fr.add_virtual_key_entry(u"7", false, false, false, AcceleratorKey::named(u"VK_RETURN", 0x0D));
    }

    std::map<RecordKey, Bytes> our_records() const {
        ResourceItemList items;
        for (const auto& resource : session.project().resources()) resource->add_items(items);
        std::map<RecordKey, Bytes> records;
        for (const ResourceItem* item : items.items()) {
            if (!item->has_binary_form()) continue;
            BinaryBuffer data;
            EXPECT_TRUE(item->serialize(data));
            records[{item->type().ordinal, item->name().ordinal, item->language()}] = data.take();
        }
        return records;
    }

    std::filesystem::path write_script() {
        const auto script = folder / "oracle.rc";
        EXPECT_EQ(save_script(session.workspace(), ScriptSave{script, u"resource.h", false, {}}), ScriptSaveResult::saved);
        return script;
    }

    // Runs the compiler; its string and accelerator records, or a failure with its output.
    // (llvm-rc marks these records without DISCARDABLE, so memory flags are checked for
    // windres only.)
    std::map<RecordKey, Bytes> compile(const std::string& command, const std::filesystem::path& res,
                                       std::optional<std::uint16_t> memory_flags) {
        const auto log = folder / "compiler.log";
        const int status = std::system((command + " >" + log.string() + " 2>&1").c_str());
        EXPECT_EQ(status, 0) << command << "\n" << folder.text("compiler.log") << "\n" << folder.text("oracle.rc");
        std::map<RecordKey, Bytes> records;
        if (status != 0) return records;
        for (const auto& record : testing::read_res_records(folder.bytes(res.filename()))) {
            if (record.type.is_text || record.name.is_text) continue;
            if (record.type.ordinal != 6 && record.type.ordinal != 9) continue;
            if (memory_flags) {
                EXPECT_EQ(record.memory_flags, *memory_flags);
            }
            records[{record.type.ordinal, record.name.ordinal, record.language}] = record.padded_data;
        }
        return records;
    }

    void expect_same(const std::map<RecordKey, Bytes>& compiled, const std::map<RecordKey, Bytes>& ours) {
        ASSERT_EQ(compiled.size(), ours.size());
        for (const auto& [key, bytes] : ours) {
            const auto found = compiled.find(key);
            ASSERT_NE(found, compiled.end()) << "type " << std::get<0>(key) << " name " << std::get<1>(key)
                                             << " language " << std::get<2>(key);
            EXPECT_EQ(found->second, bytes) << "type " << std::get<0>(key) << " name " << std::get<1>(key)
                                            << " language " << std::get<2>(key);
        }
    }

    ScriptedPlatform platform;
    Session session{platform};
    TempFolder folder;
};

TEST_F(CompilerOracleTest, WindresCompilesOurScriptToOurEncoding) {
    const std::string windres = "x86_64-w64-mingw32-windres";
    if (!tool_available(windres)) GTEST_SKIP() << windres << " is not installed";
    build_project(true);
    const auto script = write_script();
    const auto res = folder / "windres.res";
    const auto ours = our_records();
    // Blocks 1, 2 and 4096 in English, 2 in French, the block of the named strings (values from
    // 40000) in both, and the two accelerator tables.
    EXPECT_EQ(ours.size(), 8u);
    expect_same(compile(windres + " -I " + mingw_include + " -O res -o " + res.string() + " " + script.string(), res,
                        0x1030),
                ours);
}

TEST_F(CompilerOracleTest, LlvmRcCompilesOurScriptToOurEncoding) {
    const std::string llvm_rc = "llvm-rc-14";
    if (!tool_available(llvm_rc)) GTEST_SKIP() << llvm_rc << " is not installed";
    build_project(false);
    const auto script = write_script();
    const auto res = folder / "llvm.res";
    expect_same(compile(llvm_rc + " -C 1252 -I " + mingw_include + " -fo " + res.string() + " " + script.string(), res,
                        std::nullopt),
                our_records());
}

}  // namespace
}  // namespace tavorin

#endif  // _WIN32

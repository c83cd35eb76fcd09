// windres as the oracle of the .res writer: a project holding every kind is saved both as our
// .res file and as a script, windres compiles the script, and the two files must hold the same
// records (type, name, language, memory flags, data), apart from these intended differences:
//  - memory flags: every resource reports 0x1030 and group directories 0x1010, where windres
//    gives icon and cursor images 0x1010 and version information 0;
//  - string blocks are padded to a multiple of four bytes, so their DataSize may exceed
//    windres's by up to three zero bytes (the padded data must still be equal).
// Names and types are compared without regard to case, as windres upper-cases them. Toolbars
// (type 241) are among the records, in windres's layout.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "base/text.h"
#include "dialog/dialog.h"
#include "formats/compiled_test_support.h"
#include "formats/res_file.h"
#include "formats/res_records.h"
#include "formats/script_save.h"
#include "resources/accelerator/accelerator_table.h"
#include "resources/image/bitmap_resource.h"
#include "resources/image/icon_fixtures.h"
#include "resources/image/icon_group.h"
#include "resources/menu/menu.h"
#include "resources/rawdata/raw_data_resource.h"
#include "resources/stringtable/string_table.h"
#include "resources/toolbar/toolbar.h"
#include "resources/version/version_info.h"

namespace tavorin {
namespace {

using testing::Bytes;
using testing::id;

constexpr std::uint16_t english = 0x0409;
constexpr const char* windres = "x86_64-w64-mingw32-windres";
constexpr const char* mingw_include = "/usr/share/mingw-w64/include";

std::string key_text(const NameOrOrdinal& value) {
    return value.is_text ? text_to_utf8(to_ascii_upper(value.text)) : std::to_string(value.ordinal);
}

class WindresOracleTest : public ::testing::Test, public testing::CompiledSession {
protected:
    WindresOracleTest() {
        session.language_macros().note_definition(u"LANG_ENGLISH", 0x09);
        session.language_macros().note_definition(u"SUBLANG_ENGLISH_US", 1);
        session.config().encoding = TextEncoding::ansi;
        session.project().set_current_language(english);
    }

    template <typename Kind>
    void add_named(std::unique_ptr<Kind> resource, std::u16string name, bool string_name) {
        const auto stored = session.symbols().register_resource_name(name, resource->kind(), string_name,
                                                                     std::nullopt, english);
        ASSERT_TRUE(stored);
        resource->identity().name = *stored;
        resource->identity().string_name = string_name;
        session.project().add_resource(std::move(resource));
    }

    void build_project() {
        StringTable& strings = string_table_for(session.workspace(), english);
        strings.add_entry(u"IDS_HELLO", u"Hello");
        strings.add_entry(u"5", u"five\\ttab");
        AcceleratorTable& keys = add_new_accelerator_table(session.workspace());
        keys.add_ascii_entry(u"ID_FIND", false, false, false, u'f');
        keys.add_virtual_key_entry(u"ID_HELP", false, true, false, AcceleratorKey::named(u"VK_F1", 0x70));
        add_new_dialog(session.workspace());
        Menu& menu = add_new_menu(session.workspace());
        MenuItem file{u"&File", u"", u"", menu_flag::popup, {}};
        file.submenu.push_back(MenuItem{u"&Open", u"Ctrl+O", u"ID_OPEN", 0, {}});
        file.submenu.push_back(MenuItem{});
        file.submenu.push_back(MenuItem{u"E&xit", u"", u"ID_EXIT", 0, {}});
        menu.append_item(file);
        add_new_version_info(session.workspace());

        Bytes dib = test::info_header(2, 2, 24);
        dib.resize(dib.size() + 16, 0x40);
        add_named(BitmapResource::with_dib(dib), u"IDB_LOGO", false);
        auto icons = std::make_unique<IconGroup>(IconType::icon, numbers);
        ASSERT_TRUE(icons->add_image(test::pattern_icon(16, 4)));
        ASSERT_TRUE(icons->add_image(test::pattern_icon(32, 32)));
        add_named(std::move(icons), u"IDI_APP", false);
        auto cursors = std::make_unique<IconGroup>(IconType::cursor, numbers);
        ASSERT_TRUE(cursors->add_image(test::pattern_icon(32, 1)));
        ASSERT_TRUE(cursors->set_hotspot(0, 3, 5));
        add_named(std::move(cursors), u"IDC_POINT", false);
        add_named(RawDataResource::default_manifest(), u"1", false);
        add_named(RawDataResource::decode(Bytes{'<', 'p', '>', 'h', 'i'}, kind::html), u"PAGE", true);
        add_named(RawDataResource::decode(Bytes{1, 2, 3}, session.custom_types().kind_for(u"MYTYPE"), u"MYTYPE"),
                  u"LOGO", true);
        add_named(RawDataResource::decode(Bytes{9, 8, 7, 6, 5}, numeric_custom_kind(10)), u"300", false);
        auto toolbar = std::make_unique<Toolbar>(session.symbols());
        toolbar->set_button_size(24, 22);
        toolbar->add_button(u"ID_OPEN");
        toolbar->add_separator();
        toolbar->add_button(u"ID_EXIT");
        toolbar->add_button(u"7");
        add_named(std::move(toolbar), u"IDR_TOOLS", false);
    }

    std::map<std::string, testing::ResRecord> records(const std::filesystem::path& path) {
        std::map<std::string, testing::ResRecord> map;
        for (auto& record : testing::read_res_records(folder.bytes(path.filename()))) {
            if (record.type == id(0) && record.name == id(0)) continue;  // the leading empty record
            map[key_text(record.type) + " " + key_text(record.name) + " " + std::to_string(record.language)] =
                std::move(record);
        }
        return map;
    }
};

TEST_F(WindresOracleTest, OurResFileHoldsWhatWindresMakesOfOurScript) {
    if (std::system((std::string("command -v ") + windres + " >/dev/null 2>&1").c_str()) != 0) {
        GTEST_SKIP() << windres << " is not installed";
    }
    build_project();
    // The .res first: saving the script moves the file-based content into files.
    ASSERT_TRUE(write_res_file(session.workspace(), folder / "ours.res"));
    const auto script = folder / "oracle.rc";
    ASSERT_EQ(save_script(session.workspace(), ScriptSave{script, u"resource.h", false, {}}), ScriptSaveResult::saved);
    const std::string command = std::string(windres) + " -I " + mingw_include + " -I " + folder.path().string() +
                                " -O res -o " + (folder / "windres.res").string() + " " + script.string() + " >" +
                                (folder / "windres.log").string() + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << folder.text("windres.log") << folder.text("oracle.rc");

    const auto ours = records(folder / "ours.res");
    const auto theirs = records(folder / "windres.res");
    std::string missing;
    for (const auto& [key, record] : theirs) {
        if (!ours.contains(key)) missing += key + "\n";
    }
    EXPECT_TRUE(missing.empty()) << "windres records we do not write:\n" << missing << folder.text("oracle.rc");
    for (const auto& [key, record] : ours) {
        SCOPED_TRACE(key);
        const auto found = theirs.find(key);
        ASSERT_NE(found, theirs.end()) << folder.text("oracle.rc");
        const testing::ResRecord& other = found->second;
        EXPECT_EQ(record.padded_data, other.padded_data);
        const bool string_block = record.type == id(resource_type::string);
        if (string_block) {
            EXPECT_EQ(record.data_size, (other.data_size + 3) / 4 * 4);
        } else {
            EXPECT_EQ(record.data_size, other.data_size);
        }
        const bool image = record.type == id(resource_type::icon) || record.type == id(resource_type::cursor);
        if (image) {
            EXPECT_EQ(other.memory_flags, 0x1010);
        } else if (record.type == id(resource_type::version)) {
            EXPECT_EQ(other.memory_flags, 0);
        } else {
            EXPECT_EQ(record.memory_flags, other.memory_flags);
        }
    }
    EXPECT_EQ(ours.size(), 17u);
}

}  // namespace
}  // namespace tavorin

#endif  // _WIN32

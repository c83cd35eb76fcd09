// Menus in both forms with every flag, and version resources with several blocks: windres
// compiles the script, our reader reads the same script, and the compiled data must decode to
// what our encoding of the read model decodes to. Menus must even be the same bytes.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>

#include "base/text.h"
#include "formats/res_records.h"
#include "resources/menu/menu_template.h"
#include "resources/version/version_block.h"
#include "script/open_script.h"
#include "script/script_harness.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::filesystem::path mingw_include = "/usr/share/mingw-w64/include";
const std::string windres = "x86_64-w64-mingw32-windres";

// The headers spell the VS_FF_, VOS_ and VFT_ values through __MSABI_LONG(x), defined as
// "x ## l", which our preprocessor does not paste; the version statements give numbers instead.
constexpr std::string_view script_text = R"(#include <windows.h>
#define IDM_OPEN 100
#define IDM_EDIT_COPY 200

1 MENU
BEGIN
  POPUP "&File"
  BEGIN
    MENUITEM "&Open\tCtrl+O", IDM_OPEN, CHECKED
    MENUITEM "Gray", 102, GRAYED
    MENUITEM "Inactive", 103, INACTIVE
    MENUITEM "Help", 104, HELP
    MENUITEM SEPARATOR
    MENUITEM "Column", 105, MENUBREAK
    MENUITEM "Bar", 106, MENUBARBREAK
    MENUITEM "Owner", 107, OWNERDRAW
    MENUITEM "All", 108, CHECKED, GRAYED, INACTIVE, HELP, MENUBARBREAK
    POPUP "Sub", GRAYED
    BEGIN
      MENUITEM "Deep", 109
    END
  END
  POPUP "Empty"
  BEGIN
  END
  MENUITEM "Top", 110, HELP
END

2 MENUEX
BEGIN
  POPUP "&Edit", 0, MFT_STRING, MFS_GRAYED
  BEGIN
    MENUITEM "ab", IDM_EDIT_COPY, MFT_STRING, MFS_CHECKED | MFS_DEFAULT
    MENUITEM "", 0, MFT_SEPARATOR
    MENUITEM "Owner", 201, MFT_OWNERDRAW
    MENUITEM "Breaks", 202, MFT_MENUBREAK | MFT_RIGHTJUSTIFY, MFS_GRAYED
    MENUITEM "Bar\tF2", 203, MFT_MENUBARBREAK
    POPUP "Inner", 204
    BEGIN
      MENUITEM "x", 205
    END
  END
  POPUP "Empty", 207, MFT_STRING, MFS_CHECKED
  BEGIN
  END
  MENUITEM "Last", 206
END

1 VERSIONINFO
  FILEVERSION 1,2,3,4
  PRODUCTVERSION 5,6
  FILEFLAGSMASK 0x3fL
  FILEFLAGS 0x1L
  FILEOS 0x40004
  FILETYPE 2
  FILESUBTYPE 0
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040904b0"
    BEGIN
      VALUE "CompanyName", "Example"
      VALUE "FileDescription", "abc"
      VALUE "Odd", "four"
    END
    BLOCK "040704E4"
    BEGIN
      VALUE "ProductName", "Beispiel"
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x409, 1200, 0x407, 1252
  END
END

2 VERSIONINFO
  FILEVERSION 7
  FILEOS 0x40001
BEGIN
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x40C, 1252
  END
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040C04E4"
    BEGIN
      VALUE "Comments", "Ordre inverse"
    END
  END
END
)";

class MenuVersionOracleTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(mingw_include / "windows.h")) GTEST_SKIP() << "mingw-w64 headers not installed";
        session.config().include_paths = {std::filesystem::absolute(mingw_include).u16string()};
        script = folder.write("oracle.rc", script_text);
        const ReadStatus read = open_script(session.workspace(), tables, image_numbers, script);
        ASSERT_TRUE(read) << text_to_utf8(read.failure().message) << " line " << read.failure().line;
    }

    // Our encoding of every menu and version resource read, by type and name.
    std::map<std::pair<std::uint16_t, std::uint16_t>, Bytes> our_records() const {
        std::map<std::pair<std::uint16_t, std::uint16_t>, Bytes> records;
        for (const auto& resource : session.project().resources()) {
            if (resource->kind() != kind::menu && resource->kind() != kind::version) continue;
            BinaryBuffer data;
            EXPECT_TRUE(resource->serialize(data));
            records[{resource->type().ordinal, resource->name().ordinal}] = data.take();
        }
        return records;
    }

    std::map<std::pair<std::uint16_t, std::uint16_t>, Bytes> windres_records() const {
        const auto res = folder.path() / "oracle.res";
        const std::string command = windres + " -I " + mingw_include.string() + " -O res -o " + res.string() + " " +
                                    script.string() + " >" + (folder.path() / "windres.log").string() + " 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::ifstream in(res, std::ios::binary);
        const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::map<std::pair<std::uint16_t, std::uint16_t>, Bytes> records;
        for (auto& record : testing::read_res_records(file)) {
            if (record.type.is_text || record.name.is_text) continue;
            if (record.type.ordinal != resource_type::menu && record.type.ordinal != resource_type::version) continue;
            record.padded_data.resize(record.data_size);
            records[{record.type.ordinal, record.name.ordinal}] = std::move(record.padded_data);
        }
        return records;
    }

    std::unique_ptr<Menu> decode_menu(const Bytes& data) {
        auto menu = decode_menu_template(data, session.symbols());
        EXPECT_TRUE(menu);
        return menu ? std::move(*menu) : nullptr;
    }
    static std::unique_ptr<VersionInfo> decode_version(const Bytes& data) {
        auto version = decode_version_info(data);
        EXPECT_TRUE(version) << (version ? "" : text_to_utf8(version.error()));
        return version ? std::move(*version) : nullptr;
    }

    std::u16string script_of(const Resource& resource) const {
        TextWriter out;
        resource.write_script_text(out, session.workspace());
        return out.take();
    }

    ScriptedPlatform platform;
    ScriptTables tables;
    ImageNumbers image_numbers;
    Session session{platform};
    testing::ScriptFolder folder;
    std::filesystem::path script;
};

TEST_F(MenuVersionOracleTest, WindresGivesOurEncodingOfTheScript) {
    if (std::system(("command -v " + windres + " >/dev/null 2>&1").c_str()) != 0) GTEST_SKIP() << "no windres";
    const auto ours = our_records();
    const auto compiled = windres_records();
    ASSERT_EQ(ours.size(), 4u);
    ASSERT_EQ(compiled.size(), 4u);

    for (std::uint16_t name : {1, 2}) {
        SCOPED_TRACE(name);
        const Bytes& our_menu = ours.at({resource_type::menu, name});
        const Bytes& their_menu = compiled.at({resource_type::menu, name});
        EXPECT_EQ(our_menu, their_menu);
        const auto mine = decode_menu(our_menu);
        const auto theirs = decode_menu(their_menu);
        ASSERT_TRUE(mine && theirs);
        EXPECT_EQ(mine->extended(), theirs->extended());
        EXPECT_EQ(mine->items(), theirs->items());

        // Deliberate difference: our string lengths run to the padding after the value, so the
        // version data is compared decoded. The block order of a script is not kept (only data
        // read from compiled files keeps VarFileInfo first), so resource 2 differs in that flag.
        const auto our_version = decode_version(ours.at({resource_type::version, name}));
        const auto their_version = decode_version(compiled.at({resource_type::version, name}));
        ASSERT_TRUE(our_version && their_version);
        EXPECT_EQ(our_version->fixed(), their_version->fixed());
        EXPECT_EQ(our_version->blocks(), their_version->blocks());
        EXPECT_EQ(their_version->var_file_info_first(), name == 2);
        EXPECT_FALSE(our_version->var_file_info_first());
    }
    const auto version = decode_version(ours.at({resource_type::version, 2}));
    ASSERT_TRUE(version);
    EXPECT_EQ(version->fixed().file_os, 0x40001u);
    EXPECT_EQ(version->fixed().file_version, (VersionNumber{7, 0, 0, 0}));
}

// A popup without items is compiled as a plain item (there is no way to mark the end of an
// empty child list); that is the one change a menu undergoes.
MenuItems without_empty_popups(MenuItems items) {
    for (MenuItem& item : items) {
        if (item.is_popup() && item.submenu.empty()) item.set(menu_flag::popup, false);
        item.submenu = without_empty_popups(std::move(item.submenu));
    }
    return items;
}

TEST_F(MenuVersionOracleTest, ScriptToBinaryToScriptKeepsEveryMenuFlag) {
    std::size_t menus = 0;
    for (const auto& resource : session.project().resources()) {
        if (resource->kind() != kind::menu) continue;
        ++menus;
        const Menu& menu = static_cast<const Menu&>(*resource);
        BinaryBuffer data;
        ASSERT_TRUE(menu.serialize(data));
        const auto read = decode_menu(Bytes(data.bytes().begin(), data.bytes().end()));
        ASSERT_TRUE(read);
        read->identity().name = menu.name_text();
        Menu expected(session.symbols(), menu.extended());
        expected.identity().name = menu.name_text();
        for (MenuItem& item : without_empty_popups(menu.items())) expected.append_item(std::move(item));
        EXPECT_EQ(read->items(), expected.items());
        EXPECT_EQ(text_to_utf8(script_of(*read)), text_to_utf8(script_of(expected)));
    }
    EXPECT_EQ(menus, 2u);
}

}  // namespace
}  // namespace tavorin

#endif  // _WIN32

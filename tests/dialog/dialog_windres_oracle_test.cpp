// Our dialog templates checked against a real resource compiler: a script with dialogs of every
// control kind is read by our reader and compiled by windres. Each RT_DIALOG template windres
// makes is decoded, and encoding it again must give exactly our encoding of the dialog read
// from the same script: every field of the dialog and its controls agrees. (The raw bytes
// differ where windres spells a class by name in upper case, "BUTTON" or "MSCTLS_TRACKBAR32",
// where we write the predefined atom or the class's own spelling; window classes are compared
// without regard to case by Windows.) Where the compiler differs for a reason of our own, the
// script avoids the construct and the comment says why.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>

#include "dialog/dialog.h"
#include "dialog/dialog_template.h"
#include "base/escapes.h"
#include "base/text.h"
#include "formats/res_records.h"
#include "platform/scripted_platform.h"
#include "script/statement_harness.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::filesystem::path mingw_include = "/usr/share/mingw-w64/include";
const std::string windres = "x86_64-w64-mingw32-windres";

constexpr std::string_view header =
    "#define IDD_ALL 100\n#define IDD_SMALL 101\n#define IDD_SYSTEM_FONT 102\n#define IDI_APP 110\n"
    "#define IDC_OWNER 1000\n#define IDC_CHECK 1001\n#define IDC_THREE 1002\n#define IDC_STATE 1003\n"
    "#define IDC_PLAIN 1004\n#define IDC_EDIT 1005\n#define IDC_COMBO 1006\n#define IDC_LIST 1007\n"
    "#define IDC_RADIO1 1008\n#define IDC_RADIO2 1009\n#define IDC_FRAME 1010\n#define IDC_SCROLL 1011\n"
    "#define IDC_SLIDER 1012\n#define IDC_SPIN 1013\n#define IDC_PROGRESS 1014\n#define IDC_HOTKEY 1015\n"
    "#define IDC_LISTVIEW 1016\n#define IDC_TREE 1017\n#define IDC_TAB 1018\n#define IDC_ANIMATE 1019\n"
    "#define IDC_RICH 1020\n#define IDC_DATE 1021\n#define IDC_MONTH 1022\n#define IDC_IP 1023\n"
    "#define IDC_REBAR 1024\n#define IDC_CUSTOM 1025\n#define IDC_BITMAP 1026\n#define IDC_ETCHED 1027\n"
    "#ifndef IDC_STATIC\n#define IDC_STATIC (-1)\n#endif\n";

// Every kind, in short and CONTROL forms. Notes on what the script leaves out:
//  - kinds without a caption get "" (our template stores no caption for them, windres stores
//    whatever text the statement has);
//  - classes are spelled out: mingw-w64's commctrl.h builds WC_STATIC and the like by token
//    pasting, which our preprocessor does not do, and the rich edit's class is "RichEdit20W"
//    (RICHEDIT_CLASS is "RichEdit20A" without UNICODE; our template writes the kind's class);
//  - windres writes a dialog's CLASS and a custom control's class in upper case, so these are
//    upper case already (our reader keeps the case written);
//  - windres adds WS_CAPTION to a dialog with a CAPTION statement, where our reader keeps the
//    STYLE as written, so captioned dialogs name WS_CAPTION;
//  - windres's AUTORADIOBUTTON starts from WS_TABSTOP, ours (like RADIOBUTTON) does not; windres
//    drops the WS_GROUP of CTEXT when a style is given, ours keeps the keyword's style; windres
//    writes an ICON's width and height as 0: these statements say WS_TABSTOP, WS_GROUP and 0, 0;
//  - CHARACTERISTICS and VERSION are not kept by our model, and windres has no help ids in
//    headers, so neither appears.
constexpr std::string_view script =
    "#include <windows.h>\n#include <commctrl.h>\n#include <richedit.h>\n#include \"resource.h\"\n\n"
    "IDD_ALL DIALOGEX 10, 20, 300, 200\n"
    "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    "EXSTYLE WS_EX_TOOLWINDOW\n"
    "CAPTION \"All \"\"controls\"\"\\tTab\"\n"
    "CLASS \"MYDIALOGCLASS\"\n"
    "FONT 9, \"MS Shell Dlg\", 700, 1, 0\n"
    "BEGIN\n"
    "    DEFPUSHBUTTON   \"OK\", IDOK, 7, 7, 50, 14\n"
    "    PUSHBUTTON      \"Cancel\", IDCANCEL, 7, 24, 50, 14, NOT WS_TABSTOP | BS_MULTILINE\n"
    "    CONTROL         \"Owner\", IDC_OWNER, \"Button\", BS_OWNERDRAW | WS_TABSTOP, 7, 41, 50, 14\n"
    "    BEGIN 0x0201, \"\\x03\" END\n"
    "    AUTOCHECKBOX    \"Check\", IDC_CHECK, 7, 58, 50, 10\n"
    "    AUTO3STATE      \"Three\", IDC_THREE, 7, 70, 50, 10, WS_TABSTOP\n"
    "    STATE3          \"State\", IDC_STATE, 7, 82, 50, 10\n"
    "    CHECKBOX        \"Plain\", IDC_PLAIN, 7, 94, 50, 10\n"
    "    EDITTEXT        IDC_EDIT, 60, 7, 60, 14, ES_AUTOHSCROLL | NOT WS_BORDER, WS_EX_CLIENTEDGE\n"
    "    COMBOBOX        IDC_COMBO, 60, 24, 60, 30, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP\n"
    "    LISTBOX         IDC_LIST, 60, 41, 60, 40, LBS_SORT | WS_VSCROLL\n"
    "    GROUPBOX        \"Group\", IDC_STATIC, 130, 7, 80, 60\n"
    "    RADIOBUTTON     \"Radio\", IDC_RADIO1, 135, 17, 40, 10, WS_GROUP\n"
    "    AUTORADIOBUTTON \"Auto\", IDC_RADIO2, 135, 29, 40, 10, WS_TABSTOP\n"
    "    LTEXT           \"Left\", IDC_STATIC, 7, 110, 40, 8\n"
    "    CTEXT           \"Centre\\tTab\", IDC_STATIC, 7, 120, 40, 8, SS_ENDELLIPSIS | WS_GROUP\n"
    "    RTEXT           \"Right\", IDC_STATIC, 7, 130, 40, 8, NOT WS_GROUP\n"
    "    ICON            IDI_APP, IDC_STATIC, 7, 140, 0, 0\n"
    "    CONTROL         \"\", IDC_FRAME, \"Static\", SS_BLACKFRAME, 30, 140, 20, 20\n"
    "    CONTROL         IDI_APP, IDC_BITMAP, \"Static\", SS_BITMAP, 50, 140, 20, 20\n"
    "    CONTROL         \"\", IDC_ETCHED, \"Static\", SS_ETCHEDHORZ, 70, 140, 20, 1\n"
    "    SCROLLBAR       IDC_SCROLL, 60, 90, 10, 40, SBS_VERT\n"
    "    CONTROL         \"\", IDC_SLIDER, \"msctls_trackbar32\", TBS_BOTH | TBS_NOTICKS | WS_TABSTOP, 80, 90, 100, 15\n"
    "    CONTROL         \"\", IDC_SPIN, \"msctls_updown32\", UDS_ARROWKEYS, 80, 110, 11, 14\n"
    "    CONTROL         \"\", IDC_PROGRESS, \"msctls_progress32\", PBS_SMOOTH | WS_BORDER, 100, 110, 80, 14\n"
    "    CONTROL         \"\", IDC_HOTKEY, \"msctls_hotkey32\", WS_TABSTOP, 80, 130, 80, 14\n"
    "    CONTROL         \"\", IDC_LISTVIEW, \"SysListView32\", LVS_REPORT | WS_BORDER | WS_TABSTOP, 220, 7, 60, 50\n"
    "    CONTROL         \"\", IDC_TREE, \"SysTreeView32\", TVS_HASBUTTONS | TVS_HASLINES | WS_BORDER, 220, 60, 60, 50\n"
    "    CONTROL         \"\", IDC_TAB, \"SysTabControl32\", TCS_BUTTONS, 220, 115, 50, 30\n"
    "    CONTROL         \"\", IDC_ANIMATE, \"SysAnimate32\", ACS_CENTER | WS_BORDER, 220, 150, 20, 20\n"
    "    CONTROL         \"\", IDC_RICH, \"RichEdit20W\", ES_MULTILINE | WS_BORDER | WS_TABSTOP, 7, 165, 60, 30\n"
    "    CONTROL         \"\", IDC_DATE, \"SysDateTimePick32\", DTS_RIGHTALIGN | WS_TABSTOP, 80, 150, 100, 15\n"
    "    CONTROL         \"\", IDC_MONTH, \"SysMonthCal32\", MCS_NOTODAY | WS_TABSTOP, 80, 170, 120, 20\n"
    "    CONTROL         \"\", IDC_IP, \"SysIPAddress32\", WS_TABSTOP, 150, 130, 60, 15\n"
    "    CONTROL         \"\", IDC_REBAR, \"ReBarWindow32\", 0, 0, 0, 300, 12\n"
    "    CONTROL         \"Custom\", IDC_CUSTOM, \"MYWIDGETCLASS\", WS_TABSTOP | 0x0F, 240, 180, 50, 14, "
    "WS_EX_CLIENTEDGE { 1, 2, 3, 4, 5 }\n"
    "END\n\n"
    "IDD_SMALL DIALOG 0, 0, 120, 60\n"
    "STYLE DS_SHELLFONT | WS_CHILD\n"
    "FONT 8, \"MS Shell Dlg\"\n"
    "BEGIN\n"
    "    LTEXT           \"Name:\", IDC_STATIC, 4, 4, 30, 8\n"
    "    EDITTEXT        IDC_EDIT, 40, 4, 70, 12\n"
    "    CONTROL         \"Go\", IDOK, \"Button\", BS_DEFPUSHBUTTON | WS_TABSTOP, 40, 20, 40, 14\n"
    "END\n\n"
    "IDD_SYSTEM_FONT DIALOG 5, 5, 100, 40\n"
    "STYLE WS_POPUP | WS_CAPTION\n"
    "CAPTION \"Unseen\"\n"
    "BEGIN\n"
    "    PUSHBUTTON      \"OK\", IDOK, 4, 4, 40, 14\n"
    "END\n";

Bytes ascii_upper_bytes(Bytes bytes) {
    for (auto& byte : bytes) {
        if (byte >= 'a' && byte <= 'z') byte = static_cast<std::uint8_t>(byte - 'a' + 'A');
    }
    return bytes;
}

bool windres_available() { return std::system(("command -v " + windres + " >/dev/null 2>&1").c_str()) == 0; }

TEST(DialogWindresOracleTest, WindresTemplatesEqualOurEncoding) {
    if (!windres_available()) GTEST_SKIP() << windres << " is not installed";
    if (!std::filesystem::exists(mingw_include / "windows.h")) GTEST_SKIP() << "mingw-w64 headers not installed";

    testing::StatementHarness harness;
    harness.session.config().include_paths = {std::filesystem::absolute(mingw_include).u16string()};
    harness.folder.write("resource.h", header);
    const auto path = harness.folder.write("dialogs.rc", script);
    const ReadStatus status = harness.open(path);
    ASSERT_TRUE(status) << text_to_utf8(status.failure().message) << " line " << status.failure().line;

    std::map<std::uint16_t, Bytes> ours;
    std::map<std::uint16_t, std::u16string> ours_names;
    for (Resource* resource : harness.project().resources_of_kind(kind::dialog)) {
        ours_names[resource->name().ordinal] = resource->name_text();
        BinaryBuffer data;
        ASSERT_TRUE(resource->serialize(data));
        ours[resource->name().ordinal] = data.take();
        // windres marks dialogs MOVEABLE | PURE | DISCARDABLE, as we do.
        EXPECT_EQ(resource->memory_flags(), 0x1030);
    }
    ASSERT_EQ(ours.size(), 3u);
    EXPECT_EQ(static_cast<Dialog*>(harness.find(kind::dialog, u"IDD_ALL"))->controls().size(), 35u);

    const auto res = harness.folder.path() / "dialogs.res";
    const auto log = harness.folder.path() / "windres.log";
    const std::string command = windres + " -I " + mingw_include.string() + " -O res -o " + res.string() + " " +
                                path.string() + " >" + log.string() + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(res, std::ios::binary);
    const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    std::size_t compared = 0;
    for (const auto& record : testing::read_res_records(file)) {
        if (record.type.is_text || record.type.ordinal != 5) continue;
        ASSERT_FALSE(record.name.is_text);
        SCOPED_TRACE("dialog " + std::to_string(record.name.ordinal));
        EXPECT_EQ(record.memory_flags, 0x1030);
        const auto found = ours.find(record.name.ordinal);
        ASSERT_NE(found, ours.end());
        const Bytes compiled(record.padded_data.begin(), record.padded_data.begin() + record.data_size);
        ScriptedPlatform platform;
        Session session(platform);
        const auto decoded = decode_dialog_template(compiled, session.workspace());
        ASSERT_TRUE(decoded) << text_to_utf8(decoded.error());
        const Dialog& theirs = **decoded;
        const Dialog& mine = *static_cast<const Dialog*>(harness.find(kind::dialog, ours_names[record.name.ordinal]));
        EXPECT_EQ(theirs.style(), mine.style());
        EXPECT_EQ(theirs.extended_style(), mine.extended_style());
        EXPECT_EQ(theirs.rect(), mine.rect());
        // Texts read from templates keep quotes and control characters as escapes.
        EXPECT_EQ(unescape_stored_text(theirs.caption()), unescape_stored_text(mine.caption()));
        EXPECT_EQ(theirs.class_name(), mine.class_name());
        EXPECT_EQ(theirs.font(), mine.font());
        ASSERT_EQ(theirs.controls().size(), mine.controls().size());
        for (std::size_t i = 0; i < mine.controls().size(); ++i) {
            const Control& a = *theirs.controls()[i];
            const Control& b = *mine.controls()[i];
            SCOPED_TRACE("control " + std::to_string(i));
            EXPECT_EQ(a.kind(), b.kind());
            EXPECT_EQ(a.style(), b.style());
            EXPECT_EQ(a.extended_style(), b.extended_style());
            EXPECT_EQ(a.rect(), b.rect());
            EXPECT_EQ(a.identifier_value(), b.identifier_value());
            EXPECT_TRUE(equals_ignore_case(a.window_class(), b.window_class()));
            EXPECT_EQ(a.text_ordinal(), b.text_ordinal());
            EXPECT_EQ(a.creation_data(), b.creation_data());
            if (b.has_caption() && !b.text_ordinal()) {
                EXPECT_EQ(unescape_stored_text(a.text()), unescape_stored_text(b.text()));
            }
        }
        // Decoding and encoding windres's template gives its bytes back; ours differ from them only in
        // the letter case of class names, which windres writes in capitals.
        BinaryBuffer again;
        encode_dialog_template(theirs, again);
        EXPECT_EQ(again.take(), compiled);
        EXPECT_EQ(ascii_upper_bytes(found->second), ascii_upper_bytes(compiled));
        ++compared;
    }
    EXPECT_EQ(compared, 3u);
}

}  // namespace
}  // namespace tavorin

#endif

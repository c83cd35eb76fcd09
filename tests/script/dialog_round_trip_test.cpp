// Dialog scripts survive a round trip: reading a script with every control kind, writing its
// dialogs, reading that text again and writing it once more gives the same text byte for byte,
// and the second reading has the same styles as the first.

#include <gtest/gtest.h>

#include "base/text.h"
#include "dialog/dialog.h"
#include "statement_harness.h"

namespace tavorin {
namespace {

const std::filesystem::path mingw_include = "/usr/share/mingw-w64/include";

// The names the written statements use besides the SDK's. mingw-w64's commctrl.h spells its
// class names by token pasting, which the reader does not do: they are given here.
constexpr std::string_view names_header =
    "#define IDD_ALL 100\n#define IDD_SMALL 101\n#define IDI_APP 110\n#define IDC_A 1000\n#define IDC_B 1001\n"
    "#define IDC_C 1002\n#define IDC_D 1003\n#define IDC_E 1004\n#define IDR_MENU 120\n"
    "#ifndef IDC_STATIC\n#define IDC_STATIC (-1)\n#endif\n"
    "#undef WC_BUTTON\n#define WC_BUTTON \"Button\"\n#undef WC_STATIC\n#define WC_STATIC \"Static\"\n"
    "#undef WC_EDIT\n#define WC_EDIT \"Edit\"\n#undef TRACKBAR_CLASS\n#define TRACKBAR_CLASS \"msctls_trackbar32\"\n"
    "#undef UPDOWN_CLASS\n#define UPDOWN_CLASS \"msctls_updown32\"\n"
    "#undef PROGRESS_CLASS\n#define PROGRESS_CLASS \"msctls_progress32\"\n"
    "#undef HOTKEY_CLASS\n#define HOTKEY_CLASS \"msctls_hotkey32\"\n#undef WC_LISTVIEW\n#define WC_LISTVIEW \"SysListView32\"\n"
    "#undef WC_TREEVIEW\n#define WC_TREEVIEW \"SysTreeView32\"\n#undef WC_TABCONTROL\n#define WC_TABCONTROL \"SysTabControl32\"\n"
    "#undef ANIMATE_CLASS\n#define ANIMATE_CLASS \"SysAnimate32\"\n#undef RICHEDIT_CLASS\n#define RICHEDIT_CLASS \"RichEdit20W\"\n"
    "#undef DATETIMEPICK_CLASS\n#define DATETIMEPICK_CLASS \"SysDateTimePick32\"\n"
    "#undef MONTHCAL_CLASS\n#define MONTHCAL_CLASS \"SysMonthCal32\"\n#undef WC_IPADDRESS\n#define WC_IPADDRESS \"SysIPAddress32\"\n"
    "#undef REBARCLASSNAME\n#define REBARCLASSNAME \"ReBarWindow32\"\n";

constexpr std::string_view includes =
    "#include <windows.h>\n#include <commctrl.h>\n#include <richedit.h>\n#include \"names.h\"\n\n";

constexpr std::string_view dialogs =
    "IDD_ALL DIALOGEX 10, 20, 300, 200\n"
    "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX\n"
    "EXSTYLE WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME\n"
    "CAPTION \"All \"\"controls\"\"\\tTab\"\n"
    "CLASS \"MyClass\"\n"
    "FONT 9, \"MS Shell Dlg\", 700, 1, 0\n"
    "BEGIN\n"
    "    DEFPUSHBUTTON   \"OK\", IDOK, 7, 7, 50, 14\n"
    "    PUSHBUTTON      \"Cancel\", IDCANCEL, 7, 24, 50, 14, NOT WS_TABSTOP | BS_MULTILINE | 0x0C\n"
    "    CONTROL         \"Owner\", IDC_A, \"Button\", BS_OWNERDRAW | WS_TABSTOP | NOT WS_VISIBLE, 7, 41, 50, 14\n"
    "    { 1, 2L, \"x\" }\n"
    "    AUTOCHECKBOX    \"Check\", IDC_B, 7, 58, 50, 10, BS_LEFTTEXT | BS_TOP\n"
    "    AUTO3STATE      \"Three\", IDC_C, 7, 70, 50, 10, WS_TABSTOP\n"
    "    STATE3          \"State\", IDC_D, 7, 82, 50, 10\n"
    "    CHECKBOX        \"Plain\" IDC_E 7 94 50 10\n"
    "    CONTROL         \"Typeless\", 2001, \"Button\", 0, 7, 94, 50, 10\n"
    "    EDITTEXT        3001, 60, 7, 60, 14, ES_AUTOHSCROLL | NOT WS_BORDER | ES_OEMCONVERT, WS_EX_CLIENTEDGE\n"
    "    COMBOBOX        3002, 60, 24, 60, 30, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | CBS_SORT\n"
    "    LISTBOX         3003, 60, 41, 60, 40, LBS_SORT | WS_VSCROLL | NOT LBS_NOTIFY\n"
    "    GROUPBOX        \"Group\", IDC_STATIC, 130, 7, 80, 60, BS_VCENTER\n"
    "    RADIOBUTTON     \"Radio\", 3004, 135, 17, 40, 10, WS_GROUP\n"
    "    AUTORADIOBUTTON \"Auto\", 3005, 135, 29, 40, 10\n"
    "    LTEXT           \"Left\", IDC_STATIC, 7, 110, 40, 8, SS_NOPREFIX | SS_WORDELLIPSIS\n"
    "    CTEXT           \"Centre\", IDC_STATIC, 7, 120, 40, 8, SS_ENDELLIPSIS\n"
    "    RTEXT           \"Right\", IDC_STATIC, 7, 130, 40, 8, NOT WS_GROUP\n"
    "    CONTROL         \"Simple\", IDC_STATIC, \"Static\", SS_SIMPLE | WS_GROUP, 7, 130, 40, 8\n"
    "    ICON            IDI_APP, IDC_STATIC, 7, 140, 20, 20\n"
    "    ICON            app_icon, IDC_STATIC, 7, 140, 20, 20\n"
    "    CONTROL         \"\", 3006, \"Static\", SS_BLACKFRAME | WS_DLGFRAME, 30, 140, 20, 20\n"
    "    SCROLLBAR       3007, 60, 90, 10, 40, SBS_VERT | WS_DISABLED\n"
    "    CONTROL         \"\", 3008, \"msctls_trackbar32\", TBS_BOTH | TBS_NOTICKS | WS_TABSTOP, 80, 90, 100, 15\n"
    "    CONTROL         \"\", 3009, \"msctls_updown32\", UDS_ARROWKEYS | UDS_WRAP, 80, 110, 11, 14\n"
    "    CONTROL         \"\", 3010, \"msctls_progress32\", PBS_SMOOTH | WS_BORDER, 100, 110, 80, 14\n"
    "    CONTROL         \"\", 3011, \"msctls_hotkey32\", WS_TABSTOP | 0x02, 80, 130, 80, 14\n"
    "    CONTROL         \"\", 3012, \"SysListView32\", LVS_REPORT | WS_BORDER | WS_TABSTOP, 220, 7, 60, 50\n"
    "    CONTROL         \"\", 3013, \"SysTreeView32\", TVS_HASBUTTONS | WS_BORDER, 220, 60, 60, 50\n"
    "    CONTROL         \"\", 3014, \"SysTabControl32\", TCS_BOTTOM, 220, 115, 50, 30\n"
    "    CONTROL         \"\", 3015, \"SysAnimate32\", ACS_CENTER | WS_BORDER, 220, 150, 20, 20\n"
    "    CONTROL         \"\", 3016, \"RichEdit20W\", ES_MULTILINE | WS_BORDER | WS_TABSTOP, 7, 165, 60, 30\n"
    "    CONTROL         \"\", 3017, \"SysDateTimePick32\", DTS_TIMEFORMAT | WS_TABSTOP, 80, 150, 100, 15\n"
    "    CONTROL         \"\", 3018, \"SysMonthCal32\", MCS_NOTODAY | WS_TABSTOP, 80, 170, 120, 20\n"
    "    CONTROL         \"\", 3019, \"SysIPAddress32\", WS_TABSTOP, 150, 130, 60, 15, WS_EX_STATICEDGE\n"
    "    CONTROL         \"\", 3020, \"ReBarWindow32\", 0, 0, 0, 300, 12\n"
    "    CONTROL         \"Custom\", 3021, \"My.Widget\", WS_TABSTOP | 0x0F | NOT WS_VISIBLE, 240, 180, 50, 14, 0x300\n"
    "    CONTROL         \"Tree1\", 3022, \"SysTreeView32\", TVS_HASLINES, 10, 10, 50, 50, 0, 77\n"
    "    LTEXT           \"Grouped\", IDC_STATIC, 7, 150, 40, 8, SS_NOTIFY | WS_GROUP\n"
    "    STATE3          \"Untabbed\", 3023, 7, 160, 40, 8, WS_GROUP\n"
    "    PUSHBUTTON      \"Help\", 3024, 7, 170, 40, 8, 0, 0, 12\n"
    "END\n\n"
    "IDD_SMALL DIALOG 0, 0, 120, 60\n"
    "STYLE DS_SHELLFONT | WS_CHILD\n"
    "FONT 8, \"MS Shell Dlg\"\n"
    "BEGIN\n"
    "    LTEXT           \"Name:\", IDC_STATIC, 4, 4, 30, 8\n"
    "    EDITTEXT        IDC_A, 40, 4, 70, 12\n"
    "END\n";

class DialogRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(mingw_include / "windows.h")) GTEST_SKIP() << "mingw-w64 headers not installed";
    }

    // Reads the script and writes its dialogs in tree order.
    std::u16string read_and_write(testing::StatementHarness& harness, std::string_view body) {
        harness.session.config().include_paths = {std::filesystem::absolute(mingw_include).u16string()};
        harness.folder.write("names.h", names_header);
        const ReadStatus status = harness.read(std::string(includes) + std::string(body));
        EXPECT_TRUE(status) << (status ? "" : text_to_utf8(status.failure().message)) << " line "
                            << (status ? 0 : status.failure().line);
        std::u16string text;
        for (Resource* resource : harness.project().resources_of_kind(kind::dialog)) {
            TextWriter out;
            resource->write_script_text(out, harness.session.workspace());
            text += out.take() + u"\r\n\r\n";
        }
        return text;
    }
};

TEST_F(DialogRoundTripTest, SecondWriteIsByteIdenticalAndStylesAreKept) {
    testing::StatementHarness first;
    const std::u16string written = read_and_write(first, dialogs);
    ASSERT_FALSE(written.empty());

    testing::StatementHarness second;
    const std::u16string rewritten = read_and_write(second, text_to_utf8(written));
    EXPECT_EQ(rewritten, written);

    // What the first reading must have kept for the writer to carry.
    const Dialog* largest = nullptr;
    for (Resource* resource : first.project().resources_of_kind(kind::dialog)) {
        const auto* dialog = static_cast<const Dialog*>(resource);
        if (largest == nullptr || dialog->controls().size() > largest->controls().size()) largest = dialog;
    }
    ASSERT_NE(largest, nullptr);
    const Dialog& all = *largest;
    const auto control = [&](std::size_t from_end) { return all.controls()[all.controls().size() - from_end].get(); };
    EXPECT_EQ(control(4)->text(), u"Tree1");
    EXPECT_EQ(control(4)->help_id(), 77u);
    EXPECT_EQ(control(3)->style(), 0x50020100u) << "SS_NOTIFY | WS_GROUP on LTEXT's base";
    EXPECT_EQ(control(2)->style(), 0x50020005u) << "a style list drops STATE3's WS_TABSTOP";
    EXPECT_EQ(control(1)->help_id(), 12u);
    EXPECT_EQ(all.controls()[2]->creation_data(), (std::vector<std::uint8_t>{1, 0, 2, 0, 0, 0, 'x'}));

    const auto a = first.project().resources_of_kind(kind::dialog);
    const auto b = second.project().resources_of_kind(kind::dialog);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t d = 0; d < a.size(); ++d) {
        const Dialog& x = *static_cast<const Dialog*>(a[d]);
        const Dialog& y = *static_cast<const Dialog*>(b[d]);
        // WS_EX_DLGMODALFRAME is left out of the EXSTYLE line on purpose.
        EXPECT_EQ(y.extended_style(), x.extended_style() & ~0x1u);
        EXPECT_EQ(y.style(), x.style());
        ASSERT_EQ(y.controls().size(), x.controls().size());
        for (std::size_t i = 0; i < x.controls().size(); ++i) {
            SCOPED_TRACE(text_to_utf8(x.controls()[i]->identifier()) + " #" + std::to_string(i));
            EXPECT_EQ(y.controls()[i]->style(), x.controls()[i]->style());
            EXPECT_EQ(y.controls()[i]->extended_style(), x.controls()[i]->extended_style());
            EXPECT_EQ(y.controls()[i]->kind(), x.controls()[i]->kind());
            EXPECT_EQ(y.controls()[i]->text(), x.controls()[i]->text());
            EXPECT_EQ(y.controls()[i]->help_id(), x.controls()[i]->help_id());
            EXPECT_EQ(y.controls()[i]->creation_data(), x.controls()[i]->creation_data());
        }
    }
}

}  // namespace
}  // namespace tavorin

// Each check over a small script that has its fault and one that does not, read as the editor
// reads scripts and measured with the packaged fonts.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "app/project_files.h"
#include "app/session.h"
#include "base/text.h"
#include "checks/font_files.h"
#include "checks/freetype_measure.h"
#include "checks/run_checks.h"
#include "formats/writer_test_support.h"
#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

constexpr const char* prelude =
    "#define WS_GROUP 0x00020000L\n"
    "#define WS_TABSTOP 0x00010000L\n"
    "#define WS_VISIBLE 0x10000000L\n"
    "#define WS_CHILD 0x40000000L\n"
    "#define BS_GROUPBOX 7\n"
    "#define SS_BLACKFRAME 7\n"
    "#define IDC_STATIC -1\n"
    "LANGUAGE 9, 1\n";

// A dialog of 200 x 100 units in MS Shell Dlg 8 around the given controls.
std::string dialog(const std::string& name, const std::string& controls) {
    return name + " DIALOGEX 0, 0, 200, 100\nFONT 8, \"MS Shell Dlg\"\nBEGIN\n" + controls + "END\n";
}

struct Checked {
    Findings findings;
    std::string file;

    std::size_t count(std::string_view check) const {
        return static_cast<std::size_t>(std::count_if(findings.begin(), findings.end(),
                                                      [&](const Finding& f) { return f.check == check; }));
    }
    const Finding* first(std::string_view check) const {
        for (const Finding& f : findings) {
            if (f.check == check) return &f;
        }
        return nullptr;
    }
};

Checked check_script(const std::string& script, const std::string& header = {}, CheckOptions options = {}) {
    ScriptedPlatform platform;
    Session session(platform);
    testing::TempFolder folder;
    std::string text = prelude;
    if (!header.empty()) {
        folder.write("resource.h", header);
        text += "#include \"resource.h\"\n";
    }
    folder.write("app.rc", text + script);
    ReadingTables tables;
    const ReadStatus status = read_project_file(session, tables, folder / "app.rc");
    EXPECT_TRUE(status) << (status ? std::string() : text_to_utf8(status.failure().message));
    const auto measurer = make_freetype_measurer(default_font_folders());
    Checked checked;
    checked.findings = run_checks(CheckRun{session.project(), session.symbols(), folder / "app.rc", measurer.get(),
                                           [](std::string_view bytes) { return ascii_to_text(bytes); }},
                                  options);
    for (Finding& finding : checked.findings) finding.resource = nullptr;
    session.project().clear();
    return checked;
}

// Without FreeType (the Windows build) texts are not measured and TV2001 finds nothing.
bool texts_measured() { return make_freetype_measurer(default_font_folders()) != nullptr; }

struct Case {
    const char* check;
    std::string faulty;
    std::string sound;
    std::string faulty_header = {};
    std::string sound_header = {};
};

class EveryCheck : public ::testing::TestWithParam<Case> {};

TEST_P(EveryCheck, FindsTheFaultAndNothingWithoutIt) {
    const Case& c = GetParam();
    if (std::string_view(c.check) == "TV2001" && !texts_measured()) GTEST_SKIP() << "texts are not measured in this build";
    EXPECT_GE(check_script(c.faulty, c.faulty_header).count(c.check), 1u) << "the faulty script";
    EXPECT_EQ(check_script(c.sound, c.sound_header).count(c.check), 0u) << "the sound script";
}

const std::string accelerators_ctrl_o = "1 ACCELERATORS\nBEGIN\n  \"O\", 101, VIRTKEY, CONTROL\nEND\n";

INSTANTIATE_TEST_SUITE_P(
    Checks, EveryCheck,
    ::testing::Values(
        Case{"TV1001", dialog("1", "PUSHBUTTON \"A\", 10, 10, 10, 50, 14\nPUSHBUTTON \"B\", 11, 40, 10, 50, 14\n"),
             // A group box around a button and a frame behind it are no overlap.
             dialog("1", "GROUPBOX \"G\", 12, 5, 5, 120, 40\nCONTROL \"\", 13, \"Static\", SS_BLACKFRAME, 8, 8, 60, 20\n"
                         "PUSHBUTTON \"A\", 10, 10, 10, 50, 14\nPUSHBUTTON \"B\", 11, 62, 10, 50, 14\n")},
        Case{"TV1002", dialog("1", "PUSHBUTTON \"A\", 10, 160, 90, 50, 14\n"),
             dialog("1", "PUSHBUTTON \"A\", 10, 150, 86, 50, 14\n")},
        Case{"TV1003", dialog("1", "PUSHBUTTON \"&Save\", 10, 10, 10, 50, 14\nPUSHBUTTON \"&search\", 11, 70, 10, 50, 14\n"),
             dialog("1", "PUSHBUTTON \"&Save\", 10, 10, 10, 50, 14\nPUSHBUTTON \"S&earch && &&S\", 11, 70, 10, 60, 14\n")},
        Case{"TV1004",
             dialog("1", "EDITTEXT 10, 10, 10, 50, 14, WS_GROUP\nAUTORADIOBUTTON \"One\", 11, 10, 30, 50, 10\n"
                         "AUTORADIOBUTTON \"Two\", 12, 10, 42, 50, 10\n"),
             dialog("1", "EDITTEXT 10, 10, 10, 50, 14, WS_GROUP\nAUTORADIOBUTTON \"One\", 11, 10, 30, 50, 10, WS_GROUP\n"
                         "AUTORADIOBUTTON \"Two\", 12, 10, 42, 50, 10\nLTEXT \"x\", -1, 10, 60, 20, 8\n"
                         "EDITTEXT 13, 40, 60, 50, 14, WS_GROUP\n")},
        Case{"TV1005", dialog("1", "EDITTEXT 1001, 10, 10, 50, 14\nEDITTEXT 1001, 10, 30, 50, 14\n"),
             dialog("1", "EDITTEXT 1001, 10, 10, 50, 14\nEDITTEXT 1002, 10, 30, 50, 14\n"
                         "LTEXT \"a\", IDC_STATIC, 70, 10, 20, 8\nLTEXT \"b\", IDC_STATIC, 70, 30, 20, 8\n")},
        Case{"TV2001", dialog("1", "LTEXT \"Customer &name:\", -1, 10, 10, 40, 8\n"),
             dialog("1", "LTEXT \"Customer &name:\", -1, 10, 10, 70, 8\n")},
        // Check boxes count their box: a width the text alone would fill is too narrow.
        Case{"TV2001", dialog("1", "AUTOCHECKBOX \"Remember me\", 10, 10, 10, 44, 10\n"),
             dialog("1", "AUTOCHECKBOX \"Remember me\", 10, 10, 10, 60, 10\n")},
        // A wrapped static needs its lines' height.
        Case{"TV2001",
             dialog("1", "LTEXT \"This text is far too long for one line of this label\", -1, 10, 10, 60, 16\n"),
             dialog("1", "LTEXT \"This text is far too long for one line of this label\", -1, 10, 10, 60, 40\n")},
        // Texts the program replaces at run time are not measured.
        Case{"TV2001", dialog("1", "LTEXT \"Customer name\", -1, 10, 10, 20, 8\n"),
             dialog("1", "LTEXT \"IDS_CUSTOMER_NAME\", -1, 10, 10, 20, 8\n")},
        Case{"TV3001", "1 MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"&Open\", 101\n  MENUITEM \"&Options\", 102\n END\nEND\n",
             "1 MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"&Open\", 101\n  MENUITEM \"O&ptions\", 102\n"
             "  POPUP \"Ot&her\"\n  BEGIN\n   MENUITEM \"&Open\", 103\n  END\n END\nEND\n"},
        Case{"TV3002", "1 MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"&Save\\tCtrl+S\", 102\n END\nEND\n" + accelerators_ctrl_o,
             "1 MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"&Open\\tStrg+O\", 101\n  MENUITEM \"E&xit\\tAlt+F4\", 103\n  MENUITEM \"&Paste\\tCtrl+V\", 104\n END\nEND\n" +
                 accelerators_ctrl_o},
        Case{"TV3003", "1 MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"&Save\\tCtrl+O\", 102\n END\nEND\n" + accelerators_ctrl_o,
             "1 MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"&Open\\tCtrl+O\", 101\n END\nEND\n" + accelerators_ctrl_o},
        Case{"TV3101", "1 ACCELERATORS\nBEGIN\n  \"O\", 101, VIRTKEY, CONTROL\n  \"^O\", 102\nEND\n",
             "1 ACCELERATORS\nBEGIN\n  \"O\", 101, VIRTKEY, CONTROL\n  \"O\", 102, VIRTKEY, CONTROL, SHIFT\n  \"o\", 103\nEND\n"},
        Case{"TV4001",
             dialog("1", "") + dialog("2", "") + "LANGUAGE 7, 1\n" + dialog("1", ""),
             dialog("1", "") + dialog("2", "") + "LANGUAGE 7, 1\n" + dialog("1", "") + dialog("2", "")},
        Case{"TV4002", "STRINGTABLE\nBEGIN\n 1 \"One\"\n 2 \"Two\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Eins\"\nEND\n",
             "STRINGTABLE\nBEGIN\n 1 \"One\"\n 2 \"Two\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Eins\"\n 2 \"Zwei\"\nEND\n"},
        Case{"TV4003", "STRINGTABLE\nBEGIN\n 1 \"%s has %d files\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"%d Dateien hat %s\"\nEND\n",
             // Numbered placeholders may change places.
             "STRINGTABLE\nBEGIN\n 1 \"%1 has %2!d! files, 100%%\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n"
             " 1 \"%2!d! Dateien hat %1, 100%%\"\nEND\n"},
        Case{"TV4004", "STRINGTABLE\nBEGIN\n 1 \"&Open\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Öffnen\"\nEND\n",
             "STRINGTABLE\nBEGIN\n 1 \"&Open\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Ö&ffnen && mehr\"\nEND\n"},
        Case{"TV4005", "STRINGTABLE\nBEGIN\n 1 \"Open\\tCtrl+O\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Öffnen\"\nEND\n",
             "STRINGTABLE\nBEGIN\n 1 \"Open\\tCtrl+O\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Öffnen\\tStrg+O\"\nEND\n"},
        Case{"TV4006", "STRINGTABLE\nBEGIN\n 1 \"One\\nTwo\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Eins Zwei\"\nEND\n",
             "STRINGTABLE\nBEGIN\n 1 \"One\\nTwo\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Eins\\nZwei\"\nEND\n"},
        Case{"TV4007", "STRINGTABLE\nBEGIN\n 1 \"Name \"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Name\"\nEND\n",
             "STRINGTABLE\nBEGIN\n 1 \" Name \"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \" Name \"\nEND\n"},
        Case{"TV4008", "STRINGTABLE\nBEGIN\n 1 \"Save as...\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Speichern unter\"\nEND\n",
             "STRINGTABLE\nBEGIN\n 1 \"Name:\"\nEND\nLANGUAGE 12, 1\nSTRINGTABLE\nBEGIN\n 1 \"Nom :\"\nEND\n"},
        // Chinese, Japanese and Korean dialogs may take a larger font.
        Case{"TV4009",
             dialog("1", "") + "LANGUAGE 7, 1\n" + "1 DIALOGEX 0, 0, 200, 100\nFONT 9, \"MS Shell Dlg\"\nBEGIN\nEND\n",
             dialog("1", "") + "LANGUAGE 17, 1\n" + "1 DIALOGEX 0, 0, 200, 100\nFONT 9, \"MS Shell Dlg\"\nBEGIN\nEND\n"},
        Case{"TV4009",
             dialog("1", "EDITTEXT 10, 10, 10, 50, 14\n") + "LANGUAGE 7, 1\n" + dialog("1", "EDITTEXT 11, 10, 10, 50, 14\n"),
             // Positions and sizes may differ.
             dialog("1", "EDITTEXT 10, 10, 10, 50, 14\n") + "LANGUAGE 7, 1\n" + dialog("1", "EDITTEXT 10, 12, 10, 60, 14\n")},
        Case{"TV5001",
             "1 VERSIONINFO\nFILEVERSION 1,2,3,4\nPRODUCTVERSION 1,2,0,0\nBEGIN\n BLOCK \"StringFileInfo\"\n BEGIN\n"
             "  BLOCK \"040904b0\"\n  BEGIN\n   VALUE \"FileVersion\", \"1.2.3.5\"\n  END\n END\nEND\n",
             "1 VERSIONINFO\nFILEVERSION 1,2,3,4\nPRODUCTVERSION 1,2,0,0\nBEGIN\n BLOCK \"StringFileInfo\"\n BEGIN\n"
             "  BLOCK \"040904b0\"\n  BEGIN\n   VALUE \"FileVersion\", \"1, 2, 3, 4\"\n   VALUE \"ProductVersion\", \"1.2 beta\"\n"
             "  END\n END\nEND\n"},
        Case{"TV5002",
             "1 VERSIONINFO\nBEGIN\n BLOCK \"StringFileInfo\"\n BEGIN\n  BLOCK \"040904b0\"\n  BEGIN\n   VALUE \"A\", \"a\"\n"
             "  END\n END\n BLOCK \"VarFileInfo\"\n BEGIN\n  VALUE \"Translation\", 0x409, 1252\n END\nEND\n",
             "1 VERSIONINFO\nBEGIN\n BLOCK \"StringFileInfo\"\n BEGIN\n  BLOCK \"040904b0\"\n  BEGIN\n   VALUE \"A\", \"a\"\n"
             "  END\n END\n BLOCK \"VarFileInfo\"\n BEGIN\n  VALUE \"Translation\", 0x409, 1200\n END\nEND\n"},
        Case{"TV6001", "STRINGTABLE\nBEGIN\n IDS_A \"a\"\nEND\n", "STRINGTABLE\nBEGIN\n IDS_A \"a\"\nEND\n",
             "#define IDS_A 100\n#define IDS_B (101)\n#define IDS_A 0x65\n",
             // The same value twice is no fault, nor are two values in two branches of one #if.
             "#define IDS_A 100\n#define IDS_B (101)\n#define IDS_A (0x64)\n"
             "#ifdef BIG\n#define IDS_C 1\n#else\n#define IDS_C 2\n#endif\n"}),
    [](const ::testing::TestParamInfo<Case>& info) {
        return std::string(info.param.check) + "_" + std::to_string(info.index);
    });

// The rules' edges: what the checks leave alone on purpose and what they must still see.
INSTANTIATE_TEST_SUITE_P(
    Edges, EveryCheck,
    ::testing::Values(
        // A drop-down combo box's list and a hidden control are no overlap; a simple combo box's
        // list is.
        Case{"TV1001",
             dialog("1", "COMBOBOX 10, 10, 10, 80, 60, 0x0001\nEDITTEXT 11, 10, 30, 80, 14\n"),
             dialog("1", "COMBOBOX 10, 10, 10, 80, 60, 0x0003\nEDITTEXT 11, 10, 30, 80, 14\n"
                         "CONTROL \"\", 12, \"Edit\", NOT WS_VISIBLE, 10, 30, 80, 14\n")},
        // A hidden control may lie outside.
        Case{"TV1002", dialog("1", "EDITTEXT 10, -5, 10, 50, 14\n"),
             dialog("1", "CONTROL \"\", 10, \"Edit\", NOT WS_VISIBLE, 250, 10, 50, 14\n")},
        // Statics without prefix processing show '&' as it is.
        Case{"TV1003", dialog("1", "LTEXT \"&Name\", -1, 10, 10, 40, 8\nEDITTEXT 10, 60, 10, 50, 14\n"
                                   "PUSHBUTTON \"&New\", 11, 10, 30, 50, 14\n"),
             dialog("1", "LTEXT \"&Name\", -1, 10, 10, 40, 8, 0x80\nPUSHBUTTON \"&New\", 11, 10, 30, 50, 14\n")},
        // Labels between the buttons keep them one group; a focusable control before them does not.
        Case{"TV1004",
             dialog("1", "AUTORADIOBUTTON \"One\", 11, 10, 30, 50, 10, WS_GROUP\nEDITTEXT 13, 70, 30, 50, 14\n"
                         "AUTORADIOBUTTON \"Two\", 12, 10, 42, 50, 10\n"),
             dialog("1", "AUTORADIOBUTTON \"One\", 11, 10, 30, 50, 10, WS_GROUP\nLTEXT \"x\", -1, 70, 30, 20, 8\n"
                         "AUTORADIOBUTTON \"Two\", 12, 10, 42, 50, 10\nPUSHBUTTON \"OK\", 1, 10, 60, 50, 14, WS_GROUP\n")},
        // Push buttons keep a margin around their text; ellipsis statics cut their text by design.
        Case{"TV2001", dialog("1", "PUSHBUTTON \"Customer\", 10, 10, 10, 28, 14\n"),
             dialog("1", "PUSHBUTTON \"Customer\", 10, 10, 10, 36, 14\n"
                         "LTEXT \"Customer name and address\", -1, 10, 30, 30, 8, 0x4000\n")},
        // A group box's caption needs its indent; a text in a face with no packaged font is not measured.
        Case{"TV2001", dialog("1", "GROUPBOX \"Customer name\", 10, 10, 10, 46, 40\n"),
             "1 DIALOGEX 0, 0, 200, 100\nFONT 8, \"Some Face\"\nBEGIN\nGROUPBOX \"Customer name\", 10, 10, 10, 46, 40\nEND\n"},
        // A string missing in German is no fault while Swiss German has it.
        Case{"TV4002", "STRINGTABLE\nBEGIN\n 1 \"One\"\n 2 \"Two\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Eins\"\nEND\n",
             "STRINGTABLE\nBEGIN\n 1 \"One\"\n 2 \"Two\"\n 3 \"Three\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Eins\"\nEND\n"
             "LANGUAGE 7, 2\nSTRINGTABLE\nBEGIN\n 2 \"Zwei\"\n 3 \"Drei\"\nEND\n"},
        // Menu items are compared by command, popups by place.
        Case{"TV4004",
             "1 MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"&Open\", 101\n END\nEND\nLANGUAGE 7, 1\n"
             "1 MENU\nBEGIN\n POPUP \"Datei\"\n BEGIN\n  MENUITEM \"\u00d6&ffnen\", 101\n END\nEND\n",
             "1 MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM \"&Open\", 101\n END\nEND\nLANGUAGE 7, 1\n"
             "1 MENU\nBEGIN\n POPUP \"&Datei\"\n BEGIN\n  MENUITEM \"\u00d6&ffnen\", 101\n END\nEND\n"},
        // Dialog captions and control texts are compared with the base dialog's.
        Case{"TV4008",
             dialog("1", "LTEXT \"Name:\", -1, 10, 10, 40, 8\n") + "LANGUAGE 7, 1\n" + dialog("1", "LTEXT \"Name\", -1, 10, 10, 40, 8\n"),
             dialog("1", "LTEXT \"Name:\", -1, 10, 10, 40, 8\n") + "LANGUAGE 7, 1\n" + dialog("1", "LTEXT \"Name:\", -1, 10, 10, 50, 8\n")},
        // A translation list spelled with macros is not read; one with decimal numbers is.
        Case{"TV5002",
             "1 VERSIONINFO\nBEGIN\n BLOCK \"StringFileInfo\"\n BEGIN\n  BLOCK \"040904b0\"\n  BEGIN\n   VALUE \"A\", \"a\"\n"
             "  END\n END\n BLOCK \"VarFileInfo\"\n BEGIN\n  VALUE \"Translation\", 1033, 1200, 1031, 1200\n END\nEND\n",
             "#define LANG 0x409\n1 VERSIONINFO\nBEGIN\n BLOCK \"StringFileInfo\"\n BEGIN\n  BLOCK \"040904b0\"\n  BEGIN\n"
             "   VALUE \"A\", \"a\"\n  END\n END\n BLOCK \"VarFileInfo\"\n BEGIN\n  VALUE \"Translation\", LANG, 1252\n END\nEND\n"}),
    [](const ::testing::TestParamInfo<Case>& info) {
        return std::string(info.param.check) + "_" + std::to_string(info.index);
    });

TEST(FindingPlace, ControlsAndStringsGetTheirOwnLines) {
    const std::size_t prelude_lines = static_cast<std::size_t>(std::count(prelude, prelude + std::strlen(prelude), '\n'));
    const Checked dialog_findings = check_script(dialog("1",
                                                        "EDITTEXT 1001, 10, 10, 50, 14\n"
                                                        "LTEXT \"Customer &name:\", -1, 10, 30, 30, 8\n"
                                                        "EDITTEXT 1001, 10, 50, 50, 14\n"));
    if (texts_measured()) {
        ASSERT_NE(dialog_findings.first("TV2001"), nullptr);
        // The dialog's statement starts after the prelude; its third line is BEGIN.
        EXPECT_EQ(dialog_findings.first("TV2001")->location.line, prelude_lines + 5);
        EXPECT_EQ(dialog_findings.first("TV2001")->location.file.filename(), "app.rc");
    }
    ASSERT_NE(dialog_findings.first("TV1005"), nullptr);
    EXPECT_EQ(dialog_findings.first("TV1005")->location.line, prelude_lines + 6);

    const Checked strings =
        check_script("STRINGTABLE\nBEGIN\n 1 \"One\"\n 2 \"%s\"\nEND\nLANGUAGE 7, 1\nSTRINGTABLE\nBEGIN\n 1 \"Eins\"\n 2 \"%d\"\nEND\n");
    ASSERT_NE(strings.first("TV4003"), nullptr);
    EXPECT_EQ(strings.first("TV4003")->location.line, prelude_lines + 10);
}

TEST(CheckOptionsTest, DisabledChecksAndScalesAreHonoured) {
    if (!texts_measured()) GTEST_SKIP() << "texts are not measured in this build";
    // "Customer name:" is 79 pixels wide in Tahoma 8 at 96 DPI (53 units of 6-pixel base
    // units) and 96 at 120 DPI, where 54 units of 7-pixel base units are 95 pixels.
    const std::string script = dialog("1", "LTEXT \"Customer &name:\", -1, 10, 10, 54, 8\n");
    CheckOptions only_100;
    only_100.scales = {100};
    CheckOptions all_scales;
    // The label fits at 100 % but not at every larger scale, where the base units round apart.
    const Checked at_100 = check_script(script, {}, only_100);
    const Checked everywhere = check_script(script, {}, all_scales);
    EXPECT_EQ(at_100.count("TV2001"), 0u);
    EXPECT_EQ(everywhere.count("TV2001"), 1u);
    CheckOptions disabled;
    disabled.disabled.emplace("TV2001");
    EXPECT_EQ(check_script(script, {}, disabled).count("TV2001"), 0u);
}

}  // namespace
}  // namespace tavorin

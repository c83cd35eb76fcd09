#include "app/config_file.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <string>
#include <vector>

#include "app/config_temp_folder.h"
#include "services/script_template.h"
#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

using testing::ConfigTempFolder;

class ConfigFileTest : public ::testing::Test {
protected:
    ConfigFileTest() { platform.user_language = 0x0407; }

    // Reads `xml` as the configuration file into a fresh session.
    Session& read(std::string_view xml, ConfigSections sections = {}) {
        folder.write("Tavorin.xml", xml);
        read_config(session, paths, sections);
        return session;
    }

    ConfigTempFolder folder;
    AppPaths paths = AppPaths::beside(folder.path());
    ScriptedPlatform platform;
    Session session{platform};
};

// A section that keeps one number in an attribute of its element, and records what it saw.
class CountSection : public ConfigSection {
public:
    CountSection(const char* element, int count, const char* attribute = "count")
        : element_(element), attribute_(attribute), count(count) {}
    const char* element_name() const override { return element_; }
    void read(const tinyxml2::XMLElement* element) override {
        ++reads;
        saw_element = element != nullptr;
        count = read_config_int(element, -1, attribute_);
    }
    void write(tinyxml2::XMLElement& element) const override { element.SetAttribute(attribute_, count); }

    const char* element_;
    const char* attribute_;
    int count;
    int reads = 0;
    bool saw_element = false;
};

std::vector<std::string> child_names(const tinyxml2::XMLElement* parent) {
    std::vector<std::string> names;
    for (auto* e = parent ? parent->FirstChildElement() : nullptr; e; e = e->NextSiblingElement()) names.push_back(e->Name());
    return names;
}

TEST(AppPaths, AreTheFourFixedNamesBesideTheExecutable) {
    const auto paths = AppPaths::beside(std::filesystem::path("/opt/tavorin"));
    EXPECT_EQ(paths.languages_folder, std::filesystem::path("/opt/tavorin/languages"));
    EXPECT_EQ(paths.config_file, std::filesystem::path("/opt/tavorin/Tavorin.xml"));
    EXPECT_EQ(paths.layout_file, std::filesystem::path("/opt/tavorin/Tavorin.layout"));
    EXPECT_EQ(paths.templates_folder, std::filesystem::path("/opt/tavorin/templates"));
}

TEST(ScriptTemplate, DefaultIsTheFourIncludeLinesAnEmptyLineAndTheResources) {
    EXPECT_EQ(default_script_template(),
              u"#include <windows.h>\r\n#include <commctrl.h>\r\n#include <richedit.h>\r\n"
              u"#include \"%RESOURCE_HEADER%\"\r\n\r\n%RESOURCES%");
}

TEST(HeaderName, EmptyMeansResourceHAndLongNamesAreCut) {
    Config config;
    set_header_name(config, u"%barefilename%_res.h");
    EXPECT_EQ(config.header_name, u"%barefilename%_res.h");
    set_header_name(config, u"");
    EXPECT_EQ(config.header_name, u"resource.h");
    set_header_name(config, std::u16string(300, u'h'));
    EXPECT_EQ(config.header_name, std::u16string(259, u'h'));
}

TEST_F(ConfigFileTest, AFileWithOnlyTheRootElementGivesEveryDefault) {
    for (const char* xml : {"<config/>", "<settings></settings>"}) {
        SCOPED_TRACE(xml);
        const Config& config = read(xml).config();
        EXPECT_EQ(config.language, u"English");
        EXPECT_TRUE(config.single_tab_mode);
        EXPECT_EQ(config.header_name, u"resource.h");
        EXPECT_TRUE(config.include_paths.empty());
        EXPECT_TRUE(config.auto_save_layout);
        EXPECT_FALSE(config.maximized);
        EXPECT_TRUE(config.unicode_support);
        EXPECT_EQ(config.unicode_macro, u"TEXT");
        EXPECT_EQ(config.encoding, TextEncoding::ansi);
        EXPECT_EQ(config.default_language, 0x0407);
        EXPECT_FALSE(config.insert_bom);
        EXPECT_TRUE(config.generate_language_statements);
        EXPECT_FALSE(config.generate_dlg_files);
        EXPECT_FALSE(config.pascal);
        EXPECT_FALSE(config.asm_define);
        EXPECT_FALSE(config.dialog_ex);
        EXPECT_FALSE(config.menu_ex);
        EXPECT_TRUE(config.ask_includes);
        EXPECT_EQ(config.resource_header, default_script_template());
        EXPECT_TRUE(config.auto_check_update);
    }
}

void expect_no_file_defaults(const Config& config) {
    EXPECT_EQ(config.language, u"English");
    EXPECT_TRUE(config.single_tab_mode);
    EXPECT_EQ(config.header_name, u"resource.h");
    EXPECT_TRUE(config.auto_save_layout);
    EXPECT_TRUE(config.unicode_support);
    EXPECT_FALSE(config.ask_includes);
    EXPECT_EQ(config.unicode_macro, u"");
    EXPECT_EQ(config.default_language, 0);
    EXPECT_EQ(config.resource_header, default_script_template());
}

TEST_F(ConfigFileTest, WithoutAFileTheProgramDoesNotAskForIncludesAndHasNoMacroOrLanguage) {
    session.config().single_tab_mode = false;
    CountSection section("dialog", 7);
    ConfigSection* sections[] = {&section};
    read_config(session, paths, sections);
    expect_no_file_defaults(session.config());
    EXPECT_EQ(section.reads, 1);
    EXPECT_FALSE(section.saw_element);
}

TEST_F(ConfigFileTest, MalformedFilesAreIgnoredSilently) {
    for (const char* xml : {"<config><singleTabMode value=\"false\"/></confi", "", "<!-- only a comment -->",
                            "not xml at all", "<config><autoCheckUpdate value=\"false\"/>"}) {
        SCOPED_TRACE(xml);
        read(xml);
        expect_no_file_defaults(session.config());
        EXPECT_TRUE(session.config().auto_check_update);
        EXPECT_EQ(session.log().entries().size(), 0u);
        EXPECT_TRUE(platform.questions.empty());
    }
}

TEST_F(ConfigFileTest, BooleansAreTrueOnlyForTrueInAnyCase) {
    const Config& config = read(R"(<config>
        <singleTabMode value="TRUE"/>
        <display><autoSaveLayout value="yes"/><maximized value="True"/></display>
        <codeGeneration><insertBom value="1"/><pascal value="tRuE"/><generateLanguageStatements value=""/>
            <dialogEx/></codeGeneration>
        <autoCheckUpdate value="false"/>
    </config>)").config();
    EXPECT_TRUE(config.single_tab_mode);
    EXPECT_FALSE(config.auto_save_layout);
    EXPECT_TRUE(config.maximized);
    EXPECT_FALSE(config.insert_bom);
    EXPECT_TRUE(config.pascal);
    EXPECT_FALSE(config.generate_language_statements);
    EXPECT_FALSE(config.dialog_ex);  // no value: the default
    EXPECT_FALSE(config.auto_check_update);
}

TEST_F(ConfigFileTest, SingleTabModeFalseIsRead) {
    EXPECT_FALSE(read(R"(<config><singleTabMode value="false"/></config>)").config().single_tab_mode);
}

TEST_F(ConfigFileTest, AnEmptyHeaderNameMeansResourceH) {
    EXPECT_EQ(read("<config><headerName></headerName></config>").config().header_name, u"resource.h");
    EXPECT_EQ(read("<config><headerName/></config>").config().header_name, u"resource.h");
    EXPECT_EQ(read("<config><headerName>%filename%.h</headerName></config>").config().header_name, u"%filename%.h");
}

TEST_F(ConfigFileTest, TheUnicodeMacroKeepsAtMostSixtyCharacters) {
    const std::string macro = "M" + std::string(69, 'x');
    const Config& config =
        read("<config><codeGeneration><unicode support=\"false\" macro=\"" + macro + "\"/></codeGeneration></config>")
            .config();
    EXPECT_FALSE(config.unicode_support);
    EXPECT_EQ(config.unicode_macro, u"M" + std::u16string(59, u'x'));
}

TEST_F(ConfigFileTest, UnicodeSettingsDefaultWithinCodeGeneration) {
    Config config = read("<config><codeGeneration><encoding value=\"2\"/></codeGeneration></config>").config();
    EXPECT_TRUE(config.unicode_support);
    EXPECT_EQ(config.unicode_macro, u"TEXT");
    EXPECT_EQ(config.encoding, TextEncoding::utf8);

    config = read("<config><codeGeneration><unicode macro=\"_T\"/></codeGeneration></config>").config();
    EXPECT_TRUE(config.unicode_support);
    EXPECT_EQ(config.unicode_macro, u"_T");
}

TEST_F(ConfigFileTest, IncludesWithoutPathAreSkippedAndTheOrderIsKept) {
    const Config& config = read(R"(<config><includes>
        <include path="C:\sdk\include"/>
        <include/>
        <include name="not a path"/>
        <include path="..\common"/>
        <other path="ignored"/>
        <include path="C:\z"/>
    </includes></config>)").config();
    EXPECT_EQ(config.include_paths, (std::vector<std::u16string>{u"C:\\sdk\\include", u"..\\common", u"C:\\z"}));
}

TEST_F(ConfigFileTest, NumbersOutsideTheirRangeOrNotNumbersTakeTheDefault) {
    Config config = read(R"(<config><codeGeneration>
        <encoding value="7"/><defaultLanguage value="70000"/></codeGeneration></config>)").config();
    EXPECT_EQ(config.encoding, TextEncoding::ansi);
    EXPECT_EQ(config.default_language, 0x0407);

    config = read(R"(<config><codeGeneration>
        <encoding value="one"/><defaultLanguage value="1033"/></codeGeneration></config>)").config();
    EXPECT_EQ(config.encoding, TextEncoding::ansi);
    EXPECT_EQ(config.default_language, 1033);

    config = read(R"(<config><codeGeneration><encoding value="1"/><defaultLanguage value="0"/></codeGeneration></config>)")
                 .config();
    EXPECT_EQ(config.encoding, TextEncoding::utf16le);
    EXPECT_EQ(config.default_language, 0);
}

TEST_F(ConfigFileTest, TheWrittenFileStartsWithTheCommentThenConfigInTheWrittenOrder) {
    ASSERT_TRUE(write_config(session, paths).ok());
    const std::string text = folder.read("Tavorin.xml");
    EXPECT_EQ(text.rfind("<!--Tavorin configuration file-->\r\n<config>\r\n", 0), 0u) << text;

    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.Parse(text.c_str()), tinyxml2::XML_SUCCESS);
    ASSERT_NE(document.FirstChild()->ToComment(), nullptr);
    const auto* root = document.FirstChildElement();
    EXPECT_STREQ(root->Name(), "config");
    EXPECT_EQ(child_names(root), (std::vector<std::string>{"language", "singleTabMode", "headerName", "includes",
                                                            "display", "codeGeneration", "autoCheckUpdate",
                                                            "updateServer", "webPage", "contactAddress"}));
    EXPECT_EQ(child_names(root->FirstChildElement("display")), (std::vector<std::string>{"autoSaveLayout", "maximized"}));
    EXPECT_EQ(child_names(root->FirstChildElement("codeGeneration")),
              (std::vector<std::string>{"unicode", "encoding", "defaultLanguage", "insertBom",
                                        "generateLanguageStatements", "generateDlgFiles", "pascal", "asmDefine",
                                        "keepScripts", "dialogEx", "menuEx", "askIncludes", "resourceHeader"}));
}

TEST_F(ConfigFileTest, ValuesAreWrittenInTheirFileForms) {
    Config& config = session.config();
    config.include_paths = {u"C:\\one", u"D:\\two"};
    config.encoding = TextEncoding::utf8;
    config.default_language = 0x0809;
    config.maximized = true;
    const std::string text = config_to_xml(config);
    EXPECT_NE(text.find("<language>English</language>"), std::string::npos);
    EXPECT_NE(text.find("<singleTabMode value=\"true\"/>"), std::string::npos);
    EXPECT_NE(text.find("<headerName>resource.h</headerName>"), std::string::npos);
    EXPECT_NE(text.find("<include path=\"C:\\one\"/>\r\n        <include path=\"D:\\two\"/>"), std::string::npos);
    EXPECT_NE(text.find("<maximized value=\"true\"/>"), std::string::npos);
    EXPECT_NE(text.find("<unicode support=\"true\" macro=\"TEXT\"/>"), std::string::npos);
    EXPECT_NE(text.find("<encoding value=\"2\"/>"), std::string::npos);
    EXPECT_NE(text.find("<defaultLanguage value=\"2057\"/>"), std::string::npos);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "a line break without CR at " << i;
        }
    }
}

TEST_F(ConfigFileTest, TheScriptTemplateIsCdataAndReadsBackWithCrLfLineBreaks) {
    ASSERT_TRUE(write_config(session, paths).ok());
    const std::string text = folder.read("Tavorin.xml");
    EXPECT_NE(text.find("<resourceHeader><![CDATA[#include <windows.h>\r\n#include <commctrl.h>\r\n"
                        "#include <richedit.h>\r\n#include \"%RESOURCE_HEADER%\"\r\n\r\n%RESOURCES%]]></resourceHeader>"),
              std::string::npos)
        << text;

    session.config().resource_header.clear();
    read_config(session, paths);
    EXPECT_EQ(session.config().resource_header, default_script_template());
}

TEST_F(ConfigFileTest, ATemplateHoldingTheCdataEndMarkerSurvives) {
    // "]]>" inside one CDATA section would end it early and spoil the whole file.
    const std::u16string script_template = u"// a]]>b ]]]]>\r\n%RESOURCES%\r\n]]>";
    session.config().resource_header = script_template;
    session.config().menu_ex = true;
    ASSERT_TRUE(write_config(session, paths).ok());

    ScriptedPlatform other_platform;
    Session other(other_platform);
    read_config(other, paths);
    EXPECT_EQ(other.config().resource_header, script_template);
    EXPECT_TRUE(other.config().menu_ex);
}

TEST_F(ConfigFileTest, AnEmptyTemplateStaysEmpty) {
    session.config().resource_header.clear();
    ASSERT_TRUE(write_config(session, paths).ok());
    read_config(session, paths);
    EXPECT_EQ(session.config().resource_header, u"");
}

TEST_F(ConfigFileTest, EverySettingSurvivesWritingAndReading) {
    Config& config = session.config();
    config.language = u"Français";
    config.single_tab_mode = false;
    set_header_name(config, u"%barefilename%_ресурс.h");
    config.include_paths = {u"C:\\Program Files\\SDK & Tools\\\"include\"", u"D:\\日本\\inc", u"<odd>"};
    config.auto_save_layout = false;
    config.maximized = true;
    config.unicode_support = false;
    config.unicode_macro = u"_T";
    config.encoding = TextEncoding::utf16le;
    config.default_language = 0x0C0C;
    config.insert_bom = true;
    config.generate_language_statements = false;
    config.generate_dlg_files = true;
    config.pascal = true;
    config.asm_define = true;
    config.dialog_ex = true;
    config.menu_ex = true;
    config.ask_includes = false;
    config.resource_header = u"#include \"%RESOURCE_HEADER%\"\r\n// ünïcödé & <tags>\r\n\r\n  %RESOURCES%  \r\n";
    config.auto_check_update = false;
    ASSERT_TRUE(write_config(session, paths).ok());

    ScriptedPlatform other_platform;
    Session other(other_platform);
    read_config(other, paths);
    EXPECT_EQ(other.config().language, u"Français");
    EXPECT_EQ(other.config().header_name, u"%barefilename%_ресурс.h");
    EXPECT_EQ(other.config().include_paths, config.include_paths);
    EXPECT_EQ(other.config().resource_header, config.resource_header);
    EXPECT_TRUE(other.config() == config);
}

TEST_F(ConfigFileTest, AFailedWriteIsReturnedAndLeavesNoFile) {
    const AppPaths unwritable = AppPaths::beside(folder.path() / "missing" / "folder");
    EXPECT_FALSE(write_config(session, unwritable).ok());
    EXPECT_FALSE(std::filesystem::exists(unwritable.config_file));
}

// A UTF-16 LE language file with a byte-order mark.
std::vector<std::uint8_t> utf16_file(std::u16string_view text) {
    std::vector<std::uint8_t> bytes{0xFF, 0xFE};
    for (char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return bytes;
}

TEST_F(ConfigFileTest, TheNamedLanguageFileIsInstalled) {
    // Lines 0 and 35 to 37 translated; line 36 left empty keeps its built-in text.
    std::u16string text = u"Links\r\n";
    for (int line = 1; line < 35; ++line) text += u"\r\n";
    text += u"Wahr\r\n\r\nZahl zu gro\u00DF";
    folder.write("languages/Deutsch.txt", utf16_file(text));
    read("<config><language>Deutsch</language></config>");
    EXPECT_EQ(session.config().language, u"Deutsch");
    EXPECT_EQ(session.text(0), u"Links");
    EXPECT_EQ(session.text(35), u"Wahr");
    EXPECT_EQ(session.text(36), u"False");
    EXPECT_EQ(session.text(37), u"Zahl zu gro\u00DF");
    EXPECT_EQ(session.text(174), u"Error");
}

TEST_F(ConfigFileTest, AMissingLanguageFileLeavesTheBuiltInStrings) {
    read("<config><language>Klingon</language></config>");
    EXPECT_EQ(session.config().language, u"Klingon");
    EXPECT_EQ(session.text(0), u"Left");
    EXPECT_EQ(session.text(24), u"Open");
}

TEST_F(ConfigFileTest, DefaultOrNoLanguageKeepsTheBuiltInStrings) {
    folder.write("languages/Default.txt", utf16_file(u"Gauche\r\n"));
    folder.write("languages/English.txt", utf16_file(u"Gauche\r\n"));
    read("<config><language>Default</language></config>");
    EXPECT_EQ(session.config().language, u"English");
    EXPECT_EQ(session.text(0), u"Left");
    read("<config/>");
    EXPECT_EQ(session.text(0), u"Left");
    read("<config><language></language></config>");
    EXPECT_EQ(session.text(0), u"Left");
}

TEST_F(ConfigFileTest, ALanguageNameCannotReachOutsideTheLanguagesFolder) {
    folder.write("outside.txt", utf16_file(u"Gauche\r\n"));
    read("<config><language>../outside</language></config>");
    EXPECT_EQ(session.text(0), u"Left");
    read("<config><language>..\\outside</language></config>");
    EXPECT_EQ(session.text(0), u"Left");
}

TEST_F(ConfigFileTest, RegisteredSectionsReadAndWriteTheirElements) {
    // The designer and the control catalog share the "dialog" element.
    CountSection designer("dialog", 0);
    CountSection catalog("dialog", 0, "overrides");
    CountSection images("imageEditor", 0);
    ConfigSection* sections[] = {&designer, &catalog, &images};

    read(R"(<config><imageEditor count="3"/><dialog count="12" overrides="4"/></config>)", sections);
    EXPECT_TRUE(designer.saw_element);
    EXPECT_EQ(designer.count, 12);
    EXPECT_EQ(catalog.count, 4);
    EXPECT_EQ(images.count, 3);

    read("<config/>", sections);
    EXPECT_FALSE(images.saw_element);
    EXPECT_EQ(images.count, -1);

    designer.count = 5;
    catalog.count = 6;
    images.count = 9;
    ASSERT_TRUE(write_config(session, paths, sections).ok());
    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.Parse(folder.read("Tavorin.xml").c_str()), tinyxml2::XML_SUCCESS);
    const auto names = child_names(document.FirstChildElement());
    ASSERT_EQ(names.size(), 12u);
    EXPECT_EQ(names[6], "autoCheckUpdate");
    EXPECT_EQ(names[7], "dialog");
    EXPECT_EQ(names[8], "imageEditor");
    EXPECT_EQ(names[9], "updateServer");

    CountSection designer_again("dialog", 0);
    CountSection catalog_again("dialog", 0, "overrides");
    CountSection images_again("imageEditor", 0);
    ConfigSection* again[] = {&designer_again, &catalog_again, &images_again};
    read_config(session, paths, again);
    EXPECT_EQ(designer_again.count, 5);
    EXPECT_EQ(catalog_again.count, 6);
    EXPECT_EQ(images_again.count, 9);
}

TEST(ConfigXml, BooleanAndNumberHelpersFollowTheFileConventions) {
    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.Parse(R"(<e a="TRUE" b="no" n="-12" m="12abc" big="99999999999"/>)"), tinyxml2::XML_SUCCESS);
    const auto* e = document.FirstChildElement();
    EXPECT_TRUE(read_config_bool(e, false, "a"));
    EXPECT_FALSE(read_config_bool(e, true, "b"));
    EXPECT_TRUE(read_config_bool(e, true, "missing"));
    EXPECT_FALSE(read_config_bool(nullptr, false));
    EXPECT_EQ(read_config_int(e, 5, "n"), -12);
    EXPECT_EQ(read_config_int(e, 5, "m"), 5);
    EXPECT_EQ(read_config_int(e, 5, "big"), 5);
    EXPECT_EQ(read_config_int(nullptr, 5), 5);
}

TEST(ConfigXml, KeysCountOnlyAtTheirPathBelowTheRoot) {
    const auto config = config_from_xml(R"(<config><menuEx value="true"/><pascal value="true"/>
        <display><codeGeneration><asmDefine value="true"/></codeGeneration></display></config>)", 0x0409);
    ASSERT_TRUE(config.has_value());
    EXPECT_FALSE(config->menu_ex);
    EXPECT_FALSE(config->pascal);
    EXPECT_FALSE(config->asm_define);
    EXPECT_EQ(config->default_language, 0x0409);
    EXPECT_FALSE(config_from_xml("<config>", 0x0409).has_value());
}

}  // namespace
}  // namespace tavorin

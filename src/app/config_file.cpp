#include "app/config_file.h"

#include <cstdint>
#include <span>
#include <utility>
#include <tinyxml2.h>

#include "base/file_io.h"
#include "base/text.h"
#include "base/text_file.h"

namespace tavorin {

namespace {

using tinyxml2::XMLElement;

const XMLElement* child(const XMLElement* parent, const char* name) {
    return parent ? parent->FirstChildElement(name) : nullptr;
}

// XML turns every line break into LF when it is read; the script template is CR LF text.
std::u16string with_crlf_line_breaks(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            out += u"\r\n";
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::u16string with_lf_line_breaks(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            out.push_back(u'\n');
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

// The printer ends its lines with LF alone; the file is for a Windows program.
std::string lf_to_crlf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out.push_back('\r');
        out.push_back(text[i]);
    }
    return out;
}

TextEncoding encoding_from(std::int32_t value) {
    switch (value) {
        case 1: return TextEncoding::utf16le;
        case 2: return TextEncoding::utf8;
        default: return TextEncoding::ansi;
    }
}

std::uint16_t language_from(std::int32_t value, std::uint16_t fallback) {
    return value >= 0 && value <= 0xFFFF ? static_cast<std::uint16_t>(value) : fallback;
}

struct ReadSettings {
    Config config;
    bool language_named = false;  // the file names a language other than "Default"
};

ReadSettings read_settings(const XMLElement& root, std::uint16_t system_language, ConfigSections sections) {
    ReadSettings settings;
    Config& config = settings.config;

    const auto language = read_config_text(root.FirstChildElement("language"));
    if (language && !language->empty() && *language != u"Default") {
        config.language = *language;
        settings.language_named = true;
    }
    config.single_tab_mode = read_config_bool(root.FirstChildElement("singleTabMode"), true);
    set_header_name(config, read_config_text(root.FirstChildElement("headerName")).value_or(u""));

    const auto* includes = root.FirstChildElement("includes");
    for (const auto* include = child(includes, "include"); include; include = include->NextSiblingElement("include")) {
        if (auto path = read_config_attribute(include, "path")) config.include_paths.push_back(std::move(*path));
    }

    const auto* display = root.FirstChildElement("display");
    config.auto_save_layout = read_config_bool(child(display, "autoSaveLayout"), true);
    config.maximized = read_config_bool(child(display, "maximized"), false);

    const auto* generation = root.FirstChildElement("codeGeneration");
    const auto* unicode = child(generation, "unicode");
    config.unicode_support = read_config_bool(unicode, true, "support");
    if (auto macro = read_config_attribute(unicode, "macro")) {
        config.unicode_macro = macro->substr(0, Config::max_unicode_macro);
    }
    config.encoding = encoding_from(read_config_int(child(generation, "encoding"), 0));
    config.default_language =
        language_from(read_config_int(child(generation, "defaultLanguage"), system_language), system_language);
    config.insert_bom = read_config_bool(child(generation, "insertBom"), false);
    config.generate_language_statements = read_config_bool(child(generation, "generateLanguageStatements"), true);
    config.generate_dlg_files = read_config_bool(child(generation, "generateDlgFiles"), false);
    config.pascal = read_config_bool(child(generation, "pascal"), false);
    config.asm_define = read_config_bool(child(generation, "asmDefine"), false);
    config.keep_scripts = read_config_bool(child(generation, "keepScripts"), true);
    config.dialog_ex = read_config_bool(child(generation, "dialogEx"), false);
    config.menu_ex = read_config_bool(child(generation, "menuEx"), false);
    config.ask_includes = read_config_bool(child(generation, "askIncludes"), true);
    if (auto script_template = read_config_text(child(generation, "resourceHeader"))) {
        config.resource_header = with_crlf_line_breaks(*script_template);
    }

    config.auto_check_update = read_config_bool(root.FirstChildElement("autoCheckUpdate"), true);
    for (auto [name, value] : {std::pair{"updateServer", &config.update_server}, std::pair{"webPage", &config.web_page},
                               std::pair{"contactAddress", &config.contact_address}}) {
        auto text = read_config_text(root.FirstChildElement(name));
        if (text && !text->empty()) *value = std::move(*text);
    }

    for (auto* section : sections) section->read(root.FirstChildElement(section->element_name()));
    return settings;
}

// The first element of the document, whatever its name; null when the text is not XML.
const XMLElement* parse_root(tinyxml2::XMLDocument& document, std::string_view xml) {
    if (document.Parse(xml.data(), xml.size()) != tinyxml2::XML_SUCCESS) return nullptr;
    return document.FirstChildElement();
}

void add_text_element(XMLElement& parent, const char* name, std::u16string_view text) {
    parent.InsertNewChildElement(name)->SetText(text_to_utf8(text).c_str());
}

// A CDATA section cannot hold "]]>", so the text is split there into adjacent sections, which
// read back as one text.
void add_cdata_element(XMLElement& parent, const char* name, std::string_view text) {
    auto* element = parent.InsertNewChildElement(name);
    std::size_t start = 0;
    for (;;) {
        const std::size_t marker = text.find("]]>", start);
        const std::size_t end = marker == std::string_view::npos ? text.size() : marker + 2;
        element->InsertNewText(std::string(text.substr(start, end - start)).c_str())->SetCData(true);
        if (marker == std::string_view::npos) break;
        start = end;
    }
}

// A language name comes from the file and becomes part of a path: only a plain file name in
// the languages folder is accepted.
bool is_plain_file_name(std::u16string_view name) {
    return !name.empty() && name != u"." && name != u".." && name.find_first_of(u"/\\:") == std::u16string_view::npos;
}

}  // namespace

bool install_language_file(Session& session, const std::filesystem::path& languages_folder) {
    const std::u16string& name = session.config().language;
    if (!is_plain_file_name(name)) return false;
    const auto ansi = [&session](std::string_view bytes) { return session.platform().ansi_to_text(bytes); };
    const auto file = read_text_file(languages_folder / std::filesystem::path(name + u".txt"), ansi);
    if (file) session.strings().install_language_text(file->text);
    return file.ok();
}

Config config_without_file() {
    Config config;
    config.ask_includes = false;
    config.unicode_macro.clear();
    config.default_language = 0;
    return config;
}

std::optional<Config> config_from_xml(std::string_view xml, std::uint16_t system_language, ConfigSections sections) {
    tinyxml2::XMLDocument document;
    const auto* root = parse_root(document, xml);
    if (!root) return std::nullopt;
    return read_settings(*root, system_language, sections).config;
}

std::string config_to_xml(const Config& config, ConfigSections sections) {
    tinyxml2::XMLDocument document;
    document.InsertEndChild(document.NewComment("Tavorin configuration file"));
    auto& root = *document.NewElement("config");
    document.InsertEndChild(&root);

    add_text_element(root, "language", config.language);
    write_config_bool(root, "singleTabMode", config.single_tab_mode);
    add_text_element(root, "headerName", config.header_name);

    auto& includes = *root.InsertNewChildElement("includes");
    for (const auto& path : config.include_paths) set_config_attribute(*includes.InsertNewChildElement("include"), "path", path);

    auto& display = *root.InsertNewChildElement("display");
    write_config_bool(display, "autoSaveLayout", config.auto_save_layout);
    write_config_bool(display, "maximized", config.maximized);

    auto& generation = *root.InsertNewChildElement("codeGeneration");
    auto& unicode = *generation.InsertNewChildElement("unicode");
    unicode.SetAttribute("support", config_bool_text(config.unicode_support));
    set_config_attribute(unicode, "macro", config.unicode_macro);
    write_config_int(generation, "encoding", static_cast<std::int32_t>(config.encoding));
    write_config_int(generation, "defaultLanguage", config.default_language);
    write_config_bool(generation, "insertBom", config.insert_bom);
    write_config_bool(generation, "generateLanguageStatements", config.generate_language_statements);
    write_config_bool(generation, "generateDlgFiles", config.generate_dlg_files);
    write_config_bool(generation, "pascal", config.pascal);
    write_config_bool(generation, "asmDefine", config.asm_define);
    write_config_bool(generation, "keepScripts", config.keep_scripts);
    write_config_bool(generation, "dialogEx", config.dialog_ex);
    write_config_bool(generation, "menuEx", config.menu_ex);
    write_config_bool(generation, "askIncludes", config.ask_includes);
    // Written with LF line breaks like the rest of the document; all of them become CR LF below.
    add_cdata_element(generation, "resourceHeader", text_to_utf8(with_lf_line_breaks(config.resource_header)));

    write_config_bool(root, "autoCheckUpdate", config.auto_check_update);

    for (const auto* section : sections) {
        auto* element = root.FirstChildElement(section->element_name());
        if (!element) element = root.InsertNewChildElement(section->element_name());
        section->write(*element);
    }
    // The addresses of the Help menu and the update server follow everything else.
    add_text_element(root, "updateServer", config.update_server);
    add_text_element(root, "webPage", config.web_page);
    add_text_element(root, "contactAddress", config.contact_address);

    tinyxml2::XMLPrinter printer;
    document.Print(&printer);
    return lf_to_crlf(printer.CStr());
}

void read_config(Session& session, const AppPaths& paths, ConfigSections sections) {
    tinyxml2::XMLDocument document;
    const XMLElement* root = nullptr;
    if (const auto bytes = read_file_bytes(paths.config_file)) {
        root = parse_root(document, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    }
    if (!root) {
        session.config() = config_without_file();
        for (auto* section : sections) section->read(nullptr);
        return;
    }
    auto settings = read_settings(*root, session.platform().default_language_id(), sections);
    session.config() = std::move(settings.config);
    if (settings.language_named) install_language_file(session, paths.languages_folder);
}

Status write_config(const Session& session, const AppPaths& paths, ConfigSections sections) {
    const std::string xml = config_to_xml(session.config(), sections);
    return write_file_atomically(paths.config_file,
                                 std::span(reinterpret_cast<const std::uint8_t*>(xml.data()), xml.size()));
}

}  // namespace tavorin

#include "script/statement_reader.h"

#include <optional>
#include <string_view>

#include "services/string_ids.h"
#include "base/fingerprint.h"
#include "base/text.h"
#include "model/custom_types.h"
#include "resources/image/resource_file_path.h"
#include "resources/rawdata/raw_data_resource.h"
#include "dialog/dialog.h"
#include "dialog/dialog_fingerprint.h"
#include "script/accelerator_statement.h"
#include "script/char_class.h"
#include "script/file_statement.h"
#include "script/reader_messages.h"
#include "script/string_table_statement.h"

namespace tavorin {

namespace {

bool is_name_end(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0; }

std::u16string_view trimmed(std::u16string_view text) {
    const auto first = text.find_first_not_of(u" \t\r\n");
    if (first == std::u16string_view::npos) return {};
    const auto last = text.find_last_not_of(u" \t\r\n");
    return text.substr(first, last - first + 1);
}

// The script writer names the sublanguage even when no header gave names ("LANGUAGE 9,
// SUBLANG_DEFAULT"), so these three must read back without the SDK headers.
std::optional<std::uint32_t> written_sublanguage(std::u16string_view name) {
    if (name == u"SUBLANG_NEUTRAL") return 0;
    if (name == u"SUBLANG_DEFAULT") return 1;
    if (name == u"SUBLANG_SYS_DEFAULT") return 2;
    return std::nullopt;
}

}  // namespace

StatementLoop::StatementLoop(Workspace& workspace, ScriptTables& tables, ImageNumbers& image_numbers,
                             std::filesystem::path script_folder)
    : workspace_(workspace), tables_(tables), image_numbers_(image_numbers), script_folder_(std::move(script_folder)) {}

std::filesystem::path StatementLoop::resolve_file_name(std::u16string_view name) const {
    return resolve_resource_path(name, script_folder_);
}

Error StatementLoop::fail(std::size_t pos, std::u16string message) {
    own_failure_ = OwnFailure{pos, message};
    return Error{std::move(message)};
}

// The error is the statement's own when fail() made it; anything else comes from the lexer.
ReadFailure StatementLoop::failure(const std::u16string& message) const {
    const bool own = own_failure_ && own_failure_->message == message;
    const std::size_t pos = own ? own_failure_->position : lexer_->failure_position();
    if (script_->output.sources.empty()) return ReadFailure{message, file_, lexer_->line_of(pos), false};
    // The place in the file the text came from: an included script names its own file.
    const SourceMap::Location location = script_->output.sources.locate(pos, script_->output.text);
    return ReadFailure{message, script_->files.at(location.file), location.line, false};
}

SourceRange StatementLoop::source_range(std::size_t begin, std::size_t end) const {
    const SourceMap& sources = script_->output.sources;
    if (sources.empty() || end <= begin) return SourceRange{0, 0, 0, false};
    const SourceMap::Location first = sources.place(begin);
    const SourceMap::Location last = sources.place(end - 1);
    SourceRange range;
    range.file = origin_files_.at(first.file);
    range.begin = first.offset;
    range.end = last.expanded ? last.call_end : last.offset + 1;
    // A statement made by one macro call cannot be replaced without replacing the call.
    const bool one_call = first.expanded && last.expanded && first.segment == last.segment;
    range.replaceable = first.file == last.file && !one_call && range.end > range.begin;
    if (first.file != last.file) range.end = range.begin;
    return range;
}

void StatementLoop::record_origin(Resource* resource, std::size_t begin, std::size_t end, std::uint16_t language_before) {
    if (resource == nullptr || script_ == nullptr || script_->output.sources.empty()) return;
    StatementOrigin origin;
    origin.range = source_range(begin, end);
    origin.kind = resource->kind();
    origin.language = language_before;
    origin.resource_language = resource->language();
    origin.strings = std::move(strings_read_);
    strings_read_.clear();
    if (const auto* dialog = dynamic_cast<const Dialog*>(resource); dialog != nullptr && !parts_read_.empty() &&
        parts_read_.size() == dialog->controls().size() + 1) {
        origin.parts.push_back(PartOrigin{source_range(begin, parts_read_[0].first), dialog_header_fingerprint(*dialog)});
        for (std::size_t i = 0; i < dialog->controls().size(); ++i) {
            const auto [part_begin, part_end] = parts_read_[i + 1];
            origin.parts.push_back(PartOrigin{source_range(part_begin, part_end), control_fingerprint(*dialog->controls()[i])});
        }
    }
    parts_read_.clear();
    if (resource->kind() != kind::string_table) {
        resource->identity().origin = static_cast<std::int32_t>(origins_.statements.size());
    }
    origins_.statements.push_back(std::move(origin));
}

void StatementLoop::note_string(std::u16string_view identifier, std::u16string_view text, std::int32_t value,
                                std::size_t begin, std::size_t text_begin, std::size_t end) {
    if (script_ == nullptr || script_->output.sources.empty()) return;
    strings_read_.push_back(StringOrigin{std::u16string(identifier), text_fingerprint(text), value,
                                         source_range(begin, end), source_range(text_begin, end)});
}

// Statements follow each other line by line: each starts on a line of its own after the end
// of the previous one.
ReadStatus StatementLoop::read_statements(const ScriptFile& script) {
    Lexer lexer(script.output.text, tables_.macros, workspace_.strings(), &script.output.positions, ReaderMode::parsing);
    file_ = script.path;
    lexer_ = &lexer;
    script_positions_ = &script.output.positions;
    script_ = &script;
    origin_files_.clear();
    for (const auto& path : script.files) {
        std::uint32_t index = 0;
        while (index < origins_.files.size() && origins_.files[index].path != path) ++index;
        if (index == origins_.files.size()) {
            OriginFile file;
            file.path = path;
            origins_.files.push_back(std::move(file));
        }
        origin_files_.push_back(index);
    }
    for (const DirectiveMark& mark : script.output.directives) {
        origins_.files[origin_files_.at(mark.file)].directives.push_back(mark.offset);
    }
    ReadStatus status;
    std::size_t pos = 0;
    for (;;) {
        pos = lexer.skip_blanks(lexer.skip_to_line_end(pos));
        if (lexer.at_end(pos)) break;
        own_failure_.reset();
        auto next = read_statement(pos);
        if (!next) {
            status = failure(next.error());
            break;
        }
        pos = *next;
    }
    started_.reset();
    if (!origin_files_.empty() && origin_files_.front() == 0) {
        origins_.end_language = workspace_.project().current_language();
    }
    lexer_ = nullptr;
    script_positions_ = nullptr;
    script_ = nullptr;
    return status;
}

Result<std::size_t> StatementLoop::read_language_statements(std::size_t pos) {
    while (const auto after = lexer_->keyword(pos, u"LANGUAGE")) {
        auto primary = lexer_->expression(*after);
        if (!primary) return Error{primary.error()};
        auto comma = lexer_->expect(primary->end, u',');
        if (!comma) return Error{comma.error()};
        const std::size_t sub_start = lexer_->skip_blanks(*comma);
        std::size_t sub_end = sub_start;
        while (is_identifier_char(lexer_->at(sub_end))) ++sub_end;
        const std::u16string_view sub_name = lexer_->text().substr(sub_start, sub_end - sub_start);
        std::optional<std::uint32_t> sub_value;
        if (!macros().is_defined(sub_name)) sub_value = written_sublanguage(sub_name);
        if (!sub_value) {
            auto sub = lexer_->expression(*comma);
            if (!sub) return Error{sub.error()};
            sub_value = sub->value.value;
            sub_end = sub->end;
        }
        const auto language = static_cast<std::uint16_t>((*sub_value << 10) | primary->value.value);
        workspace_.project().set_current_language(language);
        pos = sub_end;
    }
    return pos;
}

Result<std::size_t> StatementLoop::read_statement(std::size_t pos) {
    header_ = ResourceHeader{};
    extended_ = false;
    started_.reset();
    started_name_taken_ = false;

    auto after_languages = read_language_statements(pos);
    if (!after_languages) return after_languages;
    pos = lexer_->skip_blanks(*after_languages);
    if (lexer_->at_end(pos)) return pos;

    // A LANGUAGE statement among a resource's own statements is that resource's alone, as
    // compilers read it; the script's language goes on after the resource.
    Project& project = workspace_.project();
    const std::uint16_t script_language = project.current_language();
    const std::size_t statement_start = pos;
    parts_read_.clear();
    if (const auto after = lexer_->keyword(pos, u"STRINGTABLE")) {
        strings_read_.clear();
        auto end = read_string_table(*this, *after);
        if (end) record_origin(project.string_table(project.current_language()), statement_start, *end, script_language);
        project.set_current_language(script_language);
        return end;
    }

    auto after_name = read_header(pos);
    if (!after_name) return after_name;
    auto end = read_typed_statement(*after_name);
    if (!end) {
        started_.reset();
        return end;
    }
    if (started_name_taken_) {
        const std::uint16_t language = started_->language();
        started_.reset();
        return fail(header_.position, duplicate_resource(header_.name, language));
    }
    record_origin(finish_resource(), statement_start, *end, script_language);
    project.set_current_language(script_language);
    return end;
}

namespace {

// A numeric name or type is a 16-bit ordinal; the error when the number does not fit.
std::optional<Error> refuse_ordinal(StatementContext& context, std::size_t pos, const ScannedNumber& number,
                                    std::u16string_view digits) {
    if (number.too_large) return context.fail(pos, number_too_large(digits));
    if (number.value > 0xFFFF) return context.fail(pos, value_out_of_range(digits, number.value, 0, 0xFFFF));
    return std::nullopt;
}

}  // namespace

// NAME: a number followed by white space is a numeric name, which takes back the name of the
// macro it was expanded from; anything else up to the next white space is a string name.
Result<std::size_t> StatementLoop::read_header(std::size_t pos) {
    const std::u16string_view text = lexer_->text();
    const std::size_t start = lexer_->skip_blanks(pos);
    header_.position = start;

    if (const auto number = lexer_->number(start); number && is_name_end(lexer_->at(number->end))) {
        const std::u16string_view digits = text.substr(start, number->end - start);
        if (auto refused = refuse_ordinal(*this, start, *number, digits)) return *refused;
        header_.name = digits;
        header_.wanted_value = static_cast<std::uint16_t>(number->value);
        if (const auto mention = script_positions_ ? script_positions_->mention_at(start) : std::nullopt) {
            const std::u16string* value = tables_.macros.value(mention->name);
            if (value != nullptr && trimmed(*value) == digits) header_.name = mention->name;
        }
        return number->end;
    }

    std::size_t end = start;
    while (!is_name_end(lexer_->at(end))) {
        const char16_t c = text[end];
        if (c == u'@' || c == u'`') return fail(end, character_unexpected(workspace_.strings(), c));
        ++end;
    }
    header_.name = text.substr(start, end - start);
    header_.string_name = true;
    return end;
}

Result<std::size_t> StatementLoop::read_typed_statement(std::size_t pos) {
    Lexer& lexer = *lexer_;
    if (const auto after = lexer.keyword(pos, u"DLGINIT")) return read_dlginit(*after);
    if (const auto after = lexer.keyword(pos, u"TOOLBAR")) return read_toolbar(*this, *after);
    if (const auto after = lexer.keyword(pos, u"ACCELERATORS")) return read_accelerators(*this, *after);
    if (const auto after = lexer.keyword(pos, u"DIALOG")) return read_dialog(*this, *after);
    if (const auto after = lexer.keyword(pos, u"DIALOGEX")) {
        extended_ = true;
        return read_dialog(*this, *after);
    }
    if (const auto after = lexer.keyword(pos, u"MENUEX")) {
        extended_ = true;
        return read_menu(*this, *after);
    }
    if (const auto after = lexer.keyword(pos, u"MENU")) return read_menu(*this, *after);
    if (const auto after = lexer.keyword(pos, u"BITMAP")) return read_file_statement(*this, *after, kind::bitmap);
    if (const auto after = lexer.keyword(pos, u"ICON")) return read_file_statement(*this, *after, kind::icon);
    if (const auto after = lexer.keyword(pos, u"CURSOR")) return read_file_statement(*this, *after, kind::cursor);
    if (const auto after = lexer.keyword(pos, u"RT_MANIFEST")) {
        return read_file_statement(*this, *after, kind::manifest);
    }
    if (const auto after = lexer.keyword(pos, u"HTML")) return read_file_statement(*this, *after, kind::html);
    if (const auto after = lexer.keyword(pos, u"VERSIONINFO")) return read_version_information(*this, *after);
    // The predefined types compilers know by these words: RT_MESSAGETABLE and RT_RCDATA.
    if (const auto after = lexer.keyword(pos, u"MESSAGETABLE")) {
        return read_file_statement(*this, *after, numeric_custom_kind(11));
    }
    if (const auto after = lexer.keyword(pos, u"RCDATA")) {
        return read_file_statement(*this, *after, numeric_custom_kind(10));
    }

    // A custom type: a number (23 and 24 are the HTML and manifest types) or a word.
    const std::u16string_view text = lexer.text();
    const std::size_t start = lexer.skip_blanks(pos);
    if (const auto number = lexer.number(start); number && is_name_end(lexer.at(number->end))) {
        if (auto refused = refuse_ordinal(*this, start, *number, text.substr(start, number->end - start))) return *refused;
        const auto type = static_cast<std::uint16_t>(number->value);
        if (type == resource_type::html) return read_file_statement(*this, number->end, kind::html);
        if (type == resource_type::manifest) return read_file_statement(*this, number->end, kind::manifest);
        return read_file_statement(*this, number->end, numeric_custom_kind(type));
    }
    std::size_t end = start;
    while (!is_name_end(lexer.at(end))) {
        const char16_t c = text[end];
        if (c == u'@' || c == u'`') return fail(end, character_unexpected(workspace_.strings(), c));
        ++end;
    }
    // Reported on the line of the name rather than wherever the next word is.
    if (end == start) return fail(pos, workspace_.text(str::control_id_expected));
    const std::u16string type_name(text.substr(start, end - start));
    return read_file_statement(*this, end, workspace_.custom_types().kind_for(type_name), type_name);
}

// NAME DLGINIT [LANGUAGE ...] BEGIN ... END: the initial data of a dialog's controls (the
// strings of its combo boxes), kept as raw data of type 240 under the dialog's name.
Result<std::size_t> StatementLoop::read_dlginit(std::size_t pos) {
    auto after_languages = read_language_statements(pos);
    if (!after_languages) return after_languages;
    return read_inline_statement(*this, *after_languages, numeric_custom_kind(dialog_init_type));
}

void StatementLoop::start(std::unique_ptr<Resource> resource) {
    const std::uint16_t language = this->language();
    ResourceIdentity& identity = resource->identity();
    identity.language = language;
    identity.string_name = header_.string_name;

    SymbolTable& symbols = workspace_.symbols();
    auto registered = symbols.register_resource_name(header_.name, identity.kind, header_.string_name,
                                                     header_.wanted_value, language);
    // Another resource of this type and language has the name, or its number: the reading fails
    // once the statement is read.
    started_name_taken_ =
        !registered || (header_.wanted_value && symbols.value_of(*registered) != *header_.wanted_value);
    identity.name = registered ? std::move(*registered) : header_.name;
    started_ = std::move(resource);
}

Resource* StatementLoop::finish_resource() {
    if (!started_) return nullptr;
    const ResourceKind started_kind = started_->kind();
    const std::u16string name = started_->name_text();
    const std::uint16_t language = started_->language();
    Resource* added = workspace_.project().add_resource(std::move(started_));
    if (added == nullptr) {
        // Refused (a second manifest): the name it registered goes with it.
        workspace_.symbols().release_resource_name(name, started_kind, language);
        return nullptr;
    }
    return added;
}

}  // namespace tavorin

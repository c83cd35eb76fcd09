// VERSIONINFO statements:
//
//     name VERSIONINFO [LANGUAGE ...]
//         FILEVERSION 1,0,0,0          fixed statements, any order, any number
//         PRODUCTVERSION 1,0
//         FILEFLAGSMASK 0x3F | FILEFLAGS 0 | FILEOS VOS_NT_WINDOWS32 | FILETYPE VFT_APP | FILESUBTYPE 0
//     BEGIN
//         BLOCK "StringFileInfo"
//         BEGIN
//             BLOCK "040904B0"
//             BEGIN
//                 VALUE "CompanyName", "Example"
//             END
//         END
//         BLOCK "VarFileInfo"
//         BEGIN
//             VALUE "Translation", 0x409, 1200       skipped: the blocks make the list
//         END
//     END

#include "model/workspace.h"
#include "resources/version/version_info.h"
#include "script/lexer.h"
#include "script/statement_hooks.h"

namespace tavorin {

namespace {

class VersionStatement {
public:
    VersionStatement(StatementContext& context, VersionInfo& version)
        : context_(context), lexer_(context.lexer()), version_(version) {}

    Result<std::size_t> read(std::size_t pos) {
        auto fixed = read_fixed_statements(pos);
        if (!fixed) return fixed;
        auto begun = lexer_.begin(*fixed);
        if (!begun) return begun;
        pos = *begun;
        while (true) {
            pos = lexer_.skip_blanks(pos);
            if (lexer_.at(pos) == u'}' || lexer_.keyword(pos, u"END")) return lexer_.end(pos);
            const auto block = lexer_.keyword(pos, u"BLOCK");
            if (!block) return block_expected(pos);
            auto name = lexer_.quoted_text(*block);
            if (!name) return Error{name.error()};
            const bool strings = name->value == u"StringFileInfo";
            if (!strings && name->value != u"VarFileInfo") return block_expected(pos);
            auto read_block = strings ? read_string_file_info(name->end) : skip_var_file_info(name->end);
            if (!read_block) return read_block;
            pos = *read_block;
        }
    }

private:
    Error block_expected(std::size_t pos) {
        return context_.fail(pos, context_.workspace().text(str::block_expected));
    }

    Result<std::size_t> read_fixed_statements(std::size_t pos) {
        constexpr std::pair<std::u16string_view, std::uint32_t FixedVersionInfo::*> numbers[] = {
            {u"FILEFLAGSMASK", &FixedVersionInfo::file_flags_mask}, {u"FILEFLAGS", &FixedVersionInfo::file_flags},
            {u"FILEOS", &FixedVersionInfo::file_os},                {u"FILETYPE", &FixedVersionInfo::file_type},
            {u"FILESUBTYPE", &FixedVersionInfo::file_subtype},
        };
        FixedVersionInfo& fixed = version_.fixed();
        while (true) {
            if (const auto after = lexer_.keyword(pos, u"FILEVERSION")) {
                auto read = read_version(*after, fixed.file_version);
                if (!read) return read;
                pos = *read;
                continue;
            }
            if (const auto after = lexer_.keyword(pos, u"PRODUCTVERSION")) {
                auto read = read_version(*after, fixed.product_version);
                if (!read) return read;
                pos = *read;
                continue;
            }
            bool found = false;
            for (const auto& [word, field] : numbers) {
                const auto after = lexer_.keyword(pos, word);
                if (!after) continue;
                auto value = lexer_.expression(*after);
                if (!value) return Error{value.error()};
                fixed.*field = value->value.value;
                pos = value->end;
                found = true;
                break;
            }
            if (!found) return pos;
        }
    }

    // Up to four parts separated by commas; a missing comma ends the list and the rest are 0.
    Result<std::size_t> read_version(std::size_t pos, VersionNumber& version) {
        version = {};
        for (std::size_t part = 0; part < version.size(); ++part) {
            if (part > 0) {
                const std::size_t comma = lexer_.skip_blanks(pos);
                if (lexer_.at(comma) != u',') break;
                pos = comma + 1;
            }
            auto value = lexer_.word_expression(pos);
            if (!value) return Error{value.error()};
            version[part] = value->value;
            pos = value->end;
        }
        return pos;
    }

    Result<std::size_t> read_string_file_info(std::size_t pos) {
        auto begun = lexer_.begin(pos);
        if (!begun) return begun;
        pos = *begun;
        while (const auto block = lexer_.keyword(pos, u"BLOCK")) {
            auto name = lexer_.quoted_text(*block);
            if (!name) return Error{name.error()};
            const auto translation = parse_block_name(name->value);
            if (!translation) return context_.fail(lexer_.skip_blanks(*block), bad_block_name_message(name->value));
            VersionStringBlock strings{translation->first, translation->second, {}, name->value};
            auto read = read_values(name->end, strings);
            if (!read) return read;
            version_.merge_block(std::move(strings));
            pos = *read;
        }
        return lexer_.end(pos);
    }

    Result<std::size_t> read_values(std::size_t pos, VersionStringBlock& block) {
        auto begun = lexer_.begin(pos);
        if (!begun) return begun;
        pos = *begun;
        while (const auto value = lexer_.keyword(pos, u"VALUE")) {
            auto key = lexer_.quoted_text(*value);
            if (!key) return Error{key.error()};
            auto comma = lexer_.expect(key->end, u',');
            if (!comma) return Error{comma.error()};
            auto text = lexer_.quoted_text(*comma);
            if (!text) return Error{text.error()};
            block.strings.push_back(VersionString{std::move(key->value), std::move(text->value)});
            pos = text->end;
        }
        return lexer_.end(pos);
    }

    Result<std::size_t> skip_var_file_info(std::size_t pos) {
        auto begun = lexer_.begin(pos);
        if (!begun) return begun;
        pos = *begun;
        // VALUE "Translation", language, code page [, ...]: the numbers are made again from
        // the string blocks. They are read one by one, as the statement may share its line
        // with others (a macro that makes a whole VERSIONINFO expands to one line).
        while (const auto value = lexer_.keyword(pos, u"VALUE")) {
            auto key = lexer_.quoted_text(*value);
            if (!key) return Error{key.error()};
            pos = key->end;
            while (true) {
                const std::size_t comma = lexer_.skip_blanks(pos);
                if (lexer_.at(comma) != u',') break;
                auto number = lexer_.expression(comma + 1);
                if (!number) return Error{number.error()};
                pos = number->end;
            }
        }
        return lexer_.end(pos);
    }

    StatementContext& context_;
    Lexer& lexer_;
    VersionInfo& version_;
};

}  // namespace

Result<std::size_t> read_version_information(StatementContext& context, std::size_t pos) {
    auto after_languages = context.read_language_statements(pos);
    if (!after_languages) return after_languages;
    VersionInfo& version = context.start_resource(std::make_unique<VersionInfo>());
    return VersionStatement(context, version).read(*after_languages);
}

}  // namespace tavorin

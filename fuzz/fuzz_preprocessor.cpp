// A whole script reading over arbitrary bytes: the input is written as a script file (which may
// include itself under its own name, "fuzz.rc", or the header beside it) and read with the
// preprocessor; the output of every script is then walked with the lexer's operations.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "app/session.h"
#include "platform/scripted_platform.h"
#include "script/char_class.h"
#include "script/lexer.h"
#include "script/script_reader.h"
#include "fuzz_folder.h"

namespace {

namespace fs = std::filesystem;

void check(bool condition) {
    if (!condition) __builtin_trap();
}

const fs::path& folder() {
    static const tavorin::fuzzing::FuzzFolder instance("tavorin_fuzz");
    static const bool filled = [] {
        std::ofstream(instance.path() / "header.h", std::ios::binary)
            << "#define HEADER_VALUE 5\n#define HEADER_F(a, b) ((a) | (b))\n";
        return true;
    }();
    (void)filled;
    return instance.path();
}

// Every lexer operation at every token the way a statement parser might try them.
void walk(const tavorin::ScriptFile& file, const tavorin::MacroTable& macros, const tavorin::UiStrings& strings) {
    using namespace tavorin;
    Lexer lexer(file.output.text, macros, strings, &file.output.positions);
    const std::size_t size = file.output.text.size();
    std::size_t pos = 0;
    while (true) {
        pos = lexer.skip_blanks(pos);
        if (lexer.at_end(pos)) break;
        const std::size_t before = pos;
        check(lexer.line_of(pos) >= 1);
        if (auto word = lexer.keyword(pos, u"BEGIN")) check(*word <= size);
        (void)lexer.begin(pos);
        (void)lexer.end(pos);
        (void)lexer.expect(pos, u',');
        check(lexer.optional_comma(pos) <= size);
        if (auto text = lexer.quoted_text(pos, u'"', u'"', true)) check(text->end <= size);
        if (auto style = lexer.style_expression(pos)) check(style->end <= size);
        const char16_t c = lexer.at(pos);
        if (c == u'"' || c == u'L') {
            auto text = lexer.string(pos);
            if (text) pos = text->end;
        } else if (is_ascii_digit(c) || c == u'(' || c == u'-' || c == u'~' || c == u'!') {
            auto id = lexer.item_id(pos);
            if (id) pos = id->end;
        } else if (auto word = lexer.identifier(pos)) {
            pos = word->end;
        }
        if (pos == before) ++pos;
        check(pos <= size);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavorin;
    const fs::path script = folder() / "fuzz.rc";
    fuzzing::write_input(script, data, size);
    ScriptedPlatform platform;
    platform.folder = folder();
    Session session(platform);
    ScriptTables tables;
    ScriptReader reader(session.workspace(), tables);
    ReadStatus status = reader.read_script(script, [&](const ScriptFile& file) {
        walk(file, tables.macros, session.strings());
        return ReadStatus{};
    });
    if (!status) check(status.failure().stopped_by_user || !status.failure().message.empty());
    return 0;
}

// Scripts made of the statements the loop reads itself survive a round trip: reading, saving and
// reading again gives the same project, and saving that project again gives the same bytes.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "formats/script_save.h"
#include "resources/accelerator/accelerator_table.h"
#include "resources/stringtable/string_table.h"
#include "statement_harness.h"

namespace tavorin {
namespace {

using testing::ScriptFolder;
using testing::StatementHarness;

// What the SDK's headers would give the script: language names (so that the writer names
// languages by them) and nothing else.
constexpr std::string_view sdk_header =
    "#define LANG_NEUTRAL 0\n#define SUBLANG_NEUTRAL 0\n#define SUBLANG_DEFAULT 1\n"
    "#define LANG_ENGLISH 9\n#define SUBLANG_ENGLISH_US 1\n#define LANG_GERMAN 7\n#define SUBLANG_GERMAN 1\n";

struct GeneratedScript {
    std::string script;
    std::string header;
    std::vector<std::string> files;
};

// A script of string tables, accelerator tables and file-based resources in two or three
// languages, with names from the header, plain numbers and string names.
GeneratedScript generate_script(unsigned seed) {
    std::mt19937 random(seed);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    GeneratedScript out;
    out.script = "#include <windows.h>\n#include \"resource.h\"\n\n";
    int next_value = 200;

    const char* const text_pieces[] = {"Open", " the ", "file", "\\t", "\\n", "\"\"quoted\"\"", "%s", "100%",
                                       "caf\xC3\xA9", "a;b", "x // y", "&Save"};
    const char* const languages[] = {"LANGUAGE 9, 1\n", "LANGUAGE 7, 1\n", ""};
    const char* const keys[] = {"\"A\"", "\"^Q\"", "\"z\"", "VK_F5", "VK_RETURN", "65", "0x2E", "\"7\""};
    const char* const options[] = {"", ", ASCII", ", VIRTKEY", ", VIRTKEY, ALT", ", VIRTKEY, CONTROL, SHIFT",
                                   ", NOINVERT, ALT"};
    const char* const file_kinds[][2] = {{"BITMAP", "bmp"}, {"ICON", "ico"},  {"CURSOR", "cur"},
                                         {"HTML", "htm"},   {"23", "html"},   {"RCDATA", "bin"},
                                         {"MYDATA", "dat"}, {"300", "raw"}};

    for (int block = 0; block < 3; ++block) {
        out.script += languages[pick(3)];
        out.script += "STRINGTABLE\nBEGIN\n";
        for (int i = 0, n = 1 + pick(6); i < n; ++i) {
            std::string text;
            for (int p = 0, pieces = pick(4); p < pieces; ++p) text += text_pieces[pick(12)];
            if (pick(2) == 0) {
                const std::string name = "IDS_S" + std::to_string(seed) + "_" + std::to_string(block) + "_" + std::to_string(i);
                out.header += "#define " + name + " " + std::to_string(next_value++) + "\n";
                out.script += "    " + name + ", \"" + text + "\"\n";
            } else {
                out.script += "    " + std::to_string(next_value++) + " \"" + text + "\"\n";
            }
        }
        out.script += "END\n\n";

        const std::string table = "IDR_KEYS" + std::to_string(block);
        out.header += "#define " + table + " " + std::to_string(next_value++) + "\n";
        out.script += table + " ACCELERATORS\nBEGIN\n";
        for (int i = 0, n = pick(5); i < n; ++i) {
            std::string key = keys[pick(8)];
            std::string option = options[pick(6)];
            // A quoted lower-case letter cannot be a virtual key.
            if (key == "\"z\"" && option.find("VIRTKEY") != std::string::npos) option = ", ASCII";
            // As an ASCII key, VK_RETURN would be a carriage return inside quotes.
            if (key == "VK_RETURN" && option.find("VIRTKEY") == std::string::npos) option = ", VIRTKEY";
            const std::string command = "ID_CMD" + std::to_string(block) + "_" + std::to_string(i);
            out.header += "#define " + command + " " + std::to_string(40000 + next_value++) + "\n";
            out.script += "    " + key + ", " + command + option + "\n";
        }
        out.script += "END\n\n";

        for (int i = 0, n = 1 + pick(4); i < n; ++i) {
            const auto& [keyword, extension] = file_kinds[pick(8)];
            std::string name;
            switch (pick(3)) {
                case 0:
                    name = "IDF_" + std::to_string(block) + "_" + std::to_string(i);
                    out.header += "#define " + name + " " + std::to_string(next_value++) + "\n";
                    break;
                case 1: name = std::to_string(next_value++); break;
                default: name = "file." + std::to_string(block) + "." + std::to_string(i); break;
            }
            const std::string file = "files\\" + std::to_string(block) + "_" + std::to_string(i) + "." + extension;
            out.files.push_back("files/" + std::to_string(block) + "_" + std::to_string(i) + "." + extension);
            std::string escaped = file;
            escaped.replace(escaped.find('\\'), 1, "\\\\");
            out.script += name + " " + keyword + " \"" + escaped + "\"\n";
        }
        out.script += "\n";
    }
    return out;
}

// Everything a reading decides, one line per fact.
std::vector<std::u16string> describe(const Session& session) {
    std::vector<std::u16string> facts;
    for (const auto& resource : session.project().resources()) {
        const ResourceIdentity& id = resource->identity();
        facts.push_back(decimal(id.kind < kind::first_named_custom ? id.kind : 0) + u" " + id.custom_type_name + u" " +
                        id.name + (id.string_name ? u" string " : u" ") + decimal(id.ordinal) + u" " +
                        decimal(id.language) + u" " + resource->content_file());
        if (const auto* table = dynamic_cast<const StringTable*>(resource.get())) {
            for (const StringEntry& entry : table->entries()) {
                facts.push_back(u"  " + entry.identifier + u"=" + decimal(table->value_of(entry)) + u" " + entry.text);
            }
        }
        if (const auto* table = dynamic_cast<const AcceleratorTable*>(resource.get())) {
            for (const AcceleratorEntry& entry : table->entries()) {
                facts.push_back(u"  " + entry.identifier + u"=" + decimal(table->value_of(entry)) + u" " +
                                decimal(static_cast<int>(entry.key.form)) + u" " + decimal(entry.key.code) + u" " +
                                entry.key.name + (entry.alt ? u" alt" : u"") + (entry.control ? u" control" : u"") +
                                (entry.shift ? u" shift" : u""));
            }
        }
    }
    for (const auto& [name, symbol] : session.symbols().symbols()) {
        if (symbol.system) continue;
        facts.push_back(u"symbol " + name + u"=" + decimal(symbol.value) + (symbol.string_name ? u" string" : u""));
    }
    return facts;
}

class ScriptRoundTripTest : public ::testing::TestWithParam<unsigned> {
protected:
    void prepare(StatementHarness& harness) {
        harness.session.config().include_paths = {(sdk.path() / "include").u16string()};
    }

    bool save(StatementHarness& harness, const std::filesystem::path& script, const std::filesystem::path& from) {
        ScriptSave target;
        target.script = script;
        target.header_name = u"resource.h";
        target.as_new = true;
        target.previous_folder = from;
        return save_script(harness.session.workspace(), target) == ScriptSaveResult::saved;
    }

    ScriptFolder sdk;
};

TEST_P(ScriptRoundTripTest, ReadWriteReadGivesTheSameProjectAndTheSameBytes) {
    sdk.write("include/windows.h", sdk_header);
    const GeneratedScript generated = generate_script(GetParam());
    SCOPED_TRACE(generated.script);

    StatementHarness first;
    prepare(first);
    first.folder.write("resource.h", generated.header);
    for (const auto& file : generated.files) first.folder.write(file, "content of " + file);
    ASSERT_TRUE(first.read(generated.script));
    EXPECT_FALSE(first.problems_added);

    ScriptFolder written;
    ASSERT_TRUE(save(first, written.path() / "app.rc", first.folder.path()));

    StatementHarness second;
    prepare(second);
    const ReadStatus reread = second.open(written.path() / "app.rc");
    ASSERT_TRUE(reread) << text_to_utf8(error_report_text(second.session.workspace(), reread.failure()));
    EXPECT_EQ(describe(second.session), describe(first.session));

    ScriptFolder rewritten;
    ASSERT_TRUE(save(second, rewritten.path() / "app.rc", written.path()));
    const auto bytes = [](const std::filesystem::path& path) { return *read_file_bytes(path); };
    EXPECT_EQ(bytes(rewritten.path() / "app.rc"), bytes(written.path() / "app.rc"));
    EXPECT_EQ(bytes(rewritten.path() / "resource.h"), bytes(written.path() / "resource.h"));
    for (const auto& file : generated.files) {
        EXPECT_EQ(bytes(rewritten.path() / file), bytes(first.folder.path() / file)) << file;
    }
}

INSTANTIATE_TEST_SUITE_P(GeneratedScripts, ScriptRoundTripTest, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u));

}  // namespace
}  // namespace tavorin

#pragma once
// Helpers of the compiled-format tests: a session with the tables a compiled reading needs, a
// builder of .res files from records, and resources added the way the readers add them.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/session.h"
#include "base/binary_buffer.h"
#include "formats/compiled_import.h"
#include "formats/writer_test_support.h"
#include "platform/scripted_platform.h"

namespace tavorin::testing {

using Bytes = std::vector<std::uint8_t>;

struct CompiledSession {
    // Interactive, so that the messages reach the platform's questions.
    CompiledSession() { session.set_interactive(true); }

    ScriptedPlatform platform;
    Session session{platform};
    ImageNumbers numbers;
    VirtualKeyNames keys;
    CompiledImportTables tables{numbers, keys};
    TempFolder folder;

    // Adds a resource from compiled bytes, as a reader would.
    void add(NameOrOrdinal type, NameOrOrdinal name, std::uint16_t language, std::span<const std::uint8_t> data) {
        CompiledImport import(session.workspace(), tables);
        EXPECT_TRUE(import.import(CompiledRecord{std::move(type), std::move(name), language, data, std::nullopt, 0, nullptr}));
        import.finish();
    }

    std::vector<std::u16string> asked() const {
        std::vector<std::u16string> texts;
        for (const Question& question : platform.questions) texts.push_back(question.text);
        return texts;
    }
    std::vector<std::u16string> warnings() {
        std::vector<std::u16string> texts;
        for (const LogEntry& entry : session.log().entries()) {
            if (entry.level == LogLevel::warning) texts.push_back(entry.text);
        }
        return texts;
    }
};

inline NameOrOrdinal id(std::uint16_t ordinal) { return NameOrOrdinal::of_ordinal(ordinal); }
inline NameOrOrdinal id(std::u16string text) { return NameOrOrdinal::of_text(std::move(text)); }

// A .res file built record by record.
class ResBuilder {
public:
    ResBuilder() {
        out_.write_bytes(Bytes{0, 0, 0, 0, 0x20, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0});
        out_.write_bytes(Bytes(16, 0));
    }

    ResBuilder& record(const NameOrOrdinal& type, const NameOrOrdinal& name, std::uint16_t language,
                       const Bytes& data, bool pad = true, const RecordFields& fields = {0, 0x1030, 0, 0}) {
        BinaryBuffer header;
        header.write_u32(static_cast<std::uint32_t>(data.size()));
        const std::size_t header_size = header.reserve_u32();
        header.write_name_or_ordinal(type.text, type.ordinal, !type.is_text);
        header.write_name_or_ordinal(name.text, name.ordinal, !name.is_text);
        header.write_u32(fields.data_version);
        header.write_u16(fields.memory_flags);
        header.write_u16(language);
        header.write_u32(fields.version);
        header.write_u32(fields.characteristics);
        header.patch_u32(header_size, static_cast<std::uint32_t>(header.size()));
        out_.align_to_4();
        out_.write_bytes(header.bytes());
        out_.write_bytes(data);
        if (pad) out_.align_to_4();
        return *this;
    }
    ResBuilder& raw(const Bytes& bytes) {
        out_.write_bytes(bytes);
        return *this;
    }

    Bytes bytes() const { return Bytes(out_.bytes().begin(), out_.bytes().end()); }

private:
    BinaryBuffer out_;
};

}  // namespace tavorin::testing

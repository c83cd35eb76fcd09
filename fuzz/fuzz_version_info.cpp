// The VS_VERSIONINFO decoder over arbitrary data. Whatever decodes is written as script text and
// encoded again; decoding that encoding and encoding once more must give the same bytes.

#include <cstddef>
#include <cstdint>
#include <span>

#include "app/session.h"
#include "base/text_writer.h"
#include "platform/scripted_platform.h"
#include "resources/version/version_block.h"

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavorin;
    auto version = decode_version_info(std::span(data, size));
    if (!version) return 0;
    ScriptedPlatform platform;
    Session session(platform);
    (*version)->identity().name = u"1";
    TextWriter out;
    (*version)->write_script_text(out, session.workspace());

    BinaryBuffer encoded;
    // Blocks that outgrow the 16-bit lengths are refused, never written wrapped.
    if (!(*version)->serialize(encoded)) return 0;
    auto again = decode_version_info(encoded.bytes());
    check(again.ok());
    check((*again)->blocks() == (*version)->blocks());
    check((*again)->fixed() == (*version)->fixed());
    BinaryBuffer twice;
    check((*again)->serialize(twice).ok());
    check(std::vector<std::uint8_t>(twice.bytes().begin(), twice.bytes().end()) ==
          std::vector<std::uint8_t>(encoded.bytes().begin(), encoded.bytes().end()));
    return 0;
}

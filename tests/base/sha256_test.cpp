#include "base/sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace tavorin {
namespace {

struct KnownDigest {
    std::string input;
    const char* digest;
};

// FIPS 180-4 examples and NIST's long-message vector, plus lengths around the padding boundary
// (55 bytes fit one block, 56 need a second one).
TEST(Sha256, MatchesKnownDigests) {
    const KnownDigest cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
        {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        {std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
        {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
    };
    for (const auto& known : cases) {
        EXPECT_EQ(sha256_hex(sha256(known.input)), known.digest) << known.input.size() << " bytes";
    }
}

TEST(Sha256, PiecesGiveTheDigestOfTheWhole) {
    const std::string text(200, 'x');
    const auto whole = sha256(text);
    for (std::size_t first : {0u, 1u, 63u, 64u, 65u, 130u}) {
        Sha256 hash;
        hash.update(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), first));
        hash.update(std::span(reinterpret_cast<const std::uint8_t*>(text.data()) + first, text.size() - first));
        EXPECT_EQ(hash.finish(), whole) << "split at " << first;
    }
}

TEST(Sha256, HexTextReadsBackInEitherCaseAndRefusesOtherText) {
    const auto digest = sha256("abc");
    std::string upper = sha256_hex(digest);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(parse_sha256_hex(upper), digest);
    EXPECT_EQ(parse_sha256_hex(sha256_hex(digest)), digest);
    EXPECT_FALSE(parse_sha256_hex(sha256_hex(digest).substr(1)));
    EXPECT_FALSE(parse_sha256_hex(sha256_hex(digest) + "0"));
    EXPECT_FALSE(parse_sha256_hex(std::string(63, '0') + "g"));
}

}  // namespace
}  // namespace tavorin

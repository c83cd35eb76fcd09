#include "app/update_check.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

const std::string digest_line = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

TEST(VersionDocument, ReadsTheVersionAndTheArchiveDigest) {
    for (const std::string& text : {"1.6.0\n" + digest_line, "1.6.0\r\n" + digest_line + "\r\n", "  1.6.0 \n " + digest_line + "\n\n"}) {
        const auto document = parse_version_document(text);
        ASSERT_TRUE(document) << text;
        EXPECT_EQ(document->version, "1.6.0");
        EXPECT_EQ(sha256_hex(document->archive_digest), digest_line);
    }
}

TEST(VersionDocument, RefusesAnythingElse) {
    const std::string refused[] = {
        "",
        "1.6.0",                                  // no digest
        digest_line,                              // no version
        "1.6.0\n" + digest_line.substr(2),        // short digest
        "1.6.x\n" + digest_line,                  // not a number
        "<html>404</html>\n" + digest_line,
        "1.6.0\n" + digest_line + "\nmore",       // a third line
        "1.6.0\n" + digest_line + std::string(1024, ' '),  // longer than a version document
    };
    for (const auto& text : refused) EXPECT_FALSE(parse_version_document(text)) << text;
}

TEST(Versions, CompareNumberByNumber) {
    struct Case {
        const char* a;
        const char* b;
        std::strong_ordering order;
    };
    const Case cases[] = {
        {"1.5.9", "1.5.9", std::strong_ordering::equal},   {"1.6.0", "1.5.9", std::strong_ordering::greater},
        {"1.5.10", "1.5.9", std::strong_ordering::greater}, {"1.6", "1.6.0", std::strong_ordering::equal},
        {"2", "1.99.99", std::strong_ordering::greater},   {"1.5.8", "1.5.9", std::strong_ordering::less},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(compare_versions(*parse_version(c.a), *parse_version(c.b)), c.order) << c.a << " " << c.b;
    }
    for (const char* bad : {"", "1..2", ".1", "1.", "1.2.3.4.5", "123456", "1.-2", "v1.6"}) {
        EXPECT_FALSE(parse_version(bad)) << bad;
    }
}

TEST(Versions, OnlyANewerVersionIsOffered) {
    const auto offer = [](const char* version) { return decide_update(VersionDocument{version, {}}, "1.5.9"); };
    EXPECT_EQ(offer("1.6.0"), UpdateOffer::newer_version);
    EXPECT_EQ(offer("1.5.9"), UpdateOffer::none);
    EXPECT_EQ(offer("1.5.8"), UpdateOffer::none);  // never back to an older one
}

TEST(UpdateServer, OnlyHttpsAddressesAreUsed) {
    EXPECT_EQ(update_file_url(u"https://updates.example.org/tavorin", "v_1.5.9"),
              u"https://updates.example.org/tavorin/v_1.5.9");
    EXPECT_EQ(update_file_url(u"HTTPS://127.0.0.1:8443/", "Tavorin-x64.zip"), u"HTTPS://127.0.0.1:8443/Tavorin-x64.zip");
    for (const char16_t* refused : {u"http://updates.example.org", u"https://", u"https:///path", u"ftp://host",
                                     u"updates.example.org", u"https://host name/"}) {
        EXPECT_FALSE(update_file_url(refused, "v_1.5.9"));
    }
}

}  // namespace
}  // namespace tavorin

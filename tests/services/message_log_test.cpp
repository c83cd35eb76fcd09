#include "services/message_log.h"

#include <gtest/gtest.h>

#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

TEST(MessageLog, LineBreaksAreFoldedIntoOneLine) {
    // a CR LF b LF c CR d -> "a, b,c" CR "d"
    EXPECT_EQ(fold_line_breaks(u"a\r\nb\nc\rd"), u"a, b,c\rd");
    EXPECT_EQ(fold_line_breaks(u"\r\n\r\n"), u", , ");
    EXPECT_EQ(fold_line_breaks(u"end\r"), u"end\r");
}

TEST(MessageLog, EntriesCarryTheLocalTimeWithLeadingZeros) {
    ScriptedPlatform platform;
    platform.now = LocalTime{9, 5, 7};
    MessageLog log(platform);
    log.information(u"Tavorin started");
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(log.entries()[0].time, u"09:05:07");
    EXPECT_EQ(log.entries()[0].text, u"Tavorin started");
    platform.now = LocalTime{23, 59, 0};
    log.error(u"x\r\ny");
    EXPECT_EQ(log.entries()[1].time, u"23:59:00");
    EXPECT_EQ(log.entries()[1].text, u"x, y");
}

TEST(MessageLog, CountsEachLevel) {
    ScriptedPlatform platform;
    MessageLog log(platform);
    log.error(u"e");
    log.warning(u"w1");
    log.warning(u"w2");
    log.information(u"i");
    EXPECT_EQ(log.errors(), 1);
    EXPECT_EQ(log.warnings(), 2);
    EXPECT_EQ(log.informations(), 1);
    EXPECT_EQ(log.problems(), 3);
}

TEST(MessageLog, FilterKeepsTheOrderOfLogging) {
    ScriptedPlatform platform;
    MessageLog log(platform);
    log.warning(u"w1");
    log.error(u"e1");
    log.information(u"i1");
    log.warning(u"w2");
    log.error(u"e2");

    auto texts = [&](const LogFilter& filter) {
        std::vector<std::u16string> out;
        for (const auto* entry : log.visible(filter)) out.push_back(entry->text);
        return out;
    };
    EXPECT_EQ(texts({false, true, false}), (std::vector<std::u16string>{u"w1", u"w2"}));
    EXPECT_EQ(texts({true, true, false}), (std::vector<std::u16string>{u"w1", u"e1", u"w2", u"e2"}));
    EXPECT_EQ(texts({true, true, true}).size(), 5u);
    EXPECT_TRUE(texts({false, false, false}).empty());
}

TEST(MessageLog, InformationAloneDoesNotChangeTheProblemCount) {
    ScriptedPlatform platform;
    MessageLog log(platform);
    const int before = log.problems();
    log.information(u"a.rc opened");
    EXPECT_EQ(log.problems(), before);
    log.warning(u"Invalid resource format. Type: RT_HTML, name: 1.");
    EXPECT_NE(log.problems(), before);
}

TEST(MessageLog, ClearEmptiesEntriesAndCounters) {
    ScriptedPlatform platform;
    MessageLog log(platform);
    log.error(u"e");
    log.warning(u"w");
    log.information(u"i");
    log.clear();
    EXPECT_TRUE(log.entries().empty());
    EXPECT_EQ(log.errors() + log.warnings() + log.informations(), 0);
}

}  // namespace
}  // namespace tavorin

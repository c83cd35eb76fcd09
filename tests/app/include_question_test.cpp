#include "app/include_question.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

TEST(IncludeQuestion, AskedWithoutIncludePathsWhenAllowedOrOnAFirstRun) {
    Config config;
    EXPECT_TRUE(should_ask_for_include_paths(config, false));
    config.ask_includes = false;
    EXPECT_FALSE(should_ask_for_include_paths(config, false));
    EXPECT_TRUE(should_ask_for_include_paths(config, true));
    config.include_paths = {u"C:\\sdk"};
    EXPECT_FALSE(should_ask_for_include_paths(config, true));
}

TEST(IncludeQuestion, TheAnswerAndTheBoxDecide) {
    struct Case {
        Answer answer;
        bool do_not_ask;
        bool open_preferences;
        bool ask_afterwards;
    };
    const Case cases[] = {
        {Answer::yes, false, true, true},     {Answer::yes, true, true, false},
        {Answer::no, true, false, false},     {Answer::no, false, false, true},
        {Answer::cancel, true, false, true},  // Cancel changes nothing
    };
    for (const auto& c : cases) {
        Config config;
        EXPECT_EQ(take_include_question_answer(config, c.answer, c.do_not_ask), c.open_preferences);
        EXPECT_EQ(config.ask_includes, c.ask_afterwards);
    }
}

TEST(OpenableAddresses, OnlyWebAndMailAddresses) {
    for (const char16_t* address : {u"https://tavorin.example.org/", u"HTTP://host/x", u"mailto:a@b.org"}) {
        EXPECT_TRUE(is_openable_address(address));
    }
    for (const char16_t* address : {u"", u"https://", u"C:\\Windows\\system32\\cmd.exe", u"file:///C:/x.exe",
                                    u"calc", u"https://a b", u"javascript:alert(1)"}) {
        EXPECT_FALSE(is_openable_address(address));
    }
}

}  // namespace
}  // namespace tavorin

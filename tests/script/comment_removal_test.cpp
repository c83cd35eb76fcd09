#include "script/comment_removal.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

std::u16string removed(std::u16string text) {
    const std::size_t size = text.size();
    EXPECT_TRUE(remove_comments(text));
    EXPECT_EQ(text.size(), size) << "comments become blanks, nothing moves";
    return text;
}

TEST(CommentRemoval, LineCommentsRunToTheEndOfTheLine) {
    EXPECT_EQ(removed(u"a // b\nc ; d\ne"), u"a     \nc    \ne");
    EXPECT_EQ(removed(u"x;"), u"x ");
    EXPECT_EQ(removed(u"a / b"), u"a / b");
}

TEST(CommentRemoval, BlockCommentsKeepTheirLineFeeds) {
    EXPECT_EQ(removed(u"a /* b\r\n c */d"), u"a      \n     d");
    EXPECT_EQ(removed(u"/**/x/*;*/"), u"    x     ");
}

TEST(CommentRemoval, LiteralsAreLeftAlone) {
    EXPECT_EQ(removed(u"\"a;b//c/*\" x"), u"\"a;b//c/*\" x");
    EXPECT_EQ(removed(u"'/*' ; c"), u"'/*'    ");
    // An unclosed literal ends with its line; the next line is read as usual.
    EXPECT_EQ(removed(u"\"open ; x\n; y"), u"\"open ; x\n   ");
    // The other kind of quote does not close a literal.
    EXPECT_EQ(removed(u"\"it's ; fine\" ; c"), u"\"it's ; fine\"    ");
}

TEST(CommentRemoval, ABlockCommentOpenAtTheEndFails) {
    std::u16string text = u"a /* never closed\n";
    EXPECT_FALSE(remove_comments(text));
    std::u16string star = u"a /*/";
    EXPECT_FALSE(remove_comments(star)) << "the slash of the opening does not close it";
}

}  // namespace
}  // namespace tavorin

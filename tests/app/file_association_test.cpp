#include "app/file_association.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

TEST(FileAssociation, PlanNamesTheKeysAndValuesForTheExecutable) {
    const auto plan = association_plan(u"C:\\Tools\\Tavorin.exe");
    ASSERT_EQ(plan.size(), 6u);
    const std::vector<RegistryKeyPlan> expected{
        {u".rc", u"TavorinFile"},
        {u"TavorinFile", std::nullopt},
        {u"TavorinFile\\DefaultIcon", u"C:\\Tools\\Tavorin.exe,1"},
        {u"TavorinFile\\shell", std::nullopt},
        {u"TavorinFile\\shell\\Open", std::nullopt},
        {u"TavorinFile\\shell\\Open\\Command", u"C:\\Tools\\Tavorin.exe \"%1\""},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(plan[i].key, expected[i].key);
        EXPECT_EQ(plan[i].default_value, expected[i].default_value) << i;
    }
}

TEST(FileAssociation, APathWithBlanksIsQuotedInTheCommand) {
    EXPECT_EQ(association_command(u"C:\\Program Files\\Tavorin\\Tavorin.exe"),
              u"\"C:\\Program Files\\Tavorin\\Tavorin.exe\" \"%1\"");
}

}  // namespace
}  // namespace tavorin

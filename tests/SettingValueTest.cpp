#include <gtest/gtest.h>

#include "settings/SettingValue.h"

namespace corvane {
namespace {

TEST(SettingValueTest, ConvertsTextsToNumbersAndFlags) {
    struct Case {
        const char* text;
        std::int32_t number;
        Flag flag;
    };
    const Case cases[] = {
        {"12", 12, kTrue},    {"-1", -1, kTrue},      {"0", 0, kFalse},       {"", 0, kFalse},
        {" 7 ", 7, kTrue},    {"+5", 5, kTrue},       {"2.5", 2, kTrue},      {"3.5", 4, kTrue},
        {"1e3", 1000, kTrue}, {"abc", 0, kFalse},     {"12abc", 0, kFalse},   {"inf", 0, kFalse},
        {"nan", 0, kFalse},   {"0x10", 0, kFalse},    {"99999999999", 0, kTrue}, {"-", 0, kFalse},
    };
    for (const Case& c : cases) {
        const SettingValue value{std::string(c.text)};
        EXPECT_EQ(value.ToLong(), c.number) << '"' << c.text << '"';
        EXPECT_EQ(value.ToFlag(), c.flag) << '"' << c.text << '"';
    }
    EXPECT_DOUBLE_EQ(SettingValue("2.5").ToDouble(), 2.5);
}

TEST(SettingValueTest, TheEmptyResultIsZeroOffAndEmptyText) {
    const SettingValue empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.Text(), "");
    EXPECT_EQ(empty.ToLong(), 0);
    EXPECT_EQ(empty.ToFlag(), kFalse);
    EXPECT_FALSE(SettingValue("").IsEmpty());
}

}  // namespace
}  // namespace corvane

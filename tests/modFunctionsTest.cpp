#include <gtest/gtest.h>

#include "engine/modFunctions.h"

namespace corvane {
namespace {

TEST(IsOddTest, OddNumbersIncludingNegativeOnes) {
    const std::pair<std::int32_t, Flag> cases[] = {{0, kFalse}, {1, kTrue},  {2, kFalse}, {7, kTrue},
                                                   {9, kTrue},  {-1, kTrue}, {-2, kFalse}};
    for (const auto& [n, odd] : cases) {
        EXPECT_EQ(IsOdd(n), odd) << n;
    }
}

TEST(MinutesTest, TimesOfDayAndMinutesConvertBothWays) {
    EXPECT_EQ(MinutesOfDay({8, 15, 59}), 495);
    EXPECT_EQ(MinutesToTime(495), (TimeOfDay{8, 15, 0}));
    EXPECT_EQ(MinutesToTime(0), (TimeOfDay{0, 0, 0}));
    EXPECT_EQ(MinutesToTime(1439), (TimeOfDay{23, 59, 0}));
    for (std::int32_t m = 0; m < 1440; ++m) {
        ASSERT_TRUE(MinutesToTime(m).has_value()) << m;
        EXPECT_EQ(MinutesOfDay(*MinutesToTime(m)), m);
    }
    EXPECT_FALSE(MinutesToTime(1440).has_value());
    EXPECT_FALSE(MinutesToTime(-1).has_value());
}

TEST(CenterFormTest, CentresInTwipsRoundingHalvesToEven) {
    FormGeometry window{0, 0, 4800, 7575};
    CenterForm(window, {14400, 9000});
    EXPECT_EQ(window.Top, 712);  // 1425 / 2 = 712.5
    EXPECT_EQ(window.Left, 4800);

    FormGeometry odd{0, 0, 101, 3};
    CenterForm(odd, {104, 0});
    EXPECT_EQ(odd.Left, 2);  // 3 / 2 = 1.5
    EXPECT_EQ(odd.Top, -2);  // larger than the screen: -1.5

    FormGeometry large{0, 0, 20000, 10000};
    CenterForm(large, {14400, 9000});
    EXPECT_EQ(large.Left, -2800);
    EXPECT_EQ(large.Top, -500);
}

}  // namespace
}  // namespace corvane

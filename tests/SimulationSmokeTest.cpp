#include "SimulationFixture.h"

namespace corvane {
namespace {

using testing::SimulationTest;

TEST_F(SimulationTest, AFirstStartOnAMondayMorningRunsProgramThree) {
    Start("2026-12-07 07:00:00");
    RunTo(6.2);
    EXPECT_EQ(Trace("program"), (std::vector<std::string>{"6.000 3"}));
    EXPECT_EQ(Trace("mode"), (std::vector<std::string>{"6.000 1 run"}));
    EXPECT_EQ(Trace("ring"), (std::vector<std::string>{"6.100 1 1 1 4.0000 GREEN", "6.100 2 5 1 4.0000 GREEN"}));
}

}  // namespace
}  // namespace corvane

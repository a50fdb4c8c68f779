#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "SimulationFixture.h"
#include "engine/ProgramSelection.h"

namespace corvane {
namespace {

constexpr std::int32_t kSunday = 1, kMondayToFriday = 2 | 4 | 8 | 16 | 32, kSaturday = 64;
enum Day { Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

// The schedule a first start writes: programs 1 to 6 over the week, 0 and 7 to 12 without days.
std::array<ProgramSchedule, 13> DefaultSchedule() {
    std::array<ProgramSchedule, 13> programs{};
    for (std::int32_t n = 0; n < 13; ++n) {
        programs[static_cast<std::size_t>(n)].Program = n;
    }
    auto entry = [&](std::int32_t n, std::int32_t days, std::int32_t hour, std::int32_t minute) {
        programs[static_cast<std::size_t>(n)].Days = days;
        programs[static_cast<std::size_t>(n)].StartTime = hour * 60 + minute;
    };
    entry(1, kSunday, 8, 15);
    entry(2, kSunday, 19, 30);
    entry(3, kMondayToFriday, 6, 0);
    entry(4, kMondayToFriday, 22, 0);
    entry(5, kSaturday, 8, 0);
    entry(6, kSaturday, 21, 0);
    return programs;
}

std::int32_t ProgramAt(const std::array<ProgramSchedule, 13>& programs, Day day, int hour, int minute) {
    return ProgramForMinuteOfWeek(programs, MinuteOfWeek({hour, minute, 0}, day));
}

TEST(ProgramSelectionTest, MinuteOfWeekCountsFromSundayMidnightAndIgnoresSeconds) {
    struct Case {
        Day day;
        TimeOfDay time;
        std::int32_t minute;
    };
    const Case cases[] = {
        {Sunday, {0, 0, 0}, 0},
        {Sunday, {3, 0, 0}, 180},
        {Monday, {7, 0, 0}, 1860},
        {Monday, {7, 0, 59}, 1860},
        {Saturday, {23, 59, 59}, 7 * 1440 - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "day " << c.day << " " << c.time.Hour << ":" << c.time.Minute << ":"
                                        << c.time.Second);
        EXPECT_EQ(MinuteOfWeek(c.time, c.day), c.minute);
    }
}

TEST(ProgramSelectionTest, TheLatestEntryAtOrBeforeNowRunsWrappingToLastWeeksLastEntry) {
    struct Case {
        Day day;
        int hour, minute;
        std::int32_t program;
    };
    const Case cases[] = {
        {Monday, 7, 0, 3},
        {Monday, 6, 0, 3},     // an entry holds from its own minute on
        {Monday, 5, 59, 2},    // Sunday 19:30 is the latest entry before now
        {Sunday, 3, 0, 6},     // before the week's first entry: Saturday 21:00 of last week
        {Sunday, 8, 14, 6},
        {Sunday, 8, 15, 1},
        {Sunday, 19, 30, 2},
        {Friday, 22, 0, 4},
        {Saturday, 7, 59, 4},  // Friday 22:00 holds over the night
        {Saturday, 8, 0, 5},
        {Saturday, 23, 59, 6},
    };
    const std::array<ProgramSchedule, 13> programs = DefaultSchedule();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "day " << c.day << " " << c.hour << ":" << c.minute);
        EXPECT_EQ(ProgramAt(programs, c.day, c.hour, c.minute), c.program);
    }
}

TEST(ProgramSelectionTest, AmongEntriesAtTheSameMinuteTheLowestProgramWins) {
    std::array<ProgramSchedule, 13> programs = DefaultSchedule();
    programs[9].Days = 2;  // Monday
    programs[9].StartTime = 6 * 60;
    programs[7].Days = kSaturday;
    programs[7].StartTime = 21 * 60;
    EXPECT_EQ(ProgramAt(programs, Monday, 6, 0), 3);
    EXPECT_EQ(ProgramAt(programs, Monday, 12, 0), 3);
    // The same holds for last week's last entry.
    EXPECT_EQ(ProgramAt(programs, Sunday, 3, 0), 6);
}

TEST(ProgramSelectionTest, AnEntryAtSundayMidnightNeverWins) {
    std::array<ProgramSchedule, 13> onlyMidnight{};
    onlyMidnight[5].Days = kSunday;
    onlyMidnight[5].StartTime = 0;
    struct Moment {
        Day day;
        int hour, minute;
    };
    for (const Moment& m : {Moment{Sunday, 0, 0}, Moment{Sunday, 0, 1}, Moment{Wednesday, 12, 0},
                            Moment{Saturday, 23, 59}}) {
        SCOPED_TRACE(::testing::Message() << "day " << m.day << " " << m.hour << ":" << m.minute);
        EXPECT_EQ(ProgramAt(onlyMidnight, m.day, m.hour, m.minute), 0);
    }

    std::array<ProgramSchedule, 13> withOthers = DefaultSchedule();
    withOthers[7].Days = kSunday;
    withOthers[7].StartTime = 0;
    EXPECT_EQ(ProgramAt(withOthers, Sunday, 0, 0), 6);
    EXPECT_EQ(ProgramAt(withOthers, Sunday, 5, 0), 6);
}

TEST(ProgramSelectionTest, WithoutAnyDaysProgramZeroRuns) {
    std::array<ProgramSchedule, 13> programs = DefaultSchedule();
    for (ProgramSchedule& program : programs) {
        program.Days = 0;
    }
    // Program 0's own entry is no schedule entry: it is only the fallback.
    programs[0].Days = 127;
    programs[0].StartTime = 600;
    EXPECT_EQ(ProgramAt(programs, Monday, 7, 0), 0);
    EXPECT_EQ(ProgramAt(programs, Saturday, 23, 59), 0);
}

using ProgramScheduleScenarioTest = testing::SimulationTest;

TEST_F(ProgramScheduleScenarioTest, AtSixOnATuesdayProgramFlashGivesWayToRunUnderProgramThree) {
    // The start-up flash ends at t = 6.000, 05:59:56 on Tuesday: program 4 (Monday 22:00) flashes.
    Start("2026-12-08 05:59:50");
    RunTo(5.9);
    EXPECT_FALSE(Main().display.lblCurrentProgram.Visible());
    RunTo(9.9);
    EXPECT_TRUE(Main().display.lblCurrentProgram.Visible());
    EXPECT_EQ(Trace("program"), (std::vector<std::string>{"6.000 4"}));
    EXPECT_EQ(Trace("mode"), (std::vector<std::string>{"6.000 3 Program flash"}));
    EXPECT_TRUE(Trace("ring").empty());

    // 06:00:00: the tick that sees program 3 starts Run and times its first step at once.
    RunTo(10.0);
    EXPECT_EQ(Trace("program"), (std::vector<std::string>{"6.000 4", "10.000 3"}));
    EXPECT_EQ(Trace("mode", 10.0), (std::vector<std::string>{"10.000 1 run"}));
    EXPECT_EQ(Trace("ring"),
              (std::vector<std::string>{"10.000 1 1 1 4.0000 GREEN", "10.000 2 5 1 4.0000 GREEN"}));
    for (const RingState& ring : Tables().Rings) {
        EXPECT_EQ(ring.Position, 1) << "ring " << ring.Ring;
    }
    for (const LoadSwitch& phase : Tables().Phases) {
        EXPECT_FALSE(IsTrue(phase.Flashing)) << "phase " << phase.Number;
    }
    EXPECT_EQ(Main().display.LampCode(0), "G");
    EXPECT_EQ(Main().display.LampCode(4), "G");
    for (const std::int32_t red : {1, 2, 3, 5, 6, 7}) {
        EXPECT_EQ(Main().display.LampCode(red), "R") << "load switch " << red;
    }

    // The status rows are written at the start of a tick, so they show the change one tick later.
    EXPECT_EQ(Main().display.lblStatus.Caption(), " PROGRAM FLASH");
    RunTo(10.1);
    EXPECT_EQ(Main().display.lblStatus.Caption(), " RUN");
    EXPECT_EQ(Main().display.lblCurrentProgram.Caption(), "3  ");
}

TEST_F(ProgramScheduleScenarioTest, RunKeepsItsProgramPastTheNextScheduleEntry) {
    Defaults();
    // Were program 4 to take over at 22:00, phase 2's Ped Clear would last 9 s.
    SetSetting("\\Prog4\\Phase2", "2", "9");
    // Run begins at t = 6.000, 21:59:51 on Monday; 22:00:00 is t = 15.000.
    Start("2026-12-07 21:59:45");
    RunTo(30.0);

    EXPECT_EQ(Trace("program"), (std::vector<std::string>{"6.000 3"}));
    EXPECT_EQ(Trace("mode"), (std::vector<std::string>{"6.000 1 run"}));
    EXPECT_EQ(Main().lNextProgram, 4);
    EXPECT_EQ(Main().display.lblCurrentProgram.Caption(), "3  ");
    EXPECT_EQ(Main().display.lblStatus.Caption(), " RUN");
    // Ring 1 carries on through phases 2 and 3 with program 3's lengths.
    std::vector<std::string> ringOne;
    for (const std::string& line : Trace("ring", 15.0, 30.0)) {
        if (line.compare(line.find(' '), 3, " 1 ") == 0) {
            ringOne.push_back(line);
        }
    }
    EXPECT_EQ(ringOne, (std::vector<std::string>{
                           "17.100 1 2 2 3.0000 PED CLEAR",
                           "20.100 1 2 4 2.0000 YELLOW",
                           "22.100 1 2 5 1.0000 RED CLEAR",
                           "23.100 1 3 1 4.0000 GREEN",
                           "27.100 1 3 4 2.0000 YELLOW",
                           "29.100 1 3 5 1.0000 RED CLEAR",
                       }));
}

}  // namespace
}  // namespace corvane

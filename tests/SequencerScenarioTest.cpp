// The interval sequencer in virtual time: each ring steps through its ring order and each phase
// through its intervals, one tick per 0.1 s, with lengths read from the running program as each
// interval begins. Monday 07:00 runs program 3; its defaults are Walk/green 4 s, Ped Clear 3 s,
// Yellow 2 s and Red Clear 1 s, so an odd phase takes 7 s and an even one 10 s, and ring 1 of
// order 1234 begins phase 2's Walk at 13.100 and again 34 s later.

#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "SimulationFixture.h"

namespace corvane {
namespace {

using Lines = std::vector<std::string>;

// The words of a trace line: its time first.
std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", seconds);
    return text;
}

class SequencerScenarioTest : public testing::SimulationTest {
protected:
    // The intervals ring `ring` began, as "T RING PHASE INTERVAL LENGTH CAPTION".
    Lines RingLines(int ring, double from = 0, double to = 1e12) const {
        Lines lines;
        for (const std::string& line : Trace("ring", from, to)) {
            if (Words(line)[1] == std::to_string(ring)) {
                lines.push_back(line);
            }
        }
        return lines;
    }

    // The phases whose first interval ring `ring` began, in order.
    std::vector<int> ServedPhases(int ring) const {
        std::vector<int> phases;
        for (const std::string& line : RingLines(ring)) {
            const std::vector<std::string> words = Words(line);
            if (words[3] == "1") {
                phases.push_back(std::stoi(words[2]));
            }
        }
        return phases;
    }

    // What load switch `loadSwitch` was painted with, as "T CODE".
    Lines LampLines(int loadSwitch, double from = 0, double to = 1e12) const {
        Lines lines;
        for (const std::string& line : Trace("lamp", from, to)) {
            const std::vector<std::string> words = Words(line);
            if (words[1] == std::to_string(loadSwitch)) {
                lines.push_back(words[0] + " " + words[2]);
            }
        }
        return lines;
    }

    bool Painted(int loadSwitch, const std::string& code, double from, double to) const {
        for (const std::string& line : LampLines(loadSwitch, from, to)) {
            if (line.ends_with(" " + code)) {
                return true;
            }
        }
        return false;
    }

    Lines LabelLines(const std::string& name, double from = 0, double to = 1e12) const {
        Lines lines;
        for (const std::string& line : Trace("label", from, to)) {
            const std::size_t space = line.find(' ');
            if (line.compare(space + 1, name.size() + 1, name + " ") == 0) {
                lines.push_back(line.substr(0, space) + line.substr(space + 1 + name.size()));
            }
        }
        return lines;
    }

    void SetLengths(int phase, const std::vector<std::string>& lengths) {
        for (std::size_t interval = 0; interval < lengths.size(); ++interval) {
            SetSetting("\\Prog3\\Phase" + std::to_string(phase), std::to_string(interval + 1), lengths[interval]);
        }
    }
};

TEST_F(SequencerScenarioTest, OddAndEvenPhasesStepThroughTheirIntervalsForTheirStoredLengths) {
    Defaults();
    // The Ped Clear of odd phase 1 and both Extend Grn values must never be timed.
    SetLengths(1, {"6", "9", "7", "3", "2"});
    SetLengths(2, {"5", "2", "8", "3", "2"});
    Start("2026-12-07 07:00:00");
    RunTo(46.1);

    EXPECT_EQ(RingLines(1), (Lines{
                                "6.100 1 1 1 6.0000 GREEN",
                                "12.100 1 1 4 3.0000 YELLOW",
                                "15.100 1 1 5 2.0000 RED CLEAR",
                                "17.100 1 2 1 5.0000 WALK",
                                "22.100 1 2 2 2.0000 PED CLEAR",
                                "24.100 1 2 4 3.0000 YELLOW",
                                "27.100 1 2 5 2.0000 RED CLEAR",
                                "29.100 1 3 1 4.0000 GREEN",
                                "33.100 1 3 4 2.0000 YELLOW",
                                "35.100 1 3 5 1.0000 RED CLEAR",
                                "36.100 1 4 1 4.0000 WALK",
                                "40.100 1 4 2 3.0000 PED CLEAR",
                                "43.100 1 4 4 2.0000 YELLOW",
                                "45.100 1 4 5 1.0000 RED CLEAR",
                                "46.100 1 1 1 6.0000 GREEN",
                            }));
    // The status row keeps the captions' trailing spaces.
    EXPECT_EQ(LabelLines("lblInterval(0)", 6.05, 30.0),
              (Lines{"6.100 \"GREEN\"", "12.100 \"YELLOW \"", "15.100 \"RED CLEAR \"", "17.100 \"WALK \"",
                     "22.100 \"PED CLEAR \"", "24.100 \"YELLOW \"", "27.100 \"RED CLEAR \"", "29.100 \"GREEN\""}));
    EXPECT_EQ(LabelLines("lblPhase(0)", 6.05, 30.0), (Lines{"6.100 \"1\"", "17.100 \"2\"", "29.100 \"3\""}));
    EXPECT_EQ(LabelLines("lblTimeLeft(0)", 17.1, 17.2), (Lines{"17.100 \"5.0\"", "17.200 \"4.9\""}));

    // A through phase is green during Walk and Ped Clear; a left-turn phase during its green.
    EXPECT_EQ(LampLines(1, 6.05, 46.1), (Lines{"17.100 G", "22.100 G", "24.100 Y", "27.100 R"}));
    EXPECT_EQ(LampLines(0, 6.05, 16.0), (Lines{"6.100 G", "12.100 Y", "15.100 R"}));
}

struct OrderCase {
    const char* ring1Order;
    const char* ring2Order;
    const char* phasesInUse;
    std::vector<int> ring1;
    std::vector<int> ring2;
};

class SequencerRingOrderTest : public SequencerScenarioTest, public ::testing::WithParamInterface<OrderCase> {};

// A run always starts at position 1; afterwards a phase not in use is passed over, but only one
// per change.
TEST_P(SequencerRingOrderTest, ServesThePhasesOfTheOrderThatAreInUse) {
    const OrderCase& c = GetParam();
    Defaults();
    SetSetting("", "Ring1Order", c.ring1Order);
    SetSetting("", "Ring2Order", c.ring2Order);
    SetSetting("", "PhasesInUse", c.phasesInUse);
    Start("2026-12-07 07:00:00");
    RunTo(100.0);

    const std::vector<int> ring1 = ServedPhases(1);
    const std::vector<int> ring2 = ServedPhases(2);
    ASSERT_GE(ring1.size(), c.ring1.size());
    ASSERT_GE(ring2.size(), c.ring2.size());
    EXPECT_EQ(std::vector<int>(ring1.begin(), ring1.begin() + static_cast<std::ptrdiff_t>(c.ring1.size())), c.ring1);
    EXPECT_EQ(std::vector<int>(ring2.begin(), ring2.begin() + static_cast<std::ptrdiff_t>(c.ring2.size())), c.ring2);
}

INSTANTIATE_TEST_SUITE_P(
    SequencerOrders, SequencerRingOrderTest,
    ::testing::Values(OrderCase{"1234", "5678", "8", {1, 2, 3, 4, 1}, {5, 6, 7, 8, 5}},
                      OrderCase{"1243", "6587", "8", {1, 2, 4, 3, 1}, {6, 5, 8, 7, 6}},
                      // Ring 2 goes on cycling its phases, out of sight.
                      OrderCase{"1234", "5678", "2", {1, 2, 4, 2, 4, 2}, {5, 6, 7, 8, 5}},
                      OrderCase{"1234", "5678", "3", {1, 2, 3, 1, 2, 3, 1}, {5, 6, 7, 8, 5}},
                      // Phase 3 at position 4 is passed over to phase 1, which is served.
                      OrderCase{"1243", "5678", "2", {1, 2, 4, 1, 2, 4, 1}, {5, 6, 7, 8, 5}}));

struct LengthCase {
    const char* stored;
    const char* timeLeft;
    int ticks;
};

class SequencerIntervalLengthTest : public SequencerScenarioTest, public ::testing::WithParamInterface<LengthCase> {};

// A length lasts whole ticks, at least one; what is left over is not carried into the next interval.
TEST_P(SequencerIntervalLengthTest, LastsTheTicksItsLengthCovers) {
    const LengthCase& c = GetParam();
    Defaults();
    SetLengths(1, {c.stored});
    Start("2026-12-07 07:00:00");
    RunTo(20.0);

    const Lines ring1 = RingLines(1);
    ASSERT_GE(ring1.size(), 3u);
    const double yellowAt = 6.1 + c.ticks / 10.0;
    EXPECT_EQ(ring1[0], std::string("6.100 1 1 1 ") + c.timeLeft + " GREEN");
    EXPECT_EQ(ring1[1], Seconds(yellowAt) + " 1 1 4 2.0000 YELLOW");
    EXPECT_EQ(ring1[2], Seconds(yellowAt + 2.0) + " 1 1 5 1.0000 RED CLEAR");
    EXPECT_EQ(LampLines(0, 6.05, yellowAt), (Lines{"6.100 G", Seconds(yellowAt) + " Y"}));
}

INSTANTIATE_TEST_SUITE_P(SequencerLengths, SequencerIntervalLengthTest,
                         ::testing::Values(LengthCase{"0", "0.0000", 1}, LengthCase{"0.05", "0.0500", 1},
                                           LengthCase{"0.1", "0.1000", 1}, LengthCase{"0.15", "0.1500", 2},
                                           LengthCase{"2.5", "2.5000", 25}, LengthCase{"2.55", "2.5500", 26},
                                           LengthCase{"3", "3.0000", 30}));

TEST_F(SequencerScenarioTest, AProgramWithoutPhaseKeysTimesEveryIntervalForOneSecond) {
    // An existing program key is not completed with defaults: program 3 has no phase keys.
    store.registry.CreateRegKey(HKEY_LOCAL_MACHINE, std::string(SettingsRoot) + "\\Prog3");
    SetSetting("\\Prog3", "StartTime", "360");
    SetSetting("\\Prog3", "Days", "62");
    SetSetting("\\Prog3", "Flash", "0");
    Start("2026-12-07 07:00:00");
    RunTo(13.1);

    EXPECT_EQ(RingLines(1), (Lines{"6.100 1 1 1 1.0000 GREEN", "7.100 1 1 4 1.0000 YELLOW",
                                   "8.100 1 1 5 1.0000 RED CLEAR", "9.100 1 2 1 1.0000 WALK",
                                   "10.100 1 2 2 1.0000 PED CLEAR", "11.100 1 2 4 1.0000 YELLOW",
                                   "12.100 1 2 5 1.0000 RED CLEAR", "13.100 1 3 1 1.0000 GREEN"}));
}

TEST_F(SequencerScenarioTest, ALengthEditedWhileRunningTakesEffectTheNextTimeItsIntervalBegins) {
    Start("2026-12-07 07:00:00");
    RunTo(7.0);  // phase 1 is timing its 4 s green
    const std::string phase1 = std::string(SettingsRoot) + "\\Prog3\\Phase1";
    EXPECT_EQ(Act("set " + phase1 + " 1 7"), "");
    EXPECT_EQ(Act("set " + phase1 + " 4 3"), "");
    RunTo(48.1);

    EXPECT_EQ(RingLines(1), (Lines{
                                "6.100 1 1 1 4.0000 GREEN",
                                "10.100 1 1 4 3.0000 YELLOW",
                                "13.100 1 1 5 1.0000 RED CLEAR",
                                "14.100 1 2 1 4.0000 WALK",
                                "18.100 1 2 2 3.0000 PED CLEAR",
                                "21.100 1 2 4 2.0000 YELLOW",
                                "23.100 1 2 5 1.0000 RED CLEAR",
                                "24.100 1 3 1 4.0000 GREEN",
                                "28.100 1 3 4 2.0000 YELLOW",
                                "30.100 1 3 5 1.0000 RED CLEAR",
                                "31.100 1 4 1 4.0000 WALK",
                                "35.100 1 4 2 3.0000 PED CLEAR",
                                "38.100 1 4 4 2.0000 YELLOW",
                                "40.100 1 4 5 1.0000 RED CLEAR",
                                "41.100 1 1 1 7.0000 GREEN",
                                "48.100 1 1 4 3.0000 YELLOW",
                            }));
}

struct CallCase {
    const char* name;
    double callAt;  // below 0: no call
    bool walk;
    bool flashingClearance;
    bool calledAfterRedClear;
    bool walkNextCycle;
};

class SequencerPedestrianCallTest : public SequencerScenarioTest, public ::testing::WithParamInterface<CallCase> {};

// Ped 2 without automatic inclusion. Phase 2: Walk 13.1, Ped Clear 17.1, Yellow 20.1, Red Clear
// 22.1 to 23.1; its next Walk at 47.1.
TEST_P(SequencerPedestrianCallTest, ShowsWhatTheCallAskedForInTheCycleItWasMade) {
    const CallCase& c = GetParam();
    Defaults();
    SetSetting("", "AutoIncludePed2", "0");
    Start("2026-12-07 07:00:00");
    if (c.callAt >= 0) {
        RunTo(c.callAt);
        EXPECT_EQ(Act("call 8"), "");
        EXPECT_EQ(Tables().Peds[0].Called, kTrue);
        EXPECT_TRUE(Main().display.LEDCall[8].Lit());
    }
    RunTo(23.0);
    EXPECT_EQ(Painted(8, "G", 13.1, 17.09), c.walk);
    EXPECT_EQ(Painted(8, "O", 17.11, 22.09), c.flashingClearance);  // the dark half of flashing Don't Walk
    EXPECT_EQ(LampLines(8, 22.1, 23.0), (Lines{"22.100 R"}));
    EXPECT_EQ(Tables().Peds[0].Called, c.calledAfterRedClear ? kTrue : kFalse);
    RunTo(51.0);
    EXPECT_EQ(Painted(8, "G", 47.1, 51.0), c.walkNextCycle);
    // The vehicle timing is the same whatever the calls.
    EXPECT_EQ(RingLines(1, 13.0, 23.0), (Lines{"13.100 1 2 1 4.0000 WALK", "17.100 1 2 2 3.0000 PED CLEAR",
                                               "20.100 1 2 4 2.0000 YELLOW", "22.100 1 2 5 1.0000 RED CLEAR"}));
}

INSTANTIATE_TEST_SUITE_P(SequencerCalls, SequencerPedestrianCallTest,
                         ::testing::Values(CallCase{"None", -1, false, false, false, false},
                                           CallCase{"BeforeWalk", 7.0, true, true, false, false},
                                           CallCase{"DuringWalk", 14.0, false, true, false, false},
                                           CallCase{"DuringYellow", 20.5, false, false, false, false},
                                           CallCase{"DuringRedClear", 22.5, false, false, true, true}),
                         [](const ::testing::TestParamInfo<CallCase>& info) { return std::string(info.param.name); });

TEST_F(SequencerScenarioTest, ACallDuringPoliceFlashIsNotRegistered) {
    Defaults();
    SetSetting("", "AutoIncludePed2", "0");
    Start("2026-12-07 07:00:00");
    RunTo(7.0);
    EXPECT_EQ(Act("mode 2"), "");
    const bool indicatorBefore = Main().display.LEDCall[8].Lit();
    EXPECT_EQ(Act("call 8"), "");
    EXPECT_EQ(Tables().Peds[0].Called, kFalse);
    EXPECT_EQ(Main().display.LEDCall[8].Lit(), indicatorBefore);

    // Back in Run, phase 2's next Walk shows no Walk. Ring 1 first finishes the 3.1 s it had
    // left: phase 1 green at 10.1, phase 2 Walk at 17.1.
    EXPECT_EQ(Act("mode 1"), "");
    RunTo(21.0);
    EXPECT_EQ(RingLines(1, 17.1, 17.1), (Lines{"17.100 1 2 1 4.0000 WALK"}));
    EXPECT_FALSE(Painted(8, "G", 7.0, 21.0));
}

TEST_F(SequencerScenarioTest, AutomaticallyIncludedPedestriansWalkEveryCycleWithoutACall) {
    Start("2026-12-07 07:00:00");  // every pedestrian head is included by default
    RunTo(6.5);
    EXPECT_FALSE(Main().display.cmdCall[8].Visible());
    EXPECT_NE(Act("call 8"), "");
    RunTo(51.0);

    EXPECT_TRUE(Painted(8, "G", 13.1, 13.1));
    EXPECT_TRUE(Painted(8, "O", 17.11, 22.09));
    EXPECT_EQ(LampLines(8, 22.1, 22.1), (Lines{"22.100 R"}));
    EXPECT_TRUE(Painted(9, "G", 30.1, 30.1));  // Ped 4 in phase 4's Walk
    EXPECT_TRUE(Painted(8, "G", 47.1, 47.1));
}

TEST_F(SequencerScenarioTest, RunEnteredAgainFromPoliceFlashRestartsBothRingsAtTheirFirstPositions) {
    Defaults();
    SetSetting("", "Ring1Order", "2134");
    SetSetting("\\Prog3\\Phase5", "1", "3");
    Start("2026-12-07 07:00:00");
    // At 14.0 ring 1 has 1.1 s left of phase 2's Yellow (13.1 to 15.1), ring 2 2.1 s of phase 6's
    // Walk (12.1 to 16.1).
    RunTo(14.0);
    EXPECT_EQ(Act("mode 2"), "");
    RunTo(20.0);
    EXPECT_TRUE(Trace("ring", 14.0, 20.0).empty());

    EXPECT_EQ(Act("mode 1"), "");
    EXPECT_EQ(Trace("mode", 14.0, 20.0), (Lines{"14.000 2 Police Flash", "20.000 1 run"}));
    for (const RingState& ring : Tables().Rings) {
        EXPECT_EQ(ring.Position, 1) << "ring " << ring.Ring;
        EXPECT_EQ(ring.Interval, 0) << "ring " << ring.Ring;
    }
    EXPECT_EQ(Tables().Rings[0].Phase, 2);
    EXPECT_EQ(Tables().Rings[1].Phase, 5);
    // At once: phase 2 Walk (its pedestrian head too), phase 5 green, everything else red.
    for (int loadSwitch = 0; loadSwitch < 12; ++loadSwitch) {
        const bool walkOrGreen = loadSwitch == 1 || loadSwitch == 4 || loadSwitch == 8;
        EXPECT_EQ(Main().display.LampCode(loadSwitch), walkOrGreen ? "G" : "R") << "load switch " << loadSwitch;
    }

    RunTo(20.1);
    EXPECT_EQ(Main().display.lblTimeLeft[0].Caption(), "1.0");
    EXPECT_EQ(Main().display.lblTimeLeft[1].Caption(), "2.0");
    RunTo(25.0);
    EXPECT_EQ(Trace("ring", 20.0, 25.0), (Lines{"21.100 1 2 1 4.0000 WALK", "22.100 2 5 1 3.0000 GREEN"}));
}

}  // namespace
}  // namespace corvane

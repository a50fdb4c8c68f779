// Flash and special operating modes in virtual time: the two flashers and their circuits, the
// passive-left rule, lights off and on, manual advance, the police panel's options, two-colour
// heads and the conflict monitor's reaction.
//
// Timing used throughout, with the default timing plans: the controller window loads at 1.000;
// the slow flasher ticks at 1.550 + 0.550 n and lights circuit 1 on even n; the fast flasher
// ticks at 1.125 + 0.125 m and lights circuit 1 on even m. Monday 07:00 runs program 3 from
// 6.000 and both rings start timing at 6.100: phases 1 and 5 green 6.1-10.1, yellow -12.1, red
// clear -13.1; phases 2 and 6 walk 13.1-17.1, ped clear -20.1, yellow -22.1, red clear -23.1;
// phase 3 green 23.1-27.1, yellow -29.1, red clear -30.1; phase 4 walk 30.1-34.1, ped clear
// -37.1, yellow -39.1, red clear -40.1; phase 1 green again from 40.1. Monday 00:00 is a flash
// program.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "SimulationFixture.h"
#include "platform/VirtualClock.h"

namespace corvane {
namespace {

constexpr const char* kMondayMorning = "2026-12-07 07:00:00";
constexpr const char* kMondayMidnight = "2026-12-07 00:00:00";

// A moment as the trace writes it: seconds with three decimals.
std::string Stamp(double seconds) {
    const long long ms = std::llround(seconds * 1000);
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%03lld", ms / 1000, ms % 1000);
    return text;
}

double SlowTick(int n) { return 1.550 + 0.550 * n; }

// What the twelve load switches show on the main window, in load-switch order.
std::string LampsOf(const frmMain& main) {
    std::string lamps;
    for (std::int32_t i = 0; i < kLoadSwitchCount; ++i) {
        lamps += (i == 0 ? "" : " ") + main.display.LampCode(i);
    }
    return lamps;
}

class FlashScenarioTest : public testing::SimulationTest {
protected:
    std::string Lamps() { return LampsOf(Main()); }

    // The paintings of one load switch in [from, to], as "T CODE".
    std::vector<std::string> Paintings(int loadSwitch, double from, double to) const {
        std::vector<std::string> paintings;
        const std::string wanted = " " + std::to_string(loadSwitch) + " ";
        for (const std::string& line : Trace("lamp", from, to)) {
            const std::size_t at = line.find(wanted);
            if (at != std::string::npos && line.find(' ') == at) {
                paintings.push_back(line.substr(0, at) + " " + line.substr(at + wanted.size()));
            }
        }
        return paintings;
    }

    void SetFlashCircuit(int phase, const char* circuit) {
        SetSetting("", "Phase" + std::to_string(phase) + "FlashCircuit", circuit);
    }
    void SetFlashColor(int phase, const char* colour) {
        SetSetting("", "Phase" + std::to_string(phase) + "FlashColor", colour);
    }
};

// --- Flash circuits and colours ---------------------------------------------------------------

struct FlashEntry {
    const char* name;
    const char* start;
    const char* action;  // the operator's choice at 12.500, or nullptr
    std::int32_t mode;
};

class FlashCircuitTest : public FlashScenarioTest, public ::testing::WithParamInterface<FlashEntry> {};

TEST_P(FlashCircuitTest, TheTwoCircuitsLightAlternatelyInEachHeadsFlashColour) {
    Defaults();
    SetFlashCircuit(2, "1");
    SetFlashCircuit(6, "1");
    SetFlashCircuit(4, "2");
    SetFlashCircuit(8, "2");
    // A yellow flash colour on a left-turn phase must not matter: odd phases always flash red.
    for (int phase = 1; phase <= 8; ++phase) {
        SetFlashColor(phase, "Y");
    }
    Start(GetParam().start);
    RunTo(12.5);
    if (GetParam().action != nullptr) {
        ASSERT_EQ(Act(GetParam().action), "");
    }
    RunTo(SlowTick(22));  // 13.650, lights circuit 1
    EXPECT_EQ(Main().lCurrentStatus, GetParam().mode);
    EXPECT_EQ(Lamps(), "R Y R O R Y R O O O O O");
    RunTo(SlowTick(23));  // 14.200, lights circuit 2
    EXPECT_EQ(Lamps(), "O O O Y O O O Y O O O O");
    RunTo(SlowTick(24));
    EXPECT_EQ(Lamps(), "R Y R O R Y R O O O O O");
}

INSTANTIATE_TEST_SUITE_P(
    FlashModes, FlashCircuitTest,
    ::testing::Values(FlashEntry{"ProgramFlash", kMondayMidnight, nullptr, OperatingMode::ProgramFlash},
                      // Both rings are in Red Clear at 12.500, so no phase is green to fast-flash.
                      FlashEntry{"PoliceFlashFromRun", kMondayMorning, "mode 2", OperatingMode::PoliceFlash}),
    [](const ::testing::TestParamInfo<FlashEntry>& info) { return std::string(info.param.name); });

TEST_F(FlashScenarioTest, FourWayStopFlashesEveryVehicleHeadRedAndKeepsPedestrianHeadsDark) {
    Defaults();
    for (int phase = 1; phase <= 8; ++phase) {
        SetFlashColor(phase, "Y");
    }
    Start(kMondayMorning);
    RunTo(15.0);  // phases 2 and 6 in Walk, their pedestrian heads showing Walk
    ASSERT_EQ(Act("mode 4"), "");
    EXPECT_EQ(Main().lCurrentStatus, OperatingMode::FourWayStop);
    // Dark, every load switch red, then dark again as the flash starts.
    EXPECT_EQ(Paintings(1, 15.0, 15.0), (std::vector<std::string>{"15.000 O", "15.000 R", "15.000 O"}));
    EXPECT_EQ(Paintings(8, 15.0, 15.0), (std::vector<std::string>{"15.000 O", "15.000 R", "15.000 O"}));
    EXPECT_EQ(Lamps(), "O O O O O O O O O O O O");

    RunTo(SlowTick(25));  // 15.300, circuit 2: the even phases
    EXPECT_EQ(Lamps(), "O R O R O R O R O O O O");
    RunTo(SlowTick(26));  // 15.850, circuit 1: the odd phases
    EXPECT_EQ(Lamps(), "R O R O R O R O O O O O");

    RunTo(20.0);
    for (const std::string& line : Trace("lamp", 15.001, 20.0)) {
        const std::string code = line.substr(line.rfind(' ') + 1);
        EXPECT_TRUE(code == "R" || code == "O") << line;
    }
    for (int ped = 8; ped < kLoadSwitchCount; ++ped) {
        EXPECT_TRUE(Paintings(ped, 15.001, 20.0).empty()) << "pedestrian load switch " << ped;
    }
}

TEST_F(FlashScenarioTest, PoliceFlashDuringGreenFastFlashesThatPhaseUnderTheSlowFlasher) {
    Defaults();
    SetFlashColor(2, "Y");
    Start(kMondayMorning);
    RunTo(15.0);
    ASSERT_EQ(Main().display.LampCode(1), "G");
    ASSERT_EQ(Act("mode 2"), "");
    EXPECT_EQ(Main().lCurrentStatus, OperatingMode::PoliceFlash);
    RunTo(16.0);

    // Phase 2 is on circuit 2: green on every other fast tick, its flash colour on the slow
    // circuit-2 tick until the next fast tick, dark on the slow circuit-1 tick.
    EXPECT_EQ(Paintings(1, 15.001, 16.0),
              (std::vector<std::string>{"15.125 O", "15.250 G", "15.300 Y", "15.375 O", "15.500 G", "15.625 O",
                                        "15.750 G", "15.850 O", "15.875 O", "16.000 G"}));
    // Phase 3 was red: only the slow flasher drives it.
    EXPECT_EQ(Paintings(2, 15.001, 16.0), (std::vector<std::string>{"15.300 O", "15.850 R"}));
}

// --- Passive-left rule -----------------------------------------------------------------------

struct PassiveLeftCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> rules;
    int leftSwitch;       // the odd partner's load switch
    double flashFrom;     // the through phase's Walk begins
    double flashUntil;    // the partner stops flashing here
    double steadyUntil;   // the partner's own next green
};

class FlashPassiveLeftTest : public FlashScenarioTest, public ::testing::WithParamInterface<PassiveLeftCase> {};

TEST_P(FlashPassiveLeftTest, TheLeftTurnHeadFlashesRedWhileItsThroughPhaseHasRightOfWay) {
    const PassiveLeftCase& c = GetParam();
    Defaults();
    for (const auto& [name, value] : c.rules) {
        SetSetting("", name, value);
    }
    Start(kMondayMorning);
    RunTo(c.flashUntil);

    // Left-turn phases are on circuit 1: red on the even slow ticks, dark on the odd ones. A
    // slow tick at the very moment the Walk begins may come before or after it, so the window
    // opens just after.
    std::vector<std::string> flashing;
    for (int n = 0; SlowTick(n) < c.flashUntil - 1e-9; ++n) {
        if (SlowTick(n) > c.flashFrom + 1e-9) {
            flashing.push_back(Stamp(SlowTick(n)) + (n % 2 == 0 ? " R" : " O"));
        }
    }
    EXPECT_EQ(Paintings(c.leftSwitch, c.flashFrom + 0.001, c.flashUntil - 0.001), flashing);
    EXPECT_EQ(Main().display.LampCode(c.leftSwitch), "R");

    RunTo(c.steadyUntil);
    for (const std::string& painting : Paintings(c.leftSwitch, c.flashUntil, c.steadyUntil)) {
        EXPECT_EQ(painting.substr(painting.find(' ') + 1), "R") << painting;
    }
    EXPECT_EQ(Main().display.LampCode(c.leftSwitch), "R");
}

INSTANTIATE_TEST_SUITE_P(
    FlashRules, FlashPassiveLeftTest,
    ::testing::Values(
        PassiveLeftCase{"GreenOnlySteadyAtYellow",
                        {{"Flash1RedOn2Green", "1"}, {"Flash1RedOn2Yellow", "0"}},
                        0, 13.1, 20.1, 40.0},
        PassiveLeftCase{"GreenAndYellowSteadyAtRedClear",
                        {{"Flash3RedOn4Green", "1"}, {"Flash3RedOn4Yellow", "1"}},
                        2, 30.1, 39.1, 57.0},
        PassiveLeftCase{"NeitherRuleNeverFlashes",
                        {{"Flash1RedOn2Green", "0"}, {"Flash1RedOn2Yellow", "0"}},
                        0, 13.1, 13.1, 40.0}),
    [](const ::testing::TestParamInfo<PassiveLeftCase>& info) { return std::string(info.param.name); });

// --- Lights off and on -----------------------------------------------------------------------

TEST_F(FlashScenarioTest, LightsOffInRunDarkensWhileTheRingsCarryOnAndOnShowsTheCurrentIntervals) {
    Defaults();
    Start(kMondayMorning);
    RunTo(15.0);
    ASSERT_EQ(Act("lights off"), "");
    EXPECT_EQ(Lamps(), "O O O O O O O O O O O O");

    RunTo(18.0);
    EXPECT_EQ(Trace("ring", 15.001, 18.0),
              (std::vector<std::string>{"17.100 1 2 2 3.0000 PED CLEAR", "17.100 2 6 2 3.0000 PED CLEAR"}));
    for (const std::string& line : Trace("lamp", 15.001, 18.0)) {
        EXPECT_EQ(line.substr(line.rfind(' ') + 1), "O") << line;
    }
    EXPECT_EQ(Lamps(), "O O O O O O O O O O O O");

    ASSERT_EQ(Act("lights on"), "");
    // Everything red, then phases 2 and 6 show their Ped Clear green again.
    EXPECT_EQ(Lamps(), "R G R R R G R R R R R R");
    RunTo(20.1);
    EXPECT_EQ(Main().display.LampCode(1), "Y");
    EXPECT_EQ(Main().display.LampCode(5), "Y");
}

struct LightsInFlashCase {
    const char* name;
    const char* start;
    std::vector<std::string> enter;      // at 12.500
    std::vector<std::string> reenter;    // at 20.000
};

class FlashLightsTest : public FlashScenarioTest, public ::testing::WithParamInterface<LightsInFlashCase> {};

TEST_P(FlashLightsTest, OffThenOnInAFlashModeLeavesTheHeadsDarkUntilAModeIsEnteredAgain) {
    const LightsInFlashCase& c = GetParam();
    Defaults();
    Start(c.start);
    RunTo(12.5);
    for (const std::string& action : c.enter) {
        ASSERT_EQ(Act(action), "");
    }
    RunTo(14.0);
    ASSERT_EQ(Act("lights off"), "");
    RunTo(15.0);
    ASSERT_EQ(Act("lights on"), "");
    RunTo(20.0);
    for (const std::string& line : Trace("lamp", 14.0, 20.0)) {
        EXPECT_EQ(line.substr(line.rfind(' ') + 1), "O") << line;
    }
    EXPECT_EQ(Lamps(), "O O O O O O O O O O O O");

    for (const std::string& action : c.reenter) {
        ASSERT_EQ(Act(action), "");
    }
    EXPECT_EQ(Main().lCurrentStatus, OperatingMode::PoliceFlash);
    // Phase 3 on circuit 1 and phase 4 on circuit 2 flash red again.
    RunTo(SlowTick(34));
    EXPECT_EQ(Main().display.LampCode(2), "R");
    EXPECT_EQ(Main().display.LampCode(3), "O");
    RunTo(SlowTick(35));
    EXPECT_EQ(Main().display.LampCode(2), "O");
    EXPECT_EQ(Main().display.LampCode(3), "R");
}

INSTANTIATE_TEST_SUITE_P(
    FlashModes, FlashLightsTest,
    ::testing::Values(LightsInFlashCase{"ProgramFlash", kMondayMidnight, {}, {"mode 2"}},
                      // Choosing Police Flash again needs another mode first: the option is selected.
                      LightsInFlashCase{"PoliceFlash", kMondayMorning, {"mode 2"}, {"mode 1", "mode 2"}}),
    [](const ::testing::TestParamInfo<LightsInFlashCase>& info) { return std::string(info.param.name); });

// --- Manual advance --------------------------------------------------------------------------

TEST_F(FlashScenarioTest, ManualAdvanceFromRunHoldsTheLampsAndNextAdvancesBothRings) {
    Defaults();
    Start(kMondayMorning);
    RunTo(8.0);  // phases 1 and 5 green, nothing flashing
    const std::string before = Lamps();
    const std::size_t paintedBefore = Trace("lamp").size();
    ASSERT_EQ(Act("mode 7"), "");
    EXPECT_EQ(Main().lCurrentStatus, OperatingMode::ManualAdvance);
    EXPECT_TRUE(Main().policePanel.cmdNext.Enabled());
    EXPECT_EQ(Trace("lamp").size(), paintedBefore);

    RunTo(20.0);
    EXPECT_EQ(Lamps(), before);
    EXPECT_TRUE(Trace("ring", 8.001, 20.0).empty());
    EXPECT_TRUE(Trace("lamp", 8.001, 20.0).empty());

    ASSERT_EQ(Tables().Rings[0].Interval, IntervalCode::Walk);
    ASSERT_EQ(Tables().Rings[1].Interval, IntervalCode::Walk);
    ASSERT_EQ(Act("next"), "");
    EXPECT_EQ(Tables().Rings[0].Interval, 2);
    EXPECT_EQ(Tables().Rings[1].Interval, 2);
    ASSERT_EQ(Act("next"), "");
    EXPECT_EQ(Tables().Rings[0].Interval, 3);
    EXPECT_EQ(Tables().Rings[1].Interval, 3);
    EXPECT_EQ(Tables().Rings[0].Phase, 1);
    EXPECT_EQ(Tables().Rings[1].Phase, 5);
}

TEST_F(FlashScenarioTest, ManualAdvanceFromAFlashModeRestartsRunFirstAndThenHolds) {
    Defaults();
    Start(kMondayMidnight);
    RunTo(8.0);
    ASSERT_EQ(Main().lCurrentStatus, OperatingMode::ProgramFlash);
    ASSERT_EQ(Act("mode 7"), "");
    EXPECT_EQ(Trace("mode", 8.0, 8.0), (std::vector<std::string>{"8.000 1 run", "8.000 7 Manual Advance"}));
    // Run's first lamps: the two starting phases green, everything else red.
    EXPECT_EQ(Lamps(), "G R R R G R R R R R R R");
    EXPECT_TRUE(Main().policePanel.cmdNext.Enabled());

    RunTo(15.0);
    EXPECT_EQ(Main().lCurrentStatus, OperatingMode::ManualAdvance);
    EXPECT_TRUE(Trace("lamp", 8.001, 15.0).empty());
    EXPECT_TRUE(Trace("ring", 8.001, 15.0).empty());
}

// --- Police panel ----------------------------------------------------------------------------

class FlashPolicePanelTest : public FlashScenarioTest, public ::testing::WithParamInterface<int> {};

TEST_P(FlashPolicePanelTest, AModeTheOperatorMayNotChooseCannotBeClicked) {
    Defaults();
    Start(kMondayMorning);
    RunTo(8.0);
    const std::string before = Lamps();
    EXPECT_NE(Act("mode " + std::to_string(GetParam())), "");
    EXPECT_EQ(Main().lCurrentStatus, OperatingMode::Run);
    EXPECT_EQ(Main().policePanel.optMode.Selected(), OperatingMode::Run);
    EXPECT_EQ(Lamps(), before);
}

INSTANTIATE_TEST_SUITE_P(FlashDisabledAndHidden, FlashPolicePanelTest,
                         ::testing::Values(OperatingMode::StartupFlash, OperatingMode::ProgramFlash,
                                           OperatingMode::ConflictDetected, OperatingMode::RailroadPreEmpt),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Option" + std::to_string(info.param);
                         });

TEST_F(FlashScenarioTest, PoliceFlashChosenInRunFlashesAndDisablesNext) {
    Defaults();
    Start(kMondayMorning);
    RunTo(8.0);
    ASSERT_EQ(Act("mode 7"), "");
    ASSERT_TRUE(Main().policePanel.cmdNext.Enabled());
    ASSERT_EQ(Act("mode 2"), "");
    EXPECT_EQ(Main().lCurrentStatus, OperatingMode::PoliceFlash);
    EXPECT_FALSE(Main().policePanel.cmdNext.Enabled());
    EXPECT_NE(Act("next"), "");
    EXPECT_EQ(Tables().Rings[0].Interval, IntervalCode::Walk);
    RunTo(8.1);
    EXPECT_EQ(Main().display.lblStatus.Caption(), " POLICE FLASH");
}

// --- Two-colour heads ------------------------------------------------------------------------

TEST_F(FlashScenarioTest, TwoColourHeadsShowYellowAsRedAndGreenTogether) {
    Defaults();
    SetSetting("", "ColorMode", "2");
    Start(kMondayMorning);
    RunTo(10.1);  // phases 1 and 5 begin Yellow; phase 5 is vehicle head B (terminals 4-6)
    const MainWindowDisplay& display = Main().display;
    EXPECT_TRUE(display.Red[4].Lit());
    EXPECT_FALSE(display.Yellow[4].Lit());
    EXPECT_TRUE(display.Green[4].Lit());
    EXPECT_EQ(display.LampCode(0), "RG");
    RunTo(10.2);
    std::vector<std::string> relay;
    for (const std::string& line : Trace("relay", 10.1, 10.2)) {
        relay.push_back(line.substr(line.find(' ') + 1));
    }
    EXPECT_EQ(relay, (std::vector<std::string>{"N4", "F5", "N6"}));
}

// --- Conflict monitor ------------------------------------------------------------------------

class FlashConflictTest : public FlashScenarioTest {
protected:
    // Runs the controller with a rule that records what it is asked and calls 2 with 6 a conflict.
    void StartWithRule(std::int32_t configuredPhases) {
        Defaults();
        ConflictRule rule = [this](std::int32_t ring1, std::int32_t ring2) {
            asked.emplace_back(ring1, ring2);
            return ring1 == 2 && ring2 == 6;
        };
        simulation = std::make_unique<Simulation>(*store.store, *ParseLocalDateTime(kMondayMorning), nullptr,
                                                  std::move(rule));
        simulation->Program().tables.ConfiguredPhasesInUse = configuredPhases;
    }
    void RunUntil(double seconds) { simulation->RunUntil(std::llround(seconds * 1000)); }
    frmMain& Controller() { return *simulation->Main(); }
    std::string ClickMode(int mode) {
        ScriptAction action;
        action.kind = ScriptActionKind::Mode;
        action.number = mode;
        return simulation->Perform(action).value_or("");
    }

    std::vector<std::pair<std::int32_t, std::int32_t>> asked;
    std::unique_ptr<Simulation> simulation;
};

TEST_F(FlashConflictTest, WithoutASavedConfigurationTheMonitorNeverAsks) {
    StartWithRule(0);  // "PhasesInUse" is 8 in the store, but the Configuration was not saved
    RunUntil(45.0);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Controller().lCurrentStatus, OperatingMode::Run);
}

TEST_F(FlashConflictTest, AConflictEntersConflictFlashAndLightsTheIndicatorUntilTheNextFlash) {
    StartWithRule(8);
    RunUntil(13.0);
    ASSERT_EQ(Controller().lCurrentStatus, OperatingMode::Run);
    ASSERT_FALSE(asked.empty());
    for (const auto& [ring1, ring2] : asked) {
        // Green or yellow phases 1 and 5, or nothing during Red Clear.
        EXPECT_TRUE((ring1 == 1 && ring2 == 5) || (ring1 == 0 && ring2 == 0)) << ring1 << " " << ring2;
    }

    RunUntil(14.2);  // phases 2 and 6 green since 13.1
    ASSERT_EQ(Controller().lCurrentStatus, OperatingMode::ConflictDetected);
    EXPECT_EQ(asked.back(), std::make_pair(2, 6));
    EXPECT_TRUE(Controller().display.ConflictLED.Lit());
    EXPECT_EQ(Controller().policePanel.optMode.Selected(), OperatingMode::ConflictDetected);
    const std::size_t askedAtConflict = asked.size();

    RunUntil(SlowTick(24));  // 14.750, circuit 1
    EXPECT_EQ(LampsOf(Controller()), "R O R O R O R O O O O O");
    RunUntil(SlowTick(25));
    EXPECT_EQ(LampsOf(Controller()), "O R O R O R O R O O O O");

    RunUntil(20.0);
    EXPECT_EQ(asked.size(), askedAtConflict);  // no checks outside Run
    EXPECT_TRUE(Controller().display.ConflictLED.Lit());

    ASSERT_EQ(ClickMode(OperatingMode::Run), "");
    EXPECT_EQ(Controller().lCurrentStatus, OperatingMode::Run);
    EXPECT_TRUE(Controller().display.ConflictLED.Lit());
    ASSERT_EQ(ClickMode(OperatingMode::PoliceFlash), "");
    EXPECT_FALSE(Controller().display.ConflictLED.Lit());
}

}  // namespace
}  // namespace corvane

// The controller's start-up in virtual time: five seconds of start-up flash from the window's load
// at t = 1.000, the program chosen by the time of day at t = 6.000, the status rows, the relay
// line as the controller comes up, and shut-down.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "SimulationFixture.h"

namespace corvane {
namespace {

using Lines = std::vector<std::string>;

std::string Seconds(int ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%03d", ms / 1000, ms % 1000);
    return text;
}

// The lamp lines that the slow flasher paints with the default flash settings between two
// moments: odd phases red on circuit 1, even phases red on circuit 2, pedestrian heads dark and
// not flashing. Its first tick, 550 ms after the load, lights circuit 1.
Lines DefaultFlashLamps(int fromMs, int toMs) {
    Lines lines;
    for (int tick = 0;; ++tick) {
        const int at = 1000 + 550 * (tick + 1);
        if (at > toMs) {
            break;
        }
        if (at < fromMs) {
            continue;
        }
        const int circuit = tick % 2 == 0 ? 1 : 2;
        for (int loadSwitch = 0; loadSwitch < 8; ++loadSwitch) {
            const int phaseCircuit = (loadSwitch + 1) % 2 == 1 ? 1 : 2;
            lines.push_back(Seconds(at) + " " + std::to_string(loadSwitch) + (phaseCircuit == circuit ? " R" : " O"));
        }
    }
    return lines;
}

// Only the words after the time of each line.
Lines WithoutTimes(const Lines& lines) {
    Lines words;
    for (const std::string& line : lines) {
        words.push_back(line.substr(line.find(' ') + 1));
    }
    return words;
}

class StartupScenarioTest : public testing::SimulationTest {
protected:
    // The captions the status row took, in order, as "T TEXT".
    Lines StatusCaptions() const {
        Lines captions;
        for (const std::string& line : Trace("label")) {
            const std::size_t name = line.find(' ') + 1;
            if (line.compare(name, 10, "lblStatus ") == 0) {
                captions.push_back(line.substr(0, name) + line.substr(name + 10));
            }
        }
        return captions;
    }

    void CreateProgramKey(int program) {
        store.registry.CreateRegKey(HKEY_LOCAL_MACHINE, std::string(SettingsRoot) + "\\Prog" + std::to_string(program));
    }
};

TEST_F(StartupScenarioTest, ARunProgramFlashesForFiveSecondsThenShowsAllRedAndTheStartingPhasesGreen) {
    Start("2026-12-07 07:00:00");  // Monday: program 3, which runs phases
    RunTo(5.999);
    EXPECT_EQ(Trace("lamp", 1.001, 5.999), DefaultFlashLamps(1001, 5999));
    EXPECT_EQ(Main().lCurrentStatus, OperatingMode::StartupFlash);

    RunTo(6.0);
    EXPECT_EQ(Trace("program"), (Lines{"6.000 3"}));
    EXPECT_EQ(Trace("mode"), (Lines{"6.000 1 run"}));
    // Every head goes red first, pedestrian heads included.
    const Lines atSix = Trace("lamp", 6.0, 6.0);
    ASSERT_GE(atSix.size(), 12u);
    Lines allRed;
    for (int loadSwitch = 0; loadSwitch < 12; ++loadSwitch) {
        allRed.push_back("6.000 " + std::to_string(loadSwitch) + " R");
    }
    EXPECT_EQ(Lines(atSix.begin(), atSix.begin() + 12), allRed);
    // Then phases 1 and 5, first in their rings, show green while everything else stays red.
    for (int loadSwitch = 0; loadSwitch < 12; ++loadSwitch) {
        const bool startingPhase = loadSwitch == 0 || loadSwitch == 4;
        EXPECT_EQ(Main().display.LampCode(loadSwitch), startingPhase ? "G" : "R") << "load switch " << loadSwitch;
    }

    RunTo(10.0);
    EXPECT_EQ(StatusCaptions(), (Lines{"1.100 \" STARTUP FLASH\"", "6.100 \" RUN\""}));
    // The flashers no longer paint anything: only the sequencer's first intervals change lamps.
    EXPECT_EQ(Trace("lamp", 6.001, 10.0), (Lines{"6.100 0 G", "6.100 4 G"}));
}

TEST_F(StartupScenarioTest, AFlashProgramAtStartUpKeepsTheHeadsFlashingAsProgramFlash) {
    Start("2026-12-07 00:00:00");  // Monday night: program 2 of Sunday 19:30, a flash program
    RunTo(9.0);
    EXPECT_EQ(Trace("program"), (Lines{"6.000 2"}));
    EXPECT_EQ(Trace("mode"), (Lines{"6.000 3 Program flash"}));
    EXPECT_EQ(StatusCaptions(), (Lines{"1.100 \" STARTUP FLASH\"", "6.100 \" PROGRAM FLASH\""}));
    // The flasher keeps its rhythm across the change of mode, and no ring is timed.
    EXPECT_EQ(Trace("lamp", 1.001, 5.999), DefaultFlashLamps(1001, 5999));
    EXPECT_EQ(Trace("lamp", 6.001, 9.0), DefaultFlashLamps(6001, 9000));
    EXPECT_TRUE(Trace("ring").empty());
    for (const LoadSwitch& phase : Tables().Phases) {
        EXPECT_EQ(phase.Flashing, kTrue) << "phase " << phase.Number;
    }
}

TEST_F(StartupScenarioTest, AProgramWithoutAFlashValueLeavesTheControllerInStartupFlash) {
    // A program key that exists is not completed with defaults, so this one never gets "Flash".
    CreateProgramKey(3);
    SetSetting("\\Prog3", "StartTime", "360");
    SetSetting("\\Prog3", "Days", "62");
    Start("2026-12-07 07:00:00");
    RunTo(12.0);
    EXPECT_EQ(Trace("program"), (Lines{"6.000 3"}));
    EXPECT_TRUE(Trace("mode").empty());
    EXPECT_EQ(Main().lCurrentStatus, OperatingMode::StartupFlash);
    EXPECT_EQ(StatusCaptions(), (Lines{"1.100 \" STARTUP FLASH\""}));
    EXPECT_EQ(Main().display.lblTime.Caption(), "07:00:12  ");
    EXPECT_TRUE(Main().display.lblCurrentProgram.Visible());
    EXPECT_EQ(Main().display.lblCurrentProgram.Caption(), "3  ");
    EXPECT_EQ(Trace("lamp", 1.001, 12.0), DefaultFlashLamps(1001, 12000));
    EXPECT_TRUE(Trace("ring").empty());

    // The operator can still choose a mode on the police panel.
    EXPECT_EQ(Act("mode 1"), "");
    EXPECT_EQ(Trace("mode"), (Lines{"12.000 1 run"}));
}

struct ClockCase {
    const char* start;
    double at;
    const char* date;
    const char* time;
};

class StartupClockRowsTest : public StartupScenarioTest, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(StartupClockRowsTest, ShowTheDateAndTimeOfTheMainTick) {
    const ClockCase& c = GetParam();
    Start(c.start);
    RunTo(c.at);
    EXPECT_EQ(Main().display.lblDate.Caption(), c.date);
    EXPECT_EQ(Main().display.lblTime.Caption(), c.time);
}

INSTANTIATE_TEST_SUITE_P(
    StartupMoments, StartupClockRowsTest,
    ::testing::Values(ClockCase{"2005-01-01 09:05:00", 3.0, " SAT 01 JAN 2005", "09:05:03  "},
                      ClockCase{"2026-12-07 13:45:00", 1.1, " MON 07 DEC 2026", "13:45:01  "},
                      ClockCase{"2004-12-31 23:59:58", 1.1, " FRI 31 DEC 2004", "23:59:59  "},
                      ClockCase{"2004-12-31 23:59:58", 2.0, " SAT 01 JAN 2005", "00:00:00  "},
                      ClockCase{"2028-02-28 23:59:58", 2.0, " TUE 29 FEB 2028", "00:00:00  "}));

TEST_F(StartupScenarioTest, TheProgramRowAppearsWhenTheProgramIsFirstChosen) {
    Defaults();
    // Program 7 starts Saturday 09:00, after program 5's 08:00.
    SetSetting("\\Prog7", "StartTime", "540");
    SetSetting("\\Prog7", "Days", "64");
    Start("2005-01-01 09:05:00");
    RunTo(5.999);
    EXPECT_FALSE(Main().display.lblCurrentProgram.Visible());

    RunTo(6.1);
    EXPECT_EQ(Trace("program"), (Lines{"6.000 7"}));
    EXPECT_EQ(Trace("mode"), (Lines{"6.000 1 run"}));
    EXPECT_TRUE(Main().display.lblCurrentProgram.Visible());
    EXPECT_EQ(Main().display.lblCurrentProgram.Caption(), "7  ");
    Lines shown;
    for (const std::string& line : Trace("show")) {
        if (line.ends_with(" lblCurrentProgram")) {
            shown.push_back(line);
        }
    }
    EXPECT_EQ(shown, (Lines{"6.000 lblCurrentProgram"}));
}

struct ReplacedModeCase {
    const char* start;
    std::int32_t mode;
    const char* modeLine;
    const char* status;
};

class StartupPoliceFlashTest : public StartupScenarioTest, public ::testing::WithParamInterface<ReplacedModeCase> {};

// The start-up timer fires once, whatever the operator chose meanwhile.
TEST_P(StartupPoliceFlashTest, ChosenDuringStartupFlashIsReplacedWhenTheStartupTimerFires) {
    const ReplacedModeCase& c = GetParam();
    Start(c.start);
    RunTo(3.0);
    EXPECT_EQ(Act("mode 2"), "");
    RunTo(5.999);
    EXPECT_EQ(Main().display.lblStatus.Caption(), " POLICE FLASH");

    RunTo(6.1);
    EXPECT_EQ(Trace("mode"), (Lines{"3.000 2 Police Flash", c.modeLine}));
    EXPECT_EQ(Main().lCurrentStatus, c.mode);
    EXPECT_EQ(Main().policePanel.optMode.Selected(), c.mode);
    EXPECT_EQ(Main().display.lblStatus.Caption(), c.status);
}

INSTANTIATE_TEST_SUITE_P(
    StartupPrograms, StartupPoliceFlashTest,
    ::testing::Values(ReplacedModeCase{"2026-12-07 07:00:00", OperatingMode::Run, "6.000 1 run", " RUN"},
                      ReplacedModeCase{"2026-12-07 00:00:00", OperatingMode::ProgramFlash, "6.000 3 Program flash",
                                       " PROGRAM FLASH"}));

TEST_F(StartupScenarioTest, TheRelayLineIsInitialisedThenSwitchedOffBeforeTheFlashBegins) {
    Defaults();
    // Only Phase 2 is followed, on terminals 1 to 3.
    SetSetting("\\COMPort", "Port", "1");
    SetSetting("\\COMPort", "PhaseA", "1");
    SetSetting("\\COMPort", "PhaseB", "-1");
    SetSetting("\\COMPort", "PedA", "-1");
    Start("2026-12-07 07:00:00");
    RunTo(2.2);

    const Lines relay = Trace("relay");
    ASSERT_FALSE(relay.empty());
    EXPECT_EQ(relay.front(), "1.000 CPA00000000");
    EXPECT_EQ(Sim().Line().written.front(), "CPA00000000\r");

    // The load's "F0", then every lights-out: "F0" and the followed switch going dark, highest
    // terminal first. The first lights-out's first lamp update loads the police panel, whose load
    // applies Startup Flash twice (on loading, and as its selection moves off "4 Way Stop"), so two
    // whole lights-outs run inside the first one before it darkens switch 1 itself. The last
    // comes from the start-up flash. The queue drains one message per 5 ms.
    const Lines beforeFlash = Trace("relay", 1.001, 1.549);
    const Lines expected{"F0", "F0",                   // the load's, and the first lights-out's
                         "F0", "F3", "F2", "F1",       // inside it: the panel applies the mode
                         "F0", "F3", "F2", "F1",       // and once more as its option is selected
                         "F3", "F2", "F1",             // the first lights-out goes on
                         "F0", "F3", "F2", "F1"};      // the start-up flash's own lights-out
    EXPECT_EQ(WithoutTimes(beforeFlash), expected);
    for (std::size_t i = 0; i < beforeFlash.size(); ++i) {
        EXPECT_TRUE(beforeFlash[i].starts_with(Seconds(1005 + 5 * static_cast<int>(i)) + " ")) << beforeFlash[i];
    }

    // Phase 2 flashes on circuit 2: dark on the first flasher tick, red on the second.
    EXPECT_EQ(Trace("relay", 1.550, 2.2),
              (Lines{"1.550 F3", "1.555 F2", "1.560 F1", "2.100 N1", "2.105 F2", "2.110 F3"}));
}

TEST_F(StartupScenarioTest, ClosingTheWindowSwitchesTheRelaysOffAtOnceAndDropsTheQueue) {
    Start("2026-12-07 07:00:00");
    RunTo(1.0);  // the window has just loaded: its start-up messages wait in the queue
    ASSERT_GT(Main().relay.TxQueue.Count(), 0);

    EXPECT_EQ(Act("close"), "");
    EXPECT_EQ(Trace("relay"), (Lines{"1.000 CPA00000000", "1.000 F0"}));
    EXPECT_EQ(Sim().Line().written.back(), "F0\r");

    const std::string traceAtClose = FullTrace();
    RunTo(10.0);
    EXPECT_TRUE(Sim().Ended());
    EXPECT_EQ(Sim().Line().written.size(), 2u);
    EXPECT_EQ(FullTrace(), traceAtClose);
}

}  // namespace
}  // namespace corvane

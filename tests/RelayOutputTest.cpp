// The relay interface: which terminal group follows a load switch, the messages for each lamp
// code, and the output on the line in virtual time (pacing, terminators, no port, a port that
// cannot be opened, a terminal assignment changed while running, shut-down).
//
// Default assignment: "PhaseA" 2 (Phase 3, terminals 1-3), "PhaseB" 4 (Phase 5, terminals 4-6),
// "PedA" 8 (Ped 2, terminals 7-8). Monday 07:00 runs from 6.000 with both rings timing from
// 6.100: phases 1 and 5 green until 10.1, yellow until 12.1, red clear until 13.1; phases 2 and 6
// walk 13.1-17.1, ped clear -20.1, yellow -22.1, red clear -23.1; phase 3 green 23.1-27.1, yellow
// -29.1. The slow flasher ticks at 1.550 + 0.550 n, lighting circuit 1 on even n.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "SimulationFixture.h"
#include "field/RelayProtocol.h"
#include "platform/VirtualClock.h"

namespace corvane {
namespace {

using Messages = std::vector<std::string>;

// --- Which group follows a load switch -------------------------------------------------------

struct TerminalCase {
    const char* name;
    std::int32_t loadSwitch;
    std::int32_t phaseA;
    std::int32_t phaseB;
    std::int32_t pedA;
    std::int32_t firstTerminal;  // 0: no group follows it
};

class RelayFirstTerminalTest : public ::testing::TestWithParam<TerminalCase> {};

TEST_P(RelayFirstTerminalTest, NamesTheGroupFollowingTheLoadSwitch) {
    const TerminalCase& c = GetParam();
    EXPECT_EQ(FirstRelayTerminal(c.loadSwitch, c.phaseA, c.phaseB, c.pedA), c.firstTerminal);
}

INSTANTIATE_TEST_SUITE_P(
    RelayAssignments, RelayFirstTerminalTest,
    ::testing::Values(TerminalCase{"HeadA", 2, 2, 4, 8, 1},
                      TerminalCase{"HeadB", 4, 2, 4, 8, 4},
                      TerminalCase{"PedestrianHead", 8, 2, 4, 8, 7},
                      TerminalCase{"LastPedestrianHead", 11, 2, 4, 11, 7},
                      TerminalCase{"Unassigned", 0, 2, 4, 8, 0},
                      TerminalCase{"UnassignedPedestrian", 9, 2, 4, 8, 0},
                      TerminalCase{"BothHeadsOnOneSwitchOnlyHeadB", 3, 3, 3, 8, 4},
                      // Missing settings read as 0: both vehicle heads name Phase 1.
                      TerminalCase{"MissingSettings", 0, 0, 0, 0, 4},
                      TerminalCase{"HeadAOnAPedestrianSwitch", 8, 8, -1, -1, 0},
                      TerminalCase{"HeadBOnAPedestrianSwitch", 10, -1, 10, -1, 0},
                      TerminalCase{"PedestrianHeadOnAPhase", 7, -1, -1, 7, 0},
                      TerminalCase{"PedestrianHeadOnPhase1", 0, -1, -1, 0, 0}),
    [](const ::testing::TestParamInfo<TerminalCase>& info) { return std::string(info.param.name); });

// --- Messages for a lamp code ----------------------------------------------------------------

struct LampCase {
    const char* name;
    std::int32_t firstTerminal;
    const char* code;
    Messages messages;
};

class RelayLampMessagesTest : public ::testing::TestWithParam<LampCase> {};

TEST_P(RelayLampMessagesTest, SwitchesTheGroupsTerminalsInOrder) {
    const LampCase& c = GetParam();
    EXPECT_EQ(RelayLampMessages(c.firstTerminal, c.code), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    RelayCodes, RelayLampMessagesTest,
    ::testing::Values(LampCase{"HeadARed", 1, "R", {"N1", "F2", "F3"}},
                      LampCase{"HeadAYellow", 1, "Y", {"F1", "N2", "F3"}},
                      LampCase{"HeadAGreen", 1, "G", {"F1", "F2", "N3"}},
                      LampCase{"HeadARedAndGreen", 1, "RG", {"N1", "F2", "N3"}},
                      LampCase{"HeadADark", 1, "O", {"F3", "F2", "F1"}},
                      LampCase{"HeadBRed", 4, "R", {"N4", "F5", "F6"}},
                      LampCase{"HeadBYellow", 4, "Y", {"F4", "N5", "F6"}},
                      LampCase{"HeadBGreen", 4, "G", {"F4", "F5", "N6"}},
                      LampCase{"HeadBRedAndGreen", 4, "RG", {"N4", "F5", "N6"}},
                      LampCase{"HeadBDark", 4, "O", {"F6", "F5", "F4"}},
                      LampCase{"HeadBUnknownCodeIsDark", 4, "X", {"F6", "F5", "F4"}},
                      LampCase{"HeadAEmptyCodeIsDark", 1, "", {"F3", "F2", "F1"}},
                      // Terminal 7 is Don't Walk, terminal 8 Walk.
                      LampCase{"PedestrianDontWalk", 7, "R", {"N7", "F8"}},
                      LampCase{"PedestrianWalk", 7, "G", {"F7", "N8"}},
                      LampCase{"PedestrianDark", 7, "O", {"F8", "F7"}},
                      LampCase{"PedestrianUnknownCodeIsDark", 7, "X", {"F8", "F7"}}),
    [](const ::testing::TestParamInfo<LampCase>& info) { return std::string(info.param.name); });

// --- The line in virtual time ----------------------------------------------------------------

class RelayOutputTest : public testing::SimulationTest {
protected:
    // The message bodies that went out in [from, to].
    Messages Sent(double from, double to) const {
        Messages sent;
        for (const std::string& line : Trace("relay", from, to)) {
            sent.push_back(line.substr(line.find(' ') + 1));
        }
        return sent;
    }
    // When each message in [from, to] went out, in milliseconds.
    std::vector<long long> SentAtMs(double from, double to) const {
        std::vector<long long> times;
        for (const std::string& line : Trace("relay", from, to)) {
            times.push_back(std::llround(std::stod(line.substr(0, line.find(' '))) * 1000));
        }
        return times;
    }
};

TEST_F(RelayOutputTest, EveryMessageGoesOutOnItsOwnTickWithOneCarriageReturn) {
    Defaults();
    Start("2026-12-07 07:00:00");
    RunTo(40.0);
    const std::vector<std::string>& written = Sim().Line().written;
    ASSERT_GE(written.size(), 3u);
    EXPECT_EQ(written[0], "CPA00000000\r");
    EXPECT_EQ(written[1], "F0\r");
    for (const std::string& bytes : written) {
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes.back(), '\r') << bytes;
        EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 1) << bytes;
        EXPECT_EQ(bytes.find('\n'), std::string::npos) << bytes;
    }

    // After the initialisation, which is written as the port opens, the 5 ms drain hands over
    // at most one message per tick.
    const std::vector<long long> times = SentAtMs(0, 40.0);
    ASSERT_EQ(times.size(), written.size());
    for (std::size_t i = 2; i < times.size(); ++i) {
        EXPECT_GE(times[i] - times[i - 1], 5) << "message " << i << " at " << times[i];
        EXPECT_EQ(times[i] % 5, 0) << "message " << i << " at " << times[i];
    }
}

TEST_F(RelayOutputTest, HeadAInYellowReceivesF1N2F3OnThreeConsecutiveTicks) {
    Defaults();
    Start("2026-12-07 07:00:00");
    RunTo(27.2);  // phase 3 (head A) begins Yellow at 27.1
    EXPECT_EQ(Sent(27.1, 27.2), (Messages{"F1", "N2", "F3"}));
    const std::vector<long long> times = SentAtMs(27.1, 27.2);
    ASSERT_EQ(times.size(), 3u);
    EXPECT_EQ(times[1] - times[0], 5);
    EXPECT_EQ(times[2] - times[1], 5);
}

TEST_F(RelayOutputTest, TheStartUpFlashReachesTheLineAsAlternatingTriples) {
    Defaults();
    SetSetting("\\COMPort", "PhaseA", "1");
    SetSetting("\\COMPort", "PhaseB", "-1");
    SetSetting("\\COMPort", "PedA", "-1");
    Start("2026-12-07 07:00:00");
    RunTo(2.2);
    const std::vector<std::string>& written = Sim().Line().written;
    ASSERT_GE(written.size(), 2u);
    EXPECT_EQ(written[0], "CPA00000000\r");
    EXPECT_EQ(written[1], "F0\r");
    // Between the initialisation and the first flasher tick the load only switches terminals off.
    for (const std::string& body : Sent(1.001, 1.549)) {
        EXPECT_EQ(body[0], 'F') << body;
    }
    // Phase 2 is on circuit 2 and flashes red: dark on the first tick, red on the second.
    EXPECT_EQ(Sent(1.55, 1.65), (Messages{"F3", "F2", "F1"}));
    EXPECT_EQ(Sent(2.1, 2.2), (Messages{"N1", "F2", "F3"}));
}

TEST_F(RelayOutputTest, PedestrianHeadSwitchesDontWalkOnSevenAndWalkOnEight) {
    Defaults();
    SetSetting("\\COMPort", "PhaseA", "-1");
    SetSetting("\\COMPort", "PhaseB", "-1");
    Start("2026-12-07 07:00:00");
    RunTo(22.2);
    // Ped 2 is included automatically: Walk from 13.1, flashing Don't Walk from Ped Clear on
    // (circuit 2, so red on the odd slow ticks), steady Don't Walk at Red Clear.
    EXPECT_EQ(Sent(13.1, 22.2), (Messages{"F7", "N8",                     // 13.1 Walk
                                          "N7", "F8", "F8", "F7",         // 17.50, 18.05
                                          "N7", "F8", "F8", "F7",         // 18.60, 19.15
                                          "N7", "F8", "F8", "F7",         // 19.70, 20.25
                                          "N7", "F8", "F8", "F7",         // 20.80, 21.35
                                          "N7", "F8",                     // 21.90
                                          "N7", "F8"}));                  // 22.1 Red Clear
}

TEST_F(RelayOutputTest, WithoutAPortNothingIsWrittenAndTheQueueDrainsAsWithOne) {
    Defaults();
    SetSetting("\\COMPort", "Port", "0");
    Start("2026-12-07 07:00:00");
    RunTo(1.5);  // the port setting has been read
    // The same controller on the same store with a port, for comparison: messages are still
    // queued without a port and dropped one per tick, so the queue is exactly as long.
    SetSetting("\\COMPort", "Port", "1");
    Simulation withPort(*store.store, *ParseLocalDateTime("2026-12-07 07:00:00"));
    withPort.RunUntil(1500);
    for (int ms = 1500; ms <= 60000; ms += 5) {
        RunTo(ms / 1000.0);
        withPort.RunUntil(ms);
        ASSERT_EQ(Main().relay.TxQueue.Count(), withPort.Main()->relay.TxQueue.Count()) << "at " << ms << " ms";
    }
    ASSERT_FALSE(withPort.Line().written.empty());
    EXPECT_TRUE(Sim().Line().written.empty());
    EXPECT_TRUE(Sim().Messages().empty());
    EXPECT_EQ(Trace("mode", 6.0, 6.0), (std::vector<std::string>{"6.000 1 run"}));
    EXPECT_EQ(Main().relay.TxQueue.Count(), 0);
}

TEST_F(RelayOutputTest, APortThatCannotBeOpenedIsReportedOnceAndTheControllerRunsOn) {
    Defaults();
    SetSetting("\\COMPort", "Port", "3");
    Start("2026-12-07 07:00:00");
    RunTo(30.0);
    ASSERT_EQ(Sim().Messages().size(), 1u);
    EXPECT_NE(Sim().Messages()[0].text.find("COM3"), std::string::npos) << Sim().Messages()[0].text;
    EXPECT_TRUE(Sim().Line().written.empty());
    EXPECT_EQ(Trace("mode", 6.0, 6.0), (std::vector<std::string>{"6.000 1 run"}));
    EXPECT_EQ(Trace("ring", 13.1, 13.1),
              (std::vector<std::string>{"13.100 1 2 1 4.0000 WALK", "13.100 2 6 1 4.0000 WALK"}));
    EXPECT_EQ(Main().relay.TxQueue.Count(), 0);
}

TEST_F(RelayOutputTest, ChangingPhaseBMovesTheOutputAtTheNextLampUpdate) {
    Defaults();
    SetSetting("\\COMPort", "PhaseA", "-1");
    SetSetting("\\COMPort", "PedA", "-1");
    Start("2026-12-07 07:00:00");
    RunTo(8.0);  // head B shows phase 5 green
    SetSetting("\\COMPort", "PhaseB", "5");
    RunTo(13.2);
    // Phase 5's yellow at 10.1 and red clear at 12.1 no longer reach the line; head B keeps
    // green until phase 6, its new load switch, changes at 13.1.
    EXPECT_TRUE(Sent(8.001, 13.099).empty());
    EXPECT_EQ(Sent(13.1, 13.2), (Messages{"F4", "F5", "N6"}));
}

TEST_F(RelayOutputTest, ClosingWritesAllOffAtOnceAndDropsTheQueue) {
    Defaults();
    Start("2026-12-07 07:00:00");
    RunTo(15.0);
    ASSERT_EQ(Act("mode 4"), "");  // a burst of lamp changes waiting in the queue
    ASSERT_GT(Main().relay.TxQueue.Count(), 0);
    const std::size_t before = Sim().Line().written.size();
    ASSERT_EQ(Act("close"), "");
    RunTo(16.0);
    ASSERT_EQ(Sim().Line().written.size(), before + 1);
    EXPECT_EQ(Sim().Line().written.back(), "F0\r");
}

}  // namespace
}  // namespace corvane

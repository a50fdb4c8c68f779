#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "SimulationFixture.h"
#include "controls/OptionGroup.h"
#include "controls/Timer.h"
#include "engine/IntervalRules.h"
#include "engine/MainWindowDisplay.h"
#include "platform/VirtualClock.h"
#include "platform/VirtualTimerHost.h"

namespace corvane {
namespace {

// ---------------------------------------------------------------------------------------------
// What each interval shows and how the status window names it.

TEST(EngineIntervalRulesTest, EachIntervalHasItsCaptionAndIndications) {
    struct Case {
        std::int32_t interval;
        std::int32_t phase;
        const char* caption;
        const char* vehicle;
        const char* pedestrian;
    };
    const Case cases[] = {
        {1, 2, "WALK ", "G", "G"},
        {2, 2, "PED CLEAR ", "G", "Y"},
        {3, 2, "EXTEND GRN", "G", "R"},
        {4, 2, "YELLOW ", "Y", "Y"},
        {5, 2, "RED CLEAR ", "R", "R"},
        {1, 8, "WALK ", "G", "G"},
        {2, 6, "PED CLEAR ", "G", "Y"},
        // A left-turn phase's first two intervals are its green.
        {1, 1, "GREEN", "G", "G"},
        {2, 3, "GREEN", "G", "Y"},
        {1, 7, "GREEN", "G", "G"},
        {3, 5, "EXTEND GRN", "G", "R"},
        {4, 1, "YELLOW ", "Y", "Y"},
        {5, 7, "RED CLEAR ", "R", "R"},
        // No interval: no caption, everything red.
        {0, 2, "", "R", "R"},
        {0, 1, "", "R", "R"},
        {6, 4, "", "R", "R"},
        {-1, 3, "", "R", "R"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "interval " << c.interval << ", phase " << c.phase);
        EXPECT_EQ(IntervalCaption(c.interval, c.phase), c.caption);
        EXPECT_EQ(VehicleIndication(c.interval), c.vehicle);
        EXPECT_EQ(PedestrianIndication(c.interval), c.pedestrian);
    }
}

// ---------------------------------------------------------------------------------------------
// The main window's layout, in twips.

ControllerTables NamedTables() {
    ControllerTables tables;
    for (std::int32_t k = 1; k <= 8; ++k) {
        tables.Phases[static_cast<std::size_t>(k - 1)].Name = "Phase";
        tables.Phases[static_cast<std::size_t>(k - 1)].Number = k;
    }
    for (std::int32_t j = 0; j < 4; ++j) {
        tables.Peds[static_cast<std::size_t>(j)].Name = "Ped";
        tables.Peds[static_cast<std::size_t>(j)].Number = 2 * j + 2;
    }
    return tables;
}

std::int32_t PercentOf(std::int32_t width, int percent) {
    return static_cast<std::int32_t>(std::nearbyint(width * percent / 100.0));
}

TEST(EngineLayoutTest, TheStatusWindowStandsRightOfThePictureWithItsRowsAndIndicatorsBelow) {
    MainWindowDisplay display;
    display.LayoutStatusWindow();

    EXPECT_EQ(display.Image1.Rect(), (TwipsRect{0, 0, 2950, 2950}));
    const TwipsRect status = display.fraStatusWindow.Rect();
    EXPECT_EQ(status.Left, 2950 + 50);
    EXPECT_EQ(status.Top, 0);
    const std::int32_t width = status.Width;

    const std::vector<std::string> legends = {" DATE", "TIME", " STATUS", "PROGRAM", " RING", " PHASE", "INTERVAL", " TIME LEFT"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(display.lblLegend[i].Caption(), legends[static_cast<std::size_t>(i)]) << i;
    }

    const std::int32_t dateWidth = PercentOf(width, 60);
    EXPECT_EQ(display.lblLegend[0].Rect(), (TwipsRect{0, 0, dateWidth, display.lblLegend[0].Rect().Height}));
    EXPECT_EQ(display.lblLegend[1].Rect().Left, dateWidth + 1);
    EXPECT_EQ(display.lblLegend[1].Rect().Top, 0);
    EXPECT_EQ(display.lblDate.Rect().Top, display.lblLegend[0].Rect().Bottom());
    EXPECT_EQ(display.lblDate.Rect().Left, 0);
    EXPECT_EQ(display.lblDate.Rect().Width, dateWidth);
    EXPECT_EQ(display.lblTime.Rect().Left, display.lblLegend[1].Rect().Left);
    EXPECT_EQ(display.lblTime.Rect().Width, display.lblLegend[1].Rect().Width);

    const std::int32_t statusWidth = PercentOf(width, 75);
    EXPECT_EQ(display.lblLegend[2].Rect().Top, display.lblDate.Rect().Bottom() + 75);
    EXPECT_EQ(display.lblLegend[2].Rect().Left, 0);
    EXPECT_EQ(display.lblLegend[2].Rect().Width, statusWidth);
    EXPECT_EQ(display.lblLegend[3].Rect().Top, display.lblLegend[2].Rect().Top);
    EXPECT_EQ(display.lblStatus.Rect().Top, display.lblLegend[2].Rect().Bottom());
    EXPECT_EQ(display.lblStatus.Rect().Width, statusWidth);
    EXPECT_EQ(display.lblCurrentProgram.Rect().Left, display.lblLegend[3].Rect().Left);
    EXPECT_EQ(display.lblCurrentProgram.Rect().Top, display.lblStatus.Rect().Top);

    // Ring, phase, interval and time left side by side, ring 1's row under them, ring 2's below.
    const int percents[] = {10, 15, 50, 25};
    IndexedControls<Label>* columns[] = {&display.lblRing, &display.lblPhase, &display.lblInterval, &display.lblTimeLeft};
    std::int32_t left = 0;
    for (int column = 0; column < 4; ++column) {
        SCOPED_TRACE(::testing::Message() << "column " << column);
        const TwipsRect heading = display.lblLegend[4 + column].Rect();
        EXPECT_EQ(heading.Top, display.lblStatus.Rect().Bottom() + 75);
        EXPECT_EQ(heading.Left, left);
        EXPECT_EQ(heading.Width, PercentOf(width, percents[column]));
        const TwipsRect ringOne = (*columns[column])[0].Rect();
        const TwipsRect ringTwo = (*columns[column])[1].Rect();
        EXPECT_EQ(ringOne.Top, heading.Bottom());
        EXPECT_EQ(ringTwo.Top, ringOne.Bottom());
        EXPECT_EQ(ringOne.Left, heading.Left);
        EXPECT_EQ(ringTwo.Left, heading.Left);
        EXPECT_EQ(ringOne.Width, heading.Width);
        left = heading.Right();
    }
    EXPECT_EQ(display.lblRing[0].Caption(), "1");
    EXPECT_EQ(display.lblRing[1].Caption(), "2");

    // The indicator row, 50 twips under the status window.
    const TwipsRect conflict = display.fraConflict.Rect();
    EXPECT_EQ(conflict.Top, status.Bottom() + 50);
    EXPECT_EQ(display.ConflictLED.Rect(), (TwipsRect{0, 0, 350, 350}));
    EXPECT_GE(display.lblConflict.Rect().Left, 350);
    EXPECT_EQ(display.lblConflict.Caption(), "CONFLICT");
    const TwipsRect flash = display.fraFlash.Rect();
    EXPECT_EQ(flash.Left, conflict.Right());
    EXPECT_EQ(flash.Top, conflict.Top);
    EXPECT_EQ(display.Flash1LED.Rect(), (TwipsRect{0, 0, 350, 350}));
    EXPECT_EQ(display.lblFlash.Rect().Left, 350 + 20);
    EXPECT_EQ(display.lblFlash.Caption(), "FLASH");
    EXPECT_EQ(display.LEDFastFlash.Rect().Left, display.lblFlash.Rect().Right() + 20);
    EXPECT_FALSE(display.LEDFastFlash.Visible());
    EXPECT_GE(display.fraCOMPort.Rect().Left, flash.Right());
    EXPECT_FALSE(display.fraCOMPort.Visible());
    // The program row waits for the first choice of program.
    EXPECT_FALSE(display.lblCurrentProgram.Visible());
}

TEST(EngineLayoutTest, TwelvePanelsStandSideBySideWithTheirLampsCallsAndCaptions) {
    MainWindowDisplay display;
    display.LayoutStatusWindow();
    display.LayoutLoadSwitches(1650, 3000, NamedTables());

    const std::vector<std::string> captions = {"Phase 1", "Phase 2", "Phase 3", "Phase 4", "Phase 5", "Phase 6",
                                               "Phase 7", "Phase 8", "Ped 2",   "Ped 4",   "Ped 6",   "Ped 8"};
    // Lamps are as large as the conflict indicator, 350 twips; centred: (800 - 350) / 2 = 225.
    const TwipsRect red{225, 175, 350, 350};
    const TwipsRect yellow{225, 175 + 350 + 25, 350, 350};
    const TwipsRect green{225, yellow.Bottom() + 14, 350, 350};
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(::testing::Message() << "load switch " << i);
        const TwipsRect panel = display.fraLoadSwitch[i].Rect();
        EXPECT_EQ(display.fraLoadSwitch[i].Caption(), captions[static_cast<std::size_t>(i)]);
        EXPECT_EQ(panel, (TwipsRect{800 * i, 3000, 800, green.Bottom() + 25}));
        EXPECT_EQ(display.Red[i].Rect(), red);
        EXPECT_EQ(display.Yellow[i].Rect(), yellow);
        EXPECT_EQ(display.Green[i].Rect(), green);

        const TwipsRect indicator = display.LEDCall[i].Rect();
        EXPECT_EQ(indicator.Left, panel.Left);
        EXPECT_EQ(indicator.Top, panel.Bottom() + 50);
        const TwipsRect call = display.cmdCall[i].Rect();
        EXPECT_EQ(call.Left, panel.Left);
        EXPECT_EQ(call.Top, indicator.Bottom() + 50);
        EXPECT_EQ(call.Width, 800);
        EXPECT_EQ(display.cmdCall[i].Caption(), "CALL");
    }
    EXPECT_EQ(display.geometry.Height, display.cmdCall[11].Rect().Bottom() + 750);
    // Twelve panels of 800 twips plus 950, unless the status window reaches further.
    EXPECT_EQ(display.geometry.Width, std::max(display.fraStatusWindow.Rect().Right() + 200, 12 * 800 + 950));
    EXPECT_GE(display.geometry.Width, 12 * 800 + 950);
}

// ---------------------------------------------------------------------------------------------
// Phases in use: which panels, ring rows and preview turn heads are on view.

class RecordingPreview final : public IntersectionPreview {
public:
    void ShowLampState(std::int32_t, std::string_view) override {}
    void ConfigurePreviewPhases(std::int32_t) override {}
    void ShowPreviewHead(std::int32_t head) override { shown.push_back(head); }
    void HidePreviewHead(std::int32_t head) override { hidden.push_back(head); }

    std::vector<std::int32_t> shown;
    std::vector<std::int32_t> hidden;
};

std::set<int> ShownPanels(const MainWindowDisplay& display) {
    std::set<int> shown;
    for (int i = 0; i < 12; ++i) {
        if (display.fraLoadSwitch[i].Visible()) {
            shown.insert(i);
        }
    }
    return shown;
}

const std::vector<std::int32_t> kTurnHeads = {0, 3, 4, 7, 8, 11, 12, 15};
const std::set<int> kAllPanels = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

TEST(EnginePhasesInUseTest, EachNumberShowsItsPanelsRingRowsAndTurnHeads) {
    struct Case {
        std::int32_t n;
        std::set<int> panels;
        bool ringTwo;
        bool turnHeads;
    };
    const Case cases[] = {
        {2, {1, 3, 8, 9}, false, false},
        {3, {0, 1, 2, 8, 9}, false, false},
        {4, {0, 1, 2, 3, 8, 9}, false, true},
        {8, kAllPanels, true, true},
        // Any other number leaves the panels as designed.
        {5, kAllPanels, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.n << " phases in use");
        MainWindowDisplay display;
        RecordingPreview preview;
        display.ApplyPhasesInUse(c.n, preview);

        EXPECT_EQ(ShownPanels(display), c.panels);
        EXPECT_TRUE(display.lblRing[0].Visible() && display.lblPhase[0].Visible() &&
                    display.lblInterval[0].Visible() && display.lblTimeLeft[0].Visible());
        EXPECT_EQ(display.lblRing[1].Visible(), c.ringTwo);
        EXPECT_EQ(display.lblPhase[1].Visible(), c.ringTwo);
        EXPECT_EQ(display.lblInterval[1].Visible(), c.ringTwo);
        EXPECT_EQ(display.lblTimeLeft[1].Visible(), c.ringTwo);

        std::vector<std::int32_t> shown = preview.shown, hidden = preview.hidden;
        std::sort(shown.begin(), shown.end());
        std::sort(hidden.begin(), hidden.end());
        EXPECT_EQ(shown, c.turnHeads ? kTurnHeads : std::vector<std::int32_t>{});
        EXPECT_EQ(hidden, c.turnHeads ? std::vector<std::int32_t>{} : kTurnHeads);
    }
}

TEST(EnginePhasesInUseTest, AnUnknownNumberKeepsThePanelsOfTheLastKnownOne) {
    MainWindowDisplay display;
    RecordingPreview preview;
    display.ApplyPhasesInUse(2, preview);
    display.ApplyPhasesInUse(5, preview);
    EXPECT_EQ(ShownPanels(display), (std::set<int>{1, 3, 8, 9}));
    EXPECT_TRUE(display.lblRing[1].Visible());

    display.ApplyPhasesInUse(8, preview);
    EXPECT_EQ(ShownPanels(display), kAllPanels);
    display.ApplyPhasesInUse(3, preview);
    EXPECT_EQ(ShownPanels(display), (std::set<int>{0, 1, 2, 8, 9}));
}

TEST(EnginePhasesInUseTest, HidingAPanelLeavesItsCallButtonAndIndicatorAlone) {
    MainWindowDisplay display;
    RecordingPreview preview;
    display.ApplyPhasesInUse(2, preview);
    for (int i = 8; i < 12; ++i) {
        EXPECT_TRUE(display.cmdCall[i].Visible()) << i;
        EXPECT_TRUE(display.LEDCall[i].Visible()) << i;
    }
    display.ApplyPhasesInUse(8, preview);
    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(display.cmdCall[i].Visible()) << i;
        EXPECT_FALSE(display.LEDCall[i].Visible()) << i;
    }
}

// The phase panels' CALL buttons stay out of sight through a whole run, whatever happens.
class EngineCallButtonsTest : public testing::SimulationTest {};

TEST_F(EngineCallButtonsTest, ThePhasePanelsCallButtonsAreNeverShown) {
    Defaults();
    for (const char* ped : {"AutoIncludePed2", "AutoIncludePed4", "AutoIncludePed6", "AutoIncludePed8"}) {
        SetSetting("", ped, "0");
    }
    Start("2026-12-07 07:00:00");
    RunTo(8.0);
    EXPECT_EQ(Act("call 8"), "");
    EXPECT_NE(Act("call 0"), "");
    EXPECT_NE(Act("call 7"), "");
    RunTo(15.0);
    EXPECT_EQ(Act("mode 2"), "");
    RunTo(20.0);
    EXPECT_EQ(Act("mode 1"), "");
    RunTo(30.0);

    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(Main().display.cmdCall[i].Visible()) << i;
        EXPECT_FALSE(Main().display.LEDCall[i].Visible()) << i;
    }
    for (int i = 8; i < 12; ++i) {
        EXPECT_TRUE(Main().display.cmdCall[i].Visible()) << i;
    }
    for (const std::string& line : Trace("show")) {
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(line.find("cmdCall(" + std::to_string(i) + ")"), std::string::npos) << line;
            EXPECT_EQ(line.find("LEDCall(" + std::to_string(i) + ")"), std::string::npos) << line;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Option groups: the click handler runs exactly when the selection changes.

struct OptionGroupFixture {
    ControlEvents events;
    OptionGroup group{events, "optMode", {"Startup Flash", "Run", "Police Flash"}, 1};
    std::vector<int> clicks;
    std::vector<int> selectedDuringClick;

    OptionGroupFixture() {
        group.SetClickHandler([this](int index) {
            clicks.push_back(index);
            selectedDuringClick.push_back(group.Selected());
        });
    }
};

TEST(OptionGroupTest, SelectingFromCodeRunsTheHandlerOnlyWhenTheSelectionChanges) {
    OptionGroupFixture f;
    EXPECT_EQ(f.group.Option(2).Name(), "optMode(2)");
    f.group.Select(1);
    EXPECT_TRUE(f.clicks.empty());
    f.group.Select(2);
    f.group.Select(2);
    f.group.Select(0);
    EXPECT_EQ(f.clicks, (std::vector<int>{2, 0}));
    // The handler already sees its option selected, as the lamp output does when it asks.
    EXPECT_EQ(f.selectedDuringClick, (std::vector<int>{2, 0}));
    EXPECT_TRUE(f.group.IsSelected(0));

    // An index outside the group changes nothing.
    f.group.Select(3);
    f.group.Select(-1);
    EXPECT_EQ(f.group.Selected(), 0);
    EXPECT_EQ(f.clicks.size(), 2u);
}

TEST(OptionGroupTest, CodeMaySelectADisabledOptionButAClickMayNot) {
    OptionGroupFixture f;
    f.group.Option(0).SetEnabled(false);
    f.group.Option(2).SetVisible(false);

    EXPECT_FALSE(f.group.Click(0));
    EXPECT_FALSE(f.group.Click(2));
    EXPECT_FALSE(f.group.Click(3));
    EXPECT_EQ(f.group.Selected(), 1);
    EXPECT_TRUE(f.clicks.empty());

    // The controller selects modes the operator cannot choose, and their handler runs.
    f.group.Select(0);
    EXPECT_EQ(f.clicks, (std::vector<int>{0}));

    EXPECT_TRUE(f.group.Click(1));
    EXPECT_TRUE(f.group.Click(1));
    EXPECT_EQ(f.clicks, (std::vector<int>{0, 1}));
}

TEST(OptionGroupTest, AHandlerThatSelectsAnotherOptionLeavesThatOneSelected) {
    // Manual Advance from a flash mode: its handler selects Run, whose handler runs inside.
    OptionGroupFixture f;
    f.group.SetClickHandler([&f](int index) {
        f.clicks.push_back(index);
        if (index == 2) {
            f.group.Select(1);
            f.group.Select(1);
        }
    });
    f.group.Select(0);
    f.group.Select(2);
    EXPECT_EQ(f.clicks, (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(f.group.Selected(), 1);
}

// ---------------------------------------------------------------------------------------------
// Timers in virtual time.

struct TickLog {
    VirtualTimerHost host;
    std::vector<std::string> ticks;
    std::function<void()> Record(const std::string& name) {
        return [this, name] { ticks.push_back(name + "@" + std::to_string(host.NowMs())); };
    }
};

TEST(VirtualTimerHostTest, TicksDueTogetherFireInRegistrationOrderWhateverTheEnablingOrder) {
    TickLog log;
    Timer a(log.host, "A", 100, log.Record("A"));
    Timer b(log.host, "B", 50, log.Record("B"));
    Timer c(log.host, "C", 100, log.Record("C"));
    c.SetEnabled(true);
    b.SetEnabled(true);
    a.SetEnabled(true);
    log.host.RunUntil(200);
    EXPECT_EQ(log.ticks, (std::vector<std::string>{"B@50", "A@100", "B@100", "C@100", "B@150", "A@200", "B@200",
                                                   "C@200"}));
    EXPECT_EQ(log.host.NowMs(), 200);
}

TEST(VirtualTimerHostTest, EnablingAnEnabledTimerKeepsItsRhythm) {
    // The main tick enables the conflict timer ten times a second; it still ticks once a second.
    TickLog log;
    Timer* conflictTimer = nullptr;
    Timer main(log.host, "main", 100, [&conflictTimer] { conflictTimer->SetEnabled(true); });
    Timer conflict(log.host, "conflict", 1000, log.Record("conflict"));
    conflictTimer = &conflict;
    conflict.SetEnabled(true);
    main.SetEnabled(true);
    log.host.RunUntil(3050);
    EXPECT_EQ(log.ticks, (std::vector<std::string>{"conflict@1000", "conflict@2000", "conflict@3000"}));
}

TEST(VirtualTimerHostTest, DisablingAndEnablingAgainStartsANewIntervalFromNow) {
    TickLog log;
    Timer timer(log.host, "T", 1000, log.Record("T"));
    timer.SetEnabled(true);
    log.host.RunUntil(500);
    EXPECT_EQ(log.host.NowMs(), 500);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    log.host.RunUntil(2600);
    EXPECT_EQ(log.ticks, (std::vector<std::string>{"T@1500", "T@2500"}));

    timer.SetEnabled(false);
    log.host.RunUntil(5000);
    EXPECT_EQ(log.ticks.size(), 2u);
}

TEST(VirtualTimerHostTest, ATimerStoppedInItsOwnTickFiresOnceAndOneStartedInATickWaitsItsInterval) {
    // The start-up timer stops itself; a timer enabled inside another's tick counts from that moment.
    TickLog log;
    Timer later(log.host, "later", 100, log.Record("later"));
    Timer* onceTimer = nullptr;
    Timer once(log.host, "once", 300, [&] {
        log.ticks.push_back("once@" + std::to_string(log.host.NowMs()));
        onceTimer->SetEnabled(false);
        later.SetEnabled(true);
    });
    onceTimer = &once;
    once.SetEnabled(true);
    log.host.RunUntil(650);
    EXPECT_EQ(log.ticks, (std::vector<std::string>{"once@300", "later@400", "later@500", "later@600"}));
    EXPECT_EQ(log.host.NowMs(), 650);
}

// ---------------------------------------------------------------------------------------------
// The virtual calendar.

TEST(VirtualClockTest, ParsesRealDatesAndTimesWithTheirWeekday) {
    struct Case {
        const char* text;
        LocalDateTime moment;
    };
    const Case cases[] = {
        {"2005-01-01 09:05:03", {2005, 1, 1, 9, 5, 3, 6}},
        {"2026-12-07 07:00:00", {2026, 12, 7, 7, 0, 0, 1}},
        {"2026-12-08 05:59:50", {2026, 12, 8, 5, 59, 50, 2}},
        {"2024-02-29 23:59:59", {2024, 2, 29, 23, 59, 59, 4}},
        {"2000-02-29 00:00:00", {2000, 2, 29, 0, 0, 0, 2}},
        {"2026-04-30 12:00:00", {2026, 4, 30, 12, 0, 0, 4}},
        {"1999-12-31 23:59:59", {1999, 12, 31, 23, 59, 59, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<LocalDateTime> parsed = ParseLocalDateTime(c.text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(*parsed, c.moment);
    }
}

TEST(VirtualClockTest, RefusesAnythingButARealDateAndTimeInTheOneFormat) {
    const char* const refused[] = {
        "2026-02-29 10:00:00",   // 2026 is no leap year
        "1900-02-29 10:00:00",   // nor is 1900
        "2026-04-31 10:00:00",
        "2026-13-01 10:00:00",
        "2026-00-10 10:00:00",
        "2026-12-00 10:00:00",
        "2026-12-32 10:00:00",
        "2026-12-07 24:00:00",
        "2026-12-07 23:60:00",
        "2026-12-07 23:59:60",
        "2026-12-07",
        "2026-12-07 07:00",
        "2026-12-07T07:00:00",
        "2026/12/07 07:00:00",
        "2026-12-7 07:00:00",
        "2026-12-07 7:00:00 ",
        " 2026-12-07 07:00:00",
        "2026-12-07 07:00:00 ",
        "2026-1a-07 07:00:00",
        "2026-12-07 01:-1:00",
        "2026-12-07 12:00:-5",
        "2026-12-07 -0:30:00",
        "",
    };
    for (const char* text : refused) {
        EXPECT_FALSE(ParseLocalDateTime(text).has_value()) << '"' << text << '"';
    }
}

TEST(VirtualClockTest, AddingSecondsRollsOverDaysWeekdaysMonthsAndYears) {
    struct Case {
        LocalDateTime start;
        std::int64_t seconds;
        LocalDateTime result;
    };
    const Case cases[] = {
        {{2026, 12, 7, 7, 0, 0, 1}, 0, {2026, 12, 7, 7, 0, 0, 1}},
        {{2026, 12, 7, 7, 0, 0, 1}, 61, {2026, 12, 7, 7, 1, 1, 1}},
        // Saturday night into Sunday.
        {{2026, 12, 12, 23, 59, 59, 6}, 1, {2026, 12, 13, 0, 0, 0, 0}},
        {{2026, 12, 7, 7, 0, 0, 1}, 7 * 86400, {2026, 12, 14, 7, 0, 0, 1}},
        {{2024, 2, 28, 23, 59, 59, 3}, 1, {2024, 2, 29, 0, 0, 0, 4}},
        {{2023, 2, 28, 23, 59, 59, 2}, 1, {2023, 3, 1, 0, 0, 0, 3}},
        {{2026, 4, 30, 23, 59, 59, 4}, 1, {2026, 5, 1, 0, 0, 0, 5}},
        {{2026, 12, 31, 23, 59, 59, 4}, 1, {2027, 1, 1, 0, 0, 0, 5}},
        {{2024, 1, 1, 0, 0, 0, 1}, 366 * 86400, {2025, 1, 1, 0, 0, 0, 3}},
        {{2026, 1, 1, 0, 0, 0, 4}, -1, {2025, 12, 31, 23, 59, 59, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start.Year << "-" << c.start.Month << "-" << c.start.Day << " + "
                                          << c.seconds);
        EXPECT_EQ(AddSeconds(c.start, c.seconds), c.result);
    }
}

TEST(VirtualClockTest, ReadsTheStartPlusTheWholeSecondsElapsed) {
    std::int64_t elapsedMs = 0;
    const VirtualClock clock({2026, 12, 12, 23, 59, 58, 6}, [&elapsedMs] { return elapsedMs; });
    EXPECT_EQ(clock.Now(), (LocalDateTime{2026, 12, 12, 23, 59, 58, 6}));
    elapsedMs = 999;
    EXPECT_EQ(clock.Now(), (LocalDateTime{2026, 12, 12, 23, 59, 58, 6}));
    elapsedMs = 1000;
    EXPECT_EQ(clock.Now(), (LocalDateTime{2026, 12, 12, 23, 59, 59, 6}));
    elapsedMs = 2100;
    EXPECT_EQ(clock.Now(), (LocalDateTime{2026, 12, 13, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace corvane

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "controls/Timer.h"
#include "engine/ControllerTables.h"
#include "engine/EngineObserver.h"
#include "engine/MainWindowDisplay.h"
#include "engine/ObservedLong.h"
#include "engine/OperatingModeActions.h"
#include "engine/frmPolicePanel.h"
#include "field/RelayOutput.h"
#include "platform/Clock.h"
#include "platform/MessageSink.h"
#include "platform/SerialLine.h"
#include "platform/TimerHost.h"
#include "preview/IntersectionPreview.h"
#include "settings/basINIRegistry.h"

// The controller: the logic of the main window. It loads the window, runs the six timers that
// drive everything (the 100 ms main tick with the interval sequencer and the time-of-day choice,
// the two flashers, the conflict monitor, the end of the start-up flash and the relay drain),
// applies the operating modes, and paints every lamp change on the window's lamps, the relay
// output and the simulated intersection. It includes no GUI code: the window draws `display`,
// and the police panel it owns draws `policePanel`.
//
// The class is the one module the main window is; its parts live in files by concern:
// frmMain.cpp (load, timers, main tick, shut-down), IntervalSequencer.cpp, FlashModes.cpp,
// LampOutput.cpp and ConflictMonitor.cpp.

namespace corvane {

// Decides whether two phases, one per ring, must not show green or yellow together.
using ConflictRule = std::function<bool(std::int32_t ring1Phase, std::int32_t ring2Phase)>;

// What the controller works with: the settings, the platform's services, the intersection.
struct ControllerServices {
    basINIRegistry& registry;
    TimerHost& timers;
    const Clock& clock;
    SerialLine& serialLine;
    MessageSink& messages;
    IntersectionPreview& preview;
    ScreenSize screen;
    // No pair of phases conflicts unless a rule is given.
    ConflictRule conflictRule = {};
};

class frmMain final : public OperatingModeActions {
public:
    static constexpr int kTimeOfDayIntervalMs = 100;
    static constexpr int kFlashIntervalMs = 550;
    static constexpr int kFastFlashIntervalMs = 125;
    static constexpr int kConflictIntervalMs = 1000;
    static constexpr int kStartupIntervalMs = 5000;

    frmMain(const ControllerServices& services, ControllerTables& tables);

    void SetObserver(EngineObserver* observer) { observer_ = observer; }

    // Window events.
    void Form_Load();
    void Form_GotFocus();
    // Closing the window: every relay terminal off at once, queued messages dropped.
    void Form_Unload();

    // The operator's actions on this window: false, with nothing done, when the control is hidden.
    bool ClickCall(std::int32_t index);
    void MenuPolicePanel();

    // Public members read and written by the other windows.
    ObservedLong lCurrentProgram;
    ObservedLong lCurrentStatus;
    std::int32_t lNextProgram = 0;

    // Operating modes and flashing.
    void VekStartFlash() override;
    void VekEndFlash() override;
    void VekLightsOut() override;
    void VekToggleRYGFlashing(std::int32_t lMode);
    void StartRun() override;
    void AllRed() override;
    void ApplyInterval(std::int32_t phase, std::int32_t interval) override;
    void ManualAdvanceStep() override;

    // Sequencer rules.
    void SequencerTick();
    double VekGetIntervalLength(std::int32_t lProgram, std::int32_t lPhase, std::int32_t lInterval);
    Flag IsPhaseSkipped(std::int32_t phase) const;
    Flag NeedsExtension(std::int32_t phase) const;

    std::int32_t SelectProgramByTime();
    void OutputIndication(std::int32_t loadSwitch, const std::string& indication);
    std::int32_t ActivePhaseOfRing(std::int32_t ring) const;
    Flag VekHasConflict(std::int32_t lRing1Phase, std::int32_t lRing2Phase) const;
    void SyncPreviewPhases();

    MainWindowDisplay display;
    frmPolicePanel policePanel;
    RelayOutput relay;

    // In the order they tick when due at the same moment.
    Timer TimerTimeOfDay;
    Timer TimerFlash;
    Timer TimerFastFlash;
    Timer TimerConflict;
    Timer TimerStartup;
    Timer TimerCOMPort;

private:
    std::int32_t CurrentStatus() const override { return lCurrentStatus; }
    void SetCurrentStatus(std::int32_t code) override { lCurrentStatus = code; }
    RingState& Ring(int index) override { return tables_.Rings[static_cast<std::size_t>(index)]; }

    void TimerTimeOfDay_Timer();
    void TimerStartup_Timer();
    void TimerFlash_Timer();
    void TimerFastFlash_Timer();
    void TimerConflict_Timer();
    void cmdCall_Click(std::int32_t index);
    void ApplyTimeOfDayProgram();
    void ApplyPassiveLeftRule(std::int32_t evenPhase, const std::string& indication);
    LoadSwitch& PhaseRecord(std::int32_t phase) { return tables_.Phases[static_cast<std::size_t>(phase - 1)]; }

    basINIRegistry& registry_;
    ControllerTables& tables_;
    const Clock& clock_;
    IntersectionPreview& preview_;
    ScreenSize screen_;
    ConflictRule conflictRule_;
    EngineObserver* observer_ = nullptr;
    std::optional<LocalDateTime> lastClockShown_;
};

}  // namespace corvane

#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/CorvaneProgram.h"
#include "platform/MessageSink.h"
#include "platform/MessageTee.h"
#include "platform/RecordingSerialLine.h"
#include "platform/VirtualClock.h"
#include "platform/VirtualTimerHost.h"
#include "preview/IntersectionPreview.h"
#include "settings/basINIRegistry.h"
#include "sim/SimulationScript.h"
#include "sim/TraceWriter.h"

// The whole program in virtual time, on a real settings store: it starts as the program does
// (the loader's twenty steps from t = 0, the controller window at t = 1.000), its timers fire as
// RunUntil moves the clock, and operator actions go through the same calls the windows make.
// The relay line is a recording one. Scenario tests and corvane-sim both use it.

namespace corvane {

class Simulation {
public:
    // `trace` (optional) receives every event; it must outlive the simulation.
    Simulation(SettingsStore& store, LocalDateTime start, TraceWriter* trace = nullptr,
               ConflictRule conflictRule = {});

    // Fires every timer tick due up to `ms` after the start, unless the program has ended.
    void RunUntil(std::int64_t ms);
    std::int64_t NowMs() const { return timers_.NowMs(); }
    // Does what an operator would; returns why it could not be done, or nothing.
    std::optional<std::string> Perform(const ScriptAction& action);
    // The controller window was closed.
    bool Ended() const { return ended_; }

    CorvaneProgram& Program() { return *program_; }
    // The controller window; null before t = 1.000.
    frmMain* Main() { return program_->MainWindow(); }
    basINIRegistry& Registry() { return registry_; }
    RecordingSerialLine& Line() { return line_; }
    const std::vector<RecordedMessage>& Messages() const { return recorded_.messages; }

    // A screen of 1920 x 1080 pixels at 15 twips a pixel.
    static constexpr ScreenSize kScreen{28800, 16200};

private:
    VirtualTimerHost timers_;
    VirtualClock clock_;
    RecordingSerialLine line_;
    RecordingMessageSink recorded_;
    MessageTee messages_;
    NoIntersectionPreview preview_;
    basINIRegistry registry_;
    std::unique_ptr<CorvaneProgram> program_;
    bool ended_ = false;
};

}  // namespace corvane

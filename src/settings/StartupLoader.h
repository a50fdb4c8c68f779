#pragma once

#include <cstdint>
#include <string>

#include "engine/ControllerTables.h"
#include "preview/PreviewHead.h"
#include "settings/ColorPalette.h"
#include "settings/basINIRegistry.h"

// The splash window's loading sequence, without the window: twenty ticks of its 50 ms timer,
// each showing progress and a status line and doing at most one step of the loader. The splash
// window renders the status and progress after every tick; when Finished() turns true it hides
// and shows the controller window. The object lives for the whole run because the Programming
// editor reloads the schedule through it after each save.

namespace corvane {

class StartupLoader {
public:
    static constexpr int kTimer1IntervalMs = 50;

    StartupLoader(basINIRegistry& registry, ControllerTables& tables, PreviewTables& preview,
                  ColorPalette& palette)
        : registry_(registry), tables_(tables), preview_(preview), palette_(palette) {}

    // One tick of Timer1. After the last step the timer is stopped and further ticks do nothing.
    void Timer1Tick();

    // Fills the schedule table from the store again.
    void LoadProgramming();

    std::int32_t LoadStep() const { return loadStep_; }
    const std::string& StatusText() const { return lblStatus_; }
    std::int32_t Progress() const { return progressBar1_; }
    bool Finished() const { return !timer1Enabled_; }

private:
    basINIRegistry& registry_;
    ControllerTables& tables_;
    PreviewTables& preview_;
    ColorPalette& palette_;
    std::int32_t loadStep_ = 0;
    std::string lblStatus_;
    std::int32_t progressBar1_ = 0;
    bool timer1Enabled_ = true;
};

}  // namespace corvane

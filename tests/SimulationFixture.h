#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "TempStore.h"
#include "sim/Simulation.h"
#include "sim/TraceWriter.h"

namespace corvane::testing {

// The whole program in virtual time on a fresh store, with its trace captured.
//
//   Defaults();                                  // the store as after a first start
//   SetSetting("\\COMPort", "PhaseA", "1");       // key below SettingsRoot
//   Start("2026-12-07 07:00:00");                 // a Monday
//   RunTo(6.5);                                   // virtual seconds since the start
//   Act("mode 2");                                // a script action, now
//   EXPECT_EQ(Trace("ring"), ...);                // trace lines of one kind, "T KIND ..."
class SimulationTest : public ::testing::Test {
protected:
    // Writes every default into the store, as the first start of the program does.
    void Defaults();
    // Writes a setting; `key` is below SettingsRoot ("" for SettingsRoot itself, "\\Prog3\\Phase2").
    void SetSetting(const std::string& key, const std::string& name, const std::string& text);
    // Starts the program at a local date and time "YYYY-MM-DD HH:MM:SS", tracing every kind.
    void Start(const std::string& start = "2026-12-07 07:00:00");
    void RunTo(double seconds);
    // Performs one script action ("mode 2", "call 8", "set KEY NAME TEXT") at the present moment;
    // returns the error text when the operator could not do it, "" otherwise.
    std::string Act(const std::string& action);

    // The trace lines of one kind ("ring", "lamp", "relay" …) so far, each without its kind:
    // "6.100 1 1 1 4.0000 GREEN". With `from`/`to` only lines in [from, to] seconds.
    std::vector<std::string> Trace(const std::string& kind, double from = 0, double to = 1e12) const;
    // Every trace line so far.
    std::string FullTrace() const { return trace_.str(); }

    frmMain& Main();
    ControllerTables& Tables() { return simulation_->Program().tables; }
    Simulation& Sim() { return *simulation_; }

    TempStore store;

private:
    std::ostringstream trace_;
    std::unique_ptr<TraceWriter> writer_;
    std::unique_ptr<Simulation> simulation_;
};

}  // namespace corvane::testing

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <set>
#include <string_view>

#include "controls/Control.h"
#include "engine/EngineObserver.h"
#include "engine/frmMain.h"

// The trace of a run, one event per line: "T KIND ...", T in seconds with three decimals.
//
//   mode CODE NAME                       lCurrentStatus changed
//   program N                            lCurrentProgram changed
//   ring R PHASE INTERVAL LENGTH CAPTION a ring began an interval
//   lamp INDEX CODE                      a load switch was painted: R, Y, G, RG or O
//   relay TEXT                           a message went out on the serial line
//   label NAME "TEXT"                    a main-window label's caption changed
//   show NAME / hide NAME                a main-window control appeared or vanished
//   message "TEXT"                       a modal message
//   error "TEXT"                         an operator action that could not be done

namespace corvane {

enum class TraceKind { Mode, Program, Ring, Lamp, Relay, Label, Show, Hide, Message, Error };

// A comma list of kind names, or "all"; nothing for a list with an unknown name.
std::optional<std::set<TraceKind>> ParseTraceKinds(std::string_view list);
std::set<TraceKind> DefaultTraceKinds();

class TraceWriter final : public EngineObserver, public ControlObserver {
public:
    // A trace of a program in real time passes each line on at once (kEachLine); a simulated
    // run, which writes lines far faster than anyone reads them, leaves that to the stream.
    enum class Flush { kEachLine, kByStream };
    TraceWriter(std::ostream& out, std::set<TraceKind> kinds, std::function<std::int64_t()> elapsedMs,
                Flush flush = Flush::kByStream)
        : out_(out), kinds_(std::move(kinds)), elapsedMs_(std::move(elapsedMs)), flush_(flush) {}

    // Traces the controller window's events and its controls' changes from now on.
    void Follow(frmMain& main);

    void StatusChanged(std::int32_t lCurrentStatus) override;
    void ProgramChanged(std::int32_t lCurrentProgram) override;
    void IntervalBegan(std::int32_t ring, const RingState& state, std::string_view caption) override;
    void LampsShown(std::int32_t loadSwitch, std::string_view lamps) override;
    void ControlChanged(const Control& control, ControlChange change) override;
    void RelayWritten(std::string_view bytes);
    void Message(std::string_view text);
    void Error(std::string_view text);

private:
    bool Wants(TraceKind kind) const { return kinds_.count(kind) != 0; }
    // Writes one whole line: the time, then `text`.
    void Write(const std::string& text);

    std::ostream& out_;
    std::set<TraceKind> kinds_;
    std::function<std::int64_t()> elapsedMs_;
    Flush flush_;
};

}  // namespace corvane

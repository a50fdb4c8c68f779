#include "sim/TraceWriter.h"

#include "settings/SettingsText.h"

#include <cstdio>
#include <string>
#include <utility>

namespace corvane {
namespace {

constexpr std::pair<std::string_view, TraceKind> kKindNames[] = {
    {"mode", TraceKind::Mode},   {"program", TraceKind::Program}, {"ring", TraceKind::Ring},
    {"lamp", TraceKind::Lamp},   {"relay", TraceKind::Relay},     {"label", TraceKind::Label},
    {"show", TraceKind::Show},   {"hide", TraceKind::Hide},       {"message", TraceKind::Message},
    {"error", TraceKind::Error},
};

std::string_view WithoutTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::optional<std::set<TraceKind>> ParseTraceKinds(std::string_view list) {
    std::set<TraceKind> kinds;
    if (list == "all") {
        for (const auto& [name, kind] : kKindNames) {
            kinds.insert(kind);
        }
        return kinds;
    }
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view name = list.substr(0, comma);
        bool known = false;
        for (const auto& [kindName, kind] : kKindNames) {
            if (kindName == name) {
                kinds.insert(kind);
                known = true;
            }
        }
        if (!known) {
            return std::nullopt;
        }
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return kinds;
}

std::set<TraceKind> DefaultTraceKinds() { return {TraceKind::Mode, TraceKind::Program, TraceKind::Ring}; }


void TraceWriter::Write(const std::string& text) {
    const std::int64_t ms = elapsedMs_();
    char time[32];
    std::snprintf(time, sizeof time, "%lld.%03lld ", static_cast<long long>(ms / 1000),
                  static_cast<long long>(ms % 1000));
    out_ << time << text << '\n';
    if (flush_ == Flush::kEachLine) {
        out_.flush();
    }
}

void TraceWriter::Follow(frmMain& main) {
    main.SetObserver(this);
    main.display.events.Add(*this);
}

void TraceWriter::StatusChanged(std::int32_t lCurrentStatus) {
    if (Wants(TraceKind::Mode)) {
        Write("mode " + std::to_string(lCurrentStatus) + ' ' + VekGetStatusName(lCurrentStatus));
    }
}

void TraceWriter::ProgramChanged(std::int32_t lCurrentProgram) {
    if (Wants(TraceKind::Program)) {
        Write("program " + std::to_string(lCurrentProgram));
    }
}

void TraceWriter::IntervalBegan(std::int32_t ring, const RingState& state, std::string_view caption) {
    if (Wants(TraceKind::Ring)) {
        Write("ring " + std::to_string(ring) + ' ' + std::to_string(state.Phase) + ' ' + std::to_string(state.Interval) +
              ' ' + state.TimeLeft.Format(4) + ' ' + std::string(WithoutTrailingSpaces(caption)));
    }
}

void TraceWriter::LampsShown(std::int32_t loadSwitch, std::string_view lamps) {
    if (Wants(TraceKind::Lamp)) {
        Write("lamp " + std::to_string(loadSwitch) + ' ' + std::string(lamps));
    }
}

void TraceWriter::ControlChanged(const Control& control, ControlChange change) {
    const auto* label = dynamic_cast<const CaptionedControl*>(&control);
    if (change == ControlChange::Caption && Wants(TraceKind::Label) && label && control.Name().starts_with("lbl")) {
        Write("label " + control.Name() + ' ' + QuotedText(label->Caption()));
    } else if (change == ControlChange::Visibility) {
        const TraceKind kind = control.Visible() ? TraceKind::Show : TraceKind::Hide;
        if (Wants(kind)) {
            Write((control.Visible() ? "show " : "hide ") + control.Name());
        }
    }
}

void TraceWriter::RelayWritten(std::string_view bytes) {
    if (Wants(TraceKind::Relay)) {
        Write("relay " + std::string(bytes.substr(0, bytes.find('\r'))));
    }
}

void TraceWriter::Message(std::string_view text) {
    if (Wants(TraceKind::Message)) {
        Write("message " + QuotedText(text));
    }
}

void TraceWriter::Error(std::string_view text) {
    if (Wants(TraceKind::Error)) {
        Write("error " + QuotedText(text));
    }
}

}  // namespace corvane

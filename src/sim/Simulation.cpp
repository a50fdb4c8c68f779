#include "sim/Simulation.h"

namespace corvane {

Simulation::Simulation(SettingsStore& store, LocalDateTime start, TraceWriter* trace, ConflictRule conflictRule)
    : clock_(start, [this] { return timers_.NowMs(); }),
      messages_(recorded_,
                [trace](std::string_view text) {
                    if (trace) {
                        trace->Message(text);
                    }
                }),
      registry_(store, messages_) {
    if (trace) {
        line_.onWrite = [trace](std::string_view bytes) { trace->RelayWritten(bytes); };
    }
    program_ = std::make_unique<CorvaneProgram>(ControllerServices{registry_, timers_, clock_, line_, messages_,
                                                                preview_, kScreen, std::move(conflictRule)});
    if (trace) {
        program_->onMainWindowCreated.push_back([trace](frmMain& main) { trace->Follow(main); });
    }
    program_->Start();
}

void Simulation::RunUntil(std::int64_t ms) {
    if (!ended_) {
        timers_.RunUntil(ms);
    }
}

std::optional<std::string> Simulation::Perform(const ScriptAction& action) {
    if (ended_) {
        return "the program has ended";
    }
    if (action.kind == ScriptActionKind::Set) {
        registry_.SetRegValue(HKEY_LOCAL_MACHINE, action.key, action.name, action.text);
        return std::nullopt;
    }
    frmMain* main = Main();
    if (main == nullptr) {
        return "the controller window is not open yet";
    }
    frmPolicePanel& panel = main->policePanel;
    switch (action.kind) {
        case ScriptActionKind::Mode:
            if (!panel.ClickMode(action.number)) {
                const CommandButton& option = panel.optMode.Option(action.number);
                return "the option \"" + option.Caption() + "\" is " + (option.Visible() ? "disabled" : "hidden");
            }
            break;
        case ScriptActionKind::LightsOn:
        case ScriptActionKind::LightsOff:
            panel.ClickLights(action.kind == ScriptActionKind::LightsOn ? frmPolicePanel::kLightsOn
                                                                        : frmPolicePanel::kLightsOff);
            break;
        case ScriptActionKind::Next:
            if (!panel.ClickNext()) {
                return "the button \"Next\" is disabled";
            }
            break;
        case ScriptActionKind::Call:
            if (!main->ClickCall(action.number)) {
                return "the CALL button of load switch " + std::to_string(action.number) + " is hidden";
            }
            break;
        case ScriptActionKind::Police:
            main->MenuPolicePanel();
            break;
        case ScriptActionKind::Close:
            main->Form_Unload();
            timers_.RequestStop();
            ended_ = true;
            break;
        case ScriptActionKind::Set:
            break;
    }
    return std::nullopt;
}

}  // namespace corvane

#include "engine/CorvaneProgram.h"

namespace corvane {

CorvaneProgram::CorvaneProgram(const ControllerServices& services)
    : services_(services),
      loader_(services.registry, tables, preview, palette),
      Timer1(services.timers, "Timer1", StartupLoader::kTimer1IntervalMs, [this] { Timer1_Timer(); }) {}

void CorvaneProgram::Start() { Timer1.SetEnabled(true); }

void CorvaneProgram::Timer1_Timer() {
    loader_.Timer1Tick();
    for (const auto& listener : onLoaderTick) {
        listener();
    }
    if (!loader_.Finished()) {
        return;
    }
    Timer1.SetEnabled(false);
    main_ = std::make_unique<frmMain>(services_, tables);
    for (const auto& listener : onMainWindowCreated) {
        listener(*main_);
    }
    main_->Form_Load();
    for (const auto& listener : onMainWindowLoaded) {
        listener(*main_);
    }
}

}  // namespace corvane

#include "engine/CorvaneProgram.h"

namespace corvane {

CorvaneProgram::CorvaneProgram(const ProgramServices& services)
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
    main_ = std::make_unique<frmMain>(EngineServices{services_.registry, tables, services_.timers,
                                                     services_.clock, services_.serialLine,
                                                     services_.messages, services_.preview, services_.screen,
                                                     services_.conflictRule});
    for (const auto& listener : onMainWindowCreated) {
        listener(*main_);
    }
    main_->Form_Load();
    for (const auto& listener : onMainWindowLoaded) {
        listener(*main_);
    }
}

}  // namespace corvane

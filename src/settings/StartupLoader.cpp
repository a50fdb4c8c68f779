#include "settings/StartupLoader.h"

#include "settings/LoaderSteps.h"
#include "settings/SettingsSchema.h"

namespace corvane {

void StartupLoader::Timer1Tick() {
    if (!timer1Enabled_) {
        return;
    }
    progressBar1_ = loadStep_;
    loadStep_ += 5;
    // The programs come first: creating program 0 creates the configuration key that the
    // missing-values step writes into.
    constexpr std::int32_t kLastProgramStep = 5 * kProgramCount;
    if (loadStep_ <= kLastProgramStep) {
        const int program = loadStep_ / 5 - 1;
        lblStatus_ = "Checking Program " + std::to_string(program);
        EnsureProgram(registry_, program);
        return;
    }
    switch (loadStep_) {
        case 70:
            lblStatus_ = "Building Color Pallette";
            BuildColorPalette(palette_);
            break;
        case 80:
            lblStatus_ = "Checking for missing Registry values";
            CheckMissingValues(registry_, preview_);
            break;
        case 90:
            lblStatus_ = "Loading Registry into memory";
            LoadSettings(registry_, tables_);
            lblStatus_ = "Loading Programming into memory";
            LoadProgramming();
            break;
        case 100:
            timer1Enabled_ = false;
            break;
        default:
            break;
    }
}

void StartupLoader::LoadProgramming() { corvane::LoadProgramming(registry_, tables_); }

}  // namespace corvane

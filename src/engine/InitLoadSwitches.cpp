#include "engine/InitLoadSwitches.h"

#include "engine/modFunctions.h"
#include "settings/SettingsAccess.h"

namespace corvane {

void InitLoadSwitches(ControllerTables& tables, basINIRegistry& registry) {
    for (std::int32_t k = 1; k <= kPhaseCount; ++k) {
        LoadSwitch& phase = tables.Phases[static_cast<std::size_t>(k - 1)];
        phase.Name = "Phase";
        phase.Number = k;
        phase.Index = k - 1;
        phase.FlashColor = IsTrue(IsOdd(k)) ? "R" : ReadSetting(registry, Setting::PhaseFlashColor, k).Text();
        phase.FlashCircuit = ReadSetting(registry, Setting::PhaseFlashCircuit, k).ToLong();
    }
    for (std::int32_t j = 0; j < 4; ++j) {
        LoadSwitch& ped = tables.Peds[static_cast<std::size_t>(j)];
        ped.Name = "Ped";
        ped.Number = 2 * j + 2;
        ped.Index = j + kFirstPedLoadSwitch;
        ped.FlashColor = "R";
        ped.FlashCircuit = ReadSetting(registry, Setting::PedFlashCircuit, ped.Number).ToLong();
    }
}

}  // namespace corvane

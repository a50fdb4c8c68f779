#include "settings/LoaderSteps.h"

#include <optional>

#include "settings/SettingsAccess.h"

namespace corvane {

void EnsureProgram(basINIRegistry& registry, int program) {
    const std::string programPath = KeyPath(SettingsKey::Program, program);
    // The existence test runs inside the group, under the write lock, so that two programs
    // starting at once cannot both decide the program is missing.
    basINIRegistry::Transaction transaction(registry);
    if (registry.RegKeyExists(HKEY_LOCAL_MACHINE, programPath)) {
        transaction.Commit();
        return;
    }
    registry.CreateRegKey(HKEY_LOCAL_MACHINE, programPath);
    const ProgramDefaults defaults = DefaultsOfProgram(program);
    registry.SetRegValue(HKEY_LOCAL_MACHINE, programPath, Definition(Setting::Flash).name, defaults.flash);
    registry.SetRegValue(HKEY_LOCAL_MACHINE, programPath, Definition(Setting::StartTime).name,
                         defaults.startTime);
    registry.SetRegValue(HKEY_LOCAL_MACHINE, programPath, Definition(Setting::Days).name, defaults.days);
    for (int phase = 1; phase <= kPhaseCount; ++phase) {
        const std::string phasePath = KeyPath(SettingsKey::ProgramPhase, program, phase);
        registry.CreateRegKey(HKEY_LOCAL_MACHINE, phasePath);
        for (const SettingDefinition& definition : AllSettings()) {
            if (definition.key == SettingsKey::ProgramPhase) {
                registry.SetRegValue(HKEY_LOCAL_MACHINE, phasePath, definition.name,
                                     definition.defaultValue);
            }
        }
    }
    transaction.Commit();
}

void CheckMissingValues(basINIRegistry& registry, PreviewTables& preview) {
    const SettingDefinition& southboundLeft = Definition(Setting::TurnStyle, SBLeft);
    basINIRegistry::Transaction transaction(registry);
    std::optional<SettingsKey> previousKey;
    for (const SettingDefinition& definition : AllSettings()) {
        if ((definition.key != SettingsKey::Root && definition.key != SettingsKey::COMPort &&
             definition.key != SettingsKey::Preview) ||
            definition.optional) {
            continue;
        }
        const std::string path = KeyPathOf(definition);
        // The configuration key exists once program 0 does; the relay and preview keys are
        // created here, because a value is only ever written into an existing key.
        if (definition.key != previousKey && definition.key != SettingsKey::Root &&
            !registry.RegKeyExists(HKEY_LOCAL_MACHINE, path)) {
            registry.CreateRegKey(HKEY_LOCAL_MACHINE, path);
        }
        previousKey = definition.key;
        if (!registry.RegValueExists(HKEY_LOCAL_MACHINE, path, definition.name)) {
            registry.SetRegValue(HKEY_LOCAL_MACHINE, path, definition.name, definition.defaultValue);
        }
        if (&definition == &southboundLeft) {
            preview.PreviewHeads[0].TurnStyle =
                registry.GetRegValue(HKEY_LOCAL_MACHINE, path, definition.name).ToLong();
        }
    }
    transaction.Commit();
}

void LoadSettings(basINIRegistry& registry, ControllerTables& tables) {
    tables.Rings[0].Order = ReadSetting(registry, Setting::RingOrder, 1).ToLong();
    tables.Rings[1].Order = ReadSetting(registry, Setting::RingOrder, 2).ToLong();
    for (int phase = 1; phase <= kPhaseCount; ++phase) {
        tables.Phases[static_cast<std::size_t>(phase - 1)].FlashCircuit =
            ReadSetting(registry, Setting::PhaseFlashCircuit, phase).ToLong();
    }
    for (int phase = 1; phase <= kPhaseCount; ++phase) {
        tables.Phases[static_cast<std::size_t>(phase - 1)].FlashColor =
            ReadSetting(registry, Setting::PhaseFlashColor, phase).Text();
    }
    for (std::size_t ped = 0; ped < tables.Peds.size(); ++ped) {
        tables.Peds[ped].AutoInclude = ReadSetting(registry, Setting::AutoIncludePed, 2 * static_cast<int>(ped) + 2).ToFlag();
    }
}

void LoadProgramming(basINIRegistry& registry, ControllerTables& tables) {
    for (int program = 0; program < kProgramCount; ++program) {
        ProgramSchedule& entry = tables.Programs[static_cast<std::size_t>(program)];
        entry.Program = program;
        entry.Days = ReadProgramSetting(registry, Setting::Days, program).ToLong();
        entry.StartTime = ReadProgramSetting(registry, Setting::StartTime, program).ToLong();
        entry.Flash = ReadProgramSetting(registry, Setting::Flash, program).ToFlag();
    }
}

}  // namespace corvane

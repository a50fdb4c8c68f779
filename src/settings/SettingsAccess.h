#pragma once

#include "settings/SettingValue.h"
#include "settings/SettingsSchema.h"
#include "settings/basINIRegistry.h"

// Reading a setting by its definition, from the key the schema puts it in.

namespace corvane {

// A configuration, relay or preview setting.
inline SettingValue ReadSetting(basINIRegistry& registry, Setting setting, int number = 0) {
    const SettingDefinition& definition = Definition(setting, number);
    return registry.GetRegValue(HKEY_LOCAL_MACHINE, KeyPathOf(definition), definition.name);
}

// A value of the key of timing program `program`: "StartTime", "Days" or "Flash".
inline SettingValue ReadProgramSetting(basINIRegistry& registry, Setting setting, int program) {
    const SettingDefinition& definition = Definition(setting);
    return registry.GetRegValue(HKEY_LOCAL_MACHINE, KeyPathOf(definition, program), definition.name);
}

}  // namespace corvane

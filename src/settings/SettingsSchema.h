#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Every setting the program keeps: the key it lives in, its value name, its default and the
// texts it may hold. This table is the only place a setting's name is spelled; the start-up
// loader, the engine, the editors and the command-line tool all find settings through it.

namespace corvane {

enum class SettingsKey {
    Root,          // SettingsRoot: the controller's configuration
    COMPort,       // SettingsRoot\COMPort: the relay interface assignment
    Preview,       // SettingsRoot\Preview: the simulated intersection's appearance
    Program,       // SettingsRoot\Prog<n>, n = 0 to 12: one timing program
    ProgramPhase,  // SettingsRoot\Prog<n>\Phase<m>, m = 1 to 8: the interval lengths of a phase
};

// The settings, each a single value or a family numbered as its name is (phase, pedestrian
// head, interval, ring); `number` is 0 for single values.
enum class Setting {
    PedFlashColor,          // "Ped<n>FlashColor", n = 2, 4, 6, 8
    PedFlashCircuit,        // "Ped<n>FlashCircuit"
    PhaseFlashColor,        // "Phase<n>FlashColor", n = 1 to 8
    PhaseFlashCircuit,      // "Phase<n>FlashCircuit"
    AutoIncludePed,         // "AutoIncludePed<n>", n = 2, 4, 6, 8
    RingOrder,              // "Ring<n>Order", n = 1, 2
    PhasesInUse,
    FlashRedOnGreen,        // "Flash<n>RedOn<n+1>Green", n = 1, 3, 5, 7
    FlashRedOnYellow,       // "Flash<n>RedOn<n+1>Yellow"
    FlashDontWalkOnGreen,
    FlashDontWalkOnYellow,
    ColorMode,
    Port,
    PhaseA,
    PhaseB,
    PedA,
    PortDevice,             // "COM<n>Device", n = 1, 2: the device file of a COM port
    RYGHousingColor,
    PedHousingColor,
    SupportPoleColor,
    TurnStyle,              // numbered by TurnHead
    TurnSignalSignage,
    Flash,                  // of a program
    StartTime,
    Days,
    IntervalLength,         // "1" to "5", numbered by interval code
    SkipPhase,
};

// The eight turn heads of the simulated intersection, in the order their styles are stored.
enum TurnHead : int { NBLeft = 1, NBRight, WBLeft, WBRight, EBLeft, EBRight, SBLeft, SBRight };

// The texts a setting may hold: any text, exactly the listed choices, or otherwise a whole number
// in [minimum, maximum] written in plain decimal.
struct AllowedValues {
    std::vector<std::string> choices;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    bool anyText = false;

    bool Allows(std::string_view text) const;
};

struct SettingDefinition {
    SettingsKey key;
    Setting setting;
    int number;
    std::string name;
    // Empty for the values of a program key, whose defaults depend on the program.
    std::string defaultValue;
    AllowedValues allowed;
    // Read when present and never written by the program: an administrator's override.
    bool optional = false;
};

// Every definition: first the configuration, relay and preview values in the order the loader
// writes their missing defaults, then the values of a program key and of a phase key.
const std::vector<SettingDefinition>& AllSettings();

// The definition of a setting; `number` picks the member of a family. Asking for a setting that
// is not defined is a programming error and aborts.
const SettingDefinition& Definition(Setting setting, int number = 0);

// The key holding a setting: SettingsRoot, its COMPort or Preview key, or for program values the
// key of `program` (and of `phase` for interval lengths).
std::string KeyPath(SettingsKey key, int program = 0, int phase = 0);
std::string KeyPathOf(const SettingDefinition& definition, int program = 0, int phase = 0);

// The values a missing timing program is created with.
struct ProgramDefaults {
    std::string_view startTime;
    std::string_view days;
    std::string_view flash;
};
ProgramDefaults DefaultsOfProgram(int program);

inline constexpr int kProgramCount = 13;  // programs 0 to 12
inline constexpr int kPhaseCount = 8;

}  // namespace corvane

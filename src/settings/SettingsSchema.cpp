#include "settings/SettingsSchema.h"

#include <cstdlib>
#include <iostream>

#include "settings/basINIRegistry.h"
#include "settings/SettingValue.h"

namespace corvane {
namespace {

AllowedValues Choices(std::vector<std::string> choices) { return {std::move(choices), 0, 0, false}; }
AllowedValues Range(std::int32_t minimum, std::int32_t maximum) { return {{}, minimum, maximum, false}; }
AllowedValues AnyText() { return {{}, 0, 0, true}; }
const AllowedValues kOnOff = Choices({"1", "0"});

std::vector<SettingDefinition> BuildSettings() {
    std::vector<SettingDefinition> all;
    auto add = [&all](SettingsKey key, Setting setting, int number, std::string name,
                      std::string defaultValue, AllowedValues allowed) {
        all.push_back({key, setting, number, std::move(name), std::move(defaultValue), std::move(allowed)});
    };
    const auto root = SettingsKey::Root;

    for (int i = 1; i <= kPhaseCount; ++i) {
        const std::string n = std::to_string(i);
        if (i % 2 == 0) {
            add(root, Setting::PedFlashColor, i, "Ped" + n + "FlashColor", "R", Choices({"R"}));
            add(root, Setting::PedFlashCircuit, i, "Ped" + n + "FlashCircuit", "2", Choices({"1", "2"}));
        }
        add(root, Setting::PhaseFlashColor, i, "Phase" + n + "FlashColor", (i == 1 || i == 5) ? "Y" : "R",
            Choices({"R", "Y"}));
        add(root, Setting::PhaseFlashCircuit, i, "Phase" + n + "FlashCircuit", i % 2 ? "1" : "2",
            Choices({"1", "2"}));
    }
    for (int ped = 2; ped <= kPhaseCount; ped += 2) {
        add(root, Setting::AutoIncludePed, ped, "AutoIncludePed" + std::to_string(ped), "1", kOnOff);
    }
    add(root, Setting::RingOrder, 1, "Ring1Order", "1234", Choices({"1234", "1243", "2134", "2143"}));
    add(root, Setting::RingOrder, 2, "Ring2Order", "5678", Choices({"5678", "5687", "6578", "6587"}));
    add(root, Setting::PhasesInUse, 0, "PhasesInUse", "8", Choices({"2", "3", "4", "8"}));
    for (const auto& [setting, colour] :
         {std::pair{Setting::FlashRedOnGreen, "Green"}, std::pair{Setting::FlashRedOnYellow, "Yellow"}}) {
        for (int odd = 1; odd < kPhaseCount; odd += 2) {
            add(root, setting, odd,
                "Flash" + std::to_string(odd) + "RedOn" + std::to_string(odd + 1) + colour, "1", kOnOff);
        }
    }
    add(root, Setting::FlashDontWalkOnGreen, 0, "FlashDontWalkOnGreen", "1", kOnOff);
    add(root, Setting::FlashDontWalkOnYellow, 0, "FlashDontWalkOnYellow", "1", kOnOff);
    add(root, Setting::ColorMode, 0, "ColorMode", "3", Choices({"2", "3"}));

    const auto port = SettingsKey::COMPort;
    add(port, Setting::Port, 0, "Port", "1", Range(0, 2));
    add(port, Setting::PhaseA, 0, "PhaseA", "2", Range(-1, 7));
    add(port, Setting::PhaseB, 0, "PhaseB", "4", Range(-1, 7));
    add(port, Setting::PedA, 0, "PedA", "8", Choices({"-1", "8", "9", "10", "11"}));
    for (int com = 1; com <= 2; ++com) {
        add(port, Setting::PortDevice, com, "COM" + std::to_string(com) + "Device", "/dev/ttyS" + std::to_string(com - 1),
            AnyText());
        all.back().optional = true;
    }

    const auto preview = SettingsKey::Preview;
    add(preview, Setting::RYGHousingColor, 0, "RYGHousingColor", "1", Range(0, 5));
    add(preview, Setting::PedHousingColor, 0, "PedHousingColor", "2", Range(0, 5));
    add(preview, Setting::SupportPoleColor, 0, "SupportPoleColor", "3", Range(0, 5));
    const char* turnHeads[] = {"NBLeft", "NBRight", "WBLeft", "WBRight", "EBLeft", "EBRight", "SBLeft", "SBRight"};
    for (int head = NBLeft; head <= SBRight; ++head) {
        add(preview, Setting::TurnStyle, head, turnHeads[head - NBLeft], "0", Range(0, 5));
    }
    add(preview, Setting::TurnSignalSignage, 0, "TurnSignalSignage", "1", Choices({"0", "1"}));

    const auto program = SettingsKey::Program;
    add(program, Setting::Flash, 0, "Flash", "", Choices({"0", "1"}));
    add(program, Setting::StartTime, 0, "StartTime", "", Range(0, 1439));
    add(program, Setting::Days, 0, "Days", "", Range(0, 127));

    const auto phase = SettingsKey::ProgramPhase;
    const char* intervalDefaults[] = {"4", "3", "1", "2", "1"};
    for (int interval = 1; interval <= 5; ++interval) {
        add(phase, Setting::IntervalLength, interval, std::to_string(interval),
            intervalDefaults[interval - 1], Range(0, 9999));
    }
    add(phase, Setting::SkipPhase, 0, "SkipPhase", "0", Choices({"0", "1"}));
    return all;
}

}  // namespace

bool AllowedValues::Allows(std::string_view text) const {
    if (anyText) {
        return true;
    }
    if (!choices.empty()) {
        for (const std::string& choice : choices) {
            if (choice == text) {
                return true;
            }
        }
        return false;
    }
    const std::optional<double> number = ParseNumber(text);
    if (!number || *number < minimum || *number > maximum) {
        return false;
    }
    // Only the plain decimal form of a whole number: no fraction, sign, spaces or leading zeros.
    return std::to_string(static_cast<std::int64_t>(*number)) == text;
}

const std::vector<SettingDefinition>& AllSettings() {
    static const std::vector<SettingDefinition> all = BuildSettings();
    return all;
}

const SettingDefinition& Definition(Setting setting, int number) {
    for (const SettingDefinition& definition : AllSettings()) {
        if (definition.setting == setting && definition.number == number) {
            return definition;
        }
    }
    std::cerr << "no setting " << static_cast<int>(setting) << " numbered " << number << '\n';
    std::abort();
}

std::string KeyPath(SettingsKey key, int program, int phase) {
    std::string path(SettingsRoot);
    switch (key) {
        case SettingsKey::Root:
            break;
        case SettingsKey::COMPort:
            path += "\\COMPort";
            break;
        case SettingsKey::Preview:
            path += "\\Preview";
            break;
        case SettingsKey::Program:
            path += "\\Prog" + std::to_string(program);
            break;
        case SettingsKey::ProgramPhase:
            path += "\\Prog" + std::to_string(program) + "\\Phase" + std::to_string(phase);
            break;
    }
    return path;
}

std::string KeyPathOf(const SettingDefinition& definition, int program, int phase) {
    return KeyPath(definition.key, program, phase);
}

ProgramDefaults DefaultsOfProgram(int program) {
    // Programs 1 to 6 are a day plan and a night flash plan for Sunday, weekdays and Saturday;
    // 7 to 12 have no day until an operator gives them one; 0 is the fallback.
    static constexpr ProgramDefaults kScheduled[] = {
        {"0", "127", "0"},  {"495", "1", "0"},   {"1170", "1", "1"}, {"360", "62", "0"},
        {"1320", "62", "1"}, {"480", "64", "0"}, {"1260", "64", "1"},
    };
    if (program >= 0 && program <= 6) {
        return kScheduled[program];
    }
    return {"0", "0", program % 2 ? "0" : "1"};
}

}  // namespace corvane

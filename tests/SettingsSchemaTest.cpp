#include <gtest/gtest.h>

#include <set>

#include "settings/SettingsSchema.h"

namespace corvane {
namespace {

std::string Folded(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

TEST(SettingsSchemaTest, EveryDefaultIsAnAllowedValueAndNoNameRepeatsInItsKey) {
    std::set<std::pair<SettingsKey, std::string>> seen;
    for (const SettingDefinition& definition : AllSettings()) {
        if (definition.key != SettingsKey::Program) {
            EXPECT_TRUE(definition.allowed.Allows(definition.defaultValue)) << definition.name;
        }
        EXPECT_TRUE(seen.insert({definition.key, Folded(definition.name)}).second) << definition.name;
    }
    for (int program = 0; program < kProgramCount; ++program) {
        const ProgramDefaults defaults = DefaultsOfProgram(program);
        EXPECT_TRUE(Definition(Setting::StartTime).allowed.Allows(defaults.startTime)) << program;
        EXPECT_TRUE(Definition(Setting::Days).allowed.Allows(defaults.days)) << program;
        EXPECT_TRUE(Definition(Setting::Flash).allowed.Allows(defaults.flash)) << program;
    }
}

TEST(SettingsSchemaTest, FamiliesAreNamedByTheirNumbers) {
    const std::tuple<Setting, int, const char*> cases[] = {
        {Setting::PhaseFlashColor, 2, "Phase2FlashColor"}, {Setting::PedFlashCircuit, 6, "Ped6FlashCircuit"},
        {Setting::FlashRedOnYellow, 7, "Flash7RedOn8Yellow"}, {Setting::FlashRedOnGreen, 1, "Flash1RedOn2Green"},
        {Setting::AutoIncludePed, 8, "AutoIncludePed8"},    {Setting::RingOrder, 2, "Ring2Order"},
        {Setting::TurnStyle, SBLeft, "SBLeft"},             {Setting::TurnStyle, NBRight, "NBRight"},
        {Setting::IntervalLength, 4, "4"},
    };
    for (const auto& [setting, number, name] : cases) {
        EXPECT_EQ(Definition(setting, number).name, name);
    }
    EXPECT_EQ(KeyPath(SettingsKey::ProgramPhase, 7, 3), "\\SOFTWARE\\Vek\\Corvane\\Prog7\\Phase3");
    EXPECT_EQ(KeyPathOf(Definition(Setting::PedA)), "\\SOFTWARE\\Vek\\Corvane\\COMPort");
}

TEST(SettingsSchemaTest, AllowedValuesAreExactTexts) {
    const std::tuple<Setting, int, const char*, bool> cases[] = {
        {Setting::PhaseA, 0, "-1", true},     {Setting::PhaseA, 0, "8", false},
        {Setting::PedA, 0, "-1", true},       {Setting::PedA, 0, "7", false},
        {Setting::StartTime, 0, "1439", true}, {Setting::StartTime, 0, "1440", false},
        {Setting::StartTime, 0, "01", false}, {Setting::StartTime, 0, "1.5", false},
        {Setting::RingOrder, 1, "2143", true}, {Setting::RingOrder, 1, "5678", false},
        {Setting::PhaseFlashColor, 3, "y", false},
    };
    for (const auto& [setting, number, text, allowed] : cases) {
        EXPECT_EQ(Definition(setting, number).allowed.Allows(text), allowed) << text;
    }
}

}  // namespace
}  // namespace corvane

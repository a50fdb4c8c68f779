#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "TempStore.h"
#include "engine/ControllerTables.h"
#include "engine/InitLoadSwitches.h"
#include "settings/LoaderSteps.h"
#include "settings/SettingsSchema.h"

namespace corvane {
namespace {

using testing::TempStore;

TEST(StatusNameTest, EachModeHasItsNameAndOtherCodesNone) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "Startup Flash"}, {1, "run"},          {2, "Police Flash"},       {3, "Program flash"},
        {4, "4 way Stop"},    {5, "Conflict Detected"}, {6, "Railroad Pre-Empt"}, {7, "Manual Advance"},
        {8, ""},              {-1, ""},
    };
    for (const auto& [code, name] : cases) {
        EXPECT_EQ(VekGetStatusName(code), name) << code;
    }
}

TEST(RingOrderTest, PositionsServeTheDigitsOfTheOrder) {
    const std::int32_t expected[] = {1, 2, 4, 3};
    for (int position = 1; position <= 4; ++position) {
        EXPECT_EQ(PhaseAtPosition(1243, position), expected[position - 1]);
    }
    EXPECT_EQ(PhaseAtPosition(12, 3), 0);
    EXPECT_EQ(PhaseAtPosition(-123, 1), 0);
}

TEST(InitLoadSwitchesTest, FillsTheFixedFieldsAndRereadsFlashSettings) {
    TempStore store;
    for (int program = 0; program < kProgramCount; ++program) {
        EnsureProgram(store.registry, program);
    }
    PreviewTables preview;
    CheckMissingValues(store.registry, preview);
    const std::string root(SettingsRoot);
    store.registry.SetRegValue(HKEY_LOCAL_MACHINE, root, "Phase3FlashColor", "Y");
    store.registry.SetRegValue(HKEY_LOCAL_MACHINE, root, "Phase4FlashColor", "Y");
    store.registry.SetRegValue(HKEY_LOCAL_MACHINE, root, "Ped4FlashColor", "Y");
    store.registry.SetRegValue(HKEY_LOCAL_MACHINE, root, "Ped6FlashCircuit", "1");
    store.registry.SetRegValue(HKEY_LOCAL_MACHINE, root, "Phase7FlashCircuit", "two");

    ControllerTables tables;
    tables.Peds[1].Called = kTrue;
    InitLoadSwitches(tables, store.registry);

    EXPECT_EQ(tables.Phases[2].FlashColor, "R");  // odd phases always flash red
    EXPECT_EQ(tables.Phases[0].FlashColor, "R");
    EXPECT_EQ(tables.Phases[3].FlashColor, "Y");
    EXPECT_EQ(tables.Peds[1].FlashColor, "R");
    EXPECT_EQ(tables.Peds[2].FlashCircuit, 1);
    EXPECT_EQ(tables.Phases[6].FlashCircuit, 0);  // not a number
    EXPECT_EQ(tables.Phases[7].Name, "Phase");
    EXPECT_EQ(tables.Phases[7].Number, 8);
    EXPECT_EQ(tables.Phases[7].Index, 7);
    EXPECT_EQ(tables.Peds[2].Name, "Ped");
    EXPECT_EQ(tables.Peds[2].Number, 6);
    EXPECT_EQ(tables.Peds[2].Index, 10);
    EXPECT_EQ(tables.Peds[1].Called, kTrue);
    EXPECT_TRUE(store.messages.messages.empty());
}

TEST(TimeLeftTest, CountingDownByTenthsIsExact) {
    for (const double length : {4.0, 0.3, 2.7, 9999.0, 1.05}) {
        FixedDecimal timeLeft = FixedDecimal::FromDouble(length);
        int ticks = 0;
        while (timeLeft > FixedDecimal()) {
            timeLeft -= FixedDecimal::FromTenths(1);
            ++ticks;
        }
        EXPECT_EQ(ticks, static_cast<int>(std::ceil(length * 10 - 1e-9))) << length;
    }
    EXPECT_EQ(FixedDecimal::FromDouble(2.0).TenThousandths(), 20000);
    EXPECT_EQ(FixedDecimal::FromDouble(1.23456).TenThousandths(), 12346);
}

TEST(TimeLeftTest, FormatsWithTheRequestedDecimals) {
    const std::tuple<std::int64_t, int, const char*> cases[] = {
        {40000, 4, "4.0000"}, {39000, 1, "3.9"},  {-1000, 1, "-0.1"}, {0, 1, "0.0"},
        {25500, 1, "2.6"},    {-25500, 1, "-2.6"}, {12345, 0, "1"},   {5, 4, "0.0005"},
    };
    for (const auto& [raw, decimals, text] : cases) {
        EXPECT_EQ(FixedDecimal::FromTenThousandths(raw).Format(decimals), text) << raw;
    }
}

}  // namespace
}  // namespace corvane

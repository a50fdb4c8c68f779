#include <gtest/gtest.h>

#include "TempStore.h"
#include "settings/LoaderSteps.h"
#include "settings/SettingsSchema.h"

namespace corvane {
namespace {

using testing::ForwardingStore;
using testing::TempStore;

constexpr auto HKLM = HKEY_LOCAL_MACHINE;
const std::string kRoot = "\\SOFTWARE\\Vek\\Corvane";

class LoaderStepsTest : public ::testing::Test {
protected:
    void FirstStart() {
        for (int program = 0; program < kProgramCount; ++program) {
            EnsureProgram(store.registry, program);
        }
        CheckMissingValues(store.registry, preview);
    }
    std::string Get(const std::string& path, std::string_view name) {
        return store.registry.GetRegValue(HKLM, path, name).Text();
    }

    TempStore store;
    PreviewTables preview;
    ControllerTables tables;
};

TEST_F(LoaderStepsTest, FirstStartOnAnEmptyStoreWritesEveryDefault) {
    FirstStart();
    struct Expected {
        std::string key;
        std::string name;
        std::string text;
    };
    const Expected expected[] = {
        {"", "Phase1FlashColor", "Y"},      {"", "Phase5FlashColor", "Y"},
        {"", "Phase2FlashColor", "R"},      {"", "Phase3FlashCircuit", "1"},
        {"", "Phase8FlashCircuit", "2"},    {"", "Ped6FlashColor", "R"},
        {"", "Ped8FlashCircuit", "2"},      {"", "AutoIncludePed4", "1"},
        {"", "Ring1Order", "1234"},         {"", "Ring2Order", "5678"},
        {"", "PhasesInUse", "8"},           {"", "Flash7RedOn8Yellow", "1"},
        {"", "FlashDontWalkOnYellow", "1"}, {"", "ColorMode", "3"},
        {"\\COMPort", "Port", "1"},         {"\\COMPort", "PhaseA", "2"},
        {"\\COMPort", "PhaseB", "4"},       {"\\COMPort", "PedA", "8"},
        {"\\Preview", "RYGHousingColor", "1"}, {"\\Preview", "SupportPoleColor", "3"},
        {"\\Preview", "SBRight", "0"},      {"\\Preview", "TurnSignalSignage", "1"},
        {"\\Prog0", "StartTime", "0"},      {"\\Prog0", "Days", "127"},
        {"\\Prog0", "Flash", "0"},          {"\\Prog2", "StartTime", "1170"},
        {"\\Prog2", "Flash", "1"},          {"\\Prog3", "Days", "62"},
        {"\\Prog6", "StartTime", "1260"},   {"\\Prog6", "Days", "64"},
        {"\\Prog9", "Days", "0"},           {"\\Prog9", "Flash", "0"},
        {"\\Prog12", "Flash", "1"},         {"\\Prog12\\Phase8", "1", "4"},
        {"\\Prog4\\Phase1", "2", "3"},      {"\\Prog4\\Phase2", "3", "1"},
        {"\\Prog7\\Phase3", "4", "2"},      {"\\Prog7\\Phase3", "5", "1"},
        {"\\Prog7\\Phase3", "SkipPhase", "0"},
    };
    for (const Expected& e : expected) {
        EXPECT_EQ(Get(kRoot + e.key, e.name), e.text) << e.key << " " << e.name;
    }
    std::vector<StoredValue> values;
    ASSERT_TRUE(store.store->ListValues("SOFTWARE\\Vek\\Corvane", values).ok());
    EXPECT_EQ(values.size(), 42u);
    for (int program = 0; program < kProgramCount; ++program) {
        std::vector<std::string> phases;
        ASSERT_TRUE(store.store->ListSubKeys("SOFTWARE\\Vek\\Corvane\\Prog" + std::to_string(program), phases).ok());
        EXPECT_EQ(phases.size(), 8u) << program;
    }
    EXPECT_TRUE(store.messages.messages.empty());
}

TEST_F(LoaderStepsTest, ExistingValuesAreNeverOverwrittenAndDeletedOnesComeBack) {
    FirstStart();
    store.registry.SetRegValue(HKLM, kRoot, "Ring1Order", "2143");
    store.registry.SetRegValue(HKLM, kRoot + "\\COMPort", "Port", "0");
    store.registry.SetRegValue(HKLM, kRoot + "\\Prog1", "StartTime", "600");
    ASSERT_TRUE(store.store->DeleteValue("SOFTWARE\\Vek\\Corvane\\Preview", "NBLeft").ok());

    FirstStart();
    EXPECT_EQ(Get(kRoot, "Ring1Order"), "2143");
    EXPECT_EQ(Get(kRoot + "\\COMPort", "Port"), "0");
    EXPECT_EQ(Get(kRoot + "\\Prog1", "StartTime"), "600");
    EXPECT_EQ(Get(kRoot + "\\Preview", "NBLeft"), "0");
}

TEST_F(LoaderStepsTest, AnExistingProgramLackingAValueIsNotRepairedAndLoadsAsZero) {
    FirstStart();
    ASSERT_TRUE(store.store->DeleteValue("SOFTWARE\\Vek\\Corvane\\Prog5", "Days").ok());
    EnsureProgram(store.registry, 5);
    LoadProgramming(store.registry, tables);

    EXPECT_FALSE(store.registry.RegValueExists(HKLM, kRoot + "\\Prog5", "Days"));
    EXPECT_EQ(tables.Programs[5].Days, 0);
    EXPECT_EQ(tables.Programs[5].StartTime, 480);
    EXPECT_EQ(tables.Programs[6].Days, 64);
    EXPECT_EQ(tables.Programs[6].Flash, kTrue);
    EXPECT_EQ(tables.Programs[3].Flash, kFalse);
    EXPECT_EQ(tables.Programs[12].Program, 12);
}

TEST_F(LoaderStepsTest, TheSouthboundLeftStyleIsTakenFromTheStoreOrItsNewDefault) {
    FirstStart();
    store.registry.SetRegValue(HKLM, kRoot + "\\Preview", "SBLeft", "3");
    CheckMissingValues(store.registry, preview);
    EXPECT_EQ(preview.PreviewHeads[0].TurnStyle, 3);

    ASSERT_TRUE(store.store->DeleteValue("SOFTWARE\\Vek\\Corvane\\Preview", "SBLeft").ok());
    CheckMissingValues(store.registry, preview);
    EXPECT_EQ(Get(kRoot + "\\Preview", "SBLeft"), "0");
    EXPECT_EQ(preview.PreviewHeads[0].TurnStyle, 0);
}

TEST_F(LoaderStepsTest, LoadSettingsCopiesRingOrdersFlashSettingsAndAutoIncludeFlags) {
    FirstStart();
    store.registry.SetRegValue(HKLM, kRoot, "Ring2Order", "6587");
    store.registry.SetRegValue(HKLM, kRoot, "Phase4FlashColor", "Y");
    store.registry.SetRegValue(HKLM, kRoot, "Phase6FlashCircuit", "1");
    store.registry.SetRegValue(HKLM, kRoot, "AutoIncludePed6", "0");
    LoadSettings(store.registry, tables);

    EXPECT_EQ(tables.Rings[0].Order, 1234);
    EXPECT_EQ(tables.Rings[1].Order, 6587);
    EXPECT_EQ(tables.Phases[0].FlashColor, "Y");
    EXPECT_EQ(tables.Phases[3].FlashColor, "Y");
    EXPECT_EQ(tables.Phases[1].FlashColor, "R");
    EXPECT_EQ(tables.Phases[0].FlashCircuit, 1);
    EXPECT_EQ(tables.Phases[5].FlashCircuit, 1);
    EXPECT_EQ(tables.Phases[7].FlashCircuit, 2);
    EXPECT_EQ(tables.Peds[0].AutoInclude, kTrue);
    EXPECT_EQ(tables.Peds[2].AutoInclude, kFalse);
}

// Fails every write after a given number, as a store that fills up in the middle of a step.
class FailingAfterWrites : public ForwardingStore {
public:
    FailingAfterWrites(SettingsStore& target, int allowed) : ForwardingStore(target), allowed_(allowed) {}
    StoreResult WriteValue(std::string_view path, std::string_view name, std::string_view text) override {
        if (allowed_-- <= 0) {
            return StoreResult::Failure("database or disk is full");
        }
        return ForwardingStore::WriteValue(path, name, text);
    }

private:
    int allowed_;
};

TEST_F(LoaderStepsTest, AProgramIsCreatedWholeOrNotAtAll) {
    FailingAfterWrites failing(*store.store, 10);
    basINIRegistry failingRegistry(failing, store.messages);
    EnsureProgram(failingRegistry, 4);
    EXPECT_FALSE(store.messages.messages.empty());
    EXPECT_FALSE(store.registry.RegKeyExists(HKLM, kRoot + "\\Prog4"));

    // The next start finds the program missing and creates it whole.
    store.messages.messages.clear();
    EnsureProgram(store.registry, 4);
    EXPECT_EQ(Get(kRoot + "\\Prog4\\Phase8", "SkipPhase"), "0");
    EXPECT_EQ(Get(kRoot + "\\Prog4", "StartTime"), "1320");
    EXPECT_TRUE(store.messages.messages.empty());
}

}  // namespace
}  // namespace corvane

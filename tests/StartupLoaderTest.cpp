#include <gtest/gtest.h>

#include "TempStore.h"
#include "settings/StartupLoader.h"

namespace corvane {
namespace {

using testing::TempStore;

class StartupLoaderTest : public ::testing::Test {
protected:
    TempStore store;
    ControllerTables tables;
    PreviewTables preview;
    ColorPalette palette;
    StartupLoader loader{store.registry, tables, preview, palette};
};

TEST_F(StartupLoaderTest, TwentyTicksShowTheirProgressAndStatusThenFinish) {
    struct Tick {
        int number;
        int progress;
        std::string status;
    };
    const Tick ticks[] = {
        {1, 0, "Checking Program 0"},
        {2, 5, "Checking Program 1"},
        {13, 60, "Checking Program 12"},
        {14, 65, "Building Color Pallette"},
        {15, 70, "Building Color Pallette"},
        {16, 75, "Checking for missing Registry values"},
        {17, 80, "Checking for missing Registry values"},
        {18, 85, "Loading Programming into memory"},
        {19, 90, "Loading Programming into memory"},
        {20, 95, "Loading Programming into memory"},
    };
    int done = 0;
    for (const Tick& tick : ticks) {
        while (done < tick.number) {
            EXPECT_FALSE(loader.Finished()) << "before tick " << done + 1;
            loader.Timer1Tick();
            ++done;
        }
        EXPECT_EQ(loader.Progress(), tick.progress) << "tick " << tick.number;
        EXPECT_EQ(loader.StatusText(), tick.status) << "tick " << tick.number;
        EXPECT_EQ(loader.LoadStep(), tick.number * 5);
    }
    EXPECT_TRUE(loader.Finished());
    loader.Timer1Tick();
    EXPECT_EQ(loader.LoadStep(), 100);
    EXPECT_EQ(loader.Progress(), 95);
}

TEST_F(StartupLoaderTest, AFirstStartFillsTheTablesFromTheNewDefaults) {
    EXPECT_EQ(palette[1].ColorName, "");
    for (int tick = 0; tick < 20; ++tick) {
        loader.Timer1Tick();
    }
    EXPECT_TRUE(store.messages.messages.empty());
    EXPECT_EQ(tables.Rings[0].Order, 1234);
    EXPECT_EQ(tables.Rings[1].Order, 5678);
    EXPECT_EQ(tables.Phases[4].FlashColor, "Y");
    EXPECT_EQ(tables.Phases[2].FlashCircuit, 1);
    EXPECT_EQ(tables.Peds[3].AutoInclude, kTrue);
    struct Schedule {
        int program;
        int days;
        int startTime;
        Flag flash;
    };
    for (const Schedule& s : {Schedule{0, 127, 0, kFalse}, Schedule{1, 1, 495, kFalse}, Schedule{4, 62, 1320, kTrue},
                              Schedule{5, 64, 480, kFalse}, Schedule{8, 0, 0, kTrue}}) {
        const ProgramSchedule& entry = tables.Programs[static_cast<std::size_t>(s.program)];
        EXPECT_EQ(entry.Program, s.program);
        EXPECT_EQ(entry.Days, s.days) << s.program;
        EXPECT_EQ(entry.StartTime, s.startTime) << s.program;
        EXPECT_EQ(entry.Flash, s.flash) << s.program;
    }
    EXPECT_EQ(palette[1].ColorName, "Dark Green");
    EXPECT_EQ(palette[1].RedLevel, 1);
    EXPECT_EQ(palette[1].GreenLevel, 126);
    EXPECT_EQ(palette[1].BlueLevel, 95);
    EXPECT_EQ(palette[3].RedLevel, 64);
    EXPECT_EQ(palette[6].ColorName, "");
}

TEST_F(StartupLoaderTest, LoadProgrammingSeesTheStoreAsItIsNow) {
    for (int tick = 0; tick < 20; ++tick) {
        loader.Timer1Tick();
    }
    store.registry.SetRegValue(HKEY_LOCAL_MACHINE, "\\SOFTWARE\\Vek\\Corvane\\prog9", "Days", "2");
    loader.LoadProgramming();
    EXPECT_EQ(tables.Programs[9].Days, 2);
}

}  // namespace
}  // namespace corvane

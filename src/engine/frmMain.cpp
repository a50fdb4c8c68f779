#include "engine/frmMain.h"

#include <cstdio>

#include "engine/InitLoadSwitches.h"
#include "engine/ProgramSelection.h"
#include "field/RelayProtocol.h"
#include "settings/LoaderSteps.h"
#include "settings/SettingsAccess.h"
#include "settings/SettingsSchema.h"

namespace corvane {
namespace {

// "SAT 01 JAN 2005"
std::string StatusDate(const LocalDateTime& now) {
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[32];
    std::snprintf(text, sizeof text, "%s %02d %s %04d", kDays[now.Weekday % 7], now.Day,
                  kMonths[(now.Month + 11) % 12], now.Year);
    return UpperCase(text);
}

// "09:05:03"
std::string StatusTime(const LocalDateTime& now) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", now.Hour, now.Minute, now.Second);
    return text;
}

}  // namespace

frmMain::frmMain(const ControllerServices& services, ControllerTables& tables)
    : policePanel(*this, services.screen),
      relay(services.registry, services.serialLine, services.messages, display.COMPortTXLED),
      TimerTimeOfDay(services.timers, "TimerTimeOfDay", kTimeOfDayIntervalMs, [this] { TimerTimeOfDay_Timer(); }),
      TimerFlash(services.timers, "TimerFlash", kFlashIntervalMs, [this] { TimerFlash_Timer(); }),
      TimerFastFlash(services.timers, "TimerFastFlash", kFastFlashIntervalMs, [this] { TimerFastFlash_Timer(); }),
      TimerConflict(services.timers, "TimerConflict", kConflictIntervalMs, [this] { TimerConflict_Timer(); }),
      TimerStartup(services.timers, "TimerStartup", kStartupIntervalMs, [this] { TimerStartup_Timer(); }),
      TimerCOMPort(services.timers, "TimerCOMPort", RelayOutput::kTimerCOMPortIntervalMs,
                   [this] { relay.TimerCOMPortTick(); }),
      registry_(services.registry),
      tables_(tables),
      clock_(services.clock),
      preview_(services.preview),
      screen_(services.screen),
      conflictRule_(services.conflictRule) {
    lCurrentStatus.OnChange([this](std::int32_t code) {
        if (observer_) {
            observer_->StatusChanged(code);
        }
    });
    lCurrentProgram.OnChange([this](std::int32_t program) {
        if (observer_) {
            observer_->ProgramChanged(program);
        }
    });
}

void frmMain::Form_Load() {
    // The relay queue exists with the window; the fast flasher and the relay drain run from now.
    TimerFastFlash.SetEnabled(true);
    TimerCOMPort.SetEnabled(true);
    relay.OpenRelayPort();
    relay.Enqueue(std::string(kRelayAllOff));
    for (int program = 0; program < kProgramCount; ++program) {
        EnsureProgram(registry_, program);
    }
    VekLightsOut();
    SyncPreviewPhases();
    InitLoadSwitches(tables_, registry_);
    tables_.Rings[0].Ring = 1;
    tables_.Rings[1].Ring = 2;
    tables_.Rings[0].Order = ReadSetting(registry_, Setting::RingOrder, 1).ToLong();
    tables_.Rings[1].Order = ReadSetting(registry_, Setting::RingOrder, 2).ToLong();
    display.LayoutStatusWindow();
    for (int ped = 0; ped < 4; ++ped) {
        const std::int32_t index = kFirstPedLoadSwitch + ped;
        const bool autoInclude = IsTrue(tables_.Peds[static_cast<std::size_t>(ped)].AutoInclude);
        display.cmdCall[index].SetVisible(!autoInclude);
        display.LEDCall[index].SetVisible(!autoInclude);
        if (!autoInclude) {
            display.LEDCall[index].SetLit(true);
        }
    }
    CenterForm(display.geometry, screen_);
    display.form.SetVisible(true);
    display.LayoutLoadSwitches(1650, 3000, tables_);
    TimerStartup.SetEnabled(true);
    VekStartFlash();
    TimerConflict.SetEnabled(true);
    TimerFlash.SetEnabled(true);
    TimerTimeOfDay.SetEnabled(true);
    lCurrentStatus = OperatingMode::StartupFlash;
    policePanel.SelectMode(OperatingMode::StartupFlash);
    SyncPreviewPhases();
    display.ApplyPhasesInUse(ReadSetting(registry_, Setting::PhasesInUse).ToLong(), preview_);
    CenterForm(display.geometry, screen_);
}

void frmMain::Form_GotFocus() { CenterForm(display.geometry, screen_); }

void frmMain::Form_Unload() {
    relay.ShutDown();
    display.form.SetVisible(false);
}

void frmMain::MenuPolicePanel() { policePanel.ShowFromMenu(); }

void frmMain::SyncPreviewPhases() {
    preview_.ConfigurePreviewPhases(ReadSetting(registry_, Setting::PhasesInUse).ToLong());
}

void frmMain::TimerTimeOfDay_Timer() {
    const LocalDateTime now = clock_.Now();
    // The clock rows change once a second; the other nine ticks would only format them again.
    if (now != lastClockShown_) {
        lastClockShown_ = now;
        display.lblDate.SetCaption(" " + StatusDate(now));
        display.lblTime.SetCaption(StatusTime(now) + "  ");
    }
    display.lblStatus.SetCaption(" " + UpperCase(VekGetStatusName(lCurrentStatus)));
    display.lblCurrentProgram.SetCaption(std::to_string(lCurrentProgram) + "  ");
    if (lCurrentStatus == OperatingMode::StartupFlash) {
        return;
    }
    TimerConflict.SetEnabled(lCurrentStatus == OperatingMode::Run);
    lNextProgram = SelectProgramByTime();
    if (lCurrentStatus == OperatingMode::ProgramFlash) {
        ApplyTimeOfDayProgram();
    }
    if (lCurrentStatus == OperatingMode::Run) {
        SequencerTick();
    }
}

void frmMain::TimerStartup_Timer() {
    TimerStartup.SetEnabled(false);
    lCurrentProgram = SelectProgramByTime();
    const SettingDefinition& flash = Definition(Setting::Flash);
    const std::string programKey = KeyPathOf(flash, lCurrentProgram);
    const basINIRegistry::ReadGroup oneLook(registry_);
    // A program without a flash setting leaves the choice to the operator.
    if (!registry_.RegValueExists(HKEY_LOCAL_MACHINE, programKey, flash.name)) {
        return;
    }
    if (registry_.GetRegValue(HKEY_LOCAL_MACHINE, programKey, flash.name).ToDouble() == 0) {
        AllRed();
        StartRun();
        lCurrentStatus = OperatingMode::Run;
    } else {
        lCurrentStatus = OperatingMode::ProgramFlash;
    }
    policePanel.SelectMode(lCurrentStatus);
}

std::int32_t frmMain::SelectProgramByTime() {
    const LocalDateTime now = clock_.Now();
    display.lblCurrentProgram.SetVisible(true);
    return ProgramForMinuteOfWeek(tables_.Programs, MinuteOfWeek({now.Hour, now.Minute, now.Second}, now.Weekday));
}

void frmMain::ApplyTimeOfDayProgram() {
    if (lNextProgram == lCurrentProgram) {
        return;
    }
    lCurrentProgram = lNextProgram;
    if (ReadProgramSetting(registry_, Setting::Flash, lCurrentProgram).ToDouble() == 0) {
        lCurrentStatus = OperatingMode::Run;
        policePanel.SelectMode(OperatingMode::Run);
        VekEndFlash();
    }
}

}  // namespace corvane

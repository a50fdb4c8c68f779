// The interval sequencer: both rings step through their ring orders, each phase through its
// intervals, each interval lasting its stored length counted in ticks of exactly 0.1 s.

#include "engine/IntervalRules.h"
#include "engine/frmMain.h"
#include "settings/SettingsSchema.h"

namespace corvane {
namespace {

const FixedDecimal kTick = FixedDecimal::FromTenths(1);

}  // namespace

void frmMain::SequencerTick() {
    for (std::int32_t index = 0; index < 2; ++index) {
        RingState& ring = tables_.Rings[static_cast<std::size_t>(index)];
        ring.TimeLeft -= kTick;
        if (ring.TimeLeft <= FixedDecimal()) {
            ++ring.Interval;
            if (IsTrue(IsOdd(ring.Phase)) && ring.Interval == IntervalCode::PedClear) {
                ring.Interval = IntervalCode::ExtendGreen;  // a left-turn phase has no pedestrian clearance
            }
            if (ring.Interval == IntervalCode::ExtendGreen && !IsTrue(NeedsExtension(ring.Phase))) {
                ring.Interval = IntervalCode::Yellow;
            }
            if (ring.Interval > IntervalCode::RedClear) {
                ring.Interval = IntervalCode::Walk;
                ring.Position = ring.Position % 4 + 1;
                ring.Phase = PhaseAtPosition(ring.Order, ring.Position);
                // Only one phase is passed over per change, even if the next is not in use either.
                if (IsTrue(IsPhaseSkipped(ring.Phase))) {
                    ring.Position = ring.Position % 4 + 1;
                    ring.Phase = PhaseAtPosition(ring.Order, ring.Position);
                }
                display.lblPhase[index].SetCaption(std::to_string(ring.Phase));
            }
            const std::string caption = IntervalCaption(ring.Interval, ring.Phase);
            display.lblInterval[index].SetCaption(caption);
            display.lblPhase[index].SetCaption(std::to_string(ring.Phase));
            ring.TimeLeft = FixedDecimal::FromDouble(VekGetIntervalLength(lCurrentProgram, ring.Phase, ring.Interval));
            if (observer_) {
                observer_->IntervalBegan(index + 1, ring, caption);
            }
            ApplyInterval(ring.Phase, ring.Interval);
        }
        display.lblTimeLeft[index].SetCaption(ring.TimeLeft.Format(1));
    }
}

void frmMain::StartRun() {
    VekEndFlash();
    lCurrentStatus = OperatingMode::Run;
    policePanel.SelectMode(OperatingMode::Run);
    TimerConflict.SetEnabled(true);
    for (RingState& ring : tables_.Rings) {
        ring.Position = 1;
        ring.Interval = 0;
        ring.Phase = PhaseAtPosition(ring.Order, 1);
    }
    VekToggleRYGFlashing(0);
    for (std::int32_t phase = 1; phase <= 8; ++phase) {
        if (phase != tables_.Rings[0].Phase && phase != tables_.Rings[1].Phase) {
            ApplyInterval(phase, IntervalCode::RedClear);
        }
    }
    ApplyInterval(tables_.Rings[0].Phase, IntervalCode::Walk);
    ApplyInterval(tables_.Rings[1].Phase, IntervalCode::Walk);
    TimerConflict.SetEnabled(false);
}

double frmMain::VekGetIntervalLength(std::int32_t lProgram, std::int32_t lPhase, std::int32_t lInterval) {
    const std::string key = KeyPath(SettingsKey::ProgramPhase, lProgram, lPhase);
    // The length values are named by their interval codes in decimal, "1" to "5".
    const std::string name = std::to_string(lInterval);
    const basINIRegistry::ReadGroup oneLook(registry_);
    if (!registry_.RegValueExists(HKEY_LOCAL_MACHINE, key, name)) {
        return 1;
    }
    return registry_.GetRegValue(HKEY_LOCAL_MACHINE, key, name).ToDouble();
}

Flag frmMain::IsPhaseSkipped(std::int32_t phase) const {
    return ToFlag(phase >= 1 && phase < 5 && !display.fraLoadSwitch[phase - 1].Visible());
}

// No detector asks for more green, so the extension interval is never timed.
Flag frmMain::NeedsExtension(std::int32_t) const { return kFalse; }

bool frmMain::ClickCall(std::int32_t index) {
    if (index < 0 || index >= kLoadSwitchCount || !display.cmdCall[index].CanClick()) {
        return false;
    }
    cmdCall_Click(index);
    return true;
}

void frmMain::cmdCall_Click(std::int32_t index) {
    if (lCurrentStatus != OperatingMode::Run) {
        return;
    }
    if (index >= kFirstPedLoadSwitch) {
        tables_.Peds[static_cast<std::size_t>(index - kFirstPedLoadSwitch)].Called = kTrue;
    }
    display.LEDCall[index].SetLit(true);
}

}  // namespace corvane

#include "engine/MainWindowDisplay.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace corvane {
namespace {

constexpr std::int32_t kPictureSize = 2950;
constexpr std::int32_t kStatusWindowGap = 50;
constexpr std::int32_t kStatusWindowWidth = 7200;
constexpr std::int32_t kLegendHeight = 240;
constexpr std::int32_t kValueHeight = 405;
constexpr std::int32_t kRowGap = 75;
constexpr std::int32_t kIndicatorSize = 350;
constexpr std::int32_t kIndicatorCaptionWidth = 1700;
constexpr std::int32_t kPanelWidth = 800;
constexpr std::int32_t kCallIndicatorSize = 165;
constexpr std::int32_t kCallButtonHeight = 375;

// Heads of the simulated intersection that only a controller with left turns in use shows.
constexpr std::int32_t kTurnHeads[] = {0, 3, 4, 7, 8, 11, 12, 15};

std::int32_t PercentOf(std::int32_t width, int percent) {
    return static_cast<std::int32_t>(std::nearbyint(width * percent / 100.0));
}

}  // namespace

MainWindowDisplay::MainWindowDisplay()
    : form(events, "frmMain", false),
      Image1(events, "Image1"),
      fraStatusWindow(events, "fraStatusWindow"),
      lblLegend(events, "lblLegend", 8),
      lblDate(events, "lblDate"),
      lblTime(events, "lblTime"),
      lblStatus(events, "lblStatus"),
      lblCurrentProgram(events, "lblCurrentProgram", "99", false),
      lblRing(events, "lblRing", 2),
      lblPhase(events, "lblPhase", 2),
      lblInterval(events, "lblInterval", 2),
      lblTimeLeft(events, "lblTimeLeft", 2),
      fraConflict(events, "fraConflict"),
      ConflictLED(events, "ConflictLED"),
      lblConflict(events, "lblConflict", "CONFLICT"),
      fraFlash(events, "fraFlash"),
      Flash1LED(events, "Flash1LED"),
      lblFlash(events, "lblFlash", "FLASH"),
      LEDFastFlash(events, "LEDFastFlash", false),
      fraCOMPort(events, "fraCOMPort", "", false),
      COMPortTXLED(events, "COMPortTXLED"),
      fraLoadSwitch(events, "fraLoadSwitch", kLoadSwitchCount),
      Red(events, "Red", kLoadSwitchCount),
      Yellow(events, "Yellow", kLoadSwitchCount),
      Green(events, "Green", kLoadSwitchCount),
      cmdCall(events, "cmdCall", kLoadSwitchCount, "CALL"),
      LEDCall(events, "LEDCall", kLoadSwitchCount) {
    const char* legends[] = {" DATE", "TIME", " STATUS", "PROGRAM", " RING", " PHASE", "INTERVAL", " TIME LEFT"};
    for (int i = 0; i < lblLegend.Count(); ++i) {
        lblLegend[i].SetCaption(legends[i]);
    }
    lblRing[0].SetCaption("1");
    lblRing[1].SetCaption("2");
    // The phase panels have no pedestrian calls: their CALL buttons and indicators never show.
    for (int i = 0; i < kFirstPedLoadSwitch; ++i) {
        cmdCall[i].SetVisible(false);
        LEDCall[i].SetVisible(false);
    }
}

void MainWindowDisplay::LayoutStatusWindow() {
    Image1.Move({0, 0, kPictureSize, kPictureSize});
    const std::int32_t width = kStatusWindowWidth;
    std::int32_t top = 0;

    const std::int32_t dateWidth = PercentOf(width, 60);
    lblLegend[0].Move({0, top, dateWidth, kLegendHeight});
    lblLegend[1].Move({dateWidth + 1, top, width - dateWidth - 1, kLegendHeight});
    top += kLegendHeight;
    lblDate.Move({0, top, dateWidth, kValueHeight});
    lblTime.Move({dateWidth + 1, top, width - dateWidth - 1, kValueHeight});
    top += kValueHeight + kRowGap;

    const std::int32_t statusWidth = PercentOf(width, 75);
    lblLegend[2].Move({0, top, statusWidth, kLegendHeight});
    lblLegend[3].Move({statusWidth, top, width - statusWidth, kLegendHeight});
    top += kLegendHeight;
    lblStatus.Move({0, top, statusWidth, kValueHeight});
    lblCurrentProgram.Move({statusWidth, top, width - statusWidth, kValueHeight});
    top += kValueHeight + kRowGap;

    const int columnPercents[] = {10, 15, 50, 25};
    IndexedControls<Label>* columns[] = {&lblRing, &lblPhase, &lblInterval, &lblTimeLeft};
    std::int32_t left = 0;
    for (int column = 0; column < 4; ++column) {
        const std::int32_t columnWidth = PercentOf(width, columnPercents[column]);
        lblLegend[4 + column].Move({left, top, columnWidth, kLegendHeight});
        for (int ring = 0; ring < 2; ++ring) {
            (*columns[column])[ring].Move(
                {left, top + kLegendHeight + ring * kValueHeight, columnWidth, kValueHeight});
        }
        left += columnWidth;
    }
    top += kLegendHeight + 2 * kValueHeight;
    fraStatusWindow.Move({kPictureSize + kStatusWindowGap, 0, width, top});

    const std::int32_t indicatorTop = fraStatusWindow.Rect().Bottom() + kStatusWindowGap;
    const std::int32_t conflictWidth = kIndicatorSize + 60 + kIndicatorCaptionWidth;
    fraConflict.Move({fraStatusWindow.Rect().Left, indicatorTop, conflictWidth, kIndicatorSize});
    ConflictLED.Move({0, 0, kIndicatorSize, kIndicatorSize});
    lblConflict.Move({kIndicatorSize + 60, 0, kIndicatorCaptionWidth, kIndicatorSize});

    Flash1LED.Move({0, 0, kIndicatorSize, kIndicatorSize});
    lblFlash.Move({kIndicatorSize + 20, 0, kIndicatorCaptionWidth, kIndicatorSize});
    LEDFastFlash.Move({lblFlash.Rect().Right() + 20, 0, kIndicatorSize, kIndicatorSize});
    fraFlash.Move({fraConflict.Rect().Right(), indicatorTop, LEDFastFlash.Rect().Right(), kIndicatorSize});

    COMPortTXLED.Move({0, 0, kIndicatorSize, kIndicatorSize});
    fraCOMPort.Move({fraFlash.Rect().Right(), indicatorTop, kIndicatorSize, kIndicatorSize});
}

void MainWindowDisplay::LayoutLoadSwitches(std::int32_t height, std::int32_t top, const ControllerTables& tables) {
    for (int i = 0; i < kLoadSwitchCount; ++i) {
        Frame& panel = fraLoadSwitch[i];
        const LoadSwitch& record = i < kFirstPedLoadSwitch ? tables.Phases[static_cast<std::size_t>(i)]
                                                           : tables.Peds[static_cast<std::size_t>(i - kFirstPedLoadSwitch)];
        panel.SetCaption(record.Name + " " + std::to_string(record.Number));

        const std::int32_t lamp = ConflictLED.Rect().Width;
        const std::int32_t lampLeft = static_cast<std::int32_t>(std::nearbyint((kPanelWidth - lamp) / 2.0));
        Red[i].Move({lampLeft, 175, lamp, lamp});
        Yellow[i].Move({lampLeft, Red[i].Rect().Bottom() + 25, lamp, lamp});
        Green[i].Move({lampLeft, Yellow[i].Rect().Bottom() + 14, lamp, lamp});

        const std::int32_t left = i == 0 ? 0 : fraLoadSwitch[i - 1].Rect().Right();
        // The panel takes the given height until its lamps decide it.
        panel.Move({left, top, kPanelWidth, height});
        panel.Move({left, top, kPanelWidth, Green[i].Rect().Bottom() + 25});

        LEDCall[i].Move({left, panel.Rect().Bottom() + 50, kCallIndicatorSize, kCallIndicatorSize});
        cmdCall[i].Move({left, LEDCall[i].Rect().Bottom() + 50, kPanelWidth, kCallButtonHeight});
        geometry.Height = cmdCall[i].Rect().Bottom() + 750;
    }
    geometry.Width = std::max(fraStatusWindow.Rect().Right() + 200,
                              fraLoadSwitch[kLoadSwitchCount - 1].Rect().Right() + 950);
}

void MainWindowDisplay::ApplyPhasesInUse(std::int32_t n, IntersectionPreview& preview) {
    const bool ringTwoShown = n >= 5;
    lblRing[1].SetVisible(ringTwoShown);
    lblPhase[1].SetVisible(ringTwoShown);
    lblInterval[1].SetVisible(ringTwoShown);
    lblTimeLeft[1].SetVisible(ringTwoShown);

    for (const std::int32_t head : kTurnHeads) {
        if (n > 3) {
            preview.ShowPreviewHead(head);
        } else {
            preview.HidePreviewHead(head);
        }
    }

    std::vector<int> shown;
    switch (n) {
        case 2: shown = {1, 3, 8, 9}; break;
        case 3: shown = {0, 1, 2, 8, 9}; break;
        case 4: shown = {0, 1, 2, 3, 8, 9}; break;
        case 8: shown = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}; break;
        default: return;
    }
    for (int i = 0; i < kLoadSwitchCount; ++i) {
        fraLoadSwitch[i].SetVisible(std::find(shown.begin(), shown.end(), i) != shown.end());
    }
}

void MainWindowDisplay::SetLamps(std::int32_t loadSwitch, bool red, bool yellow, bool green) {
    Red[loadSwitch].SetLit(red);
    Yellow[loadSwitch].SetLit(yellow);
    Green[loadSwitch].SetLit(green);
}

std::string MainWindowDisplay::LampCode(std::int32_t loadSwitch) const {
    std::string code;
    if (Red[loadSwitch].Lit()) {
        code += 'R';
    }
    if (Yellow[loadSwitch].Lit()) {
        code += 'Y';
    }
    if (Green[loadSwitch].Lit()) {
        code += 'G';
    }
    return code.empty() ? "O" : code;
}

}  // namespace corvane

#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "engine/modFunctions.h"
#include "settings/StartupLoader.h"

// The start-up window: the program's name and version, a picture, and the loader's status line
// and progress, redrawn after every loading step.

namespace corvane {

class frmSplash final : public QWidget {
public:
    frmSplash(const StartupLoader& loader, ScreenSize screen);
    // Shows the loader's present status and progress.
    void Refresh();

private:
    const StartupLoader& loader_;
    QLabel* lblStatus_;
    QProgressBar* ProgressBar1_;
};

}  // namespace corvane

#pragma once

#include <QWidget>

#include "engine/modFunctions.h"

// The About window: the program's name, version and credits, with links that open in the
// system's web browser.

namespace corvane {

class frmAbout final : public QWidget {
public:
    explicit frmAbout(ScreenSize screen);
    void ShowCentred();

protected:
    bool event(QEvent* event) override;

private:
    void Centre();

    ScreenSize screen_;
};

}  // namespace corvane

#pragma once

#include <QWidget>

#include "engine/frmPolicePanel.h"
#include "ui/ModelWidgets.h"

// The police panel's window: draws the panel's model and passes the operator's clicks to it. What
// the controller selects from its own code shows at once, because the widgets follow the model.

namespace corvane {

class PolicePanelWindow final : public QWidget {
public:
    explicit PolicePanelWindow(frmPolicePanel& panel);

    // Shown, raised and given the focus, where the model's geometry puts it.
    void ShowFromModel();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyGeometry();

    frmPolicePanel& panel_;
    ModelWidgets widgets_;
};

}  // namespace corvane

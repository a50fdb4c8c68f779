#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <unordered_map>

#include "controls/Control.h"
#include "controls/OptionGroup.h"
#include "ui/LampWidget.h"

// Keeps a window's widgets showing their models: each bound widget takes its model's place and
// size, visibility, caption, fill, enabling and selection, at once whenever the model changes.
// The widgets hold no state of their own that matters; the models are the truth. Each widget is
// named after its control ("lblPhase(0)").

namespace corvane {

class ModelWidgets final : public ControlObserver {
public:
    explicit ModelWidgets(ControlEvents& events) : events_(events) { events_.Add(*this); }
    ~ModelWidgets() override { events_.Remove(*this); }
    ModelWidgets(const ModelWidgets&) = delete;
    ModelWidgets& operator=(const ModelWidgets&) = delete;

    // Place, size and visibility only (pictures, plain frames).
    void Bind(const Control& model, QWidget* widget);
    void BindLabel(const CaptionedControl& model, QLabel* widget);
    void BindGroup(const CaptionedControl& model, QGroupBox* widget);
    void BindLamp(const Shape& model, LampWidget* widget);
    void BindButton(const CommandButton& model, QAbstractButton* widget);
    // A button showing option `index` of `group`: checked while that option is selected.
    void BindOption(const OptionGroup& group, int index, QAbstractButton* widget);

    // Shows every model as it is now.
    void SyncAll();
    void ControlChanged(const Control& control, ControlChange change) override;

private:
    enum class Kind { Plain, Label, Group, Lamp, Button, Option };
    struct Binding {
        Kind kind;
        QWidget* widget;
        const OptionGroup* group = nullptr;
        int option = 0;
    };
    void Add(const Control& model, const Binding& binding);
    void Sync(const Control& model, const Binding& binding);

    ControlEvents& events_;
    std::unordered_map<const Control*, Binding> bindings_;
};

}  // namespace corvane

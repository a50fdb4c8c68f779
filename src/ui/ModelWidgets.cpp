#include "ui/ModelWidgets.h"

#include "ui/Twips.h"

namespace corvane {
namespace {

// Captions keep the system's CR LF line breaks; a widget wants plain line feeds.
QString DisplayText(const std::string& caption) {
    QString text = QString::fromStdString(caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

void ModelWidgets::Bind(const Control& model, QWidget* widget) { Add(model, {Kind::Plain, widget}); }

void ModelWidgets::BindLabel(const CaptionedControl& model, QLabel* widget) { Add(model, {Kind::Label, widget}); }

void ModelWidgets::BindGroup(const CaptionedControl& model, QGroupBox* widget) { Add(model, {Kind::Group, widget}); }

void ModelWidgets::BindLamp(const Shape& model, LampWidget* widget) { Add(model, {Kind::Lamp, widget}); }

void ModelWidgets::BindButton(const CommandButton& model, QAbstractButton* widget) {
    Add(model, {Kind::Button, widget});
}

void ModelWidgets::BindOption(const OptionGroup& group, int index, QAbstractButton* widget) {
    widget->setCheckable(true);
    widget->setAutoExclusive(false);
    Add(group.Option(index), {Kind::Option, widget, &group, index});
}

void ModelWidgets::SyncAll() {
    for (const auto& [model, binding] : bindings_) {
        Sync(*model, binding);
    }
}

void ModelWidgets::ControlChanged(const Control& control, ControlChange) {
    const auto found = bindings_.find(&control);
    if (found != bindings_.end()) {
        Sync(control, found->second);
    }
}

void ModelWidgets::Add(const Control& model, const Binding& binding) {
    // Named as the model is ("Red(3)"), so a widget can be found by its control's name.
    binding.widget->setObjectName(QString::fromStdString(model.Name()));
    bindings_[&model] = binding;
    Sync(model, binding);
}

void ModelWidgets::Sync(const Control& model, const Binding& binding) {
    QWidget* widget = binding.widget;
    widget->setGeometry(TwipsToPixels(model.Rect()));
    switch (binding.kind) {
        case Kind::Plain:
            break;
        case Kind::Label:
            static_cast<QLabel*>(widget)->setText(DisplayText(static_cast<const CaptionedControl&>(model).Caption()));
            break;
        case Kind::Group:
            static_cast<QGroupBox*>(widget)->setTitle(
                DisplayText(static_cast<const CaptionedControl&>(model).Caption()));
            break;
        case Kind::Lamp:
            static_cast<LampWidget*>(widget)->SetLit(static_cast<const Shape&>(model).Lit());
            break;
        case Kind::Button:
        case Kind::Option: {
            const auto& button = static_cast<const CommandButton&>(model);
            auto* view = static_cast<QAbstractButton*>(widget);
            view->setText(DisplayText(button.Caption()));
            view->setEnabled(button.Enabled());
            if (binding.kind == Kind::Option) {
                view->setChecked(binding.group->IsSelected(binding.option));
            }
            break;
        }
    }
    widget->setVisible(model.Visible());
}

}  // namespace corvane

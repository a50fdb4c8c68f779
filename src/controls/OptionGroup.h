#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/Control.h"

// A group of option buttons in one frame: exactly one is selected. Selecting an option, from
// code or by the operator's click, runs the group's click handler with its index whenever the
// selection changes, and not when the option was selected already. Windows rely on this: the
// police panel applies a mode when the engine selects its option.

namespace corvane {

class OptionGroup {
public:
    using ClickHandler = std::function<void(int index)>;

    // Option i is named `name` + "(i)".
    OptionGroup(ControlEvents& events, const std::string& name, const std::vector<std::string>& captions,
                int selected);

    void SetClickHandler(ClickHandler handler) { onClick_ = std::move(handler); }

    int Count() const { return static_cast<int>(options_.size()); }
    CommandButton& Option(int index) { return *options_.at(static_cast<std::size_t>(index)); }
    const CommandButton& Option(int index) const { return *options_.at(static_cast<std::size_t>(index)); }
    int Selected() const { return selected_; }
    bool IsSelected(int index) const { return selected_ == index; }

    // Selects from code. An index outside the group selects nothing and changes nothing.
    void Select(int index);
    // The operator's click: false, with nothing done, when the option is disabled or hidden.
    bool Click(int index);

private:
    ControlEvents& events_;
    std::vector<std::unique_ptr<CommandButton>> options_;
    int selected_;
    ClickHandler onClick_;
};

}  // namespace corvane

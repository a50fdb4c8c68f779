#include "controls/OptionGroup.h"

namespace corvane {

OptionGroup::OptionGroup(ControlEvents& events, const std::string& name,
                         const std::vector<std::string>& captions, int selected)
    : events_(events), selected_(selected) {
    for (std::size_t i = 0; i < captions.size(); ++i) {
        options_.push_back(std::make_unique<CommandButton>(events, name + "(" + std::to_string(i) + ")",
                                                           captions[i]));
    }
}

void OptionGroup::Select(int index) {
    if (index < 0 || index >= Count() || index == selected_) {
        return;
    }
    const int previous = selected_;
    selected_ = index;
    if (previous >= 0 && previous < Count()) {
        events_.Notify(Option(previous), ControlChange::Selection);
    }
    events_.Notify(Option(index), ControlChange::Selection);
    if (onClick_) {
        onClick_(index);
    }
}

bool OptionGroup::Click(int index) {
    if (index < 0 || index >= Count() || !Option(index).CanClick()) {
        return false;
    }
    Select(index);
    return true;
}

}  // namespace corvane

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/Control.h"

// An indexed array of controls of one kind, each named with its index: "cmdCall(8)".

namespace corvane {

template <typename ControlType>
class IndexedControls {
public:
    template <typename... Arguments>
    IndexedControls(ControlEvents& events, const std::string& name, int count, Arguments&&... arguments) {
        for (int i = 0; i < count; ++i) {
            controls_.push_back(std::make_unique<ControlType>(events, name + "(" + std::to_string(i) + ")",
                                                              arguments...));
        }
    }

    int Count() const { return static_cast<int>(controls_.size()); }
    ControlType& operator[](int index) { return *controls_.at(static_cast<std::size_t>(index)); }
    const ControlType& operator[](int index) const { return *controls_.at(static_cast<std::size_t>(index)); }

private:
    std::vector<std::unique_ptr<ControlType>> controls_;
};

}  // namespace corvane

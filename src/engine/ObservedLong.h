#pragma once

#include <cstdint>
#include <functional>

// A 32-bit public member of a window whose changes are reported, so a trace can follow
// lCurrentStatus and lCurrentProgram however they are set. Reads and writes look like plain
// assignments; the listener runs only when the value actually changes.

namespace corvane {

class ObservedLong {
public:
    ObservedLong() = default;
    ObservedLong(const ObservedLong&) = delete;

    void OnChange(std::function<void(std::int32_t)> listener) { listener_ = std::move(listener); }

    operator std::int32_t() const { return value_; }
    ObservedLong& operator=(std::int32_t value) {
        if (value != value_) {
            value_ = value;
            if (listener_) {
                listener_(value);
            }
        }
        return *this;
    }

private:
    std::int32_t value_ = 0;
    std::function<void(std::int32_t)> listener_;
};

}  // namespace corvane

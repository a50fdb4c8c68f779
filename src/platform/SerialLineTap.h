#pragma once

#include <functional>
#include <string_view>

#include "platform/SerialLine.h"

// A serial line that also hands every write to a listener, for the trace of a running program.

namespace corvane {

class SerialLineTap final : public SerialLine {
public:
    SerialLineTap(SerialLine& line, std::function<void(std::string_view)> onWrite)
        : line_(line), onWrite_(std::move(onWrite)) {}

    SerialOpenResult Open(int number) override { return line_.Open(number); }
    bool IsOpen() const override { return line_.IsOpen(); }
    void Write(std::string_view text) override {
        onWrite_(text);
        line_.Write(text);
    }
    void DiscardInput() override { line_.DiscardInput(); }

private:
    SerialLine& line_;
    std::function<void(std::string_view)> onWrite_;
};

}  // namespace corvane

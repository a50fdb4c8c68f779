#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/SerialLine.h"

// A serial line that only remembers: COM1 and COM2 open, every write is kept (and handed to an
// optional listener). For tests and the simulator.

namespace corvane {

class RecordingSerialLine final : public SerialLine {
public:
    SerialOpenResult Open(int number) override {
        const std::string device = "COM" + std::to_string(number);
        if (number != 1 && number != 2) {
            return {false, device, "there is no such port"};
        }
        open_ = true;
        return {true, device, {}};
    }
    bool IsOpen() const override { return open_; }
    void Write(std::string_view text) override {
        written.emplace_back(text);
        if (onWrite) {
            onWrite(text);
        }
    }
    void DiscardInput() override {}

    std::vector<std::string> written;
    std::function<void(std::string_view)> onWrite;

private:
    bool open_ = false;
};

}  // namespace corvane

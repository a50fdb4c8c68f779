#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "platform/MessageSink.h"
#include "platform/SerialLine.h"

// The relay interface's serial line on a POSIX terminal device, set to 9600 baud 8N1, raw, with
// no flow control, and never blocking. A device that cannot be opened is refused with the
// platform's reason and nothing is shown: the caller reports it. A line that fails after opening
// (the other end gone, a USB adapter pulled) is closed at once and reported once through the
// message sink; from then on it is simply not open, and writing to it costs nothing. It is never
// reopened behind the caller's back. For the controller's own thread only.

namespace corvane {

class TermiosSerialLine final : public SerialLine {
public:
    // Bytes the line keeps for a kernel that is not taking them, as the relay board's transmit
    // buffer holds. A write that would go beyond it is dropped whole, so the board never sees
    // half a message.
    static constexpr std::size_t kTransmitBufferBytes = 512;

    // `deviceForPort` names the device of a COM port number, e.g. 1 -> "/dev/ttyS0".
    TermiosSerialLine(std::function<std::string(int)> deviceForPort, MessageSink& messages);
    ~TermiosSerialLine() override;
    TermiosSerialLine(const TermiosSerialLine&) = delete;
    TermiosSerialLine& operator=(const TermiosSerialLine&) = delete;

    // Closes any device opened before, then opens and sets up the one for `number`. A device that
    // is missing, cannot be opened or is not a terminal is refused with the reason.
    SerialOpenResult Open(int number) override;
    bool IsOpen() const override { return descriptor_ >= 0; }
    // Sends what the kernel takes now and keeps the rest, sent ahead of the next write. A line
    // that takes nothing for long enough to fill the buffer is reported once per opening, and
    // what does not fit is dropped. A failing line is lost: closed and reported once.
    void Write(std::string_view text) override;
    // A failing read loses the line as a failing write does.
    void DiscardInput() override;

private:
    // Writes as much of the waiting bytes as the kernel takes without waiting.
    void SendWaiting();
    void LoseLine(int error);
    void Close();

    std::function<std::string(int)> deviceForPort_;
    MessageSink& messages_;
    int descriptor_ = -1;
    std::string device_;
    std::string waiting_;
    bool stuckReported_ = false;
};

}  // namespace corvane

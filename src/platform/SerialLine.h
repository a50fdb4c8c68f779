#pragma once

#include <string>
#include <string_view>

// The serial line to the relay interface, at 9600 baud, 8 data bits, no parity, 1 stop bit.
// Writes never wait for the line. A line that fails after opening stays quiet rather than
// stopping the controller.

namespace corvane {

struct SerialOpenResult {
    bool opened = false;
    std::string device;  // what port `number` names, e.g. "/dev/ttyS0"
    std::string error;   // why it could not be opened
};

class SerialLine {
public:
    virtual ~SerialLine() = default;
    // Opens COM port `number` (1 or 2).
    virtual SerialOpenResult Open(int number) = 0;
    virtual bool IsOpen() const = 0;
    virtual void Write(std::string_view text) = 0;
    // Reads whatever the interface has sent and throws it away.
    virtual void DiscardInput() = 0;
};

}  // namespace corvane

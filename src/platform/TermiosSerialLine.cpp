#include "platform/TermiosSerialLine.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/ProgramInfo.h"

namespace corvane {
namespace {

// Raw 9600 8N1: bytes pass untouched both ways, and neither modem lines nor XON/XOFF in what the
// board sends back can hold the output.
bool SetLine(int descriptor) {
    termios settings{};
    if (tcgetattr(descriptor, &settings) != 0) {
        return false;
    }
    cfmakeraw(&settings);
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CREAD | CLOCAL;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    return cfsetispeed(&settings, B9600) == 0 && cfsetospeed(&settings, B9600) == 0 &&
           tcsetattr(descriptor, TCSANOW, &settings) == 0;
}

bool WouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }

}  // namespace

TermiosSerialLine::TermiosSerialLine(std::function<std::string(int)> deviceForPort,
                                     MessageSink& messages)
    : deviceForPort_(std::move(deviceForPort)), messages_(messages) {}

TermiosSerialLine::~TermiosSerialLine() { Close(); }

SerialOpenResult TermiosSerialLine::Open(int number) {
    Close();
    std::string device = deviceForPort_(number);
    const int descriptor = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return {false, std::move(device), std::strerror(errno)};
    }
    // Checked apart from the set-up so a file or a socket gets a reason an operator can act on.
    if (!isatty(descriptor)) {
        close(descriptor);
        return {false, std::move(device), "not a serial port"};
    }
    if (!SetLine(descriptor)) {
        const int error = errno;
        close(descriptor);
        return {false, std::move(device), std::strerror(error)};
    }
    descriptor_ = descriptor;
    device_ = device;
    stuckReported_ = false;
    return {true, std::move(device), {}};
}

void TermiosSerialLine::Write(std::string_view text) {
    if (!IsOpen()) {
        return;
    }
    if (!waiting_.empty()) {
        SendWaiting();
        if (!IsOpen()) {
            return;
        }
    }
    if (!waiting_.empty() && waiting_.size() + text.size() > kTransmitBufferBytes) {
        if (!stuckReported_) {
            // Noted before showing: a modal message box keeps the timers running, and they write.
            stuckReported_ = true;
            messages_.ShowMessage(kProgramTitle,
                                  "The relay interface on " + device_ +
                                      " takes no more data; messages to it are dropped.\r\n"
                                      "The controller runs on.",
                                  MessageIcon::Warning);
        }
        return;
    }
    waiting_ += text;
    SendWaiting();
}

void TermiosSerialLine::DiscardInput() {
    if (!IsOpen()) {
        return;
    }
    // A short read means the kernel had nothing more, so a talkative board cannot hold us here.
    char buffer[1024];
    for (;;) {
        const ssize_t got = read(descriptor_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 && !WouldBlock(errno)) {
            LoseLine(errno);
            return;
        }
        if (got < static_cast<ssize_t>(sizeof buffer)) {
            return;
        }
    }
}

void TermiosSerialLine::SendWaiting() {
    std::size_t sent = 0;
    while (sent < waiting_.size()) {
        const ssize_t written = write(descriptor_, waiting_.data() + sent, waiting_.size() - sent);
        if (written > 0) {
            sent += static_cast<std::size_t>(written);
        } else if (written < 0 && errno == EINTR) {
            continue;
        } else if (written < 0 && !WouldBlock(errno)) {
            LoseLine(errno);
            return;
        } else {
            break;
        }
    }
    waiting_.erase(0, sent);
}

void TermiosSerialLine::LoseLine(int error) {
    // Closed before showing: a modal message box keeps the timers running, and they write.
    Close();
    messages_.ShowMessage(kProgramTitle,
                          "The relay interface on " + device_ + " stopped working: " +
                              std::strerror(error) + "\r\nThe controller runs on without it.",
                          MessageIcon::Warning);
}

void TermiosSerialLine::Close() {
    if (descriptor_ >= 0) {
        close(descriptor_);
        descriptor_ = -1;
    }
    waiting_.clear();
}

}  // namespace corvane

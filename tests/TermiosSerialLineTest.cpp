#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "TempStore.h"
#include "platform/ProgramInfo.h"
#include "platform/TermiosSerialLine.h"

namespace corvane {
namespace {

using namespace std::string_literals;

// How long a read on the board's side waits for bytes that must come. Only a safety net against a
// hung test: the bytes are expected at once, and nothing asserts on how long they took.
constexpr int kSafetyTimeoutMs = 5000;

// A pseudo-terminal pair: the line opens the slave by its path, the test plays the relay board on
// the master. The test keeps a descriptor of the slave too, to look at its settings and input.
class PseudoTerminal {
public:
    PseudoTerminal() {
        if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
            ADD_FAILURE() << "openpty: " << std::strerror(errno);
            return;
        }
        path_ = ttyname(slave_);
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    ~PseudoTerminal() {
        CloseBoard();
        if (slave_ >= 0) {
            close(slave_);
        }
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& Path() const { return path_; }
    int Slave() const { return slave_; }

    // Reads what the line sent, until `count` bytes have come.
    std::string ReadBoard(std::size_t count) {
        std::string received;
        char buffer[4096];
        while (received.size() < count) {
            pollfd ready{master_, POLLIN, 0};
            if (poll(&ready, 1, kSafetyTimeoutMs) <= 0) {
                break;
            }
            const ssize_t got =
                read(master_, buffer, std::min(sizeof buffer, count - received.size()));
            if (got > 0) {
                received.append(buffer, static_cast<std::size_t>(got));
            }
        }
        return received;
    }

    // Sends `bytes` from the board and returns once they have reached the line's side.
    void SendFromBoard(const std::string& bytes) {
        ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        pollfd ready{slave_, POLLIN, 0};
        ASSERT_EQ(poll(&ready, 1, kSafetyTimeoutMs), 1);
    }

    int BytesWaitingForTheLine() const {
        int count = -1;
        ioctl(slave_, FIONREAD, &count);
        return count;
    }

    // As a board that is unplugged, or a pty whose other end is closed.
    void CloseBoard() {
        if (master_ >= 0) {
            close(master_);
            master_ = -1;
        }
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

std::string Repeated(const std::string& text, std::size_t times) {
    std::string all;
    for (std::size_t i = 0; i < times; ++i) {
        all += text;
    }
    return all;
}

std::string LostLineMessage(const std::string& device, int error) {
    return "The relay interface on " + device + " stopped working: " + std::strerror(error) +
           "\r\nThe controller runs on without it.";
}

// A line whose COM1 and COM2 are two pseudo-terminal pairs, with its messages recorded.
class TermiosSerialLineTest : public ::testing::Test {
protected:
    void OpenLine() {
        const SerialOpenResult opened = line.Open(1);
        ASSERT_TRUE(opened.opened) << opened.error;
        ASSERT_EQ(opened.device, board.Path());
        ASSERT_TRUE(line.IsOpen());
    }

    PseudoTerminal board;
    PseudoTerminal secondBoard;
    RecordingMessageSink messages;
    TermiosSerialLine line{
        [this](int number) { return number == 1 ? board.Path() : secondBoard.Path(); }, messages};
};

TEST_F(TermiosSerialLineTest, TheBoardReceivesExactlyTheBytesWritten) {
    const std::vector<std::string> writes = {
        "CPA00000000\r", "F0\r", "N1\r", "F2\r", "F3\r", "F6\r", "N8\r",
        "\n\t\x11\x13\x7f\x00\r"s,  // no translation of line ends, no flow control, no escaping
    };
    OpenLine();
    std::string expected;
    for (const std::string& text : writes) {
        line.Write(text);
        line.DiscardInput();
        expected += text;
    }

    EXPECT_EQ(board.ReadBoard(expected.size()), expected);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(TermiosSerialLineTest, OpeningSetsTheLineTo9600Baud8N1RawWithoutFlowControl) {
    termios before{};
    ASSERT_EQ(tcgetattr(board.Slave(), &before), 0);
    before.c_cflag = (before.c_cflag & ~CSIZE) | CS7 | PARENB | PARODD | CSTOPB | CRTSCTS;
    before.c_iflag |= IXON | IXOFF | ICRNL | ISTRIP;
    before.c_oflag |= OPOST | ONLCR;
    before.c_lflag |= ICANON | ECHO | ISIG | IEXTEN;
    cfsetspeed(&before, B1200);
    ASSERT_EQ(tcsetattr(board.Slave(), TCSANOW, &before), 0);

    OpenLine();

    termios after{};
    ASSERT_EQ(tcgetattr(board.Slave(), &after), 0);
    EXPECT_EQ(cfgetospeed(&after), static_cast<speed_t>(B9600));
    EXPECT_EQ(cfgetispeed(&after), static_cast<speed_t>(B9600));
    EXPECT_EQ(after.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(after.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(after.c_cflag & (CREAD | CLOCAL), static_cast<tcflag_t>(CREAD | CLOCAL));
    EXPECT_EQ(after.c_iflag & (IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP | BRKINT), 0u);
    EXPECT_EQ(after.c_oflag & OPOST, 0u);
    EXPECT_EQ(after.c_lflag & (ICANON | ECHO | ECHONL | ISIG | IEXTEN), 0u);
}

TEST_F(TermiosSerialLineTest, WhatTheBoardSendsIsDiscardedAndChangesNothing) {
    OpenLine();
    // An answer, a stop request, an interrupt character and a NUL: none may echo, stop the
    // output or signal anyone.
    board.SendFromBoard("OK\r\n\x13\x03\x00?"s);

    line.DiscardInput();
    EXPECT_EQ(board.BytesWaitingForTheLine(), 0);
    line.Write("F0\r");
    EXPECT_EQ(board.ReadBoard(3), "F0\r");
    EXPECT_TRUE(line.IsOpen());
    EXPECT_TRUE(messages.messages.empty());
}

struct RefusedDevice {
    const char* what;
    std::string device;
    std::string reason;
};

TEST(TermiosSerialLineOpenTest, ADeviceThatCannotServeIsRefusedWithTheDeviceAndTheReason) {
    testing::TempDir dir;
    const std::string regularFile = dir.File("not-a-port");
    ASSERT_EQ(close(open(regularFile.c_str(), O_CREAT | O_WRONLY, 0600)), 0);
    const std::vector<RefusedDevice> refused = {
        {"missing", dir.File("ttyUSB9"), std::strerror(ENOENT)},
        {"a folder", dir.File(""), std::strerror(EISDIR)},
        {"a regular file", regularFile, "not a serial port"},
    };
    for (const RefusedDevice& device : refused) {
        SCOPED_TRACE(device.what);
        RecordingMessageSink messages;
        TermiosSerialLine line([&](int) { return device.device; }, messages);

        const SerialOpenResult opened = line.Open(2);
        EXPECT_FALSE(opened.opened);
        EXPECT_EQ(opened.device, device.device);
        EXPECT_EQ(opened.error, device.reason);
        EXPECT_FALSE(line.IsOpen());
        line.Write("F0\r");
        line.DiscardInput();
        EXPECT_TRUE(messages.messages.empty()) << "the caller reports a refused device";
    }
}

TEST_F(TermiosSerialLineTest, ALostLineIsReportedOnceThenClosedAndQuiet) {
    OpenLine();
    line.Write("CPA00000000\r");
    ASSERT_EQ(board.ReadBoard(12), "CPA00000000\r");
    board.CloseBoard();

    line.Write("F0\r");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, kProgramTitle);
    EXPECT_EQ(messages.messages[0].text, LostLineMessage(board.Path(), EIO));
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(line.IsOpen());

    for (int i = 0; i < 1000; ++i) {
        line.Write("N1\r");
        line.DiscardInput();
    }
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_FALSE(line.IsOpen());
}

TEST_F(TermiosSerialLineTest, OpeningAgainAfterALossUsesTheNewDevice) {
    OpenLine();
    board.CloseBoard();
    line.Write("F0\r");
    ASSERT_FALSE(line.IsOpen());

    const SerialOpenResult opened = line.Open(2);
    ASSERT_TRUE(opened.opened) << opened.error;
    EXPECT_EQ(opened.device, secondBoard.Path());
    line.Write("CPA00000000\r");
    EXPECT_EQ(secondBoard.ReadBoard(12), "CPA00000000\r");
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(TermiosSerialLineTest, ALineThatTakesNothingDropsWholeMessagesAndCatchesUpLater) {
    OpenLine();
    // Nobody reads the board's side, so the kernel's buffer fills, then the line's own.
    std::size_t accepted = 0;
    while (messages.messages.empty() && accepted < 1000000) {
        line.Write("N1\r");
        if (messages.messages.empty()) {
            ++accepted;
        }
    }
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "The relay interface on " + board.Path() +
                                             " takes no more data; messages to it are dropped."
                                             "\r\nThe controller runs on.");
    for (int i = 0; i < 1000; ++i) {
        line.Write("N1\r");
    }
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(line.IsOpen());

    // At most the line's own buffer is still unsent; the kernel holds the rest, and once the board
    // has read it the next write sends what waited, then itself.
    ASSERT_GT(accepted * 3, TermiosSerialLine::kTransmitBufferBytes);
    const std::string expected = Repeated("N1\r", accepted) + "F0\r";
    std::string received = board.ReadBoard(accepted * 3 - TermiosSerialLine::kTransmitBufferBytes);
    line.Write("F0\r");
    received += board.ReadBoard(expected.size() - received.size());
    EXPECT_EQ(received, expected);
    EXPECT_EQ(messages.messages.size(), 1u);
}

}  // namespace
}  // namespace corvane

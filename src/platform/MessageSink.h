#pragma once

#include <string>
#include <string_view>
#include <vector>

// The modal messages of the program. The desktop shows each one as a message box with an OK
// button and waits for it; the command-line tools print it; tests and the simulator record it.
// Callers pass fixed texts with CR LF line breaks and never expect an answer.

namespace corvane {

enum class MessageIcon { None, Warning };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) = 0;
};

struct RecordedMessage {
    std::string title;
    std::string text;
    MessageIcon icon;
};

// Keeps every message in the order shown, for tests and for the virtual-time simulator.
class RecordingMessageSink final : public MessageSink {
public:
    void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) override {
        messages.push_back({std::string(title), std::string(text), icon});
    }
    std::vector<RecordedMessage> messages;
};

}  // namespace corvane

#pragma once

#include <functional>
#include <string_view>

#include "platform/MessageSink.h"

// Shows each message and also hands its text to a listener, for the trace of a running program.

namespace corvane {

class MessageTee final : public MessageSink {
public:
    MessageTee(MessageSink& sink, std::function<void(std::string_view)> onMessage)
        : sink_(sink), onMessage_(std::move(onMessage)) {}

    void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) override {
        onMessage_(text);
        sink_.ShowMessage(title, text, icon);
    }

private:
    MessageSink& sink_;
    std::function<void(std::string_view)> onMessage_;
};

}  // namespace corvane

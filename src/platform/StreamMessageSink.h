#pragma once

#include <ostream>
#include <string>

#include "platform/MessageSink.h"

// Messages printed for a terminal, each after a prefix naming the program; CR LF breaks become
// plain line ends.

namespace corvane {

class StreamMessageSink final : public MessageSink {
public:
    StreamMessageSink(std::ostream& out, std::string prefix) : out_(out), prefix_(std::move(prefix)) {}

    void ShowMessage(std::string_view, std::string_view text, MessageIcon) override {
        std::string printed;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.compare(i, 2, "\r\n") == 0) {
                printed += '\n';
                ++i;
            } else {
                printed += text[i];
            }
        }
        out_ << prefix_ << printed << std::endl;
    }

private:
    std::ostream& out_;
    std::string prefix_;
};

}  // namespace corvane

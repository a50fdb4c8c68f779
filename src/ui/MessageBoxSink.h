#pragma once

#include <QString>
#include <set>

#include "platform/MessageSink.h"

// The program's messages as Qt message boxes with an OK button: application-modal, so the
// operator must answer before using the windows again, but shown without a nested event loop,
// so the controller's timers go on and every tick still runs to its end before the next. A text
// already on screen is not shown a second time.

namespace corvane {

class MessageBoxSink final : public MessageSink {
public:
    void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) override;

private:
    std::set<QString> showing_;
};

}  // namespace corvane

#pragma once

#include <ostream>

#include "controls/Timer.h"
#include "engine/CorvaneProgram.h"

// For a cabinet PC without a screen: once a second, the status window's rows as one line of text
// (date, time, status, program, and each ring's phase, interval and time left).

namespace corvane {

class HeadlessStatus {
public:
    HeadlessStatus(TimerHost& timers, CorvaneProgram& program, std::ostream& out);
    void Start() { timer_.SetEnabled(true); }

private:
    void Print();

    CorvaneProgram& program_;
    std::ostream& out_;
    Timer timer_;
};

}  // namespace corvane

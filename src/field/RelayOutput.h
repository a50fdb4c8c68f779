#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/Control.h"
#include "field/Queue.h"
#include "platform/MessageSink.h"
#include "platform/SerialLine.h"
#include "settings/basINIRegistry.h"

// The controller's relay output: the port opened once at start-up, the lamp updates of the
// followed load switches turned into messages in the queue, and the 5 ms drain that writes one
// message per tick. Painting lamps never waits for the line: the queue takes the bursts.

namespace corvane {

class RelayOutput {
public:
    static constexpr int kTimerCOMPortIntervalMs = 5;

    RelayOutput(basINIRegistry& registry, SerialLine& line, MessageSink& messages, Shape& transmitIndicator)
        : registry_(registry), line_(line), messages_(messages), COMPortTXLED_(transmitIndicator) {}

    // Opens the port named by "Port" (none for 0 or less) and sends the initialisation. A port
    // that cannot be opened is reported once; the controller then runs without it.
    void OpenRelayPort();
    void Enqueue(std::string message) { TxQueue.Enqueue(std::move(message)); }
    // Queues the messages for a lamp update when a terminal group follows the load switch. The
    // assignment is read afresh each time, so a change saved by the editor applies at once.
    void QueueRelayLamps(std::int32_t loadSwitch, std::string_view code);
    // Writes (or, with no port, drops) the message at the head of the queue.
    void TimerCOMPortTick();
    // Switches every terminal off at once, ahead of anything still queued.
    void ShutDown();

    Queue TxQueue;

private:
    void WriteMessage(std::string_view body);

    basINIRegistry& registry_;
    SerialLine& line_;
    MessageSink& messages_;
    Shape& COMPortTXLED_;
};

}  // namespace corvane

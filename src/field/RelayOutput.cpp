#include "field/RelayOutput.h"

#include "field/RelayProtocol.h"
#include "platform/ProgramInfo.h"
#include "settings/SettingsAccess.h"

namespace corvane {

void RelayOutput::OpenRelayPort() {
    const std::int32_t port = ReadSetting(registry_, Setting::Port).ToLong();
    if (port <= 0) {
        return;
    }
    const SerialOpenResult opened = line_.Open(port);
    if (!opened.opened) {
        messages_.ShowMessage(kProgramTitle,
                              "Unable to open the relay interface on COM" + std::to_string(port) + " (" +
                                  opened.device + "): " + opened.error + "\r\nThe controller runs without it.",
                              MessageIcon::Warning);
        return;
    }
    WriteMessage(kRelayInitialise);
}

void RelayOutput::QueueRelayLamps(std::int32_t loadSwitch, std::string_view code) {
    const basINIRegistry::ReadGroup oneLook(registry_);
    auto assigned = [&](Setting setting) { return ReadSetting(registry_, setting).ToLong(); };
    const std::int32_t first =
        FirstRelayTerminal(loadSwitch, assigned(Setting::PhaseA), assigned(Setting::PhaseB), assigned(Setting::PedA));
    if (first == 0) {
        return;
    }
    for (std::string& message : RelayLampMessages(first, code)) {
        TxQueue.Enqueue(std::move(message));
    }
}

void RelayOutput::TimerCOMPortTick() {
    if (TxQueue.Count() == 0) {
        return;
    }
    COMPortTXLED_.SetLit(true);
    const std::string message = TxQueue.Dequeue();
    if (line_.IsOpen()) {
        WriteMessage(message);
        line_.DiscardInput();
    }
    COMPortTXLED_.SetLit(false);
}

void RelayOutput::ShutDown() {
    if (line_.IsOpen()) {
        WriteMessage(kRelayAllOff);
        line_.DiscardInput();
    }
    TxQueue.Clear();
}

void RelayOutput::WriteMessage(std::string_view body) {
    std::string bytes(body);
    bytes += kRelayTerminator;
    line_.Write(bytes);
}

}  // namespace corvane

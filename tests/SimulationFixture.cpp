#include "SimulationFixture.h"

#include <cmath>

#include "settings/LoaderSteps.h"
#include "settings/SettingsSchema.h"

namespace corvane::testing {

void SimulationTest::Defaults() {
    for (int program = 0; program < kProgramCount; ++program) {
        EnsureProgram(store.registry, program);
    }
    PreviewTables unused;
    CheckMissingValues(store.registry, unused);
}

void SimulationTest::SetSetting(const std::string& key, const std::string& name, const std::string& text) {
    store.registry.SetRegValue(HKEY_LOCAL_MACHINE, std::string(SettingsRoot) + key, name, text);
    ASSERT_TRUE(store.messages.messages.empty()) << store.messages.messages.back().text;
}

void SimulationTest::Start(const std::string& start) {
    const std::optional<LocalDateTime> moment = ParseLocalDateTime(start);
    ASSERT_TRUE(moment.has_value()) << start;
    writer_ = std::make_unique<TraceWriter>(trace_, *ParseTraceKinds("all"),
                                            [this] { return simulation_ ? simulation_->NowMs() : 0; });
    simulation_ = std::make_unique<Simulation>(*store.store, *moment, writer_.get());
}

void SimulationTest::RunTo(double seconds) { simulation_->RunUntil(std::llround(seconds * 1000)); }

std::string SimulationTest::Act(const std::string& action) {
    const std::int64_t ms = simulation_->NowMs();
    std::istringstream line(std::to_string(ms / 1000) + "." + std::to_string(1000 + ms % 1000).substr(1) + " " +
                            action);
    const ParsedScript parsed = ParseSimulationScript(line);
    EXPECT_EQ(parsed.errorLine, 0) << parsed.error;
    if (parsed.actions.size() != 1) {
        return "malformed action";
    }
    const std::optional<std::string> problem = simulation_->Perform(parsed.actions[0]);
    if (problem) {
        writer_->Error(*problem);
    }
    return problem.value_or("");
}

std::vector<std::string> SimulationTest::Trace(const std::string& kind, double from, double to) const {
    std::vector<std::string> lines;
    std::istringstream in(trace_.str());
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t space = line.find(' ');
        const double at = std::stod(line.substr(0, space));
        const std::size_t kindEnd = line.find(' ', space + 1);
        if (line.compare(space + 1, kindEnd - space - 1, kind) == 0 && at >= from - 1e-9 && at <= to + 1e-9) {
            lines.push_back(line.substr(0, space) + line.substr(kindEnd));
        }
    }
    return lines;
}

frmMain& SimulationTest::Main() {
    frmMain* main = simulation_->Main();
    if (main == nullptr) {
        ADD_FAILURE() << "the controller window is not loaded yet";
        std::abort();
    }
    return *main;
}

}  // namespace corvane::testing

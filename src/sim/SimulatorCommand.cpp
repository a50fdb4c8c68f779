#include "sim/SimulatorCommand.h"

#include <ctime>
#include <fstream>
#include <iostream>

#include "settings/SettingValue.h"
#include "settings/SqliteSettingsStore.h"
#include "settings/StoreLocation.h"
#include "sim/Simulation.h"

namespace corvane {
namespace {

constexpr const char* kUsage = R"(usage: corvane-sim [--store PATH] [--start "YYYY-MM-DD HH:MM:SS"] [--for SECONDS]
                  [--script FILE] [--trace KINDS]

Runs the Corvane controller in virtual time, from its start-up on, and prints what it does.
A day runs in seconds; the settings store is the real one.

  --store PATH     the settings store; otherwise $CORVANE_STORE, otherwise
                   /var/lib/corvane/settings.db
  --start TIME     the local date and time at which the program starts (default: now)
  --for SECONDS    virtual seconds to run (default 60)
  --script FILE    operator actions, one per line: T ACTION ARGUMENTS, T in seconds:
                     mode N | lights on | lights off | next | call I | police |
                     set KEY NAME TEXT | close        ("#" starts a comment)
  --trace KINDS    a comma list of mode, program, ring, lamp, relay, label, show,
                   hide, message, error; or all (default: mode,program,ring)

Each trace line is "T KIND ...", T in virtual seconds with three decimals.
)";

LocalDateTime LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
            local.tm_min,         local.tm_sec,     local.tm_wday};
}

int UsageError(std::ostream& err, const std::string& problem) {
    err << "corvane-sim: " << problem << "\n\n" << kUsage;
    return 2;
}

}  // namespace

int RunSimulator(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::string storePath = DefaultStorePath();
    LocalDateTime start = LocalNow();
    double seconds = 60;
    std::string scriptPath;
    std::set<TraceKind> kinds = DefaultTraceKinds();

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help") {
            out << kUsage;
            return 0;
        }
        if (i + 1 == arguments.size()) {
            return UsageError(err, option.starts_with("--") ? option + " needs a value" : "unexpected " + option);
        }
        const std::string& value = arguments[++i];
        if (option == "--store") {
            storePath = value;
        } else if (option == "--start") {
            const std::optional<LocalDateTime> parsed = ParseLocalDateTime(value);
            if (!parsed) {
                return UsageError(err, "--start takes a date and time as \"YYYY-MM-DD HH:MM:SS\"");
            }
            start = *parsed;
        } else if (option == "--for") {
            const std::optional<double> parsed = ParseNumber(value);
            if (!parsed || *parsed < 0 || *parsed > 1e9) {
                return UsageError(err, "--for takes a number of seconds");
            }
            seconds = *parsed;
        } else if (option == "--script") {
            scriptPath = value;
        } else if (option == "--trace") {
            const std::optional<std::set<TraceKind>> parsed = ParseTraceKinds(value);
            if (!parsed) {
                return UsageError(err, "--trace takes a comma list of trace kinds, or all");
            }
            kinds = *parsed;
        } else {
            return UsageError(err, "unknown option " + option);
        }
    }

    ParsedScript script;
    if (!scriptPath.empty()) {
        std::ifstream file(scriptPath);
        if (!file) {
            err << "corvane-sim: cannot read the script " << scriptPath << '\n';
            return 2;
        }
        script = ParseSimulationScript(file);
        if (script.errorLine != 0) {
            err << "corvane-sim: " << scriptPath << ", line " << script.errorLine << ": " << script.error << '\n';
            return 2;
        }
    }

    OpenedStore opened = SqliteSettingsStore::Open(storePath);
    if (!opened.store) {
        err << "corvane-sim: cannot use the settings store " << storePath << ": " << opened.error << '\n';
        return 2;
    }

    const std::int64_t endMs = std::llround(seconds * 1000);
    Simulation* running = nullptr;
    TraceWriter trace(out, kinds, [&running] { return running ? running->NowMs() : 0; });
    Simulation simulation(*opened.store, start, &trace);
    running = &simulation;
    for (const ScriptAction& action : script.actions) {
        if (action.atMs > endMs || simulation.Ended()) {
            break;
        }
        simulation.RunUntil(action.atMs);
        if (const std::optional<std::string> problem = simulation.Perform(action)) {
            trace.Error(*problem);
        }
    }
    simulation.RunUntil(endMs);
    out.flush();
    return 0;
}

}  // namespace corvane

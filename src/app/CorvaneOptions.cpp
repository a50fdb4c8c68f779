#include "app/CorvaneOptions.h"

namespace corvane {

const char* const kCorvaneUsage = R"(usage: corvane [--store PATH] [--headless] [--trace KINDS]
       corvane --screenshot DIR | --version | --help

The Corvane traffic-signal controller: one four-approach intersection, eight phases in two rings,
four pedestrian heads, twelve timing programs chosen by time of day, and a relay board on a
serial port.

  --store PATH       the settings store; otherwise $CORVANE_STORE, otherwise
                     /var/lib/corvane/settings.db
  --headless         run without windows, printing the status rows once a second;
                     ends cleanly on Ctrl+C (SIGINT) or SIGTERM
  --trace KINDS      print a trace to standard output: a comma list of mode, program, ring,
                     lamp, relay, label, show, hide, message, error, or all; each line is
                     "T KIND ...", T in seconds since the start
  --screenshot DIR   draw every window, as it looks in Run, to PNG files in DIR and exit
  --version          print the version
)";

std::optional<CorvaneOptions> ParseCorvaneOptions(const std::vector<std::string>& arguments, std::string& error) {
    CorvaneOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool takesValue = option == "--store" || option == "--trace" || option == "--screenshot";
        if (takesValue && i + 1 == arguments.size()) {
            error = option + " needs a value";
            return std::nullopt;
        }
        if (option == "--store") {
            options.storePath = arguments[++i];
        } else if (option == "--trace") {
            options.trace = ParseTraceKinds(arguments[++i]);
            if (!options.trace) {
                error = "--trace takes a comma list of trace kinds, or all";
                return std::nullopt;
            }
        } else if (option == "--screenshot") {
            options.screenshotDirectory = arguments[++i];
        } else if (option == "--headless") {
            options.headless = true;
        } else if (option == "--version") {
            options.version = true;
        } else if (option == "--help") {
            options.help = true;
        } else {
            error = "unknown option " + option;
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace corvane

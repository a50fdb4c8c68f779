#include "sim/SimulationScript.h"

#include <cmath>
#include <optional>

#include "settings/SettingValue.h"

namespace corvane {
namespace {

// Splits a line into words, honouring double quotes and stopping at a comment. Nothing on error.
std::optional<std::vector<std::string>> Words(const std::string& line, std::string& error) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#') {
            break;
        }
        std::string word;
        if (c == '"') {
            bool closed = false;
            for (++i; i < line.size(); ++i) {
                if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                    word += line[++i];
                } else if (line[i] == '"') {
                    closed = true;
                    ++i;
                    break;
                } else {
                    word += line[i];
                }
            }
            if (!closed) {
                error = "a quoted text has no closing quote";
                return std::nullopt;
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
                word += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::optional<int> WholeNumberIn(const std::string& text, int minimum, int maximum) {
    const std::optional<double> number = ParseNumber(text);
    if (!number || *number != std::floor(*number) || *number < minimum || *number > maximum) {
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

}  // namespace

ParsedScript ParseSimulationScript(std::istream& in) {
    ParsedScript parsed;
    std::string line;
    int number = 0;
    std::int64_t previousMs = 0;
    auto fail = [&](std::string error) {
        parsed.actions.clear();
        parsed.errorLine = number;
        parsed.error = std::move(error);
        return parsed;
    };
    while (std::getline(in, line)) {
        ++number;
        std::string error;
        const std::optional<std::vector<std::string>> words = Words(line, error);
        if (!words) {
            return fail(error);
        }
        if (words->empty()) {
            continue;
        }
        const std::optional<double> seconds = ParseNumber((*words)[0]);
        if (!seconds || *seconds < 0 || *seconds > 1e9) {
            return fail("a line must start with its time in seconds, not \"" + (*words)[0] + "\"");
        }
        ScriptAction action;
        action.line = number;
        action.atMs = std::llround(*seconds * 1000);
        if (action.atMs < previousMs) {
            return fail("the times must not go backwards");
        }
        previousMs = action.atMs;
        if (words->size() < 2) {
            return fail("an action is missing after the time");
        }
        const std::string& verb = (*words)[1];
        const std::size_t arguments = words->size() - 2;
        auto expect = [&](std::size_t count, const char* usage) -> bool {
            if (arguments != count) {
                error = std::string("expected ") + usage;
                return false;
            }
            return true;
        };
        if (verb == "mode") {
            if (!expect(1, "mode N")) {
                return fail(error);
            }
            const std::optional<int> option = WholeNumberIn((*words)[2], 0, 7);
            if (!option) {
                return fail("mode takes an option number from 0 to 7");
            }
            action.kind = ScriptActionKind::Mode;
            action.number = *option;
        } else if (verb == "lights") {
            if (!expect(1, "lights on or lights off") || ((*words)[2] != "on" && (*words)[2] != "off")) {
                return fail("expected lights on or lights off");
            }
            action.kind = (*words)[2] == "on" ? ScriptActionKind::LightsOn : ScriptActionKind::LightsOff;
        } else if (verb == "next" || verb == "police" || verb == "close") {
            if (!expect(0, (verb + " without arguments").c_str())) {
                return fail(error);
            }
            action.kind = verb == "next" ? ScriptActionKind::Next
                          : verb == "police" ? ScriptActionKind::Police
                                             : ScriptActionKind::Close;
        } else if (verb == "call") {
            if (!expect(1, "call I")) {
                return fail(error);
            }
            const std::optional<int> loadSwitch = WholeNumberIn((*words)[2], 0, 11);
            if (!loadSwitch) {
                return fail("call takes a load switch from 0 to 11");
            }
            action.kind = ScriptActionKind::Call;
            action.number = *loadSwitch;
        } else if (verb == "set") {
            if (!expect(3, "set KEY NAME TEXT")) {
                return fail(error);
            }
            action.kind = ScriptActionKind::Set;
            action.key = (*words)[2];
            action.name = (*words)[3];
            action.text = (*words)[4];
        } else {
            return fail("unknown action \"" + verb + "\"");
        }
        parsed.actions.push_back(std::move(action));
    }
    return parsed;
}

}  // namespace corvane

#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

// The operator's actions for a simulated run, one per line: "T ACTION ARGUMENTS", T in virtual
// seconds since the start, in non-decreasing order; "#" starts a comment outside quotes.
//
//   mode N            click the police panel's mode option N (0 to 7)
//   lights on|off     click the police panel's lights switch
//   next              press the police panel's Next
//   call I            press the CALL button of load switch I (0 to 11)
//   police            open the police panel from the menu
//   set KEY NAME TEXT write a setting, as an editor would
//   close             close the controller window, ending the run
//
// An argument may be written in double quotes, with \" and \\ inside.

namespace corvane {

enum class ScriptActionKind { Mode, LightsOn, LightsOff, Next, Call, Police, Set, Close };

struct ScriptAction {
    std::int64_t atMs = 0;
    int line = 0;
    ScriptActionKind kind = ScriptActionKind::Next;
    int number = 0;  // the option of mode, the load switch of call
    std::string key;
    std::string name;
    std::string text;
};

struct ParsedScript {
    std::vector<ScriptAction> actions;
    int errorLine = 0;  // 0 when the script is well formed
    std::string error;
};

ParsedScript ParseSimulationScript(std::istream& in);

}  // namespace corvane

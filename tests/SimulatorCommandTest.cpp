#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TempStore.h"
#include "controls/Control.h"
#include "sim/SimulatorCommand.h"
#include "settings/SettingsText.h"
#include "sim/TraceWriter.h"

namespace corvane {
namespace {

using testing::TempDir;

constexpr const char* kMondayMorning = "2026-12-07 07:00:00";

struct SimulatorRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

// The kind of a trace line "T KIND ...".
std::string KindOf(const std::string& line) {
    const std::size_t start = line.find(' ') + 1;
    return line.substr(start, line.find(' ', start) - start);
}

double TimeOf(const std::string& line) { return std::stod(line.substr(0, line.find(' '))); }

std::vector<std::string> LinesOfKind(const std::string& out, const std::string& kind) {
    std::vector<std::string> lines;
    for (const std::string& line : LinesOf(out)) {
        if (KindOf(line) == kind) {
            lines.push_back(line);
        }
    }
    return lines;
}

// "line 2" and not "line 21".
bool NamesLine(const std::string& text, int line) {
    const std::string wanted = "line " + std::to_string(line);
    for (std::size_t at = text.find(wanted); at != std::string::npos; at = text.find(wanted, at + 1)) {
        const std::size_t after = at + wanted.size();
        if (after == text.size() || !std::isdigit(static_cast<unsigned char>(text[after]))) {
            return true;
        }
    }
    return false;
}

// "T KIND" or "T KIND ...": T with digits, a point and three decimals, KIND in lower case.
bool HasTimeAndKind(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) {
        ++i;
    }
    if (i == 0 || line.size() < i + 5 || line[i] != '.') {
        return false;
    }
    for (std::size_t d = i + 1; d <= i + 3; ++d) {
        if (!std::isdigit(static_cast<unsigned char>(line[d]))) {
            return false;
        }
    }
    i += 4;
    if (line[i] != ' ') {
        return false;
    }
    const std::size_t kindStart = ++i;
    while (i < line.size() && std::islower(static_cast<unsigned char>(line[i]))) {
        ++i;
    }
    return i > kindStart && (i == line.size() || line[i] == ' ');
}

class SimulatorCommandTest : public ::testing::Test {
protected:
    // The simulator on this test's own store.
    SimulatorRun Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--store", store});
        return RunWithout(arguments);
    }
    static SimulatorRun RunWithout(const std::vector<std::string>& arguments) {
        std::ostringstream out, err;
        SimulatorRun run;
        run.status = RunSimulator(arguments, out, err);
        run.out = out.str();
        run.err = err.str();
        return run;
    }
    std::string Script(const std::string& text) {
        const std::string path = dir.File("script" + std::to_string(++scripts_) + ".txt");
        std::ofstream(path) << text;
        return path;
    }
    // A value in a store file after a run; nothing when the key does not exist.
    static std::optional<std::string> Stored(const std::string& path, const std::string& key, const std::string& name) {
        std::unique_ptr<SqliteSettingsStore> opened = testing::OpenStore(path);
        RecordingMessageSink messages;
        basINIRegistry registry(*opened, messages);
        if (!registry.RegKeyExists(HKEY_LOCAL_MACHINE, key)) {
            return std::nullopt;
        }
        return registry.GetRegValue(HKEY_LOCAL_MACHINE, key, name).Text();
    }

    TempDir dir;
    std::string store = dir.File("settings.db");

private:
    int scripts_ = 0;
};

// ---------------------------------------------------------------------------------------------
// The script.

TEST_F(SimulatorCommandTest, AMalformedScriptIsRefusedWithItsLineBeforeTheRun) {
    struct Case {
        const char* script;
        int line;
    };
    const Case cases[] = {
        {"5 police\n3 police\n", 2},  // the times go backwards
        {"# an operator's day\n\n2 police\n2 fly\n", 4},
        {"1 mode 8\n", 1},
        {"1 mode -1\n", 1},
        {"1 mode\n", 1},
        {"1 mode two\n", 1},
        {"1 call 12\n", 1},
        {"1 call 1.5\n", 1},
        {"1 lights dim\n", 1},
        {"1 lights\n", 1},
        {"1 next 2\n", 1},
        {"1 close now\n", 1},
        {"1 police\n2 set \"\\SOFTWARE\\Vek\\Corvane\" ColorMode\n", 2},
        {"1 set \"\\SOFTWARE\\Vek\\Corvane\" ColorMode 2 3\n", 1},
        {"1 police\n2 police\n3 set \"\\SOFTWARE\\Vek\\Corvane\" Note \"no end\n", 3},
        {"soon police\n", 1},
        {"-1 police\n", 1},
        {"7\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const std::string caseStore = dir.File("refused-" + std::to_string(&c - cases) + ".db");
        const SimulatorRun run = RunWithout(
            {"--store", caseStore, "--start", kMondayMorning, "--for", "10", "--script", Script(c.script)});
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(NamesLine(run.err, c.line)) << run.err;
        EXPECT_EQ(run.out, "");
        // Nothing ran: not even the start-up loader wrote its defaults.
        EXPECT_EQ(Stored(caseStore, "\\SOFTWARE\\Vek\\Corvane\\Prog0", "Flash"), std::nullopt);
    }
}

TEST_F(SimulatorCommandTest, ScriptsTakeCommentsAndQuotedTextsInSet) {
    const std::string script = Script(
        "# Program 3's phase 1, written while the start-up flash runs.\n"
        "2 set \"\\SOFTWARE\\Vek\\Corvane\\Prog3\\Phase1\" 1 \"2.55\"   # its green\n"
        "   # an indented comment\n"
        "\n"
        "2 set \\SOFTWARE\\Vek\\Corvane\\Prog3\\Phase1 4 3\n"
        "2 set \"\\SOFTWARE\\Vek\\Corvane\" Note \"a \\\"quoted\\\" # text in C:\\\\corvane\"\n");
    const SimulatorRun run = Run({"--start", kMondayMorning, "--for", "9", "--script", script});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(LinesOfKind(run.out, "ring"),
              (std::vector<std::string>{"6.100 ring 1 1 1 2.5500 GREEN", "6.100 ring 2 5 1 4.0000 GREEN",
                                        "8.700 ring 1 1 4 3.0000 YELLOW"}));
    EXPECT_EQ(Stored(store, "\\SOFTWARE\\Vek\\Corvane", "Note"), "a \"quoted\" # text in C:\\corvane");
}

TEST_F(SimulatorCommandTest, AnActionRunsAfterEveryTickDueAtItsTimeAndNotAfterTheEnd) {
    // At 6.000 the start-up flash ends in Run before the operator chooses Police Flash.
    const std::string script = Script("6 mode 2\n9.25 mode 1\n11 mode 2\n");
    const SimulatorRun run =
        Run({"--start", kMondayMorning, "--for", "10", "--trace", "mode,ring", "--script", script});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(LinesOf(run.out), (std::vector<std::string>{
                                    "6.000 mode 1 run",
                                    "6.000 mode 2 Police Flash",
                                    "9.250 mode 1 run",
                                    "9.300 ring 1 1 1 4.0000 GREEN",
                                    "9.300 ring 2 5 1 4.0000 GREEN",
                                }));
}

TEST_F(SimulatorCommandTest, AnActionTheOperatorCannotDoIsTracedAsAnErrorAndTheRunGoesOn) {
    const std::string script = Script(
        "0.5 police\n"     // the controller window is not open yet
        "8 mode 3\n"       // Program Flash is disabled
        "8 mode 0\n"       // Startup Flash too
        "8 mode 5\n"       // Conflict Detected too
        "8 mode 6\n"       // Railroad Pre-Empt is hidden
        "8.5 call 0\n"     // a phase panel has no CALL button
        "8.5 call 8\n"     // Ped 2 is included automatically: its CALL button is hidden
        "9 next\n"         // Next is disabled outside Manual Advance
        "10 mode 7\n"
        "11 next\n"
        "12 mode 2\n");
    const SimulatorRun run =
        Run({"--start", kMondayMorning, "--for", "13", "--trace", "mode,error", "--script", script});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = LinesOf(run.out);
    const std::vector<std::string> expected = {
        "0.500 error", "6.000 mode 1 run", "8.000 error", "8.000 error", "8.000 error", "8.000 error",
        "8.500 error", "8.500 error",      "9.000 error", "10.000 mode 7 Manual Advance", "12.000 mode 2 Police Flash",
    };
    ASSERT_EQ(lines.size(), expected.size()) << run.out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(expected[i], 0), 0u) << lines[i];
        if (KindOf(lines[i]) == "error") {
            // error "TEXT", with some text.
            const std::string quoted = lines[i].substr(expected[i].size());
            EXPECT_TRUE(quoted.size() > 3 && quoted.rfind(" \"", 0) == 0 && quoted.back() == '"') << lines[i];
        } else {
            EXPECT_EQ(lines[i], expected[i]);
        }
    }
}

TEST_F(SimulatorCommandTest, CloseEndsTheRunWithAllOffWrittenAtOnce) {
    // At 6.000 the start of Run has just queued a burst of relay messages; they are never sent.
    const std::string script = Script("6 close\n20 mode 2\n");
    const SimulatorRun run =
        Run({"--start", kMondayMorning, "--for", "60", "--trace", "relay,mode,error,ring", "--script", script});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = LinesOf(run.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "6.000 relay F0");
    for (const std::string& line : lines) {
        EXPECT_LE(TimeOf(line), 6.0) << line;
    }
    // The relay tick due at 6.000 wrote one message of the burst before the close, and no more.
    int atTheClose = 0;
    for (const std::string& line : LinesOfKind(run.out, "relay")) {
        atTheClose += TimeOf(line) == 6.0 ? 1 : 0;
    }
    EXPECT_EQ(atTheClose, 2) << run.out;
}

// ---------------------------------------------------------------------------------------------
// The trace.

TEST_F(SimulatorCommandTest, TheDefaultTraceShowsModesProgramsAndRings) {
    // Errors, messages, lamps, labels and relay messages all happen here, but are not asked for.
    const std::string script = Script("7 mode 3\n7 set \"\\SOFTWARE\\Vek\\Nowhere\" X 1\n");
    const SimulatorRun run = Run({"--start", kMondayMorning, "--for", "12", "--script", script});
    ASSERT_EQ(run.status, 0) << run.err;
    std::set<std::string> kinds;
    for (const std::string& line : LinesOf(run.out)) {
        kinds.insert(KindOf(line));
    }
    EXPECT_EQ(kinds, (std::set<std::string>{"mode", "program", "ring"}));
}

TEST_F(SimulatorCommandTest, TraceTakesACommaListOrAllAndRefusesAnUnknownKind) {
    const std::string script = Script("7 mode 3\n7 set \"\\SOFTWARE\\Vek\\Nowhere\" X 1\n");
    auto kindsOf = [](const std::string& out) {
        std::set<std::string> kinds;
        for (const std::string& line : LinesOf(out)) {
            kinds.insert(KindOf(line));
        }
        return kinds;
    };

    const SimulatorRun some =
        Run({"--start", kMondayMorning, "--for", "8", "--trace", "relay,mode", "--script", script});
    ASSERT_EQ(some.status, 0) << some.err;
    EXPECT_EQ(kindsOf(some.out), (std::set<std::string>{"relay", "mode"}));

    const SimulatorRun all = Run({"--start", kMondayMorning, "--for", "8", "--trace", "all", "--script", script});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(kindsOf(all.out), (std::set<std::string>{"mode", "program", "ring", "lamp", "relay", "label", "show",
                                                       "hide", "message", "error"}));

    const SimulatorRun unknown = Run({"--start", kMondayMorning, "--for", "8", "--trace", "mode,colour"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("--trace"), std::string::npos) << unknown.err;
    EXPECT_EQ(unknown.out, "");
}

TEST_F(SimulatorCommandTest, TraceLinesHaveTheirFormats) {
    const std::string script = Script(
        "2 set \"\\SOFTWARE\\Vek\\Corvane\\Prog3\\Phase1\" 1 2.55\n"
        "2 set \"\\SOFTWARE\\Vek\\Corvane\\Prog3\\Phase1\" 4 1.23456\n"
        "2 set \"\\SOFTWARE\\Vek\\Corvane\\Prog3\\Phase1\" 5 0\n"
        "2 set \"\\SOFTWARE\\Vek\\Corvane\\Prog3\\Phase2\" 1 0\n"
        "7 set \"\\SOFTWARE\\Vek\\No\\\"where\" X 1\n");
    const SimulatorRun run = Run({"--start", kMondayMorning, "--for", "14", "--trace", "all", "--script", script});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = LinesOf(run.out);

    for (const std::string& line : lines) {
        EXPECT_TRUE(HasTimeAndKind(line)) << line;
    }
    EXPECT_EQ(run.out.find('\r'), std::string::npos);

    // Lengths with four decimals, rounded; captions without their trailing spaces.
    std::vector<std::string> ringOne;
    for (const std::string& line : LinesOfKind(run.out, "ring")) {
        if (line.find(" ring 1 ") != std::string::npos) {
            ringOne.push_back(line);
        }
    }
    EXPECT_EQ(ringOne, (std::vector<std::string>{
                           "6.100 ring 1 1 1 2.5500 GREEN",
                           "8.700 ring 1 1 4 1.2346 YELLOW",
                           "10.000 ring 1 1 5 0.0000 RED CLEAR",
                           "10.100 ring 1 2 1 0.0000 WALK",
                           "10.200 ring 1 2 2 3.0000 PED CLEAR",
                           "13.200 ring 1 2 4 2.0000 YELLOW",
                       }));

    // The relay line opens at the load and the queue's first message follows 5 ms later.
    const std::vector<std::string> relay = LinesOfKind(run.out, "relay");
    ASSERT_GE(relay.size(), 2u);
    EXPECT_EQ(relay[0], "1.000 relay CPA00000000");
    EXPECT_EQ(relay[1], "1.005 relay F0");

    // Labels keep their spaces inside the quotes.
    const std::vector<std::string> labels = LinesOfKind(run.out, "label");
    auto has = [](const std::vector<std::string>& in, const std::string& line) {
        return std::find(in.begin(), in.end(), line) != in.end();
    };
    EXPECT_TRUE(has(labels, "1.100 label lblStatus \" STARTUP FLASH\""));
    EXPECT_TRUE(has(labels, "1.100 label lblTime \"07:00:01  \""));
    EXPECT_TRUE(has(labels, "6.100 label lblStatus \" RUN\""));
    EXPECT_TRUE(has(labels, "6.100 label lblInterval(0) \"GREEN\""));

    // A store message: two lines, its path with backslashes and a quote.
    EXPECT_EQ(LinesOfKind(run.out, "message"),
              (std::vector<std::string>{
                  "7.000 message \"Unable to Open the Registry Path: \\r\\n[SOFTWARE\\\\Vek\\\\No\\\"where]\""}));
}

TEST(SimulatorTraceWriterTest, QuotesEscapeQuotesBackslashesAndLineBreaks) {
    EXPECT_EQ(QuotedText(""), "\"\"");
    EXPECT_EQ(QuotedText(" RUN"), "\" RUN\"");
    EXPECT_EQ(QuotedText("say \"hi\""), "\"say \\\"hi\\\"\"");
    EXPECT_EQ(QuotedText("C:\\corvane"), "\"C:\\\\corvane\"");
    EXPECT_EQ(QuotedText("one\r\ntwo"), "\"one\\r\\ntwo\"");
}

TEST(SimulatorTraceWriterTest, ControlChangesBecomeLabelShowAndHideLinesAtTheirTime) {
    std::ostringstream out;
    std::int64_t nowMs = 0;
    TraceWriter writer(out, *ParseTraceKinds("all"), [&nowMs] { return nowMs; });
    ControlEvents events;
    events.Add(writer);
    Label phase(events, "lblPhase(0)");
    Frame panel(events, "fraLoadSwitch(3)");

    nowMs = 5;
    phase.SetCaption("a \"b\" \\ c\r\nd");
    phase.SetCaption("a \"b\" \\ c\r\nd");  // unchanged: no line
    nowMs = 61005;
    panel.SetVisible(false);
    nowMs = 86400000;
    panel.SetVisible(true);
    writer.Error("the button \"Next\" is disabled");

    EXPECT_EQ(LinesOf(out.str()), (std::vector<std::string>{
                                      "0.005 label lblPhase(0) \"a \\\"b\\\" \\\\ c\\r\\nd\"",
                                      "61.005 hide fraLoadSwitch(3)",
                                      "86400.000 show fraLoadSwitch(3)",
                                      "86400.000 error \"the button \\\"Next\\\" is disabled\"",
                                  }));
}

// ---------------------------------------------------------------------------------------------
// The command line.

TEST_F(SimulatorCommandTest, StartSetsTheVirtualClock) {
    // Sunday 03:00 belongs to Saturday 21:00's program 6, a flash program.
    const SimulatorRun sunday = Run({"--start", "2026-12-13 03:00:00", "--for", "7"});
    ASSERT_EQ(sunday.status, 0) << sunday.err;
    EXPECT_EQ(LinesOf(sunday.out), (std::vector<std::string>{"6.000 program 6", "6.000 mode 3 Program flash"}));

    const SimulatorRun monday = Run({"--start", kMondayMorning, "--for", "6.1"});
    EXPECT_EQ(LinesOf(monday.out), (std::vector<std::string>{"6.000 program 3", "6.000 mode 1 run",
                                                             "6.100 ring 1 1 1 4.0000 GREEN",
                                                             "6.100 ring 2 5 1 4.0000 GREEN"}));
}

TEST_F(SimulatorCommandTest, ForRunsSixtySecondsUnlessToldOtherwise) {
    const SimulatorRun byDefault = Run({"--start", kMondayMorning});
    const SimulatorRun sixty = Run({"--start", kMondayMorning, "--for", "60"});
    const SimulatorRun longer = Run({"--start", kMondayMorning, "--for", "62"});
    ASSERT_EQ(byDefault.status, 0) << byDefault.err;
    EXPECT_EQ(byDefault.out, sixty.out);
    EXPECT_LE(TimeOf(LinesOf(sixty.out).back()), 60.0);
    EXPECT_GT(LinesOf(longer.out).size(), LinesOf(sixty.out).size());
}

TEST_F(SimulatorCommandTest, AWrongCommandLineIsRefusedBeforeTheRun) {
    const std::vector<std::vector<std::string>> refused = {
        {"--start", "2026-02-29 10:00:00"},
        {"--start", "2026-12-07"},
        {"--start", "2026-12-07T07:00:00"},
        {"--start", "07:00:00"},
        {"--start", "2026-12-07 07:-1:00"},
        {"--for", "-1"},
        {"--for", "a minute"},
        {"--for", "60s"},
        {"--for"},
        {"--start"},
        {"--script"},
        {"--trace"},
        {"--speed", "2"},
        {"now"},
    };
    for (std::size_t i = 0; i < refused.size(); ++i) {
        const std::vector<std::string>& arguments = refused[i];
        SCOPED_TRACE(arguments.front() + (arguments.size() > 1 ? " " + arguments.back() : ""));
        const std::string caseStore = dir.File("refused-" + std::to_string(i) + ".db");
        std::vector<std::string> withStore = {"--store", caseStore};
        withStore.insert(withStore.end(), arguments.begin(), arguments.end());
        const SimulatorRun run = RunWithout(withStore);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(arguments.front()), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(Stored(caseStore, "\\SOFTWARE\\Vek\\Corvane\\Prog0", "Flash"), std::nullopt);
    }
}

TEST_F(SimulatorCommandTest, HelpDescribesTheOptionsAndRunsNothing) {
    const SimulatorRun run = Run({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("usage: corvane-sim"), std::string::npos) << run.out;
    for (const char* word : {"--store", "--start", "--for", "--script", "--trace", "mode", "program", "ring",
                             "lamp", "relay", "label", "show", "hide", "message", "error", "all"}) {
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
    EXPECT_FALSE(std::filesystem::exists(store));
}

TEST_F(SimulatorCommandTest, TheStoreComesFromStoreElseFromTheEnvironment) {
    const std::string fromEnvironment = dir.File("environment.db");
    const char* previous = std::getenv("CORVANE_STORE");
    const std::optional<std::string> saved = previous ? std::optional<std::string>(previous) : std::nullopt;
    setenv("CORVANE_STORE", fromEnvironment.c_str(), 1);

    const SimulatorRun given = Run({"--start", kMondayMorning, "--for", "2"});
    EXPECT_EQ(given.status, 0) << given.err;
    EXPECT_FALSE(std::filesystem::exists(fromEnvironment));
    EXPECT_EQ(Stored(store, "\\SOFTWARE\\Vek\\Corvane\\Prog12", "Flash"), "1");

    const SimulatorRun environment = RunWithout({"--start", kMondayMorning, "--for", "2"});
    EXPECT_EQ(environment.status, 0) << environment.err;
    EXPECT_EQ(Stored(fromEnvironment, "\\SOFTWARE\\Vek\\Corvane\\Prog12", "Flash"), "1");

    if (saved) {
        setenv("CORVANE_STORE", saved->c_str(), 1);
    } else {
        unsetenv("CORVANE_STORE");
    }
}

TEST_F(SimulatorCommandTest, AnUnusableStoreStopsTheRunNamingTheFile) {
    const std::string garbage = dir.File("garbage.db");
    const std::string text = "this is no settings store, only text that happens to be here\n";
    std::ofstream(garbage) << text;
    const SimulatorRun notAStore = RunWithout({"--store", garbage, "--start", kMondayMorning, "--for", "2"});
    EXPECT_EQ(notAStore.status, 2);
    EXPECT_NE(notAStore.err.find(garbage), std::string::npos) << notAStore.err;
    EXPECT_EQ(notAStore.out, "");
    std::ifstream in(garbage);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), text);

    const std::string folder = dir.File("a-folder");
    std::filesystem::create_directory(folder);
    const SimulatorRun aFolder = RunWithout({"--store", folder, "--start", kMondayMorning, "--for", "2"});
    EXPECT_EQ(aFolder.status, 2);
    EXPECT_NE(aFolder.err.find(folder), std::string::npos) << aFolder.err;
    EXPECT_EQ(aFolder.out, "");
}

TEST_F(SimulatorCommandTest, AMissingScriptIsNamed) {
    const std::string missing = dir.File("no-such-script.txt");
    const SimulatorRun run = Run({"--start", kMondayMorning, "--script", missing});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(SimulatorCommandTest, TheProgramRunsFromTheCommandLine) {
    auto shell = [](const std::string& command, std::string& out) {
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) {
            return -1;
        }
        char buffer[4096];
        std::size_t read;
        while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            out.append(buffer, read);
        }
        const int status = pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    std::string out;
    EXPECT_EQ(shell("'" CORVANE_SIM_BINARY "' --store '" + store + "' --start '" + kMondayMorning + "' --for 6.1", out),
              0);
    EXPECT_EQ(out, "6.000 program 3\n6.000 mode 1 run\n6.100 ring 1 1 1 4.0000 GREEN\n6.100 ring 2 5 1 4.0000 GREEN\n");

    std::string refused;
    EXPECT_EQ(shell("'" CORVANE_SIM_BINARY "' --store '" + store + "' --for soon 2>/dev/null", refused), 2);
    EXPECT_EQ(refused, "");
}

}  // namespace
}  // namespace corvane

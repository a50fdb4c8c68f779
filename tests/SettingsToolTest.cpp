#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "TempStore.h"
#include "app/SettingsTool.h"

namespace corvane {
namespace {

using testing::TempDir;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class SettingsToolTest : public ::testing::Test {
protected:
    Outcome Run(std::vector<std::string> arguments, const std::string& store = "") {
        arguments.insert(arguments.begin(), {"--store", store.empty() ? path : store});
        std::ostringstream out, err;
        const int status = RunSettingsTool(arguments, out, err);
        return {status, out.str(), err.str()};
    }
    std::string WriteFile(const std::string& name, const std::string& contents) {
        const std::string file = dir.File(name);
        std::ofstream(file, std::ios::binary) << contents;
        return file;
    }

    TempDir dir;
    std::string path = dir.File("settings.db");
};

TEST_F(SettingsToolTest, TheFiveOperationsAnswerWithTheirExitStatus) {
    EXPECT_EQ(Run({"create-key", "\\SOFTWARE\\Vek\\Corvane"}).status, 0);
    EXPECT_EQ(Run({"key-exists", "SOFTWARE\\vek"}).status, 0);
    EXPECT_EQ(Run({"key-exists", "SOFTWARE\\Nothing"}).status, 1);
    EXPECT_EQ(Run({"set", "\\SOFTWARE\\Vek\\Corvane", "ColorMode", "2"}).status, 0);
    EXPECT_EQ(Run({"value-exists", "\\SOFTWARE\\Vek\\Corvane", "colormode"}).status, 0);
    EXPECT_EQ(Run({"value-exists", "\\SOFTWARE\\Vek\\Corvane", "Port"}).status, 1);

    const Outcome got = Run({"get", "\\SOFTWARE\\Vek\\Corvane", "ColorMode"});
    EXPECT_EQ(got.status, 0);
    EXPECT_EQ(got.out, "2\n");
    const Outcome missing = Run({"get", "\\SOFTWARE\\Vek\\Corvane", "Port"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "");
}

TEST_F(SettingsToolTest, SetIntoAMissingKeyWritesNothingAndPrintsTheStoresMessage) {
    Run({"create-key", "\\SOFTWARE"});
    const Outcome set = Run({"set", "\\SOFTWARE\\Vek", "Port", "1"});
    EXPECT_EQ(set.status, 2);
    EXPECT_EQ(set.err, "corvane-settings: Unable to Open the Registry Path: \n[SOFTWARE\\Vek]\n");
    EXPECT_EQ(Run({"key-exists", "\\SOFTWARE\\Vek"}).status, 1);

    const Outcome get = Run({"get", "\\SOFTWARE\\Vek", "Port"});
    EXPECT_EQ(get.status, 2);
    EXPECT_NE(get.err.find("Unable to Open the Registry Path"), std::string::npos);
}

TEST_F(SettingsToolTest, DumpThenImportIntoAnEmptyStoreGivesTheSameDump) {
    ASSERT_EQ(Run({"init"}).status, 0);
    Run({"create-key", "\\SOFTWARE\\Vek\\Corvane\\Notes\\Empty"});
    Run({"set", "\\SOFTWARE\\Vek\\Corvane\\Notes", "Odd \"name\"", "C:\\path \"quoted\"\r\nnext\t"});
    Run({"set", "\\SOFTWARE\\Vek\\Corvane\\Notes", "", ""});
    Run({"set", "", "AtTheRoot", "x"});
    const Outcome dumped = Run({"dump"});
    ASSERT_EQ(dumped.status, 0) << dumped.err;

    const std::string copy = dir.File("copy.db");
    const Outcome imported = Run({"import", WriteFile("dump.txt", dumped.out)}, copy);
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(Run({"dump"}, copy).out, dumped.out);
    EXPECT_EQ(Run({"get", "\\SOFTWARE\\Vek\\Corvane\\Notes", "odd \"NAME\""}, copy).out,
              "C:\\path \"quoted\"\r\nnext\t\n");
}

TEST_F(SettingsToolTest, DumpShowsKeysDepthFirstInNameOrderWithEscapedTexts) {
    Run({"create-key", "\\SOFTWARE\\Vek\\b"});
    Run({"create-key", "\\software\\vek\\A\\z"});
    Run({"create-key", "\\SOFTWARE\\Vek AB"});
    Run({"set", "\\SOFTWARE\\Vek", "zeta", "1"});
    Run({"set", "\\SOFTWARE\\Vek", "Alpha", "say \"hi\" \\o/"});

    EXPECT_EQ(Run({"dump"}).out,
              "[SOFTWARE]\n"
              "\n[SOFTWARE\\Vek]\n\"Alpha\"=\"say \\\"hi\\\" \\\\o/\"\n\"zeta\"=\"1\"\n"
              "\n[SOFTWARE\\Vek\\A]\n"
              "\n[SOFTWARE\\Vek\\A\\z]\n"
              "\n[SOFTWARE\\Vek\\b]\n"
              "\n[SOFTWARE\\Vek AB]\n");
    EXPECT_EQ(Run({"dump", "software\\VEK\\a"}).out, "[SOFTWARE\\Vek\\A]\n\n[SOFTWARE\\Vek\\A\\z]\n");
    EXPECT_EQ(Run({"dump", "\\SOFTWARE\\Nothing"}).status, 2);
}

TEST_F(SettingsToolTest, AMalformedImportIsRefusedWithItsLineAndWritesNothing) {
    Run({"create-key", "\\SOFTWARE"});
    const std::string file = WriteFile("bad.txt",
                                       "[SOFTWARE\\Vek]\n"
                                       "\"Port\"=\"1\"\n"
                                       "\n"
                                       "\"PhaseA\"=\"2\" trailing\n");
    const Outcome imported = Run({"import", file});
    EXPECT_EQ(imported.status, 2);
    EXPECT_NE(imported.err.find("line 4"), std::string::npos) << imported.err;
    EXPECT_EQ(Run({"key-exists", "\\SOFTWARE\\Vek"}).status, 1);

    for (const char* bad : {"\"Port\"=\"1\"\n", "[SOFTWARE\n", "[A]\nPort=1\n", "[A]\n\"P\"=\"\\q\"\n"}) {
        EXPECT_EQ(Run({"import", WriteFile("bad2.txt", bad)}).status, 2) << bad;
    }
}

TEST_F(SettingsToolTest, DeleteValueRemovesOneValue) {
    Run({"create-key", "\\SOFTWARE"});
    Run({"set", "\\SOFTWARE", "Port", "1"});
    EXPECT_EQ(Run({"delete-value", "\\SOFTWARE", "PORT"}).status, 0);
    EXPECT_EQ(Run({"value-exists", "\\SOFTWARE", "Port"}).status, 1);
    EXPECT_EQ(Run({"delete-value", "\\SOFTWARE", "Port"}).status, 1);
    EXPECT_EQ(Run({"delete-value", "\\Nothing", "Port"}).status, 2);
}

TEST_F(SettingsToolTest, HelpDescribesEveryCommandAndAWrongCommandLineGetsUsage) {
    std::ostringstream out, err;
    EXPECT_EQ(RunSettingsTool({"--help"}, out, err), 0);
    for (const char* command : {"create-key", "key-exists", "value-exists", "get", "set", "init", "dump",
                                "import", "delete-value", "--store"}) {
        EXPECT_NE(out.str().find(command), std::string::npos) << command;
    }
    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{}, {"frobnicate"}, {"get", "KEY"}, {"--verbose", "init"},
                                               {"set", "a", "b", "c", "d"}}) {
        std::ostringstream usageOut, usageErr;
        EXPECT_EQ(RunSettingsTool(wrong, usageOut, usageErr), 2);
        EXPECT_NE(usageErr.str().find("usage: corvane-settings"), std::string::npos);
    }
}

TEST_F(SettingsToolTest, AnUnusableStoreIsNamedWithTheReasonAndLeftAlone) {
    const std::string garbage(2048, 'g');
    const std::string file = WriteFile("garbage.db", garbage);
    const Outcome outcome = Run({"init"}, file);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err, "corvane-settings: cannot use the settings store " + file + ": file is not a database\n");
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), garbage);
}

TEST(SettingsToolBinaryTest, RunsFromTheCommandLineWithTheStoreFromTheEnvironment) {
    TempDir dir;
    const std::string store = dir.File("settings.db");
    const std::string command = "CORVANE_STORE='" + store + "' '" CORVANE_SETTINGS_BINARY "' init && '" CORVANE_SETTINGS_BINARY
                                "' --store '" + store + "' get '\\SOFTWARE\\Vek\\Corvane\\COMPort' PedA";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[64] = {};
    const std::size_t read = fread(buffer, 1, sizeof buffer - 1, pipe);
    const int status = pclose(pipe);
    EXPECT_EQ(std::string(buffer, read), "8\n");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace corvane

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TempStore.h"
#include "settings/basINIRegistry.h"

namespace corvane {
namespace {

using testing::OpenStore;
using testing::TempDir;
using testing::TempStore;

constexpr auto HKLM = HKEY_LOCAL_MACHINE;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(StoreOpenTest, AFileThatIsNotADatabaseIsRefusedAndLeftAsItWas) {
    TempDir dir;
    const std::string path = dir.File("settings.db");
    const std::string contents(4096, 'x');
    std::ofstream(path, std::ios::binary) << contents;

    const OpenedStore opened = SqliteSettingsStore::Open(path);
    EXPECT_EQ(opened.store, nullptr);
    EXPECT_EQ(opened.error, "file is not a database");
    EXPECT_EQ(ReadFile(path), contents);
    EXPECT_EQ(FolderEntries(dir.File("")), std::vector<std::string>{"settings.db"});
}

TEST(StoreOpenTest, ADatabaseOfAnotherProgramIsRefusedAndLeftAsItWas) {
    TempDir dir;
    const std::string path = dir.File("other.db");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE notes(text); INSERT INTO notes VALUES('x');", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    const std::string before = ReadFile(path);

    const OpenedStore opened = SqliteSettingsStore::Open(path);
    EXPECT_EQ(opened.store, nullptr);
    EXPECT_NE(opened.error.find("not a Corvane settings store"), std::string::npos) << opened.error;
    EXPECT_EQ(ReadFile(path), before);
}

TEST(StoreOpenTest, AMissingFolderIsCreatedAndAnImpossibleOneIsReported) {
    TempDir dir;
    EXPECT_NE(SqliteSettingsStore::Open(dir.File("var/lib/corvane/settings.db")).store, nullptr);

    std::ofstream(dir.File("plain-file")) << "x";
    const OpenedStore opened = SqliteSettingsStore::Open(dir.File("plain-file/corvane/settings.db"));
    EXPECT_EQ(opened.store, nullptr);
    EXPECT_NE(opened.error.find("cannot create the folder"), std::string::npos) << opened.error;
    EXPECT_NE(opened.error.find("plain-file/corvane"), std::string::npos) << opened.error;
}

TEST(StoreOpenTest, ReadOnlyStoreReadsButReportsEveryWriteWithTheStoresReason) {
    TempStore writable;
    writable.registry.CreateRegKey(HKLM, "\\SOFTWARE\\Vek");
    writable.registry.SetRegValue(HKLM, "\\SOFTWARE\\Vek", "Port", "1");

    auto readOnly = OpenStore(writable.path, StoreAccess::ReadOnly);
    RecordingMessageSink messages;
    basINIRegistry registry(*readOnly, messages);
    EXPECT_EQ(registry.GetRegValue(HKLM, "\\SOFTWARE\\Vek", "Port").Text(), "1");
    EXPECT_TRUE(messages.messages.empty());

    registry.SetRegValue(HKLM, "\\SOFTWARE\\Vek", "Port", "2");
    registry.CreateRegKey(HKLM, "\\SOFTWARE\\Vek\\Corvane");
    ASSERT_EQ(messages.messages.size(), 2u);
    for (const RecordedMessage& message : messages.messages) {
        EXPECT_EQ(message.text, "attempt to write a readonly database");
        EXPECT_EQ(message.icon, MessageIcon::Warning);
    }
    EXPECT_EQ(registry.GetRegValue(HKLM, "\\SOFTWARE\\Vek", "Port").Text(), "1");
    EXPECT_FALSE(registry.RegKeyExists(HKLM, "\\SOFTWARE\\Vek\\Corvane"));
}

// Runs `work` in a child process with its own connection; the child's exit status is the number
// of failures its operations reported.
pid_t RunInChild(const std::string& path, void (*work)(basINIRegistry&)) {
    const pid_t child = fork();
    if (child == 0) {
        auto own = OpenStore(path);
        RecordingMessageSink messages;
        basINIRegistry registry(*own, messages);
        work(registry);
        _exit(static_cast<int>(std::min<std::size_t>(messages.messages.size(), 100)));
    }
    return child;
}

int ExitStatus(pid_t child) {
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

constexpr int kWrites = 300;

void WriteCountsUp(basINIRegistry& registry) {
    for (int i = 1; i <= kWrites; ++i) {
        registry.SetRegValue(HKLM, "\\SOFTWARE\\Vek", "Counter", std::to_string(i));
    }
}

TEST(StoreConcurrencyTest, ReadsWhileAnotherProcessWritesNeverFailAndSeeItsLatestValue) {
    TempStore store;
    store.registry.CreateRegKey(HKLM, "\\SOFTWARE\\Vek");
    store.registry.SetRegValue(HKLM, "\\SOFTWARE\\Vek", "Counter", "0");

    const pid_t writer = RunInChild(store.path, WriteCountsUp);
    ASSERT_GT(writer, 0);
    int last = 0;
    bool wentBackwards = false;
    while (last < kWrites && store.messages.messages.empty()) {
        const int seen = store.registry.GetRegValue(HKLM, "\\SOFTWARE\\Vek", "Counter").ToLong();
        wentBackwards |= seen < last;
        last = seen;
    }
    EXPECT_EQ(ExitStatus(writer), 0);
    EXPECT_TRUE(store.messages.messages.empty());
    EXPECT_FALSE(wentBackwards);
    EXPECT_EQ(last, kWrites);
}

TEST(StoreConcurrencyTest, TwoProcessesWritingAtOnceBothSucceed) {
    TempStore store;
    store.registry.CreateRegKey(HKLM, "\\SOFTWARE\\Vek");

    const pid_t first = RunInChild(store.path, WriteCountsUp);
    const pid_t second = RunInChild(store.path, [](basINIRegistry& registry) {
        for (int i = 1; i <= kWrites; ++i) {
            basINIRegistry::Transaction transaction(registry);
            registry.CreateRegKey(HKLM, "\\SOFTWARE\\Vek\\Key" + std::to_string(i % 10));
            registry.SetRegValue(HKLM, "\\SOFTWARE\\Vek", "Other", std::to_string(i));
            transaction.Commit();
        }
    });
    EXPECT_EQ(ExitStatus(first), 0);
    EXPECT_EQ(ExitStatus(second), 0);
    EXPECT_EQ(store.registry.GetRegValue(HKLM, "\\SOFTWARE\\Vek", "Counter").ToLong(), kWrites);
    EXPECT_EQ(store.registry.GetRegValue(HKLM, "\\SOFTWARE\\Vek", "Other").ToLong(), kWrites);
}

TEST(StoreConcurrencyTest, TwoProcessesCreatingTheSameNewStoreAtOnceBothGetIt) {
    TempDir dir;
    const std::string path = dir.File("settings.db");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        _exit(SqliteSettingsStore::Open(path).store ? 0 : 1);
    }
    const OpenedStore opened = SqliteSettingsStore::Open(path);
    EXPECT_NE(opened.store, nullptr) << opened.error;
    EXPECT_EQ(ExitStatus(child), 0);
}

}  // namespace
}  // namespace corvane

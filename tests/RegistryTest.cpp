#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TempStore.h"
#include "platform/ProgramInfo.h"
#include "settings/basINIRegistry.h"

namespace corvane {
namespace {

using testing::ForwardingStore;
using testing::OpenStore;
using testing::TempStore;

constexpr auto HKLM = HKEY_LOCAL_MACHINE;

class RegistryTest : public ::testing::Test {
protected:
    void Key(std::string_view path) { store.registry.CreateRegKey(HKLM, path); }
    void Set(std::string_view path, std::string_view name, std::string_view text) {
        store.registry.SetRegValue(HKLM, path, name, text);
    }
    SettingValue Get(std::string_view path, std::string_view name) {
        return store.registry.GetRegValue(HKLM, path, name);
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const RecordedMessage& message : store.messages.messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    TempStore store;
};

// Records the levels created, so a test can see that keys come into being one by one.
class CreationLog : public ForwardingStore {
public:
    using ForwardingStore::ForwardingStore;
    StoreResult CreateSubKey(std::string_view parent, std::string_view name) override {
        created.emplace_back(name);
        return ForwardingStore::CreateSubKey(parent, name);
    }
    std::vector<std::string> created;
};

TEST_F(RegistryTest, CreateRegKeyCreatesEachMissingLevelInOrderAndNothingTheSecondTime) {
    Key("\\SOFTWARE");
    CreationLog log(*store.store);
    basINIRegistry registry(log, store.messages);

    registry.CreateRegKey(HKLM, "\\SOFTWARE\\Vek\\Corvane\\Prog7\\Phase3");
    EXPECT_EQ(log.created, (std::vector<std::string>{"Vek", "Corvane", "Prog7", "Phase3"}));

    log.created.clear();
    registry.CreateRegKey(HKLM, "\\SOFTWARE\\Vek\\Corvane\\Prog7\\Phase3");
    EXPECT_TRUE(log.created.empty());
    EXPECT_TRUE(store.messages.messages.empty());
}

TEST_F(RegistryTest, SetRegValueNeverCreatesAKey) {
    Set("\\SOFTWARE\\Vek\\Missing", "Port", "1");

    EXPECT_FALSE(store.registry.RegKeyExists(HKLM, "\\SOFTWARE\\Vek\\Missing"));
    ASSERT_EQ(store.messages.messages.size(), 1u);
    const RecordedMessage& message = store.messages.messages[0];
    EXPECT_EQ(message.title, kProgramTitle);
    EXPECT_EQ(message.icon, MessageIcon::Warning);
    EXPECT_EQ(message.text, "Unable to Open the Registry Path: \r\n[SOFTWARE\\Vek\\Missing]");
}

TEST_F(RegistryTest, MissingValueReadsAsEmptyWithoutMessageButMissingKeyIsReported) {
    Key("\\SOFTWARE\\Vek");
    const SettingValue missingValue = Get("\\SOFTWARE\\Vek", "Nothing");
    EXPECT_TRUE(missingValue.IsEmpty());
    EXPECT_EQ(missingValue.ToLong(), 0);
    EXPECT_FALSE(store.registry.RegValueExists(HKLM, "\\SOFTWARE\\Vek", "Nothing"));
    EXPECT_TRUE(store.messages.messages.empty());

    EXPECT_TRUE(Get("\\SOFTWARE\\Nowhere", "Port").IsEmpty());
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Unable to Open the Registry Path: \r\n[SOFTWARE\\Nowhere]"}));
}

TEST_F(RegistryTest, StoredTextsReadBackWithoutLeadingSpacesAndUpToAZeroCharacter) {
    struct Case {
        std::string stored;
        std::string read;
    };
    const Case cases[] = {
        {"  12", "12"},
        {"12  ", "12  "},
        {"  1 2  ", "1 2  "},
        {"   ", ""},
        {std::string("ab\0cd", 5), "ab"},
        {"R", "R"},
    };
    Key("\\SOFTWARE");
    for (const Case& c : cases) {
        Set("\\SOFTWARE", "Value", c.stored);
        const SettingValue value = Get("\\SOFTWARE", "Value");
        EXPECT_FALSE(value.IsEmpty()) << c.stored;
        EXPECT_EQ(value.Text(), c.read) << "stored [" << c.stored << "]";
    }
}

TEST_F(RegistryTest, StoredEmptyTextExistsAndReadsAsEmptyText) {
    Key("\\SOFTWARE");
    Set("\\SOFTWARE", "Blank", "");
    EXPECT_TRUE(store.registry.RegValueExists(HKLM, "\\SOFTWARE", "Blank"));
    const SettingValue value = Get("\\SOFTWARE", "Blank");
    EXPECT_FALSE(value.IsEmpty());
    EXPECT_EQ(value.Text(), "");
}

TEST_F(RegistryTest, TextsUpTo2046CharactersReadWholeLongerOnesAsMissing) {
    Key("\\SOFTWARE");
    const std::string longest(2046, 'x');
    Set("\\SOFTWARE", "Longest", longest);
    Set("\\SOFTWARE", "TooLong", longest + "x");

    EXPECT_EQ(Get("\\SOFTWARE", "Longest").Text(), longest);
    EXPECT_TRUE(Get("\\SOFTWARE", "TooLong").IsEmpty());
    EXPECT_TRUE(store.registry.RegValueExists(HKLM, "\\SOFTWARE", "TooLong"));
    EXPECT_TRUE(store.messages.messages.empty());
}

TEST_F(RegistryTest, PathSpellingsAndLetterCaseNameTheSameKeyAndValue) {
    Key("\\SOFTWARE\\Vek\\Corvane\\Prog3\\");
    Set("SOFTWARE\\Vek\\Corvane\\Prog3", "Flash", "1");
    for (const char* path : {"\\SOFTWARE\\Vek\\Corvane\\Prog3", "SOFTWARE\\Vek\\Corvane\\Prog3\\",
                             "\\software\\vek\\corvane\\prog3\\", "SOFTWARE\\VEK\\CORVANE\\PROG3"}) {
        EXPECT_TRUE(store.registry.RegKeyExists(HKLM, path)) << path;
        EXPECT_EQ(Get(path, "FLASH").Text(), "1") << path;
    }
    EXPECT_TRUE(store.messages.messages.empty());
}

TEST_F(RegistryTest, NamesKeepTheSpellingTheyWereFirstWrittenWith) {
    Key("\\SOFTWARE\\Vek");
    Key("\\software\\VEK\\Corvane");
    Set("\\SOFTWARE\\Vek\\Corvane", "Ring1Order", "1234");
    Set("\\SOFTWARE\\Vek\\Corvane", "RING1ORDER", "2143");

    EXPECT_EQ(store.store->OpenKey("software\\vek\\corvane").text, "SOFTWARE\\Vek\\Corvane");
    std::vector<StoredValue> values;
    ASSERT_TRUE(store.store->ListValues("SOFTWARE\\Vek\\Corvane", values).ok());
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].name, "Ring1Order");
    EXPECT_EQ(values[0].text, "2143");
}

TEST_F(RegistryTest, KeysNestAtMost256LevelsAndTheLevelsBeforeAFailureStay) {
    std::string path256;
    for (int level = 1; level <= 256; ++level) {
        path256 += (level > 1 ? "\\k" : "k") + std::to_string(level);
    }
    Key(path256 + "\\k257");

    EXPECT_TRUE(store.registry.RegKeyExists(HKLM, path256));
    EXPECT_FALSE(store.registry.RegKeyExists(HKLM, path256 + "\\k257"));
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Unable to Create the Registry Key [k257]\r\nFrom the Path:\r\n[" +
                                                         path256 + "]"}));
}

// Refuses to create one named key level, or to write one named value.
class RefusingStore : public ForwardingStore {
public:
    using ForwardingStore::ForwardingStore;
    StoreResult CreateSubKey(std::string_view parent, std::string_view name) override {
        if (name == refusedKey) {
            return {StoreOutcome::Refused, "refused"};
        }
        return ForwardingStore::CreateSubKey(parent, name);
    }
    StoreResult WriteValue(std::string_view path, std::string_view name, std::string_view text) override {
        if (name == refusedValue) {
            return {StoreOutcome::Refused, "refused"};
        }
        return ForwardingStore::WriteValue(path, name, text);
    }
    std::string refusedKey;
    std::string refusedValue;
};

TEST_F(RegistryTest, FailedCreationAndFailedWriteAreReportedWithTheirPaths) {
    RefusingStore refusing(*store.store);
    basINIRegistry registry(refusing, store.messages);
    refusing.refusedKey = "SOFTWARE";
    registry.CreateRegKey(HKLM, "\\SOFTWARE\\Vek");
    refusing.refusedKey.clear();
    registry.CreateRegKey(HKLM, "\\SOFTWARE\\Vek");
    refusing.refusedValue = "Port";
    registry.SetRegValue(HKLM, "\\SOFTWARE\\Vek\\", "Port", "1");

    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                  "Unable to Create the Registry Key [SOFTWARE]\r\nFrom the Path:\r\n[]",
                                  "Unable to find a Key named [Port]\r\nIn the registry path: \r\n[SOFTWARE\\Vek]",
                              }));
    EXPECT_FALSE(registry.RegValueExists(HKLM, "\\SOFTWARE\\Vek", "Port"));
}

TEST_F(RegistryTest, OnlyTheLocalMachineRootHoldsKeys) {
    Key("\\SOFTWARE");
    EXPECT_TRUE(store.registry.RegKeyExists(HKLM, "\\SOFTWARE"));
    EXPECT_FALSE(store.registry.RegKeyExists(0x80000001, "\\SOFTWARE"));
}

TEST_F(RegistryTest, AWriteThroughAnotherConnectionIsSeenByTheVeryNextRead) {
    Key("\\SOFTWARE\\Vek\\Corvane");
    Set("\\SOFTWARE\\Vek\\Corvane", "ColorMode", "3");
    auto other = OpenStore(store.path);
    RecordingMessageSink otherMessages;
    basINIRegistry otherRegistry(*other, otherMessages);
    ASSERT_EQ(Get("\\SOFTWARE\\Vek\\Corvane", "ColorMode").Text(), "3");

    otherRegistry.SetRegValue(HKLM, "\\SOFTWARE\\Vek\\Corvane", "ColorMode", "2");
    EXPECT_EQ(Get("\\SOFTWARE\\Vek\\Corvane", "ColorMode").Text(), "2");
    otherRegistry.CreateRegKey(HKLM, "\\SOFTWARE\\Vek\\Corvane\\Preview");
    EXPECT_TRUE(store.registry.RegKeyExists(HKLM, "\\SOFTWARE\\Vek\\Corvane\\Preview"));
}

class TransactionTest : public RegistryTest {
protected:
    void SetUp() override {
        Key("\\SOFTWARE\\Vek");
        Set("\\SOFTWARE\\Vek", "A", "old");
        Set("\\SOFTWARE\\Vek", "B", "old");
    }
    std::string ValuesAB() { return Get("\\SOFTWARE\\Vek", "A").Text() + "," + Get("\\SOFTWARE\\Vek", "B").Text(); }
};

TEST_F(TransactionTest, ACommittedGroupLandsWhole) {
    basINIRegistry::Transaction transaction(store.registry);
    Set("\\SOFTWARE\\Vek", "A", "new");
    Set("\\SOFTWARE\\Vek", "B", "new");
    EXPECT_TRUE(transaction.Commit());
    EXPECT_EQ(ValuesAB(), "new,new");
}

TEST_F(TransactionTest, AGroupWithAFailedOperationLeavesTheOldValues) {
    {
        basINIRegistry::Transaction transaction(store.registry);
        Set("\\SOFTWARE\\Vek", "A", "new");
        Set("\\SOFTWARE\\Missing", "X", "new");
        Set("\\SOFTWARE\\Vek", "B", "new");
        EXPECT_FALSE(transaction.Commit());
    }
    EXPECT_EQ(ValuesAB(), "old,old");
    EXPECT_EQ(store.messages.messages.size(), 1u);
}

TEST_F(TransactionTest, AnInnerGroupRolledBackUndoesOnlyItsOwnWrites) {
    basINIRegistry::Transaction outer(store.registry);
    Set("\\SOFTWARE\\Vek", "A", "new");
    {
        basINIRegistry::Transaction inner(store.registry);
        Set("\\SOFTWARE\\Vek", "B", "new");
    }
    EXPECT_TRUE(outer.Commit());
    EXPECT_EQ(ValuesAB(), "new,old");
}

TEST_F(TransactionTest, AProcessDyingInTheMiddleOfAGroupLeavesTheOldValues) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto own = OpenStore(store.path);
        RecordingMessageSink messages;
        basINIRegistry registry(*own, messages);
        basINIRegistry::Transaction transaction(registry);
        registry.SetRegValue(HKLM, "\\SOFTWARE\\Vek", "A", "new");
        _exit(messages.messages.empty() ? 0 : 1);  // dies with the group open
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ValuesAB(), "old,old");
}

}  // namespace
}  // namespace corvane

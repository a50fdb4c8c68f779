#pragma once

#include <cstdint>
#include <string_view>

#include "platform/MessageSink.h"
#include "platform/SettingsStore.h"
#include "settings/SettingValue.h"

// The settings module: the five operations through which every part of the program reads and
// writes its settings. Each operation goes to the store itself (nothing is cached), reports a
// failure to the operator at once with a warning message, and returns: reads give the empty
// result, tests give false, writes write nothing. A missing value is not a failure.
//
// Paths may be written with or without one leading and one trailing "\". Key and value names
// match without regard to letter case. Keys are created level by level, and only by
// CreateRegKey: SetRegValue writes into an existing key or not at all.

namespace corvane {

// The predefined root handle every caller passes; the store has no other root.
inline constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr std::string_view SettingsRoot = "\\SOFTWARE\\Vek\\Corvane";

// Drops one leading and one trailing "\".
std::string_view NormaliseKeyPath(std::string_view path);

class basINIRegistry {
public:
    basINIRegistry(SettingsStore& store, MessageSink& messages) : store_(store), messages_(messages) {}

    void CreateRegKey(std::uint32_t root, std::string_view keyPath);
    SettingValue GetRegValue(std::uint32_t root, std::string_view keyPath, std::string_view valueName);
    bool RegKeyExists(std::uint32_t root, std::string_view keyPath);
    bool RegValueExists(std::uint32_t root, std::string_view keyPath, std::string_view valueName);
    void SetRegValue(std::uint32_t root, std::string_view keyPath, std::string_view valueName,
                     std::string_view text);

    // A group of operations that lands whole or not at all: Commit keeps every write of the
    // group only when none of its operations reported a failure; otherwise, and when the group
    // ends without Commit (an early return, a crash), the store keeps its old values.
    class Transaction {
    public:
        explicit Transaction(basINIRegistry& registry);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        // True when the group's writes are in the store.
        bool Commit();

    private:
        basINIRegistry& registry_;
        int failuresAtStart_;
        bool open_ = true;
    };

    // Reads that belong together, such as those of one lamp update: they see one state of the
    // store and cost about one read. Keep groups short; a group never spans an operator's action.
    class ReadGroup {
    public:
        explicit ReadGroup(basINIRegistry& registry) : store_(registry.store_) { store_.BeginReadGroup(); }
        ~ReadGroup() { store_.EndReadGroup(); }
        ReadGroup(const ReadGroup&) = delete;
        ReadGroup& operator=(const ReadGroup&) = delete;

    private:
        SettingsStore& store_;
    };

    // How many failures the operations have reported so far.
    int FailureCount() const { return failureCount_; }

private:
    void ReportFailure(std::string_view text);
    void ReportCannotOpen(std::string_view path);

    SettingsStore& store_;
    MessageSink& messages_;
    int failureCount_ = 0;
};

}  // namespace corvane

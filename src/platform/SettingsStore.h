#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The per-machine hierarchical store of named text values under named keys, as the settings
// module sees it. Paths are already normalised: components joined by "\", no leading or trailing
// "\", the empty path naming the root. Key and value names match without regard to letter case
// and keep the spelling they were first written with. Nothing is cached: every call reads or
// writes the store itself, so a change made by another connection is seen by the next call.
//
// Only the settings module (basINIRegistry) and the administrator's command-line tool call this.
// No call throws; every outcome, failure included, comes back as a StoreResult.

namespace corvane {

enum class StoreOutcome {
    Ok,
    KeyMissing,    // the key (or, for CreateSubKey, the parent key) does not exist
    ValueMissing,  // the key exists but holds no value of that name
    Refused,       // the store will not take this name or path; `text` says why
    Failed,        // the store itself failed; `text` is the store's own description
};

struct StoreResult {
    StoreOutcome outcome = StoreOutcome::Ok;
    std::string text;  // a value's text on Ok, the reason on Refused and Failed

    bool ok() const { return outcome == StoreOutcome::Ok; }
    static StoreResult Success(std::string value = {}) { return {StoreOutcome::Ok, std::move(value)}; }
    static StoreResult Failure(std::string description) {
        return {StoreOutcome::Failed, std::move(description)};
    }
};

struct StoredValue {
    std::string name;
    std::string text;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Ok with the key's path as it is stored (first spelling of every component), or KeyMissing.
    virtual StoreResult OpenKey(std::string_view path) = 0;
    // Creates one key level below an existing parent. Ok also when the key exists already.
    virtual StoreResult CreateSubKey(std::string_view parentPath, std::string_view name) = 0;
    // Ok with the whole stored text, KeyMissing or ValueMissing.
    virtual StoreResult ReadValue(std::string_view path, std::string_view name) = 0;
    // Writes or replaces a value in an existing key; never creates the key (KeyMissing).
    virtual StoreResult WriteValue(std::string_view path, std::string_view name,
                                   std::string_view text) = 0;
    // Ok, KeyMissing or ValueMissing. Only the administrator's tool deletes anything.
    virtual StoreResult DeleteValue(std::string_view path, std::string_view name) = 0;

    // Names of the sub-keys and the values of a key, in case-insensitive name order.
    virtual StoreResult ListSubKeys(std::string_view path, std::vector<std::string>& names) = 0;
    virtual StoreResult ListValues(std::string_view path, std::vector<StoredValue>& values) = 0;

    // Groups writes into one all-or-nothing unit. Calls nest; only the outermost pair reaches
    // the store, so an operation that groups its own writes can run inside a larger group.
    virtual StoreResult BeginTransaction() = 0;
    virtual StoreResult CommitTransaction() = 0;
    virtual void RollbackTransaction() = 0;

    // Groups reads into one look at the store: the reads of a group see the store as it was at
    // the group's first read, and together cost about as much as a single read. Groups nest. A
    // write or a transaction inside a group ends the shared look; later reads see the store anew.
    virtual void BeginReadGroup() = 0;
    virtual void EndReadGroup() = 0;
};

}  // namespace corvane

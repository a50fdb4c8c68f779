#pragma once

#include <memory>
#include <string>

#include "platform/MessageSink.h"
#include "settings/SqliteSettingsStore.h"
#include "settings/basINIRegistry.h"

namespace corvane::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Opens the real SQLite store at `path`, failing the test when it cannot be opened.
std::unique_ptr<SqliteSettingsStore> OpenStore(const std::string& path,
                                               StoreAccess access = StoreAccess::ReadWrite);

// A new, empty store file with the settings module over it and a record of its messages.
struct TempStore {
    TempStore() : path(dir.File("settings.db")), store(OpenStore(path)), registry(*store, messages) {}

    TempDir dir;
    std::string path;
    std::unique_ptr<SqliteSettingsStore> store;
    RecordingMessageSink messages;
    basINIRegistry registry;
};

// Passes every call to a real store, so a test can make one operation refuse.
class ForwardingStore : public SettingsStore {
public:
    explicit ForwardingStore(SettingsStore& target) : target_(target) {}
    StoreResult OpenKey(std::string_view path) override { return target_.OpenKey(path); }
    StoreResult CreateSubKey(std::string_view parent, std::string_view name) override {
        return target_.CreateSubKey(parent, name);
    }
    StoreResult ReadValue(std::string_view path, std::string_view name) override {
        return target_.ReadValue(path, name);
    }
    StoreResult WriteValue(std::string_view path, std::string_view name, std::string_view text) override {
        return target_.WriteValue(path, name, text);
    }
    StoreResult DeleteValue(std::string_view path, std::string_view name) override {
        return target_.DeleteValue(path, name);
    }
    StoreResult ListSubKeys(std::string_view path, std::vector<std::string>& names) override {
        return target_.ListSubKeys(path, names);
    }
    StoreResult ListValues(std::string_view path, std::vector<StoredValue>& values) override {
        return target_.ListValues(path, values);
    }
    StoreResult BeginTransaction() override { return target_.BeginTransaction(); }
    StoreResult CommitTransaction() override { return target_.CommitTransaction(); }
    void RollbackTransaction() override { target_.RollbackTransaction(); }
    void BeginReadGroup() override { target_.BeginReadGroup(); }
    void EndReadGroup() override { target_.EndReadGroup(); }

private:
    SettingsStore& target_;
};

}  // namespace corvane::testing

#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/SettingsStore.h"

struct sqlite3;
struct sqlite3_stmt;

// The settings store kept in one SQLite database file: a table of keys, each knowing its whole
// path, and a table of text values. Every operation is one indexed lookup or one statement, so
// reads go straight to the file and see what another connection committed a moment before.
// The file is in WAL mode with full synchronisation, so a completed write survives a power cut
// and readers never wait for a writer; writes take the write lock up front and wait for another
// process's write to finish rather than fail.

namespace corvane {

enum class StoreAccess { ReadWrite, ReadOnly };

class SqliteSettingsStore;

struct OpenedStore {
    std::unique_ptr<SqliteSettingsStore> store;  // null when the file cannot be used
    std::string error;                           // why not, in the platform's words
};

class SqliteSettingsStore final : public SettingsStore {
public:
    // Opens the store at `path`. With ReadWrite a missing file (and its folder) is created and a
    // new file gets the store's tables. A file that is not a database, a database of some other
    // program, or one that cannot be read is refused with the reason, and nothing is written.
    static OpenedStore Open(const std::string& path, StoreAccess access = StoreAccess::ReadWrite);

    ~SqliteSettingsStore() override;
    SqliteSettingsStore(const SqliteSettingsStore&) = delete;
    SqliteSettingsStore& operator=(const SqliteSettingsStore&) = delete;

    StoreResult OpenKey(std::string_view path) override;
    StoreResult CreateSubKey(std::string_view parentPath, std::string_view name) override;
    StoreResult ReadValue(std::string_view path, std::string_view name) override;
    StoreResult WriteValue(std::string_view path, std::string_view name,
                           std::string_view text) override;
    StoreResult DeleteValue(std::string_view path, std::string_view name) override;
    StoreResult ListSubKeys(std::string_view path, std::vector<std::string>& names) override;
    StoreResult ListValues(std::string_view path, std::vector<StoredValue>& values) override;
    StoreResult BeginTransaction() override;
    StoreResult CommitTransaction() override;
    void RollbackTransaction() override;
    void BeginReadGroup() override;
    void EndReadGroup() override;

    // The deepest key the store keeps, in path components.
    static constexpr int kMaxPathComponents = 256;

private:
    class Statement;
    explicit SqliteSettingsStore(sqlite3* db);
    // Checks that the file is a store of ours, gives a new file its tables, and prepares the
    // statements. Returns why the file cannot be used, or "" when it can.
    std::string Prepare(StoreAccess access);
    StoreResult Execute(const char* sql);
    StoreResult Failure();
    // Runs one write inside the open group, or in a write transaction of its own.
    template <typename Write>
    StoreResult RunWrite(Write write);
    // Inside a group whose transaction was lost (a failed BEGIN, or SQLite rolling back after an
    // I/O error) a write would commit on its own and break the all-or-nothing promise, so it is
    // refused with the reason the group was lost.
    bool TransactionLost() const;
    StoreResult LostTransactionFailure() const;
    // Starts the shared look of an open read group, at its first read.
    void JoinReadGroup();
    // Ends a read group's shared look before anything writes.
    void EndReadTransaction();

    sqlite3* db_;
    sqlite3_stmt* beginRead_ = nullptr;
    sqlite3_stmt* commitRead_ = nullptr;
    sqlite3_stmt* openKey_ = nullptr;
    sqlite3_stmt* readValue_ = nullptr;
    sqlite3_stmt* writeValue_ = nullptr;
    sqlite3_stmt* createKey_ = nullptr;
    sqlite3_stmt* deleteValue_ = nullptr;
    sqlite3_stmt* listSubKeys_ = nullptr;
    sqlite3_stmt* listValues_ = nullptr;
    int transactionDepth_ = 0;
    std::string transactionError_;
    int readGroupDepth_ = 0;
    bool readTransactionOpen_ = false;
};

}  // namespace corvane

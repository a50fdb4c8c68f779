#include "settings/SqliteSettingsStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <optional>

namespace corvane {
namespace {

// Marks a file as ours, so that a database of some other program is never taken for a store.
constexpr int kApplicationId = 0x436F7276;  // "Corv"
constexpr int kFormatVersion = 1;
// A second process's write holds the lock for milliseconds; waiting this long for it is never
// spurious, and only a process that keeps a write open for seconds makes an operation fail.
constexpr int kBusyTimeoutMs = 5000;
constexpr sqlite3_int64 kRootKeyId = 1;

constexpr const char* kCreateTables = R"sql(
CREATE TABLE keys(
    id     INTEGER PRIMARY KEY,
    parent INTEGER REFERENCES keys(id),
    name   TEXT NOT NULL,
    path   TEXT NOT NULL,
    folded TEXT NOT NULL UNIQUE
);
CREATE INDEX keys_by_parent ON keys(parent);
CREATE TABLE vals(
    key    INTEGER NOT NULL REFERENCES keys(id),
    folded TEXT NOT NULL,
    name   TEXT NOT NULL,
    data   TEXT NOT NULL,
    PRIMARY KEY(key, folded)
) WITHOUT ROWID;
INSERT INTO keys(id, parent, name, path, folded) VALUES(1, NULL, '', '', '');
)sql";

std::string DescribeOpenFailure(sqlite3* db, int rc) {
    std::string text = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    const int osError = db ? sqlite3_system_errno(db) : 0;
    if (osError != 0) {
        text += " (";
        text += std::strerror(osError);
        text += ")";
    }
    return text;
}

// Names match without regard to letter case: every lookup goes by the lower-case form, kept
// beside the spelling it was first written with, so the indexes compare plain bytes.
std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

int CountComponents(std::string_view path) {
    return path.empty() ? 0 : 1 + static_cast<int>(std::count(path.begin(), path.end(), '\\'));
}

}  // namespace

// One use of a prepared statement: binds, steps, and leaves the statement reset for the next use.
class SqliteSettingsStore::Statement {
public:
    explicit Statement(sqlite3_stmt* statement) : statement_(statement) {}
    ~Statement() {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, std::string_view text) {
        if (text.size() > INT_MAX) {
            bindStatus_ = SQLITE_TOOBIG;
            return *this;
        }
        // An empty view may have no data pointer, which SQLite would bind as NULL.
        const char* data = text.empty() ? "" : text.data();
        const int rc =
            sqlite3_bind_text(statement_, index, data, static_cast<int>(text.size()), SQLITE_STATIC);
        if (rc != SQLITE_OK) {
            bindStatus_ = rc;
        }
        return *this;
    }
    // Binds the lower-case form of a name or path; the statement keeps its own copy.
    Statement& BindFolded(int index, std::string_view text) {
        const std::string folded = Folded(text);
        if (folded.size() > INT_MAX) {
            bindStatus_ = SQLITE_TOOBIG;
            return *this;
        }
        const int rc = sqlite3_bind_text(statement_, index, folded.c_str(), static_cast<int>(folded.size()),
                                         SQLITE_TRANSIENT);
        if (rc != SQLITE_OK) {
            bindStatus_ = rc;
        }
        return *this;
    }
    Statement& Bind(int index, sqlite3_int64 number) {
        const int rc = sqlite3_bind_int64(statement_, index, number);
        if (rc != SQLITE_OK) {
            bindStatus_ = rc;
        }
        return *this;
    }
    int Step() { return bindStatus_ != SQLITE_OK ? bindStatus_ : sqlite3_step(statement_); }
    std::string Text(int column) const {
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
        return data ? std::string(data, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                    : std::string();
    }
    sqlite3_int64 Number(int column) const { return sqlite3_column_int64(statement_, column); }

private:
    sqlite3_stmt* statement_;
    int bindStatus_ = SQLITE_OK;
};

OpenedStore SqliteSettingsStore::Open(const std::string& path, StoreAccess access) {
    if (access == StoreAccess::ReadWrite) {
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        std::error_code error;
        if (!folder.empty() && !std::filesystem::exists(folder, error)) {
            std::filesystem::create_directories(folder, error);
            if (error) {
                return {nullptr, "cannot create the folder " + folder.string() + ": " + error.message()};
            }
        }
    }
    const int flags = SQLITE_OPEN_NOMUTEX | (access == StoreAccess::ReadOnly
                                                 ? SQLITE_OPEN_READONLY
                                                 : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string error = DescribeOpenFailure(db, rc);
        sqlite3_close(db);
        return {nullptr, error};
    }
    std::unique_ptr<SqliteSettingsStore> store(new SqliteSettingsStore(db));
    std::string error = store->Prepare(access);
    if (!error.empty()) {
        return {nullptr, error};
    }
    return {std::move(store), {}};
}

SqliteSettingsStore::SqliteSettingsStore(sqlite3* db) : db_(db) {}

SqliteSettingsStore::~SqliteSettingsStore() {
    for (sqlite3_stmt* statement : {beginRead_, commitRead_, openKey_, readValue_, writeValue_, createKey_, deleteValue_,
                                    listSubKeys_, listValues_}) {
        sqlite3_finalize(statement);
    }
    if ((transactionDepth_ > 0 || readTransactionOpen_) && !sqlite3_get_autocommit(db_)) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db_);
}

std::string SqliteSettingsStore::Prepare(StoreAccess access) {
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);

    // Look before writing anything: the file may be some other program's, or not a database.
    enum class Contents { Ours, Empty, Foreign, OtherVersion };
    std::string error;
    auto inspect = [&]() -> std::optional<Contents> {
        sqlite3_int64 tables = 0, applicationId = 0, version = 0;
        for (auto [sql, result] : {std::pair{"SELECT count(*) FROM sqlite_schema", &tables},
                                   std::pair{"PRAGMA application_id", &applicationId},
                                   std::pair{"PRAGMA user_version", &version}}) {
            sqlite3_stmt* statement = nullptr;
            int rc = sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr);
            if (rc == SQLITE_OK) {
                rc = sqlite3_step(statement);
            }
            if (rc != SQLITE_ROW) {
                error = sqlite3_errmsg(db_);
                sqlite3_finalize(statement);
                return std::nullopt;
            }
            *result = sqlite3_column_int64(statement, 0);
            sqlite3_finalize(statement);
        }
        if (applicationId == kApplicationId) {
            return version == kFormatVersion ? Contents::Ours : Contents::OtherVersion;
        }
        return tables == 0 && applicationId == 0 ? Contents::Empty : Contents::Foreign;
    };

    std::optional<Contents> contents = inspect();
    if (contents == Contents::Empty && access == StoreAccess::ReadWrite) {
        // Another process may be creating the same new store; the write lock settles who does.
        if (!Execute("BEGIN IMMEDIATE").ok()) {
            return sqlite3_errmsg(db_);
        }
        contents = inspect();
        if (contents == Contents::Empty) {
            const std::string create = std::string(kCreateTables) +
                                       "PRAGMA application_id = " + std::to_string(kApplicationId) +
                                       "; PRAGMA user_version = " + std::to_string(kFormatVersion) + ";";
            if (!Execute(create.c_str()).ok()) {
                error = sqlite3_errmsg(db_);
                Execute("ROLLBACK");
                return error;
            }
            contents = Contents::Ours;
        }
        if (!Execute("COMMIT").ok()) {
            error = sqlite3_errmsg(db_);
            Execute("ROLLBACK");
            return error;
        }
    }
    if (!contents) {
        return error;
    }
    switch (*contents) {
        case Contents::Ours:
            break;
        case Contents::Empty:
            return "it holds no settings yet";
        case Contents::Foreign:
            return "it is a database of some other program, not a Corvane settings store";
        case Contents::OtherVersion:
            return "it was written by a different version of Corvane";
    }

    if (access == StoreAccess::ReadWrite) {
        // journal_mode answers with the mode in force; WAL stays set in the file once set.
        if (!Execute("PRAGMA journal_mode = WAL").ok() || !Execute("PRAGMA synchronous = FULL").ok()) {
            return sqlite3_errmsg(db_);
        }
    }

    const std::pair<sqlite3_stmt**, const char*> statements[] = {
        {&beginRead_, "BEGIN"},
        {&commitRead_, "COMMIT"},
        {&openKey_, "SELECT path, id FROM keys WHERE folded = ?1"},
        {&readValue_,
         "SELECT v.data, v.key IS NOT NULL FROM keys k "
         "LEFT JOIN vals v ON v.key = k.id AND v.folded = ?2 WHERE k.folded = ?1"},
        {&writeValue_,
         "INSERT INTO vals(key, folded, name, data) SELECT id, ?2, ?3, ?4 FROM keys WHERE folded = ?1 "
         "ON CONFLICT(key, folded) DO UPDATE SET data = excluded.data"},
        {&createKey_,
         "INSERT INTO keys(parent, name, path, folded) VALUES(?1, ?2, ?3, ?4) ON CONFLICT(folded) DO NOTHING"},
        {&deleteValue_,
         "DELETE FROM vals WHERE key = (SELECT id FROM keys WHERE folded = ?1) AND folded = ?2"},
        {&listSubKeys_,
         "SELECT c.name FROM keys p JOIN keys c ON c.parent = p.id WHERE p.folded = ?1 ORDER BY c.folded"},
        {&listValues_,
         "SELECT v.name, v.data FROM keys k JOIN vals v ON v.key = k.id WHERE k.folded = ?1 ORDER BY v.folded"},
    };
    for (const auto& [statement, sql] : statements) {
        if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, statement, nullptr) !=
            SQLITE_OK) {
            return sqlite3_errmsg(db_);
        }
    }
    return {};
}

StoreResult SqliteSettingsStore::Execute(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK ? StoreResult::Success()
                                                                          : Failure();
}

StoreResult SqliteSettingsStore::Failure() {
    std::string description = sqlite3_errmsg(db_);
    if (transactionDepth_ > 0 && transactionError_.empty()) {
        transactionError_ = description;
    }
    return StoreResult::Failure(std::move(description));
}

bool SqliteSettingsStore::TransactionLost() const {
    return transactionDepth_ > 0 && sqlite3_get_autocommit(db_);
}

StoreResult SqliteSettingsStore::LostTransactionFailure() const {
    return StoreResult::Failure(transactionError_.empty() ? "the store dropped its transaction"
                                                          : transactionError_);
}

template <typename Write>
StoreResult SqliteSettingsStore::RunWrite(Write write) {
    EndReadTransaction();
    if (TransactionLost()) {
        return LostTransactionFailure();
    }
    if (transactionDepth_ > 0) {
        return write();
    }
    // A write of its own still takes the write lock up front: a deferred transaction that has
    // to upgrade after another process committed fails at once instead of waiting.
    if (StoreResult begun = Execute("BEGIN IMMEDIATE"); !begun.ok()) {
        return begun;
    }
    StoreResult result = write();
    if (result.outcome == StoreOutcome::Ok) {
        if (StoreResult committed = Execute("COMMIT"); !committed.ok()) {
            result = committed;
        }
    }
    if (!sqlite3_get_autocommit(db_)) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    return result;
}

StoreResult SqliteSettingsStore::OpenKey(std::string_view path) {
    JoinReadGroup();
    Statement statement(openKey_);
    switch (statement.BindFolded(1, path).Step()) {
        case SQLITE_ROW:
            return StoreResult::Success(statement.Text(0));
        case SQLITE_DONE:
            return {StoreOutcome::KeyMissing, {}};
        default:
            return Failure();
    }
}

StoreResult SqliteSettingsStore::CreateSubKey(std::string_view parentPath, std::string_view name) {
    if (name.empty()) {
        return {StoreOutcome::Refused, "a key name cannot be empty"};
    }
    if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
        return {StoreOutcome::Refused, "a key name cannot hold control characters"};
    }
    return RunWrite([&]() -> StoreResult {
        std::string parentStoredPath;
        sqlite3_int64 parentId = 0;
        {
            Statement parent(openKey_);
            switch (parent.BindFolded(1, parentPath).Step()) {
                case SQLITE_ROW:
                    parentStoredPath = parent.Text(0);
                    parentId = parent.Number(1);
                    break;
                case SQLITE_DONE:
                    return {StoreOutcome::KeyMissing, {}};
                default:
                    return Failure();
            }
        }
        if (CountComponents(parentStoredPath) >= kMaxPathComponents) {
            return {StoreOutcome::Refused,
                    "a key path has at most " + std::to_string(kMaxPathComponents) + " components"};
        }
        const std::string path =
            parentId == kRootKeyId ? std::string(name) : parentStoredPath + "\\" + std::string(name);
        Statement insert(createKey_);
        return insert.Bind(1, parentId).Bind(2, name).Bind(3, path).BindFolded(4, path).Step() == SQLITE_DONE
                   ? StoreResult::Success()
                   : Failure();
    });
}

StoreResult SqliteSettingsStore::ReadValue(std::string_view path, std::string_view name) {
    JoinReadGroup();
    Statement statement(readValue_);
    switch (statement.BindFolded(1, path).BindFolded(2, name).Step()) {
        case SQLITE_ROW:
            return statement.Number(1) ? StoreResult::Success(statement.Text(0))
                                       : StoreResult{StoreOutcome::ValueMissing, {}};
        case SQLITE_DONE:
            return {StoreOutcome::KeyMissing, {}};
        default:
            return Failure();
    }
}

StoreResult SqliteSettingsStore::WriteValue(std::string_view path, std::string_view name,
                                            std::string_view text) {
    return RunWrite([&]() -> StoreResult {
        Statement statement(writeValue_);
        if (statement.BindFolded(1, path).BindFolded(2, name).Bind(3, name).Bind(4, text).Step() != SQLITE_DONE) {
            return Failure();
        }
        return sqlite3_changes(db_) > 0 ? StoreResult::Success()
                                        : StoreResult{StoreOutcome::KeyMissing, {}};
    });
}

StoreResult SqliteSettingsStore::DeleteValue(std::string_view path, std::string_view name) {
    return RunWrite([&]() -> StoreResult {
        if (StoreResult key = OpenKey(path); !key.ok()) {
            return key;
        }
        Statement statement(deleteValue_);
        if (statement.BindFolded(1, path).BindFolded(2, name).Step() != SQLITE_DONE) {
            return Failure();
        }
        return sqlite3_changes(db_) > 0 ? StoreResult::Success()
                                        : StoreResult{StoreOutcome::ValueMissing, {}};
    });
}

StoreResult SqliteSettingsStore::ListSubKeys(std::string_view path, std::vector<std::string>& names) {
    names.clear();
    if (StoreResult key = OpenKey(path); !key.ok()) {
        return key;
    }
    Statement statement(listSubKeys_);
    statement.BindFolded(1, path);
    int rc;
    while ((rc = statement.Step()) == SQLITE_ROW) {
        names.push_back(statement.Text(0));
    }
    return rc == SQLITE_DONE ? StoreResult::Success() : Failure();
}

StoreResult SqliteSettingsStore::ListValues(std::string_view path, std::vector<StoredValue>& values) {
    values.clear();
    if (StoreResult key = OpenKey(path); !key.ok()) {
        return key;
    }
    Statement statement(listValues_);
    statement.BindFolded(1, path);
    int rc;
    while ((rc = statement.Step()) == SQLITE_ROW) {
        values.push_back({statement.Text(0), statement.Text(1)});
    }
    return rc == SQLITE_DONE ? StoreResult::Success() : Failure();
}

StoreResult SqliteSettingsStore::BeginTransaction() {
    EndReadTransaction();
    if (TransactionLost()) {
        ++transactionDepth_;
        return LostTransactionFailure();
    }
    if (transactionDepth_ == 0) {
        transactionError_.clear();
    }
    const std::string sql =
        transactionDepth_ == 0 ? "BEGIN IMMEDIATE" : "SAVEPOINT g" + std::to_string(transactionDepth_);
    ++transactionDepth_;
    StoreResult result = Execute(sql.c_str());
    if (!result.ok() && transactionError_.empty()) {
        transactionError_ = result.text;
    }
    return result;
}

StoreResult SqliteSettingsStore::CommitTransaction() {
    if (transactionDepth_ == 0) {
        return StoreResult::Success();
    }
    if (TransactionLost()) {
        StoreResult lost = LostTransactionFailure();
        --transactionDepth_;
        return lost;
    }
    --transactionDepth_;
    const std::string sql =
        transactionDepth_ == 0 ? "COMMIT" : "RELEASE g" + std::to_string(transactionDepth_);
    StoreResult result = Execute(sql.c_str());
    if (!result.ok() && transactionDepth_ == 0 && !sqlite3_get_autocommit(db_)) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    return result;
}

void SqliteSettingsStore::RollbackTransaction() {
    if (transactionDepth_ == 0) {
        return;
    }
    const bool lost = TransactionLost();
    --transactionDepth_;
    if (lost) {
        return;
    }
    const std::string sql = transactionDepth_ == 0
                                ? std::string("ROLLBACK")
                                : "ROLLBACK TO g" + std::to_string(transactionDepth_) +
                                      "; RELEASE g" + std::to_string(transactionDepth_);
    sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
}

void SqliteSettingsStore::BeginReadGroup() { ++readGroupDepth_; }

void SqliteSettingsStore::JoinReadGroup() {
    // Opened at the group's first read, so a group that reads nothing costs nothing. A failed
    // BEGIN only leaves the reads to run one by one.
    if (readGroupDepth_ > 0 && !readTransactionOpen_ && transactionDepth_ == 0 && sqlite3_get_autocommit(db_)) {
        Statement begin(beginRead_);
        readTransactionOpen_ = begin.Step() == SQLITE_DONE;
    }
}

void SqliteSettingsStore::EndReadGroup() {
    if (readGroupDepth_ > 0 && --readGroupDepth_ == 0) {
        EndReadTransaction();
    }
}

void SqliteSettingsStore::EndReadTransaction() {
    if (readTransactionOpen_) {
        readTransactionOpen_ = false;
        if (!sqlite3_get_autocommit(db_)) {
            Statement commit(commitRead_);
            commit.Step();
        }
    }
}

}  // namespace corvane

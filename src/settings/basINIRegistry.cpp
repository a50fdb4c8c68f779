#include "settings/basINIRegistry.h"

#include <string>

#include "platform/ProgramInfo.h"

namespace corvane {
namespace {

constexpr std::string_view kCrLf = "\r\n";
// A read takes at most this many bytes including the terminating zero, so 2046 characters.
constexpr std::size_t kReadCapacity = 2047;

// What a read of the stored text gives: its leading spaces dropped, cut before a zero character.
std::string AsRead(std::string_view stored) {
    const std::size_t start = stored.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return {};
    }
    stored.remove_prefix(start);
    return std::string(stored.substr(0, stored.find('\0')));
}

}  // namespace

std::string_view NormaliseKeyPath(std::string_view path) {
    if (path.starts_with('\\')) {
        path.remove_prefix(1);
    }
    if (path.ends_with('\\')) {
        path.remove_suffix(1);
    }
    return path;
}

void basINIRegistry::ReportFailure(std::string_view text) {
    ++failureCount_;
    messages_.ShowMessage(kProgramTitle, text, MessageIcon::Warning);
}

void basINIRegistry::ReportCannotOpen(std::string_view path) {
    ReportFailure(std::string("Unable to Open the Registry Path: ").append(kCrLf).append("[").append(path).append("]"));
}

void basINIRegistry::CreateRegKey(std::uint32_t root, std::string_view keyPath) {
    const std::string_view path = NormaliseKeyPath(keyPath);
    std::string accumulated;
    std::string parent;
    std::size_t start = 0;
    while (start <= path.size() && !path.empty()) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        const std::string_view component = path.substr(start, end - start);
        if (!accumulated.empty()) {
            accumulated += '\\';
        }
        accumulated += component;

        const StoreResult opened = root == HKEY_LOCAL_MACHINE
                                       ? store_.OpenKey(accumulated)
                                       : StoreResult{StoreOutcome::KeyMissing, {}};
        if (opened.outcome == StoreOutcome::Failed) {
            ReportFailure(opened.text);
            return;
        }
        if (!opened.ok()) {
            const StoreResult created = root == HKEY_LOCAL_MACHINE
                                            ? store_.CreateSubKey(parent, component)
                                            : StoreResult{StoreOutcome::KeyMissing, {}};
            if (created.outcome == StoreOutcome::Failed) {
                ReportFailure(created.text);
                return;
            }
            if (!created.ok()) {
                ReportFailure(std::string("Unable to Create the Registry Key [")
                                  .append(component).append("]").append(kCrLf)
                                  .append("From the Path:").append(kCrLf)
                                  .append("[").append(parent).append("]"));
                return;
            }
        }
        parent = accumulated;
        start = end + 1;
    }
}

SettingValue basINIRegistry::GetRegValue(std::uint32_t root, std::string_view keyPath,
                                         std::string_view valueName) {
    const std::string_view path = NormaliseKeyPath(keyPath);
    const StoreResult read = root == HKEY_LOCAL_MACHINE ? store_.ReadValue(path, valueName)
                                                        : StoreResult{StoreOutcome::KeyMissing, {}};
    switch (read.outcome) {
        case StoreOutcome::Ok:
            if (read.text.size() + 1 > kReadCapacity) {
                return {};
            }
            return SettingValue(AsRead(read.text));
        case StoreOutcome::KeyMissing:
            ReportCannotOpen(path);
            return {};
        case StoreOutcome::Failed:
            ReportFailure(read.text);
            return {};
        default:
            return {};
    }
}

bool basINIRegistry::RegKeyExists(std::uint32_t root, std::string_view keyPath) {
    if (root != HKEY_LOCAL_MACHINE) {
        return false;
    }
    const StoreResult opened = store_.OpenKey(NormaliseKeyPath(keyPath));
    if (opened.outcome == StoreOutcome::Failed) {
        ReportFailure(opened.text);
    }
    return opened.ok();
}

bool basINIRegistry::RegValueExists(std::uint32_t root, std::string_view keyPath,
                                    std::string_view valueName) {
    if (root != HKEY_LOCAL_MACHINE) {
        return false;
    }
    const StoreResult read = store_.ReadValue(NormaliseKeyPath(keyPath), valueName);
    if (read.outcome == StoreOutcome::Failed) {
        ReportFailure(read.text);
    }
    return read.ok();
}

void basINIRegistry::SetRegValue(std::uint32_t root, std::string_view keyPath,
                                 std::string_view valueName, std::string_view text) {
    const std::string_view path = NormaliseKeyPath(keyPath);
    const StoreResult written = root == HKEY_LOCAL_MACHINE
                                    ? store_.WriteValue(path, valueName, text)
                                    : StoreResult{StoreOutcome::KeyMissing, {}};
    switch (written.outcome) {
        case StoreOutcome::Ok:
            return;
        case StoreOutcome::KeyMissing:
            ReportCannotOpen(path);
            return;
        case StoreOutcome::Failed:
            ReportFailure(written.text);
            return;
        default:
            ReportFailure(std::string("Unable to find a Key named [")
                              .append(valueName).append("]").append(kCrLf)
                              .append("In the registry path: ").append(kCrLf)
                              .append("[").append(path).append("]"));
            return;
    }
}

basINIRegistry::Transaction::Transaction(basINIRegistry& registry)
    : registry_(registry), failuresAtStart_(registry.failureCount_) {
    if (StoreResult begun = registry_.store_.BeginTransaction(); !begun.ok()) {
        registry_.ReportFailure(begun.text);
    }
}

basINIRegistry::Transaction::~Transaction() {
    if (open_) {
        registry_.store_.RollbackTransaction();
    }
}

bool basINIRegistry::Transaction::Commit() {
    if (!open_) {
        return false;
    }
    open_ = false;
    if (registry_.failureCount_ != failuresAtStart_) {
        registry_.store_.RollbackTransaction();
        return false;
    }
    if (StoreResult committed = registry_.store_.CommitTransaction(); !committed.ok()) {
        registry_.ReportFailure(committed.text);
        return false;
    }
    return true;
}

}  // namespace corvane

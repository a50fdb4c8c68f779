#include "TempStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace corvane::testing {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvane-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary folder";
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::unique_ptr<SqliteSettingsStore> OpenStore(const std::string& path, StoreAccess access) {
    OpenedStore opened = SqliteSettingsStore::Open(path, access);
    if (!opened.store) {
        // Every test after this would only dereference nothing; stop with the reason instead.
        std::cerr << "cannot open the test store " << path << ": " << opened.error << '\n';
        std::abort();
    }
    return std::move(opened.store);
}

}  // namespace corvane::testing

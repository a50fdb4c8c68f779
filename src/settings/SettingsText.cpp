#include "settings/SettingsText.h"

#include <optional>

namespace corvane {

std::string QuotedText(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '\\': quoted += "\\\\"; break;
            case '"': quoted += "\\\""; break;
            case '\r': quoted += "\\r"; break;
            case '\n': quoted += "\\n"; break;
            case '\0': quoted += "\\0"; break;
            default: quoted += c;
        }
    }
    return quoted + '"';
}

namespace {

// Reads a quoted text starting at `position`; leaves `position` after the closing quote.
std::optional<std::string> Unquote(std::string_view line, std::size_t& position) {
    if (position >= line.size() || line[position] != '"') {
        return std::nullopt;
    }
    std::string text;
    for (++position; position < line.size(); ++position) {
        char c = line[position];
        if (c == '"') {
            ++position;
            return text;
        }
        if (c == '\\') {
            if (++position == line.size()) {
                return std::nullopt;
            }
            switch (line[position]) {
                case '\\': c = '\\'; break;
                case '"': c = '"'; break;
                case 'r': c = '\r'; break;
                case 'n': c = '\n'; break;
                case '0': c = '\0'; break;
                default: return std::nullopt;
            }
        }
        text += c;
    }
    return std::nullopt;
}

StoreResult DumpKey(SettingsStore& store, const std::string& path, bool& first, std::ostream& out) {
    std::vector<StoredValue> values;
    std::vector<std::string> subKeys;
    if (StoreResult listed = store.ListValues(path, values); !listed.ok()) {
        return listed;
    }
    if (StoreResult listed = store.ListSubKeys(path, subKeys); !listed.ok()) {
        return listed;
    }
    if (!path.empty() || !values.empty()) {
        out << (first ? "" : "\n") << '[' << path << "]\n";
        first = false;
        for (const StoredValue& value : values) {
            out << QuotedText(value.name) << '=' << QuotedText(value.text) << '\n';
        }
    }
    for (const std::string& subKey : subKeys) {
        if (StoreResult dumped = DumpKey(store, path.empty() ? subKey : path + '\\' + subKey, first, out);
            !dumped.ok()) {
            return dumped;
        }
    }
    return StoreResult::Success();
}

}  // namespace

StoreResult DumpSettings(SettingsStore& store, std::string_view path, std::ostream& out) {
    // Start from the stored spelling, so the dump shows names as they were first written.
    StoreResult opened = store.OpenKey(path);
    if (!opened.ok()) {
        return opened;
    }
    bool first = true;
    return DumpKey(store, opened.text, first, out);
}

ParsedSettingsText ParseSettingsText(std::istream& in) {
    ParsedSettingsText parsed;
    std::string line;
    int number = 0;
    auto fail = [&](std::string error) {
        parsed.keys.clear();
        parsed.errorLine = number;
        parsed.error = std::move(error);
        return parsed;
    };
    while (std::getline(in, line)) {
        ++number;
        if (line.ends_with('\r')) {  // a file saved with CR LF line ends
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        if (line.front() == '[') {
            if (!line.ends_with(']') || line.size() < 2) {
                return fail("a key line must end with ]");
            }
            parsed.keys.push_back({line.substr(1, line.size() - 2), {}});
            continue;
        }
        if (line.front() != '"') {
            return fail("expected a [KEY] line or a \"NAME\"=\"TEXT\" line");
        }
        if (parsed.keys.empty()) {
            return fail("a value comes before any [KEY] line");
        }
        std::size_t position = 0;
        std::optional<std::string> name = Unquote(line, position);
        if (!name || position >= line.size() || line[position] != '=') {
            return fail("expected \"NAME\"= with the name in double quotes");
        }
        ++position;
        std::optional<std::string> text = Unquote(line, position);
        if (!text || position != line.size()) {
            return fail("expected =\"TEXT\" with the text in double quotes, and nothing after it");
        }
        parsed.keys.back().values.push_back({std::move(*name), std::move(*text)});
    }
    if (in.bad()) {
        return fail("the file could not be read to its end");
    }
    return parsed;
}

bool ImportSettings(basINIRegistry& registry, const std::vector<SettingsTextKey>& keys) {
    basINIRegistry::Transaction transaction(registry);
    for (const SettingsTextKey& key : keys) {
        registry.CreateRegKey(HKEY_LOCAL_MACHINE, key.path);
        for (const StoredValue& value : key.values) {
            registry.SetRegValue(HKEY_LOCAL_MACHINE, key.path, value.name, value.text);
        }
    }
    return transaction.Commit();
}

}  // namespace corvane

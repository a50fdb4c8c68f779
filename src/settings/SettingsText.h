#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SettingsStore.h"
#include "settings/basINIRegistry.h"

// The settings as text, for backups and for moving timing plans between machines:
//
//   [SOFTWARE\Vek\Corvane\Prog1]
//   "Days"="1"
//   "Flash"="0"
//
// one [PATH] line per key (as first spelled, without the leading "\"), then one "NAME"="TEXT"
// line per value, a blank line between keys; keys depth first, sub-keys and values in
// case-insensitive name order. In names and texts "\" and '"' are escaped with a backslash, and
// so are carriage return, line feed and the zero character (\r, \n, \0), which would otherwise
// break the lines.

namespace corvane {

// `text` in double quotes, with "\" and '"' escaped by a backslash and carriage return, line feed
// and the zero character written \r, \n and \0.
std::string QuotedText(std::string_view text);

// Writes the key at `path` (normalised; "" for everything) and all below it. The root itself
// gets a "[]" line only when it holds values.
StoreResult DumpSettings(SettingsStore& store, std::string_view path, std::ostream& out);

struct SettingsTextKey {
    std::string path;
    std::vector<StoredValue> values;
};

struct ParsedSettingsText {
    std::vector<SettingsTextKey> keys;
    int errorLine = 0;  // 0 when the text is well formed
    std::string error;
};

ParsedSettingsText ParseSettingsText(std::istream& in);

// Creates every key and sets every value of parsed text as one group: true when all of it is in
// the store, false (with the store unchanged) when any operation failed.
bool ImportSettings(basINIRegistry& registry, const std::vector<SettingsTextKey>& keys);

}  // namespace corvane

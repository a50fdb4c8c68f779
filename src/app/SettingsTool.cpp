#include "app/SettingsTool.h"

#include <fstream>
#include <iostream>
#include <map>
#include <memory>

#include "platform/StreamMessageSink.h"
#include "preview/PreviewHead.h"
#include "settings/LoaderSteps.h"
#include "settings/SettingsSchema.h"
#include "settings/SettingsText.h"
#include "settings/SqliteSettingsStore.h"
#include "settings/StoreLocation.h"
#include "settings/basINIRegistry.h"

namespace corvane {
namespace {

constexpr int kTrueOrSuccess = 0;
constexpr int kFalseOrMissing = 1;
constexpr int kError = 2;

constexpr const char* kUsage = R"(usage: corvane-settings [--store PATH] COMMAND [ARGUMENTS]

The settings store of the Corvane traffic-signal controller on the command line.
Keys are paths such as "\SOFTWARE\Vek\Corvane\Prog1"; names match without regard to case.

Commands:
  create-key KEY           create KEY, and every missing key above it
  key-exists KEY           exit status 0 when KEY exists, 1 when it does not
  value-exists KEY NAME    exit status 0 when KEY holds a value NAME, 1 when not
  get KEY NAME             print the value's text (as the controller reads it);
                           exit status 1 when it is missing
  set KEY NAME TEXT        write TEXT as value NAME of KEY; KEY must exist
  delete-value KEY NAME    delete one value; exit status 1 when it is missing
  init                     create every missing timing program and default value,
                           as the controller does when it starts
  dump [KEY]               print KEY (default: the whole store) and everything below it
  import FILE              read a dump back ("-" for standard input), all or nothing

Options:
  --store PATH             the store file; otherwise $CORVANE_STORE, otherwise
                           /var/lib/corvane/settings.db
  --help                   show this text

Exit status: 0 success or true, 1 false or missing, 2 error.
)";

struct Command {
    std::size_t minArguments;
    std::size_t maxArguments;
    StoreAccess access;
};

const std::map<std::string, Command, std::less<>> kCommands = {
    {"create-key", {1, 1, StoreAccess::ReadWrite}},   {"key-exists", {1, 1, StoreAccess::ReadOnly}},
    {"value-exists", {2, 2, StoreAccess::ReadOnly}},  {"get", {2, 2, StoreAccess::ReadOnly}},
    {"set", {3, 3, StoreAccess::ReadWrite}},          {"delete-value", {2, 2, StoreAccess::ReadWrite}},
    {"init", {0, 0, StoreAccess::ReadWrite}},         {"dump", {0, 1, StoreAccess::ReadOnly}},
    {"import", {1, 1, StoreAccess::ReadWrite}},
};

int UsageError(std::ostream& err, const std::string& problem) {
    err << "corvane-settings: " << problem << "\n\n" << kUsage;
    return kError;
}

int Run(const std::string& command, const std::vector<std::string>& args, SettingsStore& store,
        basINIRegistry& registry, std::ostream& out, std::ostream& err) {
    const int failuresBefore = registry.FailureCount();
    auto status = [&](bool result) {
        if (registry.FailureCount() != failuresBefore) {
            return kError;
        }
        return result ? kTrueOrSuccess : kFalseOrMissing;
    };
    if (command == "create-key") {
        registry.CreateRegKey(HKEY_LOCAL_MACHINE, args[0]);
        return status(true);
    }
    if (command == "key-exists") {
        return status(registry.RegKeyExists(HKEY_LOCAL_MACHINE, args[0]));
    }
    if (command == "value-exists") {
        return status(registry.RegValueExists(HKEY_LOCAL_MACHINE, args[0], args[1]));
    }
    if (command == "get") {
        const SettingValue value = registry.GetRegValue(HKEY_LOCAL_MACHINE, args[0], args[1]);
        if (!value.IsEmpty()) {
            out << value.Text() << '\n';
        }
        return status(!value.IsEmpty());
    }
    if (command == "set") {
        registry.SetRegValue(HKEY_LOCAL_MACHINE, args[0], args[1], args[2]);
        return status(true);
    }
    if (command == "init") {
        PreviewTables unused;
        for (int program = 0; program < kProgramCount; ++program) {
            EnsureProgram(registry, program);
        }
        CheckMissingValues(registry, unused);
        return status(true);
    }
    if (command == "delete-value" || command == "dump") {
        const std::string_view path = NormaliseKeyPath(args.empty() ? std::string_view() : args[0]);
        const StoreResult result = command == "dump" ? DumpSettings(store, path, out)
                                                     : store.DeleteValue(path, args[1]);
        switch (result.outcome) {
            case StoreOutcome::Ok:
                return kTrueOrSuccess;
            case StoreOutcome::ValueMissing:
                return kFalseOrMissing;
            case StoreOutcome::KeyMissing:
                err << "corvane-settings: there is no key [" << path << "]\n";
                return kError;
            default:
                err << "corvane-settings: " << result.text << '\n';
                return kError;
        }
    }
    // import
    std::ifstream file;
    std::istream* in = &std::cin;
    if (args[0] != "-") {
        file.open(args[0], std::ios::binary);
        if (!file) {
            err << "corvane-settings: cannot read " << args[0] << '\n';
            return kError;
        }
        in = &file;
    }
    const ParsedSettingsText parsed = ParseSettingsText(*in);
    if (parsed.errorLine != 0) {
        err << "corvane-settings: " << args[0] << ", line " << parsed.errorLine << ": " << parsed.error
            << "; nothing was imported\n";
        return kError;
    }
    if (!ImportSettings(registry, parsed.keys)) {
        err << "corvane-settings: nothing was imported\n";
        return kError;
    }
    return kTrueOrSuccess;
}

}  // namespace

int RunSettingsTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::string storePath = DefaultStorePath();
    std::size_t next = 0;
    while (next < arguments.size() && arguments[next].starts_with("--")) {
        const std::string& option = arguments[next];
        if (option == "--help") {
            out << kUsage;
            return kTrueOrSuccess;
        }
        if (option == "--store" && next + 1 < arguments.size()) {
            storePath = arguments[next + 1];
            next += 2;
        } else if (option.starts_with("--store=")) {
            storePath = option.substr(8);
            ++next;
        } else {
            return UsageError(err, "unknown option " + option);
        }
    }
    if (next == arguments.size()) {
        return UsageError(err, "no command given");
    }
    const std::string& command = arguments[next];
    const auto found = kCommands.find(command);
    if (found == kCommands.end()) {
        return UsageError(err, "unknown command " + command);
    }
    const std::vector<std::string> args(arguments.begin() + static_cast<std::ptrdiff_t>(next) + 1,
                                        arguments.end());
    if (args.size() < found->second.minArguments || args.size() > found->second.maxArguments) {
        return UsageError(err, "wrong number of arguments for " + command);
    }

    OpenedStore opened = SqliteSettingsStore::Open(storePath, found->second.access);
    if (!opened.store) {
        err << "corvane-settings: cannot use the settings store " << storePath << ": " << opened.error
            << '\n';
        return kError;
    }
    StreamMessageSink messages(err, "corvane-settings: ");
    basINIRegistry registry(*opened.store, messages);
    return Run(command, args, *opened.store, registry, out, err);
}

}  // namespace corvane

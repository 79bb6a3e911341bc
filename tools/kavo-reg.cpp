// kavo-reg: query and change the settings hives in the manner of `reg`.
//   kavo-reg query  KEY [/v NAME]
//   kavo-reg add    KEY [/v NAME] [/t REG_DWORD|REG_QWORD|REG_SZ|REG_BINARY] [/d DATA] [/f]
//   kavo-reg delete KEY [/v NAME] [/f]
//   kavo-reg /?   (or -h, --help)
// KEY is HKCU\SOFTWARE\Kavo\... or HKLM\SOFTWARE\Kavo\... (long root names too).
// Exit codes, as reg's: 0 done, 1 failed, not found or bad command line.
#include "ipc/refcountedptr.h"
#include "ipc/textconvert.h"
#include "settings/kavosettings.h"
#include "settings/namefold.h"
#include "settings/registry.h"

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 1;

const char *const Usage
    = "Usage:\n"
      "  kavo-reg query  KEY [/v NAME]\n"
      "  kavo-reg add    KEY [/v NAME] [/t REG_DWORD|REG_QWORD|REG_SZ|REG_BINARY] [/d DATA] [/f]\n"
      "  kavo-reg delete KEY [/v NAME] [/f]\n"
      "  kavo-reg /?\n"
      "KEY: HKCU\\SOFTWARE\\Kavo\\<path> or HKLM\\SOFTWARE\\Kavo\\<path>\n"
      "add needs /v NAME to write a value: there is no unnamed default value.\n";

const char *const NotFound = "ERROR: The system was unable to find the specified registry key or value.\n";

std::string upper(std::string text)
{
    for (char &c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

struct Command
{
    std::string verb;
    bool machine = false;
    std::string rootName; // as printed: HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE
    std::string below; // the path below SOFTWARE\Kavo\, as given
    std::string value;
    bool hasValue = false;
    std::string type = "REG_SZ";
    std::string data;
};

int usageError(const char *message)
{
    std::fprintf(stderr, "ERROR: %s\n%s", message, Usage);
    return ExitUsage;
}

bool parseKey(const std::string &key, Command &command)
{
    const auto slash = key.find('\\');
    const std::string root = upper(key.substr(0, slash));
    if (root == "HKCU" || root == "HKEY_CURRENT_USER") {
        command.rootName = "HKEY_CURRENT_USER";
    } else if (root == "HKLM" || root == "HKEY_LOCAL_MACHINE") {
        command.rootName = "HKEY_LOCAL_MACHINE";
        command.machine = true;
    } else {
        return false;
    }
    if (slash == std::string::npos)
        return false;
    const std::string path = key.substr(slash + 1);
    const std::string prefix = "SOFTWARE\\KAVO\\";
    if (upper(path.substr(0, prefix.size())) != prefix || path.size() == prefix.size())
        return false;
    command.below = path.substr(prefix.size());
    while (!command.below.empty() && command.below.back() == '\\')
        command.below.pop_back();
    return !command.below.empty();
}

bool hasEmptySegment(const std::string &below)
{
    return below.front() == '\\' || below.front() == '/' || below.find("\\\\") != std::string::npos
        || below.find("//") != std::string::npos || below.find("\\/") != std::string::npos
        || below.find("/\\") != std::string::npos || below.back() == '/';
}

bool isHelp(const char *argument)
{
    return std::strcmp(argument, "/?") == 0 || std::strcmp(argument, "-?") == 0
        || std::strcmp(argument, "-h") == 0 || std::strcmp(argument, "--help") == 0;
}

int parse(int argc, char **argv, Command &command)
{
    if (argc < 3)
        return usageError("a command and a key are needed.");
    command.verb = upper(argv[1]);
    if (command.verb != "QUERY" && command.verb != "ADD" && command.verb != "DELETE")
        return usageError("the command must be query, add or delete.");
    if (!parseKey(argv[2], command))
        return usageError("the key must be HKCU or HKLM followed by \\SOFTWARE\\Kavo\\ and a path.");
    if (hasEmptySegment(command.below))
        return usageError("the key path has an empty segment (two separators in a row).");
    bool hasData = false;
    bool hasType = false;
    for (int i = 3; i < argc; ++i) {
        std::string option = upper(argv[i]);
        if (!option.empty() && option[0] == '-')
            option[0] = '/';
        const bool takesArgument = option == "/V" || option == "/T" || option == "/D";
        if (takesArgument && i + 1 >= argc)
            return usageError("an option lacks its argument.");
        if (option == "/V") {
            command.value = argv[++i];
            command.hasValue = true;
        } else if (option == "/T" && command.verb == "ADD") {
            command.type = upper(argv[++i]);
            hasType = true;
        } else if (option == "/D" && command.verb == "ADD") {
            command.data = argv[++i];
            hasData = true;
        } else if (option == "/VE") {
            return usageError("there is no unnamed default value: name the value with /v NAME.");
        } else if (option == "/F" && command.verb != "QUERY") {
            // Nothing is ever asked, so forcing changes nothing.
        } else {
            return usageError("unknown or misplaced option.");
        }
    }
    if (command.hasValue && command.value.empty())
        return usageError("the value name must not be empty.");
    if (command.verb == "ADD" && !command.hasValue && (hasData || hasType))
        return usageError("/d and /t need /v NAME: there is no unnamed default value.");
    if (command.verb == "ADD" && command.type != "REG_DWORD" && command.type != "REG_QWORD"
        && command.type != "REG_SZ" && command.type != "REG_BINARY")
        return usageError("the type must be REG_DWORD, REG_QWORD, REG_SZ or REG_BINARY.");
    return ExitOk;
}

bool parseUnsigned(const std::string &text, uint64_t max, uint64_t &out)
{
    if (text.empty() || text[0] == '-' || text[0] == '+' || text[0] == ' ')
        return false;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    errno = 0;
    char *end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, hex ? 16 : 10);
    if (errno != 0 || !end || *end != '\0' || value > max)
        return false;
    out = value;
    return true;
}

bool parseHex(const std::string &text, std::vector<unsigned char> &out)
{
    if (text.size() % 2 != 0)
        return false;
    for (size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        for (size_t j = i; j < i + 2; ++j) {
            const char c = text[j];
            value <<= 4;
            if (c >= '0' && c <= '9')
                value |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                value |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                value |= static_cast<unsigned>(c - 'A' + 10);
            else
                return false;
        }
        out.push_back(static_cast<unsigned char>(value));
    }
    return true;
}

// The settings interface has a typed read per encoding; the one that accepts
// the value tells its type.
bool describe(kvds::IKavoSettings &key, const std::string &name, std::string &type, std::string &shown)
{
    char buffer[32];
    float f = 0;
    if (key.GetFloat(name, f)) {
        uint32_t bits = 0;
        std::memcpy(&bits, &f, 4);
        std::snprintf(buffer, sizeof buffer, "0x%" PRIx32, bits);
        type = "REG_DWORD";
        shown = buffer;
        return true;
    }
    double d = 0;
    if (key.GetDouble(name, d)) {
        uint64_t bits = 0;
        std::memcpy(&bits, &d, 8);
        std::snprintf(buffer, sizeof buffer, "0x%" PRIx64, bits);
        type = "REG_QWORD";
        shown = buffer;
        return true;
    }
    if (key.GetString(name, shown)) {
        type = "REG_SZ";
        return true;
    }
    kvtl::MemoryBuffer<unsigned char> bytes;
    if (key.GetBinary(name, bytes)) {
        type = "REG_BINARY";
        shown.clear();
        for (uint32_t i = 0; i < bytes.Size(); ++i) {
            std::snprintf(buffer, sizeof buffer, "%02X", bytes.Data()[i]);
            shown += buffer;
        }
        return true;
    }
    return false;
}

// The settings interface answers only yes or no; the registry beneath it
// says why a key could not be opened for writing.
void explainUnwritable(const Command &command, bool create)
{
    kvtl::WString path = kvtl::Utf8ToWide("SOFTWARE\\Kavo\\" + command.below);
    std::replace(path.begin(), path.end(), u'/', u'\\');
    const kvreg::Root root = command.machine ? kvreg::Root::LocalMachine : kvreg::Root::CurrentUser;
    kvreg::RegKey key;
    const kvreg::Status status = create ? kvreg::CreateKey(root, path, key)
                                        : kvreg::OpenKey(root, path, kvreg::Access::ReadWrite, key);
    switch (status) {
    case kvreg::ERROR_FILE_NOT_FOUND:
        std::fputs(NotFound, stderr);
        break;
    case kvreg::ERROR_ACCESS_DENIED:
        std::fputs("ERROR: Access is denied: the hive is read-only for this user.\n", stderr);
        break;
    case kvreg::ERROR_INVALID_PARAMETER:
        std::fputs("ERROR: A key name is longer than 255 characters or holds no name.\n", stderr);
        break;
    case kvreg::ERROR_BADDB:
        std::fputs("ERROR: The hive file is damaged or is not a hive.\n", stderr);
        break;
    case kvreg::ERROR_BUSY:
        std::fputs("ERROR: The hive is busy in another process; try again.\n", stderr);
        break;
    default:
        std::fputs(
            create ? "ERROR: The key could not be created.\n" : "ERROR: The key could not be opened.\n",
            stderr);
    }
}

// The name as stored, found the registry's way (without regard to case).
std::string storedName(kvds::IKavoSettings &key, const std::string &typed)
{
    std::set<kvtl::WString> names;
    key.GetValueNames(names);
    const kvtl::WString wanted = kvreg::FoldName(kvtl::Utf8ToWide(typed));
    for (const kvtl::WString &name : names) {
        if (kvreg::FoldName(name) == wanted)
            return kvtl::WideToUtf8(name);
    }
    return typed;
}

std::string fullName(const Command &command)
{
    return command.rootName + "\\SOFTWARE\\Kavo\\" + command.below;
}

int query(const Command &command)
{
    kvtl::RefCountedPtr<kvds::IKavoSettings> key;
    const auto mode = command.machine ? kvds::ReadMachine : kvds::ReadUser;
    if (!kvds::CreateSettings(command.below, mode, &key)) {
        std::fputs(NotFound, stderr);
        return ExitFailed;
    }
    std::set<std::string> names;
    if (command.hasValue) {
        names.insert(storedName(*key, command.value));
    } else if (!key->GetValueNames(names)) {
        std::fputs(NotFound, stderr);
        return ExitFailed;
    }
    std::string out = "\n" + fullName(command) + "\n";
    for (const std::string &name : names) {
        std::string type;
        std::string shown;
        if (describe(*key, name, type, shown)) {
            out += "    " + name + "    " + type + "    " + shown + "\n";
        } else if (command.hasValue) {
            std::fputs(NotFound, stderr);
            return ExitFailed;
        } else {
            out += "    " + name + "    (a type or size this tool does not read)\n";
        }
    }
    if (!command.hasValue) {
        std::set<std::string> subKeys;
        if (key->GetSubKeyNames(subKeys)) {
            out += "\n";
            for (const std::string &sub : subKeys)
                out += fullName(command) + "\\" + sub + "\n";
        }
    }
    std::fputs(out.c_str(), stdout);
    return ExitOk;
}

int add(const Command &command)
{
    // The data is checked before anything is created.
    uint64_t number = 0;
    std::vector<unsigned char> bytes;
    if (command.hasValue) {
        if (command.type == "REG_DWORD" && !parseUnsigned(command.data, 0xFFFFFFFFu, number))
            return usageError("REG_DWORD data must be a number from 0 to 4294967295 (or 0x hex).");
        if (command.type == "REG_QWORD" && !parseUnsigned(command.data, UINT64_MAX, number))
            return usageError("REG_QWORD data must be a number from 0 to 18446744073709551615 (or 0x hex).");
        if (command.type == "REG_BINARY" && !parseHex(command.data, bytes))
            return usageError("REG_BINARY data must be pairs of hex digits.");
    }
    kvtl::RefCountedPtr<kvds::IKavoSettings> key;
    const auto mode = command.machine ? kvds::CreateMachine : kvds::CreateUser;
    if (!kvds::CreateSettings(command.below, mode, &key)) {
        explainUnwritable(command, true);
        return ExitFailed;
    }
    if (command.hasValue) {
        bool stored = false;
        if (command.type == "REG_DWORD") {
            // SetFloat stores exactly these four bytes as a REG_DWORD.
            const uint32_t bits = static_cast<uint32_t>(number);
            float asFloat = 0;
            std::memcpy(&asFloat, &bits, 4);
            stored = key->SetFloat(command.value, asFloat);
        } else if (command.type == "REG_QWORD") {
            stored = key->SetQWord(command.value, number);
        } else if (command.type == "REG_SZ") {
            stored = key->SetString(command.value, command.data);
        } else {
            stored = key->SetBinary(command.value, bytes.data(), static_cast<uint32_t>(bytes.size()));
        }
        if (!stored) {
            std::fputs("ERROR: The value could not be written.\n", stderr);
            return ExitFailed;
        }
    }
    std::puts("The operation completed successfully.");
    return ExitOk;
}

int remove(const Command &command)
{
    kvtl::RefCountedPtr<kvds::IKavoSettings> key;
    const auto mode = command.machine ? kvds::OpenMachine : kvds::OpenUser;
    if (!kvds::CreateSettings(command.below, mode, &key)) {
        explainUnwritable(command, false);
        return ExitFailed;
    }
    const bool removed = command.hasValue ? key->DeleteValue(command.value) : key->DeleteKey();
    if (!removed) {
        std::fputs(command.hasValue ? NotFound : "ERROR: The key could not be deleted.\n", stderr);
        return ExitFailed;
    }
    std::puts("The operation completed successfully.");
    return ExitOk;
}

} // namespace

int main(int argc, char **argv)
{
    if ((argc > 1 && isHelp(argv[1])) || (argc > 2 && isHelp(argv[2]))) {
        std::fputs(Usage, stdout);
        return ExitOk;
    }
    Command command;
    const int parsed = parse(argc, argv, command);
    if (parsed != ExitOk)
        return parsed;
    if (command.verb == "QUERY")
        return query(command);
    if (command.verb == "ADD")
        return add(command);
    return remove(command);
}

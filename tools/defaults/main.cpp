// Stand-in for macOS's /usr/bin/defaults on machines that lack it. It keeps to what callers of
// the real tool can see: the printout, the messages and the exit statuses.
#include "Describe.h"
#include "OldStylePlist.h"
#include "Utf8.h"

#include "platform/PlistStore.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using defaults_tool::describe;
using defaults_tool::validUtf8;

namespace {

constexpr int kUsageStatus = 255;

int usage()
{
    std::fputs("Command line interface to a user's defaults.\n"
               "Syntax:\n"
               "\n"
               "'defaults' followed by one of the following:\n"
               "\n"
               "  read <domain>                        shows defaults for given domain\n"
               "  read <domain> <key>                  shows defaults for given domain, key\n"
               "\n"
               "  write <domain> <key> <value>         writes key for domain\n"
               "  write <domain> <key> -bool[ean] <b>  writes a boolean (yes, true, no or false)\n"
               "  write <domain> <key> -array <v>...   writes an array of the values\n"
               "  write <domain> <key> -array-add <v>...\n"
               "                                       appends the values to an array\n"
               "\n"
               "  delete <domain>                      deletes domain\n"
               "  delete <domain> <key>                deletes key in domain\n"
               "\n"
               "<domain> is a domain name like com.apple.Safari, or -g / NSGlobalDomain for the\n"
               "global domain. It names a file in ~/Library/Preferences, so it holds no \"/\" and\n"
               "no \"..\". <value> is plain text, or an old-style property list as soon as it\n"
               "holds one of \" ( ) [ ] { } < >, e.g. '(en, de)' or '{ key = value; }'.\n",
               stderr);
    return kUsageStatus;
}

// The name messages use; the Mac's tool calls the global domain by its CFPreferences name.
std::string shownDomain(const std::string& domain)
{
    if (plist_store::canonicalDomain(domain) == ".GlobalPreferences")
        return "kCFPreferencesAnyApplication";
    return domain;
}

void message(const std::string& text)
{
    std::fputs(text.c_str(), stderr);
}

int pairMissing(const std::string& domain, const std::string& key)
{
    message("\nThe domain/default pair of (" + shownDomain(domain) + ", " + key + ") does not exist\n");
    return 1;
}

// A file we cannot take as a domain is reported, and left exactly as it is.
int unreadableDomain(const std::string& domain, const std::string& path, const std::string& reason, bool changing)
{
    message("\nDomain " + shownDomain(domain) + " could not be read: " + path + " cannot be used: " + reason + ".\n"
            + (changing ? "Defaults have not been changed.\n" : ""));
    return 1;
}

int ioError(const std::string& domain, const std::string& path, int error)
{
    message("\nCould not write domain " + shownDomain(domain) + " (" + path + "): " + std::strerror(error) + "\n");
    return 1;
}

bool resolve(const std::string& domain, std::string& path)
{
    if (!plist_store::isValidDomainName(domain)) {
        message("defaults: \"" + domain + "\" is not a valid domain name: a domain names one file in"
                " ~/Library/Preferences, so its name may not hold \"/\" or \"..\".\n");
        return false;
    }
    path = plist_store::domainPath(domain);
    if (path.empty())
        message("defaults: no home folder; HOME is not set\n");
    return !path.empty();
}

int print(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int readCommand(const std::string& domain, const std::string* key)
{
    std::string path;
    if (!resolve(domain, path))
        return 1;
    const plist_store::Loaded loaded = plist_store::load(path);
    if (loaded.status == plist_store::LoadStatus::Unparsable)
        return unreadableDomain(domain, path, loaded.reason, false);
    if (!key) {
        if (loaded.status == plist_store::LoadStatus::Missing) {
            message("\nDomain " + shownDomain(domain) + " does not exist\n");
            return 1;
        }
        return print(describe(loaded.dict.get()));
    }
    plist_t value = loaded.dict ? plist_dict_get_item(loaded.dict.get(), validUtf8(*key).c_str()) : nullptr;
    if (!value)
        return pairMissing(domain, *key);
    return print(describe(value));
}

// -bool values: yes, true, no or false in any letter case.
bool parseBoolean(const std::string& text, bool& value)
{
    std::string lower;
    for (char c : text)
        lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower == "yes" || lower == "true") {
        value = true;
        return true;
    }
    if (lower == "no" || lower == "false") {
        value = false;
        return true;
    }
    return false;
}

enum class Mode { Set, Append };

int writeCommand(const std::string& domain, const std::string& key, plist_t value, Mode mode = Mode::Set)
{
    plist_store::PlistPtr owned(value);
    std::string path;
    if (!resolve(domain, path))
        return 1;
    std::string reason;
    const std::string storedKey = validUtf8(key);
    const plist_store::WriteStatus status = mode == Mode::Set
        ? plist_store::writeKey(path, storedKey, owned.release(), &reason)
        : plist_store::appendToArray(path, storedKey, owned.release(), &reason);
    switch (status) {
    case plist_store::WriteStatus::Ok:
        return 0;
    case plist_store::WriteStatus::Unparsable:
        return unreadableDomain(domain, path, reason, true);
    case plist_store::WriteStatus::BadValue:
        message("Could not write the value of " + key + ": " + reason + ".\nDefaults have not been changed.\n");
        return 1;
    case plist_store::WriteStatus::NotAnArray:
        message("Value for key " + key + " is not an array; cannot append.  Leaving defaults unchanged.\n");
        return 1;
    case plist_store::WriteStatus::IoError:
        break;
    }
    return ioError(domain, path, errno);
}

// Plain text unless the value holds a character that only makes sense in an old-style property
// list; then it has to parse as one. `levels`: how deep its collections may nest. Reports a value
// it cannot take and returns null.
plist_t valueFromArgument(const std::string& argument, int levels)
{
    if (argument.find_first_of("\"()[]{}<>") == std::string::npos)
        return plist_new_string(validUtf8(argument).c_str());
    std::string problem;
    plist_t value = defaults_tool::parseOldStylePlist(argument, levels, problem);
    if (!value && problem.empty())
        message("Could not parse: " + argument + ".  Try single-quoting it.\n");
    else if (!value)
        message("Could not write " + argument + ": " + problem + ".\nDefaults have not been changed.\n");
    return value;
}

// -array and -array-add: each item is read like a plain value, one level further down.
plist_t arrayFromArguments(std::vector<std::string>::const_iterator first, std::vector<std::string>::const_iterator last)
{
    plist_store::PlistPtr array(plist_new_array());
    for (auto item = first; item != last; ++item) {
        plist_t value = valueFromArgument(*item, plist_store::kMaxNesting - 2);
        if (!value)
            return nullptr;
        plist_array_append_item(array.get(), value);
    }
    return array.release();
}

int deleteCommand(const std::string& domain, const std::string* key)
{
    std::string path;
    if (!resolve(domain, path))
        return 1;
    const auto notFound = [&] {
        message("\nDomain (" + shownDomain(domain) + ") not found.\nDefaults have not been changed.\n");
        return 1;
    };
    if (!key) {
        switch (plist_store::removeDomain(path)) {
        case plist_store::RemoveStatus::Ok:
            return 0;
        case plist_store::RemoveStatus::Missing:
            return notFound();
        case plist_store::RemoveStatus::IoError:
            break;
        }
        return ioError(domain, path, errno);
    }
    const plist_store::Loaded loaded = plist_store::load(path);
    if (loaded.status == plist_store::LoadStatus::Missing)
        return notFound();
    if (loaded.status == plist_store::LoadStatus::Unparsable)
        return unreadableDomain(domain, path, loaded.reason, true);
    if (!plist_dict_get_item(loaded.dict.get(), validUtf8(*key).c_str()))
        return pairMissing(domain, *key);
    return writeCommand(domain, *key, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return usage();
    const std::string& verb = args[0];
    if (args.size() >= 2 && args[1].empty())
        return usage(); // no domain has an empty name

    if (verb == "read" && (args.size() == 2 || args.size() == 3))
        return readCommand(args[1], args.size() == 3 ? &args[2] : nullptr);

    if (verb == "delete" && (args.size() == 2 || args.size() == 3))
        return deleteCommand(args[1], args.size() == 3 ? &args[2] : nullptr);

    if (verb == "write" && args.size() == 5 && (args[3] == "-bool" || args[3] == "-boolean")) {
        bool value = false;
        if (!parseBoolean(args[4], value))
            return usage();
        return writeCommand(args[1], args[2], plist_new_bool(value ? 1 : 0));
    }

    if (verb == "write" && args.size() >= 4 && (args[3] == "-array" || args[3] == "-array-add")) {
        plist_t array = arrayFromArguments(args.begin() + 4, args.end());
        if (!array)
            return 1;
        return writeCommand(args[1], args[2], array, args[3] == "-array" ? Mode::Set : Mode::Append);
    }

    if (verb == "write" && args.size() == 4) {
        if (args[3] == "-bool" || args[3] == "-boolean")
            return usage(); // the option without its value
        plist_t value = valueFromArgument(args[3], plist_store::kMaxNesting - 1);
        if (!value)
            return 1;
        return writeCommand(args[1], args[2], value);
    }

    return usage();
}

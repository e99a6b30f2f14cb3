#include "Messages.h"

#include <cstdio>
#include <ctime>
#include <string>

#include <pthread.h>
#include <sys/time.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/syscall.h>
#endif

namespace defaults_tool {

namespace {

unsigned long long threadId()
{
#if defined(__APPLE__)
    uint64_t id = 0;
    pthread_threadid_np(nullptr, &id);
    return id;
#elif defined(__linux__)
    return static_cast<unsigned long long>(::syscall(SYS_gettid));
#else
    return 0;
#endif
}

// The Mac's `defaults help`, line for line (see docs/defaults.md for where it comes from).
const char kUsageText[] =
    "Command line interface to a user's defaults.\n"
    "Syntax:\n"
    "\n"
    "'defaults' [-currentHost | -host <hostname>] followed by one of the following:\n"
    "\n"
    "  read                                 shows all defaults\n"
    "  read <domain>                        shows defaults for given domain\n"
    "  read <domain> <key>                  shows defaults for given domain, key\n"
    "\n"
    "  read-type <domain> <key>             shows the type for the given domain, key\n"
    "\n"
    "  write <domain> <domain_rep>          writes domain (overwrites existing)\n"
    "  write <domain> <key> <value>         writes key for domain\n"
    "\n"
    "  rename <domain> <old_key> <new_key>  renames old_key to new_key\n"
    "\n"
    "  delete <domain>                      deletes domain\n"
    "  delete <domain> <key>                deletes key in domain\n"
    "\n"
    "  import <domain> <path to plist>      writes the plist at path to domain\n"
    "  import <domain> -                    writes a plist from stdin to domain\n"
    "  export <domain> <path to plist>      saves domain as a binary plist to path\n"
    "  export <domain> -                    writes domain as an xml plist to stdout\n"
    "  domains                              lists all domains\n"
    "  find <word>                          lists all entries containing word\n"
    "  help                                 print this help\n"
    "\n"
    "<domain> is ( <domain_name> | -app <application_name> | -globalDomain )\n"
    "         or a path to a file omitting the '.plist' extension\n"
    "\n"
    "<value> is one of:\n"
    "  <value_rep>\n"
    "  -string <string_value>\n"
    "  -data <hex_digits>\n"
    "  -int[eger] <integer_value>\n"
    "  -float  <floating-point_value>\n"
    "  -bool[ean] (true | false | yes | no)\n"
    "  -date <date_rep>\n"
    "  -array <value1> <value2> ...\n"
    "  -array-add <value1> <value2> ...\n"
    "  -dict <key1> <value1> <key2> <value2> ...\n"
    "  -dict-add <key1> <value1> ...\n";

int fail(const std::string& message)
{
    log(message);
    return 1;
}

} // namespace

int usage()
{
    std::fputs(kUsageText, stdout);
    std::fflush(stdout);
    return kUsageStatus;
}

int help()
{
    std::fputs(kUsageText, stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

void log(const std::string& message)
{
    // NSLog: local date and time with milliseconds, then the program, its process and thread.
    timeval now{};
    ::gettimeofday(&now, nullptr);
    const time_t seconds = now.tv_sec;
    struct tm local {};
    char when[32] = "";
    if (::localtime_r(&seconds, &local))
        std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &local);
    std::string line = std::string(when) + '.' + std::to_string(1000 + now.tv_usec / 1000).substr(1) + " defaults["
        + std::to_string(::getpid()) + ':' + std::to_string(threadId()) + "] " + message;
    if (line.empty() || line.back() != '\n')
        line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

std::string shownDomain(const std::string& canonical)
{
    return canonical == ".GlobalPreferences" ? "kCFPreferencesAnyApplication" : canonical;
}

int domainMissing(const std::string& shown)
{
    return fail("\nDomain " + shown + " does not exist");
}

int pairMissing(const std::string& shown, const std::string& key)
{
    return fail("\nThe domain/default pair of (" + shown + ", " + key + ") does not exist");
}

int domainNotFound(const std::string& shown)
{
    return fail("\nDomain (" + shown + ") not found.\nDefaults have not been changed.\n");
}

int couldNotParse(const std::string& text)
{
    return fail("Could not parse: " + text + ".  Try single-quoting it.");
}

int keyLacksValue(const std::string& key)
{
    return fail("Key " + key + " lacks a corresponding value");
}

int unexpectedArgument(const std::string& argument)
{
    return fail("Unexpected argument " + argument + "; leaving defaults unchanged.");
}

int repNotADictionary()
{
    return fail("\nRep argument is not a dictionary\nDefaults have not been changed.\n");
}

int notAnArray(const std::string& key)
{
    return fail("Value for key " + key + " is not an array; cannot append.  Leaving defaults unchanged.");
}

int notADictionary(const std::string& key)
{
    return fail("Value for key " + key + " is not a dictionary; cannot append.  Leaving defaults unchanged.");
}

int couldNotWrite(const std::string& shown)
{
    return fail("Could not write domain " + shown + "; exiting");
}

int cannotStore(const std::string& what, const std::string& reason)
{
    return fail("Could not write " + what + ": " + reason + ".\nDefaults have not been changed.\n");
}

int unusableFile(const std::string& shown, const std::string& path, const std::string& reason, bool changing)
{
    return fail("\nDomain " + shown + " could not be read: " + path + " cannot be used: " + reason + ".\n"
                + (changing ? "Defaults have not been changed.\n" : ""));
}

int invalidDomainName(const std::string& name)
{
    return fail("\"" + name + "\" is not a valid domain name: a domain names one file in ~/Library/Preferences, so"
                              " its name may not hold \"/\" or \"..\" (a file elsewhere in the home folder is named by its"
                              " absolute path).");
}

int refusedPath(const std::string& given, const std::string& reason)
{
    return fail("\"" + given + "\" cannot be used as a domain: " + reason + ".");
}

int noHome()
{
    return fail("No home folder: HOME is not set.");
}

int noApplication(const std::string& name)
{
    return fail("Couldn't find an application named \"" + name + "\"; defaults unchanged");
}

int couldNotImport(const std::string& path, const std::string& reason)
{
    return fail("Could not import " + path + ": " + reason + ".\nDefaults have not been changed.\n");
}

int couldNotExport(const std::string& path, const std::string& reason)
{
    return fail("Could not export to " + path + ": " + reason);
}

int nothingFound(const std::string& word)
{
    log("No domain, key, nor value containing '" + word + "'");
    return 0;
}

} // namespace defaults_tool

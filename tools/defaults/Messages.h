#pragma once
// What the tool says, worded as the Mac's tool words it. Errors go to standard error through
// log(), which starts each message the way NSLog does on a Mac ("2024-01-02 03:04:05.678
// defaults[123:456] "); the tests compare what follows that prefix.
#include <string>

namespace defaults_tool {

constexpr int kUsageStatus = 255;

// The usage text on standard output; returns kUsageStatus.
int usage();
// The same text, asked for with `defaults help`.
int help();

// One message on standard error, after NSLog's prefix; a line break is added unless it ends in one.
void log(const std::string& message);

// How messages name a domain: the global domain by its CFPreferences name.
std::string shownDomain(const std::string& canonical);

// The messages themselves; each returns the exit status that goes with it.
int domainMissing(const std::string& shown);                         // read DOMAIN
int pairMissing(const std::string& shown, const std::string& key);   // read DOMAIN KEY, delete DOMAIN KEY
int domainNotFound(const std::string& shown);                        // delete DOMAIN, rename
int couldNotParse(const std::string& text);                          // a value or a whole domain
int keyLacksValue(const std::string& key);                           // -dict, -dict-add
int unexpectedArgument(const std::string& argument);                 // anything after a whole value
int repNotADictionary();                                             // write DOMAIN 'PLIST'
int notAnArray(const std::string& key);                              // -array-add
int notADictionary(const std::string& key);                          // -dict-add
int couldNotWrite(const std::string& shown);                         // the file could not be written
int cannotStore(const std::string& what, const std::string& reason); // a value the store cannot keep
int unusableFile(const std::string& shown, const std::string& path, const std::string& reason, bool changing);
int invalidDomainName(const std::string& name);
int refusedPath(const std::string& given, const std::string& reason);
int noHome();
int noApplication(const std::string& name);
int couldNotImport(const std::string& path, const std::string& reason);
int couldNotExport(const std::string& path, const std::string& reason);
int nothingFound(const std::string& word);

} // namespace defaults_tool

#pragma once
// What `defaults` prints about applications' own languages, read strictly: anything that is not
// exactly the tool's own form is odd, and an odd value is shown as such and never written back.
#include <QString>
#include <QStringList>

#include <optional>

namespace application_languages {

// At most this many domains are read in one listing: each one is a launch of the tool.
constexpr qsizetype kMaxDomains = 1000;
// At most this many languages in one application's order, and this long each.
constexpr qsizetype kMaxLanguages = 200;
constexpr qsizetype kMaxIdentifierLength = 64;

// A name that can stand for an application's domain as an argument of the tool: a bundle
// identifier's characters (letters, digits, ".", "-", "_"), starting with a letter or digit (so
// never an option, a path or the global domain), at most 255 characters, and not one of the
// global domain's names.
bool isApplicationDomain(const QString& name);

// The output of `defaults domains`: one line of names separated by ", ". Names that are not
// application domains are dropped and counted in `odd`; repeats are dropped; only the first
// kMaxDomains are kept (`cut` says whether more were there). No text (a read that failed or was
// not UTF-8) and output of more than one line give no names, `odd` 1.
struct DomainList {
    QStringList names;
    qsizetype odd = 0;
    bool cut = false;
};
DomainList parseDomains(const std::optional<QString>& output);

// One application's "AppleLanguages" as `defaults read <domain> AppleLanguages` printed it.
struct LanguagesRead {
    enum class Kind {
        Absent, // no output: the key (or the domain) is not there
        Order,  // an array of language identifiers in the tool's exact form
        Odd,    // anything else: not UTF-8, cut short, not an array, an empty one, escapes, odd identifiers
    };
    Kind kind = Kind::Absent;
    QStringList languages; // for Order only, exactly as printed
};
LanguagesRead parseLanguages(const std::optional<QString>& output);

// Whether the identifier can be written as a bare item of an array value: letters and digits in
// parts joined by "-" or "_" (en, en-GB, zh-Hans-CN, es-419, pt_BR), at most kMaxIdentifierLength.
bool isWritableLanguage(const QString& identifier);

// The array value for `defaults write`: (en-GB,de-DE). None when the list is empty, too long or
// holds an identifier that could not be written back exactly.
std::optional<QString> arrayValue(const QStringList& languages);

// The bundle identifier `defaults read <bundle>/Contents/Info CFBundleIdentifier` printed: one
// line that is an application domain. None otherwise.
std::optional<QString> parseBundleIdentifier(const std::optional<QString>& output);

} // namespace application_languages

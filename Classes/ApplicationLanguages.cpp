#include "ApplicationLanguages.h"

#include <QSet>

namespace application_languages {

namespace {

bool isAsciiAlnum(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

// One item of an array as the tool prints it: bare letters and digits, or in double quotes with
// only \" and \\ escaped. Anything else (the tool's octal and \u escapes among them) is refused,
// since it could not be turned back into the stored text with certainty.
std::optional<QString> arrayItem(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    if (text.front() != u'"') {
        for (QChar c : text)
            if (!isAsciiAlnum(c))
                return std::nullopt;
        return text.toString();
    }
    if (text.size() < 2 || text.back() != u'"')
        return std::nullopt;
    QString item;
    const QStringView inner = text.sliced(1, text.size() - 2);
    for (qsizetype i = 0; i < inner.size(); ++i) {
        QChar c = inner[i];
        if (c == u'"')
            return std::nullopt;
        if (c == u'\\') {
            if (++i >= inner.size() || (inner[i] != u'"' && inner[i] != u'\\'))
                return std::nullopt;
            c = inner[i];
        }
        item += c;
    }
    return item;
}

} // namespace

bool isApplicationDomain(const QString& name)
{
    if (name.isEmpty() || name.size() > 255 || !isAsciiAlnum(name.front()))
        return false;
    for (QChar c : name)
        if (!isAsciiAlnum(c) && c != u'.' && c != u'-' && c != u'_')
            return false;
    return name.compare(QLatin1String("NSGlobalDomain"), Qt::CaseInsensitive) != 0
        && name.compare(QLatin1String("GlobalPreferences"), Qt::CaseInsensitive) != 0;
}

DomainList parseDomains(const std::optional<QString>& output)
{
    DomainList list;
    if (!output) {
        list.odd = 1;
        return list;
    }
    QStringView text(*output);
    if (text.endsWith(u'\n'))
        text.chop(1);
    if (text.contains(u'\n')) {
        list.odd = 1;
        return list;
    }
    if (text.isEmpty())
        return list;
    QSet<QString> seen;
    for (QStringView name : text.split(u", ")) {
        const QString domain = name.toString();
        if (!isApplicationDomain(domain)) {
            ++list.odd;
            continue;
        }
        if (seen.contains(domain))
            continue;
        if (list.names.size() == kMaxDomains) {
            list.cut = true;
            break;
        }
        seen.insert(domain);
        list.names.append(domain);
    }
    return list;
}

LanguagesRead parseLanguages(const std::optional<QString>& output)
{
    LanguagesRead read;
    if (!output) {
        read.kind = LanguagesRead::Kind::Odd;
        return read;
    }
    if (output->isEmpty())
        return read;
    read.kind = LanguagesRead::Kind::Odd;
    if (!output->endsWith(u'\n'))
        return read;
    const QStringList lines = output->chopped(1).split(u'\n');
    if (lines.size() < 3 || lines.front() != u'(' || lines.back() != u')' || lines.size() - 2 > kMaxLanguages)
        return read;
    QStringList languages;
    for (qsizetype i = 1; i < lines.size() - 1; ++i) {
        QStringView line(lines[i]);
        if (!line.startsWith(QLatin1String("    ")))
            return read;
        line = line.sliced(4);
        const bool last = i == lines.size() - 2;
        if (!last) {
            if (!line.endsWith(u','))
                return read;
            line.chop(1);
        }
        const std::optional<QString> item = arrayItem(line);
        if (!item || !isWritableLanguage(*item))
            return read;
        languages.append(*item);
    }
    read.kind = LanguagesRead::Kind::Order;
    read.languages = languages;
    return read;
}

bool isWritableLanguage(const QString& identifier)
{
    if (identifier.isEmpty() || identifier.size() > kMaxIdentifierLength)
        return false;
    bool partStart = true;
    for (QChar c : identifier) {
        if (c == u'-' || c == u'_') {
            if (partStart)
                return false;
            partStart = true;
        } else if (isAsciiAlnum(c)) {
            partStart = false;
        } else {
            return false;
        }
    }
    return !partStart;
}

std::optional<QString> arrayValue(const QStringList& languages)
{
    if (languages.isEmpty() || languages.size() > kMaxLanguages)
        return std::nullopt;
    for (const QString& language : languages)
        if (!isWritableLanguage(language))
            return std::nullopt;
    return QLatin1Char('(') + languages.join(QLatin1Char(',')) + QLatin1Char(')');
}

std::optional<QString> parseBundleIdentifier(const std::optional<QString>& output)
{
    if (!output || !output->endsWith(u'\n'))
        return std::nullopt;
    const QString identifier = output->chopped(1);
    if (!isApplicationDomain(identifier))
        return std::nullopt;
    return identifier;
}

} // namespace application_languages

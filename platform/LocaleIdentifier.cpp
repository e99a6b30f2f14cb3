#include "LocaleIdentifier.h"

#include <unicode/locid.h>
#include <unicode/uloc.h>

#include <array>

namespace locale_id {
namespace {

using Buffer = std::array<char, ULOC_FULLNAME_CAPACITY>;

// One ICU call that fills a buffer, kept only when it succeeded and ended in a terminating NUL.
template <typename Call>
QByteArray filled(Call call)
{
    Buffer buffer{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = call(buffer.data(), int32_t(buffer.size()), &status);
    if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING || length < 0 || length >= int32_t(buffer.size()))
        return {};
    return QByteArray(buffer.data(), length);
}

// Printable ASCII only: ICU's locale functions take invariant characters, and nothing else
// belongs in an identifier.
bool isPrintableAscii(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f)
            return false;
    return true;
}

QByteArray maximized(const QByteArray& form)
{
    return filled([&](char* out, int32_t size, UErrorCode* status) { return uloc_addLikelySubtags(form.constData(), out, size, status); });
}

} // namespace

QString withoutKeywords(const QString& identifier)
{
    return identifier.section(QLatin1Char('@'), 0, 0);
}

QByteArray icuForm(const QString& identifier)
{
    // ICU's longest identifier, less its terminator; a longer one would be cut, not refused.
    // Every identifier starts with its language; "_DE" or "@x=y" would be ICU's root locale.
    if (identifier.isEmpty() || identifier.size() >= ULOC_FULLNAME_CAPACITY || !isPrintableAscii(identifier)
        || !identifier[0].isLetter())
        return {};
    const qsizetype at = identifier.indexOf(QLatin1Char('@'));
    QByteArray form = identifier.left(at < 0 ? identifier.size() : at).toLatin1().replace('-', '_');
    if (at >= 0)
        form += identifier.mid(at).toLatin1(); // keyword values keep their hyphens (islamic-civil)
    if (icu::Locale(form.constData()).isBogus())
        return {};
    // Strict conversion refuses what the constructor lets through: empty keywords (en_US@currency=),
    // keys without a name, subtags of impossible length.
    const QByteArray tag = filled([&](char* out, int32_t size, UErrorCode* status) {
        return uloc_toLanguageTag(form.constData(), out, size, true, status);
    });
    return tag.isEmpty() ? QByteArray() : form;
}

bool isWellFormed(const QString& identifier)
{
    return !icuForm(identifier).isEmpty();
}

QString base(const QString& identifier)
{
    // One check of the whole identifier; the keywords play no part in the language.
    QByteArray form = icuForm(identifier);
    if (form.isEmpty())
        return identifier;
    if (const qsizetype at = form.indexOf('@'); at >= 0)
        form.truncate(at);
    const QByteArray full = maximized(form);
    if (!full.isEmpty())
        form = full;
    const QByteArray language = filled([&](char* out, int32_t size, UErrorCode* status) { return uloc_getLanguage(form.constData(), out, size, status); });
    const QByteArray script = filled([&](char* out, int32_t size, UErrorCode* status) { return uloc_getScript(form.constData(), out, size, status); });
    if (language.isEmpty())
        return identifier;
    return QString::fromLatin1(script.isEmpty() ? language : language + '-' + script);
}

QString region(const QString& identifier)
{
    const QByteArray form = icuForm(identifier);
    if (form.isEmpty())
        return {};
    return QString::fromLatin1(filled([&](char* out, int32_t size, UErrorCode* status) { return uloc_getCountry(form.constData(), out, size, status); }));
}

QString effectiveRegion(const QString& identifier)
{
    const QByteArray form = icuForm(identifier);
    if (form.isEmpty())
        return {};
    const QByteArray rg = filled([&](char* out, int32_t size, UErrorCode* status) {
        return uloc_getKeywordValue(form.constData(), "rg", out, size, status);
    });
    // "dezzzz": a region subtag, then "zzzz" for the whole region rather than a subdivision.
    if (rg.size() > 4 && rg.endsWith("zzzz")) {
        const QString code = QString::fromLatin1(rg.left(rg.size() - 4)).toUpper();
        const bool letters = code.size() == 2 && code[0].isLetter() && code[1].isLetter();
        const bool digits = code.size() == 3 && code[0].isDigit() && code[1].isDigit() && code[2].isDigit();
        if (letters || digits)
            return code;
    }
    return region(identifier);
}

QString regionKey(const QString& identifier)
{
    const QString plain = withoutKeywords(identifier);
    const QByteArray form = icuForm(plain);
    if (form.isEmpty())
        return plain;
    const QByteArray full = maximized(form);
    return QString::fromLatin1(full.isEmpty() ? form : full);
}

qsizetype indexOfLanguage(const QStringList& languages, const QString& language, qsizetype from)
{
    const qsizetype exact = languages.indexOf(language, from);
    if (exact >= 0 || !isWellFormed(language))
        return exact;
    // A malformed identifier is its own base, which no well-formed base equals.
    const QString wanted = base(language);
    for (qsizetype i = from; i < languages.size(); ++i)
        if (base(languages[i]) == wanted)
            return i;
    return -1;
}

qsizetype indexOfLocale(const QStringList& locales, const QString& identifier)
{
    const qsizetype exact = locales.indexOf(identifier);
    if (exact >= 0 || !isWellFormed(identifier))
        return exact;
    const QString wanted = regionKey(identifier);
    for (qsizetype i = 0; i < locales.size(); ++i)
        if (isWellFormed(locales[i]) && regionKey(locales[i]) == wanted)
            return i;
    return -1;
}

} // namespace locale_id

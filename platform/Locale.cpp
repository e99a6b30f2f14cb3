#include "Locale.h"

#include "LocaleIdentifier.h"

#include <unicode/locdspnm.h>
#include <unicode/locid.h>
#include <unicode/strenum.h>
#include <unicode/uloc.h>

#include <array>
#include <atomic>

namespace {

std::atomic<uint64_t> namedCount{0};

QString toQString(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

} // namespace

Locale::Locale(const QString& identifier)
{
    const QByteArray form = locale_id::icuForm(identifier);
    const icu::Locale display = form.isEmpty() ? icu::Locale::getRoot() : icu::Locale(form.constData());
    // Named as items of a list or menu: capitalised where the language does so there (Anglais,
    // Alemán), as the Mac's own language lists show them.
    UDisplayContext contexts[] = {UDISPCTX_DIALECT_NAMES, UDISPCTX_CAPITALIZATION_FOR_UI_LIST_OR_MENU};
    names_.reset(icu::LocaleDisplayNames::createInstance(display, contexts, 2));
}

Locale::~Locale() = default;

QStringList Locale::availableLocaleIdentifiers()
{
    QStringList identifiers;
    const int32_t count = uloc_countAvailable();
    identifiers.reserve(count);
    for (int32_t i = 0; i < count; ++i)
        identifiers.append(QString::fromLatin1(uloc_getAvailable(i)));
    return identifiers;
}

uint64_t Locale::identifiersNamed()
{
    return namedCount.load(std::memory_order_relaxed);
}

std::optional<QString> Locale::displayNameForIdentifier(const QString& identifier) const
{
    namedCount.fetch_add(1, std::memory_order_relaxed);
    const QByteArray form = locale_id::icuForm(identifier);
    if (form.isEmpty() || !names_)
        return std::nullopt;
    const icu::Locale locale(form.constData());
    const char* language = locale.getLanguage();
    if (!language || !*language)
        return std::nullopt;

    // ICU echoes a language code it cannot name; NSLocale gives no name then.
    icu::UnicodeString text;
    names_->languageDisplayName(language, text);
    if (text.isBogus() || toQString(text) == QLatin1String(language))
        return std::nullopt;

    text.remove();
    names_->localeDisplayName(locale, text);
    if (text.isBogus() || text.isEmpty())
        return std::nullopt;
    return toQString(text);
}

std::optional<QString> Locale::regionName(const QString& code) const
{
    if (code.isEmpty() || !names_ || !locale_id::isWellFormed(QStringLiteral("und_") + code))
        return std::nullopt;
    const QByteArray latin = code.toLatin1();
    icu::UnicodeString text;
    names_->regionDisplayName(latin.constData(), text);
    if (text.isBogus() || text.isEmpty() || toQString(text) == code)
        return std::nullopt;
    return toQString(text);
}

QStringList Locale::keywordNames(const QString& identifier) const
{
    QStringList result;
    const QByteArray form = locale_id::icuForm(identifier);
    if (form.isEmpty() || !names_)
        return result;
    const icu::Locale locale(form.constData());
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::StringEnumeration> keys(locale.createKeywords(status));
    if (U_FAILURE(status) || !keys)
        return result;
    while (const char* key = keys->next(nullptr, status)) {
        if (U_FAILURE(status))
            break;
        if (qstrcmp(key, "rg") == 0)
            continue; // the region it names is shown as the region
        std::array<char, ULOC_FULLNAME_CAPACITY> value{};
        UErrorCode valueStatus = U_ZERO_ERROR;
        const int32_t length = locale.getKeywordValue(key, value.data(), int32_t(value.size()), valueStatus);
        if (U_FAILURE(valueStatus) || valueStatus == U_STRING_NOT_TERMINATED_WARNING || length <= 0)
            continue;
        icu::UnicodeString name;
        names_->keyValueDisplayName(key, value.data(), name);
        QString shown = toQString(name);
        if (name.isBogus() || shown.isEmpty() || shown == QLatin1String(value.data())) {
            icu::UnicodeString keyName;
            names_->keyDisplayName(key, keyName);
            shown = toQString(keyName) + QStringLiteral(": ") + QLatin1String(value.data());
        }
        result.append(shown);
    }
    return result;
}

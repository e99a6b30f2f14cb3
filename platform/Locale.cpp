#include "Locale.h"

#include <unicode/uloc.h>

#include <array>

// Identifiers come in Apple's forms (zh-Hans, en-GB, de_AT); ICU's locale functions want "_".
static QByteArray toIcu(const QString& identifier)
{
    QByteArray id = identifier.toUtf8();
    id.replace('-', '_');
    return id;
}

Locale::Locale(const QString& identifier) : icuIdentifier_(toIcu(identifier)) {}

QStringList Locale::availableLocaleIdentifiers()
{
    QStringList identifiers;
    const int32_t count = uloc_countAvailable();
    identifiers.reserve(count);
    for (int32_t i = 0; i < count; ++i)
        identifiers.append(QString::fromLatin1(uloc_getAvailable(i)));
    return identifiers;
}

std::optional<QString> Locale::displayNameForIdentifier(const QString& identifier) const
{
    const QByteArray id = toIcu(identifier);
    std::array<char, ULOC_LANG_CAPACITY> language{};
    UErrorCode status = U_ZERO_ERROR;
    uloc_getLanguage(id.constData(), language.data(), language.size(), &status);
    if (U_FAILURE(status) || language[0] == '\0')
        return std::nullopt;

    // ICU echoes a language code it cannot name; NSLocale gives no name then.
    std::array<UChar, 256> name{};
    status = U_ZERO_ERROR;
    int32_t length = uloc_getDisplayLanguage(id.constData(), icuIdentifier_.constData(), name.data(),
                                             name.size(), &status);
    if (U_FAILURE(status) || QString::fromUtf16(name.data(), length) == QLatin1String(language.data()))
        return std::nullopt;

    std::array<UChar, 512> full{};
    status = U_ZERO_ERROR;
    length = uloc_getDisplayName(id.constData(), icuIdentifier_.constData(), full.data(), full.size(), &status);
    if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING)
        return std::nullopt;
    return QString::fromUtf16(full.data(), length);
}

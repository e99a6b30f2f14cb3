// Naming and formatting arbitrary identifiers, as they may stand in "AppleLanguages" and
// "AppleLocale": the first line is the identifier, the second the language to name it in. Nothing
// may crash or read out of bounds, and what ICU cannot take is refused before ICU sees it.
#include "FuzzSupport.h"

#include "platform/Locale.h"
#include "platform/LocaleIdentifier.h"
#include "platform/RegionFormats.h"

#include <QDateTime>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype newline = input.indexOf('\n');
    const QString identifier = QString::fromUtf8(newline < 0 ? input : input.left(newline));
    const QString display = newline < 0 ? QStringLiteral("en") : QString::fromUtf8(input.mid(newline + 1));

    const bool wellFormed = locale_id::isWellFormed(identifier);
    (void)locale_id::base(identifier);
    (void)locale_id::regionKey(identifier);
    const QString region = locale_id::effectiveRegion(identifier);
    FUZZ_CHECK(wellFormed || region.isEmpty(), "nothing is read from a malformed identifier");
    (void)locale_id::indexOfLanguage({QStringLiteral("en-GB"), identifier}, identifier);
    (void)locale_id::indexOfLocale({QStringLiteral("en_GB"), identifier}, identifier);

    const Locale names(display);
    const std::optional<QString> name = names.displayNameForIdentifier(identifier);
    FUZZ_CHECK(wellFormed || !name, "a malformed identifier is not named");
    (void)names.regionName(region);
    (void)names.regionName(identifier);
    (void)names.keywordNames(identifier);

    const std::optional<RegionFormats> formats = RegionFormats::of(identifier, QDateTime::fromMSecsSinceEpoch(1796824800000));
    FUZZ_CHECK(wellFormed == bool(formats), "formats exactly for what ICU can take");
    return 0;
}

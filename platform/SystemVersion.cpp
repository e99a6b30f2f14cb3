#include "SystemVersion.h"

#include <QByteArray>
#include <QtGlobal>

#include <cmath>

#ifdef Q_OS_MACOS
#include <CoreFoundation/CoreFoundation.h>
extern "C" const double NSAppKitVersionNumber;
#endif

namespace system_version {

#ifndef Q_OS_MACOS
// A value that is unset, not a number or not finite falls back to the current macOS value.
static double fromEnvironment(const char* name, double fallback)
{
    bool ok = false;
    const double value = qgetenv(name).trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}
#endif

double coreFoundationVersionNumber()
{
#ifdef Q_OS_MACOS
    return kCFCoreFoundationVersionNumber;
#else
    return fromEnvironment("QUORREL_CF_VERSION", kCurrentCoreFoundationVersion);
#endif
}

double appKitVersionNumber()
{
#ifdef Q_OS_MACOS
    return NSAppKitVersionNumber;
#else
    return fromEnvironment("QUORREL_APPKIT_VERSION", kCurrentAppKitVersion);
#endif
}

} // namespace system_version

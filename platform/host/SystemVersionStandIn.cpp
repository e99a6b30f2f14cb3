// Linux and the tests: the numbers of a current macOS, or those named by QUORREL_CF_VERSION and
// QUORREL_APPKIT_VERSION, so that every branch on them can be run.
#include "SystemVersion.h"

#include <QByteArray>
#include <QtGlobal>

#include <cmath>

namespace system_version {

// A value that is unset, not a number or not finite falls back to the current macOS value.
static double fromEnvironment(const char* name, double fallback)
{
    bool ok = false;
    const double value = qgetenv(name).trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}

double coreFoundationVersionNumber()
{
    return fromEnvironment("QUORREL_CF_VERSION", kCurrentCoreFoundationVersion);
}

double appKitVersionNumber()
{
    return fromEnvironment("QUORREL_APPKIT_VERSION", kCurrentAppKitVersion);
}

} // namespace system_version

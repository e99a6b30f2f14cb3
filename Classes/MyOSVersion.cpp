#include "MyOSVersion.h"

#include "platform/host/SystemVersion.h"

#include <cmath>

bool MyOSVersion::isOlderThanMavericks()
{
    return std::floor(system_version::appKitVersionNumber()) <= 1187.0;
}

bool MyOSVersion::namesPreferencesSettings()
{
    return std::floor(system_version::appKitVersionNumber()) >= 2299;
}

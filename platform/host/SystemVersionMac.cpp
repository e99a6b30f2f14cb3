// The Mac app: the numbers of the frameworks it runs on.
#include "SystemVersion.h"

#include <CoreFoundation/CoreFoundation.h>

// AppKit's own header is Objective-C; the constant itself is a C double (NSApplication.h:
// APPKIT_EXTERN const NSAppKitVersion NSAppKitVersionNumber, NSAppKitVersion being a double).
extern "C" const double NSAppKitVersionNumber;

namespace system_version {

double coreFoundationVersionNumber()
{
    return kCFCoreFoundationVersionNumber;
}

double appKitVersionNumber()
{
    return NSAppKitVersionNumber;
}

} // namespace system_version

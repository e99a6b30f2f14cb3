#pragma once

// The running system's framework release numbers. In the Mac app they come from the frameworks
// (SystemVersionMac.cpp); on Linux and in the tests from QUORREL_CF_VERSION and
// QUORREL_APPKIT_VERSION when set, otherwise from the values of a current macOS
// (SystemVersionStandIn.cpp).
namespace system_version {

inline constexpr double kCurrentCoreFoundationVersion = 2106.0; // macOS 14
inline constexpr double kCurrentAppKitVersion = 2487.0;         // macOS 14

double coreFoundationVersionNumber(); // kCFCoreFoundationVersionNumber
double appKitVersionNumber();         // NSAppKitVersionNumber

} // namespace system_version

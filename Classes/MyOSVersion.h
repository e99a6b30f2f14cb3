#pragma once

class MyOSVersion {
public:
    MyOSVersion() = delete;
    // True on OS X 10.8 and earlier (AppKit 1187 and below), read afresh at every call.
    static bool isOlderThanMavericks();
    // True on macOS 13 and later (AppKit 2299 and above), where an application's Preferences are
    // called Settings.
    static bool namesPreferencesSettings();
};

#pragma once
#include <QString>

// Keys of the program's own user defaults.
inline const QString QUkeepInactiveWindowOpen = QStringLiteral("QUkeepInactiveWindowOpen");
inline const QString kPreferredLocalesKey = QStringLiteral("PreferredLocales");

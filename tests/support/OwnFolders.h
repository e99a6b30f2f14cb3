#pragma once
#include <QTemporaryDir>

// HOME and the XDG folders of this test program alone, in a temporary folder (in TMPDIR, which
// ctest points into the build) removed at the end: whatever Qt, D-Bus or a tool keeps there
// stays out of the real home and of other tests running at the same time.
class OwnFolders {
public:
    OwnFolders();
    OwnFolders(const OwnFolders&) = delete;
    OwnFolders& operator=(const OwnFolders&) = delete;

private:
    QTemporaryDir root_;
};

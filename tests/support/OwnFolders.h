#pragma once
#include <QTemporaryDir>

// HOME, the XDG folders and TMPDIR of this test program alone, in a temporary folder inside the
// build (QUORREL_TEST_SCRATCH) removed at the end: whatever Qt, D-Bus or a tool keeps there stays
// out of the real home, out of /tmp and away from other tests running at the same time.
class OwnFolders {
public:
    OwnFolders();
    OwnFolders(const OwnFolders&) = delete;
    OwnFolders& operator=(const OwnFolders&) = delete;

private:
    QTemporaryDir root_;
};

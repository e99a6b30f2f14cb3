#include "OwnFolders.h"

#include <QDir>
#include <QFile>

namespace {

QString scratch()
{
    const QString folder = QStringLiteral(QUORREL_TEST_SCRATCH) + QStringLiteral("/tmp");
    QDir().mkpath(folder);
    return folder;
}

} // namespace

OwnFolders::OwnFolders()
    : root_(scratch() + QStringLiteral("/quorrel-test-XXXXXX"))
{
    if (!root_.isValid())
        qFatal("no temporary folder for the test's own HOME: %s", qPrintable(root_.errorString()));
    const struct {
        const char* variable;
        const char* folder;
    } folders[] = {{"HOME", "home"},
                   {"XDG_CACHE_HOME", "cache"},
                   {"XDG_CONFIG_HOME", "config"},
                   {"XDG_DATA_HOME", "data"},
                   {"XDG_RUNTIME_DIR", "runtime"},
                   {"TMPDIR", "tmp"}};
    for (const auto& f : folders) {
        const QString path = root_.filePath(QLatin1String(f.folder));
        QDir().mkpath(path);
        qputenv(f.variable, QFile::encodeName(path));
    }
    // Qt refuses a runtime folder that others may enter.
    QFile::setPermissions(root_.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Renders Quorrel's windows to PNG files on the offscreen platform, for the README and for
// looking at the layout without a display. Usage: quorrel-screenshot OUTPUT_FOLDER
// The windows speak the language the program would choose: on Linux the first translated one in
// LANGUAGE (scripts/screenshots sets it for each language).
#include "Application.h"
#include "Bundle.h"
#include "MainInterface.h"
#include "PreferencesWindowController.h"
#include "QuorrelAppDelegate.h"

#include <QApplication>
#include <QDir>
#include <QTextBrowser>

#include <cstdio>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorrel-screenshot OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));
    bundle::installStringTables(app);

    std::unique_ptr<QuorrelAppDelegate> delegate = loadMainInterface();
    Application application(app, delegate.get());
    QWidget* window = delegate->window().widget();
    // The applications area as the user sees it after Refresh, with the first one selected.
    delegate->listApplications(nullptr);
    delegate->outlets.applications.applicationsTable->selectRowIndexes({0}, false);
    window->show();
    QApplication::processEvents();
    bool ok = window->grab().save(out.filePath(QStringLiteral("main-window.png")));

    delegate->showPreferences(nullptr);
    QApplication::processEvents();
    ok = delegate->preferencesWindow->window()->grab().save(out.filePath(QStringLiteral("preferences-window.png"))) && ok;

    application.showHelp(nullptr);
    QApplication::processEvents();
    ok = application.helpWindow()->grab().save(out.filePath(QStringLiteral("help-window.png"))) && ok;
    return ok ? 0 : 1;
}

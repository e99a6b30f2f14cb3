// Renders Quorrel's windows to PNG files on the offscreen platform, for the README and for
// looking at the layout without a display. Usage: quorrel-screenshot OUTPUT_FOLDER
// The windows speak the language the program would choose: on Linux the first translated one in
// LANGUAGE (scripts/screenshots sets it for each language).
#include "Classes/MainInterface.h"
#include "Classes/PreferencesWindowController.h"
#include "Classes/QuorrelAppDelegate.h"
#include "platform/Application.h"
#include "platform/Bundle.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
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
    // Wrapped labels settle their heights over a few layout passes (each resize asks for another).
    for (int pass = 0; pass < 10; ++pass)
        QApplication::processEvents();
    bool ok = window->grab().save(out.filePath(QStringLiteral("main-window.png")));

    delegate->showPreferences(nullptr);
    QApplication::processEvents();
    ok = delegate->preferencesWindow->window()->grab().save(out.filePath(QStringLiteral("preferences-window.png"))) && ok;

    // The choosers of "+" and "Other Region…", and the question after a language is chosen.
    const auto grabChild = [&](const char* name, const char* file) {
        QApplication::processEvents();
        QWidget* child = window->findChild<QWidget*>(QLatin1String(name));
        const bool saved = child && child->grab().save(out.filePath(QLatin1String(file)));
        delete child;
        return saved;
    };
    delegate->addLanguage(nullptr);
    ok = grabChild("addLanguageChooser", "add-language-chooser.png") && ok;
    delegate->chooseOtherRegion(nullptr);
    ok = grabChild("otherRegionChooser", "other-region-chooser.png") && ok;
    delegate->askWhereToAddLanguage(QStringLiteral("pt-PT"));
    ok = grabChild("primaryLanguageQuestion", "primary-language-question.png") && ok;

    application.showHelp(nullptr);
    QApplication::processEvents();
    ok = application.helpWindow()->grab().save(out.filePath(QStringLiteral("help-window.png"))) && ok;
    application.helpWindow()->close();

    // After the second language is moved to the top with the keys: the status line, and the Edit
    // menu with the step to undo.
    TableView* languages = delegate->outlets.languagesTable;
    languages->setFocus();
    languages->selectRowIndexes({1}, false);
#ifdef Q_OS_MACOS
    QKeyEvent moveUp(QEvent::KeyPress, Qt::Key_Up, Qt::AltModifier | Qt::ControlModifier);
#else
    QKeyEvent moveUp(QEvent::KeyPress, Qt::Key_Up, Qt::AltModifier);
#endif
    QApplication::sendEvent(languages, &moveUp);
    QApplication::processEvents();
    ok = window->grab().save(out.filePath(QStringLiteral("main-window-after-change.png"))) && ok;
    if (auto* edit = window->findChild<QMenu*>(QStringLiteral("editMenu"))) {
        edit->popup(window->mapToGlobal(QPoint(0, 0)));
        QApplication::processEvents();
        ok = edit->grab().save(out.filePath(QStringLiteral("edit-menu.png"))) && ok;
        edit->close();
    }
    return ok ? 0 : 1;
}

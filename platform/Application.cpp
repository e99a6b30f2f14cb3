#include "Application.h"

#include "Bundle.h"
#include "HelpPage.h"
#include "LiveWait.h"
#include "NotificationCenter.h"
#include "SystemLocaleNotice.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QTextBrowser>

static Application* sharedApplication = nullptr;

Application::Application(QApplication& app, ApplicationDelegate* delegate) : app_(app), delegate_(delegate)
{
    sharedApplication = this;
    app.setQuitOnLastWindowClosed(false);
    app.installEventFilter(this);
    // What the system tells the program while it waits reaches the delegate after the wait: the
    // delegate runs tools of its own in answer, which must not cut into a sequence of reads.
    connect(&app, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        live_wait::whenNotWaiting(this, [this, state] {
            if (state == Qt::ApplicationActive)
                becomeActive();
            else
                resignActive();
        });
    });
    connect(&app, &QGuiApplication::lastWindowClosed, this, &Application::lastWindowClosed);
    localeNotice_ = system_locale::observeChanges([this] { postLocaleChange(); });
    connect(&app, &QCoreApplication::aboutToQuit, this, [this] {
        if (delegate_)
            delegate_->applicationWillTerminate({QStringLiteral("NSApplicationWillTerminateNotification"), this});
    });
}

Application::~Application()
{
    system_locale::stopObserving(localeNotice_);
    delete helpWindow_;
    if (sharedApplication == this)
        sharedApplication = nullptr;
}

Application* Application::shared()
{
    return sharedApplication;
}

void Application::becomeActive()
{
    if (active_)
        return;
    if (delegate_)
        delegate_->applicationWillBecomeActive({QStringLiteral("NSApplicationWillBecomeActiveNotification"), this});
    active_ = true;
}

void Application::resignActive()
{
    if (!active_)
        return;
    if (delegate_)
        delegate_->applicationWillResignActive({QStringLiteral("NSApplicationWillResignActiveNotification"), this});
    active_ = false;
}

void Application::lastWindowClosed()
{
    if (delegate_ && delegate_->applicationShouldTerminateAfterLastWindowClosed(this))
        QCoreApplication::quit();
}

bool Application::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &app_ && event->type() == QEvent::LocaleChange && !system_locale::noticeComesFromTheSystem())
        postLocaleChange();
    return QObject::eventFilter(watched, event);
}

void Application::postLocaleChange()
{
    live_wait::whenNotWaiting(this, [this] {
        NotificationCenter::defaultCenter().postNotificationName(kCurrentLocaleDidChangeNotification, this);
    });
}

void Application::showHelp(QObject*)
{
    if (!helpWindow_) {
        helpWindow_ = new QTextBrowser;
        helpWindow_->setAttribute(Qt::WA_DeleteOnClose);
        helpWindow_->setOpenExternalLinks(true);
        // The English page, translated into the localization the string tables speak.
        QFile page(QStringLiteral(":/help/index.html"));
        const QString html = page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
        const QString language = bundle::currentLocalization().replace(QLatin1Char('_'), QLatin1Char('-'));
        helpWindow_->setHtml(help_page::translated(html, language));
        helpWindow_->setWindowTitle(helpWindow_->documentTitle());
        helpWindow_->resize(560, 620);
    }
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

int ApplicationMain(int argc, char** argv, ApplicationDelegate* (*loadMainInterface)(QApplication& app))
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorrel"));
    QApplication::setOrganizationDomain(QStringLiteral("quorrel.org"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quorrel.svg")));
    bundle::installStringTables(app);
    ApplicationDelegate* delegate = loadMainInterface(app);
    Application application(app, delegate);
    const int status = QApplication::exec();
    delete delegate;
    return status;
}

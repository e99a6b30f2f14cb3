// Start-up, activation, termination and the full refresh of the main window.
#include "QuorrelAppDelegate.h"

#include "DefaultKeys.h"
#include "PreferencesWindowController.h"
#include "platform/Locale.h"
#include "platform/LocaleIdentifier.h"
#include "platform/host/UserDefaults.h"

#include <QUndoStack>

QuorrelAppDelegate::QuorrelAppDelegate(const MainWindowOutlets& windowOutlets) : outlets(windowOutlets)
{
    undoStack_ = new QUndoStack(this);
    for (auto signal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(undoStack_, signal, this, [this] { updateUndoActions(); });
    for (auto signal : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(undoStack_, signal, this, [this] { updateUndoActions(); });
    connect(undoStack_, &QUndoStack::indexChanged, this, [this] { updateUndoActions(); });
    updateUndoActions();
}

QuorrelAppDelegate::~QuorrelAppDelegate()
{
    if (timer) {
        timer->invalidate();
        timer.reset();
    }
    // A controller destroyed without terminating first must not leave handlers pointing at it.
    NotificationCenter::defaultCenter().removeObserver(this);
}

void QuorrelAppDelegate::takeOwnershipOfWindow(std::unique_ptr<QWidget> window)
{
    ownedWindow_ = std::move(window);
}

void QuorrelAppDelegate::awakeFromNib()
{
    myFallbackLanguages.clear();
    myFallbackLanguages.reserve(10);
    myPreferredLocales.clear();
    myPreferredLocales.reserve(10);
    if (const std::optional<QStringList> stored = UserDefaults::standardUserDefaults().stringArrayForKey(kPreferredLocalesKey))
        for (const QString& entry : *stored)
            myPreferredLocales.append(entry);

    languageTableData = std::make_unique<MyTableData>();
    regionsTableData = std::make_unique<MyTableData>();
    applicationsTableData = std::make_unique<MyTableData>();
    applicationLanguagesTableData = std::make_unique<MyTableData>();

    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, kMyNotificationLanguagesHaveBeenUpdated,
                       [this](const Notification& n) { resortAndSetCurrentLanguages(n); });
    center.addObserver(this, kMyNotificationLocalesHaveBeenUpdated,
                       [this](const Notification& n) { resortAndSetAppleLocales(n); });
    center.addObserver(this, kMyNotificationApplicationLanguagesHaveBeenUpdated,
                       [this](const Notification& n) { resortAndSetApplicationLanguages(n); });
    center.addObserver(this, kCurrentLocaleDidChangeNotification, [this](const Notification&) { updateUI(); });

    outlets.languagesTable->registerForDraggedTypes({kMyPrivateTableViewDataType});
    outlets.regionsTable->registerForDraggedTypes({kMyPrivateTableViewDataType});
    outlets.applications.applicationLanguagesTable->registerForDraggedTypes({kMyPrivateTableViewDataType});

    availableRegions = Locale::availableLocaleIdentifiers();

    PopUpButton* menu = outlets.preferredLocalesMenu;
    menu->removeAllItems();
    if (myPreferredLocales.isEmpty()) {
        menu->setEnabled(false);
    } else {
        menu->addItemsWithTitles(myPreferredLocales);
        menu->setEnabled(true);
        locales = appleLocale();
        // The last entry saved exactly as the current region, else the last one for the same place
        // (en_US@rg=dezzzz saved, en_US current).
        const QString currentLocale = locales.value(0);
        const QString currentKey = locale_id::regionKey(currentLocale);
        int exact = -1;
        int samePlace = -1;
        for (int i = 0; i < myPreferredLocales.size(); ++i) {
            const QString saved = myPreferredLocales[i].section(QLatin1Char(','), 0, 0);
            if (saved == currentLocale)
                exact = i;
            else if (locale_id::isWellFormed(saved) && locale_id::regionKey(saved) == currentKey)
                samePlace = i;
        }
        if (exact >= 0 || samePlace >= 0)
            menu->selectItemAtIndex(exact >= 0 ? exact : samePlace);
    }

    outlets.circularProgressIndicator->setHidden(true);
    // The applications are listed when the user asks: each is a launch of the tool.
    showApplications(QString());
    updateUI();
    timer = Timer::scheduledTimer(5.0, true, [this] { periodicAHVCacheRefresh(); });
}

void QuorrelAppDelegate::applicationWillBecomeActive(const Notification&)
{
    outlets.window.makeKeyAndOrderFront(this);
    setActive(true);
    updateAHVCacheButton();
}

void QuorrelAppDelegate::applicationWillResignActive(const Notification&)
{
    if (!UserDefaults::standardUserDefaults().boolForKey(QUkeepInactiveWindowOpen))
        outlets.window.orderOut(this);
    setActive(false);
    updateAHVCacheButton();
}

bool QuorrelAppDelegate::applicationShouldTerminateAfterLastWindowClosed(QObject*)
{
    return isActive();
}

void QuorrelAppDelegate::applicationWillTerminate(const Notification&)
{
    myPreferredLocales.clear();
    // The tables outlive their data sources here: detach them so nothing reads a dropped one.
    outlets.languagesTable->setDataSource(nullptr);
    outlets.regionsTable->setDataSource(nullptr);
    outlets.applications.applicationsTable->setDataSource(nullptr);
    outlets.applications.applicationLanguagesTable->setDataSource(nullptr);
    applicationsTableData.reset();
    applicationLanguagesTableData.reset();
    languageTableData.reset();
    regionsTableData.reset();
    availableRegions.clear();
    NotificationCenter::defaultCenter().removeObserver(this);
}

void QuorrelAppDelegate::updateUI()
{
    updateLanguages();
    updateRegions();
    updateFallbackLanguages();
    showReadablePreferredLocales(); // named in the first language, which may have changed

    const bool hasEntries = outlets.preferredLocalesMenu->numberOfItems() > 0;
    outlets.removePreferredLocale.setEnabled(hasEntries);
    outlets.removePreferredLocale.setHidden(!hasEntries);

    // The current region can be saved while its language is the first language (en_GB@rg=dezzzz
    // while en-GB, en-US or en is first). An absent or malformed AppleLocale can never be saved.
    const QString currentLocale = locales.value(0);
    const QString firstLanguage = languages.value(0);
    outlets.addPreferredLocale.setEnabled(locale_id::isWellFormed(currentLocale) && locale_id::isWellFormed(firstLanguage)
                                          && locale_id::base(firstLanguage) == locale_id::base(currentLocale));

    updateAHVCacheButton();
}

void QuorrelAppDelegate::showPreferences(QObject*)
{
    preferencesWindow = new PreferencesWindowController(QStringLiteral("PreferencesWindow"));
    preferencesWindow->showWindow(this);
}

void QuorrelAppDelegate::showProgress(bool busy)
{
    ProgressIndicator* indicator = outlets.circularProgressIndicator;
    if (busy) {
        indicator->setHidden(false);
        indicator->startAnimation(this);
    } else {
        indicator->stopAnimation(this);
        indicator->setHidden(true);
    }
}

#pragma once
#include "Application.h"
#include "Controls.h"
#include "MyTableViewDataSource.h"
#include "NotificationCenter.h"
#include "PopUpButton.h"
#include "ProgressIndicator.h"
#include "TableView.h"
#include "Timer.h"
#include "ApplicationLanguages.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <optional>

class Locale;
class PreferencesWindowController;

class QLabel;

// The value labels of the region formats preview.
struct RegionPreviewOutlets {
    QLabel* region = nullptr;
    QLabel* longDate = nullptr;
    QLabel* shortDate = nullptr;
    QLabel* time = nullptr;
    QLabel* number = nullptr;
    QLabel* currency = nullptr;
    QLabel* firstDayOfWeek = nullptr;
    QLabel* measurement = nullptr;
    QLabel* regionCaption = nullptr; // says whether the current or the selected region is shown
};

// The controls of the applications area.
struct ApplicationsOutlets {
    TableView* applicationsTable = nullptr;         // the applications with languages of their own
    TableView* applicationLanguagesTable = nullptr; // tag 30: the selected application's order
    Button addApplication;
    Button removeApplication;
    Button listApplications;
    QLabel* note = nullptr; // what the area knows: not listed yet, an odd read, a cut listing
};

// The controls of the main window, connected by the main interface (MainInterface.cpp).
struct MainWindowOutlets {
    Window window;
    TableView* languagesTable = nullptr; // tag 10
    TableColumn languageName;             // identifier "languagename"
    TableColumn languageISO;              // identifier "isodesignator"
    TableView* regionsTable = nullptr;    // tag 20, one column without identifier
    PopUpButton* preferredLocalesMenu = nullptr;
    Button addPreferredLocale;
    Button removePreferredLocale;
    ProgressIndicator* circularProgressIndicator = nullptr;
    PopUpButton* fallbackLanguagesMenu = nullptr;
    Button hideFiles;
    Button showFiles;
    Button restartDock;
    Button restartFinder;
    Button clearAHVCaches;
    RegionPreviewOutlets regionPreview;
    ApplicationsOutlets applications;
};

// The application's one controller: owns all state and every control of the main window, and
// receives every user action and platform notice.
class QuorrelAppDelegate : public QObject, public ApplicationDelegate {
public:
    explicit QuorrelAppDelegate(const MainWindowOutlets& outlets);
    ~QuorrelAppDelegate() override; // dealloc

    MainWindowOutlets outlets;

    // State. Lists computed by the operations below; the two row lists are shared with the
    // tables' data sources.
    bool active = false;
    std::unique_ptr<MyTableData> languageTableData;
    QStringList languages;
    QStringList languagesNames;
    SharedRows languagesAndNames = std::make_shared<QVariantList>();
    std::unique_ptr<MyTableData> regionsTableData;
    qint64 bestRegion = 0;
    QStringList availableRegions;
    QStringList locales;
    SharedRows regions = std::make_shared<QVariantList>();
    QHash<QString, QString> regionRowIdentifiers; // each row text of `regions` to its identifier
    QStringList myPreferredLocales;
    QStringList myFallbackLanguages;
    QPointer<PreferencesWindowController> preferencesWindow;
    QDateTime regionPreviewMoment; // the moment the region preview shows

    // The one repeating timer of the program (5 s, refreshing the help-cache button).
    static inline std::unique_ptr<Timer> timer;

    // Properties.
    Window window() const { return outlets.window; }
    bool isActive() const { return active; }
    void setActive(bool value) { active = value; }
    qint64 getBestRegion() const { return bestRegion; }
    void setBestRegion(qint64 value) { bestRegion = value; }

    // Start-up, window behaviour and the full refresh.
    void awakeFromNib();
    void applicationWillBecomeActive(const Notification& notification) override;
    void applicationWillResignActive(const Notification& notification) override;
    bool applicationShouldTerminateAfterLastWindowClosed(QObject* application) override;
    void applicationWillTerminate(const Notification& notification) override;
    void updateUI();

    // Fallback languages.
    void updateFallbackLanguages();
    void allowFallbackLanguages();
    void changeFallbackLanguage(QObject* sender);
    void updatePreferredLocalesAfterFallbackLanguageHasChanged();

    // Language and region tables.
    void updateLanguages();
    void updateLanguagesFromPreferredLocale();
    void updateRegions();
    void updateRegionsFromPreferredLocale();
    QStringList currentLanguagesNames(const QStringList& identifiers) const;
    SharedRows currentLanguagesAndNames(const QStringList& identifiers) const;
    // Language rows named in `displayLanguage` rather than in the first of them.
    SharedRows languageRowsNamedIn(const QString& displayLanguage, const QStringList& identifiers) const;
    SharedRows regionsNames(const QStringList& identifiers) const;
    // The whole locale identifier of a region row: de_AT (Österreich) gives de_AT, en_US (Germany)
    // gives en_US@rg=dezzzz while that row is shown.
    QString identifierOfRegionRow(const QString& row) const;
    // A region row: the identifier without keywords, then its country and what its keywords
    // stand for, named in `displayLanguage`: de_AT (Österreich), en_US (Germany, Euro).
    static QString regionRowText(const Locale& displayLanguage, const QString& identifier);
    // Shows the formats of the selected region row, or of the current region when none is
    // selected. Reads nothing from the system.
    void updateRegionPreview();

    // The system's language order and region.
    QStringList currentLanguages();
    QStringList appleLocale();
    void resortAndSetCurrentLanguages(const Notification& notification);
    void resortAndSetAppleLocales(const Notification& notification);

    // Saved combinations.
    void addPreferredLocale(QObject* sender);
    void removePreferredLocale(QObject* sender);
    void changePreferredLocale(QObject* sender);
    void selectLocale(QObject* sender);

    // Finder and Dock.
    void hideFiles(QObject* sender);
    void showFiles(QObject* sender);
    void restartFinder(QObject* sender);
    void restartDock(QObject* sender);

    // Help viewer caches.
    void updateAHVCacheButton();
    bool checkAHVCaches();
    void clearAHVCaches(QObject* sender);
    void myShowHelp(QObject* sender);
    void updateClearAHVCachesButton();
    // What the repeating timer runs: updateAHVCacheButton, skipping ticks after listings that
    // ended by the time limit.
    void periodicAHVCacheRefresh();

    // Preferences.
    void showPreferences(QObject* sender);

    // Applications with languages of their own. Every read of an application's "AppleLanguages"
    // goes through applicationLanguages, every write and removal through setApplicationLanguages.
    struct ApplicationEntry {
        QString name;   // what the list shows
        QString domain; // the bundle identifier, exactly as the tool printed it
        application_languages::LanguagesRead languages;
    };
    QList<ApplicationEntry> applications;
    std::unique_ptr<MyTableData> applicationsTableData;
    std::unique_ptr<MyTableData> applicationLanguagesTableData;
    SharedRows applicationRows = std::make_shared<QVariantList>();
    SharedRows applicationLanguageRows = std::make_shared<QVariantList>();
    application_languages::LanguagesRead applicationLanguages(const QString& domain);
    // Writes `languages` as the application's "AppleLanguages", or removes its own value when
    // none, and waits for the tool. False, with nothing started, for a domain or an order that
    // cannot be written exactly.
    bool setApplicationLanguages(const QString& domain, const std::optional<QStringList>& languages);
    // Reads the list anew: `defaults domains`, then each domain's "AppleLanguages".
    void listApplications(QObject* sender);
    // Offers the applications found in the Applications folders; the one chosen starts with the
    // system's language order.
    void addApplication(QObject* sender);
    void adoptApplication(const QString& name, const QString& domain);
    void removeApplication(QObject* sender);
    void showSelectedApplication();
    void resortAndSetApplicationLanguages(const Notification& notification);
    // The applications in the Applications folders with their bundle identifiers, name first.
    QList<QPair<QString, QString>> applicationBundles() const;

    // The window the controller owns when the main interface made it.
    void takeOwnershipOfWindow(std::unique_ptr<QWidget> window);

private:
    // The periodic refresh's back-off: ticks still to skip, and how many to skip after the next
    // listing that times out.
    int ahvTicksToSkip_ = 0;
    int ahvTicksToSkipNext_ = 1;
    bool ahvListingTimedOut_ = false; // the last process listing ended by the time limit
    // The first language: the identifier of the language table's first row, none before any.
    std::optional<QString> firstLanguage() const;
    // Rebuilds the region table from `locales` and selects `selectedRow` (none when negative).
    void showRegions(qint64 selectedRow);
    void rebuildPreferredLocalesMenu();
    // Shows saved regions with keywords by name rather than raw text; the titles stay as saved.
    void showReadablePreferredLocales();
    void storePreferredLocales(bool flush);
    void showProgress(bool busy);
    // Rebuilds the applications table from `applications`, selecting `domain` when it is there.
    void showApplications(const QString& domain);
    // Reads one application again after a change and shows it; drops it when it has no value left.
    void rereadApplication(const QString& domain);
    std::optional<QString> selectedApplication() const;
    bool applicationsListed_ = false;
    bool applicationsCut_ = false;

    std::unique_ptr<QWidget> ownedWindow_;
};

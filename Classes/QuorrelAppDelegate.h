#pragma once
#include "ApplicationLanguages.h"
#include "MyTableViewDataSource.h"
#include "SystemValue.h"
#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/NotificationCenter.h"
#include "platform/PopUpButton.h"
#include "platform/ProgressIndicator.h"
#include "platform/TableView.h"
#include "platform/Timer.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <optional>

class Locale;
class PreferencesWindowController;

class QAction;
class QLabel;
class QUndoStack;
class ChangeGroup;
class UndoableChange;

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
    TableColumn languageName;            // identifier "languagename"
    TableColumn languageISO;             // identifier "isodesignator"
    TableView* regionsTable = nullptr;   // tag 20, one column without identifier
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
    Button addLanguage;            // "+" under the language table
    Button removeLanguage;         // "−" under the language table
    Button otherRegion;            // "Other Region…" beside the region table
    QAction* undoAction = nullptr; // Edit menu
    QAction* redoAction = nullptr;
    QLabel* statusLine = nullptr; // what became of the last change, when the window has something to say
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
    // The display names of a language list, named in its first language.
    QStringList languageNames(const QStringList& identifiers);
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
    // Works out what appleLocale() compares each available region by, once for the list held;
    // at start-up during the first pause, which waits anyway.
    void prepareRegionKeys();
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

    // Adding and removing preferred languages, and any region. Each change goes through the
    // shared rows and the notification a drop posts.
    void addLanguage(QObject* sender);                     // opens the language chooser
    void askWhereToAddLanguage(const QString& identifier); // first or last
    void insertLanguage(const QString& identifier, bool asPrimary);
    void removeLanguages(QObject* sender);     // the selected rows, never the last one
    void chooseOtherRegion(QObject* sender);   // opens the region chooser
    void setRegion(const QString& regionCode); // the first language with that region
    void updateLanguageEditButtons();
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

    // Undo and redo of every change the program makes (QuorrelAppDelegateUndo.cpp).
    //
    // A change of a preference becomes undoable with one call, made right after its `defaults`
    // write (or delete) was started:
    //     recordSystemChange(domain, key, before, after);
    // `before` is the value read just before the change (lastReadValue(domain, key) after a read
    // through readSystemValue or readDefaults, or SystemValue::fromRead of a read of one's own),
    // `after` the value written (SystemValue::absent() for a delete). Nothing is recorded when
    // `before` is unknown (a failed, partial or odd read) or equal to `after`. Calls made while a
    // user action is under way (a ChangeScope is open) join that action's one undo step.
    void recordSystemChange(const QString& domain, const QString& key, const SystemValue& before,
                            const SystemValue& after, const QString& name = {});
    // Reads `key` of `domain` with `defaults read` and remembers the value as its last read.
    SystemValue readSystemValue(const QString& domain, const QString& key);
    // The same read, giving the tool's text as runUsrBinAndRead does.
    std::optional<QString> readDefaults(const QString& domain, const QString& key);
    // The value the last read of `key` of `domain` gave; unknown when it was never read.
    SystemValue lastReadValue(const QString& domain, const QString& key) const;
    // Starts the `defaults` write (or delete) that makes `key` of `domain` hold `value`, not
    // recorded; the refresh that follows the action compares what it reads with it. `previous` is
    // the value it replaces, to tell a change of the primary language.
    void startSystemWrite(const QString& domain, const QString& key, const SystemValue& value,
                          const SystemValue& previous);
    // The name of a setting in the Edit menu and the status line: Language Order, Region, …
    QString settingName(const QString& domain, const QString& key) const;
    static QString savedCombinationsName();

    // One user action: the outermost scope clears the status line and gathers the changes made
    // until it closes into one undo step named `name` (a single change keeps its own name), then
    // says what the refresh showed of the values written.
    class ChangeScope {
    public:
        ChangeScope(QuorrelAppDelegate* controller, const QString& name);
        ~ChangeScope();
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;

    private:
        QuorrelAppDelegate* controller_;
    };

    QUndoStack* undoStack() const { return undoStack_; }
    void undo(QObject* sender);
    void redo(QObject* sender);

    // The status line: appends a sentence (once), or clears it.
    void reportStatus(const QString& sentence);
    void clearStatus();
    void reportChangedElsewhere(const QString& setting, bool undoing);

    // The saved combinations as the own defaults hold them now.
    QStringList storedPreferredLocales() const;
    // Shows and stores `entries` with the entry `selected` chosen, as an add or removal leaves them.
    void showPreferredLocales(const QStringList& entries, int selected);
    void recordPreferredLocalesChange(const QStringList& before, int selectedBefore, const QString& name);

private:
    struct ReadRecord {
        SystemValue value;
        quint64 serial = 0;
        std::optional<QString> output; // what the read printed, and how it ended
        int exitStatus = -1;
    };
    struct WrittenValue {
        QString domain;
        QString key;
        SystemValue value;
        quint64 serial = 0; // reads numbered above it came after the write
        bool primaryLanguageChanged = false;
    };
    void recordChange(UndoableChange* change, ChangeGroup* group);
    QString readGlobal(const QString& key);
    void noteGlobalWrite(const QString& key, const SystemValue& written);
    // Remembers a write for the check after the action's refresh.
    void noteWrite(const QString& domain, const QString& key, const SystemValue& value, const SystemValue& previous);
    void reportWhatTheSystemShows();
    void updateUndoActions();
    QUndoStack* undoStack_ = nullptr;
    QHash<QString, ReadRecord> lastReads_;
    // Each of `availableRegions`' language base and place key, for the list they were made from.
    struct RegionKeys {
        QString base;
        QString place;
    };
    QStringList regionsKeyed_;
    QList<RegionKeys> regionKeys_;
    QStringList languagesTakenWhole_; // the last language order whose read items were its cut printout
    quint64 readSerial_ = 0;
    QList<WrittenValue> writtenValues_;
    int scopeDepth_ = 0;
    ChangeGroup* openGroup_ = nullptr;

    // The periodic refresh's back-off: ticks still to skip, and how many to skip after the next
    // listing that times out.
    int ahvTicksToSkip_ = 0;
    int ahvTicksToSkipNext_ = 1;
    bool ahvListingTimedOut_ = false; // the last process listing ended by the time limit
    // The languages named last and their names, for languageNames().
    struct NamedLanguages {
        QStringList identifiers;
        QStringList names;
    };
    NamedLanguages lastNamedLanguages;
    // The languages the fallback menu was made from last and its titles, for fallbackTitlesOf().
    struct FallbackTitles {
        QStringList languages;
        QStringList titles;
    };
    FallbackTitles lastFallbackTitles;
    QStringList fallbackTitlesOf(const QStringList& languages);
    // The first language: the identifier of the language table's first row, none before any.
    std::optional<QString> firstLanguage() const;
    // Rebuilds the region table from `locales` and selects `selectedRow` (none when negative).
    void showRegions(qint64 selectedRow);
    void rebuildPreferredLocalesMenu();
    // Shows saved regions with keywords by name rather than raw text; the titles stay as saved.
    void showReadablePreferredLocales();
    void storePreferredLocales(bool flush);
    void showProgress(bool busy);
    bool everyLanguageRowNamed() const;
    void languageOrderEdited();
    // Rebuilds the applications table from `applications`, selecting `domain` when it is there.
    void showApplications(const QString& domain);
    // Reads one application again after a change and shows it; drops it when it has no value left.
    void rereadApplication(const QString& domain);
    std::optional<QString> selectedApplication() const;
    bool applicationsListed_ = false;
    bool applicationsCut_ = false;

    std::unique_ptr<QWidget> ownedWindow_;
};

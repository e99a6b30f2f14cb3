#include "MainInterface.h"

#include "MyOSVersion.h"
#include "MyRunUsrCommands.h"
#include "QuorrelAppDelegate.h"
#include "platform/Bundle.h"
#include "platform/HintLabels.h"
#include "platform/LiveWait.h"
#include "platform/Locale.h"
#include "platform/RegionFormats.h"
#include "platform/WrappedLabels.h"
#include "ui_MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBackingStore>
#include <QDateTime>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>

#include <cstdio>
#include <functional>
#include <utility>

namespace {

// Started straight from the build on Linux, without the stand-in tools scripts/run provides,
// every read fails and the tables stay empty: say why, on stderr and in one line at the top of
// the window. A Mac always has its tools.
void noteMissingTools([[maybe_unused]] Ui::MainWindow& ui)
{
#ifndef Q_OS_MACOS
    const QStringList missing = MyRunUsrCommands::missingTools();
    if (missing.isEmpty())
        return;
    std::fprintf(stderr, "quorrel: the system tools it works with are missing (%s); start Quorrel with scripts/run, "
                         "which runs it in a sandbox with stand-ins for them\n",
                 qPrintable(missing.join(QStringLiteral(", "))));
    // QT_TRANSLATE_NOOP shows lupdate the key of the string table "Localizable".
    auto* line = new QLabel(bundle::localizedStringForKey(QStringLiteral(QT_TRANSLATE_NOOP("Localizable", "ToolsMissing")),
                                                          QString(), QStringLiteral("Localizable")),
                            ui.centralWidget);
    line->setObjectName(QStringLiteral("toolsMissing"));
    line->setWordWrap(true);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ui.mainLayout->insertWidget(0, line);
#endif
}

// Runs `action` for an unmodified Delete or Backspace in the watched widget.
class DeleteKeyFilter : public QObject {
public:
    DeleteKeyFilter(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) && key->modifiers() == Qt::NoModifier) {
                action_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

// The outlets the controller works with, from the window built from its layout.
MainWindowOutlets outletsOf(Ui::MainWindow& ui, QMainWindow* window)
{
    MainWindowOutlets outlets;
    outlets.window = Window(window);
    outlets.languagesTable = ui.languagesTable;
    outlets.languageName = ui.languagesTable->tableColumns().value(0);
    outlets.languageISO = ui.languagesTable->tableColumns().value(1);
    outlets.regionsTable = ui.regionsTable;
    ui.languagesTable->setKeyboardMoves(KeyboardMoves::OneStep);
    // Several languages can be selected at once, to remove them together.
    ui.languagesTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ui.regionsTable->setKeyboardMoves(KeyboardMoves::ToTop);
    outlets.preferredLocalesMenu = ui.preferredLocalesMenu;
    outlets.addPreferredLocale = Button(ui.addPreferredLocale);
    outlets.removePreferredLocale = Button(ui.removePreferredLocale);
    outlets.circularProgressIndicator = ui.circularProgressIndicator;
    outlets.fallbackLanguagesMenu = ui.fallbackLanguagesMenu;
    outlets.hideFiles = Button(ui.hideFiles);
    outlets.showFiles = Button(ui.showFiles);
    outlets.restartDock = Button(ui.restartDock);
    outlets.restartFinder = Button(ui.restartFinder);
    outlets.clearAHVCaches = Button(ui.clearAHVCaches);
    outlets.applications.applicationsTable = ui.applicationsTable;
    outlets.applications.applicationLanguagesTable = ui.applicationLanguagesTable;
    ui.applicationsTable->setDragEnabled(false);
    ui.applicationLanguagesTable->setKeyboardMoves(KeyboardMoves::OneStep);
    outlets.applications.addApplication = Button(ui.addApplication);
    outlets.applications.removeApplication = Button(ui.removeApplication);
    outlets.applications.listApplications = Button(ui.listApplications);
    outlets.applications.note = ui.applicationsNote;
    outlets.regionPreview = {ui.previewRegion, ui.previewLongDate, ui.previewShortDate, ui.previewTime,
                             ui.previewNumber, ui.previewCurrency, ui.previewFirstDayOfWeek, ui.previewMeasurement,
                             ui.previewRegionLabel};
    outlets.addLanguage = Button(ui.addLanguage);
    outlets.removeLanguage = Button(ui.removeLanguage);
    outlets.otherRegion = Button(ui.otherRegion);

    outlets.undoAction = ui.actionUndo;
    outlets.redoAction = ui.actionRedo;
    outlets.statusLine = ui.statusLine;
    // The platform's own keys: Cmd+Z, Shift+Cmd+Z, Cmd+W and Cmd+? on a Mac, Ctrl elsewhere.
    ui.actionUndo->setShortcuts(QKeySequence::Undo);
    ui.actionRedo->setShortcuts(QKeySequence::Redo);
    ui.actionClose->setShortcuts(QKeySequence::Close);
    ui.actionHelp->setShortcuts(QKeySequence::HelpContents);
    return outlets;
}

// The buttons, tables and pop-ups to the controller's actions.
void connectControls(Ui::MainWindow& ui, QuorrelAppDelegate* d)
{
    auto action = [d](QAbstractButton* button, void (QuorrelAppDelegate::*handler)(QObject*)) {
        QObject::connect(button, &QAbstractButton::clicked, d, [d, button, handler] { (d->*handler)(button); });
    };
    action(ui.addPreferredLocale, &QuorrelAppDelegate::addPreferredLocale);
    action(ui.removePreferredLocale, &QuorrelAppDelegate::removePreferredLocale);
    for (QAbstractButton* step : {ui.firstLocaleButton, ui.previousLocaleButton, ui.nextLocaleButton, ui.lastLocaleButton})
        action(step, &QuorrelAppDelegate::selectLocale);
    action(ui.hideFiles, &QuorrelAppDelegate::hideFiles);
    action(ui.showFiles, &QuorrelAppDelegate::showFiles);
    action(ui.restartFinder, &QuorrelAppDelegate::restartFinder);
    action(ui.restartDock, &QuorrelAppDelegate::restartDock);
    action(ui.clearAHVCaches, &QuorrelAppDelegate::clearAHVCaches);
    action(ui.addLanguage, &QuorrelAppDelegate::addLanguage);
    action(ui.removeLanguage, &QuorrelAppDelegate::removeLanguages);
    action(ui.otherRegion, &QuorrelAppDelegate::chooseOtherRegion);
    QObject::connect(ui.languagesTable->selectionModel(), &QItemSelectionModel::selectionChanged, d,
                     [d] { d->updateLanguageEditButtons(); });
    // The Delete key (Backspace too, a Mac's delete key) in the language table is "−".
    ui.languagesTable->installEventFilter(new DeleteKeyFilter(ui.languagesTable, [d, button = ui.removeLanguage] {
        if (button->isEnabled())
            d->removeLanguages(button);
    }));
    action(ui.addApplication, &QuorrelAppDelegate::addApplication);
    action(ui.removeApplication, &QuorrelAppDelegate::removeApplication);
    action(ui.listApplications, &QuorrelAppDelegate::listApplications);
    QObject::connect(ui.applicationsTable->selectionModel(), &QItemSelectionModel::selectionChanged, d,
                     [d] { d->showSelectedApplication(); });
    // `activated` fires only for the user's own choice, never for the program's rebuilds.
    QObject::connect(ui.preferredLocalesMenu, &QComboBox::activated, d,
                     [d, menu = ui.preferredLocalesMenu] { d->changePreferredLocale(menu); });
    QObject::connect(ui.fallbackLanguagesMenu, &QComboBox::activated, d,
                     [d, menu = ui.fallbackLanguagesMenu] { d->changeFallbackLanguage(menu); });
    // The preview follows the region table's selection, by mouse or keyboard.
    QObject::connect(ui.regionsTable->selectionModel(), &QItemSelectionModel::selectionChanged, d,
                     [d] { d->updateRegionPreview(); });
}

// The menus: Preferences (Settings on today's macOS), Help, Undo and Redo, the Window menu, Quit.
void connectMenus(Ui::MainWindow& ui, QuorrelAppDelegate* d, QMainWindow* window)
{
    if (MyOSVersion::namesPreferencesSettings())
        ui.actionPreferences->setText(QCoreApplication::translate("MainWindow", "Settings…"));
    QObject::connect(ui.actionPreferences, &QAction::triggered, d, [d, a = ui.actionPreferences] { d->showPreferences(a); });
    QObject::connect(ui.actionHelp, &QAction::triggered, d, [d, a = ui.actionHelp] { d->myShowHelp(a); });
    QObject::connect(ui.actionUndo, &QAction::triggered, d, [d, a = ui.actionUndo] { d->undo(a); });
    QObject::connect(ui.actionRedo, &QAction::triggered, d, [d, a = ui.actionRedo] { d->redo(a); });
    // The Window menu acts on the window in front, as on a Mac; its shortcuts reach it from the
    // main window, and the preferences window has its own.
    auto frontWindow = [main = window] {
        QWidget* active = QApplication::activeWindow();
        return active ? active : main;
    };
    QObject::connect(ui.actionMinimize, &QAction::triggered, d, [frontWindow] { frontWindow()->showMinimized(); });
    QObject::connect(ui.actionZoom, &QAction::triggered, d, [frontWindow] {
        QWidget* front = frontWindow();
        front->isMaximized() ? front->showNormal() : front->showMaximized();
    });
    QObject::connect(ui.actionClose, &QAction::triggered, d, [frontWindow] { frontWindow()->close(); });
    QObject::connect(ui.actionQuit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

// Has ICU load the data every refresh needs whatever it reads: the likely subtags, the names of
// countries, the calendars, time zones, and date, number and currency formats. What is made here
// is thrown away.
void warmUpRegionData()
{
    const QString sample = QStringLiteral("en_US");
    (void)QuorrelAppDelegate::regionRowText(Locale(sample), sample);
    (void)RegionFormats::of(sample, QDateTime::currentDateTime());
}

// Draws the hidden window, laid out, into the backing store its first frame will be drawn into:
// that frame then finds the memory in place, and fonts (the fallback font for Chinese among
// them), glyphs and the style's pixmaps ready. Its tables measure their one-line rows on the
// way, as they are polished.
void drawIntoOwnBackingStore(QWidget* window)
{
    window->ensurePolished();
    // Drawn once off screen first, the window is laid out as showing it would lay it out.
    (void)window->grab();
    (void)window->winId(); // the platform window, still hidden, and with it the backing store
    QBackingStore* store = window->backingStore();
    if (!store)
        return;
    const QRect area = window->rect();
    store->resize(area.size());
    store->beginPaint(area);
    window->render(store->paintDevice(), QPoint(), area);
    store->endPaint();
}

// At every pause before the window is first shown (at start-up, the refresh's pauses) the hidden
// window is drawn once, and the first one also has ICU load its data and the controller work out
// its regions' keys. The last such drawing has the rows read before it, so the window's size then
// is the size it is shown with. It starts no tool and shows nothing; once the window is on screen
// there is nothing more to do.
void prepareWhileHidden(QMainWindow* window, QuorrelAppDelegate* delegate)
{
    live_wait::atEveryPause(window, [window, delegate, first = true]() mutable {
        if (window->isVisible())
            return false;
        drawIntoOwnBackingStore(window);
        if (std::exchange(first, false)) {
            warmUpRegionData();
            delegate->prepareRegionKeys();
        }
        return true;
    });
}

} // namespace

std::unique_ptr<QuorrelAppDelegate> loadMainInterface()
{
    auto window = std::make_unique<QMainWindow>();
    Ui::MainWindow ui;
    ui.setupUi(window.get());
    noteMissingTools(ui);
    keepWrappedLabelsWhole(window.get());
    hint_labels::keepReadable(ui.languagesHint);
    hint_labels::keepReadable(ui.regionsHint);
    hint_labels::keepReadable(ui.applicationsHint);

    auto delegate = std::make_unique<QuorrelAppDelegate>(outletsOf(ui, window.get()));
    connectControls(ui, delegate.get());
    connectMenus(ui, delegate.get(), window.get());

    prepareWhileHidden(window.get(), delegate.get());
    delegate->takeOwnershipOfWindow(std::move(window));
    delegate->awakeFromNib();
    // The main window is visible at launch.
    delegate->window().makeKeyAndOrderFront(nullptr);
    return delegate;
}

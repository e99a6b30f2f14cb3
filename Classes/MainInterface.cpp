#include "MainInterface.h"

#include "QuorrelAppDelegate.h"
#include "WrappedLabels.h"
#include "ui_MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QItemSelectionModel>
#include <QMainWindow>

std::unique_ptr<QuorrelAppDelegate> loadMainInterface()
{
    auto window = std::make_unique<QMainWindow>();
    Ui::MainWindow ui;
    ui.setupUi(window.get());
    keepWrappedLabelsWhole(window.get());

    MainWindowOutlets outlets;
    outlets.window = Window(window.get());
    outlets.languagesTable = ui.languagesTable;
    outlets.languageName = ui.languagesTable->tableColumns().value(0);
    outlets.languageISO = ui.languagesTable->tableColumns().value(1);
    outlets.regionsTable = ui.regionsTable;
    ui.languagesTable->setKeyboardMoves(KeyboardMoves::OneStep);
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

    auto delegate = std::make_unique<QuorrelAppDelegate>(outlets);
    QuorrelAppDelegate* d = delegate.get();
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
    QObject::connect(ui.actionPreferences, &QAction::triggered, d, [d, a = ui.actionPreferences] { d->showPreferences(a); });
    QObject::connect(ui.actionHelp, &QAction::triggered, d, [d, a = ui.actionHelp] { d->myShowHelp(a); });
    QObject::connect(ui.actionQuit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);

    delegate->takeOwnershipOfWindow(std::move(window));
    delegate->awakeFromNib();
    // The main window is visible at launch.
    delegate->window().makeKeyAndOrderFront(nullptr);
    return delegate;
}

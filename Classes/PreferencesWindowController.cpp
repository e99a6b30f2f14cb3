#include "PreferencesWindowController.h"

#include "DefaultKeys.h"
#include "MyOSVersion.h"
#include "platform/host/UserDefaults.h"
#include "ui_PreferencesWindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

PreferencesWindowController::PreferencesWindowController(const QString& windowNibName)
    : windowNibName_(windowNibName)
{
}

QWidget* PreferencesWindowController::window()
{
    if (window_)
        return window_;
    // Only the one layout exists; the name is kept for symmetry with the main window.
    auto* widget = new QWidget(nullptr, Qt::Dialog);
    widget->setAttribute(Qt::WA_DeleteOnClose);
    Ui::PreferencesWindow ui;
    ui.setupUi(widget);
    if (MyOSVersion::namesPreferencesSettings()) {
        widget->setWindowTitle(QCoreApplication::translate("PreferencesWindow", "Quorrel Settings"));
        ui.closeButton->setAccessibleDescription(QCoreApplication::translate("PreferencesWindow", "Close the settings window"));
    }
    setParent(widget);
    window_ = widget;
    keepInactiveWindowOpen = Button(ui.keepInactiveWindowOpen);
    closeButton = Button(ui.closeButton);
    connect(ui.keepInactiveWindowOpen, &QCheckBox::clicked, this, [this] { keepInactiveWindowOpenHasChanged(keepInactiveWindowOpen.widget()); });
    connect(ui.closeButton, &QPushButton::clicked, this, [this] { closeDialog(closeButton.widget()); });
    // Escape and Cmd+W (Ctrl+W elsewhere) close it, as they close a Mac's settings window.
    for (const QKeySequence::StandardKey key : {QKeySequence::Cancel, QKeySequence::Close}) {
        for (const QKeySequence& sequence : QKeySequence::keyBindings(key)) {
            auto* shortcut = new QShortcut(sequence, widget);
            connect(shortcut, &QShortcut::activated, this, [this] { closeDialog(closeButton.widget()); });
        }
    }
    windowDidLoad();
    return widget;
}

void PreferencesWindowController::showWindow(QObject*)
{
    QWidget* widget = window();
    widget->show();
    widget->raise();
    widget->activateWindow();
}

void PreferencesWindowController::windowDidLoad()
{
    keepInactiveWindowOpen.setState(UserDefaults::standardUserDefaults().boolForKey(QUkeepInactiveWindowOpen) ? 1 : 0);
}

void PreferencesWindowController::keepInactiveWindowOpenHasChanged(QObject*)
{
    UserDefaults::standardUserDefaults().setBool(keepInactiveWindowOpen.state() == 1, QUkeepInactiveWindowOpen);
}

void PreferencesWindowController::closeDialog(QObject*)
{
    close();
}

void PreferencesWindowController::close()
{
    if (window_)
        window_->close();
}

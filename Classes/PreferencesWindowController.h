#pragma once
#include "platform/Controls.h"

#include <QObject>
#include <QPointer>

class QWidget;

// Controller of one preferences window. Each window owns its controller, so a window closed by any
// means frees both, and windows opened earlier stay open beside a new one.
class PreferencesWindowController : public QObject {
public:
    // The window is loaded from the named layout when first needed.
    explicit PreferencesWindowController(const QString& windowNibName);

    QWidget* window(); // loads the window if need be
    void showWindow(QObject* sender);
    void windowDidLoad();
    void keepInactiveWindowOpenHasChanged(QObject* sender);
    void closeDialog(QObject* sender);
    void close();

    Button keepInactiveWindowOpen; // the checkbox
    Button closeButton;

private:
    QString windowNibName_;
    QPointer<QWidget> window_;
};
